#include "grid/core/PlexGridUnit.h"

#include "platform/SysUtils.h"

#include <cstdlib>

namespace {

struct TFileVersion {
  const char* FileName;
  int VersionMS;
};
// The system libraries whose version the grid asks; the common controls are
// the themed generation.
constexpr TFileVersion FileVersions[] = {{"comctl32.dll", 0x00060000}};

constexpr const char* StreamedClasses[] = {"TPlexStringGrid",
                                           "TDropList",
                                           "TArrowWindow",
                                           "TGridCombo",
                                           "TGridSpin",
                                           "TGridTransEdit",
                                           "TGridTransCombo",
                                           "TGridCheckBox",
                                           "TGridEditBtn",
                                           "TGridDateTimePicker",
                                           "TGridUnitEditBtn",
                                           "TGridTrackbarDropDown",
                                           "TGridMemoDropDown",
                                           "TGridCalculatorDropDown",
                                           "TGridTimepickerDropDown",
                                           "TGridDetailPickerDropDown",
                                           "TGridGridDropDown",
                                           "TGridColorDropDown",
                                           "TGridImageDropDown",
                                           "TGridButton",
                                           "TGridDatePicker",
                                           "THeaderDragButton",
                                           "TControlEdit",
                                           "TControlCombo",
                                           "TScrollBar",
                                           "TPlexRichEdit",
                                           "TFooterPanel",
                                           "TSearchPanel"};

// The date editors need common controls 4.70 or later.
constexpr int ComCtrlDateEditorsVersion = 0x00040045;

TPlexGridUnitState& State() {
  static TPlexGridUnitState state;
  return state;
}

TGridLibraryHook GLibraryStart = nullptr;
TGridLibraryHook GLibraryEnd = nullptr;

}  // namespace

int GetFileVersionMS(const QString& FileName) {
  for (const TFileVersion& v : FileVersions)
    if (FileName.compare(QLatin1String(v.FileName), Qt::CaseInsensitive) == 0) return v.VersionMS;
  return -1;
}

QString LocaleShortTimeFormat() { return FormatSettings().ShortTimeFormat; }
QString LocaleLongTimeFormat() { return FormatSettings().LongTimeFormat; }

const TPlexGridUnitState& PlexGridUnitState() { return State(); }

void SetGridLibraryHooks(TGridLibraryHook Start, TGridLibraryHook End) {
  GLibraryStart = Start;
  GLibraryEnd = End;
}

void PlexGridUnitStart() {
  TPlexGridUnitState& s = State();
  if (s.StartCount++ > 0) return;
  // Drag and drop and the clipboard run on Qt here; nothing to initialise.
  s.OleInitialized = true;
  s.FocusGrid = nullptr;
  // Focus windows follow their grid through the window system; the hook only marks that they do.
  s.HookInstalled = true;
  for (const char* name : StreamedClasses) s.RegisteredClasses << QString::fromLatin1(name);
  s.ComCtrl470 = GetFileVersionMS("comctl32.dll") > ComCtrlDateEditorsVersion;
  s.ClipboardFormat = RegisterWindowMessage("TPlexStringGrid Cells");
  s.GridEditDoneMessage = RegisterWindowMessage("GridEditDone");
  s.DTPShiftFocusMessage = RegisterWindowMessage("DTPShiftFocus");
  if (GLibraryStart) GLibraryStart();
  std::atexit(PlexGridUnitEnd);
}

void PlexGridUnitEnd() {
  TPlexGridUnitState& s = State();
  if (!s.OleInitialized) return;
  s.OleInitialized = false;
  s.HookInstalled = false;
  if (GLibraryEnd) GLibraryEnd();
}
