// Drawing and colour routines shared by the drop-down controls, their popups,
// the header and footer bars and the string grid's background.
#pragma once

#include "grid/core/HeaderAppearance.h"
#include "platform/Graphics.h"
#include "platform/Types.h"

#include <QString>

class TBitmap;
class TImageList;

// Bands of equal width from From towards To (the last band stops one step
// short of To), left to right when Horizontal, else top to bottom. Steps 0
// counts as 1. Each band is a filled rectangle in pen and brush of its colour.
void DrawStepGradient(TCanvas& Canvas, TColor From, TColor To, bool Horizontal, const TRect& R, int Steps);
// Percent of Color1 and the rest of Color2, per channel; 100 or more is Color1, 0 or less Color2.
TColor BlendColor(TColor Color1, TColor Color2, int Percent);
// A non-zero channel only darkens; a zero channel takes the percentage itself.
TColor BrightenColor(TColor Color, int Red, int Green, int Blue);
// A gradient (with ColorTo) or a plain fill, then an optional border.
void DrawGradientBox(TCanvas* Canvas, const TRect& R, TColor Color, TGradientDirection Direction, int BorderWidth,
                     TColor BorderColor, TColor ColorTo);
// The size of the text drawn on one line; 0 x 0 for an empty text.
TSize MeasureTextSize(TCanvas& Canvas, const QString& Text);
// The image 4 pixels from the left, vertically centred, then the text on one
// line with an end ellipsis; the text is centred only when no image was drawn.
void DrawImageAndText(TCanvas& Canvas, const TRect& R, const QString& Text, int ImageIndex, const TImageList* Images);
// The bitmap drawn into R with every pixel of its key colour (pixel 0, 0) shown as Background.
void CopyBitmapTransparent(TCanvas& Canvas, const TBitmap& Bitmap, TColor Background, const TRect& R);
// The text when it fits into Width; else shortened from its end (with "..." when
// Ellipsis) until narrower than Width; the whole text when nothing fits.
QString TruncateTextToWidth(TCanvas& Canvas, const QString& Text, int Width, bool Ellipsis);
bool IsRangeSeparator(QChar C);
// Every thousand separator of the process number settings removed.
QString StripThousandSeparators(const QString& Text);
// 0-9, A-F, a-f as 0 to 15; anything else counts as 0.
int HexDigitValue(QChar C);
// Lenient: a character that is no hex digit still takes its place with value 0.
int HexToInt(const QString& Text);
// The text compared by case-insensitive lookups.
QString CaseKey(const QString& Text, bool CaseSensitive);
