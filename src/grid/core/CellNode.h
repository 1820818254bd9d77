// The look of the node glyphs of node rows: the grid's CellNode settings.
#pragma once

#include "grid/foundation/GridPersistent.h"
#include "platform/Classes.h"
#include "platform/Types.h"

#include <memory>

class TBitmap;

enum TNodeType { cnFlat, cn3D, cnGlyph, cnLeaf, cnXP };

class TCellNode : public TGridPersistent {
public:
  TCellNode();
  ~TCellNode() override;
  // Copies every property, the glyph pictures included; no repaint.
  void Assign(const TGridPersistent* Source) override;

  TColor Color = 0xC0C0C0;
  TColor NodeColor = 0x000000;
  bool ExpandOne = false;

  TNodeType NodeType() const { return FNodeType; }
  void SetNodeType(TNodeType Value);
  int NodeIndent() const { return FNodeIndent; }
  void SetNodeIndent(int Value);
  bool ShowTree() const { return FShowTree; }
  void SetShowTree(bool Value);
  bool ShowTreeFull() const { return FShowTreeFull; }
  void SetShowTreeFull(bool Value);
  TColor TreeColor() const { return FTreeColor; }
  void SetTreeColor(TColor Value);
  TBitmap& ExpandGlyph() { return *FExpandGlyph; }
  const TBitmap& ExpandGlyph() const { return *FExpandGlyph; }
  void SetExpandGlyph(const TBitmap& Value);
  TBitmap& ContractGlyph() { return *FContractGlyph; }
  void SetContractGlyph(const TBitmap& Value);

  // The grid repaints on it; fires only when a repainting property changes.
  TNotifyEvent OnChange;

private:
  void Changed();

  TNodeType FNodeType = cnXP;
  int FNodeIndent = 12;
  bool FShowTree = true;
  bool FShowTreeFull = true;
  TColor FTreeColor = 0x808080;
  std::unique_ptr<TBitmap> FExpandGlyph;
  std::unique_ptr<TBitmap> FContractGlyph;
};
