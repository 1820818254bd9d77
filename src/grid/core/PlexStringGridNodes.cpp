// Node rows: a node row heads a block of rows that contracting hides in the
// hidden-row store and expanding brings back. Nodes nest; a row's nesting
// level lives in the NodeLevel of its column-0 properties.
//
// A stored span may reach past the last row (rows were removed or hidden
// under it): every walk below cuts its block end to the rows that exist, so
// no walk indexes outside the grid and every walk ends.
#include "grid/core/CellGraphic.h"
#include "grid/core/CellNode.h"
#include "grid/core/PlexStringGrid.h"
#include "grid/foundation/ControlList.h"
#include "grid/foundation/IntList.h"
#include "grid/foundation/PlexObj.h"
#include "platform/SystemProbes.h"

#include <algorithm>
#include <climits>
#include <set>

TCellGraphic* TPlexStringGrid::NodeGraphic(int ARow) {
  if (!IsNode(ARow)) return nullptr;
  return GetCellGraphic(0, ARow);
}

// The displayed row after the block of the node at displayed ARow.
int TPlexStringGrid::NodeBlockEndRow(int ARow, int Span) {
  if (Span > 0) return std::min(ARow + Span, RowCount());
  int e = ARow + 1;
  while (e < RowCount() && !IsNode(e)) ++e;
  return e;
}

// The real index of displayed row ARow, or the total row count past the last row.
int TPlexStringGrid::RealRowEnd(int ARow) { return ARow >= RowCount() ? TotalRowCount() : RealRowIndex(ARow); }

void TPlexStringGrid::AddNode(int ARow, int Span) {
  const int d = DisplRowIndex(ARow);
  if (d < 0 || d >= RowCount()) return;
  TCellGraphic* g = CreateCellGraphic(0, d);
  if (!g) return;
  g->CellType = ctNode;
  g->CellBoolean = false;
  g->CellIndex = Span;
  g->CellErrFrom = 0;
  g->CellAngle = d;
  g->CellVar = -1;
  g->CellHAlign = haBeforeText;
  g->CellVAlign = vaCenter;
  for (int r = d; r < std::min(d + Span, RowCount()); ++r) EnsureRecord(0, r).NodeLevel++;
  if (FNodeCount == 0) InvalidateCol(0);
  ++FNodeCount;
  if (Col() == 0 && ColCount() > 1) SetCol(1);
}

void TPlexStringGrid::LowerNodeLevels(int ARow, int Span) {
  for (int r = ARow; r < std::min(ARow + Span, RowCount()); ++r)
    if (TCellProperties* p = CellRecord(0, r); p && p->NodeLevel > 0) p->NodeLevel--;
}

void TPlexStringGrid::RemoveNode(int ARow) {
  ExpandNodeCore(ARow);
  const int d = DisplRowIndex(ARow);
  const TCellGraphic* g = NodeGraphic(d);
  if (!g) return;
  LowerNodeLevels(d, g->NodeSpan());
  RemoveCellGraphic(0, d);
  FNodeCount = std::max(0, FNodeCount - 1);
}

void TPlexStringGrid::RemoveAllNodes() {
  for (int d = 0; d < RowCount(); ++d) {
    if (!IsNode(d)) continue;
    ExpandNodeCore(RealRowIndex(d));
    if (const TCellGraphic* g = NodeGraphic(d)) LowerNodeLevels(d, g->NodeSpan());
    RemoveCellGraphic(0, d);
    FNodeCount = std::max(0, FNodeCount - 1);
  }
  Invalidate();
}

void TPlexStringGrid::MarkSummaryRow(int ARow) {
  const int d = DisplRowIndex(ARow);
  if (TCellGraphic* g = CreateCellGraphic(0, d)) g->CellType = ctSummary;
}

bool TPlexStringGrid::GetNodeState(int ARow) {
  const TCellGraphic* g = NodeGraphic(ARow);
  return g && g->NodeContracted();
}

void TPlexStringGrid::SetNodeState(int ARow, bool Value) {
  const TCellGraphic* g = NodeGraphic(ARow);
  if (!g || g->NodeContracted() == Value) return;
  if (Value)
    ContractNode(RealRowIndex(ARow));
  else
    ExpandNode(RealRowIndex(ARow));
}

int TPlexStringGrid::GetNodeLevel(int ARow) {
  if (!IsNode(ARow)) return -1;
  const TCellProperties* p = CellRecord(0, ARow);
  return p ? p->NodeLevel : 0;
}

int TPlexStringGrid::GetNodeSpan(int ARow) {
  const TCellGraphic* g = NodeGraphic(ARow);
  return g ? g->NodeSpan() : -1;
}

void TPlexStringGrid::SetNodeSpan(int ARow, int Span) {
  if (TCellGraphic* g = NodeGraphic(ARow)) g->CellIndex = Span;
}

void TPlexStringGrid::UpdateNodeSpan(int ARow, int Delta) {
  if (TCellGraphic* g = NodeGraphic(ARow)) g->CellIndex += Delta;
}

int TPlexStringGrid::GetSubNodeCount(int ARow) {
  const TCellGraphic* g = NodeGraphic(ARow);
  return g ? g->SubNodeCount() : 0;
}

void TPlexStringGrid::UpdateSubNodeCount(int ARow, int Delta) {
  if (TCellGraphic* g = NodeGraphic(ARow)) g->CellErrFrom += Delta;
}

// ---- expanding and contracting

void TPlexStringGrid::ExpandNode(int ARow) {
  if (FCellNode->ExpandOne) {
    // The nodes that hold the target stay open: contracting them would hide it.
    std::set<int> holders;
    for (int a = GetParentRow(DisplRowIndex(ARow)), prev = -1; a >= 0 && a != prev; prev = a, a = GetParentRow(a))
      holders.insert(RealRowIndex(a));
    holders.erase(ARow);
    for (int d = FixedRows(); d < RowCount(); ++d) {
      const TCellGraphic* g = NodeGraphic(d);
      if (g && !g->NodeContracted() && !holders.count(RealRowIndex(d))) ContractNode(RealRowIndex(d));
    }
  }
  ExpandNodeCore(ARow);
}

void TPlexStringGrid::ExpandNodeCore(int ARow) {
  const int d = DisplRowIndex(ARow);
  // A hidden row maps to the displayed row after it: that is another row.
  if (d < 0 || d >= RowCount() || RealRowIndex(d) != ARow) return;
  TCellGraphic* g = NodeGraphic(d);
  if (!g || !g->NodeContracted()) return;
  g->CellBoolean = false;
  int e = d + 1;
  if (g->NodeSpan() == 0) e = NodeBlockEndRow(d, 0);
  const int oldRow = Row(), oldTop = TopRow();
  const bool disjunct = FMouseActions->DisjunctRowSelectDirect();
  FMouseActions->SetDisjunctRowSelectDirect(false);
  const TGridOptions options = Options();
  const bool rowSelect = options.Contains(goRowSelect);
  if (rowSelect) SetOptions(options - TGridOptions{goRowSelect});
  const bool locked = FControlList->Count() == 0;
  if (locked) BeginUpdate();
  UnHideRows(ARow + 1, RealRowEnd(e) - 1);
  if (locked) EndUpdate();
  if (rowSelect) {
    SetOptions(options);
    if (oldRow < RowCount()) SetRow(oldRow);
    if (oldTop < RowCount()) SetTopRow(oldTop);
  }
  FMouseActions->SetDisjunctRowSelectDirect(disjunct);
  CalcFooter(-1);
}

void TPlexStringGrid::ContractNode(int ARow) {
  HideInplaceEdit();
  const bool forced = FForceSel;
  FForceSel = true;
  const int d = DisplRowIndex(ARow);
  TCellGraphic* g = d >= 0 && d < RowCount() && RealRowIndex(d) == ARow ? NodeGraphic(d) : nullptr;
  if (!g || g->NodeContracted()) {
    FForceSel = forced;
    return;
  }
  g->CellBoolean = true;
  int e = NodeBlockEndRow(d, g->NodeSpan());
  const int start = d + 1;
  int cur = start;
  while (cur < e) {
    TCellGraphic* inner = NodeGraphic(cur);
    if (!inner || !inner->NodeContracted()) {
      ++cur;
      continue;
    }
    // The inner block is hidden already; its rows come back with the outer block.
    inner->CellBoolean = false;
    if (TControl* control = CellControls(1, cur + 1)) control->SetVisible(false);
    const int hiddenUnder = std::max(0, inner->NodeSpan() - 1);
    HideRows(RealRowIndex(start), RealRowIndex(cur));
    e = std::min(e - (cur - start + 1) - hiddenUnder, RowCount());
    cur = start;
  }
  if (cur > start) HideRows(RealRowIndex(start), RealRowIndex(cur - 1));
  FForceSel = forced;
  CalcFooter(-1);
}

void TPlexStringGrid::ExpandAll() {
  BeginUpdate();
  const int total = TotalRowCount();
  // Top down, each node's rows are back before the nodes below it are met.
  // ExpandOne has no say here: every node opens.
  for (int r = FixedRows(); r < std::min(total, RowCount()); ++r) {
    if (!IsNode(r)) continue;
    ExpandNodeCore(RealRowIndex(r));
    if (TCellGraphic* g = NodeGraphic(r)) g->CellBoolean = false;
  }
  EndUpdate();
  CalcFooter(-1);
}

void TPlexStringGrid::ContractAll() {
  BeginUpdate();
  ExpandAll();
  TIntList rows(-1, -1);
  int d = FixedRows();
  while (d < RowCount()) {
    TCellGraphic* g = NodeGraphic(d);
    if (!g) {
      ++d;
      continue;
    }
    g->CellBoolean = true;
    const int e = NodeBlockEndRow(d, g->NodeSpan());
    for (int r = d + 1; r < e; ++r) rows.Insert(rows.Count(), r);
    d = std::max(e, d + 1);
  }
  HideRowList(rows);
  EndUpdate();
  if (FControlList->Count() > 0) PlaceCellControls();
  CalcFooter(-1);
}

// ---- the tree

int TPlexStringGrid::GetParentRow(int ARow) {
  if (!HasNodes() || ARow < 0 || ARow >= RowCount()) return -1;
  int level = INT_MAX, fallback = -1;
  if (IsNode(ARow)) {
    level = GetNodeLevel(ARow);
    fallback = ARow;
  }
  int hidden = 0;
  for (int r = ARow; r >= FixedRows(); --r) {
    const TCellGraphic* g = NodeGraphic(r);
    if (!g || GetNodeLevel(r) >= level) continue;
    if (g->NodeContracted()) hidden += g->NodeSpan() - 1;
    if (ARow < r + g->NodeSpan() - hidden) return r;
  }
  return fallback;
}

void TPlexStringGrid::InsertNormalRow(int ARow) {
  // InsertRows moves the stored real index of every hidden row from the new row on.
  InsertRows(DisplRowIndex(ARow), 1, true);
}

void TPlexStringGrid::InsertChildRow(int ARow, int InsertAt) {
  int r = DisplRowIndex(ARow);
  if (r < 0 || r >= RowCount()) return;
  const int parent = GetParentRow(r);
  const int parentReal = parent >= 0 ? RealRowIndex(parent) : -1;
  int parentLevel = 0;
  if (parent >= 0) {
    UpdateNodeSpan(parent, 1);
    UpdateSubNodeCount(parent, 1);
    ExpandNodeCore(parentReal);
    parentLevel = GetNodeLevel(DisplRowIndex(parentReal));
    int level = parentLevel;
    int a = DisplRowIndex(parentReal);
    while (level > 1 && a >= FixedRows()) {
      const int outer = GetParentRow(a);
      if (outer < 0 || outer == a) break;
      a = outer;
      if (GetNodeLevel(a) < level) {
        UpdateNodeSpan(a, 1);
        UpdateSubNodeCount(a, 1);
        const int aReal = RealRowIndex(a);
        ExpandNodeCore(aReal);
        a = DisplRowIndex(aReal);
        level = GetNodeLevel(a);
      }
    }
    r = DisplRowIndex(ARow);
  }
  const bool takeOver = IsNode(r) && InsertAt == 0;
  if (takeOver) InsertAt = 1;
  // Moving the store's hidden rows from the new row on keeps the hidden rows
  // of contracted blocks above it in place.
  InsertRows(r + InsertAt, 1, true);
  const int added = r + InsertAt;
  if (takeOver) {
    for (int c = 0; c < StoreColCount(); ++c) {
      SetGridCell(c, added, GetGridCell(c, r));
      SetGridCell(c, r, QString());
      if (c == 0) continue;
      SetGridObject(c, added, GetGridObject(c, r));
      SetGridObject(c, r, nullptr);
    }
  }
  if (parent >= 0) EnsureRecord(0, added).NodeLevel = parentLevel;
}

void TPlexStringGrid::RemoveChildRow(int ARow) {
  const int r = DisplRowIndex(ARow);
  if (r < 0 || r >= RowCount()) return;
  int p = GetParentRow(r);
  if (p >= 0) {
    const int firstLevel = GetNodeLevel(p);
    if (GetNodeSpan(p) > 1) {
      UpdateNodeSpan(p, -1);
      UpdateSubNodeCount(p, -1);
    }
    for (;;) {
      const int pReal = RealRowIndex(p);
      ExpandNodeCore(pReal);
      p = DisplRowIndex(pReal);
      if (GetNodeLevel(p) <= 1) break;
      const int outer = GetParentRow(p);
      if (outer < 0 || outer == p || GetNodeLevel(outer) >= firstLevel) break;
      p = outer;
      if (GetNodeSpan(p) > 1) {
        UpdateNodeSpan(p, -1);
        UpdateSubNodeCount(p, -1);
      }
    }
  }
  const int d = DisplRowIndex(ARow);
  // The row's own controls leave with it; the controls below follow it up.
  DeleteRows(d, 1);
  MoveControlsUp(ARow + 1, 1);
  FMaxEverRowCount = std::max(0, FMaxEverRowCount - 1);
}

// ---- geometry

int TPlexStringGrid::GetNodeSpanType(int ARow) {
  if (IsNode(ARow)) return 0;
  if (ARow < 0 || ARow >= RowCount() - FixedFooters() - 1) return 1;
  const TCellProperties* next = CellRecord(0, ARow + 1);
  const TCellProperties* own = CellRecord(0, ARow);
  if (!next || next->NodeLevel < (own ? own->NodeLevel : 0)) return 1;
  return 2;
}

bool TPlexStringGrid::IsOnNodeGlyph(int ARow, int X) {
  if (!FMouseActions->PreciseNodeClick) return true;
  const int level = GetNodeLevel(ARow);
  const int indent = FCellNode->NodeIndent();
  int b = 4, c = 4;
  switch (FCellNode->NodeType()) {
    case cnFlat:
    case cnXP: break;
    case cn3D: b = 6, c = 0; break;
    case cnGlyph: {
      const int w = FCellNode->ExpandGlyph().Width();
      b = w / 2;
      c = w > 0 ? 2 : 0;
      break;
    }
    case cnLeaf: b = 8, c = 2; break;
  }
  if (BiDiMode() != bdRightToLeft) return (level - 1) * indent + c < X && X < level * indent + b;
  const int v = VisibleRowCount() < RowCount() - FixedRows() ? GetSystemMetrics(SM_CXVSCROLL) : 0;
  const int x = X + v;
  return !(x < Width() - level * indent - b - 2 || x >= Width() - (level - 1) * indent);
}

int TPlexStringGrid::GetNodeIndent(int ARow) {
  if (!HasNodes() || ARow < 0) return 0;
  const TCellProperties* p = CellRecord(0, ARow);
  return p ? p->NodeLevel * FCellNode->NodeIndent() : 0;
}
