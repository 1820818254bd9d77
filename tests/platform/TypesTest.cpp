#include "platform/Types.h"
#include "platform/internal/Painting.h"

#include <QColor>

#include <gtest/gtest.h>

// System colours go through the one fixed palette; other values pass unchanged.
TEST(Types, ColorToRGB) {
  struct Case {
    const char* Name;
    TColor Colour, Rgb;
  };
  const Case cases[] = {
      {"button face", clBtnFace, 0xF0F0F0},
      {"window", clWindow, 0xFFFFFF},
      {"window text", clWindowText, 0x000000},
      {"highlight", clHighlight, 0xD77800},
      {"button shadow", clBtnShadow, 0xA0A0A0},
      {"3D dark shadow", cl3DDkShadow, 0x696969},
      {"3D light", cl3DLight, 0xE3E3E3},
      {"grey text", clGrayText, 0x6D6D6D},
      {"info background", clInfoBk, 0xE1FFFF},
      {"menu bar, the last index", clMenuBar, 0xF0F0F0},
      {"index beyond the palette", SystemColor(31), 0},
      {"plain colour", RGBColor(1, 2, 3), 0x030201},
      {"no colour is never translated", clNone, clNone},
      {"default colour is left as it is", clDefault, clDefault},
  };
  for (const Case& k : cases) EXPECT_EQ(ColorToRGB(k.Colour), k.Rgb) << k.Name;
  EXPECT_EQ(uint32_t(clBtnFace), 0xFF00000Fu);
  EXPECT_TRUE(IsSystemColor(clBtnFace));
  EXPECT_FALSE(IsSystemColor(clNone));
}

TEST(Types, PainterColours) {
  EXPECT_EQ(ToQColor(clNone).alpha(), 0);
  EXPECT_EQ(ToQColor(clRed), QColor(255, 0, 0));
  EXPECT_EQ(ToQColor(clBtnFace), QColor(0xF0, 0xF0, 0xF0));
  EXPECT_EQ(FromQColor(QColor(1, 2, 3)), RGBColor(1, 2, 3));
  EXPECT_EQ(GetRValue(clSkyBlue), 0xA6);
  EXPECT_EQ(GetBValue(clSkyBlue), 0xF0);
}
