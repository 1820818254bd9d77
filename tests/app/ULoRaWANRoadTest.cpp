// The main road through the LoRaWAN editor, as a user walks it from the main
// window: a new project, its parameters, the devices and their rules typed
// in, OK, then Update Device with the stand-in of the update tool.
#include "ParametersStep.h"
#include "support/ShellTestProgram.h"
#include "support/UpdateTestKit.h"

#include "app/UNew_Project.h"
#include "common/button/LbButton.h"
#include "grid/editing/GridCombo.h"
#include "grid/editing/PlexColumnGrid.h"
#include "lorawan/ConfigBanks.h"
#include "lorawan/LoRaWANDevices.h"
#include "lorawan/UBoot.h"
#include "lorawan/ULoRaWAN_Gateway.h"
#include "platform/ExtCtrls.h"
#include "platform/StdCtrls.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

namespace {

void Click(TLbButton* b) { QTest::mouseClick(b->Widget(), Qt::LeftButton, {}, QPoint(5, 5)); }

void ClickCell(TPlexStringGrid* Grid, int ACol, int ARow) {
  const TRect r = Grid->CellRect(ACol, ARow);
  QTest::mouseClick(Grid->Widget(), Qt::LeftButton, {}, QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2));
}

// Types into the current cell's editor and leaves it with Enter.
void Type(const QString& Text) {
  // The first key opens the editor, which takes the keys after it.
  for (QChar c : Text) {
    QTest::keyClicks(QApplication::focusWidget(), QString(c));
    QApplication::processEvents();
  }
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
}

// Types a row's cells from column `First` on, each reached by a click.
void TypeRow(TPlexStringGrid* Grid, int ARow, int First, const QStringList& Texts) {
  for (int i = 0; i < Texts.size(); ++i) {
    if (Texts[i].isEmpty()) continue;
    ClickCell(Grid, First + i, ARow);
    Type(Texts[i]);
  }
}

// Picks item `Index` of the cell's drop-down list with the keyboard.
void Pick(TPlexStringGrid* Grid, int ACol, int ARow, int Index) {
  ClickCell(Grid, ACol, ARow);
  QTest::keyClick(Grid->Widget(), Qt::Key_F2);
  TGridCombo* combo = Grid->ComboEditor();
  ASSERT_TRUE(combo->Visible());
  // The user moves in the list at least once, so the item is picked, not
  // only shown.
  const bool last = combo->ItemIndex() == combo->Items().Count() - 1;
  QTest::keyClick(QApplication::focusWidget(), last ? Qt::Key_Up : Qt::Key_Down);
  while (combo->ItemIndex() < Index) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
  while (combo->ItemIndex() > Index) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
  // The open list is not closed by leaving its cell yet: it is closed as F2
  // opened it, through the grid.
  Grid->HideCellEdit();
}

// Inside a modal showing: waits until the form takes the keyboard.
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

// The images the builder makes from the project's saved files, against the
// bank files Update Device wrote.
void UpdateDeviceWritesTheBuildersImages(TShellTestProgram& p, TFQuilloreFirmWare& w) {
  InstallUpdateTool(p.Folder(), true);
  TScriptedEcho echo;
  echo.Otherwise = TScriptedEcho::Reply;
  TEchoScope echoInUse(&echo);
  EXPECT_TRUE(TShellTestProgram::ExpectModal(
      FBoot, [&] { Click(w.Btn_CreateBin); },
      [&] {
        FBoot->E_IP4->SetText("31");
        Click(FBoot->Btn_Update);
      },
      mrCancel));
  EXPECT_EQ(UpdateToolStarts(p.Folder()), 1);
  TConfigBanks banks;
  ASSERT_TRUE(banks.Make_Config_Banks().Ok);
  EXPECT_EQ(FileBytes(ProjectFolder + "/bin/bank1.bin"), banks.Bank1());
  EXPECT_EQ(FileBytes(ProjectFolder + "/bin/bank2.bin"), banks.Bank2());
}

const QString Key16 = "000102030405060708090A0B0C0D0E0F";

}  // namespace

TEST(LoRaWANRoad, DevicesAndRulesTypedInReachTheFileAndTheDeviceImages) {
  TShellTestProgram p;
  TFQuilloreFirmWare& w = p.Start();
  w.Show();
  NewProject(w, "Field");
  ASSERT_TRUE(AcceptParameters(w));

  bool shown = false;
  ASSERT_TRUE(TShellTestProgram::ExpectModal(
      FLoRaWAN_Gateway, [&] { w.Btn_Click(w.Btn_LoRaWAN_Access); },
      [&] {
        shown = true;
        TFLoRaWAN_Gateway& f = *FLoRaWAN_Gateway;
        ASSERT_TRUE(WaitActive(f));
        TPlexStringGrid* d = f.PSG_LoRaWAN_Device_List;
        TPlexColumnGrid* up = f.PCG_LoRaWAN_Uplink;
        TPlexColumnGrid* down = f.PCG_LoRaWAN_Downlink;

        // Three devices typed in; the lists are picked after the texts, as a
        // text typed after a pick does not reach its cell yet.
        for (int r = 1; r <= 3; ++r) {
          const QString n = QString::number(r);
          TypeRow(d, r, 2, {"70B3D57ED000000" + n, "000000000000000" + n, "Meter " + n});
          TypeRow(d, r, 6, {Key16, Key16});
          TypeRow(d, r, 9, {"2600000" + n});
          TypeRow(d, r, 11, {"60000"});
        }
        for (int r = 1; r <= 3; ++r) {
          Pick(d, 5, r, r == 2 ? 1 : 0);
          if (r == 2) {
            EXPECT_TRUE(d->ReadOnly(6, 2));  // with the pick
            EXPECT_TRUE(d->ReadOnly(7, 2));
            EXPECT_FALSE(d->ReadOnly(8, 2));
          }
          Pick(d, 10, r, r == 3 ? 1 : 0);
          Pick(d, 12, r, 0);
        }
        EXPECT_EQ(d->GetCellEx(5, 2), ActivationOTAA);
        EXPECT_FALSE(d->IsEditable(6, 2));

        // Rules per device: the device row chosen by mouse or keys, the rules
        // typed through the grids' editors, check boxes set on their cells.
        const auto rules = [&](int Row, const QString& Name) {
          f.PC_LoRaWAN_Device_Rules_List->SetActivePageIndex(0);
          TypeRow(
              up, 1, 2,
              {"1" + QString::number(Row), "0", "2", "", "CAFE", "2", "4", QString::number(Row * 10), "up " + Name});
          ClickCell(up, 5, 1);  // Hex: a click toggles the box
          f.PC_LoRaWAN_Device_Rules_List->SetActivePageIndex(1);
          TypeRow(down, 1, 2,
                  {"2" + QString::number(Row), "0", "1", "", "", "", "1000", QString::number(Row * 10 + 5),
                   "down " + Name});
          ClickCell(down, 7, 1);  // On Timer
          ClickCell(down, 6, 1);  // On CMD
        };
        ClickCell(d, 4, 1);
        rules(1, "first");
        ClickCell(d, 4, 1);
        QTest::keyClick(d->Widget(), Qt::Key_Down);
        rules(2, "second");
        ClickCell(d, 4, 3);
        rules(3, "third");
        ClickCell(d, 4, 2);
        EXPECT_EQ(down->GetCellEx(10, 1), "down second");
        f.PC_LoRaWAN_Device_Rules_List->SetActivePageIndex(0);
        EXPECT_EQ(up->GetCellEx(10, 1), "up second");

        ClickCell(d, 2, 2);
        p.Dialogs->Answer(mrYes);
        Click(f.Btn_DelRow);
        Click(f.Btn_OK);
      }));
  EXPECT_TRUE(shown);
  ASSERT_EQ(p.Dialogs->Records().size(), 1u);
  EXPECT_EQ(p.Dialogs->Records()[0].Text, "Are you sure to delete the Row number 2 in Devices List Grid?");
  EXPECT_EQ(FLoRaWAN_Gateway->ModalResult(), mrOk);

  TLoRaWANDevices saved;
  ASSERT_TRUE(saved.Load_Configuration());
  struct Expected {
    const char* EUI;
    const char* Class;
    const char* UpName;
    const char* UpPosition;
    const char* DownName;
  };
  const Expected expected[] = {{"70B3D57ED0000001", "A", "up first", "10", "down first"},
                               {"70B3D57ED0000003", "C", "up third", "30", "down third"}};
  for (int i = 0; i < 2; ++i) {
    const TDeviceLoRa& device = saved.DeviceList()[size_t(i)];
    const Expected& e = expected[i];
    EXPECT_EQ(device.DeviceEUI, e.EUI);
    EXPECT_EQ(device.DeviceName, QString("Meter %1").arg(i * 2 + 1));
    EXPECT_EQ(device.ActMethod, ActivationABP);
    EXPECT_EQ(device.NetSessKey, Key16);
    EXPECT_EQ(device.ClassLoRa, e.Class);
    EXPECT_EQ(device.RX2Datarate, "SF12BW125");
    ASSERT_EQ(device.UpLinkRules.size(), 1u);
    EXPECT_EQ(device.UpLinkRules[0].Mnemonic, e.UpName);
    EXPECT_EQ(device.UpLinkRules[0].PosBit, e.UpPosition);
    EXPECT_TRUE(device.UpLinkRules[0].HexTest);
    EXPECT_EQ(device.UpLinkRules[0].ValueTest, "CAFE");
    ASSERT_EQ(device.DownLinkRules.size(), 1u);
    EXPECT_EQ(device.DownLinkRules[0].Mnemonic, e.DownName);
    EXPECT_TRUE(device.DownLinkRules[0].OnTimer);
    EXPECT_TRUE(device.DownLinkRules[0].OnCMD);
    EXPECT_FALSE(device.DownLinkRules[0].OnChange);
  }
  EXPECT_TRUE(saved.DeviceList()[2].IsFree());

  UpdateDeviceWritesTheBuildersImages(p, w);
  EXPECT_EQ(p.Dialogs->Records().size(), 1u);
}

// The parameters editor writes gateway mode; a ParGen.xml changed by other
// means makes the project an end node, whose editor saves device 0's rules.
TEST(LoRaWANRoad, AnEndNodeProjectSavesTheRulesOfItsDevice) {
  TShellTestProgram p;
  TFQuilloreFirmWare& w = p.Start();
  w.Show();
  NewProject(w, "Node");
  ASSERT_TRUE(AcceptParameters(w));
  QByteArray parGen = FileBytes(ParGenFile);
  ASSERT_TRUE(parGen.contains("<LoRaWAN_Mode>Gateway</LoRaWAN_Mode>"));
  parGen.replace("<LoRaWAN_Mode>Gateway</LoRaWAN_Mode>", "<LoRaWAN_Mode>End Node</LoRaWAN_Mode>");
  ASSERT_TRUE(WriteFileAtomic(ParGenFile, parGen));

  ASSERT_TRUE(TShellTestProgram::ExpectModal(
      FLoRaWAN_Gateway, [&] { w.Btn_Click(w.Btn_LoRaWAN_Access); },
      [&] {
        TFLoRaWAN_Gateway& f = *FLoRaWAN_Gateway;
        ASSERT_TRUE(WaitActive(f));
        EXPECT_FALSE(f.PLoRaWAN_Device_List->Visible());
        EXPECT_EQ(f.PC_LoRaWAN_Device_Rules_List->ActivePage(), f.TS_LoRaWAN_Downlink_Rules_List);
        TypeRow(f.PCG_LoRaWAN_Downlink, 1, 2, {"8", "0", "2", "", "", "", "", "0", "to the gateway"});
        ClickCell(f.PCG_LoRaWAN_Downlink, 5, 1);  // On Change
        f.PC_LoRaWAN_Device_Rules_List->SetActivePageIndex(1);
        TypeRow(f.PCG_LoRaWAN_Uplink, 1, 2, {"9", "", "", "", "", "4", "2", "2", "from the gateway"});
        Click(f.Btn_OK);
      }));
  EXPECT_TRUE(p.Dialogs->Records().empty());
  EXPECT_EQ(FLoRaWAN_Gateway->ModalResult(), mrOk);

  TLoRaWANDevices saved;
  saved.ModeMaster = false;
  ASSERT_TRUE(saved.Load_Configuration());
  const TDeviceLoRa& device = saved.DeviceList()[0];
  EXPECT_EQ(device.DeviceEUI, EndNodePlaceholderEUI);
  ASSERT_EQ(device.DownLinkRules.size(), 1u);
  EXPECT_EQ(device.DownLinkRules[0].Mnemonic, "to the gateway");
  EXPECT_TRUE(device.DownLinkRules[0].OnChange);
  ASSERT_EQ(device.UpLinkRules.size(), 1u);
  EXPECT_EQ(device.UpLinkRules[0].Mnemonic, "from the gateway");
  EXPECT_EQ(FileBytes(LoRaWANGatewayFile).count("<LoRaWAN_Device "), 1);

  UpdateDeviceWritesTheBuildersImages(p, w);
}
