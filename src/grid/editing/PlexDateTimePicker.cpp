#include "grid/editing/PlexDateTimePicker.h"

#include "grid/editing/PsgDateTimePicker.h"
#include "platform/Property.h"
#include "platform/SystemProbes.h"

#include <cmath>

namespace {

constexpr int TimePickerWidth = 90, TimePickerHeight = 17;

// Where the embedded time picker stands, by system; A its width, B the bevel allowance.
struct TTimePickerPlace {
  int RightGap;  // left = Width - A - (B) - RightGap
  bool UsesBevel;
  int Top;
  int HeightLess;  // height = Height - (B) - HeightLess
};
enum TTimePickerSystem { tpsBeforeVista, tpsVistaClassicControls, tpsStylesInactive, tpsStylesMetro, tpsStylesPlain };
constexpr TTimePickerPlace TimePickerPlaces[] = {
    {21, false, -2, 0},  // before Windows Vista
    {23, true, -2, 0},   // Vista or later, not the version-6 controls
    {21, true, 2, 4},    // version-6 controls, visual styles inactive
    {21, true, 1, 2},    // visual styles active, Metro look
    {34, true, 1, 2},    // visual styles active, no Metro look
};

TDateTime WholeSecondsTime(TDateTime Value) {
  int h, m, s, ms;
  DecodeTime(Value, h, m, s, ms);
  return EncodeTime(h, m, s, 0);
}

TDateTime DayPart(TDateTime Value) { return std::trunc(Value); }
TDateTime TimePart(TDateTime Value) { return std::fabs(Value - std::trunc(Value)); }

}  // namespace

TPlexDateTimePicker::TPlexDateTimePicker(TComponent* AOwner) : TCustomDateTimePicker(AOwner) {
  FLabelFont.OnChange = [this](TObject*) { UpdateLabel(); };
  SetBorderStyle(bsSingle);
  SetCtl3D(true);
  TDateTimePicker::SetKind(dtkDate);
  // A picker made at run time is never loaded: its time part exists from the start.
  CreateTimePicker();
  UpdateTimePicker();
}

TPlexDateTimePicker::~TPlexDateTimePicker() {
  delete FLabel;  // owned; leaves its parent now
  FLabel = nullptr;
}

QString TPlexDateTimePicker::Version() const { return VersionText(GetVersionNr()); }

void TPlexDateTimePicker::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomDateTimePicker::Notification(AComponent, Operation);
  if (Operation != TOperation::opRemove) return;
  if (AComponent == FLabel) FLabel = nullptr;
  if (AComponent == FTimePicker) FTimePicker = nullptr;
}

void TPlexDateTimePicker::DoChange() {
  if (OnChange) OnChange(this);
}

void TPlexDateTimePicker::DoClick() {
  if (OnClick) OnClick(this);
}

// ---- kind and the embedded time picker ----

void TPlexDateTimePicker::SetKind(TPlexDateTimeKind Value) {
  if (Value == FKind) return;
  FKind = Value;
  TDateTimePicker::SetKind(Value == dkTime ? dtkTime : dtkDate);
  if (Value == dkDateTime) CreateTimePicker();
  UpdateTimePicker();
}

void TPlexDateTimePicker::CreateTimePicker() {
  if (FKind != dkDateTime || FTimePicker) return;
  FTimePicker = new TCustomDateTimePicker(this);  // owned by the picker
  FTimePicker->SetParent(this);
  FTimePicker->SetBounds(0, 0, TimePickerWidth, TimePickerHeight);
  FTimePicker->SetVisible(false);
  FTimePicker->SetEnabled(Enabled());
  FTimePicker->TDateTimePicker::SetKind(dtkTime);
  FTimePicker->SetAutoTab(false);
  FTimePicker->OnChange = [this](TObject*) { TimePickerChange(); };
  FTimePicker->OnClick = [this](TObject*) { DoClick(); };
  FTimePicker->OnKeyPress = [this](TObject* s, QChar& k) { TimePickerKeyPress(s, k); };
  // The grid's editor sees the keys of both parts.
  FTimePicker->OnKeyDown = [this](TObject*, WORD& k, TShiftState s) { KeyDown(k, s); };
}

void TPlexDateTimePicker::TimePickerChange() {
  DoChange();
  if (OnTimeChange) OnTimeChange(this);
}

void TPlexDateTimePicker::UpdateTimePicker() {
  if (!FTimePicker) return;
  FTimePicker->SetParent(this);
  FTimePicker->SetColor(Color());
  FTimePicker->SetEnabled(Enabled() && (Checked() || !ShowCheckbox()));
  FTimePicker->SetVisible(FKind == dkDateTime);
  if (FKind != dkDateTime) {
    TCustomDateTimePicker* old = FTimePicker;
    FTimePicker = nullptr;
    delete old;
    return;
  }
  FTimePicker->SetDateTime(DateTime());
  FTimePicker->SetFormat(FTimeFormat);
  FTimePicker->Font().Assign(Font());
  PlaceTimePicker();
}

void TPlexDateTimePicker::PlaceTimePicker() {
  const int A = MeasureText(FTimePicker->DisplayText().left(255)) + 31;
  const int B = 0;  // no bevel edges on this platform
  const TTimePickerSystem system = !IsVistaOrLater() ? tpsBeforeVista
                                   : !IsComCtl6()    ? tpsVistaClassicControls
                                   : !ThemesActive() ? tpsStylesInactive
                                   : MetroActive()   ? tpsStylesMetro
                                                     : tpsStylesPlain;
  const TTimePickerPlace& p = TimePickerPlaces[system];
  const int b = p.UsesBevel ? B : 0;
  FTimePicker->SetBounds(Width() - A - b - p.RightGap, p.Top, A, Height() - b - p.HeightLess);
}

// ---- values ----

TDateTime TPlexDateTimePicker::DateTime() const {
  const TDateTime main = TCustomDateTimePicker::DateTime();
  if (!FTimePicker) return main;
  return DayPart(main) + TimePart(FTimePicker->DateTime());
}

void TPlexDateTimePicker::SetDateTime(TDateTime Value) {
  const TDateTime v = DayPart(Value) + WholeSecondsTime(Value);
  TCustomDateTimePicker::SetDateTime(v);
  CreateTimePicker();
  if (FTimePicker) FTimePicker->SetDateTime(v);
}

void TPlexDateTimePicker::SetDate(TDateTime Value) { SetDateTime(DayPart(Value) + WholeSecondsTime(DateTime())); }

TDateTime TPlexDateTimePicker::Time() const {
  if (FKind == dkDateTime && FTimePicker) return TimePart(FTimePicker->DateTime());
  return TCustomDateTimePicker::Time();
}

void TPlexDateTimePicker::SetTime(TDateTime Value) {
  TCustomDateTimePicker::SetTime(Value);
  if (FTimePicker) FTimePicker->SetDateTime(DayPart(FTimePicker->DateTime()) + TimePart(Value));
  UpdateTimePicker();
}

void TPlexDateTimePicker::SetTimeFormat(const QString& Value) {
  if (FTimePicker) FTimePicker->SetFormat(Value);
  if (FKind == dkTime) SetFormat(Value);
  FTimeFormat = Value;
  UpdateTimePicker();
}

void TPlexDateTimePicker::SetAutoTab(bool Value) {
  TCustomDateTimePicker::SetAutoTab(Value);
  if (FTimePicker) FTimePicker->SetAutoTab(Value);
}

void TPlexDateTimePicker::SetBorderStyle(TBorderStyle Value) {
  TCustomDateTimePicker::SetBorderStyle(Value);
  UpdateTimePicker();
}

// ---- auto-tab ----

void TPlexDateTimePicker::RecordBeforeDigit() {
  DecodeDate(DateTime(), Fy, Fm, Fd);
  TCustomDateTimePicker::RecordBeforeDigit();
}

void TPlexDateTimePicker::ShiftFocus() {
  if (FKind == dkTime) {
    TCustomDateTimePicker::ShiftFocus();
    return;
  }
  int y, m, d;
  DecodeDate(DateTime(), y, m, d);
  const bool D = d != Fd, M = m != Fm, Y = y != Fy;
  auto focusTime = [this] {
    if (FTimePicker && FTimePicker->CanFocus()) FTimePicker->SetFocus();
  };
  const QString format = Format();
  if (format.isEmpty()) {
    if (D || M)
      PostRight();
    else if (Y)
      focusTime();
    return;
  }
  const QChar L = format.back().toLower();
  if ((D && L == 'd') || (M && L == 'm') || (Y && L == 'y'))
    focusTime();
  else if (D || M || Y)
    PostRight();
}

// ---- messages ----

void TPlexDateTimePicker::CheckBoxNotification(TMessage& m) {
  const auto* nm = reinterpret_cast<const TNMDateTime*>(m.LParam);
  TCustomDateTimePicker::WndProc(m);
  if (!FTimePicker || !nm || nm->Code != DTN_DATETIMECHANGE) return;
  FTimePicker->SetEnabled(Enabled() && Checked() && nm->Flags != GDT_NONE);
}

void TPlexDateTimePicker::WndProc(TMessage& m) {
  switch (m.Msg) {
    case DTM_SETSYSTEMTIME:
      TCustomDateTimePicker::WndProc(m);
      // A code write sends no change notification here, so the tick decides at once.
      if (ShowCheckbox() && FTimePicker) FTimePicker->SetEnabled(Enabled() && Checked());
      return;
    case CN_NOTIFY:
      if (ShowCheckbox()) {
        CheckBoxNotification(m);
        return;
      }
      break;
    case WM_PAINT:
      TCustomDateTimePicker::WndProc(m);
      if (FFirstPaint) {
        FFirstPaint = false;
        UpdateTimePicker();
      }
      return;
    case WM_SIZE:
    case CM_COLORCHANGED:
      TCustomDateTimePicker::WndProc(m);
      UpdateTimePicker();
      return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      TCustomDateTimePicker::WndProc(m);
      if (FocusLabel) SetLabelBold(m.Msg == WM_SETFOCUS);
      return;
    default: break;
  }
  TCustomDateTimePicker::WndProc(m);
}

void TPlexDateTimePicker::Loaded() {
  CreateTimePicker();
  UpdateTimePicker();
  if (ShowCheckbox() && !Checked()) {
    SetChecked(false);
    if (FTimePicker) FTimePicker->SetEnabled(false);
  }
  if (FLabel && !FLabelAlwaysEnabled) FLabel->SetEnabled(Enabled());
  UpdateLabel();
}

// ---- label ----

void TPlexDateTimePicker::SetParent(TWinControl* AParent) {
  TCustomDateTimePicker::SetParent(AParent);
  if (FLabel && !Destroying()) {
    FLabel->SetParent(AParent);
    UpdateLabel();
  }
}

void TPlexDateTimePicker::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  TCustomDateTimePicker::SetBounds(ALeft, ATop, AWidth, AHeight);
  if (FLabel && FLabel->Parent()) UpdateLabel();
}

void TPlexDateTimePicker::SetEnabled(bool Value) {
  TCustomDateTimePicker::SetEnabled(Value);
  if (FTimePicker) FTimePicker->SetEnabled(Value && (Checked() || !ShowCheckbox()));
  if (FLabel && !FLabelAlwaysEnabled) FLabel->SetEnabled(Value);
}

void TPlexDateTimePicker::SetVisible(bool Value) {
  TCustomDateTimePicker::SetVisible(Value);
  if (FLabel) FLabel->SetVisible(Value);
}

QString TPlexDateTimePicker::LabelCaption() const { return FLabel ? FLabel->Caption() : QString(); }

void TPlexDateTimePicker::SetLabelCaption(const QString& Value) {
  if (!FLabel) CreateLabel();
  FLabel->SetCaption(Value);
  UpdateLabel();
}

void TPlexDateTimePicker::CreateLabel() {
  FLabel = new TLabel(this);  // owned by the picker
  FLabel->SetParent(Parent());
  FLabel->FocusControl = this;
  FLabel->Font().Assign(FLabelFont);
  FLabel->SetParentFont(ParentFont());
  FLabel->OnClick = [this](TObject*) {
    if (OnLabelClick) OnLabelClick(this);
  };
  FLabel->OnDblClick = [this](TObject*) {
    if (OnLabelDblClick) OnLabelDblClick(this);
  };
}

void TPlexDateTimePicker::SetLabelPosition(TLabelPosition Value) {
  SetProperty(FLabelPosition, Value, [&] { UpdateLabel(); });
}
void TPlexDateTimePicker::SetLabelMargin(int Value) {
  SetProperty(FLabelMargin, Value, [&] { UpdateLabel(); });
}

void TPlexDateTimePicker::SetLabelAlwaysEnabled(bool Value) {
  SetProperty(FLabelAlwaysEnabled, Value, [&] {
    if (FLabel && Value) FLabel->SetEnabled(true);
    Invalidate();
  });
}

void TPlexDateTimePicker::SetLabelBold(bool Bold) {
  if (!FLabel) return;
  TFontStyles style = FLabel->Font().Style();
  if (Bold)
    style.Include(fsBold);
  else
    style.Exclude(fsBold);
  FLabel->Font().SetStyle(style);
}

void TPlexDateTimePicker::UpdateLabel() {
  if (!FLabel) return;
  if (!FLabel->ParentFont()) FLabel->Font().Assign(FLabelFont);
  TBitmap measure(1, 1);
  measure.Canvas().Font().Assign(FLabel->Font());
  const int W = measure.Canvas().TextWidth(FLabel->Caption());
  const TPoint at = PlaceLabel(FLabelPosition, BoundsRect(), TSize{FLabel->Width(), FLabel->Height()}, W, FLabelMargin);
  FLabel->SetBounds(at.X, at.Y, FLabel->Width(), FLabel->Height());
  FLabel->SetVisible(Visible());
}
