// The DeviceNet slave list: its rules with the untrimmed key, its file, and
// the table driven by keys and mouse.
#include "tables/can/UDNet.h"

#include "CanEditorFixture.h"

namespace {
class UDNetTest : public CanEditorFixture {};

struct TRuleCase {
  QList<QStringList> Rows;  // ID, Num Byte In, Num Byte Out from row 1
  const char* Message;
};
}  // namespace

TEST_F(UDNetTest, SlavesAreCheckedUpToTheFirstEmptyIDBlanksIncluded) {
  auto form = Create<TFDNet>();
  const TRuleCase cases[] = {
      {{{"63", "0", "65535"}}, ""},
      {{{"$3F", "0x10", "0"}}, ""},
      {{{"64", "0", "0"}}, "Error in row 1!! ID must be 0 or 63"},
      {{{"x3F", "0", "0"}}, "Error in row 1!! ID must be 0 or 63"},
      {{{" ", "0", "0"}, {"70", "0", "0"}}, "Error in row 1!! ID must be 0 or 63"},
      {{{"1", "0", "0"}, {"", "0", "0"}, {"70", "0", "0"}}, ""},
      {{{"1", "65536", "0"}}, "Error in row 1!! Number Byte IN must be 0 or 65535"},
      {{{"1", "5", "0"}, {"2", "0", "-1"}}, "Error in row 2!! Number Byte OUT must be 0 or 65535"},
      {{{"1", "", "0"}}, "Error in row 1!! Number Byte IN must be 0 or 65535"},
  };
  for (const TRuleCase& c : cases) {
    form->FormShow(form.get());
    for (int r = 0; r < c.Rows.size(); ++r) PutRow(form->PSG, r + 1, 1, c.Rows[r]);
    Dialogs->ClearRecords();
    const QString message = QString::fromUtf8(c.Message);
    EXPECT_EQ(form->Controllo_Dati(), message.isEmpty()) << c.Rows[0].join('|').toStdString();
    EXPECT_EQ(Shown(), message.isEmpty() ? QStringList() : QStringList{message});
  }
}

TEST_F(UDNetTest, SixtyFourSlavesLoadAreAllCheckedAndSaveBackUnchanged) {
  QByteArray xml = "<DNET_Net>";
  for (int i = 0; i < 64; ++i)
    xml += "<row ID=\"" + QByteArray::number(i) + "\" NB_IN=\"" + QByteArray::number(i * 2) + "\" NB_OUT=\"1\" Mnemonic=\"S" +
           QByteArray::number(i) + "\"/>";
  xml += "</DNET_Net><!--SW_VERSION = 1.000-->\n";
  WriteFile(DNETMNetFile, xml);
  auto form = Create<TFDNet>();
  form->FormShow(form.get());
  EXPECT_EQ(form->PSG->GetCellEx(4, 64), "S63");
  form->Btn_OKClick(form->Btn_OK);
  EXPECT_EQ(form->ModalResult(), mrOk);
  EXPECT_EQ(FileBytes(DNETMNetFile), xml);

  form->FormShow(form.get());
  form->PSG->SetCellEx(3, 64, "65536");
  form->Btn_OKClick(form->Btn_OK);
  EXPECT_EQ(Shown(), QStringList({"Error in row 64!! Number Byte OUT must be 0 or 65535"}));

  form->PSG->SetCellEx(1, 1, "");
  form->Btn_OKClick(form->Btn_OK);
  EXPECT_EQ(FileBytes(DNETMNetFile), "<DNET_Net/><!--SW_VERSION = 1.000-->\n");
}

TEST_F(UDNetTest, TheListIsTypedAndEditedWithTheRowButtons) {
  auto form = Create<TFDNet>();
  TPlexColumnGrid* g = form->PSG;
  EXPECT_EQ(form->ClientWidth(), 745);
  EXPECT_EQ(g->RowCount(), 65);
  EXPECT_EQ(g->DefaultRowHeight(), 21);
  EXPECT_EQ(g->GetCellEx(1, 0), "ID Slave");
  EXPECT_EQ(g->Columns()[1]->Color(), TColor(0xCEFFCE));
  const TModalResult result = RunModal(*form, [&] {
    TypeRow(g, 1, 1, {"5", "10", "4", "Drive"});
    TypeRow(g, 2, 1, {"7", "2", "64"});
    TypeRow(g, 3, 1, {"99", "1", "1"});
    ClickCell(g, 1, 2);
    Press(form->Btn_CopyRow);
    ClickCell(g, 1, 1);
    Press(form->Btn_InsRow);
    EXPECT_EQ(ColumnTexts(g, 1, 4), QStringList({"", "5", "7", "99"}));
    EXPECT_EQ(g->GetCellEx(1, 1), "");  // no Enable: nothing written into the new row
    Press(form->Btn_PasteRow);
    EXPECT_EQ(ColumnTexts(g, 1, 4), QStringList({"7", "5", "7", "99"}));
    ClickCell(g, 1, 4);
    Press(form->Btn_OK);
    EXPECT_EQ(Shown(), QStringList({"Error in row 4!! ID must be 0 or 63"}));
    Dialogs->Answer(mrYes);
    Press(form->Btn_DelRow);
    EXPECT_EQ(Shown().back(), "Are you sure to delete the Row number 4");
    Shot(*form, "DNet");
    Press(form->Btn_OK);
  });
  EXPECT_EQ(result, mrOk);
  EXPECT_EQ(FileBytes(DNETMNetFile),
            "<DNET_Net><row ID=\"7\" NB_IN=\"2\" NB_OUT=\"64\" Mnemonic=\"\"/>"
            "<row ID=\"5\" NB_IN=\"10\" NB_OUT=\"4\" Mnemonic=\"Drive\"/>"
            "<row ID=\"7\" NB_IN=\"2\" NB_OUT=\"64\" Mnemonic=\"\"/></DNET_Net><!--SW_VERSION = 1.000-->\n");
}
