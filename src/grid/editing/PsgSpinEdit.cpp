#include "grid/editing/PsgSpinEdit.h"

#include "platform/DateTimeFormat.h"
#include "platform/Property.h"
#include "platform/SystemProbes.h"

#include <cmath>

TPsgSpinEdit::TPsgSpinEdit(TComponent* AOwner) : TCustomMaskEdit(AOwner) {
  FButton = new TPsgSpinButton(this);  // owned by the edit
  FButton->SetParent(this);
  FButton->SetFocusControl(this);
  FButton->OnUpClick = [this](TObject* s) { UpButtonClick(s); };
  FButton->OnDownClick = [this](TObject* s) { DownButtonClick(s); };
  FButton->SetBounds(0, 0, 15, 17);
  SetText("0");
  Relayout();
}

TPsgSpinEdit::~TPsgSpinEdit() { FButton = nullptr; }  // the owner frees the pair

// ---- limits: equal limits mean none ----

int TPsgSpinEdit::ClampValue(int V) const {
  if (MinValue == MaxValue) return V;
  return V < MinValue ? MinValue : V > MaxValue ? MaxValue : V;
}

double TPsgSpinEdit::ClampFloat(double V) const {
  if (MinFloatValue == MaxFloatValue) return V;
  return V < MinFloatValue ? MinFloatValue : V > MaxFloatValue ? MaxFloatValue : V;
}

TDateTime TPsgSpinEdit::ClampDate(TDateTime V) const {
  if (MinDateValue == MaxDateValue) return V;
  return V < MinDateValue ? MinDateValue : V > MaxDateValue ? MaxDateValue : V;
}

// ---- reading values ----

int TPsgSpinEdit::Value() const {
  const QString t = Text().trimmed();
  if (t.isEmpty()) return 0;
  int v = 0;
  return TryStrToInt(t, v) ? v : MinValue;
}

double TPsgSpinEdit::FloatValue() const {
  double v = 0;
  if (TryStrToFloat(Text().trimmed(), v)) return v;
  // A float edit falls back to its own lower limit, not the integer one.
  return FSpinType == sptFloat ? MinFloatValue : double(MinValue);
}

TDateTime TPsgSpinEdit::DateValue() const {
  const QString t = Text().trimmed();
  if (t.isEmpty() || t == "0") return Now();
  TDateTime v = 0;
  return TryStrToDate(t, v) ? v : MinDateValue;
}

TDateTime TPsgSpinEdit::TimeValue() const {
  TDateTime v = 0;
  return TryStrToTime(Text().trimmed(), v) ? v : 0;
}

// ---- writing values ----

void TPsgSpinEdit::SetValue(int V) {
  SetText(IntToStr(ClampValue(V)));
  if (!EditorEnabled) SelectAll();
}

void TPsgSpinEdit::SetFloatValue(double V) {
  V = ClampFloat(V);
  if (FPrecision != 0) {
    QString t = QString::number(V, 'f', FPrecision);
    t.replace('.', FormatSettings().DecimalSeparator);
    SetText(t);
  } else {
    SetText(FloatToStr(V));
  }
}

void TPsgSpinEdit::SetTextKeepingCaret(const QString& T) {
  const int caret = SelStart();
  SetText(T);
  SetSelStart(caret);
}

void TPsgSpinEdit::SetDateValue(TDateTime V) {
  FDateValue = V;
  if (FLoading) return;
  FDateValue = ClampDate(V);
  SetTextKeepingCaret(DateToStr(FDateValue));
}

void TPsgSpinEdit::SetTimeValue(TDateTime V) {
  FTimeValue = V;
  if (FLoading) return;
  FTimeValue = ClampDate(V);
  // Only the time of day is shown: past midnight the next day's time.
  const TDateTime timeOfDay = FTimeValue - std::floor(FTimeValue);
  SetTextKeepingCaret(ShowSeconds ? TimeToStr(timeOfDay) : FormatDateTime("h:nn", timeOfDay));
}

void TPsgSpinEdit::SetSpinType(TPsgSpinType Value) {
  FSpinType = Value;
  ApplySpinType();
}

// Reads the value of the type and writes it back, which normalises the text.
void TPsgSpinEdit::ApplySpinType() {
  switch (FSpinType) {
    case sptNormal: SetValue(Value()); break;
    case sptFloat: SetFloatValue(FloatValue()); break;
    case sptDate: SetDateValue(DateValue()); break;
    case sptTime: SetTimeValue(TimeValue()); break;
  }
}

void TPsgSpinEdit::SetPrecision(int Value) {
  FPrecision = Value;
  if (FSpinType == sptFloat) SetFloatValue(FloatValue());
}

void TPsgSpinEdit::Loaded() {
  FLoading = false;
  if (FSpinType == sptDate) SetText(DateToStr(FDateValue));
  if (FSpinType == sptTime) SetText(ShowSeconds ? TimeToStr(FTimeValue) : FormatDateTime("h:nn", FTimeValue));
  ApplySpinType();
  FButton->Loaded();
}

// ---- stepping ----

void TPsgSpinEdit::SpinUp(bool Page) {
  if (ReadOnly()) {
    MessageBeep(MB_OK_BEEP);
    return;
  }
  switch (FSpinType) {
    case sptNormal: SetValue(Value() + Increment); break;
    case sptFloat: SetFloatValue(FloatValue() + (Page ? IncrementFloatPage : IncrementFloat)); break;
    case sptDate: StepDate(1); break;
    case sptTime: StepTime(1); break;
  }
}

void TPsgSpinEdit::SpinDown(bool Page) {
  if (ReadOnly()) {
    MessageBeep(MB_OK_BEEP);
    return;
  }
  switch (FSpinType) {
    case sptNormal: SetValue(Value() - Increment); break;
    case sptFloat: SetFloatValue(FloatValue() - (Page ? IncrementFloatPage : IncrementFloat)); break;
    case sptDate: StepDate(-1); break;
    case sptTime: StepTime(-1); break;
  }
}

void TPsgSpinEdit::UpButtonClick(TObject*) { SpinUp(false); }
void TPsgSpinEdit::DownButtonClick(TObject*) { SpinDown(false); }

namespace {
// 1-based position of the separator after the 1-based position From; 0 when none.
int NextSeparatorPos(const QString& Text, QChar Separator, int From) {
  const int p = int(Text.indexOf(Separator, From));
  return p < 0 ? 0 : p + 1;
}
}  // namespace

void TPsgSpinEdit::StepDate(int Sign) {
  const QString upper = FormatSettings().ShortDateFormat.toUpper();
  FUsDates = upper.indexOf('M') < upper.indexOf('D');
  const QString t = Text();
  const int S = SelStart();
  const int P1 = NextSeparatorPos(t, FormatSettings().DateSeparator, 0);
  const int P2 = P1 > 0 ? NextSeparatorPos(t, FormatSettings().DateSeparator, P1) : 0;
  const int field = S < P1 ? 0 : S < P2 ? 1 : 2;
  const bool dayField = FUsDates ? field == 1 : field == 0;
  const bool monthField = FUsDates ? field == 0 : field == 1;
  const TDateTime d = DateValue();
  if (dayField)
    SetDateValue(d + Sign);
  else if (monthField)
    SetDateValue(IncMonth(d, Sign));
  else
    SetDateValue(IncYear(d, Sign));
}

void TPsgSpinEdit::StepTime(int Sign) {
  const QString t = Text();
  const int S = SelStart();
  const int P1 = NextSeparatorPos(t, FormatSettings().TimeSeparator, 0);
  const int P2 = P1 > 0 ? NextSeparatorPos(t, FormatSettings().TimeSeparator, P1) : 0;
  double step = 0;
  if (S < P1)
    step = IncrementHours / 24.0;
  else if (ShowSeconds && (P2 == 0 || S >= P2))
    step = IncrementSeconds / 86400.0;
  else
    step = IncrementMinutes / 1440.0;
  if (Sign > 0) {
    SetTimeValue(TimeValue() + step);
    return;
  }
  TDateTime v = TimeValue() + 1 - step;
  if (v > 1) v -= 1;
  SetTimeValue(v);
}

// ---- looks and layout ----

void TPsgSpinEdit::SetDirection(TSpinDirection Value) {
  FDirection = Value;
  FButton->SetDirection(Value);
  SetWidth(Width() + 1);
  SetWidth(Width() - 1);
}

void TPsgSpinEdit::SetEditAlign(TEditAlign Value) {
  FEditAlign = Value;
  SetEditStyle(Value == eaRight ? ES_RIGHT : Value == eaCenter ? ES_CENTER : ES_LEFT);
}

void TPsgSpinEdit::SetSpinFlat(bool Value) {
  FButton->UpButton()->SetFlat(Value);
  FButton->DownButton()->SetFlat(Value);
  FSpinFlat = Value;
}

void TPsgSpinEdit::SetSpinTransparent(bool Value) {
  FSpinTransparent = Value;
  SetWidth(Width() + 1);
  SetWidth(Width() - 1);
}

void TPsgSpinEdit::SetIsWinXP(bool Value) {
  FIsWinXP = Value;
  FButton->SetIsWinXP(Value);
}

int TPsgSpinEdit::MinEditHeight() const {
  TBitmap measure(1, 1);
  measure.Canvas().Font().Assign(Font());
  const int F = measure.Canvas().TextHeight("0");
  const int I = std::min(F, SystemFontHeight());
  return F + I / 4 + 2 + (BorderStyle() == bsSingle ? 4 * GetSystemMetrics(SM_CYBORDER) : 0);
}

void TPsgSpinEdit::SetEditRect() {
  const int M = BorderStyle() == bsNone ? 3 : 0;
  TRect r(M, M, ClientWidth() - FButton->Width() - 2 - M, ClientHeight() + 1);
  Perform(EM_SETRECTNP, 0, LPARAM(&r));
}

void TPsgSpinEdit::Relayout() {
  if (!FButton) return;
  // New-style controls with 3D borders: the pair stands at the right edge inside the border.
  const int D = BorderStyle() == bsNone ? 1 : 5;
  FButton->SetBounds(Width() - FButton->Width() - D, 0, FButton->Width(), Height() - D);
  SetEditRect();
}
