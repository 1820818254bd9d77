// Sorting a grid's rows: cell comparisons by style, the index list, the
// restorations around a sort, unsorting, group sorts and the header click.
#include "grid/core/PlexStringGrid.h"

#include "../editing/EditorFormFixture.h"
#include "../foundation/LocaleScope.h"
#include "grid/editing/ShowModified.h"
#include "grid/features/FloatingFooter.h"
#include "grid/features/SortSettings.h"
#include "grid/foundation/IntList.h"
#include "grid/foundation/PlexObj.h"
#include "grid/foundation/SortIndexList.h"
#include "platform/ImageList.h"
#include "platform/Screenshot.h"

#include <QStringList>

#include <cstdlib>
#include <stdexcept>

namespace {

// A grid of one header row; each string gives one column's normal cells.
void Fill(TPlexStringGrid& g, const std::vector<QStringList>& Columns) {
  g.SetColCount(int(Columns.size()));
  g.SetRowCount(int(Columns[0].size()) + 1);
  g.SetFixedRows(1);
  g.SetFixedCols(0);
  for (size_t c = 0; c < Columns.size(); ++c)
    for (int r = 0; r < Columns[c].size(); ++r) g.SetCells(int(c), r + 1, Columns[c][r]);
}

QStringList Column(TPlexStringGrid& g, int ACol) {
  QStringList l;
  for (int r = g.FixedRows(); r < g.RowCount() - g.FixedFooters(); ++r) l << g.Cells(ACol, r);
  return l;
}

std::string Joined(const QStringList& l) { return l.join(",").toStdString(); }

struct SortTest : ::testing::Test {
  TLocaleScope Locale{'.', ',', '/', "dd/mm/yyyy", ':'};
  TPlexStringGrid g{nullptr};
};

// One pair of texts compared in one style: the sign CompareSortCells gives.
TEST_F(SortTest, CellComparisonsByStyle) {
  struct TCase {
    TSortStyle Style;
    const char* A;
    const char* B;
    int Expected;
    const char* Prefix = "";
  };
  const TCase cases[] = {
      {ssAlphabetic, "a", "B", 1},
      {ssAlphaCase, "abc", "abd", -1},
      {ssAlphaNoCase, "a", "B", -1},
      {ssAlphaNoCase, "ABC", "abc", 0},
      {ssNumeric, "10", "9", 1},
      {ssNumeric, "", "9", -1},         // an empty cell counts as 0
      {ssNumeric, "12.5 kg", "13", -1},  // the leading number with its fraction: 12.5
      {ssNumeric, "12.5 kg", "12.4", 1},
      {ssNumeric, "-5x", "-4", -1},      // with its sign: -5
      {ssNumeric, "abc", "def", 0},      // neither a number
      {ssNumeric, "abc", "-1", 1},       // abc counts as 0
      {ssNumeric, "$1,200", "$950", -1, "$"},  // 1 against 950
      {ssFinancial, "$1,200", "$950", 1, "$"},
      {ssNumeric, "1e3", "999", 1},
      {ssDate, "12/05/2023", "01/01/2024", -1},
      {ssDate, "", "01/01/2024", -1},
      {ssTime, "12:30", "9:15", 1},
      {ssShortDateEU, "02/01/2024", "01/02/2024", -1},
      {ssShortDateUS, "02/01/2024", "01/02/2024", 1},
      {ssAutomatic, "12/05/2023", "01/01/2024", -1},  // as dates; as text it would be 1
      {ssAutomatic, "abc", "12:30", 1},               // text
      {ssAutomatic, "1.5", "abc", 1},                 // numbers: abc counts as 0
      {ssAutomatic, "9", "10", -1},
      {ssAlphaNumeric, "9", "10", -1},
      {ssAlphaNumeric, "9", "1a", 1},
      {ssAlphaNumericNoCase, "b", "A", 1},
      {ssAnsiAlphaNoCase, "apple", "APPLE", 0},
      {ssAnsiAlphaNoCase, "apple", "Banana", -1},
      {ssHTML, "<b>b</b>", "<i>a</i>", 1},
      {ssCustom, "a", "b", 0},  // no handler: equal
      {ssRaw, "a", "b", 0},
  };
  for (const TCase& c : cases) {
    Fill(g, {{c.A, c.B}});
    g.OnGetFormat = [&c](TObject*, int, TSortStyle& Style, QString& Prefix, QString&) {
      Style = c.Style;
      Prefix = c.Prefix;
    };
    EXPECT_EQ(g.CompareSortCells(0, 1, 2, 0), c.Expected) << int(c.Style) << " " << c.A << " " << c.B;
  }
}

TEST_F(SortTest, CheckBoxesAndImagesCompareByStateAndKey) {
  Fill(g, {{"", ""}, {"", ""}});
  g.AddCheckBox(0, 1, true, false);
  g.AddCheckBox(0, 2, false, false);
  TImageList images(16, 16);
  g.SetGridImages(&images);
  g.AddImageIdx(1, 1, 3, haLeft, vaTop);
  g.AddImageIdx(1, 2, 7, haLeft, vaTop);
  EXPECT_EQ(g.CompareSortCells(0, 1, 2, 0), 1);  // automatic detection: checked after unchecked
  g.OnGetFormat = [](TObject*, int, TSortStyle& Style, QString&, QString&) { Style = ssImages; };
  EXPECT_EQ(g.CompareSortCells(1, 1, 2, 0), -1);
  EXPECT_EQ(g.CompareSortCells(0, 1, 2, 0), 0);  // no picture: both -1
  g.SetGridImages(nullptr);
}

TEST_F(SortTest, NumericSortWithBlanksFirstOrLast) {
  struct TCase {
    bool IgnoreBlanks;
    TSortBlankPosition Pos;
    TSortDirection Direction;
    const char* Expected;
  };
  const TCase cases[] = {
      {false, blFirst, sdAscending, ",9,10"},
      {true, blLast, sdAscending, "9,10,"},
      {true, blLast, sdDescending, "10,9,"},
      {true, blFirst, sdDescending, ",10,9"},
  };
  for (const TCase& c : cases) {
    Fill(g, {{"10", "9", ""}});
    g.SortSettings().IgnoreBlanks = c.IgnoreBlanks;
    g.SortSettings().BlankPos = c.Pos;
    g.OnGetFormat = [](TObject*, int, TSortStyle& Style, QString&, QString&) { Style = ssNumeric; };
    g.Sort(0, c.Direction);
    EXPECT_EQ(Joined(Column(g, 0)), c.Expected);
  }
}

TEST_F(SortTest, CustomCompareDecidesAndFullBreaksTiesByTheNextColumn) {
  Fill(g, {{"b", "a", "b", "a"}, {"2", "2", "1", "1"}});
  g.Sort(0, sdAscending);
  EXPECT_EQ(Joined(Column(g, 0)), "a,a,b,b");
  EXPECT_EQ(Joined(Column(g, 1)), "1,2,1,2");
  g.OnGetFormat = [](TObject*, int ACol, TSortStyle& Style, QString&, QString&) {
    if (ACol == 0) Style = ssCustom;
  };
  // Longer first, whatever the letters.
  g.OnCustomCompare = [](TObject*, const QString& a, const QString& b, int& Res) { Res = int(b.size() - a.size()); };
  Fill(g, {{"x", "xxx", "xx"}, {"", "", ""}});
  g.SortSettings().Full = false;
  g.Sort(0, sdAscending);
  EXPECT_EQ(Joined(Column(g, 0)), "xxx,xx,x");
}

TEST_F(SortTest, IndexListSortsByItsColumnsEachInItsDirection) {
  Fill(g, {{"1", "2", "3", "4"}, {"", "", "", ""}, {"b", "a", "b", "a"}});
  g.SortIndexes().AddIndex(2, true);
  g.SortIndexes().AddIndex(0, false);
  g.QSortIndexed();
  EXPECT_EQ(Joined(Column(g, 2)), "a,a,b,b");
  EXPECT_EQ(Joined(Column(g, 0)), "4,2,3,1");
  // QSort starts afresh: the index list goes.
  g.Sort(0, sdAscending);
  EXPECT_EQ(g.SortIndexes().Count(), 0);
  EXPECT_EQ(Joined(Column(g, 0)), "1,2,3,4");
}

TEST_F(SortTest, IndexedSortWithoutIndexesRaisesAndChangesNothing) {
  Fill(g, {{"3", "1", "2"}});
  try {
    g.QSortIndexed();
    ADD_FAILURE() << "no error";
  } catch (const EPlexGridError& e) {
    EXPECT_EQ(e.Message(), "No indexes specified for indexed sort");
  }
  EXPECT_EQ(Joined(Column(g, 0)), "3,1,2");
}

TEST_F(SortTest, UnSortAfterTwoSortsRestoresTheFirstOrder) {
  Fill(g, {{"c", "a", "d", "b", "e"}, {"2", "5", "1", "4", "3"}});
  g.InitSortXRef();
  g.Sort(0, sdDescending);
  g.Sort(1, sdAscending);
  EXPECT_EQ(Joined(Column(g, 1)), "1,2,3,4,5");
  g.QUnSort();
  EXPECT_EQ(Joined(Column(g, 0)), "c,a,d,b,e");
  EXPECT_EQ(Joined(Column(g, 1)), "2,5,1,4,3");
  EXPECT_EQ(g.Cells(0, 0), "");
}

TEST_F(SortTest, HiddenColumnsTravelWithTheirRows) {
  Fill(g, {{"2", "1", "3"}, {"b", "a", "c"}, {"y", "x", "z"}});
  g.HideColumn(2);
  g.Sort(0, sdAscending);
  g.UnHideColumn(2);
  EXPECT_EQ(Joined(Column(g, 1)), "a,b,c");
  EXPECT_EQ(Joined(Column(g, 2)), "x,y,z");
}

TEST_F(SortTest, FloatingFooterStaysLastAndVisible) {
  Fill(g, {{"3", "1", "2", "Sum"}});
  g.SetFixedFooters(1);
  g.FloatingFooter().SetVisible(true);
  g.Sort(0, sdAscending);
  EXPECT_EQ(Joined(Column(g, 0)), "1,2,3");
  EXPECT_EQ(g.Cells(0, 4), "Sum");
  EXPECT_TRUE(g.FloatingFooter().Visible());
  EXPECT_EQ(g.FixedFooters(), 1);
}

TEST_F(SortTest, CurrentRowFollowsItsDataOnlyWithMoveRowOnSort) {
  for (const bool move : {false, true}) {
    Fill(g, {{"3", "1", "2"}});
    g.Navigation().MoveRowOnSort = move;
    g.SetRow(1);  // the row holding "3"
    g.Sort(0, sdAscending);
    EXPECT_EQ(g.Row(), move ? 3 : 1) << move;
  }
}

TEST_F(SortTest, ModifiedMarksAndHeightsMoveWithTheirRows) {
  Fill(g, {{"2", "1"}});
  g.ShowModified().Enabled = true;
  g.SetRowModified(1, true);
  g.SetRowHeights(1, 40);
  g.SetRowHeights(2, 20);
  g.Sort(0, sdAscending);
  EXPECT_TRUE(g.GetRowModified(2));
  EXPECT_FALSE(g.GetRowModified(1));
  EXPECT_EQ(g.RowHeights(2), 40);
  EXPECT_EQ(g.RowHeights(1), 20);
}

TEST_F(SortTest, AHandlerThatRaisesLeavesTheGridAsItWas) {
  Fill(g, {{"3", "1", "2", "Sum"}, {"a", "b", "c", ""}});
  g.SetFixedCols(1);
  g.SetFixedFooters(1);
  g.FloatingFooter().SetVisible(true);
  g.SortSettings().NormalCellsOnly = true;
  g.OnGetFormat = [](TObject*, int, TSortStyle& Style, QString&, QString&) { Style = ssCustom; };
  g.OnCustomCompare = [](TObject*, const QString&, const QString&, int&) { throw std::runtime_error("bad"); };
  EXPECT_THROW(g.Sort(1, sdAscending), std::runtime_error);
  EXPECT_EQ(g.UpdateCount(), 0);
  EXPECT_TRUE(g.FloatingFooter().Visible());
  EXPECT_EQ(g.FixedFooters(), 1);
  EXPECT_EQ(Joined(Column(g, 0)), "3,1,2");
}

TEST_F(SortTest, NormalCellsOnlyKeepsTheFixedColumn) {
  Fill(g, {{"1", "2", "3"}, {"c", "a", "b"}});
  g.SetFixedCols(1);
  g.SortSettings().NormalCellsOnly = true;
  g.Sort(1, sdAscending);
  EXPECT_EQ(Joined(Column(g, 0)), "1,2,3");
  EXPECT_EQ(Joined(Column(g, 1)), "a,b,c");
}

TEST_F(SortTest, GroupSortLeavesContractedGroupsAlone) {
  // Two groups of three children each, sorted on column 1 within each.
  Fill(g, {{"", "", "", "", "", "", "", ""}, {"G1", "c", "a", "b", "G2", "f", "d", "e"}});
  g.AddNode(1, 4);
  g.AddNode(5, 4);
  g.ContractNode(5);
  g.SortSettings().Column = 1;
  g.QSortGroup();
  EXPECT_EQ(Joined(Column(g, 1)), "G1,a,b,c,G2");
  g.ExpandNode(5);
  EXPECT_EQ(Joined(Column(g, 1)), "G1,a,b,c,G2,f,d,e");
  g.QSortGroup();
  EXPECT_EQ(Joined(Column(g, 1)), "G1,a,b,c,G2,d,e,f");
}

TEST_F(SortTest, SortLineSwapsRowsOutOfOrder) {
  Fill(g, {{"b", "a", "a"}, {"1", "2", "1"}});
  g.SortDir = 1;
  EXPECT_TRUE(g.SortLine(0, 1, 2));
  EXPECT_EQ(Joined(Column(g, 0)), "a,b,a");
  EXPECT_FALSE(g.SortLine(0, 1, 2));
  EXPECT_TRUE(g.SortLine(0, 1, 3));  // equal in column 0, column 1 decides
  EXPECT_EQ(Joined(Column(g, 1)), "1,1,2");
}

TEST_F(SortTest, LargeSortedAndReversedInputsSortWithoutDeepRecursion) {
  QStringList values;
  for (int i = 0; i < 20000; ++i) values << QString::number(i % 2 ? 20000 - i : i);
  Fill(g, {values});
  g.Sort(0, sdAscending);
  const QStringList sorted = Column(g, 0);
  for (int i = 1; i < sorted.size(); ++i) ASSERT_LE(sorted[i - 1].toInt(), sorted[i].toInt());
}

// ---- the header click, as a user does it

struct HeaderSortTest : EditorFormFixture {
  TLocaleScope Locale{'.', ',', '/', "dd/mm/yyyy", ':'};
  TPlexStringGrid* Grid = nullptr;
  void SetUp() override {
    Grid = Make<TPlexStringGrid>(0, 0, 320, 200);
    Fill(*Grid, {{"b", "c", "a", "d"}, {"10", "9", "100", "9"}});
    Grid->SetCells(0, 0, "Name");
    Grid->SetCells(1, 0, "Value");
    Grid->SetColWidths(0, 100);
    Grid->SetColWidths(1, 100);
    Grid->SortSettings().SetShow(true);
    ShowForm(340, 220);
  }
  void ClickHeader(int ACol, Qt::KeyboardModifiers Mods = {}) {
    const TRect r = Grid->CellRect(ACol, 0);
    QTest::mouseClick(Grid->Widget(), Qt::LeftButton, Mods, QPoint((r.Left + r.Right) / 2 - 20, (r.Top + r.Bottom) / 2));
    QApplication::processEvents();
  }
};

TEST_F(HeaderSortTest, ClicksSortAscendingThenDescending) {
  ClickHeader(1);
  EXPECT_EQ(Joined(Column(*Grid, 1)), "9,9,10,100");
  EXPECT_EQ(Grid->SortSettings().Column, 1);
  EXPECT_EQ(Grid->SortSettings().Direction, sdAscending);
  if (const char* shots = std::getenv("QUILLORE_SHOTS")) {
    EXPECT_TRUE(SaveWidgetScreenshot(Form->Widget(), QString(shots) + "/sort-ascending.png"));
  }
  ClickHeader(1);
  EXPECT_EQ(Joined(Column(*Grid, 1)), "100,10,9,9");
  EXPECT_EQ(Grid->SortSettings().Direction, sdDescending);
}

TEST_F(HeaderSortTest, ShiftClickAddsASecondIndexColumn) {
  Grid->SortSettings().IndexShow = true;
  ClickHeader(1);
  ClickHeader(0, Qt::ShiftModifier);
  ASSERT_EQ(Grid->SortIndexes().Count(), 2);
  EXPECT_EQ(Grid->SortIndexes().GetSortColumns(0), 1);
  EXPECT_EQ(Grid->SortIndexes().GetSortColumns(1), 0);
  EXPECT_EQ(Joined(Column(*Grid, 0)), "c,d,b,a");
  if (const char* shots = std::getenv("QUILLORE_SHOTS")) {
    EXPECT_TRUE(SaveWidgetScreenshot(Form->Widget(), QString(shots) + "/sort-index.png"));
  }
}

TEST_F(HeaderSortTest, UndoSortReturnsToTheUnsortedOrder) {
  Grid->SortSettings().UndoSort = true;
  ClickHeader(0);
  EXPECT_EQ(Joined(Column(*Grid, 0)), "a,b,c,d");
  ClickHeader(0);
  EXPECT_EQ(Joined(Column(*Grid, 0)), "d,c,b,a");
  ClickHeader(0);
  EXPECT_EQ(Joined(Column(*Grid, 0)), "b,c,a,d");
  EXPECT_EQ(Grid->SortSettings().Column, -1);
}

}  // namespace
