// The editors the grid makes on first use: the spin, the two pickers and the
// drop-downs, hidden children of the grid, kept until the grid goes. The
// picker notifications become the grid's events.
#include "grid/core/PlexStringGrid.h"

#include "grid/editing/GridDatePicker.h"
#include "grid/editing/GridDateTimePicker.h"
#include "grid/editing/GridDropDowns.h"
#include "grid/editing/GridSpin.h"
#include "platform/DateTimeFormat.h"

namespace {
void MakeHiddenChild(TWinControl* Control, TWinControl* Grid) {
  Control->SetParent(Grid);
  Control->SetVisible(false);
  Control->SetEnabled(false);
}

// The drop-down editor in its slot, made hidden and borderless when first asked for.
template <class T>
T* DropDownIn(TPlexCustomDropDown*& Slot, TPlexStringGrid* Grid) {
  if (!Slot) {
    auto* editor = new T(Grid);
    MakeHiddenChild(editor, Grid);
    editor->SetBorderStyle(bsNone);
    Slot = editor;
  }
  return static_cast<T*>(Slot);
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
      // The calendar fills its drop-down window at the size it needs, with a pixel to spare on each side.
      const TSize need = FDatePicker->CalendarMinSize();
      FDatePicker->SetCalendarBounds(0, 0, need.cx + 2, need.cy + 2);
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

TGridTrackbarDropDown* TPlexStringGrid::TrackbarDropDown() {
  return DropDownIn<TGridTrackbarDropDown>(FDropDownEditors[0], this);
}

TGridMemoDropDown* TPlexStringGrid::MemoDropDown() {
  const bool made = !FDropDownEditors[1];
  auto* memo = DropDownIn<TGridMemoDropDown>(FDropDownEditors[1], this);
  // The cell follows the memo while it is typed into; SetEditText finds the base cell.
  if (made) memo->OnChange = [this, memo](TObject*) { SetEditText(Col(), Row(), memo->MemoValue()); };
  return memo;
}

TGridCalculatorDropDown* TPlexStringGrid::CalculatorDropDown() {
  return DropDownIn<TGridCalculatorDropDown>(FDropDownEditors[2], this);
}

TGridTimepickerDropDown* TPlexStringGrid::TimePickerDropDown() {
  return DropDownIn<TGridTimepickerDropDown>(FDropDownEditors[3], this);
}

TGridGridDropDown* TPlexStringGrid::GridDropDown() { return DropDownIn<TGridGridDropDown>(FDropDownEditors[4], this); }

TGridPlexGridDropDown* TPlexStringGrid::PlexGridDropDown() {
  return DropDownIn<TGridPlexGridDropDown>(FDropDownEditors[5], this);
}

TGridDetailPickerDropDown* TPlexStringGrid::DetailPickerDropDown() {
  return DropDownIn<TGridDetailPickerDropDown>(FDropDownEditors[6], this);
}

TGridColorDropDown* TPlexStringGrid::ColorPickerDropDown() {
  const bool made = FDropDownEditors[7] != nullptr;
  TGridColorDropDown* picker = DropDownIn<TGridColorDropDown>(FDropDownEditors[7], this);
  if (!made) picker->AddDefaultColors();
  return picker;
}

TGridImageDropDown* TPlexStringGrid::ImagePickerDropDown() {
  return DropDownIn<TGridImageDropDown>(FDropDownEditors[8], this);
}
