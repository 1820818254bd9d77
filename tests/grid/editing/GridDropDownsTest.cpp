// The drop-down editors in their grid: what each key does with the popup open
// or closed, how a cell's value is loaded and written back, the colour and
// image choices, the calculator's pending operation and the formatted writer
// of the track bar.
#include "grid/editing/GridDropDowns.h"

#include "EditingGridFixture.h"
#include "platform/ImageList.h"
#include "platform/Screenshot.h"

#include <QCursor>
#include <QImage>
#include <QPainter>

#include <cstdlib>

namespace {

struct GridDropDownsTest : EditingGridFixture {
  void Validate(int Mode) {
    Grid->OnCellValidate = nullptr;
    if (Mode == 0) return;
    const bool accept = Mode > 0;
    Grid->OnCellValidate = [accept](TObject*, int, int, QString&, bool& valid) { valid = accept; };
  }
};

constexpr bool PopupOpen = true, Closed = false;
constexpr int NoValidator = 0, Accepts = 1, Refuses = -1;

struct TDropKeyCase {
  const char* Name;
  TEditorType Type;
  bool Popup;
  Qt::Key Key;
  bool Tabs;
  int Validator;
  // Outcome
  bool StaysOpen;
  const char* Cell;
  int Col, Row;
};

// The time picker stands for every drop-down but the colour picker; the
// detail list's popup shows the paging keys' consumption.
const TDropKeyCase DropKeyCases[] = {
    {"Enter commits", edTimePickerDropDown, Closed, Qt::Key_Return, false, NoValidator, false, "10:30", 2, 2},
    {"Escape cancels", edTimePickerDropDown, Closed, Qt::Key_Escape, false, NoValidator, false, "09:00", 2, 2},
    {"Down commits and moves", edTimePickerDropDown, Closed, Qt::Key_Down, false, NoValidator, false, "10:30", 2, 3},
    {"Up commits and moves", edTimePickerDropDown, Closed, Qt::Key_Up, false, NoValidator, false, "10:30", 2, 1},
    {"PageDown leaves", edTimePickerDropDown, Closed, Qt::Key_PageDown, false, NoValidator, false, "10:30", 2, 2},
    {"End to the base", edTimePickerDropDown, Closed, Qt::Key_End, false, NoValidator, true, "09:00", 2, 2},
    {"Left to the base", edTimePickerDropDown, Closed, Qt::Key_Left, false, NoValidator, true, "09:00", 2, 2},
    {"Tab with goTabs moves on", edTimePickerDropDown, Closed, Qt::Key_Tab, true, NoValidator, false, "10:30", 3, 2},
    {"Tab with a validator", edTimePickerDropDown, Closed, Qt::Key_Tab, false, Accepts, false, "10:30", 2, 2},
    {"refused Enter", edTimePickerDropDown, Closed, Qt::Key_Return, false, Refuses, true, "09:00", 2, 2},
    {"refused Down", edTimePickerDropDown, Closed, Qt::Key_Down, false, Refuses, true, "09:00", 2, 2},
    {"refused Tab with goTabs", edTimePickerDropDown, Closed, Qt::Key_Tab, true, Refuses, true, "09:00", 2, 2},
    // popup open: the editor goes, the popup's keys end there
    {"open Down hides", edDetailDropDown, PopupOpen, Qt::Key_Down, false, NoValidator, false, "10:30", 2, 2},
    {"open PageDown hides", edDetailDropDown, PopupOpen, Qt::Key_PageDown, false, NoValidator, false, "10:30", 2, 2},
    {"open End leaves", edDetailDropDown, PopupOpen, Qt::Key_End, false, NoValidator, false, "10:30", 2, 2},
    {"open Enter commits", edDetailDropDown, PopupOpen, Qt::Key_Return, false, NoValidator, false, "10:30", 2, 2},
    {"open Escape cancels", edDetailDropDown, PopupOpen, Qt::Key_Escape, false, NoValidator, false, "09:00", 2, 2},
};

}  // namespace

TEST_F(GridDropDownsTest, KeysByOptions) {
  // The outcome of the key alone: no editor opened again on the cell moved to.
  Grid->Navigation().AdvanceAutoEdit = false;
  for (const TDropKeyCase& c : DropKeyCases) {
    SCOPED_TRACE(c.Name);
    SetTabs(c.Tabs);
    Validate(c.Validator);
    Grid->SetRowCount(9);
    Open(c.Type, "09:00");
    auto* editor = dynamic_cast<TPlexCustomDropDown*>(Grid->EditCtrl());
    ASSERT_NE(editor, nullptr);
    ASSERT_TRUE(editor->Visible());
    editor->SetText("10:30");
    if (c.Popup) {
      editor->ShowDropDown();
      QApplication::processEvents();
      ASSERT_TRUE(editor->DroppedDown());
      ASSERT_TRUE(Grid->EditMode()) << "the popup is part of the editor";
    }
    QTest::keyClick(editor->Widget(), c.Key);
    QApplication::processEvents();
    EXPECT_EQ(Grid->EditMode(), c.StaysOpen);
    EXPECT_FALSE(editor->DroppedDown() && !c.StaysOpen) << "the popup closes with the editor";
    EXPECT_EQ(Grid->Cells(2, 2), c.Cell);
    EXPECT_EQ(Grid->Col(), c.Col);
    EXPECT_EQ(Grid->Row(), c.Row);
    if (c.Validator == Refuses) {
      EXPECT_TRUE(Grid->NoAutoAdvance) << "a refused value does not advance";
    }
    Validate(NoValidator);
    if (Grid->EditMode()) QTest::keyClick(editor->Widget(), Qt::Key_Escape);
    Grid->HideInplaceEdit();
    Grid->NoAutoAdvance = false;
  }
}

TEST_F(GridDropDownsTest, ColorPickerValidatesOnlyOnEnter) {
  Grid->Navigation().AdvanceAutoEdit = false;
  Validate(Refuses);
  const struct {
    Qt::Key Key;
    bool Popup;
    bool StaysOpen;
    int Row;
  } cases[] = {{Qt::Key_Return, Closed, true, 2},   {Qt::Key_Up, Closed, false, 1},
               {Qt::Key_Down, Closed, false, 3},    {Qt::Key_Home, Closed, false, 2},
               {Qt::Key_Down, PopupOpen, true, 2},  {Qt::Key_PageUp, PopupOpen, true, 2},
               {Qt::Key_Return, PopupOpen, true, 2}};
  for (const auto& c : cases) {
    SCOPED_TRACE(QString("%1 popup %2").arg(c.Key).arg(c.Popup).toStdString());
    Grid->SetRow(2);
    Grid->SetColors(2, 2, 0x0000FF);
    Open(edColorPickerDropDown, "");
    TGridColorDropDown* picker = Grid->ColorPickerDropDown();
    ASSERT_EQ(picker->Text(), "Red");
    if (c.Popup) picker->ShowDropDown();
    QApplication::processEvents();
    ASSERT_TRUE(Grid->EditMode());
    QTest::keyClick(picker->Widget(), c.Key);
    QApplication::processEvents();
    EXPECT_EQ(Grid->EditMode(), c.StaysOpen);
    EXPECT_EQ(Grid->Row(), c.Row);
    Validate(NoValidator);
    Grid->HideInplaceEdit();
    Validate(Refuses);
  }
}

TEST_F(GridDropDownsTest, ColorAndImageChoicesReachTheCell) {
  // A colour: its name is the text, the colour the cell's (or a shape's).
  Grid->SetColors(2, 2, 0x0000FF);
  Open(edColorPickerDropDown, "");
  Grid->ColorPickerDropDown()->SetSelectedColor(0x00FF00);
  QTest::keyClick(Grid->ColorPickerDropDown()->Widget(), Qt::Key_Return);
  EXPECT_EQ(Grid->Cells(2, 2), "Lime");
  EXPECT_EQ(Grid->Colors(2, 2), 0x00FF00);
  Grid->OnColorSelected = [](TObject*, int, int, TColor& color, QString& value) {
    color = 0xFF0000;
    value = "sea";
  };
  Open(edColorPickerDropDown, "Lime");
  QTest::keyClick(Grid->ColorPickerDropDown()->Widget(), Qt::Key_Return);
  EXPECT_EQ(Grid->Cells(2, 2), "sea");
  EXPECT_EQ(Grid->Colors(2, 2), 0xFF0000);

  // An image: the cell's number picks it; the handler may change the choice.
  TImageList images(16, 16);
  QImage square(16, 16, QImage::Format_ARGB32);
  square.fill(Qt::blue);
  for (int i = 0; i < 3; ++i) images.Add(square);
  Grid->SetGridImages(&images);
  Open(edImagePickerDropDown, "1");
  TGridImageDropDown* picker = Grid->ImagePickerDropDown();
  EXPECT_EQ(picker->Items().size(), 3u);
  EXPECT_EQ(picker->ImageIndex(), 1);
  picker->SetImageIndex(2);
  QTest::keyClick(picker->Widget(), Qt::Key_Return);
  EXPECT_EQ(Grid->Cells(2, 2), "2");
  Grid->OnImageSelected = [](TObject*, int, int, int& index) { index = 0; };
  Open(edImagePickerDropDown, "1");
  QTest::keyClick(Grid->ImagePickerDropDown()->Widget(), Qt::Key_Return);
  EXPECT_EQ(Grid->Cells(2, 2), "0");
  Grid->SetGridImages(nullptr);
}

TEST_F(GridDropDownsTest, CellValuesLoadAndComeBack) {
  Grid->OnGetEditorProp = [this](TObject*, int, int) {
    if (Grid->EditControl() == edTrackbarDropDown) Grid->TrackbarDropDown()->SetMax(20);
    if (Grid->EditControl() == edDetailDropDown && Grid->DetailPickerDropDown()->Items().Count() == 0)
      for (const char* caption : {"One", "Two"}) Grid->DetailPickerDropDown()->Items().Add(caption);
    if (Grid->EditControl() == edGridDropDown && Grid->GridDropDown()->Items().empty())
      Grid->GridDropDown()->Items() = {{"1", "first"}, {"2", "second"}};
  };
  const struct {
    TEditorType Type;
    const char* Cell;
    const char* Shown;
    const char* Committed;
  } cases[] = {
      {edTrackbarDropDown, "7", "7", "7"},
      {edTrackbarDropDown, "35", "20", "20"},           // clamped to the range
      {edCalculatorDropDown, "12.5", "12.5", "12.50"},  // Enter works as "="
      {edTimePickerDropDown, "08:15", "08:15", "08:15"},
      {edDetailDropDown, "Two", "Two", "Two"},
      {edGridDropDown, "2", "2", "2"},
      {edMemoDropDown, "first line", "first line", "first line"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(QString("%1 %2").arg(c.Type).arg(c.Cell).toStdString());
    Open(c.Type, c.Cell);
    auto* editor = dynamic_cast<TPlexCustomDropDown*>(Grid->EditCtrl());
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->Text(), c.Shown);
    QTest::keyClick(editor->Widget(), Qt::Key_Return);
    EXPECT_FALSE(Grid->EditMode());
    EXPECT_EQ(Grid->Cells(2, 2), c.Committed);
  }
  EXPECT_EQ(Grid->DetailPickerDropDown()->ItemIndex(), 1);
  EXPECT_EQ(Grid->GridDropDown()->ItemIndex(), 1);
}

// While the memo drop-down is typed into, its cell follows each key.
TEST_F(GridDropDownsTest, MemoCellFollowsTheTypingBeforeTheCommit) {
  Grid->DefaultEditor = edMemoDropDown;
  Grid->SetCells(2, 2, "ab");
  Grid->SetCol(2);
  Grid->SetRow(2);
  Grid->SetFocus();
  QTest::keyClick(Grid->Widget(), Qt::Key_F2);
  QApplication::processEvents();
  TGridMemoDropDown* memo = Grid->MemoDropDown();
  ASSERT_TRUE(memo->Visible());
  QTest::keyClick(memo->Widget(), Qt::Key_End);
  for (const char* typed : {"c", "d"}) {
    QTest::keyClicks(memo->Widget(), typed);
    EXPECT_TRUE(Grid->EditMode());
    EXPECT_EQ(Grid->Cells(2, 2).toStdString(), memo->Text().toStdString());
  }
  EXPECT_EQ(Grid->Cells(2, 2).toStdString(), "abcd");
  QTest::keyClick(memo->Widget(), Qt::Key_Return);
  EXPECT_EQ(Grid->Cells(2, 2).toStdString(), "abcd");
  // Escape takes the typing back out of the cell.
  QTest::keyClick(Grid->Widget(), Qt::Key_F2);
  QApplication::processEvents();
  QTest::keyClick(memo->Widget(), Qt::Key_End);
  QTest::keyClicks(memo->Widget(), "e");
  EXPECT_EQ(Grid->Cells(2, 2).toStdString(), "abcde");
  QTest::keyClick(memo->Widget(), Qt::Key_Escape);
  QApplication::processEvents();
  EXPECT_EQ(Grid->Cells(2, 2).toStdString(), "abcd");
}

TEST_F(GridDropDownsTest, CalculatorCompletesItsResultBeforeEnterIsValidated) {
  QString validated;
  Grid->OnCellValidate = [&](TObject*, int, int, QString& value, bool&) { validated = value; };
  Open(edCalculatorDropDown, "0");
  TGridCalculatorDropDown* calc = Grid->CalculatorDropDown();
  QTest::keyClicks(calc->Widget(), "2+3*4");
  QTest::keyClick(calc->Widget(), Qt::Key_Return);
  // No precedence: (2 + 3) * 4.
  EXPECT_EQ(validated, "20.00");
  EXPECT_EQ(Grid->Cells(2, 2), "20.00");
}

TEST_F(GridDropDownsTest, TrackBarFormatsTheTextsItIsGivenOthersTakeThemVerbatim) {
  // A refused value comes back through the editor's own writer.
  Grid->OnCellValidate = [](TObject*, int, int, QString& value, bool& valid) {
    value = "";
    valid = false;
  };
  Grid->AlwaysValidate = true;
  const struct {
    TEditorType Type;
    const char* Shown;
  } cases[] = {{edTrackbarDropDown, "0"}, {edTimePickerDropDown, ""}, {edCalculatorDropDown, ""}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Type);
    Open(c.Type, "5");
    auto* editor = dynamic_cast<TPlexCustomDropDown*>(Grid->EditCtrl());
    ASSERT_NE(editor, nullptr);
    QTest::keyClick(editor->Widget(), Qt::Key_Return);
    EXPECT_TRUE(Grid->EditMode());
    EXPECT_EQ(editor->Text(), c.Shown);
    Grid->OnCellValidate = nullptr;
    QTest::keyClick(editor->Widget(), Qt::Key_Escape);
    Grid->OnCellValidate = [](TObject*, int, int, QString& value, bool& valid) {
      value = "";
      valid = false;
    };
  }
}

TEST_F(GridDropDownsTest, KeyPressReachesTheGridFromTheEditorAndChangesAreReported) {
  QStringList seen;
  Grid->OnKeyPress = [&](TObject* sender, QChar& key) {
    if (sender == Grid->TimePickerDropDown()) seen.append(QString("key %1").arg(key));
  };
  Grid->OnEditChange = [&](TObject*, int c, int r, const QString& v) {
    seen.append(QString("change %1,%2 %3").arg(c).arg(r).arg(v));
  };
  Open(edTimePickerDropDown, "9");
  EXPECT_TRUE(seen.isEmpty()) << "loading the cell is no change";
  TGridTimepickerDropDown* editor = Grid->TimePickerDropDown();
  EXPECT_FALSE(editor->FocusDraw);
  editor->SetSelStart(1);
  QTest::keyClick(editor->Widget(), Qt::Key_1);
  EXPECT_EQ(seen, (QStringList{"key 1", "change 2,2 91"}));
}

TEST_F(GridDropDownsTest, AClickThatOpensTheEditorPutsTheCaretUnderThePointer) {
  Grid->DefaultEditor = edCalculatorDropDown;
  ClickToOpen(2, 2, "12345678");
  TGridCalculatorDropDown* calc = Grid->CalculatorDropDown();
  ASSERT_TRUE(calc->Visible());
  const int expected = calc->CharFromPos(PointerIn(*calc));
  EXPECT_GT(expected, 0);
  EXPECT_LT(expected, 8);
  EXPECT_EQ(calc->SelStart(), expected);
  EXPECT_EQ(calc->SelLength(), 0);
}

TEST_F(GridDropDownsTest, FocusLossCommits) {
  Open(edDetailDropDown, "old");
  Grid->DetailPickerDropDown()->SetText("new");
  Grid->DetailPickerDropDown()->ShowDropDown();
  FocusOther();
  EXPECT_FALSE(Grid->EditMode());
  EXPECT_FALSE(Grid->DetailPickerDropDown()->DroppedDown());
  EXPECT_EQ(Grid->Cells(2, 2), "new");
}

TEST_F(GridDropDownsTest, Screenshot) {
  const char* shots = std::getenv("QUILLORE_SHOTS");
  if (!shots) GTEST_SKIP() << "QUILLORE_SHOTS names no folder";
  for (int c = 0; c < 5; ++c) Grid->SetCells(c, 0, QString("Col %1").arg(c));
  Grid->SetColors(2, 2, 0x008000);
  Open(edColorPickerDropDown, "");
  TGridColorDropDown* picker = Grid->ColorPickerDropDown();
  picker->ShowDropDown();
  QApplication::processEvents();
  // The popup is a window of its own: it is drawn into the form's picture where it stands.
  const QString path = QString(shots) + "/grid-colour-dropdown.png";
  ASSERT_TRUE(SaveWidgetScreenshot(Form->Widget(), path));
  QImage picture(path);
  QWidget* popup = picker->DropDownForm()->Widget();
  const QPoint at = popup->mapToGlobal(QPoint(0, 0)) - Form->Widget()->mapToGlobal(QPoint(0, 0));
  QPainter p(&picture);
  p.drawPixmap(at, popup->grab());
  p.end();
  picture.save(path);
}
