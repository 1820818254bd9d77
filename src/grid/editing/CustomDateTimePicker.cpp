#include "grid/editing/CustomDateTimePicker.h"

#include "grid/foundation/GridUnitServices.h"
#include "platform/GdiDraw.h"
#include "platform/Graphics.h"

namespace {
// Registered once when the unit starts, before any picker exists.
const UINT DTPShiftFocus = RegisterWindowMessage("DTPShiftFocus");
constexpr TPickerLookRules CustomPickerLook{false, clBlack, 4, false, true};
}  // namespace

UINT DTPShiftFocusMessage() { return DTPShiftFocus; }

TCustomDateTimePicker::TCustomDateTimePicker(TComponent* AOwner) : TCustomDateTimePicker(AOwner, CustomPickerLook) {}

TCustomDateTimePicker::TCustomDateTimePicker(TComponent* AOwner, const TPickerLookRules& Rules)
    : TMetroDateTimePicker(AOwner, Rules) {}

int TCustomDateTimePicker::MeasureText(const QString& Text) const {
  TBitmap measure(1, 1);
  measure.Canvas().Font().Assign(Font());
  TRect r(0, 0, 1000, 200);
  DrawText(measure.Canvas(), Text, r, DT_CALCRECT | DT_SINGLELINE);
  return r.Width();
}

void TCustomDateTimePicker::RecordBeforeDigit() {
  if (Kind() != dtkTime) return;
  DecodeTime(DateTime(), Fh, Fm, Fs, Fms);
}

bool TCustomDateTimePicker::TimeChanged() const {
  int h, m, s, ms;
  DecodeTime(DateTime(), h, m, s, ms);
  return h != Fh || m != Fm || s != Fs;
}

void TCustomDateTimePicker::PostRight() { PostMessage(this, WM_KEYDOWN, VK_RIGHT, 0); }

void TCustomDateTimePicker::ShiftFocus() {
  if (Kind() == dtkTime && TimeChanged()) PostRight();
}

void TCustomDateTimePicker::KeyPress(QChar& Key) {
  const bool digit = FAutoTab && Key >= '0' && Key <= '9';
  if (digit) RecordBeforeDigit();
  TMetroDateTimePicker::KeyPress(Key);
  if (digit) PostMessage(this, DTPShiftFocus, 0, 0);
}

void TCustomDateTimePicker::WndProc(TMessage& m) {
  if (m.Msg == DTPShiftFocus) {
    ShiftFocus();
    return;
  }
  TMetroDateTimePicker::WndProc(m);
}

void InitDateTimePickerUnit() { (void)DTPShiftFocusMessage(); }
