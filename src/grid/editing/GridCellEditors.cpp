// Adapters from the grid's editor wrappers to the cell-editor interface: each
// loads the cell's text as its control reads it and hands back the value the
// commit writes.
#include "grid/editing/GridCellEditors.h"

#include "grid/core/PlexStringGrid.h"
#include "grid/editing/EditorTypeTable.h"
#include "grid/editing/GridButton.h"
#include "grid/editing/GridCheckBox.h"
#include "grid/editing/GridDatePicker.h"
#include "grid/editing/GridDateTimePicker.h"
#include "grid/editing/GridDropDowns.h"
#include "grid/editing/GridEditBtn.h"
#include "grid/editing/GridSpin.h"
#include "grid/editing/GridUnitEditBtn.h"
#include "grid/editing/PlexRichEdit.h"
#include "grid/foundation/NumberDateRoutines.h"
#include "platform/DateTimeFormat.h"
#include "platform/SysUtils.h"

#include <algorithm>
#include <limits>

namespace {
// The integer a text begins with, as the runtime's value conversion reads it:
// blanks and a sign first, hexadecimal after "$", "x" or "0x", and the digits
// up to the first character that is none; no digits read as 0.
int LeadingInteger(const QString& Text) {
  const QString t = Text.trimmed();
  const int n = int(t.size());
  int i = 0;
  const bool negative = i < n && t[i] == '-';
  if (i < n && (t[i] == '-' || t[i] == '+')) ++i;
  int base = 10;
  if (i < n && t[i] == '$') {
    base = 16;
    ++i;
  } else if (i + 1 < n && t[i] == '0' && (t[i + 1] == 'x' || t[i + 1] == 'X')) {
    base = 16;
    i += 2;
  } else if (i < n && (t[i] == 'x' || t[i] == 'X')) {
    base = 16;
    ++i;
  }
  int64_t value = 0;
  for (; i < n; ++i) {
    const char16_t c = t[i].toLower().unicode();
    int digit = -1;
    if (c >= '0' && c <= '9')
      digit = c - '0';
    else if (base == 16 && c >= 'a' && c <= 'f')
      digit = c - 'a' + 10;
    if (digit < 0) break;
    value = std::min<int64_t>(value * base + digit, int64_t(1) << 32);
  }
  if (negative) value = -value;
  return int(std::clamp<int64_t>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

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

class TUnitCellEditor : public TControlCellEditor {
public:
  using TControlCellEditor::TControlCellEditor;
  QString Value() override { return static_cast<TGridUnitEditBtn*>(FControl)->TextAndUnit(); }

protected:
  void Load(const TCellEditorSetup& Setup) override {
    auto* unit = static_cast<TGridUnitEditBtn*>(FControl);
    unit->SetUnitID(QString());
    unit->SetText(QString());
    unit->SetTextAndUnit(Setup.Text);
  }
};

class TSpinCellEditor : public TControlCellEditor {
public:
  TSpinCellEditor(TPlexStringGrid* Grid, TGridSpin* Spin) : TControlCellEditor(Grid, Spin), FGridRef(Grid) {}

protected:
  void Load(const TCellEditorSetup& Setup) override {
    auto* spin = static_cast<TGridSpin*>(FControl);
    spin->ExcelStyleDecimalSeparator = FGridRef->ExcelStyleDecimalSeparator;
    switch (Setup.Editor) {
      case edFloatSpinEdit:
        spin->SetSpinType(sptFloat);
        spin->SetFloatValue(StrToFloatDef(NormalizeNumberText(Setup.Text), 0));
        break;
      case edTimeSpinEdit:
        spin->SetSpinType(sptTime);
        spin->SetText(Setup.Text);
        break;
      case edDateSpinEdit: {
        spin->SetSpinType(sptDate);
        TDateTime value = Now();
        if (!Setup.Text.isEmpty() && !TryStrToDate(Setup.Text, value)) value = Now();
        spin->SetDateValue(value);
        break;
      }
      default:
        spin->SetSpinType(sptNormal);
        spin->SetValue(LeadingInteger(Setup.Text));
        break;
    }
  }
  TPlexStringGrid* FGridRef;
};

// The date and the time editors of one picker.
class TDateCellEditor : public TControlCellEditor {
public:
  using TControlCellEditor::TControlCellEditor;
  QString Value() override {
    auto* picker = static_cast<TGridDatePicker*>(FControl);
    return picker->ShowCheckbox() && !picker->Checked() ? QString() : picker->DisplayText();
  }
  bool WritesBack() override { return !static_cast<TGridDatePicker*>(FControl)->Cancelled(); }

protected:
  void Load(const TCellEditorSetup& Setup) override {
    auto* picker = static_cast<TGridDatePicker*>(FControl);
    picker->ResetCancelled();
    TDateTime value = Now();
    if (Setup.Editor == edTimeEdit) {
      picker->SetKind(dtkTime);
      if (!TryStrToTime(Setup.Text, value)) value = Now();
    } else {
      picker->SetKind(dtkDate);
      picker->SetDateMode(Setup.Editor == edDateEditUpDown ? dmUpDown : dmComboBox);
      if (Setup.Text.isEmpty())
        value = Date();
      else if (!TryStrToDate(Setup.Text, value))
        value = Now();
      if (picker->MaxDate() != 0 && value > picker->MaxDate()) value = picker->MaxDate() - 1;
      if (picker->MinDate() != 0 && value <= picker->MinDate()) value = picker->MinDate() + 1;
    }
    picker->SetDateTime(value);
  }
};

class TDateTimeCellEditor : public TControlCellEditor {
public:
  TDateTimeCellEditor(TPlexStringGrid* Grid, TGridDateTimePicker* Picker)
      : TControlCellEditor(Grid, Picker), FGridRef(Grid) {}
  QString Value() override {
    auto* picker = static_cast<TGridDateTimePicker*>(FControl);
    if (picker->ShowCheckbox() && !picker->Checked()) return QString();
    const TDateTime value = picker->DateTime();
    return DateToStr(value) + " " + FormatDateTime(FormatSettings().ShortTimeFormat, value);
  }

protected:
  void Load(const TCellEditorSetup& Setup) override {
    auto* picker = static_cast<TGridDateTimePicker*>(FControl);
    const int blank = Setup.Text.indexOf(' ');
    TDateTime date = 0, time = 0;
    TDateTime value = Now();
    if (blank > 0 && TryStrToDate(Setup.Text.left(blank), date) && TryStrToTime(Setup.Text.mid(blank + 1), time))
      value = date + time;
    else if (TryStrToDate(Setup.Text, date))
      value = date;
    FGridRef->OriginalDateTime = value;
    picker->SetKind(dkDateTime);
    picker->SetDateTime(value);
  }
  TPlexStringGrid* FGridRef;
};
// The rich-text editor loads the cell's rich text itself, not its edit text,
// and grows the row only once it is shown.
class TRichCellEditor : public ICellEditor {
public:
  explicit TRichCellEditor(TPlexStringGrid* Grid) : FGrid(Grid), FEdit(Grid->InplaceRichEdit()) {}
  void Open(const TCellEditorSetup& Setup) override {
    FEdit->LockRowGrowth();
    FEdit->ReCreate();
    FEdit->SetBorderStyle(bsNone);
    FEdit->SetHideSelection(false);
    FEdit->SetTextMargin(0);
    const TRect& r = Setup.Bounds;
    FEdit->SetBounds(r.Left, r.Top, r.Width(), r.Height());
    // The text keeps off the cell's edges: 2 pixels from the cell's own
    // rectangle, which is a pixel larger than the editor.
    FEdit->SetFormatRect(TRect(2, 2, r.Width() + 1 - 2, r.Height() + 1 - 2));
    FGrid->CellToRich(Setup.Col, Setup.Row, *FEdit);
    if (FGrid->Navigation().EditSelectAll) FEdit->SelectAll();
    FEdit->SetEnabled(true);
    FEdit->SetVisible(true);
    if (Setup.Color != clNone) FEdit->SetColor(Setup.Color);
    if (FEdit->CanFocus()) FEdit->SetFocus();
    FEdit->UnlockRowGrowth();
  }
  QString Value() override { return FEdit->TakeEscaped() ? FGrid->CellCache() : FGrid->RichToString(*FEdit); }
  void Close() override {
    FEdit->SetEnabled(false);
    FEdit->SetVisible(false);
  }
  TWinControl* Control() override { return FEdit; }

private:
  TPlexStringGrid* FGrid;
  TPlexRichEdit* FEdit;
};

// The drop-down editors: each loads the cell's value its own way; the memo
// gives back its lines, the others their text.
class TDropDownCellEditor : public TControlCellEditor {
public:
  TDropDownCellEditor(TPlexStringGrid* Grid, TPlexCustomDropDown* DropDown)
      : TControlCellEditor(Grid, DropDown), FGridRef(Grid), FDropDown(DropDown) {}
  void Open(const TCellEditorSetup& Setup) override {
    FDropDown->SetComponentStyle(FGridRef->ComponentStyle());
    if (auto* opening = dynamic_cast<IGridDropDownOpening*>(FDropDown)) opening->NoteOpening();
    TControlCellEditor::Open(Setup);
    if (Setup.Editor == edMemoDropDown) {
      FDropDown->SetSelStart(0);
      FDropDown->SetSelLength(0);
    }
    if (FGridRef->MouseActions().DirectComboDrop) FDropDown->ShowDropDown();
  }
  QString Value() override {
    if (auto* memo = dynamic_cast<TPlexMemoDropDown*>(FDropDown)) return memo->MemoValue();
    return FDropDown->Text();
  }
  void Close() override {
    FDropDown->HideDropDown(false);
    TControlCellEditor::Close();
  }

protected:
  void Load(const TCellEditorSetup& Setup) override;
  TPlexStringGrid* FGridRef;
  TPlexCustomDropDown* FDropDown;
};

void TDropDownCellEditor::Load(const TCellEditorSetup& Setup) {
  TPlexStringGrid& grid = *FGridRef;
  const QString& text = Setup.Text;
  switch (Setup.Editor) {
    case edTrackbarDropDown:
      static_cast<TGridTrackbarDropDown*>(FDropDown)->SetPosition(StrToIntDef(text.trimmed(), 0));
      break;
    case edMemoDropDown: {
      TStringList lines;
      lines.SetText(text);
      static_cast<TGridMemoDropDown*>(FDropDown)->SetMemoText(lines);
      break;
    }
    case edTimePickerDropDown:
      FDropDown->SetEditorEnabled(true);
      FDropDown->SetPlainText(text);
      break;
    case edDetailDropDown: {
      auto* detail = static_cast<TGridDetailPickerDropDown*>(FDropDown);
      detail->SetEditorEnabled(true);
      if (const int index = detail->Items().IndexOf(text); index >= 0) detail->SetItemIndex(index);
      detail->SetPlainText(text);
      break;
    }
    case edGridDropDown: {
      auto* list = static_cast<TGridGridDropDown*>(FDropDown);
      list->SetEditorEnabled(true);
      list->BeginUpdate();
      list->EndUpdate();
      list->SetItemIndex(text.isEmpty() ? 0 : list->GetItemIndex(text));
      list->SetPlainText(text);
      break;
    }
    case edPlexGridDropDown: {
      auto* grid = static_cast<TGridPlexGridDropDown*>(FDropDown);
      grid->SetEditorEnabled(true);
      grid->Grid()->FixedRowAlways = true;
      grid->BeginUpdate();
      grid->EndUpdate();
      if (grid->UseItems) {
        QString full;
        int index = 0;
        if (text.isEmpty())
          grid->SetItemIndex(0);
        else if (grid->FindLookupMatch(text, full, index))
          grid->SetItemIndex(index);
      }
      grid->SetPlainText(text);
      break;
    }
    case edColorPickerDropDown: {
      auto* picker = static_cast<TGridColorDropDown*>(FDropDown);
      const int col = Setup.Col, row = Setup.Row;
      const bool shape = grid.BaseCellTypeInSet(col, row, {ctShape});
      picker->SetSelectedColor(shape ? grid.GetShapeColor(col, row) : grid.Colors(col, row));
      break;
    }
    case edImagePickerDropDown: {
      auto* picker = static_cast<TGridImageDropDown*>(FDropDown);
      picker->Images = grid.GridImages();
      if (picker->Items().empty()) picker->AddImagesFromImageList();
      int index = -1;
      if (!grid.GetImageIdx(Setup.Col, Setup.Row, index)) index = StrToIntDef(text.trimmed(), -1);
      picker->SetImageIndex(index);
      break;
    }
    default: FDropDown->SetPlainText(text); break;
  }
}
}  // namespace

TGridCellEditors::TGridCellEditors(TPlexStringGrid* Grid) : FGrid(Grid) {}

TGridCellEditors::~TGridCellEditors() = default;

ICellEditor* TGridCellEditors::EditorFor(TEditorType Type) {
  const TEditorKind kind = EditorTypeInfo(Type).Kind;
  std::unique_ptr<ICellEditor>& slot = FEditors[size_t(kind)];
  if (slot) return slot.get();
  TPlexStringGrid* g = FGrid;
  switch (kind) {
    case TEditorKind::EditBtn:
      if (g->EditBtn()) slot = std::make_unique<TControlCellEditor>(g, g->EditBtn());
      break;
    case TEditorKind::CheckBox:
      if (g->CheckEditor()) slot = std::make_unique<TCheckCellEditor>(g, g->CheckEditor());
      break;
    case TEditorKind::Button:
      if (g->GridButton()) slot = std::make_unique<TControlCellEditor>(g, g->GridButton());
      break;
    case TEditorKind::UnitEdit:
      if (g->UnitEditBtn()) slot = std::make_unique<TUnitCellEditor>(g, g->UnitEditBtn());
      break;
    case TEditorKind::Spin: slot = std::make_unique<TSpinCellEditor>(g, g->SpinEdit()); break;
    case TEditorKind::DatePicker:
    case TEditorKind::TimePicker: {
      // Both kinds open the one picker.
      std::unique_ptr<ICellEditor>& shared = FEditors[size_t(TEditorKind::DatePicker)];
      if (!shared) shared = std::make_unique<TDateCellEditor>(g, g->DateTimePicker());
      return shared.get();
    }
    case TEditorKind::Rich: slot = std::make_unique<TRichCellEditor>(g); break;
    case TEditorKind::DateTime: slot = std::make_unique<TDateTimeCellEditor>(g, g->DateAndTimePicker()); break;
    case TEditorKind::DropDown: return DropDownEditor(Type);
    default: break;
  }
  return slot.get();
}

// One editor per drop-down type, each serving its own control.
ICellEditor* TGridCellEditors::DropDownEditor(TEditorType Type) {
  const int index = int(Type) - int(edTrackbarDropDown);
  if (index < 0 || index >= int(FDropDownEditors.size())) return nullptr;
  std::unique_ptr<ICellEditor>& slot = FDropDownEditors[size_t(index)];
  if (slot) return slot.get();
  TPlexStringGrid* g = FGrid;
  TPlexCustomDropDown* control = nullptr;
  switch (Type) {
    case edTrackbarDropDown: control = g->TrackbarDropDown(); break;
    case edMemoDropDown: control = g->MemoDropDown(); break;
    case edCalculatorDropDown: control = g->CalculatorDropDown(); break;
    case edTimePickerDropDown: control = g->TimePickerDropDown(); break;
    case edDetailDropDown: control = g->DetailPickerDropDown(); break;
    case edGridDropDown: control = g->GridDropDown(); break;
    case edColorPickerDropDown: control = g->ColorPickerDropDown(); break;
    case edImagePickerDropDown: control = g->ImagePickerDropDown(); break;
    case edPlexGridDropDown: control = g->PlexGridDropDown(); break;
    default: return nullptr;
  }
  slot = std::make_unique<TDropDownCellEditor>(g, control);
  return slot.get();
}
