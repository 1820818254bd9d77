// Stateless drawing routines shared by every grid control: colour arithmetic,
// gradients, the office-style selection frame, key-coloured bitmaps, the
// error underline, in-cell buttons in four looks, cell shapes and the
// layered-window calls. They change only the canvas's pen, brush and font.
#pragma once

#include "grid/foundation/Looks.h"
#include "platform/Graphics.h"
#include "platform/LayeredWindows.h"

#include <QString>

class TWinControl;

// ---- colours ----
TColor HalveColor(TColor Color);
// Each channel raised or lowered by a percentage, kept within 0..255.
TColor AdjustColorBrightness(TColor Color, int Percent);
TColor InterpolateColor(TColor From, TColor To, int Low, int High, int Position);

// ---- gradients and fills ----
void DrawGradient(TCanvas& Canvas, TColor From, TColor To, int Steps, TRect R, bool Horizontal);
void DrawMirrorGradient(TCanvas& Canvas, TRect R, TColor Color, TColor ColorTo, TColor MirrorColor,
                        TColor MirrorColorTo, bool Vertical, TColor BorderColor, bool SideLinesOnly, bool Fill);
void FillRectColor(TCanvas& Canvas, const TRect& R, TColor Color);
void DrawDropArrow(TCanvas& Canvas, int X, int Y, TColor Color);

// ---- selection frame ----
// Where a cell's part of the frame stands in a row of selected cells.
enum TSelectionEnd { seSingle = 0, seLeftEnd = 1, seRightEnd = 2, seMiddle = 3 };

struct TSelectionColors {
  TColor Fill;
  TColor FillTo;
  TColor Mirror;
  TColor MirrorTo;
  TColor InnerTop;
  TColor InnerBottom;
  TColor Outer;
  TColor CornerInner;
};

enum TSelectionColorSet { scsUnfocused, scsVista, scsWin7, scsOffice2007 };
// The frame colours of the grid's three office-like selection styles and the
// one grey set that all three show while the grid has no focus.
inline constexpr TSelectionColors SelectionColorSets[] = {
    {0xF8F8F8, 0xE5E5E5, clNone, clNone, 0xFBFAFA, 0xF0F0F0, 0xD9D9D9, 0xEFEFEF},
    {0xFDF8F1, 0xFCEFD5, clNone, clNone, 0xFDFBF6, 0xFDF5E7, 0xFDDE99, 0xFCEDCB},
    {0xFCEBDC, 0xFCDBC1, clNone, clNone, 0xFDF4EB, 0xFDEADB, 0xCEA27D, 0xE0C5AE},
    {0xD7FFFD, 0x58D4FC, 0x58D4FC, 0xB3F1FC, 0xF4FEFF, 0xCAF8FF, 0x8DD7D3, 0xC3D9DF},
};

void DrawSelectionBorder(TCanvas& Canvas, TColor FillColor, TColor FillColorTo, TColor MirrorColor,
                         TColor MirrorColorTo, TColor InnerTopColor, TColor InnerBottomColor, TColor OuterColor,
                         TColor CornerInnerColor, TColor CornerOuterColor, TRect R, int EndKind);
void DrawSelectionBorder(TCanvas& Canvas, const TSelectionColors& Colors, TColor CornerOuterColor, const TRect& R,
                         int EndKind);

// ---- bitmaps and text marks ----
// The bitmap's pixel (0, 0) is its key colour, shown as the background.
void DrawTransparentBitmap(TCanvas& Canvas, const TBitmap& Bitmap, TColor BackgroundColor, const TRect& R);
// Raises EResNotFound when the program has no bitmap of that name.
void DrawResourceBitmap(TCanvas& Canvas, TColor BackgroundColor, const TRect& R, const QString& ResourceName);
// A red zig-zag under Count characters from First (0-based) of Text shown at R.
void DrawErrorUnderline(TWinControl* Control, TCanvas& Canvas, const QString& Text, const TRect& R, int Offset,
                        int First, int Count);

// ---- in-cell buttons ----
// Looks: 0 themed, 1 classic, 2 flat, 3 office tones. States: 0 normal, 1 hot, 2 down, 3 disabled.
constexpr int CellButtonThemed = 0, CellButtonClassic = 1, CellButtonFlat = 2, CellButtonOffice = 3;
constexpr int CellButtonNormal = 0, CellButtonHot = 1, CellButtonDown = 2, CellButtonDisabled = 3;
void DrawComboButton(TCanvas& Canvas, TWinControl* Window, TRect R, int Look, int State, const TColorTones& Tones);
void DrawPushButtonFace(TCanvas& Canvas, TWinControl* Window, const TRect& R, int Look, int State,
                        const TColorTones& Tones);
void DrawSpinButtons(TCanvas& Canvas, TWinControl* Window, const TRect& R, int Look, int State,
                     const TColorTones& Tones);

// ---- shapes ----
enum TCellShape : int {
  csRectangle,
  csCircle,
  csTriangleLeft,
  csTriangleRight,
  csTriangleUp,
  csTriangleDown,
  csDiamond,
  csLineVert,
  csLineHorz,
  csRoundRect,
  csEllips,
  csSquare,
  csRoundSquare,
  csStar,
  csArrowUp,
  csArrowDown,
  csArrowLeft,
  csArrowRight,
  csHalfStar
};
void DrawCellShape(TCanvas& Canvas, int X, int Y, int W, int H, TCellShape Shape, TColor BrushColor, TColor PenColor);

// ---- layered windows ----
bool CallUpdateLayeredWindow(TWinControl* Window, TCanvas* DestDC, const TPoint* DestPoint, const TSize* Size,
                             TCanvas* SourceDC, const TPoint* SourcePoint, TColor Key, const TBlendFunction* Blend,
                             DWORD Flags);
bool CallSetLayeredWindowAttributes(TWinControl* Window, TColor Key, BYTE Alpha, DWORD Flags);

// Halves to even, as every real-to-integer step of the grid's drawing rounds.
int RoundHalfEven(double Value);
