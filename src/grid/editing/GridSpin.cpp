// The spin editor in its grid.
#include "grid/editing/GridSpin.h"

#include "grid/core/PlexStringGrid.h"
#include "platform/KeyboardState.h"

TGridSpin::TGridSpin(TComponent* AOwner)
    : TPsgSpinEdit(AOwner),
      IEditorKeyHost(dynamic_cast<TPlexStringGrid*>(AOwner)),
      FGrid(dynamic_cast<TPlexStringGrid*>(AOwner)),
      FLink(FGrid) {
  MinValue = 0;
  MaxValue = 100;
  Increment = 1;
}

void TGridSpin::WndProc(TMessage& Message) {
  if (Message.Msg == WM_CHAR && (Message.WParam == 9 || Message.WParam == 13)) {
    Message.WParam = 0;
    return;
  }
  // The spin steps its own paging and arrow keys in its window procedure; the
  // grid's keys come first.
  if (Message.Msg == WM_KEYDOWN &&
      (HandledKeys::Spin.Contains(WORD(Message.WParam)) || HandledKeys::SpinSteps.Contains(WORD(Message.WParam)))) {
    WORD key = WORD(Message.WParam);
    KeyDown(key, KeyboardShiftState());
    Message.WParam = key;
    if (key == 0) return;
  }
  TPsgSpinEdit::WndProc(Message);
}

void TGridSpin::KeyPress(QChar& Key) {
  if (Key == QChar(27) || Key == QChar(13)) {
    Key = QChar(0);
    return;
  }
  TPsgSpinEdit::KeyPress(Key);
}

bool TGridSpin::PageStep(WORD Key) {
  if (!HandledKeys::SpinSteps.Contains(Key)) return false;
  if (SpinType() == sptNormal) {
    const int v = Value();
    if (Key == VK_PRIOR && v + Increment <= MaxValue) SetValue(v + Increment);
    if (Key == VK_NEXT && v - Increment >= MinValue) SetValue(v - Increment);
    if (Key == VK_HOME) SetValue(MaxValue);
    if (Key == VK_END) SetValue(MinValue);
  } else if (SpinType() == sptFloat) {
    const double v = FloatValue();
    if (Key == VK_PRIOR && v + IncrementFloat <= MaxFloatValue) SetFloatValue(v + IncrementFloat);
    if (Key == VK_NEXT && v - IncrementFloat >= MinFloatValue) SetFloatValue(v - IncrementFloat);
    if (Key == VK_HOME) SetFloatValue(MaxFloatValue);
    if (Key == VK_END) SetFloatValue(MinFloatValue);
  }
  if (FGrid && FGrid->OnSpinClick)
    FGrid->OnSpinClick(FGrid, FGrid->Col(), FGrid->Row(), Value(), Key == VK_PRIOR || Key == VK_HOME);
  return true;
}

void TGridSpin::KeyDown(WORD& Key, TShiftState Shift) {
  if (PageStep(Key)) {
    Key = 0;
    return;
  }
  TKeyStepOptions options;
  options.TabAlwaysValidated = true;
  options.TabPostsKey = false;
  if (FLink.CommonKeyDown(*this, Key, Shift, HandledKeys::Spin, options) == TKeyStep::ToBase)
    TPsgSpinEdit::KeyDown(Key, Shift);
}

void TGridSpin::TakeBackCellText() {
  SetText(FLink.CellCache());
  // The value is read anew from the text, as the spin's type reads it.
  if (SpinType() == sptNormal) SetValue(Value());
  if (SpinType() == sptFloat) SetFloatValue(FloatValue());
}

void TGridSpin::ShowRefused(WORD) {
  SetText(FGrid->GetCurrentCell());
  CaretToEnd();
}

void TGridSpin::FireSpinClick(bool Up) {
  if (!FGrid) return;
  TPlexStringGrid& g = *FGrid;
  switch (SpinType()) {
    case sptNormal:
      if (g.OnSpinClick) g.OnSpinClick(&g, g.Col(), g.Row(), Value(), Up);
      break;
    case sptFloat:
      if (g.OnFloatSpinClick) g.OnFloatSpinClick(&g, g.Col(), g.Row(), FloatValue(), Up);
      break;
    case sptDate:
      if (g.OnDateSpinClick) g.OnDateSpinClick(&g, g.Col(), g.Row(), DateValue(), Up);
      break;
    case sptTime:
      if (g.OnTimeSpinClick) g.OnTimeSpinClick(&g, g.Col(), g.Row(), TimeValue(), Up);
      break;
  }
}

void TGridSpin::UpButtonClick(TObject* Sender) {
  TPsgSpinEdit::UpButtonClick(Sender);
  FireSpinClick(true);
}

void TGridSpin::DownButtonClick(TObject* Sender) {
  TPsgSpinEdit::DownButtonClick(Sender);
  FireSpinClick(false);
}

void TGridSpin::Change() {
  TPsgSpinEdit::Change();
  if (FGrid && Visible()) FLink.FireEditChange(Text());
}

void TGridSpin::DoExit() {
  if (FGrid) FGrid->HideInplaceEdit();
  TPsgSpinEdit::DoExit();
}
