#include "grid/editing/PlexRichEdit.h"

#include "EditingGridFixture.h"
#include "grid/core/SizeWhileTyping.h"
#include "grid/editing/RichEditRenderer.h"
#include "platform/RichText.h"
#include "platform/Screenshot.h"

#include <QImage>
#include <cstdlib>

#include <QScrollBar>
#include <QTextCursor>
#include <QTextEdit>

namespace {

bool SevenBit(const QString& Text) {
  return std::all_of(Text.begin(), Text.end(), [](QChar c) { return c.unicode() < 0x80; });
}

// Types any characters, also those without a key of their own.
void TypeText(QWidget* W, const QString& Text) {
  for (const QChar c : Text) {
    QTest::sendKeyEvent(QTest::Press, W, Qt::Key_unknown, QString(c), Qt::NoModifier);
    QTest::sendKeyEvent(QTest::Release, W, Qt::Key_unknown, QString(c), Qt::NoModifier);
  }
}

struct PlexRichEditTest : EditingGridFixture {
  void SetUp() override {
    EditingGridFixture::SetUp();
    Grid->OnGetEditorType = [this](TObject*, int ACol, int ARow, TEditorType& AEditor) {
      if (ACol == RichCol) AEditor = edRichEdit;
    };
  }
  int RichCol = 1;
  QWidget* RichWidget() { return Grid->InplaceRichEdit()->Widget(); }
  void Edit(int ACol, int ARow) {
    Grid->SetRow(ARow);
    Grid->SetCol(ACol);
    Grid->ShowInplaceEdit();
    QApplication::processEvents();
  }
};

TEST_F(PlexRichEditTest, SelectionOffsetsAreSetAndRead) {
  TPlexRichEdit& edit = *Grid->InplaceRichEdit();
  edit.SetText("H2O and x2");
  edit.SetSelStart(9);
  edit.SetSelLength(1);
  EXPECT_TRUE(edit.IsSelNormal());
  edit.SelSuperscript();
  EXPECT_TRUE(edit.IsSelSuperscript());
  EXPECT_FALSE(edit.IsSelNormal());
  EXPECT_FALSE(edit.IsSelSubscript());
  edit.SelNormal();
  EXPECT_FALSE(edit.IsSelSuperscript());
  EXPECT_TRUE(edit.IsSelNormal());
  edit.SetSelStart(1);
  edit.SetSelLength(1);
  edit.SelSubscript();
  EXPECT_TRUE(edit.IsSelSubscript());
  EXPECT_FALSE(edit.IsSelNormal());
  // Over both offsets the selection has none of the three.
  edit.SetSelStart(0);
  edit.SetSelLength(2);
  EXPECT_FALSE(edit.IsSelNormal() || edit.IsSelSubscript() || edit.IsSelSuperscript());
}

// A rich cell keeps every character and format through the editor, and what
// the cell stores is 7-bit whatever the system's code page.
TEST_F(PlexRichEditTest, CellToRichAndBackIsExact) {
  TPlexRichEdit& edit = *Grid->InplaceRichEdit();
  TRichFormat bold;
  bold.Bold = true;
  TRichFormat coloured;
  coloured.Color = RGBColor(10, 120, 200);
  TRichFormat up;
  up.OffsetTwips = RichSuperscriptOffset;
  TRichDocument doc;
  doc.Paragraphs = {{TRichRun{QString::fromUtf8("é "), bold}, TRichRun{QString::fromUtf8("€ Ω "), coloured},
                     TRichRun{QString::fromUtf8("中 😀"), up}}};
  edit.SetDocument(doc);
  Grid->RichToCell(2, 2, edit);
  const QString stored = Grid->Cells(2, 2);
  EXPECT_TRUE(SevenBit(stored)) << stored.toStdString();
  TPlexRichEdit& other = *Grid->RichEdit();
  Grid->CellToRich(2, 2, other);
  EXPECT_EQ(other.Document(), doc);
  Grid->RichToCell(3, 3, other);
  EXPECT_EQ(Grid->Cells(3, 3), stored);
  EXPECT_EQ(other.Text(), QString::fromUtf8("é € Ω 中 😀"));
  // A plain cell loads as its text, wide characters too; an empty one empties the editor.
  Grid->SetCells(2, 3, QString::fromUtf8("Ω line\r\n中"));
  Grid->CellToRich(2, 3, other);
  EXPECT_EQ(other.Text(), QString::fromUtf8("Ω line\r\n中"));
  Grid->SetCells(2, 3, QString());
  Grid->CellToRich(2, 3, other);
  EXPECT_TRUE(other.Text().isEmpty());
}

TEST_F(PlexRichEditTest, EditingARichCellCommitsWhenTheFocusGoesToTheGrid) {
  TRichFormat bold;
  bold.Bold = true;
  TRichDocument doc;
  doc.Paragraphs = {{TRichRun{"rich", bold}}};
  Grid->SetCells(RichCol, 1, QString::fromLatin1(WriteRichText(doc)));
  int selectionChanges = 0;
  Grid->OnRichEditSelectionChange = [&](TObject* Sender) {
    EXPECT_EQ(Sender, Grid);
    ++selectionChanges;
  };
  Edit(RichCol, 1);
  TPlexRichEdit& edit = *Grid->InplaceRichEdit();
  ASSERT_TRUE(edit.Visible());
  EXPECT_EQ(edit.Document(), doc);
  QTest::keyClick(RichWidget(), Qt::Key_End);
  TypeText(RichWidget(), QString::fromUtf8(" Ω"));
  EXPECT_GT(selectionChanges, 0);
  // Focus elsewhere keeps the edit open; the grid taking the focus commits it.
  FocusOther();
  EXPECT_TRUE(edit.Visible());
  Grid->SetFocus();
  QApplication::processEvents();
  EXPECT_FALSE(edit.Visible());
  const TRichDocument stored = ReadRichText(Grid->Cells(RichCol, 1).toLatin1());
  ASSERT_EQ(stored.Paragraphs.size(), 1u);
  EXPECT_EQ(stored.PlainText(""), QString::fromUtf8("rich Ω"));
  EXPECT_TRUE(stored.Paragraphs[0][0].Format.Bold);
  EXPECT_TRUE(SevenBit(Grid->Cells(RichCol, 1)));
}

// Escape gives the cell back exactly the text it had when the edit began
// (also rich text from elsewhere, which the editor would write its own way)
// and closes the editor, the grid keeping the focus and its cell.
TEST_F(PlexRichEditTest, EscapeRestoresTheCellAndCloses) {
  const QString cases[] = {"", R"({\rtf1\ansi {\fonttbl{\f0 Arial;}}\f0\fs20 {\b bold} plain\par})"};
  for (const QString& before : cases) {
    SCOPED_TRACE(before.toStdString());
    Grid->SetCells(RichCol, 1, before);
    Edit(RichCol, 1);
    TPlexRichEdit& edit = *Grid->InplaceRichEdit();
    ASSERT_TRUE(edit.Visible());
    QTest::keyClick(RichWidget(), Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(RichWidget(), "typed");
    QTest::keyClick(RichWidget(), Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_EQ(Grid->Cells(RichCol, 1), before);
    EXPECT_FALSE(edit.Visible());
    EXPECT_FALSE(Grid->EditMode());
    EXPECT_TRUE(Grid->Focused());
    EXPECT_TRUE(Form->Visible());
    EXPECT_EQ(TPoint(Grid->Col(), Grid->Row()), TPoint(RichCol, 1));
    // The next edit of the cell writes what is typed again.
    Edit(RichCol, 1);
    QTest::keyClicks(RichWidget(), "new");
    Grid->SetFocus();
    QApplication::processEvents();
    EXPECT_TRUE(ReadRichText(Grid->Cells(RichCol, 1).toLatin1()).PlainText("").contains("new"));
  }
}

// The editor shows no scroll bar: text typed past the cell's bottom (the
// row not growing) scrolls in the editor, the caret staying in sight.
TEST_F(PlexRichEditTest, TheEditorShowsNoScrollBar) {
  Grid->SetColWidths(RichCol, 90);
  Edit(RichCol, 1);
  auto* text = static_cast<QTextEdit*>(RichWidget());
  for (int line = 0; line < 4; ++line) {
    QTest::keyClicks(RichWidget(), QString("line %1").arg(line));
    QTest::keyClick(RichWidget(), Qt::Key_Return);
  }
  QTest::keyClicks(RichWidget(), "a long last line that needs wrapping");
  QApplication::processEvents();
  EXPECT_FALSE(text->verticalScrollBar()->isVisible());
  EXPECT_FALSE(text->horizontalScrollBar()->isVisible());
  EXPECT_GT(text->verticalScrollBar()->value(), 0);
  EXPECT_TRUE(text->viewport()->rect().contains(text->cursorRect().center()));
  if (const char* shots = std::getenv("QUILLORE_SHOTS"))
    SaveWidgetScreenshot(Form->Widget(), QString(shots) + "/grid_rich_cell_editor_overflowing.png");
}

TEST_F(PlexRichEditTest, TheGridsFocusChangeFlagKeepsTheEditOpen) {
  Edit(RichCol, 1);
  Grid->SetInvokedFocusChange(true);
  Grid->SetFocus();
  QApplication::processEvents();
  EXPECT_TRUE(Grid->InplaceRichEdit()->Visible());
  // The flag is spent by that focus gain: the next one commits.
  EXPECT_FALSE(Grid->InvokedFocusChange());
}

TEST_F(PlexRichEditTest, RowKeysAndTabFollowTheGridsOptions) {
  Grid->SetRowCount(6);
  struct Case {
    const char* Name;
    bool WordWrap;
    bool Multiline;
    int Key;
    int Row;  // where the current cell is after the key
    bool StaysInEditor;
  };
  const Case cases[] = {
      {"Down moves the row", false, false, Qt::Key_Down, 3, false},
      {"Up moves the row", false, false, Qt::Key_Up, 1, false},
      {"word wrap keeps Down", true, false, Qt::Key_Down, 2, true},
      {"multi-line cells keep Up", false, true, Qt::Key_Up, 2, true},
  };
  for (const Case& c : cases) {
    Grid->SetWordWrap(c.WordWrap);
    Grid->Multilinecells = c.Multiline;
    Grid->SetCells(RichCol, 2, "one");
    Edit(RichCol, 2);
    QTest::keyClick(RichWidget(), Qt::Key(c.Key));
    QApplication::processEvents();
    EXPECT_EQ(Grid->Row(), c.Row) << c.Name;
    EXPECT_EQ(Grid->InplaceRichEdit()->Visible(), c.StaysInEditor) << c.Name;
    Grid->HideInplaceEdit();
  }
  Grid->SetWordWrap(false);
  Grid->Multilinecells = false;
  // Tab with goTabs moves to the next cell and opens the editor there.
  TGridOptions options = Grid->Options();
  options.Include(goTabs);
  Grid->SetOptions(options);
  RichCol = -1;
  Grid->OnGetEditorType = [](TObject*, int, int, TEditorType& AEditor) { AEditor = edRichEdit; };
  Edit(1, 2);
  QTest::keyClick(RichWidget(), Qt::Key_Tab);
  QApplication::processEvents();
  EXPECT_EQ(Grid->Col(), 2);
  EXPECT_TRUE(Grid->InplaceRichEdit()->Visible());
  EXPECT_FALSE(Grid->InplaceRichEdit()->Text().contains('\t'));
}

TEST_F(PlexRichEditTest, TypingPastTheBottomGrowsTheRowUntilItWouldLeaveTheGrid) {
  Grid->SizeWhileTyping().Height = true;
  std::vector<int> sized;
  Grid->OnEndRowSize = [&sized](TObject*, int ARow) { sized.push_back(ARow); };
  const int initial = Grid->RowHeights(1);
  // Loading a tall cell never grows the row.
  TRichDocument tall;
  tall.Paragraphs = {{TRichRun{"1", {}}}, {TRichRun{"2", {}}}, {TRichRun{"3", {}}}};
  Grid->SetCells(RichCol, 1, QString::fromLatin1(WriteRichText(tall)));
  Edit(RichCol, 1);
  EXPECT_EQ(Grid->RowHeights(1), initial);
  EXPECT_TRUE(sized.empty());
  TPlexRichEdit& edit = *Grid->InplaceRichEdit();
  QTest::keyClick(RichWidget(), Qt::Key_End, Qt::ControlModifier);
  QTest::keyClick(RichWidget(), Qt::Key_Return);
  QTest::keyClicks(RichWidget(), "4");
  const int h = edit.RequestedSize().cy;
  EXPECT_EQ(Grid->RowHeights(1), h + 10);
  EXPECT_EQ(edit.Height(), h + 9);
  ASSERT_FALSE(sized.empty());
  EXPECT_EQ(sized.back(), 1);
  // Line after line until the next line would leave the visible area.
  for (int i = 0; i < 30; ++i) {
    QTest::keyClick(RichWidget(), Qt::Key_Return);
    QTest::keyClicks(RichWidget(), "x");
  }
  const TRect cell = Grid->CellRect(Grid->Col(), 1);
  EXPECT_LE(cell.Top + Grid->RowHeights(1) - 5, Grid->ClientHeight());
  EXPECT_GT(edit.RequestedSize().cy + 10, Grid->RowHeights(1));
}

TEST_F(PlexRichEditTest, RichCellsArePaintedAndMeasuredThroughTheHiddenRichEdit) {
  TRichFormat red;
  red.Color = clRed;
  red.SizeHalfPoints = 28;
  TRichDocument doc;
  doc.Paragraphs = {{TRichRun{"RED", red}}, {TRichRun{"second line", {}}}};
  Grid->SetCells(2, 1, QString::fromLatin1(WriteRichText(doc)));
  TRichEditRenderer renderer(Grid);
  EXPECT_EQ(renderer.PlainText(Grid->Cells(2, 1)), "RED\rsecond line");
  const TSize one = Grid->GetCellTextSize(2, 1, false, false);
  doc.Paragraphs.push_back({TRichRun{"third", {}}});
  Grid->SetCells(2, 1, QString::fromLatin1(WriteRichText(doc)));
  const TSize two = Grid->GetCellTextSize(2, 1, false, false);
  EXPECT_GT(two.cy, one.cy);
  EXPECT_EQ(two.cy, Grid->RichEdit()->ReqHeight() + 4);
  TBitmap sheet(200, 60);
  sheet.Canvas().Brush().Color = clWhite;
  sheet.Canvas().FillRect(TRect(0, 0, 200, 60));
  renderer.Draw(sheet.Canvas(), Grid->Cells(2, 1), TRect(5, 5, 150, 55), false, clNone);
  int redPixels = 0;
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 200; ++x) redPixels += sheet.Canvas().Pixel(x, y) == clRed;
  EXPECT_GT(redPixels, 10);
}

// A click on another cell checks the edited rich text before the focus
// moves: an accepted one is stored and the click moves on, a refused one
// never reaches the cell and the editor stays at its cell.
TEST_F(PlexRichEditTest, AClickElsewhereChecksTheRichText) {
  TRichEditRenderer renderer(Grid);
  for (const bool refusing : {false, true}) {
    SCOPED_TRACE(refusing);
    Grid->SetCells(RichCol, 2, "two");
    int checked = 0;
    Grid->OnCellValidate = [&](TObject*, int ACol, int ARow, QString&, bool& Valid) {
      EXPECT_EQ(TPoint(ACol, ARow), TPoint(RichCol, 2));
      ++checked;
      Valid = !refusing;
    };
    Edit(RichCol, 2);
    QTest::keyClick(RichWidget(), Qt::Key_End);
    QTest::keyClicks(RichWidget(), "Z");
    const TRect other = Grid->CellRect(3, 3);
    QTest::mouseClick(Grid->Widget(), Qt::LeftButton, {}, QPoint(other.Left + 5, other.Top + 5));
    QApplication::processEvents();
    EXPECT_EQ(checked, 1);
    EXPECT_EQ(renderer.PlainText(Grid->Cells(RichCol, 2)), refusing ? "two" : "twoZ");
    EXPECT_EQ(TPoint(Grid->Col(), Grid->Row()), refusing ? TPoint(RichCol, 2) : TPoint(3, 3));
    EXPECT_EQ(Grid->InplaceRichEdit()->Visible(), refusing);
    Grid->OnCellValidate = nullptr;
    Grid->HideInplaceEdit();
  }
}

// Rich cells are painted through the hidden rich edit with nothing of its
// own behind the text: the cell's background shows around it.
TEST_F(PlexRichEditTest, ARichCellShowsItsBackgroundColour) {
  TRichFormat bold;
  bold.Bold = true;
  TRichFormat blue;
  blue.Color = clBlue;
  TRichDocument doc;
  doc.Paragraphs = {{TRichRun{"Rich ", bold}, TRichRun{"blue", blue}}};
  const TColor background = RGBColor(255, 220, 120);
  Grid->SetColWidths(2, 140);
  Grid->SetRowHeights(1, 40);
  Grid->SetCells(2, 1, QString::fromLatin1(WriteRichText(doc)));
  Grid->SetColors(2, 1, background);
  Grid->SetCol(4);
  Grid->SetRow(4);
  Grid->Repaint();
  QApplication::processEvents();
  const QImage shot = Grid->Widget()->grab().toImage();
  const TRect cell = Grid->CellRect(2, 1);
  int cellColoured = 0, text = 0;
  for (int y = cell.Top + 1; y < cell.Bottom - 1; ++y)
    for (int x = cell.Left + 1; x < cell.Right - 1; ++x) {
      const QColor c = shot.pixelColor(x, y);
      cellColoured += RGBColor(c.red(), c.green(), c.blue()) == background;
      text += c.blue() > 150 && c.red() < 100;
    }
  const int area = (cell.Width() - 2) * (cell.Height() - 2);
  EXPECT_GT(cellColoured, area * 3 / 4);
  EXPECT_GT(text, 5);
  if (const char* shots = std::getenv("QUILLORE_SHOTS"))
    SaveWidgetScreenshot(Form->Widget(), QString(shots) + "/grid_rich_cell_on_colour.png");
}

// The rich editor lays its text out 2 pixels inside the cell's rectangle.
TEST_F(PlexRichEditTest, TheEditorsTextKeepsOffTheCellsEdges) {
  Grid->SetColWidths(RichCol, 120);
  Grid->SetRowHeights(1, 36);
  Grid->SetCells(RichCol, 1, "Wide");
  Edit(RichCol, 1);
  TPlexRichEdit& edit = *Grid->InplaceRichEdit();
  ASSERT_TRUE(edit.Visible());
  const TRect cell = Grid->CellRect(RichCol, 1);
  EXPECT_EQ(edit.FormatRect(), TRect(2, 2, cell.Width() - 2, cell.Height() - 2));
  auto* text = static_cast<QTextEdit*>(RichWidget());
  QTextCursor start(text->document());
  const QPoint caret = text->viewport()->mapTo(text, text->cursorRect(start).topLeft());
  EXPECT_EQ(caret.x(), 2);
  EXPECT_EQ(caret.y(), 2);
  if (const char* shots = std::getenv("QUILLORE_SHOTS"))
    SaveWidgetScreenshot(Form->Widget(), QString(shots) + "/grid_rich_cell_editor.png");
}

}  // namespace
