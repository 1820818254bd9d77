// The shape of the grid's focus frame as a grey-level mask: a white rounded
// rectangle (outline or filled) on black, softened by a Gaussian blur.
#pragma once

class TBitmap;

void CreateRoundRectMask(TBitmap& ABitmap, int AWidth, int AHeight, int APenWidth, int ACorner, double ABlur);
