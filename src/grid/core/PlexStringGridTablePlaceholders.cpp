// The few string-grid operations the table editors need before their own
// concerns (check boxes, selections, sizing) are complete: the smallest
// versions that keep the editors' observable rules.
#include "grid/core/PlexStringGrid.h"

#include <algorithm>
#include <memory>

namespace {
bool IsGraphicCheckBox(TCellType type) { return type == ctCheckBox || type == ctVirtCheckBox; }
}  // namespace

void TPlexStringGrid::AddCheckBoxColumn(int ACol, bool DefaultState, bool DataCheckBox) {
  for (int r = FixedRows(); r < RowCount(); ++r) {
    if (GetCellGraphic(ACol, r)) continue;
    auto graphic = std::make_unique<TCellGraphic>();
    graphic->CellType = DataCheckBox ? ctDataCheckBox : ctCheckBox;
    graphic->CellBoolean = DefaultState;
    SetGraphicObjectEx(ACol, r, graphic.get());
    // The cell owns the graphic only when it took it.
    if (GetGraphicObjectEx(ACol, r) == graphic.get()) graphic.release();
    if (DataCheckBox && GetCellEx(ACol, r).isEmpty()) SetCellEx(ACol, r, DefaultState ? "Y" : "N");
  }
}

bool TPlexStringGrid::GetCheckBoxState(int ACol, int ARow, bool& State) {
  const TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
  if (!graphic) return false;
  if (graphic->CellType == ctDataCheckBox) {
    State = GetCellEx(ACol, ARow) == "Y";
    return true;
  }
  if (!IsGraphicCheckBox(graphic->CellType)) return false;
  State = graphic->CellBoolean;
  return true;
}

bool TPlexStringGrid::SetCheckBoxState(int ACol, int ARow, bool State) {
  TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
  if (!graphic) return false;
  if (graphic->CellType == ctDataCheckBox) {
    SetCellEx(ACol, ARow, State ? "Y" : "N");
    return true;
  }
  if (!IsGraphicCheckBox(graphic->CellType)) return false;
  graphic->CellBoolean = State;
  RepaintCell(RealToDisplayCol(ACol), ARow);
  return true;
}

void TPlexStringGrid::SelectRows(int RowIndex, int RCount) {
  if (RCount <= 0 || RowIndex >= RowCount()) return;
  const int last = std::min(RowIndex + RCount - 1, RowCount() - 1);
  SetSelection(TGridRect{FixedCols(), RowIndex, ColCount() - 1, last});
}

void TPlexStringGrid::AutoSizeCol(int ACol, int AddMargin) {
  if (ACol < 0 || ACol >= ColCount()) return;
  const int real = RealColIndex(ACol);
  int widest = 0;
  for (int r = 0; r < RowCount(); ++r) widest = std::max(widest, Canvas().TextWidth(GetCellEx(real, r)));
  // Room for the cell's text margins on both sides.
  constexpr int TextMargins = 8;
  SetColWidths(ACol, widest + TextMargins + AddMargin);
}
