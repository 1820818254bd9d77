// Unit starts that have nothing to do here. The drag-and-drop unit keeps no
// start-up state of its own yet (its clipboard format is registered with the
// grid's messages), and OLE has no counterpart on Linux: drag and drop and
// the clipboard go through Qt, which needs no start.
#include "grid/foundation/GridUnitServices.h"

void InitDragDropUnit() {}

void InitializeGridOle() {}
void UninitializeGridOle() {}
