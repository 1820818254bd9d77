// TPlexCheckBox: painting.
#include "grid/foundation/PlexCheckBox.h"

#include "grid/foundation/ThemedDrawing.h"
#include "platform/ParentBackground.h"
#include "platform/Themes.h"

namespace {

constexpr int CheckBoxPart = 3;
// First themed state of each check state (normal, hot, pressed, disabled follow).
constexpr int FirstThemedState[] = {1, 5, 9};  // cbUnchecked, cbChecked, cbGrayed
constexpr TColor DisabledTextColor = 0x808080;

}  // namespace

TRect TPlexCheckBox::ThemedBoxRect() const {
  const int x = FAlignment == taRightJustify ? ClientWidth() - 15 : 0;
  const int y = FBtnVAlign == tlCenter ? ClientHeight() / 2 - 6 : FBtnVAlign == tlBottom ? ClientHeight() - 14 : 4;
  return Bounds(x, y, 14, 14);
}

TRect TPlexCheckBox::ClassicBoxRect() const {
  const int x = FAlignment == taRightJustify ? ClientWidth() - 13 : 0;
  const int y = FBtnVAlign == tlCenter ? ClientHeight() / 2 - 6 : FBtnVAlign == tlBottom ? ClientHeight() - 17 : 4;
  return Bounds(x, y, 13, 13);
}

int TPlexCheckBox::ThemedState() const {
  const int offset = !Enabled() ? 3 : FDown ? 2 : FHot ? 1 : 0;
  return FirstThemedState[FState] + offset;
}

void TPlexCheckBox::Paint() {
  Canvas().Font().Assign(Font());
  if (FTransparent) {
    PaintBackground();
  } else {
    // What the window's erase step gives an opaque control.
    Canvas().Brush().Color = Color();
    Canvas().Brush().Style = bsSolid;
    Canvas().FillRect(ClientRect());
  }
  if (IsThemedDrawing())
    PaintThemedBox();
  else
    PaintClassicBox();
  PaintCaption();
}

void TPlexCheckBox::PaintBackground() {
  if (!TransparentChaching) {
    TBitmap under;
    if (PaintParentBackground(this, under)) Canvas().Draw(0, 0, under);
    return;
  }
  if (!FBkgCache) {
    if (!PaintParentBackground(this, *FBkgBmp)) return;
    FBkgCache = true;
  }
  Canvas().Draw(0, 0, *FBkgBmp);
}

void TPlexCheckBox::PaintThemedBox() {
  IThemeServices& themes = ThemeServices();
  HTHEME theme = themes.OpenThemeData(this, "button");
  themes.DrawThemeBackground(theme, Canvas(), CheckBoxPart, ThemedState(), ThemedBoxRect(), nullptr);
  themes.CloseThemeData(theme);
}

void TPlexCheckBox::PaintClassicBox() {
  unsigned state = DFCS_BUTTONCHECK;
  if (!Enabled() || FState == cbGrayed) state |= DFCS_INACTIVE;
  if (FState == cbChecked) state |= DFCS_CHECKED;
  DrawFrameControl(Canvas(), ClassicBoxRect(), DFC_BUTTON, state);
}

void TPlexCheckBox::PaintCaption() {
  TRect r = ClientRect();
  if (FAlignment == taRightJustify) {
    r.Left = 0;
    r.Right -= 9;
  } else {
    r.Left = 9;
  }
  r.Top += 4;
  r.Left += 6;
  TCanvas& c = Canvas();
  c.Brush().Style = bsClear;
  const unsigned format = DT_LEFT | DT_SINGLELINE | (FEllipsis ? DT_END_ELLIPSIS : 0);
  const QString caption = Caption();
  if (Enabled()) {
    DrawText(c, caption, r, format);
  } else {
    const TColor own = c.Font().Color();
    TRect shadow = r;
    OffsetRect(shadow, 1, 1);
    c.Font().SetColor(clWhite);
    DrawText(c, caption, shadow, format);
    c.Font().SetColor(DisabledTextColor);
    DrawText(c, caption, r, format);
    c.Font().SetColor(own);
  }
  if (FFocused) {
    c.Brush().Style = bsSolid;
    DrawFocusRect(c, TRect(r.Left - 2, r.Top, r.Left + c.TextWidth(caption) + 1, r.Top + c.TextHeight(caption) + 1));
  }
}
