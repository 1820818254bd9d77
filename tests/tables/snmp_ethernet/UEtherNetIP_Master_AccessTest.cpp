// The EtherNet/IP slave table: its scan and totals, its file, and the EDS
// import as a user runs it (open dialog, the connection list, OK).
#include "tables/snmp_ethernet/UEtherNetIP_Master_Access.h"

#include "../../common/tables/UnwritableFolder.h"
#include "EditorTestKit.h"
#include "grid/editing/PlexColumnGrid.h"
#include "platform/ExtCtrls.h"
#include "platform/Timers.h"
#include "tables/snmp_ethernet/UEtherNEtIP_EDS.h"

#include <QTimer>

#include <memory>
#include <vector>

namespace {

// A valid enabled slave, columns 1 to 14.
QStringList SlaveRow(int N, const QString& NumInput = "10") {
  return {
      "Y", QString("10.0.0.%1").arg(N), "0", NumInput, "0", "10", "100", "1", "100", "1", "101", "Default", "Default",
      ""};
}

class EtherNetIPMasterAccess : public SnmpEthernetEditorTest {
protected:
  void SetUp() override {
    SnmpEthernetEditorTest::SetUp();
    FEtherNEtIP_EDS = new TFEtherNEtIP_EDS(nullptr);
    FEtherNEtIP_EDS->DoCreate();
    Eds.reset(FEtherNEtIP_EDS);
  }
  void TearDown() override {
    Form.reset();
    Eds.reset();
    FEtherNEtIP_EDS = nullptr;
    SnmpEthernetEditorTest::TearDown();
  }
  TFEtherNetIP_Master_Access& Open() {
    Form = std::make_unique<TFEtherNetIP_Master_Access>(nullptr);
    Form->DoCreate();
    Show(*Form);
    return *Form;
  }
  TPlexStringGrid* Grid() const { return Form->PCG; }
  void PutRow(int ARow, const QStringList& Texts) {
    for (int c = 1; c <= int(Texts.size()); ++c) Grid()->SetCellEx(c, ARow, Texts[c - 1]);
  }
  QStringList Check(const std::vector<QStringList>& Rows) {
    Form->FormShow(Form.get());
    for (int r = 0; r < int(Rows.size()); ++r) PutRow(r + 1, Rows[size_t(r)]);
    Dialogs->ClearRecords();
    const bool passed = Form->Controllo_Dati();
    EXPECT_EQ(passed, Messages().isEmpty());
    return Messages();
  }
  QStringList RowTexts(int ARow) const {
    QStringList texts;
    for (int c = 1; c <= 14; ++c) texts << Grid()->GetCellEx(c, ARow);
    return texts;
  }

  std::unique_ptr<TFEtherNEtIP_EDS> Eds;
  std::unique_ptr<TFEtherNetIP_Master_Access> Form;
};

}  // namespace

TEST_F(EtherNetIPMasterAccess, CreationBuildsTheTableAndTheImportButton) {
  TFEtherNetIP_Master_Access& f = Open();
  EXPECT_EQ(f.ClientWidth(), 1180);
  EXPECT_EQ(f.ClientHeight(), 337);
  EXPECT_EQ(f.PCG->ColCount(), 15);
  EXPECT_EQ(f.PCG->RowCount(), 11);
  EXPECT_EQ(f.Btn_Import_EDS->Caption(), "Import EDS");
  EXPECT_EQ(f.Btn_Import_EDS->Hint(), LangText(4960));
  EXPECT_EQ(f.Btn_Import_EDS->Parent(), static_cast<TWinControl*>(f.P_Button));
  EXPECT_GT(f.Btn_Import_EDS->Left(), f.Btn_PasteRow->Left());
  EXPECT_LT(f.Btn_Import_EDS->Left() + f.Btn_Import_EDS->Width(), f.Btn_OK->Left());
  EXPECT_EQ(f.OD_EDS->Filter, "EtherNet/IP EDS (*.eds)|*.eds");
  const std::pair<int, const char*> headers[] = {
      {8, "Instance T > O"},    {9, "Conn. Point T > O"}, {10, "Instance O > T"}, {11, "Conn. Point O > T"},
      {12, "Dim Header T > O"}, {13, "Dim Header O > T"}, {14, "Mnemonic"}};
  for (const auto& [col, text] : headers) EXPECT_EQ(f.PCG->Columns()[col]->Header(), text) << col;
  EXPECT_EQ(f.PCG->Columns()[12]->ComboItems().CommaText(), "Default");
  EXPECT_EQ(f.Num_Byte_In, 1438);
  QString hint;
  f.GridHint(f.PCG, 0, 9, hint);
  EXPECT_EQ(hint, LangText(4949));
}

TEST_F(EtherNetIPMasterAccess, RulesAndTotalsHaveTheirTexts) {
  Open();
  struct Case {
    int Col;
    QString Value;
    QString Message;
  };
  const QString r1 = "Error row 1";
  const Case cases[] = {
      {0, "", ""},
      {2, "10.0.0", r1 + LangText(4932)},
      {3, "-1", r1 + "!! Start Input must be major or equal to 0"},
      {4, "65536", r1 + LangText(4934)},
      {5, "x", r1 + LangText(4935)},
      {6, "", r1 + LangText(4936)},
      {7, "0", r1 + "!! Poll Time must be between 1 and 100000000"},
      {7, "100000000", ""},
      {8, "65536", r1 + LangText(4945)},
      {9, "-1", r1 + LangText(4951)},
      {10, "", r1 + LangText(4946)},
      {11, "0x10000", r1 + LangText(4952)},
      {12, " default ", ""},
      {12, "7", ""},
      {12, "8", r1 + "!! Dimension Header T > O must be between 0 and 7. Default Value 0"},
      {13, "", r1 + LangText(4958)},
  };
  for (const Case& c : cases) {
    QStringList row = SlaveRow(1);
    if (c.Col) row[c.Col - 1] = c.Value;
    EXPECT_EQ(Check({row}), c.Message.isEmpty() ? QStringList() : QStringList{c.Message})
        << c.Col << " " << c.Value.toStdString();
  }

  std::vector<QStringList> ten;
  for (int n = 1; n <= 10; ++n) ten.push_back(SlaveRow(n, "143"));
  EXPECT_EQ(Check(ten), QStringList());
  ten[9][3] = "152";  // 1439 in all
  EXPECT_EQ(Check(ten), QStringList{"Error!! The Total Number of Input Bytes must be between 0 and 1438"});
  ten[9][0] = "n";  // a disabled row does not count
  EXPECT_EQ(Check(ten), QStringList());
  ten[9][0] = "Y";
  ten[9][3] = "143";
  ten[0][5] = "1439";
  EXPECT_EQ(Check(ten), QStringList{"Error!! The Total Number of Output Bytes must be between 0 and 1438"});
}

TEST_F(EtherNetIPMasterAccess, ADisabledEmptyRowDoesNotEndTheScanButEndsTheSavedTable) {
  TFEtherNetIP_Master_Access& f = Open();
  QStringList gap = SlaveRow(2);
  gap[0] = "N";
  gap[1] = "";
  QStringList bad = SlaveRow(3);
  bad[6] = "0";
  EXPECT_EQ(Check({SlaveRow(1), gap, bad}), QStringList{"Error row 3" + LangText(4937)});
  bad[6] = "100";
  EXPECT_EQ(Check({SlaveRow(1), gap, bad}), QStringList());
  Press(f.Btn_OK);
  EXPECT_EQ(f.ModalResult(), mrOk);
  EXPECT_EQ(ReadBytes(EtherNetIPMasterRulesFile).count("<row "), 1);

  // An enabled row with an empty address ends the scan: the rows after it are not checked.
  QStringList end = SlaveRow(2);
  end[1] = " ";
  EXPECT_EQ(Check({SlaveRow(1), end, {"Y", "bad"}}), QStringList());
}

TEST_F(EtherNetIPMasterAccess, TheFileReloadsByteForByteAndMissingAttributesTakeDefaults) {
  const QByteArray file =
      "<EtherNetIP_Master_Access><row Enable=\"Y\" IP_Address=\"10.0.0.1\" Start_Input=\"0\" Num_Input=\"10\" "
      "Start_Output=\"0\" Num_Output=\"10\" Time_Poll=\"100\" Instance_T_O=\"1\" Connection_Point_T_O=\"100\" "
      "Instance_O_T=\"1\" Connection_Point_O_T=\"101\" Dim_Header_T_O=\"Default\" Dim_Header_O_T=\" 4\" "
      "Mnemonic=\"&lt;pump&gt;\"/><row Enable=\"N\" IP_Address=\"x\" Start_Input=\"\" Num_Input=\"\" Start_Output=\"\" "
      "Num_Output=\"\" Time_Poll=\"\" Instance_T_O=\"\" Connection_Point_T_O=\"\" Instance_O_T=\"\" "
      "Connection_Point_O_T=\"\" Dim_Header_T_O=\"\" Dim_Header_O_T=\"\" Mnemonic=\"\"/></EtherNetIP_Master_Access>"
      "<!--SW_VERSION = 1.000-->\n";
  WriteBytes(EtherNetIPMasterRulesFile, file);
  TFEtherNetIP_Master_Access& f = Open();
  Press(f.Btn_OK);
  EXPECT_EQ(f.ModalResult(), mrOk);
  EXPECT_EQ(ReadBytes(EtherNetIPMasterRulesFile).toStdString(), file.toStdString());

  WriteBytes(EtherNetIPMasterRulesFile,
             "<EtherNetIP_Master_Access><row IP_Address=\"10.0.0.5\"/></EtherNetIP_Master_Access>");
  f.Hide();
  Show(f);
  EXPECT_EQ(RowTexts(1), QStringList({"N", "10.0.0.5", "", "", "", "", "", "", "", "", "", "Default", "Default", ""}));
  EXPECT_EQ(Grid()->GetCellEx(1, 2), "Y");  // the cleared rows
}

TEST_F(EtherNetIPMasterAccess, AFileThatCannotBeWrittenKeepsTheOldOneAndTheFormOpen) {
  WriteBytes(EtherNetIPMasterRulesFile, "<EtherNetIP_Master_Access/>");
  TFEtherNetIP_Master_Access& f = Open();
  PutRow(1, SlaveRow(1));
  {
    TUnwritableFolder readOnly(Dir.path());
    if (!readOnly.Set()) GTEST_SKIP() << "the file system cannot lock a folder here";
    Press(f.Btn_OK);
  }
  EXPECT_EQ(f.ModalResult(), mrNone);
  ASSERT_EQ(Dialogs->Records().size(), 1u);
  EXPECT_TRUE(Dialogs->Records()[0].Text.contains(EtherNetIPMasterRulesFile));
  EXPECT_EQ(ReadBytes(EtherNetIPMasterRulesFile), "<EtherNetIP_Master_Access/>");
}

TEST_F(EtherNetIPMasterAccess, ImportingAnEdsFillsTheFirstFreeRowWithThePickedConnection) {
  TFEtherNetIP_Master_Access& f = *(Form = std::make_unique<TFEtherNetIP_Master_Access>(nullptr));
  f.DoCreate();
  TPlexStringGrid* g = f.PCG;
  TFEtherNEtIP_EDS& eds = *FEtherNEtIP_EDS;
  QTimer::singleShot(0, [&] {
    EXPECT_TRUE(WaitActive(f));
    PutRow(1, SlaveRow(1));
    TypeInto(g, 8, 2, "5");   // row 2 has an instance: not free
    TypeInto(g, 4, 3, "20");  // row 3 has neither address nor instance
    TypeInto(g, 14, 3, "kept");
    Dialogs->AnswerFile(SnmpEthernetFixture("eds/two_connections.eds"));
    QTimer::singleShot(0, [&] {
      EXPECT_TRUE(WaitActive(eds));
      EXPECT_EQ(eds.PCG->RowCount(), 3);
      EXPECT_EQ(eds.PCG->GetCellEx(0, 2), "Connection2");
      EXPECT_EQ(eds.PCG->GetCellEx(7, 1), "Default");
      EXPECT_EQ(eds.PCG->GetCellEx(8, 2), "3");
      Shot(eds, "EtherNEtIP_EDS.png");
      ClickCell(eds.PCG, 1, 2);
      EXPECT_EQ(eds.PCG->Row(), 2);
      EXPECT_FALSE(eds.PCG->EditorMode());
      Press(eds.Btn_OK);
    });
    Press(f.Btn_Import_EDS);
    EXPECT_EQ(Dialogs->Records()[0].Kind, TDialogKind::OpenFile);
    EXPECT_EQ(Dialogs->Records()[0].Filter, "EtherNet/IP EDS (*.eds)|*.eds");
    EXPECT_EQ(RowTexts(3), QStringList({"Y", "", "", "20", "", "", "", "150", "100", "150", "102", "3", "2", "kept"}));
    EXPECT_EQ(g->GetCellEx(8, 2), "5");
    Shot(f, "EtherNetIP_Master_Access.png");
    Press(f.Btn_Cancel);
  });
  EXPECT_EQ(f.ShowModal(), mrCancel);
}

TEST_F(EtherNetIPMasterAccess, NoFreeRowOrNoConnectionChangesNothing) {
  TFEtherNetIP_Master_Access& f = Open();
  for (int r = 1; r <= 10; ++r) PutRow(r, SlaveRow(r));
  const QStringList before = RowTexts(10);
  QTimer::singleShot(0, [&] {
    EXPECT_TRUE(WaitActive(*FEtherNEtIP_EDS));
    QTest::keyClick(FEtherNEtIP_EDS->PCG->Widget(), Qt::Key_Return);  // Enter on the list is OK
  });
  Dialogs->AnswerFile(SnmpEthernetFixture("eds/two_connections.eds"));
  Press(f.Btn_Import_EDS);
  EXPECT_EQ(RowTexts(10), before);

  // A file without connections: the message, then Cancel; nothing copied.
  Grid()->SetCellEx(2, 10, "");
  Grid()->SetCellEx(8, 10, "");
  Dialogs->ClearRecords();
  Dialogs->AnswerFile(SnmpEthernetFixture("eds/no_section.eds"));
  Press(f.Btn_Import_EDS);
  ASSERT_EQ(Dialogs->Records().size(), 2u);
  EXPECT_EQ(Dialogs->Records()[1].Text, "Error!! No Valid Connection found");
  EXPECT_EQ(FEtherNEtIP_EDS->ModalResult(), mrCancel);
  EXPECT_EQ(Grid()->GetCellEx(9, 10), "100");

  // No file chosen: no dialog at all.
  Dialogs->ClearRecords();
  Dialogs->CancelFile();
  Press(f.Btn_Import_EDS);
  EXPECT_EQ(Dialogs->Records().size(), 1u);
}

TEST_F(EtherNetIPMasterAccess, TheDataPathCheckReadsCommaSeparatedBytes) {
  const std::tuple<QString, int, int> cases[] = {
      {"20, 04, 24 ,01", 4, 0}, {"20,04", 3, 2}, {"20,,04", 1, 1}, {"", 0, 1}, {"100", 1, 1},
      {"0x20", 1, 1},           {"ff", 1, 0}};
  for (const auto& [text, count, result] : cases)
    EXPECT_EQ(TFEtherNetIP_Master_Access::Err_Check_Data_Path(text, count), result) << text.toStdString();
}
