#include "tables/can/CanTableForm.h"

#include "common/ShellState.h"
#include "grid/editing/PlexColumnGrid.h"
#include "platform/SysUtils.h"

int CanCellInt(const QString& Text) { return StrToIntDef(Text, -1); }

bool CanInRange(int Value, int Low, int High) { return Value >= Low && Value <= High; }

void FillPositionItems(TStringList& Items, int Count, bool WithNone) {
  Items.Clear();
  if (WithNone) Items.Add(QStringLiteral("None"));
  for (int i = 0; i < Count; ++i) Items.Add(QString::number(i));
}

TCanTableForm::TCanTableForm(TComponent* AOwner, const TTableEditorSetup& Setup) : TTableEditorForm(AOwner, Setup) {
  OnShow = [this](TObject* Sender) { FormShow(Sender); };
}

void TCanTableForm::AddColumnGrid(TPlexColumnGrid* Grid, const TEditorTableSetup& Table,
                                  std::span<const TCanColumn> Columns, int Rows, int FixedHeader, int RowHeight) {
  Grid->BeginUpdate();
  Grid->SetColCount(int(Columns.size()));
  Grid->SetRowCount(Rows);
  if (RowHeight > 0) Grid->SetDefaultRowHeight(RowHeight);
  Grid->SetOptions(Grid->Options() + TGridOptions{goEditing, goColSizing});
  for (int c = 0; c < int(Columns.size()); ++c) {
    const TCanColumn& look = Columns[size_t(c)];
    TGridColumnItem* column = Grid->Columns()[c];
    column->SetWidth(look.Width);
    if (c == 0) continue;
    column->SetColor(look.Color);
    column->SetEditor(look.Editor);
    if (look.Editor == edDataCheckBox) column->SetAlignment(taCenter);
  }
  Grid->EndUpdate();
  FFixedHeaders.push_back(FixedHeader);
  AddTable(Grid, Table);
}

TPlexColumnGrid* TCanTableForm::ColumnGrid(int Table) const { return static_cast<TPlexColumnGrid*>(Grid(Table)); }

TStringList& TCanTableForm::ColumnItems(int Table, int ACol) const {
  return ColumnGrid(Table)->Columns()[ACol]->ComboItems();
}

void TCanTableForm::SetColumnHeader(int Table, int ACol, const QString& Text) {
  ColumnGrid(Table)->Columns()[ACol]->SetHeader(Text);
}

void TCanTableForm::Set_Lang() {
  TTableEditorForm::Set_Lang();
  for (int t = 0; t < TableCount() && t < int(FFixedHeaders.size()); ++t)
    SetColumnHeader(t, 0, LangText(FFixedHeaders[size_t(t)]));
}

void TCanTableForm::FormShow(TObject* Sender) {
  BeforeShow();
  TTableEditorForm::FormShow(Sender);
  AfterShow();
}
