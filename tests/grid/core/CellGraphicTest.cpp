// The cell graphic object: its setters, the angle range, picture sizes, and
// which objects it frees.
#include "grid/core/CellGraphic.h"

#include "grid/foundation/IntList.h"
#include "platform/Graphics.h"

#include <gtest/gtest.h>

#include <QImage>

namespace {

TEST(CellGraphic, SetAngleBringsTheAngleIntoRange) {
  const struct {
    int Given, Stored;
  } cases[] = {{-30, 330}, {720, 360}, {360, 360}, {0, 0}, {-720, 0}, {400, 40}};
  for (const auto& c : cases) {
    TCellGraphic g;
    g.SetAngle(c.Given);
    EXPECT_EQ(g.CellType, ctRotated);
    EXPECT_EQ(g.CellAngle, c.Stored) << c.Given;
  }
}

TEST(CellGraphic, PictureSizeFollowsTheStretchMode) {
  TPicture picture;
  picture.SetImage(QImage(100, 50, QImage::Format_RGB32));
  const struct {
    TStretchMode Mode;
    int Width, Height, Padding;
    TPoint Size;
  } cases[] = {
      {StretchWithAspectRatio, 200, 200, 0, TPoint(200, 100)},
      {ShrinkWithAspectRatio, 50, 50, 0, TPoint(50, 25)},
      {ShrinkWithAspectRatio, 300, 300, 0, TPoint(100, 50)},  // fits: natural size
      {noStretch, 10, 10, 0, TPoint(100, 50)},
      {Stretch, 80, 90, 10, TPoint(70, 80)},                  // the area less the padding
      {Shrink, 300, 300, 0, TPoint(100, 50)},
      {Shrink, 60, 60, 0, TPoint(60, 60)},
      {StretchWithAspectRatio, 400, 100, 0, TPoint(200, 100)},
  };
  for (const auto& c : cases) {
    TCellGraphic g;
    g.SetPicture(&picture, false, c.Mode, c.Padding, haLeft, vaTop);
    TPoint size(-1, -1);
    g.GetPictureSize(c.Width, c.Height, false, size);
    EXPECT_EQ(size, c.Size) << int(c.Mode) << " " << c.Width << "x" << c.Height;
  }
  // Other kinds leave the size as the caller set it.
  TCellGraphic other;
  other.SetImageIdx(1, haLeft, vaTop);
  TPoint size(7, 8);
  other.GetPictureSize(200, 200, false, size);
  EXPECT_EQ(size, TPoint(7, 8));
}

TEST(CellGraphic, ButtonPacksWidthAndHeight) {
  TCellGraphic g;
  g.SetButton(60, 20, "Go", haRight, vaCenter);
  EXPECT_EQ(g.CellType, ctButton);
  EXPECT_EQ(g.ButtonWidth(), 60);
  EXPECT_EQ(g.ButtonHeight(), 20);
  EXPECT_EQ(g.CellText, "Go");
  EXPECT_FALSE(g.CellBoolean);
}

TEST(CellGraphic, AssignCopiesNoObjectsNorVariantNorTriState) {
  TBitmap bitmap;
  TCellGraphic source;
  source.SetBitmap(&bitmap, true, haRight, vaBottom);
  source.CellVar = 5;
  source.CellCheckBoxState = cbGrayed;
  source.CellText = "t";
  TCellGraphic copy;
  copy.Assign(source);
  EXPECT_EQ(copy.CellType, ctBitmap);
  EXPECT_TRUE(copy.CellTransparent);
  EXPECT_EQ(copy.CellHAlign, haRight);
  EXPECT_EQ(copy.CellVAlign, vaBottom);
  EXPECT_EQ(copy.CellText, "t");
  EXPECT_EQ(copy.CellBitmap, nullptr);
  EXPECT_FALSE(copy.CellVar.isValid());
  EXPECT_EQ(copy.CellCheckBoxState, cbUnchecked);
}

// The sanitizers tell a double free (an object freed that is the caller's)
// and a leak (an owned object not freed).
TEST(CellGraphic, FreesOnlyWhatItOwns) {
  TBitmap callers;
  {
    TCellGraphic g;
    g.SetBitmap(&callers, false, haLeft, vaTop);
  }
  {
    TCellGraphic g;
    g.SetBitmap(new TBitmap, false, haLeft, vaTop);
    g.CellCreated = true;
  }
  {
    TCellGraphic g;
    g.SetMultiImage(1, 2, 0, haLeft, vaTop, nullptr);
    EXPECT_TRUE(g.CellBoolean);
    ASSERT_NE(g.Images(), nullptr);
    EXPECT_EQ(g.Images()->Col(), 1);
  }
  {
    // A progress bar's colours are values: nothing is freed for them.
    TCellGraphic g;
    g.CellType = ctProgress;
    g.CellColor = 0x0000FF;
    g.CellIconColor = clNone;
  }
  SUCCEED();
}

}  // namespace
