// The press of the left mouse button: one handler that decides, in a fixed
// order, what the press does (resize the selection, expand a node, pick a
// radio option, set a rating, push a cell button, follow a link, select whole
// rows or columns, toggle a check box) or hands it to the platform grid for
// focusing, range selection, sizing and moving, and whether an editor opens.
#include "grid/core/PlexStringGrid.h"
#include "grid/editing/PlexInplaceEdit.h"

#include "grid/core/ControlLook.h"
#include "grid/editing/EditLink.h"
#include "grid/editing/FireEvent.h"
#include "grid/editing/PlexRichEdit.h"
#include "grid/editing/ShowModified.h"
#include "grid/features/DragDropSettings.h"
#include "grid/foundation/PsgHTMLE.h"
#include "grid/foundation/PsgHTMLEControls.h"
#include "grid/foundation/TextRoutines.h"
#include "platform/KeyboardState.h"
#include "platform/Network.h"

#include <cmath>

namespace {

int MessageX(const TMessage& Message) { return int16_t(LoWord(Message.LParam)); }
int MessageY(const TMessage& Message) { return int16_t(HiWord(Message.LParam)); }

// The grip that drags a selection bigger sits at the bottom-right corner of its last cell.
constexpr int GripSize = 6;
// A press this close to a header's side border sizes the column instead.
constexpr int SizingBorder = 4;
// A press in the rightmost pixels of a cell with always-visible spin buttons hits them.
constexpr int SpinButtonWidth = 18;
// Half a rating point per step of this many pixels.
constexpr int RatingStep = 9;

}  // namespace

void TPlexStringGrid::HandPressOn(TMessage& Message) { TBaseGrid::WndProc(Message); }

void TPlexStringGrid::ScreenToCell(const TPoint& P, int& ACol, int& ARow) {
  const TPoint c = ScreenToClient(P);
  MouseToCell(c.X, c.Y, ACol, ARow);
}

void TPlexStringGrid::WMLButtonDown(TMessage& Message) {
  // The press that closed a pop-up editor link with a refused value: the
  // editor opens at its cell again, so the press moves nothing.
  if (FEditLink && FEditLink->TakeRefusedPress()) return;
  int X = MessageX(Message);
  int Y = MessageY(Message);
  FDoOnClick = FMouseDownMove = FMouseKeepDown = true;
  FSpinUpClick = FSpinDnClick = false;
  int ACol = -1, ARow = -1;
  MouseToCell(X, Y, ACol, ARow);
  const TGridRect oldSel = Selection();

  if (PressOnSelectionGrip(Message, X, Y, true)) return;

  // A press outside the selection starts a range rather than an edit. The
  // selection counts as half-open here: its last column and row lie outside.
  if (Options().Contains(goEditing) && FMouseActions->RangeSelectAndEdit &&
      !(oldSel.Left <= ACol && ACol < oldSel.Right && oldSel.Top <= ARow && ARow < oldSel.Bottom)) {
    TGridOptions o = Options();
    o.Exclude(goEditing);
    SetOptions(o);
  }

  bool allow = true;
  if (OnCanClickCell) OnCanClickCell(this, ARow, ACol, allow);
  if (!allow) return;
  if (TPlexInplaceEdit* edit = PlexInplaceEditor();
      FEditMode && edit && edit->Visible() && (ACol != Col() || ARow != Row()) && !edit->StoreBeforePress())
    return;
  if (FEditMode && FEditControl == edCustom && FEditLink && (ACol != Col() || ARow != Row()) &&
      !FEditLink->CheckBeforeLeaving())
    return;
  // The rich editor commits when the grid takes the focus, which checks nothing.
  if (FEditMode && FEditControl == edRichEdit && FEditing && FInplaceRichEdit && FInplaceRichEdit->Visible() &&
      (ACol != Col() || ARow != Row())) {
    const bool valid = ValidateCell(RichToString(*FInplaceRichEdit));
    FLastValidation = true;
    if (!valid) return;
  }

  const TShiftState shift = KeyboardShiftState();
  if (CellSelectorMode) {
    CellSelectorClick(mbLeft, shift);
    return;
  }
  if (FMouseSelectMode == msResize) {
    PressOnSelectionGrip(Message, X, Y, false);
    return;
  }

  if (FMouseActions->DisjunctCellSelect() && !shift.Contains(ssCtrl) && ACol >= FixedCols() && ARow >= FixedRows()) {
    ClearSelectedCells();
    Invalidate();
  }

  FMoveColInd = FMoveRowInd = -1;
  FSelectionClick = false;
  FPushedCellButton = TGridCoord{-1, -1};
  FOldTopRow = TopRow();
  FOldKeepLeftCol = LeftCol();

  // The border a sizing drag moves lies left of and above the press.
  if (ARow > 0 && ACol > 0)
    MouseToCell(X - 5, Y - 4, Colclicked, Rowclicked);
  else if (ARow > 0)
    MouseToCell(X, Y - 4, Colclicked, Rowclicked);
  else
    MouseToCell(X - 5, Y, Colclicked, Rowclicked);
  if (Colclicked >= 0 && Rowclicked >= 0) {
    Colclickedsize = ColWidths(Colclicked);
    Rowclickedsize = RowHeights(Rowclicked);
  }
  Clickposx = X;
  Clickposy = Y;

  if (ACol < 0 || ARow < 0) {
    HideInplaceEdit();
    if (!FixedRowAlways) HandPressOn(Message);
    return;
  }

  const int clickCol = ACol, clickRow = ARow;
  const TPoint base = BaseCell(DisplayToRealCol(ACol), ARow);
  ACol = RealToDisplayCol(base.X);
  ARow = base.Y;
  LButFlg = FMouseActions->CaretPositioning;

  // The hover armed the sizing of a fixed column or row.
  if (FSizeFixed || FSizeFixedR) {
    FixedSizingPress(X, Y);
    return;
  }

  const bool fixedArea = ACol < FixedCols() || ARow < FixedRows();
  const bool fixedByEvent = !fixedArea && IsFixed(ACol, ARow);
  if (fixedArea || fixedByEvent) HideInplaceEdit();
  bool isNode = IsNode(ARow);

  if ((fixedArea || fixedByEvent) && FixedAsButtons && Options().Contains(goFixedVertLine) &&
      Options().Contains(goFixedHorzLine) && !(isNode && IsOnNodeGlyph(ARow, X))) {
    FPushedFixedCell = CellRect(ACol, ARow);
    FPushedCellButton = TGridCoord{ACol, ARow};
    FFixedCellPushed = true;
    InvalidateCell(ACol, ARow);
    isNode = false;
  }

  const int rcol = DisplayToRealCol(ACol);
  if (PressOnGraphic(Message, ACol, ARow, rcol, X, Y, isNode)) return;

  // A merged cell is pressed at its base cell, so the platform grid selects the base.
  if ((clickCol != ACol || clickRow != ARow) && !IsFixed(ACol, ARow) && !OnMouseDown) {
    const TRect r = CellRect(ACol, ARow);
    X = r.Left + 2;
    Y = r.Top + 2;
    Message.LParam = MakeLParam(X, Y);
  }

  Clickposdx = Clickposdy = 0;
  if (Colclicked >= 0 && Rowclicked >= 0) {
    const TRect r = CellRect(Colclicked, Rowclicked);
    Clickposdx = X - r.Right;
    Clickposdy = Y - r.Bottom;
  }

  const bool normalRow = ARow >= FixedRows() && ARow < RowCount() - FixedFooters();
  if (FMouseActions->DisjunctRowSelect() && normalRow && !(ACol == 0 && FMouseActions->HotmailRowSelect())) {
    if (shift.Contains(ssShift)) {
      HandPressOn(Message);
      SetSelection(TGridRect{std::min(ACol, oldSel.Left), std::min(ARow, oldSel.Top), std::max(ACol, oldSel.Left),
                             std::max(ARow, oldSel.Top)});
      return;
    }
    if (shift.Contains(ssCtrl) || FMouseActions->DisjunctRowSelectNoCtrl) {
      const int key = FMouseActions->RowSelectPersistent ? DisplayToRealRow(ARow) : ARow;
      if (RowSelect(key)) FDeselectState = true;
    } else {
      FMouseDown = true;
      if (!shift.Contains(ssAlt)) ClearRowSelect();
    }
  }
  if (FMouseActions->DisjunctColSelect() && ACol >= FixedCols()) {
    if (shift.Contains(ssCtrl)) {
      if (ColSelect(ACol)) FDeselectState = true;
    } else {
      FMouseDown = true;
      ClearColSelect();
    }
  }

  const QString text = GetCellEx(rcol, ARow);
  const int kind = CellTextKind(text, EnableHTML);
  if (URLShow() || kind == ctkHtml) {
    if (PressOnLinkCell(ACol, ARow, clickCol, clickRow, X, Y)) return;
  }

  Movecell = -1;
  PressOnHeaders(ACol, ARow);

  bool canEdit = Options().Contains(goEditing) || FMouseActions->RangeSelectAndEdit;
  CanEditCell(rcol, ARow, canEdit);

  if (PressOnCheckBox(ACol, ARow, rcol, X, Y, canEdit)) return;

  const bool normalCell = !fixedArea && !fixedByEvent;
  const bool dropDown = normalCell && FControlLook->DropDownAlwaysVisible() && DoHasComboBox(rcol, ARow);
  if (normalCell && (canEdit || (FMouseActions->EditOnDblClickOnly() && dropDown)) &&
      (FMouseActions->DirectEdit || (FControlLook->DropDownAlwaysVisible() && dropDown))) {
    if (FMouseActions->EditOnDblClickOnly() && dropDown) FEditActive = false;
    HideInplaceEdit();
    if (CanFocus()) SetFocus();
  }

  const TGridRect sel = Selection();
  const bool sameCell = CellRect(ACol, ARow).Contains(TPoint(X, Y)) && sel.Left == ACol && sel.Right == ACol &&
                        sel.Top == ARow && sel.Bottom == ARow;
  bool endSelecting = false;
  if (!sameCell && FMouseActions->RangeSelectAndEdit && normalCell && !canEdit) {
    TGridOptions o = Options();
    o.Exclude(goEditing);
    SetOptions(o);
    endSelecting = true;
  }

  if (fixedByEvent) {
    const bool footerRow = ARow == RowCount() - 1 && FixedFooters() > 0;
    if (!footerRow) Fire(OnClickCell, this, ARow, ACol);
  } else {
    NormalPress(Message, ACol, ARow, X, Y, canEdit, sameCell, dropDown);
  }
  if (endSelecting) SetGridState(gsSelecting);
}

// The grip of a selection rectangle: the press copies the selection and
// starts dragging it bigger; the release pastes it into the new block.
bool TPlexStringGrid::PressOnSelectionGrip(TMessage& Message, int X, int Y, bool Grip) {
  const TGridRect sel = Selection();
  if (Grip) {
    if (!SelectionResizer() || !SelectionRectangle()) return false;
    const TRect corner = CellRect(sel.Right, sel.Bottom);
    const int gx = BiDiMode() == bdRightToLeft ? corner.Left : corner.Right - GripSize;
    const TRect grip(gx, corner.Bottom - GripSize, gx + GripSize, corner.Bottom);
    if (!grip.Contains(TPoint(X, Y))) return false;
    SetGridState(gsSelecting);
  }
  const int col = Col(), row = Row();
  FDropSelection = sel;
  CopySelectionToClipboard();
  FMouseResize = true;
  const bool editing = Options().Contains(goEditing);
  if (Grip ? !(editing || FMouseActions->RangeSelectAndEdit) : !editing) HandPressOn(Message);
  SetSelection(sel);
  if (Col() != col) SetCol(col);
  if (Row() != row) SetRow(row);
  MouseMove(TShiftState(), X, Y);
  if (Grip) Message.Result = 1;
  return true;
}

// Node glyphs, radio groups, the node column, a drag from the selection,
// ratings, cell buttons and expand buttons; true when the press ends here.
bool TPlexStringGrid::PressOnGraphic(TMessage& Message, int ACol, int ARow, int RCol, int X, int Y, bool& IsNode) {
  const TShiftState shift = KeyboardShiftState();
  if (FControlLook->SpinButtonsAlwaysVisible() && DoHasSpinEdit(RCol, ARow)) {
    const TRect r = CellRect(ACol, ARow);
    if (X >= r.Right - SpinButtonWidth) {
      if (Y > (r.Top + r.Bottom) / 2)
        FSpinDnClick = true;
      else
        FSpinUpClick = true;
    }
  }
  if (ARow < FixedRows() && ACol == 0 && IsNode && IsOnNodeGlyph(ARow, X) && FMouseActions->NodeAllExpandContract) {
    if (TCellGraphic* g = GetCellGraphic(0, ARow)) {
      if (g->CellBoolean)
        ExpandAll();
      else
        ContractAll();
      g->CellBoolean = !g->CellBoolean;
    }
  }
  if (ARow >= FixedRows() && ACol == 0 && IsNode && IsOnNodeGlyph(ARow, X)) {
    NodeGlyphPress(ACol, ARow, X, Y);
    return true;
  }
  if (IsRadio(RCol, ARow) && (IsEditable(RCol, ARow) || FControlLook->RadioAlwaysActive)) {
    HideInplaceEdit();
    const TRect r = CellRect(ACol, ARow);
    RadioGroupClick(RCol, ARow, X - r.Left, Y - r.Top);
    if (CanFocus()) SetFocus();
    return true;
  }
  if (ACol == 0 && ARow >= FixedRows() && HasNodes() && !FMouseActions->RowSelect && !Options().Contains(goRowSizing)) {
    Fire(OnMouseDown, this, mbLeft, shift, X, Y);
    Fire(OnClickCell, this, ARow, ACol);
    return true;
  }
  const TRect cell = CellRect(ACol, ARow);
  const bool inSelection = IsSelected(ACol, ARow) || (ARow < FixedRows() && !EnhRowColMove);
  const bool insideBorders = !Options().Contains(goColSizing) || (X > cell.Left + 3 && X < cell.Right - 3);
  if (inSelection && !Options().Contains(goEditing) && !HasButton(RCol, ARow) && !HasCheckBox(RCol, ARow) &&
      FDragDropSettings->OleDropSource &&
      !(ARow < FixedRows() && (FMouseActions->ColSelect || FMouseActions->AllSelect)) && ACol >= FixedCols() &&
      insideBorders) {
    if (CanFocus()) SetFocus();
    Fire(OnMouseDown, this, mbLeft, shift, X, Y);
    FSelectionClick = true;
    Fire(OnClickCell, this, ARow, ACol);
    return true;
  }
  if (HasRating(RCol, ARow) && IsEditable(RCol, ARow)) {
    HideInplaceEdit();
    double rate = std::trunc(double(X - cell.Left) / RatingStep) / 2;
    if (DoRatingChange(RCol, ARow, rate)) {
      SetFloats(RCol, ARow, rate);
      InvalidateCell(ACol, ARow);
    }
    return true;
  }
  for (const bool expand : {false, true}) {
    if (!(expand ? HasExpand(RCol, ARow) : HasButton(RCol, ARow))) continue;
    HideInplaceEdit();
    if (!IsFixed(ACol, ARow)) {
      const bool forced = FForceSel;
      FForceSel = true;
      SelectCell(ACol, ARow);
      FForceSel = forced;
    }
    const TRect button = expand ? GetExpandRect(RCol, ARow) : GetCellButtonRect(RCol, ARow);
    if (button.Contains(TPoint(X, Y))) {
      PushButton(RCol, ARow, true);
      FPushedCellButton = TGridCoord{ACol, ARow};
      SetMouseCapture(true);
      Fire(OnClickCell, this, ARow, ACol);
      return true;
    }
  }
  (void)Message;
  return false;
}

void TPlexStringGrid::NodeGlyphPress(int ACol, int ARow, int X, int Y) {
  Fire(OnMouseDown, this, mbLeft, KeyboardShiftState(), X, Y);
  Fire(OnClickCell, this, ARow, ACol);
  const int real = DisplayToRealRow(ARow);
  bool allow = true;
  if (GetNodeState(ARow)) {
    Fire(OnBeforeExpandNode, this, ARow, real, allow);
    if (allow) {
      ExpandNode(real);
      Fire(OnExpandNode, this, ARow, real);
    }
  } else {
    Fire(OnBeforeContractNode, this, ARow, real, allow);
    if (allow) {
      ContractNode(real);
      Fire(OnContractNode, this, ARow, real);
    }
  }
  if (FMouseActions->MoveRowOnNodeClick) SetRow(ARow);
}

// Links and form controls of a cell; true when the press ends here.
bool TPlexStringGrid::PressOnLinkCell(int ACol, int ARow, int ClickCol, int ClickRow, int X, int Y) {
  const int rcol = DisplayToRealCol(ACol);
  QString text = GetCellEx(rcol, ARow);
  const bool html = CellTextKind(text, EnableHTML) == ctkHtml;
  QString anchor;
  THtmlDrawResults hit;
  if (!html) {
    if (!IsUrlText(text)) return false;
    anchor = text;
  } else {
    TRect r = CellRect(ACol, ARow);
    r.Left += XYOffset.X + 1;
    r.Top += XYOffset.Y + 1;
    if (HasCheckBox(rcol, ARow)) r.Left += FControlLook->CheckSize();
    THtmlDrawParams params;
    params.HitTestOnly = true;
    params.HitX = X;
    params.HitY = Y;
    params.Images = GetCellImageList(rcol, ARow);
    params.WindowHandle = this;
    params.BiDiMode = BiDiMode();
    TGridDrawState state;
    TBrush brush;
    TFont font;
    TColor colorTo = clNone, mirror = clNone, mirrorTo = clNone;
    TAlignment ha = taLeftJustify;
    TVAlignment va = vtaTop;
    bool ww = false;
    TCellGradientDirection gd = GradientVertical;
    GetVisualProperties(rcol, ARow, state, false, false, true, brush, colorTo, mirror, mirrorTo, font, ha, va, ww, gd);
    Canvas().Font().Assign(font);
    if (DrawHtmlText(Canvas(), text, r, params, hit)) anchor = hit.HitAnchorHref;
    if (anchor.isEmpty() && hit.ControlId.isEmpty()) {
      if (!HasHtmlControls(text)) return false;
      // A cell with form controls is never edited as text by a click.
      Fire(OnClickCell, this, ClickRow, ClickCol);
      HideInplaceEdit();
      FocusCell(ACol, ARow);
      return true;
    }
  }

  const bool isControl = !hit.ControlId.isEmpty();
  bool canEdit =
      (Options().Contains(goEditing) || FEditingEnabledByEditor) && !ReadOnly(DisplayToRealCol(ClickCol), ClickRow);
  if (isControl) DoCanEditCell(DisplayToRealCol(ClickCol), ClickRow, canEdit);
  if (isControl && canEdit) {
    EndCellControlEdit();
    text = GetCellEx(rcol, ARow);
    const QString type = hit.ControlType.toUpper();
    QString value = hit.ControlValue;
    if (type == "BUTTON") {
      FCtrlXY = TGridCoord{rcol, ARow};
      FCtrlDown = true;
      InvalidateCell(ACol, ARow);
    } else if (type == "CHECK") {
      value = value.toUpper() == "TRUE" ? "FALSE" : "TRUE";
      SetHtmlControlValue(text, hit.ControlId, value);
      SetCellEx(rcol, ARow, text);
    } else if (type == "RADIO") {
      text = ClearHtmlRadioValues(text);
      value = "TRUE";
      SetHtmlControlValue(text, hit.ControlId, value);
      SetCellEx(rcol, ARow, text);
    }
    Fire(OnControlClick, this, ARow, ACol, hit.ControlId, hit.ControlType, value);
    EditCellControl(ACol, ARow, hit.ControlId, hit.ControlType, value, hit.ControlRect);
    return true;
  }
  bool autoHandle = true;
  Fire(OnAnchorClick, this, ARow, ACol, anchor, autoHandle);
  if (autoHandle && !isControl) {
    const int cellRef = UpperCasePos("CELL://", anchor);
    TPoint target;
    if (cellRef == 0) {
      OpenUrl(anchor);
    } else if (ParseCellReference(anchor.mid(cellRef - 1 + 7), target) && target.X >= 0 && target.X < ColCount() &&
               target.Y >= 0 && target.Y < RowCount()) {
      FocusCell(target.X, target.Y);
      ScrollInView(target.X, target.Y);
    }
  }
  return true;
}

// Whole-grid, whole-row and whole-column selection from the headers, as the hover announced.
void TPlexStringGrid::PressOnHeaders(int ACol, int ARow) {
  const TShiftState shift = KeyboardShiftState();
  const bool rangeSelect = Options().Contains(goRangeSelect);
  const TGridRect prev = Selection();
  const bool normalCol = ACol >= FixedCols(), normalRow = ARow >= FixedRows();
  auto finish = [&](TGridRect sel) {
    AdjustClickSelection(sel.Right, sel.Bottom, shift);
    SetSelection(sel);
    DoExit();
    if (ActiveCellShow()) RepaintActiveHeaders(sel.Left, sel.Top, sel.Right, sel.Bottom);
  };
  if (!normalCol && !normalRow && FMouseActions->AllSelect && rangeSelect && FMouseSelectMode == msAll) {
    if (CanFocus()) SetFocus();
    HideSelection();
    finish(TGridRect{FixedCols(), FixedRows(), ColCount() - 1, RowCount() - 1});
  } else if (!normalCol && normalRow && FMouseActions->RowSelect && FMouseSelectMode == msRow) {
    if (FEditMode && CanFocus()) SetFocus();
    HideSelection();
    if (FMouseActions->DisjunctCellSelect()) ClearSelectedCells();
    const int from = shift.Contains(ssShift) ? prev.Top : ARow;
    finish(TGridRect{FixedCols(), std::min(from, ARow), ColCount() - 1, std::max(from, ARow)});
    FMouseSelectStart = ARow;
    if (!RowIndicator().Empty()) InvalidateCol(0);
  } else if (normalCol && !normalRow && FMouseActions->ColSelect && rangeSelect && FMouseSelectMode == msColumn) {
    if (FEditMode && CanFocus()) SetFocus();
    HideSelection();
    if (FMouseActions->DisjunctCellSelect()) ClearSelectedCells();
    int from = ACol;
    if (shift.Contains(ssShift)) from = ACol < prev.Left ? prev.Right : prev.Left;
    finish(TGridRect{std::min(from, ACol), FixedRows(), std::max(from, ACol), RowCount() - 1});
    FMouseSelectStart = ACol;
  }
  const TRect r = CellRect(ACol, ARow);
  if (!normalRow && normalCol) Movecell = ACol;
  if (!normalCol && normalRow) Movecell = ARow;
  MoveOfsX = Clickposx - r.Left;
  MoveOfsY = Clickposy - r.Top;
}

// Check boxes and radio buttons toggle on the press; true when the press ends here.
bool TPlexStringGrid::PressOnCheckBox(int ACol, int ARow, int RCol, int X, int Y, bool CanEdit) {
  const bool hotmail = FMouseActions->HotmailRowSelect();
  if (ACol < 0 || ACol >= ColCount() || ARow < 0 || ARow >= RowCount()) return false;
  if (!(CanEdit || FControlLook->CheckAlwaysActive || (ACol == 0 && hotmail))) return false;
  const bool headerRow = ARow < FixedRows();
  if (headerRow && !(FMouseActions->CheckAllCheck && !hotmail)) return false;
  const bool radio = HasRadioButton(RCol, ARow);
  if (!(HasCheckBox(RCol, ARow) || radio) || !IsInCheckBox(RCol, ARow, X, Y)) return false;

  HideInplaceEdit();
  if (CanFocus()) SetFocus();
  if (radio) {
    ToggleRadioButtonEx(RCol, ARow, true);
    Fire(OnRadioButtonClick, this, RCol, ARow);
  } else {
    ToggleCheckBoxEx(RCol, ARow, true);
  }
  if (FShowModified->Enabled) {
    SetRowModified(ARow, true);
    InvalidateCell(0, ARow);
  }
  const int realRow = DisplayToRealRow(ARow);
  if (ACol == 0 && hotmail) {
    SetSelection(TGridRect{FixedCols(), ARow, ColCount() - 1, ARow});
    SetRowSelect(realRow, !RowSelect(realRow));
    if (realRow != ARow) InvalidateCell(0, ARow);
    if (Row() == ARow && !RowSelect(realRow)) {
      HideSelection();
      // Nothing brings the hidden selection back.
      FSelHidden = false;
    }
  }
  bool state = false;
  GetCheckBoxState(RCol, ARow, state);
  const bool normalCell = ACol >= FixedCols() && !headerRow;
  if (!FNavigation->AlwaysEdit && normalCell) MoveColRow(ACol, ARow, true, true);
  DoCheckBoxClick(ACol, ARow, state);
  if (HideFocusRect) InvalidateCell(ACol, ARow);
  if (headerRow) {
    for (int r = FixedRows(); r < RowCount(); ++r) SetCheckBoxState(RCol, r, state);
    Invalidate();
  }
  Fire(OnMouseDown, this, mbLeft, KeyboardShiftState(), X, Y);
  Click();
  return true;
}

void TPlexStringGrid::NormalPress(TMessage& Message, int ACol, int ARow, int X, int Y, bool CanEdit, bool SameCell,
                                  bool DropDown) {
  const bool edge = (ARow == TopRow() + VisibleRowCount() && ARow >= FixedRows()) ||
                    (ACol == LeftCol() + VisibleColCount() && ACol >= FixedCols()) ||
                    (ACol == LeftCol() && LeftCol() > FixedCols());
  const bool keepHoriz = Options().Contains(goRowSelect) && FNavigation->KeepHorizScroll;
  const int leftCol = LeftCol();
  if (keepHoriz) StartUpdate();
  const int topRow = TopRow();
  if (!FSelHidden) {
    const bool alwaysEdit = FNavigation->AlwaysEdit;
    FNavigation->AlwaysEdit = false;
    HandPressOn(Message);
    FNavigation->AlwaysEdit = alwaysEdit;
  }
  if (keepHoriz) {
    EndUpdate();
    SetLeftCol(leftCol);
  }
  if (FMouseActions->NoAutoRangeScroll && GridState() == gsSelecting && edge) SetGridState(gsNormal);
  if (FMouseActions->NoScrollOnPartialRow && TopRow() != topRow) {
    SetTopRow(topRow);
    SendMessage(this, WM_LBUTTONUP, Message.WParam, Message.LParam);
  }
  const TRect r = CellRect(ACol, ARow);
  const bool onHeaderBorder = ARow < FixedRows() && Options().Contains(goColSizing) &&
                              (X - r.Left < SizingBorder || r.Right - X < SizingBorder);
  if (!onHeaderBorder) Fire(OnClickCell, this, ARow, ACol);
  if (OnCellValidate) {
    FEntered = false;
    SaveOldCellValue(Col(), Row());
  }
  const bool normalCell = ACol >= FixedCols() && ARow >= FixedRows() && !IsFixed(ACol, ARow);
  if (normalCell && IsMergedCell(DisplayToRealCol(ACol), ARow) && CanEdit && (SameCell || FMouseActions->DirectEdit))
    ShowInplaceEdit();
  const bool direct = FMouseActions->DirectEdit || (FControlLook->DropDownAlwaysVisible() && DropDown);
  const bool editable = CanEdit || (FMouseActions->EditOnDblClickOnly() && DropDown);
  if (X > r.Left + 3 && X < r.Right - 3 && normalCell && editable && direct &&
      !HasClickableGraphic(DisplayToRealCol(ACol), ARow)) {
    if (FMouseActions->EditOnDblClickOnly() && DropDown) {
      TGridOptions o = Options();
      o.Include(goEditing);
      SetOptions(o);
      if (CanFocus()) SetFocus();
    }
    bool allow = true;
    CellChanging(ACol, ARow, allow);
    if (allow) {
      FocusCell(ACol, ARow);
      SaveOldCellValue(ACol, ARow);
      ShowEditor();
    }
  }
}

void TPlexStringGrid::RadioGroupClick(int ACol, int ARow, int X, int Y) {
  TBrush brush;
  TFont font = Font();
  DoGetCellColor(ACol, ARow, TGridDrawState(), brush, font);
  Canvas().Font().Assign(font);
  const TPoint base = BaseCell(ACol, ARow);
  TCellGraphic* g = GetCellGraphic(base.X, base.Y);
  TStrings* options = g ? g->Strings() : nullptr;
  if (!g || !options) return;
  const TControlStyle style = FControlLook->ControlStyle();
  const int step = (style == csClassic || style == csFlat) ? FControlLook->RadioSize() : 16;
  const bool horizontal = g->CellBoolean;
  const int lineHeight = std::max(step, Canvas().TextHeight("gh"));
  const int pos = horizontal ? X : Y;
  int start = 0;
  int picked = -1;
  for (int i = 0; i < options->Count(); ++i) {
    const int end = start + (horizontal ? Canvas().TextWidth(options->Strings(i)) + step : lineHeight);
    // A point exactly on a boundary belongs to no option.
    if (pos > start && pos < end) {
      picked = i;
      break;
    }
    start = end;
  }
  if (picked < 0) return;
  const int dcol = RealToDisplayCol(ACol);
  if (!IsFixed(dcol, ARow)) MoveColRow(dcol, ARow, true, true);
  if (g->CellIndex != -1)
    g->CellIndex = picked;
  else
    SetCellEx(ACol, ARow, options->Strings(picked));
  SetCellEx(ACol, ARow, GetCellEx(ACol, ARow));
  SetRadioIdx(ACol, ARow, picked);
  Fire(OnRadioClick, this, ACol, ARow, picked);
}
