// The OPC UA server variable editor: Length and R/W that follow the data type,
// check boxes that only "N" unchecks, the Position check, pastes that keep a
// String's Length, and the file read and written back byte for byte.
#include "tables/iec_opcua_mqtt/UOPC_UA_Server_Access.h"

#include "common/ShellState.h"
#include "common/ULanguage.h"
#include "grid/editing/GridCombo.h"
#include "platform/Dialogs.h"
#include "support/TableEditorDriver.h"

#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

using namespace TableEditorDriver;

namespace {

enum { Enable = 1, Type, Position, StartBit, Length, Name, RW, Swap, SwapWord, SwapAll, Mnemonic };

QByteArray Row(const QByteArray& Attributes) { return "<row " + Attributes + "/>"; }
QByteArray FileOf(const QByteArray& Rows) {
  return "<OPC_UA_Server><OPC_UA_Server_Variables>" + Rows +
         "</OPC_UA_Server_Variables></OPC_UA_Server><!--SW_VERSION = 1.001-->\n";
}
const QByteArray TwoVariables =
    FileOf(Row("Enable=\"Y\" Type=\"String\" Position=\"0\" StartBit=\"\" Length=\"20\" Name=\"Label\" "
               "ReadWrite=\"Read Only\" Swap=\"N\" SwapWord=\"Y\" SwapAll=\"N\" Mnemonic=\" a \"") +
           Row("Enable=\"N\" Type=\"Int32\" Position=\"4000\" StartBit=\"2\" Length=\"4\" Name=\"Count\" "
               "ReadWrite=\"Read/Write\" Swap=\"Y\" SwapWord=\"N\" SwapAll=\"Y\" Mnemonic=\"\""));

class OPCUAServerForm : public ::testing::Test {
protected:
  void SetUp() override {
    ResetShellState();
    FillDefaultTexts();
    SoftwareCode = "CFZ9KAD";
    ASSERT_TRUE(Dir.isValid());
    ProjectFolder = Dir.path();
    OPCUAServerFile = Dir.path() + "/OPC_UA_Server.xml";
    Form = std::make_unique<TFOPC_UA_Server_Access>(nullptr);
    Form->DoCreate();
  }
  void TearDown() override {
    Form.reset();
    ResetShellState();
  }
  TPlexStringGrid* Grid() const { return Form->PSG; }
  bool Checked(int ACol, int ARow) const {
    bool state = false;
    EXPECT_TRUE(Grid()->GetCheckBoxState(ACol, ARow, state));
    return state;
  }
  // Opens the Type list of the cell and walks Down `Steps` entries, then Enter.
  void PickType(int ARow, int Steps) {
    ClickCell(Grid(), Type, ARow);
    QTest::keyClick(Grid()->Widget(), Qt::Key_F2);
    ASSERT_TRUE(Grid()->ComboEditor() && Grid()->ComboEditor()->Visible());
    for (int i = 0; i < Steps; ++i) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  }
  QString File() const { return OPCUAServerFile; }

  QTemporaryDir Dir;
  TScriptedDialogScope Dialogs;
  std::unique_ptr<TFOPC_UA_Server_Access> Form;
};

}  // namespace

TEST_F(OPCUAServerForm, CreationBuildsTheGridTheListsAndTheTexts) {
  EXPECT_EQ(Form->ClientWidth(), 1200);
  EXPECT_EQ(Form->ClientHeight(), 337);
  EXPECT_EQ(Form->Position, poScreenCenter);
  EXPECT_EQ(Grid()->ColCount(), 12);
  EXPECT_EQ(Grid()->RowCount(), 251);
  EXPECT_EQ(Grid()->GetCellEx(0, 250), "250");
  const QStringList headers{"N",    "Enable", "Type", "Position",  "Start Bit", "Length",
                            "Name", "R/W",    "Swap", "Swap Word", "Swap All",  "Mnemonic"};
  for (int c = 0; c < 12; ++c) EXPECT_EQ(Grid()->GetCellEx(c, 0), headers[c]) << c;
  for (int c : {Enable, Swap, SwapWord, SwapAll}) EXPECT_TRUE(Grid()->HasCheckBox(c, 1)) << c;
  EXPECT_EQ(Form->VarType.Count(), 13);
  EXPECT_EQ(Form->RWType.CommaText(), "\"Read Only\",Read/Write");
  EXPECT_EQ(Form->StartBitType.Count(), 8);
  TEditorType editor = edNormal;
  for (int c : {Type, StartBit, RW}) {
    editor = edNormal;
    Form->PSGGetEditorType(nullptr, c, 1, editor);
    EXPECT_EQ(editor, edComboList) << c;
  }
  editor = edNormal;
  Form->PSGGetEditorType(nullptr, Position, 1, editor);
  EXPECT_EQ(editor, edNormal);
  // The grid keeps its own click, double-click, key and hint handling.
  EXPECT_FALSE(Grid()->OnClickCell);
  EXPECT_FALSE(Grid()->OnDblClickCell);
  EXPECT_FALSE(Grid()->OnKeyPress);
  EXPECT_FALSE(Grid()->OnGridHint);
}

TEST_F(OPCUAServerForm, LoadingTakesEveryValueAsTheFileHoldsIt) {
  WriteFile(File(), TwoVariables);
  ASSERT_TRUE(ShowActive(*Form));
  EXPECT_EQ(Grid()->GetCellEx(Length, 1), "20");
  EXPECT_FALSE(Grid()->ReadOnly(Length, 1));
  EXPECT_TRUE(Grid()->ReadOnly(Length, 2));
  EXPECT_FALSE(Checked(Enable, 2));
  EXPECT_TRUE(Checked(SwapWord, 1));
  EXPECT_TRUE(Checked(Enable, 3));  // reset rows
  Form->Btn_OKClick(nullptr);       // the disabled row's Position 4000 is not checked
  EXPECT_TRUE(Dialogs->Records().empty());
  EXPECT_EQ(FileBytes(File()).toStdString(), QByteArray(TwoVariables).toStdString());

  // Only an exact "N" unchecks; a missing Length or ReadWrite stays empty.
  WriteFile(File(),
            FileOf(Row("Enable=\"n\" Type=\"Int16\" Swap=\"No\"") + Row("Enable=\"N\" Type=\"Byte\" Length=\"7\"")));
  Form->FormShow(nullptr);
  EXPECT_TRUE(Checked(Enable, 1));
  EXPECT_TRUE(Checked(Swap, 1));
  EXPECT_FALSE(Checked(SwapWord, 1));
  EXPECT_EQ(Grid()->GetCellEx(Length, 1), "");
  EXPECT_EQ(Grid()->GetCellEx(RW, 1), "");
  EXPECT_TRUE(Grid()->ReadOnly(Length, 1));
  EXPECT_FALSE(Checked(Enable, 2));
  EXPECT_EQ(Grid()->GetCellEx(Length, 2), "7");
  EXPECT_FALSE(Grid()->ReadOnly(Length, 3));
  EXPECT_TRUE(Dialogs->Records().empty());
}

TEST_F(OPCUAServerForm, AFileWithoutTheSectionOrWithTooManyRowsIsReported) {
  WriteFile(File(), "<OPC_UA_Server><Other/></OPC_UA_Server>");
  Form->FormShow(nullptr);
  ASSERT_EQ(Dialogs->Records().size(), 1u);
  EXPECT_EQ(Dialogs->Records()[0].Text,
            "The file has no OPC_UA_Server_Variables section: the Variable List was not loaded");
  Dialogs->ClearRecords();

  QByteArray rows;
  for (int i = 1; i <= 251; ++i) rows += Row("Type=\"Byte\" Name=\"V" + QByteArray::number(i) + "\"");
  WriteFile(File(), FileOf(rows));
  Form->FormShow(nullptr);
  EXPECT_EQ(Grid()->GetCellEx(Name, 250), "V250");
  ASSERT_EQ(Dialogs->Records().size(), 1u);
  EXPECT_EQ(Dialogs->Records()[0].Type, mtError);
}

TEST_F(OPCUAServerForm, ThePositionCheckSkipsEmptyTypesAndDisabledRows) {
  struct Case {
    QString Position3;
    bool Enabled3;
    const char* Message;
  };
  const Case cases[] = {
      {"1999", true, nullptr},
      {"2000", true, "Error row 3!! Position Must be Between 0 and 2000"},
      {"-1", true, "Error row 3!! Position Must be Between 0 and 2000"},
      {"0x10", true, nullptr},
      {"2000", false, nullptr},
  };
  for (const Case& c : cases) {
    Form->FormShow(nullptr);
    Dialogs->ClearRecords();
    QFile::remove(File());
    Grid()->SetCellEx(Type, 1, "Byte");
    Grid()->SetCellEx(Position, 1, "0");
    Grid()->SetCellEx(Position, 2, "9999");  // no Type: skipped, and the save ends here
    Grid()->SetCellEx(Type, 3, "Byte");
    Grid()->SetCellEx(Position, 3, c.Position3);
    Grid()->SetCheckBoxState(Enable, 3, c.Enabled3);
    Form->Btn_OKClick(nullptr);
    if (!c.Message) {
      EXPECT_TRUE(Dialogs->Records().empty()) << c.Position3.toStdString();
      EXPECT_EQ(FileBytes(File()).count("<row "), 1);
    } else {
      ASSERT_EQ(Dialogs->Records().size(), 1u);
      EXPECT_EQ(Dialogs->Records()[0].Text, c.Message);
      EXPECT_FALSE(QFile::exists(File()));
    }
  }
}

TEST_F(OPCUAServerForm, PastedStringsKeepTheirLengthAndRefusedPastesChangeNothing) {
  WriteFile(File(), TwoVariables);
  ASSERT_TRUE(ShowActive(*Form));
  TPlexStringGrid* g = Grid();

  // No copy in this showing: refused (1502), the target keeps its Length.
  ClickCell(g, Name, 1);
  Press(Form->Btn_PasteRow);
  ASSERT_EQ(Dialogs->Records().size(), 1u);
  EXPECT_EQ(g->GetCellEx(Length, 1), "20");

  // The String row pasted onto an empty row keeps Length 20, editable.
  Press(Form->Btn_CopyRow);
  ClickCell(g, Name, 3);
  Press(Form->Btn_PasteRow);
  EXPECT_EQ(g->GetCellEx(Type, 3), "String");
  EXPECT_EQ(g->GetCellEx(Length, 3), "20");
  EXPECT_FALSE(g->ReadOnly(Length, 3));

  // Onto the used Int32 row: answered No, nothing changes; Yes pastes.
  Dialogs->ClearRecords();
  Dialogs->Answer(mrNo);
  ClickCell(g, Name, 2);
  Press(Form->Btn_PasteRow);
  ASSERT_EQ(Dialogs->Records().size(), 1u);
  EXPECT_EQ(g->GetCellEx(Type, 2), "Int32");
  EXPECT_EQ(g->GetCellEx(Length, 2), "4");
  EXPECT_TRUE(g->ReadOnly(Length, 2));
  Dialogs->Answer(mrYes);
  Press(Form->Btn_PasteRow);
  EXPECT_EQ(g->GetCellEx(Length, 2), "20");
  EXPECT_FALSE(g->ReadOnly(Length, 2));

  // An Int32 row pasted onto the String row makes its Length 4, read-only.
  Form->Btn_CopyRowClick(nullptr);
  g->SetCellEx(Type, 4, "Int32");
  g->SetCellEx(Length, 4, "4");
  ClickCell(g, Name, 4);
  Press(Form->Btn_CopyRow);
  ClickCell(g, Name, 1);
  Dialogs->Answer(mrYes);
  Press(Form->Btn_PasteRow);
  EXPECT_EQ(g->GetCellEx(Length, 1), "4");
  EXPECT_TRUE(g->ReadOnly(Length, 1));
}

TEST_F(OPCUAServerForm, AUserPicksTypesChecksBoxesAndSaves) {
  QTimer::singleShot(0, [&] {
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form->Widget()));
    TPlexStringGrid* g = Grid();
    PickType(1, 5);  // Int32
    EXPECT_EQ(g->GetCellEx(Type, 1), "Int32");
    EXPECT_EQ(g->GetCellEx(Length, 1), "4");
    EXPECT_TRUE(g->ReadOnly(Length, 1));
    EXPECT_EQ(g->GetCellEx(RW, 1), "Read/Write");

    PickType(2, 11);  // String
    EXPECT_EQ(g->GetCellEx(Type, 2), "String");
    EXPECT_EQ(g->GetCellEx(Length, 2), "10");
    EXPECT_FALSE(g->ReadOnly(Length, 2));
    TypeInto(g, Length, 2, "32");
    EXPECT_EQ(g->GetCellEx(Length, 2), "32");
    TypeInto(g, Position, 1, "2000");
    TypeInto(g, Position, 2, "12");
    TypeInto(g, Name, 2, "Label");
    ClickCell(g, Swap, 2);
    EXPECT_TRUE(Checked(Swap, 2));
    Shot(*Form, "opc-ua-server-variables.png");

    Press(Form->Btn_OK);
    ASSERT_EQ(Dialogs->Records().size(), 1u);
    EXPECT_EQ(Dialogs->Records()[0].Text, "Error row 1!! Position Must be Between 0 and 2000");
    EXPECT_FALSE(QFile::exists(File()));
    TypeInto(g, Position, 1, "1999");

    ClickCell(g, Name, 1);
    Dialogs->Answer(mrNo);
    Press(Form->Btn_DelRow);
    EXPECT_EQ(Dialogs->Records().back().Text, "Are you sure to delete the Row number 1");
    Press(Form->Btn_OK);
  });
  EXPECT_EQ(Form->ShowModal(), mrOk);
  EXPECT_EQ(FileBytes(File()).toStdString(),
            FileOf(Row("Enable=\"Y\" Type=\"Int32\" Position=\"1999\" StartBit=\"\" Length=\"4\" Name=\"\" "
                       "ReadWrite=\"Read/Write\" Swap=\"N\" SwapWord=\"N\" SwapAll=\"N\" Mnemonic=\"\"") +
                   Row("Enable=\"Y\" Type=\"String\" Position=\"12\" StartBit=\"\" Length=\"32\" Name=\"Label\" "
                       "ReadWrite=\"Read/Write\" Swap=\"Y\" SwapWord=\"N\" SwapAll=\"N\" Mnemonic=\"\""))
                .toStdString());
}
