// The SNMP manager table: both passes of its check, its file and the form as a user drives it.
#include "tables/snmp_ethernet/USNMPManagerAccess.h"

#include "EditorTestKit.h"
#include "common/tables/RowOperations.h"
#include "grid/editing/PlexColumnGrid.h"

#include <QTimer>

#include <memory>
#include <string>
#include <vector>

namespace {

// A valid enabled version-2 row, columns 1 to 22.
QStringList RequestRow(const QString& Ip, const QString& Oid) {
  return {"Y", Ip,  "2",    "Harbor", Oid, "Int", "Get", "N", "N", "N", "",
          "0", "2", "None", "N",      "",  "",    "",    "",  "",  "",  ""};
}
// A valid version-3 row without authentication.
QStringList Version3Row() {
  QStringList row = RequestRow("10.0.0.3", "1.3.6.1");
  row[2] = "3";
  row[15] = "user1";
  row[16] = "authpass1";
  row[17] = "privpass1";
  row[18] = "NoAuth NoPriv";
  return row;
}

class SnmpManagerAccess : public SnmpEthernetEditorTest {
protected:
  TFSNMPManagerAccess& Open() {
    Form = std::make_unique<TFSNMPManagerAccess>(nullptr);
    Form->DoCreate();
    Show(*Form);
    return *Form;
  }
  TPlexStringGrid* Grid() const { return Form->PCG_SNMP; }
  void PutRow(int ARow, const QStringList& Texts) {
    for (int c = 1; c <= int(Texts.size()); ++c) Grid()->SetCellEx(c, ARow, Texts[c - 1]);
  }
  // Clears the table, puts the rows and runs the check; the messages shown.
  QStringList Check(const std::vector<QStringList>& Rows, bool* Passed = nullptr) {
    Form->FormShow(Form.get());
    for (int r = 0; r < int(Rows.size()); ++r) PutRow(r + 1, Rows[size_t(r)]);
    Dialogs->ClearRecords();
    const bool passed = Form->Controllo_Dati();
    if (Passed) *Passed = passed;
    EXPECT_EQ(passed, Messages().isEmpty());
    return Messages();
  }

  std::unique_ptr<TFSNMPManagerAccess> Form;
};

}  // namespace

TEST_F(SnmpManagerAccess, CreationBuildsTheColumnsAndTheTexts) {
  TFSNMPManagerAccess& f = Open();
  EXPECT_EQ(f.ClientWidth(), 1230);
  EXPECT_EQ(f.ClientHeight(), 337);
  EXPECT_EQ(f.PC_Tables, nullptr);
  TPlexColumnGrid* g = f.PCG_SNMP;
  EXPECT_EQ(g->ColCount(), 23);
  EXPECT_EQ(g->RowCount(), 513);
  EXPECT_EQ(QApplication::focusWidget(), g->Widget());
  const std::pair<int, const char*> headers[] = {{0, "N"},           {2, "IP Address"}, {13, "Num Bytes"},
                                                 {14, "Conversion"}, {15, "Cancel"},    {16, "User"},
                                                 {21, "Priv Mode"},  {22, "Mnemonic"}};
  for (const auto& [col, text] : headers) EXPECT_EQ(g->Columns()[col]->Header(), text) << col;
  const std::pair<int, const char*> items[] = {{3, "1,2,3"},
                                               {4, "Harbor,Lantern"},
                                               {6, "String,Int"},
                                               {7, "Get,Set,Trap"},
                                               {14, "None,Float,\"Float * 10\",\"Float * 100\""},
                                               {19, "\"NoAuth NoPriv\",\"Auth NoPriv\",\"Auth Priv\""},
                                               {20, "MD5,SHA"},
                                               {21, "DES,AES"}};
  for (const auto& [col, text] : items) EXPECT_EQ(g->Columns()[col]->ComboItems().CommaText(), text) << col;
  EXPECT_EQ(g->Columns()[12]->ComboItems().Count(), 1440);
  for (int col : {1, 8, 9, 10, 15}) EXPECT_EQ(g->Columns()[col]->Editor(), edDataCheckBox) << col;
  EXPECT_EQ(g->Columns()[4]->Editor(), edComboEdit);
  EXPECT_EQ(f.Btn_OK->Hint(), LangText(4648));
  QString hint;
  f.GridHint(g, 0, 14, hint);
  EXPECT_EQ(hint, LangText(4655));
  f.GridHint(g, 0, 22, hint);
  EXPECT_EQ(hint, LangText(4636));
}

TEST_F(SnmpManagerAccess, PassOneChecksEachEnabledRowWithItsText) {
  Open();
  struct Case {
    int Col;  // 1-based data column of the changed cell, 0: none
    QString Value;
    QString Message;
  };
  const QString r1 = "Error row 1";
  const Case cases[] = {
      {0, "", ""},
      {2, "192.168.1.300", r1 + "!! IP Address must be a valid TCP IP Address (Ex. 192.168.1.125)"},
      {5, ".1.3", r1 + LangText(4641)},
      {5, "1.3.", r1 + LangText(4642)},
      {5, "1..3", r1 + LangText(4643)},
      {5, "1.a", r1 + LangText(4640)},
      {5, "1.4294967296", r1 + LangText(4644)},
      {5, QString(129, u'1'), r1 + LangText(4639)},
      {5, "", r1 + "!! OID string can contains only number and \".\""},
      {13, "0", ""},
      {13, "1024", ""},
      {13, "1025", r1 + "!! Number bytes must be between 0 and 1024"},
      {13, "", r1 + LangText(4646)},
      {11, "0", ""},  // no timer: any time passes
      {14, "", r1 + "!! Conversion not selected"},
      {14, " ", r1 + "!! Conversion not selected"},
  };
  for (const Case& c : cases) {
    QStringList row = RequestRow("192.168.1.10", "1.3.6.1.2.1.1.5.0");
    if (c.Col) row[c.Col - 1] = c.Value;
    EXPECT_EQ(Check({row}), c.Message.isEmpty() ? QStringList() : QStringList{c.Message})
        << c.Col << " " << c.Value.toStdString();
  }

  // The same bad address on a disabled row is saved without a message; "y" is disabled too.
  for (const char* enable : {"N", "y", " "}) {
    QStringList row = RequestRow("192.168.1.300", "1.3");
    row[0] = enable;
    EXPECT_EQ(Check({row}), QStringList()) << enable;
  }
  Press(Form->Btn_OK);
  EXPECT_EQ(Form->ModalResult(), mrOk);
  EXPECT_TRUE(ReadBytes(SNMPManagerFile).contains("IP_Address=\"192.168.1.300\""));

  // Time with the timer on.
  const std::pair<QString, bool> times[] = {{"0", false}, {"1", true}, {"100000000", true}, {"100000001", false}};
  for (const auto& [time, passes] : times) {
    QStringList row = RequestRow("192.168.1.10", "1.3");
    row[9] = " Y";
    row[10] = time;
    EXPECT_EQ(Check({row}), passes ? QStringList() : QStringList{r1 + "!! Time must be between 1 and 100000000 ms"})
        << time.toStdString();
  }
}

TEST_F(SnmpManagerAccess, VersionThreeRowsNeedUserPasswordsAndTheirLevelsModes) {
  Open();
  struct Case {
    int Col;
    QString Value;
    QString Message;
  };
  const QString r1 = "Error row 1";
  const Case cases[] = {
      {0, "", ""},
      {16, "", r1 + "!! User string can not be empty"},
      {16, "abcdefghijklmnop", r1 + LangText(4674)},
      {16, "us-er", r1 + LangText(4676)},
      {17, "abc", r1 + "!! Auth Pass string must have at least 8 characters"},
      {17, "", r1 + LangText(4678)},
      {18, "abcd-efgh", r1 + "!! Priv Pass string can contains only number and letters"},
      {18, "abcdefghijklmnop", r1 + LangText(4680)},
      {19, "", r1 + "!! Security Level must be selected"},
      {19, "Auth NoPriv", r1 + "!! Auth Mode must be selected"},
      {19, "Auth Priv", r1 + LangText(4684)},
      {19, "something", ""},
  };
  for (const Case& c : cases) {
    QStringList row = Version3Row();
    if (c.Col) row[c.Col - 1] = c.Value;
    EXPECT_EQ(Check({row}), c.Message.isEmpty() ? QStringList() : QStringList{c.Message})
        << c.Col << " " << c.Value.toStdString();
  }
  QStringList authPriv = Version3Row();
  authPriv[18] = "auth priv ";
  authPriv[19] = "SHA";
  EXPECT_EQ(Check({authPriv}), QStringList{r1 + "!! Priv Mode must be selected"});
  authPriv[20] = "AES";
  EXPECT_EQ(Check({authPriv}), QStringList());
  QStringList authNoPriv = Version3Row();
  authNoPriv[18] = "Auth NoPriv";
  authNoPriv[19] = "MD5";
  EXPECT_EQ(Check({authNoPriv}), QStringList());

  // Version 2 (or "03" read as 3) with all of them empty.
  QStringList v2 = RequestRow("10.0.0.3", "1.3");
  EXPECT_EQ(Check({v2}), QStringList());
  v2[2] = "0x3";
  EXPECT_EQ(Check({v2}), QStringList{r1 + "!! User string can not be empty"});
}

TEST_F(SnmpManagerAccess, PassTwoRejectsTwoEnabledRowsAskingTheSameAgentForTheSameObject) {
  Open();
  const QString same = "Error in rows 2 and 5!! Same IP Address, Version and OID used";
  std::vector<QStringList> rows;
  for (int r = 1; r <= 6; ++r) rows.push_back(RequestRow(QString("10.0.0.%1").arg(r), "1.3.6"));
  rows[4][1] = "10.0.0.2";  // row 5 asks the agent of row 2
  rows[4][6] = "Set";
  EXPECT_EQ(Check(rows), QStringList{same});
  rows[1][0] = "N";
  EXPECT_EQ(Check(rows), QStringList());
  rows[1][0] = "Y";
  rows[4][1] = " 10.0.0.2 ";
  EXPECT_EQ(Check(rows), QStringList{same});
  rows[4][4] = "1.3.6.0";  // another object
  EXPECT_EQ(Check(rows), QStringList());
  rows[4][4] = "1.3.6";
  rows[4][2] = "1";  // another version
  EXPECT_EQ(Check(rows), QStringList());
  rows[4][2] = "2";
  rows[2][1] = "";  // the table ends at row 3: row 5 is never compared
  rows[2][0] = "N";
  EXPECT_EQ(Check(rows), QStringList());

  // Pass 2 only runs after every row passed pass 1.
  rows[2][1] = "10.0.0.3";
  rows[5][1] = "bad";
  EXPECT_EQ(Check(rows), QStringList{"Error row 6" + LangText(4638)});
}

TEST_F(SnmpManagerAccess, TheFileKeepsColumnOrderAndDefaultsAndReloadsByteForByte) {
  const QByteArray file =
      "<SNMP_Manager_Access><row Enable=\"Y\" IP_Address=\"10.0.0.1\" Version=\"3\" Community_String=\"Lantern\" "
      "OID=\"1.3.6.1\" Type=\"String\" Mode=\"Trap\" On_Change=\"Y\" On_Command=\"N\" On_Timer=\"Y\" Time=\"500\" "
      "Position=\"20\" Number_Bytes=\"8\" ConvertFrom=\"Float * 10\" Cancel=\"Y\" User=\"u1\" Auth_Pass=\"authpass\" "
      "Priv_Pass=\"privpass\" Security_Level=\"Auth Priv\" Auth_Mode=\"SHA\" Priv_Mode=\"AES\" Mnemonic=\"m &amp; n\"/>"
      "<row Enable=\"N\" IP_Address=\" 10.0.0.2\" Version=\"\" Community_String=\"\" OID=\"\" Type=\"\" Mode=\"\" "
      "On_Change=\"N\" On_Command=\"N\" On_Timer=\"N\" Time=\"\" Position=\"\" Number_Bytes=\"\" ConvertFrom=\"\" "
      "Cancel=\"N\" User=\"\" Auth_Pass=\"\" Priv_Pass=\"\" Security_Level=\"\" Auth_Mode=\"\" Priv_Mode=\"\" "
      "Mnemonic=\"\"/></SNMP_Manager_Access><!--SW_VERSION = 1.000-->\n";
  WriteBytes(SNMPManagerFile, file);
  TFSNMPManagerAccess& f = Open();
  Press(f.Btn_OK);
  EXPECT_EQ(f.ModalResult(), mrOk);
  EXPECT_EQ(ReadBytes(SNMPManagerFile).toStdString(), file.toStdString());

  WriteBytes(SNMPManagerFile, "<SNMP_Manager_Access><row IP_Address=\"10.0.0.9\"/></SNMP_Manager_Access>");
  f.Hide();
  Show(f);
  const QStringList expected = {"Y", "10.0.0.9", "", "", "", "", "", "N", "N", "N", "", "", "", "None", "N"};
  for (int c = 1; c <= int(expected.size()); ++c) EXPECT_EQ(Grid()->GetCellEx(c, 1), expected[c - 1]) << c;
}

TEST_F(SnmpManagerAccess, TheUserFillsARowFailsOKFixesItAndCancelsLaterEdits) {
  TFSNMPManagerAccess& f = *(Form = std::make_unique<TFSNMPManagerAccess>(nullptr));
  f.DoCreate();
  TPlexStringGrid* g = f.PCG_SNMP;
  QTimer::singleShot(0, [&] {
    EXPECT_TRUE(WaitActive(f));
    TypeInto(g, 2, 1, "192.168.1.20");
    EXPECT_TRUE(PickItem(g, 3, 1, "3"));
    TypeInto(g, 4, 1, "Harbor");
    TypeInto(g, 5, 1, "1.3.6.1.2.1.1.5.0");
    EXPECT_TRUE(PickItem(g, 6, 1, "String"));
    EXPECT_TRUE(PickItem(g, 7, 1, "Get"));
    ClickCell(g, 10, 1);  // On Timer ticked
    EXPECT_EQ(g->GetCellEx(10, 1), "Y");
    TypeInto(g, 11, 1, "1000");
    EXPECT_TRUE(PickItem(g, 12, 1, "100"));
    TypeInto(g, 13, 1, "16");
    EXPECT_TRUE(PickItem(g, 14, 1, "None"));
    TypeInto(g, 16, 1, "admin");
    TypeInto(g, 17, 1, "secret12");
    TypeInto(g, 18, 1, "secret34");
    EXPECT_TRUE(PickItem(g, 19, 1, "Auth Priv"));
    EXPECT_TRUE(PickItem(g, 20, 1, "SHA"));
    Press(f.Btn_OK);
    EXPECT_EQ(Messages(), QStringList{"Error row 1!! Priv Mode must be selected"});
    EXPECT_TRUE(PickItem(g, 21, 1, "AES"));
    Shot(f, "SNMPManagerAccess.png");

    // The row copied below itself asks the same thing again.
    ClickCell(g, 2, 1);
    Press(f.Btn_CopyRow);
    ClickCell(g, 2, 2);
    Press(f.Btn_PasteRow);
    EXPECT_EQ(g->GetCellEx(21, 2), "AES");
    Dialogs->ClearRecords();
    Press(f.Btn_OK);
    EXPECT_EQ(Messages(), QStringList{"Error in rows 1 and 2!! Same IP Address, Version and OID used"});
    Dialogs->Answer(mrYes);
    Press(f.Btn_DelRow);
    EXPECT_EQ(Dialogs->Records().back().Text, "Are you sure to delete the Row number 2");
    EXPECT_EQ(g->GetCellEx(2, 2), "");
    Dialogs->ClearRecords();
    Press(f.Btn_OK);
  });
  EXPECT_EQ(f.ShowModal(), mrOk);
  EXPECT_TRUE(Messages().isEmpty());
  const QByteArray saved = ReadBytes(SNMPManagerFile);
  EXPECT_TRUE(
      saved.contains("On_Timer=\"Y\" Time=\"1000\" Position=\"100\" Number_Bytes=\"16\" "
                     "ConvertFrom=\"None\" Cancel=\"\" User=\"admin\""))
      << saved.toStdString();

  QTimer::singleShot(0, [&] {
    EXPECT_TRUE(WaitActive(f));
    TypeInto(g, 2, 1, "10.1.1.1");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
  });
  EXPECT_EQ(f.ShowModal(), mrCancel);
  EXPECT_EQ(ReadBytes(SNMPManagerFile), saved);
}
