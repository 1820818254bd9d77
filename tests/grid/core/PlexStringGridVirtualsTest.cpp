// The base behaviour of the string grid's virtual operations.
#include "grid/core/PlexStringGrid.h"

#include "grid/core/CellGraphic.h"
#include "grid/core/PlexGridUnit.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// A Do operation fires its event with what it was given; the event has the last word.
TEST(PlexStringGridVirtuals, DoOperationsFireTheirEvents) {
  TPlexStringGrid g(nullptr);
  std::vector<QString> fired;
  g.OnClickSort = [&](TObject* s, int c) {
    fired.push_back(QString("sort %1").arg(c));
    EXPECT_EQ(s, &g);
  };
  g.OnCanEditCell = [&](TObject*, int r, int c, bool& can) { can = c != 2; };
  g.OnIsFixedCell = [&](TObject*, int r, int c, bool& fixed) { fixed = r == 5 && c == 1; };
  g.OnGetEditorType = [&](TObject*, int, int, TEditorType& e) { e = edComboList; };
  g.OnGetCheckTrue = [&](TObject*, int, int, QString& v) { v = "ja"; };
  g.OnGridHint = [&](TObject*, int r, int c, QString& h) { h = QString("%1/%2").arg(r).arg(c); };
  g.OnCellChanging = [&](TObject*, int, int, int newRow, int, bool& allow) { allow = newRow < 3; };
  g.OnButtonClick = [&](TObject*, int c, int r) { fired.push_back(QString("button %1,%2").arg(c).arg(r)); };

  g.DoClickSort(3);
  bool can = true;
  g.CanEditCell(1, 1, can);
  EXPECT_TRUE(can);
  g.CanEditCell(2, 1, can);
  EXPECT_FALSE(can);
  EXPECT_TRUE(g.IsFixed(1, 5));
  EXPECT_FALSE(g.IsFixed(1, 4));
  TEditorType editor = edNormal;
  g.DoGetEditorType(1, 1, editor);
  EXPECT_EQ(editor, edComboList);
  QString check = g.CheckTrue;
  g.DoGetCheckTrue(1, 1, check);
  EXPECT_EQ(check, "ja");
  QString hint, wide;
  g.DoGridHint(2, 4, hint, wide);
  EXPECT_EQ(hint, "4/2");
  bool allow = true;
  g.DoCellChanging(1, 1, 4, 1, allow);
  EXPECT_FALSE(allow);
  g.DoButtonClick(2, 3);
  EXPECT_EQ(fired, (std::vector<QString>{"sort 3", "button 2,3"}));
  // Unassigned events leave the preset answers.
  bool password = false;
  g.DoIsPasswordCell(1, 1, password);
  EXPECT_FALSE(password);
}

TEST(PlexStringGridVirtuals, OperationsWithAMeaningOfTheirOwn) {
  TPlexStringGrid g(nullptr);
  g.SetFixedRows(2);
  g.SetRow(7);
  g.WrapToFirstRow();
  EXPECT_EQ(g.Row(), 2);

  TGridOptions options = g.Options();
  options.Include(goEditing);
  g.SetOptions(options);
  g.DisableEditing();
  EXPECT_FALSE(g.Options().Contains(goEditing));

  EXPECT_FALSE(g.CanUseFmtClipboard());
  g.Navigation().AllowFmtClipboard = true;
  EXPECT_TRUE(g.CanUseFmtClipboard());
  EXPECT_FALSE(g.IsDesigning());
  EXPECT_EQ(g.GetCellImageList(1, 1), nullptr);

  g.AppendRow();
  EXPECT_EQ(g.RowCount(), 11);

  g.CellsLoaded();
  g.CellEdited(3, 1);
  EXPECT_EQ(g.FeatureCalls(), (std::vector<QString>{"CalcFooter -1", "CalcFooter 3"}));
}

TEST(PlexStringGridVirtuals, UsedCellsIsTheSmallestRectangleOfNonEmptyCells) {
  TPlexStringGrid g(nullptr);
  EXPECT_EQ(g.GetUsedCells(), TRect(0, 0, 0, 0));
  g.SetCellEx(3, 2, "x");
  g.SetCellEx(0, 6, "header too");
  EXPECT_EQ(g.GetUsedCells(), TRect(0, 2, 3, 6));
}

TEST(PlexStringGridVirtuals, CellTypeAndGraphicFollowTheGraphicSlot) {
  TPlexStringGrid g(nullptr);
  EXPECT_EQ(g.GetCellType(-1, 1), ctEmpty);
  EXPECT_EQ(g.GetCellType(1, 1), ctEmpty);
  auto* graphic = new TCellGraphic();
  graphic->CellType = ctCheckBox;
  g.SetGraphicObjectEx(1, 1, graphic);
  EXPECT_EQ(g.GetCellType(1, 1), ctCheckBox);
  EXPECT_EQ(g.GetCellGraphic(1, 1), graphic);
  g.MouseActions().SetHotmailRowSelect(true);
  EXPECT_EQ(g.GetCellType(0, 4), ctRowCheckBox);
}

// An in-cell scroll bar whose range follows its content takes the row height
// as its page and the text's height as its range.
TEST(PlexStringGridVirtuals, ScrollBarCellFollowsItsText) {
  TPlexStringGrid g(nullptr);
  auto* bar = new TCellGraphic();
  bar->CellType = ctScrollbar;
  bar->CellBoolean = true;
  g.SetGraphicObjectEx(1, 1, bar);
  g.SetCellEx(1, 1, "one\rtwo\rthree");
  EXPECT_EQ(bar->CellAngle, g.RowHeights(1));
  EXPECT_EQ(bar->CellErrFrom, 3 * g.Canvas().TextHeight("Wg"));
}

TEST(PlexStringGridVirtuals, SaveAndLoadCellHooks) {
  TPlexStringGrid g(nullptr);
  g.SetCellEx(1, 1, "<B>b</B>");
  QString saved;
  g.DoSaveCell(1, 1, saved);
  EXPECT_EQ(saved, "<B>b</B>");
  g.SaveWithHTML = false;
  g.DoSaveCell(1, 1, saved);
  EXPECT_EQ(saved, "b");
  g.OnLoadCell = [](TObject*, int, int, QString& v) { v = v.toUpper(); };
  g.DoLoadCell(2, 2, "low");
  EXPECT_EQ(g.GetGridCell(2, 2), "LOW");
}

TEST(PlexStringGridVirtuals, ScrollBarAlwaysKeepsBarsThatHaveNothingToScroll) {
  struct TCase {
    TScrollBarAlways Always;
    bool Hide;
    bool VertShown;
    bool HorzShown;
  };
  const TCase cases[] = {
      {saBoth, false, true, true},
      {saVert, false, true, false},
      {saHorz, false, false, true},
  };
  for (const TCase& c : cases) {
    TPlexStringGrid g(nullptr);
    g.SetColCount(2);
    g.SetRowCount(2);  // everything fits
    g.SetScrollBarAlways(c.Always);
    g.ApplyScrollBarAlways(c.Hide);
    EXPECT_EQ(g.VertScrollBarShown(), c.VertShown) << c.Always;
    EXPECT_EQ(g.HorzScrollBarShown(), c.HorzShown) << c.Always;
    EXPECT_FALSE(g.VertScrollBarEnabled());
    EXPECT_FALSE(g.HorzScrollBarEnabled());
  }
}

TEST(PlexGridUnit, LocaleTextsFollowTheProcessSettings) {
  const QString saved = FormatSettings().LongTimeFormat;
  FormatSettings().LongTimeFormat = "HH.nn.ss";
  EXPECT_EQ(LocaleLongTimeFormat(), "HH.nn.ss");
  FormatSettings().LongTimeFormat = saved;
  EXPECT_EQ(LocaleShortTimeFormat(), FormatSettings().ShortTimeFormat);
}

}  // namespace
