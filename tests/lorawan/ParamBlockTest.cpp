#include "lorawan/ParamBlock.h"

#include "LoRaWANTestProject.h"
#include "lorawan/ImageBuildError.h"
#include "platform/Xml.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

using TKeys = std::vector<std::pair<QString, QString>>;

class ParamBlockTest : public ::testing::Test {
protected:
  void SetUp() override { Block.Init_Param_Block(); }

  void Load(const TKeys& keys) {
    QString xml = "<Par_Gen>";
    for (const auto& [name, value] : keys) xml += "<" + name + ">" + value + "</" + name + ">";
    Project.WriteParGen(xml + "</Par_Gen>");
    Block.Load_ParGen_Block(Xml, ParGenFile, ParGen, Infos);
  }
  QByteArray Bytes(int offset, int count) const {
    return QByteArray(reinterpret_cast<const char*>(Block.Bytes().data()) + offset, count);
  }
  uint32_t U(int offset, int width) const { return GetLE(Block.Bytes().data() + offset, width); }

  TLoRaWANTestProject Project;
  TXmlDocument Xml;
  TParamBlock Block;
  TLoRaWAN_ParGen ParGen;
  TLoRaWAN_Infos Infos;
};

// The block defaults, as bytes at their offsets; everything else is 0.
QByteArray DefaultBlock() {
  QByteArray b(TParamBlock::Size, '\0');
  const std::pair<int, const char*> defaults[] = {
      {0, "90d00300"},  {4, "90d00300"}, {12, "80250000"}, {40, "c0a802cd"}, {44, "ffffff00"},
      {48, "ffffffff"}, {52, "1027"},    {54, "1127"},     {56, "1127"},     {436, "0808080808080808"},
  };
  for (const auto& [offset, hex] : defaults) b.replace(offset, int(strlen(hex)) / 2, QByteArray::fromHex(hex));
  return b;
}

TEST_F(ParamBlockTest, InitWritesEveryDefaultAndClearsEverythingElse) {
  Block.SetBank2Address(0x12345678);
  Block.Init_Param_Block();
  EXPECT_EQ(Bytes(0, TParamBlock::Size), DefaultBlock());
}

TEST_F(ParamBlockTest, MissingParGenLeavesTheDefaultsAndTheRecordAlone) {
  Block.Load_ParGen_Block(Xml, ParGenFile, ParGen, Infos);
  EXPECT_EQ(Bytes(0, TParamBlock::Size), DefaultBlock());
  EXPECT_TRUE(ParGen.ModeMaster);
  EXPECT_TRUE(ParGen.Server_Add.isEmpty());
  EXPECT_EQ(Infos.opzioni_funzionamento, 0u);
  EXPECT_EQ(Infos.Freq_SubBand, 0u);
}

TEST_F(ParamBlockTest, GatewayParGenFillsEveryFieldOfTheBlock) {
  Project.UseParGen("ParGen_gateway_eu868.xml");
  Block.Load_ParGen_Block(Xml, ParGenFile, ParGen, Infos);

  QByteArray expected = DefaultBlock();
  const std::pair<int, QByteArray> fields[] = {
      {40, QByteArray::fromHex("0a000007")},
      {44, QByteArray::fromHex("ffff0000")},
      {48, QByteArray::fromHex("0a000001")},
      {54, QByteArray::fromHex("de05de05")},  // 1502 twice
      {1148, QByteArray("QuillNet")},
      {1180, QByteArray("secret-pass")},
      {1256, QByteArray::fromHex("0100")},
      {1258, QByteArray::fromHex("0102")},
      {1260, QByteArray::fromHex("c0a8040a"
                                 "ffffff00"
                                 "100e0000")},
      {1272, QByteArray::fromHex("05000600")},
      {1276, QByteArray::fromHex("c0a80401"
                                 "ffffff00"
                                 "ffffffff")},
      {1300, QByteArray("Quill-GW-01")},
      {1340, QByteArray::fromHex("09090909")},
      {1420, QByteArray::fromHex("01010101")},
      {1644, QByteArray("1.007")},
  };
  for (const auto& [offset, bytes] : fields) expected.replace(offset, int(bytes.size()), bytes);
  EXPECT_EQ(Bytes(0, TParamBlock::Size).toHex(), expected.toHex());

  EXPECT_TRUE(ParGen.ModeMaster);
  EXPECT_EQ(ParGen.RF_Band, rfEU868);
  EXPECT_EQ(ParGen.Server_Add, "lns.example.net");
  EXPECT_EQ(ParGen.Server_Port_Up, "1700");
  EXPECT_EQ(ParGen.Server_Port_Down, "1701");
  EXPECT_EQ(ParGen.KA_Interval, "30");
  EXPECT_EQ(ParGen.NetworkType, "true");
  EXPECT_EQ(Infos.opzioni_funzionamento, GatewayOperatingOptions);
  EXPECT_EQ(Infos.RF_Band, 0u);
  EXPECT_EQ(Infos.DataRate, 3u);
  EXPECT_EQ(Infos.position_diagnostic, 100u);
  EXPECT_EQ(Infos.Freq_SubBand, 1u);
}

TEST_F(ParamBlockTest, MissingKeysAndNonNumbersTakeTheParGenDefaults) {
  Load({{"Modbus_TCP_Slave_Port", "abc"}, {"Modbus_TCP_Slave_IP4", "five"}, {"WiFi_Lease_Time", ""}});
  EXPECT_EQ(Bytes(40, 12).toHex(), "c0a80005ffffff00ffffffff");  // gateway off without its flag
  EXPECT_EQ(U(54, 2), 502u);
  EXPECT_EQ(U(56, 2), 502u);
  EXPECT_EQ(U(1268, 4), 86400u);
  EXPECT_EQ(U(1272, 1), 10u);
  EXPECT_EQ(U(1274, 1), 1u);
  EXPECT_EQ(Bytes(1276, 12).toHex(), "c0a80064ffffff00ffffffff");
  EXPECT_EQ(Bytes(1644, 8), QByteArray("1.007\0\0\0", 8));
  EXPECT_EQ(ParGen.Server_Add, DefaultLoRaWANServerAddress);
  EXPECT_EQ(ParGen.Server_Port_Up, "1780");
  EXPECT_EQ(ParGen.KA_Interval, "10");
  EXPECT_EQ(ParGen.NetworkType, "false");
  EXPECT_EQ(Infos.Freq_SubBand, 1u);
}

TEST_F(ParamBlockTest, FlagsDecideGatewaysAndDns) {
  Load({{"Modbus_TCP_Slave_EN_GAT", "0"},
        {"Modbus_TCP_Slave_GAT1", "10"},
        {"Eth_Conn_Enable_DNS", "0"},
        {"Eth_Conn_Primary_DNS1", "1"},
        {"WiFi_EN_Gateway", "1"},
        {"Eth_Conn_DHCP_WiFi", "1"}});
  EXPECT_EQ(Bytes(48, 4).toHex(), "ffffffff");
  EXPECT_EQ(U(1340, 4), 0u);
  EXPECT_EQ(U(1420, 4), 0u);
  EXPECT_EQ(Bytes(1284, 4).toHex(), "c0a80001");
  EXPECT_EQ(U(1256, 2), 2u);

  Block.Init_Param_Block();
  Load({{"Eth_Conn_Enable_DNS", "1"}});
  EXPECT_EQ(Bytes(1340, 4).toHex(), "08080404");
  EXPECT_EQ(Bytes(1420, 4).toHex(), "08080808");
}

TEST_F(ParamBlockTest, TextsAreCutToTheirFields) {
  const QString forty = QString("0123456789").repeated(4);
  Load({{"Eth_Conn_Device_Name", forty}, {"WiFi_SSID", forty}, {"WiFi_PWD", QString("p").repeated(70)}});
  EXPECT_EQ(Bytes(1300, 32), forty.left(31).toLatin1() + QByteArray(1, '\0'));
  EXPECT_EQ(Bytes(1148, 32), forty.left(32).toLatin1());
  EXPECT_EQ(Bytes(1180, 64), QByteArray(64, 'p'));
  EXPECT_EQ(Bytes(1244, 12), QByteArray(12, '\0'));
}

TEST_F(ParamBlockTest, WiFiAccessPointAndStationValues) {
  Load({{"WiFi_Max_Client", "9"}, {"WiFi_Channel", "0"}, {"WiFi_Secure_Type", "300"}});
  EXPECT_EQ(U(1272, 1), 10u);
  EXPECT_EQ(U(1274, 1), 0u);
  EXPECT_EQ(U(1275, 1), 1u);
  EXPECT_EQ(U(1259, 1), 44u);  // low 8 bits of 300

  Block.Init_Param_Block();
  Load({{"WiFi_Type", "1"}, {"WiFi_EN_DHCP", "1"}, {"WiFi_IP2_EN_Gateway", "1"}});
  EXPECT_EQ(U(1273, 1), 1u);
  EXPECT_EQ(Bytes(1258, 18), QByteArray(15, '\0') + QByteArray(1, '\1') + QByteArray(2, '\0'));
  EXPECT_EQ(Bytes(1288, 12), QByteArray(12, '\0'));
}

TEST_F(ParamBlockTest, BandNamesAreComparedExactly) {
  const std::pair<const char*, int> cases[] = {
      {"EU868", rfEU868}, {"US915", rfUS915}, {"KR920", rfKR920},  {"AS923", rfAS923},
      {"eu868", rfEU868}, {"us915", rfEU868}, {" US915", rfEU868},
  };
  for (const auto& [name, band] : cases) {
    ParGen = TLoRaWAN_ParGen();
    Load({{"LoRaWAN_RF_Band", name}});
    EXPECT_EQ(ParGen.RF_Band, band) << name;
    EXPECT_EQ(Infos.RF_Band, band) << name;
  }
}

TEST_F(ParamBlockTest, EndNodeTakesItsIdentityFromParGenAndFixedServerValues) {
  Load({{"LoRaWAN_Mode", "end node"},
        {"LoRaWAN_Server_Address", "ignored.example"},
        {"LoRaWAN_Network_Type", " public "},
        {"LoRaWAN_Adaptive_DataRate", "1"},
        {"LoRaWAN_DataRate", "5 - SF7BW125"},
        {"LoRaWAN_Transmission_Type", "Confirmed"},
        {"LoRaWAN_Join_EUI", "70B3D57ED0000001"},
        {"LoRaWAN_Activation_Method", "Activation by Personalization [ABP]"},
        {"LoRaWAN_Device_Address", "26011BDA"},
        {"LoRaWAN_Network_Session_Key", "000102030405060708090A0B0C0D0E0F"},
        {"LoRaWAN_Application_Session_Key", "F0E0D0C0B0A090807060504030201000"},
        {"LoRaWAN_Application_Key", "2B7E151628AED2A6ABF7158809CF4F3C"},
        {"LoRaWAN_Class", " c "},
        {"LoRaWAN_RX2_Datarate", "SF10BW125"}});
  EXPECT_FALSE(ParGen.ModeMaster);
  EXPECT_EQ(Infos.opzioni_funzionamento, EndNodeOperatingOptions);
  EXPECT_EQ(Infos.Adaptive_DataRate, 1u);
  EXPECT_EQ(Infos.Transmission_Type, 1u);
  EXPECT_EQ(Infos.DataRate, 2u);  // the RX2 data rate
  EXPECT_EQ(ParGen.Server_Add, DefaultLoRaWANServerAddress);
  EXPECT_EQ(ParGen.Server_Port_Down, "1780");
  EXPECT_EQ(ParGen.NetworkType, "true");
  EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(ParGen.JoinEUI.data()), 8).toHex(), "010000d07ed5b370");
  EXPECT_EQ(ParGen.Activation_method, 0u);
  EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(ParGen.Dev_Address.data()), 4).toHex(), "da1b0126");
  EXPECT_EQ(ParGen.NwkSKey[0], 0x00);
  EXPECT_EQ(ParGen.NwkSKey[15], 0x0F);
  EXPECT_EQ(ParGen.AppSKey[0], 0xF0);
  EXPECT_EQ(ParGen.AppKey, (std::array<uint8_t, 16>{}));  // ABP leaves the application key out
  EXPECT_EQ(ParGen.LoRaWAN_Class, 2u);
}

TEST_F(ParamBlockTest, EndNodeOverTheAirReadsOnlyTheApplicationKey) {
  Load({{"LoRaWAN_Mode", "End Node"},
        {"LoRaWAN_Activation_Method", "Over-the-Air Activation [OTAA]"},
        {"LoRaWAN_Device_Address", "26011BDA"},
        {"LoRaWAN_Application_Key", "2B7E151628AED2A6ABF7158809CF4F3C"},
        {"LoRaWAN_Class", "B"}});
  EXPECT_EQ(ParGen.Activation_method, 1u);
  EXPECT_EQ(ParGen.Dev_Address, (std::array<uint8_t, 4>{}));
  EXPECT_EQ(ParGen.AppKey[0], 0x2B);
  EXPECT_EQ(ParGen.AppKey[15], 0x3C);
  EXPECT_EQ(ParGen.LoRaWAN_Class, 1u);
}

TEST_F(ParamBlockTest, HexKeyTooLongForItsFieldIsRefused) {
  try {
    Load({{"LoRaWAN_Mode", "END NODE"}, {"LoRaWAN_Join_EUI", "70B3D57ED000000100"}});
    FAIL() << "no refusal";
  } catch (const EImageBuildError& e) {
    EXPECT_EQ(e.Message(), "ParGen.xml: LoRaWAN_Join_EUI \"70B3D57ED000000100\" has more than 16 hexadecimal digits");
  }
}

TEST_F(ParamBlockTest, HostileValuesFailTheirChecks) {
  // Out of the key's range 0..9, even at the top of int: the default, no overflow.
  for (const char* clients : {"2147483647", "-2147483648", "10"}) {
    Block.Init_Param_Block();
    Load({{"WiFi_Max_Client", clients}});
    EXPECT_EQ(U(1272, 1), 10u) << clients;
  }
  // A character beyond one byte is refused naming its key, never stored as another byte.
  for (const char* key : {"Eth_Conn_Device_Name", "WiFi_SSID", "WiFi_PWD"}) {
    try {
      Load({{key, QString("ab") + QChar(0x0A0A)}});
      ADD_FAILURE() << key;
    } catch (const EImageBuildError& e) {
      EXPECT_EQ(e.Message(), QString("ParGen.xml: %1 holds a character the device cannot store").arg(key));
    }
  }
}

TEST_F(ParamBlockTest, UnreadableParGenIsRefused) {
  Project.WriteParGen("<Par_Gen><LoRaWAN_Mode>Gateway</Par_Gen>");
  EXPECT_THROW(Block.Load_ParGen_Block(Xml, ParGenFile, ParGen, Infos), EImageBuildError);
}

TEST_F(ParamBlockTest, ChecksumIsTheByteSumBeforeIt) {
  Project.UseParGen("ParGen_gateway_eu868.xml");
  Block.Load_ParGen_Block(Xml, ParGenFile, ParGen, Infos);
  Block.SetBank2Address(0x80000);
  QByteArray image;
  EXPECT_EQ(Block.Write_Bank1(0, image), TParamBlock::Size);
  ASSERT_EQ(image.size(), TParamBlock::Size);
  uint32_t sum = 0;
  for (int i = 0; i < TParamBlock::ChecksumOffset; ++i) sum += uint8_t(image[i]);
  EXPECT_EQ(ImageU32(image, TParamBlock::ChecksumOffset), sum);
  EXPECT_EQ(ImageU32(image, TParamBlock::Bank2AddressOffset), 0x80000u);
}

}  // namespace
