// Where an editor's attached label stands: the thirteen positions and the one
// table that places a label of a given size beside a control's bounds.
#pragma once

#include "platform/Types.h"

enum TLabelPosition {
  lpLeftTop,
  lpLeftCenter,
  lpLeftBottom,
  lpTopLeft,
  lpBottomLeft,
  lpLeftTopLeft,
  lpLeftCenterLeft,
  lpLeftBottomLeft,
  lpTopCenter,
  lpBottomCenter,
  lpRightTop,
  lpRightCenter,
  lpRighBottom
};

// The label's top-left corner. CaptionWidth is the caption's measured width;
// LabelSize the label's own size; Margin the distance to the control.
TPoint PlaceLabel(TLabelPosition Position, const TRect& Control, TSize LabelSize, int CaptionWidth, int Margin);
