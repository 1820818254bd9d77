#include "lorawan/Bank2Image.h"

#include "LoRaWANTestProject.h"
#include "lorawan/ImageBuildError.h"
#include "platform/Classes.h"
#include "platform/Xml.h"

#include <gtest/gtest.h>

namespace {

class Bank2ImageTest : public ::testing::Test {
protected:
  void SetUp() override {
    // What ParGen_gateway_eu868.xml puts into the record and the header.
    ParGen.RF_Band = rfEU868;
    ParGen.NetworkType = "true";
    ParGen.Server_Add = "lns.example.net";
    ParGen.Server_Port_Up = "1700";
    ParGen.Server_Port_Down = "1701";
    ParGen.KA_Interval = "30";
    Infos.opzioni_funzionamento = GatewayOperatingOptions;
    Infos.DataRate = 3;
    Infos.position_diagnostic = 100;
    Infos.Freq_SubBand = 1;
  }
  QByteArray Build() {
    Load_LoRaWAN_Devices(Xml, LoRaWANGatewayFile, Bank2LoadAddress, ParGen, Infos, Lines);
    QByteArray image;
    const int end = Write_Bank2(0, image, Infos, Lines);
    EXPECT_EQ(end, image.size());
    return image;
  }
  // A devices file of one device element (attributes given) with the rules given.
  void WriteOneDevice(const QString& deviceAttributes, const QString& upLinks = "", const QString& downLinks = "") {
    Project.WriteDevices("<LoRaWAN_Gateway><LoRaWAN_Devices_List><LoRaWAN_Device " + deviceAttributes +
                         "><LoRaWAN_Rules><LoRaWAN_UpLink_Rules>" + upLinks +
                         "</LoRaWAN_UpLink_Rules><LoRaWAN_DownLink_Rules>" + downLinks +
                         "</LoRaWAN_DownLink_Rules></LoRaWAN_Rules></LoRaWAN_Device></LoRaWAN_Devices_List>"
                         "</LoRaWAN_Gateway>");
  }
  QString BuildError() {
    try {
      Build();
    } catch (const EImageBuildError& e) {
      return e.Message();
    }
    return "no refusal";
  }

  TLoRaWANTestProject Project;
  TXmlDocument Xml;
  TLoRaWAN_ParGen ParGen;
  TLoRaWAN_Infos Infos;
  TStringList Lines;
};

const QString GoodDevice =
    R"(Enable="Y" DeviceEUI="0011223344556677" JoinEUI="" DeviceName="D" ActivationMethod="" NetworkSessionKey="" )"
    R"(ApplicationSessionKey="" ApplicationKey="" DeviceAddress="01020304" Mnemonic="")";

QByteArray ConfigurationText(const QString& fixture) {
  QByteArray bytes;
  EXPECT_TRUE(ReadFileBytes(LoRaWANFixture(fixture), bytes));
  return bytes + QByteArray(1, '\0');
}

struct TRuleRow {
  uint32_t Device, Port, StartTest, LenTest, TestAddress, Time, Frame, Memory, Count, Options;
};

TEST_F(Bank2ImageTest, GatewayImageHoldsEveryFieldAtItsOffset) {
  Project.UseDevices("LoRaWAN_Gateway.xml");
  const QByteArray image = Build();

  // Header.
  EXPECT_EQ(ImageU32(image, 0), 2u);
  EXPECT_EQ(ImageU32(image, 4), 5u);
  EXPECT_EQ(ImageU32(image, 8), 0x80024u);
  EXPECT_EQ(ImageU32(image, 12), 0x80024u + 192);
  EXPECT_EQ(ImageU32(image, 16), 0x80160u);
  EXPECT_EQ(ImageU32(image, 20), 4369u);
  EXPECT_EQ(ImageBytes(image, 24, 12).toHex(),
            "00030000"
            "64000000"
            "01000000");

  // Device records: row 2 is disabled, so row 3 is device 1.
  const int d0 = 36, d1 = 36 + 96;
  EXPECT_EQ(ImageBytes(image, d0, 8).toHex(), "7766554433221100");
  EXPECT_EQ(ImageBytes(image, d0 + 8, 8).toHex(), "010000d07ed5b370");
  EXPECT_EQ(ImageBytes(image, d0 + 16, 16), QByteArray("Sensor-A\0\0\0\0\0\0\0\0", 16));
  EXPECT_EQ(ImageBytes(image, d0 + 32, 16).toHex(), "000102030405060708090a0b0c0d0e0f");
  EXPECT_EQ(ImageBytes(image, d0 + 48, 16).toHex(), "f0e0d0c0b0a090807060504030201000");
  EXPECT_EQ(ImageBytes(image, d0 + 64, 16), QByteArray(16, '\0'));
  EXPECT_EQ(ImageBytes(image, d0 + 80, 4).toHex(), "da1b0126");
  EXPECT_EQ(ImageU32(image, d0 + 84), 32u);
  EXPECT_EQ(ImageU32(image, d0 + 88), 4294967295u);
  EXPECT_EQ(ImageBytes(image, d0 + 92, 4).toHex(), "00000000");

  EXPECT_EQ(ImageBytes(image, d1, 8).toHex(), "2b1a000000000000");
  EXPECT_EQ(ImageBytes(image, d1 + 8, 8), QByteArray(8, '\0'));
  EXPECT_EQ(ImageBytes(image, d1 + 16, 16), QByteArray("A-very-long-devi"));
  EXPECT_EQ(ImageBytes(image, d1 + 32, 32), QByteArray(32, '\0'));
  EXPECT_EQ(ImageBytes(image, d1 + 64, 16).toHex(), "2b7e151628aed2a6abf7158809cf4f3c");
  EXPECT_EQ(ImageBytes(image, d1 + 80, 4).toHex(), "2b1a0000");
  EXPECT_EQ(ImageU32(image, d1 + 84), 2u + 32u + 256u);
  EXPECT_EQ(ImageU32(image, d1 + 88), 0u);
  EXPECT_EQ(ImageBytes(image, d1 + 92, 4).toHex(), "03000000");  // the header's data rate

  // Rule records: device 0 up, up, down; device 1 up, down.
  const TRuleRow rules[] = {
      {0, 10, 0, 2, 0x8015C, 0, 2, 0, 4, 0},
      {0, 11, 65535, 65535, 0x8015E, 0, 6, 4, 2, 0},
      {0, 20, 0, 0, 0x8015E, 5000, 0, 10, 2, 8 | 4 | 1},
      {1, 12, 1, 2, 0x8015E, 0, 1, 100, 8, 0},
      {1, 21, 0, 0, 0x80160, 0, 3, 200, 5, 8 | 2},
  };
  for (int i = 0; i < 5; ++i) {
    SCOPED_TRACE(i);
    const int at = 228 + 24 * i;
    const TRuleRow& r = rules[i];
    EXPECT_EQ(ImageU16(image, at), r.Device);
    EXPECT_EQ(ImageU16(image, at + 2), r.Port);
    EXPECT_EQ(ImageU16(image, at + 4), r.StartTest);
    EXPECT_EQ(ImageU16(image, at + 6), r.LenTest);
    EXPECT_EQ(ImageU32(image, at + 8), r.TestAddress);
    EXPECT_EQ(ImageU32(image, at + 12), r.Time);
    EXPECT_EQ(ImageU16(image, at + 16), r.Frame);
    EXPECT_EQ(ImageU16(image, at + 18), r.Memory);
    EXPECT_EQ(ImageU16(image, at + 20), r.Count);
    EXPECT_EQ(ImageU16(image, at + 22), r.Options);
  }

  // Test bytes (hex "ABC", then text "OK"), then the text from its address on.
  EXPECT_EQ(ImageBytes(image, 348, 4).toHex(), "0abc4f4b");
  const QByteArray text = ConfigurationText("conf_eu868.txt");
  EXPECT_EQ(image.mid(352), text);
  EXPECT_EQ(image.size(), 352 + text.size());
}

TEST_F(Bank2ImageTest, WithoutDevicesFileOnlyHeaderAndText) {
  ParGen = TLoRaWAN_ParGen();
  Infos = TLoRaWAN_Infos();
  const QByteArray image = Build();
  EXPECT_EQ(ImageBytes(image, 0, 8), QByteArray(8, '\0'));
  for (int offset : {8, 12, 16}) EXPECT_EQ(ImageU32(image, offset), 0x80024u);
  EXPECT_EQ(ImageBytes(image, 20, 16), QByteArray(16, '\0'));
  EXPECT_EQ(image.mid(36), ConfigurationText("conf_eu868_empty.txt"));
}

TEST_F(Bank2ImageTest, EmptyConfigurationTextStillEndsWithLineFeedAndNul) {
  ParGen.RF_Band = 9;
  const QByteArray image = Build();
  EXPECT_EQ(image.size(), 38);
  EXPECT_EQ(image.mid(36).toHex(), "0a00");
}

TEST_F(Bank2ImageTest, CarriageReturnsOfInsertedValuesAreLeftOut) {
  ParGen.Server_Add = "a\r\nb";
  const QByteArray image = Build();
  EXPECT_TRUE(image.contains("\"server_address\": \"a\\u000d\\u000ab\",\n"));
  EXPECT_FALSE(image.contains('\r'));
}

TEST_F(Bank2ImageTest, EndNodeTakesEveryDeviceFromParGen) {
  ParGen.ModeMaster = false;
  ParGen.LoRaWAN_Class = 2;
  ParGen.Activation_method = 1;
  ParGen.JoinEUI = {1, 2, 3, 4, 5, 6, 7, 8};
  ParGen.AppKey[0] = 0xAA;
  ParGen.Dev_Address = {9, 9, 9, 9};
  WriteOneDevice(R"(Enable="N" DeviceEUI="0001020304050607" DeviceName="X")",
                 R"(<Rule Enable="Y" Port="5" StartBit="0" NumberBits="1" PositionBit="0" Mnemonic=""/>)");
  const QByteArray image = Build();
  EXPECT_EQ(ImageU32(image, 0), 1u);
  EXPECT_EQ(ImageU32(image, 4), 1u);
  EXPECT_EQ(ImageBytes(image, 36, 8), QByteArray(8, '\0'));
  EXPECT_EQ(ImageBytes(image, 44, 8).toHex(), "0102030405060708");
  EXPECT_EQ(ImageBytes(image, 52, 16), QByteArray(16, '\0'));
  EXPECT_EQ(ImageU8(image, 100), 0xAAu);
  EXPECT_EQ(ImageBytes(image, 116, 4).toHex(), "09090909");
  EXPECT_EQ(ImageU32(image, 120), 2u + 32u + 256u);
  EXPECT_EQ(ImageU8(image, 128), 0u);
}

TEST_F(Bank2ImageTest, GatewayTakesOnlyDevicesEnabledExactly) {
  for (const char* enable : {"y", " Y", "N", ""}) {
    WriteOneDevice(QString(GoodDevice).replace(R"(Enable="Y")", QString(R"(Enable="%1")").arg(enable)));
    EXPECT_EQ(ImageU32(Build(), 0), 0u) << enable;
  }
  // Without the attribute the device is not silently dropped: the build stops naming it.
  WriteOneDevice(QString(GoodDevice).remove(R"(Enable="Y")"));
  EXPECT_EQ(BuildError(), "Device 1: Attribute \"Enable\" not found");
}

TEST_F(Bank2ImageTest, SmallestInt64DiagTimeOutIsOutOfRange) {
  WriteOneDevice(QString(GoodDevice) + R"( DiagTimeOut="-9223372036854775808")");
  EXPECT_EQ(BuildError(), "Device 1: DiagTimeOut must be between 0 and 4294967295");
}

TEST_F(Bank2ImageTest, NumbersOfRulesFollowTheIntegerCellRules) {
  WriteOneDevice(GoodDevice,
                 R"(<Rule Enable="Y" Port="x" StartBit="70000" NumberBits=" 8" PositionBit="$10" Mnemonic=""/>)",
                 R"(<Rule Enable="Y" Port="1" StartBit="0" NumberBits="1" OnChange="" OnCommand="" OnTimer="y" )"
                 R"(Time="abc" PositionBit="0" Mnemonic=""/>)");
  const QByteArray image = Build();
  const int up = 36 + 96, down = up + 24;
  EXPECT_EQ(ImageU16(image, up + 2), 65535u);  // no number
  EXPECT_EQ(ImageU16(image, up + 4), 65535u);  // no StartTest attribute
  EXPECT_EQ(ImageU16(image, up + 6), 65535u);  // no LenTest attribute
  EXPECT_EQ(ImageU16(image, up + 16), 70000u & 0xFFFF);
  EXPECT_EQ(ImageU16(image, up + 18), 16u);
  EXPECT_EQ(ImageU16(image, up + 20), 8u);
  EXPECT_EQ(ImageU32(image, down + 12), 0u);
  EXPECT_EQ(ImageU16(image, down + 22), 8u | 4u);
}

TEST_F(Bank2ImageTest, ClassAndDataRateAttributesMayBeAbsent) {
  WriteOneDevice(GoodDevice + R"( Class=" C" RX2_Datarate="sf7bw250" DiagTimeOut="abc")");
  QByteArray image = Build();
  EXPECT_EQ(ImageU32(image, 36 + 84), 32u);  // only "C" exactly is class C
  EXPECT_EQ(ImageU8(image, 36 + 92), 6u);
  EXPECT_EQ(ImageU32(image, 36 + 88), 0u);

  WriteOneDevice(GoodDevice + R"( RX2_Datarate="SF12BW500")");
  image = Build();
  EXPECT_EQ(ImageU8(image, 36 + 92), 3u);  // not an EU868 rate: the header's
}

TEST_F(Bank2ImageTest, RefusalsNameTheirPlace) {
  struct Case {
    QString Device, UpLinks, DownLinks, Message;
  };
  const QString up = R"(<Rule Enable="Y" Port="1" StartBit="%1" NumberBits="1" PositionBit="0" Mnemonic=""/>)";
  const QString down = R"(<Rule Enable="Y" Port="1" StartBit="0" NumberBits="1" OnChange="N" OnCommand="N" )"
                       R"(OnTimer="Y" Time="%1" PositionBit="0" Mnemonic=""/>)";
  const Case cases[] = {
      {QString(GoodDevice).remove(R"(DeviceAddress="01020304")"), "", "",
       R"(Device 1: Attribute "DeviceAddress" not found)"},
      {QString(GoodDevice).replace("0011223344556677", "00112233445566778"), "", "",
       R"(Device 1: DeviceEUI "00112233445566778" has more than 16 hexadecimal digits)"},
      {QString(GoodDevice).replace(R"(DeviceAddress="01020304")", R"(DeviceAddress=" 0102030405 ")"), "", "",
       R"(Device 1: DeviceAddress " 0102030405 " has more than 8 hexadecimal digits)"},
      {GoodDevice + R"( DiagTimeOut="4294967296")", "", "", "Device 1: DiagTimeOut must be between 0 and 4294967295"},
      {GoodDevice + R"( DiagTimeOut="99999999999999999999")", "", "",
       "Device 1: DiagTimeOut must be between 0 and 4294967295"},
      {GoodDevice + R"( DiagTimeOut="-1")", "", "", "Device 1: DiagTimeOut must be between 0 and 4294967295"},
      {GoodDevice, up.arg("x"), "", "Device 1, UpLink Rule 1: 'x' is not a valid integer value"},
      {GoodDevice, up.arg("1") + up.arg(""), "", "Device 1, UpLink Rule 2: '' is not a valid integer value"},
      {GoodDevice, "", down.arg("4294967296"), "Device 1, DownLink Rule 1: Time must be between 0 and 4294967295"},
      {GoodDevice, "", R"(<Rule Enable="Y" Port="1"/>)",
       R"(Device 1, DownLink Rule 1: Attribute "StartBit" not found)"},
  };
  for (const Case& c : cases) {
    WriteOneDevice(c.Device, c.UpLinks, c.DownLinks);
    EXPECT_EQ(BuildError(), c.Message);
  }

  Project.WriteDevices("<LoRaWAN_Gateway><LoRaWAN_Devices_List><LoRaWAN_Device " + GoodDevice +
                       "/></LoRaWAN_Devices_List></LoRaWAN_Gateway>");
  EXPECT_EQ(BuildError(), R"(Device 1: Element "LoRaWAN_Rules" not found)");
  Project.WriteDevices("<LoRaWAN_Gateway><LoRaWAN_Devices_List>");
  EXPECT_TRUE(BuildError().startsWith("The file " + LoRaWANGatewayFile + " cannot be read: "));
  Project.WriteDevices("<LoRaWAN_Gateway/>");
  EXPECT_EQ(BuildError(),
            "The file " + LoRaWANGatewayFile + R"( cannot be read: Element "LoRaWAN_Devices_List" not found)");
}

TEST_F(Bank2ImageTest, LargestDiagnosticTimeOutAndTimeAreKept) {
  WriteOneDevice(GoodDevice + R"( DiagTimeOut="4294967295")", "",
                 R"(<Rule Enable="Y" Port="1" StartBit="0" NumberBits="1" OnChange="N" OnCommand="N" )"
                 R"(OnTimer="Y" Time="4294967295" PositionBit="0" Mnemonic=""/>)");
  const QByteArray image = Build();
  EXPECT_EQ(ImageU32(image, 36 + 88), 4294967295u);
  EXPECT_EQ(ImageU32(image, 132 + 12), 4294967295u);
}

}  // namespace
