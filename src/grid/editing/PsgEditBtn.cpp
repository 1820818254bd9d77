#include "grid/editing/PsgEditBtn.h"

#include "platform/SystemProbes.h"

TPsgEditBtn::TPsgEditBtn(TComponent* AOwner) : TCustomMaskEdit(AOwner) {
  FButton = new TPsgEditButton(this);  // owned by the edit
  FButton->SetParent(this);
  FButton->SetBounds(0, 0, 18, 18);
  FButton->SetFocusControl(this);
  FButton->OnClick = [this](TObject* s) { SideButtonClick(s); };
  SetText("0");
  Relayout();
}

TPsgEditBtn::~TPsgEditBtn() { FButton = nullptr; }  // the owner frees the side button

void TPsgEditBtn::SideButtonClick(TObject* Sender) {
  if (OnClickBtn) OnClickBtn(Sender);
}

void TPsgEditBtn::SetButtonWidth(int Value) {
  FButtonWidth = Value;
  FButton->SetWidth(Value);
  Relayout();
}

void TPsgEditBtn::SetRightAlign(bool Value) {
  if (Value == FRightAlign) return;
  FRightAlign = Value;
  SetEditStyle(Value ? ES_RIGHT : ES_LEFT);
}

void TPsgEditBtn::SetIsWinXP(bool Value) {
  FIsWinXP = Value;
  FButton->Button()->IsWinXP = Value;
  FButton->Invalidate();
}

int TPsgEditBtn::MinEditHeight() const {
  TBitmap measure(1, 1);
  measure.Canvas().Font().Assign(Font());
  const int F = measure.Canvas().TextHeight("0");
  return F + std::min(F, SystemFontHeight()) / 4;
}

void TPsgEditBtn::SetEditRect() {
  const int M = BorderStyle() == bsNone ? 3 : 1;
  int right = ClientWidth() - FButton->Width() - 5 - FUnitWidth;
  if (FUnitWidth > 0) right -= 3;
  TRect r(M, M, right, ClientHeight() + 1);
  Perform(EM_SETRECTNP, 0, LPARAM(&r));
}

void TPsgEditBtn::Relayout() {
  if (!FButton) return;
  const int D = BorderStyle() == bsNone ? 1 : 5;
  FButton->SetBounds(Width() - FButton->Width() - D, 0, FButton->Width(), Height() - D);
  SetEditRect();
}

void TPsgEditBtn::KeyDown(WORD& Key, TShiftState Shift) {
  TCustomMaskEdit::KeyDown(Key, Shift);
  if (Key == VK_F4 && !Shift.Contains(ssCtrl) && !Shift.Contains(ssAlt)) SideButtonClick(this);
}

void TPsgEditBtn::DoEnter() {
  if (AutoSelect && !LeftMouseButtonHeld()) SelectAll();
  TCustomMaskEdit::DoEnter();
}

void TPsgEditBtn::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_CHAR:
      // Typing is dropped silently while the editor is off (the spin edit beeps; this does not).
      if (!EditorEnabled) {
        m.WParam = 0;
        return;
      }
      break;
    case WM_CUT:
    case WM_PASTE:
      if (!EditorEnabled || ReadOnly()) return;
      break;
    case WM_SIZE:
      if (Height() < MinEditHeight()) {
        SetHeight(MinEditHeight());
        return;
      }
      TCustomMaskEdit::WndProc(m);
      Relayout();
      return;
    default: break;
  }
  TCustomMaskEdit::WndProc(m);
}
