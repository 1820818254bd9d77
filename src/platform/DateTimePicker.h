// The date and time picker: date or time kind, a calendar drop-down or
// up-down arrows, a custom format in the picker's notation (d, M, y, h, H,
// m, s, t, 'literal'), an optional check box, limits, and the control's
// notifications. New values reach the control as DTM_SETSYSTEMTIME; the
// user's changes, the drop-down and the close-up arrive as CN_NOTIFY with a
// TNMDateTime record, so descendants see them in their WndProc. Right and
// Left move to the next and the previous field, also when posted.
#pragma once

#include "platform/ControlMessages.h"
#include "platform/Controls.h"
#include "platform/DateTime.h"
#include "platform/Sets.h"

#include <QString>

class QDateTimeEdit;
class QCheckBox;

enum TDateTimeKind { dtkDate, dtkTime };
enum TDTDateMode { dmComboBox, dmUpDown };
enum TCalendarStyleFlag { csNoToday, csNoTodayCircle, csWeekNumbers };
using TCalendarStyle = TSet<TCalendarStyleFlag>;

constexpr UINT DTM_SETSYSTEMTIME = 0x1002;
constexpr unsigned GDT_VALID = 0, GDT_NONE = 1;
constexpr unsigned DTN_DATETIMECHANGE = unsigned(-759), DTN_DROPDOWN = unsigned(-754), DTN_CLOSEUP = unsigned(-753);

// LParam of a CN_NOTIFY from the picker.
struct TNMDateTime {
  unsigned Code = 0;
  unsigned Flags = GDT_VALID;  // GDT_NONE: the check box is unticked ("no date")
  TDateTime Value = 0;
};

// The picker's format in Qt's display notation.
QString PickerFormatToQt(const QString& Format);

class TDateTimePicker : public TWinControl {
public:
  explicit TDateTimePicker(TComponent* AOwner);
  ~TDateTimePicker() override;

  TDateTimeKind Kind() const { return FKind; }
  void SetKind(TDateTimeKind Value);
  TDTDateMode DateMode() const { return FDateMode; }
  void SetDateMode(TDTDateMode Value);
  // Empty: the locale's short date or long time.
  QString Format() const { return FFormat; }
  void SetFormat(const QString& Value);
  // Virtual: a picker made of two controls reads and writes across both.
  virtual TDateTime DateTime() const;
  virtual void SetDateTime(TDateTime Value);
  TDateTime Date() const;
  virtual void SetDate(TDateTime Value);
  virtual TDateTime Time() const;
  virtual void SetTime(TDateTime Value);
  bool ShowCheckbox() const { return FShowCheckbox; }
  void SetShowCheckbox(bool Value);
  bool Checked() const { return FChecked; }
  void SetChecked(bool Value);
  // 0: no limit.
  TDateTime MinDate() const { return FMinDate; }
  void SetMinDate(TDateTime Value);
  TDateTime MaxDate() const { return FMaxDate; }
  void SetMaxDate(TDateTime Value);
  TCalendarStyle CalendarStyle() const { return FCalendarStyle; }
  void SetCalendarStyle(TCalendarStyle Value);
  // The smallest size the drop-down calendar needs.
  TSize CalendarMinSize() const;
  // Places the calendar in its drop-down window (window coordinates); the window takes its size.
  void SetCalendarBounds(int Left, int Top, int Width, int Height);
  bool DroppedDown() const;
  void SetDroppedDown(bool Value);
  // The 0-based field the caret is in, and the number of fields.
  int CurrentField() const;
  void SetCurrentField(int Index);
  int FieldCount() const;
  // The text the control shows.
  QString DisplayText() const;

  TNotifyEvent OnChange;
  TNotifyEvent OnDropDown;
  TNotifyEvent OnCloseUp;

protected:
  void WndProc(TMessage& Message) override;
  void DefaultHandler(TMessage& Message) override;
  virtual void Change();
  QDateTimeEdit* Editor() const { return FEdit; }

private:
  void ApplyFormat();
  void ApplyChecked();
  void UserChanged();
  void ShowValue();
  void TextEdited();
  QDateTimeEdit* FEdit;
  QObject* FWatcher = nullptr;      // a child of the calendar window
  QObject* FTextWatcher = nullptr;  // a child of the text part
  // The value: the editor shows only the part its format has.
  TDateTime FValue = 0;
  QCheckBox* FCheck = nullptr;
  TDateTimeKind FKind = dtkDate;
  TDTDateMode FDateMode = dmComboBox;
  QString FFormat;
  bool FShowCheckbox = false;
  bool FChecked = true;
  TDateTime FMinDate = 0;
  TDateTime FMaxDate = 0;
  TCalendarStyle FCalendarStyle;
  bool FSetting = false;
};
