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
  for (QChar c : Text) QTest::keyClicks(QApplication::focusWidget(), QString(c));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
}

void TypeInto(TPlexStringGrid* Grid, int ACol, int ARow, const QString& Text) {
  ClickCell(Grid, ACol, ARow);
  Type(Text);
}

// Types a row's cells from column `First` on, moving right with the arrow key.
void TypeRow(TPlexStringGrid* Grid, int ARow, int First, const QStringList& Texts) {
  ClickCell(Grid, First, ARow);
  for (const QString& text : Texts) {
    if (!text.isEmpty()) Type(text);
    QTest::keyClick(Grid->Widget(), Qt::Key_Right);
  }
}

// Picks item `Index` of the cell's drop-down list with the keyboard.
void Pick(TPlexStringGrid* Grid, int ACol, int ARow, int Index) {
  ClickCell(Grid, ACol, ARow);
  QTest::keyClick(Grid->Widget(), Qt::Key_F2);
  TGridCombo* combo = Grid->ComboEditor();
  ASSERT_TRUE(combo->Visible());
  while (combo->ItemIndex() < Index) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
  while (combo->ItemIndex() > Index) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
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
        ASSERT_TRUE(QTest::qWaitForWindowExposed(f.Widget()));
        TPlexStringGrid* d = f.PSG_LoRaWAN_Device_List;
        TPlexColumnGrid* up = f.PCG_LoRaWAN_Uplink;
        TPlexColumnGrid* down = f.PCG_LoRaWAN_Downlink;

        // Three ABP devices; the second one then goes over the air.
        for (int r = 1; r <= 3; ++r) {
          const QString n = QString::number(r);
          TypeRow(d, r, 2, {"70B3D57ED000000" + n, "000000000000000" + n, "Meter " + n});
          Pick(d, 5, r, 0);
          TypeRow(d, r, 6, {Key16, Key16, "", "2600000" + n});
          Pick(d, 10, r, r == 3 ? 1 : 0);
          TypeRow(d, r, 11, {"60000"});
          Pick(d, 12, r, 0);
          TypeInto(d, 13, r, "device " + n);
        }
        Pick(d, 5, 2, 1);
        EXPECT_TRUE(d->ReadOnly(6, 2));  // at once, while the list is still open
        EXPECT_TRUE(d->ReadOnly(7, 2));
        EXPECT_FALSE(d->ReadOnly(8, 2));
        TypeInto(d, 8, 2, Key16);

        // Rules per device: the device row chosen by mouse or keys, the rules
        // typed through the grids' editors, check boxes set on their cells.
        const auto rules = [&](int Row, const QString& Name) {
          f.PC_LoRaWAN_Device_Rules_List->SetActivePageIndex(0);
          TypeRow(up, 1, 2, {"1" + QString::number(Row), "0", "2", "", "CAFE", "2", "4", QString::number(Row * 10),
                             "up " + Name});
          ClickCell(up, 5, 1);
          up->ToggleCheckBox(5, 1);  // Hex
          f.PC_LoRaWAN_Device_Rules_List->SetActivePageIndex(1);
          TypeRow(down, 1, 2, {"2" + QString::number(Row), "0", "1", "", "", "", "1000", QString::number(Row * 10 + 5),
                               "down " + Name});
          ClickCell(down, 7, 1);
          down->ToggleCheckBox(7, 1);  // On Timer
          ClickCell(down, 6, 1);
          down->ToggleCheckBox(6, 1);  // On CMD
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
        EXPECT_FALSE(f.PLoRaWAN_Device_List->Visible());
        EXPECT_EQ(f.PC_LoRaWAN_Device_Rules_List->ActivePage(), f.TS_LoRaWAN_Downlink_Rules_List);
        TypeRow(f.PCG_LoRaWAN_Downlink, 1, 2, {"8", "0", "2", "", "", "", "", "0", "to the gateway"});
        ClickCell(f.PCG_LoRaWAN_Downlink, 5, 1);
        f.PCG_LoRaWAN_Downlink->ToggleCheckBox(5, 1);  // On Change
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
