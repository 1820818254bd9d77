// Watches a settings key and tells windows of each change: first the
// notifier's own window, then every registered window in list order. It runs
// on the GUI thread (the settings service reports changes there), so the
// list needs no guard, and ending the watch is ending the object.
#pragma once

#include "grid/foundation/HandleList.h"
#include "platform/Registry.h"

#include <QString>

#include <memory>

class TRegMonitor {
public:
  TRegMonitor() = default;
  ~TRegMonitor();
  TRegMonitor(const TRegMonitor&) = delete;
  TRegMonitor& operator=(const TRegMonitor&) = delete;

  QString Key;
  HKEY RootKey = HKEY_CURRENT_USER;
  // Kept as given; the watch always covers the key's subtree.
  bool WatchSub = true;
  HWND Wnd = 0;
  // 0 reads as name, attributes, last-set and security changes (15).
  DWORD Filter();
  void SetFilter(DWORD Value) { FFilter = Value; }
  THandleList& WinList() { return FWinList; }

  // Opens the key and starts watching it; raises ERegistryException
  // "Unable to open registry key " + Key when it cannot be opened.
  void BeginWatch();
  void Stop();
  bool Watching() const { return FWatchId != 0; }

private:
  void Notify();
  DWORD FFilter = 0;
  THandleList FWinList;
  int FWatchId = 0;
  // Cleared when the monitor goes, so a change being told stops there.
  std::shared_ptr<bool> FAlive = std::make_shared<bool>(true);
};
