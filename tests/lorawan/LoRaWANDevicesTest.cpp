#include "lorawan/LoRaWANDevices.h"

#include "LoRaWANTestProject.h"
#include "lorawan/Bank2Image.h"
#include "platform/Dialogs.h"
#include "platform/Xml.h"

#include <QDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <memory>

namespace {

QByteArray FileBytes(const QString& path) {
  QByteArray bytes;
  EXPECT_TRUE(ReadFileBytes(path, bytes)) << path.toStdString();
  return bytes;
}

TRuleLoRa UpLink(const QString& port, const QString& mnemonic, bool enable = true) {
  TRuleLoRa r;
  r.Enable = enable;
  r.Port = port;
  r.StartTest = "0";
  r.LenTest = "2";
  r.HexTest = true;
  r.ValueTest = "abCD";
  r.StartBit = "2";
  r.NumBits = "4";
  r.PosBit = "10";
  r.Mnemonic = mnemonic;
  return r;
}

TRuleLoRa DownLink(const QString& port, const QString& mnemonic) {
  TRuleLoRa r;
  r.Port = port;
  r.StartBit = "0";
  r.NumBits = "2";
  r.OnCMD = true;
  r.OnTimer = true;
  r.Time = "5000";
  r.PosBit = "20";
  r.Mnemonic = mnemonic;
  return r;
}

void Fill(TDeviceLoRa& d, const QString& eui, const QString& name) {
  d.DeviceEUI = eui;
  d.JoinEUI = "70B3D57ED0000001";
  d.DeviceName = name;
  d.ActMethod = ActivationOTAA;
  d.AppKey = "000102030405060708090A0B0C0D0E0F";
  d.DevAdd = "26011BDA";
  d.ClassLoRa = "C";
  d.DiagTimeOut = "60000";
  d.RX2Datarate = "SF9BW125";
  d.Mnemonic = " kept as typed ";
}

// A device element with the given Enable attribute and rules, inside a whole file.
QString OneDeviceFile(const QString& deviceAttributes, const QString& upLinks = "", const QString& downLinks = "") {
  return "<LoRaWAN_Gateway><LoRaWAN_Devices_List><LoRaWAN_Device " + deviceAttributes +
         "><LoRaWAN_Rules><LoRaWAN_UpLink_Rules>" + upLinks + "</LoRaWAN_UpLink_Rules><LoRaWAN_DownLink_Rules>" +
         downLinks +
         "</LoRaWAN_DownLink_Rules></LoRaWAN_Rules></LoRaWAN_Device></LoRaWAN_Devices_List>"
         "</LoRaWAN_Gateway>";
}
const QString RequiredDeviceAttributes =
    R"(DeviceEUI="0011223344556677" JoinEUI="" DeviceName="" ActivationMethod="" NetworkSessionKey="" )"
    R"(ApplicationSessionKey="" ApplicationKey="" DeviceAddress="" Mnemonic="m")";

class LoRaWANDevicesTest : public ::testing::Test {
protected:
  // The editor resets its devices before every load.
  bool Load(TLoRaWANDevices& devices) {
    devices.Clear_Devices();
    devices.ModeMaster = devices.Is_a_Master();
    return devices.Load_Configuration();
  }

  TLoRaWANTestProject Project;
  TScriptedDialogScope Dialogs;
  std::unique_ptr<TLoRaWANDevices> Model = std::make_unique<TLoRaWANDevices>();
};

TEST_F(LoRaWANDevicesTest, HoldsExactlyOneThousandFreeSlots) {
  ASSERT_EQ(Model->DeviceList().size(), 1000u);
  for (const TDeviceLoRa& d : Model->DeviceList()) ASSERT_TRUE(d.IsFree() && d.Enable && d.UpLinkRules.empty());
}

TEST_F(LoRaWANDevicesTest, SavedFileLoadsAndSavesToTheSameBytes) {
  auto span = Model->DeviceList();
  Fill(span[0], "0011223344556677", "A");
  span[0].UpLinkRules = {UpLink("10", "u1"), UpLink("11", "u2 off", false)};
  span[0].DownLinkRules = {DownLink("20", "d1")};
  Fill(span[1], " aabbccddeeff0011 ", "B & <quoted \"name\">");
  span[1].Enable = false;
  span[1].ActMethod = ActivationABP;
  ASSERT_TRUE(Model->Save_Configuration());
  const QByteArray first = FileBytes(LoRaWANGatewayFile);
  EXPECT_TRUE(first.startsWith("<LoRaWAN_Gateway>"));
  EXPECT_TRUE(first.endsWith("</LoRaWAN_Gateway>\n<!--SW_VERSION = 1.007-->\n"));
  // Attributes in the order of the file's layout.
  EXPECT_TRUE(first.contains(R"(<LoRaWAN_Device Enable="Y" DeviceEUI="0011223344556677" JoinEUI="70B3D57ED0000001" )"
                             R"(DeviceName="A" ActivationMethod="Over-the-Air Activation [OTAA]" NetworkSessionKey="" )"
                             R"(ApplicationSessionKey="" ApplicationKey="000102030405060708090A0B0C0D0E0F" )"
                             R"(DeviceAddress="26011BDA" Class="C" DiagTimeOut="60000" RX2_Datarate="SF9BW125" )"
                             R"(Mnemonic=" kept as typed ">)"));
  EXPECT_TRUE(first.contains(R"(<Rule Enable="Y" Port="10" StartTest="0" LenTest="2" HexTest="Y" ValueTest="abCD" )"
                             R"(StartBit="2" NumberBits="4" PositionBit="10" Mnemonic="u1"/>)"));
  EXPECT_TRUE(first.contains(R"(<Rule Enable="Y" Port="20" StartBit="0" NumberBits="2" OnChange="N" OnCommand="Y" )"
                             R"(OnTimer="Y" Time="5000" PositionBit="20" Mnemonic="d1"/>)"));

  auto other = std::make_unique<TLoRaWANDevices>();
  ASSERT_TRUE(Load(*other));
  const TDeviceLoRa& b = other->DeviceList()[1];
  EXPECT_FALSE(b.Enable);
  EXPECT_EQ(b.DeviceEUI, " aabbccddeeff0011 ");
  EXPECT_EQ(b.DeviceName, "B & <quoted \"name\">");
  EXPECT_EQ(other->DeviceList()[0].UpLinkRules.size(), 2u);
  EXPECT_FALSE(other->DeviceList()[0].UpLinkRules[1].Enable);
  ASSERT_TRUE(other->Save_Configuration());
  EXPECT_EQ(FileBytes(LoRaWANGatewayFile), first);
  EXPECT_TRUE(Dialogs->Records().empty());
}

// An element and its subtree with the attributes in name order, so two trees
// compare whatever order the document object writes attributes in.
QString Dump(const TXmlNode& e) {
  auto attributes = e.Attributes();
  std::sort(attributes.begin(), attributes.end());
  QString text = "<" + e.NodeName();
  for (const auto& [name, value] : attributes) text += " " + name + "=\"" + value + "\"";
  text += ">";
  for (const TXmlNode& child : e.ChildElements()) text += Dump(child);
  return text + "</" + e.NodeName() + ">";
}

TEST_F(LoRaWANDevicesTest, TheImageBuildersFixtureLoadsAndSavesWhatItHolds) {
  Project.UseDevices("LoRaWAN_Gateway.xml");
  ASSERT_TRUE(Load(*Model));
  ASSERT_TRUE(Model->Save_Configuration());
  TXmlDocument fixture, saved;
  ASSERT_TRUE(fixture.LoadFromFile(LoRaWANFixture("LoRaWAN_Gateway.xml")));
  ASSERT_TRUE(saved.LoadFromFile(LoRaWANGatewayFile));
  EXPECT_EQ(saved.TopLevelComments(), std::vector<QString>{"SW_VERSION = 1.007"});
  const auto before = fixture.Root().ChildNode("LoRaWAN_Devices_List").ChildElements();
  const auto after = saved.Root().ChildNode("LoRaWAN_Devices_List").ChildElements();
  ASSERT_EQ(after.size(), 3u);
  EXPECT_EQ(Dump(after[0]), Dump(before[0]));
  EXPECT_EQ(Dump(after[1]), Dump(before[1]));
  // The third device lacks its optional attributes and spells its flags loosely:
  // written back whole, the flags as "Y", the texts untouched.
  EXPECT_EQ(after[2].Attribute("DiagTimeOut") + after[2].Attribute("RX2_Datarate"), "");
  EXPECT_EQ(after[2].Attribute("DeviceEUI"), " 1A2B ");
  const TXmlNode rules = after[2].ChildNode("LoRaWAN_Rules");
  EXPECT_EQ(rules.ChildNode("LoRaWAN_UpLink_Rules").ChildElements()[0].Attribute("Enable"), "Y");
  EXPECT_EQ(rules.ChildNode("LoRaWAN_DownLink_Rules").ChildElements()[0].Attribute("OnCommand"), "Y");
}

TEST_F(LoRaWANDevicesTest, SavesUpToTheFirstFreeSlotAndTheImageBuilderReadsIt) {
  auto span = Model->DeviceList();
  Fill(span[0], "0011223344556677", "A");
  span[0].UpLinkRules = {UpLink("10", "a up")};
  span[0].DownLinkRules = {DownLink("20", "a down")};
  Fill(span[1], "1111111111111111", "B");
  span[1].Enable = false;
  span[1].UpLinkRules = {UpLink("12", "b up")};
  Fill(span[2], "  ", "empty EUI");
  Fill(span[3], "3333333333333333", "D");
  ASSERT_TRUE(Model->Save_Configuration());

  TXmlDocument doc;
  ASSERT_TRUE(doc.LoadFromFile(LoRaWANGatewayFile));
  const auto written = doc.Root().ChildNode("LoRaWAN_Devices_List").ChildElements();
  ASSERT_EQ(written.size(), 2u);
  EXPECT_EQ(written[0].Attribute("DeviceName"), "A");
  EXPECT_EQ(written[1].Attribute("Enable"), "N");
  EXPECT_EQ(written[1].Attribute("DeviceName"), "B");

  TLoRaWAN_ParGen parGen;
  TLoRaWAN_Infos infos;
  TStringList lines;
  TXmlDocument builderXml;
  Load_LoRaWAN_Devices(builderXml, LoRaWANGatewayFile, Bank2LoadAddress, parGen, infos, lines);
  EXPECT_EQ(infos.Num_Devices, 1u);  // B is disabled
  EXPECT_EQ(infos.Num_Rules, 2u);
  EXPECT_EQ(infos.Devices_List[0].DevEUI[0], 0x77);
}

TEST_F(LoRaWANDevicesTest, EnableFlagsAndOptionalAttributesAsTheyLoad) {
  Project.WriteDevices(
      "<LoRaWAN_Gateway><LoRaWAN_Devices_List>"
      R"(<LoRaWAN_Device Enable=" Y" )" +
      RequiredDeviceAttributes +
      R"(><LoRaWAN_Rules><LoRaWAN_UpLink_Rules>)"
      R"(<Rule Enable=" y " Port="1" StartBit="0" NumberBits="1" PositionBit="0" Mnemonic=""/>)"
      R"(<Rule Enable="n" Port="2" StartTest="1" LenTest="1" HexTest=" y" ValueTest="A" StartBit="0" NumberBits="1" PositionBit="0" Mnemonic=""/>)"
      R"(</LoRaWAN_UpLink_Rules><LoRaWAN_DownLink_Rules>)"
      R"(<Rule Enable="Y" Port="3" StartBit="0" NumberBits="1" OnChange="y" OnCommand=" Y " OnTimer="N" Time="" PositionBit="0" Mnemonic=""/>)"
      R"(</LoRaWAN_DownLink_Rules></LoRaWAN_Rules></LoRaWAN_Device>)"
      R"(<LoRaWAN_Device Enable="y" )" +
      RequiredDeviceAttributes +
      R"( Class="C" DiagTimeOut=" 5" RX2_Datarate="SF9BW125">)"
      "<LoRaWAN_Rules><LoRaWAN_UpLink_Rules/><LoRaWAN_DownLink_Rules/></LoRaWAN_Rules></LoRaWAN_Device>"
      R"(<LoRaWAN_Device Enable="Y" )" +
      RequiredDeviceAttributes +
      ">"
      "<LoRaWAN_Rules><LoRaWAN_UpLink_Rules/><LoRaWAN_DownLink_Rules/></LoRaWAN_Rules></LoRaWAN_Device>"
      "</LoRaWAN_Devices_List></LoRaWAN_Gateway>");
  ASSERT_TRUE(Load(*Model));
  auto d = Model->DeviceList();
  EXPECT_FALSE(d[0].Enable);
  EXPECT_FALSE(d[1].Enable);
  EXPECT_TRUE(d[2].Enable);
  EXPECT_EQ(d[0].ClassLoRa + d[0].DiagTimeOut + d[0].RX2Datarate, "");
  EXPECT_EQ(d[1].ClassLoRa + "|" + d[1].DiagTimeOut + "|" + d[1].RX2Datarate, "C| 5|SF9BW125");
  ASSERT_EQ(d[0].UpLinkRules.size(), 2u);
  const TRuleLoRa& noTest = d[0].UpLinkRules[0];
  EXPECT_TRUE(noTest.Enable);
  EXPECT_FALSE(noTest.HexTest);
  EXPECT_EQ(noTest.StartTest + noTest.LenTest + noTest.ValueTest, "");
  EXPECT_FALSE(d[0].UpLinkRules[1].Enable);
  EXPECT_TRUE(d[0].UpLinkRules[1].HexTest);
  ASSERT_EQ(d[0].DownLinkRules.size(), 1u);
  const TRuleLoRa& down = d[0].DownLinkRules[0];
  EXPECT_TRUE(down.OnChange && down.OnCMD && !down.OnTimer);
  EXPECT_TRUE(d[3].IsFree());
  EXPECT_TRUE(Dialogs->Records().empty());
}

TEST_F(LoRaWANDevicesTest, ModeAndRX2ListFromParGen) {
  struct Case {
    const char* ParGen;  // nullptr: no ParGen.xml
    bool Master;
    const char* FirstRX2;
  };
  const Case cases[] = {
      {nullptr, true, "SF12BW125"},
      {"<Par_Gen><LoRaWAN_Mode>End Node</LoRaWAN_Mode></Par_Gen>", false, "SF12BW125"},
      {"<Par_Gen><LoRaWAN_Mode>end NODE</LoRaWAN_Mode><LoRaWAN_RF_Band>US915</LoRaWAN_RF_Band></Par_Gen>", false,
       "SF12BW500"},
      {"<Par_Gen><LoRaWAN_Mode>Gateway</LoRaWAN_Mode><LoRaWAN_RF_Band>us915</LoRaWAN_RF_Band></Par_Gen>", true,
       "SF12BW125"},
      {"<Par_Gen><LoRaWAN_Mode></LoRaWAN_Mode><LoRaWAN_RF_Band> US915</LoRaWAN_RF_Band></Par_Gen>", true, "SF12BW125"},
      {"<Par_Gen><LoRaWAN_Mode> End Node</LoRaWAN_Mode></Par_Gen>", true, "SF12BW125"},
      {"<Par_Gen><Other/></Par_Gen>", true, "SF12BW125"},
      {"<Par_Gen><LoRaWAN_Mode>End Node</LoRaWAN_Mode>", true, "SF12BW125"},  // not well-formed
  };
  for (const Case& c : cases) {
    DeleteFile(ParGenFile);
    if (c.ParGen) Project.WriteParGen(c.ParGen);
    Load(*Model);
    EXPECT_EQ(Model->ModeMaster, c.Master) << (c.ParGen ? c.ParGen : "none");
    EXPECT_EQ(Model->RX2_SL[0], c.FirstRX2) << (c.ParGen ? c.ParGen : "none");
    EXPECT_EQ(Model->RX2_SL[Model->RX2_SL.Count() - 1], "");
    EXPECT_EQ(Model->RX2_SL.Count(), QString(c.FirstRX2).endsWith("500") ? 7 : 8);
  }
}

TEST_F(LoRaWANDevicesTest, AMissingRequiredValueStopsTheLoadKeepingWhatWasRead) {
  struct Case {
    QString File;
    QString Message;
  };
  const QString full = R"(Enable="Y" )" + RequiredDeviceAttributes;
  QString noMnemonic = full;
  noMnemonic.remove(R"( Mnemonic="m")");
  const QString rule = R"(<Rule Enable="Y" Port="1" StartBit="0" NumberBits="1" PositionBit="0" Mnemonic=""/>)";
  const Case cases[] = {
      {OneDeviceFile(noMnemonic), "Device 1: Attribute \"Mnemonic\" not found"},
      {OneDeviceFile(full, rule + R"(<Rule Enable="Y" Port="1" StartBit="0" NumberBits="1" Mnemonic=""/>)"),
       "Device 1, UpLink Rule 2: Attribute \"PositionBit\" not found"},
      {OneDeviceFile(full, "",
                     R"(<Rule Enable="Y" Port="1" StartBit="0" NumberBits="1" Time="" PositionBit="0" Mnemonic=""/>)"),
       "Device 1, DownLink Rule 1: Attribute \"OnChange\" not found"},
      {"<LoRaWAN_Gateway><LoRaWAN_Devices_List><LoRaWAN_Device " + full + "/></LoRaWAN_Devices_List></LoRaWAN_Gateway>",
       "Device 1: Element \"LoRaWAN_Rules\" not found"},
      {"<LoRaWAN_Gateway/>", "Element \"LoRaWAN_Devices_List\" not found"},
      {"<Other><LoRaWAN_Devices_List/></Other>", "Element \"LoRaWAN_Gateway\" not found"},
  };
  for (const Case& c : cases) {
    Project.WriteDevices(c.File);
    Dialogs->ClearRecords();
    EXPECT_FALSE(Load(*Model));
    ASSERT_EQ(Dialogs->Records().size(), 1u) << c.File.toStdString();
    EXPECT_EQ(Dialogs->Records()[0].Text, c.Message);
    EXPECT_EQ(Dialogs->Records()[0].Type, mtError);
  }
  // What was read before the stop stays: the device's values and its first rule.
  Project.WriteDevices(OneDeviceFile(noMnemonic));
  Load(*Model);
  EXPECT_EQ(Model->DeviceList()[0].DeviceEUI, "0011223344556677");
  Project.WriteDevices(cases[1].File);
  Load(*Model);
  EXPECT_EQ(Model->DeviceList()[0].UpLinkRules.size(), 2u);
  EXPECT_EQ(Model->DeviceList()[0].UpLinkRules[1].NumBits, "1");
}

TEST_F(LoRaWANDevicesTest, TheThousandAndFirstDeviceStopsTheLoad) {
  QString devices;
  const QString device =
      R"(<LoRaWAN_Device Enable="Y" DeviceEUI="%1" JoinEUI="" DeviceName="" ActivationMethod="" )"
      R"(NetworkSessionKey="" ApplicationSessionKey="" ApplicationKey="" DeviceAddress="" Mnemonic="">)"
      "<LoRaWAN_Rules><LoRaWAN_UpLink_Rules/><LoRaWAN_DownLink_Rules/></LoRaWAN_Rules></LoRaWAN_Device>";
  for (int i = 1; i <= 1001; ++i) devices += device.arg(i, 16, 10, QChar('0'));
  Project.WriteDevices("<LoRaWAN_Gateway><LoRaWAN_Devices_List>" + devices +
                       "</LoRaWAN_Devices_List></LoRaWAN_Gateway>");
  EXPECT_FALSE(Load(*Model));
  ASSERT_EQ(Dialogs->Records().size(), 1u);
  EXPECT_EQ(Dialogs->Records()[0].Text, "The file holds more than 1000 devices: only the first 1000 were read");
  EXPECT_EQ(Model->DeviceList()[999].DeviceEUI, "0000000000001000");
  ASSERT_TRUE(Model->Save_Configuration());
  TXmlDocument doc;
  ASSERT_TRUE(doc.LoadFromFile(LoRaWANGatewayFile));
  EXPECT_EQ(doc.Root().ChildNode("LoRaWAN_Devices_List").ChildElementCount(), 1000);
}

TEST_F(LoRaWANDevicesTest, ARuleListLongerThanItsGridStopsTheLoad) {
  QString rules;
  for (int i = 0; i < 1025; ++i)
    rules += R"(<Rule Enable="Y" Port="1" StartBit="0" NumberBits="1" PositionBit="0" Mnemonic=""/>)";
  Project.WriteDevices(OneDeviceFile(R"(Enable="Y" )" + RequiredDeviceAttributes, rules));
  EXPECT_FALSE(Load(*Model));
  ASSERT_EQ(Dialogs->Records().size(), 1u);
  EXPECT_EQ(Dialogs->Records()[0].Text, "Device 1, UpLink Rule 1025: More than 1024 rules in one list");
  EXPECT_EQ(Model->DeviceList()[0].UpLinkRules.size(), 1024u);
}

// Makes a folder unchangeable, even for root, while it lives.
class TImmutableFolder {
public:
  explicit TImmutableFolder(const QString& folder)
      : FFd(open(folder.toLocal8Bit().constData(), O_RDONLY | O_DIRECTORY)) {
    int flags = 0;
    FSet = FFd >= 0 && ioctl(FFd, FS_IOC_GETFLAGS, &flags) == 0 &&
           (flags |= FS_IMMUTABLE_FL, ioctl(FFd, FS_IOC_SETFLAGS, &flags) == 0);
  }
  ~TImmutableFolder() {
    int flags = 0;
    if (FSet && ioctl(FFd, FS_IOC_GETFLAGS, &flags) == 0) {
      flags &= ~FS_IMMUTABLE_FL;
      ioctl(FFd, FS_IOC_SETFLAGS, &flags);
    }
    if (FFd >= 0) close(FFd);
  }
  bool Set() const { return FSet; }

private:
  int FFd;
  bool FSet = false;
};

TEST_F(LoRaWANDevicesTest, AFailedWriteKeepsTheOldFile) {
  Project.WriteDevices("<LoRaWAN_Gateway><LoRaWAN_Devices_List/></LoRaWAN_Gateway>");
  const QByteArray old = FileBytes(LoRaWANGatewayFile);
  Fill(Model->DeviceList()[0], "0011223344556677", "new");
  bool written = true;
  {
    TImmutableFolder locked(ProjectFolder);
    if (!locked.Set()) GTEST_SKIP() << "the file system cannot lock a folder here";
    written = Model->Save_Configuration();
  }
  EXPECT_FALSE(written);
  EXPECT_EQ(FileBytes(LoRaWANGatewayFile), old);
  ASSERT_EQ(Dialogs->Records().size(), 1u);
  EXPECT_EQ(Dialogs->Records()[0].Text, "Cannot create file \"" + LoRaWANGatewayFile + "\".");
  EXPECT_EQ(QDir(ProjectFolder).entryList(QDir::Files), QStringList{"LoRaWAN_Gateway.xml"});
}

TEST_F(LoRaWANDevicesTest, AnEndNodeHasOneDeviceWithAPlaceholderEUI) {
  Project.WriteParGen("<Par_Gen><LoRaWAN_Mode>END NODE</LoRaWAN_Mode></Par_Gen>");
  ASSERT_TRUE(Load(*Model));
  EXPECT_FALSE(Model->ModeMaster);
  TDeviceLoRa& node = Model->DeviceList()[0];
  EXPECT_EQ(node.DeviceEUI, "0001020304050607");
  node.DownLinkRules = {DownLink("7", "shown first")};
  // Slots behind the one device are never written for an end node.
  Fill(Model->DeviceList()[1], "1111111111111111", "stale");
  ASSERT_TRUE(Model->Save_Configuration());
  TXmlDocument doc;
  ASSERT_TRUE(doc.LoadFromFile(LoRaWANGatewayFile));
  const auto written = doc.Root().ChildNode("LoRaWAN_Devices_List").ChildElements();
  ASSERT_EQ(written.size(), 1u);
  EXPECT_EQ(written[0].Attribute("DeviceEUI"), "0001020304050607");
  EXPECT_EQ(written[0].ChildNode("LoRaWAN_Rules").ChildNode("LoRaWAN_DownLink_Rules").ChildElementCount(), 1);

  // The end node reads only the first device of a gateway file; a gateway shows the end node's one device.
  auto gateway = std::make_unique<TLoRaWANDevices>();
  DeleteFile(ParGenFile);
  ASSERT_TRUE(Load(*gateway));
  EXPECT_EQ(gateway->DeviceList()[0].DownLinkRules[0].Mnemonic, "shown first");
  EXPECT_TRUE(gateway->DeviceList()[1].IsFree());
}

TEST_F(LoRaWANDevicesTest, AnEndNodeReadsOnlyTheFirstDeviceAndRefusesAnEmptyList) {
  Project.WriteParGen("<Par_Gen><LoRaWAN_Mode>End Node</LoRaWAN_Mode></Par_Gen>");
  const QString device =
      R"(<LoRaWAN_Device Enable="N" )" + RequiredDeviceAttributes +
      "><LoRaWAN_Rules><LoRaWAN_UpLink_Rules/><LoRaWAN_DownLink_Rules/></LoRaWAN_Rules></LoRaWAN_Device>";
  Project.WriteDevices("<LoRaWAN_Gateway><LoRaWAN_Devices_List>" + device + device +
                       "</LoRaWAN_Devices_List></LoRaWAN_Gateway>");
  ASSERT_TRUE(Load(*Model));
  EXPECT_EQ(Model->DeviceList()[0].DeviceEUI, "0011223344556677");
  EXPECT_TRUE(Model->DeviceList()[1].IsFree());

  Project.WriteDevices("<LoRaWAN_Gateway><LoRaWAN_Devices_List/></LoRaWAN_Gateway>");
  EXPECT_FALSE(Load(*Model));
  ASSERT_EQ(Dialogs->Records().size(), 1u);
  EXPECT_EQ(Dialogs->Records()[0].Text, "The file holds no device for the end node");
  EXPECT_EQ(Model->DeviceList()[0].DeviceEUI, "0001020304050607");
}

}  // namespace
