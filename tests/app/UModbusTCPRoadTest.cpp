// The Modbus TCP master editor reached as a user reaches it: a project, the
// main window's Modbus access action, rules typed on both pages, the row
// buttons, OK refused then accepted, Cancel and a second opening.
#include "support/ShellTestProgram.h"

#include "app/UNew_Project.h"
#include "common/button/LbButton.h"
#include "common/tables/RowOperations.h"
#include "grid/editing/GridCombo.h"
#include "grid/editing/PlexColumnGrid.h"
#include "platform/ExtCtrls.h"
#include "platform/Screenshot.h"
#include "platform/StdCtrls.h"
#include "tables/modbus_bacnet/UModbus_TCP_Master_Set_Access.h"

#include <QApplication>
#include <QDir>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

void Click(TLbButton* b) { QTest::mouseClick(b->Widget(), Qt::LeftButton, {}, QPoint(5, 5)); }

void ClickCell(TPlexStringGrid* Grid, int ACol, int ARow) {
  const TRect r = Grid->CellRect(ACol, ARow);
  QTest::mouseClick(Grid->Widget(), Qt::LeftButton, {}, QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2));
}

void TypeInto(TPlexStringGrid* Grid, int ACol, int ARow, const QString& Text) {
  ClickCell(Grid, ACol, ARow);
  for (QChar c : Text) {
    QTest::keyClicks(QApplication::focusWidget(), QString(c));
    QApplication::processEvents();
  }
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
}

void TypeRow(TPlexStringGrid* Grid, int ARow, int First, const QStringList& Texts) {
  for (int i = 0; i < Texts.size(); ++i)
    if (!Texts[i].isEmpty()) TypeInto(Grid, First + i, ARow, Texts[i]);
}

void Pick(TPlexStringGrid* Grid, int ACol, int ARow, int Index) {
  ClickCell(Grid, ACol, ARow);
  QTest::keyClick(Grid->Widget(), Qt::Key_F2);
  TGridCombo* combo = Grid->ComboEditor();
  ASSERT_TRUE(combo && combo->Visible());
  const bool last = combo->ItemIndex() == combo->Items().Count() - 1;
  QTest::keyClick(QApplication::focusWidget(), last ? Qt::Key_Up : Qt::Key_Down);
  while (combo->ItemIndex() < Index) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
  while (combo->ItemIndex() > Index) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
}

bool WaitActive(TForm& Form) {
  if (!QTest::qWaitForWindowExposed(Form.Widget())) return false;
  Form.Widget()->activateWindow();
  return QTest::qWaitForWindowActive(Form.Widget());
}

QByteArray FileBytes(const QString& path) {
  QByteArray bytes;
  ReadFileBytes(path, bytes);
  return bytes;
}

void NewProject(TFQuilloreFirmWare& w, const QString& Name) {
  ASSERT_TRUE(TShellTestProgram::ExpectModal(
      FNew_Project, [&] { w.Btn_Click(w.Btn_New); },
      [&] {
        QTest::keyClicks(FNew_Project->E_New_Proj->Widget(), Name);
        Click(FNew_Project->Btn_OK);
      },
      mrCancel));
}

QStringList Texts(TShellTestProgram& p) {
  QStringList texts;
  for (const auto& record : p.Dialogs->Records()) texts << record.Text;
  return texts;
}

// The rules typed in the first showing: the read page's row 1 and 2, the
// write page's row 1; row 2 of the read page goes again by Delete Row.
void TypeTheRules(TShellTestProgram& p, TFModbus_TCP_Master_Set_Access& f) {
  ASSERT_TRUE(WaitActive(f));
  TPlexColumnGrid* read = f.PCG_Modbus_Read;
  TPlexColumnGrid* write = f.PCG_Modbus_Write;
  EXPECT_EQ(f.PageControl1->ActivePageIndex(), 0);
  TypeRow(read, 1, 2, {"192.168.1.20", "502", "1", "", "0", "10", "1000", "0"});
  Pick(read, 5, 1, 3);  // Input Register
  Pick(read, 10, 1, 30);
  ClickCell(read, 12, 1);  // Swap ticked
  TypeRow(read, 2, 2, {"10.0.0.1", "503", "2"});

  // Enter stays in its cell on the read page, even with the option on.
  EnableJumpFieldTables = true;
  ClickCell(read, 3, 2);
  QTest::keyClick(read->Widget(), Qt::Key_Escape);
  QTest::keyClick(read->Widget(), Qt::Key_Return);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
  EXPECT_EQ(read->Col(), 3);

  // The header hint of displayed column 14: Mnemonic, Topic being hidden.
  QString hint;
  read->OnGridHint(read, 0, 14, hint);
  EXPECT_EQ(hint, "Insert the Description of Modbus Rule");

  // A row copied on the read page does not paste on the write page.
  ClickCell(read, 2, 1);
  Click(f.Btn_CopyRow);
  f.PageControl1->SetActivePageIndex(1);
  QApplication::processEvents();
  ClickCell(write, 2, 1);
  Click(f.Btn_PasteRow);
  EXPECT_EQ(p.Dialogs->Records().back().Text, LangText(TextCopyBeforePaste));

  TypeRow(write, 1, 2, {"192.168.1.21", "502", "3", "", "100", "2", "0", "", "", "0"});
  Pick(write, 5, 1, 1);  // Holding Register
  Pick(write, 12, 1, 40);
  // Enter advances on the write page: from Start Bit to Swap.
  ClickCell(write, 13, 1);
  QTest::keyClick(write->Widget(), Qt::Key_Return);
  EXPECT_EQ(write->Col(), 14);
  EXPECT_FALSE(write->EditorMode());
  EnableJumpFieldTables = false;

  // Delete Row on the read page: No keeps row 2, Yes removes it.
  f.PageControl1->SetActivePageIndex(0);
  QApplication::processEvents();
  ClickCell(read, 2, 2);
  p.Dialogs->Answer(mrNo);
  Click(f.Btn_DelRow);
  EXPECT_EQ(p.Dialogs->Records().back().Text, "Are you sure to delete the Row number 2");
  EXPECT_EQ(read->GetCellEx(2, 2), "10.0.0.1");
  p.Dialogs->Answer(mrYes);
  Click(f.Btn_DelRow);
  EXPECT_EQ(read->GetCellEx(2, 2), "");

  // OK refused: a bad address; nothing written, the form stays.
  TypeInto(read, 2, 2, "192.168..10");
  p.Dialogs->ClearRecords();
  Click(f.Btn_OK);
  EXPECT_EQ(Texts(p), QStringList({"Error row 2!! [Modbus Read] Slave IP Address must be a valid TCP IP Address "
                                   "(Ex. 192.168.1.125)"}));
  EXPECT_EQ(f.ModalResult(), mrNone);
  EXPECT_FALSE(FileExists(ModbusTCPMSetAccessFile));
  ClickCell(read, 2, 2);
  p.Dialogs->Answer(mrYes);
  Click(f.Btn_DelRow);
  if (const char* shots = std::getenv("QUILLORE_SHOTS")) {
    QDir().mkpath(shots);
    QApplication::processEvents();
    EXPECT_TRUE(SaveWidgetScreenshot(f.Widget(), QString(shots) + "/ModbusTCPMaster.png"));
  }
  p.Dialogs->ClearRecords();
  Click(f.Btn_OK);
  EXPECT_TRUE(p.Dialogs->Records().empty()) << Texts(p).join("|").toStdString();
}

}  // namespace

TEST(ModbusTCPRoad, RulesTypedOnBothPagesReachTheFileThroughTheMainWindow) {
  TShellTestProgram p;
  TFQuilloreFirmWare& w = p.Start();
  w.Show();
  NewProject(w, "Plant");
  ASSERT_FALSE(ProjectFolder.isEmpty());
  TFModbus_TCP_Master_Set_Access& f = *FModbus_TCP_Master_Set_Access;

  ASSERT_TRUE(TShellTestProgram::ExpectModal(
      &f, [&] { w.Btn_Click(w.Btn_Modbus_Set_Access); }, [&] { TypeTheRules(p, f); }, mrCancel));
  EXPECT_EQ(f.ModalResult(), mrOk);
  const QByteArray saved = FileBytes(ModbusTCPMSetAccessFile);
  EXPECT_EQ(saved,
            "<PROFINET_Master_to_Modbus_TCP_Master><Modbus_Read><row Enable=\"Y\" IP_Address=\"192.168.1.20\" "
            "Port=\"502\" Slave_ID=\"1\" Type=\"Input Register\" Address=\"0\" NPoint=\"10\" PollTime=\"1000\" "
            "MaxError=\"0\" Position=\"30\" Bit=\"\" Swap=\"Y\" SwapWord=\"\" Index_Topic=\"-1\" Mnemonic=\"\"/>"
            "</Modbus_Read><Modbus_Write><row Enable=\"Y\" IP_Address=\"192.168.1.21\" Port=\"502\" Slave_ID=\"3\" "
            "Type=\"Holding Register\" Address=\"100\" NPoint=\"2\" PollTime=\"0\" OnChange=\"\" OnCMD=\"\" "
            "MaxError=\"0\" Position=\"40\" Bit=\"\" Swap=\"\" SwapWord=\"\" Mnemonic=\"\"/></Modbus_Write>"
            "</PROFINET_Master_to_Modbus_TCP_Master><!--SW_VERSION = 1.000-->\n");

  // Edits of a showing closed by Cancel are gone at the next.
  ASSERT_TRUE(TShellTestProgram::ExpectModal(
      &f, [&] { w.Btn_Click(w.Btn_Modbus_Set_Access); },
      [&] {
        ASSERT_TRUE(WaitActive(f));
        TypeInto(f.PCG_Modbus_Read, 4, 1, "9");
        Click(f.Btn_Cancel);
      }));
  EXPECT_EQ(f.ModalResult(), mrCancel);
  ASSERT_TRUE(TShellTestProgram::ExpectModal(
      &f, [&] { w.Btn_Click(w.Btn_Modbus_Set_Access); },
      [&] {
        EXPECT_EQ(f.PCG_Modbus_Read->GetCellEx(4, 1), "1");
        EXPECT_EQ(f.Hint_Modbus_Set_Access_Read()->Count(), 14);
      },
      mrCancel));
  EXPECT_EQ(FileBytes(ModbusTCPMSetAccessFile), saved);

  // Another language leaves Copy Row and Paste Row as they are.
  LanguageTexts->SetStrings(1802, "Conferma");
  LanguageTexts->SetStrings(1867, "Copia la riga");
  f.Set_Lang();
  EXPECT_EQ(f.Btn_OK->Caption(), "Conferma");
  EXPECT_EQ(f.Btn_CopyRow->Caption(), "Copy Row");
  EXPECT_EQ(f.Btn_PasteRow->Caption(), "Paste Row");
  EXPECT_EQ(f.Btn_CopyRow->Hint(), "Copia la riga");
  EXPECT_EQ(f.Hint_Modbus_Set_Access_Read()->Count(), 15);
}
