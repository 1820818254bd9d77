#include "grid/foundation/GridUnits.h"

#include "platform/ClassRegistry.h"
#include "platform/Forms.h"
#include "platform/Messages.h"
#include "platform/WindowHook.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

struct GridUnitsFixture : ::testing::Test {
  void TearDown() override { FinalizeGridUnits(); }
};

// A grid that shows its focus frame and counts the frame's moves.
struct TFrameGrid : IFocusFrameGrid {
  int Moves = 0;
  void MoveFocusWindow() override { ++Moves; }
};

}  // namespace

TEST_F(GridUnitsFixture, UnitsStartInTheirOrderOnceEach) {
  const int hooks = InstalledWindowHookCount();
  InitGridUnits();
  const QStringList order{"PlexXPVS",           "PlexStyleIF", "PsgHTMLE", "psgdd",
                          "PlexDateTimePicker", "ATXPVS",      "PlexGrid", "PlexCGrid"};
  EXPECT_EQ(StartedGridUnits(), order);
  EXPECT_EQ(InstalledWindowHookCount(), hooks + 1);
  const QStringList registered = RegisteredClassNames();
  InitGridUnits();
  EXPECT_EQ(StartedGridUnits(), order);
  EXPECT_EQ(InstalledWindowHookCount(), hooks + 1);
  EXPECT_EQ(RegisteredClassNames(), registered);
}

TEST_F(GridUnitsFixture, TheGridClassesAreRegisteredInTheirOrder) {
  InitGridUnits();
  InitGridUnits();
  const QStringList expected = GridStreamedClassNames();
  ASSERT_EQ(expected.size(), 28 + 3);
  EXPECT_EQ(expected.first(), "TPlexStringGrid");
  EXPECT_EQ(expected[27], "TSearchPanel");
  EXPECT_EQ(expected.last(), "TGridColumnCollection");
  QStringList mine;
  for (const QString& n : RegisteredClassNames())
    if (expected.contains(n)) mine << n;
  EXPECT_EQ(mine, expected);
}

TEST_F(GridUnitsFixture, TheStringGridRegistersItsFormatAndMessages) {
  InitGridUnits();
  const TStringGridUnitIds& ids = StringGridUnitIds();
  EXPECT_TRUE(ids.ComCtl470);
  EXPECT_EQ(ids.CF_GRIDCELLS, RegisterClipboardFormat("TPlexStringGrid Cells"));
  EXPECT_EQ(ids.WM_GRIDEDITDONE, RegisterWindowMessage("GridEditDone"));
  EXPECT_EQ(ids.WM_DTPSHIFTFOCUS, RegisterWindowMessage("DTPShiftFocus"));
  EXPECT_GE(ids.CF_GRIDCELLS, 0xC000);
  EXPECT_NE(ids.CF_GRIDCELLS, ids.WM_GRIDEDITDONE);
}

TEST_F(GridUnitsFixture, AWindowMoveTakesTheFocusFrameAlongAndReachesTheWindow) {
  auto form = std::make_unique<TForm>(nullptr);
  form->SetBounds(40, 40, 200, 120);
  form->Show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(form->Widget()));
  InitGridUnits();
  EXPECT_EQ(FocusFrameGrid(), nullptr);
  TFrameGrid grid;
  SetFocusFrameGrid(&grid);
  form->Widget()->move(140, 90);
  QApplication::processEvents();
  EXPECT_GE(grid.Moves, 1);
  EXPECT_EQ(form->Widget()->pos(), QPoint(140, 90));

  SetFocusFrameGrid(nullptr);
  const int hooks = InstalledWindowHookCount();
  FinalizeGridUnits();
  EXPECT_EQ(InstalledWindowHookCount(), hooks - 1);
  EXPECT_TRUE(StartedGridUnits().isEmpty());
  SetFocusFrameGrid(&grid);
  grid.Moves = 0;
  form->Widget()->move(60, 60);
  QApplication::processEvents();
  EXPECT_EQ(grid.Moves, 0);
  SetFocusFrameGrid(nullptr);
}

TEST_F(GridUnitsFixture, StartingAgainForgetsTheFocusFrameGrid) {
  TFrameGrid grid;
  InitGridUnits();
  SetFocusFrameGrid(&grid);
  FinalizeGridUnits();
  InitGridUnits();
  EXPECT_EQ(FocusFrameGrid(), nullptr);
}
