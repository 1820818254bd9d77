// Finding controls by screen position: the mouse cursor's position and the
// control lying under a point, as drag and drop and hot tracking ask for it.
#pragma once

#include "platform/Types.h"

class TControl;

// The mouse cursor in screen coordinates.
TPoint CursorPos();
// Whether some window holds the mouse captured.
bool MouseCaptured();
// The innermost control under the screen point, or null. A disabled control
// counts only with AllowDisabled; otherwise its nearest enabled parent answers.
TControl* FindDragTarget(const TPoint& Pos, bool AllowDisabled);
