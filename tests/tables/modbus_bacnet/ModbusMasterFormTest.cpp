// The serial and the TCP Modbus master editors: their rules in one table of
// cases, their files, and the serial editor driven by the user.
#include "EditorTestKit.h"

#include "common/tables/RowOperations.h"
#include "grid/editing/PlexColumnGrid.h"
#include "platform/ExtCtrls.h"
#include "tables/modbus_bacnet/UModbus_TCP_Master_Set_Access.h"
#include "tables/modbus_bacnet/USetAccess.h"

#include <QTimer>

#include <map>

namespace {

enum TField { Enable, IP, Port, Slave, Type, Address, NPoint, Poll, MaxErr, Position, Bit };

// The real column of each field in the four tables.
int ColumnOf(bool Tcp, int Table, TField Field) {
  static const std::map<TField, int> serialRead{{Enable, 1}, {Slave, 2},  {Type, 3},     {Address, 4}, {NPoint, 5},
                                                {Poll, 6},   {MaxErr, 7}, {Position, 8}, {Bit, 9}};
  static const std::map<TField, int> serialWrite{{Enable, 1}, {Slave, 2},  {Type, 3},      {Address, 4}, {NPoint, 5},
                                                 {Poll, 6},   {MaxErr, 9}, {Position, 10}, {Bit, 11}};
  static const std::map<TField, int> tcpRead{{Enable, 1}, {IP, 2},        {Port, 3},   {Slave, 4},
                                             {Type, 5},   {Address, 6},   {NPoint, 7}, {Poll, 8},
                                             {MaxErr, 9}, {Position, 10}, {Bit, 11}};
  static const std::map<TField, int> tcpWrite{{Enable, 1},  {IP, 2},        {Port, 3},   {Slave, 4},
                                              {Type, 5},    {Address, 6},   {NPoint, 7}, {Poll, 8},
                                              {MaxErr, 11}, {Position, 12}, {Bit, 13}};
  const auto& map = Tcp ? (Table == 0 ? tcpRead : tcpWrite) : (Table == 0 ? serialRead : serialWrite);
  const auto it = map.find(Field);
  return it == map.end() ? -1 : it->second;
}

struct TRuleCase {
  const char* Name;
  bool Tcp;
  int Table;
  std::vector<std::pair<TField, QString>> Cells;
  // Empty: the rules pass.
  QString Dialog;
};

const QString ReadPrefix = "Error row 1!! [Modbus Read] ";
const QString WritePrefix = "Error row 1!! [Modbus Write] ";

const TRuleCase RuleCases[] = {
    {"holding register over 125 points", false, 0, {{NPoint, "126"}}, ReadPrefix + "NPoint must be between 1 and 125"},
    {"2000 coils", false, 0, {{Type, "Coil Status"}, {NPoint, "2000"}}, ""},
    {"2001 coils",
     false,
     0,
     {{Type, "Coil Status"}, {NPoint, "2001"}},
     ReadPrefix + "NPoint must be between 1 and 2000"},
    {"coils up to the last byte",
     false,
     0,
     {{Type, "Coil Status"}, {Position, "1250"}, {NPoint, "2000"}, {Bit, "0"}},
     ""},
    {"coils one bit past the area",
     false,
     0,
     {{Type, "Coil Status"}, {Position, "1250"}, {NPoint, "2000"}, {Bit, "1"}},
     ReadPrefix + "Too many bytes to save starting from the Position indicate"},
    {"input status is a bit rule",
     false,
     0,
     {{Type, " input status "}, {NPoint, "2000"}, {Bit, ""}},
     ReadPrefix + "Bit must be between 0 and 7"},
    {"registers up to the last byte", false, 0, {{Type, "Input Register"}, {Position, "1250"}, {NPoint, "125"}}, ""},
    {"registers one byte past the area",
     false,
     0,
     {{Type, "Input Register"}, {Position, "1251"}, {NPoint, "125"}},
     ReadPrefix + "Too many bytes to save starting from the Position indicate"},
    {"position outside the area", false, 0, {{Position, "1500"}}, ReadPrefix + "Position must be between 0 and 1499"},
    {"read poll time 0", false, 0, {{Poll, "0"}}, ReadPrefix + "Poll Time must be between 1 and 100000000"},
    {"write poll time 0", false, 1, {{Poll, "0"}}, ""},
    {"write type empty", false, 1, {{Type, ""}}, WritePrefix + "Type must be Coil Status or Holding Register"},
    {"write type blank is not empty", false, 1, {{Type, " "}}, ""},
    {"disabled N", false, 0, {{Enable, "N"}, {Slave, "300"}}, ""},
    {"lower-case y is disabled", false, 0, {{Enable, "y"}, {Slave, "300"}}, ""},
    {"blanks around Y enable",
     false,
     0,
     {{Enable, " Y "}, {Slave, "300"}},
     ReadPrefix + "Slave ID must be between 1 and 247"},
    {"hexadecimal slave", false, 0, {{Slave, "0xF7"}}, ""},
    {"write 124 registers", false, 1, {{NPoint, "124"}}, WritePrefix + "NPoint must be between 1 and 123"},
    {"write 1969 coils",
     false,
     1,
     {{Type, "Coil Status"}, {NPoint, "1969"}},
     WritePrefix + "NPoint must be between 1 and 1968"},
    {"write coils past the area",
     false,
     1,
     {{Type, "Coil Status"}, {Position, "1499"}, {NPoint, "9"}},
     WritePrefix + "Too many bytes to read starting from the Position indicate"},
    {"max error", false, 1, {{MaxErr, "100000001"}}, WritePrefix + "Max Error must be between 0 and 100000000"},
    {"address", false, 0, {{Address, "65536"}}, ReadPrefix + "Address must be between 0 and 65535"},
    {"TCP address out of range",
     true,
     0,
     {{IP, "192.168.1.300"}},
     ReadPrefix + "Slave IP Address must be a valid TCP IP Address (Ex. 192.168.1.125)"},
    {"TCP address with leading zeros", true, 0, {{IP, "192.168.001.010"}}, ""},
    {"TCP three parts",
     true,
     0,
     {{IP, "192.168.0"}},
     ReadPrefix + "Slave IP Address must be a valid TCP IP Address (Ex. 192.168.1.125)"},
    {"TCP five parts",
     true,
     0,
     {{IP, "192.168.0.10.5"}},
     ReadPrefix + "Slave IP Address must be a valid TCP IP Address (Ex. 192.168.1.125)"},
    {"TCP empty part",
     true,
     0,
     {{IP, "192.168..10"}},
     ReadPrefix + "Slave IP Address must be a valid TCP IP Address (Ex. 192.168.1.125)"},
    {"TCP port", true, 0, {{IP, "10.0.0.1"}, {Port, "70000"}}, ReadPrefix + "Port must be between 0 and 65535"},
    {"TCP read poll time 0", true, 0, {{Poll, "0"}}, ReadPrefix + "Poll Time must be between 1 and 100000000"},
    {"TCP write address",
     true,
     1,
     {{IP, "1.2.3.256"}},
     WritePrefix + "Slave IP Address must be a valid TCP IP Address (Ex. 192.168.1.125)"},
    {"TCP write 124 registers", true, 1, {{NPoint, "124"}}, WritePrefix + "NPoint must be between 1 and 123"},
    {"TCP write position", true, 1, {{Position, "-1"}}, WritePrefix + "Position must be between 0 and 1499"},
    {"TCP disabled y", true, 1, {{Enable, "y"}, {IP, "x"}}, ""},
};

// A valid rule of the table, then the case's cells over it.
void PutRule(TPlexStringGrid* Grid, bool Tcp, int Table, const std::vector<std::pair<TField, QString>>& Cells) {
  const std::pair<TField, QString> valid[] = {
      {Enable, "Y"},  {IP, "192.168.1.10"}, {Port, "502"},  {Slave, "1"},  {Type, "Holding Register"},
      {Address, "0"}, {NPoint, "10"},       {Poll, "1000"}, {MaxErr, "0"}, {Position, "0"},
      {Bit, "0"}};
  for (const auto& [field, text] : valid)
    if (ColumnOf(Tcp, Table, field) >= 0) Grid->SetCellEx(ColumnOf(Tcp, Table, field), 1, text);
  for (const auto& [field, text] : Cells) Grid->SetCellEx(ColumnOf(Tcp, Table, field), 1, text);
}

class ModbusMasterTest : public EditorTest {};

}  // namespace

TEST_F(ModbusMasterTest, EveryRuleShowsItsTextWithRowAndLimit) {
  auto serial = Create<TFSetAccess>();
  auto tcp = Create<TFModbus_TCP_Master_Set_Access>();
  for (const TRuleCase& c : RuleCases) {
    SCOPED_TRACE(c.Name);
    TModbusMasterForm* form = c.Tcp ? static_cast<TModbusMasterForm*>(tcp.get()) : serial.get();
    form->FormShow(form);
    PutRule(c.Table == 0 ? form->PCG_Modbus_Read : form->PCG_Modbus_Write, c.Tcp, c.Table, c.Cells);
    Dialogs->ClearRecords();
    EXPECT_EQ(form->Controllo_Dati(), c.Dialog.isEmpty());
    if (c.Dialog.isEmpty()) {
      EXPECT_TRUE(Dialogs->Records().empty()) << DialogTexts().join("|").toStdString();
    } else {
      ASSERT_EQ(Dialogs->Records().size(), 1u);
      EXPECT_EQ(Dialogs->Records()[0].Text, c.Dialog);
      EXPECT_EQ(Dialogs->Records()[0].Type, mtError);
    }
  }
}

TEST_F(ModbusMasterTest, TheReadTableIsCheckedFirstAndEndsAtTheFirstEmptyKey) {
  auto form = Create<TFSetAccess>();
  form->FormShow(form.get());
  PutRule(form->PCG_Modbus_Read, false, 0, {});
  PutRule(form->PCG_Modbus_Write, false, 1, {{Slave, "0"}});
  form->PCG_Modbus_Read->SetCellEx(2, 3, "1");  // below the gap of row 2: not a rule
  form->PCG_Modbus_Read->SetCellEx(3, 3, "");
  form->PCG_Modbus_Read->SetCellEx(2, 2, " ");
  form->PCG_Modbus_Read->SetCellEx(5, 2, "9999");
  EXPECT_FALSE(form->Controllo_Dati());
  EXPECT_EQ(DialogTexts(), QStringList({WritePrefix + "Slave ID must be between 1 and 247"}));
}

TEST_F(ModbusMasterTest, SavedFilesLoadAndSaveToTheSameBytes) {
  for (bool tcp : {false, true}) {
    SCOPED_TRACE(tcp ? "TCP" : "serial");
    std::unique_ptr<TModbusMasterForm> form;
    if (tcp)
      form = Create<TFModbus_TCP_Master_Set_Access>();
    else
      form = Create<TFSetAccess>();
    const QString path = tcp ? ModbusTCPMSetAccessFile : ModbusMSetAccessFile;
    form->FormShow(form.get());
    PutRule(form->PCG_Modbus_Read, tcp, 0, {{Type, "Coil Status"}, {Bit, "3"}});
    form->PCG_Modbus_Read->SetCellEx(tcp ? 15 : 13, 1, " pump <1> & \"2\" ");
    // Row 2: a disabled rule, saved as typed.
    form->PCG_Modbus_Read->SetCellEx(ColumnOf(tcp, 0, Slave), 2, "300");
    form->PCG_Modbus_Read->SetCellEx(ColumnOf(tcp, 0, Enable), 2, "y");
    if (tcp) form->PCG_Modbus_Read->SetCellEx(ColumnOf(tcp, 0, IP), 2, " 1.2.3 ");
    PutRule(form->PCG_Modbus_Write, tcp, 1, {{Poll, "0"}});
    form->Btn_OKClick(form->Btn_OK);
    ASSERT_EQ(form->ModalResult(), mrOk);
    const QByteArray saved = FileBytes(path);
    const QByteArray topic = tcp ? "Index_Topic=\"-1\"" : "Index_Topic=\"\"";
    EXPECT_EQ(saved.count(topic), 2) << saved.toStdString();
    EXPECT_TRUE(saved.contains("<row Enable=\"y\"")) << saved.toStdString();
    EXPECT_TRUE(saved.contains(tcp ? "<PROFINET_Master_to_Modbus_TCP_Master><Modbus_Read><row Enable=\"Y\" "
                                     "IP_Address=\"192.168.1.10\" Port=\"502\" Slave_ID=\"1\""
                                   : "<EtherNetIP_to_Modbus><Modbus_Read><row Enable=\"Y\" Slave_ID=\"1\""))
        << saved.toStdString();
    EXPECT_TRUE(saved.endsWith("<!--SW_VERSION = 1.000-->\n"));

    form->SetModalResult(mrNone);
    form->FormShow(form.get());
    EXPECT_EQ(form->PCG_Modbus_Read->GetCellEx(1, 1), "Y");
    form->Btn_OKClick(form->Btn_OK);
    EXPECT_EQ(FileBytes(path), saved);
    EXPECT_TRUE(Dialogs->Records().empty()) << DialogTexts().join("|").toStdString();
  }
}

TEST_F(ModbusMasterTest, LoadingTakesDefaultsTopicsAndStopsAtAMissingRequiredValue) {
  const QByteArray rowValues =
      "Slave_ID=\"5\" Type=\"Holding Register\" Address=\"1\" NPoint=\"2\" PollTime=\"3\" "
      "MaxError=\"4\" Position=\"5\" Bit=\"6\" Mnemonic=\"m\"";
  WriteFile(ModbusMSetAccessFile,
            "<EtherNetIP_to_Modbus><Modbus_Read><row Index_Topic=\"3\" " + rowValues +
                "/><row Enable=\"N\" Type=\"x\"/></Modbus_Read><Modbus_Write><row OnChange=\"Y\" " + rowValues +
                "/></Modbus_Write></EtherNetIP_to_Modbus>");
  auto form = Create<TFSetAccess>();
  form->FormShow(form.get());
  TPlexColumnGrid* read = form->PCG_Modbus_Read;
  EXPECT_EQ(read->GetCellEx(1, 1), "Y");
  EXPECT_EQ(read->GetCellEx(10, 1), "N");
  EXPECT_EQ(read->GetCellEx(11, 1), "N");
  EXPECT_EQ(read->GetCellEx(12, 1), "");  // the topic list is empty
  EXPECT_EQ(form->ComboItem_Topic[0], 3);
  EXPECT_EQ(read->GetCellEx(13, 1), "m");
  // Row 2 lacks Slave_ID: one message, row 1 kept, nothing after it read.
  EXPECT_EQ(read->GetCellEx(1, 2), "N");
  EXPECT_EQ(read->GetCellEx(3, 2), "");
  ASSERT_EQ(Dialogs->Records().size(), 1u);
  EXPECT_EQ(Dialogs->Records()[0].Type, mtError);
  EXPECT_EQ(form->PCG_Modbus_Write->GetCellEx(2, 1), "");
  EXPECT_TRUE(read->IsHiddenColumn(12));
  EXPECT_EQ(form->PageControl1->ActivePageIndex(), 0);

  // Without that row, the write section loads with its own defaults.
  WriteFile(ModbusMSetAccessFile, "<EtherNetIP_to_Modbus><Modbus_Write><row Enable=\" y\" OnChange=\"Y\" " + rowValues +
                                      "/></Modbus_Write></EtherNetIP_to_Modbus>");
  form->FormShow(form.get());
  TPlexColumnGrid* write = form->PCG_Modbus_Write;
  EXPECT_EQ(write->GetCellEx(1, 1), " y");
  EXPECT_EQ(write->GetCellEx(8, 1), "N");
  EXPECT_EQ(write->GetCellEx(12, 1), "N");
  EXPECT_EQ(read->GetCellEx(2, 1), "");  // the reset reached the read table
  EXPECT_EQ(form->ComboItem_Topic[0], -1);
}

TEST_F(ModbusMasterTest, AnEmptyKeyInRowOneWritesTheRootTwoEmptySectionsAndTheComment) {
  auto form = Create<TFSetAccess>();
  form->FormShow(form.get());
  form->PCG_Modbus_Read->SetCellEx(3, 1, "Coil Status");
  form->PCG_Modbus_Read->SetCellEx(2, 2, "1");
  form->Btn_OKClick(form->Btn_OK);
  EXPECT_EQ(FileBytes(ModbusMSetAccessFile),
            "<EtherNetIP_to_Modbus><Modbus_Read/><Modbus_Write/></EtherNetIP_to_Modbus><!--SW_VERSION = 1.000-->\n");
}

TEST_F(ModbusMasterTest, ASectionOfMoreThan512RowsLoads512WithAMessage) {
  QByteArray rows;
  for (int i = 0; i < 515; ++i)
    rows += "<row Slave_ID=\"" + QByteArray::number(i + 1) +
            "\" Type=\"\" Address=\"\" NPoint=\"\" PollTime=\"\" MaxError=\"\" Position=\"\" Bit=\"\" Mnemonic=\"\"/>";
  WriteFile(ModbusMSetAccessFile,
            "<EtherNetIP_to_Modbus><Modbus_Read>" + rows + "</Modbus_Read></EtherNetIP_to_Modbus>");
  auto form = Create<TFSetAccess>();
  form->FormShow(form.get());
  EXPECT_EQ(form->PCG_Modbus_Read->GetCellEx(2, 512), "512");
  ASSERT_EQ(Dialogs->Records().size(), 1u);
  EXPECT_TRUE(Dialogs->Records()[0].Text.contains("3")) << Dialogs->Records()[0].Text.toStdString();
}

TEST_F(ModbusMasterTest, TheSerialEditorLaysOutItsTablesAndTexts) {
  auto form = Create<TFSetAccess>();
  EXPECT_EQ(form->Caption(), "Set Modbus Access");
  EXPECT_EQ(form->ClientWidth(), 1040);
  EXPECT_EQ(form->ClientHeight(), 337);
  EXPECT_EQ(form->PCG_Modbus_Read->ColCount(), 14);
  EXPECT_EQ(form->PCG_Modbus_Write->ColCount(), 15);
  EXPECT_EQ(form->PCG_Modbus_Read->RowCount(), 513);
  EXPECT_EQ(form->TS_Modbus_Write->Caption(), "Modbus Write");
  EXPECT_EQ(form->PCG_Modbus_Read->GetCellEx(11, 0), "SwapWord");
  EXPECT_EQ(form->PCG_Modbus_Write->GetCellEx(0, 0), "N");
  EXPECT_EQ(form->Hint_Modbus_Set_Access_Read()->Count(), 13);
  EXPECT_EQ(form->Hint_Modbus_Set_Access_Write()->Count(), 14);
  form->Set_Lang();
  EXPECT_EQ(form->Hint_Modbus_Set_Access_Read()->Count(), 13);
  const TLbButton* buttons[] = {form->Btn_OK,     form->Btn_Cancel,  form->Btn_DelRow,
                                form->Btn_InsRow, form->Btn_CopyRow, form->Btn_PasteRow};
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(buttons[i]->Left(), 16 + 118 * i);
    EXPECT_EQ(buttons[i]->Width(), 110);
    EXPECT_EQ(buttons[i]->Height(), 28);
  }
  form->FormShow(form.get());
  EXPECT_EQ(form->PCG_Modbus_Read->Columns()[8]->ComboItems().Count(), 1500);
  EXPECT_EQ(form->PCG_Modbus_Write->Columns()[10]->ComboItems()[1499], "1499");
  // The header hint goes by real column: with Topic hidden, displayed 12 is Mnemonic.
  QString hint;
  form->PCG_Modbus_Read->OnGridHint(form->PCG_Modbus_Read, 0, 12, hint);
  EXPECT_EQ(hint, "Insert the Description of Modbus Rule");
}

TEST_F(ModbusMasterTest, TheSerialEditorDrivenByTheUser) {
  auto form = Create<TFSetAccess>();
  TPlexColumnGrid* read = form->PCG_Modbus_Read;
  TPlexColumnGrid* write = form->PCG_Modbus_Write;
  const auto steps = [&] {
    ASSERT_TRUE(WaitActive(*form));
    TypeRow(read, 1, 2, {"1", "", "100", "4", "500", "3"});
    Pick(read, 3, 1, 2);  // Holding Register
    Pick(read, 8, 1, 10);
    ClickCell(read, 10, 1);  // Swap ticked
    form->PageControl1->SetActivePageIndex(1);
    QApplication::processEvents();
    TypeRow(write, 1, 2, {"2", "", "7", "1", "0"});
    TypeInto(write, 9, 1, "0");
    Pick(write, 3, 1, 0);  // Coil Status
    Pick(write, 11, 1, 4);
    Pick(write, 10, 1, 20);
    Shot(*form, "ModbusSerialMaster");
    Press(form->Btn_OK);
  };
  QTimer::singleShot(0, [&] {
    steps();
    if (form->ModalResult() == mrNone) form->SetModalResult(mrAbort);
  });
  EXPECT_EQ(form->ShowModal(), mrOk);
  EXPECT_TRUE(Dialogs->Records().empty()) << DialogTexts().join("|").toStdString();
  EXPECT_EQ(FileBytes(ModbusMSetAccessFile),
            "<EtherNetIP_to_Modbus><Modbus_Read><row Enable=\"Y\" Slave_ID=\"1\" Type=\"Holding Register\" "
            "Address=\"100\" NPoint=\"4\" PollTime=\"500\" MaxError=\"3\" Position=\"10\" Bit=\"\" Swap=\"Y\" "
            "SwapWord=\"\" Index_Topic=\"\" Mnemonic=\"\"/></Modbus_Read><Modbus_Write><row Enable=\"Y\" "
            "Slave_ID=\"2\" Type=\"Coil Status\" Address=\"7\" NPoint=\"1\" PollTime=\"0\" OnChange=\"\" OnCMD=\"\" "
            "MaxError=\"0\" Position=\"20\" Bit=\"4\" Swap=\"\" SwapWord=\"\" Mnemonic=\"\"/></Modbus_Write>"
            "</EtherNetIP_to_Modbus><!--SW_VERSION = 1.000-->\n");
}
