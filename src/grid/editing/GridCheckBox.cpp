// The check-box editor in its grid.
#include "grid/editing/GridCheckBox.h"

#include "grid/core/PlexStringGrid.h"

namespace {
// Escape leaves the editor too; the cell keeps its text, which the check box never writes.
constexpr TKeySet CheckBoxKeys = HandledKeys::CheckBox | TKeySet{VK_ESCAPE};
}  // namespace

TGridCheckBox::TGridCheckBox(TComponent* AOwner)
    : TCheckBox(AOwner), FGrid(dynamic_cast<TPlexStringGrid*>(AOwner)), FLink(FGrid) {}

// A click toggles through the platform check box itself, once.
void TGridCheckBox::KeyDown(WORD& Key, TShiftState Shift) {
  if (Key == VK_SPACE) {
    SetChecked(!Checked());
    Key = 0;
    return;
  }
  if (!FGrid || !CheckBoxKeys.Contains(Key)) {
    TCheckBox::KeyDown(Key, Shift);
    return;
  }
  FLink.HideAndFocusGrid();
  if (Key == VK_RETURN) FLink.AdvanceFromEditor();
  if (Key == VK_UP || Key == VK_DOWN) FLink.GridKeyDown(Key, Shift);
  Key = 0;
}

void TGridCheckBox::DoExit() {
  if (FGrid) FGrid->HideInplaceEdit();
  TCheckBox::DoExit();
}
