// What a control's parent paints under it (its background and its own
// painting, not its other children): the picture a transparent control
// shows behind itself.
#pragma once

class TBitmap;
class TControl;

// Sizes Into to the control and fills it with the parent's painting of the
// control's area; false (Into untouched) without a parent.
bool PaintParentBackground(TControl* Control, TBitmap& Into);

// Whether the control paints every pixel of itself (true) or leaves some to
// the parent's painting under it (a see-through look).
void SetPaintsWholeArea(TControl* Control, bool Opaque);
