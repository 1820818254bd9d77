// The release of the left button and the grid's mouse hooks: cell and expand
// buttons fire on release, header clicks fire OnClick and sort, disjunct row
// and column selections are completed, the header filter list opens, and a
// fixed cell may get an editor.
#include "grid/core/PlexStringGrid.h"

#include "grid/core/ControlLook.h"
#include "grid/editing/FireEvent.h"
#include "grid/editing/GridTransCombo.h"
#include "grid/editing/GridTransEdit.h"
#include "grid/features/DragDropSettings.h"
#include "grid/features/DropCheckList.h"
#include "grid/features/DropList.h"
#include "grid/features/FilterDropDown.h"
#include "grid/features/Grouping.h"
#include "grid/features/SortSettings.h"
#include "grid/foundation/IntList.h"
#include "grid/foundation/SortIndexList.h"
#include "platform/Graphics.h"
#include "platform/KeyboardState.h"
#include "platform/Menus.h"
#include "platform/SysUtils.h"
#include "platform/SystemProbes.h"

namespace {

int MessageX(const TMessage& Message) { return int16_t(LoWord(Message.LParam)); }
int MessageY(const TMessage& Message) { return int16_t(HiWord(Message.LParam)); }

// The drop-down button of a header cell and the filter glyph take this many pixels at its right edge.
constexpr int HeaderButtonWidth = 16;
// A header click this close to a side border sizes the column instead of sorting.
constexpr int SizingBorder = 4;
// The filter glyph lies in the top of the header cell.
constexpr int FilterGlyphHeight = 19;

}  // namespace

// The platform calls this from its own press handling, for every button.
void TPlexStringGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  int ACol = -1, ARow = -1;
  MouseToCell(X, Y, ACol, ARow);
  const bool onCell = ACol >= 0 && ARow >= 0;
  if (FMouseActions->RangeSelectAndEdit && Button == mbLeft && !FMouseActions->EditOnDblClickOnly() && onCell) {
    const bool current = ACol == Col() && ARow == Row();
    TGridOptions o = Options();
    if (current && !o.Contains(goEditing) && IsEditable(DisplayToRealCol(ACol), ARow)) {
      o.Include(goEditing);
      SetOptions(o);
      TBaseGrid::MouseDown(Button, Shift, X, Y);
      ShowInplaceEdit();
      return;
    }
    if (!current && Shift.Contains(ssShift) && o.Contains(goEditing)) {
      // Shift extends the range instead of editing.
      o.Exclude(goEditing);
      SetOptions(o);
      TBaseGrid::MouseDown(Button, Shift, X, Y);
      return;
    }
  }

  const bool hoverCell = onCell && ((HoverFixedCells == hfAll && (ARow < FixedRows() || ACol < FixedCols())) ||
                                    (HoverFixedCells == hfFixedRows && ARow < FixedRows()) ||
                                    (HoverFixedCells == hfFixedColumns && ACol < FixedCols()));
  if (onCell && FControlLook->FixedDropDownButton && hoverCell) {
    const TRect r = CellRect(ACol, ARow);
    const int right = Options().Contains(goColSizing) ? r.Right - 2 : r.Right;
    if (X >= r.Right - HeaderButtonWidth && X < right) {
      FDropDownDown = true;
      if (FFixedDropDownMenu || OnFixedDropDownClick) {
        FNoMouseLeave = true;
        TPopupMenu* menu = FFixedDropDownMenu;
        if (menu) menu->Tag = ACol;
        bool keep = false;
        Fire(OnFixedDropDownClick, this, ACol, ARow, menu, keep);
        if (menu) {
          FHoverFixedX = ACol;
          FHoverFixedY = ARow;
          InvalidateCell(ACol, ARow);
          const TPoint at = ClientToScreen(TPoint(r.Right - HeaderButtonWidth, r.Bottom));
          menu->Popup(at.X, at.Y);
          FHoverFixedX = FHoverFixedY = -1;
          InvalidateCell(ACol, ARow);
        }
        FNoMouseLeave = keep;
      }
      return;
    }
  }
  if (hoverCell && ARow == FixedRows() - 1 && FControlLook->FixedGradientDownFrom() != clNone)
    InvalidateCell(ACol, ARow);

  const bool clicked = FClickedToEdit;
  FClickedToEdit = true;
  TBaseGrid::MouseDown(Button, Shift, X, Y);
  FClickedToEdit = clicked;

  if (Shift.Contains(ssShift) && SelectionRectangle()) {
    const TGridRect s = Selection();
    InvalidateCellRange(TRect(s.Left, s.Top, s.Right, s.Bottom));
  }

  if (onCell && (ARow < FixedRows() || ACol < FixedCols())) {
    const TRect r = CellRect(ACol, ARow);
    const bool insideCol =
        !Options().Contains(goColSizing) || (X - r.Left >= SizingBorder && r.Right - X >= SizingBorder);
    const bool insideRow =
        !Options().Contains(goRowSizing) || (Y - r.Top >= SizingBorder && r.Bottom - Y >= SizingBorder);
    if (FMouseActions->FixedRowsEdit == fceLeftClick && Button == mbLeft && ARow < FixedRows() && insideCol)
      StartFixedCellEdit(ACol, ARow);
    else if (FMouseActions->FixedColsEdit == fceLeftClick && Button == mbLeft && ACol < FixedCols() && insideRow)
      StartFixedCellEdit(ACol, ARow);
    else if ((FMouseActions->FixedRowsEdit == fceRightClick && Button == mbRight && ARow < FixedRows()) ||
             (FMouseActions->FixedColsEdit == fceRightClick && Button == mbRight && ACol < FixedCols()))
      StartFixedCellEdit(ACol, ARow);
  }

  if (auto* synced = dynamic_cast<TCustomGrid*>(FSyncGrid->Grid())) {
    if (FSyncGrid->SelectionColumn && Col() < synced->ColCount()) synced->SetCol(Col());
    if (FSyncGrid->SelectionRow && Row() < synced->RowCount()) synced->SetRow(Row());
  }
}

void TPlexStringGrid::StartFixedCellEdit(int ACol, int ARow) {
  if (FTransEdit && FTransEdit->Visible() && !FTransEdit->StopEdit()) return;
  if (FTransCombo && FTransCombo->Visible() && !FTransCombo->StopEdit()) return;
  if (!FTransEdit || !FTransCombo) return;
  bool canEdit = true;
  Fire(OnCanEditCell, this, ARow, ACol, canEdit);
  if (!canEdit) return;
  FFixedColEdit = ACol;
  FFixedRowEdit = ARow;
  TGridFixedCellEditor kind = ACol == 0 ? FMouseActions->FixedColsEditor : FMouseActions->FixedRowsEditor;
  TStringList values;
  values.Assign(FMouseActions->FixedComboValues());
  DoFixedEdit(ACol, ARow, kind, values);
  TRect r = CellRect(ACol, ARow);
  r.Left += 1;
  r.Top += 1;
  r.Right -= 1;
  r.Bottom -= 1;
  const int rcol = DisplayToRealCol(ACol);
  const auto changed = [this](TObject* Sender) {
    if (auto* c = dynamic_cast<TWinControl*>(Sender)) Fire(OnEditChange, this, FFixedColEdit, FFixedRowEdit, c->Text());
  };
  TWinControl* editor = nullptr;
  if (kind == fceEdit) {
    FTransEdit->SetParent(this);
    FTransEdit->SetBounds(r.Left, r.Top, r.Width(), r.Height());
    FTransEdit->SetText(GetCellEx(rcol, ARow));
    FTransEdit->Col = rcol;
    FTransEdit->Row = ARow;
    FTransEdit->OnChange = changed;
    editor = FTransEdit;
  } else {
    FTransCombo->SetParent(this);
    FTransCombo->SetStyle(kind == fceComboEdit ? csDropDown : csDropDownList);
    FTransCombo->Items().Assign(values);
    FTransCombo->SetBounds(r.Left - 1, r.Top - 1, r.Width() + 1, r.Height());
    FTransCombo->SetText(GetCellEx(rcol, ARow));
    FTransCombo->Col = rcol;
    FTransCombo->Row = ARow;
    FTransCombo->OnChange = changed;
    editor = FTransCombo;
  }
  editor->Show();
  if (editor->CanFocus()) editor->SetFocus();
}

void TPlexStringGrid::FixedCellValidate(int ACol, int ARow, QString& Value, bool& Valid) {
  Fire(OnCellValidate, this, ACol, ARow, Value, Valid);
}
void TPlexStringGrid::FixedCellEditingDone() { Fire(OnEditingDone, this); }
void TPlexStringGrid::StoreFixedCellText(int ACol, int ARow, const QString& Value) { SetCellEx(ACol, ARow, Value); }
void TPlexStringGrid::FocusFixedCell(int ACol, int ARow) {
  SetCol(RealToDisplayCol(ACol));
  SetRow(ARow);
}

void TPlexStringGrid::Click() {
  TBaseGrid::Click();
  FEntered = false;
  SaveOldCellValue(Col(), Row());
}

void TPlexStringGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  const bool reported = Button == mbLeft || (Button == mbRight && FMouseActions->SelectOnRightClick);
  const TGridRect remembered = Selection();
  int ACol = -1, ARow = -1;
  MouseToCell(X, Y, ACol, ARow);
  const int rcol = ACol >= 0 ? DisplayToRealCol(ACol) : -1;
  if (ARow >= 0 && ARow == FilterDropDownRow && ACol >= 0 && rcol != FFilterCol)
    OpenHeaderFilter(ARow, rcol, X, Y);
  else {
    if (FFilterListBox) FFilterListBox->Hide();
    if (FFilterCheckList) FFilterCheckList->Hide();
    FFilterCol = -1;
  }
  FDropDownDown = false;

  if ((GridState() == gsColSizing && X > Width()) || (GridState() == gsRowSizing && Y > Height())) {
    SetGridState(gsNormal);
    return;
  }

  if (FMouseActions->DisjunctCellSelect() && Button == mbLeft && ACol >= 0 && ARow >= 0) {
    const TPoint b = BaseCell(rcol, ARow);
    const int bcol = RealToDisplayCol(b.X), brow = b.Y;
    if (!IsFixed(bcol, brow) && bcol >= FixedCols() && brow >= FixedRows()) {
      bool canSelect = true;
      Fire(OnSelectCell, this, bcol, brow, canSelect);
      if (!canSelect) return;
      if (Shift.Contains(ssShift)) {
        SetSelectedCells(ACol, ARow, true);
      } else if (Shift.Contains(ssCtrl)) {
        SetSelectedCells(bcol, brow, !GetSelectedCells(bcol, brow));
      } else {
        for (int i = 0; i < SelectedCellsCount(); ++i) {
          const TGridCoord c = SelectedCell(i);
          InvalidateCell(c.X, c.Y);
        }
        ClearSelectedCells();
        SetSelectedCells(bcol, brow, true);
      }
      const TGridRect s = Selection();
      if (s.Left != s.Right || s.Top != s.Bottom)
        for (int r = s.Top; r <= s.Bottom; ++r)
          for (int c = s.Left; c <= s.Right; ++c)
            if ((c != bcol || r != brow) && !GetSelectedCells(c, r)) SetSelectedCells(c, r, true);
      for (int i = 0; i < SelectedCellsCount(); ++i) {
        const TGridCoord c = SelectedCell(i);
        InvalidateCell(c.X, c.Y);
      }
      InvalidateCell(ACol, ARow);
    } else if (!Shift.Contains(ssCtrl)) {
      ClearSelectedCells();
      Invalidate();
    }
  }

  if (reported) DoSelectionChanged(remembered.Left, remembered.Top, remembered.Right, remembered.Bottom);

  if (GridState() == gsColMoving && Button == mbRight) return;
  const TGridRect before = Selection();
  TBaseGrid::MouseUp(Button, Shift, X, Y);
  if (ACol >= 0 && ARow == FixedRows() - 1 && FControlLook->FixedGradientDownFrom() != clNone &&
      HoverFixedCells != hfNone)
    InvalidateCell(ACol, ARow);
  const TGridRect after = Selection();
  if (!(after == before)) DoSelectionChanged(after.Left, after.Top, after.Right, after.Bottom);
}

// The filter list of a header cell opens from the glyph at the cell's top right.
void TPlexStringGrid::OpenHeaderFilter(int ARow, int RCol, int X, int Y) {
  const int acol = RealToDisplayCol(RCol);
  const TRect r = CellRect(acol, ARow);
  if (X < r.Right - HeaderButtonWidth || X >= r.Right - 3 || Y >= r.Top + FilterGlyphHeight) return;
  if (!DoGetColumnFilter(RCol)) return;
  FFilterCol = RCol;
  TListBox* list = FilterDropDownCheck ? static_cast<TListBox*>(FFilterCheckList) : FFilterListBox;
  if (!list) return;
  list->SetColor(FFilterDropDown->Color);
  list->Font().Assign(FFilterDropDown->Font());
  list->Items().Clear();
  for (int i = 0; i < FFilterList->Count(); ++i) {
    QString entry = (*FFilterList)[i];
    const int eq = entry.indexOf('=');
    if (eq >= 0) entry = entry.left(eq);
    list->Items().Add(entry);
  }
  if (!FilterDropDownCheck && list->Items().Count() > 0) list->SetItemIndex(0);
  int width = FFilterDropDown->Width, height = FFilterDropDown->Height;
  if (FFilterDropDown->AutoSize) {
    // Measured in the list's own font, with room for its vertical scroll bar.
    TBitmap measure(1, 1);
    measure.Canvas().Font().Assign(list->Font());
    width = 0;
    for (int i = 0; i < list->Items().Count(); ++i)
      width = std::max(width, measure.Canvas().TextWidth(list->Items()[i]));
    width += 8 + 2 * GetSystemMetrics(SM_CXVSCROLL);
  }
  int left = r.Right - HeaderButtonWidth;
  if (FFilterDropDown->ColumnWidth) {
    left = r.Left;
    width = r.Width();
  }
  if (left + width > Width()) left = std::max(0, r.Right - width);
  list->SetParent(this);
  list->SetBounds(left, r.Top + HeaderButtonWidth, width, height);
  list->Show();
  if (list->CanFocus()) list->SetFocus();
}

void TPlexStringGrid::ReleasePushedButton(int X, int Y) {
  if (FPushedCellButton.X < 0) return;
  const int pc = FPushedCellButton.X, pr = FPushedCellButton.Y;
  const int prc = DisplayToRealCol(pc);
  int ACol = -1, ARow = -1;
  MouseToCell(X, Y, ACol, ARow);
  const bool onCell = ACol >= 0 && ARow >= 0;
  bool enabled = Options().Contains(goEditing);
  if (onCell && !FControlLook->NoDisabledButtonLook()) {
    // The editability of the cell under the release, whatever goEditing says.
    const TPoint b = BaseCell(DisplayToRealCol(ACol), ARow);
    bool isFixed = false;
    DoIsFixedCell(b.X, b.Y, isFixed);
    enabled = CanEditCellNow(b.X, b.Y) && !ReadOnly(b.X, b.Y) && !isFixed;
  }
  const bool fixedPushed = pr < FixedRows() || pc < FixedCols();
  if (enabled || FControlLook->NoDisabledButtonLook() || fixedPushed) {
    if (!IsNode(pr)) PushButton(prc, pr, false);
    if (onCell) {
      const TPoint b = BaseCell(DisplayToRealCol(ACol), ARow);
      const bool fixedRule = pr < FixedRows() || (pc < FixedCols() && FixedAsButtons);
      const TPoint at(X, Y);
      if (GetCellButtonRect(b.X, b.Y).Contains(at) || fixedRule) DoButtonClick(pc, pr);
      if (HasExpand(prc, pr) && (GetExpandRect(b.X, b.Y).Contains(at) || fixedRule))
        DoExpandClick(pc, pr, ToggleExpand(prc, pr));
    }
  }
  FPushedCellButton = TGridCoord{-1, -1};
  SetMouseCapture(false);
}

void TPlexStringGrid::WMLButtonUp(TMessage& Message) {
  const int X = MessageX(Message), Y = MessageY(Message);
  int ACol = -1, ARow = -1;
  MouseToCell(X, Y, ACol, ARow);
  const bool onCell = ACol >= 0 && ARow >= 0;
  const TShiftState shift = KeyboardShiftState();
  ColMoveFlg = ColSizeFlg = FMouseDown = FMouseKeepDown = false;
  FMouseSelectMode = msNormal;
  if (FCtrlDown) {
    FCtrlDown = false;
    InvalidateCell(RealToDisplayCol(FCtrlXY.X), FCtrlXY.Y);
  }
  FMouseDownMove = false;
  if (Look() == glListView) {
    InvalidateRow(0);
    if (FixedCols() > 0) InvalidateCol(0);
  }
  FMouseSelectStart = -1;
  if (!IsDesigning()) HideMoveArrows();
  const bool fixedSized = FixedSizingRelease(X, Y);
  if (FFixedCellPushed) {
    InvalidateRect(FPushedFixedCell);
    FFixedCellPushed = false;
  }
  ReleasePushedButton(X, Y);
  if (HintShowSizing || IsDesigning()) HideSizingHint();

  if (onCell) {
    const TPoint b = BaseCell(DisplayToRealCol(ACol), ARow);
    const TPoint at(X, Y);
    if ((HasButton(b.X, b.Y) && GetCellButtonRect(b.X, b.Y).Contains(at)) ||
        (HasExpand(b.X, b.Y) && GetExpandRect(b.X, b.Y).Contains(at)))
      return;
  }

  const bool sizingCursor =
      ARow >= 0 && ARow < FixedRows() && ACol >= 0 && Options().Contains(goColSizing) && Cursor() == crHSplit;
  if (OnClick && FDoOnClick && !sizingCursor && (ARow < FixedRows() || ACol < FixedCols())) OnClick(this);
  FDoOnClick = false;

  if (FSelectionClick) {
    FSelectionClick = false;
    if (onCell && ACol >= FixedCols() && ARow >= FixedRows()) {
      const bool disjunct = FMouseActions->DisjunctRowSelect() && FDragDropSettings->OleDropSource;
      if (disjunct && (shift.Contains(ssCtrl) || FMouseActions->DisjunctRowSelectNoCtrl)) {
        const int key = FMouseActions->RowSelectPersistent ? DisplayToRealRow(ARow) : ARow;
        SetRowSelect(key, !RowSelect(key));
        Fire(OnMouseUp, this, mbLeft, TShiftState{ssCtrl}, X, Y);
        return;
      }
      if (disjunct) ClearRowSelect();
      InvalidateCell(0, Row());
      if (Options().Contains(goRowSelect))
        SetSelection(TGridRect{FixedCols(), ARow, ColCount() - 1, ARow});
      else
        SetSelection(TGridRect{ACol, ARow, ACol, ARow});
      InvalidateCell(0, Row());
    }
  }

  if (FMouseActions->DisjunctRowSelect() && ACol >= 0 && !(ACol == 0 && IsNode(ARow))) {
    if (!(ACol == 0 && FMouseActions->HotmailRowSelect())) SelectionToRowSelect(false);
    if (ARow >= FixedRows() && ARow < RowCount() - FixedFooters() && FDeselectState) {
      SetRowSelect(FMouseActions->RowSelectPersistent ? DisplayToRealRow(ARow) : ARow, false);
      FResetSelChange = true;
    }
    if (FMouseActions->HotmailRowSelect()) InvalidateCell(0, 0);
    FDeselectState = false;
  }
  if (onCell && IsNode(ARow) && FGrouping->AutoSelectGroup && ACol > 0 && !GetNodeState(ARow)) {
    const TCellGraphic* g = GetCellGraphic(0, ARow);
    const int span = g ? g->NodeSpan() : 0;
    if (FMouseActions->DisjunctRowSelect())
      for (int r = ARow + 1; r < std::min(RowCount(), ARow + span); ++r) SetRowSelect(r, true);
    else if (span > 0)
      SetSelection(TGridRect{FixedCols(), ARow, ColCount() - 1, std::min(RowCount() - 1, ARow + span - 1)});
  }
  if (FMouseActions->DisjunctColSelect()) {
    SelectionToColSelect(false);
    if (ACol >= FixedCols() && ACol < ColCount() - FixedRightCols() && FDeselectState) SetColSelect(ACol, false);
    FDeselectState = false;
  }

  EnhancedMoveRelease(X, Y);

  // A sizing or a move that the platform finishes in this release keeps the click from sorting.
  const TGridState state = GridState();
  const int moveFrom = FMoveIndex, movePos = FMovePos;
  // The selecting ends before the inherited release, which would otherwise
  // bring the editor up to date as if the press had only selected, and so
  // close the editor that a direct-edit press has just opened.
  if (state == gsSelecting) {
    KillTimer(GridDragScrollTimerId);
    SetGridState(gsNormal);
  }
  HandPressOn(Message);
  if (state == gsColSizing || state == gsRowSizing || fixedSized) ColSizeFlg = true;
  if ((state == gsColMoving || state == gsRowMoving) && moveFrom != movePos) ColMoveFlg = true;
  if (FResetSelChange) {
    FSelChange = false;
    FResetSelChange = false;
  }
  if (GridState() == gsSelecting) SetGridState(gsNormal);

  if (FMouseResize) {
    const TGridRect now = Selection();
    Fire(OnSelectionResize, this, FDropSelection, now);
    FEditDisable = true;
    PasteSelectionFromClipboard();
    FMouseResize = false;
    FEditDisable = false;
    Fire(OnSelectionResized, this, FDropSelection, now);
  }

  if (ColMoveFlg || ColSizeFlg || !onCell) return;
  if (ACol < FixedCols() && !FSortSettings->FixedCols) return;
  const int rcol = DisplayToRealCol(ACol);
  if (HasCheckBox(rcol, ARow)) {
    bool state = false;
    GetCheckBoxState(rcol, ARow, state);
    Fire(OnCheckBoxMouseUp, this, rcol, ARow, state);
  } else if (IsRadio(rcol, ARow)) {
    int index = -1;
    GetRadioIdx(rcol, ARow, index);
    Fire(OnRadioMouseUp, this, rcol, ARow, index);
  }
  HeaderClickSort(ACol, ARow, X, Y);
}

void TPlexStringGrid::HeaderClickSort(int ACol, int ARow, int X, int Y) {
  // The release after a double click that sized a column.
  if (FDblClk) {
    FDblClk = false;
    return;
  }
  const TRect r = CellRect(ACol, ARow);
  if (ARow == 0 && Options().Contains(goColSizing) && (X - r.Left < SizingBorder || r.Right - X < SizingBorder)) return;
  const int rcol = DisplayToRealCol(ACol);
  if (X >= r.Right - HeaderButtonWidth) {
    bool dropDown = FControlLook->FixedDropDownButton;
    if (dropDown) DoCanShowFixedDropDown(rcol, dropDown);
    if (dropDown || DoGetColumnFilter(rcol)) return;
  }
  int pressCol = -1, pressRow = -1;
  MouseToCell(Clickposx, Clickposy, pressCol, pressRow);
  TSortSettings& s = *FSortSettings;
  const bool onHeaderBox = HasCheckBox(rcol, ARow) && IsInCheckBox(rcol, ARow, X, Y);
  if (ARow != s.Row() || pressRow != s.Row() || FixedRows() == 0 || onHeaderBox || !s.Show() || ColMoveFlg ||
      RowCount() <= 2)
    return;
  bool doSort = !IsIgnoredColumn(rcol);
  Fire(OnCanSort, this, rcol, doSort);
  if (!doSort) {
    InvalidateCell(ACol, ARow);
    return;
  }
  HideInplaceEdit();
  if (FSortedRowXRef->Count() != RowCount()) InitSortXRef();
  // Merged blocks would not survive rows moving under them: split, sort, merge again.
  if (s.AutoColumnMerge)
    for (int c = 0; c < ColCount(); ++c) SplitColumnCells(c);
  const uint32_t start = GetTickCount();
  const bool keepHoriz = Options().Contains(goRowSelect) && FNavigation->KeepHorizScroll;
  const int leftCol = LeftCol();
  if (keepHoriz) StartUpdate();
  if (s.IndexShow)
    SortByIndexes(rcol);
  else
    HeaderSortByColumn(rcol);
  if (keepHoriz) {
    EndUpdate();
    SetLeftCol(leftCol);
  }
  FSortTime = int(GetTickCount() - start);
  if (s.AutoColumnMerge) MergedColumnsChanged();
  PlaceCellControls();
  Invalidate();
  DoClickSort(s.Column);
}

void TPlexStringGrid::SortByIndexes(int RCol) {
  TSortSettings& s = *FSortSettings;
  TSortIndexList& idx = *FSortIndexes;
  const bool ascending = s.InitSortDirection == sdAscending;
  const TShiftState shift = KeyboardShiftState();
  const bool key = shift.Contains(s.IndexSortKey == ikCtrl ? ssCtrl : ssShift);
  if (key) {
    if (idx.FindIndex(RCol) < 0)
      idx.AddIndex(RCol, ascending);
    else
      idx.ToggleIndex(RCol);
  } else if (idx.Count() == 1 && idx.FindIndex(RCol) == 0) {
    idx.ToggleIndex(RCol);
  } else {
    idx.Clear();
    idx.AddIndex(RCol, ascending);
  }
  if (HasNodes())
    QSortGroupIndexed();
  else
    QSortIndexed();
  s.Column = idx.Count() > 0 ? idx.GetSortColumns(0) : -1;
}

void TPlexStringGrid::HeaderSortByColumn(int RCol) {
  TSortSettings& s = *FSortSettings;
  if (s.Column == RCol) {
    const bool wasInitial = s.Direction == s.InitSortDirection;
    s.ToggleDirection();
    if (s.UndoSort && !wasInitial) {
      QUnSort();
      s.Column = -1;
      return;
    }
  } else {
    s.Direction = s.InitSortDirection;
    s.Column = RCol;
  }
  if (HasNodes())
    QSortGroup();
  else
    QSort();
}

bool TPlexStringGrid::IsIgnoredColumn(int ACol) { return FIgnoreColumns->HasValue(ACol); }
