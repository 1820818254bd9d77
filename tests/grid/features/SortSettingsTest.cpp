#include "grid/features/SortSettings.h"

#include "grid/core/PlexStringGrid.h"
#include "grid/features/AssignCheck.h"
#include "grid/foundation/SortIndexList.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace {

class SortSettingsTest : public ::testing::Test {
protected:
  SortSettingsTest() { g.SetFixedRows(3); }
  TPlexStringGrid g{nullptr};
  TSortSettings& s = g.SortSettings();
};

TEST_F(SortSettingsTest, LoadFromStringSetsColumnDirectionAndSorts) {
  struct TCase {
    const char* Text;
    int Column;
    TSortDirection Direction;
    const char* Rows;  // column 0 after loading
  };
  const TCase cases[] = {
      {"u1", 1, sdAscending, "c,b,a"},
      {"d0", 0, sdDescending, "c,b,a"},
      {"x1", 1, sdDescending, "a,b,c"},  // no "u": descending
      {"uX", -1, sdAscending, "b,c,a"},  // direction and Show, but no column and no sort
      {"u$1", -1, sdAscending, "b,c,a"},  // the column is decimal only
      {"d-1", -1, sdDescending, "b,c,a"},
  };
  for (const TCase& c : cases) {
    TPlexStringGrid grid(nullptr);
    grid.SetColCount(2);
    grid.SetRowCount(4);
    const char* texts[3][2] = {{"b", "2"}, {"c", "1"}, {"a", "10"}};
    for (int r = 0; r < 3; ++r)
      for (int col = 0; col < 2; ++col) grid.SetCells(col, r + 1, texts[r][col]);
    TSortSettings& settings = grid.SortSettings();
    settings.LoadFromString(c.Text);
    EXPECT_TRUE(settings.Show()) << c.Text;
    EXPECT_FALSE(settings.IndexShow) << c.Text;
    EXPECT_EQ(settings.Column, c.Column) << c.Text;
    EXPECT_EQ(settings.Direction, c.Direction) << c.Text;
    const QString rows = grid.Cells(0, 1) + "," + grid.Cells(0, 2) + "," + grid.Cells(0, 3);
    EXPECT_EQ(rows.toStdString(), c.Rows) << c.Text;
  }
}

TEST_F(SortSettingsTest, LoadFromStringRefusesOneCharacterAndIgnoresEmpty) {
  s.LoadFromString("");
  EXPECT_FALSE(s.Show());
  try {
    s.LoadFromString("u");
    ADD_FAILURE() << "no error";
  } catch (const EPlexGridError& e) {
    EXPECT_EQ(e.Message(), "Invalid sort settings specifier");
  }
  EXPECT_TRUE(s.Show());
}

TEST_F(SortSettingsTest, IndexTextLoadsTheIndexListAndSortsByIt) {
  g.SetColCount(5);
  g.SetRowCount(6);
  const char* texts[3][2] = {{"1", "x"}, {"0", "y"}, {"1", "z"}};
  for (int r = 0; r < 3; ++r) {
    g.SetCells(1, r + 3, texts[r][0]);
    g.SetCells(4, r + 3, texts[r][1]);
  }
  s.LoadFromString("i;");
  EXPECT_TRUE(s.IndexShow);
  EXPECT_TRUE(s.Show());
  EXPECT_EQ(g.Cells(4, 3), "x");
  s.LoadFromString("i;u1;d4");
  EXPECT_EQ(g.SortIndexes().Count(), 2);
  EXPECT_EQ(g.SortIndexes().GetSortColumns(1), 4);
  EXPECT_FALSE(g.SortIndexes().GetSortDirections(1));
  EXPECT_EQ((QStringList{g.Cells(4, 3), g.Cells(4, 4), g.Cells(4, 5)}.join(",")).toStdString(), "y,z,x");
  EXPECT_EQ(s.SaveToString(), "i;u1;d4");
}

TEST_F(SortSettingsTest, SaveToStringGivesBackWhatWasLoaded) {
  s.LoadFromString("d7");
  EXPECT_EQ(s.SaveToString(), "d7");
  s.ToggleDirection();
  EXPECT_EQ(s.SaveToString(), "u7");
}

TEST_F(SortSettingsTest, RowMustBeAFixedRow) {
  s.SetRow(2);
  EXPECT_EQ(s.Row(), 2);
  try {
    s.SetRow(3);
    ADD_FAILURE() << "no error";
  } catch (const EPlexGridError& e) {
    EXPECT_EQ(e.Message(), "Sort row should be smaller than number of fixed rows");
  }
  EXPECT_EQ(s.Row(), 2);
}

TEST_F(SortSettingsTest, RemoveClearsColumnAndIndexes) {
  s.LoadFromString("i;u1");
  s.Column = 4;
  s.Remove();
  EXPECT_EQ(s.Column, -1);
  EXPECT_EQ(g.SortIndexes().Count(), 0);
}

TEST_F(SortSettingsTest, AssignLeavesOutIgnoreCaseAndSortOnVirtualCells) {
  using T = TSortSettings;
  TBitmap glyph(3, 2);
  const std::vector<TAssignField<T>> fields = {
      ASSIGN_FIELD(T, Column, 4, true),
      ASSIGN_FIELD(T, Direction, sdDescending, true),
      ASSIGN_FIELD(T, IndexShow, true, true),
      ASSIGN_FIELD(T, IndexColor, clRed, true),
      ASSIGN_FIELD(T, IndexSortKey, ikCtrl, true),
      ASSIGN_FIELD(T, Full, false, true),
      ASSIGN_FIELD(T, SingleColumn, true, true),
      ASSIGN_FIELD(T, IgnoreBlanks, true, true),
      ASSIGN_FIELD(T, BlankPos, blLast, true),
      ASSIGN_FIELD(T, AutoFormat, false, true),
      ASSIGN_FIELD(T, IgnoreCase, true, false),
      ASSIGN_FIELD(T, InitSortDirection, sdDescending, true),
      ASSIGN_FIELD(T, FixedCols, true, true),
      ASSIGN_FIELD(T, NormalCellsOnly, true, true),
      ASSIGN_FIELD(T, UndoSort, true, true),
      ASSIGN_FIELD(T, AutoSortForGrouping, false, true),
      ASSIGN_FIELD(T, SortOnVirtualCells, false, false),
      ASSIGN_FIELD(T, AutoColumnMerge, true, true),
      {"Show", [](T& o) { o.SetShow(true); }, [](T& a, T& b) { return a.Show() == b.Show(); }, true},
      {"Row", [](T& o) { o.SetRow(2); }, [](T& a, T& b) { return a.Row() == b.Row(); }, true},
      {"HeaderColor", [](T& o) { o.SetHeaderColor(clRed); },
       [](T& a, T& b) { return a.HeaderColor() == b.HeaderColor(); }, true},
      {"HeaderColorTo", [](T& o) { o.SetHeaderColorTo(clRed); },
       [](T& a, T& b) { return a.HeaderColorTo() == b.HeaderColorTo(); }, true},
      {"HeaderMirrorColor", [](T& o) { o.SetHeaderMirrorColor(clRed); },
       [](T& a, T& b) { return a.HeaderMirrorColor() == b.HeaderMirrorColor(); }, true},
      {"HeaderMirrorColorTo", [](T& o) { o.SetHeaderMirrorColorTo(clRed); },
       [](T& a, T& b) { return a.HeaderMirrorColorTo() == b.HeaderMirrorColorTo(); }, true},
      {"UpGlyph", [&glyph](T& o) { o.SetUpGlyph(glyph); },
       [](T& a, T& b) { return a.UpGlyph().Width() == b.UpGlyph().Width(); }, true},
      {"DownGlyph", [&glyph](T& o) { o.SetDownGlyph(glyph); },
       [](T& a, T& b) { return a.DownGlyph().Width() == b.DownGlyph().Width(); }, true},
      {"IndexUpGlyph", [&glyph](T& o) { o.SetIndexUpGlyph(glyph); },
       [](T& a, T& b) { return a.IndexUpGlyph().Width() == b.IndexUpGlyph().Width(); }, true},
      {"IndexDownGlyph", [&glyph](T& o) { o.SetIndexDownGlyph(glyph); },
       [](T& a, T& b) { return a.IndexDownGlyph().Width() == b.IndexDownGlyph().Width(); }, true},
  };
  ExpectAssignCopies<T>(fields, [this] { return std::make_unique<T>(&g); });
}

}  // namespace
