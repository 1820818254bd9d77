// What the steps of one cell's painting hand on to each other; lives for one
// DrawGridCell call only.
#pragma once

#include "grid/core/PlexStringGrid.h"

struct TPlexStringGrid::TPaintCellState {
  int ACol = 0;
  int ARow = 0;
  int RCol = 0;
  TRect R;
  TGridDrawState State;
  TColor ColorTo = clNone;
  TColor MirrorColor = clNone;
  TColor MirrorColorTo = clNone;
  TAlignment HA = taLeftJustify;
  TVAlignment VA = vtaTop;
  bool WW = true;
  TCellGradientDirection GD = GradientVertical;
  // The colours of step 5, which the content drawer falls back to.
  TColor PlainBrush = clNone;
  TColor PlainFont = clNone;
  TColor LinkColor = clNone;
  TCellGraphicLayout Layout;
  bool FilterGlyph = false;
  int ScrollOffset = 0;
  bool FixedLooking = false;
  int IndicatorShift = 0;
  int TextWidth = 0;
  int SortGlyphShift = 0;
};
