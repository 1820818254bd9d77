// The per-cell hooks: the grid's own answer first, the event last, and each
// event with the argument order of its type.
#include "grid/core/PlexStringGrid.h"

#include "grid/core/CellGraphic.h"
#include "grid/core/ControlLook.h"
#include "grid/features/Grouping.h"
#include "grid/foundation/TextRoutines.h"

#include <QCursor>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <utility>

namespace {

// What an event received first and second; the hooks are asked about column 3, row 5.
using TArgs = std::pair<int, int>;

struct TOrderCase {
  const char* Event;
  std::function<void(TPlexStringGrid&, TArgs&)> Wire;
  std::function<void(TPlexStringGrid&)> Ask;
  TArgs Expected;
};

constexpr int C = 3, R = 5;
constexpr TArgs RowFirst{R, C}, ColFirst{C, R};

TEST(PlexStringGridHooks, EveryEventGetsTheArgumentOrderOfItsType) {
  TBrush brush;
  TFont font;
  TPen pen;
  const TOrderCase cases[] = {
      {"OnGridHint", [](auto& g, TArgs& a) { g.OnGridHint = [&a](TObject*, int x, int y, QString&) {
                                               a = {x, y};
                                             }; },
       [](auto& g) {
         QString h, w;
         g.DoGridHint(C, R, h, w);
       },
       RowFirst},
      {"OnGridWideHint",
       [](auto& g, TArgs& a) { g.OnGridWideHint = [&a](TObject*, int x, int y, QString&) {
                                 a = {x, y};
                               }; },
       [](auto& g) {
         QString h, w;
         g.DoGridHint(C, R, h, w);
       },
       RowFirst},
      {"OnGetCellColor",
       [](auto& g, TArgs& a) {
         g.OnGetCellColor = [&a](TObject*, int x, int y, TGridDrawState, TBrush&, TFont&) { a = {x, y}; };
       },
       [&](auto& g) { g.DoGetCellColor(C, R, {}, brush, font); }, RowFirst},
      {"OnGetCellPrintColor",
       [](auto& g, TArgs& a) {
         g.OnGetCellPrintColor = [&a](TObject*, int x, int y, TGridDrawState, TBrush&, TFont&) { a = {x, y}; };
       },
       [&](auto& g) { g.DoGetCellPrintColor(C, R, {}, brush, font); }, RowFirst},
      {"OnGetCellBorder",
       [](auto& g, TArgs& a) {
         g.OnGetCellBorder = [&a](TObject*, int x, int y, TPen&, TCellBorders&) { a = {x, y}; };
       },
       [&](auto& g) {
         TCellBorders b;
         g.DoGetCellBorder(C, R, pen, b);
       },
       RowFirst},
      {"OnGetCellPrintBorder",
       [](auto& g, TArgs& a) {
         g.OnGetCellPrintBorder = [&a](TObject*, int x, int y, TPen&, TCellBorders&) { a = {x, y}; };
       },
       [&](auto& g) {
         TCellBorders b;
         g.DoGetCellPrintBorder(C, R, pen, b);
       },
       RowFirst},
      {"OnGetAlignment",
       [](auto& g, TArgs& a) {
         g.OnGetAlignment = [&a](TObject*, int x, int y, TAlignment&, TVAlignment&) { a = {x, y}; };
       },
       [](auto& g) {
         TAlignment h = taLeftJustify;
         TVAlignment v = vtaTop;
         g.DoGetAlignment(C, R, h, v);
       },
       RowFirst},
      {"OnIsFixedCell",
       [](auto& g, TArgs& a) { g.OnIsFixedCell = [&a](TObject*, int x, int y, bool&) {
                                 a = {x, y};
                               }; },
       [](auto& g) {
         bool fixed = false;
         g.DoIsFixedCell(C, R, fixed);
       },
       RowFirst},
      {"OnCanEditCell",
       [](auto& g, TArgs& a) { g.OnCanEditCell = [&a](TObject*, int x, int y, bool&) {
                                 a = {x, y};
                               }; },
       [](auto& g) {
         bool can = true;
         g.CanEditCell(C, R, can);
       },
       RowFirst},
      {"OnIsPasswordCell",
       [](auto& g, TArgs& a) { g.OnIsPasswordCell = [&a](TObject*, int x, int y, bool&) {
                                 a = {x, y};
                               }; },
       [](auto& g) {
         bool p = false;
         g.DoIsPasswordCell(C, R, p);
       },
       RowFirst},
      {"OnComboCloseUp", [](auto& g, TArgs& a) { g.OnComboCloseUp = [&a](TObject*, int x, int y) {
                                                   a = {x, y};
                                                 }; },
       [](auto& g) { g.DoComboCloseUp(R, C); }, RowFirst},
      {"OnComboDropDown", [](auto& g, TArgs& a) { g.OnComboDropDown = [&a](TObject*, int x, int y) {
                                                    a = {x, y};
                                                  }; },
       [](auto& g) { g.DoComboDropDown(R, C); }, RowFirst},
      {"OnGetEditorType",
       [](auto& g, TArgs& a) { g.OnGetEditorType = [&a](TObject*, int x, int y, TEditorType&) {
                                 a = {x, y};
                               }; },
       [](auto& g) {
         TEditorType e = edNormal;
         g.DoGetEditorType(C, R, e);
       },
       ColFirst},
      {"OnGetWordWrap",
       [](auto& g, TArgs& a) { g.OnGetWordWrap = [&a](TObject*, int x, int y, bool&) {
                                 a = {x, y};
                               }; },
       [](auto& g) {
         bool w = false;
         g.DoGetWordWrap(C, R, w);
       },
       ColFirst},
      {"OnHasComboBox",
       [](auto& g, TArgs& a) { g.OnHasComboBox = [&a](TObject*, int x, int y, bool&) {
                                 a = {x, y};
                               }; },
       [](auto& g) { g.DoHasComboBox(C, R); }, ColFirst},
      {"OnHasSpinEdit",
       [](auto& g, TArgs& a) { g.OnHasSpinEdit = [&a](TObject*, int x, int y, bool&) {
                                 a = {x, y};
                               }; },
       [](auto& g) { g.DoHasSpinEdit(C, R); }, ColFirst},
      {"OnGetCheckTrue",
       [](auto& g, TArgs& a) { g.OnGetCheckTrue = [&a](TObject*, int x, int y, QString&) {
                                 a = {x, y};
                               }; },
       [](auto& g) {
         QString v;
         g.DoGetCheckTrue(C, R, v);
       },
       ColFirst},
      {"OnGetCheckFalse",
       [](auto& g, TArgs& a) { g.OnGetCheckFalse = [&a](TObject*, int x, int y, QString&) {
                                 a = {x, y};
                               }; },
       [](auto& g) {
         QString v;
         g.DoGetCheckFalse(C, R, v);
       },
       ColFirst},
      {"OnGetCellCursor",
       [](auto& g, TArgs& a) { g.OnGetCellCursor = [&a](TObject*, int x, int y, int, int, TCursor&) {
                                 a = {x, y};
                               }; },
       [](auto& g) { g.DoGetCellCursor(C, R, 10, 10); }, ColFirst},
      {"OnButtonClick", [](auto& g, TArgs& a) { g.OnButtonClick = [&a](TObject*, int x, int y) {
                                                  a = {x, y};
                                                }; },
       [](auto& g) { g.DoButtonClick(C, R); }, ColFirst},
      {"OnEllipsClick",
       [](auto& g, TArgs& a) { g.OnEllipsClick = [&a](TObject*, int x, int y, QString&) {
                                 a = {x, y};
                               }; },
       [](auto& g) {
         QString result;
         g.SetCol(C);
         g.SetRow(R);
         g.DoEllipsClick("text", result);
       },
       ColFirst},
      {"OnExpandClick", [](auto& g, TArgs& a) { g.OnExpandClick = [&a](TObject*, int x, int y, bool) {
                                                  a = {x, y};
                                                }; },
       [](auto& g) { g.DoExpandClick(C, R, true); }, ColFirst},
  };
  for (const TOrderCase& c : cases) {
    TPlexStringGrid g(nullptr);
    TArgs got{-1, -1};
    c.Wire(g, got);
    c.Ask(g);
    EXPECT_EQ(got, c.Expected) << c.Event;
  }
}

TEST(PlexStringGridHooks, ActiveCellShowColoursTheHeadersOfTheCurrentCell) {
  TPlexStringGrid g(nullptr);
  g.SetActiveCellShow(true);
  g.SetActiveCellColor(clRed);
  g.SetCol(2);
  g.SetRow(3);
  const struct {
    int Col, Row;
    bool Header;
  } cells[] = {{0, 3, true}, {2, 0, true}, {0, 2, false}, {3, 0, false}, {2, 3, false}};
  for (const auto& c : cells) {
    TBrush brush;
    brush.Color = clWhite;
    TFont font;
    g.DoGetCellColor(c.Col, c.Row, {}, brush, font);
    EXPECT_EQ(brush.Color == clRed, c.Header) << c.Col << "," << c.Row;
    EXPECT_EQ(font.Style().Contains(fsBold), c.Header) << c.Col << "," << c.Row;
  }
}

// A check box paints its own face over the grid's colour; an empty cell is its record colour.
TEST(PlexStringGridHooks, RecordBrushOnlyForCellsWithoutAFaceOfTheirOwn) {
  TPlexStringGrid g(nullptr);
  g.SetColors(1, 1, clRed);
  auto* box = new TCellGraphic();
  box->CellType = ctCheckBox;
  g.SetGraphicObjectEx(1, 1, box);
  g.SetColors(2, 2, clRed);
  g.SetFontColors(2, 2, clBlue);
  TBrush brush;
  TFont font;
  brush.Color = clWhite;
  g.DoGetCellColor(1, 1, {}, brush, font);
  EXPECT_EQ(brush.Color, clWhite);
  g.DoGetCellColor(2, 2, {}, brush, font);
  EXPECT_EQ(brush.Color, clRed);
  EXPECT_EQ(font.Color(), clBlue);
  // The event has the last word.
  g.OnGetCellColor = [](TObject*, int, int, TGridDrawState, TBrush& b, TFont&) { b.Color = clLime; };
  g.DoGetCellColor(2, 2, {}, brush, font);
  EXPECT_EQ(brush.Color, clLime);
}

TEST(PlexStringGridHooks, ColumnFilterListsTheDistinctTextsOfTheColumn) {
  TPlexStringGrid g(nullptr);
  g.SetRowCount(5);
  g.FilterDropDownAuto = true;
  const char* texts[] = {"a", "a", "b c", ""};
  for (int r = 1; r <= 4; ++r) g.SetCellEx(1, r, texts[r - 1]);
  ASSERT_TRUE(g.DoGetColumnFilter(1));
  QStringList entries;
  for (int i = 0; i < g.FilterList().Count(); ++i) entries << g.FilterList()[i];
  EXPECT_EQ(entries, (QStringList{"(All)", "", "a", "b c=\"b c\""}));
  // Fixed columns have no list unless every column is asked for.
  EXPECT_FALSE(g.DoGetColumnFilter(0));
  g.FilterDropDownAuto = false;
  EXPECT_FALSE(g.DoGetColumnFilter(1));
}

TEST(PlexStringGridHooks, SpinButtonsNeverOnFixedCells) {
  TPlexStringGrid g(nullptr);
  g.OnHasSpinEdit = [](TObject*, int, int, bool& has) { has = true; };
  EXPECT_FALSE(g.DoHasSpinEdit(0, 3));
  EXPECT_FALSE(g.DoHasSpinEdit(2, 0));
  EXPECT_TRUE(g.DoHasSpinEdit(2, 3));
}

// Without events the always-visible buttons follow the editor type: combo
// buttons through the overridable hook, spin buttons through the event alone.
TEST(PlexStringGridHooks, AlwaysVisibleButtonsFollowTheEditorType) {
  TPlexStringGrid g(nullptr);
  g.DefaultEditor = edComboList;
  EXPECT_FALSE(g.DoHasComboBox(1, 1));
  g.ControlLook().SetDropDownAlwaysVisible(true);
  EXPECT_TRUE(g.DoHasComboBox(1, 1));
  g.DefaultEditor = edFloatSpinEdit;
  g.ControlLook().SetSpinButtonsAlwaysVisible(true);
  EXPECT_TRUE(g.DoHasSpinEdit(1, 1));
}

TEST(PlexStringGridHooks, NoEditorOnlyWhenTheEventSaysNone) {
  TPlexStringGrid g(nullptr);
  EXPECT_FALSE(g.HasNoEditor(1, 1));
  g.OnGetEditorType = [](TObject*, int c, int, TEditorType& e) {
    if (c == 2) e = edNone;
  };
  EXPECT_FALSE(g.HasNoEditor(1, 1));
  EXPECT_TRUE(g.HasNoEditor(2, 1));
}

TEST(PlexStringGridHooks, AWideHintReplacesTheHintInItsEncodedForm) {
  TPlexStringGrid g(nullptr);
  g.OnGridHint = [](TObject*, int, int, QString& h) { h = "plain"; };
  QString hint, wide;
  g.DoGridHint(1, 1, hint, wide);
  EXPECT_EQ(hint, "plain");
  g.OnGridWideHint = [](TObject*, int, int, QString& w) { w = QString::fromUtf8("Ω"); };
  g.DoGridHint(1, 1, hint, wide);
  EXPECT_EQ(hint, EncodeWideText(QString::fromUtf8("Ω")));
  EXPECT_TRUE(hint.startsWith("|\\"));
}

TEST(PlexStringGridHooks, ReadOnlyCellsAndEditingOption) {
  TPlexStringGrid g(nullptr);
  TGridOptions options = g.Options();
  options.Include(goEditing);
  g.SetOptions(options);
  g.SetReadOnly(2, 2, true);
  bool can = true;
  g.CanEditCell(2, 2, can);
  EXPECT_FALSE(can);
  EXPECT_FALSE(g.CanEditCellNow(2, 2));
  can = true;
  g.CanEditCell(3, 3, can);
  EXPECT_TRUE(can);
  // A cell with a record but no goEditing is not editable.
  g.DisableEditing();
  g.SetReadOnly(3, 3, false);
  g.CanEditCell(3, 3, can);
  EXPECT_FALSE(can);
}

TEST(PlexStringGridHooks, CheckTextsStartFromTheGridsSettings) {
  TPlexStringGrid g(nullptr);
  g.CheckTrue = "yes";
  QString v = "stale";
  g.DoGetCheckTrue(1, 1, v);
  EXPECT_EQ(v, "yes");
  g.DoGetCheckFalse(1, 1, v);
  EXPECT_EQ(v, "N");
}

}  // namespace

namespace {

// A new record keeps a colour only where the grid paints a plain background.
TEST(PlexStringGridHooks, NewRecordsStoreAColourOnlyForPlainCells) {
  TPlexStringGrid g(nullptr);
  g.SetColor(clYellow);
  EXPECT_EQ(g.GetCellProperties(2, 2)->BrushColor(), clYellow);
  EXPECT_EQ(g.GetCellProperties(0, 2)->BrushColor(), clNone);
  g.Bands().SetActive(true);
  EXPECT_EQ(g.GetCellProperties(3, 3)->BrushColor(), clNone);
}

}  // namespace

namespace {

// The answer shows at once; the grid's Cursor property stays.
TEST(PlexStringGridHooks, CellCursorIsShownWithoutChangingTheGridsCursor) {
  TPlexStringGrid g(nullptr);
  g.OnGetCellCursor = [](TObject*, int c, int, int, int, TCursor& cursor) {
    EXPECT_EQ(cursor, crDefault);
    if (c == 2) cursor = crHandPoint;
  };
  g.DoGetCellCursor(2, 1, 5, 5);
  EXPECT_EQ(g.Widget()->cursor().shape(), Qt::PointingHandCursor);
  EXPECT_EQ(g.Cursor(), crDefault);
}

}  // namespace

namespace {

// Group header rows are underlined, summary rows lined above, from column 1 on; the event last.
TEST(PlexStringGridHooks, GroupRowsGetTheirLinesBeforeTheEvent) {
  TPlexStringGrid g(nullptr);
  for (const auto& [row, type] : {std::pair{1, ctNode}, std::pair{2, ctSummary}}) {
    auto* mark = new TCellGraphic();  // owned by the cell's properties
    mark->CellType = type;
    g.SetGraphicObjectEx(0, row, mark);
  }
  g.Grouping().HeaderUnderline = true;
  g.Grouping().HeaderLineColor = clRed;
  g.Grouping().HeaderLineWidth = 3;
  g.Grouping().SummaryLine = true;
  g.Grouping().SummaryLineColor = clBlue;
  const struct {
    int Col, Row;
    TCellBorders Borders;
    TColor Color;
    int Width;
  } cases[] = {
      {1, 1, TCellBorders{cbBottom}, clRed, 3},
      {1, 2, TCellBorders{cbTop}, clBlue, 2},
      {0, 1, TCellBorders{}, clBlack, 1},
      {1, 3, TCellBorders{}, clBlack, 1},
  };
  for (const auto& c : cases) {
    TPen pen;
    TCellBorders borders;
    g.DoGetCellBorder(c.Col, c.Row, pen, borders);
    EXPECT_TRUE(borders == c.Borders) << c.Col << "," << c.Row;
    EXPECT_EQ(pen.Color, c.Color) << c.Col << "," << c.Row;
    EXPECT_EQ(pen.Width, c.Width) << c.Col << "," << c.Row;
  }
  g.OnGetCellBorder = [](TObject*, int, int, TPen&, TCellBorders& b) { b = TCellBorders{cbLeft}; };
  TPen pen;
  TCellBorders borders;
  g.DoGetCellBorder(1, 2, pen, borders);
  EXPECT_TRUE(borders == TCellBorders{cbLeft});
}

}  // namespace
