// The look of the node glyphs of node rows.
#pragma once

#include "grid/foundation/GridPersistent.h"
#include "platform/Types.h"

enum TNodeType { cnFlat, cn3D, cnGlyph, cnXP, cnLeaf, cnVista };

class TCellNode : public TGridPersistent {
public:
  void Assign(const TGridPersistent* Source) override {
    if (const auto* s = dynamic_cast<const TCellNode*>(Source)) *this = *s;
  }

  TColor Color = clSilver;
  TNodeType NodeType = cnFlat;
  TColor NodeColor = clBlack;
  int NodeIndent = 12;
  bool ShowTree = true;
  TColor TreeColor = clSilver;
  // tree lines reach the cell's right edge (placeholder: fuller version comes with node rows)
  bool ShowTreeFull = false;
};
