#include "grid/core/CellNode.h"

#include "platform/Graphics.h"
#include "platform/Property.h"

TCellNode::TCellNode() : FExpandGlyph(std::make_unique<TBitmap>()), FContractGlyph(std::make_unique<TBitmap>()) {}

TCellNode::~TCellNode() = default;

void TCellNode::Assign(const TGridPersistent* Source) {
  const auto* s = dynamic_cast<const TCellNode*>(Source);
  if (!s || s == this) return;
  Color = s->Color;
  NodeColor = s->NodeColor;
  ExpandOne = s->ExpandOne;
  FNodeType = s->FNodeType;
  FNodeIndent = s->FNodeIndent;
  FShowTree = s->FShowTree;
  FShowTreeFull = s->FShowTreeFull;
  FTreeColor = s->FTreeColor;
  FExpandGlyph->Assign(*s->FExpandGlyph);
  FContractGlyph->Assign(*s->FContractGlyph);
}

void TCellNode::Changed() {
  if (OnChange) OnChange(this);
}

void TCellNode::SetNodeType(TNodeType Value) { SetProperty(FNodeType, Value, [this] { Changed(); }); }
void TCellNode::SetNodeIndent(int Value) { SetProperty(FNodeIndent, Value, [this] { Changed(); }); }
void TCellNode::SetShowTree(bool Value) { SetProperty(FShowTree, Value, [this] { Changed(); }); }
void TCellNode::SetShowTreeFull(bool Value) { SetProperty(FShowTreeFull, Value, [this] { Changed(); }); }
void TCellNode::SetTreeColor(TColor Value) { SetProperty(FTreeColor, Value, [this] { Changed(); }); }
void TCellNode::SetExpandGlyph(const TBitmap& Value) { FExpandGlyph->Assign(Value); }
void TCellNode::SetContractGlyph(const TBitmap& Value) { FContractGlyph->Assign(Value); }
