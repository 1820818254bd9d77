// The KNX telegram table: its rules by cases, its own row delete, the file
// and the form as a user drives it.
#include "tables/snmp_ethernet/UKNXAccess.h"

#include "EditorTestKit.h"
#include "grid/editing/PlexColumnGrid.h"
#include "platform/SysUtils.h"

#include <QTimer>

#include <memory>
#include <vector>

namespace {

// A valid enabled telegram (columns 1-18) in byte mode.
QStringList Telegram() {
  return {"Y", "1.1.20", "1/2/3", "Write", "Normal", "None", "", "N", "N", "N", "N", "N", "", "0", "No", "2", "0", ""};
}

class KNXAccess : public SnmpEthernetEditorTest {
protected:
  void TearDown() override {
    FormatSettings().DecimalSeparator = u'.';
    SnmpEthernetEditorTest::TearDown();
  }
  TFKNXAccess& Open() {
    Form = std::make_unique<TFKNXAccess>(nullptr);
    Form->DoCreate();
    Show(*Form);
    return *Form;
  }
  TPlexStringGrid* Grid() const { return Form->PCG_KNX_in_Write; }
  void PutRow(int ARow, const QStringList& Texts) {
    for (int c = 1; c <= int(Texts.size()); ++c) Grid()->SetCellEx(c, ARow, Texts[c - 1]);
  }
  QStringList Check(const QStringList& Row) {
    Form->FormShow(Form.get());
    PutRow(1, Row);
    Dialogs->ClearRecords();
    const bool passed = Form->Controllo_Dati();
    EXPECT_EQ(passed, Messages().isEmpty());
    return Messages();
  }

  std::unique_ptr<TFKNXAccess> Form;
};

}  // namespace

TEST_F(KNXAccess, CreationBuildsTheColumnsAndTheTexts) {
  TFKNXAccess& f = Open();
  EXPECT_EQ(f.ClientWidth(), 1250);
  EXPECT_EQ(f.ClientHeight(), 337);
  TPlexColumnGrid* g = f.PCG_KNX_in_Write;
  EXPECT_EQ(g->ColCount(), 19);
  EXPECT_EQ(g->RowCount(), 1025);
  EXPECT_EQ(g->NumHiddenColumns(), 0);  // APCI, OnCMD and OnChange are shown
  EXPECT_EQ(g->ColWidths(17), 96);
  const std::pair<int, const char*> headers[] = {{0, "N"},        {2, "Source Add"}, {7, "Mul. Factor"},
                                                 {8, "Extended"}, {17, "TimeOut"},   {18, "Mnemonic"}};
  for (const auto& [col, text] : headers) EXPECT_EQ(g->Columns()[col]->Header(), text) << col;
  EXPECT_EQ(g->Columns()[5]->ComboItems().CommaText(), "System,Urgent,Normal,Low");
  EXPECT_EQ(g->Columns()[15]->ComboItems().CommaText(), "No,0,1,2,3,4,5,6,7");
  EXPECT_EQ(g->Columns()[6]->ComboItems().Count(), 8);
  EXPECT_EQ(g->Columns()[14]->ComboItems().Count(), 1500);
  QString hint;
  f.GridHint(g, 0, 7, hint);
  EXPECT_EQ(hint, LangText(5363));
  f.GridHint(g, 0, 10, hint);
  EXPECT_EQ(hint, LangText(5340));
}

TEST_F(KNXAccess, RulesByCases) {
  Open();
  struct Case {
    std::vector<std::pair<int, QString>> Cells;
    QString Message;
  };
  const QString r1 = "Error row 1";
  const Case cases[] = {
      {{}, ""},
      {{{16, "15"}}, r1 + "!! [KNX in Write] Length must be between 1 and 14"},
      {{{16, "14"}}, ""},
      {{{8, "Y"}, {16, "255"}}, ""},
      {{{8, "y"}, {16, "256"}}, r1 + LangText(5358) + "255"},
      {{{15, "3"}, {16, "13"}, {14, "1498"}}, ""},
      {{{15, "3"}, {16, "13"}, {14, "1499"}},
       r1 + "!! [KNX in Write] Position plus Length must be minor or equal to 1500"},
      {{{15, "0"}, {16, "113"}}, r1 + LangText(5358) + "112"},
      {{{15, "0"}, {8, "Y"}, {16, "2040"}}, ""},
      {{{15, "0"}, {8, "Y"}, {16, "2041"}}, r1 + LangText(5358) + "2040"},
      {{{15, "8"}}, r1 + LangText(5357)},
      {{{15, "no"}}, ""},
      {{{16, "0"}}, r1 + LangText(5358) + "14"},
      {{{14, "1500"}}, r1 + "!! [KNX in Write] Position must be between 0 and 1499"},
      {{{14, "1490"}, {16, "10"}}, ""},
      {{{14, "1491"}, {16, "10"}}, r1 + LangText(5359) + "1500"},
      {{{3, "1/2/3"}}, ""},
      {{{3, "31/7/255"}}, ""},
      {{{3, "31/2047"}}, ""},
      {{{3, "32/0/0"}}, r1 + "!! [KNX in Write] Destination Address must be a valid KNX Address (Ex. 230.240)"},
      {{{3, "1.2.3"}}, ""},
      {{{3, "16.0.0"}}, r1 + LangText(5350)},
      {{{2, "1/1/1"}}, r1 + LangText(5349)},
      {{{2, "0.0.0"}}, ""},
      {{{4, "Read"}}, ""},
      {{{4, "write"}}, ""},
      {{{4, "1023"}}, ""},
      {{{4, "1024"}}, r1 + LangText(5352)},
      {{{5, "normal"}}, r1 + "!! [KNX in Write] Priority must be System or Urgent or Normal or Low"},
      {{{6, " "}}, r1 + LangText(5354)},
      {{{7, ""}}, ""},
      {{{7, "1,5"}}, ""},
      {{{7, "1.5"}}, ""},
      {{{7, "x"}}, r1 + LangText(5365)},
      {{{12, "Y"}, {13, "0"}}, r1 + LangText(5355)},
      {{{12, "Y"}, {13, "100000000"}}, ""},
      {{{13, "0"}}, ""},
      {{{17, "-1"}}, r1 + LangText(5366)},
      {{{17, "100000000"}}, ""},
      {{{1, "y"}, {2, "bad"}}, ""},  // "y" is disabled
  };
  for (const QChar separator : {u'.', u','}) {
    FormatSettings().DecimalSeparator = separator;
    for (const Case& c : cases) {
      QStringList row = Telegram();
      for (const auto& [col, text] : c.Cells) row[col - 1] = text;
      EXPECT_EQ(Check(row), c.Message.isEmpty() ? QStringList() : QStringList{c.Message})
          << QString(separator).toStdString() << " " << row.join("|").toStdString();
    }
  }
}

TEST_F(KNXAccess, DeleteRowMovesHiddenCellsWithTheirRows) {
  TFKNXAccess& f = Open();
  TPlexStringGrid* g = Grid();
  for (int r = 1; r <= 5; ++r) {
    QStringList row = Telegram();
    row[1] = QString("1.1.%1").arg(r);
    row[17] = QString("note %1").arg(r);
    PutRow(r, row);
  }
  g->HideColumn(18);
  ClickCell(g, 2, 3);
  Dialogs->Answer(mrYes);
  Press(f.Btn_DelRow);
  EXPECT_EQ(Dialogs->Records().back().Text, LangText(5360) + "3");
  const QStringList sources = {g->GetCellEx(2, 1), g->GetCellEx(2, 2), g->GetCellEx(2, 3), g->GetCellEx(2, 4),
                               g->GetCellEx(2, 5)};
  EXPECT_EQ(sources, QStringList({"1.1.1", "1.1.2", "1.1.4", "1.1.5", ""}));
  EXPECT_EQ(g->GetCellEx(18, 3), "note 4");
  EXPECT_EQ(g->GetCellEx(18, 4), "note 5");
  EXPECT_EQ(g->GetCellEx(18, 5), "");
  EXPECT_EQ(g->GetCellEx(0, 3), "3");
  EXPECT_EQ(g->GetCellEx(2, 1024), "");
  g->UnHideColumn(18);
}

TEST_F(KNXAccess, TheFileReloadsByteForByteAndLoadedPrioritiesAreMended) {
  const QByteArray file =
      "<BACnet_to_KNX><KNX_in_Write><row Enable=\"Y\" Source_Address=\"1.1.20\" Destination_Address=\"1/2/3\" "
      "APCI=\"Write\" Priority=\"Low\" Format=\"Swap16\" MultiplicationFactor=\"0,5\" Extended=\"N\" ReTest=\"Y\" "
      "On_Command=\"N\" On_Change=\"Y\" On_Timer=\"Y\" Poll_Time=\"1000\" Position=\"10\" Bit_Mode=\"No\" Length=\"2\" "
      "TimeOut=\"0\" Mnemonic=\"lamp\"/></KNX_in_Write></BACnet_to_KNX><!--SW_VERSION = 1.000-->\n";
  WriteBytes(KNXSetAccessFile, file);
  TFKNXAccess& f = Open();
  Press(f.Btn_OK);
  EXPECT_EQ(f.ModalResult(), mrOk);
  EXPECT_EQ(ReadBytes(KNXSetAccessFile).toStdString(), file.toStdString());

  WriteBytes(
      KNXSetAccessFile,
      "<BACnet_to_KNX><KNX_in_Write>"
      "<row Source_Address=\"1.1.1\" Destination_Address=\"1/1\" APCI=\"Read\" Priority=\"normal\" Extended=\"N\" "
      "ReTest=\"N\" On_Change=\"N\" Poll_Time=\"\" Position=\"0\" Bit_Mode=\"No\" Length=\"1\" Mnemonic=\"\"/>"
      "<row Source_Address=\"1.1.2\" Destination_Address=\"1/1\" APCI=\"Read\" Priority=\" Urgent\" Extended=\"N\" "
      "ReTest=\"N\" On_Change=\"N\" Poll_Time=\"\" Position=\"0\" Bit_Mode=\"No\" Length=\"1\" Mnemonic=\"\"/>"
      "</KNX_in_Write></BACnet_to_KNX>");
  f.Hide();
  Show(f);
  EXPECT_EQ(Grid()->GetCellEx(5, 1), "Normal");
  EXPECT_EQ(Grid()->GetCellEx(5, 2), "Normal");
  EXPECT_EQ(Grid()->GetCellEx(5, 3), "");  // not a loaded row
  EXPECT_EQ(Grid()->GetCellEx(6, 1), "None");
  EXPECT_EQ(Grid()->GetCellEx(17, 1), "0");
  EXPECT_EQ(Grid()->GetCellEx(10, 1), "N");
  EXPECT_TRUE(Messages().isEmpty());
}

TEST_F(KNXAccess, TheUserTypesAPriorityWrongThenPicksItAndCopiesTheRow) {
  TFKNXAccess& f = *(Form = std::make_unique<TFKNXAccess>(nullptr));
  f.DoCreate();
  TPlexStringGrid* g = Grid();
  QTimer::singleShot(0, [&] {
    EXPECT_TRUE(WaitActive(f));
    TypeInto(g, 2, 1, "1.1.20");
    TypeInto(g, 3, 1, "1/2/3");
    TypeInto(g, 4, 1, "Read");
    g->SetCellEx(5, 1, "normal");  // as a hand-edited file would leave it, without a reload
    EXPECT_TRUE(PickItem(g, 6, 1, "Float16 to Int"));
    TypeInto(g, 7, 1, "0.1");
    ClickCell(g, 8, 1);
    EXPECT_TRUE(PickItem(g, 14, 1, "100"));
    EXPECT_TRUE(PickItem(g, 15, 1, "No"));
    TypeInto(g, 16, 1, "4");
    TypeInto(g, 17, 1, "500");
    Press(f.Btn_OK);
    EXPECT_EQ(Messages(), QStringList{"Error row 1" + LangText(5353)});
    EXPECT_TRUE(PickItem(g, 5, 1, "Urgent"));
    ClickCell(g, 2, 1);
    Press(f.Btn_CopyRow);
    EXPECT_TRUE(f.Do_Copy[0]);
    ClickCell(g, 2, 2);
    Press(f.Btn_PasteRow);
    TypeInto(g, 2, 2, "1.1.21");
    Shot(f, "KNXAccess.png");
    Dialogs->ClearRecords();
    Press(f.Btn_OK);
  });
  EXPECT_EQ(f.ShowModal(), mrOk);
  EXPECT_TRUE(Messages().isEmpty());
  const QByteArray saved = ReadBytes(KNXSetAccessFile);
  EXPECT_EQ(saved.count("<row "), 2);
  EXPECT_TRUE(
      saved.contains("Priority=\"Urgent\" Format=\"Float16 to Int\" MultiplicationFactor=\"0.1\" Extended=\"Y\""))
      << saved.toStdString();
}
