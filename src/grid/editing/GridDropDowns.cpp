// The drop-down editors' keys, typed characters, focus and text changes in
// their grid.
#include "grid/editing/GridDropDowns.h"

#include "grid/core/PlexStringGrid.h"
#include "platform/FindControl.h"
#include "platform/FocusQuery.h"

template <class TBase>
TGridDropDownWrapper<TBase>::TGridDropDownWrapper(TComponent* AOwner)
    : TBase(AOwner),
      IEditorKeyHost(dynamic_cast<TPlexStringGrid*>(AOwner)),
      FGrid(dynamic_cast<TPlexStringGrid*>(AOwner)),
      FLink(FGrid) {}

template <class TBase>
void TGridDropDownWrapper<TBase>::SetEditorText(const QString& Text) {
  FSettingText = true;
  if (FormattedTexts())
    this->SetText(Text);
  else
    this->SetPlainText(Text);
  FSettingText = false;
}

template <class TBase>
void TGridDropDownWrapper<TBase>::KeyDown(WORD& Key, TShiftState Shift) {
  if (!FGrid || !this->Visible()) {
    TBase::KeyDown(Key, Shift);
    return;
  }
  if (Key == VK_RETURN) BeforeEnter();
  TKeyStepOptions options;
  options.PopupStep = this->DroppedDown();
  options.ArrowsValidate = ArrowsValidate();
  if (FLink.CommonKeyDown(*this, Key, Shift, KeysHandled(), options) == TKeyStep::ToBase) TBase::KeyDown(Key, Shift);
}

template <class TBase>
void TGridDropDownWrapper<TBase>::KeyPress(QChar& Key) {
  FLink.FireKeyPress(this, Key);
  if (Key == QChar(27) || Key == QChar(13) || Key == QChar(9)) {
    Key = QChar(0);
    return;
  }
  TBase::KeyPress(Key);
}

template <class TBase>
void TGridDropDownWrapper<TBase>::DoEnter() {
  TBase::DoEnter();
  if (!FGrid || !CaretUnderPointer() || !FOpenedByClick) return;
  const TPoint p = this->ScreenToClient(CursorPos());
  if (p.X < 0 || p.Y < 0 || p.X > this->Width() || p.Y > this->Height()) return;
  this->SetSelStart(this->CharFromPos(p));
  this->SetSelLength(0);
  FLink.ClearOpenedByClick();
  FOpenedByClick = false;
}

template <class TBase>
void TGridDropDownWrapper<TBase>::DoExit() {
  // Showing the popup may take the window's activation and the focus into
  // the popup: only a move to another control of the form leaves the editor.
  TWinControl* to = FindFocusedControl();
  const bool toPopup = this->DroppedDown() && (!to || this->PopupHolds(to));
  if (FGrid && this->Visible() && !toPopup) FGrid->HideInplaceEdit();
  TBase::DoExit();
}

template <class TBase>
void TGridDropDownWrapper<TBase>::Change() {
  TBase::Change();
  // Only what the user changes while the editor is open is reported.
  if (FGrid && this->Visible() && !FSettingText && FGrid->EditMode()) FLink.FireEditChange(this->Text());
}

void TGridMemoDropDown::TakeBackCellText() {
  if (!FGrid) return;
  FGrid->UndoCellEdit();
  SetEditorText(FGrid->GetCurrentCell());
}

template class TGridDropDownWrapper<TPlexTrackBarDropDown>;
template class TGridDropDownWrapper<TPlexMemoDropDown>;
template class TGridDropDownWrapper<TPlexCalculatorDropdown>;
template class TGridDropDownWrapper<TPlexTimePickerDropDown>;
template class TGridDropDownWrapper<TPlexMultiColumnDropDown>;
template class TGridDropDownWrapper<TCustomPlexGridDropDown>;
template class TGridDropDownWrapper<TPlexDetailDropDown>;
template class TGridDropDownWrapper<TPlexColorPickerDropDown>;
template class TGridDropDownWrapper<TPlexImagePickerDropDown>;
