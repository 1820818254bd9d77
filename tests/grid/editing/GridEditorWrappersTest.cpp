// The spin, edit-with-button, check-box, button and picker editors in their
// grid: what their keys do, what reaches the cell, the events around an edit.
#include "grid/editing/GridButton.h"
#include "grid/editing/GridCheckBox.h"
#include "grid/editing/GridCombo.h"
#include "grid/editing/GridDatePicker.h"
#include "grid/editing/GridDateTimePicker.h"
#include "grid/editing/GridDropDowns.h"
#include "grid/editing/GridEditBtn.h"
#include "grid/editing/GridSpin.h"
#include "grid/editing/GridUnitEditBtn.h"

#include "EditingGridFixture.h"
#include "grid/foundation/LocaleScope.h"

#include "platform/Clipbrd.h"
#include "platform/DateTimeFormat.h"
#include "platform/SysUtils.h"
#include "platform/internal/Painting.h"
#include <QCalendarWidget>

namespace {
struct WrapperTest : EditingGridFixture {};
}  // namespace

// ---- the events of an edit, whichever editor serves the cell

struct TSequenceCase {
  TEditorType Type;
  const char* Cell;
  const char* Typed;
  std::function<TWinControl*(TPlexStringGrid&)> Editor;
  QStringList Expected;
};

TEST_F(WrapperTest, EditorLifeEventsByEditor) {
  Grid->AddComboString("A");
  Grid->AddComboString("B");
  const QStringList opened{"GetEditorType 2,2", "GetEditorProp 2,2", "GetEditText 2,2"};
  const auto left = [](const char* Value, bool Written) {
    QStringList events{QString("CellValidate 2,2 %1").arg(Value)};
    // The integer spin writes the cell's number, not its edit text.
    if (Written) events.append(QString("SetEditText 2,2 %1").arg(Value));
    return events + QStringList{"EditingDone", "CanEditCell 2,2", "EditCellDone 2,2"};
  };
  const TSequenceCase cases[] = {
      {edComboEdit, "B", "X", [](TPlexStringGrid& g) { return g.ComboEditor(); }, opened + left("X", true)},
      {edComboList, "X", nullptr, [](TPlexStringGrid& g) { return g.ComboEditor(); },
       // The list combo is hidden before the cell is left: the grid, focused
       // again at once, asks for the cell's editability before the edit ends.
       opened + QStringList{"ComboChange 2,2 0 A", "CellValidate 2,2 A", "SetEditText 2,2 A", "CanEditCell 2,2",
                            "EditingDone", "CanEditCell 2,2", "EditCellDone 2,2"}},
      {edSpinEdit, "3", "7", [](TPlexStringGrid& g) { return g.SpinEdit(); }, opened + left("7", false)},
      {edEditBtn, "B", "X", [](TPlexStringGrid& g) { return g.EditBtn(); },
       QStringList{"GetEditorType 2,2", "GetEditText 2,2"} + left("X", true)},
      {edDetailDropDown, "B", "X", [](TPlexStringGrid& g) { return g.DetailPickerDropDown(); },
       opened + left("X", true)},
  };
  for (const TSequenceCase& c : cases) {
    SCOPED_TRACE(c.Type);
    LogEvents();
    Log.clear();
    Open(c.Type, c.Cell);
    TWinControl* editor = c.Editor(*Grid);
    ASSERT_TRUE(editor->Visible());
    if (c.Typed) editor->SetText(c.Typed);
    QTest::keyClick(editor->Widget(), Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_FALSE(Grid->EditMode());
    // From the opening on; focusing the grid before it asks for the cell's editability.
    EXPECT_EQ(Log.mid(Log.indexOf("GetEditorType 2,2")), c.Expected) << Log.join(" | ").toStdString();
  }
}

// ---- the spin editor

// The integer spin reads the number the cell's text begins with.
TEST_F(WrapperTest, SpinReadsTheLeadingNumberOfTheCell) {
  const struct {
    const char* Cell;
    const char* Shown;
  } cases[] = {{"12abc", "12"}, {" 7 ", "7"}, {"$1F", "31"}, {"0x10", "16"},
               {"x0A", "10"},   {"", "0"},    {"abc", "0"},  {"+42.9", "42"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Cell);
    Grid->DefaultEditor = edSpinEdit;
    Grid->SetCells(2, 2, c.Cell);
    Grid->SetCol(2);
    Grid->SetRow(2);
    Grid->SetFocus();
    QTest::keyClick(Grid->Widget(), Qt::Key_F2);
    QApplication::processEvents();
    ASSERT_TRUE(Grid->SpinEdit()->Visible());
    EXPECT_EQ(Grid->SpinEdit()->Text().toStdString(), c.Shown);
    QTest::keyClick(Grid->SpinEdit()->Widget(), Qt::Key_Escape);
    Grid->HideInplaceEdit();
  }
}

// An emptied spin commits an empty cell only while AllowEmptyValue is on.
TEST_F(WrapperTest, EmptiedSpinCommitsAnEmptyCellWithAllowEmptyValue) {
  for (bool allow : {false, true}) {
    SCOPED_TRACE(allow);
    Grid->DefaultEditor = edSpinEdit;
    Grid->SetCells(2, 2, "5");
    Grid->SetCol(2);
    Grid->SetRow(2);
    Grid->SetFocus();
    QTest::keyClick(Grid->Widget(), Qt::Key_F2);
    QApplication::processEvents();
    TGridSpin* spin = Grid->SpinEdit();
    ASSERT_TRUE(spin->Visible());
    spin->AllowEmptyValue = allow;
    QTest::keyClick(spin->Widget(), Qt::Key_End);
    QTest::keyClick(spin->Widget(), Qt::Key_Backspace);
    EXPECT_EQ(spin->Text().toStdString(), "");
    QTest::keyClick(spin->Widget(), Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_FALSE(spin->Visible());
    EXPECT_EQ(Grid->Cells(2, 2).toStdString(), allow ? "" : "0");
  }
}

TEST_F(WrapperTest, SpinPagingKeysStepWithinTheLimits) {
  std::vector<bool> upDowns;
  Grid->OnSpinClick = [&](TObject*, int, int, int, bool up) { upDowns.push_back(up); };
  Grid->OnGetEditorProp = [this](TObject*, int, int) {
    Grid->SpinEdit()->MaxValue = 100;
    Grid->SpinEdit()->MinValue = 3;
    Grid->SpinEdit()->Increment = 5;
  };
  const struct {
    Qt::Key Key;
    int Before, After;
    bool Up;
  } cases[] = {{Qt::Key_PageUp, 97, 97, true},
               {Qt::Key_PageUp, 90, 95, true},
               {Qt::Key_Home, 50, 100, true},
               {Qt::Key_PageDown, 7, 7, false},
               {Qt::Key_End, 50, 3, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Before);
    upDowns.clear();
    Open(edSpinEdit, QString::number(c.Before));
    QTest::keyClick(Grid->SpinEdit()->Widget(), c.Key);
    EXPECT_EQ(Grid->SpinEdit()->Value(), c.After);
    EXPECT_TRUE(Grid->EditMode()) << "the paging keys stay in the editor";
    EXPECT_EQ(upDowns, std::vector<bool>{c.Up});
    Grid->HideInplaceEdit();
  }
}

TEST_F(WrapperTest, SpinTakesTheKeypadDecimalKeyAsTheLocaleSeparatorAndReportsOnlyTyping) {
  const QChar decimal = FormatSettings().DecimalSeparator, thousand = FormatSettings().ThousandSeparator;
  FormatSettings().DecimalSeparator = ',';
  FormatSettings().ThousandSeparator = '.';
  Grid->ExcelStyleDecimalSeparator = true;
  Grid->Navigation().EditSelectAll = false;
  QStringList changes;
  Grid->OnEditChange = [&](TObject*, int, int, const QString& v) { changes.append(v); };
  for (const bool keypad : {true, false}) {
    SCOPED_TRACE(keypad);
    changes.clear();
    Open(edFloatSpinEdit, "3");
    EXPECT_TRUE(changes.isEmpty()) << "loading the cell is no change";
    TGridSpin* spin = Grid->SpinEdit();
    spin->SetText("3");
    changes.clear();
    spin->SetSelStart(1);
    QTest::keyClick(spin->Widget(), '.', keypad ? Qt::KeypadModifier : Qt::NoModifier);
    // The main keyboard's point stays a point, which a float spin refuses here.
    EXPECT_EQ(spin->Text(), keypad ? "3," : "3");
    EXPECT_EQ(changes, keypad ? QStringList{"3,"} : QStringList{});
    QTest::keyClick(spin->Widget(), Qt::Key_Escape);
  }
  FormatSettings().DecimalSeparator = decimal;
  FormatSettings().ThousandSeparator = thousand;
}

struct TSpinKeyCase {
  Qt::Key Key;
  bool Tabs;
  bool Refuse;
  bool StaysOpen;
  const char* Cell;
  int Col;
};

TEST_F(WrapperTest, SpinKeys) {
  // The outcome of the key alone: no editor opened again on the cell moved to.
  Grid->Navigation().AdvanceAutoEdit = false;
  const TSpinKeyCase cases[] = {
      {Qt::Key_Return, false, false, false, "12", 2}, {Qt::Key_Escape, false, false, false, "5", 2},
      {Qt::Key_Tab, true, false, false, "12", 3},     {Qt::Key_Tab, false, false, false, "12", 2},
      {Qt::Key_Down, false, false, false, "12", 2},   {Qt::Key_Return, false, true, true, "5", 2},
      {Qt::Key_Tab, true, true, true, "5", 2},
  };
  for (const TSpinKeyCase& c : cases) {
    SCOPED_TRACE(QString("%1 tabs %2 refuse %3").arg(c.Key).arg(c.Tabs).arg(c.Refuse).toStdString());
    SetTabs(c.Tabs);
    Grid->OnCellValidate = nullptr;
    if (c.Refuse) Grid->OnCellValidate = [](TObject*, int, int, QString&, bool& valid) { valid = false; };
    Open(edSpinEdit, "5");
    Grid->SpinEdit()->SetText("12");
    QTest::keyClick(Grid->SpinEdit()->Widget(), c.Key);
    QApplication::processEvents();
    EXPECT_EQ(Grid->EditMode(), c.StaysOpen);
    EXPECT_EQ(Grid->Cells(2, 2), c.Cell);
    EXPECT_EQ(Grid->Col(), c.Col);
    Grid->OnCellValidate = nullptr;
    QTest::keyClick(Grid->SpinEdit()->Widget(), Qt::Key_Escape);
    Grid->HideInplaceEdit();
  }
}

TEST_F(WrapperTest, SpinsWriteTheirValueNotTheirText) {
  TLocaleScope locale('.', ',', '/', "dd/mm/yyyy");
  const struct {
    TEditorType Type;
    const char* Typed;
    const char* Cell;
  } cases[] = {{edSpinEdit, " 12", "12"},
               {edDateSpinEdit, "1/2/2026", "01/02/2026"},
               {edDateSpinEdit, "31/2/2026", "30/12/1899"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Typed);
    Open(c.Type, "");
    Grid->SpinEdit()->SetText(c.Typed);
    QTest::keyClick(Grid->SpinEdit()->Widget(), Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_FALSE(Grid->EditMode());
    EXPECT_EQ(Grid->Cells(2, 2), c.Cell);
  }
}

// ---- the edit with a button

struct TFilterCase {
  const char* Text;
  int Caret;
  char Typed;
};

TEST_F(WrapperTest, NumericEditBtnTypesFollowTheTextEditorTypes) {
  const TFilterCase cases[] = {{"", 0, '-'},    {"12", 0, '-'}, {"12", 2, '-'}, {"-1", 0, '-'}, {"1", 1, '.'},
                               {"1.5", 3, '.'}, {"1", 1, 'a'},  {"1", 1, '7'},  {"1", 1, ','}};
  const struct { TEditorType Text, Button; } pairs[] = {{edNumeric, edNumericEditBtn}, {edFloat, edFloatEditBtn}};
  FormatSettings().DecimalSeparator = '.';
  FormatSettings().ThousandSeparator = ',';
  Grid->Navigation().EditSelectAll = false;
  for (const auto& pair : pairs) {
    for (const TFilterCase& c : cases) {
      SCOPED_TRACE(QString("%1 \"%2\" %3 '%4'").arg(pair.Button).arg(c.Text).arg(c.Caret).arg(c.Typed).toStdString());
      Open(pair.Text, c.Text);
      Grid->InplaceEditor()->SetSelStart(c.Caret);
      QTest::keyClick(Grid->InplaceEditor()->Widget(), c.Typed);
      const QString byTextEditor = Grid->InplaceEditor()->Text();
      QTest::keyClick(Grid->InplaceEditor()->Widget(), Qt::Key_Escape);
      Grid->HideInplaceEdit();
      Open(pair.Button, c.Text);
      TGridEditBtn* edit = Grid->EditBtn();
      edit->SetSelLength(0);
      edit->SetSelStart(c.Caret);
      QTest::keyClick(edit->Widget(), c.Typed);
      EXPECT_EQ(edit->Text(), byTextEditor);
      QTest::keyClick(edit->Widget(), Qt::Key_Escape);
    }
  }
}

TEST_F(WrapperTest, EditBtnButtonAsksTheGridWithTheRealColumn) {
  QString seen;
  Grid->OnEllipsClick = [&](TObject*, int c, int r, QString& s) {
    seen = QString("%1,%2 %3").arg(c).arg(r).arg(s);
    s = "picked";
  };
  Grid->HideColumn(1);
  Grid->SetCells(2, 2, "old");
  Open(edEditBtn, "old", 1, 2);  // displayed column 1 is real column 2
  Grid->EditBtn()->StopEditAfterClick = true;
  QTest::keyClick(Grid->EditBtn()->Widget(), Qt::Key_F4);  // F4 works the button
  EXPECT_EQ(seen, "2,2 old");
  EXPECT_FALSE(Grid->EditMode());
  EXPECT_EQ(Grid->Cells(2, 2), "picked");
}

TEST_F(WrapperTest, EditBtnKeys) {
  const struct {
    Qt::Key Key;
    bool StaysOpen;
    const char* Cell;
    int Row;
  } cases[] = {{Qt::Key_Return, false, "new", 2},
               {Qt::Key_Escape, false, "old", 2},
               {Qt::Key_Down, false, "new", 3},
               {Qt::Key_PageDown, false, "new", 2},
               {Qt::Key_End, true, "old", 2}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Key);
    Open(edEditBtn, "old");
    Grid->EditBtn()->SetText("new");
    QTest::keyClick(Grid->EditBtn()->Widget(), c.Key);
    EXPECT_EQ(Grid->EditMode(), c.StaysOpen);
    EXPECT_EQ(Grid->Cells(2, 2), c.Cell);
    EXPECT_EQ(Grid->Row(), c.Row);
    Grid->HideInplaceEdit();
  }
}

TEST_F(WrapperTest, EditBtnCompletesFromTheLookupListAndPastes) {
  Grid->Lookup = true;
  Grid->LookupItems().Add("Alpha");
  Grid->LookupItems().Add("Beta");
  Open(edEditBtn, "");
  TGridEditBtn* edit = Grid->EditBtn();
  QTest::keyClicks(edit->Widget(), "be");
  EXPECT_EQ(edit->Text(), "beta");
  EXPECT_EQ(edit->SelText(), "ta") << "the completed tail is selected";
  QTest::keyClick(edit->Widget(), Qt::Key_Backspace);
  EXPECT_EQ(edit->Text(), "be") << "a text shortened by the user is not completed again";

  // The paste events see the text; a line break at its end goes.
  QStringList seen;
  Grid->OnClipboardPaste = [&](TObject* sender, bool&) { seen.append(sender == edit ? "paste" : "?"); };
  Grid->OnClipboardBeforePasteCell = [&](TObject*, int c, int r, QString& value, bool&) {
    seen.append(QString("%1,%2 %3").arg(c).arg(r).arg(value.trimmed()));
    value = value.toUpper();
  };
  SetClipboardText("xy\r\n");
  edit->SetSelStart(1);
  edit->SetSelLength(0);
  QTest::keyClick(edit->Widget(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(edit->Text(), "bXYe");
  EXPECT_EQ(edit->SelStart(), 3);
  EXPECT_EQ(seen, (QStringList{"paste", "2,2 xy"}));
  QTest::keyClick(edit->Widget(), Qt::Key_Return);
  EXPECT_EQ(Grid->Cells(2, 2), "bXYe");
}

TEST_F(WrapperTest, UnitEditJoinsValueAndUnit) {
  // The units come before the cell is opened: the editor-property hook fires after loading.
  Grid->UnitEditBtn()->Units().SetCommaText("ms,s");
  Open(edUnitEditBtn, "12ms");
  EXPECT_EQ(Grid->UnitEditBtn()->Text(), "12");
  EXPECT_EQ(Grid->UnitEditBtn()->UnitID(), "ms");
  Grid->UnitEditBtn()->SetText("15");
  QTest::keyClick(Grid->UnitEditBtn()->Widget(), Qt::Key_Return);
  EXPECT_FALSE(Grid->EditMode());
  EXPECT_EQ(Grid->Cells(2, 2), "15ms");
}

// ---- check box and push button

TEST_F(WrapperTest, CheckBoxSpaceTogglesAndTheHandledKeysLeave) {
  for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape, Qt::Key_Down}) {
    SCOPED_TRACE(key);
    Open(edCheckBox, "caption");
    TGridCheckBox* check = Grid->CheckEditor();
    QTest::keyClick(check->Widget(), Qt::Key_Space);
    EXPECT_TRUE(check->Checked());
    QTest::keyClick(check->Widget(), key);
    EXPECT_FALSE(Grid->EditMode());
    EXPECT_EQ(Grid->Cells(2, 2), "caption");
    EXPECT_EQ(Grid->Row(), key == Qt::Key_Down ? 3 : 2);
  }
}

TEST_F(WrapperTest, ButtonEscapeAndArrowsGoBackToTheGrid) {
  Open(edButton, "press");
  TGridButton* button = Grid->GridButton();
  ASSERT_TRUE(button->Visible());
  QTest::keyClick(button->Widget(), Qt::Key_Down);
  EXPECT_FALSE(button->Visible());
  EXPECT_FALSE(Grid->EditMode());
  EXPECT_EQ(Grid->Row(), 3);
  Open(edButton, "press");
  QTest::keyClick(Grid->GridButton()->Widget(), Qt::Key_Escape);
  EXPECT_FALSE(Grid->GridButton()->Visible());
  EXPECT_EQ(Grid->Cells(2, 2), "press");
}

// ---- the pickers

TEST_F(WrapperTest, DatePickerEscapeOnATextThatIsNoDateLeavesIt) {
  QStringList written;
  Grid->OnSetEditText = [&](TObject*, int, int, const QString& v) { written.append(v); };
  for (const char* text : {"", "abc"}) {
    SCOPED_TRACE(text);
    written.clear();
    Open(edDateEdit, text);
    ASSERT_TRUE(Grid->DateTimePicker()->Visible());
    QTest::keyClick(Grid->DateTimePicker()->Widget(), Qt::Key_Escape);
    EXPECT_FALSE(Grid->EditMode());
    EXPECT_EQ(Grid->Cells(2, 2), text);
    EXPECT_TRUE(written.isEmpty());
  }
}

TEST_F(WrapperTest, DatePickerDigitsMoveOnUntilTheLastField) {
  Grid->OnGetEditorProp = [this](TObject*, int, int) { Grid->DateTimePicker()->SetFormat("dd/MM/yyyy"); };
  Open(edDateEdit, "10/03/2024");
  TGridDatePicker* picker = Grid->DateTimePicker();
  picker->SetCurrentField(0);
  QTest::keyClicks(picker->Widget(), "15");
  QApplication::processEvents();
  EXPECT_EQ(picker->CurrentField(), 1);
  picker->SetCurrentField(2);
  QTest::keyClicks(picker->Widget(), "2025");
  QApplication::processEvents();
  EXPECT_EQ(picker->CurrentField(), 2) << "the year is the last field";
  int y, m, d;
  DecodeDate(picker->DateTime(), y, m, d);
  EXPECT_EQ(d, 15);
  EXPECT_EQ(y, 2025);
}

TEST_F(WrapperTest, DatePickerEdgeIsCoveredInTheWindowColour) {
  Open(edDateEdit, "10/03/2024");
  TGridDatePicker* picker = Grid->DateTimePicker();
  ASSERT_TRUE(picker->Visible());
  const QImage shown = picker->Widget()->grab().toImage();
  const QColor window = ToQColor(clWindow);
  const int middle = shown.height() / 2;
  for (const QPoint p : {QPoint(0, middle), QPoint(1, middle), QPoint(shown.width() / 2, 0),
                         QPoint(shown.width() / 2, 1), QPoint(shown.width() - 1, middle)}) {
    SCOPED_TRACE(QString("%1,%2").arg(p.x()).arg(p.y()).toStdString());
    EXPECT_EQ(shown.pixelColor(p), window);
  }
}

TEST_F(WrapperTest, DatePickerEnterWithTheCalendarOpenKeepsTheEditor) {
  Open(edDateEdit, "10/03/2024");
  TGridDatePicker* picker = Grid->DateTimePicker();
  // The calendar reports its opening and closing as the control's notifications.
  TNMDateTime notice;
  notice.Code = DTN_DROPDOWN;
  picker->Perform(CN_NOTIFY, 0, LPARAM(&notice));
  // The calendar stands at the corner of its window, as large as it needs and a pixel more on each side.
  auto* calendar = picker->Widget()->findChild<QCalendarWidget*>();
  ASSERT_NE(calendar, nullptr);
  const TSize need = picker->CalendarMinSize();
  EXPECT_EQ(calendar->geometry(), QRect(0, 0, need.cx + 2, need.cy + 2));
  QTest::keyClick(picker->Widget(), Qt::Key_Return);
  EXPECT_TRUE(Grid->EditMode());
  notice.Code = DTN_CLOSEUP;
  picker->Perform(CN_NOTIFY, 0, LPARAM(&notice));
  QTest::keyClick(picker->Widget(), Qt::Key_Return);
  EXPECT_FALSE(Grid->EditMode());
  EXPECT_EQ(Grid->Cells(2, 2), "10/03/2024");
}

TEST_F(WrapperTest, DateTimePickerKeepsAValueTypedBeforeAnotherCellIsClicked) {
  Open(edDateTimeEdit, "10/03/2024 08:30");
  TGridDateTimePicker* picker = Grid->DateAndTimePicker();
  ASSERT_TRUE(picker->Visible());
  picker->SetCurrentField(0);
  QTest::keyClicks(picker->Widget(), "25");
  QApplication::processEvents();
  const TRect other = Grid->CellRect(3, 3);
  QTest::mouseClick(Grid->Widget(), Qt::LeftButton, {}, QPoint(other.Left + 5, other.Top + 5));
  QApplication::processEvents();
  EXPECT_FALSE(Grid->EditMode());
  EXPECT_EQ(Grid->Cells(2, 2), "25/03/2024 08:30");
}
