// What the grid does with keys while it holds the focus: its steps before and
// after the platform's cursor movement, the characters that open the editor,
// the row keys (insert, delete, select all), the incremental goto, and the
// grid timer (search idle time, hovering, blinking cells).
#include "grid/core/PlexStringGrid.h"

#include "grid/core/ControlLook.h"
#include "grid/editing/ShowModified.h"
#include "grid/features/FloatingFooter.h"
#include "grid/features/SearchPanel.h"
#include "grid/features/SortSettings.h"
#include "grid/foundation/PsgHTMLE.h"
#include "grid/foundation/PsgHTMLEControls.h"
#include "platform/FindControl.h"
#include "platform/KeyboardState.h"
#include "platform/Messages.h"
#include "platform/SysUtils.h"

#include <algorithm>

namespace {

bool IsMovementKey(WORD Key) { return Key >= VK_PRIOR && Key <= VK_DOWN; }
bool IsArrowKey(WORD Key) { return Key >= VK_LEFT && Key <= VK_DOWN; }

bool SameRect(const TGridRect& A, const TGridRect& B) {
  return A.Left == B.Left && A.Top == B.Top && A.Right == B.Right && A.Bottom == B.Bottom;
}

// The Home and End table: which key, with which HomeEndKey, without Ctrl.
struct THomeEndRow {
  WORD Key;
  THomeEndAction Action;
  bool Ctrl;
};

constexpr THomeEndRow HomeEndRows[] = {
    {VK_HOME, heFirstLastCell, false},   {VK_HOME, heFirstLastRow, false}, {VK_HOME, heFirstLastColumn, true},
    {VK_HOME, heFirstLastColumn, false}, {VK_END, heFirstLastCell, false}, {VK_END, heFirstLastRow, false},
    {VK_END, heFirstLastColumn, false},
};

}  // namespace

// ---- the key-down message

bool TPlexStringGrid::RowOnlyFixed() const { return FixedRowAlways && RowCount() == 1; }

// The grid's own calls of OnKeyDown count the left Alt only: the right one types characters.
void TPlexStringGrid::FireGridKeyDown(WORD Key, TShiftState Shift) {
  if (!OnKeyDown) return;
  WORD copy = Key;
  OnKeyDown(this, copy, Shift);
}

void TPlexStringGrid::SwallowKey(TMessage& Message, bool FireKeyDown, TShiftState Shift) {
  if (FireKeyDown) FireGridKeyDown(WORD(Message.WParam), Shift);
  Message.WParam = 0;
  Message.Result = 1;
}

void TPlexStringGrid::WMKeyDown(TMessage& Message) {
  const WORD key = WORD(Message.WParam);
  const bool ctrl = KeyIsDown(VK_CONTROL), shift = KeyIsDown(VK_SHIFT);
  TShiftState own;
  if (ctrl) own.Include(ssCtrl);
  if (shift) own.Include(ssShift);
  if (KeyIsDown(VK_LMENU)) own.Include(ssAlt);
  FMoveSelection = Selection();
  const int C = RealColIndex(Col()), R = Row();
  const bool enterF2 = key == VK_RETURN || key == VK_F2;
  TGridOptions options = Options();

  // 1. keep-scroll
  const bool keepScroll = (key == VK_PRIOR || key == VK_NEXT || key == VK_UP || key == VK_DOWN) &&
                          options.Contains(goRowSelect) && LeftCol() != FirstNavigableCol() &&
                          FNavigation->KeepHorizScroll;
  const int oldLeft = LeftCol();

  // 2. scroll only
  if (FNavigation->MoveScrollOnly &&
      (key == VK_PRIOR || key == VK_NEXT || key == VK_HOME || key == VK_END || key == VK_UP || key == VK_DOWN)) {
    const int visible = VisibleRowCount();
    switch (key) {
      case VK_PRIOR: SetTopRow(TopRow() > visible + FixedRows() ? TopRow() - visible : FixedRows()); break;
      case VK_NEXT:
        if (TopRow() + visible < RowCount()) SetTopRow(std::min(TopRow() + visible, RowCount() - visible));
        break;
      case VK_HOME: SetTopRow(FixedRows()); break;
      case VK_END: SetTopRow(std::max(FixedRows(), RowCount() - visible)); break;
      case VK_UP:
        if (TopRow() > FixedRows()) SetTopRow(TopRow() - 1);
        break;
      default:
        if (TopRow() + visible < RowCount()) SetTopRow(TopRow() + 1);
        break;
    }
    Message.WParam = 0;
    Message.Result = 1;
    return;
  }

  // 3. editing on double click only
  if (FMouseActions->EditOnDblClickOnly() && !options.Contains(goEditing) && enterF2) {
    const bool was = FMouseActions->RangeSelectAndEdit;
    FMouseActions->RangeSelectAndEdit = true;
    const bool editable = IsEditable(C, R);
    FMouseActions->RangeSelectAndEdit = was;
    if (editable) {
      options.Include(goEditing);
      SetOptions(options);
    }
  }

  // 4. range select and edit
  if (FMouseActions->RangeSelectAndEdit && !options.Contains(goEditing) && enterF2) {
    if (!IsEditable(C, R)) {
      SwallowKey(Message, true, own);
      return;
    }
    options.Include(goEditing);
    SetOptions(options);
    // A cell of form controls gets its first control below, not the cell editor over its tags.
    if (!EnableHTML || !HasHtmlControls(GetCellEx(C, R))) ShowInplaceEdit();
  }

  // 5. the search footer's edit
  if (ctrl && key == 'F' && FSearchFooter->Visible()) FocusSearchFooter();

  // 6. and 7. Enter and F2 on cells that cannot be edited
  if (enterF2 && Options().Contains(goEditing)) {
    if (!IsEditable(C, R)) {
      SwallowKey(Message, true, own);
      return;
    }
    if (EnableHTML && HasHtmlControls(GetCellEx(C, R))) {
      // Such a cell is edited through its form controls: the cell editor
      // stays shut and the key goes straight to the steps after the movement,
      // where the first control starts editing.
      AfterKeyMovement(Message, key, own);
      Message.WParam = 0;
      Message.Result = 1;
      return;
    }
  }
  if (key == VK_RETURN && !IsEditable(C, R)) {
    TForm* form = GetParentForm();
    if (form && form->KeyPreview())
      TBaseGrid::WndProc(Message);
    else
      SwallowKey(Message, true, own);
    return;
  }

  // 8. cell graphics
  if ((key == VK_RETURN || key == VK_SPACE) && HasClickableGraphic(C, R)) CellGraphicKey(key);

  // 9. Home and End
  if ((key == VK_HOME || key == VK_END) && HomeEndKey(Message, key, own)) {
    FireGridKeyDown(key, own);
    Message.WParam = 0;
    Message.Result = 0;
    return;
  }

  // 10. a node row whose current cell is merged opens to the right and closes to the left
  if ((key == VK_RIGHT || key == VK_LEFT) && IsNode(R) && IsMergedCell(Col(), R)) {
    if (key == VK_RIGHT)
      ExpandNode(RealRowIndex(R));
    else
      ContractNode(RealRowIndex(R));
  }

  // 11. Left and Right scroll a selected row that does not fit
  if ((key == VK_LEFT || key == VK_RIGHT) && Options().Contains(goRowSelect) && !IsNode(R) &&
      (LeftCol() > FixedCols() || LeftCol() + VisibleColCount() < ColCount())) {
    const auto scrollOne = [&] {
      if (key == VK_LEFT && LeftCol() > FixedCols()) SetLeftCol(LeftCol() - 1);
      if (key == VK_RIGHT && LeftCol() + VisibleColCount() < ColCount()) SetLeftCol(LeftCol() + 1);
    };
    if (!FNavigation->LeftRightRowSelect) {
      scrollOne();
      FireGridKeyDown(key, own);
      Message.WParam = 0;
      Message.Result = 0;
      return;
    }
    if (ctrl) scrollOne();
  }

  // 12. Tab
  if (key == VK_TAB && Options().Contains(goTabs) && !own.Contains(ssAlt)) {
    NavigateFromEditor(shift);
    const TGridRect s = Selection();
    if (!SameRect(s, FMoveSelection)) DoSelectionChanged(s.Left, s.Top, s.Right, s.Bottom);
    Message.WParam = 0;
    Message.Result = 1;
    return;
  }

  // 13. skipping cells that answer fixed
  WORD moved = key;
  if (FNavigation->SkipFixedCells && IsArrowKey(key) && SkipFixedCellsKey(moved, own)) {
    Message.WParam = 0;
    Message.Result = 0;
    return;
  }

  // 14. the platform's movement
  if (key == VK_DOWN && FNavigation->AppendOnArrowDown && IsLastNormalRow()) AppendRowAtEnd();
  if (SelectionRectangle() && !SameRect(Selection(), FMoveSelection)) {
    const TGridRect s = Selection();
    InvalidateCellRange(TRect(s.Left, s.Top, s.Right, s.Bottom));
    FMoveSelection = s;
  }
  if (FSearchFooter->Visible() && IsLastRowAboveSearchFooter() && R == RowCount() - 1) {
    const bool stop = key == VK_DOWN || (key == VK_RIGHT && Col() == ColCount() - 1) ||
                      (key == VK_LEFT && Col() == FirstNavigableCol());
    if (stop) {
      if (key == VK_DOWN) ScrollAboveSearchFooter();
      FireGridKeyDown(key, own);
      Message.WParam = 0;
      Message.Result = 1;
      return;
    }
  }
  if (keepScroll) BeginUpdate();
  TBaseGrid::WndProc(Message);
  if (keepScroll) {
    SetLeftCol(oldLeft);
    EndUpdate();
  }
  if (FSearchFooter->Visible() && Row() == RowCount() - 1 &&
      (key == VK_NEXT || key == VK_END || key == VK_LEFT || key == VK_RIGHT || key == VK_DOWN))
    ScrollAboveSearchFooter();
  AfterKeyMovement(Message, key, own);
}

// Stage 15: the keys that act after the cursor has moved.
void TPlexStringGrid::AfterKeyMovement(TMessage& Message, WORD Key, TShiftState Shift) {
  const bool ctrl = Shift.Contains(ssCtrl), shift = Shift.Contains(ssShift);
  const bool anyAlt = KeyIsDown(VK_MENU);
  const int r = FMouseActions->DisjunctRowSelect() && FMouseActions->RowSelectPersistent ? RealRowIndex(Row()) : Row();
  if (ClipboardKey(Key, Shift)) return;
  if (Key == VK_INSERT && !ctrl && !shift && !anyAlt && FNavigation->AllowInsertRow) {
    InsertRowByKey();
  } else if (Key == 'A' && ctrl && (Options().Contains(goRowSelect) || Options().Contains(goRangeSelect))) {
    SelectAllByKey();
    return;
  } else {
    if (IsMovementKey(Key) && FMouseActions->DisjunctRowSelect()) {
      if (!shift && !ctrl) ClearRowSelect();
      if (shift)
        SelectionToRowSelect(false);
      else
        SetRowSelect(r, true);
    }
    if (IsMovementKey(Key) && FMouseActions->DisjunctColSelect()) {
      if (!shift && !ctrl) ClearColSelect();
      if (shift)
        SelectionToColSelect(false);
      else
        SetColSelect(Col(), true);
    }
    if (Key == VK_SPACE) {
      if (FMouseActions->DisjunctRowSelect()) SetRowSelect(r, !GetRowSelect(r));
      if (FMouseActions->DisjunctColSelect()) SetColSelect(Col(), !GetColSelect(Col()));
    }
    if (Key == VK_DELETE && !anyAlt && FNavigation->AllowDeleteRow) DeleteRowByKey();
    if (Key == VK_RETURN || Key == VK_F2) {
      SaveOldCellValue(Col(), Row());
      if (HasHtmlControls(GetCellEx(RealColIndex(Col()), Row()))) EditNextCellControl(Col(), Row(), QString());
      if (Key == VK_F2) F2Pressed();
    }
  }
  const TGridRect s = Selection();
  if (!SameRect(s, FMoveSelection)) {
    DoSelectionChanged(s.Left, s.Top, s.Right, s.Bottom);
    FMoveSelection = s;
  }
  (void)Message;
}

bool TPlexStringGrid::ClipboardKey(WORD Key, TShiftState Shift) {
  if (!FNavigation->AllowClipboardShortCuts) return false;
  const bool ctrl = Shift.Contains(ssCtrl), shift = Shift.Contains(ssShift);
  enum { None, Cut, Copy, Paste } action = None;
  if ((ctrl && Key == 'X') || (shift && Key == VK_DELETE)) action = Cut;
  if ((ctrl && Key == 'V') || (shift && Key == VK_INSERT)) action = Paste;
  if ((ctrl && Key == 'C') || (ctrl && Key == VK_INSERT)) action = Copy;
  if (action == None) return false;
  bool allow = true;
  if (action == Cut && OnClipboardCut) OnClipboardCut(this, allow);
  if (action == Copy && OnClipboardCopy) OnClipboardCopy(this, allow);
  if (action == Paste && OnClipboardPaste) OnClipboardPaste(this, allow);
  if (!allow) return true;
  if (action == Cut) CutToClipboard();
  if (action == Copy) CopyToClipboard();
  if (action == Paste) PasteFromClipboard();
  return true;
}

void TPlexStringGrid::CellGraphicKey(WORD Key) {
  const int c = RealColIndex(Col()), r = Row();
  bool allowed = Options().Contains(goEditing) || FMouseActions->RangeSelectAndEdit;
  CanEditCell(c, r, allowed);
  if (Key == VK_SPACE) {
    if ((allowed || FControlLook->CheckAlwaysActive) && HasCheckBox(c, r)) {
      ToggleCheckBoxEx(c, r, true);
      if (FShowModified->Enabled) {
        SetRowModified(r, true);
        RepaintCell(0, r);
      }
      bool state = false;
      GetCheckBoxState(c, r, state);
      DoCheckBoxClick(Col(), r, state);
    }
    if (allowed || FControlLook->RadioAlwaysActive) {
      if (IsRadio(c, r)) {
        SelectNextRadio(c, r, true);
        int idx = -1;
        GetRadioIdx(c, r, idx);
        if (OnRadioClick) OnRadioClick(this, c, r, idx);
      }
      if (HasRadioButton(c, r)) {
        SetRadioButtonColumnIndex(c, r);
        if (OnRadioButtonClick) OnRadioButtonClick(this, c, r);
      }
    }
  }
  if (allowed && HasButton(c, r)) DoButtonClick(c, r);
  RepaintCell(Col(), r);
}

bool TPlexStringGrid::HomeEndKey(TMessage& Message, WORD Key, TShiftState Shift) {
  const bool ctrl = Shift.Contains(ssCtrl), shift = Shift.Contains(ssShift);
  const THomeEndAction action = FNavigation->HomeEndKey;
  const auto row = std::find_if(std::begin(HomeEndRows), std::end(HomeEndRows), [&](const THomeEndRow& e) {
    return e.Key == Key && e.Action == action && e.Ctrl == ctrl;
  });
  if (row == std::end(HomeEndRows)) return false;
  const bool home = Key == VK_HOME;
  const bool rowSelect = Options().Contains(goRowSelect);
  const int R = Row(), C = Col();
  const auto toBase = [&](int ACol, int ARow) {
    const TPoint b = BaseCell(ACol, ARow);
    MoveColRow(b.X, b.Y, true, true);
  };
  const auto firstCol = [&] {
    const int c = FirstSelectableCol(Row());
    return c < 0 ? FirstNavigableCol() : c;
  };
  const auto rowTarget = [&](int Target) {
    toBase(Col(), Target);
    if (!shift && FMouseActions->DisjunctRowSelect()) SelectionToRowSelect(false);
    if (shift) {
      SetSelection(TGridRect{FixedCols(), std::min(R, Target), ColCount() - 1, std::max(R, Target)});
      if (FMouseActions->DisjunctRowSelect()) SelectionToRowSelect(false);
    }
  };
  const int keepLeft = LeftCol();
  switch (action) {
    case heFirstLastCell:
      if (home)
        toBase(FixedCols(), FixedRows());
      else
        toBase(ColCount() - 1, RowCount() - 1);
      return true;
    case heFirstLastRow: {
      if (RowOnlyFixed()) return false;
      if (home) {
        rowTarget(FixedRows());
      } else {
        const int target =
            FFloatingFooter->Visible() && RowCount() > 2 ? RowCount() - 2 : RowCount() - FFixedFooters - 1;
        if (FFixedFooters > 0 || FFloatingFooter->Visible())
          SetTopRow(std::max(FixedRows(), RowCount() - VisibleRowCount()));
        rowTarget(target);
      }
      if (rowSelect && FNavigation->KeepHorizScroll) SetLeftCol(keepLeft);
      return true;
    }
    case heFirstLastColumn:
      if (home && ctrl) {
        MoveColRow(Col(), FixedRows(), true, true);
        toBase(firstCol(), Row());
        SetLeftCol(FirstNavigableCol());
        return true;
      }
      if (rowSelect || RowOnlyFixed()) return false;
      if (shift) {
        SetSelection(TGridRect{home ? FixedCols() : C, R, home ? C : ColCount() - FFixedRightCols - 1, R});
        RepaintRow(R);
        return true;
      }
      if (home) {
        toBase(firstCol(), R);
        SetLeftCol(FirstNavigableCol());
      } else {
        toBase(ColCount() - 1, R);
        SetLeftCol(std::max(FixedCols(), ColCount() - VisibleColCount()));
      }
      return true;
  }
  (void)Message;
  return false;
}

// True when the key was spent jumping over (or stopping before) cells that answer fixed.
bool TPlexStringGrid::SkipFixedCellsKey(WORD& Key, TShiftState Shift) {
  WORD key = Key;
  if (BiDiMode() != bdLeftToRight) {
    if (key == VK_LEFT)
      key = VK_RIGHT;
    else if (key == VK_RIGHT)
      key = VK_LEFT;
  }
  int dc = 0, dr = 0, lo = 0, hi = 0, pos = 0;
  switch (key) {
    case VK_LEFT:
      if (Col() <= FixedCols()) return false;
      dc = -1;
      break;
    case VK_RIGHT:
      if (Col() >= ColCount() - FFixedRightCols) return false;
      dc = 1;
      break;
    case VK_UP:
      if (Row() <= FixedRows()) return false;
      dr = -1;
      break;
    default:
      if (Row() >= RowCount() - FFixedFooters) return false;
      dr = 1;
      break;
  }
  if (dc != 0) {
    lo = FixedCols();
    hi = ColCount() - FFixedRightCols - 1;
    pos = Col();
  } else {
    lo = FixedRows();
    hi = RowCount() - FFixedFooters - 1;
    pos = Row();
  }
  const auto fixedAt = [&](int p) { return dc != 0 ? IsFixed(p, Row()) : IsFixed(Col(), p); };
  int next = pos + dc + dr;
  if (next < lo || next > hi || !fixedAt(next)) return false;
  const bool rowSelectStop = dr != 0 && Options().Contains(goRowSelect);
  if (!rowSelectStop)
    while (next >= lo && next <= hi && fixedAt(next)) next += dc + dr;
  if (next < lo || next > hi) {
    // The run reaches the edge: the cursor stays, unless the cursor advance wraps it.
    if (FNavigation->CursorAdvance != caDefault) return false;
    FireGridKeyDown(Key, Shift);
    Key = 0;
    return true;
  }
  if (dc != 0)
    MoveColRow(next, Row(), true, true);
  else
    MoveColRow(Col(), next, true, true);
  FireGridKeyDown(Key, Shift);
  Key = 0;
  return true;
}

// ---- row keys

void TPlexStringGrid::InsertRowByKey() {
  bool canInsert = true;
  DoCanInsertRow(Row(), canInsert);
  if (!canInsert) return;
  const int real = RealRowIndex(Row());
  const bool filtered = FFilterActive;
  if (filtered) SetFilterActive(false);
  // Without the filter the real index is the displayed one; a stand-in filter keeps rows hidden.
  const int current = DisplRowIndex(real);
  int at = current, newRow = current;
  if (FNavigation->InsertPosition == pInsertAfter) {
    if (FixedRowAlways && RowCount() == FixedRows()) {
      at = current;
      newRow = 1;
    } else if (current < RowCount()) {
      at = current + 1;
      newRow = current + 1;
    }
  }
  // Contracted nodes keep rows hidden even without the filter: the node operations count real rows.
  AutoInsertRow(HasNodes() ? RealRowEnd(at) : at);
  if (OnAutoInsertRow) OnAutoInsertRow(this, at);
  Modified = true;
  if (filtered) SetFilterActive(true);
  if (newRow < RowCount()) MoveColRow(Col(), newRow, true, true);
  CalcFooter(-1);
}

void TPlexStringGrid::SelectAllByKey() {
  TGridRect all{FirstNavigableCol(), FixedRows(), ColCount() - FFixedRightCols - 1, RowCount() - FFixedFooters - 1};
  if (all.Right < all.Left || all.Bottom < all.Top) return;
  if (FMouseActions->DisjunctRowSelect())
    for (int r = FixedRows(); r < RowCount() - FFixedFooters; ++r) SetRowSelect(RowSelectKey(r), true);
  AdjustKeySelection();
  SetSelection(all);
  FocusCell(all.Right, all.Bottom);
  SimulateCellClick(all.Right, all.Bottom);
  FocusCell(all.Right, all.Bottom);
  SetSelection(all);
}

void TPlexStringGrid::DeleteRowByKey() {
  if (RowCount() - FFixedFooters - FixedRows() < 1) return;
  const int real = RealRowIndex(Row());
  const bool filtered = FFilterActive;
  if (filtered) SetFilterActive(false);
  bool canDelete = true;
  if (OnCanDeleteRow) OnCanDeleteRow(this, real, canDelete);
  if (!canDelete) {
    if (filtered) SetFilterActive(true);
    return;
  }
  AutoDeleteRow(DisplRowIndex(real));
  if (filtered) SetFilterActive(true);
  if (FFloatingFooter->Visible() && Row() == RowCount() - 1 && Row() > FixedRows()) SetRow(Row() - 1);
  SaveOldCellValue(Col(), Row());
  Modified = true;
  CalcFooter(-1);
}

// ---- the framework's key events

void TPlexStringGrid::KeyDown(WORD& Key, TShiftState Shift) {
  FLastKeyCell = TPoint(Col(), Row());
  const int r0 = Row();
  const WORD key = Key;
  TBaseGrid::KeyDown(Key, Shift);
  const TGridRect s = Selection();
  const int from = std::min(s.Top, s.Bottom), to = std::max(s.Top, s.Bottom);
  if (FNavigation->CursorMoveRows && Shift.Contains(ssCtrl)) {
    const bool down = key == VK_DOWN && to < RowCount() - 1;
    const bool up = key == VK_UP && from > FixedRows();
    if (down || up) {
      const int d = down ? 1 : -1;
      if (from == to) {
        MoveRow(from, from + d);
        MoveColRow(Col(), from + d, true, true);
      } else {
        // The row beside the block changes sides.
        if (down)
          MoveRow(to + 1, from);
        else
          MoveRow(from - 1, to);
        SetSelection(TGridRect{FixedCols(), from + d, ColCount() - 1, to + d});
      }
    }
  }
  // Wrapping at the edges: the right and bottom edges are the last normal
  // column and row, the same cells the wrap from the other side goes to.
  if (FNavigation->CursorAdvance != caDefault && IsArrowKey(key) && !Shift.Contains(ssShift)) {
    const bool snake = FNavigation->CursorAdvance == caSnake;
    const int firstCol = FixedCols(), lastCol = ColCount() - FFixedRightCols - 1;
    const int firstRow = FixedRows(), lastRow = RowCount() - FFixedFooters - 1;
    const auto wrapped = [](int v, int lo, int hi) { return v < lo ? hi : v > hi ? lo : v; };
    int c = -1, r = -1;
    if (key == VK_LEFT && FLastKeyCell.X == firstCol) {
      c = lastCol;
      r = snake ? wrapped(FLastKeyCell.Y - 1, firstRow, lastRow) : FLastKeyCell.Y;
    } else if (key == VK_RIGHT && FLastKeyCell.X == lastCol) {
      c = firstCol;
      r = snake ? wrapped(FLastKeyCell.Y + 1, firstRow, lastRow) : FLastKeyCell.Y;
    } else if (key == VK_UP && FLastKeyCell.Y == firstRow) {
      r = lastRow;
      c = snake ? wrapped(FLastKeyCell.X - 1, firstCol, lastCol) : FLastKeyCell.X;
    } else if (key == VK_DOWN && FLastKeyCell.Y == lastRow) {
      r = firstRow;
      c = snake ? wrapped(FLastKeyCell.X + 1, firstCol, lastCol) : FLastKeyCell.X;
    }
    if (c >= 0 && r >= 0 && lastCol >= firstCol && lastRow >= firstRow) MoveColRow(c, r, true, true);
  }
  if (FUseEnabledRows && FNavigation->SkipDisabledRows && Row() == r0) {
    if (key == VK_UP) {
      for (int r = r0 - 1; r >= FixedRows(); --r)
        if (GetRowEnabled(r)) {
          SetRow(r);
          break;
        }
    } else if (key == VK_DOWN && r0 < RowCount() - 1) {
      for (int r = r0 + 1; r < RowCount(); ++r)
        if (GetRowEnabled(r)) {
          SetRow(r);
          break;
        }
    }
  }
  if (auto* other = dynamic_cast<TCustomGrid*>(FSyncGrid->Grid())) {
    if (FSyncGrid->SelectionColumn && other->Col() != Col() && Col() < other->ColCount()) other->SetCol(Col());
    if (FSyncGrid->SelectionRow && other->Row() != Row() && Row() < other->RowCount()) other->SetRow(Row());
  }
}

void TPlexStringGrid::KeyPress(QChar& Key) {
  const int C = RealColIndex(Col()), R = Row();
  if (Key == QChar(27)) {
    if (Options().Contains(goEditing) && FEditing) UndoCellEdit();
    if (OnKeyPress) OnKeyPress(this, Key);
    return;
  }
  if (Key == QChar(13) && !FNavigation->AdvanceOnEnter && !IsEditable(C, R)) {
    if (OnKeyPress) OnKeyPress(this, Key);
    Key = QChar(0);
    return;
  }
  if (Key == QChar(13) && (!Focused() || HasClickableGraphic(C, R))) {
    MoveToNextCell(Col(), Row(), false, false, true, false, EditorMode() || FEditMode);
    if (!FNavigation->AdvanceAutoEdit) {
      if (OnKeyPress) OnKeyPress(this, Key);
      Key = QChar(0);
      return;
    }
    if (HasClickableGraphic(RealColIndex(Col()), Row())) {
      if (OnKeyPress) OnKeyPress(this, Key);
      if (FNavigation->AdvanceOnEnter) ShowInplaceEdit();
      return;
    }
  }
  if (!Options().Contains(goEditing) && FNavigation->AutoGotoWhenSorted) IncrementalGoto(Key);
  TBaseGrid::KeyPress(Key);
}

void TPlexStringGrid::IncrementalGoto(QChar Key) {
  if (FNavigation->AutoGotoIncremental) {
    if (Key == QChar(8))
      FSearchInc.chop(1);
    else
      FSearchInc += Key;
    FSearchTics = 0;
  } else {
    FSearchInc = QString(Key);
  }
  if (FSearchInc.isEmpty()) return;
  const int row = SearchColumnText(FSortSettings->Column, FSearchInc.toUpper());
  if (row < 0) {
    FSearchInc.clear();
    return;
  }
  if (row < RowCount()) SetRow(row);
}

void TPlexStringGrid::WMChar(TMessage& Message) {
  QChar ch(char16_t(Message.WParam));
  const int C = RealColIndex(Col()), R = Row();
  if (EnableHTML && HasHtmlControls(GetCellEx(C, R))) {
    Message.WParam = 0;
    Message.Result = 1;
    return;
  }
  if (FMouseActions->EditOnDblClickOnly()) {
    bool can = true;
    CanEditCell(C, R, can);
    if (can) {
      TGridOptions options = Options();
      options.Include(goEditing);
      SetOptions(options);
    }
  }
  const bool ctrl = KeyIsDown(VK_CONTROL);
  if (FNavigation->AllowClipboardShortCuts && ctrl && (ch == QChar(3) || ch == QChar(22) || ch == QChar(24))) {
    Message.WParam = 0;
    return;
  }
  const bool clickable = HasClickableGraphic(C, R);
  if (FMouseActions->RangeSelectAndEdit && !clickable && IsEditable(C, R) && ch != QChar(9) && ch != QChar(27) &&
      !ctrl) {
    QChar copy = ch;
    if (OnKeyPress) OnKeyPress(this, copy);
    FStartEditChar = ch;
    TGridOptions options = Options();
    options.Include(goEditing);
    SetOptions(options);
    ScrollInView(Col(), Row());
    const TRect r = CellRect(Col(), Row());
    const LPARAM at = MakeLParam(r.Left + 2, r.Top + 2);
    Perform(WM_LBUTTONDOWN, MK_LBUTTON, at);
    Perform(WM_LBUTTONUP, 0, at);
    // The click left the caret where it fell; the typed character takes the
    // cell's place, as it does when typing opens the editor.
    if (TInplaceEdit* edit = InplaceEditor(); edit && edit->Visible()) edit->SelectAll();
    TBaseGrid::WndProc(Message);
    FStartEditChar = QChar();
    return;
  }
  if (ExcelStyleDecimalSeparator && ch == QChar('.') && (Message.LParam & 0x400000)) {
    ch = FormatSettings().DecimalSeparator;
    Message.WParam = ch.unicode();
  }
  if (clickable && ch == QChar(13) && FNavigation->AdvanceOnEnter) {
    TBaseGrid::WndProc(Message);
    return;
  }
  if (Options().Contains(goEditing) && (ch == QChar(8) || ch.unicode() >= 32)) {
    if (OnKeyPress) OnKeyPress(this, ch);
    Message.WParam = ch.unicode();
    if (ch == QChar(0)) return;
    if (!clickable && !FEditMode) {
      FStartEditChar = ch;
      ShowEditorChar(ch);
      FStartEditChar = QChar();
    }
    Message.WParam = 0;
    return;
  }
  if (!FEditMode) FStartEditChar = ch;
  TBaseGrid::WndProc(Message);
  FStartEditChar = QChar();
}

void TPlexStringGrid::KeyUp(WORD& Key, TShiftState Shift) {
  const WORD key = Key;
  if (IsMovementKey(key) && key != VK_HOME) FSearchInc.clear();
  if (key == VK_INSERT || key == VK_DELETE) FSearchInc.clear();
  const TGridRect before = Selection();
  TBaseGrid::KeyUp(Key, Shift);
  const bool tab = key == VK_TAB && Options().Contains(goTabs);
  const bool clickable = HasClickableGraphic(RealColIndex(Col()), Row());
  if (FNavigation->AlwaysEdit && (IsArrowKey(key) || tab) && !clickable) ShowInplaceEdit();
  if (IsArrowKey(key) || key == VK_TAB) {
    const TGridRect s = Selection();
    if (!SameRect(s, FMoveSelection)) {
      DoSelectionChanged(s.Left, s.Top, s.Right, s.Bottom);
      FMoveSelection = s;
    }
  }
  if (!FMouseActions->DisjunctCellSelect() || Options().Contains(goEditing)) return;
  const TGridRect s = Selection();
  if (Shift.Contains(ssShift)) {
    for (int r = before.Top; r <= before.Bottom; ++r)
      for (int c = before.Left; c <= before.Right; ++c) SetSelectedCells(c, r, false);
    for (int r = s.Top; r <= s.Bottom; ++r)
      for (int c = s.Left; c <= s.Right; ++c)
        if (c != Col() || r != Row()) SetSelectedCells(c, r, true);
  }
  if (key == VK_SPACE) {
    const TPoint b = BaseCell(Col(), Row());
    bool canSelect = !IsFixed(b.X, b.Y);
    if (canSelect && OnSelectCell) OnSelectCell(this, b.X, b.Y, canSelect);
    if (canSelect) {
      if (Shift.Contains(ssCtrl)) {
        SetSelectedCells(b.X, b.Y, !GetSelectedCells(b.X, b.Y));
      } else {
        ClearSelectedCells();
        SetSelectedCells(b.X, b.Y, true);
      }
      if (s.Left != s.Right || s.Top != s.Bottom)
        for (int r = s.Top; r <= s.Bottom; ++r)
          for (int c = s.Left; c <= s.Right; ++c) SetSelectedCells(c, r, true);
      Invalidate();
    }
  }
  RepaintCell(Col(), Row());
}

// ---- the grid timer

void TPlexStringGrid::WMTimer(TMessage& Message) {
  if (Message.WParam != PlexGridDefaults::GridTimerId) {
    TBaseGrid::WndProc(Message);
    return;
  }
  ++FTimerTicks;
  if (FNavigation->AutoGotoIncremental) {
    if (FSearchTics >= 3) {
      FSearchInc.clear();
      FSearchTics = 0;
    } else {
      ++FSearchTics;
    }
  }
  if (Hovering() && !IsDesigning()) HoverTick();
  if (EnableBlink) BlinkTick();
}

void TPlexStringGrid::HoverTick() {
  const TPoint screen = CursorPos();
  if (FindDragTarget(screen, true) != this) return;
  const TPoint p = ScreenToClient(screen);
  if (p.X < 0 || p.Y < 0 || p.X >= ClientWidth() || p.Y >= ClientHeight()) return;
  int c = -1, r = -1;
  MouseToCell(p.X, p.Y, c, r);
  if (c < FixedCols() || r < FixedRows() || c >= ColCount() || r >= RowCount() || IsFixed(c, r)) return;
  if (!Focused() && CanFocus()) SetFocus();
  if (c != Col() || r != Row()) MoveColRow(c, r, true, true);
}

void TPlexStringGrid::BlinkTick() {
  FBlinkOn = !FBlinkOn;
  const auto blinks = [&](int c, int r) {
    return GetCellEx(RealColIndex(c), r).contains(QStringLiteral("<BLI"), Qt::CaseInsensitive);
  };
  const int lastCol = std::min(ColCount() - 1, LeftCol() + VisibleColCount());
  const int lastRow = std::min(RowCount() - 1, TopRow() + VisibleRowCount());
  for (int r = TopRow(); r <= lastRow; ++r)
    for (int c = LeftCol(); c <= lastCol; ++c)
      if (blinks(c, r)) RepaintCell(c, r);
  for (int r = 0; r < FixedRows(); ++r)
    for (int c = LeftCol(); c <= lastCol; ++c)
      if (blinks(c, r)) RepaintCell(c, r);
  for (int c = 0; c < FixedCols(); ++c)
    for (int r = TopRow(); r <= lastRow; ++r)
      if (blinks(c, r)) RepaintCell(c, r);
}
