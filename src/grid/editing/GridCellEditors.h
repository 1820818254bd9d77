// The grid's own source of separate editors: the edit with a button, the
// check box and the push button that the grid creates with itself. Editors
// whose controls come later answer null, so their cells open nothing yet.
#pragma once

#include "grid/editing/CellEditor.h"

#include <memory>

class TGridButton;
class TGridCheckBox;
class TGridEditBtn;
class TWinControl;

class TGridCellEditors : public ICellEditorSource {
public:
  TGridCellEditors(TWinControl* Grid, TGridEditBtn* EditBtn, TGridCheckBox* CheckBox, TGridButton* Button);
  ~TGridCellEditors() override;
  ICellEditor* EditorFor(TEditorType Type) override;

private:
  std::unique_ptr<ICellEditor> FEditBtn;
  std::unique_ptr<ICellEditor> FCheckBox;
  std::unique_ptr<ICellEditor> FButton;
};
