#include "grid/foundation/OfficeTheme.h"

#include "platform/Registry.h"
#include "platform/Themes.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

struct OfficeThemeTest : ::testing::Test {
  TFakeRegistry* Reg = nullptr;
  void SetUp() override {
    auto r = std::make_unique<TFakeRegistry>();
    Reg = r.get();
    SetRegistryServices(std::move(r));
  }
  void TearDown() override {
    SetRegistryServices(nullptr);
    SetThemeServices(nullptr);
  }
  TFakeThemeServices* ActiveTheme(const QString& colour) {
    auto t = std::make_unique<TFakeThemeServices>();
    t->ColorName = colour;
    TFakeThemeServices* raw = t.get();
    SetThemeServices(std::move(t));
    return raw;
  }
  bool Asked(const QString& key) const {
    return std::find(Reg->Asked.begin(), Reg->Asked.end(), NormaliseRegistryPath(key)) != Reg->Asked.end();
  }
};

}  // namespace

TEST_F(OfficeThemeTest, LinuxAnswers) {
  SetRegistryServices(nullptr);
  EXPECT_TRUE(IsComCtl6());
  EXPECT_TRUE(IsWinXPOrLater());
  EXPECT_TRUE(IsVistaOrLater());
  EXPECT_EQ(DefaultUiFontName(), "Segoe UI");
  EXPECT_EQ(GetXPColorScheme(), 0);
  EXPECT_EQ(GetOfficeVersion(), 0);
  EXPECT_EQ(GetOfficeTheme(), ot2003Classic);
}

TEST_F(OfficeThemeTest, Office2010ThemeValues) {
  struct Case {
    int Value;
    TOfficeTheme Expected;
  };
  constexpr Case cases[] = {{1, ot2010Blue}, {2, ot2010Silver}, {3, ot2010Black}, {0, ot2003Blue}, {4, ot2003Blue}};
  for (const Case& c : cases) {
    Reg->SetInteger(HKEY_CURRENT_USER, Office14CommonKey, "Theme", c.Value);
    Reg->SetInteger(HKEY_CURRENT_USER, Office12CommonKey, "Theme", 3);
    Reg->Asked.clear();
    EXPECT_EQ(GetOfficeTheme(), c.Expected) << c.Value;
    EXPECT_FALSE(Asked(Office12CommonKey)) << "12.0 read for 14.0 value " << c.Value;
  }
}

TEST_F(OfficeThemeTest, Office2007WhenOnly12AnswersThenTheDesktopScheme) {
  Reg->AddKey(HKEY_CURRENT_USER, Office14CommonKey);  // key without a Theme value
  Reg->SetInteger(HKEY_CURRENT_USER, Office12CommonKey, "Theme", 2);
  EXPECT_EQ(GetOfficeTheme(), ot2007Silver);
  Reg->SetInteger(HKEY_CURRENT_USER, Office12CommonKey, "Theme", 7);
  EXPECT_EQ(GetOfficeTheme(), ot2003Blue);
}

TEST_F(OfficeThemeTest, DesktopColourSchemeWithoutOffice) {
  struct Case {
    const char* Colour;
    int Scheme;
    TOfficeTheme Theme;
  };
  constexpr Case cases[] = {{"NormalColor", 1, ot2003Blue}, {"Home", 2, ot2003Olive},    {"Metallic", 3, ot2003Silver},
                            {"Meta", 3, ot2003Silver},      {"", 0, ot2003Classic},      {"Royale", 0, ot2003Classic},
                            {"Color", 1, ot2003Blue},       {"normal", 0, ot2003Classic}};
  for (const Case& c : cases) {
    ActiveTheme(c.Colour);
    EXPECT_EQ(GetXPColorScheme(), c.Scheme) << c.Colour;
    EXPECT_EQ(GetOfficeTheme(), c.Theme) << c.Colour;
  }
  ActiveTheme("NormalColor")->Active = false;
  EXPECT_EQ(GetOfficeTheme(), ot2003Classic);
  ActiveTheme("NormalColor")->MissingEntryPoints.insert("GetCurrentThemeName");
  EXPECT_EQ(GetXPColorScheme(), 0);
}

TEST_F(OfficeThemeTest, OfficeVersionFromTheGeneralKeys) {
  EXPECT_EQ(GetOfficeVersion(), 0);
  Reg->AddKey(HKEY_CURRENT_USER, "Software\\Microsoft\\Office\\11.0\\Common\\General");
  EXPECT_EQ(GetOfficeVersion(), 0);
  Reg->AddKey(HKEY_CURRENT_USER, Office12CommonKey + "\\General");
  EXPECT_EQ(GetOfficeVersion(), 1);
  Reg->AddKey(HKEY_CURRENT_USER, Office14CommonKey + "\\General");
  EXPECT_EQ(GetOfficeVersion(), 2);
}

TEST_F(OfficeThemeTest, ReadOfficeThemeValueGivesMinusOneForWhatIsMissing) {
  TRegistry reg;
  EXPECT_EQ(ReadOfficeThemeValue(reg, "Missing"), -1);
  Reg->AddKey(HKEY_CURRENT_USER, "K");
  EXPECT_EQ(ReadOfficeThemeValue(reg, "K"), -1);
  Reg->SetInteger(HKEY_CURRENT_USER, "K", "Theme", 0);
  EXPECT_EQ(ReadOfficeThemeValue(reg, "K"), 0);
  EXPECT_TRUE(reg.CurrentPath().isEmpty());
}
