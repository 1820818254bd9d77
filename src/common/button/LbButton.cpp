#include "common/button/LbButton.h"

#include "common/FormKit.h"
#include "platform/Application.h"
#include "platform/Forms.h"
#include "platform/ParentBackground.h"

#include <typeinfo>

namespace {

// The fade steps the hot-track weight down on the GUI thread at this pace.
constexpr UINT FadeTimerId = 1;
constexpr int FadeIntervalMs = 30;

bool IsEnterOrSpace(WORD key) { return key == VK_RETURN || key == VK_SPACE; }

// A focused control of a button class takes Enter and Escape itself; a radio
// button does not count as one.
bool IsButtonClass(const TControl* c) {
  const QString name = QString::fromLatin1(typeid(*c).name()).toUpper();
  return name.contains("BUTTON") && !name.contains("RADIOBUTTON");
}

TForm* FindOwnerForm(const TComponent* c) {
  for (TComponent* o = c->Owner(); o; o = o->Owner())
    if (auto* f = dynamic_cast<TForm*>(o)) return f;
  return nullptr;
}

}  // namespace

TLbButton::TLbButton(TComponent* AOwner) : TCustomControl(AOwner) {
  SetBounds(Left(), Top(), 100, 23);
  SetColor(clBtnFace);
  SetTabStop(true);
  if (auto* form = dynamic_cast<TForm*>(AOwner)) FHotTrackFont.Assign(form->Font());
}

TLbButton::~TLbButton() { StopFade(); }

// ---- properties ----

void TLbButton::SetAlignment(TAlignment v) {
  FAlignment = v;
  Repaint();
}

void TLbButton::SetColorStyle(TLbColorStyle v) {
  const TLbColorPreset* preset = FindColorPreset(v);
  if (!preset) return;
  FFlat = false;
  Font().SetColor(clBlack);
  FStyle = bsNormal;
  SetColor(preset->Color);
  FLightColor = preset->LightColor;
  FShadowColor = preset->ShadowColor;
  FColorWhenDown = preset->ColorWhenDown;
  FHotTrackColor = preset->HotTrackColor;
  // The look only: the window's see-through setting stays as Style left it.
  FStyle = preset->Style;
  FFlat = preset->Flat;
  Font().SetColor(preset->FontColor);
  Repaint();
}

void TLbButton::SetFlat(bool v) {
  FFlat = v;
  Repaint();
}

void TLbButton::SetGlyph(const TBitmap& v) {
  // The strip is drawn opaque, its cells keyed by their bottom-left pixel.
  FGlyph.Assign(v);
  FGlyph.Transparent = false;
  FGlyph.SetPixelFormat(pfDevice);
  FNumGlyphs = FGlyph.Empty() || FGlyph.Height() == 0 ? 0 : FGlyph.Width() / FGlyph.Height();
  FKind = bkCustom;
  Invalidate();
}

void TLbButton::SetKind(TLbButtonKind v) {
  if (const TLbKindInfo* info = FindKindInfo(v)) {
    FNumGlyphs = 2;
    FModalResult = info->ModalResult;
    LoadLbBitmap(QString::fromLatin1(info->Bitmap), FGlyph);
    SetCaption(QString::fromUtf16(info->Caption));
  }
  FKind = v;
  Invalidate();
}

void TLbButton::SetLayout(TLbButtonLayout v) {
  FLayout = v;
  Repaint();
}

void TLbButton::SetLightColor(TColor v) {
  FLightColor = v;
  Repaint();
}

void TLbButton::SetModalResult(TModalResult v) {
  FModalResult = v;
  FKind = bkCustom;
}

void TLbButton::SetNumGlyphs(int v) {
  FNumGlyphs = v;
  Invalidate();
}

void TLbButton::SetShadowColor(TColor v) {
  FShadowColor = v;
  Repaint();
}

void TLbButton::SetSlowDecease(bool v) {
  FSlowDecease = v;
  if (!v) {
    FHotTrackStep = 0;
    StopFade();
  }
  Invalidate();
}

void TLbButton::SetStyle(TLbButtonStyle v) {
  FStyle = v;
  SetTransparentWindow(LbSeeThrough(v));
  Invalidate();
}

void TLbButton::SetTransparentWindow(bool v) {
  FTransparentWindow = v;
  SetPaintsWholeArea(this, !v);
}

void TLbButton::SetWordWrap(bool v) {
  FWordWrap = v;
  Repaint();
}

void TLbButton::ApplyHouseLook() {
  SetStyle(bsEncarta);
  SetColor(HouseLook::FormColor);
  SetColorWhenDown(HouseLook::PressedColor);
  SetHotTrackColor(HouseLook::HotTrackColor);
  SetLightColor(HouseLook::ButtonLightColor);
}

void TLbButton::SetEnabled(bool v) {
  TCustomControl::SetEnabled(v);
  FDown = false;
  Repaint();
}

// ---- clicking ----

void TLbButton::Click() {
  FDown = true;
  DoClickAction();
}

void TLbButton::DoClickAction() {
  if (!Visible() || !Enabled() || !FDown) return;
  FDown = false;
  if (OnClick) OnClick(this);
  if (FModalResult != mrNone)
    if (TForm* form = GetParentForm()) form->SetModalResult(FModalResult);
}

// ---- mouse ----

void TLbButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft || !Enabled()) return;
  FDown = true;
  if (CanFocus()) SetFocus();
  Repaint();
}

void TLbButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseUp(Button, Shift, X, Y);
  // Released anywhere: the press made on the button counts.
  if (FDown) Click();
  FDown = false;
  Repaint();
}

void TLbButton::MouseEntered() {
  if (!Enabled() || !Visible() || !Parent() || !Parent()->Showing()) return;
  FCursorOnButton = true;
  FHotTrackStep = 8;
  Repaint();
  if (OnMouseEnter) OnMouseEnter(this);
}

void TLbButton::MouseLeft() {
  FCursorOnButton = false;
  if (FSlowDecease) {
    if (!FFading) {
      FFading = true;
      SetTimer(FadeTimerId, FadeIntervalMs);
    }
  } else {
    FHotTrackStep = 0;
    Repaint();
  }
  if (Enabled() && Visible() && Parent() && Parent()->Showing() && OnMouseExit) OnMouseExit(this);
}

void TLbButton::FadeStep() {
  if (Destroying()) return;
  if (--FHotTrackStep <= 0) {
    StopFade();
    FHotTrackStep = 0;
  }
  Repaint();
}

void TLbButton::StopFade() {
  if (!FFading) return;
  FFading = false;
  KillTimer(FadeTimerId);
}

// ---- keyboard ----

void TLbButton::KeyPressedDown(WORD key) {
  if (!Enabled() || !IsEnterOrSpace(key)) return;
  FDown = true;
  FKeyDown = key;
  Repaint();
}

// Only the release of a key this button saw go down clicks: the release of an
// Enter that closed a message box, or that another window acted on, arrives
// here after focus came back and must not click a second time.
void TLbButton::KeyReleased(WORD key) {
  if (IsEnterOrSpace(key) && key == FKeyDown) {
    FKeyDown = 0;
    if (FDown) Click();
  }
  Repaint();
}

bool TLbButton::DialogChar(QChar ch) {
  if (!IsAccel(ch, Caption()) || !Visible() || !Enabled() || !Parent() || !Parent()->Showing()) return false;
  FDown = true;
  Click();
  return true;
}

bool TLbButton::DialogKey(WORD key, TShiftState shift) {
  const bool asDefault = key == VK_RETURN && FDefault;
  const bool asCancel = key == VK_ESCAPE && shift.Empty() && FCancel && Visible() && Enabled();
  if (!asDefault && !asCancel) return false;
  if (TForm* form = FindOwnerForm(this))
    if (TWinControl* active = form->ActiveControl(); active && IsButtonClass(active)) return false;
  FDown = true;
  Click();
  return true;
}

bool TLbButton::HotForPaint() const { return FCursorOnButton || Focused(); }

void TLbButton::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_KEYDOWN: {
      const WORD key = WORD(m.WParam);
      TCustomControl::WndProc(m);
      KeyPressedDown(key);
      return;
    }
    case WM_KEYUP: {
      const WORD key = WORD(m.WParam);
      TCustomControl::WndProc(m);
      KeyReleased(key);
      return;
    }
    case CM_DIALOGCHAR:
      if (DialogChar(QChar(char16_t(m.WParam))))
        m.Result = 1;
      else
        TCustomControl::WndProc(m);
      return;
    case CM_DIALOGKEY: {
      TShiftState shift;
      shift.bits = unsigned(m.LParam);
      if (DialogKey(WORD(m.WParam), shift))
        m.Result = 1;
      else
        TCustomControl::WndProc(m);
      return;
    }
    case CM_MOUSEENTER: MouseEntered(); return;
    case CM_MOUSELEAVE: MouseLeft(); return;
    case WM_KILLFOCUS:
      // The release of a key pressed here now goes elsewhere.
      if (FKeyDown != 0) {
        FKeyDown = 0;
        FDown = false;
      }
      [[fallthrough]];
    case WM_SETFOCUS:
      TCustomControl::WndProc(m);
      Repaint();
      return;
    case WM_TIMER:
      if (m.WParam == FadeTimerId) {
        FadeStep();
        return;
      }
      break;
    default: break;
  }
  TCustomControl::WndProc(m);
}

// ---- painting ----

void TLbButton::Paint() {
  if (!Visible() || Destroying()) return;
  const int W = Width(), H = Height();
  if (W <= 0 || H <= 0) return;
  const bool focused = Focused();
  TFont paintFont;
  paintFont.Assign(FUseHotTrackFont && HotForPaint() ? FHotTrackFont : Font());

  TLbFace face;
  face.Width = W;
  face.Height = H;
  face.Alignment = FAlignment;
  face.Caption = Caption();
  face.Layout = FLayout;
  face.Font = &paintFont;
  face.ShadowColor = FShadowColor;
  face.LightColor = FLightColor;
  face.HotTrackColor = FHotTrackColor;
  face.ColorWhenDown = FColorWhenDown;
  face.Color = Color();
  face.Style = FStyle;
  face.WordWrap = FWordWrap;
  face.Flat = FFlat;
  face.Enabled = Enabled();
  face.Hot = HotForPaint();
  face.Pressed = FDown;
  face.Glyph = &FGlyph;
  face.NumGlyphs = FNumGlyphs;
  face.HotTrackStep = FHotTrackStep;

  TBitmap bitmap(W, H);
  const bool seeThrough = LbSeeThrough(FStyle);
  if (seeThrough) {
    bitmap.Canvas().Brush().Style = bsSolid;
    bitmap.Canvas().Brush().Color = LbTransparentKey;
    bitmap.Canvas().FillRect(TRect(0, 0, W, H));
  }
  if (FStyle == bsOld && focused) {
    // The old look draws its face one pixel in and rings it in black.
    face.Width = W - 2;
    face.Height = H - 2;
    if (FDown) face.LightColor = FShadowColor;
    TBitmap inner(W - 2, H - 2);
    DrawButtonFace(inner.Canvas(), face);
    TCanvas& c = bitmap.Canvas();
    c.Draw(1, 1, inner);
    c.Brush().Style = bsClear;
    c.Pen().Color = clBlack;
    c.Pen().Style = psSolid;
    c.Rectangle(0, 0, W, H);
  } else {
    DrawButtonFace(bitmap.Canvas(), face);
  }
  if (focused && Enabled() && FStyle != bsShape) DrawDottedFocusRect(bitmap.Canvas(), TRect(4, 4, W - 4, H - 4));
  if (seeThrough)
    Canvas().DrawTransparent(0, 0, bitmap, LbTransparentKey);
  else
    Canvas().Draw(0, 0, bitmap);
}
