// The spin edit's keyboard: the character filter, the stepping keys, Enter
// as Tab, and the clipboard and focus messages.
#include "grid/editing/PsgSpinEdit.h"

#include "platform/SystemProbes.h"

bool TPsgSpinEdit::AcceptsKey(QChar& Key) {
  const TFormatSettings& fs = FormatSettings();
  const char16_t k = Key.unicode();
  if (k == 8) return EditorEnabled;
  const bool number = Key.isNumber();
  bool accepted = Key == fs.DecimalSeparator || Key == fs.ThousandSeparator || Key == fs.TimeSeparator ||
                  Key == fs.DateSeparator || number || Key == '-' || (k < 32 && k != 13);
  // A separator of another kind counts only where it doubles as a number character.
  auto foreignSeparator = [&](QChar separator) {
    const bool doubles =
        separator == fs.DecimalSeparator || separator == fs.ThousandSeparator || separator == '-' || separator == '+';
    return doubles && (FSpinType == sptNormal || FSpinType == sptFloat);
  };
  if (Key == fs.TimeSeparator && FSpinType != sptTime) accepted = foreignSeparator(fs.TimeSeparator);
  if (Key == fs.DateSeparator && FSpinType != sptDate) accepted = foreignSeparator(fs.DateSeparator);
  if (Key == '-') accepted = SelStart() == 0 && (!Text().contains('-') || SelText().contains('-'));
  if (FSpinType == sptNormal) accepted = accepted && (number || Key == '-');
  if (FSpinType == sptFloat && k != 27 && k != 13 && k != 8) {
    if (Key == fs.ThousandSeparator) accepted = false;
    if (Key == fs.DecimalSeparator && Text().contains(fs.DecimalSeparator) && !SelText().contains(fs.DecimalSeparator))
      accepted = false;
    const int P = int(Text().indexOf(fs.DecimalSeparator)) + 1;  // 1-based, 0 when none
    // No more decimals than Precision after the separator.
    if (FPrecision > 0 && P > 0 && SelStart() >= P && SelLength() == 0 && accepted && Text().size() >= P + FPrecision)
      accepted = false;
  }
  if (FSpinType == sptTime && Key == fs.TimeSeparator && Text().count(fs.TimeSeparator) >= 2) accepted = false;
  if (!EditorEnabled && accepted && !(k < 32 && k != 8)) accepted = false;
  return accepted;
}

void TPsgSpinEdit::KeyPress(QChar& Key) {
  if (!AcceptsKey(Key)) {
    Key = QChar(0);
    MessageBeep(MB_OK_BEEP);
  }
  if (Key != QChar(0)) TCustomMaskEdit::KeyPress(Key);
}

void TPsgSpinEdit::KeyDown(WORD& Key, TShiftState Shift) {
  if (Key == VK_RETURN && ReturnIsTab) {
    Key = VK_TAB;
    ++FPendingTabs;
    PostMessage(this, WM_KEYDOWN, VK_TAB, 0);
  }
  if (Key == VK_DELETE && !EditorEnabled) Key = 0;
  TCustomMaskEdit::KeyDown(Key, Shift);
}

void TPsgSpinEdit::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_KEYDOWN:
      switch (m.WParam) {
        case VK_PRIOR:
          SpinUp(true);
          m.WParam = 0;
          m.Result = 0;
          return;
        case VK_NEXT:
          SpinDown(true);
          m.WParam = 0;
          m.Result = 0;
          return;
        case VK_UP:
          SpinUp(false);
          m.WParam = 0;
          m.Result = 0;
          return;
        case VK_DOWN:
          SpinDown(false);
          m.WParam = 0;
          m.Result = 0;
          return;
        case VK_TAB:
          if (FPendingTabs > 0) {
            // The Tab that Enter posted: after the key handlers, the focus moves on.
            --FPendingTabs;
            TCustomMaskEdit::WndProc(m);
            if (m.WParam == VK_TAB) SelectNextControl(this, true);
            return;
          }
          break;
        default: break;
      }
      break;
    case WM_CHAR:
      // The keypad's decimal key types the locale's separator.
      if (ExcelStyleDecimalSeparator && m.WParam == '.' && (m.LParam & KeyDataKeypad))
        m.WParam = FormatSettings().DecimalSeparator.unicode();
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

void TPsgSpinEdit::DoEnter() {
  // A click that gives the focus places the caret where it lands.
  if (AutoSelect && !(LeftMouseButtonHeld() && EditorEnabled)) SelectAll();
  TCustomMaskEdit::DoEnter();
}

void TPsgSpinEdit::DoExit() {
  TCustomMaskEdit::DoExit();
  ClampOnExit();
}

void TPsgSpinEdit::ClampOnExit() {
  switch (FSpinType) {
    case sptNormal:
      if (ClampValue(Value()) != Value()) SetValue(Value());
      break;
    case sptFloat:
      if (ClampFloat(FloatValue()) != FloatValue()) SetFloatValue(FloatValue());
      break;
    case sptDate:
      if (ClampDate(DateValue()) != DateValue()) SetDateValue(DateValue());
      break;
    case sptTime:
      if (ClampDate(TimeValue()) != TimeValue()) SetTimeValue(TimeValue());
      break;
  }
}
