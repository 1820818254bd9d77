#include "lorawan/UBoot.h"

#include "common/ShellState.h"
#include "common/ULanguage.h"
#include "common/button/LbButton.h"
#include "platform/Dialogs.h"
#include "platform/ExtCtrls.h"
#include "platform/Screenshot.h"
#include "platform/StdCtrls.h"
#include "platform/Xml.h"
#include "support/UpdateTestKit.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <utility>
#include <vector>

// Readable failure output for texts.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace {

class UBoot : public ::testing::Test {
protected:
  void SetUp() override {
    ResetShellState();
    FillDefaultTexts();
    SoftwareCode = "CFZ9KAD";
    ProgramFolder = Folder.path();
    MasterFolder = ProgramFolder + "/MASTER";
    ProjectFolder = ProgramFolder + "/PROJECTS/Plant";
    Boot = std::make_unique<TFBoot>(nullptr);
    Boot->DoCreate();
  }
  void TearDown() override {
    Boot.reset();
    ResetShellState();
  }

  void ShowInMode(int formType) {
    Boot->Form_Type = formType;
    Boot->Show();
    QApplication::processEvents();
  }
  void TypeAddress(const QString& a, const QString& b, const QString& c, const QString& d) {
    Boot->E_IP1->SetText(a);
    Boot->E_IP2->SetText(b);
    Boot->E_IP3->SetText(c);
    Boot->E_IP4->SetText(d);
  }
  QString ParameterFile() const { return Folder.path() + "/Ethernet_Update.xml"; }
  std::vector<TDialogRequest> Messages() { return Dialogs->Records(); }

  QTemporaryDir Folder;
  TScriptedDialogScope Dialogs;
  TScriptedEcho Echo;
  TEchoScope EchoInUse{&Echo};
  std::unique_ptr<TFBoot> Boot;
};

using TElements = std::vector<std::pair<QString, QString>>;

TElements ChildTexts(const TXmlNode& node) {
  TElements elements;
  for (const TXmlNode& child : node.ChildElements()) elements.emplace_back(child.NodeName(), child.Text());
  return elements;
}

enum TTransfer { Firmware, Bank1, Bank2 };

// One "Operation" as the device's update tool expects it.
TElements ExpectedOperation(TTransfer transfer, bool readBack, bool last) {
  const QString master = ProgramFolder + "/MASTER/SimZ9KAD.sim";
  const QString bin = ProgramFolder + "/PROJECTS/Plant/bin/";
  const char* start[] = {"0x8000", "0x07000", "0x80000"};
  const char* bankType[] = {"1", "2", "2"};
  const QString file[] = {master, bin + "bank1.bin", bin + "bank2.bin"};
  return {
      {"Ope_Protection_Enabled", ""},
      {"Ope_GoToBoot_Before", "0"},
      {"Ope_GoToApp_Before", "0"},
      {"Ope_IP_Address", ""},
      {"Ope_Port", "2008"},
      {"Ope_Port_Sec", "2007"},
      {"Ope_Erase_Memory", "0"},
      {"Ope_FileName", file[transfer]},
      {"Ope_Start_Address", start[transfer]},
      {"Ope_Memory_Type", "0"},
      {"Ope_Bank_Type", bankType[transfer]},
      {"Ope_Read_Back", readBack ? "1" : "0"},
      {"Ope_Write_CSS", transfer == Firmware ? "1" : "0"},
      {"Ope_Address_CSS", "0x07A00"},
      {"Ope_Command_CSS", "0x02"},
      {"Ope_Write_Internal_Data", "0"},
      {"Ope_WID_Address", "0x07810"},
      {"Ope_WID_Command", "0x02"},
      {"Ope_WID_Data", "0x00, 0x00, 0x00, 0x01"},
      {"Ope_GoToApp_After", last ? "1" : "0"},
  };
}

void ExpectParameterFile(const QString& path, const QString& address, const std::vector<TTransfer>& transfers,
                         bool readBack) {
  QByteArray bytes;
  ASSERT_TRUE(ReadFileBytes(path, bytes));
  EXPECT_FALSE(bytes.trimmed().startsWith("<?xml"));
  EXPECT_FALSE(bytes.contains("<!--"));
  TXmlDocument xml;
  ASSERT_TRUE(xml.LoadFromBytes(bytes));
  const TXmlNode root = xml.Root();
  EXPECT_EQ(root.NodeName(), "Ethernet_Update");
  const TElements expectedRoot = {
      {"Version", "1000"},
      {"Title", QUrl(MakerWebSite).host() + " - CFZ9KAD Ethernet Update"},
      {"IP_Address_Dev", address},
      {"Application_Port", "10000"},
      {"Boot_Port", "2008"},
      {"Boot_Port_Sec", "2007"},
      {"Address_Protection", "0x07800"},
      {"Protections", "0x44F"},
      {"Operations", root.ChildNode("Operations").Text()},
  };
  EXPECT_EQ(ChildTexts(root), expectedRoot);
  EXPECT_EQ(ChildTexts(root.ChildNode("Protections")), (TElements{{"Protection", "0x44F"}}));
  const std::vector<TXmlNode> operations = root.ChildNode("Operations").ChildElements();
  ASSERT_EQ(operations.size(), transfers.size());
  for (size_t i = 0; i < transfers.size(); ++i) {
    EXPECT_EQ(operations[i].NodeName(), "Operation");
    EXPECT_EQ(ChildTexts(operations[i]), ExpectedOperation(transfers[i], readBack, i + 1 == transfers.size()))
        << "operation " << i;
  }
}

}  // namespace

TEST_F(UBoot, EthernetModeLaysOutAddressAndOptionsAndProposesTheLastValues) {
  LastDeviceIp = "10.1.20.7";
  LastUpdateOption = 2;
  LastReadBack = false;
  ShowInMode(1);
  EXPECT_EQ(Boot->Caption(), "Update Device by Ethernet (UDP)");
  EXPECT_EQ(Boot->L_SW_Desc->Caption(), "Update Device Using the Ethernet Port");
  EXPECT_EQ(Boot->L_SW_Code->Caption(), "CFZ9KAD");
  EXPECT_EQ(Boot->ClientWidth(), 449);
  EXPECT_EQ(Boot->ClientHeight(), 230);
  EXPECT_TRUE(Boot->P_IP_Address->Visible());
  EXPECT_TRUE(Boot->P_Options->Visible());
  EXPECT_FALSE(Boot->P_Serial->Visible());
  EXPECT_FALSE(Boot->P_Eth_Search->Visible());
  EXPECT_EQ(Boot->P_IP_Address->Top(), 69);
  EXPECT_EQ(Boot->P_Options->Top(), 118);
  EXPECT_EQ(Boot->P_Button->Top(), 190);
  EXPECT_EQ(Boot->IpAddressText(), "10.1.20.7");
  EXPECT_EQ(Boot->CB_Update_Options->ItemIndex(), 2);
  EXPECT_FALSE(Boot->CB_Update_Option_Read_Back->Checked());
  EXPECT_TRUE(Boot->E_IP1->Focused());
}

TEST_F(UBoot, AnAddressTheSplitRefusesLeavesTheEditsAndABadOptionFallsBackToTheFirst) {
  for (const char* last : {"", "10.1.20", "10.1.20.300", "host"}) {
    LastDeviceIp = last;
    LastUpdateOption = 7;
    TypeAddress("1", "2", "3", "4");
    ShowInMode(1);
    EXPECT_EQ(Boot->IpAddressText(), "1.2.3.4") << last;
    EXPECT_EQ(Boot->CB_Update_Options->ItemIndex(), 0) << last;
    Boot->Hide();
  }
}

TEST_F(UBoot, SerialModeStacksThePortAboveTheOptionsAndOnlyKeepsTheOptions) {
  LastUpdateOption = 1;
  ShowInMode(0);
  EXPECT_EQ(Boot->Caption(), "Update Device by Serial");
  EXPECT_EQ(Boot->L_SW_Desc->Caption(), "Update Device Using the Serial Port");
  EXPECT_EQ(Boot->ClientHeight(), 232);
  EXPECT_FALSE(Boot->P_IP_Address->Visible());
  EXPECT_EQ(Boot->P_Serial->Top(), 69);
  EXPECT_EQ(Boot->P_Options->Top(), 120);
  Boot->CB_Update_Options->SetItemIndex(2);
  Boot->CB_Update_Option_Read_Back->SetChecked(false);
  Boot->Btn_UpdateClick(Boot->Btn_Update);
  EXPECT_EQ(LastUpdateOption, 2);
  EXPECT_FALSE(LastReadBack);
  EXPECT_TRUE(Echo.Requests.empty());
  EXPECT_FALSE(FileExists(ParameterFile()));
}

TEST_F(UBoot, TextsComeFromTheFormsBlock) {
  ShowInMode(1);
  const std::vector<std::pair<QString, int>> texts = {
      {Boot->L_IP_Address->Caption(), 1606},
      {Boot->L_List_Device->Caption(), 1609},
      {Boot->Btn_Search->Caption(), 1610},
      {Boot->CB_Search_Own_Devices->Caption(), 1613},
      {Boot->L_Update_Option->Caption(), 1614},
      {Boot->CB_Update_Options->Items().Strings(0), 1615},
      {Boot->CB_Update_Options->Items().Strings(1), 1616},
      {Boot->CB_Update_Options->Items().Strings(2), 1617},
      {Boot->CB_Update_Option_Read_Back->Caption(), 1618},
      {Boot->Btn_Cancel->Caption(), 1619},
      {Boot->Btn_Update->Caption(), 1620},
      {Boot->E_IP1->Hint(), 1621},
      {Boot->E_IP4->Hint(), 1624},
      {Boot->Btn_Search->Hint(), 1629},
      {Boot->CB_Search_Own_Devices->Hint(), 1631},
      {Boot->CB_Update_Options->Hint(), 1632},
      {Boot->CB_Update_Option_Read_Back->Hint(), 1633},
      {Boot->Btn_Cancel->Hint(), 1634},
      {Boot->Btn_Update->Hint(), 1635},
  };
  for (const auto& [shown, id] : texts) EXPECT_EQ(shown, LangText(id)) << id;
  EXPECT_EQ(Boot->CB_Update_Options->Items().Count(), 3);
  EXPECT_EQ(LangText(1620), "Execute Update Firmware");
  EXPECT_TRUE(LangText(1613).contains(MakerName));
}

TEST_F(UBoot, ADotMovesToTheNextOctetAndIsNeverTyped) {
  ShowInMode(1);
  Boot->E_IP1->SetFocus();
  TypeAddress("", "", "", "");
  for (char c : std::string("192.168.2.205.")) {
    QTest::keyClick(QApplication::focusWidget(), c);
    QApplication::processEvents();
  }
  EXPECT_EQ(Boot->IpAddressText(), "192.168.2.205");
  EXPECT_TRUE(Boot->E_IP4->Focused());
}

// A remembered address is typed over as a whole: each "." selects the next
// field's text, as Tab does, so no digit of the old address stays.
TEST_F(UBoot, TypingOverARememberedAddressGivesTheTypedAddress) {
  LastDeviceIp = "10.1.20.7";
  ShowInMode(1);
  ASSERT_TRUE(QTest::qWaitForWindowActive(Boot->Widget()));
  ASSERT_TRUE(Boot->E_IP1->Focused());
  for (char c : std::string("192.168.2.205")) {
    QTest::keyClick(QApplication::focusWidget(), c);
    QApplication::processEvents();
  }
  EXPECT_EQ(Boot->IpAddressText(), "192.168.2.205");
}

TEST_F(UBoot, TwoRepliesStopThePingAndTheUpdateGoesOn) {
  InstallUpdateTool(Folder.path());
  Echo.Otherwise = TScriptedEcho::Reply;
  ShowInMode(1);
  TypeAddress("192", "168", "2", "77");
  Boot->CB_Update_Options->SetItemIndex(1);
  QTest::mouseClick(Boot->Btn_Update->Widget(), Qt::LeftButton, {}, QPoint(5, 5));
  ASSERT_EQ(Echo.Requests.size(), 2u);
  for (const auto& request : Echo.Requests) {
    EXPECT_EQ(request.Address, "192.168.2.77");
    EXPECT_EQ(request.Data, QByteArray("192.168.2.77"));
    EXPECT_EQ(request.TimeoutMs, 400);
  }
  EXPECT_EQ(Boot->ping_res, 1);
  EXPECT_EQ(LastDeviceIp, "192.168.2.77");
  EXPECT_EQ(LastUpdateOption, 1);
  ExpectParameterFile(ParameterFile(), "192.168.2.77", {Firmware}, true);
  const QStringList record = UpdateToolRecord(Folder.path());
  EXPECT_TRUE(record.contains("argc=0"));
  EXPECT_TRUE(record.contains("show=1"));
  EXPECT_TRUE(Messages().empty());
  EXPECT_TRUE(Boot->Visible());  // the form stays open after the update
}

TEST_F(UBoot, ThePingEndsOnTheLastAnswer) {
  using A = TScriptedEcho::TAnswer;
  struct Case {
    std::vector<A> Answers;
    size_t Requests;
    bool Answered;
  } cases[] = {
      {{A::Reply, A::Reply}, 2, true},
      {{A::Silence, A::Reply, A::Silence, A::Reply}, 4, true},
      // One answer, then silence until the 5 s are over: the last request decides.
      {{A::Reply}, 14, false},
  };
  for (const Case& c : cases) {
    TFakeClock clock;
    Echo.Requests.clear();
    Echo.Script.assign(c.Answers.begin(), c.Answers.end());
    Echo.Otherwise = A::Silence;
    TypeAddress("10", "0", "0", "9");
    EXPECT_EQ(Boot->Send_Ping(), c.Answered);
    EXPECT_EQ(Echo.Requests.size(), c.Requests);
  }
}

TEST_F(UBoot, NoReplyInFiveSecondsWarnsAndWritesAndStartsNothing) {
  InstallUpdateTool(Folder.path());
  TFakeClock clock;
  const uint32_t start = TFakeClock::Ticks();
  const QString lastIp = LastDeviceIp;
  ShowInMode(1);
  Boot->Btn_UpdateClick(Boot->Btn_Update);
  // Requests of 400 ms each, none started after the 5,000 ms.
  ASSERT_GE(Echo.Requests.size(), 12u);
  EXPECT_LE(Echo.Requests.back().At - start, 5000u);
  EXPECT_GT(Echo.Requests.back().At + 400 - start, 5000u);
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0].Text, "Device Not Found!");
  EXPECT_EQ(Messages()[0].Type, mtWarning);
  EXPECT_EQ(Messages()[0].Buttons, TMsgDlgButtons({mbOK}));
  EXPECT_FALSE(FileExists(ParameterFile()));
  EXPECT_TRUE(UpdateToolRecord(Folder.path()).isEmpty());
  EXPECT_EQ(LastDeviceIp, lastIp);
}

TEST_F(UBoot, AnAddressThatCannotBeResolvedGivesTheErrorAndSendsNothing) {
  InstallUpdateTool(Folder.path());
  ShowInMode(1);
  const std::vector<std::vector<QString>> addresses = {
      {"192", "168", "ab", "1"}, {"192", "168", "2", "256"}, {"192", "", "2", "1"},
      {"192", "168", "2", " 1"}, {"192", "168", "02", "1"},  {"0x10", "1", "2", "3"},
  };
  for (const auto& a : addresses) {
    Dialogs->ClearRecords();
    TypeAddress(a[0], a[1], a[2], a[3]);
    Boot->Btn_UpdateClick(Boot->Btn_Update);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].Text, "Error!!! Check the Ip Address") << Boot->IpAddressText().toStdString();
    EXPECT_EQ(Messages()[0].Type, mtError);
  }
  EXPECT_TRUE(Echo.Requests.empty());
  EXPECT_FALSE(FileExists(ParameterFile()));
  EXPECT_TRUE(UpdateToolRecord(Folder.path()).isEmpty());
}

TEST_F(UBoot, ARequestThatCannotBeSentGivesTheError) {
  Echo.Script = {TScriptedEcho::SendFailure};
  ShowInMode(1);
  TypeAddress("10", "0", "0", "1");
  Boot->Btn_UpdateClick(Boot->Btn_Update);
  EXPECT_EQ(Echo.Requests.size(), 1u);
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0].Text, "Error!!! Check the Ip Address");
  EXPECT_FALSE(FileExists(ParameterFile()));
}

TEST_F(UBoot, ParameterFileForEveryOptionWithAndWithoutReadBack) {
  struct Case {
    int Option;
    std::vector<TTransfer> Transfers;
  } cases[] = {
      {0, {Firmware, Bank1, Bank2}},
      {1, {Firmware}},
      {2, {Bank1, Bank2}},
  };
  ShowInMode(1);
  TypeAddress("192", "168", "2", "205");
  for (const Case& c : cases) {
    for (bool readBack : {true, false}) {
      Boot->CB_Update_Options->SetItemIndex(c.Option);
      Boot->CB_Update_Option_Read_Back->SetChecked(readBack);
      ASSERT_TRUE(Boot->Compile_XML_Parameter_New_Boot());
      SCOPED_TRACE(testing::Message() << "option " << c.Option << " read back " << readBack);
      ExpectParameterFile(ParameterFile(), "192.168.2.205", c.Transfers, readBack);
    }
  }
}

TEST_F(UBoot, AParameterFileThatCannotBeWrittenStopsTheUpdate) {
  InstallUpdateTool(Folder.path());
  // The file's name is taken by a folder: the old parameters must not be used.
  ASSERT_TRUE(ForceDirectories(ParameterFile()));
  Echo.Otherwise = TScriptedEcho::Reply;
  ShowInMode(1);
  Boot->Btn_UpdateClick(Boot->Btn_Update);
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0].Text, "Error! Cannot write the Update Parameters File " + ParameterFile());
  EXPECT_EQ(Messages()[0].Type, mtError);
  EXPECT_TRUE(UpdateToolRecord(Folder.path()).isEmpty());
}

TEST_F(UBoot, AToolThatDidNotRunOrFailedIsReported) {
  Echo.Otherwise = TScriptedEcho::Reply;
  ShowInMode(1);
  Boot->Btn_UpdateClick(Boot->Btn_Update);
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0].Text,
            "Error! Update Tool not Found or not Started: " + Folder.path() + "/Ethernet_Update.exe");
  EXPECT_EQ(Messages()[0].Type, mtError);
  EXPECT_TRUE(FileExists(ParameterFile()));

  InstallUpdateTool(Folder.path());
  qputenv("QUILLORE_STANDIN_EXIT", "3");
  Dialogs->ClearRecords();
  Boot->Btn_UpdateClick(Boot->Btn_Update);
  qunsetenv("QUILLORE_STANDIN_EXIT");
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0].Text, "Error! The Update Tool ended with the Error Code 3");
  EXPECT_FALSE(UpdateToolRecord(Folder.path()).isEmpty());
}

TEST_F(UBoot, EnterOnAMessageOfTheUpdateRunsNothingAgain) {
  Echo.Otherwise = TScriptedEcho::Reply;
  ShowInMode(1);
  Boot->Btn_Update->SetFocus();
  QTest::keyClick(Boot->Btn_Update->Widget(), Qt::Key_Return);
  ASSERT_EQ(Messages().size(), 1u);  // the tool is missing
  const size_t pings = Echo.Requests.size();
  ASSERT_GT(pings, 0u);
  QFile::remove(ParameterFile());
  // The Enter that closed the message is released over the focused button.
  QTest::keyRelease(Boot->Btn_Update->Widget(), Qt::Key_Return);
  EXPECT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Echo.Requests.size(), pings);
  EXPECT_FALSE(FileExists(ParameterFile()));
}

TEST_F(UBoot, AToolStillRunningAtTheTimeOutIsLeftRunningAndReported) {
  InstallUpdateTool(Folder.path());
  Echo.Otherwise = TScriptedEcho::Reply;
  ShowInMode(1);
  qputenv("QUILLORE_STANDIN_SLEEP_MS", "1500");
  {
    TFakeClock clock;
    Boot->Btn_UpdateClick(Boot->Btn_Update);
  }
  qunsetenv("QUILLORE_STANDIN_SLEEP_MS");
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0].Text,
            "The Update Tool is still running after 150 seconds: wait for its end before a new Update");
  EXPECT_EQ(Messages()[0].Type, mtWarning);
}

TEST_F(UBoot, ReopeningAfterAnUpdateShowsTheLastAddressAndOptions) {
  InstallUpdateTool(Folder.path());
  Echo.Otherwise = TScriptedEcho::Reply;
  ShowInMode(1);
  TypeAddress("172", "16", "0", "40");
  Boot->CB_Update_Options->SetItemIndex(2);
  Boot->CB_Update_Option_Read_Back->SetChecked(false);
  Boot->Btn_UpdateClick(Boot->Btn_Update);
  Boot->Hide();
  TypeAddress("0", "0", "0", "0");
  Boot->CB_Update_Options->SetItemIndex(0);
  Boot->CB_Update_Option_Read_Back->SetChecked(true);
  ShowInMode(1);
  EXPECT_EQ(Boot->IpAddressText(), "172.16.0.40");
  EXPECT_EQ(Boot->CB_Update_Options->ItemIndex(), 2);
  EXPECT_FALSE(Boot->CB_Update_Option_Read_Back->Checked());
}

TEST_F(UBoot, TheRealEchoClientReachesTheLoopbackDevice) {
  TEchoScope real(nullptr);
  InstallUpdateTool(Folder.path());
  ShowInMode(1);
  TypeAddress("127", "0", "0", "1");
  TIcmpEchoReply probe;
  if (!IcmpEcho().Echo("127.0.0.1", "probe", 400, probe) && probe.SendFailed)
    GTEST_SKIP() << "no ICMP socket on this machine";
  Boot->Btn_UpdateClick(Boot->Btn_Update);
  EXPECT_EQ(Boot->ping_res, 1);
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(LastDeviceIp, "127.0.0.1");
  EXPECT_TRUE(UpdateToolRecord(Folder.path()).contains("argc=0"));
}

TEST_F(UBoot, Screenshots) {
  const QString folder = QString(QUILLORE_TOOLS_DIR) + "/screenshots";
  ASSERT_TRUE(ForceDirectories(folder));
  ShowInMode(1);
  EXPECT_TRUE(SaveWidgetScreenshot(Boot->Widget(), folder + "/TFBoot_Ethernet.png"));
  Boot->Hide();
  ShowInMode(0);
  EXPECT_TRUE(SaveWidgetScreenshot(Boot->Widget(), folder + "/TFBoot_Serial.png"));
}
