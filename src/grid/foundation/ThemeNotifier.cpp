#include "grid/foundation/ThemeNotifier.h"

#include "grid/foundation/OfficeTheme.h"
#include "platform/Application.h"
#include "platform/Forms.h"

namespace {

TThemeNotifier*& Singleton() {
  static TThemeNotifier* notifier = nullptr;
  return notifier;
}

}  // namespace

TThemeNotifier::TThemeNotifier(TComponent* AOwner) : TComponent(AOwner) {
  const int version = GetOfficeVersion();
  if (version == 1 || version == 2) StartWatch(version);
}

TThemeNotifier::~TThemeNotifier() {
  FMonitor.reset();
  if (Singleton() == this) Singleton() = nullptr;
  DestroyComponents();
}

void TThemeNotifier::StartWatch(int OfficeVersion) {
  FWindow = new TThemeNotifierWindow(this);
  if (auto* parent = dynamic_cast<TWinControl*>(Owner())) FWindow->SetParent(parent);
  FWindow->SetVisible(false);
  FWindow->OnOfficeThemeChange = [this](TObject*) {
    if (OnOfficeThemeChange) OnOfficeThemeChange(this);
  };
  auto monitor = std::make_unique<TRegMonitor>();
  monitor->Wnd = WindowHandle(FWindow);
  monitor->SetFilter(REG_NOTIFY_CHANGE_LAST_SET);
  monitor->Key = OfficeVersion == 2 ? Office14CommonKey : Office12CommonKey;
  monitor->RootKey = HKEY_CURRENT_USER;
  monitor->WatchSub = true;
  try {
    monitor->BeginWatch();
  } catch (const ERegistryException&) {
    // An unopenable key leaves the notifier idle; the user is not told.
    return;
  }
  FMonitor = std::move(monitor);
}

void TThemeNotifier::RegisterWindow(HWND Hwnd) {
  if (FMonitor && !FMonitor->WinList().HasValue(Hwnd)) FMonitor->WinList().Add(Hwnd);
}

void TThemeNotifier::UnRegisterWindow(HWND Hwnd) {
  if (FMonitor) FMonitor->WinList().DeleteValue(Hwnd);
}

TThemeNotifier* GetThemeNotifier(TComponent* Caller) {
  if (Singleton()) return Singleton();
  TComponent* owner = Caller;
  if (TApplication* app = Application(); app && app->MainForm() && app->MainForm()->Widget()) owner = app->MainForm();
  Singleton() = new TThemeNotifier(owner);
  return Singleton();
}

void ResetThemeNotifier() { Singleton() = nullptr; }
