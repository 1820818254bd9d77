// Check boxes and radio buttons in cells: adding them, reading and changing
// their state by code and by the user, whole columns at once. A data check
// box keeps its state as the cell text; while rows are hidden the state
// operations address rows by their real index.
#include "grid/core/PlexStringGrid.h"

#include "grid/core/ControlLook.h"
#include "grid/core/GridItem.h"
#include "grid/core/HiddenRowStore.h"
#include "grid/features/Grouping.h"
#include "grid/foundation/IntList.h"
#include "platform/SysUtils.h"

namespace {

constexpr const char* SInvalidCell = "Invalid cell";

constexpr TSet<TCellType> ToggleKinds{ctCheckBox, ctDataCheckBox, ctVirtCheckBox, ctRowCheckBox, ctTriStateCheckBox};
constexpr TSet<TCellType> TextStateKinds{ctDataCheckBox, ctVirtCheckBox};
constexpr TSet<TCellType> HitKinds{ctCheckBox,    ctDataCheckBox, ctVirtCheckBox,
                                   ctRowCheckBox, ctRadioButton,  ctTriStateCheckBox};
constexpr TSet<TCellType> RemovableCheckKinds{ctCheckBox, ctDataCheckBox, ctTriStateCheckBox};

TCheckBoxState NextTriState(TCheckBoxState State, bool NodeCycle) {
  if (NodeCycle) return State == cbChecked ? cbUnchecked : cbChecked;
  switch (State) {
    case cbUnchecked: return cbGrayed;
    case cbGrayed: return cbChecked;
    default: return cbUnchecked;
  }
}

}  // namespace

// ---- texts and placement

QString TPlexStringGrid::CheckTrueText(int ACol, int ARow) {
  QString value = CheckTrue;
  DoGetCheckTrue(ACol, ARow, value);
  return value;
}

QString TPlexStringGrid::CheckFalseText(int ACol, int ARow) {
  QString value = CheckFalse;
  DoGetCheckFalse(ACol, ARow, value);
  return value;
}

TCellVAlign TPlexStringGrid::VAlignmentPlacement() const {
  switch (VAlignment()) {
    case vtaCenter: return vaCenter;
    case vtaBottom: return vaBottom;
    default: return vaTop;
  }
}

// The row of a hidden row's cell is its real index; a shown row is also found
// at its displayed index (DisplRow, -1 for a hidden row).
TCellGraphic* TPlexStringGrid::CheckBoxGraphic(int ACol, int ARow, int& RealRow, int& DisplRow) {
  RealRow = DisplRow = ARow;
  if (NumHiddenRows() == 0) return GetCellGraphic(ACol, ARow);
  if (TGridItem* item = FHiddenRowStore->Find(ARow)) {
    DisplRow = -1;
    const auto* p =
        ACol >= 0 && ACol < item->Items.Count() ? dynamic_cast<TCellProperties*>(item->Items.Objects(ACol)) : nullptr;
    if (p) return dynamic_cast<TCellGraphic*>(p->GraphicObject);
    return GetCellGraphic(ACol, ARow);
  }
  DisplRow = RealToDisplayRow(ARow);
  if (CellRecord(ACol, DisplRow)) return dynamic_cast<TCellGraphic*>(GetGraphicObjectEx(ACol, DisplRow));
  return GetCellGraphic(ACol, DisplRow);
}

// ---- adding and removing

void TPlexStringGrid::AddCheckBox(int ACol, int ARow, bool State, bool Data) {
  if (ACol >= ColCount() + NumHiddenColumns() || ARow >= RowCount() + NumHiddenRows()) throw Exception(SInvalidCell);
  TCellGraphic* g = CreateCellGraphic(ACol, ARow);
  if (!g) return;
  g->SetCheckBox(State, Data, true, haBeforeText, VAlignmentPlacement());
  if (!Data) return;
  const QString text = GetCellEx(ACol, ARow);
  if (text != CheckTrue && text != CheckFalse) SetCellEx(ACol, ARow, State ? CheckTrue : CheckFalse);
}

void TPlexStringGrid::AddCheckBox(int ACol, int ARow, TCheckBoxState State) {
  if (ACol >= ColCount() + NumHiddenColumns() || ARow >= RowCount() + NumHiddenRows()) throw Exception(SInvalidCell);
  if (TCellGraphic* g = CreateCellGraphic(ACol, ARow)) g->SetCheckBox(State, true, haBeforeText, VAlignmentPlacement());
}

void TPlexStringGrid::AddCheckBoxColumn(int ACol, bool DefaultState, bool DataCheckBox) {
  for (int r = FMouseActions->CheckAllCheck ? 0 : FixedRows(); r < RowCount(); ++r) {
    const TCellType kind = GetCellType(0, r);
    if (kind == ctSummary) continue;
    if (kind == ctNode)
      AddCheckBox(ACol, r, cbUnchecked);
    else
      AddCheckBox(ACol, r, DefaultState, DataCheckBox);
  }
}

void TPlexStringGrid::AddTriStateCheckBoxColumn(int ACol, TCheckBoxState State) {
  for (int r = FMouseActions->CheckAllCheck ? 0 : FixedRows(); r < RowCount(); ++r) AddCheckBox(ACol, r, State);
}

void TPlexStringGrid::RemoveCheckBox(int ACol, int ARow) {
  TCellGraphic* g = GetCellGraphic(ACol, ARow);
  if (!g || !RemovableCheckKinds.Contains(g->CellType)) return;
  RemoveCellGraphic(ACol, ARow);
}

void TPlexStringGrid::RemoveCheckBoxColumn(int ACol) {
  for (int r = FMouseActions->CheckAllCheck ? 0 : FixedRows(); r < RowCount(); ++r)
    if (HasCheckBox(ACol, r)) RemoveCheckBox(ACol, r);
}

// ---- state

// A tri-state box is never read by this overload: its third state has no
// Boolean answer, whether rows are hidden or not.
bool TPlexStringGrid::GetCheckBoxState(int ACol, int ARow, bool& State) {
  int real = 0, displ = 0;
  const TCellGraphic* g = CheckBoxGraphic(ACol, ARow, real, displ);
  if (!g) return false;
  if (g->CellType == ctCheckBox) {
    State = g->CellBoolean;
    return true;
  }
  if (TextStateKinds.Contains(g->CellType)) {
    State = AllCells(ACol, real) == CheckTrueText(ACol, displ >= 0 ? displ : real);
    return true;
  }
  if (g->CellType == ctRowCheckBox && ACol == 0) {
    State = RowSelect(real);
    return true;
  }
  return false;
}

bool TPlexStringGrid::GetCheckBoxState(int ACol, int ARow, TCheckBoxState& State) {
  int real = 0, displ = 0;
  const TCellGraphic* g = CheckBoxGraphic(ACol, ARow, real, displ);
  if (g && g->CellType == ctTriStateCheckBox) {
    State = g->CellCheckBoxState;
    return true;
  }
  bool checked = false;
  if (!GetCheckBoxState(ACol, ARow, checked)) return false;
  State = BoolToCheckBoxState(checked);
  return true;
}

bool TPlexStringGrid::IsChecked(int ACol, int ARow) {
  bool state = false;
  return GetCheckBoxState(ACol, ARow, state) && state;
}

// The text of a data box goes to the real row whose state was read, so a
// hidden row's box changes in the hidden-row store, not a shown row's text.
bool TPlexStringGrid::SetCheckBoxState(int ACol, int ARow, bool State) {
  int real = 0, displ = 0;
  TCellGraphic* g = CheckBoxGraphic(ACol, ARow, real, displ);
  if (!g) return false;
  if (g->CellType == ctCheckBox) {
    g->CellBoolean = State;
    if (displ >= 0) RepaintCell(RealToDisplayCol(ACol), displ);
    return true;
  }
  if (TextStateKinds.Contains(g->CellType)) {
    const int textRow = displ >= 0 ? displ : real;
    SetAllCells(ACol, real, State ? CheckTrueText(ACol, textRow) : CheckFalseText(ACol, textRow));
    return true;
  }
  if (g->CellType == ctRowCheckBox && ACol == 0) {
    SetRowSelect(real, State);
    return true;
  }
  return false;
}

bool TPlexStringGrid::SetCheckBoxState(int ACol, int ARow, TCheckBoxState State) {
  int real = 0, displ = 0;
  TCellGraphic* g = CheckBoxGraphic(ACol, ARow, real, displ);
  if (!g || g->CellType != ctTriStateCheckBox) return false;
  g->CellCheckBoxState = State;
  if (displ >= 0) RepaintCell(RealToDisplayCol(ACol), displ);
  return true;
}

void TPlexStringGrid::ChangeCheckBoxState(int ACol, int ARow, bool Value) {
  const int real = RealRowIndex(ARow);
  int realRow = 0, displ = 0;
  const TCellGraphic* g = CheckBoxGraphic(ACol, real, realRow, displ);
  if (!g) return;
  bool changed = false;
  if (TextStateKinds.Contains(g->CellType)) {
    const int textRow = displ >= 0 ? displ : real;
    changed = AllCells(ACol, real) != (Value ? CheckTrueText(ACol, textRow) : CheckFalseText(ACol, textRow));
  } else {
    bool old = false;
    changed = GetCheckBoxState(ACol, real, old) && old != Value;
  }
  if (SetCheckBoxState(ACol, real, Value) && changed) DoCheckBoxChange(ACol, ARow, Value);
}

void TPlexStringGrid::CheckAll(int ACol) {
  for (int r = FixedRows(); r < RowCount(); ++r) ChangeCheckBoxState(ACol, r, true);
  if (FNumHiddenColumns > 0) RepaintCol(RealToDisplayCol(ACol));
}

void TPlexStringGrid::UnCheckAll(int ACol) {
  for (int r = FixedRows(); r < RowCount(); ++r) ChangeCheckBoxState(ACol, r, false);
}

// ---- toggling by the user

namespace {

// The node row that holds a displayed row, or -1: the nearest node above
// whose block reaches the row (a span of 0 or less reaches the next node).
int HoldingNodeRow(TPlexStringGrid& Grid, int ARow) {
  for (int r = ARow - 1; r >= Grid.FixedRows(); --r) {
    if (Grid.GetCellType(0, r) != ctNode) continue;
    const int span = Grid.GetCellGraphic(0, r)->NodeSpan();
    return span <= 0 || ARow < r + span ? r : -1;
  }
  return -1;
}

// The displayed rows after a node row that belong to its block.
int NodeBlockEnd(TPlexStringGrid& Grid, int NodeRow) {
  const int span = Grid.GetCellGraphic(0, NodeRow)->NodeSpan();
  if (span > 0) return std::min(Grid.RowCount(), NodeRow + span);
  int e = NodeRow + 1;
  while (e < Grid.RowCount() && Grid.GetCellType(0, e) != ctNode) ++e;
  return e;
}

}  // namespace

bool TPlexStringGrid::ToggleCheckBoxEx(int ACol, int ARow, bool ByUser) {
  TCellGraphic* g = GetCellGraphic(ACol, ARow);
  if (!g || !ToggleKinds.Contains(g->CellType)) return false;
  const bool autoGroup = FGrouping->AutoCheckGroup;
  const bool nodeRow = autoGroup && GetCellType(0, ARow) == ctNode;
  const int parent = autoGroup && !nodeRow ? HoldingNodeRow(*this, ARow) : -1;
  if (ByUser && !FControlLook->CheckAlwaysActive && !CanEditCellNow(ACol, ARow)) return false;

  bool state = false;
  switch (g->CellType) {
    case ctCheckBox: state = g->CellBoolean = !g->CellBoolean; break;
    case ctTriStateCheckBox:
      g->CellCheckBoxState = NextTriState(g->CellCheckBoxState, nodeRow);
      state = nodeRow && g->CellCheckBoxState == cbChecked;
      break;
    case ctRowCheckBox:
      // The row check box keeps its state in the row selection, not in the text beside it.
      state = !RowSelect(RealRowIndex(ARow));
      SetRowSelect(RealRowIndex(ARow), state);
      break;
    default: {
      const int real = RealRowIndex(ARow);
      state = AllCells(ACol, real) != CheckTrueText(ACol, ARow);
      SetAllCells(ACol, real, state ? CheckTrueText(ACol, ARow) : CheckFalseText(ACol, ARow));
    }
  }
  RepaintCell(RealToDisplayCol(ACol), ARow);
  DoCheckBoxChange(ACol, ARow, state);

  if (nodeRow) {
    const TCellGraphic* node = GetCellGraphic(0, ARow);
    const int realNode = RealRowIndex(ARow);
    if (node->NodeContracted()) {
      for (int i = 1; i < node->NodeSpan(); ++i) SetCheckBoxState(ACol, realNode + i, state);
    } else {
      for (int r = ARow + 1; r < NodeBlockEnd(*this, ARow); ++r) SetCheckBoxState(ACol, RealRowIndex(r), state);
    }
  } else if (parent >= 0) {
    const int end = NodeBlockEnd(*this, parent);
    bool first = IsChecked(ACol, parent + 1), differ = false;
    for (int r = parent + 2; r < end && !differ; ++r) differ = IsChecked(ACol, r) != first;
    SetCheckBoxState(ACol, RealRowIndex(parent), differ ? cbGrayed : BoolToCheckBoxState(first));
  }
  if (FUndoRedo) {
    const QString t = CheckTrueText(ACol, ARow), f = CheckFalseText(ACol, ARow);
    FUndoRedo->RegisterChange(ACol, ARow, state ? f : t, state ? t : f);
  }
  return true;
}

bool TPlexStringGrid::IsInCheckBox(int ACol, int ARow, int XPos, int YPos) {
  const TCellGraphic* g = GetCellGraphic(ACol, ARow);
  if (!g || !HitKinds.Contains(g->CellType)) return false;
  if (!FMouseActions->PreciseCheckBoxCheck) return true;
  const int size = FControlLook->CheckSize();
  const TRect r = CellRect(RealToDisplayCol(ACol), ARow);
  int top = r.Top + (r.Height() - size) / 2;
  if (g->CellVAlign == vaTop) top = r.Top + 2;
  if (g->CellVAlign == vaBottom) top = r.Bottom - size - 2;
  TAlignment hAlign = Alignments(ACol, ARow);
  TVAlignment vAlign = VAlignment();
  DoGetAlignment(ACol, ARow, hAlign, vAlign);
  int left = r.Left + 2;
  if (hAlign == taRightJustify) {
    left = r.Right - size - 2;
    const QString text = GetCellEx(ACol, ARow);
    if (!text.isEmpty()) left -= Canvas().TextWidth(text);
  } else if (hAlign == taCenter) {
    left = r.Left + (r.Width() - size) / 2;
  }
  return XPos >= left && XPos < left + size && YPos >= top && YPos < top + size;
}

// ---- radio buttons: the buttons of one column are one group of rows

void TPlexStringGrid::AddRadioButton(int ACol, int ARow, bool State) {
  if (ACol >= ColCount() + NumHiddenColumns() || ARow >= RowCount() + NumHiddenRows()) throw Exception(SInvalidCell);
  if (TCellGraphic* g = CreateCellGraphic(ACol, ARow)) g->SetRadioButton(State, true, haBeforeText, VAlignmentPlacement());
}

void TPlexStringGrid::AddRadioButtonColumn(int ACol) {
  for (int r = FixedRows(); r < RowCount(); ++r) AddRadioButton(ACol, r, false);
}

void TPlexStringGrid::RemoveRadioButton(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctRadioButton); }

void TPlexStringGrid::RemoveRadioButtonColumn(int ACol) {
  for (int r = FixedRows(); r < RowCount(); ++r) RemoveRadioButton(ACol, r);
}

bool TPlexStringGrid::IsRadioButtonChecked(int ACol, int ARow) {
  if (!HasRadioButton(ACol, ARow)) return false;
  const TPoint base = BaseCell(ACol, ARow);
  return GetCellGraphic(base.X, base.Y)->CellBoolean;
}

bool TPlexStringGrid::SetRadioButtonState(int ACol, int ARow, bool State) {
  if (!HasRadioButton(ACol, ARow)) return false;
  const TPoint base = BaseCell(ACol, ARow);
  TCellGraphic* g = GetCellGraphic(base.X, base.Y);
  if (g->CellBoolean != State) {
    g->CellBoolean = State;
    RepaintCell(RealToDisplayCol(ACol), ARow);
  }
  return true;
}

void TPlexStringGrid::SetRadioButtonColumnIndex(int ACol, int Index) {
  for (int r = FixedRows(); r < RowCount(); ++r) SetRadioButtonState(ACol, r, r == Index);
}

int TPlexStringGrid::GetRadioButtonColumnIndex(int ACol) {
  for (int r = FixedRows(); r < RowCount(); ++r)
    if (IsRadioButtonChecked(ACol, r)) return r;
  return -1;
}

bool TPlexStringGrid::ToggleRadioButtonEx(int ACol, int ARow, bool ByUser) {
  TCellGraphic* g = GetCellGraphic(ACol, ARow);
  if (!g || g->CellType != ctRadioButton) return false;
  if (ByUser && !FControlLook->CheckAlwaysActive && !CanEditCellNow(ACol, ARow)) return false;
  if (g->CellBoolean) return true;
  g->CellBoolean = true;
  RepaintCell(RealToDisplayCol(ACol), ARow);
  for (int r = FixedRows(); r < RowCount(); ++r) {
    if (r == ARow) continue;
    TCellGraphic* other = GetCellGraphic(ACol, r);
    if (other && other->CellType == ctRadioButton && other->CellBoolean) {
      other->CellBoolean = false;
      RepaintCell(RealToDisplayCol(ACol), r);
    }
  }
  return true;
}

