// Flat colour tones that the grid's components share for their office look:
// one brush, border and text colour for each state of a control.
#pragma once

#include "platform/Types.h"

struct TColorTone {
  TColor BrushColor = clNone;
  TColor BorderColor = clNone;
  TColor TextColor = clNone;
};

struct TColorTones {
  TColorTone Background;
  TColorTone Foreground;
  TColorTone Selected;
  TColorTone Hover;
  TColorTone Disabled;
};
