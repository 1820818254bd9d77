// The single gate between an edited value and its cell: the validation
// handlers and the cell checker may change or refuse the value; a refused
// value keeps the user in the cell with the editor open again.
#include "grid/core/PlexStringGrid.h"

#include "grid/editing/ShowModified.h"
#include "grid/foundation/PlexStringGridCheck.h"
#include "platform/EditBalloon.h"

namespace {
// Runs the clean-up when the scope ends, also when a handler raises.
template <class F>
struct TFinally {
  F Action;
  ~TFinally() { Action(); }
};
template <class F>
TFinally(F) -> TFinally<F>;
}  // namespace

void TPlexStringGrid::SaveOldCellValue(int ACol, int ARow) {
  FOldCol = ACol;
  FOldRow = ARow;
  FOldCellText = GetCellEx(RealColIndex(ACol), ARow);
  FOldCellTextWide = WideCells(RealColIndex(ACol), ARow);
  FOldModified = Modified;
}

bool TPlexStringGrid::ValidateCell(const QString& NewValue) {
  if (!FEditing || FValidating) return true;
  FEditing = false;
  FValidating = true;
  bool valid = true;
  const bool advanceOnEnter = FNavigation->AdvanceOnEnter;
  TFinally restore{[&] {
    FNavigation->AdvanceOnEnter = advanceOnEnter;
    SaveOldCellValue(Col(), Row());
    FValidating = false;
  }};
  const int C = RealColIndex(FOldCol), R = FOldRow;
  FNewCellText = NewValue;
  if (NewValue == FOldCellText && !AlwaysValidate) return valid;
  const bool changed = NewValue != FOldCellText;
  FNavigation->AdvanceOnEnter = false;
  QString value = NewValue;
  if (FCellChecker && FCellChecker->AutoCorrect) value = FCellChecker->Correct(C, R, value);
  if (OnCellValidate) OnCellValidate(this, C, R, value, valid);
  if (value != FOldCellText) {
    Modified = true;
    if (FixedCols() > 0) {
      SetRowModified(RealRowIndex(Row()), true);
      if (FShowModified->Enabled) InvalidateCell(0, Row());
    }
  }
  if (FCellChecker && FCellChecker->AutoMarkError) value = FCellChecker->MarkError(C, R, value);
  if (valid && UndoRedo()) UndoRedo()->RegisterChange(C, R, FOldCellText, value);
  FNavigation->AdvanceOnEnter = advanceOnEnter;
  FNewCellText = value;
  if (valid) {
    // Stored before the footer and the notifiers run, so both read the new text.
    SetCellEx(C, R, value);
    if (const TPoint base = BaseCell(C, R); base.X != C || base.Y != R) SetCellEx(base.X, base.Y, value);
    CellEdited(C, R);
    if (changed) DoCellsChanged(TRect(C, R, C, R));
  } else {
    RefuseValidatedValue(C, R, NewValue, value);
  }
  FOldCellText = GetCellEx(C, R);
  return valid;
}

void TPlexStringGrid::RefuseValidatedValue(int C, int R, const QString& NewValue, const QString& Value) {
  FLastValidation = false;
  const QString shown = Value != NewValue ? Value : FOldCellText;
  const int oldCol = FOldCol, oldRow = FOldRow;
  HideEditor();
  SetCellEx(C, R, shown);
  if (Col() != oldCol || Row() != oldRow) MoveColRow(oldCol, oldRow, true, true);
  FValidating = false;
  FEditing = true;
  ShowInplaceEdit();
  FValidating = true;
  ShowRefusalBalloon();
}

void TPlexStringGrid::ShowRefusalBalloon() {
  if (InvalidEntryTitle.isEmpty() && InvalidEntryText.isEmpty()) return;
  const TWinControl* target = FEditCtrl ? FEditCtrl : InplaceEditor();
  ShowEditBalloon(target, InvalidEntryTitle, InvalidEntryText, TEditBalloonIcon(InvalidEntryIcon));
}

bool TPlexStringGrid::ValidateCellWide(const QString& NewValue) {
  if (!FEditing || FValidating) return true;
  FEditing = false;
  FValidating = true;
  TFinally restore{[&] {
    SaveOldCellValue(Col(), Row());
    FValidating = false;
  }};
  const int C = RealColIndex(FOldCol), R = FOldRow;
  bool valid = true;
  if (NewValue != FOldCellTextWide || AlwaysValidate) {
    const bool changed = NewValue != FOldCellTextWide;
    QString value = NewValue;
    if (OnCellValidateWide) OnCellValidateWide(this, C, R, value, valid);
    if (valid) {
      SetWideCells(C, R, value);
    } else {
      const int oldCol = FOldCol, oldRow = FOldRow;
      HideEditor();
      SetWideCells(C, R, value != NewValue ? value : FOldCellTextWide);
      if (Col() != oldCol || Row() != oldRow) MoveColRow(oldCol, oldRow, true, true);
      FValidating = false;
      FEditing = true;
      ShowInplaceEdit();
      FValidating = true;
    }
    // The footer follows the text the cell holds now, the refused value's old text included.
    CellEdited(C, R);
    if (changed) {
      Modified = true;
      if (FShowModified->Enabled && FixedCols() > 0) {
        SetRowModified(RealRowIndex(FOldRow), true);
        InvalidateCell(0, FOldRow);
      }
      if (valid) DoCellsChanged(TRect(C, R, C, R));
    }
  }
  FOldCellTextWide = WideCells(C, R);
  return valid;
}
