// The grid's text editor: characters filtered by editor type, length limits,
// auto advance, paste and the keypad's decimal key.
#include "grid/editing/PlexInplaceEdit.h"

#include "EditingGridFixture.h"
#include "grid/core/SizeWhileTyping.h"
#include "grid/foundation/LocaleScope.h"
#include "platform/Clipbrd.h"
#include "platform/ControlMessages.h"
#include "platform/Screenshot.h"
#include "platform/SystemProbes.h"

#include <cstdlib>

namespace {
struct PlexInplaceEditTest : EditingGridFixture {
  // Opens an empty text editor of the type on cell (1, 1).
  void Open(TEditorType Type, const QString& Text = QString()) {
    Grid->DefaultEditor = Type;
    Grid->Navigation().EditSelectAll = false;
    Grid->SetCells(1, 1, Text);
    Grid->ShowCellEdit();
    ASSERT_NE(EditorWidget(), nullptr);
    ASSERT_TRUE(Grid->InplaceEditor()->Visible());
  }
  void Type(const QString& Keys) { QTest::keyClicks(EditorWidget(), Keys); }
  QString Text() const { return Grid->InplaceEditor()->Text(); }
};

struct TCharCase {
  TEditorType Editor;
  const char* Start;
  const char* Typed;
  const char* Result;
  int Beeps;
};

TEST_F(PlexInplaceEditTest, CharacterFilterByType) {
  TLocaleScope locale('.', ',', '/', "dd/mm/yyyy");
  Grid->ValidChars = "abc";
  const TCharCase cases[] = {
      {edNormal, "", "a-1", "a-1", 0},       {edNumeric, "", "-12", "-12", 0},
      {edNumeric, "1", "-", "1", 1},         {edNumeric, "", "1x", "1", 1},
      {edPositiveNumeric, "", "-5", "5", 1}, {edFloat, "", "1,5", "15", 0},
      {edFloat, "1.5", ".", "1.5", 0},       {edFloat, "", "1a", "1", 0},
      {edFloat, "1", "-", "1", 1},           {edPositiveFloat, "", "-2.5", "2.5", 0},
      {edCapital, "", "ab", "AB", 0},        {edUpperCase, "", "ab", "AB", 0},
      {edLowerCase, "", "AB", "ab", 0},      {edMixedCase, "", "john smith", "John Smith", 0},
      {edValidChars, "", "abxc", "abc", 1},
  };
  for (const TCharCase& c : cases) {
    SCOPED_TRACE(QString("%1 %2").arg(c.Editor).arg(c.Typed).toStdString());
    Open(c.Editor, c.Start);
    const int beeps = MessageBeepCount();
    Type(c.Typed);
    EXPECT_EQ(Text(), c.Result);
    EXPECT_EQ(MessageBeepCount() - beeps, c.Beeps);
    QTest::keyClick(EditorWidget(), Qt::Key_Escape);
    Grid->SetFocus();
    QApplication::processEvents();
  }
}

TEST_F(PlexInplaceEditTest, ValidCharSetServesWhenValidCharsIsEmpty) {
  Grid->ValidCharSet = "xy";
  Open(edValidChars);
  const int beeps = MessageBeepCount();
  Type("xqy");
  // Tab is one of the refused characters too.
  Grid->InplaceEditor()->Perform(WM_CHAR, 9);
  EXPECT_EQ(Text(), "xy");
  EXPECT_EQ(MessageBeepCount() - beeps, 2);
}

TEST_F(PlexInplaceEditTest, LengthLimitDropsSilentlyAndKeepsBackspace) {
  Grid->SetMaxEditLength(5);
  Grid->Navigation().AdvanceOnEnter = true;
  Grid->Navigation().SetAdvanceAuto(false);
  Open(edNormal);
  const int beeps = MessageBeepCount();
  Type("123456");
  EXPECT_EQ(Text(), "12345");
  EXPECT_EQ(MessageBeepCount(), beeps);
  QTest::keyClick(EditorWidget(), Qt::Key_Backspace);
  EXPECT_EQ(Text(), "1234");
  Type("5");
  Grid->InplaceEditor()->SetSelStart(1);
  Grid->InplaceEditor()->SetSelLength(3);
  Type("9");
  EXPECT_EQ(Text(), "195");
}

TEST_F(PlexInplaceEditTest, ANewLengthLimitReachesTheOpenEditor) {
  Open(edNormal);
  Type("12");
  Grid->SetMaxEditLength(3);
  Type("345");
  EXPECT_EQ(Text(), "123");
  EXPECT_EQ(Grid->InplaceEditor()->MaxLength(), 3);
}

TEST_F(PlexInplaceEditTest, LengthLimitAboveSixteenBitsStaysALimit) {
  Grid->SetMaxEditLength(40000);
  Open(edNormal);
  EXPECT_EQ(static_cast<TPlexInplaceEdit*>(Grid->InplaceEditor())->LengthLimit(), 40000);
  Grid->InplaceEditor()->SetText(QString(40000, 'a'));
  Grid->InplaceEditor()->SetSelStart(40000);
  Type("b");
  EXPECT_EQ(Text().length(), 40000);
}

TEST_F(PlexInplaceEditTest, FullTextAdvancesToTheNextCell) {
  Grid->SetMaxEditLength(4);
  Grid->Navigation().AdvanceOnEnter = true;
  Grid->Navigation().SetAdvanceAuto(true);
  QStringList keys;
  Grid->OnKeyPress = [&](TObject*, QChar& k) { keys.append(QString::number(k.unicode())); };
  Open(edNormal);
  Type("123");
  EXPECT_EQ(keys.count("13"), 0);
  Type("4");
  EXPECT_EQ(keys.last(), "13");
  EXPECT_EQ(Grid->Col(), 2) << "the Enter advanced; the editor opens again on the next cell";
  EXPECT_EQ(Grid->Cells(1, 1), "1234") << "what was typed stays in the cell that was left";
}

TEST_F(PlexInplaceEditTest, KeypadDecimalTypesTheLocaleSeparator) {
  TLocaleScope locale(',', '.', '/', "dd/mm/yyyy");
  Grid->ExcelStyleDecimalSeparator = true;
  Open(edNormal);
  Type("1");
  QTest::keyClick(EditorWidget(), Qt::Key_Period, Qt::KeypadModifier);
  Type(".");
  EXPECT_EQ(Text(), "1,.");
}

// The editor leaves the cell's right and bottom grid lines visible and keeps
// its text three pixels inside its left and top edges.
TEST_F(PlexInplaceEditTest, EditorCoversTheCellInsideItsGridLines) {
  Grid->SetColWidths(2, 90);
  Grid->SetRowHeights(2, 30);
  Grid->SetCol(2);
  Grid->SetRow(2);
  Grid->ShowCellEdit();
  ASSERT_TRUE(Grid->InplaceEditor() && Grid->InplaceEditor()->Visible());
  const TRect cell = Grid->CellRect(2, 2);
  TWinControl* editor = Grid->InplaceEditor();
  EXPECT_EQ(TRect(editor->Left(), editor->Top(), editor->Width(), editor->Height()),
            TRect(cell.Left, cell.Top, 89, 29));
  TRect format;
  editor->Perform(EM_GETRECT, 0, LPARAM(&format));
  EXPECT_EQ(format, TRect(3, 3, 87, 29));
}

TEST_F(PlexInplaceEditTest, LineBreaksFollowTheNavigationOptions) {
  Grid->SetWordWrap(false);
  Open(edNormal, "ab");
  QTest::keyClick(EditorWidget(), Qt::Key_Return, Qt::ControlModifier);
  EXPECT_EQ(Text(), "ab") << "Ctrl+Enter needs word wrap or multi-line cells";
  Grid->Multilinecells = true;
  QTest::keyClick(EditorWidget(), Qt::Key_Return, Qt::ControlModifier);
  EXPECT_EQ(Text(), "ab\r\n");
  QTest::keyClicks(EditorWidget(), "c");
  // Up below the first line stays in the editor.
  QTest::keyClick(EditorWidget(), Qt::Key_Up);
  EXPECT_TRUE(Grid->InplaceEditor()->Visible());
  EXPECT_EQ(Grid->Row(), 1);
  Grid->Navigation().LineFeedOnEnter = true;
  Grid->InplaceEditor()->SetSelStart(Text().length());
  Grid->InplaceEditor()->Perform(WM_CHAR, 13);
  EXPECT_EQ(Text(), "ab\r\nc\r\n");
}

TEST_F(PlexInplaceEditTest, PasswordCellsEditOnOneLine) {
  Grid->Multilinecells = true;
  Open(edPassword, "pw");
  EXPECT_FALSE(Grid->InplaceEditor()->MultiLine());
  EXPECT_EQ(Grid->InplaceEditor()->PasswordChar(), QChar('*'));
}

TEST_F(PlexInplaceEditTest, CaretWalksOutIntoTheNeighbouringCells) {
  Grid->Navigation().CursorWalkEditor = true;
  Grid->SetCol(2);
  Grid->SetRow(1);
  Grid->SetCells(2, 1, "cd");
  Open(edNormal, "ab");
  ASSERT_EQ(Text(), "cd");
  Grid->InplaceEditor()->SetSelStart(0);
  QTest::keyClick(EditorWidget(), Qt::Key_Left);
  EXPECT_EQ(Grid->Col(), 1);
  ASSERT_TRUE(Grid->InplaceEditor()->Visible()) << "the editor opens again in the new cell";
  Grid->InplaceEditor()->SetSelStart(Text().length());
  QTest::keyClick(EditorWidget(), Qt::Key_Right);
  EXPECT_EQ(Grid->Col(), 2);
  Grid->InplaceEditor()->SetSelStart(1);
  QTest::keyClick(EditorWidget(), Qt::Key_Left);
  EXPECT_EQ(Grid->Col(), 2) << "inside the text the caret moves";
}

// Typing completes from the lookup list and selects the completed tail; the
// next key types over that tail and completes again.
TEST_F(PlexInplaceEditTest, LookupCompletesTheTypedPrefix) {
  Grid->Lookup = true;
  Grid->LookupItems().Add("Pump");
  Grid->LookupItems().Add("Pressure");
  const struct {
    bool CaseSensitive;
    const char* Typed;
    const char* Text;
    int SelStart, SelLength;
  } cases[] = {
      {false, "p", "pump", 1, 3},     {false, "pr", "pressure", 2, 6}, {true, "p", "p", 1, 0},
      {true, "Pr", "Pressure", 2, 6}, {false, "x", "x", 1, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Typed);
    Grid->LookupCaseSensitive = c.CaseSensitive;
    Open(edNormal);
    for (const QChar ch : QString(c.Typed)) QTest::keyClick(EditorWidget(), ch.toLatin1());
    EXPECT_EQ(Text(), c.Text);
    EXPECT_EQ(Grid->InplaceEditor()->SelStart(), c.SelStart);
    EXPECT_EQ(Grid->InplaceEditor()->SelLength(), c.SelLength);
    QTest::keyClick(EditorWidget(), Qt::Key_Escape);
    Grid->SetFocus();
    QApplication::processEvents();
  }
}

// The editor over a right-aligned cell and a list combo over its cell.
TEST_F(PlexInplaceEditTest, ScreenshotOfTheEditors) {
  const char* shots = std::getenv("QUILLORE_SHOTS");
  if (!shots) GTEST_SKIP() << "QUILLORE_SHOTS names no folder";
  for (int c = 0; c < 5; ++c) Grid->SetCells(c, 0, QString("Col %1").arg(c));
  Grid->SetAlignments(1, 1, taRightJustify);
  Open(edNormal, "12.50");
  Grid->SetCells(3, 2, "B");
  Grid->AddComboString("A");
  Grid->AddComboString("B");
  QApplication::processEvents();
  SaveWidgetScreenshot(Form->Widget(), QString(shots) + "/inplace-edit.png");
  Grid->SetFocus();
  Grid->DefaultEditor = edComboList;
  Grid->SetCol(3);
  Grid->SetRow(2);
  Grid->ShowCellEdit();
  QApplication::processEvents();
  SaveWidgetScreenshot(Form->Widget(), QString(shots) + "/combo-edit.png");
}

// The cell grows with the text as it is typed: the row of a word-wrapped
// grid with SizeWhileTyping.Height, the column with SizeWhileTyping.Width.
TEST_F(PlexInplaceEditTest, TypingGrowsTheCellAsSizeWhileTypingAsks) {
  const struct {
    bool Height, Width, WordWrap, RowGrows, ColGrows;
  } cases[] = {
      {true, false, true, true, false},
      {false, false, true, false, false},
      {true, false, false, false, false},
      {false, true, false, false, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(QString("height %1 width %2 wrap %3").arg(c.Height).arg(c.Width).arg(c.WordWrap).toStdString());
    Grid->SetWordWrap(c.WordWrap);
    Grid->SizeWhileTyping().Height = c.Height;
    Grid->SizeWhileTyping().Width = c.Width;
    Grid->SetColWidths(1, 60);
    Grid->SetRowHeights(1, Grid->DefaultRowHeight());
    QList<int> ended;
    Grid->OnEndRowSize = [&](TObject*, int ARow) { ended.append(ARow); };
    Open(edNormal);
    Type("one two three four five");
    const int lw = Grid->GridLineWidth();
    if (c.RowGrows) {
      EXPECT_EQ(Grid->RowHeights(1), Grid->GetCellTextSize(1, 1, false, true).cy + Grid->GetVertTextPadding() + 2 * lw);
      EXPECT_GT(Grid->RowHeights(1), 2 * Grid->DefaultRowHeight()) << "several lines";
      EXPECT_EQ(Grid->InplaceEditor()->Height(), Grid->CellRect(1, 1).Height() - 1) << "the editor follows its row";
      EXPECT_FALSE(ended.isEmpty());
      EXPECT_EQ(ended.count(1), ended.size());
    } else {
      EXPECT_EQ(Grid->RowHeights(1), Grid->DefaultRowHeight());
      EXPECT_TRUE(ended.isEmpty());
    }
    if (c.ColGrows)
      EXPECT_EQ(Grid->ColWidths(1),
                Grid->GetCellTextSize(1, 1, false, false).cx + Grid->GetHorzTextPadding() + 2 * (lw + 1));
    else
      EXPECT_EQ(Grid->ColWidths(1), 60);
    EXPECT_EQ(Text(), "one two three four five");
    Grid->OnEndRowSize = nullptr;
    QTest::keyClick(EditorWidget(), Qt::Key_Escape);
    Grid->SetFocus();
    QApplication::processEvents();
  }
}

// Ctrl+Enter in a multi-line cell makes the row high enough for the new line first.
TEST_F(PlexInplaceEditTest, CtrlEnterMakesRoomForTheNewLine) {
  Grid->SetWordWrap(false);
  Grid->Multilinecells = true;
  Grid->Navigation().AllowCtrlEnter = true;
  const auto linesHeight = [&](int Lines) {
    Grid->SetRowLinesHeight(3, Lines, Grid->GetVertTextPadding());
    return Grid->RowHeights(3);
  };
  for (const bool height : {true, false}) {
    SCOPED_TRACE(height);
    Grid->SizeWhileTyping().Height = height;
    Grid->SetRowHeights(1, Grid->DefaultRowHeight());
    int ended = 0;
    Grid->OnEndRowSize = [&](TObject*, int ARow) { ended += ARow == 1 ? 1 : 100; };
    Open(edNormal, "ab");
    Grid->InplaceEditor()->SetSelStart(2);
    for (const int lines : {2, 3}) {
      QTest::keyClick(EditorWidget(), Qt::Key_Return, Qt::ControlModifier);
      EXPECT_EQ(Grid->RowHeights(1), height ? linesHeight(lines) : Grid->DefaultRowHeight()) << lines;
    }
    EXPECT_EQ(Text(), "ab\r\n\r\n");
    EXPECT_EQ(ended, height ? 2 : 0);
    Grid->OnEndRowSize = nullptr;
    QTest::keyClick(EditorWidget(), Qt::Key_Escape);
    Grid->SetFocus();
    QApplication::processEvents();
  }
}

// A row growing past the room left for it scrolls its editor back into view,
// the caret staying after the last typed character.
TEST_F(PlexInplaceEditTest, TypingPastTheRoomKeepsTheEditorInView) {
  Grid->SetWordWrap(true);
  Grid->SizeWhileTyping().Height = true;
  Grid->SetColWidths(1, 60);
  Grid->SetRow(4);
  Open(edNormal);
  ASSERT_EQ(Grid->TopRow(), 1);
  QString typed;
  for (int i = 0; i < 60 && Grid->VisibleRowCount() + Grid->FixedRows() >= Grid->RowCount(); ++i) {
    const QString word = i == 0 ? QString("word") : QString(" word");
    Type(word);
    typed += word;
  }
  ASSERT_LT(Grid->VisibleRowCount() + Grid->FixedRows(), Grid->RowCount()) << "the row outgrew the grid's room";
  TInplaceEdit* editor = Grid->InplaceEditor();
  EXPECT_GT(Grid->TopRow(), 1);
  EXPECT_TRUE(editor->Visible());
  EXPECT_EQ(editor->Text(), typed);
  EXPECT_EQ(editor->SelStart(), typed.length());
  EXPECT_EQ(editor->SelLength(), 0);
  EXPECT_GE(editor->Top(), 0);
  EXPECT_LE(editor->Top() + editor->Height(), Grid->ClientHeight());
  // Typing on keeps the caret at the end.
  Type(" end");
  EXPECT_EQ(editor->Text(), typed + " end");
  EXPECT_EQ(editor->SelStart(), editor->Text().length());
  if (const char* shots = std::getenv("QUILLORE_SHOTS"))
    SaveWidgetScreenshot(Form->Widget(), QString(shots) + "/size-while-typing.png");
}

struct TPasteCase {
  TEditorType Editor;
  const char* Clip;
  const char* Result;
};

TEST_F(PlexInplaceEditTest, PasteByType) {
  const TPasteCase cases[] = {
      {edCapital, "word", "word"},         {edUpperCase, "word", "WORD"}, {edNumeric, "12\r\n", "12"},
      {edNumeric, "1\r\n2", ""},           {edPositiveNumeric, "-3", ""}, {edFloat, "2.5", "2.5"},
      {edMixedCase, "ann lee", "Ann Lee"},
  };
  for (const TPasteCase& c : cases) {
    SCOPED_TRACE(c.Clip);
    SetClipboardText(c.Clip);
    Open(c.Editor);
    Grid->InplaceEditor()->Perform(WM_PASTE);
    EXPECT_EQ(Text(), c.Result);
    EXPECT_EQ(Grid->Cells(1, 1), c.Result);
    QTest::keyClick(EditorWidget(), Qt::Key_Escape);
    Grid->SetFocus();
    QApplication::processEvents();
  }
}

TEST_F(PlexInplaceEditTest, CutAndCopyEventsMayBlockTheClipboard) {
  const struct {
    UINT Msg;
    bool Allow;
    const char* Clipboard;
    const char* Text;
  } cases[] = {
      {WM_COPY, true, "bc", "abcd"},
      {WM_COPY, false, "old", "abcd"},
      {WM_CUT, true, "bc", "ad"},
      {WM_CUT, false, "old", "abcd"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.Msg << " " << c.Allow);
    int events = 0;
    Grid->OnClipboardCopy = Grid->OnClipboardCut = nullptr;
    (c.Msg == WM_COPY ? Grid->OnClipboardCopy : Grid->OnClipboardCut) = [&](TObject*, bool& allow) {
      ++events;
      allow = c.Allow;
    };
    SetClipboardText("old");
    Open(edNormal, "abcd");
    Grid->InplaceEditor()->SetSelStart(1);
    Grid->InplaceEditor()->SetSelLength(2);
    Grid->InplaceEditor()->Perform(c.Msg);
    EXPECT_EQ(events, 1);
    EXPECT_EQ(ClipboardText(), c.Clipboard);
    EXPECT_EQ(Text(), c.Text);
    QTest::keyClick(EditorWidget(), Qt::Key_Escape);
    Grid->SetFocus();
    QApplication::processEvents();
  }
}

TEST_F(PlexInplaceEditTest, PasteEventsMayBlockOrChangeTheText) {
  SetClipboardText("abc");
  QStringList after;
  Grid->OnClipboardBeforePasteCell = [](TObject*, int, int, QString& v, bool&) { v = v.toUpper(); };
  Grid->OnClipboardAfterPasteCell = [&](TObject*, int, int, const QString& v) { after.append(v); };
  Open(edNormal, "x");
  Grid->InplaceEditor()->SetSelStart(1);
  Grid->InplaceEditor()->Perform(WM_PASTE);
  EXPECT_EQ(Text(), "xABC");
  EXPECT_EQ(after, QStringList{"xABC"});
  Grid->OnClipboardPaste = [](TObject*, bool& allow) { allow = false; };
  Grid->InplaceEditor()->Perform(WM_PASTE);
  EXPECT_EQ(Text(), "xABC");
}
}  // namespace

TEST_F(PlexInplaceEditTest, AClickThatOpensTheEditorPutsTheCaretUnderThePointer) {
  for (const bool selectAll : {false, true}) {
    SCOPED_TRACE(selectAll);
    Grid->HideInplaceEdit();
    Grid->Navigation().EditSelectAll = selectAll;
    ClickToOpen(1, 1, "ABCDEFGH");
    TInplaceEdit* editor = Grid->InplaceEditor();
    ASSERT_TRUE(editor && editor->Visible());
    const int expected = editor->CharFromPos(PointerIn(*editor));
    EXPECT_GT(expected, 0);
    EXPECT_LT(expected, 8);
    EXPECT_EQ(editor->SelStart(), expected);
    EXPECT_EQ(editor->SelLength(), 0);
  }
}

namespace {
// The multi-line text editor: the lines show from the top of a tall cell, as
// the cell draws them, and the caret walks them.
struct MultiLineEditTest : PlexInplaceEditTest {
  void SetUp() override {
    PlexInplaceEditTest::SetUp();
    Grid->SetWordWrap(false);
    Grid->Multilinecells = true;
    Grid->Navigation().AllowCtrlEnter = true;
    Grid->SetColWidths(1, 120);
    Grid->SetRowHeights(1, 80);
  }
  // The first and last pixel rows and the first column holding text ink in a
  // rectangle of the grid's window, the editor included; -1 without ink.
  struct TInk {
    int Top = -1, Bottom = -1, Left = -1;
  };
  TInk InkIn(const TRect& R) {
    QApplication::processEvents();
    const QImage img = Grid->Widget()->grab(R.toQRect()).toImage();
    TInk ink;
    for (int y = 0; y < img.height(); ++y)
      for (int x = 0; x < img.width(); ++x)
        if (qGray(img.pixel(x, y)) < 100) {
          if (ink.Top < 0) ink.Top = y;
          ink.Bottom = y;
          if (ink.Left < 0 || x < ink.Left) ink.Left = x;
        }
    return ink;
  }
  TRect Inner(int ACol, int ARow) const {
    const TRect r = Grid->CellRect(ACol, ARow);
    return TRect(r.Left + 1, r.Top + 1, r.Right - 2, r.Bottom - 2);
  }
  int LineHeight() const { return QFontMetrics(Grid->InplaceEditor()->Widget()->font()).lineSpacing(); }
};

TEST_F(MultiLineEditTest, TheLinesShowFromTheTopWhereTheCellDrawsThem) {
  const struct {
    const char* Name;
    const char* Start;
    bool TypeBreak;  // Ctrl+Enter and "cd" after the start text
    const char* Result;
    int Lines;
    int RowHeight;  // 0: the default
  } cases[] = {
      {"opened", "ab\r\ncd", false, "ab\r\ncd", 2, 80},
      {"typed", "ab", true, "ab\r\ncd", 2, 80},
      {"one line in a default row", "ab", false, "ab", 1, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    Grid->SetRowHeights(1, c.RowHeight ? c.RowHeight : Grid->DefaultRowHeight());
    Grid->SetCells(1, 1, c.Result);
    const TInk drawn = InkIn(Inner(1, 1));
    ASSERT_GE(drawn.Top, 0);
    Open(edNormal, c.Start);
    if (c.TypeBreak) {
      Grid->InplaceEditor()->SetSelStart(2);
      QTest::keyClick(EditorWidget(), Qt::Key_Return, Qt::ControlModifier);
      Type("cd");
    }
    EXPECT_EQ(Text(), c.Result);
    EXPECT_EQ(Grid->InplaceEditor()->LineCount(), c.Lines);
    const TInk shown = InkIn(Inner(1, 1));
    EXPECT_LT(shown.Top, LineHeight()) << "the first line at the top";
    EXPECT_EQ(shown.Bottom - shown.Top > LineHeight(), c.Lines > 1) << "every line shown";
    EXPECT_LT(shown.Bottom, (c.Lines + 1) * LineHeight());
    EXPECT_NEAR(shown.Top, drawn.Top, 2) << "no jump when editing starts";
    EXPECT_NEAR(shown.Left, drawn.Left, 2);
    QTest::keyClick(EditorWidget(), Qt::Key_Return);
    EXPECT_EQ(Grid->Cells(1, 1), c.Result) << "the breaks go back as they came";
    Grid->SetRow(1);
    Grid->SetFocus();
    QApplication::processEvents();
  }
}

TEST_F(MultiLineEditTest, WordWrapWrapsTheEditorsLines) {
  Grid->SetColWidths(1, 70);
  for (const bool wrap : {true, false}) {
    SCOPED_TRACE(wrap);
    Grid->SetWordWrap(wrap);
    Open(edNormal, "one two three four");
    TInplaceEdit* editor = Grid->InplaceEditor();
    EXPECT_EQ(editor->WordWrap(), wrap);
    const TInk shown = InkIn(Inner(1, 1));
    if (wrap) {
      EXPECT_GE(editor->LineCount(), 2);
      EXPECT_GT(shown.Bottom - shown.Top, LineHeight());
      // Up on a wrapped line stays in the editor.
      editor->SetSelStart(Text().length());
      QTest::keyClick(EditorWidget(), Qt::Key_Up);
      EXPECT_TRUE(editor->Visible());
      EXPECT_EQ(editor->CaretLine(), editor->LineCount() - 2);
    } else {
      EXPECT_EQ(editor->LineCount(), 1);
      EXPECT_LT(shown.Bottom - shown.Top, LineHeight());
    }
    EXPECT_EQ(Text(), "one two three four");
    QTest::keyClick(EditorWidget(), Qt::Key_Escape);
    Grid->SetFocus();
    QApplication::processEvents();
  }
}

TEST_F(MultiLineEditTest, TheCaretWalksTheLinesAndLeavesOnTheFirst) {
  Grid->SetRow(2);
  Grid->SetRowHeights(2, 80);
  Grid->SetCol(1);
  Open(edNormal);
  Grid->HideInplaceEdit();
  Grid->SetCells(1, 2, "ab\r\ncd");
  Grid->ShowCellEdit();
  TInplaceEdit* editor = Grid->InplaceEditor();
  ASSERT_TRUE(editor->Visible());
  ASSERT_EQ(Text(), "ab\r\ncd");
  editor->SetSelStart(1);
  QTest::keyClick(EditorWidget(), Qt::Key_Down);
  EXPECT_EQ(editor->SelStart(), 5) << "the breaks count as two characters";
  EXPECT_EQ(editor->CaretLine(), 1);
  QTest::keyClick(EditorWidget(), Qt::Key_Up, Qt::ShiftModifier);
  EXPECT_EQ(editor->SelStart(), 1);
  EXPECT_EQ(editor->SelLength(), 4);
  EXPECT_EQ(editor->SelText(), "b\r\nc");
  editor->SetSelStart(5);
  QTest::keyClick(EditorWidget(), Qt::Key_Home);
  EXPECT_EQ(editor->SelStart(), 0) << "the grid's Home goes to the text's start";
  editor->SetSelStart(4);
  QTest::keyClick(EditorWidget(), Qt::Key_Backspace);
  EXPECT_EQ(Text(), "abcd") << "a break goes as one";
  QTest::keyClick(EditorWidget(), Qt::Key_Return, Qt::ControlModifier);
  EXPECT_EQ(Text(), "ab\r\ncd");
  // A click on the second line puts the caret there; the character at a point
  // counts the break.
  const int lh = LineHeight();
  const QPoint second(6, 3 + lh + lh / 2);
  QTest::mouseClick(EditorWidget(), Qt::LeftButton, {}, second);
  EXPECT_EQ(editor->SelStart(), 4);
  EXPECT_EQ(editor->CharFromPos(TPoint(second.x(), second.y())), 4);
  EXPECT_EQ(editor->CharFromPos(TPoint(100, 3 + lh / 2)), 2);
  EXPECT_EQ(editor->CharFromPos(TPoint(100, 3 + lh + lh / 2)), 6);
  // Up on the second line stays, on the first goes to the row above.
  QTest::keyClick(EditorWidget(), Qt::Key_Up);
  EXPECT_EQ(Grid->Row(), 2);
  EXPECT_TRUE(editor->Visible());
  EXPECT_EQ(editor->CaretLine(), 0);
  QTest::keyClick(EditorWidget(), Qt::Key_Up);
  EXPECT_EQ(Grid->Row(), 1);
  EXPECT_EQ(Grid->Cells(1, 2), "ab\r\ncd");
}

TEST_F(MultiLineEditTest, ScreenshotOfATallMultiLineCell) {
  const char* shots = std::getenv("QUILLORE_SHOTS");
  if (!shots) GTEST_SKIP() << "QUILLORE_SHOTS names no folder";
  Grid->SetWordWrap(true);
  Grid->SetColWidths(1, 140);
  Grid->SetRowHeights(1, 110);
  Grid->SetCells(2, 1, "first line\r\nsecond line\r\na third line that is long enough to wrap");
  Open(edNormal, "first line\r\nsecond line\r\na third line that is long enough to wrap");
  Grid->InplaceEditor()->SetSelStart(14);
  Grid->InplaceEditor()->SetSelLength(6);
  QApplication::processEvents();
  SaveWidgetScreenshot(Form->Widget(), QString(shots) + "/inplace-edit-multiline.png");
  // Without word wrap, the caret at the end of the second line.
  QTest::keyClick(EditorWidget(), Qt::Key_Escape);
  Grid->SetFocus();
  Grid->SetWordWrap(false);
  Open(edNormal, "first line\r\nsecond line\r\na third line that is long enough to wrap");
  Grid->InplaceEditor()->SetSelStart(23);
  QApplication::processEvents();
  SaveWidgetScreenshot(Form->Widget(), QString(shots) + "/inplace-edit-multiline-nowrap.png");
}
}  // namespace
