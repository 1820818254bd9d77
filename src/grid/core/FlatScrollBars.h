// The entry points of the common controls' flat scroll bars. The grid looks
// them up by name in the loaded library; this platform has no such library,
// so the table stays empty and the grid keeps its normal bars. Tests install
// a table of their own to see what the grid asks of them.
#pragma once

#include "platform/Grids.h"

#include <functional>

// Flat bar properties and their modes.
constexpr int WSB_PROP_CYVSCROLL = 0x1, WSB_PROP_CXHSCROLL = 0x2, WSB_PROP_CYHSCROLL = 0x4, WSB_PROP_CXVSCROLL = 0x8;
constexpr int WSB_PROP_VBKGCOLOR = 0x40, WSB_PROP_HBKGCOLOR = 0x80, WSB_PROP_VSTYLE = 0x100, WSB_PROP_HSTYLE = 0x200;
constexpr int FSB_REGULAR_MODE = 0, FSB_ENCARTA_MODE = 1, FSB_FLAT_MODE = 2;

struct TFlatScrollEntryPoints {
  std::function<void(TWinControl* Window)> InitializeFlatSB;
  std::function<void(TWinControl* Window)> UninitializeFlatSB;
  std::function<void(TWinControl* Window, int Bar, const TScrollInfo& Info, bool Redraw)> FlatSB_SetScrollInfo;
  std::function<void(TWinControl* Window, int Index, int Value, bool Redraw)> FlatSB_SetScrollProp;
  std::function<void(TWinControl* Window, int Bar, bool Show)> FlatSB_ShowScrollBar;
};

// The process's table; an empty entry is an entry point the library lacks.
TFlatScrollEntryPoints& FlatScrollEntryPoints();
