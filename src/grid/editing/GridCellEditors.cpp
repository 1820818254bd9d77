// Adapters from the grid's own editor controls to the cell-editor interface.
#include "grid/editing/GridCellEditors.h"

#include "grid/editing/EditorTypeTable.h"
#include "grid/editing/GridButton.h"
#include "grid/editing/GridCheckBox.h"
#include "grid/editing/GridEditBtn.h"

namespace {
// Places, fills and focuses one control; Load puts the cell's text in.
class TControlCellEditor : public ICellEditor {
public:
  TControlCellEditor(TWinControl* Grid, TWinControl* Control) : FGrid(Grid), FControl(Control) {}
  void Open(const TCellEditorSetup& Setup) override {
    if (!FControl) return;
    if (FControl->Parent() != FGrid) FControl->SetParent(FGrid);
    const TRect& r = Setup.Bounds;
    FControl->SetBounds(r.Left, r.Top, r.Width(), r.Height());
    Load(Setup);
    FControl->SetEnabled(true);
    FControl->SetVisible(true);
    if (Setup.Color != clNone) FControl->SetColor(Setup.Color);
    if (FControl->CanFocus()) FControl->SetFocus();
  }
  QString Value() override { return FControl ? FControl->Text() : QString(); }
  void Close() override {
    if (!FControl) return;
    FControl->SetEnabled(false);
    FControl->SetVisible(false);
  }
  TWinControl* Control() override { return FControl; }

protected:
  virtual void Load(const TCellEditorSetup& Setup) { FControl->SetText(Setup.Text); }
  TWinControl* FGrid;
  TWinControl* FControl;
};

class TEditBtnCellEditor : public TControlCellEditor {
public:
  using TControlCellEditor::TControlCellEditor;

protected:
  void Load(const TCellEditorSetup& Setup) override {
    auto* edit = static_cast<TGridEditBtn*>(FControl);
    edit->SetText(Setup.Text);
  }
};

class TCheckCellEditor : public TControlCellEditor {
public:
  using TControlCellEditor::TControlCellEditor;

protected:
  void Load(const TCellEditorSetup& Setup) override {
    auto* check = static_cast<TGridCheckBox*>(FControl);
    check->SetCaption(Setup.Text);
    check->SetState(cbUnchecked);
  }
};
}  // namespace

TGridCellEditors::TGridCellEditors(TWinControl* Grid, TGridEditBtn* EditBtn, TGridCheckBox* CheckBox,
                                   TGridButton* Button)
    : FEditBtn(std::make_unique<TEditBtnCellEditor>(Grid, EditBtn)),
      FCheckBox(std::make_unique<TCheckCellEditor>(Grid, CheckBox)),
      FButton(std::make_unique<TControlCellEditor>(Grid, Button)) {}

TGridCellEditors::~TGridCellEditors() = default;

ICellEditor* TGridCellEditors::EditorFor(TEditorType Type) {
  switch (EditorTypeInfo(Type).Kind) {
    case TEditorKind::EditBtn: return FEditBtn.get();
    case TEditorKind::CheckBox: return FCheckBox.get();
    case TEditorKind::Button: return FButton.get();
    default: return nullptr;
  }
}
