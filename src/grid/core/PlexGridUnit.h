// The grid unit's own services: its start and end (once per process), the
// platform probes the grid asks at creation, and the locale texts.
#pragma once

#include "platform/SystemProbes.h"

#include "platform/Classes.h"
#include "platform/Messages.h"

#include <QChar>
#include <QString>
#include <QStringList>

// The operating-system version the grid sees on this platform: Windows 7 or
// later, so every "XP or later" and "7 or later" branch takes the modern way.
struct TPlatformVersion {
  int Major;
  int Minor;
};
inline constexpr TPlatformVersion PlatformVersion{6, 1};

constexpr bool IsWinXPOrLater(TPlatformVersion V) { return V.Major > 5 || (V.Major == 5 && V.Minor > 0); }
constexpr bool IsWin7OrLater(TPlatformVersion V) { return V.Major > 6 || (V.Major == 6 && V.Minor > 0); }

// The high 32 bits of a system library's file version (major in the high
// word), or -1 when the file carries no version.
int GetFileVersionMS(const QString& FileName);

// The separators and the short date format are in NumberDateRoutines.
QString LocaleShortTimeFormat();
QString LocaleLongTimeFormat();

// Runs once, at the first grid; the end runs when the process ends.
void PlexGridUnitStart();
void PlexGridUnitEnd();

// What the unit start left behind, for the grids and for tests.
struct TPlexGridUnitState {
  int StartCount = 0;
  bool OleInitialized = false;
  bool HookInstalled = false;
  bool ComCtrl470 = false;
  QStringList RegisteredClasses;
  UINT ClipboardFormat = 0;
  UINT GridEditDoneMessage = 0;
  UINT DTPShiftFocusMessage = 0;
  TObject* FocusGrid = nullptr;
};
const TPlexGridUnitState& PlexGridUnitState();

// The grid library's own start-up, which the unit start and end run as well.
using TGridLibraryHook = void (*)();
void SetGridLibraryHooks(TGridLibraryHook Start, TGridLibraryHook End);
