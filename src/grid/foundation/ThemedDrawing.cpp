#include "grid/foundation/ThemedDrawing.h"

#include "grid/foundation/OfficeTheme.h"
#include "grid/foundation/ThemeApi.h"

bool IsThemedDrawing() {
  // The theme is asked only on a system that has visual styles.
  return IsWinXPOrLater() && PlexThemeApi().IsThemeActive() && IsComCtl6();
}
