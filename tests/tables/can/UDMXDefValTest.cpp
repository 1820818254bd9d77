// The DMX default values: one row per channel of the project, every row
// checked and written.
#include "tables/can/UDMXDefVal.h"

#include "CanEditorFixture.h"

namespace {
class UDMXDefValTest : public CanEditorFixture {
public:
  void Channels(const char* Text) {
    WriteFile(ParGenFile, QByteArray("<Par_Gen><DMX_Num_Channels>") + Text + "</DMX_Num_Channels></Par_Gen>");
  }
  static QByteArray Rows(int Count, const char* Value) {
    QByteArray xml = "<DMX_Default_Values>";
    for (int i = 1; i <= Count; ++i)
      xml += "<Row Default_Value=\"" + QByteArray(Value) + "\" Mnemonic=\"C" + QByteArray::number(i) + "\"/>";
    return xml + "</DMX_Default_Values><!--SW_VERSION = 1.000-->\n";
  }
};
}  // namespace

TEST_F(UDMXDefValTest, TheChannelCountOfTheProjectSizesTheTable) {
  auto form = Create<TFDMXDefVal>();
  struct TCase {
    const char* Channels;  // null: no ParGen.xml
    int Rows;
  };
  // A count outside 1 .. 512 only comes from a hand-edited file; it gives 512.
  const TCase cases[] = {{nullptr, 512}, {"24", 24}, {"512", 512}, {"abc", 512}, {"0", 512}, {"-3", 512}, {"513", 512},
                         {"1", 1}};
  for (const TCase& c : cases) {
    if (c.Channels)
      Channels(c.Channels);
    else
      DeleteFile(ParGenFile);
    form->FormShow(form.get());
    EXPECT_EQ(form->PCG_DMX_Def_Val->RowCount(), c.Rows + 1) << (c.Channels ? c.Channels : "none");
    EXPECT_EQ(form->PCG_DMX_Def_Val->GetCellEx(1, c.Rows), "0");
    EXPECT_EQ(form->PCG_DMX_Def_Val->GetCellEx(0, c.Rows), QString::number(c.Rows));
  }
}

TEST_F(UDMXDefValTest, AFileIsReadUpToTheChannelsAndEveryRowIsWritten) {
  auto form = Create<TFDMXDefVal>();
  WriteFile(DMXDefaultValuesFile, Rows(512, "7"));
  Channels("24");
  form->FormShow(form.get());
  EXPECT_TRUE(Dialogs->Records().empty());
  EXPECT_EQ(form->PCG_DMX_Def_Val->GetCellEx(2, 24), "C24");
  form->Btn_OKClick(form->Btn_OK);
  EXPECT_EQ(FileBytes(DMXDefaultValuesFile), Rows(24, "7"));

  WriteFile(DMXDefaultValuesFile, Rows(10, "0x10"));
  DeleteFile(ParGenFile);
  form->FormShow(form.get());
  EXPECT_EQ(form->PCG_DMX_Def_Val->GetCellEx(1, 10), "0x10");
  EXPECT_EQ(form->PCG_DMX_Def_Val->GetCellEx(1, 11), "0");
  EXPECT_EQ(form->PCG_DMX_Def_Val->GetCellEx(1, 512), "0");
  EXPECT_EQ(form->PCG_DMX_Def_Val->GetCellEx(2, 11), "");
  form->Btn_OKClick(form->Btn_OK);
  const QByteArray written = FileBytes(DMXDefaultValuesFile);
  EXPECT_EQ(written.count("<Row "), 512);
  EXPECT_TRUE(written.contains("<Row Default_Value=\"0x10\" Mnemonic=\"C10\"/><Row Default_Value=\"0\" Mnemonic=\"\"/>"));

  // Load then save gives the same bytes.
  form->FormShow(form.get());
  form->Btn_OKClick(form->Btn_OK);
  EXPECT_EQ(FileBytes(DMXDefaultValuesFile), written);

  WriteFile(DMXDefaultValuesFile, "<DMX_Default_Values><Row Mnemonic=\"m\"/><Row Default_Value=\"9\"/></DMX_Default_Values>");
  Channels("2");
  form->FormShow(form.get());
  EXPECT_EQ(ColumnTexts(form->PCG_DMX_Def_Val, 1, 2), QStringList({"0", "9"}));
  EXPECT_EQ(ColumnTexts(form->PCG_DMX_Def_Val, 2, 2), QStringList({"m", ""}));
}

TEST_F(UDMXDefValTest, EveryRowIsCheckedWithoutAKeyStop) {
  Channels("24");
  auto form = Create<TFDMXDefVal>();
  EXPECT_FALSE(form->Btn_DelRow->Visible());
  EXPECT_EQ(form->PCG_DMX_Def_Val->GetCellEx(0, 0), "Channel");
  const TModalResult result = RunModal(*form, [&] {
    TPlexColumnGrid* g = form->PCG_DMX_Def_Val;
    TypeInto(g, 2, 3, "Dimmer");
    ClickCell(g, 1, 7);
    QTest::keyClick(g->Widget(), Qt::Key_F2);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(g->GetCellEx(1, 7), "");
    g->SetCellEx(1, 24, "256");
    Press(form->Btn_OK);
    EXPECT_EQ(Shown(), QStringList({"Error row 7!! Default Value must be between 0 and 255"}));
    TypeInto(g, 1, 7, "0x10");
    Press(form->Btn_OK);
    EXPECT_EQ(Shown().back(), "Error row 24!! Default Value must be between 0 and 255");
    g->SetCellEx(1, 24, "255");
    Shot(*form, "DMXDefVal");
    Press(form->Btn_OK);
  });
  EXPECT_EQ(result, mrOk);
  const QByteArray written = FileBytes(DMXDefaultValuesFile);
  EXPECT_EQ(written.count("<Row "), 24);
  EXPECT_TRUE(written.contains("<Row Default_Value=\"0x10\" Mnemonic=\"\"/>"));
  EXPECT_TRUE(written.contains("<Row Default_Value=\"0\" Mnemonic=\"Dimmer\"/>"));
}
