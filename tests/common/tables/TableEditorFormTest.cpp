// A small editor on the table editor form, and a two-page one, driven as a
// user drives them: typing into the grid, the row buttons, OK and Cancel.
#include "common/tables/TableEditorForm.h"

#include "UnwritableFolder.h"
#include "common/ShellState.h"
#include "common/ULanguage.h"
#include "common/button/LbButton.h"
#include "common/tables/RowOperations.h"
#include "common/tables/TableCells.h"
#include "grid/core/PlexStringGrid.h"
#include "platform/Dialogs.h"
#include "platform/ExtCtrls.h"
#include "platform/Files.h"
#include "platform/Screenshot.h"
#include "platform/StdCtrls.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

namespace {
// The test editors' block of texts.
constexpr int FirstId = 5560;
constexpr int TextPortRule = FirstId + 30, TextDeleteQuestion = FirstId + 31, TextErrorRow = FirstId + 32;

constexpr TTableFileColumn DeviceColumns[] = {
    {1, u"Enable", u"Y"}, {2, u"Name"}, {3, u"Port", u"0"}, {4, u"Note", u""}};
constexpr int DeviceHeaders[] = {FirstId + 10, FirstId + 11, FirstId + 12, FirstId + 13};
constexpr int DeviceHints[] = {FirstId + 20, FirstId + 21, FirstId + 22, FirstId + 23};

QString EditorFile;

TTableEditorSetup EditorSetup(int Tables) {
  TTableEditorSetup setup;
  setup.Texts.Caption = FirstId;
  setup.Texts.Description = FirstId + 1;
  setup.Texts.Buttons = {FirstId + 2, FirstId + 3, FirstId + 4, FirstId + 5, FirstId + 6, FirstId + 7};
  setup.Texts.ButtonHints = {FirstId + 14, FirstId + 15, FirstId + 16, FirstId + 17, FirstId + 18, FirstId + 19};
  setup.Texts.ErrorPrefix = TextErrorRow;
  setup.Texts.DeleteQuestion = TextDeleteQuestion;
  setup.ClientWidth = 640;
  setup.ClientHeight = 330;
  setup.FilePath = &EditorFile;
  setup.Root = "Devices";
  setup.TableCount = Tables;
  return setup;
}

// Real columns: 0 row number, 1 Enable, 2 Name (the key), 3 Port, 4 Note (hidden).
TPlexStringGrid* MakeDeviceGrid(TTableEditorForm* Form, bool StringGrid) {
  auto* grid = new TPlexStringGrid(Form);
  grid->SetColCount(5);
  grid->SetRowCount(5);
  grid->SetOptions(grid->Options() + TGridOptions{goEditing});
  grid->HideColumn(4);
  grid->AddCheckBoxColumn(1, true, !StringGrid);
  for (int c = 0; c < 4; ++c) grid->SetColWidths(c, c == 2 ? 200 : 90);
  return grid;
}

TEditorTableSetup DeviceTable(bool StringGrid, const char* Section, int Page) {
  TEditorTableSetup table;
  table.Section = Section;
  table.Columns = DeviceColumns;
  table.KeyColumn = 2;
  table.HasEnable = true;
  table.StringGrid = StringGrid;
  table.PageCaption = FirstId + 8 + Page;
  table.Headers = DeviceHeaders;
  table.Hints = DeviceHints;
  return table;
}

// One table with an Enable column; Port must lie in 1 .. 65535.
class TFTestDevices : public TTableEditorForm {
public:
  explicit TFTestDevices(TComponent* AOwner) : TTableEditorForm(AOwner, EditorSetup(1)) {
    PCG_Devices = MakeDeviceGrid(this, false);
    AddTable(PCG_Devices, DeviceTable(false, "", 0));
  }
  TPlexStringGrid* PCG_Devices;

protected:
  bool CheckRow(int, int ARow) override {
    const int port = TableCellInt(Grid(0)->GetCellEx(3, ARow));
    if (port < 1 || port > 65535) return RowError(ARow, LangText(TextPortRule));
    return true;
  }
};

// A read page (column grid) and a write page (string grid with check-box graphics).
class TFTestReadWrite : public TTableEditorForm {
public:
  explicit TFTestReadWrite(TComponent* AOwner) : TTableEditorForm(AOwner, EditorSetup(2)) {
    PCG_Read = MakeDeviceGrid(this, false);
    AddTable(PCG_Read, DeviceTable(false, "Read", 0));
    PSG_Write = MakeDeviceGrid(this, true);
    AddTable(PSG_Write, DeviceTable(true, "Write", 1));
  }
  TPlexStringGrid* PCG_Read;
  TPlexStringGrid* PSG_Write;
};

class TableEditorFormTest : public ::testing::Test {
protected:
  void SetUp() override {
    ResetShellState();
    FillDefaultTexts();
    const char* texts[] = {"Test Devices", "The devices of the test",
                           "OK",           "Cancel",
                           "Delete Row",   "Insert Row",
                           "Copy Row",     "Paste Row",
                           "Read",         "Write",
                           "Enable",       "Name",
                           "Port",         "Note"};
    for (int i = 0; i < int(std::size(texts)); ++i) LanguageTexts->SetStrings(FirstId + i, texts[i]);
    for (int i = 0; i < 4; ++i) LanguageTexts->SetStrings(FirstId + 20 + i, QString("Hint of column %1").arg(i + 1));
    LanguageTexts->SetStrings(TextPortRule, " Port not valid");
    LanguageTexts->SetStrings(TextDeleteQuestion, "Are you sure to delete the Row number ");
    LanguageTexts->SetStrings(TextErrorRow, "Error row ");
    SoftwareCode = "CFZ9KAD";
    ASSERT_TRUE(Dir.isValid());
    ProjectFolder = Dir.path();
    EditorFile = Dir.path() + "/Devices.xml";
  }
  void TearDown() override {
    EditorFile.clear();
    ResetShellState();
  }
  template <class T>
  std::unique_ptr<T> Create() {
    auto form = std::make_unique<T>(nullptr);
    form->DoCreate();
    return form;
  }
  static void Show(TForm& Form) {
    Form.Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Form.Widget()));
    Form.Widget()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form.Widget()));
  }
  // Clicks a data cell as the mouse does, making it the current cell.
  static void ClickCell(TPlexStringGrid* Grid, int ACol, int ARow) {
    const TRect r = Grid->CellRect(ACol, ARow);
    QTest::mouseClick(Grid->Widget(), Qt::LeftButton, {}, QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2));
  }
  // Types into the cell and leaves it with Enter, as the keyboard does.
  static void TypeInto(TPlexStringGrid* Grid, int ACol, int ARow, const QString& Text) {
    ClickCell(Grid, ACol, ARow);
    for (QChar c : Text) QTest::keyClicks(QApplication::focusWidget(), QString(c));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  }
  static void Press(TLbButton* Button) { QTest::mouseClick(Button->Widget(), Qt::LeftButton); }
  // Inside a modal showing: waits until the form takes the keyboard.
  static bool WaitActive(TForm& Form) {
    if (!QTest::qWaitForWindowExposed(Form.Widget())) return false;
    Form.Widget()->activateWindow();
    return QTest::qWaitForWindowActive(Form.Widget());
  }
  QByteArray FileBytes() const {
    QFile f(EditorFile);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  void WriteFile(const QByteArray& Bytes) {
    QFile f(EditorFile);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(Bytes);
  }
  static QStringList Keys(TPlexStringGrid* Grid) {
    QStringList keys;
    for (int r = 1; r < Grid->RowCount(); ++r) keys << Grid->GetCellEx(2, r);
    return keys;
  }

  QTemporaryDir Dir;
  TScriptedDialogScope Dialogs;
};
}  // namespace

TEST_F(TableEditorFormTest, CreationPutsTheTextsAndTheLayout) {
  auto form = Create<TFTestDevices>();
  EXPECT_EQ(form->Caption(), "Test Devices");
  EXPECT_EQ(form->L_SW_Code->Caption(), "CFZ9KAD");
  EXPECT_EQ(form->L_SW_Desc->Caption(), "The devices of the test");
  EXPECT_EQ(form->Btn_PasteRow->Caption(), "Paste Row");
  EXPECT_EQ(form->Btn_DelRow->Hint(), LangText(FirstId + 16));
  EXPECT_EQ(form->P_Title->Height(), 69);
  EXPECT_EQ(form->P_Button->Height(), 40);
  EXPECT_EQ(form->ClientWidth(), 640);
  EXPECT_EQ(form->Btn_Cancel->ModalResult(), mrCancel);
  EXPECT_EQ(form->PCG_Devices->GetCellEx(2, 0), "Name");
  EXPECT_EQ(form->PCG_Devices->GetCellEx(4, 0), "Note");  // the hidden column too
  EXPECT_EQ(form->PC_Tables, nullptr);

  // A header hint comes from the grid's list by real column; data cells have none.
  form->PCG_Devices->HideColumn(2);
  QString hint = "x";
  form->GridHint(form->PCG_Devices, 0, 2, hint);
  EXPECT_EQ(hint, "Hint of column 3");
  form->GridHint(form->PCG_Devices, 1, 2, hint);
  EXPECT_EQ(hint, "");
  form->PCG_Devices->UnHideColumn(2);

  // A new language reaches the form through Set_Lang.
  LanguageTexts->SetStrings(FirstId + 11, "Nome");
  form->Set_Lang();
  EXPECT_EQ(form->PCG_Devices->GetCellEx(2, 0), "Nome");
}

TEST_F(TableEditorFormTest, TypedRowsAreCheckedOnOKAndWrittenOnlyWhenEveryRulePasses) {
  auto form = Create<TFTestDevices>();
  Show(*form);
  TPlexStringGrid* grid = form->PCG_Devices;
  EXPECT_EQ(grid->GetCellEx(1, 3), "Y");  // the reset rows
  EXPECT_EQ(grid->GetCellEx(0, 3), "3");
  TypeInto(grid, 2, 1, "Pump");
  TypeInto(grid, 3, 1, "502");
  TypeInto(grid, 2, 2, "Valve ");
  TypeInto(grid, 3, 2, "abc");
  grid->SetCellEx(1, 2, "N");  // disabled: its port is not checked
  TypeInto(grid, 2, 3, "Fan");
  TypeInto(grid, 3, 3, "1F");
  TypeInto(grid, 2, 4, "Below a gap");  // not reached: row 4 follows the key of row 3
  ASSERT_EQ(grid->GetCellEx(2, 1), "Pump");

  Press(form->Btn_OK);
  ASSERT_EQ(Dialogs->Records().size(), 1u);
  EXPECT_EQ(Dialogs->Records()[0].Text, "Error row 3 Port not valid");
  EXPECT_EQ(Dialogs->Records()[0].Type, mtError);
  EXPECT_EQ(form->ModalResult(), mrNone);
  EXPECT_FALSE(QFile::exists(EditorFile));

  TypeInto(grid, 3, 3, "0x1F");
  grid->SetCellEx(2, 4, "");
  Dialogs->ClearRecords();
  Press(form->Btn_OK);
  EXPECT_TRUE(Dialogs->Records().empty());
  EXPECT_EQ(form->ModalResult(), mrOk);
  EXPECT_EQ(FileBytes(),
            "<Devices><row Enable=\"Y\" Name=\"Pump\" Port=\"502\" Note=\"\"/>"
            "<row Enable=\"N\" Name=\"Valve \" Port=\"abc\" Note=\"\"/>"
            "<row Enable=\"Y\" Name=\"Fan\" Port=\"0x1F\" Note=\"\"/></Devices><!--SW_VERSION = 1.000-->\n");
}

TEST_F(TableEditorFormTest, TheRowButtonsActOnTheCurrentRowWithTheirQuestions) {
  WriteFile("<Devices><row Name=\"A\" Port=\"1\"/><row Name=\"B\" Port=\"2\"/><row Name=\"C\" Port=\"3\"/></Devices>");
  auto form = Create<TFTestDevices>();
  Show(*form);
  TPlexStringGrid* grid = form->PCG_Devices;
  ASSERT_EQ(Keys(grid), QStringList({"A", "B", "C", ""}));

  ClickCell(grid, 2, 2);
  Dialogs->Answer(mrNo);
  Press(form->Btn_DelRow);
  ASSERT_EQ(Dialogs->Records().size(), 1u);
  EXPECT_EQ(Dialogs->Records()[0].Text, "Are you sure to delete the Row number 2");
  EXPECT_EQ(Dialogs->Records()[0].Type, mtConfirmation);
  EXPECT_EQ(Keys(grid), QStringList({"A", "B", "C", ""}));
  Dialogs->Answer(mrYes);
  Press(form->Btn_DelRow);
  EXPECT_EQ(Keys(grid), QStringList({"A", "C", "", ""}));

  Press(form->Btn_PasteRow);  // nothing copied in this showing
  EXPECT_EQ(Dialogs->Records().back().Text, LangText(TextCopyBeforePaste));

  ClickCell(grid, 3, 1);
  Press(form->Btn_InsRow);
  EXPECT_EQ(Keys(grid), QStringList({"", "A", "C", ""}));
  EXPECT_EQ(grid->GetCellEx(1, 1), "Y");

  ClickCell(grid, 2, 3);
  Press(form->Btn_CopyRow);
  EXPECT_TRUE(form->Do_Copy[0]);
  ClickCell(grid, 2, 2);
  Dialogs->Answer(mrYes);
  Press(form->Btn_PasteRow);
  EXPECT_EQ(Dialogs->Records().back().Text, LangText(TextRowAlreadyUsed));
  EXPECT_EQ(Keys(grid), QStringList({"", "C", "C", ""}));
  EXPECT_EQ(Dialogs->PendingAnswers(), 0);
}

TEST_F(TableEditorFormTest, TheGridIsLeftBeforeEveryButtonActs) {
  auto form = Create<TFTestDevices>();
  Show(*form);
  TPlexStringGrid* grid = form->PCG_Devices;
  grid->SetCellEx(2, 1, "A");
  grid->SetCellEx(3, 1, "1");
  QStringList log;
  grid->OnExit = [&](TObject*) { log << "exit"; };
  // The delete question is answered No; the row pasted over is empty by then.
  const std::pair<TLbButton*, bool> presses[] = {{form->Btn_DelRow, true},
                                                 {form->Btn_InsRow, false},
                                                 {form->Btn_CopyRow, false},
                                                 {form->Btn_PasteRow, false},
                                                 {form->Btn_OK, false}};
  for (const auto& [button, asks] : presses) {
    const TNotifyEvent action = button->OnClick;
    button->OnClick = [&log, button, action](TObject* Sender) {
      log << button->Caption();
      action(Sender);
    };
    ClickCell(grid, 2, 1);
    if (asks) Dialogs->Answer(mrNo);
    Press(button);
  }
  EXPECT_EQ(Dialogs->PendingAnswers(), 0);
  EXPECT_EQ(log, QStringList({"exit", "Delete Row", "exit", "Insert Row", "exit", "Copy Row", "exit", "Paste Row",
                              "exit", "OK"}));
}

TEST_F(TableEditorFormTest, CancelLosesTheEditsAndReopeningShowsTheFileAgain) {
  WriteFile("<Devices><row Enable=\"N\" Name=\"Kept\" Port=\"7\"/></Devices><!--SW_VERSION = 1.000-->");
  auto form = Create<TFTestDevices>();
  TPlexStringGrid* grid = form->PCG_Devices;
  QTimer::singleShot(0, [&] {
    EXPECT_TRUE(WaitActive(*form));
    TypeInto(grid, 2, 1, "Changed");
    TypeInto(grid, 2, 2, "Added");
    Press(form->Btn_CopyRow);
    Press(form->Btn_Cancel);
  });
  EXPECT_EQ(form->ShowModal(), mrCancel);
  EXPECT_EQ(grid->GetCellEx(2, 2), "Added");

  QTimer::singleShot(0, [&] { form->SetModalResult(mrCancel); });
  EXPECT_EQ(form->ShowModal(), mrCancel);
  EXPECT_EQ(Keys(grid), QStringList({"Kept", "", "", ""}));
  EXPECT_EQ(grid->GetCellEx(1, 1), "N");
  EXPECT_EQ(grid->GetCellEx(1, 2), "Y");
  EXPECT_FALSE(form->Do_Copy[0]);
  EXPECT_TRUE(Dialogs->Records().empty());
}

TEST_F(TableEditorFormTest, AFileThatCannotBeWrittenIsReportedAndTheFormStaysOpen) {
  WriteFile("<Devices><row Name=\"Old\" Port=\"1\"/></Devices>");
  const QByteArray old = FileBytes();
  auto form = Create<TFTestDevices>();
  Show(*form);
  form->PCG_Devices->SetCellEx(2, 1, "New");
  {
    TUnwritableFolder readOnly(Dir.path());
    if (!readOnly.Set()) GTEST_SKIP() << "the file system cannot lock a folder here";
    form->Btn_OKClick(form->Btn_OK);
  }
  EXPECT_EQ(form->ModalResult(), mrNone);
  ASSERT_EQ(Dialogs->Records().size(), 1u);
  EXPECT_EQ(Dialogs->Records()[0].Type, mtError);
  EXPECT_TRUE(Dialogs->Records()[0].Text.contains(EditorFile));
  EXPECT_EQ(FileBytes(), old);
  EXPECT_EQ(form->PCG_Devices->GetCellEx(2, 1), "New");
}

TEST_F(TableEditorFormTest, EnterJumpsToTheNextCellInsteadOfOpeningTheEditor) {
  auto form = Create<TFTestDevices>();
  Show(*form);
  TPlexStringGrid* grid = form->PCG_Devices;
  EnableJumpFieldTables = true;
  ClickCell(grid, 3, 4);
  QTest::keyClick(grid->Widget(), Qt::Key_Return);
  EXPECT_EQ(grid->Col(), 1);
  EXPECT_EQ(grid->Row(), 1);
  EXPECT_FALSE(grid->EditorMode());

  // A click on a row number selects the row; a header double click sizes its column.
  form->GridClickCell(grid, 3, 0);
  EXPECT_EQ(grid->Selection().Top, 3);
  EXPECT_EQ(grid->Selection().Bottom, 3);
  DoubleClickAutoSize = true;
  grid->SetCellEx(3, 2, "a port text much wider than its column");
  form->GridDblClickCell(grid, 2, 3);
  EXPECT_EQ(grid->ColWidths(3), 90);
  form->GridDblClickCell(grid, 0, 3);
  EXPECT_GT(grid->ColWidths(3), 90);
}

TEST_F(TableEditorFormTest, TwoPagesKeepTheirTablesCopiedFlagsAndSections) {
  auto form = Create<TFTestReadWrite>();
  Show(*form);
  ASSERT_NE(form->PC_Tables, nullptr);
  EXPECT_EQ(form->Pages[1]->Caption(), "Write");
  TPlexStringGrid* read = form->PCG_Read;
  TPlexStringGrid* write = form->PSG_Write;
  EXPECT_EQ(read->Parent(), form->Pages[0]);
  EXPECT_EQ(write->Parent(), form->Pages[1]);

  TypeInto(read, 2, 1, "R1");
  TypeInto(read, 3, 1, "10");
  ASSERT_EQ(read->GetCellEx(2, 1), "R1");  // the page gave the grid its room
  Press(form->Btn_CopyRow);
  form->PC_Tables->SetActivePageIndex(1);
  EXPECT_EQ(form->ActiveTable(), 1);
  TypeInto(write, 2, 1, "W1");
  Press(form->Btn_PasteRow);  // the copy came from the other page
  EXPECT_EQ(Dialogs->Records().back().Text, LangText(TextCopyBeforePaste));
  EXPECT_EQ(form->Do_Copy, std::vector<bool>({true, false}));

  write->SetCheckBoxState(1, 1, false);
  write->SetReadOnly(3, 1, true);
  ClickCell(write, 2, 1);
  Press(form->Btn_InsRow);
  bool state = false;
  EXPECT_TRUE(write->GetCheckBoxState(1, 1, state) && state);  // the new row is enabled
  EXPECT_TRUE(write->GetCheckBoxState(1, 2, state) && !state);
  EXPECT_TRUE(write->ReadOnly(3, 2));
  write->SetCellEx(2, 1, "W0");

  if (const char* shots = std::getenv("QUILLORE_SHOTS")) {
    QApplication::processEvents();
    EXPECT_TRUE(SaveWidgetScreenshot(form->Widget(), QString(shots) + "/TableEditorForm.png"));
  }
  Press(form->Btn_OK);
  EXPECT_EQ(form->ModalResult(), mrOk);
  EXPECT_EQ(FileBytes(),
            "<Devices><Read><row Enable=\"Y\" Name=\"R1\" Port=\"10\" Note=\"\"/></Read>"
            "<Write><row Enable=\"Y\" Name=\"W0\" Port=\"\" Note=\"\"/>"
            "<row Enable=\"N\" Name=\"W1\" Port=\"\" Note=\"\"/></Write></Devices><!--SW_VERSION = 1.000-->\n");
}
