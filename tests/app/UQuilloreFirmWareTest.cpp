#include "support/ShellTestProgram.h"

#include "app/UAbout.h"
#include "app/UNew_Project.h"
#include "app/USoftOptions.h"
#include "common/FormKit.h"
#include "common/button/LbButton.h"
#include "lorawan/UBoot.h"
#include "lorawan/ULoRaWAN_Gateway.h"
#include "parameters/UParGen.h"
#include "platform/ExtCtrls.h"
#include "platform/StdCtrls.h"
#include "platform/Timers.h"
#include "tables/can/UReceiveCAN.h"
#include "tables/can/USet_PDO_Access.h"
#include "tables/iec_opcua_mqtt/UOPC_UA_Server_Access.h"
#include "tables/modbus_bacnet/UBACnetAccess.h"
#include "tables/modbus_bacnet/UModbus_TCP_Master_Set_Access.h"
#include "tables/snmp_ethernet/UKNXAccess.h"

#include <QApplication>
#include <QImage>
#include <QTest>

#include <gtest/gtest.h>

#include <typeinfo>

namespace {

using TButtonRef = TLbButton* TFQuilloreFirmWare::*;

void Click(TLbButton* b) { QTest::mouseClick(b->Widget(), Qt::LeftButton, {}, QPoint(5, 5)); }

std::vector<QString> ErrorTexts(const TScriptedDialogService& s) {
  std::vector<QString> texts;
  for (const auto& r : s.Records())
    if (r.Type == mtError) texts.push_back(r.Text);
  return texts;
}

// The actions that need a project and are shown in this model.
const TButtonRef ShownProjectActions[] = {&TFQuilloreFirmWare::Btn_Prm_Gen, &TFQuilloreFirmWare::Btn_LoRaWAN_Access,
                                          &TFQuilloreFirmWare::Btn_CreateBin};

void ExpectNoProjectShown(TFQuilloreFirmWare& w) {
  EXPECT_EQ(w.L_Name_Conf->Caption(), "None Configuration Opened ");
  EXPECT_EQ(w.L_Name_Conf_L2->Caption(), "Use Step1 to open or create new configuration");
}

void ExpectStepsRefused(TShellTestProgram& p, TFQuilloreFirmWare& w) {
  for (TButtonRef ref : ShownProjectActions) {
    p.Dialogs->ClearRecords();
    const bool shown = TShellTestProgram::ExpectModal(FParGen, [&] { Click(w.*ref); });
    EXPECT_FALSE(shown);
    ASSERT_EQ(p.Dialogs->Records().size(), 1u);
    EXPECT_EQ(p.Dialogs->Records()[0].Text, "Error! Project not Valid");
    EXPECT_EQ(p.Dialogs->Records()[0].Type, mtError);
    EXPECT_TRUE(p.Dialogs->Records()[0].Buttons.Contains(mbOK));
  }
}

}  // namespace

TEST(MainWindowStart, WithoutSettingsFileNoProjectIsOpenAndStepsRefuse) {
  TShellTestProgram p;
  TFQuilloreFirmWare& w = p.Start();
  w.Show();
  EXPECT_EQ(Application()->FormCount(), 42);
  EXPECT_EQ(Application()->MainForm(), &w);
  for (const char* folder : {"MASTER", "PROJECTS", "LANGUAGE"}) EXPECT_TRUE(DirectoryExists(p.Folder() + "/" + folder));
  EXPECT_EQ(LastDeviceIp, "192.168.2.205");
  EXPECT_EQ(LanguageName, "English");
  EXPECT_TRUE(ProjectFolder.isEmpty());
  ExpectNoProjectShown(w);
  ExpectStepsRefused(p, w);
  EXPECT_EQ(ParGenFile, "/ParGen.xml");
}

TEST(MainWindowStart, DeletedLastProjectIsNotOpenedButStaysRemembered) {
  TShellTestProgram p;
  p.WriteSettings("<Conf_Settings><lastproj><projectname>Gone</projectname></lastproj></Conf_Settings>");
  TFQuilloreFirmWare& w = p.Start();
  w.Show();
  EXPECT_EQ(ProjectName, "Gone");
  EXPECT_TRUE(ProjectFolder.isEmpty());
  ExpectNoProjectShown(w);
  ExpectStepsRefused(p, w);
  w.Close();
  EXPECT_TRUE(p.ReadSettings().contains("<projectname>Gone</projectname>"));
}

TEST(MainWindowStart, ExistingLastProjectIsReopenedWithItsPaths) {
  TShellTestProgram p;
  p.MakeProject("Plant");
  p.WriteSettings("<Conf_Settings><lastproj><projectname>Plant</projectname></lastproj></Conf_Settings>");
  TFQuilloreFirmWare& w = p.Start();
  EXPECT_EQ(ProjectFolder, p.ProjectsPath() + "/Plant");
  EXPECT_EQ(w.L_Name_Conf->Caption(), "Opened Configuration of the Converter : ");
  EXPECT_EQ(w.L_Name_Conf_L2->Caption(), "Plant");
  EXPECT_EQ(ParGenFile, p.ProjectsPath() + "/Plant/ParGen.xml");
  EXPECT_EQ(KNXSetAccessFile, p.ProjectsPath() + "/Plant/KNX_SetAccess.xml");
}

TEST(MainWindowStart, ARememberedNameLeadingOutOfProjectsIsNotOpened) {
  TShellTestProgram p;
  p.WriteSettings("<Conf_Settings><lastproj><projectname>../MASTER</projectname></lastproj></Conf_Settings>");
  TFQuilloreFirmWare& w = p.Start();
  EXPECT_TRUE(DirectoryExists(p.ProjectsPath() + "/../MASTER"));
  EXPECT_EQ(ProjectName, "../MASTER");
  EXPECT_TRUE(ProjectFolder.isEmpty());
  ExpectNoProjectShown(w);
}

TEST(MainWindowStart, EveryFormTakesTheSoftwareCodeAndItsTexts) {
  TShellTestProgram p;
  TFQuilloreFirmWare& w = p.Start();
  EXPECT_EQ(SoftwareCode, "CFZ9KAD");
  EXPECT_EQ(SoftwareDescription, "Modbus TCP Slave / LoRaWAN Gateway - Converter");
  EXPECT_EQ(w.Caption(), SoftwareTitle);
  EXPECT_TRUE(SoftwareTitle.endsWith(" - Configurator CFZ9KAD Modbus TCP Slave / LoRaWAN Gateway "));
  EXPECT_EQ(w.L_SW_Code->Caption(), "CFZ9KAD");
  EXPECT_EQ(FReceiveCAN->L_SW_Code->Caption(), "CFZ9KAD");
  EXPECT_EQ(FKNXAccess->L_SW_Code->Caption(), "CFZ9KAD");
  EXPECT_EQ(FParGen->Caption(), "Set Communication");
  EXPECT_EQ(LanguageTexts->Count(), 5600);
  ASSERT_NE(RowClipboard, nullptr);
  EXPECT_EQ(RowClipboard->Count(), 0);
  EXPECT_EQ(w.Btn_New->Caption(), "New Configuration");
  EXPECT_EQ(w.Btn_Info->Hint(), "Information");
  EXPECT_EQ(w.Btn_CreateBin->Hint(), "Update the actual Firmware and/or Configuration in the device");
  EXPECT_EQ(w.Btn_KNX_Access->Caption(), "KNX Access");
  EXPECT_EQ(w.L_Step_4->Caption(), "Step 4");
}

TEST(MainWindowLayout, EveryFormsButtonsHaveTheHouseColours) {
  TShellTestProgram p;
  p.Start();
  int buttons = 0;
  for (int f = 0; f < Application()->FormCount(); ++f) {
    TForm* form = Application()->Forms(f);
    for (int i = 0; i < form->ComponentCount(); ++i) {
      auto* b = dynamic_cast<TLbButton*>(form->Components(i));
      if (!b) continue;
      ++buttons;
      EXPECT_EQ(b->Color(), HouseLook::FormColor) << typeid(*form).name() << " " << b->Caption().toStdString();
      EXPECT_EQ(b->ColorWhenDown(), HouseLook::PressedColor) << typeid(*form).name();
    }
  }
  EXPECT_GT(buttons, 20);
}

TEST(MainWindowLayout, OnlyTheModelsButtonsAreShownAtTheirPlaces) {
  TShellTestProgram p;
  TFQuilloreFirmWare& w = p.Start();
  w.Show();
  EXPECT_EQ(w.ClientWidth(), 694);
  EXPECT_EQ(w.ClientHeight(), 396);
  EXPECT_EQ(w.Color(), TColor(0x00EDF7F8));
  EXPECT_EQ(w.BorderStyle(), bsSingle);
  struct Place {
    TButtonRef Button;
    int Left, Top, Width, Height;
  };
  const Place shown[] = {
      {&TFQuilloreFirmWare::Btn_Info, 516, 8, 50, 50},
      {&TFQuilloreFirmWare::Btn_Opz, 574, 8, 50, 50},
      {&TFQuilloreFirmWare::Btn_Close, 632, 8, 50, 50},
      {&TFQuilloreFirmWare::Btn_New, 80, 112, 170, 36},
      {&TFQuilloreFirmWare::Btn_Open, 258, 112, 170, 36},
      {&TFQuilloreFirmWare::Btn_Prm_Gen, 80, 156, 170, 36},
      {&TFQuilloreFirmWare::Btn_LoRaWAN_Access, 80, 200, 170, 36},
      {&TFQuilloreFirmWare::Btn_CreateBin, 80, 244, 170, 36},
  };
  int visibleButtons = 0;
  for (int i = 0; i < w.ComponentCount(); ++i)
    if (auto* b = dynamic_cast<TLbButton*>(w.Components(i)); b && b->Visible()) ++visibleButtons;
  EXPECT_EQ(visibleButtons, int(std::size(shown)));
  for (const Place& s : shown) {
    TLbButton* b = w.*s.Button;
    EXPECT_TRUE(b->Visible()) << b->Caption().toStdString();
    EXPECT_EQ(b->BoundsRect(), Bounds(s.Left, s.Top, s.Width, s.Height)) << b->Hint().toStdString();
    EXPECT_EQ(b->ColorWhenDown(), TColor(0x000080FF));
    EXPECT_EQ(b->LightColor(), clGray);
  }
  EXPECT_EQ(w.Btn_New->HotTrackColor(), clSkyBlue);
  EXPECT_EQ(w.Btn_CreateBin->HotTrackColor(), clSkyBlue);
  EXPECT_EQ(w.Btn_Prm_Gen->HotTrackColor(), clYellow);
  EXPECT_EQ(w.Btn_Prm_Gen->Style(), bsNormal);
  EXPECT_EQ(w.Btn_LoRaWAN_Access->Style(), bsEncarta);
  EXPECT_EQ(w.Btn_Info->Style(), bsNormal);
  TLabel* steps[] = {w.L_Step_1, w.L_Step_2, w.L_Step_3, w.L_Step_4, w.L_Step_5, w.L_Step_6, w.L_Step_7, w.L_Step_8};
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(steps[i]->Visible(), i < 4);
    EXPECT_EQ(steps[i]->Left(), 16);
    EXPECT_EQ(steps[i]->Top(), 128 + 44 * i);
  }
  EXPECT_EQ(w.Shape1->BoundsRect(), Bounds(10, 295, 674, 1));
  EXPECT_TRUE(w.L_Velmor->Visible());
  EXPECT_EQ(w.L_Velmor->Left(), 565);
  EXPECT_EQ(w.L_Velmor->Top(), 260);
  EXPECT_FALSE(w.LL_Update->Visible());
  EXPECT_EQ(w.LL_Update->Left(), 208);
  EXPECT_EQ(w.LL_Update->Top(), 19);

  // The picture of the window: the client area, its colour where nothing lies
  // and on the faces of the buttons, which are told apart by their frames.
  const QImage shot = w.Widget()->grab().toImage();
  EXPECT_EQ(shot.size(), QSize(694, 396));
  const QRgb background = qRgb(0xF8, 0xF7, 0xED);
  EXPECT_EQ(shot.pixel(400, 200), background);
  EXPECT_EQ(shot.pixel(300, 350), background);
  for (const Place& s : shown) {
    EXPECT_EQ(shot.pixel(s.Left + s.Width - 4, s.Top + 3), background) << s.Left << "," << s.Top;
    EXPECT_EQ(shot.pixel(s.Left + s.Width - 1, s.Top + s.Height - 1), qRgb(0x80, 0x80, 0x80));
  }
}

TEST(MainWindowActions, WithAProjectEachActionShowsItsForm) {
  TShellTestProgram p;
  p.MakeProject("Plant");
  p.WriteSettings("<Conf_Settings><lastproj><projectname>Plant</projectname></lastproj></Conf_Settings>");
  TFQuilloreFirmWare& w = p.Start();
  w.Show();
  struct Case {
    TButtonRef Button;
    TForm* Form;
  };
  const Case cases[] = {
      {&TFQuilloreFirmWare::Btn_Prm_Gen, FParGen},
      {&TFQuilloreFirmWare::Btn_LoRaWAN_Access, FLoRaWAN_Gateway},
      {&TFQuilloreFirmWare::Btn_Modbus_Set_Access, FModbus_TCP_Master_Set_Access},
      {&TFQuilloreFirmWare::Btn_BACnet_SetAccess, FBACnetAccess},
      {&TFQuilloreFirmWare::Btn_CAN_Rec_Frame, FReceiveCAN},
      {&TFQuilloreFirmWare::Btn_PDO_CANopen, FSet_PDO_Access},
      {&TFQuilloreFirmWare::Btn_OPC_UA_Server_Access, FOPC_UA_Server_Access},
      {&TFQuilloreFirmWare::Btn_KNX_Access, FKNXAccess},
      {&TFQuilloreFirmWare::Btn_Info, FAbout},
  };
  for (const Case& c : cases) {
    EXPECT_TRUE(TShellTestProgram::ExpectModal(c.Form, [&] { w.Btn_Click(w.*c.Button); }))
        << (w.*c.Button)->Caption().toStdString();
  }
  // The project has no ParGen.xml: the BACnet client editor asks for its BACnet type.
  EXPECT_EQ(ErrorTexts(p.Dialogs.Service()), std::vector<QString>({LangText(2057)}));
}

TEST(MainWindowActions, UpdateDeviceOpensTheUpdateFormInEthernetMode) {
  TShellTestProgram p;
  p.MakeProject("Empty");
  p.WriteSettings("<Conf_Settings><lastproj><projectname>Empty</projectname></lastproj></Conf_Settings>");
  TFQuilloreFirmWare& w = p.Start();
  w.Show();
  FBoot->Form_Type = 0;
  int typeWhenShown = -1;
  EXPECT_TRUE(TShellTestProgram::ExpectModal(
      FBoot, [&] { Click(w.Btn_CreateBin); }, [&] { typeWhenShown = FBoot->Form_Type; }, mrCancel));
  EXPECT_EQ(typeWhenShown, 1);
  EXPECT_EQ(FBoot->Caption(), "Update Device by Ethernet (UDP)");
  EXPECT_EQ(FBoot->L_SW_Code->Caption(), "CFZ9KAD");
  // The images of an empty project hold the defaults of the builder.
  EXPECT_TRUE(FileExists(p.ProjectsPath() + "/Empty/bin/bank1.bin"));
  EXPECT_TRUE(FileExists(p.ProjectsPath() + "/Empty/bin/bank2.bin"));
  EXPECT_TRUE(p.Dialogs->Records().empty());
}

TEST(MainWindowActions, UpdateDeviceStopsWhenTheImagesCannotBeWritten) {
  TShellTestProgram p;
  QDir().mkpath(p.ProjectsPath() + "/Blocked");
  WriteFileAtomic(p.ProjectsPath() + "/Blocked/bin", "a file where the bin folder belongs");
  p.WriteSettings("<Conf_Settings><lastproj><projectname>Blocked</projectname></lastproj></Conf_Settings>");
  TFQuilloreFirmWare& w = p.Start();
  w.Show();
  EXPECT_FALSE(TShellTestProgram::ExpectModal(FBoot, [&] { Click(w.Btn_CreateBin); }));
  ASSERT_EQ(ErrorTexts(p.Dialogs.Service()).size(), 1u);
  EXPECT_TRUE(ErrorTexts(p.Dialogs.Service())[0].contains("bank1.bin"));
}

TEST(MainWindowActions, EnterOnTheRefusalOfAStepShowsItOnce) {
  TShellTestProgram p;
  TFQuilloreFirmWare& w = p.Start();
  w.Show();
  w.Btn_Prm_Gen->SetFocus();
  QTest::keyClick(w.Btn_Prm_Gen->Widget(), Qt::Key_Return);
  ASSERT_EQ(ErrorTexts(p.Dialogs.Service()), std::vector<QString>{"Error! Project not Valid"});
  // Enter closed the message on its press; its release comes back to the
  // step button, which has the focus again.
  QTest::keyRelease(w.Btn_Prm_Gen->Widget(), Qt::Key_Return);
  QApplication::processEvents();
  EXPECT_EQ(p.Dialogs->Records().size(), 1u);
  // The next press of Enter asks again.
  QTest::keyClick(w.Btn_Prm_Gen->Widget(), Qt::Key_Return);
  EXPECT_EQ(p.Dialogs->Records().size(), 2u);
}

TEST(MainWindowActions, HiddenProtocolActionsAlsoNeedAProject) {
  TShellTestProgram p;
  TFQuilloreFirmWare& w = p.Start();
  for (TButtonRef ref : {&TFQuilloreFirmWare::Btn_KNX_Access, &TFQuilloreFirmWare::Btn_SNMP_MIB,
                         &TFQuilloreFirmWare::Btn_PROFIBUS_GSD, &TFQuilloreFirmWare::Btn_BACnet_EDE_File}) {
    p.Dialogs->ClearRecords();
    EXPECT_FALSE(TShellTestProgram::ExpectModal(FKNXAccess, [&] { w.Btn_Click(w.*ref); }));
    EXPECT_EQ(ErrorTexts(p.Dialogs.Service()), std::vector<QString>{"Error! Project not Valid"});
  }
}

TEST(MainWindowActions, OptionsOkWritesTheSettingsAndSwitchesTheTimerCancelWritesNothing) {
  TShellTestProgram p;
  TFQuilloreFirmWare& w = p.Start();
  w.Show();
  EXPECT_FALSE(w.Timer_Update->Enabled());
  EXPECT_TRUE(TShellTestProgram::ExpectModal(
      FSoftOptions, [&] { Click(w.Btn_Opz); }, [] { EnableInternet = EnableUpdate = true; }, mrCancel));
  EXPECT_FALSE(FileExists(p.SettingsPath()));
  EXPECT_FALSE(w.Timer_Update->Enabled());
  EXPECT_TRUE(TShellTestProgram::ExpectModal(FSoftOptions, [&] { Click(w.Btn_Opz); }));
  EXPECT_TRUE(p.ReadSettings().contains("<enable_update>1</enable_update>"));
  EXPECT_TRUE(w.Timer_Update->Enabled());
  EXPECT_EQ(w.Timer_Update->Interval(), 60000);
}

TEST(MainWindowActions, CloseButtonClosesAndWritesTheSettings) {
  TShellTestProgram p;
  TFQuilloreFirmWare& w = p.Start();
  w.Show();
  LastDeviceIp = "10.0.0.7";
  Click(w.Btn_Close);
  EXPECT_FALSE(w.Visible());
  EXPECT_TRUE(p.ReadSettings().contains("<ipaddress>10.0.0.7</ipaddress>"));
}

TEST(MainWindowActions, WebLinksOpenTheMakersPages) {
  TShellTestProgram p;
  TFQuilloreFirmWare& w = p.Start();
  w.Show();
  QTest::mouseClick(w.L_Velmor->Widget(), Qt::LeftButton, {}, QPoint(2, 2));
  ASSERT_EQ(p.OpenedUrls.size(), 1u);
  EXPECT_TRUE(p.OpenedUrls[0].endsWith("/HOME/default.asp?frompg=CFZ9KAD"));
  w.LL_UpdateLinkClick(w.LL_Update, MakerDownloadPage);
  ASSERT_EQ(p.OpenedUrls.size(), 2u);
  EXPECT_TRUE(p.OpenedUrls[1].endsWith("/Home/download/download.asp#DVZ9KAD"));
}

TEST(MainWindowActions, ChangeLanguageTranslatesEveryFormButTheAboutBox) {
  TShellTestProgram p;
  TFQuilloreFirmWare& w = p.Start();
  LanguageTexts->SetStrings(15, "Nuova Configurazione");
  LanguageTexts->SetStrings(9, "Nessuna configurazione");
  LanguageTexts->SetStrings(100, "Crea");
  LanguageTexts->SetStrings(2400, "Ricezione CAN");
  LanguageTexts->SetStrings(5300, "KNX");
  w.Change_Language();
  EXPECT_EQ(w.Btn_New->Caption(), "Nuova Configurazione");
  EXPECT_EQ(w.L_Name_Conf->Caption(), "Nessuna configurazione");
  EXPECT_EQ(FNew_Project->Caption(), "Crea");
  EXPECT_EQ(FReceiveCAN->Caption(), "Ricezione CAN");
  EXPECT_EQ(FKNXAccess->Caption(), "KNX");
}

TEST(MainWindowTimer, TheVersionCheckRunsOnlyWithBothInternetOptions) {
  struct Case {
    const char* Internet;
    const char* Update;
    bool Enabled;
  };
  const Case cases[] = {{"1", "1", true}, {"1", "0", false}, {"0", "1", false}, {"1", "true", false}};
  for (const Case& c : cases) {
    TShellTestProgram p;
    p.WriteSettings(QString("<Conf_Settings><lastinternet><enable_internet>%1</enable_internet>"
                            "<enable_update>%2</enable_update></lastinternet></Conf_Settings>")
                        .arg(c.Internet, c.Update)
                        .toUtf8());
    TFQuilloreFirmWare& w = p.Start();
    EXPECT_EQ(w.Timer_Update->Enabled(), c.Enabled) << c.Internet << " " << c.Update;
  }
}

TEST(MainWindowTimer, ACheckWithoutNewerVersionHidesTheLinkAndWaitsTwoHours) {
  TManualClockScope clock;
  TShellTestProgram p;
  p.WriteSettings(
      "<Conf_Settings><lastinternet><enable_internet>1</enable_internet>"
      "<enable_update>1</enable_update></lastinternet></Conf_Settings>");
  TFQuilloreFirmWare& w = p.Start();
  w.LL_Update->SetVisible(true);
  clock.Clock().Advance(60000);
  EXPECT_FALSE(w.LL_Update->Visible());
  EXPECT_TRUE(w.Timer_Update->Enabled());
  EXPECT_EQ(w.Timer_Update->Interval(), 7200000);
}
