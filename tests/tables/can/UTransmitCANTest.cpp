// The CAN transmit editor: its table, the defaults of loading (the time
// depending on the row's own timer flag), the file, and the table driven by
// keys and mouse.
#include "tables/can/UTransmitCAN.h"

#include "CanEditorFixture.h"


namespace {

class UTransmitCANTest : public CanEditorFixture {};

const QByteArray Frames =
    "<Transmit_Frames>"
    "<row Enable=\"Y\" COBID=\"$201\" CAN_Type=\"2.0B (29 bits)\" Dim=\"3\" OnChange=\"Y\" OnCMD=\"N\" OnTimer=\"Y\""
    " Time=\"250\" Byte1=\"2499\" Byte2=\"None\" Byte3=\"\" Byte4=\"\" Byte5=\"\" Byte6=\"\" Byte7=\"\" Byte8=\"\""
    " Mnemonic=\"Valve &lt;1&gt;\"/>"
    "<row Enable=\"N\" COBID=\"99999\" CAN_Type=\"2.0A (11 bits)\" Dim=\"\" OnChange=\"N\" OnCMD=\"Y\" OnTimer=\"N\""
    " Time=\"abc\" Byte1=\"\" Byte2=\"\" Byte3=\"\" Byte4=\"\" Byte5=\"\" Byte6=\"\" Byte7=\"\" Byte8=\"\" Mnemonic=\" \"/>"
    "</Transmit_Frames><!--SW_VERSION = 1.000-->\n";

}  // namespace

TEST_F(UTransmitCANTest, TheOnCMDColumnTakesItsTextsFromTheEndOfTheBlock) {
  auto form = Create<TFTransmitCAN>();
  TPlexColumnGrid* grid = form->PCG_CAN_Transmit;
  EXPECT_EQ(form->ClientWidth(), 1100);
  ASSERT_EQ(grid->ColCount(), 18);
  EXPECT_EQ(grid->RowCount(), 513);
  const QStringList headers{"N",     "Enable", "CobID", "Type",  "Dimension", "OnChange", "OnCMD", "OnTimer", "Time",
                            "Byte1", "Byte2",  "Byte3", "Byte4", "Byte5",     "Byte6",    "Byte7", "Byte8",   "Mnemonic"};
  for (int c = 0; c < 18; ++c) EXPECT_EQ(grid->GetCellEx(c, 0), headers[c]) << c;
  for (int c : {1, 5, 6, 7}) EXPECT_EQ(grid->Columns()[c]->Editor(), edDataCheckBox) << c;
  EXPECT_EQ(grid->Columns()[8]->Color(), TColor(0xA8FFA8));
  EXPECT_EQ(grid->Columns()[17]->Width(), 110);
  const std::pair<int, int> hints[] = {{5, 2535}, {6, 2563}, {7, 2536}, {17, 2546}};
  for (const auto& [col, id] : hints) {
    QString hint;
    form->GridHint(grid, 0, col, hint);
    EXPECT_EQ(hint, LangText(id)) << col;
  }

  // Each showing fills the hints again, as a language change does.
  LanguageTexts->SetStrings(2563, "On command");
  Show(*form);
  QString hint;
  form->GridHint(grid, 0, 6, hint);
  EXPECT_EQ(hint, "On command");
  EXPECT_EQ(form->Hint_TransmitCAN->Count(), 17);
  EXPECT_EQ(form->MAX_Byte, 2500);
  EXPECT_EQ(grid->Columns()[16]->ComboItems().Count(), 2501);
  EXPECT_EQ(grid->Columns()[9]->ComboItems()[2500], "2499");
}

TEST_F(UTransmitCANTest, MissingAttributesTakeTheirDefaultsAndTheTimeFollowsTheRowsTimer) {
  WriteFile(CANSendFramesFile, "<Transmit_Frames>"
                               "<row COBID=\"1\"/>"
                               "<row COBID=\"2\" OnTimer=\"Y\"/>"
                               "<row COBID=\"3\" OnTimer=\"y\"/>"
                               "<row COBID=\"4\" OnTimer=\"Y\" Time=\"\"/>"
                               "<row COBID=\"5\" Enable=\"N\" CAN_Type=\"\" OnChange=\"N\" OnCMD=\"Y\" Time=\"7\"/>"
                               "</Transmit_Frames>");
  auto form = Create<TFTransmitCAN>();
  Show(*form);
  TPlexColumnGrid* grid = form->PCG_CAN_Transmit;
  EXPECT_EQ(ColumnTexts(grid, 1, 5), QStringList({"Y", "Y", "Y", "Y", "N"}));
  EXPECT_EQ(ColumnTexts(grid, 3, 5),
            QStringList({"2.0A (11 bits)", "2.0A (11 bits)", "2.0A (11 bits)", "2.0A (11 bits)", ""}));
  EXPECT_EQ(ColumnTexts(grid, 5, 5), QStringList({"Y", "Y", "Y", "Y", "N"}));
  EXPECT_EQ(ColumnTexts(grid, 6, 5), QStringList({"N", "N", "N", "N", "Y"}));
  EXPECT_EQ(ColumnTexts(grid, 7, 5), QStringList({"N", "Y", "y", "Y", "N"}));
  EXPECT_EQ(ColumnTexts(grid, 8, 5), QStringList({"", "0", "", "", "7"}));
  EXPECT_EQ(grid->GetCellEx(3, 6), "");  // rows without a file row keep their reset
  EXPECT_TRUE(Dialogs->Records().empty());
}

TEST_F(UTransmitCANTest, LoadingThenSavingGivesTheSameBytes) {
  WriteFile(CANSendFramesFile, Frames);
  auto form = Create<TFTransmitCAN>();
  Show(*form);
  form->Btn_OKClick(form->Btn_OK);
  EXPECT_EQ(form->ModalResult(), mrOk);
  EXPECT_TRUE(Dialogs->Records().empty());
  EXPECT_EQ(FileBytes(CANSendFramesFile), Frames);
}

TEST_F(UTransmitCANTest, AFrameTypedTickedAndPickedIsCheckedAndWritten) {
  auto form = Create<TFTransmitCAN>();
  TPlexColumnGrid* grid = form->PCG_CAN_Transmit;
  const TModalResult result = RunModal(*form, [&] {
    TypeRow(grid, 1, 2, {"0x1F0", "", "2"});
    TypeInto(grid, 17, 1, "Pump");
    ClickCell(grid, 6, 1);  // OnCMD, empty since the reset, ticked
    ClickCell(grid, 7, 1);  // OnTimer ticked
    ClickCell(grid, 7, 1);  // and off again
    ClickCell(grid, 7, 1);  // and on
    EXPECT_EQ(grid->GetCellEx(5, 1), "");
    EXPECT_EQ(grid->GetCellEx(6, 1), "Y");
    EXPECT_EQ(grid->GetCellEx(7, 1), "Y");

    // A timer without its time.
    Press(form->Btn_OK);
    EXPECT_EQ(Shown(), QStringList({"Error row 1!! Time must be between 0 and 100000000 milliseconds"}));
    EXPECT_FALSE(QFile::exists(CANSendFramesFile));
    TypeInto(grid, 8, 1, "1000");
    // The picks come last: a text typed right after a pick does not reach its cell yet.
    Pick(grid, 3, 1, 0);
    Pick(grid, 9, 1, 3);   // "2"
    Pick(grid, 10, 1, 0);  // "None"
    EXPECT_EQ(grid->GetCellEx(3, 1), "2.0A (11 bits)");
    Shot(*form, "TransmitCAN");
    Press(form->Btn_OK);
  });
  EXPECT_EQ(result, mrOk) << Shown().join("\n").toStdString();
  EXPECT_EQ(FileBytes(CANSendFramesFile),
            "<Transmit_Frames><row Enable=\"Y\" COBID=\"0x1F0\" CAN_Type=\"2.0A (11 bits)\" Dim=\"2\" OnChange=\"\""
            " OnCMD=\"Y\" OnTimer=\"Y\" Time=\"1000\" Byte1=\"2\" Byte2=\"None\" Byte3=\"\" Byte4=\"\" Byte5=\"\""
            " Byte6=\"\" Byte7=\"\" Byte8=\"\" Mnemonic=\"Pump\"/></Transmit_Frames><!--SW_VERSION = 1.000-->\n");
}
