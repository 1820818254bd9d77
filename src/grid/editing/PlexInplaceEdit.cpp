// The text editor's life: styles at window creation, loading and placing over
// the current cell, text changes, and focus gain and loss with the one
// edit-done notification that each focus gain earns.
#include "grid/editing/PlexInplaceEdit.h"

#include "grid/core/PlexStringGrid.h"
#include "platform/ControlMessages.h"
#include "platform/FindControl.h"
#include "platform/FocusQuery.h"

TPlexInplaceEdit::TPlexInplaceEdit(TPlexStringGrid* AGrid) : TInplaceEdit(AGrid), FPlexGrid(AGrid) {
  SetBorderStyle(bsNone);
  ApplyStyles();
}

void TPlexInplaceEdit::ApplyStyles() {
  const bool password = FPlexGrid->EditControl() == edPassword;
  SetEditStyle(FVAlign ? ES_RIGHT : ES_LEFT);
  SetMultiLine(!password);
  SetWordWrap(FPlexGrid->WordWrap());
  FWorkMode = true;
  SetPasswordChar(password ? FPlexGrid->PasswordChar : QChar());
  FLengthLimit = FPlexGrid->GetEditLimit();
}

void TPlexInplaceEdit::SetVAlign(bool Value) {
  if (FVAlign == Value) return;
  FVAlign = Value;
  ApplyStyles();
}

void TPlexInplaceEdit::UpdateContents() {
  ApplyStyles();
  FPlexGrid->FNoEditChange = true;
  TInplaceEdit::UpdateContents();
  FPlexGrid->FNoEditChange = false;
  TBrush brush;
  brush.Color = FPlexGrid->Color();
  TFont font;
  font.Assign(FPlexGrid->Font());
  TGridDrawState state;
  TColor colorTo = clNone, mirror = clNone, mirrorTo = clNone;
  TAlignment hAlign = taLeftJustify;
  TVAlignment vAlign = vtaTop;
  bool wordWrap = false;
  TCellGradientDirection direction = GradientVertical;
  FPlexGrid->GetVisualProperties(FPlexGrid->Col(), FPlexGrid->Row(), state, false, false, true, brush, colorTo, mirror,
                                 mirrorTo, font, hAlign, vAlign, wordWrap, direction);
  SetColor(brush.Color);
  Font().Assign(font);
  SetAlignment(hAlign);
  FEditCol = FPlexGrid->Col();
  FEditRow = FPlexGrid->Row();
  FPlexGrid->DoGetEditorProp(FPlexGrid->RealColIndex(FEditCol), FEditRow);
}

void TPlexInplaceEdit::BoundsChanged() {
  TRect r = FPlexGrid->CellRect(FPlexGrid->Col(), FPlexGrid->Row());
  if (FPlexGrid->BiDiMode() == bdRightToLeft) r.Left += 1;
  const int width = r.Right - r.Left - 1, height = r.Bottom - r.Top - 1;
  SetBounds(r.Left, r.Top, width, height);
  TRect format(3, 3, width - 2, height);
  Perform(EM_SETRECT, 0, LPARAM(&format));
}

void TPlexInplaceEdit::Change() {
  TInplaceEdit::Change();
  if (FPlexGrid->FNoEditChange) return;
  if (FPlexGrid->OnEditChange) FPlexGrid->OnEditChange(FPlexGrid, FPlexGrid->Col(), FPlexGrid->Row(), Text());
}

void TPlexInplaceEdit::DblClick() {
  TInplaceEdit::DblClick();
  if (FPlexGrid->OnDblClickCell) FPlexGrid->OnDblClickCell(FPlexGrid, FPlexGrid->Row(), FPlexGrid->Col());
}

void TPlexInplaceEdit::WMSetFocus() {
  FGotFocus = true;
  FPlexGrid->FNoEditChange = false;
  FLengthLimit = FPlexGrid->GetEditLimit();
  SetMaxLength(FLengthLimit);
  if (!EditMask().isEmpty() && FPlexGrid->Navigation().ImproveMaskSel && !FPlexGrid->FClickedToEdit) {
    SetSelStart(0);
    SetSelLength(1);
    return;
  }
  if (!FPlexGrid->Navigation().EditSelectAll) SetSelStart(Text().length());
  // A click that opened the editor leaves the caret where it fell.
  if (!FPlexGrid->FClickedToEdit) return;
  const TPoint p = ScreenToClient(CursorPos());
  if (p.X < 0 || p.Y < 0 || p.X > Width() || p.Y > Height()) return;
  SetSelStart(CharFromPos(p));
  SetSelLength(0);
  FPlexGrid->FClickedToEdit = false;
}

void TPlexInplaceEdit::WMKillFocus() {
  TPlexStringGrid& grid = *FPlexGrid;
  if (grid.FDestroying) return;
  grid.FStartEditChar = QChar();
  if (grid.LookupHistory && grid.LookupItems().IndexOf(Text()) == -1) grid.LookupItems().Add(Text());
  grid.SetFormulaEditMode(false);
  if (!FAltBackspace) {
    // Only leaving the grid validates; focus moving to the grid keeps the
    // cell's text, so the editor takes it before it is hidden.
    const bool toGrid = FindFocusedControl() == &grid;
    grid.FFocusFromTextEditor = toGrid;
    if (!toGrid) grid.ValidateCell(Text());
    grid.FNoEditChange = true;
    SetText(grid.GetCurrentCell());
    grid.FNoEditChange = false;
    grid.HideInplaceEdit();
    grid.FEditing = false;
    grid.FEditMode = false;
  }
  grid.FNoEditChange = true;
  SetText(grid.GetCurrentCell());
  grid.FNoEditChange = false;
  if (FGotFocus) {
    FGotFocus = false;
    grid.EditDone(grid.RealColIndex(FEditCol), FEditRow);
  }
}
