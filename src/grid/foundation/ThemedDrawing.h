// Whether the grid's small controls paint through the visual styles: a
// system that has them, a loaded operation table whose theme is active, and
// current common controls. On Linux the theme is never active.
#pragma once

bool IsThemedDrawing();
