#include "tables/modbus_bacnet/TableColumns.h"

#include "common/ShellState.h"
#include "grid/editing/GridColumnItem.h"
#include "grid/editing/PlexColumnGrid.h"

namespace {
constexpr int HeaderHeight = 22;
}

void BuildColumns(TPlexColumnGrid* Grid, std::span<const TTableColumn> Columns, int RowCount) {
  Grid->BeginUpdate();
  Grid->SetColCount(int(Columns.size()));
  Grid->SetRowCount(RowCount);
  Grid->SetOptions(Grid->Options() + TGridOptions{goEditing, goColSizing, goRangeSelect});
  Grid->SetRowHeights(0, HeaderHeight);
  for (int c = 0; c < int(Columns.size()); ++c) {
    const TTableColumn& def = Columns[size_t(c)];
    TGridColumnItem* column = Grid->Columns()[c];
    column->SetWidth(def.Width);
    if (c == 0) continue;
    if (def.Color != clNone) column->SetColor(def.Color);
    column->SetEditor(def.Editor);
    column->ComboItems().Clear();
    for (const char16_t* item : def.Items) column->ComboItems().Add(QString::fromUtf16(item));
    if (def.Editor == edDataCheckBox) {
      column->CheckTrue = QStringLiteral("Y");
      column->CheckFalse = QStringLiteral("N");
      column->SetAlignment(taCenter);
    }
  }
  Grid->EndUpdate();
}

void PutColumnHeaders(TPlexColumnGrid* Grid, std::span<const TTableColumn> Columns) {
  for (int c = 0; c < int(Columns.size()) && c < Grid->Columns().Count(); ++c)
    Grid->Columns()[c]->SetHeader(LangText(Columns[size_t(c)].Header));
}

void FillNumberItems(TGridColumnItem* Column, int Count) {
  TStringList& items = Column->ComboItems();
  items.BeginUpdate();
  items.Clear();
  for (int i = 0; i < Count; ++i) items.Add(QString::number(i));
  items.EndUpdate();
}
