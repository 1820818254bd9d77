// The faces of fixed cells as pixels: the looks that show hover and pressed
// faces, what Flat() leaves out, the headers of the current cell, the fixed
// drop-down button, the application style's elements and the sort glyph.
#include "grid/core/PlexStringGrid.h"

#include "grid/core/ControlLook.h"
#include "grid/features/SortSettings.h"
#include "grid/foundation/CellDrawing.h"
#include "grid/foundation/SortIndexList.h"
#include "platform/AppStyles.h"
#include "platform/ControlPicture.h"
#include "platform/Forms.h"
#include "platform/Themes.h"
#include "support/PaintProbe.h"

#include <QDir>
#include <QImage>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {
constexpr TColor HoverColour = clRed, DownColour = clBlue, BorderColour = clLime;

class TFixedGrid : public TPlexStringGrid {
public:
  using TPlexStringGrid::DrawGridCell;
  using TPlexStringGrid::DrawSortIndicator;
  using TPlexStringGrid::FDropDownDown;
  using TPlexStringGrid::FHoverFixedX;
  using TPlexStringGrid::FHoverFixedY;
  using TPlexStringGrid::FMouseDown;
  using TPlexStringGrid::TPlexStringGrid;
};

// Cells of 40 x 20 pixels, one fixed row and column, single-colour hover and
// pressed faces so a face is a colour count.
struct PlexStringGridPaintFixed : ::testing::Test {
  std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
  TFixedGrid* Grid = nullptr;
  std::unique_ptr<TBitmap> Sheet = paintprobe::Sheet(240, 120);
  void SetUp() override {
    Grid = new TFixedGrid(Form.get());
    Grid->SetParent(Form.get());
    Grid->SetScrollBars(ssNone);
    Grid->SetBounds(0, 0, 240, 120);
    Grid->SetDefaultColWidth(40);
    Grid->SetDefaultRowHeight(20);
    Grid->SetColCount(5);
    Grid->SetRowCount(5);
    Grid->Canvas().SetTextMeasurer(&TTextMeasurer::Fixed());
    SetLook(glXP);
    Grid->HoverFixedCells = hfAll;
  }
  // A look writes its own face colours; the probe colours go on top.
  void SetLook(TGridLook Look) {
    Grid->SetLook(Look);
    TControlLook& look = Grid->ControlLook();
    look.SetFixedGradientHoverFrom(HoverColour);
    look.SetFixedGradientHoverTo(HoverColour);
    look.SetFixedGradientHoverMirrorFrom(clNone);
    look.SetFixedGradientHoverBorder(BorderColour);
    look.SetFixedGradientDownFrom(DownColour);
    look.SetFixedGradientDownTo(DownColour);
    look.SetFixedGradientDownMirrorFrom(clNone);
    look.SetFixedGradientDownBorder(BorderColour);
  }
  // DrawGridCell alone, on white: only what the faces and edges draw shows.
  void DrawOnly(int col, int row) {
    TGridDrawState state;
    if (col < Grid->FixedCols() || row < Grid->FixedRows()) state.Include(gdFixed);
    TRect r = Grid->CellRect(col, row);
    r.Right -= 1;
    r.Bottom -= 2;
    Grid->DrawGridCell(Sheet->Canvas(), col, row, r, state);
  }
  void PaintFull(int col, int row) {
    TGridDrawState state;
    if (col < Grid->FixedCols() || row < Grid->FixedRows()) state.Include(gdFixed);
    Grid->PaintCell(Sheet->Canvas(), col, row, Grid->CellRect(col, row), state);
  }
  int Count(TColor c, const TRect& in) {
    int n = 0;
    for (int y = in.Top; y < in.Bottom; ++y)
      for (int x = in.Left; x < in.Right; ++x) n += paintprobe::At(*Sheet, x, y) == c;
    return n;
  }
  void Clear() {
    Sheet->Canvas().Brush().Color = clWhite;
    Sheet->Canvas().FillRect(TRect(0, 0, 240, 120));
  }
};

TEST_F(PlexStringGridPaintFixed, OnlyTheGradientLooksShowHoverAndPressedFaces) {
  Grid->FHoverFixedX = 1;
  Grid->FHoverFixedY = 0;
  const TRect cell = Grid->CellRect(1, 0);
  struct TCase {
    TGridLook Look;
    bool Down;
    bool HoverFace, DownFace;
  };
  const TCase cases[] = {
      {glStandard, false, false, false}, {glSoft, false, false, false}, {glClassic, false, false, false},
      {glXP, false, true, false},        {glXP, true, false, true},     {glOrv, false, true, false},
      {glVista, true, false, true},      {glWin7, false, true, false},  {glOffice2007, false, true, false},
  };
  for (const TCase& c : cases) {
    Clear();
    SetLook(c.Look);
    Grid->FMouseDown = c.Down;
    PaintFull(1, 0);
    EXPECT_EQ(Count(HoverColour, cell) > 0, c.HoverFace) << c.Look << " down " << c.Down;
    EXPECT_EQ(Count(DownColour, cell) > 0, c.DownFace) << c.Look << " down " << c.Down;
  }
  // A cell the mouse is not over keeps its plain face.
  Clear();
  Grid->SetLook(glXP);
  Grid->FMouseDown = false;
  PaintFull(2, 0);
  EXPECT_EQ(Count(HoverColour, Grid->CellRect(2, 0)), 0);
}

TEST_F(PlexStringGridPaintFixed, FlatDropsTheNormalFaceAndEdgesButNotHoverOrPressed) {
  Grid->SetOptions(Grid->Options() + TGridOptions{goFixedHorzLine});
  Grid->SetOrvGradientFrom(0x40C0C0);
  Grid->SetOrvGradientTo(0x40C0C0);
  const TRect plain = Grid->CellRect(2, 0), hovered = Grid->CellRect(1, 0);
  Grid->FHoverFixedX = 1;
  Grid->FHoverFixedY = 0;
  for (bool flat : {false, true}) {
    for (bool down : {false, true}) {
      Clear();
      Grid->SetFlat(flat);
      Grid->FMouseDown = down;
      DrawOnly(2, 0);
      DrawOnly(1, 0);
      // the normal face is the orv colour; the edges of the look add white over the white sheet's grey line
      EXPECT_EQ(Count(0x40C0C0, plain) > 0, !flat) << "flat " << flat;
      EXPECT_EQ(Count(HalveColor(Grid->FixedColor()), plain) > 0, !flat) << "flat " << flat;
      EXPECT_GT(Count(down ? DownColour : HoverColour, hovered), 0) << "flat " << flat << " down " << down;
    }
  }
}

TEST_F(PlexStringGridPaintFixed, TheActiveCellHeadersFollowTheCurrentCell) {
  Grid->SetActiveCellShow(true);
  Grid->SetActiveCellColor(clAqua);
  Grid->SetActiveCellColorTo(clAqua);
  struct TMove {
    int Col, Row;
  };
  for (const TMove& m : {TMove{3, 2}, TMove{1, 4}}) {
    Grid->FocusCell(m.Col, m.Row);
    ASSERT_EQ(Grid->Col(), m.Col);
    Clear();
    for (int c = 1; c < 5; ++c) DrawOnly(c, 0);
    for (int r = 1; r < 5; ++r) DrawOnly(0, r);
    for (int c = 1; c < 5; ++c) EXPECT_EQ(Count(clAqua, Grid->CellRect(c, 0)) > 0, c == m.Col) << "column header " << c;
    for (int r = 1; r < 5; ++r) EXPECT_EQ(Count(clAqua, Grid->CellRect(0, r)) > 0, r == m.Row) << "row header " << r;
  }
}

TEST_F(PlexStringGridPaintFixed, TheDropDownButtonSitsInTheRightSixteenPixels) {
  Grid->ControlLook().FixedDropDownButton = true;
  Grid->FHoverFixedX = 1;
  Grid->FHoverFixedY = 0;
  const TRect cell = Grid->CellRect(1, 0);
  TRect inner = cell;
  inner.Right -= 1;
  inner.Bottom -= 2;
  const int split = inner.Right - 16;
  struct TCase {
    bool Down, ButtonDown;
    TColor Rest, Button;
  };
  const TCase cases[] = {{false, false, HoverColour, HoverColour},
                         {true, false, DownColour, HoverColour},
                         {true, true, HoverColour, DownColour}};
  for (const TCase& c : cases) {
    Clear();
    Grid->FMouseDown = c.Down;
    Grid->FDropDownDown = c.ButtonDown;
    DrawOnly(1, 0);
    EXPECT_EQ(paintprobe::At(*Sheet, inner.Left + 4, inner.Top + 14), c.Rest);
    EXPECT_EQ(paintprobe::At(*Sheet, split + 2, inner.Top + 16), c.Button);
    EXPECT_EQ(paintprobe::At(*Sheet, split, inner.Top + 10), BorderColour);
    // the arrow's middle at (right - 8, top + 8)
    EXPECT_EQ(paintprobe::At(*Sheet, inner.Right - 8, inner.Top + 8), clBlack);
  }
  // The event can take the button away.
  Grid->OnCanShowFixedDropDown = [](TObject*, int, int, bool& Allow) { Allow = false; };
  Clear();
  Grid->FMouseDown = false;
  DrawOnly(1, 0);
  EXPECT_NE(paintprobe::At(*Sheet, inner.Right - 8, inner.Top + 8), clBlack);
}

TEST_F(PlexStringGridPaintFixed, AnApplicationStyleDrawsFixedAndSelectedCells) {
  auto owned = std::make_unique<TFakeAppStyleServices>();
  TFakeAppStyleServices& styles = *owned;
  SetAppStyleServices(std::move(owned));
  EXPECT_TRUE(Grid->UsesVclStyles());
  Grid->SetSelection(TGridRect{2, 2, 2, 2});
  PaintFull(1, 0);
  PaintFull(2, 2);
  PaintFull(3, 3);
  ASSERT_EQ(styles.Calls.size(), 2u);
  EXPECT_EQ(styles.Calls[0].Element, aseGridFixedCell);
  EXPECT_EQ(styles.Calls[1].Element, aseGridSelectedCell);
  EXPECT_GT(Count(styles.FixedColor, Grid->CellRect(1, 0)), 0);
  styles.StyleName = PlainAppStyleName;
  EXPECT_FALSE(Grid->UsesVclStyles());
  SetAppStyleServices(nullptr);
  EXPECT_FALSE(Grid->UsesVclStyles());
}

// The list-view look draws themed header items: pressed, hot or plain.
TEST_F(PlexStringGridPaintFixed, TheListViewLookAsksTheThemeForItsHeaderItems) {
  auto owned = std::make_unique<TFakeThemeServices>();
  TFakeThemeServices& theme = *owned;
  SetThemeServices(std::move(owned));
  Grid->SetLook(glListView);
  struct TCase {
    int HoverCol;
    bool Down;
    int Part, State;
  };
  for (const TCase& c : {TCase{2, false, 3, 1}, TCase{1, false, 1, 2}, TCase{1, true, 1, 3}}) {
    theme.Calls.clear();
    Grid->FHoverFixedX = c.HoverCol;
    Grid->FHoverFixedY = 0;
    Grid->FMouseDown = c.Down;
    DrawOnly(1, 0);
    ASSERT_EQ(theme.Calls.size(), 1u);
    EXPECT_EQ(theme.Calls[0].ClassList, "header");
    EXPECT_EQ(theme.Calls[0].PartId, c.Part);
    EXPECT_EQ(theme.Calls[0].StateId, c.State);
  }
  SetThemeServices(nullptr);
  // Without visual styles: a plain button face with a white outline.
  Clear();
  DrawOnly(1, 0);
  EXPECT_EQ(paintprobe::At(*Sheet, 50, 8), ColorToRGB(clBtnFace));
}

// The sort glyph's corners, drawn alone at (20, 20) on silver; the filled
// index triangles may lose a vertex pixel to the rasteriser, hence NearTo.
TEST_F(PlexStringGridPaintFixed, SortGlyphsReachTheirCorners) {
  TSortSettings& sort = Grid->SortSettings();
  sort.Column = 1;
  sort.IndexColor = clYellow;
  auto silver = [this] {
    Sheet->Canvas().Brush().Color = clSilver;
    Sheet->Canvas().FillRect(TRect(0, 0, 240, 120));
  };
  auto nearTo = [](const TRect& a, const TRect& b) {
    return std::abs(a.Left - b.Left) <= 1 && std::abs(a.Top - b.Top) <= 1 && std::abs(a.Right - b.Right) <= 1 &&
           std::abs(a.Bottom - b.Bottom) <= 1;
  };
  struct TCase {
    const char* What;
    bool Index;
    bool Descending;
    TRect Ink;  // exclusive right and bottom
  };
  const TCase cases[] = {
      {"descending outline: tip 4 below Y", false, true, TRect(16, 16, 25, 25)},
      {"ascending outline: tip 4 above Y", false, false, TRect(16, 16, 25, 25)},
      {"descending index triangle (X -+ 7, Y - 5), (X, Y + 8)", true, true, TRect(13, 15, 28, 29)},
      {"ascending index triangle (X -+ 6, Y + 8), (X, Y - 4)", true, false, TRect(14, 16, 27, 29)},
  };
  for (const TCase& c : cases) {
    silver();
    sort.IndexShow = c.Index;
    sort.Direction = c.Descending ? sdDescending : sdAscending;
    Grid->SortIndexes().Clear();
    Grid->SortIndexes().AddIndex(1, !c.Descending);
    Grid->DrawSortIndicator(Sheet->Canvas(), 1, 20, 20);
    const TRect ink = paintprobe::InkBounds(*Sheet, clSilver);
    if (c.Index)
      EXPECT_TRUE(nearTo(ink, c.Ink)) << c.What;
    else
      EXPECT_EQ(ink, c.Ink) << c.What;
  }
  // The outline's tip: grey 4 pixels below (descending) or above Y, nothing beyond.
  silver();
  sort.IndexShow = false;
  sort.Direction = sdDescending;
  Grid->DrawSortIndicator(Sheet->Canvas(), 1, 20, 20);
  EXPECT_EQ(paintprobe::At(*Sheet, 20, 24), TColor(0x808080));
  EXPECT_EQ(paintprobe::At(*Sheet, 20, 25), clSilver);
  // The index number in 6 points at (X - 2, Y - 4) descending, (X - 2, Y - 2)
  // ascending; invisible index glyphs leave it alone on the sheet.
  TBitmap clear(2, 2);
  clear.Canvas().Brush().Color = clFuchsia;
  clear.Canvas().FillRect(TRect(0, 0, 2, 2));
  sort.SetIndexUpGlyph(clear);
  sort.SetIndexDownGlyph(clear);
  sort.IndexShow = true;
  for (bool descending : {true, false}) {
    Clear();
    Grid->SortIndexes().Clear();
    Grid->SortIndexes().AddIndex(3, true);
    Grid->SortIndexes().AddIndex(1, !descending);
    Grid->DrawSortIndicator(Sheet->Canvas(), 1, 20, 20);
    const std::vector<TPoint> cells = paintprobe::Cells(*Sheet);
    ASSERT_EQ(cells.size(), 1u);
    EXPECT_EQ(cells[0], TPoint(18, descending ? 16 : 18));
  }
  // A column not in the sort-index list shows nothing.
  Clear();
  Grid->DrawSortIndicator(Sheet->Canvas(), 2, 20, 20);
  EXPECT_TRUE(paintprobe::InkBounds(*Sheet).IsEmpty());
}

TEST_F(PlexStringGridPaintFixed, ScreenshotOfTheFixedRowInEveryLook) {
  const char* shots = std::getenv("QUILLORE_SHOTS");
  if (!shots) GTEST_SKIP() << "QUILLORE_SHOTS names no folder";
  static constexpr TGridLook Looks[] = {glStandard, glSoft,  glClassic, glOrv,       glXP,
                                        glListView, glVista, glWin7,    glOffice2007};
  TBitmap sheet(420, 34 * int(std::size(Looks)));
  int y = 0;
  for (TGridLook look : Looks) {
    TForm form(nullptr);
    auto* grid = new TFixedGrid(&form);
    grid->SetParent(&form);
    grid->SetScrollBars(ssNone);
    grid->SetBounds(0, 0, 420, 34);
    grid->SetColCount(6);
    grid->SetRowCount(3);
    grid->SetDefaultColWidth(70);
    grid->SetDefaultRowHeight(22);
    grid->SetLook(look);
    grid->SetOrvGradientFrom(0xFCF3EA);
    grid->SetOrvGradientTo(0xE9D3BE);
    grid->HoverFixedCells = hfAll;
    TControlLook& faces = grid->ControlLook();
    faces.SetFixedGradientHoverFrom(0xE0F4FF);
    faces.SetFixedGradientHoverTo(0xA0DCFF);
    faces.SetFixedGradientHoverMirrorFrom(0x80D0FF);
    faces.SetFixedGradientHoverMirrorTo(0xC0ECFF);
    faces.SetFixedGradientHoverBorder(0x3CA0E0);
    faces.SetFixedGradientDownFrom(0x90C8F0);
    faces.SetFixedGradientDownTo(0x60B0F0);
    faces.SetFixedGradientDownMirrorFrom(0x4098E8);
    faces.SetFixedGradientDownMirrorTo(0x80C0F0);
    faces.SetFixedGradientDownBorder(0x2070C0);
    faces.FixedDropDownButton = true;
    grid->OnCanShowFixedDropDown = [](TObject*, int ACol, int, bool& Allow) { Allow = ACol == 3; };
    const QStringList titles{"", "Plain", "Sorted", (y / 34) % 2 ? "Pressed" : "Hover", "Filter", "Plain"};
    for (int c = 0; c < 6; ++c) grid->SetCellEx(c, 0, titles[c]);
    grid->FHoverFixedX = look == glListView ? 1 : 3;
    grid->FHoverFixedY = 0;
    grid->FMouseDown = look != glListView && (y / 34) % 2 == 1;
    grid->SortSettings().Column = 2;
    grid->SortSettings().SetShow(true);
    grid->SortSettings().Direction = sdDescending;
    grid->SortSettings().SetHeaderColor(0xD0F0FF);
    grid->SortSettings().SetHeaderColorTo(0x80D0FF);
    grid->OnGetColumnFilter = [](TObject*, int Column, TStrings& Filter) {
      if (Column == 4) Filter.Add("A");
    };
    TBitmap shot;
    PaintControlTo(grid, shot);
    sheet.Canvas().Draw(0, y, shot);
    y += 34;
  }
  EXPECT_TRUE(
      sheet.Image().scaled(sheet.Width() * 2, sheet.Height() * 2).save(QDir(shots).filePath("grid_fixed_faces.png")));
}

}  // namespace
