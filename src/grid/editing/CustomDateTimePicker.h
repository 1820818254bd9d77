// The picker with the plain or Metro look and auto-tab: a digit that
// completes a field moves on to the next field (posted as "DTPShiftFocus"
// to finish the key press first).
#pragma once

#include "grid/editing/MetroDateTimePicker.h"

// The number this unit registered "DTPShiftFocus" under at its start.
UINT DTPShiftFocusMessage();

class TCustomDateTimePicker : public TMetroDateTimePicker {
public:
  explicit TCustomDateTimePicker(TComponent* AOwner);

  // ---- new virtual operations, in slot order ----
  virtual void ShiftFocus();
  virtual void SetAutoTab(bool Value) { FAutoTab = Value; }
  bool UsesPlainLook() const override { return true; }
  // (SetBorderStyle: the look base's virtual.)

  bool AutoTab() const { return FAutoTab; }
  // Measures a one-line text in the picker's font.
  int MeasureText(const QString& Text) const;

protected:
  TCustomDateTimePicker(TComponent* AOwner, const TPickerLookRules& Rules);
  void WndProc(TMessage& Message) override;
  void KeyPress(QChar& Key) override;
  // Records what a digit may change; the date picker adds the date parts.
  virtual void RecordBeforeDigit();
  void PostRight();
  bool TimeChanged() const;

private:
  bool FAutoTab = false;
  int Fh = 0, Fm = 0, Fs = 0, Fms = 0;
};
