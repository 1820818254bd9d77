// Typed and indexed cell access of the string grid.
#include "grid/core/PlexStringGrid.h"

#include "grid/core/CellGraphic.h"
#include "grid/core/GridItem.h"
#include "grid/core/HiddenRowStore.h"
#include "grid/foundation/IntList.h"
#include "platform/StdCtrls.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

namespace {

TEST(PlexStringGridCells, IntsAndFloatsParseTheCellText) {
  struct TCase {
    const char* Text;
    std::optional<int> Int;       // nullopt: raises
    std::optional<double> Float;  // nullopt: raises
  };
  const TCase cases[] = {
      {"<B>12</B>", 12, 12.0}, {" 7 ", 7, 7.0},  {"", 0, 0.0},      {"-", 0, 0.0},       {"-5", -5, -5.0},
      {"12a", {}, 12.0},       {"1.5", {}, 1.5}, {"1.2.3", {}, {}}, {"(2.5)", {}, -2.5}, {"1,234.5", {}, 1234.5},
  };
  TPlexStringGrid g(nullptr);
  for (const TCase& c : cases) {
    g.SetCellEx(1, 1, c.Text);
    if (c.Int) {
      EXPECT_EQ(g.Ints(1, 1), *c.Int) << c.Text;
    } else {
      try {
        g.Ints(1, 1);
        ADD_FAILURE() << "no error for " << c.Text;
      } catch (const EPlexGridError& e) {
        EXPECT_EQ(e.Message(), SCellNoInteger) << c.Text;
      }
    }
    if (c.Float) {
      EXPECT_DOUBLE_EQ(g.Floats(1, 1), *c.Float) << c.Text;
    } else {
      try {
        g.Floats(1, 1);
        ADD_FAILURE() << "no error for " << c.Text;
      } catch (const EPlexGridError& e) {
        EXPECT_EQ(e.Message(), SCellNoFloat) << c.Text;
      }
    }
  }
  // A failed read changes nothing.
  EXPECT_EQ(g.GetCellEx(1, 1), "1,234.5");
}

TEST(PlexStringGridCells, NumberWritesUseTheCellFormat) {
  TPlexStringGrid g(nullptr);
  g.SetFloats(1, 1, 3.14159);
  EXPECT_EQ(g.GetCellEx(1, 1), "3.14");
  g.FloatFormat = "%.3f";
  g.SetAllFloats(2, 2, 2.0);
  EXPECT_EQ(g.GetCellEx(2, 2), "2.000");
  g.SetInts(1, 2, -42);
  EXPECT_EQ(g.GetCellEx(1, 2), "-42");
  g.SetAllInts(1, 3, 8);
  EXPECT_EQ(g.AllInts(1, 3), 8);
}

TEST(PlexStringGridCells, IntsWriteTheRealColumnBehindAHiddenOne) {
  TPlexStringGrid g(nullptr);
  g.SetColCount(5);
  g.HideColumn(2);
  EXPECT_EQ(g.ColCount(), 4);
  EXPECT_EQ(g.NumHiddenColumns(), 1);
  EXPECT_EQ(g.RealToDisplayCol(3), 2);
  EXPECT_EQ(g.DisplayToRealCol(2), 3);
  g.SetInts(3, 1, 5);
  EXPECT_EQ(g.GetGridCell(3, 1), "5");
  EXPECT_EQ(g.GetGridCell(2, 1), "");
  EXPECT_EQ(g.Ints(3, 1), 5);
  g.SetAllColWidths(2, 33);
  EXPECT_EQ(g.AllColWidths(2), 33);
  g.SetAllColWidths(3, 44);
  EXPECT_EQ(g.ColWidths(2), 44);
}

// A hidden row keeps its texts in the store; real rows below it move up one.
class HiddenRowGrid : public ::testing::Test {
protected:
  HiddenRowGrid() {
    TGridItem& item = g.HiddenRowStore().Add(3);
    item.Items.Add("a");
    item.Items.Add("b");
  }
  TPlexStringGrid g{nullptr};
};

TEST_F(HiddenRowGrid, AllCellsReachHiddenRowsAndPadTheirTexts) {
  EXPECT_EQ(g.AllCells(0, 3), "a");
  EXPECT_EQ(g.AllCells(7, 3), "");
  EXPECT_EQ(g.AllCells(-1, 3), "");
  EXPECT_EQ(g.AllCells(0, -1), "");
  g.SetAllCells(4, 3, "x");
  const TStringList& texts = g.HiddenRowStore().Find(3)->Items;
  ASSERT_EQ(texts.Count(), 5);
  EXPECT_EQ(texts[2], "");
  EXPECT_EQ(texts[4], "x");
  // Rows below the hidden one are displayed one higher.
  g.SetAllCells(1, 5, "below");
  EXPECT_EQ(g.GetCellEx(1, 4), "below");
  EXPECT_EQ(g.AllCells(1, 5), "below");
}

TEST_F(HiddenRowGrid, AllGridCellsWritePadsAHiddenRowToo) {
  g.SetAllGridCells(6, 3, "raw");
  const TStringList& texts = g.HiddenRowStore().Find(3)->Items;
  ASSERT_EQ(texts.Count(), 7);
  EXPECT_EQ(g.AllGridCells(6, 3), "raw");
  EXPECT_EQ(g.AllGridCells(1, 3), "b");
}

TEST(PlexStringGridCells, RowColorNoneDropsGraphicOnlyRecordsAndKeepsPlainOnes) {
  TPlexStringGrid g(nullptr);
  g.SetColors(1, 1, clRed);
  g.SetGraphicObjectEx(1, 1, new TCellGraphic());  // kind ctNone: the grid frees it with the record
  g.SetColors(2, 1, clRed);
  ASSERT_EQ(g.GetCellType(1, 1), ctNone);
  ASSERT_EQ(g.GetCellType(2, 1), ctEmpty);
  g.SetRowColor(1, clNone);
  EXPECT_FALSE(g.HasCellProperties(1, 1));
  EXPECT_TRUE(g.HasCellProperties(2, 1));
  EXPECT_EQ(g.Colors(2, 1), clNone);

  g.SetRowColor(2, clBlue);
  EXPECT_EQ(g.Colors(0, 2), clNone);  // fixed column untouched
  for (int c = 1; c < g.ColCount(); ++c) EXPECT_EQ(g.Colors(c, 2), clBlue) << c;
  g.SetRowColorTo(2, clNone);
  EXPECT_FALSE(g.HasCellProperties(1, 2));
  g.SetColors(2, 3, clNone);
  g.SetColors(3, 3, clRed);
  g.SetRowFontColor(3, clGreen);
  EXPECT_EQ(g.FontColors(2, 3), clGreen);
  g.SetRowFontColor(3, clNone);  // only records without a brush colour go
  EXPECT_FALSE(g.HasCellProperties(2, 3));
  EXPECT_TRUE(g.HasCellProperties(3, 3));
}

TEST(PlexStringGridCells, PropertyReadsWithoutRecordCreateNothingButWordWraps) {
  TPlexStringGrid g(nullptr);
  EXPECT_EQ(g.Colors(3, 3), clNone);
  EXPECT_EQ(g.ColorsTo(3, 3), clNone);
  EXPECT_EQ(g.FontNames(3, 3), "");
  EXPECT_EQ(g.FontSizes(3, 3), 0);
  EXPECT_TRUE(g.FontStyles(3, 3).Empty());
  EXPECT_EQ(g.Alignments(3, 3), taLeftJustify);
  EXPECT_FALSE(g.ReadOnly(3, 3));
  EXPECT_EQ(g.Gradients(3, 3), GradientVertical);
  EXPECT_EQ(&g.Fonts(3, 3), &g.Font());
  EXPECT_FALSE(g.HasCellProperties(3, 3));
  g.WordWraps(3, 3);
  EXPECT_TRUE(g.HasCellProperties(3, 3));
}

TEST(PlexStringGridCells, FontsShareOneObjectFilledPerRead) {
  TPlexStringGrid g(nullptr);
  TFont f;
  f.SetName("Verdana");
  f.SetSize(11);
  f.SetStyle({fsItalic});
  f.SetColor(clMaroon);
  g.SetFonts(1, 1, f);
  g.SetFontNames(2, 2, "Tahoma");
  const TFont* first = &g.Fonts(1, 1);
  EXPECT_EQ(first->Name(), "Verdana");
  EXPECT_EQ(first->Size(), 11);
  EXPECT_TRUE(first->Style().Contains(fsItalic));
  EXPECT_EQ(first->Color(), clMaroon);
  EXPECT_EQ(&g.Fonts(2, 2), first);
  EXPECT_EQ(first->Name(), "Tahoma");
}

TEST(PlexStringGridCells, ColumnHeadersTurnBackslashNIntoALineBreak) {
  TPlexStringGrid g(nullptr);
  TStringList headers;
  headers.Add("Col\\nName");
  headers.Add("B");
  g.SetCellEx(2, 0, "old");
  g.SetColumnHeaders(headers);
  EXPECT_EQ(g.GetCellEx(0, 0), "Col\rName");
  EXPECT_EQ(g.GetCellEx(1, 0), "B");
  EXPECT_EQ(g.GetCellEx(2, 0), "");
  // Editing the list in place shows it again.
  g.ColumnHeaders().SetStrings(1, "C");
  EXPECT_EQ(g.GetCellEx(1, 0), "C");
  g.ClearColumnHeaders();
  EXPECT_EQ(g.GetCellEx(0, 0), "");
}

TEST(PlexStringGridCells, RowHeadersFillColumnZero) {
  TPlexStringGrid g(nullptr);
  TStringList headers;
  headers.Add("");
  headers.Add("first");
  g.SetRowHeaders(headers);
  EXPECT_EQ(g.GetCellEx(0, 1), "first");
}

TEST(PlexStringGridCells, CellControlsCountCellsAndSitOverTheCell) {
  TPlexStringGrid g(nullptr);
  auto* first = new TEdit(&g);
  auto* second = new TEdit(&g);
  g.SetCellControls(1, 1, first);
  EXPECT_EQ(g.CellControlCount(), 1);
  g.SetCellControls(1, 1, nullptr);
  EXPECT_EQ(g.CellControlCount(), 0);
  EXPECT_EQ(g.CellControls(1, 1), nullptr);
  g.SetCellControls(1, 1, nullptr);
  EXPECT_EQ(g.CellControlCount(), 0);
  g.SetCellControls(1, 1, second);
  g.SetCellControls(1, 1, first);  // replacing keeps one cell with a control
  EXPECT_EQ(g.CellControlCount(), 1);
  EXPECT_EQ(g.CellControls(1, 1), first);
  EXPECT_EQ(first->Parent(), &g);
  const TRect r = g.CellRect(1, 1);
  EXPECT_EQ(first->BoundsRect(), TRect(r.Left - 1, r.Top - 1, r.Right, r.Bottom));
}

TEST(PlexStringGridCells, ControlValuesReadAndRewriteAFormControl) {
  TPlexStringGrid g(nullptr);
  g.SetCellEx(1, 1, R"(Name <CONTROL TYPE="EDIT" ID="e1" VALUE="abc" WIDTH="40"> end)");
  EXPECT_EQ(g.ControlValues(1, 1, "e1"), "abc");
  EXPECT_EQ(g.ControlValues(1, 1, "nope"), "");
  g.SetControlValues(1, 1, "e1", "x<y");
  EXPECT_EQ(g.GetCellEx(1, 1), R"(Name <CONTROL TYPE="EDIT" ID="e1" VALUE="x&lt;y" WIDTH="40"> end)");
  EXPECT_EQ(g.ControlValues(1, 1, "e1"), "x<y");
  const QString before = g.GetCellEx(1, 1);
  g.SetControlValues(1, 1, "nope", "z");
  EXPECT_EQ(g.GetCellEx(1, 1), before);
}

TEST(PlexStringGridCells, CurrentCellVersionAndDerivedTexts) {
  TPlexStringGrid g(nullptr);
  g.SetCol(2);
  g.SetRow(3);
  g.SetCurrentCell("now");
  EXPECT_EQ(g.GetCellEx(2, 3), "now");
  EXPECT_EQ(g.CurrentCell(), "now");
  EXPECT_EQ(g.GetCurrentCellEx(), "now");
  g.SetCellEx(1, 1, "<B>bold</B>\rsecond");
  EXPECT_EQ(g.StrippedCells(1, 1), "bold\rsecond");
  EXPECT_EQ(g.LinesInCell(1, 1), 2);
  EXPECT_EQ(g.Version(), "6.2.1.3");
  g.SetVersion("1.0.0.0");
  EXPECT_EQ(g.Version(), "6.2.1.3");
  g.SetWideCells(1, 2, QString::fromUtf8("\xce\xa9"));
  EXPECT_EQ(g.WideCells(1, 2), QString::fromUtf8("\xce\xa9"));
}

TEST(PlexStringGridCells, OriginalCellsFollowTheRecordedColumnOrder) {
  TPlexStringGrid g(nullptr);
  for (int c : {0, 3, 1, 2, 4}) g.ColumnOrder().Add(c);  // column 3 now stands at position 1
  g.SetCellEx(1, 1, "moved");
  EXPECT_EQ(g.OriginalCells(3, 1), "moved");
  EXPECT_EQ(g.ColumnPosition(3), 1);
  EXPECT_EQ(g.ColumnPosition(9), 9);
}

}  // namespace

namespace {

TEST(PlexStringGridCells, MergedColumnsMergeEqualTextsWithinTheFirstColumnsBlocks) {
  TPlexStringGrid g(nullptr);
  g.SetRowCount(6);
  const char* first[] = {"A", "A", "A", "B", "B"};
  const char* second[] = {"x", "x", "y", "y", "y"};
  for (int r = 1; r <= 5; ++r) {
    g.SetCellEx(1, r, first[r - 1]);
    g.SetCellEx(2, r, second[r - 1]);
  }
  g.MergedColumns().Add(1);
  g.MergedColumns().Add(2);
  EXPECT_EQ(g.CellSpan(1, 1).Y, 2);
  EXPECT_EQ(g.CellSpan(1, 4).Y, 1);
  EXPECT_EQ(g.CellSpan(2, 1).Y, 1);
  EXPECT_FALSE(g.IsMergedCell(2, 3));  // "y" starts inside one block of column 1 and goes on in the next
  EXPECT_EQ(g.CellSpan(2, 4).Y, 1);
  // Emptying the list tells nobody; deleting its entries does.
  g.MergedColumns().Delete(1);
  g.MergedColumns().Delete(0);
  for (int r = 1; r <= 5; ++r) EXPECT_FALSE(g.IsMergedCell(1, r)) << r;
}

}  // namespace
