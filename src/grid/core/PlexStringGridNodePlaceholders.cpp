// Node rows as the mouse needs them before the tree operations are complete:
// a node's state flips and the call is recorded.
#include "grid/core/CellNode.h"
#include "grid/core/PlexStringGrid.h"

#include <algorithm>

// placeholder: fuller version comes with node rows
bool TPlexStringGrid::GetNodeState(int ARow) {
  const TCellGraphic* g = IsNode(ARow) ? GetCellGraphic(0, ARow) : nullptr;
  return g && g->NodeContracted();
}

void TPlexStringGrid::ExpandNode(int ARow) {
  const int row = RealToDisplayRow(ARow);
  TCellGraphic* g = IsNode(row) ? GetCellGraphic(0, row) : nullptr;
  if (!g || !g->CellBoolean) return;
  g->CellBoolean = false;
  RecordFeatureCall(QString("ExpandNode %1").arg(ARow));
}

void TPlexStringGrid::ContractNode(int ARow) {
  const int row = RealToDisplayRow(ARow);
  TCellGraphic* g = IsNode(row) ? GetCellGraphic(0, row) : nullptr;
  if (!g || g->CellBoolean) return;
  g->CellBoolean = true;
  RecordFeatureCall(QString("ContractNode %1").arg(ARow));
}

void TPlexStringGrid::ExpandAll() { RecordFeatureCall("ExpandAll"); }
void TPlexStringGrid::ContractAll() { RecordFeatureCall("ContractAll"); }

bool TPlexStringGrid::IsOnNodeGlyph(int ARow, int X) {
  if (!FMouseActions->PreciseNodeClick) return true;
  const TCellProperties* p = HasCellProperties(0, ARow) ? GetCellProperties(0, ARow) : nullptr;
  const int level = p ? std::max(1, p->NodeLevel) : 1;
  const int indent = FCellNode->NodeIndent();
  int b = 4, c = 4;
  switch (FCellNode->NodeType()) {
    case cn3D: b = 6, c = 0; break;
    case cnGlyph: {
      const int w = FCellNode->ExpandGlyph().Width();
      b = w / 2;
      c = w > 0 ? 2 : 0;
      break;
    }
    case cnLeaf: b = 8, c = 2; break;
    default: break;
  }
  return (level - 1) * indent + c < X && X < level * indent + b;
}
