// The BACnet server objects editor: its rules, its file, the row count that
// follows BACnet_Desc_Chars_Limit, and the editor driven by the user with the
// unit chooser.
#include "EditorTestKit.h"

#include "grid/editing/PlexColumnGrid.h"
#include "platform/ExtCtrls.h"
#include "platform/StdCtrls.h"
#include "tables/modbus_bacnet/UBACnetSlaveSetAccess.h"
#include "tables/modbus_bacnet/UBACnet_Eng_Unit.h"

#include <QTimer>

namespace {

class BACnetSlaveTest : public EditorTest {
protected:
  void SetUp() override {
    EditorTest::SetUp();
    Units = Create<TFBACnet_Eng_Unit>();
    FBACnet_Eng_Unit = Units.get();
  }
  void TearDown() override {
    FBACnet_Eng_Unit = nullptr;
    Units.reset();
    EditorTest::TearDown();
  }
  void WriteLimit(const char* Value) {
    WriteFile(ParGenFile,
              QByteArray("<Par_Gen><BACnet_Desc_Chars_Limit>") + Value + "</BACnet_Desc_Chars_Limit></Par_Gen>");
  }
  static void PutObject(TPlexStringGrid* Grid, int ARow, const QStringList& Cells) {
    for (int c = 0; c < Cells.size(); ++c) Grid->SetCellEx(c + 1, ARow, Cells[c]);
  }
  std::unique_ptr<TFBACnet_Eng_Unit> Units;
};

struct TObjectCase {
  int Table;
  // Data Type, Eng. Unit, Position, Start Bit, Length.
  QStringList Cells;
  QString Dialog;
};

const QString Read = "Error row 1!! [BACnet in Read] ";
const QString Write = "Error row 1!! [BACnet in Write] ";

const TObjectCase ObjectCases[] = {
    {0, {"Analog Input", "62", "1497", "", "4"}, Read + "Too many bytes to save starting from the Position indicate"},
    {0, {"Analog Input", "62", "1496", "", "4"}, ""},
    {0, {"Integer Value", "62", "0", "", "6"}, ""},
    {0, {"Integer Value", "62", "0", "", ""}, ""},
    {0, {"Binary Value", "62", "3", "", ""}, Read + "Bit must be between 0 and 7"},
    {0, {"Binary Input", "62", "1499", "7", ""}, ""},
    {0, {"Analog Input", "65535", "0", "", "2"}, ""},
    {0, {"Analog Input", "65536", "0", "", "2"}, Read + "Eng. Unit must be between 0 and 65535"},
    {0, {"Analog Input", "", "0", "", "2"}, Read + "Eng. Unit must be between 0 and 65535"},
    {0, {"Analog Input", "1", "1500", "", "2"}, Read + "Position must be between 0 and 1499"},
    {0, {"Analog Input", "1", "0", "", "x"}, Read + "Length with variable \"Analog Input\" must be between 1 and 4"},
    {0, {"Access Door", "1", "0", "", "2"}, Read + "Length with variable \"Access Door\" must be equal to 1"},
    {0, {"Life Safety Zone", "1", "0", "", "3"}, Read + "Length with variable \"Life Safety Zone\" must be 1 or 2"},
    {0, {"analog input", "1", "1499", "", "9"}, Read + "Too many bytes to save starting from the Position indicate"},
    {1, {"Analog Out", "1", "0", "", "5"}, Write + "Length with variable \"Analog Out\" must be between 1 and 4"},
    {1, {"Integer Value", "1", "0", "", "5"}, Write + "Length with variable \"Integer Value\" must be between 1 and 4"},
    {1, {"Binary Out", "1", "0", "", ""}, Write + "Bit must be between 0 and 7"},
    {1, {"Binary Input", "1", "0", "", "4"}, ""},
    {1, {"Large Analog Value", "1", "1492", "", "8"}, ""},
    {1,
     {"Large Analog Value", "1", "1493", "", "8"},
     Write + "Too many bytes to save starting from the Position indicate"},
};

}  // namespace

TEST_F(BACnetSlaveTest, EveryObjectRuleShowsItsText) {
  auto form = Create<TFBACnetSlaveSetAccess>();
  for (const TObjectCase& c : ObjectCases) {
    SCOPED_TRACE(c.Cells.join(",").toStdString());
    form->FormShow(form.get());
    PutObject(c.Table == 0 ? form->PCG_BACnet_in_Read : form->PCG_BACnet_in_Write, 1, c.Cells);
    Dialogs->ClearRecords();
    EXPECT_EQ(form->Controllo_Dati(), c.Dialog.isEmpty());
    EXPECT_EQ(DialogTexts(), c.Dialog.isEmpty() ? QStringList() : QStringList({c.Dialog}));
  }
}

TEST_F(BACnetSlaveTest, TheObjectTotalOfBothTablesHasItsLimit) {
  auto form = Create<TFBACnetSlaveSetAccess>();
  for (bool limited : {true, false}) {
    SCOPED_TRACE(limited);
    if (limited)
      WriteLimit("1");
    else
      WriteLimit(" 1");
    form->FormShow(form.get());
    EXPECT_EQ(form->Desc_Lenght, limited);
    for (int r = 1; r <= 600; ++r) PutObject(form->PCG_BACnet_in_Read, r, {"Analog Input", "1", "0", "", "1"});
    for (int r = 1; r <= 401; ++r) PutObject(form->PCG_BACnet_in_Write, r, {"Analog Out", "1", "0", "", "1"});
    Dialogs->ClearRecords();
    EXPECT_EQ(form->Controllo_Dati(), !limited);
    EXPECT_EQ(DialogTexts(), limited ? QStringList({"Error!! Too many Requests. Max requests 1000"}) : QStringList());
  }
}

TEST_F(BACnetSlaveTest, TheRowCountFollowsTheLimitAtEveryShowAndNoRowStaysStale) {
  auto form = Create<TFBACnetSlaveSetAccess>();
  form->FormShow(form.get());
  TPlexColumnGrid* read = form->PCG_BACnet_in_Read;
  EXPECT_EQ(read->RowCount(), 2001);
  read->SetCellEx(1, 900, "Analog Input");
  read->SetCellEx(7, 1500, "stale");
  WriteLimit("1");
  form->FormShow(form.get());
  EXPECT_EQ(read->RowCount(), 1001);
  EXPECT_EQ(form->PCG_BACnet_in_Write->RowCount(), 1001);
  EXPECT_EQ(read->GetCellEx(1, 900), "");
  EXPECT_EQ(read->GetCellEx(0, 1000), "1000");
  QFile::remove(ParGenFile);
  form->FormShow(form.get());
  EXPECT_EQ(read->RowCount(), 2001);
  EXPECT_EQ(read->GetCellEx(7, 1500), "");
  EXPECT_EQ(read->GetCellEx(0, 2000), "2000");
  EXPECT_TRUE(Dialogs->Records().empty());
}

TEST_F(BACnetSlaveTest, AFileLoadsAndSavesToTheSameBytes) {
  const QByteArray file =
      "<BACnet_to_Modbus><BACnet_in_Read><row Data_Type=\"Analog Input\" Eng_Unit=\"62\" Position=\"0\" Bit=\"\" "
      "Length=\"4\" Swap=\"N\" Mnemonic=\"Room &lt;1&gt;\"/><row Data_Type=\"Binary Value\" Eng_Unit=\"95\" "
      "Position=\"4\" Bit=\"2\" Length=\"\" Swap=\"Y\" Mnemonic=\"\"/></BACnet_in_Read><BACnet_in_Write><row "
      "Data_Type=\"Analog Out\" Eng_Unit=\"98\" Position=\"0\" Bit=\"\" Length=\"4\" Swap=\"N\" Mnemonic=\"Valve\"/>"
      "</BACnet_in_Write></BACnet_to_Modbus><!--SW_VERSION = 1.003-->\n";
  WriteFile(BACnetSlaveFile, file);
  auto form = Create<TFBACnetSlaveSetAccess>();
  form->FormShow(form.get());
  EXPECT_EQ(form->PCG_BACnet_in_Read->GetCellEx(7, 1), "Room <1>");
  form->Btn_OKClick(form->Btn_OK);
  EXPECT_EQ(form->ModalResult(), mrOk);
  EXPECT_EQ(FileBytes(BACnetSlaveFile), file);

  // Swap takes "N" when missing; a row without Eng_Unit stops the load.
  WriteFile(BACnetSlaveFile,
            "<BACnet_to_Modbus><BACnet_in_Read><row Data_Type=\"Analog Input\" Eng_Unit=\"62\" Position=\"0\" Bit=\"\" "
            "Length=\"4\" Mnemonic=\"\"/><row Data_Type=\"Analog Value\" Position=\"0\" Bit=\"\" Length=\"4\" "
            "Mnemonic=\"\"/></BACnet_in_Read></BACnet_to_Modbus>");
  form->FormShow(form.get());
  EXPECT_EQ(form->PCG_BACnet_in_Read->GetCellEx(6, 1), "N");
  EXPECT_EQ(form->PCG_BACnet_in_Read->GetCellEx(1, 2), "Analog Value");
  EXPECT_EQ(form->PCG_BACnet_in_Read->GetCellEx(3, 2), "");
  ASSERT_EQ(Dialogs->Records().size(), 1u);
  EXPECT_EQ(Dialogs->Records()[0].Type, mtError);
}

TEST_F(BACnetSlaveTest, AFileWithMoreRowsThanTheTableLoadsWhatFits) {
  WriteLimit("1");
  QByteArray rows;
  for (int i = 0; i < 1002; ++i)
    rows += "<row Data_Type=\"Analog Input\" Eng_Unit=\"" + QByteArray::number(i) +
            "\" Position=\"0\" Bit=\"\" Length=\"1\" Mnemonic=\"\"/>";
  WriteFile(BACnetSlaveFile, "<BACnet_to_Modbus><BACnet_in_Read>" + rows + "</BACnet_in_Read></BACnet_to_Modbus>");
  auto form = Create<TFBACnetSlaveSetAccess>();
  form->FormShow(form.get());
  EXPECT_EQ(form->PCG_BACnet_in_Read->GetCellEx(2, 1000), "999");
  ASSERT_EQ(Dialogs->Records().size(), 1u);
  EXPECT_TRUE(Dialogs->Records()[0].Text.contains("2"));
}

TEST_F(BACnetSlaveTest, TheEditorDrivenByTheUserWithTheUnitChooser) {
  auto form = Create<TFBACnetSlaveSetAccess>();
  EXPECT_EQ(form->ClientWidth(), 764);
  EXPECT_EQ(form->BorderStyle(), bsSizeable);
  TPlexColumnGrid* read = form->PCG_BACnet_in_Read;
  TPlexColumnGrid* write = form->PCG_BACnet_in_Write;
  EXPECT_EQ(read->GetCellEx(2, 0), "Eng. Unit");
  EXPECT_TRUE(read->IsHiddenColumn(6));
  const auto steps = [&] {
    ASSERT_TRUE(WaitActive(*form));
    EXPECT_EQ(form->PageControl1->ActivePageIndex(), 0);
    Pick(read, 1, 1, 5);  // Large Analog Value: no preset on the read page
    EXPECT_EQ(read->GetCellEx(1, 1), "Large Analog Value");
    EXPECT_EQ(read->GetCellEx(5, 1), "");
    TypeRow(read, 1, 2, {"62", "", "", "8", "Outdoor air"});
    Pick(read, 3, 1, 0);
    // The unit cell holding 62: the chooser shows it; Cancel keeps it.
    QTimer::singleShot(0, [&] {
      EXPECT_TRUE(WaitActive(*Units));
      EXPECT_EQ(Units->E_Selected_EU->Text(), "62");
      EXPECT_EQ(Units->Label5->Caption(), "-> degrees-Celsius");
      Press(Units->Btn_Cancel);
    });
    DoubleClickCell(read, 2, 1);
    EXPECT_EQ(read->GetCellEx(2, 1), "62");
    // A pick and OK write the new code.
    QTimer::singleShot(0, [&] {
      EXPECT_TRUE(WaitActive(*Units));
      Units->CB_Select_Type->SetItemIndex(7);
      Units->CB_Select_TypeSelect(Units->CB_Select_Type);
      Press(Units->Btn_Select_Eng_Unit);
      Press(Units->Btn_OK);
    });
    DoubleClickCell(read, 2, 1);
    EXPECT_EQ(read->GetCellEx(2, 1), "153");
    ASSERT_TRUE(WaitActive(*form));  // the editor takes the keyboard back

    form->PageControl1->SetActivePageIndex(1);
    QApplication::processEvents();
    Pick(write, 1, 1, 5);
    EXPECT_EQ(write->GetCellEx(5, 1), "8");
    TypeInto(write, 2, 1, "70000");
    Pick(write, 3, 1, 100);
    Pick(write, 1, 2, 0);  // Analog Out: Length 4
    EXPECT_EQ(write->GetCellEx(5, 2), "4");
    TypeInto(write, 2, 2, "98");
    Pick(write, 3, 2, 0);
    Shot(*form, "BACnetSlave");

    // The row buttons on the write page: insert, delete No and Yes.
    ClickCell(write, 2, 1);
    Press(form->Btn_InsRow);
    EXPECT_EQ(write->GetCellEx(1, 1), "");
    EXPECT_EQ(write->GetCellEx(1, 2), "Large Analog Value");
    Dialogs->Answer(mrNo);
    Press(form->Btn_DelRow);
    EXPECT_EQ(Dialogs->Records().back().Text, "Are you sure to delete the Row number 1");
    EXPECT_EQ(write->GetCellEx(1, 1), "");
    Dialogs->Answer(mrYes);
    Press(form->Btn_DelRow);
    EXPECT_EQ(write->GetCellEx(1, 1), "Large Analog Value");

    Dialogs->ClearRecords();
    Press(form->Btn_OK);
    EXPECT_EQ(DialogTexts(), QStringList({"Error row 1!! [BACnet in Write] Eng. Unit must be between 0 and 65535"}));
    EXPECT_EQ(form->ModalResult(), mrNone);
    EXPECT_FALSE(QFile::exists(BACnetSlaveFile));
    // The text typed replaces the cell's text when it is selected first.
    ClickCell(write, 2, 1);
    QTest::keyClick(write->Widget(), Qt::Key_F2);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(QApplication::focusWidget(), "98");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(write->GetCellEx(2, 1), "98");
    Dialogs->ClearRecords();
    Press(form->Btn_OK);
    EXPECT_TRUE(Dialogs->Records().empty()) << DialogTexts().join("|").toStdString();
  };
  QTimer::singleShot(0, [&] {
    steps();
    if (form->ModalResult() == mrNone) form->SetModalResult(mrAbort);
  });
  EXPECT_EQ(form->ShowModal(), mrOk);
  EXPECT_EQ(FileBytes(BACnetSlaveFile).toStdString(),
            "<BACnet_to_Modbus><BACnet_in_Read><row Data_Type=\"Large Analog Value\" Eng_Unit=\"153\" Position=\"0\" "
            "Bit=\"\" Length=\"8\" Swap=\"\" Mnemonic=\"Outdoor air\"/></BACnet_in_Read><BACnet_in_Write><row "
            "Data_Type=\"Large Analog Value\" Eng_Unit=\"98\" Position=\"100\" Bit=\"\" Length=\"8\" Swap=\"\" "
            "Mnemonic=\"\"/><row Data_Type=\"Analog Out\" Eng_Unit=\"98\" Position=\"0\" Bit=\"\" Length=\"4\" "
            "Swap=\"\" Mnemonic=\"\"/></BACnet_in_Write></BACnet_to_Modbus><!--SW_VERSION = 1.003-->\n");
}
