// The owner-drawn push button's vocabulary and painting: its looks, kinds and
// colour presets, and the routine that draws one complete button face.
#pragma once

#include "platform/ButtonTypes.h"
#include "platform/Graphics.h"
#include "platform/Types.h"

#include <QString>

enum TLbButtonStyle { bsNormal, bsEncarta, bsModern, bsOld, bsShape, bsQuicken };
enum TLbColorStyle {
  lcsCustom,
  lcsGold,
  lcsChrome,
  lcsBlue,
  lcsRed,
  lcsUltraFlat1,
  lcsUltraFlat2,
  lcsUltraFlatXP,
  lcsAqua,
  lcsDefault,
  lcsQuicken
};
enum TLbButtonKind { bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore, bkAll };
using TLbButtonLayout = TButtonLayout;

// The key colour of the see-through looks: pixels of this colour are left out
// when the face is copied onto the control.
constexpr TColor LbTransparentKey = 0x00FF00FF;

// What writing ColorStyle sets (besides Flat false, black font, bsNormal first).
struct TLbColorPreset {
  TLbColorStyle Preset;
  TColor Color;
  TColor LightColor;
  TColor ShadowColor;
  TColor ColorWhenDown;
  TColor HotTrackColor;
  TLbButtonStyle Style;
  bool Flat;
  TColor FontColor;
};
// The row of a preset; null for lcsCustom.
const TLbColorPreset* FindColorPreset(TLbColorStyle preset);

// What writing Kind sets for a standard kind.
struct TLbKindInfo {
  TLbButtonKind Kind;
  int ModalResult;
  const char* Bitmap;  // resource name of its two-cell glyph strip
  const char16_t* Caption;
};
// The row of a kind; null for bkCustom.
const TLbKindInfo* FindKindInfo(TLbButtonKind kind);
// Loads a bitmap of the button's resources by name (LBOK ... LBALL, LBARROW)
// into `into`; false, and `into` empty, when there is none.
bool LoadLbBitmap(const QString& name, TBitmap& into);

// Everything one button face is drawn from.
struct TLbFace {
  int Width = 0;
  int Height = 0;
  TAlignment Alignment = taCenter;
  QString Caption;
  TLbButtonLayout Layout = blGlyphLeft;
  const TFont* Font = nullptr;
  TColor ShadowColor = clGray;
  TColor LightColor = clWhite;
  TColor HotTrackColor = clNone;
  TColor ColorWhenDown = clNone;
  TColor Color = clBtnFace;
  TLbButtonStyle Style = bsNormal;
  bool HasPopupMenu = false;
  bool WordWrap = false;
  bool Flat = false;
  bool Enabled = true;
  bool Hot = false;  // the mouse is over the button or it has the focus
  bool Pressed = false;
  TBitmap* Glyph = nullptr;  // strip of NumGlyphs cells side by side
  int NumGlyphs = 0;
  int HotTrackStep = 0;  // 0 to 8: weight of HotTrackColor in eighths
};

// Draws the face into the canvas at (0, 0) with the given width and height.
void DrawButtonFace(TCanvas& canvas, const TLbFace& face);
// Color with `step` eighths of hotTrack mixed in, channel by channel, halves to even.
TColor BlendHotTrackColor(TColor color, TColor hotTrack, int step);
// 32 horizontal bands from `from` to `to` over left..right, top..bottom.
void DrawGradientBands(TCanvas& canvas, TColor from, TColor to, int left, int top, int right, int bottom);
// Draws cell `cell` (cellWidth wide) of the glyph strip at (x, y), its
// bottom-left pixel's colour left out; a cell beyond the strip draws cell 0.
void DrawGlyphCell(TCanvas& canvas, TBitmap& glyph, int cellWidth, int x, int y, int cell);
// Whether a look leaves the key colour's pixels to the parent.
bool LbSeeThrough(TLbButtonStyle style);
// The dotted focus rectangle, drawn by inverting every other pixel of its
// outline; the canvas must be a bitmap's.
void DrawDottedFocusRect(TCanvas& canvas, const TRect& r);
