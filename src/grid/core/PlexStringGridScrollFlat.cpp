// The flat scroll bars: every operation goes through an entry point of the
// common controls and does nothing when the entry point is missing, so the
// grid keeps its normal bars where the library does not exist.
#include "grid/core/FlatScrollBars.h"
#include "grid/core/PlexStringGrid.h"

TFlatScrollEntryPoints& FlatScrollEntryPoints() {
  static TFlatScrollEntryPoints table;
  return table;
}

namespace {
bool AllowsBar(TScrollStyle Bars, int Bar) {
  if (Bar == SB_HORZ) return Bars == ssHorizontal || Bars == ssBoth;
  if (Bar == SB_VERT) return Bars == ssVertical || Bars == ssBoth;
  return true;
}
}  // namespace

void TPlexStringGrid::FlatInit() {
  const auto& init = FlatScrollEntryPoints().InitializeFlatSB;
  if (init) init(this);
  FIsFlat = bool(init);
}

void TPlexStringGrid::FlatDone() {
  FIsFlat = false;
  if (const auto& done = FlatScrollEntryPoints().UninitializeFlatSB) done(this);
}

void TPlexStringGrid::FlatSetScrollInfo(int Bar, const TScrollInfo& Info, bool Redraw) {
  if (const auto& set = FlatScrollEntryPoints().FlatSB_SetScrollInfo) set(this, Bar, Info, Redraw);
}

void TPlexStringGrid::FlatSetScrollProp(int Index, int Value, bool Redraw) {
  if (!FIsFlat) return;
  if (const auto& set = FlatScrollEntryPoints().FlatSB_SetScrollProp) set(this, Index, Value, Redraw);
}

void TPlexStringGrid::FlatShowScrollBar(int Bar, bool Show) {
  if (!FIsFlat || !AllowsBar(ScrollBars(), Bar)) return;
  if (const auto& show = FlatScrollEntryPoints().FlatSB_ShowScrollBar) show(this, Bar, Show);
}

void TPlexStringGrid::FlatUpdateStyle() {
  int mode = -1;
  switch (FScrollType) {
    case ssNormal: mode = FSB_REGULAR_MODE; break;
    case ssFlat: mode = FSB_FLAT_MODE; break;
    case ssEncarta: mode = FSB_ENCARTA_MODE; break;
    case ssMetro: return;
  }
  FlatSetScrollProp(WSB_PROP_VSTYLE, mode, true);
  FlatSetScrollProp(WSB_PROP_HSTYLE, mode, true);
}

void TPlexStringGrid::FlatUpdateColor() {
  if (FScrollColor == clNone) return;
  FlatSetScrollProp(WSB_PROP_VBKGCOLOR, int(FScrollColor), true);
  FlatSetScrollProp(WSB_PROP_HBKGCOLOR, int(FScrollColor), true);
}

void TPlexStringGrid::FlatUpdateWidth() {
  FlatSetScrollProp(WSB_PROP_CXVSCROLL, FScrollWidth, true);
  FlatSetScrollProp(WSB_PROP_CYHSCROLL, FScrollWidth, true);
}

void TPlexStringGrid::FlatUpdateVScrollInfo() {
  if (FIsFlat && AllowsBar(ScrollBars(), SB_VERT)) FlatSetScrollInfo(SB_VERT, GetScrollInfo(SB_VERT), true);
}

void TPlexStringGrid::FlatUpdateHScrollInfo() {
  if (FIsFlat && AllowsBar(ScrollBars(), SB_HORZ)) FlatSetScrollInfo(SB_HORZ, GetScrollInfo(SB_HORZ), true);
}

void TPlexStringGrid::FlatUpdateScrollBars() {
  FlatUpdateStyle();
  FlatUpdateColor();
  FlatUpdateWidth();
  const bool rowsScroll = VisibleRowCount() + FixedRows() < RowCount();
  FlatShowScrollBar(SB_VERT, rowsScroll);
  if (rowsScroll) FlatUpdateVScrollInfo();
  const bool colsScroll = VisibleColCount() + FixedCols() < ColCount();
  FlatShowScrollBar(SB_HORZ, colsScroll);
  if (colsScroll) FlatUpdateHScrollInfo();
}
