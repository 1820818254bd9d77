// The string grid as a whole: what a new grid looks like, its life cycle
// with a form, loading, copying and fitting its height.
#include "grid/core/PlexStringGrid.h"

#include "grid/core/ColumnSize.h"
#include "grid/core/ControlLook.h"
#include "grid/core/PlexGridUnit.h"
#include "grid/editing/GridEditBtn.h"
#include "grid/editing/GridUnitEditBtn.h"
#include "grid/features/DropCheckList.h"
#include "grid/features/DropList.h"
#include "grid/features/FooterPanel.h"
#include "grid/features/SearchPanel.h"
#include "grid/features/SortSettings.h"
#include "grid/foundation/PlexStringGridCheck.h"
#include "platform/Forms.h"
#include "platform/ImageList.h"
#include "platform/Menus.h"
#include "platform/Screenshot.h"
#include "platform/SystemMetrics.h"
#include "platform/Themes.h"

#include <QApplication>
#include <QWidget>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>

namespace {

struct TDefaultCase {
  const char* Name;
  std::function<QString(TPlexStringGrid&)> Read;
  const char* Expected;
};

QString Text(bool b) { return b ? "true" : "false"; }
QString Hex(TColor c) { return QString::number(uint32_t(c), 16); }

TEST(PlexStringGrid, NewGridDefaults) {
  TPlexStringGrid g(nullptr);
  const TDefaultCase cases[] = {
      {"RowCount", [](auto& g) { return QString::number(g.RowCount()); }, "10"},
      {"Size", [](auto& g) { return QString("%1x%2").arg(g.Width()).arg(g.Height()); }, "400x250"},
      {"DefaultRowHeight", [](auto& g) { return QString::number(g.DefaultRowHeight()); }, "22"},
      {"FixedRowHeight", [](auto& g) { return QString::number(g.FixedRowHeight()); }, "22"},
      {"AutoSize", [](auto& g) { return Text(g.AutoSize()); }, "false"},
      {"FloatFormat", [](auto& g) { return g.FloatFormat; }, "%.2f"},
      {"CheckTrue/False", [](auto& g) { return g.CheckTrue + g.CheckFalse; }, "YN"},
      {"XMLEncoding", [](auto& g) { return g.XMLEncoding; }, "ISO-8859-1"},
      {"FilterDropDownClear", [](auto& g) { return g.FilterDropDownClear; }, "(All)"},
      {"PasswordChar", [](auto& g) { return QString(g.PasswordChar); }, "*"},
      {"Delimiter", [](auto& g) { return QString::number(g.Delimiter.unicode()); }, "0"},
      {"Look", [](auto& g) { return QString::number(g.Look()); }, "4"},
      {"OrvGradientFrom/To", [](auto& g) { return Hex(g.OrvGradientFrom()) + " " + Hex(g.OrvGradientTo()); },
       "ffffff f0f0f0"},
      {"OrvGradientMirror", [](auto& g) { return Hex(g.OrvGradientMirrorFrom()) + " " + Hex(g.OrvGradientMirrorTo()); },
       "1fffffff 1fffffff"},
      {"BorderColor", [](auto& g) { return Hex(g.BorderColor()); }, "b99d7f"},
      {"ScrollBars", [](auto& g) { return QString::number(g.ScrollBars()); }, "3"},
      {"ScrollType/Color", [](auto& g) { return QString::number(g.ScrollType()) + " " + Hex(g.ScrollColor()); },
       "0 1fffffff"},
      {"ScrollWidth", [](auto& g) { return Text(g.ScrollWidth() == GetSystemMetrics(SM_CXVSCROLL)); }, "true"},
      {"Hint/Highlight",
       [](auto& g) { return Hex(g.HintColor) + " " + Hex(g.HighlightColor()) + " " + Hex(g.HighlightTextColor()); },
       "ff000018 ff00000d ff00000e"},
      {"Selection",
       [](auto& g) {
         return Hex(g.SelectionColor()) + " " + Hex(g.SelectionColorTo()) + " " + Hex(g.SelectionMirrorColor()) + " " +
                Hex(g.SelectionMirrorColorTo()) + " " + Hex(g.SelectionTextColor()) + " " +
                QString::number(g.SelectionColorMixerFactor());
       },
       "eacab6 1fffffff 1fffffff 1fffffff 0 50"},
      {"ActiveCell", [](auto& g) { return Hex(g.ActiveCellColor()) + " " + Hex(g.ActiveCellColorTo()); },
       "808080 1fffffff"},
      {"DisabledFont", [](auto& g) { return Hex(g.DisabledFontColor) + " " + Text(g.UseDisabledFont); }, "c0c0c0 true"},
      {"URLColor", [](auto& g) { return Hex(g.URLColor()); }, "ff0000"},
      {"EnableHTML/Wheel/ShowSelection()/IntelliZoom",
       [](auto& g) { return Text(g.EnableHTML && g.EnableWheel && g.ShowSelection() && g.IntelliZoom); }, "true"},
      {"HideFocusRect/FixedAsButtons", [](auto& g) { return Text(g.HideFocusRect || g.FixedAsButtons); }, "false"},
      {"Quotes", [](auto& g) { return Text(g.QuoteEmptyCells) + Text(g.AlwaysQuotes) + Text(g.JavaCSV); },
       "truefalsefalse"},
      {"Save flags",
       [](auto& g) {
         return Text(g.SaveFixedCells) + Text(g.SaveFixedRows) + Text(g.SaveFixedCols) + Text(g.SaveHiddenCells) +
                Text(g.SaveVirtCells) + Text(g.SaveWithHTML);
       },
       "truefalsefalsefalsetruetrue"},
      {"Load flags", [](auto& g) { return Text(g.LoadFirstRow) + Text(g.ShowNullDates) + Text(g.ClearTextOnly); },
       "truetruefalse"},
      {"Filter flags",
       [](auto& g) {
         return Text(g.FitCellsInGrid) + Text(g.FilterNormalCellsOnly) + Text(g.AutoFilterUpdate) +
                Text(g.FilterIncremental);
       },
       "truetruetruefalse"},
      {"fd/hf/hp",
       [](auto& g) {
         return QString("%1%2%3").arg(g.FilterDropDownColumns).arg(g.HoverFixedCells).arg(g.HintShowLargeTextPos);
       },
       "000"},
      {"Design helper etc.",
       [](auto& g) { return Text(g.ShowDesignHelper && g.EnhRowColMove && g.UseInternalHintClass); }, "true"},
      {"InvalidEntryIcon", [](auto& g) { return QString::number(g.InvalidEntryIcon); }, "2"},
      {"Alignments/editor",
       [](auto& g) { return QString("%1%2%3").arg(g.VAlignment()).arg(g.DefaultAlignment).arg(g.DefaultEditor); },
       "000"},
      {"XYOffset", [](auto& g) { return QString("%1,%2").arg(g.XYOffset.X).arg(g.XYOffset.Y); }, "2,2"},
      {"GroupColumn", [](auto& g) { return QString::number(g.GroupColumn); }, "-1"},
      {"Row/col limits",
       [](auto& g) {
         return QString("%1%2%3%4").arg(g.MinRowHeight).arg(g.MaxRowHeight).arg(g.MinColWidth).arg(g.MaxColWidth);
       },
       "0000"},
      {"SizeGrowOnly/ZoomFactor", [](auto& g) { return Text(g.SizeGrowOnly) + QString::number(g.ZoomFactor); },
       "false0"},
      {"Print pages",
       [](auto& g) { return QString("%1%2%3").arg(g.PreviewPage).arg(g.LastPrintPage).arg(g.PrintNrOfPages); }, "110"},
      {"Driver/Excel/NoDefaultDraw",
       [](auto& g) { return Text(g.PrinterDriverFix || g.ExcelClipboardFormat || g.NoDefaultDraw); }, "false"},
      {"IsThemed", [](auto& g) { return Text(g.IsThemed()); }, "true"},
      {"Platform flags", [](auto& g) { return Text(g.IsWinXP()) + Text(g.IsWin7()) + Text(g.IsVista()); },
       "truetruetrue"},
      {"Hidden columns", [](auto& g) { return QString::number(g.NumHiddenColumns()) + Text(g.IsHiddenColumn(0)); },
       "0false"},
      {"FixedFont", [](auto& g) { return g.FixedFont().Name() + Text(g.FixedFont().Style().Contains(fsBold)); },
       "Tahomatrue"},
      {"ActiveCellFont bold", [](auto& g) { return Text(g.ActiveCellFont().Style().Contains(fsBold)); }, "true"},
      {"FilterList sorted", [](auto& g) { return Text(g.FilterList().Sorted()); }, "true"},
      {"Version", [](auto& g) { return g.Version(); }, "6.2.1.3"},
      {"Sort column", [](auto& g) { return QString::number(g.SortSettings().Column); }, "-1"},
  };
  for (const TDefaultCase& c : cases) EXPECT_EQ(c.Read(g), QString(c.Expected)) << c.Name;
}

TEST(PlexStringGrid, EditorControlsAreMadeHiddenInOrder) {
  TPlexStringGrid g(nullptr);
  const std::vector<TWinControl*> editors = g.EditorControls();
  ASSERT_EQ(editors.size(), 10u);
  for (TWinControl* e : editors) {
    ASSERT_NE(e, nullptr);
    EXPECT_FALSE(e->Visible());
    EXPECT_EQ(e->Owner(), &g);
  }
  // Disabled: the combo, check box, both ellipsis edits, the button and the header drag button.
  const bool disabled[] = {true, false, false, true, true, true, true, true, false, false};
  for (size_t i = 0; i < editors.size(); ++i) EXPECT_EQ(!editors[i]->Enabled(), disabled[i]) << i;
  EXPECT_EQ(g.EditBtn()->ButtonCaption(), "...");
  EXPECT_EQ(g.UnitEditBtn()->ButtonCaption(), "...");
  // The owned controls come in the ownership table's order, the editors after them.
  const auto index = [&g](const TComponent* c) {
    for (int i = 0; i < g.ComponentCount(); ++i)
      if (g.Components(i) == c) return i;
    return -1;
  };
  EXPECT_LT(index(g.FooterPanel()), index(g.SearchPanel()));
  EXPECT_LT(index(g.SearchPanel()), index(g.FilterListBox()));
  EXPECT_LT(index(g.FilterListBox()), index(g.FilterCheckList()));
  for (size_t i = 1; i < editors.size(); ++i) EXPECT_LT(index(editors[i - 1]), index(editors[i]));
  EXPECT_LT(index(g.FilterCheckList()), index(editors[0]));
}

TEST(PlexStringGrid, FreedImagesCheckerAndMenuLeaveNoReferenceBehind) {
  struct Case {
    const char* Name;
    std::function<TComponent*(TPlexStringGrid&)> Link;
    std::function<bool(TPlexStringGrid&)> Linked;
  };
  const Case cases[] = {
      {"image list",
       [](TPlexStringGrid& g) {
         auto* images = new TImageList(16, 16);
         g.SetGridImages(images);
         return images;
       },
       [](TPlexStringGrid& g) { return g.GridImages() != nullptr; }},
      {"cell checker",
       [](TPlexStringGrid& g) {
         auto* checker = new TPlexStringGridCheck(nullptr);
         g.SetCellChecker(checker);
         return checker;
       },
       [](TPlexStringGrid& g) { return g.CellChecker() != nullptr; }},
      {"fixed drop-down menu",
       [](TPlexStringGrid& g) {
         auto* menu = new TPopupMenu(nullptr);
         g.SetFixedDropDownMenu(menu);
         return menu;
       },
       [](TPlexStringGrid& g) { return g.FixedDropDownMenu() != nullptr; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    TPlexStringGrid g(nullptr);
    TComponent* linked = c.Link(g);
    ASSERT_TRUE(c.Linked(g));
    delete linked;
    EXPECT_FALSE(c.Linked(g));
  }
  // A grid that goes first leaves the components whole.
  auto* menu = new TPopupMenu(nullptr);
  {
    TPlexStringGrid g(nullptr);
    g.SetFixedDropDownMenu(menu);
  }
  delete menu;
}

TEST(PlexStringGrid, UnitStartRunsOnceWithItsRegistrations) {
  TPlexStringGrid a(nullptr);
  TPlexStringGrid b(nullptr);
  const TPlexGridUnitState& s = PlexGridUnitState();
  EXPECT_GE(s.StartCount, 2);
  EXPECT_TRUE(s.HookInstalled);
  EXPECT_TRUE(s.ComCtrl470);
  ASSERT_EQ(s.RegisteredClasses.size(), 28);
  EXPECT_EQ(s.RegisteredClasses.first(), "TPlexStringGrid");
  EXPECT_EQ(s.RegisteredClasses.last(), "TSearchPanel");
  EXPECT_EQ(s.GridEditDoneMessage, RegisterWindowMessage("GridEditDone"));
  EXPECT_EQ(GetFileVersionMS("comctl32.dll"), 0x00060000);
  EXPECT_EQ(GetFileVersionMS("nothere.dll"), -1);
}

}  // namespace

namespace {

TEST(PlexStringGrid, LoadedTurnsAlwaysShowEditorIntoNavigationAlwaysEdit) {
  TPlexStringGrid g(nullptr);
  g.BeginLoading();
  TGridOptions options = g.Options();
  options.Include(goAlwaysShowEditor);
  g.SetOptions(options);
  g.SetFixedRows(2);
  g.Loaded();
  EXPECT_FALSE(g.Options().Contains(goAlwaysShowEditor));
  EXPECT_TRUE(g.Navigation().AlwaysEdit);
  EXPECT_TRUE(g.IsLoaded());
  EXPECT_FALSE(g.IsLoading());
  EXPECT_EQ(g.MinFixedRows, 2);
  EXPECT_EQ(g.MinRowHeight, 22);
  EXPECT_EQ(g.MinColWidth, 10);
  EXPECT_EQ(g.MaxRowCount, 10);
  // Without an active visual style the themed control look falls back to classic.
  EXPECT_EQ(g.ControlLook().ControlStyle(), csClassic);
}

// The look streamed from a form is applied with its colours once loading ends.
TEST(PlexStringGrid, LoadedAppliesTheColoursOfTheOrvLook) {
  TPlexStringGrid direct(nullptr);
  direct.SetLook(glOrv);
  TForm form(nullptr);
  form.SetClientWidth(420);
  form.SetClientHeight(200);
  auto* g = new TPlexStringGrid(&form);
  g->BeginLoading();
  g->SetParent(&form);
  g->SetBounds(10, 10, 400, 180);
  g->SetLook(glOrv);
  g->SetColCount(4);
  const char* headers[] = {"Name", "Address", "Type", "Unit"};
  for (int c = 0; c < 4; ++c) g->SetCellEx(c, 0, headers[c]);
  for (int r = 1; r < 5; ++r) g->SetCellEx(1, r, QString("row %1").arg(r));
  g->Loaded();
  EXPECT_EQ(g->Look(), glOrv);
  EXPECT_EQ(g->OrvGradientFrom(), direct.OrvGradientFrom());
  EXPECT_EQ(g->OrvGradientTo(), TColor(0xC0C0C0));
  EXPECT_EQ(g->ActiveCellColor(), TColor(0xEACAB6));
  EXPECT_EQ(g->GridLineColor(), TColor(0xC0C0C0));
  if (const char* shots = std::getenv("QUILLORE_SHOTS")) {
    form.Show();
    QApplication::processEvents();
    SaveWidgetScreenshot(form.Widget(), QString(shots) + "/grid_orv_look_after_loading.png");
  }
}

// A grid whose columns follow its width starts from the widths it was loaded with.
TEST(PlexStringGrid, LoadedRemembersTheColumnWidthsForSynchronisedSizing) {
  TForm form(nullptr);
  form.SetClientWidth(400);
  form.SetClientHeight(200);
  auto* g = new TPlexStringGrid(&form);
  g->BeginLoading();
  g->SetParent(&form);
  g->SetBorderStyle(bsNone);
  g->SetAlign(alClient);
  g->SetColCount(4);
  for (int c = 0; c < 4; ++c) g->SetColWidths(c, 100);
  g->ColumnSize().SynchWithGrid = true;
  g->Loaded();
  form.Show();
  QApplication::processEvents();
  const int loadedWidth = g->Width();
  ASSERT_GT(loadedWidth, 0);
  form.Widget()->resize(form.Widget()->width() + loadedWidth, form.Widget()->height());
  QApplication::processEvents();
  ASSERT_GT(g->Width(), loadedWidth);
  EXPECT_EQ(g->ColWidths(1), int(100.0 * g->Width() / loadedWidth));
}

// A loaded grid that follows the office theme takes the theme of the desktop's colour scheme.
TEST(PlexStringGrid, LoadedAppliesTheOfficeThemeWhenAdapting) {
  TPlexStringGrid g(nullptr);
  g.BeginLoading();
  g.SetAutoThemeAdapt(true);
  auto fake = std::make_unique<TFakeThemeServices>();
  fake->ColorName = "HomeStead";
  SetThemeServices(std::move(fake));
  g.Loaded();
  SetThemeServices(nullptr);
  EXPECT_EQ(g.OfficeTheme(), ot2003Olive);
  EXPECT_EQ(g.ComponentStyle(), tsOffice2003Olive);
  EXPECT_TRUE(g.SearchFooter().AutoThemeAdapt());
}

TEST(PlexStringGrid, IntegralHeightFitsWholeRows) {
  struct TCase {
    int ColCount;
    TBorderStyle Border;
    int Height;
    int Expected;  // -1: computed with the horizontal bar's height
  };
  const int s = GetSystemMetrics(SM_CYHSCROLL);
  const TCase cases[] = {
      {5, bsSingle, 100, 92},                                   // 0 + 4 + (98 - 98 mod 22)
      {5, bsNone, 100, 88},                                     // 0 + 0 + (100 - 100 mod 22)
      {5, bsSingle, 66 + 2, 66 + 4},                            // a whole number of rows stays
      {40, bsSingle, 100, s + 4 + ((98 - s) - (98 - s) % 22)},  // columns that do not fit add the bar
  };
  for (const TCase& c : cases) {
    TPlexStringGrid g(nullptr);
    g.SetColCount(c.ColCount);
    g.SetBorderStyle(c.Border);
    g.SetIntegralHeight(true);
    g.SetBounds(0, 0, 400, c.Height);
    EXPECT_EQ(g.Height(), c.Expected) << c.ColCount << " " << c.Height;
  }
  TPlexStringGrid off(nullptr);
  off.SetBounds(0, 0, 400, 100);
  EXPECT_EQ(off.Height(), 100);
}

TEST(PlexStringGrid, AssignFromAnotherClassChangesNothing) {
  TPlexStringGrid g(nullptr);
  g.SetColCount(7);
  g.SetCellEx(1, 1, "kept");
  TComponent other(nullptr);
  g.Assign(&other);
  g.AssignCells(&other);
  EXPECT_EQ(g.ColCount(), 7);
  EXPECT_EQ(g.RowCount(), 10);
  EXPECT_EQ(g.GetCellEx(1, 1), "kept");
}

TEST(PlexStringGrid, AssignCopiesCountsWidthsTextsAndSettings) {
  TPlexStringGrid source(nullptr);
  source.SetColCount(3);
  source.SetRowCount(4);
  const int widths[] = {30, 45, 80};
  for (int c = 0; c < 3; ++c) source.SetColWidths(c, widths[c]);
  source.SetCellEx(0, 0, "Name");
  source.SetCellEx(2, 3, "a,b");
  source.SetCellEx(1, 2, "two\r\nlines");
  source.Navigation().AdvanceOnEnter = true;
  source.SortSettings().Column = 2;
  source.InvalidEntryTitle = "Wrong";
  source.SetScrollColor(clRed);

  TPlexStringGrid g(nullptr);
  g.Multilinecells = true;
  g.SetCellEx(4, 8, "gone");
  g.Assign(&source);
  EXPECT_EQ(g.ColCount(), 3);
  EXPECT_EQ(g.RowCount(), 4);
  for (int c = 0; c < 3; ++c) EXPECT_EQ(g.ColWidths(c), widths[c]) << c;
  EXPECT_EQ(g.GetCellEx(0, 0), "Name");
  EXPECT_EQ(g.GetCellEx(2, 3), "a,b");
  EXPECT_EQ(g.GetCellEx(1, 2), "two\r\nlines");
  EXPECT_TRUE(g.Navigation().AdvanceOnEnter);
  EXPECT_EQ(g.SortSettings().Column, 2);
  EXPECT_EQ(g.InvalidEntryTitle, "Wrong");
  EXPECT_EQ(g.ScrollColor(), clRed);
}

TEST(PlexStringGrid, OwnerFormResizeIsChainedAndPutBack) {
  TForm form(nullptr);
  form.SetBounds(0, 0, 500, 400);
  int formCalls = 0;
  form.OnResize = [&formCalls](TObject*) { ++formCalls; };
  auto* g = new TPlexStringGrid(&form);
  g->SetParent(&form);
  form.Show();
  QApplication::processEvents();
  const int before = formCalls;
  form.SetBounds(0, 0, 620, 480);
  EXPECT_GT(formCalls, before);
  delete g;
  // Without the grid the form's own handler is back in place.
  const int afterFree = formCalls;
  ASSERT_TRUE(bool(form.OnResize));
  form.OnResize(&form);
  EXPECT_EQ(formCalls, afterFree + 1);
  form.Hide();
}

TEST(PlexStringGrid, PageWheelSettingMovesByTheVisibleRows) {
  SetSystemWheelScrollLines(-1);
  TForm form(nullptr);
  form.SetBounds(0, 0, 500, 400);
  auto* g = new TPlexStringGrid(&form);
  g->SetRowCount(100);
  g->SetParent(&form);
  form.Show();
  QApplication::processEvents();
  const int visible = g->VisibleRowCount();
  ASSERT_GT(visible, 1);
  EXPECT_EQ(g->WheelScrollLines(), visible);
  g->SetRow(1);
  const WPARAM down = WPARAM(uint16_t(int16_t(-120))) << 16;
  g->Perform(WM_MOUSEWHEEL, down, 0);
  EXPECT_EQ(g->Row(), 1 + visible);
  SetSystemWheelScrollLines(0);
  form.Hide();
}

TEST(PlexStringGrid, WindowCreationMakesPanelsAndKeepsNormalWheelLines) {
  SetSystemWheelScrollLines(3);
  TForm form(nullptr);
  auto* g = new TPlexStringGrid(&form);
  g->SearchFooter().SetVisible(true);
  g->SetParent(&form);
  EXPECT_EQ(g->WheelScrollLines(), 3);
  EXPECT_EQ(g->SearchPanel()->Parent(), g);
  EXPECT_EQ(g->SearchPanel()->Height(), 32);
  EXPECT_EQ(g->FooterPanel()->Parent(), g);
  EXPECT_FALSE(g->FooterPanel()->Visible());
  SetSystemWheelScrollLines(0);
}

}  // namespace

#include "platform/Screenshot.h"

#include <QDir>

namespace {

// A grid on a form, with headers from the list; the picture is kept for a look.
TEST(PlexStringGrid, ShownOnAFormWithHeaders) {
  TForm form(nullptr);
  form.SetBounds(0, 0, 460, 300);
  auto* g = new TPlexStringGrid(&form);
  g->SetParent(&form);
  g->SetColCount(4);
  TStringList headers;
  for (const char* h : {"", "Name", "Value", "Unit"}) headers.Add(h);
  g->SetColumnHeaders(headers);
  g->SetCellEx(1, 1, "Speed");
  g->SetFloats(2, 1, 12.345);
  g->SetCellEx(3, 1, "m/s");
  g->SetInts(2, 2, 7);
  g->SetColors(1, 2, clYellow);
  form.Show();
  QApplication::processEvents();
  const QString path = QDir::tempPath() + "/plex_string_grid.png";
  EXPECT_TRUE(SaveWidgetScreenshot(form.Widget(), path));
  EXPECT_EQ(g->GetCellEx(2, 1), "12.35");
  form.Hide();
}

}  // namespace
