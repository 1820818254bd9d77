// The node look settings: defaults, copying, and which changes repaint.
#include "grid/core/CellNode.h"

#include "platform/Graphics.h"

#include <gtest/gtest.h>

#include <QImage>

namespace {

TEST(CellNode, DefaultsAndCopy) {
  TCellNode source;
  EXPECT_EQ(source.NodeType(), cnXP);
  EXPECT_EQ(source.NodeIndent(), 12);
  EXPECT_EQ(source.Color, TColor(0xC0C0C0));
  EXPECT_EQ(source.TreeColor(), TColor(0x808080));
  EXPECT_TRUE(source.ShowTree() && source.ShowTreeFull());
  EXPECT_FALSE(source.ExpandOne);
  TBitmap glyph;
  glyph.SetSize(8, 6);
  source.SetExpandGlyph(glyph);
  source.SetNodeIndent(20);
  source.ExpandOne = true;
  TCellNode copy;
  copy.Assign(&source);
  EXPECT_EQ(copy.NodeIndent(), 20);
  EXPECT_TRUE(copy.ExpandOne);
  EXPECT_EQ(copy.ExpandGlyph().Width(), 8);
  EXPECT_NE(&copy.ExpandGlyph(), &source.ExpandGlyph());
}

TEST(CellNode, OnlyAChangedLookRepaints) {
  TCellNode node;
  int repaints = 0;
  node.OnChange = [&](TObject*) { ++repaints; };
  node.SetNodeType(cnXP);
  node.SetNodeIndent(12);
  node.Color = 0x123456;
  EXPECT_EQ(repaints, 0);
  node.SetNodeType(cnLeaf);
  node.SetShowTreeFull(false);
  node.SetTreeColor(clRed);
  EXPECT_EQ(repaints, 3);
}

}  // namespace
