// One per process: follows the office suite's theme settings and tells the
// registered windows (the grids that adapt to the office theme) of every
// change with WM_OFFICETHEMECHANGE. Without an office suite 12.0 or 14.0,
// or when its key cannot be opened, it stays idle.
#pragma once

#include "grid/foundation/RegMonitor.h"
#include "grid/foundation/ThemeNotifierWindow.h"
#include "platform/Classes.h"

#include <memory>

class TThemeNotifier : public TComponent {
public:
  explicit TThemeNotifier(TComponent* AOwner);
  ~TThemeNotifier() override;

  // Once per handle; nothing while idle.
  void RegisterWindow(HWND Hwnd);
  void UnRegisterWindow(HWND Hwnd);
  bool Idle() const { return !FMonitor; }
  // The watched key path; empty while idle.
  QString WatchedKey() const { return FMonitor ? FMonitor->Key : QString(); }
  const THandleList* Windows() const { return FMonitor ? &FMonitor->WinList() : nullptr; }
  TThemeNotifierWindow* NotifierWindow() const { return FWindow; }

  TNotifyEvent OnOfficeThemeChange;

private:
  void StartWatch(int OfficeVersion);
  std::unique_ptr<TRegMonitor> FMonitor;
  TThemeNotifierWindow* FWindow = nullptr;
};

// The process's notifier, created on first use, owned by the main form when
// it has one, else by the caller; it lives until its owner frees it.
TThemeNotifier* GetThemeNotifier(TComponent* Caller);
// Forgets the notifier without freeing it (the grid units' start).
void ResetThemeNotifier();
