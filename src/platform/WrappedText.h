// Text broken into lines at spaces within a width by the toolkit's own line
// breaking, '&' marking the accelerator: how the owner-drawn button lays out
// and draws its caption.
#pragma once

#include "platform/Types.h"

#include <QString>

class TCanvas;

// The size of the text in the canvas font, wrapped within width (at least 1).
TSize WrappedTextExtent(TCanvas& canvas, const QString& text, int width);
// Draws the text in the canvas font and the colour, wrapped within r from its
// top, each line placed by the alignment. Without smoothing the glyphs have no
// blended edge pixels (text on a key colour that is left out later).
void DrawWrappedText(TCanvas& canvas, const TRect& r, const QString& text, TAlignment alignment, TColor color,
                     bool smooth = true);
