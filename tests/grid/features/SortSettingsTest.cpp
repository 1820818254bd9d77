#include "grid/features/SortSettings.h"

#include "grid/core/PlexStringGrid.h"
#include "grid/features/AssignCheck.h"
#include "grid/foundation/SortIndexList.h"

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
    bool Sorted;
  };
  const TCase cases[] = {
      {"u3", 3, sdAscending, true},
      {"d0", 0, sdDescending, true},
      {"x5", 5, sdDescending, true},   // no "u": descending
      {"uX", -1, sdAscending, false},  // direction and Show, but no column and no sort
  };
  for (const TCase& c : cases) {
    TPlexStringGrid grid(nullptr);
    TSortSettings& settings = grid.SortSettings();
    settings.LoadFromString(c.Text);
    EXPECT_TRUE(settings.Show()) << c.Text;
    EXPECT_FALSE(settings.IndexShow) << c.Text;
    EXPECT_EQ(settings.Column, c.Column) << c.Text;
    EXPECT_EQ(settings.Direction, c.Direction) << c.Text;
    EXPECT_EQ(grid.FeatureCalls() == std::vector<QString>{"QSort"}, c.Sorted) << c.Text;
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
  s.LoadFromString("i;");
  EXPECT_TRUE(s.IndexShow);
  EXPECT_TRUE(s.Show());
  EXPECT_TRUE(g.FeatureCalls().empty());
  s.LoadFromString("i;u1;d4");
  EXPECT_EQ(g.SortIndexes().Count(), 2);
  EXPECT_EQ(g.SortIndexes().GetSortColumns(1), 4);
  EXPECT_FALSE(g.SortIndexes().GetSortDirections(1));
  EXPECT_EQ(g.FeatureCalls(), std::vector<QString>{"QSortIndexed"});
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
