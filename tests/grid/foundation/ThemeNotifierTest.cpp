#include "grid/foundation/ThemeNotifier.h"

#include "grid/foundation/OfficeTheme.h"
#include "platform/Registry.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A window that writes down the office theme messages it receives.
class TListeningWindow : public TWinControl {
public:
  TListeningWindow(TComponent* AOwner, std::vector<std::string>& Log, std::string Name)
      : TWinControl(AOwner), FLog(Log), FName(std::move(Name)) {}
  std::function<void()> OnHeard;

protected:
  void WndProc(TMessage& m) override {
    if (m.Msg == WM_OFFICETHEMECHANGE) {
      const auto* path = reinterpret_cast<const char16_t*>(m.LParam);
      FLog.push_back(FName + " " + std::to_string(m.WParam) + " " + QString::fromUtf16(path).toStdString());
      if (OnHeard) OnHeard();
    }
    TWinControl::WndProc(m);
  }

private:
  std::vector<std::string>& FLog;
  std::string FName;
};

struct ThemeNotifierTest : ::testing::Test {
  TFakeRegistry* Reg = nullptr;
  std::vector<std::string> Log;
  TWinControl Host{nullptr};
  void SetUp() override {
    auto r = std::make_unique<TFakeRegistry>();
    Reg = r.get();
    SetRegistryServices(std::move(r));
    ResetThemeNotifier();
  }
  void TearDown() override {
    ResetThemeNotifier();
    SetRegistryServices(nullptr);
  }
  void InstallOffice(const QString& commonKey) { Reg->AddKey(HKEY_CURRENT_USER, commonKey + "\\General"); }
};

const std::string kHkcu = std::to_string(0x80000001u);

}  // namespace

TEST_F(ThemeNotifierTest, IdleWithoutOffice) {
  TThemeNotifier n(&Host);
  EXPECT_TRUE(n.Idle());
  EXPECT_EQ(n.NotifierWindow(), nullptr);
  TListeningWindow w(nullptr, Log, "w");
  n.RegisterWindow(WindowHandle(&w));
  EXPECT_EQ(n.Windows(), nullptr);
  n.UnRegisterWindow(WindowHandle(&w));
  EXPECT_TRUE(Reg->Watches().empty());
}

TEST_F(ThemeNotifierTest, WatchesTheNewestOfficeKeyForLastSetChanges) {
  InstallOffice(Office12CommonKey);
  {
    TThemeNotifier n(&Host);
    EXPECT_EQ(n.WatchedKey(), Office12CommonKey);
    ASSERT_EQ(Reg->Watches().size(), 1u);
    EXPECT_EQ(Reg->Watches()[0].Filter, REG_NOTIFY_CHANGE_LAST_SET);
  }
  EXPECT_TRUE(Reg->Watches().empty());  // destroying the notifier ends the watch
  InstallOffice(Office14CommonKey);
  TThemeNotifier n(&Host);
  EXPECT_EQ(n.WatchedKey(), Office14CommonKey);
}

TEST_F(ThemeNotifierTest, AChangeReachesTheNotifierWindowThenTheRegisteredWindowsInOrder) {
  InstallOffice(Office14CommonKey);
  TThemeNotifier n(&Host);
  n.OnOfficeThemeChange = [&](TObject* s) { Log.push_back(s == &n ? "notifier" : "?"); };
  TListeningWindow a(nullptr, Log, "a"), b(nullptr, Log, "b");
  n.RegisterWindow(WindowHandle(&b));
  n.RegisterWindow(WindowHandle(&a));
  n.RegisterWindow(WindowHandle(&b));  // once only
  EXPECT_EQ(n.Windows()->Count(), 2);
  Reg->SetInteger(HKEY_CURRENT_USER, Office14CommonKey, "Theme", 2);
  const std::string path = Office14CommonKey.toStdString();
  EXPECT_EQ(Log, (std::vector<std::string>{"notifier", "b " + kHkcu + " " + path, "a " + kHkcu + " " + path}));
  Log.clear();
  n.UnRegisterWindow(WindowHandle(&b));
  n.UnRegisterWindow(WindowHandle(&b));
  Reg->Change(HKEY_CURRENT_USER, Office14CommonKey + "\\Sub");
  EXPECT_EQ(Log, (std::vector<std::string>{"notifier", "a " + kHkcu + " " + path}));
}

TEST_F(ThemeNotifierTest, AFreedWindowOrNotifierEndsTheTellingSafely) {
  InstallOffice(Office14CommonKey);
  auto* n = new TThemeNotifier(&Host);
  TListeningWindow a(nullptr, Log, "a");
  {
    TListeningWindow gone(nullptr, Log, "gone");
    n->RegisterWindow(WindowHandle(&gone));
  }
  n->RegisterWindow(WindowHandle(&a));
  a.OnHeard = [&] { delete n; };
  TListeningWindow b(nullptr, Log, "b");
  n->RegisterWindow(WindowHandle(&b));
  Reg->Change(HKEY_CURRENT_USER, Office14CommonKey);
  ASSERT_EQ(Log.size(), 1u);
  EXPECT_EQ(Log[0].substr(0, 2), "a ");
  EXPECT_TRUE(Reg->Watches().empty());
}

TEST_F(ThemeNotifierTest, AnUnopenableKeyLeavesItIdle) {
  // The General key answers for the version, but the watched Common key is refused.
  class TRefusingRegistry : public TFakeRegistry {
  public:
    int WatchKey(HKEY, const QString&, DWORD, std::function<void()>) override { return 0; }
  };
  auto r = std::make_unique<TRefusingRegistry>();
  r->AddKey(HKEY_CURRENT_USER, Office12CommonKey + "\\General");
  SetRegistryServices(std::move(r));
  TThemeNotifier n(&Host);
  EXPECT_TRUE(n.Idle());
  TListeningWindow a(nullptr, Log, "a");
  n.RegisterWindow(WindowHandle(&a));
  EXPECT_EQ(n.Windows(), nullptr);
}

TEST_F(ThemeNotifierTest, OneNotifierPerProcessUntilItsOwnerFreesIt) {
  auto* owner = new TWinControl(nullptr);
  TThemeNotifier* first = GetThemeNotifier(owner);
  EXPECT_EQ(first->Owner(), owner);
  EXPECT_EQ(GetThemeNotifier(&Host), first);
  delete owner;
  TThemeNotifier* second = GetThemeNotifier(&Host);
  EXPECT_EQ(second->Owner(), &Host);
}
