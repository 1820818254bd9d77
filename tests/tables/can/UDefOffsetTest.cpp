// The DeviceNet byte offsets: slaves from the slave list, their offsets by
// position from the offset file, the duplicate check of the output bytes,
// and the form driven by keys and mouse.
#include "tables/can/UDefOffset.h"

#include "CanEditorFixture.h"
#include "platform/ExtCtrls.h"

namespace {
class UDefOffsetTest : public CanEditorFixture {
public:
  // Slaves as "ID:in:out".
  void Slaves(const QStringList& List) {
    QByteArray xml = "<DNET_Net>";
    for (const QString& s : List) {
      const QStringList f = s.split(':');
      xml += "<row ID=\"" + f[0].toUtf8() + "\" NB_IN=\"" + f[1].toUtf8() + "\" NB_OUT=\"" + f[2].toUtf8() +
             "\" Mnemonic=\"\"/>";
    }
    WriteFile(DNETMNetFile, xml + "</DNET_Net>");
  }
  // One node per entry: the output offsets, the input ones left out.
  void Offsets(const QList<QStringList>& Outputs) {
    QByteArray xml = "<Define_Offset>";
    for (const QStringList& node : Outputs) {
      xml += "<Nodo_DNET><ByteIN/><ByteOUT>";
      for (const QString& o : node) xml += "<row Offset=\"" + o.toUtf8() + "\" Mnemonic=\"m" + o.toUtf8() + "\"/>";
      xml += "</ByteOUT></Nodo_DNET>";
    }
    WriteFile(DNETMDefOffFile, xml + "</Define_Offset>");
  }
};
}  // namespace

TEST_F(UDefOffsetTest, OutputOffsetsUsedTwiceAreRefusedWithBothBytes) {
  auto form = Create<TFDefOffset>();
  struct TCase {
    QStringList Slaves;
    QList<QStringList> Outputs;
    QString Message;
  };
  const QString head = "Error in ByteOUT! The same byte of LoRaWAN is used in two bytes DeviceNet.\n\r( ";
  const QString outside = LangText(3026) + "\n\r( ";
  const TCase cases[] = {
      {{"5:0:1", "7:0:1"}, {{"10"}, {"10"}}, head + "First ID = 5 Byte = 0, Second ID = 7 Byte = 0)"},
      {{"5:0:3"}, {{"1", "None", "1"}}, head + "First ID = 5 Byte = 0, Second ID = 5 Byte = 2)"},
      {{"5:0:3", "7:0:2"}, {{"1", "None", "2"}, {"None", "abc"}}, ""},
      {{"5:0:2"}, {{"1439", "0"}}, ""},
      {{"5:0:2"}, {{"3", "5000"}}, outside + "ID = 5 Byte = 1, Offset = 5000)"},
      {{"5:0:1"}, {{"1440"}}, outside + "ID = 5 Byte = 0, Offset = 1440)"},
  };
  for (const TCase& c : cases) {
    Slaves(c.Slaves);
    Offsets(c.Outputs);
    form->FormShow(form.get());
    Dialogs->ClearRecords();
    EXPECT_EQ(form->Check_Data(), c.Message.isEmpty()) << c.Slaves.join(' ').toStdString();
    EXPECT_EQ(Shown(), c.Message.isEmpty() ? QStringList() : QStringList{c.Message});
  }

  // Input offsets may repeat.
  Slaves({"5:2:0"});
  WriteFile(DNETMDefOffFile, "<Define_Offset><Nodo_DNET><ByteIN><row Offset=\"4\" Mnemonic=\"\"/>"
                             "<row Offset=\"4\" Mnemonic=\"\"/></ByteIN><ByteOUT/></Nodo_DNET></Define_Offset>");
  form->FormShow(form.get());
  EXPECT_EQ(form->List_Slaves_DN[0]->SL_ByteIN[1], "4");
  EXPECT_TRUE(form->Check_Data());
}

TEST_F(UDefOffsetTest, OffsetsGoToTheSlavesByPositionAndFollowTheirByteCounts) {
  Slaves({"5:1:2", "7:0:1"});
  Offsets({{"10", "11"}, {"12"}});
  auto form = Create<TFDefOffset>();
  form->FormShow(form.get());
  const QByteArray saved = [&] {
    form->bitbtn1Click(form->Btn_OK);
    return FileBytes(DNETMDefOffFile);
  }();
  EXPECT_EQ(saved, "<Define_Offset><Nodo_DNET><ByteIN><row Offset=\"None\" Mnemonic=\"\"/></ByteIN>"
                   "<ByteOUT><row Offset=\"10\" Mnemonic=\"m10\"/><row Offset=\"11\" Mnemonic=\"m11\"/></ByteOUT>"
                   "</Nodo_DNET><Nodo_DNET><ByteIN/><ByteOUT><row Offset=\"12\" Mnemonic=\"m12\"/></ByteOUT>"
                   "</Nodo_DNET></Define_Offset><!--SW_VERSION = 1.000-->\n");
  // Load then save gives the same bytes.
  form->FormShow(form.get());
  form->bitbtn1Click(form->Btn_OK);
  EXPECT_EQ(FileBytes(DNETMDefOffFile), saved);

  // A slave added in front takes the first slave's offsets; counts grown and shrunk.
  Slaves({"9:0:3", "5:1:1", "7:0:1"});
  form->FormShow(form.get());
  ASSERT_EQ(form->List_Slaves_DN.size(), 3u);
  EXPECT_EQ(form->List_Slaves_DN[0]->SL_ByteOUT.Text(), "10\r\n11\r\nNone\r\n");
  EXPECT_EQ(form->List_Slaves_DN[1]->SL_ByteOUT.Text(), "12\r\n");
  EXPECT_EQ(form->List_Slaves_DN[2]->SL_ByteOUT.Text(), "None\r\n");
  EXPECT_EQ(form->PCG_ByteOUT->RowCount(), 4);  // the first slave is shown, its bytes from 0
  EXPECT_EQ(ColumnTexts(form->PCG_ByteOUT, 0, 3), QStringList({"0", "1", "2"}));
  form->bitbtn1Click(form->Btn_OK);
  EXPECT_TRUE(FileBytes(DNETMDefOffFile).contains("<ByteIN><row Offset=\"None\" Mnemonic=\"\"/></ByteIN>"
                                                  "<ByteOUT><row Offset=\"12\" Mnemonic=\"m12\"/></ByteOUT>"));
}

TEST_F(UDefOffsetTest, ABadSlaveRowStopsTheLoadAndKeepsTheSlavesBefore) {
  WriteFile(DNETMNetFile, "<DNET_Net><row ID=\"5\" NB_IN=\"1\" NB_OUT=\"1\" Mnemonic=\"\"/>"
                          "<row ID=\"x\" NB_IN=\"1\" NB_OUT=\"1\" Mnemonic=\"\"/>"
                          "<row ID=\"6\" NB_IN=\"1\" NB_OUT=\"1\" Mnemonic=\"\"/></DNET_Net>");
  auto form = Create<TFDefOffset>();
  form->FormShow(form.get());
  EXPECT_EQ(form->List_Slaves_DN.size(), 1u);
  EXPECT_EQ(form->PCG_DN_Slaves->RowCount(), 2);
  ASSERT_EQ(Dialogs->Records().size(), 1u);
  EXPECT_EQ(Dialogs->Records()[0].Type, mtError);

  DeleteFile(DNETMNetFile);
  form->FormShow(form.get());
  EXPECT_TRUE(form->List_Slaves_DN.empty());
  form->bitbtn1Click(form->Btn_OK);
  EXPECT_EQ(FileBytes(DNETMDefOffFile), "<Define_Offset/><!--SW_VERSION = 1.000-->\n");
}

TEST_F(UDefOffsetTest, APickIsKeptWhileAnotherSlaveIsShownAndOKWritesIt) {
  Slaves({"5:1:2", "7:0:3"});
  auto form = Create<TFDefOffset>();
  EXPECT_EQ(form->ClientWidth(), 482);
  EXPECT_EQ(form->ClientHeight(), 610);
  EXPECT_EQ(form->Panel1->Height(), 162);
  EXPECT_FALSE(form->Btn_InsRow->Visible());
  const TModalResult result = RunModal(*form, [&] {
    TPlexColumnGrid* out = form->PCG_ByteOUT;
    form->PageControl1->SetActivePageIndex(1);
    QApplication::processEvents();
    Pick(out, 1, 2, 4);  // "3" for byte 1 of slave 5
    EXPECT_EQ(out->GetCellEx(1, 2), "3");
    ClickCell(form->PCG_DN_Slaves, 1, 2);
    EXPECT_EQ(form->Slave_Before_Select, 1);
    EXPECT_EQ(out->RowCount(), 4);
    EXPECT_EQ(ColumnTexts(out, 0, 3), QStringList({"0", "1", "2"}));
    EXPECT_EQ(ColumnTexts(out, 1, 3), QStringList({"None", "None", "None"}));
    ClickCell(form->PCG_DN_Slaves, 1, 1);
    EXPECT_EQ(ColumnTexts(out, 1, 2), QStringList({"None", "3"}));

    // The splitter dragged down gives the slave list more room.
    const int before = form->Panel1->Height();
    QWidget* bar = form->Splitter1->Widget();
    QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(10, 1));
    QTest::mouseMove(bar, QPoint(10, 41));
    QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(10, 41));
    EXPECT_EQ(form->Panel1->Height(), before + 40);
    Shot(*form, "DefOffset");
    Press(form->Btn_OK);
  });
  EXPECT_EQ(result, mrOk);
  EXPECT_TRUE(FileBytes(DNETMDefOffFile).contains("<row Offset=\"None\" Mnemonic=\"\"/><row Offset=\"3\" Mnemonic=\"\"/>"));

  // Cancel discards a pick: the file stays as OK wrote it.
  const QByteArray written = FileBytes(DNETMDefOffFile);
  EXPECT_EQ(RunModal(*form,
                     [&] {
                       form->PageControl1->SetActivePageIndex(1);
                       QApplication::processEvents();
                       Pick(form->PCG_ByteOUT, 1, 1, 2);
                       Press(form->Btn_Cancel);
                     }),
            mrCancel);
  EXPECT_EQ(FileBytes(DNETMDefOffFile), written);
}
