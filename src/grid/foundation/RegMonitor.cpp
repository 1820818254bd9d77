#include "grid/foundation/RegMonitor.h"

#include "grid/foundation/ThemeNotifierWindow.h"

TRegMonitor::~TRegMonitor() {
  *FAlive = false;
  Stop();
}

DWORD TRegMonitor::Filter() {
  if (FFilter == 0)
    FFilter =
        REG_NOTIFY_CHANGE_NAME | REG_NOTIFY_CHANGE_ATTRIBUTES | REG_NOTIFY_CHANGE_LAST_SET | REG_NOTIFY_CHANGE_SECURITY;
  return FFilter;
}

void TRegMonitor::BeginWatch() {
  TRegistry reg;
  reg.RootKey = RootKey;
  if (!reg.OpenKeyReadOnly(Key)) throw ERegistryException("Unable to open registry key " + Key);
  reg.CloseKey();
  FWatchId = RegistryServices().WatchKey(RootKey, Key, Filter(), [this] { Notify(); });
  if (FWatchId == 0) throw ERegistryException("Unable to open registry key " + Key);
}

void TRegMonitor::Stop() {
  if (FWatchId == 0) return;
  RegistryServices().StopWatch(FWatchId);
  FWatchId = 0;
}

void TRegMonitor::Notify() {
  // A receiver may free the notifier, and this monitor with it.
  const std::shared_ptr<bool> alive = FAlive;
  const QString key = Key;
  const auto path = LPARAM(key.utf16());
  if (Wnd != 0) SendMessage(Wnd, WM_OFFICETHEMECHANGE, WPARAM(RootKey), path);
  if (!*alive) return;
  const int count = FWinList.Count();
  for (int i = 0; i < count && *alive && i < FWinList.Count(); ++i)
    SendMessage(FWinList.GetInteger(i), WM_OFFICETHEMECHANGE, WPARAM(RootKey), path);
}
