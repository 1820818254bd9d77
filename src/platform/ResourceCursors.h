// Cursors shown at once, the way the system sets the screen cursor: the
// control's Cursor property stays as it is and comes back with the next
// ordinary cursor change. The program's own cursor resources are known by id.
#pragma once

#include "platform/Types.h"

class TControl;

// The wheel-panning cursors: neutral, then one per direction.
constexpr int crPanNeutral = 8000, crPanDown = 8001, crPanLeft = 8002, crPanRight = 8003, crPanUp = 8004;
constexpr int crPanUpRight = 8005, crPanUpLeft = 8006, crPanDownRight = 8007, crPanDownLeft = 8008;

// The mouse selection cursors: row, column, everything (or a selection resize), cell selector.
constexpr int crSelectRow = 8010, crSelectColumn = 8011, crSelectAll = 8012, crCellSelector = 8014;

// The widget property that keeps the resource id shown last.
extern const char* const ResourceCursorProperty;

// Shows a library cursor over the control now.
void ShowCursorNow(TControl* Control, TCursor Value);
// Shows one of the program's cursor resources over the control now; an
// unknown id shows the arrow.
void ShowResourceCursor(TControl* Control, int Id);
// The resource id shown last over the control, 0 when a library cursor came after it.
int ShownResourceCursor(TControl* Control);
