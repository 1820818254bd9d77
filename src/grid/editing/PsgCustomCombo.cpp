#include "grid/editing/PsgCustomCombo.h"

#include "platform/Forms.h"
#include "platform/Property.h"
#include "platform/SystemProbes.h"
#include "platform/Themes.h"

TPsgCustomCombo::TPsgCustomCombo(TComponent* AOwner) : TComboBox(AOwner) {
  FButtonWidth = GetSystemMetrics(SM_CXVSCROLL) + 2;
  FIsThemed = ComCtlMajorVersion() > 5;
  FLabelFont.OnChange = [this](TObject*) { UpdateLabel(); };
  FPaintHook = std::make_unique<TPaintOverHook>(this);
}

TPsgCustomCombo::~TPsgCustomCombo() {
  FPaintHook.reset();
  delete FLabel;  // owned by the combo; freed first so it leaves its parent now
  FLabel = nullptr;
}

// ---- behaviour ----

void TPsgCustomCombo::Init() {
  FNormalColor = Color();
  FInitDone = true;
}

void TPsgCustomCombo::SelectItem(const QString& AString) {
  const int index = Items().IndexOf(AString);
  if (index >= 0) SetItemIndex(index);
}

void TPsgCustomCombo::Loaded() {
  FLoading = false;
  if (FDropWidth > 0) SetDroppedWidth(FDropWidth);
  if (FFlat || !FFlatParentColor) SetColor(FLoadedColor);
  if (FLabel) {
    if (!FLabelAlwaysEnabled) FLabel->SetEnabled(Enabled());
    if (FLabel->ParentFont()) FLabel->Font().Assign(Font());
    UpdateLabel();
  }
  Init();
}

void TPsgCustomCombo::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  TComboBox::SetBounds(ALeft, ATop, AWidth, AHeight);
  if (!Destroying()) UpdateLabel();
}

void TPsgCustomCombo::SetParent(TWinControl* AParent) {
  TComboBox::SetParent(AParent);
  // The label stands beside the combo, so it goes where the combo goes.
  if (FLabel && !Destroying()) {
    FLabel->SetParent(AParent);
    UpdateLabel();
  }
}

void TPsgCustomCombo::SetEnabled(bool Value) {
  const bool changed = Value != Enabled();
  if (changed) EnabledChanging();
  TComboBox::SetEnabled(Value);
  if (!changed || FLoading || !FLabel) return;
  if (!FLabelAlwaysEnabled) FLabel->SetEnabled(Value);
  UpdateLabel();
}

void TPsgCustomCombo::SetVisible(bool Value) {
  TComboBox::SetVisible(Value);
  if (FLabel) FLabel->SetVisible(Value);
}

// A flat combo shows its parent's colour while disabled and its own again after.
void TPsgCustomCombo::EnabledChanging() {
  if (!FFlat || FLoading) return;
  if (Enabled()) {
    FDisabledSavedColor = Color();
    FDisabledSavedParentColor = ParentColor();
    SetParentColor(true);
  } else {
    SetColor(FDisabledSavedColor);
    SetParentColor(FDisabledSavedParentColor);
  }
}

void TPsgCustomCombo::SetFlat(bool Value) {
  SetProperty(FFlat, Value, [&] {
    FCtl3D = !FFlat;
    if (FFlat && FFlatParentColor && Parent())
      SetColor(ParentBrushColor());
    else
      SetColor(FLoadedColor);
    Invalidate();
  });
}

void TPsgCustomCombo::SetEtched(bool Value) {
  SetProperty(FEtched, Value, [&] { Invalidate(); });
}
void TPsgCustomCombo::SetFlatLineColor(TColor Value) {
  SetProperty(FFlatLineColor, Value, [&] { Invalidate(); });
}
void TPsgCustomCombo::SetFlatParentColor(bool Value) {
  SetProperty(FFlatParentColor, Value, [&] { Invalidate(); });
}

void TPsgCustomCombo::SetButtonWidth(int Value) {
  if (Value < MinComboButtonWidth || Value > MaxComboButtonWidth) return;
  SetProperty(FButtonWidth, Value, [&] { Invalidate(); });
}

void TPsgCustomCombo::SetDropWidth(int Value) {
  FDropWidth = Value;
  if (Value > 0) SetDroppedWidth(Value);
}

void TPsgCustomCombo::SetBorderColor(TColor Value) {
  SetProperty(FBorderColor, Value, [&] { Invalidate(); });
}

TColor TPsgCustomCombo::ParentBrushColor() const { return Parent() ? Parent()->Color() : Color(); }

bool TPsgCustomCombo::ThemesActive() const { return FIsThemed && ThemeServices().IsThemeActive(); }

// ---- focus ----

void TPsgCustomCombo::DoEnter() {
  FHasFocus = true;
  // A combo made at run time never had Init: its colour now is what the exit restores.
  if (!FInitDone) FNormalColor = Color();
  DrawBorders();
  if (FocusColor != clNone) SetColor(FocusColor);
  if (FocusLabel) SetLabelBold(true);
  TComboBox::DoEnter();
}

void TPsgCustomCombo::DoExit() {
  FHasFocus = false;
  DrawBorders();
  RestoreNormalColor();
  if (FocusLabel) SetLabelBold(false);
  TComboBox::DoExit();
}

void TPsgCustomCombo::RestoreNormalColor() {
  if (FocusColor != clNone && FNormalColor != clNone) SetColor(FNormalColor);
}

void TPsgCustomCombo::SetLabelBold(bool Bold) {
  if (!FLabel) return;
  TFontStyles style = FLabel->Font().Style();
  if (Bold)
    style.Include(fsBold);
  else
    style.Exclude(fsBold);
  FLabel->Font().SetStyle(style);
}

// ---- messages ----

void TPsgCustomCombo::WndProc(TMessage& m) {
  switch (m.Msg) {
    case CM_MOUSEENTER:
      if (!FMouseInCombo && Enabled()) {
        FMouseInCombo = true;
        DrawBorders();
      }
      if (AutoFocus && !Focused() && CanFocus()) {
        // On a form only while that form is the active window.
        const TControl* form = GetParentForm();
        if (!form || IsWindowActive(form)) SetFocus();
      }
      if (IsWinXP) Invalidate();
      break;
    case CM_MOUSELEAVE:
      if (FMouseInCombo && Enabled()) {
        FMouseInCombo = false;
        DrawBorders();
      }
      FButtonHover = false;
      if (IsWinXP) Invalidate();
      break;
    case CM_COLORCHANGED:
      if (FLoading) FLoadedColor = Color();
      break;
    case CM_FONTCHANGED:
      if (FLabel && FLabel->ParentFont() && FLoading) FLabel->Font().Assign(Font());
      break;
    case WM_NCPAINT:
      if (TCanvas* canvas = PaintOverCanvas(m.WParam)) DrawBorders(*canvas);
      m.Result = 0;
      return;
    case WM_PAINT:
      if (TCanvas* canvas = PaintOverCanvas(m.WParam); canvas && PaintsItself()) Paint(*canvas);
      return;
    default: break;
  }
  const bool focusIn = m.Msg == WM_SETFOCUS, focusOut = m.Msg == WM_KILLFOCUS;
  TComboBox::WndProc(m);
  if (focusIn && FocusBorderColor != clNone) Invalidate();
  if (focusOut) Invalidate();
  if (m.Msg == CN_COMMAND) DropNotification(unsigned(HiWord(LPARAM(m.WParam)) & 0xFFFF));
}

void TPsgCustomCombo::DropNotification(unsigned Code) {
  if (Code != CBN_DROPDOWN && Code != CBN_CLOSEUP) return;
  InvalidateRect(TRect(ClientWidth() - FButtonWidth, 0, ClientWidth(), ClientHeight()));
  if (Code == CBN_CLOSEUP && OnDropUp) OnDropUp(this);
}

void TPsgCustomCombo::MouseMove(TShiftState Shift, int X, int Y) {
  const bool hover = X > Width() - FButtonWidth && X < Width();
  if (hover != FButtonHover) {
    FButtonHover = hover;
    Invalidate();
  }
  TComboBox::MouseMove(Shift, X, Y);
}

void TPsgCustomCombo::Notification(TComponent* AComponent, TOperation Operation) {
  TComboBox::Notification(AComponent, Operation);
  if (Operation == TOperation::opRemove && AComponent == FLabel) FLabel = nullptr;
}

// ---- attached label ----

QString TPsgCustomCombo::LabelCaption() const { return FLabel ? FLabel->Caption() : QString(); }

void TPsgCustomCombo::SetLabelCaption(const QString& Value) {
  if (!FLabel) CreateLabel();
  FLabel->SetCaption(Value);
  UpdateLabel();
}

void TPsgCustomCombo::CreateLabel() {
  FLabel = new TLabel(this);  // owned by the combo
  FLabel->SetParent(Parent());
  FLabel->FocusControl = this;
  FLabel->Font().Assign(FLabelFont);
  FLabel->SetParentFont(ParentFont());
}

void TPsgCustomCombo::SetLabelPosition(TLabelPosition Value) {
  SetProperty(FLabelPosition, Value, [&] { UpdateLabel(); });
}
void TPsgCustomCombo::SetLabelMargin(int Value) {
  SetProperty(FLabelMargin, Value, [&] { UpdateLabel(); });
}
void TPsgCustomCombo::SetLabelTransparent(bool Value) {
  SetProperty(FLabelTransparent, Value, [&] { UpdateLabel(); });
}

void TPsgCustomCombo::SetLabelAlwaysEnabled(bool Value) {
  SetProperty(FLabelAlwaysEnabled, Value, [&] {
    if (FLabel && Value) FLabel->SetEnabled(true);
    UpdateLabel();
  });
}

void TPsgCustomCombo::UpdateLabel() {
  if (!FLabel) return;
  FLabel->SetTransparent(FLabelTransparent);
  if (!FLabel->ParentFont()) FLabel->Font().Assign(FLabelFont);
  TBitmap measure(1, 1);
  measure.Canvas().Font().Assign(FLabel->Font());
  TRect calc(0, 0, 1000, 255);
  DrawText(measure.Canvas(), FLabel->Caption(), calc, DT_CALCRECT | DT_NOPREFIX);
  const TPoint at =
      PlaceLabel(FLabelPosition, BoundsRect(), TSize{FLabel->Width(), FLabel->Height()}, calc.Width(), FLabelMargin);
  FLabel->SetBounds(at.X, at.Y, FLabel->Width(), FLabel->Height());
  FLabel->SetVisible(Visible());
}
