// The column grid: definitions in step with the grid's columns, and the
// per-cell hooks answered from them before the events.
#include "grid/editing/PlexColumnGrid.h"

#include "grid/core/CellGraphic.h"
#include "grid/editing/GridCombo.h"
#include "grid/features/Filter.h"
#include "grid/features/FilterData.h"
#include "platform/Menus.h"

#include <gtest/gtest.h>

namespace {

TEST(PlexColumnGrid, NewGridHasOneDefinitionPerColumn) {
  TPlexColumnGrid g(nullptr);
  EXPECT_EQ(g.ColCount(), 5);
  EXPECT_EQ(g.Columns().Count(), 5);
  EXPECT_EQ(g.Columns()[4]->Width(), 50);
  EXPECT_EQ(g.GetVersionNr(), 50397953);
  EXPECT_EQ(g.GetVersionString(), "3.1.3.1 Aug, 2012");
}

TEST(PlexColumnGrid, ColCountKeepsTheDefinitionsInStep) {
  TPlexColumnGrid g(nullptr);
  g.SetColCount(14);
  TGridColumnItem* last = g.Columns()[13];
  last->SetEditor(edComboList);
  last->SetAlignment(taCenter);
  last->SetWidth(77);
  last->SetHeader("Last");
  g.SetColCount(16);
  ASSERT_EQ(g.Columns().Count(), 16);
  for (int c : {14, 15}) {
    EXPECT_EQ(g.Columns()[c]->Editor(), edComboList);
    EXPECT_EQ(g.Columns()[c]->Alignment(), taCenter);
    EXPECT_EQ(g.Columns()[c]->Width(), 77);
    EXPECT_TRUE(g.Columns()[c]->Header().isEmpty());
  }
  g.SetColCount(14);
  EXPECT_EQ(g.Columns().Count(), 14);
  EXPECT_EQ(g.Columns()[13], last);
  // Hidden columns keep their definitions.
  g.HideColumn(3);
  EXPECT_EQ(g.ColCount(), 13);
  EXPECT_EQ(g.Columns().Count(), 14);
}

TEST(PlexColumnGrid, LoadedBringsDefinitionsToTheColumnsAndSetsTheOrganization) {
  TPlexColumnGrid g(nullptr);
  g.BeginLoading();
  g.SetColCount(7);
  EXPECT_EQ(g.Columns().Count(), 5) << "while loading the definitions wait";
  g.Loaded();
  ASSERT_EQ(g.Columns().Count(), 7);
  for (int i = 0; i < 7; ++i) EXPECT_EQ(g.Columns()[i]->DefIdx, i);
}

TEST(PlexColumnGrid, GetColumnByNameIsExact) {
  TPlexColumnGrid g(nullptr);
  g.Columns()[2]->Name = "Address";
  g.Columns()[3]->Name = "Address";
  EXPECT_EQ(g.GetColumnByName("Address"), g.Columns()[2]);
  EXPECT_EQ(g.GetColumnByName("address"), nullptr);
  EXPECT_EQ(g.GetColumnByName(""), g.Columns()[0]);
}

struct ColumnGridHooks : ::testing::Test {
  TPlexColumnGrid g{nullptr};
  TGridColumnItem* Text = nullptr;
  TGridColumnItem* Check = nullptr;
  TGridColumnItem* List = nullptr;
  TGridColumnItem* Locked = nullptr;
  void SetUp() override {
    g.SetRowCount(5);
    Text = g.Columns()[1];
    Check = g.Columns()[2];
    List = g.Columns()[3];
    Locked = g.Columns()[4];
    Text->SetFloatFormat("%.1f");
    Check->SetEditor(edDataCheckBox);
    List->SetEditor(edComboList);
    List->ComboItems().SetCommaText("Off,Slow,Fast");
    List->DropDownCount = 8;
    Locked->ReadOnly = true;
  }
};

TEST_F(ColumnGridHooks, ReadOnlyColumnRefusesEditsWhateverTheOptions) {
  TGridOptions options = g.Options();
  options.Include(goEditing);
  g.SetOptions(options);
  EXPECT_FALSE(g.CanEditCellNow(4, 1));
  EXPECT_TRUE(g.CanEditCellNow(1, 1));
  EXPECT_FALSE(g.CanEditCellNow(1, 0)) << "fixed row";
  options.Exclude(goEditing);
  g.SetOptions(options);
  EXPECT_TRUE(g.CanEditCellNow(1, 1)) << "goEditing is not asked here";
  g.OnCanEditCell = [](TObject*, int r, int c, bool& can) { can = can || c == 4; };
  EXPECT_TRUE(g.CanEditCellNow(4, 1));
  g.SetReadOnly(1, 2, true);
  EXPECT_FALSE(g.CanEditCellNow(1, 2)) << "the cell's own read-only flag";
}

TEST_F(ColumnGridHooks, CheckTextsOfTheDefinitionWin) {
  g.OnGetCheckTrue = [](TObject*, int, int, QString& v) { v = "ja"; };
  QString value;
  g.DoGetCheckTrue(2, 1, value);
  EXPECT_EQ(value, "Y");
  Check->CheckFalse = "0";
  g.DoGetCheckFalse(2, 1, value);
  EXPECT_EQ(value, "0");
  // Beyond the definitions the string grid and its event answer.
  g.DoGetCheckTrue(7, 1, value);
  EXPECT_EQ(value, "ja");
}

TEST_F(ColumnGridHooks, ComboColumnsShowTheirButtonWithoutEvents) {
  bool combo = false;
  combo = g.DoHasComboBox(3, 1);
  EXPECT_TRUE(combo);
  combo = g.DoHasComboBox(1, 1);
  EXPECT_FALSE(combo);
  combo = g.DoHasComboBox(3, 0);
  EXPECT_FALSE(combo) << "the header row";
  g.OnHasComboBox = [](TObject*, int, int, bool& has) { has = !has; };
  combo = g.DoHasComboBox(3, 1);
  EXPECT_FALSE(combo) << "the event has the last word";
}

TEST_F(ColumnGridHooks, EditorTypeCarriesTheColumnsSettings) {
  TEditorType editor = edNormal;
  g.DoGetEditorType(3, 1, editor);
  EXPECT_EQ(editor, edComboList);
  ASSERT_NE(g.ComboEditor(), nullptr);
  EXPECT_EQ(g.ComboEditor()->Items().CommaText(), "Off,Slow,Fast");
  EXPECT_EQ(g.ComboEditor()->DropDownCount(), 8);
  g.DoGetEditorType(1, 1, editor);
  EXPECT_EQ(editor, edNormal);
  EXPECT_EQ(g.FloatFormat, "%.1f") << "editing a formatted column takes its format";
  g.OnGetEditorType = [](TObject*, int, int, TEditorType& e) { e = edSpinEdit; };
  g.DoGetEditorType(3, 1, editor);
  EXPECT_EQ(editor, edSpinEdit);
}

TEST_F(ColumnGridHooks, FloatFormatPaintsNumbersOnly) {
  struct Case {
    QString Text, Painted;
  };
  const Case cases[] = {{"3", "3.0"}, {"2.26", "2.3"}, {"abc", "abc"}, {"", ""}};
  for (const Case& c : cases) {
    g.SetCells(1, 1, c.Text);
    EXPECT_EQ(g.GetFormattedCell(1, 1), c.Painted) << c.Text.toStdString();
  }
  g.SetCells(3, 1, "3");
  EXPECT_EQ(g.GetFormattedCell(3, 1), "3") << "no format of its own";
  g.OnGetFloatFormat = [](TObject*, int, int, bool& isFloat, QString&) { isFloat = false; };
  g.SetCells(1, 1, "3");
  EXPECT_EQ(g.GetFormattedCell(1, 1), "3");
  EXPECT_EQ(g.GetCellFloatFormat(1, 1), "%.1f");
  EXPECT_EQ(g.GetCellFloatFormat(3, 1), g.FloatFormat);
}

TEST_F(ColumnGridHooks, CheckBoxColumnCellsAreDataCheckBoxes) {
  EXPECT_EQ(g.GetCellType(2, 1), ctDataCheckBox);
  EXPECT_NE(g.GetCellType(2, 0), ctDataCheckBox) << "the header keeps its text";
  EXPECT_EQ(g.GetCellGraphic(2, 0), nullptr);
  EXPECT_EQ(g.GetCellType(1, 1), ctEmpty);
  TCellGraphic* a = g.GetCellGraphic(2, 1);
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(a->CellType, ctVirtCheckBox);
  EXPECT_EQ(g.GetCellGraphic(2, 3), a) << "one graphic serves every cell";
  EXPECT_EQ(g.GetCellGraphic(1, 1), nullptr);
}

TEST_F(ColumnGridHooks, ColoursFontsAndAlignmentComeFromTheDefinition) {
  Text->SetColor(0xA8FFA8);
  Text->HeaderFont().SetStyle(TFontStyles{fsBold});
  Text->SetAlignment(taCenter);
  Text->SetHeaderAlignment(taRightJustify);
  TBrush brush;
  TFont font;
  g.DoGetCellColor(1, 1, TGridDrawState(), brush, font);
  EXPECT_EQ(brush.Color, TColor(0xA8FFA8));
  EXPECT_FALSE(font.Style().Contains(fsBold));
  g.DoGetCellColor(1, 0, TGridDrawState(), brush, font);
  EXPECT_TRUE(font.Style().Contains(fsBold));
  g.SetColors(1, 2, clRed);
  g.DoGetCellColor(1, 2, TGridDrawState(), brush, font);
  EXPECT_EQ(brush.Color, clRed) << "the cell's own colour wins";
  Text->SetFixed(true);
  g.DoGetCellColor(1, 1, TGridDrawState(), brush, font);
  EXPECT_EQ(brush.Color, g.FixedColor());

  TAlignment h = taLeftJustify;
  TVAlignment v = vtaTop;
  g.DoGetAlignment(1, 1, h, v);
  EXPECT_EQ(h, taCenter);
  g.DoGetAlignment(1, 0, h, v);
  EXPECT_EQ(h, taRightJustify);
}

TEST_F(ColumnGridHooks, SizeLimitsOfTheDefinition) {
  Text->MaxSize = 15;
  Text->MinSize = 5;
  struct Case {
    int Proposed, Result;
  };
  for (const Case& c : {Case{40, 15}, Case{2, 5}, Case{10, 10}}) {
    int w = c.Proposed;
    g.DoUpdateColumnSize(1, w);
    EXPECT_EQ(w, c.Result);
  }
  Text->AutoMaxSize = 30;
  int w = 100;
  g.DoUpdateAutoColumnSize(1, w);
  EXPECT_EQ(w, 30);
}

TEST_F(ColumnGridHooks, FilterDropDownOnlyForColumnsWithFilterEntries) {
  g.FilterDropDownAuto = true;
  const TStringList& list = g.FilterList();
  EXPECT_FALSE(g.DoGetColumnFilter(1));
  EXPECT_EQ(list.Count(), 0);
  Text->Filter().SetCommaText("Small=<10,Large=>=10,All");
  EXPECT_TRUE(g.DoGetColumnFilter(1));
  EXPECT_EQ(list.CommaText(), "Small,Large,All");

  g.AutoFilterDisplay = true;
  QString name, condition;
  g.DoFilterSelect(1, 1, name, condition);
  EXPECT_EQ(name, "Large");
  EXPECT_EQ(condition, ">=10");
  EXPECT_EQ(Text->Header(), "Large");
  EXPECT_EQ(g.Filter().ColFilter(1).Condition, ">=10");
  EXPECT_TRUE(g.FilterActive());
}

TEST(PlexColumnGrid, ColumnMoveCarriesTheDefinitionAndReportsRealIndexes) {
  TPlexColumnGrid g(nullptr);
  g.SetColCount(7);
  for (int i = 0; i < 7; ++i) g.Columns()[i]->SetHeader(QString("H%1").arg(i));
  std::vector<std::pair<int, int>> moves;
  g.OnAfterColumnMoved = [&](TObject*, int from, int to) { moves.push_back({from, to}); };
  TGridColumnItem* moved = g.Columns()[2];
  g.MoveColumn(2, 5);
  EXPECT_EQ(moves, (std::vector<std::pair<int, int>>{{2, 5}}));
  EXPECT_EQ(g.Columns()[5], moved);
  EXPECT_EQ(g.Columns()[2]->Header(), "H3");
  EXPECT_EQ(g.Cells(5, 0), "H2");
  EXPECT_FALSE(g.Columns().NoRecursiveUpdate);
}

TEST(PlexColumnGrid, InsertAndRemoveColumnsKeepDefinitionsInStep) {
  TPlexColumnGrid g(nullptr);
  g.Columns()[3]->Name = "third";
  g.InsertCols(1, 2);
  ASSERT_EQ(g.Columns().Count(), 7);
  EXPECT_EQ(g.Columns()[5]->Name, "third");
  g.RemoveCols(1, 2);
  EXPECT_EQ(g.Columns().Count(), 5);
  EXPECT_EQ(g.Columns()[3]->Name, "third");
  EXPECT_EQ(g.ColCount(), 5);
}

TEST(PlexColumnGrid, RemovedPopupAndEditLinkAreForgotten) {
  TPlexColumnGrid g(nullptr);
  auto menu = std::make_unique<TPopupMenu>(nullptr);
  g.Columns()[1]->ColumnPopup = menu.get();
  menu->FreeNotification(&g);
  menu.reset();
  EXPECT_EQ(g.Columns()[1]->ColumnPopup, nullptr);
}

TEST(PlexColumnGrid, ChangeScaleScalesTheColumnFonts) {
  TPlexColumnGrid g(nullptr);
  g.Columns()[1]->Font().SetSize(8);
  g.Columns()[1]->HeaderFont().SetSize(10);
  g.ChangeScale(3, 2);
  EXPECT_EQ(g.Columns()[1]->Font().Size(), 12);
  EXPECT_EQ(g.Columns()[1]->HeaderFont().Size(), 15);
}

TEST(PlexColumnGrid, GroupingKeepsTheGroupedColumnsDefinition) {
  TPlexColumnGrid g(nullptr);
  g.Columns()[2]->SetEditor(edComboEdit);
  g.Group(2);
  g.Columns()[2]->SetEditor(edNormal);
  g.GroupColumn = 2;
  g.UnGroup();
  EXPECT_EQ(g.Columns()[2]->Editor(), edComboEdit);
}

}  // namespace
