// The grid's window procedure: the posted end of an edit, the editors'
// notifications, panning, the wheel, zooming and update locking.
#include "grid/core/PlexStringGrid.h"

#include "grid/core/ColumnSize.h"
#include "grid/core/PlexGridUnit.h"
#include "grid/editing/GridCombo.h"
#include "platform/ControlMessages.h"
#include "platform/Forms.h"
#include "platform/NoActiveForm.h"
#include "platform/PopupWindows.h"
#include "platform/ResourceCursors.h"
#include "platform/Screenshot.h"
#include "platform/StdCtrls.h"
#include "platform/SystemMetrics.h"
#include "platform/Themes.h"
#include "platform/Timers.h"
#include "platform/WindowHandles.h"

#include <QApplication>
#include <QCursor>
#include <QLineEdit>
#include <QPaintEvent>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

namespace {

// A grid on a shown form, as the program's tables are.
struct TShownGrid {
  TForm Form{nullptr};
  TPlexStringGrid* Grid;
  TShownGrid() {
    Form.SetClientWidth(500);
    Form.SetClientHeight(400);
    Grid = new TPlexStringGrid(&Form);
    Grid->SetParent(&Form);
    Form.Show();
    QApplication::processEvents();
  }
};

// Counts the paints a widget receives and the region of the last one.
class TPaintCounter : public QObject {
public:
  explicit TPaintCounter(QWidget* w) { w->installEventFilter(this); }
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) {
      ++Count;
      Region = static_cast<QPaintEvent*>(e)->region();
    }
    return false;
  }
  int Count = 0;
  QRegion Region;
};

TEST(PlexStringGridMessages, EditDoneArrivesAfterThePostingHandlerReturned) {
  TPlexStringGrid g(nullptr);
  const UINT id = PlexGridUnitState().GridEditDoneMessage;
  ASSERT_NE(id, 0u);
  std::vector<std::pair<int, int>> done;
  g.OnEditCellDone = [&done](TObject*, int c, int r) { done.push_back({c, r}); };
  g.OnClick = [&](TObject*) {
    PostMessage(&g, id, 3, 5);
    EXPECT_TRUE(done.empty());
  };
  g.SetCol(2);  // a current-cell move clicks
  EXPECT_TRUE(done.empty());
  QApplication::processEvents();
  EXPECT_EQ(done, (std::vector<std::pair<int, int>>{{3, 5}}));
}

TEST(PlexStringGridMessages, EditDoneEndsEditingWhenOnlyADoubleClickMayEdit) {
  TPlexStringGrid g(nullptr);
  TGridOptions options = g.Options();
  options.Include(goEditing);
  g.SetOptions(options);
  g.MouseActions().SetEditOnDblClickOnly(true);
  g.Perform(PlexGridUnitState().GridEditDoneMessage, 1, 1);
  EXPECT_FALSE(g.Options().Contains(goEditing));
}

// A control that counts the notifications its parent sends back to it.
class TReflectedEdit : public TEdit {
public:
  using TEdit::TEdit;
  int Changes = 0;
  int Commands = 0;

protected:
  void DefaultHandler(TMessage& m) override {
    if (m.Msg == CN_COMMAND) {
      ++Commands;
      if ((unsigned(m.WParam) >> 16) == EN_CHANGE) ++Changes;
      return;
    }
    TEdit::DefaultHandler(m);
  }
};

// Every command comes back to its control once, with or without the typed
// text shown in the cell, so one keystroke is one change.
TEST(PlexStringGridMessages, EveryCommandReachesItsControlOnce) {
  for (bool showProcess : {false, true}) {
    TPlexStringGrid g(nullptr);
    g.ShowEditProcess = showProcess;
    auto* edit = new TReflectedEdit(&g);
    edit->SetParent(&g);
    const LPARAM handle = LPARAM(WindowHandle(edit));
    SendMessage(&g, WM_COMMAND, MakeWParam(0, EN_CHANGE), handle);
    EXPECT_EQ(edit->Changes, 1) << showProcess;
    SendMessage(&g, WM_COMMAND, MakeWParam(0, CBN_DROPDOWN), handle);
    EXPECT_EQ(edit->Commands, 2) << showProcess;
  }
}

TEST(PlexStringGridMessages, ComboNotificationsBecomeGridEvents) {
  TPlexStringGrid g(nullptr);
  ASSERT_NE(g.ComboEditor(), nullptr);
  g.SetCol(2);
  g.SetRow(4);
  std::vector<QString> log;
  g.OnComboDropDown = [&log](TObject*, int r, int c) { log.push_back(QString("drop %1,%2").arg(r).arg(c)); };
  g.OnComboCloseUp = [&log](TObject*, int r, int c) { log.push_back(QString("close %1,%2").arg(r).arg(c)); };
  g.OnComboChange = [&log](TObject*, int c, int r, int i, const QString& s) {
    log.push_back(QString("change %1,%2 %3 %4").arg(c).arg(r).arg(i).arg(s));
  };
  g.ComboEditor()->SetText("typed");
  const LPARAM combo = LPARAM(WindowHandle(g.ComboEditor()));
  SendMessage(&g, WM_COMMAND, MakeWParam(0, CBN_DROPDOWN), combo);
  SendMessage(&g, WM_COMMAND, MakeWParam(0, CBN_CLOSEUP), combo);
  SendMessage(&g, WM_COMMAND, MakeWParam(0, CBN_EDITCHANGE), combo);
  EXPECT_EQ(log, (std::vector<QString>{"drop 4,2", "close 4,2", "change 2,4 -1 typed"}));
}

TEST(PlexStringGridMessages, PanningFollowsTheMouseOnTheClock) {
  TManualClockScope clock;
  TShownGrid s;
  TPlexStringGrid& g = *s.Grid;
  g.IntelliPan = ipBoth;
  g.Perform(WM_MBUTTONDOWN, 0, MakeLParam(100, 100));
  ASSERT_TRUE(g.Panning());
  EXPECT_EQ(g.PanCursor(), crPanNeutral);
  const struct {
    int Dx, Dy, Cursor;
  } moves[] = {{-20, -20, crPanUpLeft}, {3, -3, crPanNeutral}, {0, 20, crPanDown}, {20, -20, crPanUpRight}};
  for (const auto& m : moves) {
    const TPoint at = g.ClientToScreen(TPoint(100 + m.Dx, 100 + m.Dy));
    QCursor::setPos(at.X, at.Y);
    clock.Clock().Advance(10);
    EXPECT_EQ(g.PanCursor(), m.Cursor) << m.Dx << "," << m.Dy;
  }
  g.Perform(WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_FALSE(g.Panning());
  EXPECT_EQ(clock.Clock().ActiveCount(), 1);  // only the grid's own timer runs on
}

TEST(PlexStringGridMessages, PanningOnlyWithRowsBelowTheFixedOnesAndWhenAllowed) {
  TPlexStringGrid g(nullptr);
  g.IntelliPan = ipNone;
  g.Perform(WM_MBUTTONDOWN, 0, MakeLParam(10, 10));
  EXPECT_FALSE(g.Panning());
  g.IntelliPan = ipVertical;
  g.FixedRowAlways = true;
  g.SetRowCount(1);
  g.Perform(WM_MBUTTONDOWN, 0, MakeLParam(10, 10));
  EXPECT_FALSE(g.Panning());
}

WPARAM Notch(int Delta, int Keys = 0) { return MakeWParam(unsigned(Keys), unsigned(uint16_t(int16_t(Delta)))); }

TEST(PlexStringGridMessages, WheelMovesTheRowByTheLineCountUpToTheFooters) {
  TPlexStringGrid g(nullptr);
  ASSERT_EQ(g.WheelScrollLines(), 3);
  g.SetFixedFooters(1);
  EXPECT_EQ(g.Row(), 1);
  g.Perform(WM_MOUSEWHEEL, Notch(-120), 0);
  EXPECT_EQ(g.Row(), 4);
  g.Perform(WM_MOUSEWHEEL, Notch(-120), 0);
  g.Perform(WM_MOUSEWHEEL, Notch(-120), 0);
  EXPECT_EQ(g.Row(), 8);  // RowCount - FixedFooters - 1
  g.Perform(WM_MOUSEWHEEL, Notch(120), 0);
  EXPECT_EQ(g.Row(), 5);
}

// A refused row makes the wheel go half the way, halves to the even row.
TEST(PlexStringGridMessages, RefusedWheelMoveGoesHalfWay) {
  // A grid without a parent lets every move through; this one sits on a form.
  TForm form(nullptr);
  TPlexStringGrid g(nullptr);
  g.SetParent(&form);
  g.MouseActions().WheelIncrement = 5;
  g.OnSelectCell = [](TObject*, int, int r, bool& can) { can = r != 6; };
  g.Perform(WM_MOUSEWHEEL, Notch(-120), 0);
  EXPECT_EQ(g.Row(), 3);  // 1 + 2.5 rounded to even
}

TEST(PlexStringGridMessages, WheelSwallowedWhenOff) {
  TPlexStringGrid g(nullptr);
  g.EnableWheel = false;
  g.Perform(WM_MOUSEWHEEL, Notch(-120), 0);
  EXPECT_EQ(g.Row(), 1);
}

TEST(PlexStringGridMessages, CtrlWheelZoomsAndZoomStopsAtTen) {
  TPlexStringGrid g(nullptr);
  const int width = g.ColWidths(1);
  const int height = g.RowHeights(1);
  g.Zoom(5);
  g.Zoom(5);
  g.Zoom(1);
  EXPECT_EQ(g.ZoomFactor, 10);
  EXPECT_EQ(g.ColWidths(1), width + 10);
  EXPECT_EQ(g.RowHeights(1), height + 10);
  g.Perform(WM_MOUSEWHEEL, Notch(120, 0x0008), 0);  // Ctrl: zoom out by the line count
  EXPECT_EQ(g.ZoomFactor, 7);
  EXPECT_EQ(g.Row(), 1);
}

TEST(PlexStringGridMessages, CtrlWheelSizesTheCellsToTheZoomedTextAndKeepsEmptyColumns) {
  TPlexStringGrid g(nullptr);
  g.SetCells(1, 1, "a text far wider than the column it stands in");
  const int emptyWidth = g.ColWidths(2);
  const int fixedWidth = g.ColWidths(0);
  const int height = g.RowHeights(1);
  g.Perform(WM_MOUSEWHEEL, Notch(-120, 0x0008), 0);  // Ctrl, towards the user: zoom in by the line count
  ASSERT_EQ(g.ZoomFactor, 3);
  EXPECT_GE(g.ColWidths(1), g.GetCellTextSize(1, 1, false, false).cx + g.GetHorzTextPadding());
  EXPECT_EQ(g.ColWidths(2), emptyWidth + 3);
  EXPECT_EQ(g.ColWidths(0), fixedWidth + 3);
  EXPECT_GE(g.RowHeights(1), height + 3);
  EXPECT_FALSE(g.SizeGrowOnly);
}

TEST(PlexStringGridMessages, PaintsUpdateTheProportionalThumbsOfAGridWithTabStopOnly) {
  for (const bool tabStop : {true, false}) {
    SCOPED_TRACE(tabStop);
    TShownGrid s;
    TPlexStringGrid& g = *s.Grid;
    g.SetTabStop(tabStop);
    g.SetBounds(0, 0, 300, 200);
    g.SetGridLineWidth(0);
    g.SetFixedCols(0);
    g.SetColCount(10);
    for (int c = 0; c < 10; ++c) g.SetColWidths(c, 60);
    g.SetScrollProportional(true);
    g.Repaint();
    ASSERT_EQ(g.GetScrollInfo(SB_HORZ).Max, 255);  // half of the columns shown
    // Narrower columns leave the thumb as it was until something updates it.
    for (int c = 0; c < 10; ++c) g.SetColWidths(c, 40);
    ASSERT_EQ(g.GetScrollInfo(SB_HORZ).Max, 255);
    g.Repaint();
    // Three quarters shown: (127 + 0.75) / 0.25.
    EXPECT_EQ(g.GetScrollInfo(SB_HORZ).Max, tabStop ? 511 : 255);
  }
}

// The form activating the grid when it takes the focus updates the thumbs,
// also for a grid whose paints no longer do.
TEST(PlexStringGridMessages, TheFormActivatingTheGridUpdatesTheProportionalThumbs) {
  TShownGrid s;
  TPlexStringGrid& g = *s.Grid;
  auto* other = new TEdit(&s.Form);
  other->SetParent(&s.Form);
  other->SetBounds(0, 320, 100, 24);
  g.SetTabStop(false);
  g.SetBounds(0, 0, 300, 200);
  g.SetGridLineWidth(0);
  g.SetFixedCols(0);
  g.SetColCount(10);
  for (int c = 0; c < 10; ++c) g.SetColWidths(c, 60);
  g.SetScrollProportional(true);
  g.Repaint();
  QApplication::setActiveWindow(s.Form.Widget());
  ASSERT_TRUE(QTest::qWaitForWindowExposed(s.Form.Widget()));
  other->SetFocus();
  QApplication::processEvents();
  ASSERT_EQ(g.GetScrollInfo(SB_HORZ).Max, 255);
  for (int c = 0; c < 10; ++c) g.SetColWidths(c, 40);
  g.Repaint();
  ASSERT_EQ(g.GetScrollInfo(SB_HORZ).Max, 255);
  s.Form.SetActiveControl(&g);
  QApplication::processEvents();
  ASSERT_TRUE(g.Focused());
  EXPECT_EQ(g.GetScrollInfo(SB_HORZ).Max, 511);
}

TEST(PlexStringGridMessages, BulkChangesPaintOnceAtTheLastEndUpdate) {
  TShownGrid s;
  TPlexStringGrid& g = *s.Grid;
  TPaintCounter paints(g.Widget());
  QApplication::processEvents();
  paints.Count = 0;
  g.BeginUpdate();
  g.BeginUpdate();
  for (int r = 1; r < 5; ++r) g.SetCellEx(1, r, "x");
  g.SetColWidths(2, 90);
  g.EndUpdate();
  QApplication::processEvents();
  EXPECT_EQ(paints.Count, 0);
  EXPECT_TRUE(g.LockUpdate());
  g.EndUpdate();
  QApplication::processEvents();
  EXPECT_EQ(paints.Count, 1);
  EXPECT_EQ(paints.Region.boundingRect(), g.Widget()->rect());
  // An unmatched EndUpdate keeps the count at 0.
  g.EndUpdate();
  EXPECT_EQ(g.UpdateCount(), 0);
}

TEST(PlexStringGridMessages, HiddenGridsDoNotLockButStartUpdateDoes) {
  TPlexStringGrid g(nullptr);
  g.Hide();
  g.BeginUpdate();
  EXPECT_FALSE(g.LockUpdate());
  g.StartUpdate();
  g.StartUpdate();
  EXPECT_EQ(g.UpdateCount(), 2);
  g.ResetUpdate();
  EXPECT_FALSE(g.LockUpdate());
}

TEST(PlexStringGridMessages, RememberedColumnWidths) {
  TPlexStringGrid g(nullptr);
  g.SetColWidths(1, 80);
  g.InitOrigColSizes();
  g.SetColWidths(1, 20);
  g.ColumnSize().SynchWithGrid = true;
  g.SetBorderStyle(bsNone);
  g.SetWidth(g.Width() * 2);
  EXPECT_EQ(g.ColWidths(1), 160);
}

}  // namespace

namespace {

TEST(PlexStringGridMessages, SelectionImageIsTheBlockOfCellsPlusOnePixel) {
  TShownGrid s;
  TPlexStringGrid& g = *s.Grid;
  g.SetCellEx(1, 1, "one");
  g.SetCellEx(2, 2, "two");
  // Corners given the other way round give the same block.
  std::unique_ptr<TForm> form = g.SelectionToForm(TGridRect{2, 2, 0, 0});
  const TRect first = g.CellRect(0, 0), last = g.CellRect(2, 2);
  EXPECT_EQ(form->ClientWidth(), last.Right - first.Left + 1);
  EXPECT_EQ(form->ClientHeight(), last.Bottom - first.Top + 1);
  EXPECT_EQ(GetWindowStyle(form.get()), TNoActiveForm::WindowStyle);
  EXPECT_EQ(GetWindowExStyle(form.get()) & WS_EX_TOPMOST, WS_EX_TOPMOST);
  EXPECT_NEAR(form->Widget()->windowOpacity(), 192 / 255.0, 0.01);
  if (const char* shots = std::getenv("QUILLORE_SHOTS")) {
    form->Show();
    QApplication::processEvents();
    SaveWidgetScreenshot(s.Form.Widget(), QString(shots) + "/grid_for_selection_image.png");
    SaveWidgetScreenshot(form->Widget(), QString(shots) + "/selection_image.png");
  }
}

}  // namespace

namespace {

// One keystroke in the cell editor is one change, whether or not the typed
// text is shown in the cell as it is typed.
TEST(PlexStringGridMessages, OneKeystrokeOneChange) {
  for (bool showProcess : {false, true}) {
    TShownGrid s;
    TPlexStringGrid& g = *s.Grid;
    TGridOptions options = g.Options();
    options.Include(goEditing);
    g.SetOptions(options);
    g.ShowEditProcess = showProcess;
    g.SetEditorMode(true);
    TInplaceEdit* editor = g.InplaceEditor();
    ASSERT_NE(editor, nullptr);
    int changes = 0;
    editor->OnChange = [&changes](TObject*) { ++changes; };
    QTest::keyClick(editor->LineEdit(), Qt::Key_Q);
    EXPECT_EQ(changes, 1) << showProcess;
    EXPECT_EQ(g.GetCellEx(1, 1) == "q", showProcess) << showProcess;
  }
}

}  // namespace

namespace {

// The form under the grid may take the wheel first; then the grid leaves it.
TEST(PlexStringGridMessages, TheParentIsAskedAboutTheWheelFirst) {
  TShownGrid s;
  TPlexStringGrid& g = *s.Grid;
  bool formTakes = true;
  int asked = 0;
  s.Form.OnMouseWheel = [&](TObject*, TShiftState, int, TPoint, bool& handled) {
    ++asked;
    handled = formTakes;
  };
  g.Perform(WM_MOUSEWHEEL, Notch(-120), 0);
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(g.Row(), 1);
  formTakes = false;
  g.Perform(WM_MOUSEWHEEL, Notch(-120), 0);
  EXPECT_EQ(asked, 2);
  EXPECT_EQ(g.Row(), 4);
}

}  // namespace

namespace {

// While the grid's own repaints are held, a paint that arrives draws no cell.
TEST(PlexStringGridMessages, APaintWhileLockedDrawsNothing) {
  TShownGrid s;
  TPlexStringGrid& g = *s.Grid;
  int drawn = 0;
  g.OnDrawCell = [&drawn](TObject*, int, int, TRect, TGridDrawState) { ++drawn; };
  g.StartUpdate();
  g.Widget()->repaint();
  EXPECT_EQ(drawn, 0);
  g.ResetUpdate();
  g.Widget()->repaint();
  EXPECT_GT(drawn, 0);
}

// Both theme messages apply the theme of the desktop's colour scheme, though this system sends neither.
TEST(PlexStringGridMessages, ThemeMessagesAdaptOnlyWhenAsked) {
  struct FakeThemeScope {
    TFakeThemeServices* Fake;
    FakeThemeScope() {
      auto fake = std::make_unique<TFakeThemeServices>();
      Fake = fake.get();
      SetThemeServices(std::move(fake));
    }
    ~FakeThemeScope() { SetThemeServices(nullptr); }
  };
  for (const bool adapt : {false, true}) {
    TPlexStringGrid g(nullptr);
    g.SetAutoThemeAdapt(adapt);
    FakeThemeScope theme;
    theme.Fake->ColorName = "NormalColor";
    g.Perform(WM_THEMECHANGED, 0, 0);
    EXPECT_EQ(g.OfficeTheme(), adapt ? ot2003Blue : otUnknown) << adapt;
    theme.Fake->ColorName = "Metallic";
    g.Perform(2993, 0, 0);
    EXPECT_EQ(g.OfficeTheme(), adapt ? ot2003Silver : otUnknown) << adapt;
    EXPECT_EQ(g.ComponentStyle(), adapt ? tsOffice2003Silver : tsWindowsXP) << adapt;
  }
}

// A cursor set from outside ends the mouse selection mode the hover armed.
TEST(PlexStringGridMessages, ACursorChangeFromOutsideEndsTheMouseSelectionMode) {
  TShownGrid s;
  TPlexStringGrid& g = *s.Grid;
  for (TMouseSelectMode mode : {msRow, msColumn, msAll}) {
    g.SetMouseSelectMode(mode);
    g.SetCursor(g.Cursor() == crHandPoint ? crDefault : crHandPoint);
    EXPECT_EQ(g.MouseSelectMode(), msNormal) << mode;
  }
}

// The mouse code ends the hover highlight of a fixed cell, and the cell is painted plain again.
TEST(PlexStringGridMessages, ResetFixedCellHighlightEndsTheHover) {
  TShownGrid s;
  TPlexStringGrid& g = *s.Grid;
  g.HoverFixedCells = hfAll;
  const TRect cell = g.CellRect(2, 0);
  QTest::mouseMove(g.Widget(), QPoint((cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2));
  ASSERT_EQ(g.HoverFixedCell(), TPoint(2, 0));
  QApplication::processEvents();
  TPaintCounter paints(g.Widget());
  g.ResetFixedCellHighlight();
  EXPECT_EQ(g.HoverFixedCell(), TPoint(-1, -1));
  QApplication::processEvents();
  EXPECT_GE(paints.Count, 1);
  EXPECT_TRUE(paints.Region.intersects(cell.toQRect()));
  // Nothing is highlighted without hovering fixed cells.
  g.HoverFixedCells = hfNone;
  g.ResetFixedCellHighlight();
  EXPECT_EQ(g.HoverFixedCell(), TPoint(-1, -1));
}

// The looks that frame a selection across its cells paint the whole selection when it changes.
TEST(PlexStringGridMessages, SelectionChangesRepaintTheFramedSelectionOfTheNewerLooks) {
  for (const TGridLook look : {glXP, glVista, glWin7, glOffice2007}) {
    TShownGrid s;
    TPlexStringGrid& g = *s.Grid;
    g.SetLook(look);
    g.SetSelection(TGridRect{1, 2, 3, 4});
    QApplication::processEvents();
    TPaintCounter paints(g.Widget());
    g.DoSelectionChanged(1, 2, 3, 4);
    QApplication::processEvents();
    const QRect framed = g.CellRect(1, 2).toQRect().united(g.CellRect(3, 4).toQRect());
    const bool framing = look != glXP;
    EXPECT_EQ(paints.Count > 0 && paints.Region.contains(framed), framing) << look;
    EXPECT_TRUE(g.SelectionChangedFlag()) << look;
  }
}

// A resize handler that resizes again is not entered a second time.
TEST(PlexStringGridMessages, ASizeMessageDuringASizeIsIgnored) {
  TPlexStringGrid g(nullptr);
  int resized = 0;
  g.OnResize = [&](TObject*) {
    if (++resized < 3) g.Perform(WM_SIZE, 0, 0);
  };
  g.Perform(WM_SIZE, 0, 0);
  EXPECT_EQ(resized, 1);
  g.Perform(WM_SIZE, 0, 0);
  EXPECT_EQ(resized, 2);
}

}  // namespace
