// How the string grid decides a cell's look and paints it: the precedence of
// colours, the drawing steps over the base painter's background, and what
// the canvas looks like after a cell, also when a drawing event raises.
#include "grid/core/PlexStringGrid.h"

#include "grid/core/BackGround.h"
#include "grid/core/CellGraphic.h"
#include "grid/core/CellNode.h"
#include "grid/core/ControlLook.h"
#include "grid/editing/ShowModified.h"
#include "grid/foundation/PlexObj.h"
#include "platform/ControlPicture.h"
#include "platform/Forms.h"
#include "support/PaintProbe.h"

#include <QApplication>
#include <QDir>

#include <gtest/gtest.h>

#include <cstdlib>
#include <stdexcept>

namespace {
constexpr TColor GridColour = 0xF0F0F0, FixedColour = 0xC8C8C8, OwnColour = clRed;

class TPaintGrid : public TPlexStringGrid {
public:
  using TPlexStringGrid::FHoverRowIdx;
  using TPlexStringGrid::TPlexStringGrid;
  bool Nodes = false;
  bool HasNodes() override { return Nodes; }
  int GetNodeIndent(int ARow) override { return Nodes ? 24 : 0; }
};

// Cells are 40 x 20 pixels; one fixed column and row; a plain look.
struct PlexStringGridPaint : ::testing::Test {
  std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
  TPaintGrid* Grid = nullptr;
  std::unique_ptr<TBitmap> Sheet = paintprobe::Sheet(240, 160);
  void SetUp() override {
    Grid = new TPaintGrid(Form.get());
    Grid->SetParent(Form.get());
    Grid->SetScrollBars(ssNone);
    Grid->SetBounds(0, 0, 240, 160);
    Grid->SetLook(glStandard);
    Grid->SetColor(GridColour);
    Grid->SetFixedColor(FixedColour);
    Grid->SetDefaultColWidth(40);
    Grid->SetDefaultRowHeight(20);
    Grid->SetColCount(6);
    Grid->SetRowCount(8);
    Grid->Canvas().SetTextMeasurer(&TTextMeasurer::Fixed());
    Grid->FixedFont().SetStyle({fsBold});
  }
  void Paint(int col, int row, TGridDrawState state = {}) {
    if (col < Grid->FixedCols() || row < Grid->FixedRows()) state.Include(gdFixed);
    Grid->PaintCell(Sheet->Canvas(), col, row, Grid->CellRect(col, row), state);
  }
  TColor At(int x, int y) { return paintprobe::At(*Sheet, x, y); }

  struct TLook {
    TColor Brush;
    TColor ColorTo;
    TColor FontColor;
    bool Bold;
    TGridDrawState State;
  };
  TLook Visual(int col, int row, TGridDrawState state = {}) {
    TBrush brush;
    TFont font;
    TColor to = clNone, mirror = clNone, mirrorTo = clNone;
    TAlignment ha = taLeftJustify;
    TVAlignment va = vtaTop;
    bool ww = false;
    TCellGradientDirection gd = GradientVertical;
    Grid->GetVisualProperties(col, row, state, false, true, true, brush, to, mirror, mirrorTo, font, ha, va, ww, gd);
    return {brush.Color, to, font.Color(), font.Style().Contains(fsBold), state};
  }
  void AddGraphic(int col, int row, TCellType type) {
    auto* g = new TCellGraphic;  // owned by the cell's properties
    g->CellType = type;
    Grid->SetGraphicObjectEx(col, row, g);
  }
};

// One row per level of the colour precedence, lowest first.
TEST_F(PlexStringGridPaint, VisualPropertiesFollowThePrecedence) {
  // Made while the cell was a normal one, so the record holds the normal font.
  Grid->SetColors(4, 1, OwnColour);
  Grid->OnIsFixedCell = [](TObject*, int ARow, int ACol, bool& Fixed) {
    Fixed = Fixed || (ACol == 3 && ARow <= 3) || (ACol == 4 && ARow == 1);
  };
  Grid->SetColors(3, 2, OwnColour);
  Grid->SetColors(3, 3, OwnColour);
  AddGraphic(3, 3, ctCheckBox);
  Grid->Bands().SetPrimaryColor(clAqua);
  Grid->Bands().SetSecondaryColor(clYellow);
  Grid->Bands().SetPrimaryLength(1);
  Grid->Bands().SetSecondaryLength(1);
  Grid->Bands().SetActive(true);
  Grid->SetFixedRightCols(1);
  Grid->SetFixedFooters(1);
  Grid->SetSelection(TGridRect{1, 7, 1, 7});
  Grid->SetColors(2, 4, OwnColour);
  Grid->SetFontColors(2, 4, clBlue);
  struct TCase {
    const char* What;
    int Col, Row;
    TColor Brush;
    bool Bold;
  };
  const TCase cases[] = {
      {"first normal row: primary band", 1, 1, clAqua, false},
      {"second normal row: secondary band", 1, 2, clYellow, false},
      {"third normal row: primary again", 1, 3, clAqua, false},
      {"fixed column", 0, 2, FixedColour, true},
      {"right fixed column", 5, 2, FixedColour, true},
      {"footer row", 2, 7, FixedColour, true},
      // The record made by SetColors took the font the cell is painted with: the fixed font.
      {"fixed cell with its own colour keeps it and its record's font", 3, 2, OwnColour, true},
      {"the same cell with a check box shows the fixed colour", 3, 3, FixedColour, true},
      {"fixed cell with its own colour is not switched to the fixed font", 4, 1, OwnColour, false},
      {"own colour over the band", 2, 4, OwnColour, false},
  };
  for (const TCase& c : cases) {
    const TLook look = Visual(c.Col, c.Row);
    EXPECT_EQ(look.Brush, c.Brush) << c.What;
    EXPECT_EQ(look.Bold, c.Bold) << c.What;
  }
  // Asking creates no cell record.
  EXPECT_FALSE(Grid->HasCellProperties(1, 1));
  // The hooks come after every area colour, the gradient event after them.
  Grid->OnGetCellColor = [](TObject*, int ARow, int ACol, TGridDrawState, TBrush& B, TFont&) {
    if (ACol == 0 && ARow == 2) B.Color = clLime;
  };
  EXPECT_EQ(Visual(0, 2).Brush, clLime);
  Grid->OnGetCellGradient = [](TObject*, int ARow, int, TColor& C, TColor& To, TColor&, TColor&,
                               TCellGradientDirection&) {
    if (ARow == 2) {
      EXPECT_EQ(C, clLime);
      To = clWhite;
    }
  };
  EXPECT_EQ(Visual(0, 2).ColorTo, clWhite);
}

// The font alone, as text measuring asks for it: area font, the cell's own values, the hook last.
// A persistent row selection is kept by real row; the rows shown selected are
// the rows selected, whatever is hidden above them.
TEST_F(PlexStringGridPaint, PersistentRowSelectionIsPaintedByRealRow) {
  Grid->MouseActions().SetDisjunctRowSelect(true);
  Grid->MouseActions().RowSelectPersistent = true;
  Grid->SetSelectionColor(clBlue);
  Grid->SetRowSelect(3, true);
  Grid->SetRowSelect(6, true);
  Grid->HideRow(2);
  ASSERT_EQ(Grid->RealRowIndex(2), 3);
  for (int d = 1; d < Grid->RowCount(); ++d) {
    const int real = Grid->RealRowIndex(d);
    const bool selected = real == 3 || real == 6;
    EXPECT_EQ(Visual(2, d).Brush, selected ? clBlue : GridColour) << "displayed row " << d << ", real row " << real;
    Paint(2, d);
    const TRect r = Grid->CellRect(2, d);
    EXPECT_EQ(At(r.Left + 3, r.Top + 3), selected ? clBlue : GridColour) << "displayed row " << d;
  }
}

TEST_F(PlexStringGridPaint, FontPropertiesOfTheAreaTheCellAndTheHook) {
  Grid->SetFontColors(2, 3, clBlue);
  Grid->OnGetCellColor = [](TObject*, int ARow, int, TGridDrawState, TBrush&, TFont& F) {
    if (ARow == 4) F.SetColor(clLime);
  };
  const struct {
    int Col, Row;
    bool Bold;
    TColor Color;
  } cases[] = {{0, 2, true, Grid->FixedFont().Color()},
               {2, 0, true, Grid->FixedFont().Color()},
               {2, 2, false, Grid->Font().Color()},
               {2, 3, false, clBlue},
               {2, 4, false, clLime}};
  for (const auto& c : cases) {
    TGridDrawState state;
    TFont font;
    TBrush brush;
    Grid->GetFontProperties(c.Col, c.Col, c.Row, state, font, brush, false);
    EXPECT_EQ(font.Style().Contains(fsBold), c.Bold) << c.Col << "," << c.Row;
    EXPECT_EQ(font.Color(), c.Color) << c.Col << "," << c.Row;
  }
}

TEST_F(PlexStringGridPaint, SelectionMixesIntoOwnColoursAndKeepsFontColourWhenAsked) {
  Grid->SetSelectionColor(0xEACAB6);
  Grid->SetSelectionColorMixer(true);
  Grid->SetSelectionColorMixerFactor(50);
  Grid->SetColors(2, 2, OwnColour);
  Grid->SetFontColors(2, 2, clBlue);
  Grid->SetSelection(TGridRect{1, 2, 2, 2});
  // Channel averages of $EACAB6 and $0000FF; 218.5 rounds to the even 218.
  const TLook mixed = Visual(2, 2);
  EXPECT_EQ(mixed.Brush, RGBColor(218, 101, 117));
  EXPECT_TRUE(mixed.State.Contains(gdSelected));
  EXPECT_EQ(Visual(1, 2).Brush, TColor(0xEACAB6));
  Grid->SetSelectionTextColor(clWhite);
  EXPECT_EQ(Visual(2, 2).FontColor, clWhite);
  Grid->SetSelectionTextColor(clNone);
  EXPECT_EQ(Visual(2, 2).FontColor, clBlue);
}

TEST_F(PlexStringGridPaint, GradientLooksAndDisabledGrids) {
  Grid->SetLook(glXP);
  Grid->SetOrvGradientFrom(clWhite);
  Grid->SetOrvGradientTo(clSilver);
  const TLook fixed = Visual(2, 0);
  EXPECT_EQ(fixed.Brush, clWhite);
  EXPECT_EQ(fixed.ColorTo, clSilver);
  EXPECT_TRUE(fixed.State.Contains(gdFixed));
  Grid->SetEnabled(false);
  EXPECT_EQ(Visual(2, 2).FontColor, TColor(0xC0C0C0));
  EXPECT_EQ(Visual(0, 2).FontColor, TColor(0xC0C0C0));
}

// The default background (tiled, no picture, a second colour set) adds nothing to a cell.
TEST_F(PlexStringGridPaint, AnEmptyTiledBackgroundPaintsNothingExtra) {
  ASSERT_EQ(Grid->BackGround().Display(), bdTile);
  ASSERT_EQ(Grid->BackGround().ColorTo(), clBtnFace);
  Paint(2, 2);
  const TRect r = Grid->CellRect(2, 2);
  for (const TPoint p : {TPoint(r.Left + 3, r.Top + 3), TPoint(r.Right - 4, r.Bottom - 4)})
    EXPECT_EQ(At(p.X, p.Y), GridColour) << p.X << "," << p.Y;
}

TEST_F(PlexStringGridPaint, BlendColorsRules) {
  struct TCase {
    TColor A, B;
    int Percent;
    TColor Result;
  };
  const TCase cases[] = {
      {clRed, clBlue, 100, clRed},
      {clRed, clBlue, 150, clRed},
      {clRed, clBlue, 0, clBlue},
      {clNone, clBlue, 50, clBlue},
      {clRed, clNone, 50, clRed},
      {RGBColor(255, 1, 3), RGBColor(255, 0, 0), 50, RGBColor(255, 0, 2)},  // 0.5 and 1.5 to even
      {clWhite, clBlack, 25, RGBColor(64, 64, 64)},
      {clBtnFace, clBtnFace, 50, ColorToRGB(clBtnFace)},  // system colours are resolved
  };
  for (const TCase& c : cases) EXPECT_EQ(TPlexStringGrid::BlendColors(c.A, c.B, c.Percent), c.Result) << c.Percent;
  EXPECT_EQ(TPlexStringGrid::MixSelectionColor(clRed, clBlue, false, 50), clRed);
}

TEST_F(PlexStringGridPaint, CellBordersLieWhereTheHookAsks) {
  Grid->OnGetCellBorder = [](TObject*, int ARow, int ACol, TPen& Pen, TCellBorders& Borders) {
    if (ACol != 2 || ARow != 2) return;
    Pen.Color = clRed;
    Borders = TCellBorders{cbLeft, cbTop, cbRight, cbBottom};
  };
  Paint(2, 2);
  const TRect r = Grid->CellRect(2, 2);
  const int midX = (r.Left + r.Right) / 2, midY = (r.Top + r.Bottom) / 2;
  EXPECT_EQ(At(r.Left + 1, midY), clRed);
  EXPECT_EQ(At(r.Right - 2, midY), clRed);
  EXPECT_EQ(At(midX, r.Top), clRed);
  EXPECT_EQ(At(midX, r.Bottom - 2), clRed);
  EXPECT_NE(At(r.Left + 2, midY), clRed);
  // Each side may take its own pen.
  Grid->OnGetCellBorderProp = [](TObject*, int, int, TPen&, TPen&, TPen&, TPen& Bottom) { Bottom.Color = clBlue; };
  Paint(2, 2);
  EXPECT_EQ(At(midX, r.Bottom - 2), clBlue);
  EXPECT_EQ(At(midX, r.Top), clRed);
}

TEST_F(PlexStringGridPaint, ModifiedBarTreeLinesAndHoverOnFixedCells) {
  Grid->ShowModified().Enabled = true;
  Grid->ShowModified().SetColor(clLime);
  Grid->SetRowModified(2, true);
  Paint(0, 2);
  const TRect r = Grid->CellRect(0, 2);
  EXPECT_EQ(At(r.Right - 3, r.Top + 5), clLime);
  EXPECT_NE(At(r.Right - 6, r.Top + 5), clLime);

  // Tree lines of a node row at level 1: its own stub and its parent's line.
  Grid->Nodes = true;
  Grid->CellNode().SetTreeColor(clRed);
  Grid->GetCellProperties(0, 3)->NodeLevel = 1;
  Paint(0, 3);
  const TRect t = Grid->CellRect(0, 3);
  const int mid = (t.Top + t.Bottom - 1) / 2;  // the content rectangle ends 2 pixels in
  for (int x = 20; x < 28; ++x) EXPECT_EQ(At(x, mid), clRed) << x;
  EXPECT_EQ(At(8, t.Top + 2), clRed);

  // The hover row: fixed cells take its colour only with hcFixed.
  Grid->SetHoverRow(true);
  Grid->SetHoverRowColor(clYellow);
  Grid->FHoverRowIdx = 5;
  Paint(0, 5);
  EXPECT_EQ(At(10, Grid->CellRect(0, 5).Top + 5), FixedColour);
  Grid->SetHoverRowCells({hcNormal, hcSelected, hcFixed});
  Paint(0, 5);
  EXPECT_EQ(At(10, Grid->CellRect(0, 5).Top + 5), clYellow);
}

TEST_F(PlexStringGridPaint, RowIndicatorOnTheCurrentRowMovesTheText) {
  TBitmap indicator(8, 8);
  indicator.Canvas().Brush().Color = clBlue;
  indicator.Canvas().FillRect(TRect(0, 0, 8, 8));
  indicator.Canvas().SetPixel(0, 7, clWhite);  // the key colour
  indicator.EndCanvas();
  Grid->RowIndicator().Assign(indicator);
  Grid->SetSelection(TGridRect{2, 3, 2, 3});
  Grid->SetCellEx(0, 3, "ab");
  Grid->SetCellEx(0, 4, "ab");
  Paint(0, 3);
  Paint(0, 4);
  const TRect current = Grid->CellRect(0, 3), other = Grid->CellRect(0, 4);
  EXPECT_EQ(At(current.Left + 5, current.Top + 3), clBlue);
  EXPECT_NE(At(other.Left + 5, other.Top + 3), clBlue);
  std::vector<TPoint> cells = paintprobe::Cells(*Sheet);
  ASSERT_EQ(cells.size(), 4u);
  EXPECT_EQ(cells[0].X - cells[2].X, 8 + 2);  // the current row's text after the bitmap
}

// An always-visible drop-down button takes 16 pixels from the text's room, in normal cells only.
TEST_F(PlexStringGridPaint, AlwaysVisibleButtonsTakeRoomFromTheText) {
  Grid->SetCellEx(2, 2, "ab");
  Grid->SetAlignments(2, 2, taRightJustify);
  Paint(2, 2);
  const std::vector<TPoint> plain = paintprobe::Cells(*Sheet);
  Grid->ControlLook().SetDropDownAlwaysVisible(true);
  Grid->ControlLook().SetFlatButton(true);
  Grid->OnHasComboBox = [](TObject*, int, int, bool& Has) { Has = true; };
  Sheet = paintprobe::Sheet(240, 160);
  Paint(2, 2);
  const std::vector<TPoint> withButton = paintprobe::Cells(*Sheet);
  ASSERT_EQ(plain.size(), 2u);
  ASSERT_EQ(withButton.size(), 2u);
  EXPECT_EQ(plain[0].X - withButton[0].X, 16);
  const TRect r = Grid->CellRect(2, 2);
  EXPECT_NE(At(r.Right - 10, (r.Top + r.Bottom) / 2), GridColour);
  Sheet = paintprobe::Sheet(240, 160);
  Paint(2, 0);
  EXPECT_EQ(At(Grid->CellRect(2, 0).Right - 10, 10), FixedColour);
}

TEST_F(PlexStringGridPaint, DrawingEventsGetTheRealColumnAndDefaultDrawingRules) {
  Grid->SetCellEx(2, 2, "ab");
  Grid->HideColumn(1);
  int eventCol = -1;
  TRect eventRect;
  Grid->OnDrawCell = [&](TObject*, int ACol, int, TRect R, TGridDrawState) {
    eventCol = ACol;
    eventRect = R;
  };
  Paint(1, 2);
  EXPECT_EQ(eventCol, 2);
  const TRect cell = Grid->CellRect(1, 2);
  EXPECT_EQ(eventRect, TRect(cell.Left + 1, cell.Top + 1, cell.Right - 1, cell.Bottom - 1));
  EXPECT_EQ(paintprobe::Cells(*Sheet).size(), 2u);

  // NoDefaultDraw leaves the content to the drawing events, but not to the background one.
  Grid->NoDefaultDraw = true;
  Sheet = paintprobe::Sheet(240, 160);
  Paint(1, 2);
  EXPECT_TRUE(paintprobe::Cells(*Sheet).empty());
  Grid->OnDrawCell = nullptr;
  bool background = false;
  Grid->OnCustomCellBkgDraw = [&](TObject*, TCanvas&, int, int, TGridDrawState, TRect, bool) { background = true; };
  Paint(1, 2);
  EXPECT_TRUE(background);
  EXPECT_EQ(paintprobe::Cells(*Sheet).size(), 2u);
}

// A raising drawing event leaves neither clip nor pen, brush or font behind.
TEST_F(PlexStringGridPaint, ARaisingDrawingEventLeavesTheCanvasAsItWas) {
  Grid->SetCellEx(1, 2, "ab");
  Grid->SetCellEx(2, 2, "cd");
  auto reference = paintprobe::Sheet(240, 160);
  Grid->PaintCell(reference->Canvas(), 2, 2, Grid->CellRect(2, 2), {});
  Grid->OnCustomCellDraw = [](TObject*, TCanvas& C, int ACol, int, TGridDrawState, TRect, bool) {
    if (ACol != 1) return;
    C.IntersectClipRect(TRect(0, 0, 1, 1));
    C.Font().SetStyle({fsUnderline});
    C.Font().SetColor(clRed);
    C.Pen().Width = 5;
    throw std::runtime_error("drawing failed");
  };
  TCanvas& c = Sheet->Canvas();
  const TFont font = [&] {
    TFont f;
    f.Assign(c.Font());
    return f;
  }();
  EXPECT_THROW(Paint(1, 2), std::runtime_error);
  EXPECT_FALSE(c.HasClipRegion());
  EXPECT_TRUE(c.Font() == font);
  EXPECT_EQ(c.Pen().Width, 1);
  Paint(2, 2);
  const TRect r = Grid->CellRect(2, 2);
  EXPECT_TRUE(paintprobe::SameImage(Sheet->Image().copy(r.toQRect()), reference->Image().copy(r.toQRect())));
}

TEST_F(PlexStringGridPaint, FocusRectangleOnTheCurrentCell) {
  Form->Show();
  Grid->SetFocus();
  QApplication::processEvents();
  if (!Grid->Focused()) GTEST_SKIP() << "the platform gives no keyboard focus";
  Grid->SetSelection(TGridRect{2, 2, 2, 2});
  Grid->HideFocusRect = true;
  Paint(2, 2, {gdFocused});
  const QImage without = Sheet->Image().copy();
  Grid->HideFocusRect = false;
  Paint(2, 2, {gdFocused});
  const TRect r = Grid->CellRect(2, 2);
  const TRect focus(r.Left, r.Top, r.Right - 1, r.Bottom - 1);
  int changed = 0;
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x) {
      if (without.pixel(x, y) == Sheet->Image().pixel(x, y)) continue;
      ++changed;
      const bool onOutline = x == focus.Left || x == focus.Right - 1 || y == focus.Top || y == focus.Bottom - 1;
      EXPECT_TRUE(onOutline) << x << "," << y;
    }
  EXPECT_GT(changed, 20);
}

// Pictures of a 10 x 20 grid in every look, saved where QUILLORE_SHOTS says.
TEST(PlexStringGridPaintShots, EveryLook) {
  const char* shots = std::getenv("QUILLORE_SHOTS");
  if (!shots) GTEST_SKIP() << "QUILLORE_SHOTS names no folder";
  static constexpr const char* Names[] = {"standard", "soft",  "classic", "orv",    "xp",
                                          "listview", "vista", "win7",    "office", "custom"};
  for (int look = glStandard; look <= glCustom; ++look) {
    TForm form(nullptr);
    form.SetClientWidth(660);
    form.SetClientHeight(260);
    auto* grid = new TPaintGrid(&form);
    grid->SetParent(&form);
    grid->SetBounds(0, 0, 660, 260);
    grid->SetLook(TGridLook(look));
    grid->SetOrvGradientFrom(0xFCF3EA);
    grid->SetOrvGradientTo(0xE9D3BE);
    grid->SetColCount(10);
    grid->SetRowCount(20);
    grid->SetDefaultRowHeight(20);
    grid->SetRowHeights(4, 36);
    grid->FixedFont().SetName("Tahoma");
    grid->FixedFont().SetSize(8);
    grid->FixedFont().SetStyle({fsBold});
    grid->ActiveCellFont().Assign(grid->FixedFont());
    grid->SetActiveCellShow(true);
    grid->AutoNumAlign = true;
    grid->EnhTextSize = true;
    grid->SetHoverRow(true);
    grid->SetHoverRowCells({hcNormal, hcSelected});
    grid->FHoverRowIdx = 6;
    for (int c = 1; c < 10; ++c) grid->SetCellEx(c, 0, QString("Column %1").arg(c));
    for (int r = 1; r < 20; ++r) {
      grid->SetCellEx(0, r, QString::number(r));
      grid->SetCellEx(1, r, QString::number(r * 137));
      grid->SetCellEx(2, r, "A rather long text that ends in an ellipsis");
      grid->SetCellEx(3, r, QString::number(r * 1.25, 'f', 2));
    }
    grid->SetWordWrap(false);
    grid->SetCellEx(4, 4, "Word-wrapped text over two lines");
    grid->SetWordWraps(4, 4, true);
    grid->SetSelection(TGridRect{2, 8, 4, 10});
    TBitmap shot;
    PaintControlTo(grid, shot);
    EXPECT_TRUE(SaveBitmapAsPng(shot, QDir(shots).filePath(QString("grid_look_%1.png").arg(Names[look]))));
  }
}

// A persistent row selection over hidden rows, as the user sees it: each row
// names its real row, and the rows selected are real rows 3, 6 and 9.
TEST(PlexStringGridPaintShots, PersistentRowSelectionWithHiddenRows) {
  const char* shots = std::getenv("QUILLORE_SHOTS");
  if (!shots) GTEST_SKIP() << "QUILLORE_SHOTS names no folder";
  TForm form(nullptr);
  form.SetClientWidth(360);
  form.SetClientHeight(260);
  auto* grid = new TPaintGrid(&form);
  grid->SetParent(&form);
  grid->SetBounds(0, 0, 360, 260);
  grid->SetColCount(3);
  grid->SetRowCount(12);
  grid->SetColWidths(1, 140);
  grid->SetColWidths(2, 140);
  grid->MouseActions().SetDisjunctRowSelect(true);
  grid->MouseActions().RowSelectPersistent = true;
  grid->SetCellEx(1, 0, "Real row");
  grid->SetCellEx(2, 0, "Selected");
  for (int r = 1; r < 12; ++r) {
    grid->SetCellEx(0, r, QString::number(r));
    grid->SetCellEx(1, r, QString("real row %1").arg(r));
    grid->SetCellEx(2, r, r % 3 == 0 ? "yes" : "");
    if (r % 3 == 0) grid->SetRowSelect(r, true);
  }
  grid->HideRow(2);
  grid->HideRow(4);  // real row 5
  TBitmap shot;
  PaintControlTo(grid, shot);
  EXPECT_TRUE(SaveBitmapAsPng(shot, QDir(shots).filePath("grid_persistent_row_selection_hidden_rows.png")));
}

}  // namespace
