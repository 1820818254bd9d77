// A separate cell editor as the editor life of a grid sees it: set up over a
// cell, read back on commit, closed. The spin, date, unit, rich-text and
// drop-down editors all come through this one interface, whatever control
// serves them.
#pragma once

#include "grid/foundation/CellProperties.h"
#include "platform/Graphics.h"
#include "platform/Types.h"

#include <QString>

class TWinControl;

struct TCellEditorSetup {
  TEditorType Editor = edNormal;
  // The real column and the row of the edited cell.
  int Col = 0;
  int Row = 0;
  // Left and top of the cell, width and height of the editor.
  TRect Bounds;
  TColor Color = clWindow;
  TFont* Font = nullptr;
  // The cell's edit text; the editor takes its value from it.
  QString Text;
  // The character that opened the editor, null when none.
  QChar StartChar;
};

class ICellEditor {
public:
  virtual ~ICellEditor() = default;
  // Re-creates, places, loads, enables, shows, colours and focuses the editor.
  virtual void Open(const TCellEditorSetup& Setup) = 0;
  // The value the cell is given on commit, as text.
  virtual QString Value() = 0;
  // False when the edit was called off and the cell keeps its text untouched.
  virtual bool WritesBack() { return true; }
  // Disables and hides the editor.
  virtual void Close() = 0;
  // The control shown over the cell; null when the editor shows none of its own.
  virtual TWinControl* Control() = 0;
};

// Hands out the editor of each type; the grid asks it on every edit.
class ICellEditorSource {
public:
  virtual ~ICellEditorSource() = default;
  // Null while no editor serves the type on this platform.
  virtual ICellEditor* EditorFor(TEditorType Type) = 0;
};
