#include "tables/snmp_ethernet/ColumnGridEditor.h"

#include "tables/snmp_ethernet/ColumnDef.h"

#include "common/ShellState.h"
#include "common/button/LbButton.h"
#include "grid/editing/PlexColumnGrid.h"

TColumnGridEditor::TColumnGridEditor(TComponent* AOwner, const TTableEditorSetup& Setup)
    : TTableEditorForm(AOwner, Setup) {
  // Escape outside a cell editor leaves the table as Cancel does.
  Btn_Cancel->SetCancel(true);
}

TPlexColumnGrid* TColumnGridEditor::AddColumnGrid(std::span<const TColumnDef> Columns, int RowCount,
                                                  const TEditorTableSetup& Setup, int NumberHeader) {
  auto* grid = new TPlexColumnGrid(this);
  grid->BeginUpdate();
  grid->SetColCount(int(Columns.size()));
  grid->SetRowCount(RowCount);
  grid->SetOptions(grid->Options() + TGridOptions{goEditing, goColSizing});
  for (int c = 0; c < int(Columns.size()); ++c) {
    const TColumnDef& def = Columns[size_t(c)];
    TGridColumnItem* column = grid->Columns()[c];
    column->SetWidth(def.Width);
    if (c == 0) continue;
    column->SetColor(def.Color);
    column->SetEditor(def.Editor);
    column->EditLength = def.EditLength;
    if (def.Editor == edDataCheckBox) column->SetAlignment(taCenter);
    column->ComboItems().Clear();
    for (const char16_t* item : def.Items) column->ComboItems().Add(QString::fromUtf16(item));
  }
  // The combo edits keep the column's edit length too.
  grid->OnGetEditorType = [grid](TObject*, int ACol, int, TEditorType&) {
    grid->MaxComboLength = ACol >= 0 && ACol < grid->Columns().Count() ? grid->Columns()[ACol]->EditLength : 0;
  };
  grid->EndUpdate();
  AddTable(grid, Setup);
  FNumberHeaders.push_back(NumberHeader);
  return grid;
}

void TColumnGridEditor::Set_Lang() {
  TTableEditorForm::Set_Lang();
  for (int t = 0; t < TableCount() && t < int(FNumberHeaders.size()); ++t)
    SetColumnHeader(t, 0, LangText(FNumberHeaders[size_t(t)]));
}

void TColumnGridEditor::SetColumnHeader(int Table, int ACol, const QString& Text) {
  TPlexColumnGrid* grid = ColumnGrid(Table);
  if (ACol < grid->Columns().Count())
    grid->Columns()[ACol]->SetHeader(Text);
  else
    grid->SetCellEx(ACol, 0, Text);
}

void TColumnGridEditor::FillNumberItems(int Table, int ACol, int Count) {
  TStringList& items = ColumnGrid(Table)->Columns()[ACol]->ComboItems();
  items.Clear();
  for (int i = 0; i < Count; ++i) items.Add(QString::number(i));
}

TPlexColumnGrid* TColumnGridEditor::ColumnGrid(int Table) const { return static_cast<TPlexColumnGrid*>(Grid(Table)); }
