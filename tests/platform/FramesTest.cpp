#include "support/PaintProbe.h"

#include "platform/Graphics.h"

#include <gtest/gtest.h>

using namespace paintprobe;

namespace {

TColor Rgb(TColor c) { return ColorToRGB(c); }

std::unique_ptr<TBitmap> Sheet10() { return Sheet(10, 10); }

}  // namespace

// Each edge kind: outer and inner lines, top-left and bottom-right shades.
TEST(DrawEdge, ColoursOfTheClassicEdges) {
  struct Case {
    const char* Name;
    unsigned Edge, Flags;
    TColor LeftOuter, LeftInner, RightOuter, RightInner;
  };
  const TColor none = clWhite;  // untouched
  const Case cases[] = {
      {"raised", EDGE_RAISED, BF_RECT, cl3DLight, clBtnHighlight, cl3DDkShadow, clBtnShadow},
      {"sunken", EDGE_SUNKEN, BF_RECT, clBtnShadow, cl3DDkShadow, clBtnHighlight, cl3DLight},
      {"etched", EDGE_ETCHED, BF_RECT, clBtnShadow, clBtnHighlight, clBtnHighlight, clBtnShadow},
      {"bump", EDGE_BUMP, BF_RECT, cl3DLight, cl3DDkShadow, cl3DDkShadow, cl3DLight},
      {"raised inner alone", BDR_RAISEDINNER, BF_RECT, clBtnHighlight, none, clBtnShadow, none},
      {"raised outer alone", BDR_RAISEDOUTER, BF_RECT, cl3DLight, none, cl3DDkShadow, none},
      {"sunken outer alone", BDR_SUNKENOUTER, BF_RECT, clBtnShadow, none, clBtnHighlight, none},
      {"soft raised", EDGE_RAISED, BF_RECT | BF_SOFT, clBtnHighlight, cl3DLight, cl3DDkShadow, clBtnShadow},
      {"flat", EDGE_RAISED, BF_RECT | BF_FLAT, clBtnShadow, clBtnFace, clBtnShadow, clBtnFace},
      {"mono", EDGE_RAISED, BF_RECT | BF_MONO, clWindowFrame, clWindow, clWindowFrame, clWindow},
  };
  for (const Case& k : cases) {
    auto b = Sheet10();
    TRect r(0, 0, 10, 10);
    EXPECT_TRUE(DrawEdge(b->Canvas(), r, k.Edge, k.Flags));
    EXPECT_EQ(At(*b, 0, 5), Rgb(k.LeftOuter)) << k.Name;
    EXPECT_EQ(At(*b, 5, 0), Rgb(k.LeftOuter)) << k.Name;
    EXPECT_EQ(At(*b, 1, 5), Rgb(k.LeftInner)) << k.Name;
    EXPECT_EQ(At(*b, 9, 5), Rgb(k.RightOuter)) << k.Name;
    EXPECT_EQ(At(*b, 5, 9), Rgb(k.RightOuter)) << k.Name;
    EXPECT_EQ(At(*b, 8, 5), Rgb(k.RightInner)) << k.Name;
    EXPECT_EQ(r, TRect(0, 0, 10, 10)) << k.Name;  // no BF_ADJUST
  }
}

// The bottom-right lines are drawn last and own the two far corners.
TEST(DrawEdge, CornersAndSides) {
  auto b = Sheet10();
  TRect r(0, 0, 10, 10);
  DrawEdge(b->Canvas(), r, EDGE_RAISED, BF_RECT);
  EXPECT_EQ(At(*b, 9, 0), Rgb(cl3DDkShadow));
  EXPECT_EQ(At(*b, 0, 9), Rgb(cl3DDkShadow));
  EXPECT_EQ(At(*b, 0, 0), Rgb(cl3DLight));
  EXPECT_EQ(At(*b, 8, 1), Rgb(clBtnShadow));
  EXPECT_EQ(At(*b, 5, 5), clWhite);

  auto left = Sheet10();
  TRect l(0, 0, 10, 10);
  DrawEdge(left->Canvas(), l, EDGE_SUNKEN, BF_LEFT | BF_ADJUST);
  EXPECT_EQ(InkBounds(*left), TRect(0, 0, 2, 10));
  EXPECT_EQ(l, TRect(2, 0, 10, 10));
}

TEST(DrawEdge, AdjustAndMiddle) {
  struct Case {
    unsigned Edge, Flags;
    TRect After;
  };
  const Case cases[] = {
      {EDGE_RAISED, BF_RECT | BF_ADJUST, TRect(2, 2, 8, 8)},
      {BDR_RAISEDINNER, BF_RECT | BF_ADJUST, TRect(1, 1, 9, 9)},
      {EDGE_RAISED, BF_TOP | BF_BOTTOM | BF_ADJUST, TRect(0, 2, 10, 8)},
  };
  for (const Case& k : cases) {
    TRect r(0, 0, 10, 10);
    auto b = Sheet10();
    DrawEdge(b->Canvas(), r, k.Edge, k.Flags);
    EXPECT_EQ(r, k.After);
  }
  auto b = Sheet10();
  b->Canvas().Brush().Color = clRed;
  TRect r(0, 0, 10, 10);
  DrawEdge(b->Canvas(), r, EDGE_RAISED, BF_RECT | BF_MIDDLE);
  EXPECT_EQ(At(*b, 5, 5), Rgb(clBtnFace));
  EXPECT_EQ(b->Canvas().Brush().Color, clRed);  // the caller's brush is kept
}

TEST(DrawFrameControl, CheckBoxStates) {
  struct Case {
    const char* Name;
    unsigned State;
    TColor Inside;
    TColor Tick;  // clNone: no tick
  };
  const Case cases[] = {
      {"unchecked", DFCS_BUTTONCHECK, clWindow, clNone},
      {"checked", DFCS_BUTTONCHECK | DFCS_CHECKED, clWindow, clWindowText},
      {"grayed", DFCS_BUTTONCHECK | DFCS_CHECKED | DFCS_BUTTON3STATE, clBtnFace, clBtnShadow},
      {"disabled", DFCS_BUTTONCHECK | DFCS_INACTIVE, clBtnFace, clNone},
      {"disabled checked", DFCS_BUTTONCHECK | DFCS_CHECKED | DFCS_INACTIVE, clBtnFace, clBtnShadow},
      {"flat checked", DFCS_BUTTONCHECK | DFCS_CHECKED | DFCS_FLAT, clWindow, clWindowText},
  };
  for (const Case& k : cases) {
    auto b = Sheet(17, 13);
    b->Canvas().Brush().Color = clLime;
    b->Canvas().FillRect(TRect(0, 0, 17, 13));
    EXPECT_TRUE(DrawFrameControl(b->Canvas(), TRect(0, 0, 17, 13), DFC_BUTTON, k.State));
    // A 13 x 13 square centred in the wider rectangle.
    EXPECT_EQ(InkBounds(*b, clLime), TRect(2, 0, 15, 13)) << k.Name;
    EXPECT_EQ(At(*b, 3 + 2, 2), Rgb(k.Inside)) << k.Name;
    int ticks = 0;
    for (int y = 2; y < 11; ++y)
      for (int x = 4; x < 13; ++x) ticks += At(*b, x, y) == Rgb(k.Tick);
    if (k.Tick == clNone) {
      EXPECT_EQ(ticks, 0) << k.Name;
    } else {
      EXPECT_GT(ticks, 12) << k.Name;
    }
    EXPECT_EQ(At(*b, 2, 6), Rgb(clBtnShadow)) << k.Name;  // the frame, flat or sunken
  }
}

TEST(DrawFrameControl, RadioButtonStates) {
  struct Case {
    unsigned State;
    TColor Centre;
  };
  const Case cases[] = {
      {DFCS_BUTTONRADIO, clWindow},
      {DFCS_BUTTONRADIO | DFCS_CHECKED, clWindowText},
      {DFCS_BUTTONRADIO | DFCS_CHECKED | DFCS_INACTIVE, clBtnShadow},
      {DFCS_BUTTONRADIO | DFCS_INACTIVE, clBtnFace},
      {DFCS_BUTTONRADIO | DFCS_FLAT, clWindow},
  };
  for (const Case& k : cases) {
    auto b = Sheet(13, 13);
    b->Canvas().Brush().Color = clLime;
    b->Canvas().FillRect(TRect(0, 0, 13, 13));
    DrawFrameControl(b->Canvas(), TRect(0, 0, 13, 13), DFC_BUTTON, k.State);
    EXPECT_EQ(At(*b, 6, 6), Rgb(k.Centre)) << k.State;
    EXPECT_EQ(At(*b, 0, 0), clLime) << k.State;  // round: the corners stay
    EXPECT_EQ(InkBounds(*b, clLime), TRect(0, 0, 13, 13)) << k.State;
  }
}

TEST(DrawFrameControl, PushButton) {
  struct Case {
    unsigned State;
    TColor TopLeft, BottomRight;
  };
  const Case cases[] = {
      {DFCS_BUTTONPUSH, clBtnHighlight, cl3DDkShadow},
      {DFCS_BUTTONPUSH | DFCS_PUSHED, cl3DDkShadow, clBtnHighlight},
      {DFCS_BUTTONPUSH | DFCS_FLAT, clBtnShadow, clBtnShadow},
  };
  for (const Case& k : cases) {
    auto b = Sheet(20, 12);
    DrawFrameControl(b->Canvas(), TRect(0, 0, 20, 12), DFC_BUTTON, k.State);
    EXPECT_EQ(At(*b, 0, 5), Rgb(k.TopLeft)) << k.State;
    EXPECT_EQ(At(*b, 19, 5), Rgb(k.BottomRight)) << k.State;
    EXPECT_EQ(At(*b, 10, 6), Rgb(clBtnFace)) << k.State;
  }
}

// Arrows point where their flag says: the widest row is at the far side from the tip.
TEST(DrawFrameControl, ScrollAndComboArrows) {
  struct Case {
    const char* Name;
    unsigned State;
    char Tip;  // 'u', 'd', 'l', 'r'
    TColor Ink;
  };
  const Case cases[] = {
      {"up", DFCS_SCROLLUP, 'u', clBtnText},
      {"down", DFCS_SCROLLDOWN, 'd', clBtnText},
      {"left", DFCS_SCROLLLEFT, 'l', clBtnText},
      {"right", DFCS_SCROLLRIGHT, 'r', clBtnText},
      {"combo box", DFCS_SCROLLCOMBOBOX, 'd', clBtnText},
      {"disabled", DFCS_SCROLLDOWN | DFCS_INACTIVE, 'd', clBtnShadow},
      {"pushed", DFCS_SCROLLUP | DFCS_PUSHED, 'u', clBtnText},
  };
  for (const Case& k : cases) {
    auto b = Sheet(17, 17);
    DrawFrameControl(b->Canvas(), TRect(0, 0, 17, 17), DFC_SCROLL, k.State);
    // Collect the arrow's pixels.
    int top = 99, bottom = -1, left = 99, right = -1, topWidth = 0, bottomWidth = 0, leftHeight = 0, rightHeight = 0;
    for (int y = 0; y < 17; ++y)
      for (int x = 0; x < 17; ++x)
        if (At(*b, x, y) == Rgb(k.Ink) && x > 1 && y > 1 && x < 15 && y < 15) {
          top = std::min(top, y), bottom = std::max(bottom, y), left = std::min(left, x), right = std::max(right, x);
        }
    ASSERT_GE(bottom, 0) << k.Name;
    for (int x = 0; x < 17; ++x)
      topWidth += At(*b, x, top) == Rgb(k.Ink), bottomWidth += At(*b, x, bottom) == Rgb(k.Ink);
    for (int y = 0; y < 17; ++y)
      leftHeight += At(*b, left, y) == Rgb(k.Ink), rightHeight += At(*b, right, y) == Rgb(k.Ink);
    switch (k.Tip) {
      case 'u': EXPECT_LT(topWidth, bottomWidth) << k.Name; break;
      case 'd': EXPECT_GT(topWidth, bottomWidth) << k.Name; break;
      case 'l': EXPECT_LT(leftHeight, rightHeight) << k.Name; break;
      default: EXPECT_GT(leftHeight, rightHeight) << k.Name; break;
    }
  }
}

TEST(DrawFrameControl, PushedArrowMovesOnePixel) {
  auto up = Sheet(17, 17), pushed = Sheet(17, 17);
  DrawFrameControl(up->Canvas(), TRect(0, 0, 17, 17), DFC_SCROLL, DFCS_SCROLLDOWN);
  DrawFrameControl(pushed->Canvas(), TRect(0, 0, 17, 17), DFC_SCROLL, DFCS_SCROLLDOWN | DFCS_PUSHED);
  auto arrow = [](const TBitmap& b) {
    TRect r(99, 99, -1, -1);
    for (int y = 2; y < 15; ++y)
      for (int x = 2; x < 15; ++x)
        if (At(b, x, y) == Rgb(clBtnText))
          r = TRect(std::min(r.Left, x), std::min(r.Top, y), std::max(r.Right, x + 1), std::max(r.Bottom, y + 1));
    return r;
  };
  TRect a = arrow(*up);
  OffsetRect(a, 1, 1);
  EXPECT_EQ(arrow(*pushed), a);
}

TEST(DrawFrameControl, UnknownKindsDrawNothing) {
  auto b = Sheet(10, 10);
  EXPECT_FALSE(DrawFrameControl(b->Canvas(), TRect(0, 0, 10, 10), DFC_CAPTION, 0));
  EXPECT_FALSE(DrawFrameControl(b->Canvas(), TRect(0, 0, 0, 10), DFC_BUTTON, DFCS_BUTTONCHECK));
  EXPECT_TRUE(InkBounds(*b).IsEmpty());
}

// Every other pixel of the frame is inverted; a second call puts them back.
TEST(DrawFocusRect, DottedAndUndoneBySecondCall) {
  auto b = Sheet(6, 4);
  TCanvas& c = b->Canvas();
  c.DrawFocusRect(TRect(0, 0, 6, 4));
  EXPECT_EQ(Art(*b),
            "#.#.#.\n"
            ".....#\n"
            "#.....\n"
            ".#.#.#\n");
  c.DrawFocusRect(TRect(0, 0, 6, 4));
  EXPECT_EQ(Art(*b), "......\n......\n......\n......\n");
  c.Brush().Color = clBlack;
  c.FillRect(TRect(0, 0, 6, 4));
  c.DrawFocusRect(TRect(1, 1, 4, 3));
  EXPECT_EQ(Art(*b),
            "######\n"
            "#.#.##\n"
            "##.###\n"
            "######\n");
}
