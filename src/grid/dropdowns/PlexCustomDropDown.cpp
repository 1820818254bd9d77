// Opening, placing and closing the popup of a drop-down edit, and the keys of
// the edit that drive it.
#include "grid/dropdowns/PlexCustomDropDown.h"

#include "grid/dropdowns/DropDownDrawing.h"
#include "platform/Messages.h"
#include "platform/PopupWindows.h"

#include <algorithm>

namespace {
// Below these the popup is not shown smaller.
constexpr int MinPopupWidth = 80;
constexpr int MinPopupHeight = 50;
// The band of the right and bottom edges that sizes a sizeable popup.
constexpr int SizeCornerBand = 10;
constexpr int SurfaceGradientSteps = 80;
}  // namespace

TDropDownForm::TDropDownForm(TPlexCustomDropDown* Edit) : TPanel(Edit), FDropDown(Edit) {
  SetParent(Edit);
  BevelOuter = bvNone;
  ShowCaption = false;
  SetColor(clWhite);
  SetVisible(false);
  SetWindowStyles(this, WS_POPUP, WS_EX_TOPMOST | WS_EX_TOOLWINDOW);
}

int TDropDownForm::HitTest(int X, int Y) const {
  if (!FDropDown->DropDownSizeable()) return 0;
  return X >= Width() - SizeCornerBand && Y >= Height() - SizeCornerBand ? int(HTBOTTOMRIGHT) : 0;
}

void TDropDownForm::Paint() {
  TCanvas& c = Canvas();
  const TRect r = ClientRect();
  if (FDropDown->DropDownColorTo != clNone) {
    FDropDown->DrawBackground(c, FDropDown->DropDownColor(), FDropDown->DropDownGradient, r, SurfaceGradientSteps,
                              FDropDown->DropDownColorTo);
  } else {
    c.Brush().Style = bsSolid;
    c.Brush().Color = FDropDown->DropDownColor();
    c.FillRect(r);
  }
  const int w = FDropDown->DropDownBorderWidth();
  if (w <= 0 || FDropDown->DropDownBorderColor() == clNone) return;
  // A wide pen drawn on the rectangle moved in by half its width lies wholly
  // inside the popup; the canvas already draws wide frames inside the rectangle.
  c.Brush().Style = bsClear;
  c.Pen().Style = psSolid;
  c.Pen().Color = FDropDown->DropDownBorderColor();
  c.Pen().Width = w;
  c.Rectangle(r);
  c.Pen().Width = 1;
  c.Brush().Style = bsSolid;
}

void TDropDownForm::WndProc(TMessage& Message) {
  if (Message.Msg == WM_NCHITTEST) {
    const int x = short(Message.LParam & 0xFFFF), y = short((Message.LParam >> 16) & 0xFFFF);
    const TPoint p = ScreenToClient(TPoint(x, y));
    Message.Result = HitTest(p.X, p.Y);
    return;
  }
  TPanel::WndProc(Message);
}

TPlexCustomDropDown::TPlexCustomDropDown(TComponent* AOwner) : TCustomMaskEdit(AOwner) {
  SetBounds(Left(), Top(), 200, 21);
  FDropDownForm = new TDropDownForm(this);
  SetSelectionColorStyle(scOffice2007);
  SetComponentStyle(tsOffice2007Luna);
}

TPlexCustomDropDown::~TPlexCustomDropDown() = default;

void TPlexCustomDropDown::SetText(const QString& Value) {
  FOldText = Value;
  TCustomMaskEdit::SetText(FormatText(Value));
}

bool TPlexCustomDropDown::PopupHolds(const TControl* Control) const {
  for (const TControl* c = Control; c; c = c->Parent())
    if (c == FDropDownForm) return true;
  return false;
}

void TPlexCustomDropDown::HeaderButtonClick(int ButtonIndex) {
  if (OnDropDownHeaderButtonClick) OnDropDownHeaderButtonClick(this, ButtonIndex);
}

void TPlexCustomDropDown::FooterButtonClick(int ButtonIndex) {
  if (OnDropDownFooterButtonClick) OnDropDownFooterButtonClick(this, ButtonIndex);
}

void TPlexCustomDropDown::DoBeforeDropDown() {
  if (OnBeforeDropDown) OnBeforeDropDown(this);
}

void TPlexCustomDropDown::SizeDropDownForm() {
  int width = DropDownWidth > 0 ? DropDownWidth : Width();
  if (DropDownWidth <= 0 && FControl && FControl->Visible()) width = std::max(width, FControl->Width());
  const int border = std::max(0, FDropDownBorderWidth);
  int height = DropDownHeight;
  if (height <= 0) height = 2 * border + (FControl && FControl->Visible() ? FControl->Height() : 0);
  width = std::max(width, MinPopupWidth);
  height = std::max(height, MinPopupHeight);
  FDropDownForm->SetBounds(FDropDownForm->Left(), FDropDownForm->Top(), width, height);
  if (FControl)
    FControl->SetBounds(border, border, width - 2 * border, height - 2 * border);
}

void TPlexCustomDropDown::DoShowDropDown() {
  if (FDroppedDown || !Enabled() || ReadOnly() || !Parent()) return;
  DoBeforeDropDown();
  if (FControl && FControl->Parent() != FDropDownForm) FControl->SetParent(FDropDownForm);
  SizeDropDownForm();
  bool accept = true;
  if (OnDropDown) OnDropDown(this, accept);
  if (!accept) return;
  // Under the edit, overlapping its last pixel row.
  const TPoint below = ClientToScreen(TPoint(0, Height() - 1));
  FDroppedDown = true;
  FOldText = Text();
  MoveWindow(FDropDownForm, below.X, below.Y, FDropDownForm->Width(), FDropDownForm->Height());
  FDropDownForm->SetVisible(true);
  ShowWindow(FDropDownForm, true);
}

void TPlexCustomDropDown::DoHideDropDown(bool Cancel) {
  if (!FDroppedDown) return;
  FDropDownForm->SetVisible(false);
  ShowWindow(FDropDownForm, false);
  AfterHideDropDown();
  if (Cancel) TCustomMaskEdit::SetText(FormatText(FOldText));
  if (OnDropUp) OnDropUp(this, Cancel);
}

void TPlexCustomDropDown::AfterHideDropDown() { FDroppedDown = false; }

void TPlexCustomDropDown::TogglePopup() {
  if (FDroppedDown)
    DoHideDropDown(false);
  else
    DoShowDropDown();
}

void TPlexCustomDropDown::KeyDown(WORD& Key, TShiftState Shift) {
  if ((Key == VK_UP || Key == VK_DOWN) && Shift.Contains(ssAlt)) {
    TogglePopup();
    Key = 0;
    return;
  }
  if (!ReadOnly()) {
    if (Key == VK_RETURN) DoHideDropDown(false);
    if (Key == VK_ESCAPE) DoHideDropDown(true);
    if (Key == VK_F4) {
      TogglePopup();
      Key = 0;
      return;
    }
  }
  if (!FEditorEnabled && Key != VK_RETURN && Key != VK_ESCAPE) {
    Key = 0;
    return;
  }
  TCustomMaskEdit::KeyDown(Key, Shift);
}

void TPlexCustomDropDown::KeyPress(QChar& Key) {
  // With typing off the edit only shows the value.
  if (!FEditorEnabled && Key.unicode() >= 32) Key = QChar(0);
  TCustomMaskEdit::KeyPress(Key);
  if (Key == QChar(13)) Key = QChar(0);
}

void TPlexCustomDropDown::DoEnter() {
  TCustomMaskEdit::DoEnter();
  FOldText = Text();
  if (AutoSelect) SelectAll();
}

bool TPlexCustomDropDown::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
  const bool handled = TCustomMaskEdit::DoMouseWheel(Shift, WheelDelta, MousePos);
  if (WheelDelta < 0)
    DoSelectNext();
  else
    DoSelectPrevious();
  return handled;
}
