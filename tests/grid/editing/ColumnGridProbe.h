// A column grid that counts its repaints, for the tests of what a change of a
// definition does to the grid.
#pragma once

#include "grid/editing/PlexColumnGrid.h"

struct TRepaintCountingGrid : TPlexColumnGrid {
  using TPlexColumnGrid::TPlexColumnGrid;
  void Invalidate() override {
    ++Repaints;
    TPlexColumnGrid::Invalidate();
  }
  int Repaints = 0;
};
