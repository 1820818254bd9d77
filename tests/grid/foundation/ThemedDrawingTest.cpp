#include "grid/foundation/ThemedDrawing.h"

#include "grid/foundation/ThemeApi.h"
#include "platform/Themes.h"

#include <gtest/gtest.h>

TEST(ThemedDrawing, OnlyWithALoadedTableAndAnActiveTheme) {
  UnloadThemeApi();
  LoadThemeApi();
  EXPECT_FALSE(IsThemedDrawing());  // Linux: loaded, never active
  auto fake = std::make_unique<TFakeThemeServices>();
  TFakeThemeServices* f = fake.get();
  SetThemeServices(std::move(fake));
  EXPECT_TRUE(IsThemedDrawing());
  f->Active = false;
  EXPECT_FALSE(IsThemedDrawing());
  f->Active = true;
  f->MissingEntryPoints.insert("EnableTheming");
  UnloadThemeApi();
  LoadThemeApi();
  EXPECT_FALSE(IsThemedDrawing());
  UnloadThemeApi();
  SetThemeServices(nullptr);
}
