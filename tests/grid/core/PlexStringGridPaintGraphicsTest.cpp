// Cell graphics as pixels: where a graphic lands by its alignments, the
// states of check boxes and radio buttons (recorded by a themed fake), the
// rating's stars, rotated cells, where a button was drawn, and progress bars.
#include "grid/core/PlexStringGrid.h"

#include "grid/core/CellGraphic.h"
#include "grid/core/CellNode.h"
#include "grid/core/ControlLook.h"
#include "grid/core/InterfacedPersistent.h"
#include "grid/foundation/FilePicture.h"
#include "grid/foundation/IntList.h"
#include "platform/ControlPicture.h"
#include "platform/Forms.h"
#include "platform/ImageList.h"
#include "platform/Themes.h"
#include "support/PaintProbe.h"

#include <QDir>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

namespace {
constexpr TColor GridColour = 0xF0F0F0;

// A cell object that draws itself: a green frame with a cross.
class TSelfDrawn : public TInterfacedPersistent {
public:
  void Draw(TCanvas& C, const TRect& R, int, int, bool, bool) override {
    C.Pen().Color = clGreen;
    C.Brush().Style = bsClear;
    C.Rectangle(R.Left + 4, R.Top + 4, R.Right - 4, R.Bottom - 4);
    C.MoveTo(R.Left + 4, R.Top + 4);
    C.LineTo(R.Right - 4, R.Bottom - 4);
    C.Brush().Style = bsSolid;
  }
};

class TGraphicsGrid : public TPlexStringGrid {
public:
  using TPlexStringGrid::DrawCheckGlyph;
  using TPlexStringGrid::DrawRadioGlyph;
  using TPlexStringGrid::TPlexStringGrid;
  // Stands in for the node rows: every row one level deep.
  bool Nodes = false;
  bool HasNodes() override { return Nodes; }
  int GetNodeIndent(int ARow) override { return Nodes ? CellNode().NodeIndent() : 0; }
};

// Cells of 100 x 24 pixels; cell (1, 1) spans (100, 24)..(200, 48).
struct PlexStringGridPaintGraphics : ::testing::Test {
  std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
  TGraphicsGrid* Grid = nullptr;
  std::unique_ptr<TBitmap> Sheet = paintprobe::Sheet(400, 200);
  TBitmap Dot{6, 6};
  void SetUp() override {
    Grid = new TGraphicsGrid(Form.get());
    Grid->SetParent(Form.get());
    Grid->SetScrollBars(ssNone);
    Grid->SetBounds(0, 0, 400, 200);
    Grid->SetLook(glStandard);
    Grid->SetColor(GridColour);
    Grid->SetDefaultColWidth(100);
    Grid->SetDefaultRowHeight(24);
    Grid->SetColCount(4);
    Grid->SetRowCount(6);
    Grid->Canvas().SetTextMeasurer(&TTextMeasurer::Fixed());
    Dot.Canvas().Brush().Color = clRed;
    Dot.Canvas().FillRect(TRect(0, 0, 6, 6));
  }
  void TearDown() override { SetThemeServices(nullptr); }
  void Paint(int col, int row) { Grid->PaintCell(Sheet->Canvas(), col, row, Grid->CellRect(col, row), {}); }
  TRect RedInk() {
    TRect r;
    bool any = false;
    for (int y = 0; y < Sheet->Height(); ++y)
      for (int x = 0; x < Sheet->Width(); ++x)
        if (paintprobe::At(*Sheet, x, y) == clRed) {
          r = any ? TRect(std::min(r.Left, x), std::min(r.Top, y), std::max(r.Right, x + 1), std::max(r.Bottom, y + 1))
                  : TRect(x, y, x + 1, y + 1);
          any = true;
        }
    return r;
  }
  TFakeThemeServices& InstallFakeTheme() {
    auto owned = std::make_unique<TFakeThemeServices>();
    TFakeThemeServices& fake = *owned;
    SetThemeServices(std::move(owned));
    return fake;
  }
};

// The graphic's rectangle inside the cell: the cell less 1 pixel a side
// (grid line and XYOffset of 2), the graphic 1 pixel in from that.
TEST_F(PlexStringGridPaintGraphics, AGraphicLandsWhereItsAlignmentsPutIt) {
  struct TCase {
    TCellHAlign H;
    TCellVAlign V;
    int Left, Top;
  };
  const TCase cases[] = {
      {haLeft, vaTop, 102, 26},       {haRight, vaTop, 192, 26},      {haCenter, vaCenter, 147, 33},
      {haLeft, vaBottom, 102, 40},    {haLeft, vaUnderText, 102, 41}, {haFull, vaAboveText, 101, 26},
      {haBeforeText, vaTop, 102, 26},
  };
  for (const TCase& c : cases) {
    Sheet = paintprobe::Sheet(400, 200);
    Grid->AddBitmap(1, 1, &Dot, false, c.H, c.V);
    Paint(1, 1);
    EXPECT_EQ(RedInk(), TRect(c.Left, c.Top, c.Left + 6, c.Top + 6)) << c.H << " " << c.V;
  }
  Grid->RemoveBitmap(1, 1);
}

TEST_F(PlexStringGridPaintGraphics, ACheckBoxFollowsTheCellsTextAlignment) {
  TFakeThemeServices& theme = InstallFakeTheme();
  Grid->ControlLook().SetControlStyle(csTheme);
  Grid->AddCheckBox(1, 1, false, false);
  struct TCase {
    TAlignment HA;
    TVAlignment VA;
    int Left, Top;
  };
  const int size = Grid->ControlLook().CheckSize();
  const TCase cases[] = {{taLeftJustify, vtaTop, 102, 26},
                         {taRightJustify, vtaTop, 198 - size, 26},
                         {taCenter, vtaCenter, 101 + (98 - size) / 2, 25 + (22 - size) / 2},
                         {taLeftJustify, vtaBottom, 102, 46 - size}};
  for (const TCase& c : cases) {
    theme.Calls.clear();
    Grid->SetAlignments(1, 1, c.HA);
    Grid->OnGetAlignment = [&c](TObject*, int, int, TAlignment&, TVAlignment& VA) { VA = c.VA; };
    Paint(1, 1);
    ASSERT_EQ(theme.Calls.size(), 1u);
    EXPECT_EQ(theme.Calls[0].Rect.Left, c.Left) << c.HA;
    EXPECT_EQ(theme.Calls[0].Rect.Top, c.Top) << c.VA;
  }
}

// The themed states: unchecked 1, checked 5, grayed 9; disabled three higher.
TEST_F(PlexStringGridPaintGraphics, CheckBoxStatesAndTheirDisabledLook) {
  TFakeThemeServices& theme = InstallFakeTheme();
  TControlLook& look = Grid->ControlLook();
  look.SetControlStyle(csTheme);
  Grid->AddCheckBox(1, 1, cbGrayed);
  Grid->AddCheckBox(1, 2, cbChecked);
  Grid->AddCheckBox(1, 3, cbUnchecked);
  Grid->AddCheckBox(2, 1, false, true);
  struct TCase {
    const char* What;
    bool Editing, NoDisabledLook, AlwaysActive;
    int Grayed, Checked, Unchecked;
  };
  const TCase cases[] = {
      {"editing", true, false, false, 9, 5, 1},
      {"no editing: disabled look", false, false, false, 12, 8, 4},
      {"no editing, NoDisabledCheckRadioLook", false, true, false, 9, 5, 1},
      {"no editing, CheckAlwaysActive", false, false, true, 9, 5, 1},
  };
  for (const TCase& c : cases) {
    TGridOptions options = Grid->Options();
    if (c.Editing)
      options.Include(goEditing);
    else
      options.Exclude(goEditing);
    Grid->SetOptions(options);
    look.SetNoDisabledCheckRadioLook(c.NoDisabledLook);
    look.CheckAlwaysActive = c.AlwaysActive;
    theme.Calls.clear();
    for (int r = 1; r <= 3; ++r) Paint(1, r);
    ASSERT_EQ(theme.Calls.size(), 3u) << c.What;
    EXPECT_EQ(theme.Calls[0].StateId, c.Grayed) << c.What;
    EXPECT_EQ(theme.Calls[1].StateId, c.Checked) << c.What;
    EXPECT_EQ(theme.Calls[2].StateId, c.Unchecked) << c.What;
    EXPECT_EQ(theme.Calls[0].PartId, 3) << c.What;
  }
  // A data check box is checked exactly when its text is CheckTrue.
  Grid->SetOptions(Grid->Options() + TGridOptions{goEditing});
  struct TText {
    const char* Text;
    bool Checked;
  };
  for (const TText& t :
       {TText{"Y", true}, TText{"N", false}, TText{"y", false}, TText{"Yes", false}, TText{"", false}}) {
    Grid->SetCellEx(2, 1, t.Text);
    theme.Calls.clear();
    Paint(2, 1);
    ASSERT_EQ(theme.Calls.size(), 1u);
    EXPECT_EQ(theme.Calls[0].StateId, t.Checked ? 5 : 1) << t.Text;
  }
  Grid->CheckTrue = "X";
  Grid->SetCellEx(2, 1, "X");
  theme.Calls.clear();
  Paint(2, 1);
  EXPECT_EQ(theme.Calls.at(0).StateId, 5);
}

TEST_F(PlexStringGridPaintGraphics, RadioGroupsCheckTheirIndexOrTheCellText) {
  TFakeThemeServices& theme = InstallFakeTheme();
  Grid->ControlLook().SetControlStyle(csTheme);
  Grid->SetOptions(Grid->Options() + TGridOptions{goEditing});
  Grid->SetRowHeights(1, 60);
  TStringList options;
  options.Add("one");
  options.Add("two");
  options.Add("three");
  Grid->AddRadio(1, 1, 0, -1, &options);
  for (const auto& [index, text, checked] :
       {std::tuple{1, "", 2}, std::tuple{-1, "three", 3}, std::tuple{-1, "none", 0}}) {
    Grid->SetRadioIdx(1, 1, index);
    Grid->SetCellEx(1, 1, text);
    theme.Calls.clear();
    Paint(1, 1);
    ASSERT_EQ(theme.Calls.size(), 3u);
    for (int i = 0; i < 3; ++i) {
      EXPECT_EQ(theme.Calls[i].PartId, 2);
      EXPECT_EQ(theme.Calls[i].StateId, i + 1 == checked ? 5 : 1) << text << " item " << i;
    }
  }
}

// Stars of 16 pixels every 18, from the cell's left; the left and right halves
// of each star's middle tell full, half and empty apart.
TEST_F(PlexStringGridPaintGraphics, ARatingShowsWholeAndHalfStars) {
  Grid->AddRating(1, 1, 5, clRed, clBlue);
  struct TCase {
    const char* Value;
    const char* Stars;  // F full, H half, E empty
  };
  const TCase cases[] = {{"3.3", "FFFEE"}, {"3.5", "FFFHE"}, {"3.9", "FFFHE"}, {"0", "EEEEE"}, {"5", "FFFFF"}};
  for (const TCase& c : cases) {
    Grid->SetCellEx(1, 1, c.Value);
    Paint(1, 1);
    std::string shown;
    for (int i = 0; i < 5; ++i) {
      const int x = 101 + 18 * i, y = 26 + 9;
      const TColor left = paintprobe::At(*Sheet, x + 6, y), right = paintprobe::At(*Sheet, x + 10, y);
      shown += left == clRed && right == clRed ? 'F' : left == clRed && right == clBlue ? 'H' : 'E';
    }
    EXPECT_EQ(shown, c.Stars) << c.Value;
  }
}

TEST_F(PlexStringGridPaintGraphics, RotatedCellsKeepTheirTextAndAngle) {
  struct TCase {
    int Angle, Stored;
  };
  for (const TCase& c : {TCase{90, 90}, TCase{-90, 270}, TCase{450, 90}, TCase{360, 360}}) {
    Grid->AddRotated(1, 1, c.Angle, "ab");
    EXPECT_EQ(Grid->GetCellEx(1, 1), "ab");
    int angle = -1;
    EXPECT_TRUE(Grid->IsRotated(1, 1, angle));
    EXPECT_EQ(angle, c.Stored);
  }
  Grid->RemoveRotated(1, 1);
  int angle = 0;
  EXPECT_FALSE(Grid->IsRotated(1, 1, angle));
  EXPECT_EQ(Grid->GetCellEx(1, 1), "ab");
  // SetRotated turns an existing cell; the text stays.
  Grid->SetCellEx(2, 1, "cd");
  Grid->SetRotated(2, 1, 45);
  EXPECT_TRUE(Grid->IsRotated(2, 1, angle));
  EXPECT_EQ(angle, 45);
  EXPECT_EQ(Grid->GetCellEx(2, 1), "cd");
  // Painted turned by 90 degrees the text runs upwards: taller than wide.
  Grid->SetRowHeights(3, 60);
  Grid->AddRotated(1, 3, 90, "abcdef");
  Sheet = paintprobe::Sheet(400, 200);
  Paint(1, 3);
  TRect cell = Grid->CellRect(1, 3);
  InflateRect(cell, -2, -2);
  TBitmap part(cell.Width(), cell.Height());
  part.Canvas().CopyRect(TRect(0, 0, cell.Width(), cell.Height()), Sheet->Canvas(), cell);
  const TRect ink = paintprobe::InkBounds(part, GridColour);
  EXPECT_GT(ink.Height(), ink.Width());
}

TEST_F(PlexStringGridPaintGraphics, AButtonReportsWhereItWasDrawn) {
  Grid->AddExpand(1, 1, 60);
  Grid->AddButton(2, 1, 30, 16, "Go", haRight, vaBottom);
  Paint(1, 1);
  Paint(2, 1);
  // x in the low 16 bits, y in the high ones, from the cell's top-left corner
  const auto offset = [this](int c, int r) { return uint32_t(Grid->GetCellGraphic(c, r)->CellValue); };
  EXPECT_EQ(offset(1, 1) & 0xFFFF, uint32_t(99 - 13));
  EXPECT_EQ(offset(1, 1) >> 16, 1u);
  EXPECT_EQ(offset(2, 1) & 0xFFFF, uint32_t(99 - 1 - 30));
  EXPECT_EQ(offset(2, 1) >> 16, uint32_t(23 - 1 - 16));
  const TRect button = Grid->GetCellButtonRect(2, 1);
  EXPECT_EQ(button, TRect(200 + 68, 24 + 6, 200 + 98, 24 + 22));
}

// An XP-style bar over an empty range reads as 0 per cent, like a bar at its minimum.
TEST_F(PlexStringGridPaintGraphics, AnEmptyProgressRangeShowsNothingDone) {
  Grid->AddPlexProgress(1, 2, 5, 5);
  Grid->SetInts(1, 2, 5);
  Grid->AddPlexProgress(1, 3, 0, 100);
  Grid->SetInts(1, 3, 0);
  Paint(1, 2);
  Paint(1, 3);
  for (int y = 0; y < 24; ++y)
    for (int x = 100; x < 200; ++x)
      ASSERT_EQ(paintprobe::At(*Sheet, x, 48 + y), paintprobe::At(*Sheet, x, 72 + y)) << x << ", " << y;
}

// With visual styles and ProgressXP a progress cell is the theme's bar and a chunk of its share.
TEST_F(PlexStringGridPaintGraphics, AThemedProgressBarDrawsBarAndChunk) {
  TFakeThemeServices& theme = InstallFakeTheme();
  TControlLook& look = Grid->ControlLook();
  look.SetControlStyle(csWinXP);
  look.SetProgressXP(true);
  Grid->AddProgress(1, 2, clBlue, clWhite);
  for (const auto& [value, share] : {std::pair{"50", 0.5}, std::pair{"150", 1.0}, std::pair{"-3", 0.0}}) {
    Grid->SetCellEx(1, 2, value);
    theme.Calls.clear();
    Paint(1, 2);
    ASSERT_EQ(theme.Calls.size(), 2u);
    EXPECT_EQ(theme.Calls[0].ClassList, "Progress");
    EXPECT_EQ(theme.Calls[0].PartId, 1);
    EXPECT_EQ(theme.Calls[1].PartId, 3);
    const TRect bar = theme.Calls[0].Rect, chunk = theme.Calls[1].Rect;
    EXPECT_EQ(chunk.Left, bar.Left + 2);
    EXPECT_EQ(chunk.Width(), int(std::lround((bar.Width() - 4) * share))) << value;
  }
  look.SetProgressXP(false);
  theme.Calls.clear();
  Paint(1, 2);
  EXPECT_TRUE(theme.Calls.empty());
}

TEST_F(PlexStringGridPaintGraphics, ScreenshotOfEveryGraphicKind) {
  const char* shots = std::getenv("QUILLORE_SHOTS");
  if (!shots) GTEST_SKIP() << "QUILLORE_SHOTS names no folder";
  TForm form(nullptr);
  auto* grid = new TGraphicsGrid(&form);
  grid->SetParent(&form);
  grid->SetScrollBars(ssNone);
  grid->SetBounds(0, 0, 640, 420);
  grid->SetLook(glXP);
  grid->SetColCount(4);
  grid->SetRowCount(12);
  grid->SetDefaultColWidth(160);
  grid->SetDefaultRowHeight(34);
  grid->SetOptions(grid->Options() + TGridOptions{goEditing});
  grid->ControlLook().SetControlStyle(csWinXP);
  TImageList images(16, 16);
  for (TColor c : {clRed, clGreen, clBlue}) {
    TBitmap b(16, 16);
    b.Canvas().Brush().Color = c;
    b.Canvas().Ellipse(1, 1, 15, 15);
    images.Add(b.Image());
  }
  grid->SetGridImages(&images);
  TBitmap picture(20, 20);
  picture.Canvas().Brush().Color = 0x4080FF;
  picture.Canvas().FillRect(TRect(0, 0, 20, 20));
  picture.Canvas().Brush().Color = clWhite;
  picture.Canvas().Ellipse(4, 4, 16, 16);
  const QStringList titles{"kind", "a", "b", "c"};
  for (int c = 0; c < 4; ++c) grid->SetCellEx(c, 0, titles[c]);
  int row = 1;
  auto label = [&](const char* text) { grid->SetCellEx(0, row, text); };
  label("check boxes");
  grid->AddCheckBox(1, row, true, false);
  grid->SetCellEx(1, row, "checked");
  grid->AddCheckBox(2, row, cbGrayed);
  grid->AddCheckBox(3, row, false, true);
  grid->SetCellEx(3, row, "N");
  ++row;
  label("radio buttons");
  grid->AddRadioButton(1, row, true);
  grid->AddRadioButton(2, row, false);
  TStringList options;
  options.Add("one");
  options.Add("two");
  grid->AddRadio(3, row, 1, 1, &options);
  ++row;
  label("bitmaps, images");
  grid->AddBitmap(1, row, &picture, true, haCenter, vaCenter);
  grid->AddImageIdx(2, row, 1, haLeft, vaCenter);
  grid->AddMultiImage(3, row, 0, haLeft, vaCenter);
  grid->GetCellImages(3, row)->Add(0);
  grid->GetCellImages(3, row)->Add(1);
  grid->GetCellImages(3, row)->Add(2);
  ++row;
  label("progress");
  grid->AddProgress(1, row, clBlue, clWhite);
  grid->SetFloats(1, row, 64);
  grid->AddPlexProgress(2, row, 0, 100);
  grid->SetInts(2, row, 80);
  grid->AddPlexProgress(3, row, 5, 5);
  grid->SetInts(3, row, 5);
  ++row;
  label("pie, range");
  grid->AddProgressPie(1, row, clGreen, 70);
  grid->SetCellEx(1, row, "70 %");
  grid->AddRangeIndicator(2, row, 100, clRed, clGreen, true);
  grid->SetInts(2, row, 40);
  grid->AddRangeIndicator(3, row, 100, clRed, clGreen, true);
  grid->SetInts(3, row, -60);
  ++row;
  label("comment, shapes");
  grid->AddComment(1, row, "note");
  grid->SetCellEx(1, row, "with comment");
  grid->AddShape(2, row, csCircle, clYellow, clBlack, haLeft, vaCenter);
  grid->AddShape(3, row, csArrowUp, clLime, clGreen, haCenter, vaCenter);
  ++row;
  label("buttons");
  grid->AddButton(1, row, 80, 24, "Button", haLeft, vaCenter);
  grid->AddBitButton(2, row, 90, 24, "Bit", &picture, haLeft, vaCenter);
  grid->AddExpand(3, row, 60);
  ++row;
  label("rating, rotated");
  grid->AddRating(1, row, 5, 0x00C0FF, 0xC0C0C0);
  grid->SetCellEx(1, row, "3.5");
  grid->AddRotated(2, row, 30, "rotated 30");
  grid->AddRotated(3, row, 90, "up");
  ++row;
  label("picture, data, self-drawn");
  TPicture photo;
  photo.Assign(picture);
  grid->AddPicture(1, row, &photo, false, noStretch, 0, haCenter, vaCenter);
  grid->AddDataImage(2, row, 0, haLeft, vaCenter);
  grid->SetInts(2, row, 2);
  TSelfDrawn drawn;
  grid->AddInterfacedCell(3, row, &drawn);
  ++row;
  label("tri-state");
  grid->SetCellEx(1, row, "tristate");
  grid->AddCheckBox(1, row, cbChecked);
  ++row;
  label("scroll bar");
  grid->AddScrollBar(1, row, false);
  grid->SetScrollProp(1, row, TScrollProp{2, 10});
  grid->SetCellEx(1, row, "line 1\nline 2\nline 3");
  TBitmap shot;
  PaintControlTo(grid, shot);
  EXPECT_TRUE(SaveBitmapAsPng(shot, QDir(shots).filePath("grid_cell_graphics.png")));
  grid->SetGridImages(nullptr);
}

TEST_F(PlexStringGridPaintGraphics, ScreenshotOfCheckAndRadioGlyphsInEveryStyle) {
  const char* shots = std::getenv("QUILLORE_SHOTS");
  if (!shots) GTEST_SKIP() << "QUILLORE_SHOTS names no folder";
  TBitmap on(16, 16), off(16, 16);
  for (auto [b, c] : {std::pair{&on, clGreen}, std::pair{&off, clGray}}) {
    b->Canvas().Brush().Color = clFuchsia;
    b->Canvas().FillRect(TRect(0, 0, 16, 16));
    b->Canvas().Brush().Color = c;
    b->Canvas().Rectangle(2, 2, 14, 14);
  }
  TControlLook& look = Grid->ControlLook();
  look.SetCheckedGlyph(on);
  look.SetUnCheckedGlyph(off);
  look.SetRadioOnGlyph(on);
  look.SetRadioOffGlyph(off);
  static constexpr TControlStyle Styles[] = {csClassic, csFlat, csWinXP, csBorland, csOrv, csGlyph, csTheme};
  TBitmap sheet(7 * 28 + 8, 2 * 5 * 26 + 8);
  sheet.Canvas().Brush().Color = clWhite;
  sheet.Canvas().FillRect(TRect(0, 0, sheet.Width(), sheet.Height()));
  for (int s = 0; s < 7; ++s) {
    int y = 4;
    for (bool enabled : {true, false}) {
      const TCheckBoxState states[] = {cbChecked, cbUnchecked, cbGrayed};
      for (TCheckBoxState state : states) {
        Grid->DrawCheckGlyph(sheet.Canvas(), TRect(4 + s * 28, y, 24 + s * 28, y + 20), false, state, true, Styles[s],
                             false, enabled);
        y += 26;
      }
      for (bool checked : {true, false}) {
        Grid->DrawRadioGlyph(sheet.Canvas(), TRect(4 + s * 28, y, 24 + s * 28, y + 20), false, 1, Styles[s], 0, 0,
                             false, nullptr, !enabled, false, checked ? 0 : -2, 1);
        y += 26;
      }
    }
  }
  QImage big = sheet.Image().scaled(sheet.Width() * 3, sheet.Height() * 3);
  EXPECT_TRUE(big.save(QDir(shots).filePath("grid_check_radio_styles.png")));
}

TEST_F(PlexStringGridPaintGraphics, ScreenshotOfTheNodeGlyphs) {
  const char* shots = std::getenv("QUILLORE_SHOTS");
  if (!shots) GTEST_SKIP() << "QUILLORE_SHOTS names no folder";
  static constexpr TNodeType Types[] = {cnFlat, cn3D, cnGlyph, cnLeaf, cnXP};
  TBitmap sheet(5 * 110, 70);
  int x = 0;
  for (TNodeType type : Types) {
    TForm form(nullptr);
    auto* grid = new TGraphicsGrid(&form);
    grid->SetParent(&form);
    grid->SetScrollBars(ssNone);
    grid->SetBounds(0, 0, 110, 70);
    grid->SetColCount(2);
    grid->SetRowCount(3);
    grid->SetDefaultColWidth(54);
    grid->SetDefaultRowHeight(22);
    grid->SetFixedCols(0);
    grid->Nodes = true;
    grid->CellNode().SetNodeType(type);
    for (int r = 1; r < 3; ++r) {
      auto* g = new TCellGraphic;  // owned by the cell's properties
      g->CellType = ctNode;
      g->CellBoolean = r == 1;
      grid->SetGraphicObjectEx(0, r, g);
      grid->SetCellEx(1, r, r == 1 ? "closed" : "open");
    }
    TBitmap shot;
    PaintControlTo(grid, shot);
    sheet.Canvas().Draw(x, 0, shot);
    x += 110;
  }
  EXPECT_TRUE(sheet.Image().scaled(sheet.Width() * 2, sheet.Height() * 2).save(QDir(shots).filePath("grid_nodes.png")));
}

}  // namespace
