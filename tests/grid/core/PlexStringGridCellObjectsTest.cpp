// The other cell objects: radio groups, expand buttons, balloons, markers,
// comments, shapes and scroll bars.
#include "grid/core/PlexStringGrid.h"

#include "grid/core/CellGraphic.h"
#include "platform/Graphics.h"

#include <gtest/gtest.h>

namespace {

TEST(PlexStringGridCellObjects, RadioIndexOnlyOfARadioGroup) {
  TPlexStringGrid g(nullptr);
  TStrings* options = g.CreateRadio(1, 1, 0, 1);
  ASSERT_NE(options, nullptr);
  options->Add("one");
  options->Add("two");
  g.SetCellEx(1, 1, "two");
  int idx = 7;
  EXPECT_TRUE(g.GetRadioIdx(1, 1, idx));
  EXPECT_EQ(idx, 1);
  EXPECT_TRUE(g.SetRadioIdx(1, 1, -1));
  EXPECT_EQ(g.GetCellEx(1, 1), "");
  // Another kind keeps its CellIndex and the caller's value stays.
  g.AddShape(2, 1, csCircle, 0x0000FF, clBlack, haLeft, vaTop);
  EXPECT_FALSE(g.SetRadioIdx(2, 1, 3));
  EXPECT_EQ(g.GetShapeColor(2, 1), TColor(0x0000FF));
  idx = 7;
  EXPECT_FALSE(g.GetRadioIdx(2, 1, idx));
  EXPECT_EQ(idx, 7);
  // Stepping through the options wraps after the last.
  g.SetRadioIdx(1, 1, 0);
  g.SelectNextRadio(1, 1, false);
  EXPECT_EQ(g.GetCellEx(1, 1), "two");
  g.SelectNextRadio(1, 1, false);
  EXPECT_EQ(g.GetCellEx(1, 1), "one");
}

TEST(PlexStringGridCellObjects, ExpandButtonRectangleAndState) {
  EXPECT_EQ(TPlexStringGrid::ExpandRectIn(TRect(10, 20, 110, 42)), TRect(97, 22, 108, 33));
  TPlexStringGrid g(nullptr);
  EXPECT_EQ(g.GetExpandRect(1, 1), TRect());
  g.AddExpand(1, 1, 60);
  const TRect cell = g.CellRect(1, 1);
  EXPECT_EQ(g.GetExpandRect(1, 1), TPlexStringGrid::ExpandRectIn(cell));
  EXPECT_FALSE(g.GetExpandState(1, 1));
  EXPECT_TRUE(g.ToggleExpand(1, 1));
  EXPECT_EQ(g.GetExpandHeight(1, 1, true), 60);
  EXPECT_EQ(g.GetExpandHeight(1, 1, false), g.RowHeights(1));
  EXPECT_EQ(g.GetExpandHeight(2, 2, true), g.DefaultRowHeight());
}

// A marker has fields of its own: a node's sub-node count, a progress range
// and a scroll range survive it.
TEST(PlexStringGridCellObjects, MarkerKeepsTheKindsValues) {
  TPlexStringGrid g(nullptr);
  g.AddProgressFormatted(1, 1, clBlue, clNone, clWhite, clNone, "%d", 10, 90);
  g.AddScrollBar(2, 1, false);
  TCellGraphic* node = g.CreateCellGraphic(0, 2);
  node->CellType = ctNode;
  node->CellErrFrom = 3;
  for (const TPoint at : {TPoint(1, 1), TPoint(2, 1), TPoint(0, 2), TPoint(3, 3)}) g.AddMarker(at.X, at.Y, 2, 4);
  EXPECT_EQ(g.GetCellGraphic(1, 1)->RangeMin(), 10);
  EXPECT_EQ(g.GetCellGraphic(1, 1)->RangeMax(), 90);
  EXPECT_EQ(g.GetScrollProp(2, 1).Range, 100);
  EXPECT_EQ(node->SubNodeCount(), 3);
  int pos = 0, len = 0;
  g.GetMarker(3, 3, pos, len);
  EXPECT_EQ(TPoint(pos, len), TPoint(2, 4));
  EXPECT_EQ(g.GetCellType(3, 3), ctEmpty);
  g.RemoveMarker(1, 1);
  g.GetMarker(1, 1, pos, len);
  EXPECT_EQ(TPoint(pos, len), TPoint(0, 0));
  EXPECT_TRUE(g.HasProgress(1, 1));
}

TEST(PlexStringGridCellObjects, BalloonHangsOnCheckBoxesOnly) {
  TPlexStringGrid g(nullptr);
  g.AddCheckBox(1, 1, false, false);
  g.AddBalloon(1, 1, "T", "text", biInfo);
  g.AddButton(2, 1, 20, 20, "b", haLeft, vaTop);
  g.AddBalloon(2, 1, "T", "text", biInfo);
  g.AddBalloon(3, 1, "T3", "x", biError);
  QString title, text;
  TBalloonIcon icon = biNone;
  EXPECT_TRUE(g.IsBalloon(1, 1, title, text, icon));
  EXPECT_EQ(title + "|" + text, "T|text");
  EXPECT_FALSE(g.IsBalloon(2, 1, title, text, icon));
  EXPECT_TRUE(g.IsBalloon(3, 1, title, text, icon));
  EXPECT_EQ(icon, biError);
  EXPECT_TRUE(g.HasBalloon(3, 1));
  g.RemoveBalloon(1, 1);
  EXPECT_FALSE(g.IsBalloon(1, 1, title, text, icon));
  EXPECT_EQ(g.GetCellType(1, 1), ctCheckBox);
}

TEST(PlexStringGridCellObjects, CommentsAndButtonsByTheirOwnRules) {
  TPlexStringGrid g(nullptr);
  g.SetComment(1, 1, "c");
  EXPECT_EQ(g.GetComment(1, 1), "c");
  g.AddButton(2, 1, 20, 10, "b", haLeft, vaTop);
  g.SetComment(2, 1, "lost");
  EXPECT_EQ(g.GetComment(2, 1), "");
  EXPECT_EQ(g.GetButtonText(2, 1), "b");
  g.RemoveAllComments();
  EXPECT_EQ(g.GetCellType(1, 1), ctEmpty);
  g.RemoveAllButtons();
  EXPECT_FALSE(g.HasButton(2, 1));
}

}  // namespace
