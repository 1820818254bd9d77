// Making, finding, testing and removing the graphic of a cell, and the
// display text of links and group counts.
#include "grid/core/PlexStringGrid.h"

#include "grid/core/CellGraphic.h"
#include "grid/features/Grouping.h"
#include "platform/Graphics.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// A graphic object of another class: it belongs to whoever put it in the cell.
class TForeignGraphic : public TGridGraphicObject {
public:
  QString ClassName() const override { return "TForeignGraphic"; }
};

TEST(PlexStringGridObjects, AnEmptyTextStaysEmpty) {
  TPlexStringGrid g(nullptr);
  TCellGraphic* graphic = g.CreateCellGraphic(2, 3);
  ASSERT_NE(graphic, nullptr);
  EXPECT_EQ(graphic->CellType, ctNone);
  EXPECT_EQ(g.GetCellEx(2, 3), "");
  g.SetCellEx(1, 1, "x");
  g.CreateCellGraphic(1, 1);
  EXPECT_EQ(g.GetCellEx(1, 1), "x");
  // A second graphic replaces the first (the sanitizers see it freed once).
  EXPECT_NE(g.CreateCellGraphic(2, 3), nullptr);
}

TEST(PlexStringGridObjects, ASlotOfAnotherClassReadsAsNoGraphic) {
  TForeignGraphic foreign;
  TPlexStringGrid g(nullptr);
  g.SetGraphicObjectEx(1, 1, &foreign);
  EXPECT_EQ(g.GetCellType(1, 1), ctEmpty);
  EXPECT_EQ(g.GetCellGraphic(1, 1), nullptr);
  EXPECT_FALSE(g.RemoveCellGraphic(1, 1));
  EXPECT_EQ(g.GetCellType(-1, 1), ctEmpty);
  EXPECT_FALSE(g.HasCheckBox(-1, 0));
}

TEST(PlexStringGridObjects, RowCheckBoxIsSharedAndNeverFreed) {
  TPlexStringGrid g(nullptr);
  g.MouseActions().SetHotmailRowSelect(true);
  TCellGraphic* shared = g.GetCellGraphic(0, 4);
  ASSERT_NE(shared, nullptr);
  EXPECT_EQ(g.GetCellType(0, 4), ctRowCheckBox);
  EXPECT_TRUE(g.RemoveCellGraphic(0, 4));
  EXPECT_EQ(g.GetCellGraphic(0, 5), shared);
  EXPECT_EQ(shared->CellType, ctRowCheckBox);
  // Row 0 tells whether some or all normal rows are selected.
  g.SetRowSelect(2, true);
  g.GetCellGraphic(0, 0);
  EXPECT_EQ(shared->CellAngle, 1);
  EXPECT_FALSE(shared->CellBoolean);
  EXPECT_TRUE(g.GetCellGraphic(0, 2)->CellBoolean);
}

TEST(PlexStringGridObjects, KindTestsLookAtTheBaseCell) {
  TPlexStringGrid g(nullptr);
  g.AddButton(1, 1, 40, 20, "b", haLeft, vaTop);
  g.AddBitButton(2, 1, 40, 20, "b", nullptr, haLeft, vaTop);
  g.AddExpand(3, 1, 60);
  g.AddCheckBox(1, 2, false, false);
  const struct {
    int Col, Row;
    bool Clickable, Button;
  } cases[] = {{1, 1, true, true}, {2, 1, false, true}, {3, 1, false, false}, {1, 2, true, false}, {4, 4, false, false}};
  for (const auto& c : cases) {
    EXPECT_EQ(g.HasClickableGraphic(c.Col, c.Row), c.Clickable) << c.Col;
    EXPECT_EQ(g.HasButton(c.Col, c.Row), c.Button) << c.Col;
  }
  g.MergeCells(1, 2, 2, 1);
  EXPECT_TRUE(g.HasCheckBox(2, 2));
  EXPECT_TRUE(g.RemoveCellGraphicOfType(1, 1, ctButton));
  EXPECT_FALSE(g.RemoveCellGraphicOfType(2, 1, ctButton));
}

TEST(PlexStringGridObjects, SortKeysOfGraphicCells) {
  TPlexStringGrid g(nullptr);
  TBitmap bitmap;
  g.AddBitmap(1, 1, &bitmap, false, haLeft, vaTop);
  g.AddButton(2, 1, 10, 10, "", haLeft, vaTop);
  EXPECT_EQ(g.GetGraphicSortKey(1, 1), qint64(reinterpret_cast<quintptr>(&bitmap)));
  EXPECT_EQ(g.GetGraphicSortKey(2, 1), -1);
  EXPECT_EQ(g.GetGraphicSortKey(3, 1), -1);
}

TEST(PlexStringGridObjects, DisplayTextGetsLinksAndGroupCounts) {
  TPlexStringGrid g(nullptr);
  g.SetURLShowInText(true);
  QString text = "see www.example.org now";
  g.GetDisplText(1, 2, text);
  EXPECT_EQ(text, "see <a href=\"www.example.org\">www.example.org</a> now");
  g.SetURLShowInText(false);
  TCellGraphic* node = g.CreateCellGraphic(0, 3);
  node->CellType = ctNode;
  node->CellIndex = 5;
  node->CellErrFrom = 1;
  g.Grouping().ShowGroupCount = true;
  text = "Group";
  g.GetDisplText(1, 3, text);
  EXPECT_EQ(text, "Group (3)");
  g.Grouping().GroupCountFormat = " [%d]";
  text = "Group";
  g.GetDisplText(1, 3, text);
  EXPECT_EQ(text, "Group [3]");
  text = "Other";
  g.GetDisplText(2, 3, text);
  EXPECT_EQ(text, "Other");
}

}  // namespace
