// The grid's scroll bars: proportional thumbs, the Metro bars, the flat bars
// through their entry points, thumb tracking and hints, the scroll bar of a
// cell and the room kept for the search footer.
#include "grid/core/FlatScrollBars.h"
#include "grid/core/PlexStringGrid.h"
#include "grid/core/ScrollControl.h"
#include "grid/features/SearchPanel.h"
#include "platform/Forms.h"
#include "platform/HintWindow.h"
#include "platform/Screenshot.h"
#include "platform/ScrollBar.h"
#include "platform/WindowHandles.h"

#include <QApplication>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

namespace {

struct TShownGrid {
  TForm Form{nullptr};
  TPlexStringGrid* Grid;
  explicit TShownGrid(int Width = 300, int Height = 200) {
    Form.SetClientWidth(Width + 40);
    Form.SetClientHeight(Height + 40);
    Grid = new TPlexStringGrid(&Form);
    Grid->SetParent(&Form);
    Grid->SetBounds(10, 10, Width, Height);
    Form.Show();
    QApplication::processEvents();
  }
};

WPARAM ScrollWParam(int Code, int Pos = 0) { return WPARAM(Code) | (WPARAM(Pos) << 16); }

void Shoot(QWidget* Widget, const char* Name) {
  if (const char* shots = std::getenv("QUILLORE_SHOTS")) {
    QApplication::processEvents();
    SaveWidgetScreenshot(Widget, QString(shots) + "/" + Name);
  }
}

// Ten columns of Width each, no lines, no fixed column: the layout the sums read plainly.
void PlainColumns(TPlexStringGrid& g, int Count, int Width) {
  g.SetGridLineWidth(0);
  g.SetFixedCols(0);
  g.SetColCount(Count);
  for (int c = 0; c < Count; ++c) g.SetColWidths(c, Width);
}

}  // namespace

TEST(PlexStringGridScroll, ProportionalHorizontalThumb) {
  struct Case {
    const char* Name;
    int Columns, Width;
    bool Changes;
    int Max, Page;
  };
  const Case cases[] = {
      {"all columns fit (r >= 0.9999)", 4, 60, false, 0, 0},
      {"half of the columns shown (r = 0.5)", 10, 60, true, 255, 129},
      {"fewer than 5 pixels to scroll", 3, 101, false, 0, 0},
  };
  for (const Case& c : cases) {
    TShownGrid s(300, 200);
    TPlexStringGrid& g = *s.Grid;
    PlainColumns(g, c.Columns, c.Width);
    const TScrollInfo before = g.GetScrollInfo(SB_HORZ);
    g.SetScrollProportional(true);
    const TScrollInfo after = g.GetScrollInfo(SB_HORZ);
    if (!c.Changes) {
      EXPECT_EQ(after, before) << c.Name;
      continue;
    }
    EXPECT_EQ(after.Max, c.Max) << c.Name;
    EXPECT_EQ(after.Page, c.Page) << c.Name;
    // The highest position stays on the 0..127 scale the grid maps to columns.
    TScrollInfo last = after;
    last.Pos = 1000;
    g.SetScrollInfo(SB_HORZ, last, true);
    EXPECT_EQ(g.GetScrollInfo(SB_HORZ).Pos, 127) << c.Name;
    QScrollBar* bar = nullptr;
    for (QScrollBar* b : g.Widget()->findChildren<QScrollBar*>())
      if (b->orientation() == Qt::Horizontal) bar = b;
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->maximum(), 127) << c.Name;
    EXPECT_EQ(bar->pageStep(), 129) << c.Name;
  }
}

TEST(PlexStringGridScroll, ProportionalUpdateHidesAHorizontalBarThatOnlyTheVerticalOneMadeNeeded) {
  for (const TScrollBarAlways always : {saNone, saHorz}) {
    SCOPED_TRACE(always);
    TShownGrid s(300, 200);
    TPlexStringGrid& g = *s.Grid;
    g.SetRowCount(40);
    g.SetFixedCols(0);
    g.SetColCount(21);
    // 294 pixels of columns: narrower than the grid, wider than the room beside the vertical bar.
    for (int c = 0; c < 21; ++c) g.SetColWidths(c, 14);
    g.SetScrollBarAlways(always);
    ASSERT_TRUE(g.VertScrollBarShown());
    ASSERT_TRUE(g.HorzScrollBarShown());
    const int clientHeight = g.ClientHeight();
    g.SetScrollProportional(true);
    EXPECT_EQ(g.HorzScrollBarShown(), always == saHorz);
    EXPECT_EQ(g.ClientHeight() > clientHeight, always != saHorz);
  }
}

TEST(PlexStringGridScroll, ProportionalThumbsPicture) {
  TShownGrid s(300, 200);
  TPlexStringGrid& g = *s.Grid;
  g.SetColCount(10);
  g.SetRowCount(40);
  for (int r = 0; r < 40; ++r) g.SetCellEx(1, r, QString("row %1").arg(r));
  g.SetScrollProportional(true);
  EXPECT_GT(g.GetScrollInfo(SB_VERT).Page, 0);
  EXPECT_GT(g.GetScrollInfo(SB_HORZ).Page, 0);
  Shoot(s.Form.Widget(), "grid_proportional_thumbs.png");
}

namespace {

// Three columns of 56 and four rows of 20, the lines drawn inside the cells: 168 x 80 pixels of
// cells, so a 176 x 86 grid needs no bar; one that once was smaller must not keep its bars then.
void SmallTable(TPlexStringGrid& g) {
  g.SetColCount(3);
  g.SetRowCount(4);
  g.SetDefaultColWidth(56);
  g.SetDefaultRowHeight(20);
}

int BarThickness(TPlexStringGrid& g, Qt::Orientation Orientation) {
  for (QScrollBar* b : g.Widget()->findChildren<QScrollBar*>())
    if (b->orientation() == Orientation)
      return Orientation == Qt::Vertical ? b->sizeHint().width() : b->sizeHint().height();
  return 0;
}

}  // namespace

TEST(PlexStringGridScroll, BarsFollowWhetherTheCellsFitInTheRoomTheyLeave) {
  struct Case {
    const char* Name;
    TScrollStyle Bars;
    TScrollBarAlways Always;
    bool Proportional;
    int Width, Height;
    bool Horz, Vert;
    bool HorzEnabled, VertEnabled;  // read only where the bar shows
  };
  const Case cases[] = {
      {"fits", ssBoth, saNone, false, 176, 86, false, false, false, false},
      {"fits, proportional", ssBoth, saNone, true, 176, 86, false, false, false, false},
      {"fits, vertical bars only", ssVertical, saNone, false, 176, 86, false, false, false, false},
      {"fits, horizontal bars only", ssHorizontal, saNone, false, 176, 86, false, false, false, false},
      {"a column short", ssBoth, saNone, false, 167, 86, true, true, true, true},
      {"a column short, proportional", ssBoth, saNone, true, 160, 86, true, true, true, true},
      {"a column short, no horizontal bar allowed", ssVertical, saNone, false, 167, 86, false, false, false, false},
      {"a column short, no vertical bar allowed", ssHorizontal, saNone, false, 167, 86, true, false, true, false},
      {"a row short, no vertical bar allowed", ssHorizontal, saNone, false, 176, 79, false, false, false, false},
      // A bar kept up though nothing scrolls takes room, and then may have something to scroll.
      {"fits with room, both kept", ssBoth, saBoth, false, 200, 120, true, true, false, false},
      {"fits with room, vertical kept", ssBoth, saVert, false, 200, 120, false, true, false, false},
      {"fits with room, horizontal kept", ssBoth, saHorz, true, 200, 120, true, false, false, false},
      {"fits only without bars, vertical kept", ssBoth, saVert, false, 176, 86, true, true, true, true},
      {"fits only without bars, kept bars not allowed", ssNone, saBoth, false, 176, 86, false, false, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    TShownGrid s(100, 50);
    TPlexStringGrid& g = *s.Grid;
    g.SetScrollBars(c.Bars);
    SmallTable(g);
    g.SetScrollBarAlways(c.Always);
    g.SetScrollProportional(c.Proportional);
    g.SetBounds(10, 10, c.Width, c.Height);
    QApplication::processEvents();
    EXPECT_EQ(g.HorzScrollBarShown(), c.Horz);
    EXPECT_EQ(g.VertScrollBarShown(), c.Vert);
    if (c.Horz) {
      EXPECT_EQ(g.HorzScrollBarEnabled(), c.HorzEnabled);
    }
    if (c.Vert) {
      EXPECT_EQ(g.VertScrollBarEnabled(), c.VertEnabled);
    }
    EXPECT_EQ(g.ClientWidth(), c.Width - (c.Vert ? BarThickness(g, Qt::Vertical) : 0));
    EXPECT_EQ(g.ClientHeight(), c.Height - (c.Horz ? BarThickness(g, Qt::Horizontal) : 0));
    if (c.Horz || c.Vert || c.Width < 168 || c.Height < 80) continue;
    // Nothing to scroll: the last cell is reached without moving the header row or column.
    g.SetCol(2);
    g.SetRow(3);
    EXPECT_EQ(g.TopRow(), g.FixedRows());
    EXPECT_EQ(g.LeftCol(), g.FixedCols());
  }
}

// The window is sized from outside, as by a drag of its corner: the grid filling it loses
// its bars once its cells fit and gets them back when they no longer do.
TEST(PlexStringGridScroll, ResizingTheFormTakesTheBarsAwayAndBringsThemBack) {
  TForm form(nullptr);
  form.SetBorderStyle(bsSizeable);
  form.SetClientWidth(120);
  form.SetClientHeight(60);
  auto* g = new TPlexStringGrid(&form);
  g->SetParent(&form);
  g->SetAlign(alClient);
  g->SetScrollBars(ssBoth);
  SmallTable(*g);
  for (int c = 0; c < 3; ++c) g->SetCells(c, 0, QString("Head %1").arg(c));
  for (int r = 1; r < 4; ++r) g->SetCells(0, r, QString("Row %1").arg(r));
  g->SetCells(2, 3, "last");
  form.Show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(form.Widget()));
  const struct {
    int Width, Height;
    bool Bars;
    const char* Shot;
  } steps[] = {
      {120, 60, true, "grid_resize_small.png"},
      {176, 86, false, "grid_resize_fits.png"},
      {167, 86, true, "grid_resize_a_column_short.png"},
      {176, 86, false, nullptr},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(step.Width);
    form.Widget()->resize(step.Width, step.Height);
    QApplication::processEvents();
    ASSERT_EQ(g->Width(), step.Width);
    ASSERT_EQ(g->Height(), step.Height);
    EXPECT_EQ(g->HorzScrollBarShown(), step.Bars);
    EXPECT_EQ(g->VertScrollBarShown(), step.Bars);
    if (step.Bars) {
      if (step.Shot) Shoot(form.Widget(), step.Shot);
      continue;
    }
    // Selecting the last cell keeps the header row and column in view.
    g->SetSelection(TGridRect{2, 3, 2, 3});
    QApplication::processEvents();
    EXPECT_EQ(g->TopRow(), 1);
    EXPECT_EQ(g->LeftCol(), 1);
    if (step.Shot) Shoot(form.Widget(), step.Shot);
  }
}

TEST(PlexStringGridScroll, ThumbScaleReachesFirstAndLastTopRowOfALargeGrid) {
  TShownGrid s;
  TPlexStringGrid& g = *s.Grid;
  g.SetRowCount(1000);
  const int last = g.RowCount() - g.VisibleRowCount();
  g.Perform(WM_VSCROLL, ScrollWParam(SB_THUMBPOSITION, 127));
  EXPECT_EQ(g.TopRow(), last);
  g.Perform(WM_VSCROLL, ScrollWParam(SB_THUMBPOSITION, 0));
  EXPECT_EQ(g.TopRow(), g.FixedRows());
}

TEST(PlexStringGridScroll, ThumbTrackingMovesOnlyWithScrollSynch) {
  for (bool synch : {false, true}) {
    TShownGrid s;
    TPlexStringGrid& g = *s.Grid;
    g.SetRowCount(1000);
    g.ScrollSynch = synch;
    const int reached = (64 * (g.RowCount() - g.VisibleRowCount() - g.FixedRows()) + 63) / 127 + g.FixedRows();
    g.Perform(WM_VSCROLL, ScrollWParam(SB_THUMBTRACK, 64));
    EXPECT_EQ(g.TopRow(), synch ? reached : g.FixedRows()) << synch;
  }
}

TEST(PlexStringGridScroll, ScrollHintFollowsTheThumbAndGoesAtTheEnd) {
  TShownGrid s;
  TPlexStringGrid& g = *s.Grid;
  g.SetRowCount(1000);
  g.SetScrollHints(shVertical);
  g.Perform(WM_HSCROLL, ScrollWParam(SB_THUMBTRACK, 64));
  EXPECT_EQ(g.ScrollHintWindow(), nullptr) << "vertical hints only";
  g.Perform(WM_VSCROLL, ScrollWParam(SB_THUMBTRACK, 127));
  ASSERT_NE(g.ScrollHintWindow(), nullptr);
  EXPECT_TRUE(g.ScrollHintShown());
  EXPECT_EQ(g.ScrollHintWindow()->HintText(), QString("Row : %1").arg(g.RowCount() - g.VisibleRowCount()));
  EXPECT_LE(g.ScrollHintWindow()->HintRect().Width(), 100 + 6);
  Shoot(g.ScrollHintWindow()->Widget(), "grid_scroll_hint.png");

  g.OnScrollHint = [](TObject*, int ARow, QString& Hint) { Hint = QString("Up to %1").arg(ARow); };
  g.Perform(WM_VSCROLL, ScrollWParam(SB_THUMBTRACK, 0));
  EXPECT_EQ(g.ScrollHintWindow()->HintText(), QString("Up to %1").arg(g.FixedRows()));
  g.Perform(WM_VSCROLL, ScrollWParam(SB_ENDSCROLL));
  EXPECT_FALSE(g.ScrollHintShown());
  EXPECT_FALSE(g.ScrollHintWindow()->HintShown());
}

TEST(PlexStringGridScroll, MetroBarsReplaceTheWindowBarsAndGoBack) {
  TShownGrid s;
  TPlexStringGrid& g = *s.Grid;
  g.SetRowCount(60);
  g.SetColCount(12);
  g.SetScrollType(ssMetro);
  EXPECT_EQ(g.ScrollBars(), ssNone);
  ASSERT_NE(g.VertScrollControl(), nullptr);
  ASSERT_NE(g.HorzScrollControl(), nullptr);
  EXPECT_EQ(g.VertScrollControl()->Width(), 6);
  EXPECT_EQ(g.HorzScrollControl()->Height(), 6);
  EXPECT_TRUE(g.VertScrollControl()->Visible());
  g.SetTopRow(20);
  Shoot(s.Form.Widget(), "grid_metro_bars.png");
  g.SetScrollType(ssNormal);
  EXPECT_EQ(g.ScrollBars(), ssBoth);
  EXPECT_EQ(g.VertScrollControl(), nullptr);
  EXPECT_EQ(g.HorzScrollControl(), nullptr);
}

TEST(PlexStringGridScroll, MetroThumbIsLongEnoughAndStaysOnItsBar) {
  struct Case {
    int Rows;
    bool Last;
  };
  for (const Case c : {Case{1000, false}, Case{1000, true}, Case{30, true}, Case{12, false}}) {
    TShownGrid s;
    TPlexStringGrid& g = *s.Grid;
    g.SetRowCount(c.Rows);
    g.SetScrollType(ssMetro);
    if (c.Last) g.SetTopRow(g.RowCount() - g.VisibleRowCount());
    int start = 0, size = 0;
    ASSERT_TRUE(g.VertScrollControl()->ThumbExtent(start, size));
    EXPECT_GE(size, 20) << c.Rows;
    EXPECT_LE(start + size, g.VertScrollControl()->Height()) << c.Rows;
    EXPECT_GE(start, 0) << c.Rows;
  }
}

TEST(PlexStringGridScroll, MetroBarPagesAndDragsTheGrid) {
  TShownGrid s;
  TPlexStringGrid& g = *s.Grid;
  g.SetRowCount(200);
  g.SetScrollType(ssMetro);
  TScrollControl* bar = g.VertScrollControl();
  int start = 0, size = 0;
  bar->ThumbExtent(start, size);
  const int page = g.VisibleRowCount();
  QTest::mouseClick(bar->Widget(), Qt::LeftButton, {}, QPoint(3, bar->Height() - 2));
  EXPECT_EQ(g.TopRow(), g.FixedRows() + page);
  bar->ThumbExtent(start, size);
  QTest::mousePress(bar->Widget(), Qt::LeftButton, {}, QPoint(3, start + 2));
  EXPECT_TRUE(bar->Dragging());
  QTest::mouseMove(bar->Widget(), QPoint(3, bar->Height() - 1));
  QTest::mouseRelease(bar->Widget(), Qt::LeftButton, {}, QPoint(3, bar->Height() - 1));
  EXPECT_FALSE(bar->Dragging());
  EXPECT_EQ(g.TopRow(), g.RowCount() - g.VisibleRowCount());
}

TEST(PlexStringGridScroll, SearchFooterStopsLineDownOnceTheLastRowIsAbovePanel) {
  TShownGrid s;
  TPlexStringGrid& g = *s.Grid;
  g.SetRowCount(30);
  g.SearchFooter().SetVisible(true);
  // The panel itself is laid out by the search feature; here it only needs its height.
  g.SearchPanel()->SetHeight(32);
  g.SearchPanel()->SetVisible(true);
  QApplication::processEvents();
  int swallowed = 0;
  for (int i = 0; i < 60; ++i)
    if (g.Perform(WM_VSCROLL, ScrollWParam(SB_LINEDOWN)) == 1) ++swallowed;
  EXPECT_GT(swallowed, 0);
  EXPECT_TRUE(g.IsLastRowAboveSearchFooter());
  const int top = g.TopRow();
  g.Perform(WM_VSCROLL, ScrollWParam(SB_LINEDOWN));
  EXPECT_EQ(g.TopRow(), top);
}

TEST(PlexStringGridScroll, CellScrollBarMovesTheCellNotTheGrid) {
  TShownGrid s;
  TPlexStringGrid& g = *s.Grid;
  g.SetRowCount(40);
  g.SetRowHeights(2, 60);
  g.AddScrollBar(1, 2, false);
  g.SetScrollProp(1, 2, TScrollProp{20, 200});
  std::vector<QString> log;
  g.OnScrollCell = [&](TObject*, int ACol, int ARow, int Pos, int Min, int Max) {
    log.push_back(QString("%1,%2 %3 %4..%5").arg(ACol).arg(ARow).arg(Pos).arg(Min).arg(Max));
  };
  g.ServeCellScrollBar(1, 2);
  TScrollBar* bar = g.CellScrollBar();
  ASSERT_TRUE(bar->Visible());
  EXPECT_EQ(bar->Width(), 17);
  struct Step {
    int Code, Pos, Expected;
  };
  for (const Step st : {Step{SB_LINEDOWN, 0, 10}, Step{SB_PAGEDOWN, 0, 110}, Step{SB_THUMBTRACK, 150, 150},
                        Step{SB_PAGEDOWN, 0, 200}, Step{SB_LINEUP, 0, 190}, Step{SB_PAGEUP, 0, 90}}) {
    bar->Scroll(st.Code, st.Pos);
    EXPECT_EQ(bar->Position(), st.Expected) << st.Code;
    EXPECT_EQ(g.GetScrollPosition(1, 2), st.Expected) << st.Code;
  }
  EXPECT_EQ(g.TopRow(), g.FixedRows());
  ASSERT_EQ(log.size(), 6u);
  EXPECT_EQ(log[0], "1,2 10 0..200");
  g.ServeCellScrollBar(2, 2);
  EXPECT_FALSE(bar->Visible());
}

TEST(PlexStringGridScroll, FlatBarsGoThroughTheirEntryPoints) {
  std::vector<QString> calls;
  TFlatScrollEntryPoints& table = FlatScrollEntryPoints();
  const TFlatScrollEntryPoints saved = table;
  {
    // Without the library nothing is asked and the normal bars stay.
    TShownGrid s;
    s.Grid->SetScrollType(ssFlat);
    EXPECT_FALSE(s.Grid->IsFlat());
  }
  table.InitializeFlatSB = [&](TWinControl*) { calls.push_back("init"); };
  table.UninitializeFlatSB = [&](TWinControl*) { calls.push_back("done"); };
  table.FlatSB_SetScrollProp = [&](TWinControl*, int Index, int Value, bool) {
    calls.push_back(QString("prop %1=%2").arg(Index, 0, 16).arg(Value));
  };
  table.FlatSB_ShowScrollBar = [&](TWinControl*, int Bar, bool Show) {
    calls.push_back(QString("show %1 %2").arg(Bar).arg(Show));
  };
  table.FlatSB_SetScrollInfo = [&](TWinControl*, int Bar, const TScrollInfo&, bool) {
    calls.push_back(QString("info %1").arg(Bar));
  };
  {
    TShownGrid s;
    TPlexStringGrid& g = *s.Grid;
    g.SetRowCount(100);
    g.SetScrollWidth(16);
    g.SetScrollColor(clRed);
    EXPECT_TRUE(calls.empty()) << "normal bars ignore width and colour";
    g.SetScrollBars(ssVertical);
    g.SetScrollType(ssEncarta);
    EXPECT_TRUE(g.IsFlat());
    const std::vector<QString> expected = {"init",        "prop 100=1", "prop 200=1", "prop 40=255",
                                           "prop 80=255", "prop 8=16",  "prop 4=16",  "show 1 1",
                                           "info 1",      "prop 100=1", "prop 200=1"};
    EXPECT_EQ(calls, expected);
    calls.clear();
    g.SetScrollType(ssNormal);
    EXPECT_FALSE(g.IsFlat());
    EXPECT_EQ(calls, std::vector<QString>{"done"});
  }
  table = saved;
}

namespace {

// Two grids side by side on one form, each keeping the other in step.
struct TSyncedPair {
  TForm Form{nullptr};
  TPlexStringGrid* A;
  TPlexStringGrid* B;
  TSyncedPair() {
    Form.SetClientWidth(640);
    Form.SetClientHeight(240);
    A = new TPlexStringGrid(&Form);
    B = new TPlexStringGrid(&Form);
    int left = 10;
    for (TPlexStringGrid* g : {A, B}) {
      g->SetParent(&Form);
      g->SetBounds(left, 10, 300, 200);
      g->SetRowCount(30);
      left += 310;
    }
    Follow(*A, *B);
    Follow(*B, *A);
    Form.Show();
    QApplication::processEvents();
  }
  static void Follow(TPlexStringGrid& Grid, TPlexStringGrid& Other) {
    Grid.SyncGrid().SetGrid(&Other);
    Grid.SyncGrid().SelectionColumn = true;
    Grid.SyncGrid().SelectionRow = true;
    Grid.SyncGrid().ScrollVertical = true;
    Grid.SyncGrid().ScrollHorizontal = true;
  }
};

}  // namespace

TEST(PlexStringGridScroll, AFreedSynchronisedGridIsLetGo) {
  TSyncedPair p;
  p.A->SetFocus();
  QTest::keyClick(p.A->Widget(), Qt::Key_Right);
  QTest::keyClick(p.A->Widget(), Qt::Key_Down);
  EXPECT_EQ(p.B->Col(), 2);
  EXPECT_EQ(p.B->Row(), 2);

  delete p.B;
  EXPECT_EQ(p.A->SyncGrid().Grid(), nullptr);
  for (Qt::Key key : {Qt::Key_Right, Qt::Key_Down, Qt::Key_PageDown, Qt::Key_End}) QTest::keyClick(p.A->Widget(), key);
  p.A->SetCol(1);
  p.A->SetTopRow(5);
  EXPECT_EQ(p.A->Col(), 1);
  EXPECT_EQ(p.A->TopRow(), 5);
}

TEST(PlexStringGridScroll, AFormWithSynchronisedGridsClosesFromItsCloseBox) {
  auto p = std::make_unique<TSyncedPair>();
  p->Form.Hide();
  QTimer::singleShot(0, [&] {
    p->B->SetFocus();
    QTest::keyClick(p->B->Widget(), Qt::Key_Down);
    QTest::keyClick(p->B->Widget(), Qt::Key_Right);
    p->Form.Widget()->close();
  });
  EXPECT_EQ(p->Form.ShowModal(), mrCancel);
  EXPECT_EQ(p->A->Row(), 2);
  EXPECT_EQ(p->A->Col(), 2);
  p.reset();
}
