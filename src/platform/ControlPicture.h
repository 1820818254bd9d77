// Pictures of what is painted, for tests and screenshots: a control's
// current look as a bitmap, and a bitmap saved as a PNG file.
#pragma once

#include <QString>

class TBitmap;
class TWinControl;

// Runs a paint pass of the control (and its children) into the bitmap.
void PaintControlTo(TWinControl* Control, TBitmap& Bitmap);
// Written whole or not at all.
bool SaveBitmapAsPng(const TBitmap& Bitmap, const QString& Path);
