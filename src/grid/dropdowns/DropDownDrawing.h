// Drawing routines shared by the drop-down controls, the header and footer
// bars and the string grid's background: a gradient in equal bands.
#pragma once

#include "platform/Graphics.h"

// Bands of equal width from From towards To (the last band stops one step
// short of To), left to right when Horizontal, else top to bottom. Steps 0
// counts as 1. Each band is a filled rectangle in pen and brush of its colour.
void DrawStepGradient(TCanvas& Canvas, TColor From, TColor To, bool Horizontal, const TRect& R, int Steps);
