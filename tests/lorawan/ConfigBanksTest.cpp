#include "lorawan/ConfigBanks.h"

#include "LoRaWANTestProject.h"
#include "lorawan/Bank2Image.h"
#include "platform/Dialogs.h"
#include "platform/Xml.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

QByteArray ReadBin(const QString& path) {
  QByteArray bytes;
  EXPECT_TRUE(ReadFileBytes(path, bytes)) << path.toStdString();
  return bytes;
}

QString Device(int row, const char* enable, const QString& extraUpLinks = "") {
  return QString(R"(<LoRaWAN_Device Enable="%1" DeviceEUI="%2" JoinEUI="" DeviceName="Dev%3" )"
                 R"(ActivationMethod="" NetworkSessionKey="" ApplicationSessionKey="" ApplicationKey="" )"
                 R"(DeviceAddress="%2" Mnemonic=""><LoRaWAN_Rules><LoRaWAN_UpLink_Rules>)"
                 R"(<Rule Enable="Y" Port="%3" StartTest="0" LenTest="1" HexTest="Y" ValueTest="%2" StartBit="0" )"
                 R"(NumberBits="1" PositionBit="%3" Mnemonic=""/>%4</LoRaWAN_UpLink_Rules><LoRaWAN_DownLink_Rules/>)"
                 R"(</LoRaWAN_Rules></LoRaWAN_Device>)")
      .arg(enable)
      .arg(QString::number(row, 16).rightJustified(8, '0'))
      .arg(row)
      .arg(extraUpLinks);
}

QString DevicesFile(const QStringList& devices) {
  return "<LoRaWAN_Gateway><LoRaWAN_Devices_List>" + devices.join("") + "</LoRaWAN_Devices_List></LoRaWAN_Gateway>";
}

class ConfigBanksTest : public ::testing::Test {
protected:
  void MakeAndStore() {
    const TBuildResult made = Banks.Make_Config_Banks();
    ASSERT_TRUE(made.Ok) << made.Message.toStdString();
    const TBuildResult stored = Banks.Store_Bank_Files();
    ASSERT_TRUE(stored.Ok) << stored.Message.toStdString();
  }

  TLoRaWANTestProject Project;
  TConfigBanks Banks;
};

TEST_F(ConfigBanksTest, ProjectWithoutFilesGivesTheDefaultImages) {
  MakeAndStore();
  const QByteArray bank1 = ReadBin(Project.BinFile("bank1.bin"));
  ASSERT_EQ(bank1.size(), 2048);
  EXPECT_EQ(ImageU32(bank1, 0), 250000u);
  EXPECT_EQ(ImageU32(bank1, 1652), 0x80000u);
  EXPECT_EQ(ImageBytes(bank1, 1644, 8), QByteArray(8, '\0'));  // no version without ParGen.xml
  EXPECT_EQ(ImageU32(bank1, 2044), 3466u);
  uint32_t sum = 0;
  for (int i = 0; i < 2044; ++i) sum += uint8_t(bank1[i]);
  EXPECT_EQ(sum, 3466u);

  const QByteArray bank2 = ReadBin(Project.BinFile("bank2.bin"));
  EXPECT_EQ(ImageBytes(bank2, 0, 8), QByteArray(8, '\0'));
  for (int offset : {8, 12, 16}) EXPECT_EQ(ImageU32(bank2, offset), 0x80024u);
  EXPECT_EQ(ImageBytes(bank2, 20, 16), QByteArray(16, '\0'));
  QByteArray text;
  ASSERT_TRUE(ReadFileBytes(LoRaWANFixture("conf_eu868_empty.txt"), text));
  EXPECT_EQ(bank2.mid(36), text + QByteArray(1, '\0'));
  EXPECT_EQ(bank1, Banks.Bank1());
  EXPECT_EQ(bank2, Banks.Bank2());
}

TEST_F(ConfigBanksTest, GatewayProjectFilesHoldTheBuiltImages) {
  Project.UseParGen("ParGen_gateway_eu868.xml");
  Project.UseDevices("LoRaWAN_Gateway.xml");
  MakeAndStore();
  const QByteArray bank1 = ReadBin(Project.BinFile("bank1.bin"));
  const QByteArray bank2 = ReadBin(Project.BinFile("bank2.bin"));
  EXPECT_EQ(bank1, Banks.Bank1());
  EXPECT_EQ(bank2, Banks.Bank2());
  EXPECT_EQ(ImageBytes(bank1, 40, 4).toHex(), "0a000007");
  EXPECT_EQ(ImageBytes(bank1, 1644, 8), QByteArray("1.007\0\0\0", 8));
  uint32_t sum = 0;
  for (int i = 0; i < 2044; ++i) sum += uint8_t(bank1[i]);
  EXPECT_EQ(ImageU32(bank1, 2044), sum);
  EXPECT_EQ(ImageU32(bank2, 0), 2u);
  EXPECT_EQ(ImageU32(bank2, 4), 5u);
  EXPECT_EQ(ImageU32(bank2, 20), 4369u);
  EXPECT_TRUE(bank2.contains(R"("server_address": "lns.example.net",)"));
}

TEST_F(ConfigBanksTest, BuildingTwiceGivesIdenticalFiles) {
  Project.UseParGen("ParGen_gateway_eu868.xml");
  Project.UseDevices("LoRaWAN_Gateway.xml");
  MakeAndStore();
  const QByteArray bank1 = ReadBin(Project.BinFile("bank1.bin"));
  const QByteArray bank2 = ReadBin(Project.BinFile("bank2.bin"));
  MakeAndStore();
  EXPECT_EQ(ReadBin(Project.BinFile("bank1.bin")), bank1);
  EXPECT_EQ(ReadBin(Project.BinFile("bank2.bin")), bank2);
}

TEST_F(ConfigBanksTest, RemovingADeviceShortensBank2WithoutOldBytes) {
  Project.WriteDevices(DevicesFile({Device(1, "Y"), Device(2, "Y"), Device(3, "Y")}));
  MakeAndStore();
  const QByteArray longer = ReadBin(Project.BinFile("bank2.bin"));
  Project.WriteDevices(DevicesFile({Device(1, "Y"), Device(3, "Y")}));
  MakeAndStore();
  const QByteArray shorter = ReadBin(Project.BinFile("bank2.bin"));
  EXPECT_EQ(longer.size() - shorter.size(), 96 + 24 + 4);
  EXPECT_EQ(shorter, Banks.Bank2());
  EXPECT_TRUE(shorter.endsWith("}\n" + QByteArray(1, '\0')));
  EXPECT_EQ(ImageU32(shorter, 0), 2u);
}

TEST_F(ConfigBanksTest, NothingOfAnEarlierProjectReachesTheNextBuild) {
  Project.WriteParGen(
      "<Par_Gen><LoRaWAN_Mode>End Node</LoRaWAN_Mode><LoRaWAN_RF_Band>US915</LoRaWAN_RF_Band>"
      "<LoRaWAN_Device_Address>26011BDA</LoRaWAN_Device_Address>"
      "<LoRaWAN_Frequency_Sub_Band>3</LoRaWAN_Frequency_Sub_Band></Par_Gen>");
  Project.WriteDevices(DevicesFile({Device(1, "N")}));
  MakeAndStore();
  EXPECT_FALSE(Banks.LoRaWAN_ParGen().ModeMaster);

  // The next project has no ParGen.xml: it is a gateway with nothing set.
  DeleteFile(ParGenFile);
  Project.WriteDevices(DevicesFile({Device(1, "N"), Device(2, "Y")}));
  MakeAndStore();
  TConfigBanks fresh;
  ASSERT_TRUE(fresh.Make_Config_Banks().Ok);
  EXPECT_EQ(Banks.Bank1(), fresh.Bank1());
  EXPECT_EQ(Banks.Bank2(), fresh.Bank2());
  EXPECT_TRUE(Banks.LoRaWAN_ParGen().ModeMaster);
  EXPECT_EQ(Banks.LoRaWAN_ParGen().Dev_Address, (std::array<uint8_t, 4>{}));

  // Without ParGen.xml the devices come from their own attributes, by their Enable.
  const QByteArray bank2 = Banks.Bank2();
  EXPECT_EQ(ImageU32(bank2, 0), 1u);
  EXPECT_EQ(ImageU32(bank2, 20), 0u);
  EXPECT_EQ(ImageBytes(bank2, 36, 8).toHex(), "0200000000000000");
  EXPECT_EQ(ImageBytes(bank2, 52, 16), QByteArray("Dev2").leftJustified(16, '\0'));
  EXPECT_EQ(ImageBytes(bank2, 116, 4).toHex(), "02000000");
}

TEST_F(ConfigBanksTest, Bank2LargerThanItsAreaIsRefusedAndNothingIsWritten) {
  // One rule whose test value fills the area exactly, then one byte more.
  const QString rule = R"(<Rule Enable="Y" Port="1" StartTest="0" LenTest="1" HexTest="N" ValueTest="%1" StartBit="0" )"
                       R"(NumberBits="1" PositionBit="0" Mnemonic=""/>)";
  Project.WriteDevices(DevicesFile({Device(1, "Y", rule.arg(""))}));
  ASSERT_TRUE(Banks.Make_Config_Banks().Ok);
  const int room = Bank2AreaSize - int(Banks.Bank2().size());

  Project.WriteDevices(DevicesFile({Device(1, "Y", rule.arg(QString(room, 'x')))}));
  MakeAndStore();
  EXPECT_EQ(ReadBin(Project.BinFile("bank2.bin")).size(), Bank2AreaSize);

  Project.WriteDevices(DevicesFile({Device(1, "Y", rule.arg(QString(room + 1, 'x')))}));
  const TBuildResult made = Banks.Make_Config_Banks();
  EXPECT_FALSE(made.Ok);
  EXPECT_EQ(made.Message,
            "The LoRaWAN configuration needs 524289 bytes, more than the 524288 bytes of the "
            "device's configuration area");
  EXPECT_TRUE(Banks.Bank2().isEmpty());
  const TBuildResult stored = Banks.Store_Bank_Files();
  EXPECT_FALSE(stored.Ok);
  EXPECT_EQ(stored.Message, "No configuration images have been built");
  EXPECT_EQ(ReadBin(Project.BinFile("bank2.bin")).size(), Bank2AreaSize);  // the earlier file stays as it was
}

TEST_F(ConfigBanksTest, UnreadableFileEndsTheBuildWithItsMessage) {
  Project.WriteParGen("<Par_Gen>");
  const TBuildResult made = Banks.Make_Config_Banks();
  EXPECT_FALSE(made.Ok);
  EXPECT_TRUE(made.Message.startsWith("The file " + ParGenFile + " cannot be read: "));
  EXPECT_FALSE(Banks.Store_Bank_Files().Ok);
  EXPECT_FALSE(FileExists(Project.BinFile("bank1.bin")));
}

TEST_F(ConfigBanksTest, StoreCreatesTheBinFolderAndReportsWhatItCannotWrite) {
  ASSERT_FALSE(DirectoryExists(ProjectFolder + "/bin"));
  MakeAndStore();
  EXPECT_TRUE(FileExists(Project.BinFile("bank1.bin")));

  // When bank 2 cannot be written, bank 1 is not replaced either: the pair stays matched.
  ASSERT_TRUE(WriteFileAtomic(Project.BinFile("bank1.bin"), "old bank 1"));
  ASSERT_TRUE(DeleteFile(Project.BinFile("bank2.bin")));
  ASSERT_TRUE(QDir().mkdir(Project.BinFile("bank2.bin")));
  TBuildResult stored = Banks.Store_Bank_Files();
  EXPECT_FALSE(stored.Ok);
  EXPECT_EQ(stored.Message, "The file " + Project.BinFile("bank2.bin") + " cannot be written");
  QByteArray bank1;
  ASSERT_TRUE(ReadFileBytes(Project.BinFile("bank1.bin"), bank1));
  EXPECT_EQ(bank1, "old bank 1");
  EXPECT_EQ(ListFiles(ProjectFolder + "/bin"), QStringList({"bank1.bin"}));

  QDir(ProjectFolder + "/bin").removeRecursively();
  ASSERT_TRUE(WriteFileAtomic(ProjectFolder + "/bin", "a file where the folder belongs"));
  stored = Banks.Store_Bank_Files();
  EXPECT_FALSE(stored.Ok);
  EXPECT_EQ(stored.Message, "The file " + Project.BinFile("bank1.bin") + " cannot be written");
}

TEST_F(ConfigBanksTest, StoreNeedsAnOpenProject) {
  ASSERT_TRUE(Banks.Make_Config_Banks().Ok);
  ProjectFolder.clear();
  const TBuildResult stored = Banks.Store_Bank_Files();
  EXPECT_FALSE(stored.Ok);
  EXPECT_EQ(stored.Message, "No project is open");
}

TEST_F(ConfigBanksTest, BuilderCanShareTheCallersDocument) {
  Project.UseParGen("ParGen_gateway_eu868.xml");
  Project.UseDevices("LoRaWAN_Gateway.xml");
  TXmlDocument shared;
  TConfigBanks sharing(shared);
  ASSERT_TRUE(sharing.Make_Config_Banks().Ok);
  ASSERT_TRUE(Banks.Make_Config_Banks().Ok);
  EXPECT_EQ(sharing.Bank1(), Banks.Bank1());
  EXPECT_EQ(sharing.Bank2(), Banks.Bank2());
}

TEST_F(ConfigBanksTest, FailedResultIsShownAsAnErrorMessage) {
  TScriptedDialogScope dialogs;
  EXPECT_TRUE(ShowBuildResult(Banks.Make_Config_Banks()));
  EXPECT_TRUE(dialogs->Records().empty());
  ProjectFolder.clear();
  EXPECT_FALSE(ShowBuildResult(Banks.Store_Bank_Files()));
  ASSERT_EQ(dialogs->Records().size(), 1u);
  EXPECT_EQ(dialogs->Records()[0].Type, mtError);
  EXPECT_EQ(dialogs->Records()[0].Text, "No project is open");
  EXPECT_EQ(dialogs->Records()[0].Buttons, (TMsgDlgButtons{mbOK}));
}

}  // namespace
