// Cell hints as the application's hint mechanism shows them over a shown
// grid, the hint window of mini-HTML and wide hints, and balloon tooltips.
#include "grid/core/PlexStringGrid.h"

#include "EditorFormFixture.h"
#include "grid/core/HTMLHintWindow.h"
#include "grid/editing/BalloonSettings.h"
#include "grid/foundation/TextRoutines.h"
#include "platform/HintWindow.h"
#include "platform/Screenshot.h"
#include "platform/Timers.h"
#include "platform/ToolTips.h"

#include <QCursor>

#include <cstdlib>
#include <string>

namespace {

struct HintGrid : EditorFormFixture {
  TPlexStringGrid* Grid = nullptr;

  void TearDown() override {
    AppHints().Reset();
    SetMonitorRects({});
  }
  void MakeGrid() {
    Grid = Make<TPlexStringGrid>(0, 0, 380, 200);
    Grid->SetColCount(5);
    Grid->SetRowCount(5);
    for (int c = 0; c < 5; ++c) Grid->SetColWidths(c, 60);
    for (int r = 0; r < 5; ++r) Grid->SetRowHeights(r, 24);
    Grid->SetShowHint(true);
    ShowForm(400, 220);
  }
  TPoint ScreenAt(int c, int r) const {
    const TRect cell = Grid->CellRect(c, r);
    return Grid->ClientToScreen(TPoint((cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2));
  }
  // The hint the application shows after the pause over the cell; empty when none.
  QString HintOver(int c, int r) {
    AppHints().ActivateHint(ScreenAt(c, r));
    return AppHints().HintShown() ? AppHints().HintWindow()->HintText() : QString();
  }
};

TEST_F(HintGrid, HeaderHintsFromTheFormAndNormalCellsTheirOwnText) {
  MakeGrid();
  Grid->HintShowCells = true;
  Grid->OnGridHint = [](TObject*, int r, int c, QString& hint) {
    if (r == 0 && c > 0) hint = QString("Header %1").arg(c);
  };
  Grid->SetCells(2, 0, "Speed");
  Grid->SetCells(2, 2, "fast");
  Grid->SetCells(3, 3, "<b>slow</b>");
  EXPECT_EQ(HintOver(2, 0), "Header 2");
  EXPECT_EQ(HintOver(2, 2), "fast");
  // Tags are stripped unless HTMLHint asks for them.
  EXPECT_EQ(HintOver(3, 3), "slow");
  EXPECT_EQ(Grid->LastHintPos(), TPoint(3, 3));
  // The hint sits over the cell's top, at the mouse's X.
  const TRect cell = Grid->CellRect(3, 3);
  EXPECT_EQ(AppHints().HintWindow()->HintRect().Top, Grid->ClientToScreen(TPoint(0, cell.Top)).Y);
  EXPECT_EQ(HintOver(0, 2), "");
}

TEST_F(HintGrid, ACellsHintWaitsTheHintPauseAgainInTheNextCell) {
  TManualClockScope clock;
  MakeGrid();
  AppHints().HintPause = 400;
  Grid->HintShowCells = true;
  Grid->SetCells(2, 2, "fast");
  Grid->SetCells(3, 2, "slow");
  const auto move = [this](int c, int r) {
    const TPoint p = Grid->ScreenToClient(ScreenAt(c, r));
    QTest::mouseMove(Grid->Widget(), QPoint(p.X, p.Y));
  };
  const auto shown = [] { return AppHints().HintShown() ? AppHints().HintWindow()->HintText() : QString(); };
  move(2, 2);
  clock.Clock().Advance(399);
  EXPECT_EQ(shown(), "");
  clock.Clock().Advance(1);
  EXPECT_EQ(shown(), "fast");
  // The next cell takes the hint away and waits the pause again.
  move(3, 2);
  EXPECT_EQ(shown(), "");
  clock.Clock().Advance(399);
  EXPECT_EQ(shown(), "");
  clock.Clock().Advance(1);
  EXPECT_EQ(shown(), "slow");
  AppHints().Reset();
  AppHints().HintPause = 500;
}

TEST_F(HintGrid, LargeTextHintsOnlyWhatDoesNotFit) {
  MakeGrid();
  Grid->HintShowLargeText = true;
  Grid->SetRowHeights(2, 60);
  Grid->SetCells(2, 2, "a text of some length");
  const TSize need = Grid->GetCellTextSize(2, 2, false, false);
  struct Case {
    int Width;
    const char* Hint;
  };
  for (const Case c : {Case{need.cx, ""}, Case{need.cx - 1, "a text of some length"}}) {
    Grid->SetColWidths(2, c.Width);
    AppHints().CancelHint();
    EXPECT_EQ(HintOver(2, 2).toStdString(), c.Hint) << c.Width;
  }
  // hpCell puts the hint over the cell's top-left corner.
  const TRect cell = Grid->CellRect(2, 2);
  const TPoint corner = Grid->ClientToScreen(TPoint(cell.Left, cell.Top));
  EXPECT_EQ(AppHints().HintWindow()->HintRect().Left, corner.X);
  EXPECT_EQ(AppHints().HintWindow()->HintRect().Top, corner.Y);
}

TEST_F(HintGrid, MiniHtmlHintTakesTheHtmlWindowUnlessTheInternalClassIsOff) {
  MakeGrid();
  Grid->HintShowCells = true;
  Grid->HTMLHint = true;
  Grid->SetCells(2, 2, "<b>bold</b> text");
  for (const bool internal : {true, false}) {
    Grid->UseInternalHintClass = internal;
    EXPECT_EQ(HintOver(2, 2), "<b>bold</b> text") << internal;
    EXPECT_EQ(dynamic_cast<THTMLHintWindow*>(AppHints().HintWindow()) != nullptr, internal);
  }
}

TEST_F(HintGrid, HtmlHintWindowStaysTwoPixelsInsideTheScreen) {
  MakeGrid();
  SetMonitorRects({TRect(0, 0, 1920, 1080)});
  THTMLHintWindow w(nullptr);
  const QString hint = "<b>cw</b>=87 and more";
  const TRect text = w.CalcHintRect(1008, hint);
  struct Case {
    TPoint At;
    TPoint TopLeft;
  };
  const Case cases[] = {
      {TPoint(100, 100), TPoint(100, 100)},
      {TPoint(1900, 100), TPoint(1918 - text.Width() - 16, 100)},
      {TPoint(100, 1070), TPoint(100, 1078 - text.Height() - 4)},
  };
  for (const Case& c : cases) {
    w.ActivateHint(TRect(c.At.X, c.At.Y, c.At.X + 10, c.At.Y + 10), hint);
    EXPECT_EQ(w.HintRect().Left, c.TopLeft.X) << c.At.X << "," << c.At.Y;
    EXPECT_EQ(w.HintRect().Top, c.TopLeft.Y) << c.At.X << "," << c.At.Y;
    EXPECT_EQ(w.HintRect().Width(), text.Width() + 16);
    EXPECT_EQ(w.HintRect().Height(), text.Height() + 4);
  }
  // A wide hint is decoded and gets 8 pixels of room.
  w.ActivateHint(TRect(100, 100, 110, 110), EncodeWideText("wide"));
  EXPECT_EQ(w.WideCaption(), "wide");
  EXPECT_EQ(w.HintRect().Width(), w.CalcHintRect(1008, EncodeWideText("wide")).Width() + 8);
}

TEST_F(HintGrid, ScreenshotOfAMiniHtmlHint) {
  const char* shots = std::getenv("QUILLORE_SHOTS");
  if (!shots) GTEST_SKIP() << "QUILLORE_SHOTS names no folder";
  MakeGrid();
  THTMLHintWindow w(nullptr);
  w.SetColor(clInfoBk);
  const QString hint = "Column <b>Speed</b>: <i>rpm</i>, <font color=\"clRed\">max 3000</font>";
  TRect r = w.CalcHintRect(1008, hint);
  OffsetRect(r, 200, 200);
  w.ActivateHint(r, hint);
  QApplication::processEvents();
  SaveWidgetScreenshot(w.Widget(), QString(shots) + "/html-hint.png");
}

// ---- balloons

struct BalloonGrid : HintGrid {
  void EnableBalloons() {
    Grid->Balloon().SetEnable(true);
    ASSERT_NE(Grid->BalloonToolTip(), nullptr);
  }
  // The text the tooltip shows for the cell, asked as the tooltip asks when it pops up.
  QString BalloonOver(int c, int r) {
    QCursor::setPos(ScreenAt(c, r).X, ScreenAt(c, r).Y);
    Grid->BalloonToolTip()->Popup(ScreenAt(c, r));
    return Grid->BalloonToolTip()->Text();
  }
};

TEST_F(BalloonGrid, LongTextsAreCutWhateverGivesThem) {
  MakeGrid();
  EnableBalloons();
  const QString long3000(3000, 'x');
  const QString expected = QString(2045, 'x') + "...";
  struct Case {
    const char* Source;
    int Col;
  };
  Grid->SetCells(1, 1, long3000);
  Grid->SetCells(2, 1, "short");
  Grid->AddBalloon(3, 1, "Title", long3000, biWarning);
  Grid->OnCellBalloon = [&](TObject*, int c, int, QString&, QString& text, TBalloonIcon&) {
    if (c == 2) text = long3000;
  };
  for (const Case c : {Case{"cell", 1}, Case{"event", 2}, Case{"cell balloon", 3}}) {
    const QString shown = BalloonOver(c.Col, 1);
    EXPECT_EQ(shown.size(), 2048) << c.Source;
    EXPECT_EQ(shown, expected) << c.Source;
  }
  // A text that fits is shown whole; tabs become blanks and leading breaks go.
  Grid->SetCells(4, 1, "\r\n\ta\tb");
  EXPECT_EQ(BalloonOver(4, 1), "a b");
}

TEST_F(BalloonGrid, TitlesOverAHundredCharactersAreCut) {
  MakeGrid();
  EnableBalloons();
  Grid->SetCells(2, 2, "text");
  Grid->OnCellBalloon = [](TObject*, int, int, QString& title, QString&, TBalloonIcon& icon) {
    title = QString(150, 't');
    icon = biWarning;
  };
  BalloonOver(2, 2);
  EXPECT_EQ(Grid->BalloonToolTip()->Title(), QString(97, 't') + "...");
  EXPECT_EQ(Grid->BalloonToolTip()->TitleIcon(), int(biWarning));
  EXPECT_EQ(Grid->BalloonToolTip()->MaxTipWidth(), 300);
  EXPECT_EQ(Grid->LastBalloonPos(), TPoint(2, 2));
}

TEST_F(BalloonGrid, MovingToAnotherCellPopsTheBalloon) {
  MakeGrid();
  Grid->Balloon().Transparency = 55;
  Grid->Balloon().InitialDelay = 200;
  EnableBalloons();
  EXPECT_EQ(Grid->BalloonToolTip()->Opacity(), 200);
  EXPECT_EQ(Grid->BalloonToolTip()->DelayTime(TTDT_INITIAL), 200);
  EXPECT_EQ(Grid->BalloonToolTip()->Title(), "ToolTipText");
  Grid->SetCells(2, 2, "first");
  BalloonOver(2, 2);
  ASSERT_TRUE(Grid->BalloonToolTip()->BalloonShown());
  const TRect a = Grid->CellRect(2, 2);
  QTest::mouseMove(Grid->Widget(), QPoint(a.Left + 5, a.Top + 5));
  EXPECT_TRUE(Grid->BalloonToolTip()->BalloonShown());
  const TRect b = Grid->CellRect(3, 2);
  QTest::mouseMove(Grid->Widget(), QPoint(b.Left + 5, b.Top + 5));
  EXPECT_FALSE(Grid->BalloonToolTip()->BalloonShown());
  EXPECT_EQ(Grid->LastBalloonPos(), TPoint(-1, -1));
  Grid->Balloon().SetEnable(false);
  EXPECT_EQ(Grid->BalloonToolTip(), nullptr);
}

}  // namespace
