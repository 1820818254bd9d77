// The grid's own source of separate editors: the wrappers of the edit with a
// button, the value-with-unit edit, the check box, the push button (made with
// the grid), and of the spin, the pickers and the drop-downs (made on first use). Editors
// whose controls this platform lacks answer null, so their cells open nothing.
#pragma once

#include "grid/editing/CellEditor.h"

#include <array>
#include <memory>

class TPlexStringGrid;

class TGridCellEditors : public ICellEditorSource {
public:
  explicit TGridCellEditors(TPlexStringGrid* Grid);
  ~TGridCellEditors() override;
  ICellEditor* EditorFor(TEditorType Type) override;

private:
  ICellEditor* DropDownEditor(TEditorType Type);
  TPlexStringGrid* FGrid;
  // By editor kind, made when first asked for.
  std::array<std::unique_ptr<ICellEditor>, 16> FEditors;
  // The drop-downs by type, from the track bar to the full grid.
  std::array<std::unique_ptr<ICellEditor>, 9> FDropDownEditors;
};
