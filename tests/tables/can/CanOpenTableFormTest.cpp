// The CANopen table editors' rules, over the PDO, SDO client and SDO server
// editors in one table of cases; the pages and the own row delete they share.
#include "tables/can/CanOpenTableForm.h"

#include "CanEditorFixture.h"
#include "platform/ExtCtrls.h"

#include <QTabBar>
#include "tables/can/USet_PDO_Access.h"
#include "tables/can/USet_SDO_Client_Access.h"
#include "tables/can/USet_SDO_Server_Access.h"

namespace {

enum TEditor { PDO, Client, Server };

// The cells from column 1 on; rows above Row hold a valid row of the table.
struct TRuleCase {
  TEditor Editor;
  int Table;
  int Row;
  QStringList Cells;
  const char* Message;  // empty: both tables pass
};

QStringList ValidRow(TEditor Editor, int Table) {
  switch (Editor) {
    case PDO:
      return Table == 0 ? QStringList{"1", "1", "0", "", "", "", "", "", "", "", "0", "m"}
                        : QStringList{"1", "1", "0", "", "", "", "", "", "", "", "0", "N", "m"};
    case Client:
      return Table == 0 ? QStringList{"1", "0x1000", "0", "1", "1", "0", "", "", "", "m"}
                        : QStringList{"1", "0x1000", "0", "1", "0", "N", "0", "", "", "", "m"};
    case Server:
      break;
  }
  return {"0x2000", "0", "1", "0", "", "", "", "m"};
}

// A row from a valid one with some cells replaced: {column, text}.
QStringList Row(TEditor Editor, int Table, std::initializer_list<std::pair<int, const char*>> Cells) {
  QStringList row = ValidRow(Editor, Table);
  for (const auto& [col, text] : Cells) row[col - 1] = text;
  return row;
}

const char* const RxCob = "Error row 1!! [Receive PDO] COB-ID must be between 0x000 and 0x7FF";
const char* const ClientDevice = "Error row 1!! [SDO Read] Device ID must be between 1 and 127";
const char* const ClientIndex = "Error row 1!! [SDO Read] Index must be between 0x1000 and 0xFFFF";
const char* const ServerIndex = "Error row 1!! [SDO in Read] Index must be between 0x2000 and 0x5FFF";

const TRuleCase Cases[] = {
    {PDO, 0, 1, Row(PDO, 0, {{1, "0x7FF"}}), ""},
    {PDO, 0, 1, Row(PDO, 0, {{1, "x7FF"}}), ""},
    {PDO, 0, 1, Row(PDO, 0, {{1, "2047"}}), ""},
    {PDO, 0, 1, Row(PDO, 0, {{1, "2048"}}), RxCob},
    {PDO, 1, 1, Row(PDO, 1, {{1, "2048"}}), "Error row 1!! [Transmit PDO] COB-ID must be between 0x000 and 0x7FF"},
    {PDO, 0, 1, Row(PDO, 0, {{2, "2"}, {4, "1499"}, {5, "abc"}}), ""},
    {PDO, 0, 1, Row(PDO, 0, {{2, "2"}, {4, ""}}), "Error row 1!! [Receive PDO] Address Byte2 must be between 0 and 1499"},
    {PDO, 0, 1, Row(PDO, 0, {{2, "8"}, {4, "1"}, {5, "2"}, {6, "3"}, {7, "4"}, {8, "5"}, {9, "6"}, {10, "1500"}}),
     "Error row 1!! [Receive PDO] Address Byte8 must be between 0 and 1499"},
    {PDO, 0, 1, Row(PDO, 0, {{2, "9"}}), "Error row 1!! [Receive PDO] Dimension must be between 1 and 8"},
    {PDO, 0, 1, Row(PDO, 0, {{11, "65535"}}), ""},
    {PDO, 0, 1, Row(PDO, 0, {{11, "65536"}}), "Error row 1!! [Receive PDO] TimeOut must be between 0 and 65535"},
    {PDO, 1, 1, Row(PDO, 1, {{11, "100000000"}}), ""},
    {PDO, 1, 2, Row(PDO, 1, {{11, "100000001"}}), "Error row 2!! [Transmit PDO] Send Time must be between 0 and 100000000"},
    {PDO, 1, 1, Row(PDO, 1, {{2, "2"}, {3, "1500"}}),
     "Error row 1!! [Transmit PDO] Address Byte1 must be between 0 and 1499"},
    {Client, 0, 1, Row(Client, 0, {{1, "0"}}), ClientDevice},
    {Client, 0, 1, Row(Client, 0, {{1, "128"}}), ClientDevice},
    {Client, 0, 1, Row(Client, 0, {{1, "127"}, {2, "x1000"}}), ""},
    {Client, 0, 1, Row(Client, 0, {{2, "0x0FFF"}}), ClientIndex},
    {Client, 0, 1, Row(Client, 0, {{2, "0x10000"}}), ClientIndex},
    {Client, 0, 1, Row(Client, 0, {{2, "0xFFFF"}, {3, "255"}}), ""},
    {Client, 0, 1, Row(Client, 0, {{3, "256"}}), "Error row 1!! [SDO Read] SubIndex must be between 0x00 and 0xFF"},
    {Client, 0, 1, Row(Client, 0, {{4, "3"}}), "Error row 1!! [SDO Read] N Byte must be 1 or 2 or 4"},
    {Client, 0, 1, Row(Client, 0, {{5, "0"}}), "Error row 1!! [SDO Read] Poll Time must be between 1 and 100000000"},
    {Client, 1, 1, Row(Client, 1, {{5, "0"}}), ""},
    {Client, 1, 1, Row(Client, 1, {{5, "-1"}}), "Error row 1!! [SDO Write] Poll Time must be between 0 and 100000000"},
    {Client, 0, 1, Row(Client, 0, {{6, "1500"}}), "Error row 1!! [SDO Read] Address Byte1 must be between 0 and 1499"},
    {Client, 0, 1, Row(Client, 0, {{4, "2"}, {7, "1"}, {8, "abc"}, {9, "9999"}}), ""},
    {Client, 0, 1, Row(Client, 0, {{4, "4"}, {7, "1"}, {8, "2"}}),
     "Error row 1!! [SDO Read] Address Byte4 must be between 0 and 1499"},
    {Client, 1, 1, Row(Client, 1, {{4, "2"}, {7, "0"}, {8, ""}}),
     "Error row 1!! [SDO Write] Address Byte2 must be between 0 and 1499"},
    {Server, 0, 1, Row(Server, 0, {{1, "0x2000"}}), ""},
    {Server, 0, 1, Row(Server, 0, {{1, "$2000"}}), ""},
    {Server, 0, 1, Row(Server, 0, {{1, "8192"}}), ""},
    {Server, 0, 1, Row(Server, 0, {{1, "2000"}}), ServerIndex},
    {Server, 0, 1, Row(Server, 0, {{1, "0x6000"}}), ServerIndex},
    {Server, 0, 1, Row(Server, 0, {{1, "x2000"}}), ServerIndex},
    {Server, 1, 1, Row(Server, 1, {{1, "0x5FFF"}, {2, "0xFF"}}), ""},
    {Server, 1, 1, Row(Server, 1, {{2, "256"}}), "Error row 1!! [SDO in Write] SubIndex must be between 0x00 and 0xFF"},
    {Server, 0, 1, Row(Server, 0, {{3, "3"}}), "Error row 1!! [SDO in Read] N Byte must be 1 or 2 or 4"},
    {Server, 0, 1, Row(Server, 0, {{3, "1"}, {5, "abc"}}), ""},
    {Server, 0, 1, Row(Server, 0, {{4, "1499"}}), ""},
    {Server, 0, 3, Row(Server, 0, {{3, "2"}, {4, "1499"}, {5, "1500"}}),
     "Error row 3!! [SDO in Read] Address Byte2 must be between 0 and 1499"},
    {Server, 1, 2, Row(Server, 1, {{3, "4"}, {5, "1"}, {6, "2"}, {7, " "}}),
     "Error row 2!! [SDO in Write] Address Byte4 must be between 0 and 1499"},
    // A key of blanks ends its table: what stands below it is never read.
    {PDO, 0, 2, Row(PDO, 0, {{1, "   "}}), ""},
    {Client, 1, 2, Row(Client, 1, {{1, " "}}), ""},
    {Server, 0, 2, Row(Server, 0, {{1, "\t"}}), ""},
};

class CanOpenTableFormTest : public CanEditorFixture {
protected:
  void SetUp() override {
    CanEditorFixture::SetUp();
    Forms[PDO] = Create<TFSet_PDO_Access>();
    Forms[Client] = Create<TFSet_SDO_Client_Access>();
    Forms[Server] = Create<TFSet_SDO_Server_Access>();
  }
  std::unique_ptr<TCanOpenTableForm> Forms[3];
};

}  // namespace

TEST_F(CanOpenTableFormTest, EachRowIsCheckedByItsTablesRulesInOrder) {
  for (const TRuleCase& c : Cases) {
    TCanOpenTableForm* form = Forms[c.Editor].get();
    form->FormShow(form);
    TPlexStringGrid* grid = form->Grid(c.Table);
    for (int r = 1; r < c.Row; ++r) PutRow(grid, r, 1, ValidRow(c.Editor, c.Table));
    PutRow(grid, c.Row, 1, c.Cells);
    if (c.Cells[0].trimmed().isEmpty()) PutRow(grid, c.Row + 1, 1, Row(c.Editor, c.Table, {{2, "-7"}}));
    Dialogs->ClearRecords();
    const QString message = QString::fromUtf8(c.Message);
    const std::string name = c.Cells.join('|').toStdString();
    EXPECT_EQ(form->Controllo_Dati(), message.isEmpty()) << name;
    EXPECT_EQ(Shown(), message.isEmpty() ? QStringList() : QStringList{message}) << name;
  }
}

TEST_F(CanOpenTableFormTest, AnEmptyReceiveKeyEndsThatTableButTheTransmitTableIsStillChecked) {
  TCanOpenTableForm* form = Forms[PDO].get();
  Show(*form);
  for (int r = 1; r <= 2; ++r) PutRow(form->sga, r, 1, ValidRow(PDO, 0));
  PutRow(form->sga, 4, 1, Row(PDO, 0, {{1, "9999"}}));  // below the end: never read
  PutRow(form->sgb, 1, 1, ValidRow(PDO, 1));
  PutRow(form->sgb, 2, 1, Row(PDO, 1, {{2, "0"}}));
  form->sga->SetCol(3);
  form->sga->SetRow(2);
  Press(form->Btn_OK);
  EXPECT_EQ(Shown(), QStringList({"Error row 2!! [Transmit PDO] Dimension must be between 1 and 8"}));
  EXPECT_EQ(form->PageControl1->ActivePageIndex(), 0);  // the receive page stays shown
  EXPECT_EQ(form->sga->Row(), 2);
  EXPECT_EQ(form->sga->Col(), 3);
  EXPECT_EQ(form->ModalResult(), mrNone);
  EXPECT_FALSE(QFile::exists(PDOCANopenFile));
}

TEST_F(CanOpenTableFormTest, TheOwnDeleteMovesTheRowsBelowUpAndClearsTheLast) {
  for (auto& form : Forms) {
    form->FormShow(form.get());
    TPlexStringGrid* grid = form->sgb;
    const int last = grid->RowCount() - 1;
    for (int r = 1; r <= last; ++r) grid->SetCellEx(1, r, QString::number(r));
    grid->SetCellEx(grid->ColCount() - 1, last, "note");
    TCanOpenTableForm::Delete_Row(1, grid);
    EXPECT_EQ(grid->GetCellEx(1, 1), "2");
    EXPECT_EQ(grid->GetCellEx(1, last - 1), QString::number(last));
    EXPECT_EQ(grid->GetCellEx(grid->ColCount() - 1, last - 1), "note");
    EXPECT_EQ(grid->GetCellEx(1, last), "");
    EXPECT_EQ(grid->GetCellEx(grid->ColCount() - 1, last), "");
    EXPECT_EQ(grid->GetCellEx(0, last), QString::number(last));  // the row numbers stay
    grid->SetCellEx(1, last, "x");
    TCanOpenTableForm::Delete_Row(last, grid);
    EXPECT_EQ(grid->GetCellEx(1, last), "");
    EXPECT_EQ(grid->GetCellEx(1, last - 1), QString::number(last));
  }
}

namespace {
// The column whose count says how many addresses a row uses.
int CountColumn(TEditor Editor) { return Editor == PDO ? 2 : Editor == Client ? 4 : 3; }

const char* const CountMessages[] = {"Error row 2!! [Receive PDO] Dimension must be between 1 and 8",
                                     "Error row 2!! [SDO Read] N Byte must be 1 or 2 or 4",
                                     "Error row 2!! [SDO in Read] N Byte must be 1 or 2 or 4"};
const char* const ShotNames[] = {"Set_PDO_Access", "Set_SDO_Client_Access", "Set_SDO_Server_Access"};

// Clicks the tab of a page, as the user changes pages.
void ClickTab(TPageControl* Pages, int Index) {
  QTabBar* bar = Pages->Widget()->findChild<QTabBar*>();
  ASSERT_NE(bar, nullptr);
  QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(Index).center());
}

// Types a row's texts; check boxes and empty cells are left as they are.
void TypeValid(TPlexColumnGrid* Grid, int ARow, const QStringList& Cells) {
  for (int c = 1; c <= Cells.size(); ++c)
    if (!Cells[c - 1].isEmpty() && Grid->Columns()[c]->Editor() != edDataCheckBox)
      CanEditorFixture::TypeInto(Grid, c, ARow, Cells[c - 1]);
}
}  // namespace

TEST_F(CanOpenTableFormTest, EachEditorIsDrivenByKeysAndMouseThroughBothPages) {
  for (TEditor editor : {PDO, Client, Server}) {
    SCOPED_TRACE(ShotNames[editor]);
    TCanOpenTableForm& f = *Forms[editor];
    TPlexColumnGrid* a = f.sga;
    TPlexColumnGrid* b = f.sgb;
    const int last = b->RowCount() - 1;
    const QString path = editor == PDO ? PDOCANopenFile : editor == Client ? SDOClientCANopenFile : SDOServerCANopenFile;
    Dialogs->ClearRecords();
    const TModalResult result = RunModal(f, [&] {
      EXPECT_EQ(f.PageControl1->ActivePageIndex(), 0);
      TypeValid(a, 1, ValidRow(editor, 0));
      TypeValid(a, 2, Row(editor, 0, {{CountColumn(editor), ""}}));
      ClickCell(a, 1, 1);
      Press(f.Btn_CopyRow);
      EXPECT_EQ(f.Do_Copy, std::vector<bool>({true, false}));

      ClickTab(f.PageControl1, 1);
      EXPECT_EQ(f.ActiveTable(), 1);
      ClickCell(b, 1, 1);
      Press(f.Btn_PasteRow);  // copied on the other page
      EXPECT_EQ(Shown(), QStringList({LangText(1502)}));

      // The write table full, each row naming itself in its last column.
      for (int r = 1; r <= last; ++r) PutRow(b, r, 1, Row(editor, 1, {{b->ColCount() - 1, ""}}));
      for (int r = 1; r <= last; ++r) b->SetCellEx(b->ColCount() - 1, r, QString::number(r));
      ClickCell(b, 0, 4);
      EXPECT_EQ(b->Selection().Top, 4);
      EXPECT_EQ(b->Selection().Bottom, 4);

      ClickCell(b, 1, 1);
      Dialogs->ClearRecords();
      Dialogs->Answer(mrNo);
      Press(f.Btn_DelRow);
      EXPECT_EQ(Shown(), QStringList({"Are you sure to delete the Row number 1"}));
      EXPECT_EQ(b->GetCellEx(b->ColCount() - 1, 1), "1");
      Dialogs->Answer(mrYes);
      Press(f.Btn_DelRow);
      EXPECT_EQ(b->GetCellEx(b->ColCount() - 1, 1), "2");
      EXPECT_EQ(b->GetCellEx(b->ColCount() - 1, last - 1), QString::number(last));
      EXPECT_EQ(b->GetCellEx(1, last), "");
      b->SetCellEx(1, last, "x");
      ClickCell(b, 1, last);
      Dialogs->Answer(mrYes);
      Press(f.Btn_DelRow);
      EXPECT_EQ(b->GetCellEx(1, last), "");
      EXPECT_EQ(b->GetCellEx(1, last - 1), ValidRow(editor, 1)[0]);

      Dialogs->ClearRecords();
      Press(f.Btn_OK);
      EXPECT_EQ(Shown(), QStringList({CountMessages[editor]}));
      EXPECT_EQ(f.ActiveTable(), 1);  // the failing page is not brought up
      EXPECT_FALSE(QFile::exists(path));
      ClickTab(f.PageControl1, 0);
      TypeInto(a, CountColumn(editor), 2, "1");
      Shot(f, ShotNames[editor]);
      Dialogs->ClearRecords();
      Press(f.Btn_OK);
      EXPECT_TRUE(Dialogs->Records().empty());
    });
    EXPECT_EQ(result, mrOk);
    const QByteArray written = FileBytes(path);
    EXPECT_EQ(written.count("<row "), 2 + last - 1);

    // Cancel loses the edit; the next showing is the file again, on the first page.
    EXPECT_EQ(RunModal(f,
                       [&] {
                         ClickTab(f.PageControl1, 1);
                         TypeInto(b, 1, last, "5");
                         Press(f.Btn_Cancel);
                       }),
              mrCancel);
    EXPECT_EQ(RunModal(f,
                       [&] {
                         EXPECT_EQ(f.PageControl1->ActivePageIndex(), 0);
                         EXPECT_EQ(b->GetCellEx(1, last), "");
                         EXPECT_EQ(a->GetCellEx(CountColumn(editor), 2), "1");
                         EXPECT_EQ(f.Do_Copy, std::vector<bool>({false, false}));
                       }),
              mrCancel);
    EXPECT_EQ(FileBytes(path), written);
  }
}

namespace {
struct TFileCase {
  TEditor Editor;
  QByteArray Root, ReadSection, WriteSection;
  QByteArray ReadRow, WriteRow;  // one full row element of each section
};

const TFileCase FileCases[] = {
    {PDO, "PDO_CANopen", "Receive_PDO", "Transmit_PDO",
     "<row COB-ID=\"0x181\" Dimension=\"2\" Address_B1=\"0\" Address_B2=\" 1\" Address_B3=\"abc\" Address_B4=\"\""
     " Address_B5=\"\" Address_B6=\"\" Address_B7=\"\" Address_B8=\"\" TimeOut=\"100\" Mnemonic=\"In &amp; out\"/>",
     "<row COB-ID=\"$201\" Dimension=\"1\" Address_B1=\"1499\" Address_B2=\"\" Address_B3=\"\" Address_B4=\"\""
     " Address_B5=\"\" Address_B6=\"\" Address_B7=\"\" Address_B8=\"\" Send_Time=\"0\" On_Change=\"Y\" Mnemonic=\"\"/>"},
    {Client, "SDO_Client_CANopen", "SDO_Read", "SDO_Write",
     "<row Device_ID=\"5\" Index=\"x6000\" SubIndex=\"1\" NByte=\"2\" Poll_Time=\"500\" Address_B1=\"0\""
     " Address_B2=\"1\" Address_B3=\"free\" Address_B4=\"\" Mnemonic=\"Temp\"/>",
     "<row Device_ID=\"127\" Index=\"0x1000\" SubIndex=\"0\" NByte=\"4\" Poll_Time=\"0\" On_Change=\"N\""
     " Address_B1=\"4\" Address_B2=\"5\" Address_B3=\"6\" Address_B4=\"7\" Mnemonic=\"Set\"/>"},
    {Server, "SDO_Server_CANopen", "SDO_Read", "SDO_Write",
     "<row Index=\"8192\" SubIndex=\"0\" NByte=\"1\" Address_B1=\"0\" Address_B2=\"abc\" Address_B3=\"\""
     " Address_B4=\"\" Mnemonic=\" \"/>",
     "<row Index=\"$5FFF\" SubIndex=\"0xFF\" NByte=\"4\" Address_B1=\"1\" Address_B2=\"2\" Address_B3=\"3\""
     " Address_B4=\"1499\" Mnemonic=\"Out\"/>"},
};

const QString& FileOf(TEditor Editor) {
  return Editor == PDO ? PDOCANopenFile : Editor == Client ? SDOClientCANopenFile : SDOServerCANopenFile;
}
}  // namespace

TEST_F(CanOpenTableFormTest, FilesKeepBothSectionsAndEveryAttributeIsRequired) {
  for (const TFileCase& c : FileCases) {
    TCanOpenTableForm& f = *Forms[c.Editor];
    const QString& path = FileOf(c.Editor);
    SCOPED_TRACE(c.Root.toStdString());
    const QByteArray comment = "<!--SW_VERSION = 1.000-->\n";
    const QByteArray full = "<" + c.Root + "><" + c.ReadSection + ">" + c.ReadRow + c.ReadRow + "</" +
                            c.ReadSection + "><" + c.WriteSection + ">" + c.WriteRow + "</" + c.WriteSection +
                            "></" + c.Root + ">" + comment;
    WriteFile(path, full);
    Dialogs->ClearRecords();
    f.FormShow(&f);
    f.Btn_OKClick(f.Btn_OK);
    EXPECT_EQ(Shown(), QStringList());
    EXPECT_EQ(FileBytes(path), full);

    // Empty tables: both sections still written.
    f.sga->SetCellEx(1, 1, "");
    f.sgb->SetCellEx(1, 1, " ");
    f.Btn_OKClick(f.Btn_OK);
    EXPECT_EQ(FileBytes(path), "<" + c.Root + "><" + c.ReadSection + "/><" + c.WriteSection + "/></" + c.Root + ">" +
                                   comment);

    // A row without its Mnemonic stops the load there; the rows before it stay.
    QByteArray noMnemonic = c.ReadRow;
    noMnemonic.replace(noMnemonic.indexOf(" Mnemonic="), noMnemonic.size() - 2 - noMnemonic.indexOf(" Mnemonic="), "");
    WriteFile(path, "<" + c.Root + "><" + c.ReadSection + ">" + c.ReadRow + noMnemonic + "</" + c.ReadSection + "><" +
                        c.WriteSection + ">" + c.WriteRow + "</" + c.WriteSection + "></" + c.Root + ">");
    Dialogs->ClearRecords();
    f.FormShow(&f);
    ASSERT_EQ(Dialogs->Records().size(), 1u) << noMnemonic.toStdString();
    EXPECT_EQ(Shown()[0], "Error in file \"" + path + "\": row 2 has no attribute \"Mnemonic\".");
    EXPECT_FALSE(f.sga->GetCellEx(1, 1).isEmpty());
    EXPECT_FALSE(f.sga->GetCellEx(1, 2).isEmpty());  // its cells before the missing one were read
    EXPECT_EQ(f.sga->GetCellEx(f.sga->ColCount() - 1, 2), "");
    EXPECT_EQ(f.sgb->GetCellEx(1, 1), "");  // never reached

    // A file without the write section stops when that section is reached.
    WriteFile(path, "<" + c.Root + "><" + c.ReadSection + ">" + c.ReadRow + "</" + c.ReadSection + "></" + c.Root + ">");
    Dialogs->ClearRecords();
    f.FormShow(&f);
    EXPECT_EQ(Shown(), QStringList({"Error in file \"" + path + "\": the element \"" + c.WriteSection + "\" is missing."}));
    EXPECT_FALSE(f.sga->GetCellEx(1, 1).isEmpty());
    EXPECT_EQ(f.sgb->GetCellEx(1, 1), "");
  }
}

TEST_F(CanOpenTableFormTest, TheEditorsAreBuiltAndTranslatedFromTheirBlocks) {
  struct TLayoutCase {
    TEditor Editor;
    int Width, Rows, ReadCols, WriteCols;
    const char* Pages[2];
    const char* LastHeaders[2];
    int FirstHint;  // of the read page, column 1
  };
  const TLayoutCase cases[] = {
      {PDO, 798, 31, 13, 14, {"Receive PDO", "Transmit PDO"}, {"Mnemonic", "Mnemonic"}, 2643},
      {Client, 798, 257, 11, 12, {"SDO Read", "SDO Write"}, {"Mnemonic", "Mnemonic"}, 2739},
      {Server, 749, 501, 9, 9, {"SDO in Read", "SDO in Write"}, {"Mnemonic", "Mnemonic"}, 2834},
  };
  for (const TLayoutCase& c : cases) {
    TCanOpenTableForm& f = *Forms[c.Editor];
    SCOPED_TRACE(c.Width);
    EXPECT_EQ(f.ClientWidth(), c.Width);
    EXPECT_EQ(f.ClientHeight(), 337);
    EXPECT_EQ(f.sga->RowCount(), c.Rows);
    EXPECT_EQ(f.sgb->RowCount(), c.Rows);
    EXPECT_EQ(f.sga->ColCount(), c.ReadCols);
    EXPECT_EQ(f.sgb->ColCount(), c.WriteCols);
    EXPECT_EQ(f.Pages[0]->Caption(), c.Pages[0]);
    EXPECT_EQ(f.Pages[1]->Caption(), c.Pages[1]);
    EXPECT_EQ(f.sga->GetCellEx(0, 0), "N");
    EXPECT_EQ(f.sgb->GetCellEx(c.WriteCols - 1, 0), c.LastHeaders[1]);
    EXPECT_EQ(f.PageControl1->ActivePageIndex(), 0);
    QString hint;
    f.GridHint(f.sga, 0, 1, hint);
    EXPECT_EQ(hint, LangText(c.FirstHint));
    EXPECT_FALSE(hint.trimmed().isEmpty());
  }
  EXPECT_EQ(Forms[Server]->sga->DefaultRowHeight(), 21);
  EXPECT_EQ(Forms[PDO]->sgb->Columns()[12]->Editor(), edDataCheckBox);
  EXPECT_EQ(Forms[Client]->sgb->Columns()[6]->Editor(), edDataCheckBox);
  EXPECT_EQ(Forms[Client]->sga->Columns()[6]->Color(), TColor(0xF4D6FC));
}
