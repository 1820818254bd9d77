#include "grid/editing/PlexSpeedButton.h"

#include "grid/editing/PsgEditButton.h"
#include "platform/GdiDraw.h"
#include "platform/Themes.h"

namespace {
constexpr int ThemeButtonPartPush = 1;
enum TThemeButtonState { tbsNormal = 1, tbsHot = 2, tbsPressed = 3 };
}  // namespace

void TPlexSpeedButton::MouseEnter() {
  TSpeedButton::MouseEnter();
  FHot = true;
  Invalidate();
}

void TPlexSpeedButton::MouseLeave() {
  TSpeedButton::MouseLeave();
  FHot = false;
  Invalidate();
}

TRect TPlexSpeedButton::PaintFace() {
  TRect R(0, 0, Width(), Height());
  TCanvas& canvas = Canvas();
  auto* owner = dynamic_cast<TPsgEditButton*>(Parent());
  if (owner && owner->ButtonColor != clNone) {
    SetFlat(true);
    const TColor c = Pressed() ? owner->ButtonColorDown : FHot ? owner->ButtonColorHot : owner->ButtonColor;
    canvas.Brush().Color = c;
    canvas.Pen().Color = c;
    canvas.Rectangle(R);
    return R;
  }
  if (IsWinXP && ThemeServices().IsThemeActive()) {
    if (HTHEME theme = ThemeServices().OpenThemeData(Parent(), "button")) {
      const int state = Pressed() ? tbsPressed : FHot ? tbsHot : tbsNormal;
      ThemeServices().DrawThemeBackground(theme, canvas, ThemeButtonPartPush, state, R, nullptr);
      ThemeServices().CloseThemeData(theme);
    }
    return R;
  }
  if (Flat()) {
    canvas.Brush().Color = Color();
    canvas.FillRect(R);
    DrawEdge(canvas, R, Pressed() ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT | BF_SOFT);
    InflateRect(R, -1, -1);
    return R;
  }
  DrawFrameControl(canvas, R, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_ADJUSTRECT | (Pressed() ? DFCS_PUSHED : 0));
  InflateRect(R, -2, -2);  // what DFCS_ADJUSTRECT leaves inside the frame
  return R;
}

void TPlexSpeedButton::Paint() {
  PaintFace();
  const TRect R(0, 0, Width(), Height());
  const int offset = State() == bsDown ? 1 : 0;
  TCanvas& canvas = Canvas();
  if (!Glyph().Empty()) {
    const int w = Glyph().Width() / NumGlyphs(), h = Glyph().Height();
    const int x = (w < Width() ? (Width() - w) / 2 : 0) + offset;
    const int y = (h < Height() ? (Height() - h) / 2 : 0) + offset;
    // The first image of the glyph strip.
    TBitmap& glyph = const_cast<TBitmap&>(Glyph());
    TBitmap image(w, h);
    image.Canvas().CopyRect(TRect(0, 0, w, h), glyph.Canvas(), TRect(0, 0, w, h));
    image.EndCanvas();
    glyph.EndCanvas();
    canvas.DrawTransparent(x, y, image, glyph.BottomLeftColor());
  }
  TRect text = R;
  OffsetRect(text, offset, offset);
  canvas.Font().Assign(Font());
  canvas.Font().SetColor(clBlack);
  canvas.SetBkMode(TRANSPARENT);
  DrawText(canvas, Caption(), text, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
}
