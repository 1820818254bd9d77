#include "platform/Registry.h"

#include <gtest/gtest.h>

namespace {

struct RegistryTest : ::testing::Test {
  TFakeRegistry* Fake = nullptr;
  void SetUp() override {
    auto f = std::make_unique<TFakeRegistry>();
    Fake = f.get();
    SetRegistryServices(std::move(f));
  }
  void TearDown() override { SetRegistryServices(nullptr); }
};

}  // namespace

TEST(Registry, PlatformStoreIsEmpty) {
  TRegistry reg;
  EXPECT_FALSE(reg.KeyExists("Software"));
  EXPECT_FALSE(reg.OpenKeyReadOnly("Software"));
  EXPECT_FALSE(reg.ValueExists("Theme"));
  EXPECT_THROW(reg.ReadInteger("Theme"), ERegistryException);
  EXPECT_EQ(RegistryServices().WatchKey(HKEY_CURRENT_USER, "Software", REG_NOTIFY_CHANGE_LAST_SET, [] {}), 0);
}

TEST_F(RegistryTest, KeysValuesAndCaseOfTheFake) {
  Fake->SetInteger(HKEY_CURRENT_USER, "Software\\Maker\\Common", "Theme", 3);
  TRegistry reg;
  EXPECT_TRUE(reg.KeyExists("\\software\\maker"));  // parents exist, letter case ignored
  EXPECT_FALSE(reg.KeyExists("Software\\Maker\\Other"));
  ASSERT_TRUE(reg.OpenKeyReadOnly("Software\\Maker\\Common"));
  EXPECT_TRUE(reg.ValueExists("THEME"));
  EXPECT_EQ(reg.ReadInteger("Theme"), 3);
  EXPECT_FALSE(reg.ValueExists("Other"));
  reg.CloseKey();
  EXPECT_FALSE(reg.ValueExists("Theme"));
  reg.RootKey = HKEY_LOCAL_MACHINE;
  EXPECT_FALSE(reg.KeyExists("Software\\Maker"));
}

TEST_F(RegistryTest, WatchHearsChangesBelowItsKeyOfItsKinds) {
  Fake->AddKey(HKEY_CURRENT_USER, "A\\B\\C");
  int heard = 0;
  const int id = RegistryServices().WatchKey(HKEY_CURRENT_USER, "A\\B", REG_NOTIFY_CHANGE_LAST_SET, [&] { ++heard; });
  ASSERT_NE(id, 0);
  Fake->SetInteger(HKEY_CURRENT_USER, "A\\B\\C", "V", 1);  // subtree
  Fake->Change(HKEY_CURRENT_USER, "A\\B");
  Fake->Change(HKEY_CURRENT_USER, "A");                             // above: not heard
  Fake->Change(HKEY_CURRENT_USER, "A\\BB");                         // a sibling sharing the prefix
  Fake->Change(HKEY_CURRENT_USER, "A\\B", REG_NOTIFY_CHANGE_NAME);  // not asked for
  EXPECT_EQ(heard, 2);
  EXPECT_EQ(RegistryServices().WatchKey(HKEY_CURRENT_USER, "Missing", 15, [] {}), 0);
  RegistryServices().StopWatch(id);
  Fake->Change(HKEY_CURRENT_USER, "A\\B");
  EXPECT_EQ(heard, 2);
  EXPECT_TRUE(Fake->Watches().empty());
}

TEST_F(RegistryTest, AHandlerMayEndWatchesWhileAChangeIsTold) {
  Fake->AddKey(HKEY_CURRENT_USER, "K");
  int first = 0, second = 0;
  int id2 = 0;
  RegistryServices().WatchKey(HKEY_CURRENT_USER, "K", 4, [&] {
    ++first;
    RegistryServices().StopWatch(id2);
  });
  id2 = RegistryServices().WatchKey(HKEY_CURRENT_USER, "K", 4, [&] { ++second; });
  Fake->Change(HKEY_CURRENT_USER, "K");
  EXPECT_EQ(first, 1);
  EXPECT_EQ(second, 0);
}
