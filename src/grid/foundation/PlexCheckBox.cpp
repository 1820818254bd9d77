#include "grid/foundation/PlexCheckBox.h"

#include "grid/foundation/OfficeTheme.h"
#include "platform/PopupWindows.h"
#include "platform/Property.h"

namespace {

// The area Down and hover changes repaint: the box with its margin.
const TRect BoxArea(0, 0, 16, 16);
constexpr int BoxStrip = 20;

// Whether Key is the character after a single '&' of the caption.
bool IsAccel(QChar Key, const QString& Caption) {
  for (int i = 0; i + 1 < Caption.size(); ++i) {
    if (Caption[i] != '&') continue;
    if (Caption[i + 1] == '&') {
      ++i;
      continue;
    }
    return Caption[i + 1].toUpper() == Key.toUpper();
  }
  return false;
}

}  // namespace

TPlexCheckBox::TPlexCheckBox(TComponent* AOwner)
    : TCustomControl(AOwner), FIsWinXP(IsWinXPOrLater()), FBkgBmp(std::make_unique<TBitmap>()) {
  SetBounds(Left(), Top(), 98, 20);
  SetCaption("TPlexCheckBox");
}

TPlexCheckBox::~TPlexCheckBox() = default;

void TPlexCheckBox::Toggle() {
  if (!FReadOnly) SetChecked(!Checked());
}

void TPlexCheckBox::SetState(TCheckBoxState Value) {
  SetProperty(FState, Value, [this] {
    InvalidateRect(FAlignment == taRightJustify ? TRect(Width() - BoxStrip, 0, Width(), Height())
                                                : TRect(0, 0, BoxStrip, Height()));
  });
}

void TPlexCheckBox::SetChecked(bool Value) {
  SetState(Value ? cbChecked : cbUnchecked);
  Invalidate();
}

void TPlexCheckBox::SetDown(bool Value) { SetProperty(FDown, Value); }

void TPlexCheckBox::SetButtonVertAlign(TTextLayout Value) {
  SetProperty(FBtnVAlign, Value, [this] { Invalidate(); });
}
void TPlexCheckBox::SetAlignment(TAlignment Value) {
  SetProperty(FAlignment, Value, [this] { Invalidate(); });
}
void TPlexCheckBox::SetEllipsis(bool Value) {
  SetProperty(FEllipsis, Value, [this] { Invalidate(); });
}

void TPlexCheckBox::SetTransparent(bool Value) {
  SetProperty(FTransparent, Value, [this] { FBkgCache = false; });
  Repaint();
}

void TPlexCheckBox::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  TCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
  if (FTransparent) {
    FBkgCache = false;
    Repaint();
  }
}

void TPlexCheckBox::EnabledChanged() {
  TCustomControl::EnabledChanged();
  Invalidate();
}

void TPlexCheckBox::DoEnter() {
  FFocused = true;
  Invalidate();
  TCustomControl::DoEnter();
}

void TPlexCheckBox::DoExit() {
  FFocused = false;
  Invalidate();
  TCustomControl::DoExit();
}

void TPlexCheckBox::MouseEnter() {
  FHot = true;
  InvalidateRect(BoxArea);
  TCustomControl::MouseEnter();
}

void TPlexCheckBox::MouseLeave() {
  FHot = false;
  InvalidateRect(BoxArea);
  TCustomControl::MouseLeave();
}

void TPlexCheckBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  FMouseDown = true;
  if (!FFocused && CanFocus()) {
    SetFocus();
    FFocused = true;
  }
  TCustomControl::MouseDown(Button, Shift, X, Y);
  SetMouseCapture(true);
  FCaptured = true;
  SetDown(true);
  if (FIsWinXP) InvalidateRect(BoxArea);
}

void TPlexCheckBox::MouseMove(TShiftState Shift, int X, int Y) {
  if (FCaptured) SetDown(Inside(X, Y));
  TCustomControl::MouseMove(Shift, X, Y);
}

void TPlexCheckBox::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  SetMouseCapture(false);
  FCaptured = false;
  SetDown(false);
  if (Inside(X, Y) && FFocused && FMouseDown) {
    Toggle();
    Click();
  }
  FMouseDown = false;
  TCustomControl::MouseUp(Button, Shift, X, Y);
  if (FIsWinXP) InvalidateRect(BoxArea);
}

void TPlexCheckBox::KeyDown(WORD& Key, TShiftState Shift) {
  const bool returnAsTab = Key == VK_RETURN && FReturnIsTab;
  if (returnAsTab) {
    Key = VK_TAB;
    PostKeyStroke(this, VK_TAB);
  }
  if (Key == VK_SPACE) SetDown(true);
  TCustomControl::KeyDown(Key, Shift);
  // The posted Tab moves the focus; the Return itself goes no further (no default button).
  if (returnAsTab) Key = 0;
}

void TPlexCheckBox::KeyUp(WORD& Key, TShiftState) {
  if (Key != VK_SPACE) return;
  SetDown(false);
  Toggle();
  Click();
}

bool TPlexCheckBox::DialogChar(QChar Key) {
  if (!IsAccel(Key, Caption()) || !CanFocus()) return false;
  Toggle();
  if (TabStop()) SetFocus();
  return true;
}

void TPlexCheckBox::WndProc(TMessage& Message) {
  if (Message.Msg == CM_DIALOGCHAR && DialogChar(QChar(char16_t(Message.WParam)))) {
    Message.Result = 1;
    return;
  }
  TCustomControl::WndProc(Message);
}
