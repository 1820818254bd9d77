// The common key steps of the cell editor wrappers and the grid operations
// they call. A refused value never closes an editor: the key is consumed,
// the editor shows what validation left and the grid does not advance.
#include "grid/editing/GridEditorLink.h"

#include "grid/core/PlexStringGrid.h"
#include "platform/SysUtils.h"

QChar KeyChar(WORD Key) {
  switch (Key) {
    case VK_RETURN: return QChar(13);
    case VK_ESCAPE: return QChar(27);
    case VK_TAB: return QChar(9);
    default: return QChar();
  }
}

bool NumberCharAccepted(bool Float, QChar Ch, const QString& Text, int Caret, const QString& SelText) {
  if (Ch.unicode() < 32 || (Ch >= QChar('0') && Ch <= QChar('9'))) return true;
  const bool minusFits = (Caret == 0 && !Text.contains('-')) || SelText.contains('-');
  if (Ch == QChar('-')) return minusFits;
  if (!Float) return false;
  const QChar decimal = FormatSettings().DecimalSeparator, thousand = FormatSettings().ThousandSeparator;
  if (Ch == decimal) return !Text.contains(decimal) || SelText.contains(decimal);
  if (Ch == thousand) return false;
  return Ch == QChar(',') || Ch == QChar('.');
}

void IEditorKeyHost::TakeBackCellText() { SetEditorText(FHostGrid->GetCurrentCell()); }

void IEditorKeyHost::ShowRefused(WORD Key) {
  SetEditorText(TGridEditorLink(FHostGrid).NewCellText());
  if (Key == VK_TAB)
    CaretToEnd();
  else
    SelectAllText();
}

void IEditorKeyHost::ShowAccepted(WORD) { SetEditorText(FHostGrid->GetCurrentCell()); }

TKeyStep TGridEditorLink::CommonKeyDown(IEditorKeyHost& Host, WORD& Key, TShiftState Shift, TKeySet Handled,
                                        const TKeyStepOptions& Options) {
  if (!FGrid || !Handled.Contains(Key)) return TKeyStep::ToBase;
  if (Key == VK_DOWN && Shift.Contains(ssAlt)) return TKeyStep::ToBase;
  TPlexStringGrid& grid = *FGrid;
  // a. Escape: the unchanged value is what the hiding commits.
  if (Key == VK_ESCAPE) {
    Host.TakeBackCellText();
    HideAndFocusGrid();
    Key = 0;
    return TKeyStep::Consumed;
  }
  // b and c: the validating keys.
  const bool tabValidates = Key == VK_TAB && (Options.TabAlwaysValidated || grid.ValidatesOnTab());
  const bool arrowValidates = (Key == VK_UP || Key == VK_DOWN) && Options.ArrowsValidate;
  if (Key == VK_RETURN || arrowValidates || tabValidates) {
    if (!ValidateText(Host.EditorText())) {
      Host.ShowRefused(Key == VK_TAB && Options.RefusedTabCaretAtEnd ? VK_TAB : VK_RETURN);
      Host.RepaintEditor();
      grid.NoAutoAdvance = true;
      Key = 0;
      return TKeyStep::Consumed;
    }
    Host.ShowAccepted(Key);
    if (Key == VK_TAB && grid.Options().Contains(goTabs)) {
      HideAndFocusGrid();
      grid.NavigateFromEditor(Shift.Contains(ssShift));
      Key = 0;
      return TKeyStep::Consumed;
    }
    if (Key == VK_TAB && Options.TabPostsKey) PostMessage(&grid, WM_KEYDOWN, VK_TAB, 0);
  }
  // d. A popup closes with the editor; its paging and arrow keys end there.
  if (Options.PopupStep) {
    const bool direct = grid.MouseActions().DirectComboClose;
    grid.MouseActions().DirectComboClose = false;
    grid.HideInplaceEdit();
    grid.MouseActions().DirectComboClose = direct;
    if (HandledKeys::PopupSwallowed.Contains(Key)) {
      Host.AfterPopupKey(Key);
      Key = 0;
      return TKeyStep::Consumed;
    }
  } else if (Key == VK_END && Options.EndToBaseWhenClosed) {
    return TKeyStep::ToBase;
  }
  // e. The cell is left as the key says.
  DoneAndMaybeReopen(Key, Shift, Options.ReopenAfterDone);
  Key = 0;
  return TKeyStep::Consumed;
}

bool TGridEditorLink::ValidateText(const QString& Text) {
  TPlexStringGrid& grid = *FGrid;
  // Storing the text must not count as a second edit being validated.
  grid.FValidating = true;
  grid.SetCurrentCell(Text);
  grid.FValidating = false;
  return grid.ValidateCell(Text);
}

void TGridEditorLink::HideAndFocusGrid() {
  FGrid->HideInplaceEdit();
  if (FGrid->CanFocus()) FGrid->SetFocus();
}

void TGridEditorLink::FocusGridQuietly() {
  TNavigation& nav = FGrid->Navigation();
  const bool alwaysEdit = nav.AlwaysEdit;
  nav.AlwaysEdit = false;
  if (FGrid->CanFocus()) FGrid->SetFocus();
  nav.AlwaysEdit = alwaysEdit;
}

void TGridEditorLink::GridKeyDown(WORD Key, TShiftState Shift) { FGrid->KeyDown(Key, Shift); }

void TGridEditorLink::NavigateFromEditor(bool Backward) { FGrid->NavigateFromEditor(Backward); }

void TGridEditorLink::AdvanceFromEditor() {
  FGrid->MoveToNextCell(FGrid->Col(), FGrid->Row(), false, true, true, false, false);
}

void TGridEditorLink::DoneAndMaybeReopen(WORD Key, TShiftState Shift, bool Reopen) {
  FGrid->DoneInplaceEdit(Key, Shift);
  const TNavigation& nav = FGrid->Navigation();
  if (Reopen && nav.AdvanceOnEnter && nav.AdvanceAutoEdit) FGrid->ShowInplaceEdit();
}

// The caret walk out of an editor: a forced move along the row, whatever way
// Enter advances, skipping what cannot be edited.
void TGridEditorLink::WalkToColumn(int Direction) {
  TPlexStringGrid& grid = *FGrid;
  if (grid.CanFocus()) grid.SetFocus();
  grid.HideInplaceEdit();
  TNavigation& nav = grid.Navigation();
  const TAdvanceDirection direction = nav.AdvanceDirection();
  nav.SetAdvanceDirection(adLeftRight);
  grid.MoveToNextCell(grid.Col(), grid.Row(), true, true, Direction > 0, false, true);
  nav.SetAdvanceDirection(direction);
  if (nav.CursorWalkAlwaysEdit) grid.ShowInplaceEdit();
}

void TGridEditorLink::FireKeyPress(TObject* Sender, QChar& Key) {
  if (FGrid && FGrid->OnKeyPress) FGrid->OnKeyPress(Sender, Key);
}

void TGridEditorLink::FireEditChange(const QString& Text) {
  if (FGrid && FGrid->OnEditChange) FGrid->OnEditChange(FGrid, FGrid->Col(), FGrid->Row(), Text);
}

void TGridEditorLink::SetNoAutoAdvance(bool Value) {
  if (FGrid) FGrid->NoAutoAdvance = Value;
}

QString TGridEditorLink::NewCellText() const { return FGrid ? FGrid->FNewCellText : QString(); }

void TGridEditorLink::RestoreEditorType(int Type) {
  if (FGrid) FGrid->FEditControl = TEditorType(Type);
}

QString TGridEditorLink::CellCache() const { return FGrid ? FGrid->FCellCache : QString(); }

bool TGridEditorLink::OpenedByClick() const { return FGrid && FGrid->FClickedToEdit; }

void TGridEditorLink::ClearOpenedByClick() {
  if (FGrid) FGrid->FClickedToEdit = false;
}
