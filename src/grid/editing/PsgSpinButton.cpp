#include "grid/editing/PsgSpinButton.h"

#include "platform/Resources.h"

#include <QtGlobal>

#include <algorithm>

// Outside any namespace: the macro declares the resource's own initialiser.
static void InitGridResources() { Q_INIT_RESOURCE(grid); }

bool LoadGridGlyph(TBitmap& Bitmap, const QString& Name) {
  static const bool initialised = (InitGridResources(), true);
  (void)initialised;
  try {
    LoadBitmapResource(Bitmap, Name);
    return true;
  } catch (const EResNotFound&) {
    return false;
  }
}

TPsgSpinButton::TPsgSpinButton(TComponent* AOwner) : TWinControl(AOwner) {
  FUpButton = CreateArrowButton();
  FDownButton = CreateArrowButton();
  FUpButton->ButtonDirection = bdUp;
  FDownButton->ButtonDirection = bdDown;
  SetUpGlyph(nullptr);
  SetDownGlyph(nullptr);
  FFocusedButton = FUpButton;
  SetBounds(0, 0, 15, 25);
}

TPlexTimerSpeedButton* TPsgSpinButton::CreateArrowButton() {
  auto* button = new TPlexTimerSpeedButton(this);  // owned by the pair
  button->SetParent(this);
  button->TimeBtnState = {tbAllowTimer};
  button->OnClick = [this](TObject* s) { ArrowClick(s); };
  button->OnMouseDown = [this](TObject* s, TMouseButton b, TShiftState, int, int) { ArrowMouseDown(s, b); };
  return button;
}

void TPsgSpinButton::SetFocusControl(TWinControl* Value) {
  if (FFocusControl) RemoveFreeNotification(FFocusControl);
  FFocusControl = Value;
  if (Value) FreeNotification(Value);
}

void TPsgSpinButton::Notification(TComponent* AComponent, TOperation Operation) {
  TWinControl::Notification(AComponent, Operation);
  if (Operation == TOperation::opRemove && AComponent == FFocusControl) FFocusControl = nullptr;
}

void TPsgSpinButton::SetDirection(TSpinDirection Value) {
  if (Value == FDirection) return;
  FDirection = Value;
  const bool horizontal = Value == spHorizontal;
  FUpButton->ButtonDirection = horizontal ? bdRight : bdUp;
  FDownButton->ButtonDirection = horizontal ? bdLeft : bdDown;
  SetWidth(horizontal ? 20 : 15);
  AdjustButtonSize(Width(), Height());
  Invalidate();
}

void TPsgSpinButton::SetUpGlyph(const TBitmap* Value) {
  if (Value) {
    FUpButton->SetGlyph(Value);
    return;
  }
  TBitmap glyph;
  LoadGridGlyph(glyph, "PsgSpinUp");
  FUpButton->SetGlyph(&glyph);
  FUpButton->SetNumGlyphs(1);
}

void TPsgSpinButton::SetDownGlyph(const TBitmap* Value) {
  if (Value) {
    FDownButton->SetGlyph(Value);
    return;
  }
  TBitmap glyph;
  LoadGridGlyph(glyph, "PsgSpinDown");
  FDownButton->SetGlyph(&glyph);
  FDownButton->SetNumGlyphs(1);
}

void TPsgSpinButton::SetIsWinXP(bool Value) {
  FIsWinXP = Value;
  FUpButton->IsWinXP = Value;
  FDownButton->IsWinXP = Value;
  Invalidate();
}

int TPsgSpinButton::AdjustButtonSize(int W, int H) {
  if (!FUpButton || !FDownButton) return W;
  if (FDirection == spVertical) {
    W = std::max(W, 15);
    const int upHeight = H / 2;
    FUpButton->SetBounds(0, 0, W, upHeight);
    FDownButton->SetBounds(0, upHeight - 1, W, H - upHeight + 1);  // overlapping by one pixel
  } else {
    W = std::max(W, 20);
    FDownButton->SetBounds(0, 0, W / 2, H);
    FUpButton->SetBounds(W / 2 + 1, 0, W / 2, H);
  }
  return W;
}

void TPsgSpinButton::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  TWinControl::SetBounds(ALeft, ATop, AdjustButtonSize(AWidth, AHeight), AHeight);
}

void TPsgSpinButton::Loaded() { SetBounds(Left(), Top(), Width(), Height()); }

void TPsgSpinButton::ArrowClick(TObject* Sender) {
  if (Sender == FUpButton && OnUpClick)
    OnUpClick(this);
  else if (Sender == FDownButton && OnDownClick)
    OnDownClick(this);
}

void TPsgSpinButton::ArrowMouseDown(TObject* Sender, TMouseButton Button) {
  if (Button != mbLeft) return;
  FocusArrowButton(static_cast<TPlexTimerSpeedButton*>(Sender));
  if (FFocusControl && FFocusControl->TabStop() && FFocusControl->CanFocus() && !FFocusControl->Focused())
    FFocusControl->SetFocus();
  else if (TabStop() && !Focused() && CanFocus())
    SetFocus();
}

void TPsgSpinButton::FocusArrowButton(TPlexTimerSpeedButton* Button) {
  if (!TabStop() || !CanFocus() || Button == FFocusedButton) return;
  FFocusedButton->TimeBtnState.Exclude(tbFocusRect);
  FFocusedButton = Button;
  if (Focused()) FFocusedButton->TimeBtnState.Include(tbFocusRect);
  Invalidate();
}

void TPsgSpinButton::KeyDown(WORD& Key, TShiftState Shift) {
  TWinControl::KeyDown(Key, Shift);
  switch (Key) {
    case VK_SPACE: FFocusedButton->Click(); break;
    // The step is the pair's: the key goes no further, or the edit around
    // the pair would step a second time.
    case VK_UP:
      FocusArrowButton(FUpButton);
      FUpButton->Click();
      Key = 0;
      break;
    case VK_DOWN:
      FocusArrowButton(FDownButton);
      FDownButton->Click();
      Key = 0;
      break;
    default: break;
  }
}

void TPsgSpinButton::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_GETDLGCODE: m.Result = DLGC_WANTARROWS; return;
    case WM_SETFOCUS:
      FFocusedButton->TimeBtnState.Include(tbFocusRect);
      FFocusedButton->Invalidate();
      break;
    case WM_KILLFOCUS:
      FFocusedButton->TimeBtnState.Exclude(tbFocusRect);
      FFocusedButton->Invalidate();
      break;
    default: break;
  }
  TWinControl::WndProc(m);
}
