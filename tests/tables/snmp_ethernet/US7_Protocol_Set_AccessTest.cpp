// The S7 client tables: the rules of both pages, the ten connection slots they
// share, the file, and the form as a user drives it.
#include "tables/snmp_ethernet/US7_Protocol_Set_Access.h"

#include "EditorTestKit.h"
#include "grid/editing/PlexColumnGrid.h"
#include "platform/ExtCtrls.h"

#include <QTimer>

#include <memory>
#include <vector>

namespace {

constexpr int Read = 0, Write = 1;

// A valid enabled read row (columns 1-18) to PLC 10.0.0.N at the port.
QStringList ReadRow(int N, const QString& Port = "102") {
  return {"Y",    QString("10.0.0.%1").arg(N),
          Port,   "S71200",
          "0",    "1",
          "Word", "DB",
          "1",    "Inputs (I)",
          "0",    "0",
          "100",  "0",
          "0",    "N",
          "N",    ""};
}
// A valid enabled write row (columns 1-20).
QStringList WriteRow(int N, const QString& Port = "102") {
  QStringList row = ReadRow(N, Port);
  row.insert(13, "N");
  row.insert(14, "N");
  return row;
}

class S7ProtocolSetAccess : public SnmpEthernetEditorTest {
protected:
  TFS7_Protocol_Set_Access& Open() {
    Form = std::make_unique<TFS7_Protocol_Set_Access>(nullptr);
    Form->DoCreate();
    Show(*Form);
    return *Form;
  }
  TPlexStringGrid* Grid(int Page) const { return Page == Read ? Form->PCG_S7_Read : Form->PCG_S7_Write; }
  QStringList Check(const std::vector<QStringList>& ReadRows, const std::vector<QStringList>& WriteRows = {}) {
    Form->FormShow(Form.get());
    for (int r = 0; r < int(ReadRows.size()); ++r)
      for (int c = 1; c <= int(ReadRows[size_t(r)].size()); ++c)
        Grid(Read)->SetCellEx(c, r + 1, ReadRows[size_t(r)][c - 1]);
    for (int r = 0; r < int(WriteRows.size()); ++r)
      for (int c = 1; c <= int(WriteRows[size_t(r)].size()); ++c)
        Grid(Write)->SetCellEx(c, r + 1, WriteRows[size_t(r)][c - 1]);
    Dialogs->ClearRecords();
    const bool passed = Form->Controllo_Dati();
    EXPECT_EQ(passed, Messages().isEmpty());
    return Messages();
  }

  std::unique_ptr<TFS7_Protocol_Set_Access> Form;
};

}  // namespace

TEST_F(S7ProtocolSetAccess, CreationBuildsBothPagesAndTheirTexts) {
  TFS7_Protocol_Set_Access& f = Open();
  EXPECT_EQ(f.ClientWidth(), 1350);
  EXPECT_EQ(f.ClientHeight(), 337);
  EXPECT_EQ(f.PCG_S7_Read->ColCount(), 19);
  EXPECT_EQ(f.PCG_S7_Write->ColCount(), 21);
  EXPECT_EQ(f.PCG_S7_Read->RowCount(), 513);
  EXPECT_EQ(f.TS_S7_Read->Caption(), "S7comm Read");
  EXPECT_EQ(f.TS_S7_Write->Caption(), "S7comm Write");
  const std::pair<int, const char*> readHeaders[] = {
      {0, "N"}, {5, "Rack"}, {6, "Slot"}, {9, "DB Number"}, {12, "PLC Bit"}, {13, "Poll Time"}, {18, "Mnemonic"}};
  for (const auto& [col, text] : readHeaders) EXPECT_EQ(f.PCG_S7_Read->Columns()[col]->Header(), text) << col;
  const std::pair<int, const char*> writeHeaders[] = {
      {14, "On Change"}, {15, "On CMD"}, {16, "Position"}, {17, "Start Bit"}, {20, "Mnemonic"}};
  for (const auto& [col, text] : writeHeaders) EXPECT_EQ(f.PCG_S7_Write->Columns()[col]->Header(), text) << col;
  EXPECT_EQ(f.PCG_S7_Read->Columns()[4]->ComboItems().CommaText(), "Logo0BA8,S7200,S7300,S7400,S71200,S71500");
  EXPECT_EQ(f.PCG_S7_Read->Columns()[10]->ComboItems()[3], "Flags (M) (Merker)");
  EXPECT_EQ(f.PCG_S7_Read->Columns()[14]->ComboItems().Count(), 1500);
  EXPECT_EQ(f.PCG_S7_Write->Columns()[16]->ComboItems()[1499], "1499");
  EXPECT_EQ(f.PCG_S7_Write->Columns()[14]->Editor(), edDataCheckBox);
  QString hint;
  f.GridHint(f.PCG_S7_Write, 0, 5, hint);
  EXPECT_EQ(hint, LangText(5219));
}

TEST_F(S7ProtocolSetAccess, RulesOfBothPagesHaveTheirTexts) {
  Open();
  struct Case {
    int Page, Col;
    QString Value, Message;
  };
  const Case cases[] = {
      {Read, 0, "", ""},
      {Read, 2, "10.0.0.256", "Error row 1" + LangText(5171)},
      {Read, 3, "65536", "Error row 1" + LangText(5172)},
      {Read, 4, " ", "Error row 1" + LangText(5173)},
      {Read, 5, "4", "Error row 1!! [S7comm Read] Rack must be between 0 and 3"},
      {Read, 6, "32", "Error row 1!! [S7comm Read] Slot must be between 0 and 31"},
      {Read, 6, "0x1F", ""},
      {Read, 9, "-1", "Error row 1" + LangText(5205)},
      {Read, 11, "x", "Error row 1!! [S7comm Read] PLC Address must be between 0 and 65535"},
      {Read, 13, "0", "Error row 1!! [S7comm Read] Poll Time must be between 1 and 100000000"},
      {Read, 14, "1500", "Error row 1!! [S7comm Read] Position must be between 0 and 1499"},
      {Read, 14, "1499", ""},
      {Read, 15, "", "Error row 1" + LangText(5178)},
      {Write, 0, "", ""},
      {Write, 13, "0", ""},
      {Write, 13, "-1", "Error row 1!! [S7comm Write] Poll Time must be between 0 and 100000000"},
      {Write, 16, "1500", "Error row 1!! [S7comm Write] Position must be between 0 and 1499"},
      {Write, 17, " ", "Error row 1" + LangText(5186)},
      {Write, 15, "", ""},  // a check-box column holds no rule
  };
  for (const Case& c : cases) {
    QStringList row = c.Page == Read ? ReadRow(1) : WriteRow(1);
    if (c.Col) row[c.Col - 1] = c.Value;
    const QStringList messages = c.Page == Read ? Check({row}) : Check({}, {row});
    EXPECT_EQ(messages, c.Message.isEmpty() ? QStringList() : QStringList{c.Message})
        << c.Page << "/" << c.Col << " " << c.Value.toStdString();
  }
}

TEST_F(S7ProtocolSetAccess, BothPagesShareTenConnectionSlots) {
  Open();
  std::vector<QStringList> eleven;
  for (int n = 1; n <= 11; ++n) eleven.push_back(ReadRow(n));
  EXPECT_EQ(Check(eleven), QStringList{"Error row 11!! [S7comm Read] Device support 10 connection"});

  // A disabled row is neither checked nor counted.
  eleven[4][0] = "N";
  eleven[4][4] = "bad rack";
  EXPECT_EQ(Check(eleven), QStringList());
  eleven[4][0] = "y";  // not "Y"
  EXPECT_EQ(Check(eleven), QStringList());
  eleven.pop_back();

  // One PLC at two ports counts twice.
  std::vector<QStringList> ports;
  for (int n = 1; n <= 10; ++n) ports.push_back(ReadRow(n));
  ports.push_back(ReadRow(10, "103"));
  EXPECT_EQ(Check(ports), QStringList{"Error row 11" + LangText(5187)});

  // Twenty rows to one PLC and port use one slot.
  EXPECT_EQ(Check(std::vector<QStringList>(20, ReadRow(7))), QStringList());

  // Ten PLCs on the read page, a new one on the write page; a known one passes.
  std::vector<QStringList> ten;
  for (int n = 1; n <= 10; ++n) ten.push_back(ReadRow(n));
  EXPECT_EQ(Check(ten, {WriteRow(3), WriteRow(11)}),
            QStringList{"Error row 2!! [S7comm Write] Device support 10 connection"});
  EXPECT_EQ(Check(ten, {WriteRow(3), WriteRow(10)}), QStringList());
}

TEST_F(S7ProtocolSetAccess, TheFileReloadsByteForByteAndARowLackingAnAttributeStopsTheLoad) {
  auto rowXml = [](const QStringList& names, const QStringList& values) {
    QString row = "<row";
    for (int i = 0; i < names.size(); ++i) row += " " + names[i] + "=\"" + values[i] + "\"";
    return row + "/>";
  };
  const QStringList readNames = {"Enable",    "PLC_Address",     "PLC_Port",  "PLC_Type", "Rack",     "Slot",
                                 "Data_Type", "Data_Identifier", "DB_Number", "PLC_Area", "PLC_Add",  "PLC_Bit",
                                 "PollTime",  "Position",        "Bit",       "Swap",     "SwapWord", "Mnemonic"};
  QStringList writeNames = readNames;
  writeNames.insert(13, "OnChange");
  writeNames.insert(14, "OnCMD");
  QStringList disabled = ReadRow(2);
  disabled[0] = "N";
  disabled[2] = "bad";
  const QString file = "<S7_Protocol><S7_Protocol_Read>" + rowXml(readNames, ReadRow(1)) + rowXml(readNames, disabled) +
                       "</S7_Protocol_Read><S7_Protocol_Write>" + rowXml(writeNames, WriteRow(1)) +
                       "</S7_Protocol_Write></S7_Protocol><!--SW_VERSION = 1.000-->\n";
  WriteBytes(S7ProtocolFile, file.toUtf8());
  TFS7_Protocol_Set_Access& f = Open();
  Press(f.Btn_OK);
  EXPECT_EQ(f.ModalResult(), mrOk);
  EXPECT_EQ(ReadBytes(S7ProtocolFile).toStdString(), file.toStdString());

  // Rack and Slot have defaults; DB_Number has none.
  QString lacking = rowXml(readNames, ReadRow(1));
  lacking.replace(" Rack=\"0\" Slot=\"1\"", "");
  WriteBytes(S7ProtocolFile,
             ("<S7_Protocol><S7_Protocol_Read>" + lacking + "</S7_Protocol_Read></S7_Protocol>").toUtf8());
  f.Hide();
  Show(f);
  EXPECT_EQ(Grid(Read)->GetCellEx(5, 1), "0");
  EXPECT_EQ(Grid(Read)->GetCellEx(6, 1), "0");
  EXPECT_TRUE(Messages().isEmpty());
  lacking.replace(" DB_Number=\"1\"", "");
  WriteBytes(S7ProtocolFile,
             ("<S7_Protocol><S7_Protocol_Read>" + lacking + "</S7_Protocol_Read></S7_Protocol>").toUtf8());
  f.Hide();
  Show(f);
  ASSERT_EQ(Messages().size(), 1);
  EXPECT_TRUE(Messages()[0].contains("DB_Number"));
}

TEST_F(S7ProtocolSetAccess, TheUserFillsBothPagesFailsOKAndFixesIt) {
  TFS7_Protocol_Set_Access& f = *(Form = std::make_unique<TFS7_Protocol_Set_Access>(nullptr));
  f.DoCreate();
  TPlexStringGrid* read = Grid(Read);
  TPlexStringGrid* write = Grid(Write);
  QTimer::singleShot(0, [&] {
    EXPECT_TRUE(WaitActive(f));
    TypeInto(read, 2, 1, "192.168.0.10");
    TypeInto(read, 3, 1, "102");
    EXPECT_TRUE(PickItem(read, 4, 1, "S71500"));
    TypeInto(read, 5, 1, "0");
    TypeInto(read, 6, 1, "1");
    EXPECT_TRUE(PickItem(read, 7, 1, "Real"));
    EXPECT_TRUE(PickItem(read, 8, 1, "DB"));
    TypeInto(read, 9, 1, "10");
    EXPECT_TRUE(PickItem(read, 10, 1, "Flags (M) (Merker)"));
    TypeInto(read, 11, 1, "4");
    EXPECT_TRUE(PickItem(read, 12, 1, "0"));
    TypeInto(read, 13, 1, "0");
    EXPECT_TRUE(PickItem(read, 14, 1, "20"));
    EXPECT_TRUE(PickItem(read, 15, 1, "0"));
    ClickCell(read, 16, 1);
    EXPECT_EQ(read->GetCellEx(16, 1), "Y");
    Press(f.Btn_OK);
    EXPECT_EQ(Messages(), QStringList{"Error row 1!! [S7comm Read] Poll Time must be between 1 and 100000000"});
    TypeInto(read, 13, 1, "500");
    Press(f.Btn_CopyRow);

    f.PC_Tables->SetActivePageIndex(1);
    TypeInto(write, 2, 1, "192.168.0.10");
    TypeInto(write, 3, 1, "102");
    EXPECT_TRUE(PickItem(write, 4, 1, "S7300"));
    EXPECT_TRUE(PickItem(write, 7, 1, "Bit"));
    EXPECT_TRUE(PickItem(write, 8, 1, "DB"));
    TypeInto(write, 9, 1, "11");
    EXPECT_TRUE(PickItem(write, 10, 1, "Output (Q)"));
    TypeInto(write, 11, 1, "0");
    EXPECT_TRUE(PickItem(write, 12, 1, "3"));
    TypeInto(write, 13, 1, "0");
    ClickCell(write, 14, 1);
    EXPECT_TRUE(PickItem(write, 16, 1, "7"));
    EXPECT_TRUE(PickItem(write, 17, 1, "3"));
    Dialogs->ClearRecords();
    Press(f.Btn_OK);  // Rack and Slot are empty on the write row
    EXPECT_EQ(Messages(), QStringList{"Error row 1!! [S7comm Write] Rack must be between 0 and 3"});
    TypeInto(write, 5, 1, "0");
    TypeInto(write, 6, 1, "2");
    Shot(f, "S7_Protocol_Set_Access.png");
    Dialogs->ClearRecords();
    Press(f.Btn_OK);
  });
  EXPECT_EQ(f.ShowModal(), mrOk);
  EXPECT_TRUE(Messages().isEmpty());
  const QByteArray saved = ReadBytes(S7ProtocolFile);
  EXPECT_TRUE(saved.contains("PollTime=\"0\" OnChange=\"Y\" OnCMD=\"\" Position=\"7\" Bit=\"3\""))
      << saved.toStdString();
  EXPECT_EQ(f.PC_Tables->ActivePageIndex(), 1);
  QTimer::singleShot(0, [&] {
    EXPECT_TRUE(WaitActive(f));
    EXPECT_EQ(f.PC_Tables->ActivePageIndex(), 0);  // every showing starts on the read page
    EXPECT_EQ(read->GetCellEx(13, 1), "500");
    ClickCell(read, 2, 2);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
  });
  EXPECT_EQ(f.ShowModal(), mrCancel);
}
