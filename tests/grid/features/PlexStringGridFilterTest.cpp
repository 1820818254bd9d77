// Filtering a grid's rows: the row test, hide levels, type-ahead narrowing and
// the header filter lists driven as a user drives them.
#include "grid/core/PlexStringGrid.h"

#include "../editing/EditorFormFixture.h"
#include "grid/features/DropCheckList.h"
#include "grid/features/DropList.h"
#include "grid/features/Filter.h"
#include "grid/foundation/TextRoutines.h"
#include "platform/Screenshot.h"

#include <QListWidget>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QStringList>

#include <cstdlib>
#include <stdexcept>

namespace {

// A header row and one row per entry; each entry's fields separated by "|".
void Fill(TPlexStringGrid& g, const QStringList& Rows) {
  const int cols = int(Rows[0].split('|').size());
  g.SetColCount(cols);
  g.SetRowCount(int(Rows.size()) + 1);
  g.SetFixedRows(1);
  g.SetFixedCols(0);
  for (int c = 0; c < cols; ++c) g.SetCells(c, 0, QString("H%1").arg(c));
  for (int r = 0; r < Rows.size(); ++r) {
    const QStringList f = Rows[r].split('|');
    for (int c = 0; c < f.size(); ++c) g.SetCells(c, r + 1, f[c]);
  }
}

// The shown normal rows' texts of a column.
std::string Shown(TPlexStringGrid& g, int ACol = 0) {
  QStringList l;
  for (int r = g.FixedRows(); r < g.RowCount(); ++r) l << g.Cells(ACol, r);
  return l.join(",").toStdString();
}

TFilterData& AddCondition(TPlexStringGrid& g, int Col, const QString& Condition, TFilterOperation Op) {
  TFilterData& f = g.Filter().Insert(g.Filter().Count());
  f.Column = int16_t(Col);
  f.Condition = Condition;
  f.Operation = Op;
  return f;
}

// Its calculated text of row 1 cannot be had.
struct RaisingGrid : TPlexStringGrid {
  RaisingGrid() : TPlexStringGrid(nullptr) {}
  QString GetCalculatedCell(int ACol, int ARow) override {
    if (ARow == 1) throw std::runtime_error("no value");
    return TPlexStringGrid::GetCalculatedCell(ACol, ARow);
  }
};

}  // namespace

// Rows of three columns: each case one filter, the rows it keeps.
TEST(PlexStringGridFilter, RowMatchesFilterCases) {
  struct TCase {
    const char* Name;
    std::function<void(TPlexStringGrid&)> Setup;
    const char* Kept;
  };
  const QStringList rows{"a|x|1", "b|y|2", "c|x|3", "a|y|4", "  a\t|z|5", "pre7suf|q|xAby", "w|z|6"};
  const TCase cases[] = {
      // (A or B) and C, left to right.
      {"or-and",
       [](TPlexStringGrid& g) {
         AddCondition(g, 0, "a", foNONE);
         AddCondition(g, 0, "b", foOR);
         AddCondition(g, 1, "x", foAND);
       },
       "a"},
      {"short fails first",
       [](TPlexStringGrid& g) {
         AddCondition(g, 0, "c", foSHORT);
         AddCondition(g, 1, "y", foOR);
       },
       "c"},
      {"xor",
       [](TPlexStringGrid& g) {
         AddCondition(g, 0, "a", foNONE);
         AddCondition(g, 1, "x", foXOR);
       },
       "c,a,  a\t"},
      {"fcRow ignores the case of a to z",
       [](TPlexStringGrid& g) { AddCondition(g, 0, "ab", foNONE).Data = fcRow; }, "pre7suf"},
      {"prefix and suffix removed",
       [](TPlexStringGrid& g) {
         TFilterData& f = AddCondition(g, 0, "7", foNONE);
         f.Prefix = "pre";
         f.Suffix = "suf";
       },
       "pre7suf"},
      {"literal with case and trimmed",
       [](TPlexStringGrid& g) { AddCondition(g, 0, "a", foNONE).Method = fmLiteral; }, "a,a,  a\t"},
      {"literal other case",
       [](TPlexStringGrid& g) { AddCondition(g, 0, "A", foNONE).Method = fmLiteral; }, ""},
      {"empty condition matches", [](TPlexStringGrid& g) { AddCondition(g, 0, "", foNONE); },
       "a,b,c,a,  a\t,pre7suf,|\\z"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TPlexStringGrid g(nullptr);
    Fill(g, rows);
    g.FixedRowAlways = true;  // the header stays fixed when no row is left
    g.SetCells(0, 7, QString("|\\") + "z");
    c.Setup(g);
    g.SetFilterActive(true);
    QString expected = c.Kept;
    EXPECT_EQ(Shown(g), expected.toStdString());
  }
}

TEST(PlexStringGridFilter, WideCellIsDecodedBeforeTheTest) {
  TPlexStringGrid g(nullptr);
  Fill(g, {"plain", "other"});
  g.SetCells(0, 2, EncodeWideText(QString::fromUtf8("\xc3\xa9t\xc3\xa9")));
  AddCondition(g, 0, QString::fromUtf8("\xc3\xa9t\xc3\xa9"), foNONE).Method = fmLiteral;
  EXPECT_TRUE(g.RowMatchesFilter(2));
  EXPECT_FALSE(g.RowMatchesFilter(1));
}

TEST(PlexStringGridFilter, CustomFilterDecidesLastEvenAfterAShortFailure) {
  TPlexStringGrid g(nullptr);
  Fill(g, {"a|1", "b|2"});
  AddCondition(g, 0, "zzz", foSHORT);
  AddCondition(g, 1, "*", foOR);
  std::vector<std::pair<int, bool>> asked;
  g.OnCustomFilter = [&](TObject*, int ARow, bool& Accept) {
    asked.push_back({ARow, Accept});
    Accept = ARow == 2;
  };
  EXPECT_FALSE(g.RowMatchesFilter(1));
  EXPECT_TRUE(g.RowMatchesFilter(2));
  EXPECT_EQ(asked, (std::vector<std::pair<int, bool>>{{1, false}, {2, false}}));
}

TEST(PlexStringGridFilter, HostileConditionsRejectOnlyAndNothingEscapes) {
  const QString conditions[] = {"((a", "a))", "|", "\"", "=", "!", QString(10000, 'x'), QString(5000, '(') + "a"};
  for (const QString& cond : conditions) {
    SCOPED_TRACE(cond.left(20).toStdString());
    TPlexStringGrid g(nullptr);
    Fill(g, {"a", "((a", "|"});
    AddCondition(g, 0, cond, foNONE);
    EXPECT_NO_THROW(g.SetFilterActive(true));
    EXPECT_NO_THROW(g.SetFilterActive(false));
    EXPECT_EQ(g.RowCount(), 4);
  }
  // A test that raises rejects its row and the others are still tested.
  RaisingGrid g;
  Fill(g, {"a", "b"});
  AddCondition(g, 0, "*", foNONE).Data = fcCalculated;
  g.SetFilterActive(true);
  EXPECT_EQ(Shown(g), "b");
}

TEST(PlexStringGridFilter, ProgressRoundsHalvesToEven) {
  TPlexStringGrid g(nullptr);
  QStringList rows;
  for (int i = 0; i < 8; ++i) rows << "x";
  Fill(g, rows);
  std::vector<int> seen;
  g.OnFilterProgress = [&](TObject*, int16_t p) { seen.push_back(p); };
  g.ApplyFilter();
  // 12.5 -> 12, 37.5 -> 38, 62.5 -> 62, 87.5 -> 88; the final value once more.
  EXPECT_EQ(seen, (std::vector<int>{12, 25, 38, 50, 62, 75, 88, 100, 100}));
}

TEST(PlexStringGridFilter, NarrowDownLevels) {
  TPlexStringGrid g(nullptr);
  Fill(g, {"apple", "banana", "cherry", "avocado", "a b c", "ab"});
  g.NarrowDown("a", 0);
  EXPECT_EQ(g.FilterLevel(), 1);
  EXPECT_EQ(Shown(g), "apple,banana,avocado,a b c,ab");
  g.NarrowDown("ab", 0);
  EXPECT_EQ(g.FilterLevel(), 2);
  EXPECT_EQ(Shown(g), "ab");
  g.NarrowDown("a", 0);
  EXPECT_EQ(g.FilterLevel(), 1);
  EXPECT_EQ(Shown(g), "apple,banana,avocado,a b c,ab");
  EXPECT_TRUE(g.FixedRowAlways);
  // An unrelated text drops every level and filters anew.
  g.NarrowDown("zz", 0);
  EXPECT_EQ(g.FilterLevel(), 1);
  EXPECT_EQ(Shown(g), "");
  g.NarrowDown("", 0);
  EXPECT_EQ(g.FilterLevel(), 0);
  EXPECT_EQ(g.NumHiddenRows(), 0);
  EXPECT_EQ(Shown(g), "apple,banana,cherry,avocado,a b c,ab");
}

// An empty text leaves no hidden row behind: one hidden apart from the filter comes back.
TEST(PlexStringGridFilter, NarrowDownWithNothingShowsEveryRow) {
  TPlexStringGrid g(nullptr);
  Fill(g, {"a", "b", "c"});
  g.HideRow(2);
  EXPECT_EQ(Shown(g), "a,c");
  g.NarrowDown("", 0);
  EXPECT_EQ(g.NumHiddenRows(), 0);
  EXPECT_EQ(Shown(g), "a,b,c");
}

// A blank is part of the text, typed letter by letter or given at once, on a column or on rows.
TEST(PlexStringGridFilter, NarrowDownKeepsTheBlank) {
  for (int column : {0, -1}) {
    for (bool typed : {true, false}) {
      SCOPED_TRACE(testing::Message() << column << typed);
      TPlexStringGrid g(nullptr);
      Fill(g, {"a b", "ab", "xa by", "b a"});
      if (typed) {
        for (const char* t : {"a", "a ", "a b"}) g.NarrowDown(t, column);
      } else {
        g.NarrowDown("a b", column);
      }
      EXPECT_EQ(Shown(g), "a b,xa by");
      EXPECT_EQ(g.Filter().Count(), 1);
      if (column == 0) {
        EXPECT_EQ(g.Filter().Items(0).Condition, "\"*a b*\"");
      }
      EXPECT_FALSE(g.Filter().Items(0).CaseSensitive);
    }
  }
}

TEST(PlexStringGridFilter, RemoveLastAndAllFilters) {
  TPlexStringGrid g(nullptr);
  Fill(g, {"a1", "a2", "b1", "b2"});
  EXPECT_FALSE(g.RemoveLastFilter());
  AddCondition(g, 0, "a*", foNONE);
  g.ApplyFilter();
  g.Filter().Items(0).Condition = "*1";
  g.ApplyFilter();
  EXPECT_EQ(Shown(g), "a1");
  EXPECT_TRUE(g.RemoveLastFilter());
  EXPECT_EQ(Shown(g), "a1,a2");
  EXPECT_FALSE(g.RemoveLastFilter());
  EXPECT_EQ(Shown(g), "a1,a2,b1,b2");
  EXPECT_EQ(g.FilterLevel(), 0);

  g.ApplyFilter();
  g.ApplyFilter();
  g.RemoveAllFilters();
  EXPECT_EQ(g.FilterLevel(), 0);
  EXPECT_EQ(Shown(g), "a1,a2,b1,b2");
  EXPECT_EQ(g.Filter().Count(), 1);
  // Without a level the conditions go.
  g.RemoveAllFilters();
  EXPECT_EQ(g.Filter().Count(), 0);
}

TEST(PlexStringGridFilter, NodeAndSummaryRowsStayWithNormalCellsOnly) {
  TPlexStringGrid g(nullptr);
  Fill(g, {"group", "a", "b", "total"});
  g.AddNode(1, 3);
  g.MarkSummaryRow(4);
  AddCondition(g, 0, "a", foNONE);
  g.SetFilterActive(true);
  EXPECT_EQ(Shown(g), "group,a,total");
  g.SetFilterActive(false);
  g.FilterNormalCellsOnly = false;
  g.SetFilterActive(true);
  EXPECT_EQ(Shown(g), "a");
}

TEST(PlexStringGridFilter, FilterRowAndDropDownRowWrites) {
  TPlexStringGrid g(nullptr);
  Fill(g, {"a", "b", "c"});
  AddCondition(g, 0, "a", foNONE);
  g.FilterRow(2);
  g.FilterRow(1);
  EXPECT_EQ(Shown(g), "a,c");
  g.SetFixedRows(2);
  g.SetFilterDropDownRow(1);
  EXPECT_EQ(g.FilterDropDownRow, 1);
  g.SetFilterDropDownRow(2);
  EXPECT_EQ(g.FilterDropDownRow, 1);
}

// ---- the header lists, shown

namespace {

struct FilterLists : EditorFormFixture {
  TPlexStringGrid* Grid = nullptr;
  int Done = 0;

  void MakeGrid(bool Check) {
    Grid = Make<TPlexStringGrid>(0, 0, 380, 200);
    Fill(*Grid, {"red|1", "green|2", "red|3", "blue|4", "green|5"});
    for (int c = 0; c < 2; ++c) Grid->SetColWidths(c, 90);
    for (int r = 0; r < Grid->RowCount(); ++r) Grid->SetRowHeights(r, 22);
    Grid->FilterDropDownCheck = Check;
    Grid->SetFilterDropDownAuto(true);
    Grid->OnFilterDone = [this](TObject*) { ++Done; };
    ShowForm(400, 220);
  }
  // Clicks the filter button of column 0's header.
  void OpenList() {
    const TRect r = Grid->CellRect(0, 0);
    const QPoint p(r.Right - 10, r.Top + 5);
    QTest::mouseClick(Grid->Widget(), Qt::LeftButton, {}, p);
    QApplication::processEvents();
  }
  void Shot(const char* Name) {
    if (const char* shots = std::getenv("QUILLORE_SHOTS")) {
      EXPECT_TRUE(SaveWidgetScreenshot(Form->Widget(), QString(shots) + "/" + Name));
    }
  }
};

}  // namespace

TEST_F(FilterLists, ChoosingAValueAndAllWithTheKeyboard) {
  MakeGrid(false);
  OpenList();
  TDropList* list = Grid->FilterListBox();
  ASSERT_TRUE(list->Visible());
  EXPECT_LT(list->Top(), Grid->CellRect(0, 1).Bottom);
  Shot("filter-list-open.png");
  QWidget* w = list->List();
  w->setFocus();
  QTest::keyClick(w, Qt::Key_Down);
  QTest::keyClick(w, Qt::Key_Down);
  QTest::keyClick(w, Qt::Key_Return);
  QApplication::processEvents();
  EXPECT_FALSE(list->Visible());
  EXPECT_EQ(Shown(*Grid), "green,green");
  EXPECT_EQ(Done, 1);

  OpenList();
  ASSERT_TRUE(list->Visible());
  list->SetItemIndex(3);
  QTest::keyClick(list->List(), Qt::Key_Return);
  EXPECT_EQ(Shown(*Grid), "red,red");
  OpenList();
  list->SetItemIndex(0);
  QTest::keyClick(list->List(), Qt::Key_Return);
  EXPECT_EQ(Shown(*Grid), "red,green,red,blue,green");
  EXPECT_EQ(Grid->Filter().Count(), 0);
  EXPECT_EQ(Done, 3);
}

TEST_F(FilterLists, ClickingAnEntryChoosesIt) {
  MakeGrid(false);
  OpenList();
  QListWidget* w = Grid->FilterListBox()->List();
  const QRect r = w->visualItemRect(w->item(1));
  QTest::mouseClick(w->viewport(), Qt::LeftButton, {}, r.center());
  QApplication::processEvents();
  EXPECT_EQ(Shown(*Grid), "blue");
}

TEST_F(FilterLists, CheckListShowsEitherValueAndStaysOpen) {
  MakeGrid(true);
  OpenList();
  TDropCheckList* list = Grid->FilterCheckList();
  ASSERT_TRUE(list->Visible());
  QListWidget* w = list->List();
  for (int item : {1, 3}) {
    const QRect r = w->visualItemRect(w->item(item));
    QStyleOptionViewItem option;
    option.rect = r;
    option.features = QStyleOptionViewItem::HasCheckIndicator;
    const QRect box = w->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, w);
    QTest::mouseClick(w->viewport(), Qt::LeftButton, {}, box.center());
    QApplication::processEvents();
  }
  Shot("filter-checklist-open.png");
  EXPECT_TRUE(list->Visible());
  EXPECT_TRUE(list->Checked(1));
  EXPECT_TRUE(list->Checked(3));
  EXPECT_EQ(Shown(*Grid), "red,red,blue");
  EXPECT_TRUE(Grid->FilterActive());
}

TEST_F(FilterLists, AClickOutsideClosesWithNothingChanged) {
  MakeGrid(false);
  OpenList();
  ASSERT_TRUE(Grid->FilterListBox()->Visible());
  const TRect cell = Grid->CellRect(1, 4);
  QTest::mouseClick(Grid->Widget(), Qt::LeftButton, {}, QPoint(cell.Left + 5, cell.Top + 5));
  QApplication::processEvents();
  EXPECT_FALSE(Grid->FilterListBox()->Visible());
  EXPECT_EQ(Shown(*Grid), "red,green,red,blue,green");
  EXPECT_EQ(Grid->Filter().Count(), 0);
  EXPECT_EQ(Done, 0);
}
