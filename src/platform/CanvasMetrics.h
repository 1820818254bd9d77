// The resolution of the device a canvas paints on, for scaling 96-dpi sizes
// to printers and high-resolution bitmaps.
#pragma once

class TCanvas;

// Pixels per inch of the canvas's device; the screen's 96 when it has none.
int CanvasPixelsPerInchX(const TCanvas& Canvas);
int CanvasPixelsPerInchY(const TCanvas& Canvas);
