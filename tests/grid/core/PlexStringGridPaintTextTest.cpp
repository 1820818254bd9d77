// A cell's text as it is shown and measured: alignment, number formats,
// lines, links, passwords, sizes, and rich text through the renderer.
#include "grid/core/PlexStringGrid.h"

#include "grid/core/CellGraphic.h"
#include "grid/core/RichTextRenderer.h"
#include "grid/features/SortSettings.h"
#include "platform/Forms.h"
#include "support/PaintProbe.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

class TTextGrid : public TPlexStringGrid {
public:
  using TPlexStringGrid::TPlexStringGrid;
  std::vector<TPoint> SortGlyphs;
  void DrawSortIndicator(TCanvas&, int, int Y, int X) override { SortGlyphs.push_back(TPoint(X, Y)); }
  TPoint CalcCellGraphicSize(int, int, int) override { return TPoint(16, 16); }
  QString GetCalculatedCell(int ACol, int ARow) override {
    const QString text = GetCellEx(ACol, ARow);
    return text.startsWith('=') ? QString("3") : text;
  }
};

// Records what the grid asks of it.
class TFakeRenderer : public IRichTextRenderer {
public:
  std::vector<TRect> Drawn;
  void Draw(TCanvas&, const QString&, const TRect& Rect, bool, TColor) override { Drawn.push_back(Rect); }
  TSize RequestedSize(TCanvas&, const QString&, int Width, bool) override { return TSize{Width / 2, 30}; }
  QString PlainText(const QString&) override { return "plain"; }
};

// Cells are 80 x 20 pixels; one fixed column and row; text measured 7 x 13 a character.
struct PlexStringGridPaintText : ::testing::Test {
  std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
  TTextGrid* Grid = nullptr;
  std::unique_ptr<TBitmap> Sheet = paintprobe::Sheet(400, 200);
  void SetUp() override {
    Grid = new TTextGrid(Form.get());
    Grid->SetParent(Form.get());
    Grid->SetScrollBars(ssNone);
    Grid->SetBounds(0, 0, 400, 200);
    Grid->SetLook(glStandard);
    // The probes read dark text on light cells: the selection keeps the grid's default colours.
    Grid->SetSelectionColor(PlexGridDefaults::SelectionColor);
    Grid->SetSelectionTextColor(PlexGridDefaults::SelectionTextColor);
    Grid->SetDefaultColWidth(80);
    Grid->SetDefaultRowHeight(20);
    Grid->SetColCount(4);
    Grid->SetRowCount(6);
    Grid->SetColor(clWhite);
    Grid->Font().SetColor(clBlack);
    Grid->Canvas().SetTextMeasurer(&TTextMeasurer::Fixed());
  }
  std::vector<TPoint> Painted(int col, int row) {
    Sheet = paintprobe::Sheet(400, 200);
    Grid->PaintCell(Sheet->Canvas(), col, row, Grid->CellRect(col, row), {});
    return paintprobe::Cells(*Sheet);
  }
  TAlignment HAlign(int col, int row) {
    TAlignment ha = taLeftJustify;
    TVAlignment va = vtaTop;
    Grid->GetCellAlignment(col, row, ha, va);
    return ha;
  }
};

TEST_F(PlexStringGridPaintText, AlignmentSteps) {
  Grid->AutoNumAlign = true;
  Grid->SetCellEx(1, 1, "12");
  Grid->SetCellEx(1, 2, "12");
  Grid->SetAlignments(1, 2, taLeftJustify);
  Grid->SetCellEx(1, 3, "=A1+A2");
  Grid->SetAlignments(1, 3, taLeftJustify);
  Grid->SetCellEx(1, 4, " 1.5e3 ");
  Grid->SetCellEx(1, 5, "abc");
  struct TCase {
    int Row;
    TAlignment Expected;
    const char* What;
  };
  const TCase cases[] = {
      {1, taRightJustify, "a number"},
      {2, taLeftJustify, "a number under its own left alignment"},
      {3, taRightJustify, "a formula keeps the number's alignment"},
      {4, taRightJustify, "scientific, trimmed"},
      {5, taLeftJustify, "text"},
  };
  for (const TCase& c : cases) EXPECT_EQ(HAlign(1, c.Row), c.Expected) << c.What;
  // The hook has the last word.
  Grid->OnGetAlignment = [](TObject*, int ARow, int, TAlignment& H, TVAlignment&) {
    if (ARow == 5) H = taCenter;
  };
  EXPECT_EQ(HAlign(1, 5), taCenter);
  // The cell is drawn at the right edge.
  const std::vector<TPoint> cells = Painted(1, 1);
  ASSERT_EQ(cells.size(), 2u);
  EXPECT_GT(cells[0].X, Grid->CellRect(1, 1).Left + 40);
}

TEST_F(PlexStringGridPaintText, FormattedCellsThroughTheFloatFormatEvent) {
  struct TCase {
    const char* Text;
    const char* Format;
    bool IsFloat;
    const char* Shown;
  };
  const TCase cases[] = {
      {"42", "%d", true, "42"},        {"42", "%.1f", true, "42.0"}, {"1.5", "%d", true, "1.5"},
      {"2.25", "%.1f", false, "2.25"}, {"2.25", "", true, "2.25"},   {"abc", "%.1f", true, "abc"},
      {"1e2", "%.0f", true, "100"},
  };
  for (const TCase& c : cases) {
    Grid->OnGetFloatFormat = [&c](TObject*, int, int, bool& IsFloat, QString& Format) {
      IsFloat = c.IsFloat;
      Format = c.Format;
    };
    Grid->SetCellEx(1, 1, c.Text);
    EXPECT_EQ(Grid->GetFormattedCell(1, 1), c.Shown) << c.Text << " " << c.Format;
  }
  Grid->OnGetFloatFormat = nullptr;
  EXPECT_EQ(Grid->GetFormattedCell(1, 1), "1e2");
}

TEST_F(PlexStringGridPaintText, LinesLinksAndPasswords) {
  Grid->SetWordWrap(false);
  Grid->SetCellEx(1, 1, "ab\r\ncd");
  std::vector<TPoint> cells = Painted(1, 1);
  ASSERT_EQ(cells.size(), 2u);
  EXPECT_EQ(cells[0].Y, cells[1].Y);
  Grid->Multilinecells = true;
  Grid->SetRowHeights(1, 40);
  cells = Painted(1, 1);
  ASSERT_EQ(cells.size(), 4u);
  EXPECT_EQ(cells[2].Y, cells[0].Y + FixedCharHeight);

  // A link without its prefix, underlined in the link colour.
  Grid->SetURLShow(true);
  Grid->SetURLColor(clBlue);
  Grid->SetCellEx(1, 2, "http://ab");
  Sheet = paintprobe::Sheet(400, 200);
  Grid->PaintCell(Sheet->Canvas(), 1, 2, Grid->CellRect(1, 2), {});
  const TRect cell = Grid->CellRect(1, 2);
  int blue = 0;
  for (int x = cell.Left + 2; x < cell.Left + 40; ++x)
    for (int y = cell.Top + 2; y < cell.Bottom - 2; ++y) blue += paintprobe::At(*Sheet, x, y) == clBlue;
  EXPECT_GT(blue, 2 * 45);  // two 5 x 9 character blocks and the underline
  EXPECT_LT(blue, 3 * 45);

  // A password cell shows as many password characters as it has characters.
  Grid->OnIsPasswordCell = [](TObject*, int ARow, int, bool& P) { P = ARow == 3; };
  Grid->SetCellEx(1, 3, "secret");
  Grid->SetCellEx(1, 4, QString(6, Grid->PasswordChar));
  TBitmap real(400, 200);  // real glyphs, so that the characters can be told apart
  real.Canvas().Brush().Color = clWhite;
  real.Canvas().FillRect(TRect(0, 0, 400, 200));
  for (int row : {3, 4}) Grid->PaintCell(real.Canvas(), 1, row, Grid->CellRect(1, row), {});
  const QImage stars = real.Image().copy(Grid->CellRect(1, 3).toQRect());
  EXPECT_TRUE(paintprobe::SameImage(stars, real.Image().copy(Grid->CellRect(1, 4).toQRect())));
  Grid->OnIsPasswordCell = nullptr;
  Grid->PaintCell(real.Canvas(), 1, 3, Grid->CellRect(1, 3), {});
  EXPECT_FALSE(paintprobe::SameImage(stars, real.Image().copy(Grid->CellRect(1, 3).toQRect())));
}

// The sort glyph follows the header's text, and the graphic before it.
TEST_F(PlexStringGridPaintText, SortGlyphPlacement) {
  Grid->SortSettings().SetShow(true);
  Grid->SortSettings().SetRow(0);
  Grid->SortSettings().Column = 2;
  Grid->SetCellEx(2, 0, "abc");
  const TRect cell = Grid->CellRect(2, 0);
  const int left = cell.Left + Grid->GridLineWidth() + Grid->XYOffset.X;
  const int textWidth = 3 * FixedCharWidth + 2;
  const int top = cell.Top + Grid->GridLineWidth() + Grid->XYOffset.Y;
  Painted(2, 0);
  ASSERT_EQ(Grid->SortGlyphs.size(), 1u);
  EXPECT_EQ(Grid->SortGlyphs[0], TPoint(left + textWidth + 10, top + 8));
  // Another column's header shows none.
  Painted(1, 0);
  EXPECT_EQ(Grid->SortGlyphs.size(), 1u);

  auto* g = new TCellGraphic;  // a 16-pixel bitmap before the text; owned by the cell
  g->CellType = ctBitmap;
  g->CellHAlign = haBeforeText;
  Grid->SetGraphicObjectEx(2, 0, g);
  Grid->SortGlyphs.clear();
  const std::vector<TPoint> cells = Painted(2, 0);
  ASSERT_EQ(Grid->SortGlyphs.size(), 1u);
  EXPECT_EQ(Grid->SortGlyphs[0].X, left + 16 + textWidth + 16 + 10);
  ASSERT_FALSE(cells.empty());
  EXPECT_EQ(cells[0].X, left + 16);

  Grid->SetAlignments(2, 0, taRightJustify);
  Grid->SortGlyphs.clear();
  Painted(2, 0);
  ASSERT_EQ(Grid->SortGlyphs.size(), 1u);
  EXPECT_EQ(Grid->SortGlyphs[0].X, cell.Right - 1 - Grid->XYOffset.X - textWidth - 10);
}

TEST_F(PlexStringGridPaintText, SelectionRectangleAndLinksInSelectedCells) {
  Grid->SetSelectionRectangle(true);
  Grid->SelectionRectangleColor = clRed;
  Grid->SetSelectionResizer(true);
  Grid->SetSelection(TGridRect{1, 1, 2, 2});
  Sheet = paintprobe::Sheet(400, 200);
  for (int c : {1, 2})
    for (int r : {1, 2}) Grid->PaintCell(Sheet->Canvas(), c, r, Grid->CellRect(c, r), {gdSelected});
  const TRect tl = Grid->CellRect(1, 1), br = Grid->CellRect(2, 2);
  const int midY = (tl.Top + tl.Bottom) / 2, midX = (tl.Left + tl.Right) / 2;
  EXPECT_EQ(paintprobe::At(*Sheet, tl.Left + 1, midY), clRed);                           // left edge
  EXPECT_EQ(paintprobe::At(*Sheet, midX, tl.Top + 1), clRed);                            // top edge
  EXPECT_EQ(paintprobe::At(*Sheet, br.Right - 2, (br.Top + br.Bottom) / 2 - 4), clRed);  // right edge
  EXPECT_NE(paintprobe::At(*Sheet, tl.Right - 3, midY), clRed);                          // no inner edge
  EXPECT_EQ(paintprobe::At(*Sheet, br.Right - 2, br.Bottom - 2), clRed);                 // the resizer

  // In a selected cell a link takes the selection's text colour.
  Grid->SetSelectionRectangle(false);
  Grid->SetURLShow(true);
  Grid->SetSelectionTextColor(clLime);
  Grid->SetCellEx(1, 1, "http://ab");
  Sheet = paintprobe::Sheet(400, 200);
  Grid->PaintCell(Sheet->Canvas(), 1, 1, tl, {gdSelected});
  int lime = 0;
  for (int x = tl.Left; x < tl.Right; ++x) lime += paintprobe::At(*Sheet, x, tl.Top + 8) == clLime;
  EXPECT_GE(lime, 10);
}

TEST_F(PlexStringGridPaintText, FilterGlyphOnTheFilterRow) {
  Grid->OnGetColumnFilter = [](TObject*, int Column, TStrings& Filter) {
    if (Column == 2) Filter.Add("> 5");
  };
  for (int col : {1, 2}) {
    Sheet = paintprobe::Sheet(400, 200);
    const TRect cell = Grid->CellRect(col, 0);
    Grid->PaintCell(Sheet->Canvas(), col, 0, cell, {gdFixed});
    // The program's own glyph sits in the 16 pixels at the top right.
    const QImage corner = Sheet->Image().copy(QRect(cell.Right - 17, cell.Top + 1, 16, 16));
    bool ink = false;
    for (int y = 0; y < corner.height(); ++y)
      for (int x = 0; x < corner.width(); ++x) ink = ink || FromQColor(corner.pixelColor(x, y)) == clBlack;
    EXPECT_EQ(ink, col == 2) << col;
  }
}

// An in-cell scroll bar takes the right edge and scrolls the text up, clipped to the cell.
TEST_F(PlexStringGridPaintText, InCellScrollBarOffsetsTheContent) {
  Grid->Multilinecells = true;
  Grid->SetRowHeights(1, 40);
  Grid->SetCellEx(1, 1, "ab\rcd\ref\rgh");
  const TRect cell = Grid->CellRect(1, 1);
  const std::vector<TPoint> plain = Painted(1, 1);
  Grid->AddScrollBar(1, 1, false);
  Grid->SetScrollProp(1, 1, TScrollProp{2, 10});
  Grid->SetScrollPosition(1, 1, 5);
  const std::vector<TPoint> scrolled = Painted(1, 1);
  // The second line, whole in both pictures, moved up by the scroll position.
  ASSERT_GE(plain.size(), 4u);
  const TPoint second(plain[2].X, plain[2].Y - 5);
  EXPECT_NE(std::find(scrolled.begin(), scrolled.end(), second), scrolled.end());
  EXPECT_NE(paintprobe::At(*Sheet, cell.Right - 8, cell.Top + 20), clWhite);
  EXPECT_TRUE(paintprobe::InkBounds(*Sheet).Top >= cell.Top);
}

TEST_F(PlexStringGridPaintText, CellTextSizes) {
  const int line = FixedCharHeight;
  Grid->SetCellEx(1, 1, "");
  EXPECT_EQ(Grid->GetCellTextSize(1, 1, false, false), (TSize{0, line}));
  Grid->SetCellEx(1, 1, "abcd");
  EXPECT_EQ(Grid->GetCellTextSize(1, 1, false, false), (TSize{4 * FixedCharWidth, line}));
  Grid->Multilinecells = true;
  Grid->SetCellEx(1, 2, "ab\rabcdef");
  EXPECT_EQ(Grid->GetCellTextSize(1, 2, false, false), (TSize{6 * FixedCharWidth, 2 * line}));

  // Rotated: |p - q| + 12 by |r - t| + 12.
  auto* g = new TCellGraphic;  // owned by the cell's properties
  g->CellType = ctRotated;
  Grid->SetGraphicObjectEx(1, 1, g);
  const int w = 4 * FixedCharWidth;
  struct TCase {
    int Angle;
    TSize Size;
  };
  const TCase cases[] = {{0, {w + 12, line + 12}}, {90, {line + 12, w + 12}}};
  for (const TCase& c : cases) {
    g->CellAngle = c.Angle;
    EXPECT_EQ(Grid->GetCellTextSize(1, 1, false, false), c.Size) << c.Angle;
  }
}

TEST_F(PlexStringGridPaintText, RichTextGoesThroughTheRenderer) {
  auto fake = std::make_unique<TFakeRenderer>();
  TFakeRenderer* renderer = fake.get();
  Grid->SetRichTextRenderer(std::move(fake));
  Grid->SetCellEx(1, 1, "{\\rtf1 hello}");
  Painted(1, 1);
  ASSERT_EQ(renderer->Drawn.size(), 1u);
  const TRect cell = Grid->CellRect(1, 1);
  const TRect& r = renderer->Drawn[0];
  EXPECT_GT(r.Left, cell.Left);
  EXPECT_LE(r.Right, cell.Right);
  EXPECT_EQ(Grid->GetCellTextSize(1, 1, false, false).cy, 34);

  // The stand-in shows the document's text without control words or tables.
  TPlainRichTextRenderer plain;
  EXPECT_EQ(plain.PlainText("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\fs20 Hello \\b world\\b0\\par next}"),
            "Hello world\rnext");
}

}  // namespace
