// The editors the grid makes on first use: the spin and the two pickers,
// hidden children of the grid, kept until the grid goes. The picker
// notifications become the grid's events.
#include "grid/core/PlexStringGrid.h"

#include "grid/editing/GridDatePicker.h"
#include "grid/editing/GridDateTimePicker.h"
#include "grid/editing/GridSpin.h"
#include "platform/DateTimeFormat.h"

namespace {
void MakeHiddenChild(TWinControl* Control, TWinControl* Grid) {
  Control->SetParent(Grid);
  Control->SetVisible(false);
  Control->SetEnabled(false);
}
}  // namespace

TGridSpin* TPlexStringGrid::SpinEdit() {
  if (!FSpinEdit) {
    FSpinEdit = new TGridSpin(this);
    MakeHiddenChild(FSpinEdit, this);
    FSpinEdit->SetBorderStyle(bsNone);
    FSpinEdit->SetIsWinXP(FIsWinXP);
  }
  return FSpinEdit;
}

TGridDatePicker* TPlexStringGrid::DateTimePicker() {
  if (!FDatePicker) {
    FDatePicker = new TGridDatePicker(this);
    MakeHiddenChild(FDatePicker, this);
    FDatePicker->OnChange = [this](TObject*) {
      if (!OnEditChange) return;
      const TDateTime value = FDatePicker->DateTime();
      OnEditChange(this, Col(), Row(), FDatePicker->Kind() == dtkTime ? TimeToStr(value) : DateToStr(value));
    };
    FDatePicker->OnCloseUp = [this](TObject*) {
      if (OnDatePickerCloseUp) OnDatePickerCloseUp(this, Row(), Col());
      if (FMouseActions->DirectDateClose) HideInplaceEdit();
    };
    FDatePicker->OnDropDown = [this](TObject*) {
      TCalendarStyle style;
      if (!FDatePicker->ShowToday) style.Include(csNoToday);
      if (!FDatePicker->ShowTodayCircle) style.Include(csNoTodayCircle);
      if (FDatePicker->Weeknumbers) style.Include(csWeekNumbers);
      FDatePicker->SetCalendarStyle(style);
      if (OnDatePickerDropDown) OnDatePickerDropDown(this, Row(), Col());
    };
  }
  return FDatePicker;
}

TGridDateTimePicker* TPlexStringGrid::DateAndTimePicker() {
  if (!FDateAndTimePicker) {
    FDateAndTimePicker = new TGridDateTimePicker(this);
    MakeHiddenChild(FDateAndTimePicker, this);
    FDateAndTimePicker->SetAutoTab(true);
    FDateAndTimePicker->OnTimeChange = [this](TObject*) {
      if (OnDateTimeChange) OnDateTimeChange(this, Col(), Row(), FDateAndTimePicker->DateTime());
    };
    FDateAndTimePicker->OnCloseUp = [this](TObject*) {
      if (OnDatePickerCloseUp) OnDatePickerCloseUp(this, Row(), Col());
      if (FMouseActions->DirectDateClose) HideInplaceEdit();
    };
  }
  return FDateAndTimePicker;
}
