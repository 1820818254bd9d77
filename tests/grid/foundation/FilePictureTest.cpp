#include "grid/foundation/FilePicture.h"

#include "support/PaintProbe.h"

#include "platform/Graphics.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(FilePicture, SizeFromTheFileAndKeptWhenTheFileIsMissing) {
  QTemporaryDir dir;
  TBitmap source(12, 7);
  source.Canvas().Brush().Color = clRed;
  source.Canvas().FillRect(TRect(0, 0, 12, 7));
  source.EndCanvas();
  const QString path = dir.filePath("p.bmp");
  ASSERT_TRUE(source.SaveToFile(path));
  TFilePicture p;
  p.SetFilename(path);
  EXPECT_EQ(p.Width(), 12);
  EXPECT_EQ(p.Height(), 7);
  TBitmap sheet(30, 30);
  sheet.Canvas().Brush().Color = clWhite;
  sheet.Canvas().FillRect(TRect(0, 0, 30, 30));
  p.DrawPicture(sheet.Canvas(), TRect(0, 0, 24, 14));
  sheet.EndCanvas();
  EXPECT_EQ(paintprobe::At(sheet, 23, 13), clRed);
  EXPECT_EQ(paintprobe::At(sheet, 25, 13), clWhite);

  p.SetFilename(dir.filePath("missing.bmp"));
  EXPECT_EQ(p.Filename(), dir.filePath("missing.bmp"));
  EXPECT_EQ(p.Width(), 12);
  EXPECT_EQ(p.Height(), 7);
  TBitmap untouched(30, 30);
  untouched.Canvas().Brush().Color = clWhite;
  untouched.Canvas().FillRect(TRect(0, 0, 30, 30));
  EXPECT_NO_THROW(p.DrawPicture(untouched.Canvas(), TRect(0, 0, 24, 14)));
  untouched.EndCanvas();
  EXPECT_EQ(paintprobe::At(untouched, 5, 5), clWhite);

  TFilePicture copy;
  copy.Assign(p);
  EXPECT_EQ(copy.Filename(), p.Filename());
  EXPECT_EQ(copy.Width(), 12);
}

}  // namespace
