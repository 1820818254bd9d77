// The gatekeeper that every move of the current cell passes (keyboard, mouse,
// code), the moves built on it, and the repaints of the selection.
#include "grid/core/PlexStringGrid.h"

#include "grid/features/FloatingFooter.h"
#include "grid/features/SearchPanel.h"

#include <algorithm>

bool TPlexStringGrid::SelectCell(int ACol, int ARow) {
  if (FForceSel) {
    RepaintRowIndicator(Row(), ARow);
    return true;
  }
  if (!Parent()) return true;
  FEditText = GetCellEx(DisplayToRealCol(ACol), ARow);
  if (SelectCellRefused(ACol, ARow)) return false;
  const TGridRect oldSel = Selection();
  const int oldCol = Col(), oldRow = Row();
  PrepareEditing(ACol, ARow);
  const bool allowed = DecideSelect(ACol, ARow);
  SelectAftermath(ACol, ARow, oldSel, oldCol, oldRow, allowed);
  return allowed;
}

// Steps before any decision: room under the footers, then the moves that are
// refused outright (negative indexes, merged cells, node columns, disabled rows).
bool TPlexStringGrid::SelectCellRefused(int ACol, int ARow) {
  const int searchRoom = FSearchFooter->Visible() && FSearchPanel ? FSearchPanel->Height() + 2 : 0;
  const auto bottomOf = [&](int r) { return CellRect(std::max(0, ACol), r).Bottom; };
  if (FFloatingFooter->Visible()) {
    const int limit = ClientHeight() - FFloatingFooter->Height + 2 - searchRoom;
    if (FFloatingFooter->FooterStyle == fsFixedLastRow) {
      if (ARow >= TopRow() + VisibleRowCount()) SetTopRow(ARow - VisibleRowCount() + FixedRows());
      if (bottomOf(ARow) > limit && ARow < RowCount() - 1) SetTopRow(TopRow() + 1);
      if (ARow == RowCount() - 1) return true;  // the last row is the footer
    } else if (bottomOf(ARow) > limit && ARow < RowCount()) {
      SetTopRow(TopRow() + 1);
    }
  }
  if (FSearchFooter->Visible() && FSearchPanel) {
    const int limit = ClientHeight() - FSearchPanel->Height() + 2;
    while (bottomOf(ARow) > limit && ARow <= RowCount() - 1 && TopRow() < RowCount() - 1) {
      const int top = TopRow();
      SetTopRow(top + 1);
      if (TopRow() == top) break;
    }
  }
  if (ACol < 0 || ARow < 0) return true;
  if (IsMergedNonBaseCell(ACol, ARow) && !Options().Contains(goRangeSelect)) {
    const TPoint base = BaseCell(ACol, ARow);
    MoveColRow(base.X, base.Y, true, true);
    RepaintCell(base.X, base.Y);
    return true;
  }
  if (HasNodes() && ACol == 0 && !Options().Contains(goRowSelect)) return true;
  return FUseEnabledRows && FNavigation->SkipDisabledRows && !GetRowEnabled(ARow);
}

// Whether the target cell opens for editing, and the grid's options to match.
void TPlexStringGrid::PrepareEditing(int ACol, int ARow) {
  const int realCol = DisplayToRealCol(ACol);
  TGridOptions options = Options();
  bool canEdit = options.Contains(goEditing) || FEditDisable;
  DoCanEditCell(realCol, ARow, canEdit);
  // A read-only cell refuses its editor as IsEditable says.
  if (canEdit && ReadOnly(realCol, ARow)) canEdit = false;
  if (canEdit && FMouseActions->DirectEdit && HasNoEditor(realCol, ARow)) canEdit = false;
  if (FMouseActions->EditOnDblClickOnly()) canEdit = false;
  if (canEdit) {
    FEditDisable = false;
    if (!options.Contains(goEditing)) {
      FEditChange = true;
      if (!EditorMode()) SaveOldCellValue(ACol, ARow);
      if (FMouseActions->RangeSelectAndEdit) options.Exclude(goRowSelect);
      options.Include(goEditing);
      SetOptions(options);
    }
    if (EditorMode()) {
      HideInplaceEdit();
      FEditText = GetCellEx(realCol, ARow);
    }
    return;
  }
  if (EditorMode()) HideInplaceEdit();
  if (options.Contains(goEditing)) {
    FEditDisable = true;
    FEditChange = true;
    options.Exclude(goEditing);
    SetOptions(options);
    SetEditorMode(false);
  }
}

bool TPlexStringGrid::DecideSelect(int ACol, int ARow) {
  // An editor other than the text editor still open: its value is validated first.
  if (EditorMode() && FEditControl != edNormal) {
    const QString cached = FCellCache;
    bool allow = ValidateCell(GetCellEx(DisplayToRealCol(Col()), Row()));
    if (allow) CellChanging(ACol, ARow, allow);
    if (allow) allow = TBaseGrid::SelectCell(ACol, ARow);
    if (!allow) FEditText = cached;
    return allow;
  }
  bool allow = true;
  CellChanging(ACol, ARow, allow);
  if (IsFixed(ACol, ARow) || !allow)
    return (allow && Options().Contains(goRowSelect)) || (FixedRowAlways && RowCount() == FixedRows());
  return TBaseGrid::SelectCell(ACol, ARow);
}

// Repaints, the listener and OnRowUpdate; the last two only for a move that
// was let through, so a refused move reports no row change.
void TPlexStringGrid::SelectAftermath(int ACol, int ARow, const TGridRect& OldSel, int OldCol, int OldRow,
                                      bool Allowed) {
  RepaintRowIndicator(OldRow, ARow);
  if (Allowed && FISelect) FISelect->CellSelected(Col(), ARow);
  if (ActiveCellShow()) {
    RepaintActiveHeaders(OldCol, OldRow, ACol, ARow);
    if (OldSel.Left != OldCol && OldSel.Top != OldRow) RepaintActiveHeaders(OldSel.Left, OldSel.Top, ACol, ARow);
  }
  if (ActiveRowShow()) {
    RepaintRow(ARow);
    RepaintRow(OldSel.Top);
  }
  if (SelectionRectangle()) Invalidate();
  if (Allowed && ARow != FOldRowSel && !FLoading) {
    const int old = FOldRowSel;
    FOldRowSel = ARow;
    if (OnRowUpdate) OnRowUpdate(this, old, ARow);
  }
  if (OnGetCellBorder)
    for (int r = OldSel.Top; r <= OldSel.Bottom; ++r) RepaintRow(r);
  FCellCache = FEditText;
}

void TPlexStringGrid::CellChanging(int ACol, int ARow, bool& Allow) {
  if (ARow != Row() && OnRowChanging) OnRowChanging(this, Row(), ARow, Allow);
  if (ACol != Col() && OnColChanging) OnColChanging(this, Col(), ACol, Allow);
  if ((ACol != Col() || ARow != Row()) && !FChangeDisable) DoCellChanging(Row(), Col(), ARow, ACol, Allow);
}

void TPlexStringGrid::RepaintRowIndicator(int OldRow, int NewRow) {
  if (FixedCols() == 0 || FRowIndicator->Empty()) return;
  RepaintCell(0, OldRow);
  RepaintCell(0, NewRow);
}

void TPlexStringGrid::SetRow(int Value) {
  if (Col() < 0 || Col() > ColCount() - 1) MoveColRow(FixedCols(), Value, true, true);
  TBaseGrid::SetRow(Value);
  if (Row() != Value) return;  // refused: nothing to report
  if (Value != FOldRowSel && OnRowUpdate) {
    const int old = FOldRowSel;
    FOldRowSel = Value;
    OnRowUpdate(this, old, Value);
  }
  if (FMouseActions->DisjunctRowSelect()) SelectionToRowSelect(false);
  // Two grids may follow each other: only a grid that differs is moved.
  if (FSyncGrid->SelectionRow)
    if (auto* other = dynamic_cast<TCustomGrid*>(FSyncGrid->Grid());
        other && other->Row() != Value && Value < other->RowCount())
      other->SetRow(Value);
  if (Value == RowCount() - 1 && FSearchFooter->Visible()) ScrollAboveSearchFooter();
}

void TPlexStringGrid::SetTopRow(int Value) {
  if (Value < FixedRows() || Value > RowCount() - 1) return;
  TBaseGrid::SetTopRow(Value);
}

void TPlexStringGrid::GotoCell(int ACol, int ARow) {
  SetRow(ARow);
  SetCol(ACol);
}

void TPlexStringGrid::FocusCell(int ACol, int ARow) { SetSelection(TGridRect{ACol, ARow, ACol, ARow}); }

void TPlexStringGrid::MoveToColRow(int ACol, int ARow) { MoveColRow(ACol, ARow, true, true); }

void TPlexStringGrid::SelectRange(int FromCol, int ToCol, int FromRow, int ToRow) {
  SetRow(ToRow);
  SetCol(ToCol);
  SetSelection(TGridRect{FromCol, FromRow, ToCol, ToRow});
}

void TPlexStringGrid::SelectCells(int FromCol, int FromRow, int ToCol, int ToRow) {
  SetSelection(TGridRect{FromCol, FromRow, ToCol, ToRow});
}

// ---- repaints

void TPlexStringGrid::RepaintRect(const TRect& R) {
  if (R.Left < 0 || R.Top < 0 || R.Right < 0 || R.Bottom < 0) return;
  const int right = std::min(R.Right, FixedCols() + VisibleColCount());
  const TRect a = CellRect(R.Left, R.Top), b = CellRect(right, R.Bottom);
  if (a.IsEmpty() || b.IsEmpty()) {
    Invalidate();
    return;
  }
  InvalidateRect(TRect(a.Left, a.Top, std::max(a.Right, b.Right), std::max(a.Bottom, b.Bottom)));
}

void TPlexStringGrid::InvalidateCellRange(const TRect& R) {
  const TRect a = CellRect(R.Left, R.Top), b = CellRect(R.Right, R.Bottom);
  InvalidateRect(TRect(std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
                       std::max(a.Bottom, b.Bottom)));
}

// Headers that highlight the current cell's column and row.
void TPlexStringGrid::RepaintActiveHeaders(int ACol1, int ARow1, int ACol2, int ARow2) {
  for (const TGridCoord p : {TGridCoord{ACol1, ARow1}, TGridCoord{ACol2, ARow2}}) {
    if (FixedRows() > 0) RepaintCell(p.X, FixedRows() - 1);
    if (FixedCols() > 0) RepaintCell(FixedCols() - 1, p.Y);
  }
}

// ---- the search footer

bool TPlexStringGrid::IsLastRowAboveSearchFooter() {
  if (!FSearchFooter->Visible() || !FSearchPanel) return false;
  return TopRow() + VisibleRowCount() >= RowCount() - 1 &&
         CellRect(0, RowCount() - 1).Bottom < ClientHeight() - FSearchPanel->Height() + 2;
}

void TPlexStringGrid::ScrollAboveSearchFooter() {
  if (!FSearchFooter->Visible() || !FSearchPanel) return;
  if (ClientHeight() <= DefaultRowHeight() + FSearchPanel->Height()) return;
  while (CellRect(0, RowCount() - 1).Bottom > ClientHeight() - FSearchPanel->Height() + 2 && Row() < RowCount() &&
         TopRow() < RowCount()) {
    const int top = TopRow();
    SetTopRow(top + 1);
    if (TopRow() == top) break;
  }
}

// ---- hiding the selection

void TPlexStringGrid::HideSelection() {
  if (FSelHidden) return;
  FHiddenSelection = Selection();
  FSelHidden = true;
  // Just past the last cell, so that no cell shows selected.
  Invalidate();
}

void TPlexStringGrid::UnHideSelection() {
  if (!FSelHidden) return;
  FSelHidden = false;
  const TGridRect& s = FHiddenSelection;
  if (s.Top < RowCount() && s.Left < ColCount() && s.Bottom < RowCount() && s.Right < ColCount()) {
    SetSelection(s);
    return;
  }
  const int col = FixedCols();
  const int row = FixedRowAlways && FixedRows() == RowCount() ? 0 : FixedRows();
  if (col < ColCount() && row < RowCount()) SetSelection(TGridRect{col, row, col, row});
}

void TPlexStringGrid::ScrollInView(int ColIndex, int RowIndex) {
  if (ColIndex < 0 || RowIndex < 0 || ColIndex >= ColCount() || RowIndex >= RowCount()) return;
  int left = LeftCol(), top = TopRow();
  if (ColIndex < LeftCol() || ColIndex >= LeftCol() + VisibleColCount()) {
    SetCol(ColIndex);
    left = std::max(FixedCols(), ColIndex - VisibleColCount() / 2);
  }
  if (RowIndex < TopRow() || RowIndex >= TopRow() + VisibleRowCount()) {
    SetRow(RowIndex);
    top = std::max(FixedRows(), RowIndex - VisibleRowCount() / 2);
  }
  left = std::min(left, ColCount() - VisibleColCount() + 1);
  top = std::min(top, RowCount() - VisibleRowCount() + 1);
  if (FixedCols() + VisibleColCount() < ColCount()) SetLeftCol(left);
  if (FixedRows() + VisibleRowCount() < RowCount()) SetTopRow(top);
  if (FSearchFooter->Visible() && FSearchPanel) {
    const int limit = Height() - FSearchPanel->Height();
    while (CellRect(0, RowIndex).Bottom > limit && TopRow() < RowCount() - 1) {
      const int t = TopRow();
      SetTopRow(t + 1);
      if (TopRow() == t) break;
    }
  }
}
