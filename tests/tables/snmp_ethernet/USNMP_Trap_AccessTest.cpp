// The SNMP agent object table: its rules, its file and the form as a user drives it.
#include "tables/snmp_ethernet/USNMP_Trap_Access.h"

#include "EditorTestKit.h"
#include "common/tables/RowOperations.h"
#include "grid/editing/PlexColumnGrid.h"
#include "platform/ExtCtrls.h"

#include <QTimer>

#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int Read = 0, Write = 1;

// A valid enabled read row: Harbor, Int, 16 bits at position 0, the description given.
const QStringList ReadRow(const QString& Description) {
  return {"Y", "Harbor", "Int", "N", "N", "N", "", "0", "0", "16", Description, "192.168.1.10", "None", ""};
}
const QStringList WriteRow(const QString& Description) {
  return {"Y", "Lantern", "String", "0", "0", "4", Description, "None", ""};
}

const QByteArray OneReadRowFile =
    "<SNMP_Trap><SNMP_Trap_Read><row Enable=\"Y\" Community_Name=\"Harbor\" Type=\"Int\" On_Change=\"N\" "
    "On_Command=\"N\" On_Timer=\"N\" Time=\"\" Position=\"0\" Bit=\"0\" NumBits=\"16\" Description=\"temp1\" "
    "IP_Address=\"192.168.1.10\" Conversion=\"None\" Mnemonic=\"\"/></SNMP_Trap_Read><SNMP_Trap_Write/></SNMP_Trap>"
    "<!--SW_VERSION = 1.000-->\n";

class SnmpTrapAccess : public SnmpEthernetEditorTest {
protected:
  TFSNMP_Trap_Access& Open() {
    Form = std::make_unique<TFSNMP_Trap_Access>(nullptr);
    Form->DoCreate();
    Show(*Form);
    return *Form;
  }
  TPlexStringGrid* Grid(int Page) const { return Page == Read ? Form->PCG_SNMP_Read : Form->PCG_SNMP_Write; }
  void PutRow(int Page, int ARow, const QStringList& Texts) {
    for (int c = 1; c <= int(Texts.size()); ++c) Grid(Page)->SetCellEx(c, ARow, Texts[c - 1]);
  }
  QStringList Numbers(int Page, int Rows) const {
    QStringList numbers;
    for (int r = 1; r <= Rows; ++r) numbers << Grid(Page)->GetCellEx(0, r);
    return numbers;
  }

  std::unique_ptr<TFSNMP_Trap_Access> Form;
};

}  // namespace

TEST_F(SnmpTrapAccess, CreationBuildsTwoPagesOfColumnsWithTheirTexts) {
  TFSNMP_Trap_Access& f = Open();
  EXPECT_EQ(f.ClientWidth(), 1256);
  EXPECT_EQ(f.ClientHeight(), 337);
  EXPECT_EQ(f.L_SW_Code->Caption(), "CFZ9KAD");
  EXPECT_EQ(f.Caption(), LangText(4700));
  EXPECT_EQ(f.TS_SNMP_Read->Caption(), "SNMP Read");
  EXPECT_EQ(f.TS_SNMP_Write->Caption(), "SNMP Write");
  EXPECT_EQ(f.PC_Tables->ActivePageIndex(), 0);
  EXPECT_EQ(f.Btn_InsRow->Hint(), LangText(4713));

  TPlexColumnGrid* read = f.PCG_SNMP_Read;
  TPlexColumnGrid* write = f.PCG_SNMP_Write;
  EXPECT_EQ(read->ColCount(), 15);
  EXPECT_EQ(write->ColCount(), 10);
  EXPECT_EQ(read->RowCount(), 257);
  EXPECT_EQ(write->RowCount(), 257);
  const std::pair<int, const char*> readHeaders[] = {{0, "N"},         {1, "Enable"},          {2, "Community Name"},
                                                     {7, "Time (ms)"}, {10, "Num Bits/Bytes"}, {13, "Conversion"},
                                                     {14, "Mnemonic"}};
  for (const auto& [col, text] : readHeaders) EXPECT_EQ(read->Columns()[col]->Header(), text) << col;
  EXPECT_EQ(write->Columns()[8]->Header(), "Conversion");
  EXPECT_EQ(write->Columns()[9]->Header(), "Mnemonic");

  struct Column {
    int Col;
    TEditorType Editor;
    const char* Items;
    int EditLength;
  };
  const Column readColumns[] = {
      {1, edDataCheckBox, "", 0},
      {2, edComboEdit, "Harbor,Lantern", 15},
      {3, edComboList, "Int,String", 0},
      {6, edDataCheckBox, "", 0},
      {9, edComboList, "0,1,2,3,4,5,6,7", 0},
      {11, edNormal, "", 15},
      {13, edComboList, "None,Float,\"Float * 10\",\"Float * 100\",\"Float / 10\",\"Float / 100\"", 0}};
  for (const Column& c : readColumns) {
    EXPECT_EQ(read->Columns()[c.Col]->Editor(), c.Editor) << c.Col;
    EXPECT_EQ(read->Columns()[c.Col]->ComboItems().CommaText(), c.Items) << c.Col;
    EXPECT_EQ(read->Columns()[c.Col]->EditLength, c.EditLength) << c.Col;
  }
  EXPECT_EQ(write->Columns()[8]->ComboItems().Count(), 6);
  EXPECT_EQ(write->Columns()[7]->EditLength, 15);

  // The Position lists are filled when shown.
  for (auto [grid, col] : {std::pair{read, 8}, std::pair{write, 4}}) {
    const TStringList& items = grid->Columns()[col]->ComboItems();
    ASSERT_EQ(items.Count(), 1440);
    EXPECT_EQ(items[0], "0");
    EXPECT_EQ(items[1439], "1439");
  }

  // Hints by real column index, header row only.
  QString hint;
  f.GridHint(read, 0, 13, hint);
  EXPECT_EQ(hint, LangText(4783));
  read->HideColumn(12);
  f.GridHint(read, 0, 12, hint);
  EXPECT_EQ(hint, LangText(4783));
  read->UnHideColumn(12);
  f.GridHint(write, 0, 9, hint);
  EXPECT_EQ(hint, LangText(4759));
  f.GridHint(write, 3, 9, hint);
  EXPECT_EQ(hint, "");
  f.GridHint(write, 0, 0, hint);
  EXPECT_EQ(hint, "");
}

TEST_F(SnmpTrapAccess, ARowTypedByTheUserIsSavedInColumnOrderAndReadBackByteForByte) {
  TFSNMP_Trap_Access& f = Open();
  TPlexStringGrid* g = Grid(Read);
  EXPECT_EQ(g->GetCellEx(1, 1), "Y");
  TypeInto(g, 2, 1, "Harbor");
  ASSERT_TRUE(PickItem(g, 3, 1, "Int"));
  for (int col : {4, 5, 6}) {  // each box ticked and cleared again
    ClickCell(g, col, 1);
    EXPECT_EQ(g->GetCellEx(col, 1), "Y") << col;
    ClickCell(g, col, 1);
    EXPECT_EQ(g->GetCellEx(col, 1), "N") << col;
  }
  ASSERT_TRUE(PickItem(g, 8, 1, "0"));
  ASSERT_TRUE(PickItem(g, 9, 1, "0"));
  TypeInto(g, 10, 1, "16");
  TypeInto(g, 11, 1, "temp1");
  TypeInto(g, 12, 1, "192.168.1.10");
  ASSERT_TRUE(PickItem(g, 13, 1, "None"));
  Shot(f, "SNMP_Trap_Access.png");

  Press(f.Btn_OK);
  EXPECT_EQ(Messages(), QStringList());
  EXPECT_EQ(f.ModalResult(), mrOk);
  EXPECT_EQ(ReadBytes(SNMPTrapFile).toStdString(), OneReadRowFile.toStdString());

  // A file with both sections, disabled rows and blanks kept, saved again unchanged.
  const QByteArray both =
      "<SNMP_Trap><SNMP_Trap_Read><row Enable=\"N\" Community_Name=\" Lantern\" Type=\"String\" On_Change=\"Y\" "
      "On_Command=\"N\" On_Timer=\"Y\" Time=\"100\" Position=\"12\" Bit=\"0\" NumBits=\"4\" Description=\"x &amp; y\" "
      "IP_Address=\"\" Conversion=\"Float / 10\" Mnemonic=\"a note\"/></SNMP_Trap_Read><SNMP_Trap_Write>"
      "<row Enable=\"Y\" Community_Name=\"Harbor\" Type=\"Int\" Position=\"3\" Bit=\"2\" NumBits=\"8\" "
      "Description=\"out1\" Conversion=\"None\" Mnemonic=\"\"/></SNMP_Trap_Write></SNMP_Trap>"
      "<!--SW_VERSION = 1.000-->\n";
  WriteBytes(SNMPTrapFile, both);
  f.SetModalResult(mrNone);
  f.Hide();
  Show(f);
  Press(f.Btn_OK);
  EXPECT_EQ(f.ModalResult(), mrOk);
  EXPECT_EQ(ReadBytes(SNMPTrapFile).toStdString(), both.toStdString());
}

TEST_F(SnmpTrapAccess, MissingAttributesTakeTheirDefaults) {
  WriteBytes(SNMPTrapFile,
             "<SNMP_Trap><SNMP_Trap_Read><row Community_Name=\"Harbor\"/></SNMP_Trap_Read>"
             "<SNMP_Trap_Write><row Community_Name=\"Lantern\" Enable=\"N\"/></SNMP_Trap_Write></SNMP_Trap>");
  Open();
  const QStringList read = {"Y", "Harbor", "", "N", "N", "N", "", "", "", "", "", "", "None", ""};
  for (int c = 1; c <= 14; ++c) EXPECT_EQ(Grid(Read)->GetCellEx(c, 1), read[c - 1]) << c;
  EXPECT_EQ(Grid(Write)->GetCellEx(1, 1), "N");
  EXPECT_EQ(Grid(Write)->GetCellEx(8, 1), "None");
  EXPECT_TRUE(Messages().isEmpty());
}

TEST_F(SnmpTrapAccess, EveryRuleOfAnEnabledRowHasItsMessage) {
  struct Case {
    int Page;
    std::vector<std::pair<int, QString>> Cells;  // column, text of row 2
    QString Message;                             // empty: the table passes
  };
  const QString r2 = "Error row 2";
  const Case cases[] = {
      {Read, {{3, "String"}, {9, "3"}}, r2 + "!! [SNMP Read] Start Bit must be 0 if Type is String"},
      {Read, {{3, "Int"}, {9, "3"}}, ""},
      {Read, {{10, "64"}}, ""},
      {Read, {{10, "65"}}, r2 + "!! [SNMP Read] Num Bits/Bytes must be between 1 and 64 bits"},
      {Read, {{10, "0x40"}}, ""},
      {Read, {{10, "abc"}}, r2 + "!! [SNMP Read] Num Bits/Bytes must be between 1 and 64 bits"},
      {Read, {{3, "String"}, {10, "16"}}, ""},
      {Read, {{3, "String"}, {10, "17"}}, r2 + "!! [SNMP Read] Num Bits/Bytes must be between 1 and 16 bytes"},
      {Read, {{3, "string"}, {10, "0"}}, r2 + "!! [SNMP Read] Num Bits/Bytes must be between 1 and 16 bytes"},
      {Read, {{2, "Har bor"}}, r2 + LangText(4776)},
      {Read, {{2, " "}, {3, ""}}, ""},  // ends the table before row 2
      {Read, {{3, " "}}, r2 + "!! [SNMP Read] Type must be selected"},
      {Read, {{8, ""}}, r2 + "!! [SNMP Read] Position must be selected"},
      {Read, {{9, ""}}, r2 + "!! [SNMP Read] Start Bit must be selected"},
      {Read, {{11, "Temp"}}, r2 + LangText(4777)},
      {Read, {{11, "1temp"}}, r2 + LangText(4777)},
      {Read, {{11, "temp_1"}}, r2 + LangText(4777)},
      {Read, {{11, "temp2"}}, ""},
      {Read, {{11, ""}}, ""},
      {Read,
       {{12, "192.168.1.300"}},
       r2 + "!! [SNMP Read] IP Address must be a valid TCP IP Address (Ex. 192.168.1.125)"},
      {Read, {{12, ""}}, r2 + LangText(4768)},
      {Read, {{13, ""}}, r2 + "!! [SNMP Read] Conversion must be selected"},
      {Read, {{7, "0"}}, ""},  // no timer: the time is not read
      {Write, {{3, "Int"}, {5, "3"}}, ""},
      {Write, {{4, " "}}, r2 + "!! [SNMP Write] Position must be selected"},
      {Write, {{5, "3"}}, r2 + "!! [SNMP Write] Start Bit must be 0 if Type is String"},
      {Write, {{6, "17"}}, r2 + "!! [SNMP Write] Num Bits/Bytes must be between 1 and 16 bytes"},
      {Write, {{3, "INT"}, {6, "65"}}, r2 + "!! [SNMP Write] Num Bits/Bytes must be between 1 and 64 bits"},
      {Write, {{7, "Out"}}, r2 + LangText(4779)},
      {Write, {{2, "L-1"}}, r2 + LangText(4778)},
      {Write, {{8, ""}}, r2 + "!! [SNMP Write] Conversion must be selected"},
  };
  TFSNMP_Trap_Access& f = Open();
  for (const Case& c : cases) {
    f.FormShow(&f);
    PutRow(Read, 1, ReadRow("temp1"));
    PutRow(Read, 2, ReadRow("temp2"));
    PutRow(Write, 1, {"Y", "Harbor", "Int", "0", "3", "8", "out1", "None", ""});
    PutRow(Write, 2, WriteRow("out2"));
    for (const auto& [col, text] : c.Cells) Grid(c.Page)->SetCellEx(col, 2, text);
    Dialogs->ClearRecords();
    const std::string label =
        std::to_string(c.Page) + "/" + std::to_string(c.Cells[0].first) + " " + c.Cells.back().second.toStdString();
    EXPECT_EQ(f.Controllo_Dati(), c.Message.isEmpty()) << label;
    EXPECT_EQ(Messages(), c.Message.isEmpty() ? QStringList() : QStringList{c.Message}) << label;
  }
  EXPECT_EQ(LangText(4779).left(30), "!! [SNMP Write] Descrtiption i");
}

TEST_F(SnmpTrapAccess, TimeIsCheckedOnlyWithOnTimerAndDisabledRowsAreSkipped) {
  TFSNMP_Trap_Access& f = Open();
  const QString timeText = "Error row 2!! [SNMP Read] Time must be between 1 and 1000000000 ms";
  struct Case {
    QString OnTimer, Time;
    bool Passes;
  };
  const Case cases[] = {{"Y", "0", false}, {"Y", "1", true}, {"y", "1000000000", true}, {"Y", "1000000001", false},
                        {"Y", "", false},  {"N", "", true},  {"", "-5", true}};
  for (const Case& c : cases) {
    f.FormShow(&f);
    PutRow(Read, 1, ReadRow("temp1"));
    PutRow(Read, 2, ReadRow("temp2"));
    Grid(Read)->SetCellEx(6, 2, c.OnTimer);
    Grid(Read)->SetCellEx(7, 2, c.Time);
    Dialogs->ClearRecords();
    EXPECT_EQ(f.Controllo_Dati(), c.Passes) << c.OnTimer.toStdString() << " " << c.Time.toStdString();
    EXPECT_EQ(Messages(), c.Passes ? QStringList() : QStringList{timeText});
  }

  // A disabled row breaks every rule and is still saved as it stands.
  f.FormShow(&f);
  PutRow(Read, 1, ReadRow("temp1"));
  PutRow(Read, 2, {"N", "Har bor", "", "N", "N", "Y", "0", "", "", "", "Bad", "", "", ""});
  PutRow(Read, 3, ReadRow("temp3"));
  Dialogs->ClearRecords();
  EXPECT_TRUE(f.Controllo_Dati());
  EXPECT_TRUE(f.TableFile().Bytes().contains("Description=\"Bad\""));
}

TEST_F(SnmpTrapAccess, DescriptionsMustDifferOverBothPages) {
  TFSNMP_Trap_Access& f = Open();
  const QString differ = "Error!! The Descriptions must be all differents";
  struct Case {
    QString Read2, Write1, Write2;
    QString WriteEnable2;
    bool Passes;
  };
  const Case cases[] = {
      {"temp2", "out1", "out2", "Y", true},  {"temp2", "temp1", "out2", "Y", false},  // one description on both pages
      {"temp2", "out1", "Out1", "Y", true},   // case-sensitive: "Out1" fails its own rule first
      {"", "out1", "", "Y", false},           // two empty descriptions are equal
      {"temp2", "out1", "temp2", "N", true},  // a disabled row is not collected
  };
  for (const Case& c : cases) {
    f.FormShow(&f);
    PutRow(Read, 1, ReadRow("temp1"));
    PutRow(Read, 2, ReadRow(c.Read2));
    PutRow(Write, 1, WriteRow(c.Write1));
    PutRow(Write, 2, WriteRow(c.Write2));
    Grid(Write)->SetCellEx(1, 2, c.WriteEnable2);
    Dialogs->ClearRecords();
    const bool passed = f.Controllo_Dati();
    if (c.Write2 == "Out1") {
      EXPECT_FALSE(passed);
      EXPECT_EQ(Messages(), QStringList{"Error row 2" + LangText(4779)});
      continue;
    }
    EXPECT_EQ(passed, c.Passes) << c.Read2.toStdString() << "/" << c.Write1.toStdString();
    EXPECT_EQ(Messages(), c.Passes ? QStringList() : QStringList{differ});
  }
}

TEST_F(SnmpTrapAccess, ColumnZeroNumbersTheEnabledRowsAndFollowsTheEnableBox) {
  WriteBytes(SNMPTrapFile,
             "<SNMP_Trap><SNMP_Trap_Read><row Enable=\"Y\" Community_Name=\"Harbor\"/>"
             "<row Enable=\"N\" Community_Name=\"Harbor\"/><row Enable=\"y\" Community_Name=\"Harbor\"/>"
             "</SNMP_Trap_Read><SNMP_Trap_Write><row Enable=\"N\" Community_Name=\"Harbor\"/>"
             "<row Enable=\"Y\" Community_Name=\"Harbor\"/></SNMP_Trap_Write></SNMP_Trap>");
  TFSNMP_Trap_Access& f = Open();
  EXPECT_EQ(Numbers(Read, 4), QStringList({"1", "", "2", "3"}));  // row 4: an empty row is enabled
  EXPECT_EQ(Numbers(Write, 3), QStringList({"", "1", "2"}));

  ClickCell(Grid(Read), 1, 1);  // unticked by the user
  EXPECT_EQ(Grid(Read)->GetCellEx(1, 1), "N");
  EXPECT_EQ(Numbers(Read, 4), QStringList({"", "", "1", "2"}));
  ClickCell(Grid(Read), 1, 2);
  EXPECT_EQ(Numbers(Read, 4), QStringList({"", "1", "2", "3"}));
  EXPECT_EQ(Numbers(Write, 3), QStringList({"", "1", "2"}));  // the other page keeps its numbers

  // Row buttons leave column 0 alone until the next click in column 1.
  ClickCell(Grid(Read), 3, 2);
  Dialogs->Answer(mrYes);
  Press(f.Btn_DelRow);
  EXPECT_EQ(Dialogs->Records().back().Text, "Are you sure to delete the Row number 2");
  EXPECT_EQ(Numbers(Read, 4), QStringList({"", "1", "2", "3"}));
  f.PC_Tables->SetActivePageIndex(1);
  ClickCell(Grid(Write), 1, 1);
  EXPECT_EQ(Numbers(Write, 3), QStringList({"1", "2", "3"}));
}

TEST_F(SnmpTrapAccess, TheUserFailsOKFixesTheRowAndCancelLosesLaterEdits) {
  TFSNMP_Trap_Access& f = *(Form = std::make_unique<TFSNMP_Trap_Access>(nullptr));
  f.DoCreate();
  TPlexStringGrid* read = Grid(Read);
  TPlexStringGrid* write = Grid(Write);
  QTimer::singleShot(0, [&] {
    EXPECT_TRUE(WaitActive(f));
    TypeInto(read, 2, 1, "HarborHarborHarbor");  // the field takes 15 characters
    EXPECT_EQ(read->GetCellEx(2, 1), "HarborHarborHar");
    TypeInto(read, 2, 1, "Harbor");
    EXPECT_TRUE(PickItem(read, 3, 1, "String"));
    EXPECT_TRUE(PickItem(read, 8, 1, "10"));
    EXPECT_TRUE(PickItem(read, 9, 1, "3"));
    TypeInto(read, 10, 1, "8");
    TypeInto(read, 11, 1, "name2");
    TypeInto(read, 12, 1, "10.0.0.2");
    EXPECT_TRUE(PickItem(read, 13, 1, "Float * 10"));
    Press(f.Btn_OK);  // a string starts at bit 0
    EXPECT_EQ(Messages(), QStringList{"Error row 1!! [SNMP Read] Start Bit must be 0 if Type is String"});
    EXPECT_EQ(f.ModalResult(), mrNone);
    EXPECT_TRUE(PickItem(read, 9, 1, "0"));

    // Copy the row to the write page: the other page's copy does not paste here.
    ClickCell(read, 2, 1);
    Press(f.Btn_CopyRow);
    f.PC_Tables->SetActivePageIndex(1);
    ClickCell(write, 2, 1);
    Press(f.Btn_PasteRow);
    EXPECT_EQ(Messages().back(), LangText(TextCopyBeforePaste));
    TypeInto(write, 2, 1, "Lantern");
    EXPECT_TRUE(PickItem(write, 3, 1, "Int"));
    EXPECT_TRUE(PickItem(write, 4, 1, "20"));
    EXPECT_TRUE(PickItem(write, 5, 1, "0"));
    TypeInto(write, 6, 1, "16");
    TypeInto(write, 7, 1, "name2");  // the read page has it already
    EXPECT_TRUE(PickItem(write, 8, 1, "None"));
    Dialogs->ClearRecords();
    Press(f.Btn_OK);
    EXPECT_EQ(Messages(), QStringList{"Error!! The Descriptions must be all differents"});
    TypeInto(write, 7, 1, "set1");
    Press(f.Btn_InsRow);  // row 1 moves down; the new row is enabled and empty, so it ends the table
    EXPECT_EQ(write->GetCellEx(2, 2), "Lantern");
    EXPECT_EQ(write->GetCellEx(1, 1), "Y");
    Dialogs->ClearRecords();
    Press(f.Btn_OK);
  });
  EXPECT_EQ(f.ShowModal(), mrOk);
  EXPECT_TRUE(Messages().isEmpty());
  const QByteArray saved = ReadBytes(SNMPTrapFile);
  EXPECT_TRUE(saved.contains("Description=\"name2\" IP_Address=\"10.0.0.2\" Conversion=\"Float * 10\""));
  EXPECT_TRUE(saved.contains("<SNMP_Trap_Write/>"));  // the inserted empty row ends the write table

  QTimer::singleShot(0, [&] {
    EXPECT_TRUE(WaitActive(f));
    TypeInto(read, 11, 1, "changed");
    Press(f.Btn_Cancel);
  });
  EXPECT_EQ(f.ShowModal(), mrCancel);
  EXPECT_EQ(ReadBytes(SNMPTrapFile), saved);
  QTimer::singleShot(0, [&] { f.SetModalResult(mrCancel); });
  f.ShowModal();
  EXPECT_EQ(read->GetCellEx(11, 1), "name2");
  EXPECT_EQ(read->GetCellEx(0, 1), "1");
}
