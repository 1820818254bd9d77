#include "grid/foundation/GridUnits.h"

#include "grid/foundation/GridUnitServices.h"
#include "platform/ClassRegistry.h"
#include "platform/Messages.h"
#include "platform/WindowHook.h"

#include <iterator>

namespace {

struct TStreamedClass {
  const char* Name;
  TComponentFactory Factory;  // none until the class is part of the library
};

constexpr TStreamedClass kStringGridClasses[] = {
    {"TPlexStringGrid", nullptr},
    {"TDropList", nullptr},
    {"TArrowWindow", nullptr},
    {"TGridCombo", nullptr},
    {"TGridSpin", nullptr},
    {"TGridTransEdit", nullptr},
    {"TGridTransCombo", nullptr},
    {"TGridCheckBox", nullptr},
    {"TGridEditBtn", nullptr},
    {"TGridDateTimePicker", nullptr},
    {"TGridUnitEditBtn", nullptr},
    {"TGridTrackbarDropDown", nullptr},
    {"TGridMemoDropDown", nullptr},
    {"TGridCalculatorDropDown", nullptr},
    {"TGridTimepickerDropDown", nullptr},
    {"TGridDetailPickerDropDown", nullptr},
    {"TGridGridDropDown", nullptr},
    {"TGridColorDropDown", nullptr},
    {"TGridImageDropDown", nullptr},
    {"TGridButton", nullptr},
    {"TGridDatePicker", nullptr},
    {"THeaderDragButton", nullptr},
    {"TControlEdit", nullptr},
    {"TControlCombo", nullptr},
    {"TScrollBar", nullptr},
    {"TPlexRichEdit", nullptr},
    {"TFooterPanel", nullptr},
    {"TSearchPanel", nullptr},
};

constexpr TStreamedClass kColumnGridClasses[] = {
    {"TPlexColumnGrid", nullptr}, {"TGridColumnItem", nullptr}, {"TGridColumnCollection", nullptr}};

// comctl32 4.70 as the file version's most significant double word.
constexpr int kComCtl470 = (4 << 16) | 70;

IFocusFrameGrid* GFocusFrameGrid = nullptr;
HHOOK GFocusHook = 0;
TStringGridUnitIds GIds;

// Registration stops at the first class the registry refuses.
template <size_t N>
void RegisterStreamedClasses(const TStreamedClass (&classes)[N]) {
  try {
    for (const TStreamedClass& c : classes) RegisterClass(c.Name, c.Factory);
  } catch (const Exception&) {
  }
}

// Keeps the focus frame on its editor while windows move; the window gets
// its message in every case.
LRESULT FocusWindowHook(int Code, WPARAM WParam, LPARAM LParam) {
  const auto* cwp = reinterpret_cast<const TCWPStruct*>(LParam);
  const bool positioned = cwp->message == WM_WINDOWPOSCHANGING || cwp->message == WM_WINDOWPOSCHANGED;
  if (positioned && GFocusFrameGrid) GFocusFrameGrid->MoveFocusWindow();
  return CallNextHookEx(GFocusHook, Code, WParam, LParam);
}

void InitStringGridUnit() {
  InitializeGridOle();
  GFocusFrameGrid = nullptr;
  if (!GFocusHook) GFocusHook = SetWindowsHookEx(WH_CALLWNDPROC, FocusWindowHook, nullptr, GetCurrentThreadId());
  RegisterStreamedClasses(kStringGridClasses);
  GIds.ComCtl470 = GetFileVersionMS("comctl32.dll") >= kComCtl470;
  GIds.CF_GRIDCELLS = WORD(RegisterClipboardFormat("TPlexStringGrid Cells"));
  GIds.WM_GRIDEDITDONE = WORD(RegisterWindowMessage("GridEditDone"));
  GIds.WM_DTPSHIFTFOCUS = WORD(RegisterWindowMessage("DTPShiftFocus"));
}

void FinalizeStringGridUnit() {
  UninitializeGridOle();
  if (GFocusHook) UnhookWindowsHookEx(GFocusHook);
  GFocusHook = 0;
}

void InitColumnGridUnit() { RegisterStreamedClasses(kColumnGridClasses); }

struct TGridUnit {
  const char* Name;
  void (*Init)();
  void (*Finalize)();
};

// The units in the order they start.
const TGridUnit kGridUnits[] = {
    {"PlexXPVS", LoadThemeApi, UnloadThemeApi},
    {"PlexStyleIF", ResetThemeNotifier, nullptr},
    {"PsgHTMLE", InitHtmlEngine, nullptr},
    {"psgdd", InitDragDropUnit, nullptr},
    {"PlexDateTimePicker", InitDateTimePickerUnit, nullptr},
    {"ATXPVS", LoadDropDownThemeApi, UnloadDropDownThemeApi},
    {"PlexGrid", InitStringGridUnit, FinalizeStringGridUnit},
    {"PlexCGrid", InitColumnGridUnit, nullptr},
};
constexpr size_t kUnitCount = std::size(kGridUnits);

bool GStarted[kUnitCount] = {};
QStringList GStartOrder;

}  // namespace

IFocusFrameGrid* FocusFrameGrid() { return GFocusFrameGrid; }

void SetFocusFrameGrid(IFocusFrameGrid* Grid) { GFocusFrameGrid = Grid; }

const TStringGridUnitIds& StringGridUnitIds() { return GIds; }

void InitGridUnits() {
  for (size_t i = 0; i < kUnitCount; ++i) {
    if (GStarted[i]) continue;
    GStarted[i] = true;
    GStartOrder << kGridUnits[i].Name;
    kGridUnits[i].Init();
  }
}

void FinalizeGridUnits() {
  for (size_t i = kUnitCount; i-- > 0;) {
    if (!GStarted[i]) continue;
    GStarted[i] = false;
    GStartOrder.removeAll(kGridUnits[i].Name);
    if (kGridUnits[i].Finalize) kGridUnits[i].Finalize();
  }
}

QStringList StartedGridUnits() { return GStartOrder; }

QStringList GridStreamedClassNames() {
  QStringList names;
  for (const TStreamedClass& c : kStringGridClasses) names << c.Name;
  for (const TStreamedClass& c : kColumnGridClasses) names << c.Name;
  return names;
}
