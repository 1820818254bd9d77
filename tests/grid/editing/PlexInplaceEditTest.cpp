// The grid's text editor: characters filtered by editor type, length limits,
// auto advance, paste and the keypad's decimal key.
#include "grid/editing/PlexInplaceEdit.h"

#include "EditingGridFixture.h"
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
      {edNormal, "", "a-1", "a-1", 0},
      {edNumeric, "", "-12", "-12", 0},
      {edNumeric, "1", "-", "1", 1},
      {edNumeric, "", "1x", "1", 1},
      {edPositiveNumeric, "", "-5", "5", 1},
      {edFloat, "", "1,5", "15", 0},
      {edFloat, "1.5", ".", "1.5", 0},
      {edFloat, "", "1a", "1", 0},
      {edFloat, "1", "-", "1", 1},
      {edPositiveFloat, "", "-2.5", "2.5", 0},
      {edCapital, "", "ab", "AB", 0},
      {edUpperCase, "", "ab", "AB", 0},
      {edLowerCase, "", "AB", "ab", 0},
      {edMixedCase, "", "john smith", "John Smith", 0},
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
