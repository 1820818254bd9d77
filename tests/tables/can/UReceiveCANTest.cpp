// The CAN receive editor: its table as created, what a showing loads, and
// what OK writes back.
#include "tables/can/UReceiveCAN.h"

#include "CanEditorFixture.h"
#include "platform/Controls.h"

namespace {

class UReceiveCANTest : public CanEditorFixture {};

const QByteArray Frames =
    "<Receive_Frames>"
    "<row Enable=\"Y\" COBID=\"0x181\" CAN_Type=\"2.0A (11 bits)\" Dim=\"2\" TimeOut=\"100\" Byte1=\"0\" Byte2=\"None\""
    " Byte3=\"\" Byte4=\"\" Byte5=\"\" Byte6=\"\" Byte7=\"\" Byte8=\"\" Mnemonic=\"Speed &amp; load\"/>"
    "<row Enable=\"N\" COBID=\" x7FF \" CAN_Type=\"\" Dim=\"9\" TimeOut=\"abc\" Byte1=\"1999\" Byte2=\"\" Byte3=\"\""
    " Byte4=\"\" Byte5=\"\" Byte6=\"\" Byte7=\"\" Byte8=\"7\" Mnemonic=\"\"/>"
    "</Receive_Frames><!--SW_VERSION = 1.000-->\n";

}  // namespace

TEST_F(UReceiveCANTest, TheTableIsBuiltAndTranslatedFromItsBlock) {
  auto form = Create<TFReceiveCAN>();
  TPlexColumnGrid* grid = form->PCG_CAN_Receive;
  EXPECT_EQ(form->ClientWidth(), 1010);
  EXPECT_EQ(form->ClientHeight(), 337);
  EXPECT_EQ(form->Caption(), LangText(2400));
  EXPECT_EQ(form->Btn_DelRow->Hint(), "Delete the Selected Row in the table");
  ASSERT_EQ(grid->ColCount(), 15);
  EXPECT_EQ(grid->RowCount(), 513);

  struct TColumnCase {
    int Col;
    const char* Header;
    int Width;
    TColor Color;
    TEditorType Editor;
  };
  const TColumnCase columns[] = {
      {0, "N", 40, clWindow, edNormal},           {1, "Enable", 50, 0xB0D8FF, edDataCheckBox},
      {2, "CobID", 90, 0xFEFAE0, edNormal},        {3, "Type", 90, 0xFEFAE0, edComboList},
      {4, "Dimension", 70, 0xFEFAE0, edNormal},    {5, "TimeOut", 75, 0xA8FFA8, edNormal},
      {6, "Byte1", 48, 0xF4D6FC, edComboList},     {13, "Byte8", 48, 0xF4D6FC, edComboList},
      {14, "Mnemonic", 185, clWindow, edNormal},
  };
  for (const TColumnCase& c : columns) {
    TGridColumnItem* column = grid->Columns()[c.Col];
    EXPECT_EQ(grid->GetCellEx(c.Col, 0), c.Header) << c.Col;
    EXPECT_EQ(column->Width(), c.Width) << c.Col;
    if (c.Col == 0) continue;
    EXPECT_EQ(column->Color(), c.Color) << c.Col;
    EXPECT_EQ(column->Editor(), c.Editor) << c.Col;
  }
  EXPECT_EQ(grid->Columns()[3]->ComboItems().Count(), 2);
  EXPECT_EQ(grid->Columns()[3]->ComboItems()[1], "2.0B (29 bits)");

  // The hints skip 2433: column 5 takes 2434, the Mnemonic 2443.
  const std::pair<int, int> hints[] = {{1, 2429}, {4, 2432}, {5, 2434}, {6, 2435}, {13, 2442}, {14, 2443}};
  for (const auto& [col, id] : hints) {
    QString hint;
    form->GridHint(grid, 0, col, hint);
    EXPECT_EQ(hint, LangText(id)) << col;
    EXPECT_FALSE(hint.trimmed().isEmpty()) << col;
  }
  EXPECT_EQ(form->Hint_ReceiveCAN->Count(), 14);

  LanguageTexts->SetStrings(2408, "Nr");
  LanguageTexts->SetStrings(2434, "Zeit");
  form->Set_Lang();
  EXPECT_EQ(grid->GetCellEx(0, 0), "Nr");
  EXPECT_EQ((*form->Hint_ReceiveCAN)[4], "Zeit");
  EXPECT_EQ(form->Hint_ReceiveCAN->Count(), 14);
}

TEST_F(UReceiveCANTest, AShowingResetsTheRowsBuildsTheByteListsAndFocusesTheGrid) {
  auto form = Create<TFReceiveCAN>();
  TPlexColumnGrid* grid = form->PCG_CAN_Receive;
  grid->SetCellEx(2, 512, "stale");
  Show(*form);
  EXPECT_EQ(grid->GetCellEx(0, 512), "512");
  EXPECT_EQ(grid->GetCellEx(1, 512), "Y");
  EXPECT_EQ(grid->GetCellEx(2, 512), "");
  EXPECT_EQ(form->MAX_Byte, 2000);
  for (int c = 6; c <= 13; ++c) {
    const TStringList& items = grid->Columns()[c]->ComboItems();
    ASSERT_EQ(items.Count(), 2001) << c;
    EXPECT_EQ(items[0], "None");
    EXPECT_EQ(items[1], "0");
    EXPECT_EQ(items[2000], "1999");
  }
  EXPECT_TRUE(grid->Focused());
}

TEST_F(UReceiveCANTest, MissingAttributesKeepTheResetCellButTheTimeOut) {
  WriteFile(CANRecFramesFile, "<Receive_Frames><row COBID=\"5\"/><row Enable=\"N\" COBID=\"6\" CAN_Type=\"2.0B (29 bits)\""
                              " TimeOut=\"\"/></Receive_Frames>");
  auto form = Create<TFReceiveCAN>();
  Show(*form);
  TPlexColumnGrid* grid = form->PCG_CAN_Receive;
  EXPECT_EQ(ColumnTexts(grid, 1, 3), QStringList({"Y", "N", "Y"}));
  EXPECT_EQ(ColumnTexts(grid, 3, 3), QStringList({"", "2.0B (29 bits)", ""}));
  EXPECT_EQ(ColumnTexts(grid, 5, 3), QStringList({"0", "", ""}));
  EXPECT_EQ(ColumnTexts(grid, 6, 2), QStringList({"", ""}));
  EXPECT_TRUE(Dialogs->Records().empty());
}

TEST_F(UReceiveCANTest, LoadingThenSavingGivesTheSameBytes) {
  WriteFile(CANRecFramesFile, Frames);
  auto form = Create<TFReceiveCAN>();
  Show(*form);
  EXPECT_EQ(form->PCG_CAN_Receive->GetCellEx(2, 2), " x7FF ");
  form->Btn_OKClick(form->Btn_OK);  // the disabled row is not checked
  EXPECT_EQ(form->ModalResult(), mrOk);
  EXPECT_TRUE(Dialogs->Records().empty());
  EXPECT_EQ(FileBytes(CANRecFramesFile), Frames);
}

TEST_F(UReceiveCANTest, AnEmptyFirstCobIDWritesTheRootAndTheCommentOnly) {
  WriteFile(CANRecFramesFile, Frames);
  auto form = Create<TFReceiveCAN>();
  Show(*form);
  form->PCG_CAN_Receive->SetCellEx(2, 1, " ");
  form->Btn_OKClick(form->Btn_OK);
  EXPECT_EQ(FileBytes(CANRecFramesFile), "<Receive_Frames/><!--SW_VERSION = 1.000-->\n");
}

TEST_F(UReceiveCANTest, AFileOfMoreThan512RowsLoads512WithTheTablesMessage) {
  QByteArray xml = "<Receive_Frames>";
  for (int i = 1; i <= 515; ++i) xml += "<row COBID=\"" + QByteArray::number(i) + "\"/>";
  WriteFile(CANRecFramesFile, xml + "</Receive_Frames>");
  auto form = Create<TFReceiveCAN>();
  Show(*form);
  EXPECT_EQ(form->PCG_CAN_Receive->GetCellEx(2, 512), "512");
  EXPECT_EQ(Shown(), QStringList({"Error! The table is full: 3 rows of the file were not loaded"}));
}
