// The date and time editor: a picker whose third kind, date and time,
// embeds a second picker of the time kind at its right edge; with auto-tab,
// completing the last date field moves into the time part. An attached
// label stands beside it as beside the combo.
#pragma once

#include "grid/editing/CustomDateTimePicker.h"
#include "grid/editing/LabelPlacement.h"
#include "platform/StdCtrls.h"

#include <cstdint>

enum TPlexDateTimeKind { dkDate, dkTime, dkDateTime };

class TPlexDateTimePicker : public TCustomDateTimePicker {
public:
  explicit TPlexDateTimePicker(TComponent* AOwner);
  ~TPlexDateTimePicker() override;

  // ---- new virtual operations, in slot order ----
  virtual void DoChange();
  virtual void DoClick();
  void SetDateTime(TDateTime Value) override;
  virtual void TimePickerKeyPress(TObject* Sender, QChar& Key) {}

  void ShiftFocus() override;
  void SetAutoTab(bool Value) override;
  bool UsesPlainLook() const override { return false; }
  void SetBorderStyle(TBorderStyle Value) override;
  void SetParent(TWinControl* AParent) override;
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  void SetEnabled(bool Value) override;
  void SetVisible(bool Value) override;
  void Loaded();

  // Three kinds; the platform picker's own kind (date or time) is TDateTimePicker::Kind.
  TPlexDateTimeKind Kind() const { return FKind; }
  void SetKind(TPlexDateTimeKind Value);
  TDateTime DateTime() const override;
  void SetDate(TDateTime Value) override;
  TDateTime Time() const override;
  void SetTime(TDateTime Value) override;
  QString TimeFormat() const { return FTimeFormat; }
  void SetTimeFormat(const QString& Value);
  TCustomDateTimePicker* TimePicker() const { return FTimePicker; }
  TNotifyEvent OnTimeChange;
  TNotifyEvent OnLabelClick;
  TNotifyEvent OnLabelDblClick;

  static constexpr uint32_t GetVersionNr() { return 0x01020000; }
  QString Version() const;
  void SetVersion(const QString&) {}

  // ---- attached label ----
  QString LabelCaption() const;
  void SetLabelCaption(const QString& Value);
  TLabelPosition LabelPosition() const { return FLabelPosition; }
  void SetLabelPosition(TLabelPosition Value);
  int LabelMargin() const { return FLabelMargin; }
  void SetLabelMargin(int Value);
  bool LabelAlwaysEnabled() const { return FLabelAlwaysEnabled; }
  void SetLabelAlwaysEnabled(bool Value);
  bool FocusLabel = false;
  TFont& LabelFont() { return FLabelFont; }
  TLabel* PickerLabel() const { return FLabel; }

  void UpdateTimePicker();

protected:
  void WndProc(TMessage& Message) override;
  void RecordBeforeDigit() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

private:
  void CreateTimePicker();
  void PlaceTimePicker();
  void TimePickerChange();
  void CheckBoxNotification(TMessage& Message);
  void CreateLabel();
  void UpdateLabel();
  void SetLabelBold(bool Bold);

  TPlexDateTimeKind FKind = dkDateTime;
  QString FTimeFormat;
  TCustomDateTimePicker* FTimePicker = nullptr;
  int Fy = 0, Fm = 0, Fd = 0;
  bool FFirstPaint = true;
  TLabel* FLabel = nullptr;
  TLabelPosition FLabelPosition = lpLeftTop;
  int FLabelMargin = 4;
  bool FLabelAlwaysEnabled = false;
  TFont FLabelFont;
};
