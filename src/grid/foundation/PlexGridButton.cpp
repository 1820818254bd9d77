#include "grid/foundation/PlexGridButton.h"

#include "grid/foundation/PlexGridButtonActionLink.h"
#include "platform/ActnList.h"
#include "platform/FindControl.h"
#include "platform/Menus.h"
#include "platform/Property.h"
#include "platform/Themes.h"

namespace {

// The button's own colours: default and whether a write repaints.
struct TColorProperty {
  TColor Default;
  bool Repaints;
};
constexpr std::array<TColorProperty, gbcCount> kColorProperties = {{
    {clNone, true},     // BorderColor
    {clNone, false},    // BorderDownColor
    {clNone, false},    // BorderHotColor
    {clNone, true},     // ColorTo
    {0xCAC7C7, false},  // ColorHot
    {clNone, false},    // ColorHotTo
    {0xD8D3D2, false},  // ColorDown
    {clNone, false},    // ColorDownTo
    {0x808080, true},   // ColorChecked
    {clNone, true},     // ColorCheckedTo
}};

// The colour presets, by look number; Color first, then the button's own
// colours in the order of TGridButtonColor from ColorTo on.
struct TLook {
  TColor Color, ColorTo, ColorHot, ColorHotTo, ColorDown, ColorDownTo, ColorChecked, ColorCheckedTo, BorderHotColor,
      BorderDownColor;
};
constexpr TLook kLooks[] = {
    {0xEDF1F1, 0xDFEBEB, 0xFAFCFC, 0xE5ECED, 0xE0E6E7, 0xD8E0E1, 0xFFFFFF, clNone, 0xC3CECE, 0xAF987A},
    {clBtnFace, clNone, 0xEED2C1, clNone, 0xE2B598, clNone, 0xE8E6E1, clNone, 0xC56A31, 0xC56A31},
    {0xFDEADA, 0xE4AE88, 0xCCF4FF, 0x91D0FF, 0x4E91FE, 0x8ED3FF, 0x8ED3FF, 0x55ADFF, 0x000000, 0x000000},
    {0xCFF0EA, 0x8CC0B1, 0xCCF4FF, 0x91D0FF, 0x4E91FE, 0x8ED3FF, 0x8ED3FF, 0x55ADFF, 0x000000, 0x000000},
    {0xECE2E1, 0xB39698, 0xCCF4FF, 0x91D0FF, 0x4E91FE, 0x8ED3FF, 0x8ED3FF, 0x55ADFF, 0x000000, 0x000000},
    {clBtnFace, clNone, clBtnFace, clNone, 0xD8D3D2, clNone, 0xCAC7C7, clNone, clNone, clNone},
    {0xCAFFFF, 0xA6FFFF, 0xA8F0FD, 0x7CE9FC, 0x4DE0FB, 0x7AE9FC, 0xB5E6F2, 0x9CDDED, 0x808080, 0x808080},
};
constexpr int kLookCount = int(std::size(kLooks));

// The desktop colour schemes that have a look of their own; any other gives look 1.
struct TSchemeLook {
  const char* ColorName;
  int Look;
};
constexpr TSchemeLook kSchemeLooks[] = {{"NormalColor", 2}, {"HomeStead", 3}, {"Metallic", 4}};
constexpr int kNeutralLook = 1;

// The drop-down part: the rightmost pixel columns beyond this distance from the right edge.
constexpr int kDropDownPart = 12;
constexpr TColor kShadeGrey = 0x808080;

}  // namespace

TPlexGridButton::TPlexGridButton(TComponent* AOwner) : TGraphicControl(AOwner) {
  for (int i = 0; i < gbcCount; ++i) FColors[size_t(i)] = kColorProperties[size_t(i)].Default;
  SetBounds(Left(), Top(), 22, 23);
  SetColor(clBtnFace);
  SetParentFont(true);
}

TPlexGridButton::~TPlexGridButton() = default;

// ---- properties ----

void TPlexGridButton::SetAllowAllUp(bool Value) {
  SetProperty(FAllowAllUp, Value, [this] { NotifyGroup(); });
}

void TPlexGridButton::SetAutoThemeAdapt(bool Value) {
  FAutoThemeAdapt = Value;
  if (Value) ThemeAdapt();
}

void TPlexGridButton::SetButtonColor(TGridButtonColor Which, TColor Value) {
  FColors[Which] = Value;
  if (kColorProperties[Which].Repaints) Invalidate();
}

void TPlexGridButton::SetDropDownButton(bool Value) {
  FDropDownButton = Value;
  Invalidate();
}

void TPlexGridButton::SetDropDownMenu(TPopupMenu* Value) {
  if (FDropDownMenu) RemoveFreeNotification(FDropDownMenu);
  FDropDownMenu = Value;
  if (Value) FreeNotification(Value);
}

void TPlexGridButton::SetFlat(bool Value) {
  SetProperty(FFlat, Value, [this] { Invalidate(); });
}

void TPlexGridButton::SetGlyph(const TBitmap& Value) {
  FGlyph->Assign(Value);
  if (FGlyphDisabled->Empty()) MakeDisabledGlyph();
  Invalidate();
}

void TPlexGridButton::SetGroupIndex(int Value) {
  SetProperty(FGroupIndex, Value, [this] { NotifyGroup(); });
}

void TPlexGridButton::SetLayout(TButtonLayout Value) {
  SetProperty(FLayout, Value, [this] { Invalidate(); });
}

void TPlexGridButton::SetMargin(int Value) {
  if (Value < -1) return;
  SetProperty(FMargin, Value, [this] { Invalidate(); });
}

void TPlexGridButton::SetRounded(bool Value) {
  FRounded = Value;
  Invalidate();
}

void TPlexGridButton::SetShaded(bool Value) {
  FShaded = Value;
  if (Value) MakeShade();
}

void TPlexGridButton::SetShowCaption(bool Value) {
  SetProperty(FShowCaption, Value, [this] { Invalidate(); });
}

void TPlexGridButton::SetSpacing(int Value) {
  SetProperty(FSpacing, Value, [this] { Invalidate(); });
}

void TPlexGridButton::SetStyle(TPlexGridButtonStyle Value) {
  FStyle = Value;
  Invalidate();
}

void TPlexGridButton::SetLook(int Value) {
  if (Value < 0 || Value >= kLookCount) return;
  FLook = Value;
  const TLook& l = kLooks[Value];
  SetBorderColor(clNone);
  SetFlat(true);
  SetRounded(Value == 0);
  SetColor(l.Color);
  SetColorTo(l.ColorTo);
  SetColorHot(l.ColorHot);
  SetColorHotTo(l.ColorHotTo);
  SetColorDown(l.ColorDown);
  SetColorDownTo(l.ColorDownTo);
  SetColorChecked(l.ColorChecked);
  SetColorCheckedTo(l.ColorCheckedTo);
  SetBorderHotColor(l.BorderHotColor);
  SetBorderDownColor(l.BorderDownColor);
}

// ---- down state and groups ----

void TPlexGridButton::SetDown(bool Value) {
  if (FGroupIndex == 0 && FStyle == tasButton) Value = false;
  if (FStyle == tasCheck) {
    FDown = Value;
    Repaint();
    return;
  }
  if (Value == FDown) return;
  // The down button of a group is released only by another one going down.
  if (FDown && !FAllowAllUp) return;
  FDown = Value;
  if (Value) {
    if (FState == bsUp) Invalidate();
    FState = bsExclusive;
    NotifyGroup();
  } else {
    FState = bsUp;
    Repaint();
  }
}

void TPlexGridButton::NotifyGroup() {
  if (FGroupIndex == 0 || !Parent()) return;
  TMessage m{CM_BUTTONPRESSED, WPARAM(FGroupIndex), LPARAM(static_cast<TObject*>(this)), 0};
  Parent()->Broadcast(m);
}

void TPlexGridButton::ButtonPressed(TMessage& Message) {
  auto* sender = dynamic_cast<TPlexGridButton*>(reinterpret_cast<TObject*>(Message.LParam));
  if (int(Message.WParam) != FGroupIndex || !sender || sender == this) return;
  if (sender->FDown && FDown) {
    FDown = false;
    FState = bsUp;
    if (auto* action = dynamic_cast<TCustomAction*>(Action())) action->SetChecked(false);
    Invalidate();
  }
  FAllowAllUp = sender->FAllowAllUp;
}

// ---- mouse ----

void TPlexGridButton::RefreshHotState() {
  if (!FFlat || !Enabled()) return;
  if (FindDragTarget(CursorPos(), true) == this) {
    FMouseInButton = false;
    MouseEnter();
  } else {
    FMouseInButton = true;
    MouseLeave();
  }
}

void TPlexGridButton::MouseEnter() {
  if (!FMouseInButton && Enabled() && !MouseCaptured()) {
    FMouseInButton = true;
    Repaint();
  }
  if (OnMouseEnter) OnMouseEnter(this);
}

void TPlexGridButton::MouseLeave() {
  if (FMouseInButton && Enabled() && !FDragging) {
    FMouseInButton = false;
    Invalidate();
  }
  if (OnMouseLeave) OnMouseLeave(this);
}

void TPlexGridButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft || !Enabled()) return;
  if (FDropDownButton && X > ClientWidth() - kDropDownPart) {
    FState = bsUp;
    if (OnDropDown) OnDropDown(this);
    if (FDropDownMenu) {
      const TPoint p = ClientToScreen(TPoint(0, Height()));
      FDropDownMenu->Popup(p.X, p.Y);
    }
    return;
  }
  if (!FDown) {
    FState = bsDown;
    Invalidate();
  }
  if (FStyle == tasCheck) {
    FState = bsDown;
    Repaint();
  }
  FDragging = true;
}

// The bottom edge row counts as inside.
bool TPlexGridButton::InsideForRelease(int X, int Y) const {
  return X >= 0 && X < ClientWidth() && Y >= 0 && Y <= ClientHeight();
}

void TPlexGridButton::MouseMove(TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseMove(Shift, X, Y);
  if (!FDragging) {
    if (!FMouseInButton) RefreshHotState();
    return;
  }
  TButtonState state = FDown ? bsExclusive : bsUp;
  if (InsideForRelease(X, Y)) state = FDown ? bsExclusive : bsDown;
  if (FStyle == tasCheck && FDown) state = bsDown;
  if (state != FState) {
    FState = state;
    Invalidate();
  }
}

void TPlexGridButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseUp(Button, Shift, X, Y);
  if (!FDragging) return;
  FDragging = false;
  const bool inside = InsideForRelease(X, Y);
  if (FGroupIndex == 0) {
    FState = bsUp;
    if (FStyle == tasCheck) {
      SetDown(!FDown);
      FState = bsUp;
    }
    if (inside && FState != bsDown && FState != bsExclusive) Invalidate();
  } else if (inside) {
    SetDown(!FDown);
    if (FDown) Repaint();
  } else {
    if (FDown) FState = bsExclusive;
    Repaint();
  }
  if (inside) Click();
  RefreshHotState();
}

void TPlexGridButton::Click() { TGraphicControl::Click(); }

// ---- messages ----

bool TPlexGridButton::DialogChar(QChar ch) {
  if (!IsAccel(ch, Caption()) || !Enabled() || !Visible() || !Parent() || !Parent()->Showing()) return false;
  Click();
  return true;
}

void TPlexGridButton::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CM_BUTTONPRESSED: ButtonPressed(Message); return;
    case CM_DIALOGCHAR:
      if (DialogChar(QChar(char16_t(Message.WParam))))
        Message.Result = 1;
      else
        TGraphicControl::WndProc(Message);
      return;
    case WM_LBUTTONDBLCLK:
      TGraphicControl::WndProc(Message);
      if (FDown) TControl::DblClick();
      return;
    case WM_THEMECHANGED:
    case CM_SYSFONTCHANGED:
      if (FAutoThemeAdapt) ThemeAdapt();
      TGraphicControl::WndProc(Message);
      return;
    case CM_SYSCOLORCHANGE:
      Invalidate();
      TGraphicControl::WndProc(Message);
      return;
    default: TGraphicControl::WndProc(Message);
  }
}

void TPlexGridButton::EnabledChanged() {
  RefreshHotState();
  Repaint();
}

void TPlexGridButton::FontChanged() {
  TGraphicControl::FontChanged();
  Invalidate();
}

void TPlexGridButton::Notification(TComponent* AComponent, TOperation Operation) {
  TGraphicControl::Notification(AComponent, Operation);
  if (Operation == TOperation::opRemove && AComponent == FDropDownMenu) FDropDownMenu = nullptr;
}

std::unique_ptr<TControlActionLink> TPlexGridButton::CreateActionLink() {
  return std::make_unique<TPlexGridButtonActionLink>(this);
}

void TPlexGridButton::Loaded() {
  if (FShaded) MakeShade();
  if (FAutoThemeAdapt) ThemeAdapt();
}

// ---- theme and glyphs ----

// The desktop's colour scheme picks the look; without an active theme the neutral one.
void TPlexGridButton::ThemeAdapt() {
  int look = kNeutralLook;
  IThemeServices& themes = ThemeServices();
  QString file, colour, size;
  if (themes.IsThemeActive() && themes.GetCurrentThemeName(file, colour, size))
    for (const TSchemeLook& s : kSchemeLooks)
      if (colour == QLatin1String(s.ColorName)) look = s.Look;
  SetLook(look);
}

void TPlexGridButton::MakeDisabledGlyph() {
  FGlyphDisabled->Assign(*FGlyph);
  if (FGlyphDisabled->Empty()) return;
  FGlyphDisabled->SetPixelFormat(pf32bit);
  for (int y = 0; y < FGlyphDisabled->Height(); ++y) {
    auto* line = static_cast<TRGBQuad*>(FGlyphDisabled->ScanLine(y));
    for (int x = 0; x < FGlyphDisabled->Width(); ++x) {
      TRGBQuad& p = line[x];
      const int avg = (p.rgbRed + p.rgbGreen + p.rgbBlue) / 3;
      const BYTE g = BYTE(avg / 2 + 96);
      p.rgbRed = p.rgbGreen = p.rgbBlue = g;
    }
  }
}

// A grey silhouette of the glyph on the glyph's own transparent colour: the
// glyph with its key colour made black, combined with the glyph by
// exclusive-or, leaves black where the glyph is opaque; black becomes grey.
void TPlexGridButton::MakeShade() {
  if (FGlyph->Empty()) return;
  TBitmap glyph;
  glyph.Assign(*FGlyph);
  glyph.SetPixelFormat(pf32bit);
  const TColor key = glyph.BottomLeftColor();
  FShade->Assign(glyph);
  for (int y = 0; y < glyph.Height(); ++y) {
    const auto* src = static_cast<TRGBQuad*>(glyph.ScanLine(y));
    auto* dst = static_cast<TRGBQuad*>(FShade->ScanLine(y));
    for (int x = 0; x < glyph.Width(); ++x) {
      const TColor g = RGBColor(src[x].rgbRed, src[x].rgbGreen, src[x].rgbBlue);
      const TColor s = (g == key ? clBlack : g) ^ g;
      const TColor out = s == clBlack ? kShadeGrey : s;
      dst[x].rgbRed = BYTE(GetRValue(out));
      dst[x].rgbGreen = BYTE(GetGValue(out));
      dst[x].rgbBlue = BYTE(GetBValue(out));
    }
  }
}
