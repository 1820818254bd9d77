// Stand-ins of the services of GridUnitServices.h whose units are not part
// of the library yet. Each is a weak definition: the unit's own definition
// takes its place when the unit is linked in.
#include "grid/foundation/GridUnitServices.h"

#include "platform/Messages.h"
#include "platform/SysUtils.h"

#define GRID_STAND_IN __attribute__((weak))

GRID_STAND_IN void LoadThemeApi() {}
GRID_STAND_IN void UnloadThemeApi() {}
GRID_STAND_IN void ResetThemeNotifier() {}
GRID_STAND_IN void InitHtmlEngine() {}
GRID_STAND_IN void InitDragDropUnit() {}

GRID_STAND_IN void InitDateTimePickerUnit() { RegisterWindowMessage("DTPShiftFocus"); }

GRID_STAND_IN void LoadDropDownThemeApi() {}
GRID_STAND_IN void UnloadDropDownThemeApi() {}

// OLE has no counterpart on Linux: drag and drop and the clipboard go
// through Qt, which needs no start.
GRID_STAND_IN void InitializeGridOle() {}
GRID_STAND_IN void UninitializeGridOle() {}

// The platform layer stands in for the common controls of version 6.0.
GRID_STAND_IN int GetFileVersionMS(const QString& FileName) {
  return SameText(FileName, "comctl32.dll") ? 0x00060000 : -1;
}
