#include "platform/Themes.h"

#include "platform/Graphics.h"

#include <gtest/gtest.h>

TEST(Themes, PlatformServiceIsInactiveAndFakeRecords) {
  EXPECT_FALSE(ThemeServices().IsThemeActive());
  QString file, colour, size;
  EXPECT_FALSE(ThemeServices().GetCurrentThemeName(file, colour, size));
  EXPECT_EQ(ThemeServices().OpenThemeData(nullptr, "button"), nullptr);

  auto fake = std::make_unique<TFakeThemeServices>();
  TFakeThemeServices* f = fake.get();
  SetThemeServices(std::move(fake));
  EXPECT_TRUE(ThemeServices().IsThemeActive());
  ASSERT_TRUE(ThemeServices().GetCurrentThemeName(file, colour, size));
  EXPECT_EQ(colour, "NormalColor");
  TBitmap bmp;
  bmp.SetSize(10, 10);
  HTHEME h = ThemeServices().OpenThemeData(nullptr, "button");
  ASSERT_NE(h, nullptr);
  EXPECT_TRUE(ThemeServices().DrawThemeBackground(h, bmp.Canvas(), 3, 5, Rect(1, 2, 3, 4), nullptr));
  ThemeServices().CloseThemeData(h);
  ASSERT_EQ(f->Calls.size(), 1u);
  EXPECT_EQ(f->Calls[0].ClassList, "button");
  EXPECT_EQ(f->Calls[0].PartId, 3);
  EXPECT_EQ(f->Calls[0].StateId, 5);
  EXPECT_EQ(f->Calls[0].Rect, Rect(1, 2, 3, 4));
  EXPECT_EQ(f->CloseCount, 1);

  SetThemeServices(nullptr);
  EXPECT_FALSE(ThemeServices().IsThemeActive());
}
