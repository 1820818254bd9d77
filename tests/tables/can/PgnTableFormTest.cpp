// The J1939 and NMEA 2000 tables: one table of rule cases over the four
// editors (ranges, the byte rules of each frame kind, the running total),
// their loading defaults, files, and each editor driven by keys and mouse.
#include "tables/can/PgnTableForm.h"

#include "CanEditorFixture.h"
#include "tables/can/UReceiveJ1939.h"
#include "tables/can/UReceiveNMEA.h"
#include "tables/can/UTransmitJ1939.h"
#include "tables/can/UTransmitNMEA.h"

namespace {

enum TEditor { J1939Rx, J1939Tx, NmeaRx, NmeaTx };
const char* const Names[] = {"ReceiveJ1939", "TransmitJ1939", "ReceiveNMEA", "TransmitNMEA"};

// A valid row from column 1 on: 8 bytes each (a whole single frame, or N Bytes 8).
QStringList ValidRow(TEditor Editor) {
  switch (Editor) {
    case J1939Rx: return {"0", "0xFEF1", "0", "N", "", "", "N", "N", "1000", "m"};
    case J1939Tx: return {"3", "0", "0x100", "0", "8", "N", "N", "N", "", "m"};
    case NmeaRx: return {"0x1F000", "0", "N", "N", "", "", "N", "m"};
    case NmeaTx: break;
  }
  return {"3", "0x1F000", "0", "N", "8", "N", "N", "N", "", "m"};
}

QStringList Row(TEditor Editor, std::initializer_list<std::pair<int, const char*>> Cells) {
  QStringList row = ValidRow(Editor);
  for (const auto& [col, text] : Cells) row[col - 1] = text;
  return row;
}

QList<QStringList> Many(TEditor Editor, int Count, const QStringList& Last) {
  QList<QStringList> rows;
  for (int i = 1; i < Count; ++i) rows << ValidRow(Editor);
  rows << Last;
  return rows;
}

struct TRuleCase {
  TEditor Editor;
  QList<QStringList> Rows;
  const char* Message;  // empty: the table passes
};

const char* const J1939Pgn = "Error in row 1!! PGN must be between 0x0000 and 0xFFFF";
const char* const WidePgn1 = "Error in row 1!! PGN must be between 0x00000 and 0x1FFFF";
const char* const Total1440 = "Error!! Too many bytes of data, the max number is 1440";
const char* const Total512 = "Error!! Too many bytes of data, the max number is 512";
const char* const TimeMs = "Error in row 1!! Time(ms) must be between 0 and 10000000";

const TRuleCase Cases[] = {
    {J1939Rx, {Row(J1939Rx, {{2, "0xFEF1"}})}, ""},
    {J1939Rx, {Row(J1939Rx, {{2, "$FEF1"}})}, ""},
    {J1939Rx, {Row(J1939Rx, {{2, "65265"}})}, ""},
    {J1939Rx, {Row(J1939Rx, {{2, "65536"}})}, J1939Pgn},
    {J1939Rx, {Row(J1939Rx, {{2, "xFEF1"}})}, J1939Pgn},
    {J1939Rx, {Row(J1939Rx, {{2, " "}})}, J1939Pgn},
    {J1939Rx, {Row(J1939Rx, {{1, ""}})}, "Error in row 1!! Data Page must be 0 or 1"},
    {J1939Rx, {Row(J1939Rx, {{3, "239"}})}, ""},
    {J1939Rx, {Row(J1939Rx, {{3, "240"}})}, "Error in row 1!! Source Address must be between 0 and 239"},
    {J1939Rx, {Row(J1939Rx, {{4, "Y"}, {5, "1000"}, {6, "785"}})}, ""},
    {J1939Rx, {Row(J1939Rx, {{4, "Y"}, {5, "1000"}, {6, "786"}})},
     "Error in row 1!! Start Byte plus Number Bytes must be between 0 and 1785"},
    {J1939Rx, {Row(J1939Rx, {{4, "Y"}, {5, "1786"}, {6, "0"}})}, "Error in row 1!! Start Byte must be between 0 and 1785"},
    {J1939Rx, {Row(J1939Rx, {{4, "Y"}, {5, "0"}, {6, ""}})},
     "Error in row 1!! Start Byte plus Number Bytes must be between 0 and 1785"},
    {J1939Rx, {Row(J1939Rx, {{5, "2"}})}, "Error in row 1!! Start Byte and Number Bytes must be both compiled"},
    {J1939Rx, {Row(J1939Rx, {{6, " 3"}})}, "Error in row 1!! Start Byte and Number Bytes must be both compiled"},
    {J1939Rx, {Row(J1939Rx, {{5, "0"}, {6, "4"}})}, "Error in row 1!! The Start Byte must be between 1 and 8"},
    {J1939Rx, {Row(J1939Rx, {{5, "2"}, {6, "6"}})}, ""},
    {J1939Rx, {Row(J1939Rx, {{5, "2"}, {6, "9"}})}, "Error in row 1!! The Number Bytes must be between 1 and 8"},
    {J1939Rx, {Row(J1939Rx, {{5, "2"}, {6, "7"}})}, "Error in row 1!! The Number Bytes plus Start Byte must be minor of 9"},
    // A transport flag other than exactly "Y" leaves a single frame.
    {J1939Rx, {Row(J1939Rx, {{4, "y"}, {5, "1000"}, {6, "785"}})}, "Error in row 1!! The Start Byte must be between 1 and 8"},
    {J1939Rx, Many(J1939Rx, 180, ValidRow(J1939Rx)), ""},
    {J1939Rx, Many(J1939Rx, 181, ValidRow(J1939Rx)), Total1440},
    {J1939Rx, Many(J1939Rx, 2, Row(J1939Rx, {{4, "Y"}, {5, "0"}, {6, "1433"}})), Total1440},
    {J1939Rx, {Row(J1939Rx, {{8, "Y"}, {9, "2"}})}, ""},
    {J1939Rx, {Row(J1939Rx, {{8, "Y"}, {9, "1"}})}, TimeMs},
    {J1939Rx, {Row(J1939Rx, {{8, "Y"}, {9, "20000000"}})}, TimeMs},
    {J1939Rx, {Row(J1939Rx, {{8, "N"}, {9, "20000000"}})}, ""},
    {J1939Rx, {Row(J1939Rx, {{8, "N"}, {9, "1"}})}, ""},
    {J1939Rx, {ValidRow(J1939Rx), ValidRow(J1939Rx), ValidRow(J1939Rx), ValidRow(J1939Rx),
               Row(J1939Rx, {{2, ""}}), Row(J1939Rx, {{3, "999"}})},
     ""},
    {J1939Tx, {Row(J1939Tx, {{1, "8"}})}, "Error in row 1!! Priority must be between 0 and 7"},
    {J1939Tx, {Row(J1939Tx, {{1, ""}})}, "Error in row 1!! Priority must be between 0 and 7"},
    {J1939Tx, {Row(J1939Tx, {{2, ""}})}, "Error in row 1!! Data Page must be 0 or 1"},
    {J1939Tx, {Row(J1939Tx, {{3, "0x1FFFF"}, {4, "255"}})}, ""},
    {J1939Tx, {Row(J1939Tx, {{3, "0x20000"}})}, WidePgn1},
    {J1939Tx, {Row(J1939Tx, {{4, "256"}})}, "Error in row 1!! Source Address must be between 0 and 255"},
    {J1939Tx, {Row(J1939Tx, {{5, "0"}})}, "Error in row 1!! Num Byte must be between 0 and 512"},
    {J1939Tx, {Row(J1939Tx, {{5, "513"}})}, "Error in row 1!! Num Byte must be between 0 and 512"},
    {J1939Tx, {Row(J1939Tx, {{5, "512"}})}, ""},
    {J1939Tx, Many(J1939Tx, 64, ValidRow(J1939Tx)), ""},
    {J1939Tx, Many(J1939Tx, 65, ValidRow(J1939Tx)), Total512},
    {J1939Tx, {Row(J1939Tx, {{8, "Y"}, {9, "0"}})}, "Error in row 1!! Send Timer must be between 1 and 65535 ms"},
    {J1939Tx, {Row(J1939Tx, {{8, "N"}, {9, "0"}})}, ""},
    {J1939Tx, {Row(J1939Tx, {{8, "Y"}, {9, "65535"}})}, ""},
    {NmeaRx, {Row(NmeaRx, {{1, "0x1FFFF"}})}, ""},
    {NmeaRx, {Row(NmeaRx, {{1, "0x20000"}})}, WidePgn1},
    {NmeaRx, {Row(NmeaRx, {{2, "240"}})}, "Error in row 1!! Source Address must be between 0 and 239"},
    {NmeaRx, {Row(NmeaRx, {{4, "Y"}, {5, "200"}, {6, "23"}})}, ""},
    {NmeaRx, {Row(NmeaRx, {{4, "Y"}, {5, "200"}, {6, "24"}})},
     "Error in row 1!! Start Byte plus Number Bytes must be between 0 and 223"},
    {NmeaRx, {Row(NmeaRx, {{4, "Y"}, {5, "224"}, {6, "0"}})}, "Error in row 1!! Start Byte must be between 0 and 223"},
    {NmeaRx, {Row(NmeaRx, {{3, "Y"}, {4, "Y"}, {5, "1000"}, {6, "785"}})}, Total512},
    {NmeaRx, {Row(NmeaRx, {{3, "Y"}, {4, "Y"}, {5, "1000"}, {6, "786"}})},
     "Error in row 1!! Start Byte plus Number Bytes must be between 0 and 1785"},
    {NmeaRx, {Row(NmeaRx, {{3, "Y"}, {4, "Y"}, {5, "1500"}, {6, "200"}})}, ""},
    {NmeaRx, {Row(NmeaRx, {{3, "Y"}, {5, "0"}, {6, "300"}}), Row(NmeaRx, {{3, "Y"}, {5, "0"}, {6, "220"}})},
     Total512},
    {NmeaRx, Many(NmeaRx, 62, ValidRow(NmeaRx)), ""},
    {NmeaRx, {Row(NmeaRx, {{5, "3"}})}, "Error in row 1!! Start Byte and Number Bytes must be both compiled"},
    {NmeaRx, {Row(NmeaRx, {{5, "0"}, {6, "4"}})}, "Error in row 1!! The Start Byte must be between 1 and 8"},
    {NmeaRx, {Row(NmeaRx, {{5, "1"}, {6, "0"}})}, "Error in row 1!! The Number Bytes must be between 1 and 8"},
    {NmeaRx, {Row(NmeaRx, {{5, "4"}, {6, "5"}})}, "Error in row 1!! The Number Bytes plus Start Byte must be minor of 9"},
    {NmeaTx, {Row(NmeaTx, {{5, "0"}})}, ""},
    {NmeaTx, {Row(NmeaTx, {{5, "513"}})}, "Error in row 1!! Num Byte must be between 0 and 512"},
    {NmeaTx, {Row(NmeaTx, {{5, "300"}}), Row(NmeaTx, {{5, "213"}})}, Total512},
    {NmeaTx, {Row(NmeaTx, {{5, "300"}}), Row(NmeaTx, {{5, "212"}})}, ""},
    {NmeaTx, {Row(NmeaTx, {{2, "   "}})}, WidePgn1},
    {NmeaTx, {Row(NmeaTx, {{1, "8"}, {2, "   "}})}, "Error in row 1!! Priority must be between 0 and 7"},
    {NmeaTx, {Row(NmeaTx, {{3, "240"}})}, "Error in row 1!! Source Address must be between 0 and 239"},
    {NmeaTx, {Row(NmeaTx, {{8, "Y"}, {9, "0"}})}, "Error in row 1!! Send Timer must be between 1 and 65535 ms"},
    {NmeaTx, {Row(NmeaTx, {{8, "N"}, {9, "0"}})}, ""},
};

class PgnTableFormTest : public CanEditorFixture {
public:
  void SetUp() override {
    CanEditorFixture::SetUp();
    Forms[J1939Rx] = Create<TFReceiveJ1939>();
    Forms[J1939Tx] = Create<TFTransmitJ1939>();
    Forms[NmeaRx] = Create<TFReceiveNMEA>();
    Forms[NmeaTx] = Create<TFTransmitNMEA>();
  }
  static const QString& FileOf(TEditor Editor) {
    switch (Editor) {
      case J1939Rx: return J1939RecFramesFile;
      case J1939Tx: return J1939SendFramesFile;
      case NmeaRx: return NMEARecFramesFile;
      case NmeaTx: break;
    }
    return NMEASendFramesFile;
  }
  static int PgnColumn(TEditor Editor) { return Editor == J1939Rx || Editor == NmeaTx ? 2 : Editor == NmeaRx ? 1 : 3; }
  std::unique_ptr<TPgnTableForm> Forms[4];
};

}  // namespace

TEST_F(PgnTableFormTest, EachRowIsCheckedByItsFrameKindAndTheBytesMustFitTheArea) {
  for (const TRuleCase& c : Cases) {
    TPgnTableForm* form = Forms[c.Editor].get();
    form->FormShow(form);
    for (int r = 0; r < c.Rows.size(); ++r) PutRow(form->sga, r + 1, 1, c.Rows[r]);
    Dialogs->ClearRecords();
    const QString message = QString::fromUtf8(c.Message);
    const std::string name = std::string(Names[c.Editor]) + " " + c.Rows.last().join('|').toStdString();
    EXPECT_EQ(form->Controllo_Dati(), message.isEmpty()) << name;
    EXPECT_EQ(Shown(), message.isEmpty() ? QStringList() : QStringList{message}) << name;
  }
}

TEST_F(PgnTableFormTest, MissingAttributesTakeTheirDefaultsAndTheOlderSendModeIsRead) {
  WriteFile(J1939SendFramesFile,
            "<Transmit_J1939>"
            "<row Priority=\"3\" DP=\"0\" PGN=\"1\" SA=\"0\" T_Type=\"on timer\" On_Request=\"Y\" SendTimer=\"10\"/>"
            "<row PGN=\"2\" T_Type=\"On Data Change\" On_Timer=\"Y\"/>"
            "<row PGN=\"3\" T_Type=\"on request\" TP_NByte=\"\"/>"
            "<row PGN=\"4\" TP_NByte=\"12\" On_Timer=\"Y\"/>"
            "</Transmit_J1939>");
  TPgnTableForm& tx = *Forms[J1939Tx];
  tx.FormShow(&tx);
  EXPECT_EQ(ColumnTexts(tx.sga, 5, 4), QStringList({"8", "8", "8", "12"}));
  EXPECT_EQ(ColumnTexts(tx.sga, 6, 4), QStringList({"N", "N", "N", "N"}));
  EXPECT_EQ(ColumnTexts(tx.sga, 7, 4), QStringList({"N", "Y", "N", "N"}));
  EXPECT_EQ(ColumnTexts(tx.sga, 8, 4), QStringList({"Y", "N", "N", "Y"}));
  EXPECT_EQ(ColumnTexts(tx.sga, 1, 2), QStringList({"3", ""}));
  tx.Btn_OKClick(tx.Btn_OK);
  EXPECT_EQ(Shown(), QStringList({"Error in row 2!! Priority must be between 0 and 7"}));
  for (int r = 2; r <= 4; ++r) PutRow(tx.sga, r, 1, {"1", "0", QString::number(r), "0"});
  tx.sga->SetCellEx(9, 4, "100");
  Dialogs->ClearRecords();
  tx.Btn_OKClick(tx.Btn_OK);
  EXPECT_EQ(Shown(), QStringList());
  const QByteArray saved = FileBytes(J1939SendFramesFile);
  EXPECT_FALSE(saved.contains("T_Type"));
  EXPECT_TRUE(saved.startsWith("<Transmit_J1939><row Priority=\"3\" DP=\"0\" PGN=\"1\" SA=\"0\" TP_NByte=\"8\""
                               " On_Request=\"N\" On_Data_Change=\"N\" On_Timer=\"Y\" SendTimer=\"10\" Mnemonic=\"\"/>"));

  Dialogs->ClearRecords();
  WriteFile(J1939RecFramesFile, "<Receive_J1939><row PGN=\"5\"/></Receive_J1939>");
  TPgnTableForm& rx = *Forms[J1939Rx];
  rx.FormShow(&rx);
  EXPECT_EQ(rx.sga->GetCellEx(9, 1), "1000");
  EXPECT_EQ(rx.sga->GetCellEx(4, 1), "N");
  EXPECT_EQ(rx.sga->GetCellEx(7, 1), "N");
  EXPECT_EQ(rx.sga->GetCellEx(5, 1), "");
  EXPECT_EQ(rx.sga->GetCellEx(9, 2), "");  // rows without a file row keep their reset

  WriteFile(NMEARecFramesFile, "<Anything><row PGN=\"6\" TP=\"Y\"/></Anything>");
  TPgnTableForm& nrx = *Forms[NmeaRx];
  nrx.FormShow(&nrx);
  EXPECT_EQ(nrx.sga->GetCellEx(3, 1), "Y");
  EXPECT_EQ(nrx.sga->GetCellEx(4, 1), "N");
  EXPECT_EQ(nrx.sga->GetCellEx(5, 1), "");

  WriteFile(NMEASendFramesFile, "<Transmit_NMEA><row PGN=\"7\" On_Request=\"Y\"/></Transmit_NMEA>");
  TPgnTableForm& ntx = *Forms[NmeaTx];
  ntx.FormShow(&ntx);
  EXPECT_EQ(ColumnTexts(ntx.sga, 2, 1), QStringList({"7"}));
  EXPECT_EQ(ntx.sga->GetCellEx(4, 1), "N");
  EXPECT_EQ(ntx.sga->GetCellEx(6, 1), "Y");
  EXPECT_EQ(ntx.sga->GetCellEx(8, 1), "N");
  EXPECT_EQ(ntx.sga->GetCellEx(5, 1), "");
  EXPECT_TRUE(Dialogs->Records().empty());
}

TEST_F(PgnTableFormTest, FilesLoadAndSaveUnchangedUpToTheFirstEmptyPGN) {
  for (TEditor editor : {J1939Rx, J1939Tx, NmeaRx, NmeaTx}) {
    SCOPED_TRACE(Names[editor]);
    TPgnTableForm& f = *Forms[editor];
    f.FormShow(&f);
    for (int r = 1; r <= 7; ++r) PutRow(f.sga, r, 1, ValidRow(editor));
    f.sga->SetCellEx(f.sga->ColCount() - 1, 2, "Line & <2>");
    f.sga->SetCellEx(PgnColumn(editor), 5, "");
    f.Btn_OKClick(&f);
    const QByteArray saved = FileBytes(FileOf(editor));
    EXPECT_EQ(saved.count("<row "), 4);
    if (editor == NmeaTx) {
      EXPECT_TRUE(saved.startsWith("<Receive_NMEA_2000><row "));
    }
    f.FormShow(&f);
    EXPECT_EQ(f.sga->GetCellEx(f.sga->ColCount() - 1, 2), "Line & <2>");
    f.Btn_OKClick(&f);
    EXPECT_EQ(FileBytes(FileOf(editor)), saved);
    f.sga->SetCellEx(PgnColumn(editor), 1, "");
    f.Btn_OKClick(&f);
    EXPECT_TRUE(FileBytes(FileOf(editor)).endsWith("/><!--SW_VERSION = 1.000-->\n"));
    EXPECT_FALSE(FileBytes(FileOf(editor)).contains("<row"));
  }
  EXPECT_TRUE(Dialogs->Records().empty());
}

TEST_F(PgnTableFormTest, EachEditorIsDrivenByKeysAndMouse) {
  struct TDriveCase {
    TEditor Editor;
    int Width, Rows, DataPage, FirstCheck;
    const char* Failing;
  };
  const TDriveCase cases[] = {
      {J1939Rx, 876, 513, 1, 4, "Error in row 2!! Source Address must be between 0 and 239"},
      {J1939Tx, 800, 513, 2, 6, "Error in row 2!! Source Address must be between 0 and 255"},
      {NmeaRx, 810, 63, 0, 3, "Error in row 2!! Source Address must be between 0 and 239"},
      {NmeaTx, 810, 63, 0, 4, "Error in row 2!! Source Address must be between 0 and 239"},
  };
  for (const TDriveCase& c : cases) {
    SCOPED_TRACE(Names[c.Editor]);
    TPgnTableForm& f = *Forms[c.Editor];
    TPlexColumnGrid* g = f.sga;
    EXPECT_EQ(f.ClientWidth(), c.Width);
    EXPECT_EQ(g->RowCount(), c.Rows);
    EXPECT_EQ(g->DefaultRowHeight(), 21);
    EXPECT_EQ(g->Columns()[c.FirstCheck]->Editor(), edDataCheckBox);
    QString hint;
    f.GridHint(g, 0, 1, hint);
    EXPECT_FALSE(hint.trimmed().isEmpty());
    const int sa = PgnColumn(c.Editor) + 1;
    const QString path = FileOf(c.Editor);
    Dialogs->ClearRecords();
    const TModalResult result = RunModal(f, [&] {
      // Rows 1 to 8 typed: the valid row's texts, check boxes and the Data Page left for the mouse.
      const QStringList valid = ValidRow(c.Editor);
      for (int r = 1; r <= 8; ++r)
        for (int col = 1; col <= valid.size(); ++col) {
          const TEditorType editor = g->Columns()[col]->Editor();
          QString text = valid[col - 1];
          if (col == sa && r == 2) text = "999";
          if (editor == edNormal && !text.isEmpty() && (r <= 2 || col == PgnColumn(c.Editor) || col == sa))
            TypeInto(g, col, r, text);
          else if (editor != edDataCheckBox)
            g->SetCellEx(col, r, text);
        }
      ClickCell(g, c.FirstCheck, 1);
      EXPECT_EQ(g->GetCellEx(c.FirstCheck, 1), "Y");
      ClickCell(g, c.FirstCheck, 1);
      EXPECT_EQ(g->GetCellEx(c.FirstCheck, 1), "N");

      ClickCell(g, 1, 7);
      Dialogs->Answer(mrNo);
      Press(f.Btn_DelRow);
      EXPECT_EQ(Shown(), QStringList({"Are you sure to delete the Row number 7"}));
      EXPECT_EQ(ColumnTexts(g, PgnColumn(c.Editor), 8).count(""), 0);
      ClickCell(g, 1, 1);
      Press(f.Btn_CopyRow);
      ClickCell(g, 1, 9);
      Press(f.Btn_PasteRow);
      EXPECT_EQ(g->GetCellEx(PgnColumn(c.Editor), 9), g->GetCellEx(PgnColumn(c.Editor), 1));

      Dialogs->ClearRecords();
      Press(f.Btn_OK);
      EXPECT_EQ(Shown(), QStringList({c.Failing}));
      EXPECT_FALSE(QFile::exists(path));
      // The wrong address corrected: the editor opened on its text, three characters erased.
      ClickCell(g, sa, 2);
      QTest::keyClick(g->Widget(), Qt::Key_F2);
      for (int i = 0; i < 3; ++i) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
      QTest::keyClicks(QApplication::focusWidget(), "7");
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
      EXPECT_EQ(g->GetCellEx(sa, 2), "7");
      if (c.DataPage) Pick(g, c.DataPage, 1, 1);
      Shot(f, Names[c.Editor]);
      Dialogs->ClearRecords();
      Press(f.Btn_OK);
      EXPECT_EQ(Shown(), QStringList());
    });
    EXPECT_EQ(result, mrOk);
    EXPECT_EQ(FileBytes(path).count("<row "), 9);
    if (c.DataPage) {
      EXPECT_TRUE(FileBytes(path).contains("DP=\"1\""));
    }

    // Cancel loses an edit; reopening shows the file again.
    EXPECT_EQ(RunModal(f,
                       [&] {
                         TypeInto(g, PgnColumn(c.Editor), 10, "77");
                         Press(f.Btn_Cancel);
                       }),
              mrCancel);
    EXPECT_EQ(RunModal(f, [&] { EXPECT_EQ(g->GetCellEx(PgnColumn(c.Editor), 10), ""); }), mrCancel);
  }
}
