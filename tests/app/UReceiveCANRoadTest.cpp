// The CAN receive editor reached as a user reaches it: a project opened in
// the main window, the "Receive Frames" action, then the table edited with
// keys and mouse, its row buttons, OK and Cancel.
#include "support/ShellTestProgram.h"

#include "app/UNew_Project.h"
#include "common/button/LbButton.h"
#include "grid/editing/GridCombo.h"
#include "grid/editing/PlexColumnGrid.h"
#include "platform/Screenshot.h"
#include "platform/StdCtrls.h"
#include "tables/can/UReceiveCAN.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>
#include <ostream>

inline void PrintTo(const QString& Text, std::ostream* os) { *os << '"' << Text.toStdString() << '"'; }

namespace {

void Click(TLbButton* b) { QTest::mouseClick(b->Widget(), Qt::LeftButton, {}, QPoint(5, 5)); }

void ClickCell(TPlexStringGrid* Grid, int ACol, int ARow) {
  Grid->ScrollInView(ACol, ARow);
  QApplication::processEvents();
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

// Picks item Index of the cell's drop-down list with the keyboard.
void Pick(TPlexStringGrid* Grid, int ACol, int ARow, int Index) {
  ClickCell(Grid, ACol, ARow);
  QTest::keyClick(Grid->Widget(), Qt::Key_F2);
  TGridCombo* combo = Grid->ComboEditor();
  ASSERT_TRUE(combo && combo->Visible());
  const bool last = combo->ItemIndex() == combo->Items().Count() - 1;
  QTest::keyClick(QApplication::focusWidget(), last ? Qt::Key_Up : Qt::Key_Down);
  while (combo->ItemIndex() < Index) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
  while (combo->ItemIndex() > Index) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
  Grid->HideCellEdit();
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

QStringList CobIDs(TPlexStringGrid* Grid, int Count) {
  QStringList ids;
  for (int r = 1; r <= Count; ++r) ids << Grid->GetCellEx(2, r);
  return ids;
}

QStringList Texts(TShellTestProgram& p) {
  QStringList texts;
  for (const auto& record : p.Dialogs->Records()) texts << record.Text;
  return texts;
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

const QString Row = "<row Enable=\"%1\" COBID=\"%2\" CAN_Type=\"%3\" Dim=\"%4\" TimeOut=\"%5\" Byte1=\"%6\" Byte2=\"\""
                    " Byte3=\"\" Byte4=\"\" Byte5=\"\" Byte6=\"\" Byte7=\"\" Byte8=\"\" Mnemonic=\"\"/>";

}  // namespace

TEST(ReceiveCANRoad, FramesTypedPickedAndMovedByTheRowButtonsReachTheFile) {
  TShellTestProgram p;
  TFQuilloreFirmWare& w = p.Start();
  w.Show();
  NewProject(w, "Bus");
  ASSERT_FALSE(ProjectFolder.isEmpty());
  p.Dialogs->ClearRecords();

  bool shown = false;
  ASSERT_TRUE(TShellTestProgram::ExpectModal(
      FReceiveCAN, [&] { w.Btn_Click(w.Btn_CAN_Rec_Frame); },
      [&] {
        shown = true;
        TFReceiveCAN& f = *FReceiveCAN;
        ASSERT_TRUE(WaitActive(f));
        TPlexColumnGrid* g = f.PCG_CAN_Receive;
        for (int r = 1; r <= 8; ++r) {
          TypeInto(g, 2, r, QString::number(100 + r));
          TypeInto(g, 4, r, "1");
          TypeInto(g, 5, r, "0");
        }
        ClickCell(g, 1, 2);  // Enable of row 2 unticked
        EXPECT_EQ(g->GetCellEx(1, 2), "N");

        ClickCell(g, 2, 7);
        p.Dialogs->Answer(mrNo);
        Click(f.Btn_DelRow);
        EXPECT_EQ(Texts(p), QStringList({"Are you sure to delete the Row number 7"}));
        EXPECT_EQ(CobIDs(g, 8), QStringList({"101", "102", "103", "104", "105", "106", "107", "108"}));
        p.Dialogs->Answer(mrYes);
        Click(f.Btn_DelRow);
        EXPECT_EQ(CobIDs(g, 8), QStringList({"101", "102", "103", "104", "105", "106", "108", ""}));

        ClickCell(g, 2, 3);
        Click(f.Btn_InsRow);
        EXPECT_EQ(CobIDs(g, 4), QStringList({"101", "102", "", "103"}));
        EXPECT_EQ(g->GetCellEx(1, 3), "Y");

        ClickCell(g, 2, 1);
        Click(f.Btn_CopyRow);
        ClickCell(g, 2, 4);
        p.Dialogs->ClearRecords();
        p.Dialogs->Answer(mrYes);
        Click(f.Btn_PasteRow);
        EXPECT_EQ(Texts(p), QStringList({LangText(1500)}));
        EXPECT_EQ(CobIDs(g, 5), QStringList({"101", "102", "", "101", "104"}));

        // Row 3 filled: a 29-bit identifier, then the 11-bit format picked for it.
        TypeInto(g, 2, 3, "4095");
        TypeInto(g, 4, 3, "1");
        TypeInto(g, 5, 3, "250");
        Pick(g, 3, 3, 0);
        Pick(g, 6, 1, 6);  // "5"
        p.Dialogs->ClearRecords();
        Click(f.Btn_OK);
        EXPECT_EQ(Texts(p), QStringList({"Error row 3!! CobID must be between 0 and 2047"}));
        EXPECT_TRUE(f.Modal());
        EXPECT_FALSE(QFile::exists(CANRecFramesFile));

        Pick(g, 3, 3, 1);
        if (const char* shots = std::getenv("QUILLORE_SHOTS")) {
          QApplication::processEvents();
          EXPECT_TRUE(SaveWidgetScreenshot(f.Widget(), QString(shots) + "/ReceiveCAN.png"));
        }
        p.Dialogs->ClearRecords();
        Click(f.Btn_OK);
        EXPECT_TRUE(p.Dialogs->Records().empty());
        EXPECT_EQ(f.ModalResult(), mrOk);
      },
      mrCancel));
  ASSERT_TRUE(shown);
  const QString expected =
      "<Receive_Frames>" + Row.arg("Y", "101", "", "1", "0", "5") + Row.arg("N", "102", "", "1", "0", "") +
      Row.arg("Y", "4095", "2.0B (29 bits)", "1", "250", "") + Row.arg("Y", "101", "", "1", "0", "") +
      Row.arg("Y", "104", "", "1", "0", "") + Row.arg("Y", "105", "", "1", "0", "") +
      Row.arg("Y", "106", "", "1", "0", "") + Row.arg("Y", "108", "", "1", "0", "") +
      "</Receive_Frames><!--SW_VERSION = 1.000-->\n";
  EXPECT_EQ(QString::fromUtf8(FileBytes(CANRecFramesFile)), expected);

  // A change left with Cancel is lost: the next showing is the file again.
  ASSERT_TRUE(TShellTestProgram::ExpectModal(
      FReceiveCAN, [&] { w.Btn_Click(w.Btn_CAN_Rec_Frame); },
      [&] {
        ASSERT_TRUE(WaitActive(*FReceiveCAN));
        TypeInto(FReceiveCAN->PCG_CAN_Receive, 2, 9, "777");
        Click(FReceiveCAN->Btn_Cancel);
      }));
  EXPECT_EQ(FReceiveCAN->ModalResult(), mrCancel);
  ASSERT_TRUE(TShellTestProgram::ExpectModal(
      FReceiveCAN, [&] { w.Btn_Click(w.Btn_CAN_Rec_Frame); },
      [&] {
        TPlexColumnGrid* g = FReceiveCAN->PCG_CAN_Receive;
        EXPECT_EQ(CobIDs(g, 9), QStringList({"101", "102", "4095", "101", "104", "105", "106", "108", ""}));
        EXPECT_EQ(g->GetCellEx(1, 2), "N");
        EXPECT_EQ(g->GetCellEx(6, 1), "5");
      },
      mrCancel));
  EXPECT_EQ(QString::fromUtf8(FileBytes(CANRecFramesFile)), expected);
}
