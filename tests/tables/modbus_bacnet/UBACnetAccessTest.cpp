// The BACnet client editor: its rules, hints, file, the BACnet type read at
// each show, and the EDE import through the pick dialog.
#include "EditorTestKit.h"

#include "grid/editing/PlexColumnGrid.h"
#include "platform/ExtCtrls.h"
#include "platform/ScreenSize.h"
#include "platform/StdCtrls.h"
#include "tables/modbus_bacnet/UBACnetAccess.h"
#include "tables/modbus_bacnet/UImportEDEFile.h"

#include <QTimer>

namespace {

class BACnetAccessTest : public EditorTest {
protected:
  void SetUp() override {
    EditorTest::SetUp();
    Import = Create<TFImportEDEFile>();
    FImportEDEFile = Import.get();
  }
  void TearDown() override {
    FImportEDEFile = nullptr;
    Import.reset();
    SetScreenWidthOverride(0);
    EditorTest::TearDown();
  }
  void WriteType(const char* Type) {
    WriteFile(ParGenFile, QByteArray("<Par_Gen><BACnet_Master_Type>") + Type + "</BACnet_Master_Type></Par_Gen>");
  }
  // A valid read row 1 and write row 1, then the case's cells.
  static void PutValidRows(TFBACnetAccess& F) {
    const QStringList read = {"Y",
                              "192.168.0.10",
                              "Analog Input",
                              "1",
                              "Present Value (85)",
                              "4",
                              "N",
                              "",
                              "",
                              "",
                              "1000",
                              "0",
                              "0",
                              "0",
                              "",
                              "",
                              "m"};
    const QStringList write = {"Y",
                               "192.168.0.10",
                               "Analog Output",
                               "Real",
                               "1",
                               "Present Value (85)",
                               "0",
                               "4",
                               "N",
                               "",
                               "",
                               "",
                               "N",
                               "N",
                               "1000",
                               "0",
                               "0",
                               "0",
                               "",
                               "",
                               "m"};
    for (int c = 0; c < read.size(); ++c) F.PCG1->SetCellEx(c + 1, 1, read[c]);
    for (int c = 0; c < write.size(); ++c) F.PCG2->SetCellEx(c + 1, 1, write[c]);
  }
  std::unique_ptr<TFImportEDEFile> Import;
};

struct TClientCase {
  int Table;
  std::vector<std::pair<int, QString>> Cells;
  QString Dialog;  // "-": fails without a message
};

const QString R = "Error in Read, row 1";
const QString W = "Error in Write, row 1";

const TClientCase ClientCases[] = {
    {0, {{7, "Y"}, {8, "5"}, {9, "M3"}, {10, "1, 2,3"}}, ""},
    {0, {{7, "Y"}, {8, "5"}, {9, "M3"}, {10, "1,2"}}, R + "!! Destination Address has too few bytes"},
    {0, {{7, "Y"}, {8, "5"}, {9, "M3"}, {10, "1,2,3,4"}}, R + "!! Destination Address has too many bytes"},
    {0, {{7, "Y"}, {8, "5"}, {9, "M3"}, {10, "1,,2"}}, R + "!! Bytes of Destination Address must be between 0 and 255"},
    {0, {{7, "Y"}, {8, "5"}, {9, "M3"}, {10, ""}}, "-"},
    {0, {{7, "Y"}, {8, "5"}, {9, "M9"}, {10, "1"}}, R + "!! Destination Length is Wrong, choose one in List"},
    {0, {{7, "Y"}, {8, "5"}, {9, "6"}, {10, "192.168.0.15:47808"}}, ""},
    {0,
     {{7, "Y"}, {8, "5"}, {9, "6"}, {10, "192.168.0.15"}},
     R + "!! Destination Address must be in correct form, IP Address plus Port (ex. 192.168.0.15:47808)"},
    {0, {{7, "Y"}, {8, "0"}, {9, "1"}, {10, "1"}}, R + "!! Destination Network must be between 1 and 65535"},
    {0, {{7, "Y"}, {8, "5"}, {9, "3"}, {10, "1"}}, R + "!! Destination Lenght must be 1 or 2 or 6"},
    {1,
     {{3, "Positive Integer Value"}, {4, "Real"}},
     W + "!! Data Type is not correct. Aspected Data Type is Unsigned Int"},
    {1, {{3, "200"}, {4, "Boolean"}, {8, "2"}}, W + "!! NByte must be between 0 and 1"},
    {1, {{3, "200"}, {4, "Bit String"}, {8, "120"}}, ""},
    {1, {{3, "200"}, {4, "Bit String"}, {8, "121"}}, W + "!! NByte must be between 0 and 120"},
    {0, {{5, "600"}}, ""},
    {1, {{6, "600"}}, ""},
    {0, {{5, "511"}}, R + "!! Property is not correct. Select one from the list"},
    {1, {{6, "Units (117)"}}, W + "!! Property is not correct. Select one from the list"},
    {0, {{12, "65535"}}, ""},
    {0, {{12, "65536"}}, R + "!! Max Err must be between 0 and 655535"},
    {0, {{1, "N"}, {2, "x"}, {3, "y"}, {12, "-4"}}, ""},
    {0, {{1, "Y "}, {2, "x"}}, ""},  // only "Y" as it stands is enabled
    {1, {{3, "Life Safety Zone"}, {4, "Enumerated"}}, ""},
    {1, {{3, "Analog Input"}}, W + "!! Object Type is not correct. Select one from the list"},
    {0, {{4, "4294967295"}}, ""},
    {0, {{4, "4294967296"}}, R + "!! Instance must be between 0 and 4294967295"},
    {0, {{2, "192.168.0"}}, R + "!! IP Address is not correct"},
    {1, {{7, "17"}}, W + "!! Priority must be between 0 and 16"},
    {1, {{14, "Y"}, {15, "-1"}}, W + "!! Poll Time must be between 0 and 100000000"},
    {1, {{14, "N"}, {15, "-1"}}, ""},
};

}  // namespace

TEST_F(BACnetAccessTest, EveryRuleShowsItsTextWithTheTablesPrefix) {
  WriteType("0");
  auto form = Create<TFBACnetAccess>();
  for (const TClientCase& c : ClientCases) {
    SCOPED_TRACE(c.Dialog.toStdString());
    form->FormShow(form.get());
    PutValidRows(*form);
    for (const auto& [col, text] : c.Cells) (c.Table == 0 ? form->PCG1 : form->PCG2)->SetCellEx(col, 1, text);
    Dialogs->ClearRecords();
    EXPECT_EQ(form->Controllo_Dati(), c.Dialog.isEmpty());
    if (c.Dialog == "-")
      EXPECT_TRUE(Dialogs->Records().empty());
    else
      EXPECT_EQ(DialogTexts(), c.Dialog.isEmpty() ? QStringList() : QStringList({c.Dialog}));
  }
}

TEST_F(BACnetAccessTest, ThePropertyHintGivesTheByteCount) {
  WriteType("0");
  auto form = Create<TFBACnetAccess>();
  form->FormShow(form.get());
  const std::pair<const char*, const char*> cases[] = {
      {"Analog Input", "4"}, {"Binary Input", "1"}, {"Large Analog Value", "8"}, {"Multi-State Value", ""}, {"", ""}};
  for (const auto& [type, hint] : cases) {
    form->PCG1->SetCellEx(3, 1, type);
    form->PCG1->SetCellEx(5, 1, "Present Value (85)");
    QString shown = "x";
    form->PCG1->OnGridHint(form->PCG1, 1, 5, shown);
    EXPECT_EQ(shown, hint) << type;
  }
  form->PCG1->SetCellEx(3, 1, "Accumulator");
  form->PCG1->SetCellEx(5, 1, "PreScale (185)");
  QString shown;
  form->PCG1->OnGridHint(form->PCG1, 1, 5, shown);
  EXPECT_EQ(shown, "5");
  form->PCG1->OnGridHint(form->PCG1, 0, 5, shown);
  EXPECT_EQ(shown, "");
}

TEST_F(BACnetAccessTest, TheTypeIsReadAtEveryShowAndTheWidthFollowsTheScreen) {
  SetScreenWidthOverride(1270);
  auto narrow = Create<TFBACnetAccess>();
  EXPECT_EQ(narrow->ClientWidth(), 1000);
  SetScreenWidthOverride(1271);
  auto form = Create<TFBACnetAccess>();
  EXPECT_EQ(form->ClientWidth(), 1305);
  EXPECT_FALSE(form->Btn_CopyRow->Visible());
  EXPECT_EQ(form->Btn_Import_CSV->Caption(), "Import EDE File");

  for (int show = 0; show < 2; ++show) {
    Dialogs->ClearRecords();
    form->FormShow(form.get());
    EXPECT_EQ(DialogTexts(), QStringList({"Select the BACnet Type in the \"Set Communication\" section"}));
    EXPECT_EQ(form->App_BACnet_Type, 0);
  }
  EXPECT_EQ(form->PCG1->GetCellEx(2, 0), "IP Address");
  WriteType("1");
  Dialogs->ClearRecords();
  form->FormShow(form.get());
  EXPECT_TRUE(Dialogs->Records().empty());
  EXPECT_EQ(form->PCG2->GetCellEx(2, 0), "Slave ID");
  EXPECT_EQ(form->PCG1->Columns()[13]->ComboItems().Count(), 1440);
  WriteType("2");
  form->FormShow(form.get());
  EXPECT_TRUE(form->PCG1->IsHiddenColumn(2));
  WriteType("x");
  form->FormShow(form.get());
  EXPECT_EQ(form->App_BACnet_Type, 0);
}

TEST_F(BACnetAccessTest, AFileLoadsWithDefaultsAndSavesToTheSameBytes) {
  WriteType("0");
  const QByteArray file =
      "<BACnet_Master_Access><BACnet_Read><row Enable=\"N\" IP_Address_Slave_ID=\"10.0.0.1\" Object_Type=\"Analog "
      "Input\" Instance=\"3\" Property=\"Present Value (85)\" NumByte=\"4\" Enable_Destination=\"N\" "
      "Destination_Network=\"\" Destination_Length=\"\" Destination_Address=\"\" PollTime=\"1000\" MaxError=\"0\" "
      "Position=\"0\" StartBit=\"0\" Mnemonic=\"a &amp; b\"/></BACnet_Read><BACnet_Write/></BACnet_Master_Access>"
      "<!--SW_VERSION = 1.000-->\n";
  WriteFile(BACnetMasterAccessFile, file);
  auto form = Create<TFBACnetAccess>();
  form->FormShow(form.get());
  form->Btn_OKClick(form->Btn_OK);
  EXPECT_EQ(FileBytes(BACnetMasterAccessFile).toStdString(), file.toStdString());

  WriteFile(BACnetMasterAccessFile,
            "<BACnet_Master_Access><BACnet_Write><row Object_Type=\"Analog Output\"/>"
            "</BACnet_Write></BACnet_Master_Access>");
  form->FormShow(form.get());
  const std::pair<int, const char*> defaults[] = {{1, "Y"},  {2, ""}, {3, "Analog Output"}, {9, "N"}, {13, "N"},
                                                  {14, "N"}, {21, ""}};
  for (const auto& [col, text] : defaults) EXPECT_EQ(form->PCG2->GetCellEx(col, 1), text) << col;
}

TEST_F(BACnetAccessTest, ImportedObjectsFollowTheUsedRowsAndWhatDoesNotFitIsReported) {
  WriteType("0");
  const QString path = Dir.path() + "/ede/device.csv";
  QDir().mkpath(Dir.path() + "/ede");
  QStringList lines = {"a", "b", "c", "d", "e", "# mandatory", "# titles"};
  for (int i = 0; i < 5; ++i) lines << QString("K%1;7;name%1;0;%1;description %1;62;").arg(i);
  lines << "K9;7;out;4;9;commandable;;;;Y;";
  WriteFile(path, lines.join("\n").toLatin1());
  auto form = Create<TFBACnetAccess>();
  form->FormShow(form.get());
  TPlexColumnGrid* read = form->PCG1;
  read->SetCellEx(2, 1, "10.0.0.1");
  read->SetCellEx(13, 1, "10");
  read->SetCellEx(6, 1, "4");

  Dialogs->AnswerFile(path);
  QTimer::singleShot(0, [&] {
    EXPECT_TRUE(WaitActive(*Import));
    Import->E_ID_IP->SetText("192.168.0.7");
    Press(Import->Btn_OK);
  });
  form->Btn_Import_CSVClick(form->Btn_Import_CSV);
  EXPECT_EQ(LastEdeFolder, Dir.path() + "/ede");
  EXPECT_EQ(form->OD_EDE_File->InitialDir, LastEdeFolder);
  EXPECT_EQ(read->GetCellEx(2, 2), "192.168.0.7");
  EXPECT_EQ(read->GetCellEx(3, 2), "Analog Input");
  EXPECT_EQ(read->GetCellEx(5, 2), "Present Value (85)");
  EXPECT_EQ(read->GetCellEx(13, 2), "14");
  EXPECT_EQ(read->GetCellEx(13, 3), "18");
  EXPECT_EQ(read->GetCellEx(11, 2), "1000");
  EXPECT_EQ(read->GetCellEx(17, 2), "name0 - description 0");
  EXPECT_EQ(read->GetCellEx(3, 7), "Binary Output");
  EXPECT_EQ(form->PCG2->GetCellEx(3, 1), "Binary Output");
  EXPECT_EQ(form->PCG2->GetCellEx(4, 1), "Enumerated");
  EXPECT_EQ(form->PCG2->GetCellEx(17, 1), "0");
  EXPECT_TRUE(DialogTexts().isEmpty()) << DialogTexts().join("|").toStdString();
  if (std::getenv("QUILLORE_SHOTS")) {
    Show(*form);
    Shot(*form, "BACnetClientRead");
    form->PageControl1->SetActivePageIndex(1);
    Shot(*form, "BACnetClientWrite");
    form->Close();
  }

  // 510 used read rows: two of the five read objects fit.
  form->FormShow(form.get());
  for (int r = 1; r <= 510; ++r) read->SetCellEx(2, r, "10.0.0.1");
  lines.removeLast();
  WriteFile(path, lines.join("\n").toLatin1());
  Dialogs->AnswerFile(path);
  QTimer::singleShot(0, [&] {
    EXPECT_TRUE(WaitActive(*Import));
    Press(Import->Btn_OK);
  });
  form->Btn_Import_CSVClick(form->Btn_Import_CSV);
  EXPECT_EQ(read->GetCellEx(3, 512), "Analog Input");
  EXPECT_EQ(read->GetCellEx(4, 512), "1");
  EXPECT_EQ(DialogTexts(), QStringList({"Warning!! Not enough free rows: 3 objects were not imported"}));

  // Type 2: the rows end at the first empty Object Type; column 2 still gets the ID.
  WriteType("2");
  form->FormShow(form.get());
  read->SetCellEx(3, 1, "Analog Value");
  read->SetCellEx(13, 1, "0");
  read->SetCellEx(6, 1, "2");
  Dialogs->ClearRecords();
  Dialogs->AnswerFile(path);
  QTimer::singleShot(0, [&] {
    EXPECT_TRUE(WaitActive(*Import));
    Import->E_ID_IP->SetText("anything");
    Press(Import->Btn_OK);
  });
  form->Btn_Import_CSVClick(form->Btn_Import_CSV);
  EXPECT_EQ(read->GetCellEx(3, 2), "Analog Input");
  EXPECT_EQ(read->GetCellEx(2, 2), "anything");
  EXPECT_EQ(read->GetCellEx(13, 2), "2");

  // A file that is not there: no dialog, no rows, but its folder is kept.
  Dialogs->AnswerFile(Dir.path() + "/missing/none.csv");
  form->Btn_Import_CSVClick(form->Btn_Import_CSV);
  EXPECT_EQ(LastEdeFolder, Dir.path() + "/missing");
}

TEST_F(BACnetAccessTest, TheEditorDrivenByTheUser) {
  WriteType("1");
  SetScreenWidthOverride(1920);  // the wide form: every typed column in sight
  auto form = Create<TFBACnetAccess>();
  TPlexColumnGrid* read = form->PCG1;
  TPlexColumnGrid* write = form->PCG2;
  const auto steps = [&] {
    ASSERT_TRUE(WaitActive(*form));
    TypeRow(read, 1, 2, {"5", "", "1", "", "4"});
    TypeAfterF2(read, 3, 1, "Analog Input");
    TypeAfterF2(read, 5, 1, "Present Value (85)");
    TypeRow(read, 1, 11, {"1000", "70000"});
    TypeRow(read, 2, 2, {"6", "", "2", "", "1"});
    TypeAfterF2(read, 3, 2, "Binary Input");
    TypeAfterF2(read, 5, 2, "Present Value (85)");
    TypeRow(read, 2, 11, {"500", "0"});
    form->PageControl1->SetActivePageIndex(1);
    QApplication::processEvents();
    TypeInto(write, 2, 1, "5");
    TypeAfterF2(write, 3, 1, "Analog Output");
    Pick(write, 4, 1, 4);  // Real
    TypeRow(write, 1, 5, {"3", "", "8", "4"});
    TypeAfterF2(write, 6, 1, "Present Value (85)");
    TypeRow(write, 1, 15, {"0", "0"});
    EXPECT_EQ(write->GetCellEx(16, 1), "0");
    ClickCell(write, 2, 1);
    Press(form->Btn_InsRow);
    EXPECT_EQ(write->GetCellEx(1, 1), "Y");
    EXPECT_EQ(write->GetCellEx(2, 2), "5");
    Dialogs->Answer(mrYes);
    Press(form->Btn_DelRow);
    EXPECT_EQ(Dialogs->Records().back().Text, "Are you sure to delete the Row number 1");
    EXPECT_EQ(write->GetCellEx(2, 1), "5");
    Shot(*form, "BACnetClientSlaveID");
    Dialogs->ClearRecords();
    Press(form->Btn_OK);
    EXPECT_EQ(DialogTexts(), QStringList({"Error in Read, row 1!! Max Err must be between 0 and 655535"}));
    form->PageControl1->SetActivePageIndex(0);
    QApplication::processEvents();
    ClickCell(read, 12, 1);
    QTest::keyClick(read->Widget(), Qt::Key_F2);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(QApplication::focusWidget(), "7");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    Dialogs->ClearRecords();
    Press(form->Btn_OK);
    EXPECT_TRUE(Dialogs->Records().empty()) << DialogTexts().join("|").toStdString();
  };
  QTimer::singleShot(0, [&] {
    steps();
    if (form->ModalResult() == mrNone) form->SetModalResult(mrAbort);
  });
  EXPECT_EQ(form->ShowModal(), mrOk);
  const QByteArray saved = FileBytes(BACnetMasterAccessFile);
  EXPECT_TRUE(
      saved.contains("<row Enable=\"Y\" IP_Address_Slave_ID=\"5\" Object_Type=\"Analog Input\" Instance=\"1\" "
                     "Property=\"Present Value (85)\" NumByte=\"4\""))
      << saved.toStdString();
  EXPECT_TRUE(saved.contains("MaxError=\"7\"")) << saved.toStdString();
  EXPECT_TRUE(saved.contains("Data_Type=\"Real\"")) << saved.toStdString();
}
