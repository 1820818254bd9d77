#include "platform/DateTimePicker.h"

#include "platform/Application.h"
#include "platform/Property.h"
#include "platform/SysUtils.h"
#include "platform/internal/ControlBridge.h"
#include "platform/internal/Painting.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QDateTimeEdit>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

#include <cmath>

namespace {

// Reports the calendar window's showing and hiding as the picker's drop notifications.
class TCalendarWatcher : public QObject {
public:
  TCalendarWatcher(TControl* picker, QObject* parent) : QObject(parent), FPicker(picker) {}
  bool eventFilter(QObject*, QEvent* e) override {
    const unsigned code = e->type() == QEvent::Show ? DTN_DROPDOWN : e->type() == QEvent::Hide ? DTN_CLOSEUP : 0;
    if (code != 0) {
      TNMDateTime nm{code, GDT_VALID, 0};
      SafeCall([&] { FPicker->Perform(CN_NOTIFY, 0, LPARAM(&nm)); });
    }
    return false;
  }

private:
  TControl* FPicker;
};

// The text part is a widget of its own: the mouse moving over it moves over
// the picker too, as it does over the system's one-window picker.
class TTextPartMouseWatcher : public QObject {
public:
  TTextPartMouseWatcher(TControl* picker, QWidget* textPart) : QObject(textPart), FPicker(picker) {}
  bool eventFilter(QObject* target, QEvent* e) override {
    if (e->type() != QEvent::MouseMove) return false;
    auto* me = static_cast<QMouseEvent*>(e);
    QWidget* picker = FPicker->Widget();
    const QPointF at = static_cast<QWidget*>(target)->mapTo(picker, me->position());
    QMouseEvent moved(QEvent::MouseMove, at, me->globalPosition(), me->button(), me->buttons(), me->modifiers());
    SafeCall([&] { HandleQtEvent(*FPicker, picker, &moved); });
    return false;
  }

private:
  TControl* FPicker;
};

// The library's date pattern (m month, n minute, h hour) in the picker's notation.
QString LibraryPatternToPicker(const QString& f) {
  QString out;
  bool afterHour = false;
  for (QChar c : f) {
    const QChar l = c.toLower();
    if (l == 'm')
      out += afterHour ? 'm' : 'M';
    else if (l == 'n')
      out += 'm';
    else if (l == 'h')
      out += 'H';
    else if (c == '/')
      out += FormatSettings().DateSeparator;
    else if (c == ':')
      out += FormatSettings().TimeSeparator;
    else
      out += c;
    if (l != 'm' && l != ' ' && c != ':') afterHour = l == 'h';
  }
  return out;
}

}  // namespace

QString PickerFormatToQt(const QString& Format) {
  QString out;
  for (int i = 0; i < Format.size();) {
    const QChar c = Format[i];
    if (c == '\'') {
      const int end = int(Format.indexOf('\'', i + 1));
      out += Format.mid(i, end < 0 ? -1 : end - i + 1);
      i = end < 0 ? int(Format.size()) : end + 1;
      continue;
    }
    int run = 1;
    while (i + run < Format.size() && Format[i + run] == c) ++run;
    if (c == 'y')
      out += run <= 2 ? "yy" : "yyyy";
    else if (c == 't')
      out += "AP";
    else if (QString("dMhHms").contains(c))
      out += QString(std::min(run, c == 'd' || c == 'M' ? 4 : 2), c);
    else
      out += QString(run, c);
    i += run;
  }
  return out;
}

TDateTimePicker::TDateTimePicker(TComponent* AOwner) : TWinControl(AOwner, new QDateTimeEdit()) {
  FEdit = static_cast<QDateTimeEdit*>(Widget());
  FEdit->setCalendarPopup(true);
  FValue = QDateTimeToDateTime(QDateTime::currentDateTime());
  QWidget* calendar = FEdit->calendarWidget()->window();
  FWatcher = new TCalendarWatcher(this, calendar);
  calendar->installEventFilter(FWatcher);
  if (auto* line = FEdit->findChild<QLineEdit*>()) {
    QObject::connect(line, &QLineEdit::textEdited, [this](const QString&) { SafeCall([this] { TextEdited(); }); });
    FTextWatcher = new TTextPartMouseWatcher(this, line);
    line->installEventFilter(FTextWatcher);
  }
  QObject::connect(FEdit, &QDateTimeEdit::dateTimeChanged, [this](const QDateTime& shown) {
    if (FSetting) return;
    // Only the part the editor shows changed.
    const TDateTime v = QDateTimeToDateTime(shown);
    FValue =
        FKind == dtkTime ? std::trunc(FValue) + (v - std::trunc(v)) : std::trunc(v) + (FValue - std::trunc(FValue));
    SafeCall([this] { UserChanged(); });
  });
  SetTabStop(true);
  SetColor(clWindow);
  SetBounds(0, 0, 186, 21);
  ApplyFormat();
}

TDateTimePicker::~TDateTimePicker() {
  // The editor outlives this part of the control; it must call nothing back.
  FEdit->disconnect();
  if (auto* line = FEdit->findChild<QLineEdit*>()) line->disconnect();
  delete FTextWatcher;
  if (FCheck) FCheck->disconnect();
  delete FWatcher;
}

// The control takes each typed field at once, as the system's picker does,
// also while the editor still waits for a second digit.
void TDateTimePicker::TextEdited() {
  QString lenient = FEdit->displayFormat();
  for (const char* pair : {"dd", "MM", "HH", "hh", "mm", "ss"}) lenient.replace(pair, QString(QChar(pair[0])));
  QDateTime parsed = QDateTime::fromString(FEdit->text(), lenient);
  if (!parsed.isValid()) return;
  const TDateTime v = QDateTimeToDateTime(parsed);
  const TDateTime next =
      FKind == dtkTime ? std::trunc(FValue) + (v - std::trunc(v)) : std::trunc(v) + (FValue - std::trunc(FValue));
  SetProperty(FValue, next, [&] { UserChanged(); });
}

void TDateTimePicker::SetKind(TDateTimeKind Value) {
  FKind = Value;
  ApplyFormat();
}

void TDateTimePicker::SetDateMode(TDTDateMode Value) {
  FDateMode = Value;
  ApplyFormat();
}

void TDateTimePicker::SetFormat(const QString& Value) {
  FFormat = Value;
  ApplyFormat();
}

void TDateTimePicker::ApplyFormat() {
  QString format = FFormat;
  if (format.isEmpty())
    format =
        LibraryPatternToPicker(FKind == dtkDate ? FormatSettings().ShortDateFormat : FormatSettings().LongTimeFormat);
  FSetting = true;
  FEdit->setDisplayFormat(PickerFormatToQt(format));
  FEdit->setCalendarPopup(FKind == dtkDate && FDateMode == dmComboBox);
  FSetting = false;
  ShowValue();
}

void TDateTimePicker::ShowValue() {
  FSetting = true;
  FEdit->setDateTime(DateTimeToQDateTime(FValue));
  // The limits may have moved what the editor shows.
  if (FKind == dtkDate) FValue = std::trunc(QDateTimeToDateTime(FEdit->dateTime())) + (FValue - std::trunc(FValue));
  FSetting = false;
}

TDateTime TDateTimePicker::DateTime() const { return FValue; }

void TDateTimePicker::SetDateTime(TDateTime Value) { Perform(DTM_SETSYSTEMTIME, GDT_VALID, LPARAM(&Value)); }

TDateTime TDateTimePicker::Date() const { return std::trunc(DateTime()); }

void TDateTimePicker::SetDate(TDateTime Value) {
  const TDateTime now = DateTime();
  SetDateTime(std::trunc(Value) + (now - std::trunc(now)));
}

TDateTime TDateTimePicker::Time() const {
  const TDateTime v = DateTime();
  return v - std::trunc(v);
}

void TDateTimePicker::SetTime(TDateTime Value) { SetDateTime(Date() + (Value - std::trunc(Value))); }

void TDateTimePicker::SetShowCheckbox(bool Value) {
  if (Value == FShowCheckbox) return;
  FShowCheckbox = Value;
  if (Value && !FCheck) {
    FCheck = new QCheckBox(FEdit);
    FCheck->setGeometry(3, (Height() - 16) / 2, 16, 16);
    QObject::connect(FCheck, &QCheckBox::clicked, [this](bool on) {
      SafeCall([&] {
        FChecked = on;
        ApplyChecked();
        UserChanged();
      });
    });
  }
  FEdit->setStyleSheet(Value ? "QDateTimeEdit { padding-left: 18px; }" : QString());
  if (FCheck) FCheck->setVisible(Value);
  ApplyChecked();
}

void TDateTimePicker::SetChecked(bool Value) {
  if (Value)
    SetDateTime(DateTime());
  else
    Perform(DTM_SETSYSTEMTIME, GDT_NONE, 0);
}

void TDateTimePicker::ApplyChecked() {
  if (FCheck) FCheck->setChecked(FChecked);
  // An unticked picker shows its fields greyed and takes no typing.
  FEdit->setReadOnly(FShowCheckbox && !FChecked);
  QPalette pal = FEdit->palette();
  pal.setColor(QPalette::Text, FShowCheckbox && !FChecked ? QColor(Qt::gray) : ToQColor(Font().Color()));
  FEdit->setPalette(pal);
}

void TDateTimePicker::SetMinDate(TDateTime Value) {
  FMinDate = Value;
  FSetting = true;
  if (Value == 0)
    FEdit->clearMinimumDateTime();
  else
    FEdit->setMinimumDateTime(DateTimeToQDateTime(Value));
  FSetting = false;
  ShowValue();
}

void TDateTimePicker::SetMaxDate(TDateTime Value) {
  FMaxDate = Value;
  FSetting = true;
  if (Value == 0)
    FEdit->clearMaximumDateTime();
  else
    FEdit->setMaximumDateTime(DateTimeToQDateTime(Value));
  FSetting = false;
  ShowValue();
}

void TDateTimePicker::SetCalendarStyle(TCalendarStyle Value) {
  FCalendarStyle = Value;
  // The calendar has no today footer or circle; week numbers are its vertical header.
  FEdit->calendarWidget()->setVerticalHeaderFormat(Value.Contains(csWeekNumbers) ? QCalendarWidget::ISOWeekNumbers
                                                                                 : QCalendarWidget::NoVerticalHeader);
}

TSize TDateTimePicker::CalendarMinSize() const {
  const QSize s = FEdit->calendarWidget()->minimumSizeHint();
  return TSize{s.width(), s.height()};
}

void TDateTimePicker::SetCalendarBounds(int Left, int Top, int Width, int Height) {
  QCalendarWidget* calendar = FEdit->calendarWidget();
  QWidget* window = calendar->window();
  if (window != calendar) window->resize(Left + Width, Top + Height);
  calendar->setGeometry(Left, Top, Width, Height);
}

bool TDateTimePicker::DroppedDown() const {
  return FEdit->calendarPopup() && FEdit->calendarWidget()->window()->isVisible();
}

void TDateTimePicker::SetDroppedDown(bool Value) {
  if (!FEdit->calendarPopup() || Value == DroppedDown()) return;
  if (!Value) {
    FEdit->calendarWidget()->window()->hide();
    return;
  }
  // The editor opens its calendar from a press on its arrow.
  const QPoint arrow(Width() - 6, Height() / 2);
  QMouseEvent press(QEvent::MouseButtonPress, arrow, FEdit->mapToGlobal(arrow), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QApplication::sendEvent(FEdit, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, arrow, FEdit->mapToGlobal(arrow), Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
  QApplication::sendEvent(FEdit, &release);
}

int TDateTimePicker::CurrentField() const { return FEdit->currentSectionIndex(); }
void TDateTimePicker::SetCurrentField(int Index) {
  const int field = std::clamp(Index, 0, FieldCount() - 1);
  FEdit->setCurrentSectionIndex(field);
  // The current field is highlighted, so typing replaces it.
  FEdit->setSelectedSection(FEdit->sectionAt(field));
}
int TDateTimePicker::FieldCount() const { return FEdit->sectionCount(); }
QString TDateTimePicker::DisplayText() const { return FEdit->text(); }

void TDateTimePicker::UserChanged() {
  TNMDateTime nm{DTN_DATETIMECHANGE, FShowCheckbox && !FChecked ? GDT_NONE : GDT_VALID, DateTime()};
  Perform(CN_NOTIFY, 0, LPARAM(&nm));
}

void TDateTimePicker::Change() {
  if (OnChange) OnChange(this);
}

void TDateTimePicker::WndProc(TMessage& m) {
  if (m.Msg == WM_KEYDOWN) {
    TWinControl::WndProc(m);
    // The control moves by whole fields, whether the key was typed or posted.
    if (m.WParam == VK_RIGHT || m.WParam == VK_LEFT) {
      SetCurrentField(CurrentField() + (m.WParam == VK_RIGHT ? 1 : -1));
      m.WParam = 0;
    }
    return;
  }
  TWinControl::WndProc(m);
}

void TDateTimePicker::DefaultHandler(TMessage& m) {
  switch (m.Msg) {
    case DTM_SETSYSTEMTIME:
      FChecked = m.WParam != GDT_NONE;
      if (FChecked && m.LParam) {
        FValue = *reinterpret_cast<const TDateTime*>(m.LParam);
        ShowValue();
      }
      ApplyChecked();
      m.Result = 1;
      return;
    case CN_NOTIFY: {
      const auto* nm = reinterpret_cast<const TNMDateTime*>(m.LParam);
      if (!nm) return;
      if (nm->Code == DTN_DATETIMECHANGE)
        Change();
      else if (nm->Code == DTN_DROPDOWN && OnDropDown)
        OnDropDown(this);
      else if (nm->Code == DTN_CLOSEUP && OnCloseUp)
        OnCloseUp(this);
      return;
    }
    default: TWinControl::DefaultHandler(m);
  }
}
