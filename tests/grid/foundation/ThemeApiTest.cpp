#include "grid/foundation/ThemeApi.h"

#include "platform/Themes.h"

#include <gtest/gtest.h>

namespace {

struct ThemeApiTest : ::testing::Test {
  TThemeApiTable Table;
  TFakeThemeServices* Fake = nullptr;
  void SetUp() override {
    auto f = std::make_unique<TFakeThemeServices>();
    Fake = f.get();
    SetThemeServices(std::move(f));
  }
  void TearDown() override { SetThemeServices(nullptr); }
};

}  // namespace

TEST_F(ThemeApiTest, LoadsWhenEveryEntryResolves) {
  EXPECT_EQ(ThemeApiEntryNames.front(), std::string("OpenThemeData"));
  EXPECT_EQ(ThemeApiEntryNames[34], std::string("IsThemeActive"));
  EXPECT_EQ(ThemeApiEntryNames.back(), std::string("EnableTheming"));
  EXPECT_FALSE(Table.IsThemeActive());
  Table.Load();
  ASSERT_TRUE(Table.Loaded());
  for (int i = 0; i < TThemeApiTable::EntryCount; ++i) EXPECT_TRUE(Table.Resolved(i));
  EXPECT_TRUE(Table.IsThemeActive());
  Fake->Active = false;
  EXPECT_FALSE(Table.IsThemeActive());
  Table.Unload();
  EXPECT_FALSE(Table.Loaded());
}

TEST_F(ThemeApiTest, ATableLackingAnEntryStaysUnloadedAndThemesOff) {
  Fake->MissingEntryPoints.insert("DrawThemeParentBackground");
  Table.Load();
  EXPECT_FALSE(Table.Loaded());
  EXPECT_FALSE(Table.Resolved(0));
  EXPECT_FALSE(Table.IsThemeActive());
  Fake->Loads = false;
  Fake->MissingEntryPoints.clear();
  Table.Load();
  EXPECT_FALSE(Table.Loaded());
  Fake->Loads = true;
  Table.Load();
  EXPECT_TRUE(Table.Loaded());
}

TEST_F(ThemeApiTest, TheTwoTablesAreSeparate) {
  UnloadThemeApi();
  UnloadDropDownThemeApi();
  LoadDropDownThemeApi();
  EXPECT_TRUE(DropDownThemeApi().Loaded());
  EXPECT_FALSE(PlexThemeApi().Loaded());
  LoadThemeApi();
  EXPECT_TRUE(PlexThemeApi().Loaded());
  UnloadThemeApi();
  UnloadDropDownThemeApi();
}
