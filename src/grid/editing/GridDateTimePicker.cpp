// The date-and-time picker in its grid.
#include "grid/editing/GridDateTimePicker.h"

#include "grid/core/PlexStringGrid.h"

TGridDateTimePicker::TGridDateTimePicker(TComponent* AOwner)
    : TPlexDateTimePicker(AOwner), FGrid(dynamic_cast<TPlexStringGrid*>(AOwner)), FLink(FGrid) {
  if (TCustomDateTimePicker* time = TimePicker()) time->OnExit = [this](TObject*) { CommitOnFocusLoss(); };
}

bool TGridDateTimePicker::FocusLeftPicker() const { return !Focused() && !(TimePicker() && TimePicker()->Focused()); }

void TGridDateTimePicker::CommitOnFocusLoss() {
  if (FGrid && FGrid->EditControl() == edDateTimeEdit && FocusLeftPicker()) FGrid->HideInplaceEdit();
}

void TGridDateTimePicker::KeyDown(WORD& Key, TShiftState Shift) {
  if (!FGrid) {
    TPlexDateTimePicker::KeyDown(Key, Shift);
    return;
  }
  TPlexStringGrid& grid = *FGrid;
  switch (Key) {
    case VK_ESCAPE:
      SetDateTime(grid.OriginalDateTime);
      FLink.HideAndFocusGrid();
      break;
    case VK_RETURN:
      FLink.HideAndFocusGrid();
      FLink.AdvanceFromEditor();
      break;
    case VK_TAB:
      if (!grid.ValidatesOnTab()) {
        TPlexDateTimePicker::KeyDown(Key, Shift);
        return;
      }
      FLink.HideAndFocusGrid();
      grid.SetCurrentCell(DisplayText());
      FLink.NavigateFromEditor(Shift.Contains(ssShift));
      break;
    default: TPlexDateTimePicker::KeyDown(Key, Shift); return;
  }
  Key = 0;
}

void TGridDateTimePicker::DoExit() {
  CommitOnFocusLoss();
  TPlexDateTimePicker::DoExit();
}
