// The start of the grid library's units, run once before the application
// object: the visual-style tables, the theme notifier, the mini-HTML engine,
// the drag-and-drop formats, the date-time picker, then the string grid
// (window hook keeping the focus frame on its editor, the classes for
// streaming, the common-controls flag, its clipboard format and messages) and
// the column grid. Each unit starts once, however often this runs; the end
// runs the started units' ends in reverse order.
#pragma once

#include "platform/Types.h"

#include <QStringList>

// A grid showing the focus frame around its editor: whenever a window moves
// or changes size, the frame is put around the current cell again.
class IFocusFrameGrid {
public:
  virtual ~IFocusFrameGrid() = default;
  virtual void MoveFocusWindow() = 0;
};

IFocusFrameGrid* FocusFrameGrid();
void SetFocusFrameGrid(IFocusFrameGrid* Grid);

// What the string-grid unit registers at start; fixed for the run.
struct TStringGridUnitIds {
  WORD CF_GRIDCELLS = 0;      // "TPlexStringGrid Cells"
  WORD WM_GRIDEDITDONE = 0;   // "GridEditDone"
  WORD WM_DTPSHIFTFOCUS = 0;  // "DTPShiftFocus"
  // comctl32 of version 4.70 or later (the date editors need it).
  bool ComCtl470 = false;
};
const TStringGridUnitIds& StringGridUnitIds();

void InitGridUnits();
void FinalizeGridUnits();
// The units started, in the order they started.
QStringList StartedGridUnits();
// The classes the string-grid and column-grid units register, in their order.
QStringList GridStreamedClassNames();
