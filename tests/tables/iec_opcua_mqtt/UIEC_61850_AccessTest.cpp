// The IEC 61850 client editor driven as a user drives it: SCL files added to
// the catalog through the open dialog, the device tree clicked, attributes and
// data sets added as rows, members edited, the checks of OK and the file.
#include "tables/iec_opcua_mqtt/UIEC_61850_Access.h"

#include "common/ShellState.h"
#include "common/ULanguage.h"
#include "grid/editing/PlexColumnGrid.h"
#include "platform/Dialogs.h"
#include "platform/ExtCtrls.h"
#include "platform/Files.h"
#include "platform/StdCtrls.h"
#include "platform/TreeView.h"
#include "support/TableEditorDriver.h"

#include <QListWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <memory>

using namespace TableEditorDriver;

namespace {

QString Fixture(const QString& Name) { return QStringLiteral(QUILLORE_FIXTURES "/scl/") + Name; }

enum {
  ColIndex = 1,
  BType,
  Fc,
  Ref,
  StartByte,
  NumByte,
  Ip,
  Port,
  OnChange,
  OnCmd,
  OnTimer,
  TimeMs,
  Position,
  StartBit,
  RW,
  Conv,
  Molt,
  Mnemonic
};

class IecClientForm : public ::testing::Test {
protected:
  void SetUp() override {
    ResetShellState();
    FillDefaultTexts();
    SoftwareCode = "CFZ9KAD";
    ASSERT_TRUE(Dir.isValid());
    ProjectFolder = Dir.path();
    IEC61850ClientFile = Dir.path() + "/IEC_61850_Client.xml";
    Form = std::make_unique<TFIEC_61850_Access>(nullptr);
    Form->DoCreate();
  }
  void TearDown() override {
    Form.reset();
    ResetShellState();
  }
  QString Catalog() const { return Dir.path() + "/ICD_Catalog/"; }

  void AddDevice(const QString& Path) {
    Dialogs->AnswerFile(Path);
    Press(Form->Btn_Add_IEC_Device);
  }
  void ChooseDevice(int I) {
    QListWidget* list = Form->LB_IEC_Devices->List();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(I)).center());
  }
  // The node reached by the texts from the root; each closed node on the way
  // is opened as a user does, by selecting it and pressing Right.
  TTreeNode* Node(const QStringList& Path) {
    TTreeNode* node = Form->TV_IEC_Device->Item(0);
    for (const QString& text : Path) {
      if (!node->Expanded()) {
        ClickNode(node);
        QTest::keyClick(Form->TV_IEC_Device->Tree(), Qt::Key_Right);
      }
      TTreeNode* next = nullptr;
      for (int i = 0; i < node->Count() && !next; ++i)
        if (node->Item(i)->Text() == text) next = node->Item(i);
      if (!next) ADD_FAILURE() << text.toStdString();
      if (!next) return node;
      node = next;
    }
    return node;
  }
  void ClickNode(TTreeNode* Node) {
    QTreeWidget* tree = Form->TV_IEC_Device->Tree();
    tree->scrollToItem(Node->ItemWidget());
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(Node->ItemWidget()).center());
  }
  void PickAndAdd(const QStringList& Path) {
    ClickNode(Node(Path));
    Press(Form->Btn_AddVar);
  }
  QStringList DaRow(int ARow) const {
    QStringList cells;
    for (int c = 0; c < Form->PCG_DA->ColCount(); ++c) cells << Form->PCG_DA->GetCellEx(c, ARow);
    return cells;
  }
  QString LastMessage() { return Dialogs->Records().empty() ? QString() : Dialogs->Records().back().Text; }

  QTemporaryDir Dir;
  TScriptedDialogScope Dialogs;
  std::unique_ptr<TFIEC_61850_Access> Form;
};

// The attribute table is wider than its page: the user scrolls to the cell first.
void Type(TPlexStringGrid* Grid, int ACol, int ARow, const QString& Text) {
  Grid->ScrollInView(ACol, ARow);
  TypeInto(Grid, ACol, ARow, Text);
  QApplication::processEvents();  // the grid reports a finished edit through a posted message
}
void Click(TPlexStringGrid* Grid, int ACol, int ARow) {
  Grid->ScrollInView(ACol, ARow);
  ClickCell(Grid, ACol, ARow);
}

const QStringList FloatLeaf{"LD0", "Q0MMXU1", "TotW", "mag", "f"};

}  // namespace

TEST_F(IecClientForm, LayoutTextsAndEmptyGrids) {
  ASSERT_TRUE(ShowActive(*Form));
  EXPECT_EQ(Form->ClientWidth(), 1200);
  EXPECT_EQ(Form->ClientHeight(), 550);
  EXPECT_EQ(Form->Caption(), "IEC 61850 Client");
  EXPECT_EQ(Form->P_Title->Height(), 69);
  EXPECT_EQ(Form->P_Button->Height(), 40);
  EXPECT_EQ(Form->PDevIEC->Width(), 465);
  EXPECT_EQ(Form->PDevIECList->Width(), 161);
  EXPECT_EQ(Form->P_DataSet_List->Height(), 185);
  EXPECT_EQ(Form->TV_IEC_Device->Indent(), 19);
  EXPECT_FALSE(Form->Btn_MoveUp->Visible());
  EXPECT_FALSE(Form->Btn_ModeDown->Visible());
  EXPECT_EQ(Form->Btn_Add_IEC_Device->Caption(), "Add Device");
  EXPECT_EQ(Form->TS_DA->Caption(), "Variables");
  EXPECT_EQ(Form->TS_DataSet->Caption(), "DataSet");
  EXPECT_EQ(Form->OD_IcdFile->Filter,
            "SCL Files (*.scd, *.ssd, *.sed, *.icd, *.iid, *.cid)|*.scd; *.ssd; *.sed; *.icd; *.iid; *.cid;|"
            "Any File (*.*)|*.*");
  const QStringList headers{"N",          "Index", "bType",      "fc",        "Reference", "Start Byte", "Num Byte",
                            "IP Address", "Port",  "On Change",  "On CMD",    "On Timer",  "Time (ms)",  "Position",
                            "Start Bit",  "R/W",   "Convertion", "Molt Fact", "Mnemonic"};
  for (int c = 0; c < 19; ++c) EXPECT_EQ(Form->PCG_DA->GetCellEx(c, 0), headers[c]) << c;
  EXPECT_EQ(Form->PCG_DS_Vars->GetCellEx(6, 0), "Mult Fact");
  EXPECT_EQ(Form->PCG_DataSet->GetCellEx(4, 0), "En. Goose");
  for (TPlexColumnGrid* grid : {Form->PCG_DA, Form->PCG_DataSet, Form->PCG_DS_Vars}) {
    EXPECT_EQ(grid->RowCount(), 2);
    EXPECT_EQ(grid->RowHeights(0), 22);
    EXPECT_EQ(grid->Columns()[0]->Width(), 40);
  }
  // Header hints: entry [column] of the 19, the two byte-count hints in their place.
  QString hint = "unchanged";
  Form->PCG_DAGridHint(Form->PCG_DA, 0, StartByte, hint);
  EXPECT_EQ(hint, "Insert the First Byte of the String to Read (VisString255 and Octet64)");
  Form->PCG_DAGridHint(Form->PCG_DA, 0, Ip, hint);
  EXPECT_EQ(hint, "Insert the IP Address of the IEC 61850 Server");
  hint = "unchanged";
  Form->PCG_DAGridHint(Form->PCG_DA, 1, Ip, hint);
  EXPECT_EQ(hint, "unchanged");
}

TEST_F(IecClientForm, AUserBuildsTheTablesFromTheTreeAndOkWritesThem) {
  ASSERT_TRUE(ShowActive(*Form));
  AddDevice(Fixture("feeder.icd"));
  EXPECT_TRUE(FileExists(Catalog() + "feeder.icd"));
  ASSERT_EQ(Form->LB_IEC_Devices->Count(), 1);
  EXPECT_EQ(Form->LB_IEC_Devices->Items()[0], "IED1");
  ChooseDevice(0);

  TTreeView* tree = Form->TV_IEC_Device;
  ASSERT_EQ(tree->Count(), 1);
  TTreeNode* root = tree->Item(0);
  EXPECT_EQ(root->Text(), "IED1");
  EXPECT_TRUE(root->Expanded());
  TTreeNode* ld0 = root->Item(0);
  EXPECT_EQ(ld0->Text(), "LD0");
  EXPECT_EQ(ld0->Item(0)->Text(), "LLN0");
  EXPECT_EQ(ld0->Item(1)->Text(), "XCBR1");
  EXPECT_TRUE(ld0->Item(1)->Expanded());
  TTreeNode* pos = ld0->Item(1)->Item(0);
  EXPECT_EQ(pos->Text(), "Pos");
  EXPECT_FALSE(pos->Expanded());
  TTreeNode* events = Node({"LD0", "LLN0", "Events"});
  EXPECT_EQ(tree->NodeTextColor(pos), TColor(0x00FF0000));
  EXPECT_EQ(tree->NodeTextColor(events), TColor(0x00008000));
  EXPECT_EQ(tree->NodeTextColor(ld0), clBlack);
  EXPECT_EQ(pos->ImageIndex(), 3);
  EXPECT_EQ(events->ImageIndex(), 5);
  Shot(*Form, "iec-client-variables.png");

  PickAndAdd(FloatLeaf);
  EXPECT_EQ(DaRow(1), QStringList({"1", "0", "FLOAT32", "MX", "IED1LD0/Q0MMXU1.TotW.mag.f", "0", "4", "", "", "N", "N",
                                   "N", "", "", "", "", "", "", ""}));
  EXPECT_TRUE(Form->PCG_DA->ReadOnly(StartByte, 1));
  EXPECT_TRUE(Form->PCG_DA->ReadOnly(NumByte, 1));
  PickAndAdd({"LD0", "XCBR1", "Pos", "Oper"});  // structured: nothing
  EXPECT_EQ(Form->PCG_DA->RowCount(), 2);
  PickAndAdd({"LD0", "XCBR1", "Pos", "d"});
  ASSERT_EQ(Form->PCG_DA->RowCount(), 3);
  EXPECT_EQ(Form->PCG_DA->GetCellEx(BType, 2), "VisString255");
  EXPECT_FALSE(Form->PCG_DA->ReadOnly(StartByte, 2));
  EXPECT_FALSE(Form->PCG_DA->ReadOnly(NumByte, 2));
  Type(Form->PCG_DA, StartByte, 2, "3");
  EXPECT_EQ(Form->PCG_DA->GetCellEx(StartByte, 2), "3");

  // Row 2 goes again; row 1 gets what OK needs.
  Click(Form->PCG_DA, 0, 2);
  Press(Form->Btn_RemoveVar);
  EXPECT_EQ(Form->PCG_DA->RowCount(), 2);
  Type(Form->PCG_DA, Ip, 1, "192.168.1.10");
  Type(Form->PCG_DA, Port, 1, "102");
  Type(Form->PCG_DA, Position, 1, "5");
  Type(Form->PCG_DA, Molt, 1, "1,5");
  Form->PCG_DA->ScrollInView(0, 1);
  Shot(*Form, "iec-client-variables-row.png");

  PickAndAdd({"LD0", "LLN0", "Events"});
  EXPECT_EQ(Form->PC_DA_DataSet->ActivePage(), Form->TS_DataSet);
  PickAndAdd({"LD0", "LLN0", "Empty"});
  TPlexColumnGrid* sets = Form->PCG_DataSet;
  ASSERT_EQ(sets->RowCount(), 3);
  EXPECT_EQ(sets->GetCellEx(1, 1), "0");
  EXPECT_EQ(sets->GetCellEx(3, 1), "gcb1");
  EXPECT_EQ(sets->GetCellEx(4, 1), "Y");
  EXPECT_EQ(sets->GetCellEx(3, 2), "");
  EXPECT_EQ(sets->GetCellEx(4, 2), "N");
  const TIEC_DataSet* eventsSet = Form->Data.List_DataSet.at(0)->Select_DataSet;
  ASSERT_NE(eventsSet, nullptr);
  EXPECT_EQ(sets->GetCellEx(2, 1), eventsSet->Reference);

  Click(sets, 2, 1);
  TPlexColumnGrid* members = Form->PCG_DS_Vars;
  ASSERT_EQ(members->RowCount(), int(eventsSet->List_DA.size()) + 1);
  EXPECT_EQ(members->GetCellEx(2, 1), eventsSet->List_DA[0]->Reference);
  Type(members, 3, 1, "12");
  Type(members, 7, 1, "breaker");
  EXPECT_EQ(Form->Data.List_DataSet[0]->List_DAs[0]->Position, "12");
  EXPECT_EQ(Form->Data.List_DataSet[0]->List_DAs[0]->Mnemonic, "breaker");
  Shot(*Form, "iec-client-datasets.png");

  Dialogs->ClearRecords();
  Press(Form->Btn_OK);
  EXPECT_EQ(Form->ModalResult(), mrOk);
  EXPECT_TRUE(Dialogs->Records().empty()) << LastMessage().toStdString();
  const QByteArray written = FileBytes(IEC61850ClientFile);
  EXPECT_TRUE(written.contains("<ICD_File Name=\"IED1\" FileName=\"feeder.icd\"/>"));
  EXPECT_TRUE(written.contains("Reference=\"IED1LD0/Q0MMXU1.TotW.mag.f\""));
  EXPECT_TRUE(written.contains("MoltFact=\"1,5\""));
  EXPECT_TRUE(written.contains("Position=\"12\""));

  // Reopened: the same tables; a change left with Cancel is gone at the next showing.
  Form->Hide();
  ASSERT_TRUE(ShowActive(*Form));
  EXPECT_EQ(DaRow(1)[Ref], "IED1LD0/Q0MMXU1.TotW.mag.f");
  EXPECT_EQ(DaRow(1)[Molt], "1,5");
  EXPECT_TRUE(Form->PCG_DA->ReadOnly(NumByte, 1));
  EXPECT_EQ(Form->PCG_DataSet->GetCellEx(3, 1), "gcb1");
  Click(Form->PCG_DataSet, 2, 1);
  EXPECT_EQ(Form->PCG_DS_Vars->GetCellEx(3, 1), "12");
  ChooseDevice(0);
  PickAndAdd(FloatLeaf);
  EXPECT_EQ(Form->PCG_DA->RowCount(), 3);
  Press(Form->Btn_Cancel);
  EXPECT_EQ(Form->ModalResult(), mrCancel);
  Form->Hide();
  ASSERT_TRUE(ShowActive(*Form));
  EXPECT_EQ(Form->PCG_DA->RowCount(), 2);
  EXPECT_EQ(FileBytes(IEC61850ClientFile), written);
}

TEST_F(IecClientForm, AFileAlreadyInTheCatalog) {
  struct Case {
    const char* Name;
    TModalResult Answer;
    const char* Listed;  // null: nothing catalogued
    bool Copied;
  };
  const Case cases[] = {
      {"yes", mrYes, "IED1", true},
      {"no", mrNo, "LOOP", false},
      {"cancel", mrCancel, nullptr, false},
  };
  QByteArray feeder;
  ASSERT_TRUE(ReadFileBytes(Fixture("feeder.icd"), feeder));
  QByteArray loop;
  ASSERT_TRUE(ReadFileBytes(Fixture("self_datype.icd"), loop));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    ASSERT_TRUE(ForceDirectories(Catalog()));
    WriteFile(Catalog() + "feeder.icd", loop);
    ASSERT_TRUE(ShowActive(*Form));
    Dialogs->ClearRecords();
    Dialogs->AnswerFile(Fixture("feeder.icd"));
    Dialogs->Answer(c.Answer);
    Press(Form->Btn_Add_IEC_Device);
    ASSERT_EQ(Dialogs->Records().size(), 2u);  // the open dialog, then the question
    EXPECT_EQ(Dialogs->Records()[1].Text, "File already exists in catalog directory. Do you want to overwrite file?");
    EXPECT_EQ(Dialogs->Records()[1].Buttons, mbYesNoCancel);
    EXPECT_EQ(FileBytes(Catalog() + "feeder.icd"), c.Copied ? feeder : loop);
    if (c.Listed) {
      ASSERT_EQ(Form->LB_IEC_Devices->Count(), 1);
      EXPECT_EQ(Form->LB_IEC_Devices->Items()[0], c.Listed);
    } else {
      EXPECT_EQ(Form->LB_IEC_Devices->Count(), 0);
    }
    Form->Hide();
  }
}

TEST_F(IecClientForm, FilesThatCannotBeCatalogued) {
  ASSERT_TRUE(ShowActive(*Form));
  // A cancelled open dialog does nothing.
  Dialogs->CancelFile();
  Press(Form->Btn_Add_IEC_Device);
  EXPECT_FALSE(DirectoryExists(Catalog()));

  // An ill-formed SCL file: the reader's message, nothing catalogued, the copy stays.
  const QString bad = Dir.path() + "/bad.icd";
  WriteFile(bad, "<SCL><IED name=\"X\">");
  AddDevice(bad);
  EXPECT_EQ(Dialogs->Records().back().Type, mtError);
  EXPECT_TRUE(LastMessage().contains("bad.icd")) << LastMessage().toStdString();
  EXPECT_EQ(Form->LB_IEC_Devices->Count(), 0);
  EXPECT_TRUE(FileExists(Catalog() + "bad.icd"));

  // A catalog that cannot be written (a file stands where its folder should be).
  ASSERT_TRUE(QDir(Catalog()).removeRecursively());
  WriteFile(Dir.path() + "/ICD_Catalog", "not a folder");
  AddDevice(Fixture("feeder.icd"));
  EXPECT_EQ(LastMessage(), "Cannot copy the file \"" + Fixture("feeder.icd") + "\" into the catalog directory.");
  EXPECT_EQ(Form->LB_IEC_Devices->Count(), 0);
}

TEST_F(IecClientForm, RemovingADevice) {
  ASSERT_TRUE(ShowActive(*Form));
  AddDevice(Fixture("self_datype.icd"));
  AddDevice(Fixture("feeder.icd"));
  ASSERT_EQ(Form->LB_IEC_Devices->Count(), 2);
  ChooseDevice(1);
  PickAndAdd(FloatLeaf);
  PickAndAdd({"LD0", "LLN0", "Events"});
  EXPECT_EQ(Form->PCG_DA->GetCellEx(ColIndex, 1), "1");

  // Used by a row: nothing happens, nothing is asked.
  ChooseDevice(1);
  Dialogs->ClearRecords();
  Press(Form->Btn_Remove_IEC_Device);
  EXPECT_EQ(Form->LB_IEC_Devices->Count(), 2);
  EXPECT_TRUE(Dialogs->Records().empty());

  // The unused first one goes; the later Index cells follow.
  ChooseDevice(0);
  Press(Form->Btn_Remove_IEC_Device);
  ASSERT_EQ(Form->LB_IEC_Devices->Count(), 1);
  EXPECT_EQ(Form->LB_IEC_Devices->Items()[0], "IED1");
  EXPECT_EQ(Form->PCG_DA->GetCellEx(ColIndex, 1), "0");
  EXPECT_EQ(Form->PCG_DataSet->GetCellEx(ColIndex, 1), "0");
  EXPECT_EQ(Form->LB_IEC_Devices->ItemIndex(), -1);
  // A data-set row whose Index was typed over still holds its device.
  Form->PCG_DataSet->SetCellEx(ColIndex, 1, "7");
  Form->PCG_DA->SetCellEx(ColIndex, 1, "7");
  ChooseDevice(0);
  Press(Form->Btn_Remove_IEC_Device);
  EXPECT_EQ(Form->LB_IEC_Devices->Count(), 1);
}

TEST_F(IecClientForm, ChecksOfOk) {
  // Rows 1 to 3 hold a valid FLOAT32 row; the case's row gets its bType, byte
  // counts and one further cell.
  struct Case {
    int Row;
    const char* BType;
    const char* Start;
    const char* Num;
    int Col;
    const char* Value;
    const char* Expected;  // empty: OK passes
  };
  const Case cases[] = {
      {3, "FLOAT32", "0", "4", Port, "70000", "Error row 3!! Port must be between 0 and 65535"},
      {1, "VisString255", "200", "56", Mnemonic, "", "Error row 1!! Start Byte plus Num Byte must be minor of 255"},
      {1, "VisString255", "199", "56", Mnemonic, "", ""},
      {1, "VisString255", "255", "0", Mnemonic, "", "Error row 1!! Start Byte must be between 0 and 254"},
      {1, "VisString255", "0", "0", Mnemonic, "", "Error row 1!! Num Byte must be between 1 and 255"},
      {1, "OCTET64", "56", "9", Mnemonic, "", "Error row 1!! Start Byte plus Num Byte must be minor of 64"},
      {1, "Octet64", "0", "64", Mnemonic, "", ""},
      {1, "FLOAT32", "0", "4", Position, "1400", "Error row 1!! Position must be between 0 and 1399"},
      {1, "FLOAT32", "0", "4", Position, "1399", ""},
      {2, "FLOAT32", "0", "4", Ip, "192.168.1",
       "Error row 2!! IP Address must be a valid TCP IP Address (Ex. 192.168.1.125)"},
      {1, "FLOAT32", "0", "4", Molt, "none", ""},
      {1, "FLOAT32", "0", "4", Molt, "", "Error row 1!! Mult. Factor must be a valid Float"},
      {1, "FLOAT32", "0", "4", TimeMs, "abc", ""},  // On Timer "N"
      {1, "FLOAT32", "0", "4", OnTimer, "Y", "Error row 1!! Time must be between 1 and 100000000 ms"},
      {1, "", "x", "x", Port, "x", ""},  // an empty bType passes all
      {1, "Dbpos", "x", "", Port, "0x66", ""},
      {1, "Dbpos", "0", "4", Port, "", "Error row 1!! Port must be between 0 and 65535"},
  };
  const QStringList valid{"0", "FLOAT32", "MX", "IED1LD0/X.f", "0", "4",    "192.168.1.10", "102", "N",
                          "N", "N",       "",   "5",           "",  "Read", "None",         "1.5", ""};
  for (const Case& c : cases) {
    SCOPED_TRACE(QString("row %1 %2 col %3 \"%4\"").arg(c.Row).arg(c.BType).arg(c.Col).arg(c.Value).toStdString());
    Form->PCG_DA->SetRowCount(4);
    for (int r = 1; r < 4; ++r)
      for (int col = 1; col <= 18; ++col) Form->PCG_DA->SetCellEx(col, r, valid[col - 1]);
    Form->PCG_DA->SetCellEx(BType, c.Row, c.BType);
    Form->PCG_DA->SetCellEx(StartByte, c.Row, c.Start);
    Form->PCG_DA->SetCellEx(NumByte, c.Row, c.Num);
    Form->PCG_DA->SetCellEx(c.Col, c.Row, c.Value);
    Dialogs->ClearRecords();
    Form->SetModalResult(mrNone);
    Form->Btn_OKClick(nullptr);
    if (*c.Expected) {
      ASSERT_EQ(Dialogs->Records().size(), 1u);
      EXPECT_EQ(LastMessage(), c.Expected);
      EXPECT_EQ(Dialogs->Records()[0].Type, mtError);
      EXPECT_EQ(Form->ModalResult(), mrNone);
      EXPECT_FALSE(FileExists(IEC61850ClientFile));
    } else {
      EXPECT_TRUE(Dialogs->Records().empty()) << LastMessage().toStdString();
      EXPECT_EQ(Form->ModalResult(), mrOk);
      EXPECT_TRUE(DeleteFile(IEC61850ClientFile));
    }
  }
}

TEST_F(IecClientForm, AFailedWriteKeepsTheOldFileAndTheFormOpen) {
  WriteFile(IEC61850ClientFile, "<IEC_68850_Client/>");
  ASSERT_TRUE(ShowActive(*Form));
  IEC61850ClientFile = Dir.path() + "/missing/IEC_61850_Client.xml";
  Press(Form->Btn_OK);
  EXPECT_EQ(LastMessage(), "Cannot write the file \"" + IEC61850ClientFile + "\".");
  EXPECT_NE(Form->ModalResult(), mrOk);
  EXPECT_TRUE(Form->Visible());
}

TEST_F(IecClientForm, TheKeysPickInTheTreeAsTheMouseDoes) {
  ASSERT_TRUE(ShowActive(*Form));
  AddDevice(Fixture("feeder.icd"));
  ChooseDevice(0);
  ClickNode(Node({"LD0", "LLN0", "Events"}));
  QTest::keyClick(Form->TV_IEC_Device->Tree(), Qt::Key_Down);  // Measures
  ASSERT_NE(Form->Selected_IEC_DS, nullptr);
  EXPECT_EQ(Form->Selected_IEC_DS->Name, "Measures");
  ClickNode(Node({"LD0", "XCBR1", "Pos", "t"}));
  QTest::keyClick(Form->TV_IEC_Device->Tree(), Qt::Key_Up);  // q
  Press(Form->Btn_AddVar);
  EXPECT_EQ(Form->PCG_DA->GetCellEx(Ref, 1), "IED1LD0/XCBR1.Pos.q");
  QTest::keyClick(Form->TV_IEC_Device->Tree(), Qt::Key_Up);  // stVal
  QTest::keyClick(Form->TV_IEC_Device->Tree(), Qt::Key_Up);  // Pos: picks nothing
  Press(Form->Btn_AddVar);
  EXPECT_EQ(Form->PCG_DA->RowCount(), 2);
}

TEST_F(IecClientForm, TheNewRowTakesTheIndexOfTheDeviceHoldingThePick) {
  ASSERT_TRUE(ShowActive(*Form));
  AddDevice(Fixture("feeder.icd"));
  ChooseDevice(0);
  ClickNode(Node(FloatLeaf));
  AddDevice(Fixture("self_datype.icd"));  // the list has no chosen item now
  ASSERT_EQ(Form->LB_IEC_Devices->ItemIndex(), -1);
  Press(Form->Btn_AddVar);
  EXPECT_EQ(Form->PCG_DA->GetCellEx(ColIndex, 1), "0");
  // The tree still on show picks from its own device.
  PickAndAdd({"LD0", "LLN0", "Events"});
  EXPECT_EQ(Form->PCG_DataSet->GetCellEx(ColIndex, 1), "0");
}

TEST_F(IecClientForm, MemberEditsReachOnlyTheDataSetShown) {
  ASSERT_TRUE(ShowActive(*Form));
  AddDevice(Fixture("feeder.icd"));
  ChooseDevice(0);
  PickAndAdd({"LD0", "LLN0", "Events"});
  PickAndAdd({"LD0", "LLN0", "Events"});
  Click(Form->PCG_DataSet, 2, 2);
  ASSERT_GT(Form->PCG_DS_Vars->RowCount(), 2);
  Press(Form->Btn_RemoveVar);
  ASSERT_EQ(Form->Data.List_DataSet.size(), 1u);
  EXPECT_EQ(Form->PCG_DS_Vars->RowCount(), 2);
  EXPECT_EQ(Form->PCG_DS_Vars->GetCellEx(2, 1), "");
  Type(Form->PCG_DS_Vars, 3, 1, "99");
  EXPECT_EQ(Form->Data.List_DataSet[0]->List_DAs[0]->Position, "");

  // Shown again, the member grid edits that data set; moving in the data-set
  // table by keys shows nothing new and edits still reach the one shown.
  PickAndAdd({"LD0", "LLN0", "Events"});
  Click(Form->PCG_DataSet, 2, 1);
  QTest::keyClick(Form->PCG_DataSet->Widget(), Qt::Key_Down);
  EXPECT_EQ(Form->PCG_DataSet->Row(), 2);
  Type(Form->PCG_DS_Vars, 3, 1, "7");
  EXPECT_EQ(Form->Data.List_DataSet[0]->List_DAs[0]->Position, "7");
  EXPECT_EQ(Form->Data.List_DataSet[1]->List_DAs[0]->Position, "");
}

TEST_F(IecClientForm, ShownModallyOkAndEscapeCloseIt) {
  // A saved table whose second catalogued file has gone: the rows stay, the message names the file.
  ASSERT_TRUE(ForceDirectories(Catalog()));
  ASSERT_TRUE(CopyFileReplace(Fixture("feeder.icd"), Catalog() + "feeder.icd"));
  const QByteArray saved =
      "<IEC_68850_Client><List_ICD_Files><ICD_File Name=\"IED1\" FileName=\"feeder.icd\"/>"
      "<ICD_File Name=\"GONE\" FileName=\"gone.icd\"/></List_ICD_Files><List_DA_Selected>"
      "<DA_Item Index=\"1\" bType=\"Int16\" fc=\"ST\" Reference=\"GONE/x\" StartByte=\"9\" NumByte=\"9\" "
      "IPAddress=\"10.0.0.1\" Port=\"102\" OnChange=\"Y\" OnCMD=\"N\" OnTimer=\"N\" Time=\"\" Position=\"0\" "
      "StartBit=\"\" ReadWrite=\"Read\" Convertion=\"None\" MoltFact=\"None\" Mnemonic=\"\"/>"
      "</List_DA_Selected><List_DataSet_Selected/></IEC_68850_Client>";
  WriteFile(IEC61850ClientFile, saved);

  QTimer::singleShot(0, [&] {
    EXPECT_TRUE(QTest::qWaitForWindowActive(Form->Widget()));
    EXPECT_EQ(Dialogs->Records().size(), 1u);
    EXPECT_EQ(LastMessage(), "These SCL files of the catalog could not be read: gone.icd");
    EXPECT_EQ(Form->LB_IEC_Devices->Count(), 2);
    EXPECT_EQ(DaRow(1)[StartByte], "0");  // Int16 fixes the byte counts
    EXPECT_EQ(DaRow(1)[NumByte], "2");
    EXPECT_TRUE(Form->PCG_DA->ReadOnly(NumByte, 1));
    // Escape in the grid, not editing, reaches the Cancel button.
    Form->PCG_DA->SetFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
  });
  EXPECT_EQ(Form->ShowModal(), mrCancel);
  EXPECT_EQ(FileBytes(IEC61850ClientFile), saved);

  Dialogs->ClearRecords();
  QTimer::singleShot(0, [&] {
    EXPECT_TRUE(QTest::qWaitForWindowActive(Form->Widget()));
    Press(Form->Btn_OK);
  });
  EXPECT_EQ(Form->ShowModal(), mrOk);
  const QByteArray written = FileBytes(IEC61850ClientFile);
  EXPECT_TRUE(written.contains("<ICD_File Name=\"GONE\" FileName=\"gone.icd\"/>"));
  EXPECT_TRUE(written.contains("StartByte=\"0\" NumByte=\"2\""));
}
