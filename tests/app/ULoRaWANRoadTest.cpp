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

#include <algorithm>

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
  // Enter takes the item and closes the editor.
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
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

        // Three devices typed in; the lists are picked after the texts.
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

namespace {

void Keys(const QString& Text) {
  for (QChar c : Text) {
    QTest::keyClicks(QApplication::focusWidget(), QString(c));
    QApplication::processEvents();
  }
}

void Stroke(Qt::Key Key, Qt::KeyboardModifiers Modifiers = {}) {
  QTest::keyClick(QApplication::focusWidget(), Key, Modifiers);
  QApplication::processEvents();
}

// Types each text into its cell and tabs to the next; an empty text tabs over.
void TypeWithTabs(const QStringList& Texts) {
  for (const QString& text : Texts) {
    Keys(text);
    Stroke(Qt::Key_Tab);
  }
}

// In the cell the Tab reached, whose list editor the Tab opened: opens the
// list, steps to item Index, takes it with Enter, then tabs on.
void PickFromList(TPlexStringGrid* Grid, int Index) {
  ASSERT_TRUE(Grid->ComboEditor()->Visible());
  Stroke(Qt::Key_Down, Qt::AltModifier);
  ASSERT_TRUE(Grid->ComboEditor()->DroppedDown());
  const int from = std::max(Grid->ComboEditor()->ItemIndex(), 0);
  for (int i = from; i < Index; ++i) Stroke(Qt::Key_Down);
  for (int i = from; i > Index; --i) Stroke(Qt::Key_Up);
  Stroke(Qt::Key_Return);
  EXPECT_EQ(Grid->ComboEditor()->ItemIndex(), Index);
  Stroke(Qt::Key_Tab);
}

struct TTypedDevice {
  QString EUI, JoinEUI, Name;
  int Activation;  // 0 ABP, 1 OTAA
  QString Address;
  int Class;
  QString TimeOut, Mnemonic;
};

}  // namespace

// As a user types: Tab between cells, a pick from the list and the next cell
// typed at once, OK clicked straight after the last character.
TEST(LoRaWANRoad, TwoDevicesTypedWithTabsReachTheFileAsTyped) {
  TShellTestProgram p;
  TFQuilloreFirmWare& w = p.Start();
  w.Show();
  NewProject(w, "Typed");
  ASSERT_TRUE(AcceptParameters(w));
  const TTypedDevice typed[] = {
      {"70B3D57ED0000011", "0000000000000001", "North", 0, "26000011", 1, "60000", "north meter"},
      {"70B3D57ED0000012", "0000000000000002", "South", 1, "26000012", 0, "1000", "south meter"},
  };
  const QString appKey = "0F0E0D0C0B0A09080706050403020100";

  ASSERT_TRUE(TShellTestProgram::ExpectModal(
      FLoRaWAN_Gateway, [&] { w.Btn_Click(w.Btn_LoRaWAN_Access); },
      [&] {
        TFLoRaWAN_Gateway& f = *FLoRaWAN_Gateway;
        ASSERT_TRUE(WaitActive(f));
        TPlexStringGrid* d = f.PSG_LoRaWAN_Device_List;
        for (int r = 1; r <= 2; ++r) {
          const TTypedDevice& t = typed[r - 1];
          d->SetLeftCol(d->FixedCols());  // scrolled back to the start of the row
          ClickCell(d, 2, r);
          TypeWithTabs({t.EUI, t.JoinEUI, t.Name});
          PickFromList(d, t.Activation);
          // Tab passes over the key cells that wait for the other activation.
          if (t.Activation == 1)
            TypeWithTabs({appKey});
          else
            TypeWithTabs({Key16, Key16});
          TypeWithTabs({t.Address});
          PickFromList(d, t.Class);
          TypeWithTabs({t.TimeOut});
          PickFromList(d, 0);
          Keys(t.Mnemonic);
          Stroke(Qt::Key_Return);
        }
        // The rules of each device, typed with Tab along the rule row.
        d->SetLeftCol(d->FixedCols());
        for (int r = 1; r <= 2; ++r) {
          ClickCell(d, 4, r);
          f.PC_LoRaWAN_Device_Rules_List->SetActivePageIndex(0);
          ClickCell(f.PCG_LoRaWAN_Uplink, 2, 1);
          TypeWithTabs({QString::number(r), "", "", "", "", "0", "2", QString::number(r * 10)});
          Keys("up " + typed[r - 1].Name);
          f.PC_LoRaWAN_Device_Rules_List->SetActivePageIndex(1);
          ClickCell(f.PCG_LoRaWAN_Downlink, 2, 1);
          TypeWithTabs({QString::number(r + 10), "0", "1", "", "", "", "", QString::number(r * 10 + 5)});
          Keys("down " + typed[r - 1].Name);
        }
        Click(f.Btn_OK);
      }));
  for (const TDialogRequest& r : p.Dialogs->Records()) ADD_FAILURE() << r.Text.toStdString();
  EXPECT_EQ(FLoRaWAN_Gateway->ModalResult(), mrOk);

  TLoRaWANDevices saved;
  ASSERT_TRUE(saved.Load_Configuration());
  for (int i = 0; i < 2; ++i) {
    SCOPED_TRACE(i);
    const TDeviceLoRa& device = saved.DeviceList()[size_t(i)];
    const TTypedDevice& t = typed[i];
    const bool otaa = t.Activation == 1;
    EXPECT_EQ(device.DeviceEUI, t.EUI);
    EXPECT_EQ(device.JoinEUI, t.JoinEUI);
    EXPECT_EQ(device.DeviceName, t.Name);
    EXPECT_EQ(device.ActMethod, otaa ? ActivationOTAA : ActivationABP);
    EXPECT_EQ(device.NetSessKey, otaa ? "" : Key16);
    EXPECT_EQ(device.AppSessKey, otaa ? "" : Key16);
    EXPECT_EQ(device.AppKey, otaa ? appKey : "");
    EXPECT_EQ(device.DevAdd, t.Address);
    EXPECT_EQ(device.ClassLoRa, t.Class == 0 ? "A" : "C");
    EXPECT_EQ(device.DiagTimeOut, t.TimeOut);
    EXPECT_EQ(device.RX2Datarate, "SF12BW125");
    EXPECT_EQ(device.Mnemonic, t.Mnemonic);
    ASSERT_EQ(device.UpLinkRules.size(), 1u);
    EXPECT_EQ(device.UpLinkRules[0].Port, QString::number(i + 1));
    EXPECT_EQ(device.UpLinkRules[0].PosBit, QString::number((i + 1) * 10));
    EXPECT_EQ(device.UpLinkRules[0].Mnemonic, "up " + t.Name);
    ASSERT_EQ(device.DownLinkRules.size(), 1u);
    EXPECT_EQ(device.DownLinkRules[0].Port, QString::number(i + 11));
    EXPECT_EQ(device.DownLinkRules[0].Mnemonic, "down " + t.Name);
  }
  EXPECT_TRUE(saved.DeviceList()[2].IsFree());

  UpdateDeviceWritesTheBuildersImages(p, w);
}
