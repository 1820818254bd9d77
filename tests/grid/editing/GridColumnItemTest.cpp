// Column definitions: defaults, the effect of each write on the grid, copying.
#include "grid/editing/GridColumnItem.h"

#include "ColumnGridProbe.h"
#include "grid/editing/GridColumnCollection.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

TEST(GridColumnItem, NewDefinitionOfAGridHasTheDefaults) {
  TPlexColumnGrid g(nullptr);
  g.SetColor(0x123456);
  g.Font().SetName("Verdana");
  // Inserted, so that no neighbour lends it its looks.
  TGridColumnItem* d = g.Columns().Insert(0);
  EXPECT_EQ(d->Width(), 50);
  EXPECT_EQ(d->CheckTrue, "Y");
  EXPECT_EQ(d->CheckFalse, "N");
  EXPECT_EQ(d->DropDownCount, 8);
  EXPECT_EQ(d->SpinStep, 1);
  EXPECT_EQ(d->BorderPen().Color, clSilver);
  EXPECT_EQ(d->BorderPen().Width, 1);
  EXPECT_EQ(d->PrintBorderPen().Color, clBlack);
  EXPECT_EQ(d->PrintColor, clWhite);
  EXPECT_EQ(d->PrintBorders, (TCellBorders{cbTop, cbLeft, cbRight, cbBottom}));
  EXPECT_TRUE(d->PrintBorderCustom);
  EXPECT_TRUE(d->PrintFontCustom);
  EXPECT_EQ(d->Editor(), edNormal);
  EXPECT_EQ(d->ColumnPopupType, cpFixedCellsRClick);
  EXPECT_EQ(d->SortStyle, ssAutomatic);
  EXPECT_TRUE(d->Borders().Empty());
  EXPECT_TRUE(d->Header().isEmpty());
  // Looks come from the grid.
  EXPECT_EQ(d->Color(), TColor(0x123456));
  EXPECT_EQ(d->Font().Name(), "Verdana");
  EXPECT_EQ(d->HeaderFont().Name(), "Verdana");
  EXPECT_EQ(d->PrintFont().Name(), "Verdana");
}

TEST(GridColumnItem, DefinitionOutsideACollectionHasNoGrid) {
  TGridColumnItem d(nullptr);
  EXPECT_EQ(d.Width(), 0);
  d.SetWidth(77);
  EXPECT_EQ(d.Width(), 0);
  EXPECT_EQ(d.Color(), TColor(0));
  EXPECT_EQ(d.Font().Name(), TFont().Name());
  EXPECT_EQ(d.Index(), -1);
  d.SetHeader("free");
  EXPECT_EQ(d.Header(), "free");
}

TEST(GridColumnItem, WidthIsTheGridsColumnWidth) {
  TPlexColumnGrid g(nullptr);
  g.Columns()[2]->SetWidth(90);
  EXPECT_EQ(g.ColWidths(2), 90);
  // The user (or code) sizes the grid's column: the definition follows.
  g.SetColWidths(3, 33);
  EXPECT_EQ(g.Columns()[3]->Width(), 33);
}

TEST(GridColumnItem, HeaderWritesRowZeroOnlyWithFixedRows) {
  TPlexColumnGrid g(nullptr);
  g.Columns()[1]->SetHeader("Name");
  EXPECT_EQ(g.Cells(1, 0), "Name");
  EXPECT_EQ(g.ColumnHeaders().Count(), 5);
  EXPECT_EQ(g.ColumnHeaders()[1], "Name");

  g.SetFixedRows(0);
  g.SetCells(2, 0, "data");
  g.Columns()[2]->SetHeader("Address");
  EXPECT_EQ(g.Cells(2, 0), "data");
  EXPECT_EQ(g.ColumnHeaders()[2], "Address");
}

TEST(GridColumnItem, EditorRepaintsOnlyForCheckBoxes) {
  TRepaintCountingGrid g(nullptr);
  TGridColumnItem* d = g.Columns()[1];
  struct Step {
    TEditorType Editor;
    bool Repaints;
  };
  const Step steps[] = {
      {edComboList, false}, {edComboList, false}, {edDataCheckBox, true}, {edComboEdit, true}, {edNormal, false}};
  for (const Step& s : steps) {
    g.Repaints = 0;
    d->SetEditor(s.Editor);
    EXPECT_EQ(g.Repaints > 0, s.Repaints) << s.Editor;
  }
}

TEST(GridColumnItem, FontChangesThroughItsOwnPropertiesReachTheGrid) {
  TRepaintCountingGrid g(nullptr);
  g.Repaints = 0;
  g.Columns()[1]->Font().SetColor(clRed);
  EXPECT_GT(g.Repaints, 0);
  g.Repaints = 0;
  g.Columns()[1]->PrintFont().SetColor(clRed);
  EXPECT_EQ(g.Repaints, 0);
}

// A write through the border pen's own properties repaints the grid, as a
// whole new pen does; the print pen only stores.
TEST(GridColumnItem, BorderPenChangesThroughItsOwnPropertiesReachTheGrid) {
  TRepaintCountingGrid g(nullptr);
  TGridColumnItem* d = g.Columns()[1];
  const struct {
    const char* What;
    std::function<void()> Change;
    bool Repaints;
  } cases[] = {
      {"colour", [&] { d->BorderPen().Color = clRed; }, true},
      {"same colour", [&] { d->BorderPen().Color = clRed; }, false},
      {"width", [&] { d->BorderPen().Width = 2; }, true},
      {"style", [&] { d->BorderPen().Style = psDot; }, true},
      {"whole pen", [&] { d->SetBorderPen(TPen()); }, true},
      {"print pen", [&] { d->PrintBorderPen().Color = clRed; }, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.What);
    g.Repaints = 0;
    c.Change();
    EXPECT_EQ(g.Repaints > 0, c.Repaints);
  }
  EXPECT_EQ(d->BorderPen().Color, clBlack);
}

TEST(GridColumnItem, AssignCopiesValuesWithoutTouchingTheGrid) {
  TRepaintCountingGrid g(nullptr);
  TGridColumnItem source(nullptr);
  source.SetHeader("Copied");
  source.SetEditor(edDataCheckBox);
  source.ComboItems().SetCommaText("a,b");
  source.SetColor(0xA8FFA8);
  source.ReadOnly = true;
  source.Name = "src";
  source.DefIdx = 3;
  source.ColumnPopupType = cpAllCellsLClick;
  source.PrintFontCustom = false;
  g.Repaints = 0;
  TGridColumnItem* d = g.Columns()[1];
  const int width = g.ColWidths(1);
  d->Assign(&source);
  EXPECT_EQ(g.Repaints, 0);
  EXPECT_EQ(g.Cells(1, 0), "");
  EXPECT_EQ(g.ColWidths(1), width) << "a value copy sets no grid width";
  EXPECT_EQ(d->Header(), "Copied");
  EXPECT_EQ(d->Editor(), edDataCheckBox);
  EXPECT_EQ(d->ComboItems().Count(), 2);
  EXPECT_EQ(d->Color(), TColor(0xA8FFA8));
  EXPECT_TRUE(d->ReadOnly);
  EXPECT_EQ(d->Name, "src");
  EXPECT_EQ(d->DefIdx, 3);
  // Not copied.
  EXPECT_EQ(d->ColumnPopupType, cpFixedCellsRClick);
  EXPECT_TRUE(d->PrintFontCustom);

  TGridColumnItem visuals(nullptr);
  d->AssignVisuals(&visuals);
  EXPECT_EQ(d->Header(), "Copied") << "the header is the column's own";
  EXPECT_EQ(d->ComboItems().Count(), 2);
  EXPECT_EQ(d->Color(), g.Color());
  EXPECT_EQ(d->Editor(), edNormal);

  TObject other;
  d->Assign(&other);
  EXPECT_EQ(d->Header(), "Copied");
}

TEST(GridColumnItem, RowsReadAndWriteTheColumnsCells) {
  TPlexColumnGrid g(nullptr);
  TGridColumnItem* d = g.Columns()[2];
  d->SetRows(3, "12");
  EXPECT_EQ(g.Cells(2, 3), "12");
  EXPECT_EQ(d->Ints(3), 12);
  d->SetFloats(4, 1.5);
  EXPECT_DOUBLE_EQ(g.Floats(2, 4), 1.5);
  EXPECT_EQ(d->GetDisplayName(), "Column 2");
  d->Name = "price";
  EXPECT_EQ(d->GetDisplayName(), "Col 2: price");
}

}  // namespace
