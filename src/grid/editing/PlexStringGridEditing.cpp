// The editor life of a cell: whether a cell may be edited, which editor its
// type selects, setting that editor up over the cell, writing its value back
// and announcing the end of the edit through the grid's message queue.
#include "grid/core/PlexStringGrid.h"

#include "grid/dropdowns/PlexDropDownMembers.h"
#include "grid/editing/EditorTypeTable.h"
#include "grid/editing/GridCellEditors.h"
#include "grid/editing/GridSpin.h"
#include "grid/editing/PlexInplaceEdit.h"
#include "platform/DateTimeFormat.h"
#include "platform/SystemProbes.h"

namespace {
UINT GridEditDoneMessage() {
  static const UINT message = RegisterWindowMessage("GridEditDone");
  return message;
}

// The date editors open only where the common controls offer date pickers.
bool DatePickersSupported() { return IsComCtl6(); }
}  // namespace

bool TPlexStringGrid::IsEditable(int ACol, int ARow) {
  if (!Options().Contains(goEditing) && !FMouseActions->RangeSelectAndEdit) return false;
  const TPoint base = BaseCell(ACol, ARow);
  // Through the hook, so that a descendant (the column grid) answers first.
  bool canEdit = CanEditCellNow(base.X, base.Y);
  if (canEdit && ReadOnly(base.X, base.Y)) canEdit = false;
  bool isFixed = false;
  DoIsFixedCell(RealColIndex(base.X), base.Y, isFixed);
  return canEdit && !isFixed;
}

bool TPlexStringGrid::IsFixed(int ACol, int ARow) {
  const TPoint base = BaseCell(DisplayToRealCol(ACol), ARow);
  const int col = RealToDisplayCol(base.X);
  if (base.Y >= RowCount() - FixedFooters()) return true;
  if (col >= ColCount() - FixedRightCols() && col <= ColCount() - 1) return true;
  bool isFixed = false;
  DoIsFixedCell(col, base.Y, isFixed);
  return isFixed;
}

bool TPlexStringGrid::CanEditShow() {
  if (FValidating) return false;
  bool result = TBaseGrid::CanEditShow();
  if (IsDesigning()) return result;
  const TPoint base = BaseCell(RealColIndex(Col()), Row());
  if (result && !FEditMode && HasClickableGraphic(base.X, base.Y)) return false;
  if (result && !FEditMode) {
    FNoEditChange = true;
    FCellCache = GetCurrentCellEx();
    if (!FEditing) SaveOldCellValue(Col(), Row());
    FEditControl = DefaultEditor;
    DoGetEditorType(base.X, base.Y, FEditControl);
    if (FEditControl == edNone) return false;
    FEditMode = true;
  }
  if (result && !IsTextEditorType(FEditControl)) {
    // A separate editor stands in for the text editor, which stays hidden.
    ShowCellEditor(RealToDisplayCol(base.X), base.Y);
    FEntered = true;
    return false;
  }
  if (result) {
    FEntered = true;
    FEditing = true;
  }
  return result;
}

void TPlexStringGrid::ShowCellEditor(int ACol, int ARow) {
  FEditing = FSpecialEditor = FEditActive = true;
  TRect r = CellRect(ACol, ARow);
  if (BiDiMode() == bdRightToLeft) r.Left += 1;
  const int width = r.Right - r.Left - 1, height = r.Bottom - r.Top - 1;
  TCellEditorSetup setup;
  setup.Editor = FEditControl;
  setup.Col = RealColIndex(ACol);
  setup.Row = ARow;
  setup.Bounds = TRect(r.Left, r.Top, r.Left + width, r.Top + height);
  TBrush brush;
  brush.Color = Color();
  TFont font;
  font.Assign(Font());
  TGridDrawState state;
  TColor colorTo = clNone, mirror = clNone, mirrorTo = clNone;
  TAlignment hAlign = taLeftJustify;
  TVAlignment vAlign = vtaTop;
  bool wordWrap = false;
  TCellGradientDirection direction = GradientVertical;
  GetVisualProperties(ACol, Row(), state, false, false, true, brush, colorTo, mirror, mirrorTo, font, hAlign, vAlign,
                      wordWrap, direction);
  setup.Color = brush.Color;
  setup.Font = &font;
  SetGridState(gsNormal);
  FEditCtrl = nullptr;
  FOpenEditor = nullptr;
  if (FEditControl != edCustom) FLastValidation = true;
  const TEditorTypeInfo& info = EditorTypeInfo(FEditControl);
  FEditMode = true;
  if (info.Kind == TEditorKind::Combo) {
    SetUpComboEditor(setup);
  } else if (info.Kind == TEditorKind::Custom) {
    ShowEditLink(setup, r);
  } else if (info.Kind == TEditorKind::Button) {
    // The push button covers the cell's grid lines.
    setup.Bounds = TRect(r.Left - 1, r.Top - 1, r.Left + width + 1, r.Top + height + 1);
    SetUpSeparateEditor(FCellEditors->EditorFor(FEditControl), setup);
  } else if (info.Kind != TEditorKind::DataCheckBox && info.Kind != TEditorKind::None &&
             (!info.NeedsDatePickers || DatePickersSupported())) {
    SetUpSeparateEditor(FCellEditors->EditorFor(FEditControl), setup);
  }
  FStartEditChar = QChar();
}

void TPlexStringGrid::SetUpSeparateEditor(ICellEditor* Editor, const TCellEditorSetup& Setup) {
  if (!Editor) return;
  const TEditorTypeInfo& info = EditorTypeInfo(Setup.Editor);
  TCellEditorSetup setup = Setup;
  if (!info.Coloured) setup.Color = clNone;
  if (info.Hook == THookTime::BeforeLoad) DoGetEditorProp(setup.Col, setup.Row);
  setup.Text = GetEditText(RealToDisplayCol(setup.Col), setup.Row);
  setup.StartChar = info.TakesStartChar ? FStartEditChar : QChar();
  Editor->Open(setup);
  if (info.Hook == THookTime::AfterLoad) DoGetEditorProp(setup.Col, setup.Row);
  FOpenEditor = Editor;
  TWinControl* control = Editor->Control();
  if (control && !setup.StartChar.isNull()) PostMessage(control, WM_CHAR, setup.StartChar.unicode(), 0);
  const bool shownAsControl = info.Kind != TEditorKind::CheckBox && info.Kind != TEditorKind::DateTime;
  FEditCtrl = shownAsControl ? control : nullptr;
}

void TPlexStringGrid::CommitCellEditor(int ACol, int ARow) {
  if (FDestroying) return;
  FSpecialEditor = false;
  FBlockKill = true;
  const int col = RealColIndex(ACol);
  FStartEditChar = QChar();
  const TEditorTypeInfo& info = EditorTypeInfo(FEditControl);
  switch (info.Kind) {
    case TEditorKind::Text:
    case TEditorKind::DataCheckBox:
    case TEditorKind::None: break;
    case TEditorKind::Combo: CommitComboEditor(col, ARow); break;
    case TEditorKind::Custom: CommitEditLink(col, ARow); break;
    case TEditorKind::CheckBox:
    case TEditorKind::Button:
      if (FOpenEditor) FOpenEditor->Close();
      FEditMode = false;
      break;
    default:
      if (!FOpenEditor || (info.NeedsDatePickers && !DatePickersSupported())) break;
      if (info.CommitsInEditMode && !FEditMode) break;
      FEditMode = false;
      if (info.Kind == TEditorKind::Spin && SpinEdit()->AllowEmptyValue && FOpenEditor->Value().trimmed().isEmpty())
        SetCellFromEditor(col, ARow, QString());
      else if (info.WriteBack == TWriteBack::Color)
        CommitChosenColor(col, ARow);
      else if (info.WriteBack == TWriteBack::ImageIndex)
        CommitChosenImage(col, ARow);
      else if (FOpenEditor->WritesBack())
        WriteEditorValue(col, ARow, FOpenEditor->Value());
      FOpenEditor->Close();
      break;
  }
  if (FEditControl != edNormal && FEditActive) EditDone(col, ARow);
  // The separate editor's edit is over: the next edit starts from its own
  // cell, not from the one this editor was opened on.
  if (info.Kind != TEditorKind::Text) FEditing = false;
  FBlockKill = false;
  FEditActive = false;
}

void TPlexStringGrid::WriteEditorValue(int ACol, int ARow, const QString& Value) {
  switch (EditorTypeInfo(FEditControl).WriteBack) {
    case TWriteBack::Nothing: return;
    case TWriteBack::Ints: SetInts(ACol, ARow, StrToIntDef(Value.trimmed(), 0)); return;
    case TWriteBack::Floats: SetFloats(ACol, ARow, StrToFloatDef(Value.trimmed(), 0)); return;
    case TWriteBack::Dates: {
      // Like the number spins, text that is no date writes the null date
      // (shown as a date under ShowNullDates).
      TDateTime date = 0;
      if (!TryStrToDate(Value, date)) date = 0;
      SetDates(ACol, ARow, date);
      return;
    }
    default: SetCellFromEditor(ACol, ARow, Value); return;
  }
}

// The colour's name becomes the text; the colour itself fills a shape cell's
// shape, else the cell.
void TPlexStringGrid::CommitChosenColor(int ACol, int ARow) {
  auto* picker = dynamic_cast<TPlexColorPickerDropDown*>(FOpenEditor->Control());
  if (!picker) return;
  TColor color = picker->SelectedColor();
  QString value = picker->SelectedColorText();
  if (OnColorSelected) OnColorSelected(this, ACol, ARow, color, value);
  SetCellFromEditor(ACol, ARow, value);
  if (BaseCellTypeInSet(ACol, ARow, {ctShape}))
    SetShapeColor(ACol, ARow, color);
  else
    SetColors(ACol, ARow, color);
}

// The chosen index is an image-list cell's image, else the cell's text.
void TPlexStringGrid::CommitChosenImage(int ACol, int ARow) {
  auto* picker = dynamic_cast<TPlexImagePickerDropDown*>(FOpenEditor->Control());
  if (!picker) return;
  int index = picker->ImageIndex();
  if (OnImageSelected) OnImageSelected(this, ACol, ARow, index);
  if (BaseCellTypeInSet(ACol, ARow, {ctImageList}))
    SetImageIdx(ACol, ARow, index);
  else
    SetCellFromEditor(ACol, ARow, QString::number(index));
}

void TPlexStringGrid::EditDone(int ACol, int ARow) {
  if (OnEditingDone) OnEditingDone(this);
  FEditMode = false;
  PostMessage(this, GridEditDoneMessage(), WPARAM(ACol), LPARAM(ARow));
}

void TPlexStringGrid::DoEditCellDone(int ACol, int ARow) {
  if (OnEditCellDone) OnEditCellDone(this, ACol, ARow);
}

void TPlexStringGrid::SetCellFromEditor(int ACol, int ARow, const QString& Value) {
  SetEditText(RealToDisplayCol(ACol), ARow, Value);
  SetCellEx(ACol, ARow, Value);
}

void TPlexStringGrid::UndoCellEdit() {
  const int col = RealColIndex(Col());
  SetCellEx(col, Row(), FCellCache);
  SetEditText(Col(), Row(), GetCellEx(col, Row()));
}

bool TPlexStringGrid::ValidatesOnTab() {
  return Options().Contains(goTabs) || OnCellValidate != nullptr || OnCellValidateWide != nullptr;
}

bool TPlexStringGrid::IsPasswordCell(int ACol, int ARow) {
  bool isPassword = false;
  DoIsPasswordCell(ACol, ARow, isPassword);
  return isPassword;
}

void TPlexStringGrid::ShowCellEdit() {
  WORD key = VK_F2;
  KeyDown(key, TShiftState());
}

void TPlexStringGrid::HideCellEdit() { CommitCellEditor(Col(), Row()); }

void TPlexStringGrid::SetCellEditors(std::unique_ptr<ICellEditorSource> Value) {
  if (Value) FCellEditors = std::move(Value);
}

TPlexInplaceEdit* TPlexStringGrid::PlexInplaceEditor() const {
  return dynamic_cast<TPlexInplaceEdit*>(InplaceEditor());
}

TInplaceEdit* TPlexStringGrid::CreateEditor() { return new TPlexInplaceEdit(this); }
