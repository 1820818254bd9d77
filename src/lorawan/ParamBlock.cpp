#include "lorawan/ParamBlock.h"

#include "common/ShellState.h"
#include "common/UShared_Functions.h"
#include "lorawan/ImageBuildError.h"
#include "platform/Files.h"
#include "platform/Xml.h"

namespace {

struct TBlockDefault {
  int Offset;
  int Width;
  uint32_t Value;
};

constexpr TBlockDefault BlockDefaults[] = {
    {0, 4, 250000},      {4, 4, 250000}, {12, 4, 9600},  {40, 4, 0xCD02A8C0},  // 192.168.2.205
    {44, 4, 0x00FFFFFF},                                                       // 255.255.255.0
    {48, 4, 0xFFFFFFFF},                                                       // 255.255.255.255
    {52, 2, 10000},      {54, 2, 10001}, {56, 2, 10001}, {436, 4, 0x08080808}, {440, 4, 0x08080808},
};

constexpr std::array<int, 4> DefaultEthernetAddress = {192, 168, 0, 5};
constexpr std::array<int, 4> DefaultSubnetMask = {255, 255, 255, 0};
constexpr std::array<int, 4> DefaultGateway = {192, 168, 0, 1};
constexpr std::array<int, 4> DefaultPrimaryDns = {8, 8, 8, 8};
constexpr std::array<int, 4> DefaultSecondaryDns = {8, 8, 4, 4};
constexpr std::array<int, 4> DefaultWiFiAddress = {192, 168, 0, 100};
constexpr std::array<int, 4> DefaultWiFiAddress2 = {192, 168, 0, 110};
constexpr std::array<int, 4> DefaultDhcpFirstAddress = {192, 168, 0, 200};

constexpr std::array<uint8_t, 4> AllOnes = {255, 255, 255, 255};

const QString DefaultServerPort = "1780";
const QString DefaultKeepAliveInterval = "10";

struct TBandName {
  const char* Name;
  int Band;
};
constexpr TBandName BandNames[] = {{"EU868", rfEU868}, {"US915", rfUS915}, {"KR920", rfKR920}, {"AS923", rfAS923}};

}  // namespace

// The values of ParGen.xml: each key is a child element of the root; a missing
// key, or a number that is no integer, gives the caller's default.
class TParGenKeys {
public:
  explicit TParGenKeys(const TXmlNode& root) : FRoot(root) {}

  QString Text(const QString& name, const QString& def = QString()) const {
    const TXmlNode node = FRoot.ChildNode(name);
    return node ? node.Text() : def;
  }
  int Number(const QString& name, int def) const {
    const TXmlNode node = FRoot.ChildNode(name);
    return node ? StrToIntDef(node.Text(), def) : def;
  }
  bool Flag(const QString& name) const { return Text(name) == QLatin1String("1"); }
  // A text stored one byte per character: a character beyond that byte is refused, never cut.
  QString DeviceText(const QString& name) const {
    const QString text = Text(name);
    if (!FitsDeviceCodePage(text))
      throw EImageBuildError(Format(ImageBuildTexts::InParGen, {Format(ImageBuildTexts::NotInCodePage, {name})}));
    return text;
  }
  // A number the key may hold; one outside [low, high] takes the default like a text that is no number.
  int NumberIn(const QString& name, int def, int low, int high) const {
    const int v = Number(name, def);
    return v < low || v > high ? def : v;
  }
  // The four keys <prefix>1 .. <prefix>4 of an address.
  std::array<int, 4> Octets(const QString& prefix, const std::array<int, 4>& def) const {
    std::array<int, 4> octets{};
    for (int i = 0; i < 4; ++i) octets[size_t(i)] = Number(prefix + QString::number(i + 1), def[size_t(i)]);
    return octets;
  }
  template <size_t N>
  void Hex(const QString& name, std::array<uint8_t, N>& field, THexOrder order) const {
    const QString text = Text(name);
    if (!HexTextToField(text, field, order))
      throw EImageBuildError(
          Format(ImageBuildTexts::InParGen, {Format(ImageBuildTexts::HexTooLong, {name, text, int(2 * N)})}));
  }

private:
  TXmlNode FRoot;
};

namespace {

int BandNumber(const QString& text) {
  for (const TBandName& b : BandNames)
    if (text == QLatin1String(b.Name)) return b.Band;
  return rfEU868;
}

void LoadEndNodeSettings(const TParGenKeys& keys, TLoRaWAN_ParGen& p, TLoRaWAN_Infos& header) {
  header.opzioni_funzionamento = EndNodeOperatingOptions;
  header.Adaptive_DataRate = uint8_t(keys.Number("LoRaWAN_Adaptive_DataRate", 0));
  header.Transmission_Type = keys.Text("LoRaWAN_Transmission_Type") == QLatin1String("Confirmed") ? 1 : 0;
  keys.Hex("LoRaWAN_Join_EUI", p.JoinEUI, THexOrder::Reversed);
  p.Activation_method = IsOverTheAirActivation(keys.Text("LoRaWAN_Activation_Method")) ? 1 : 0;
  if (p.Activation_method == 0) {
    keys.Hex("LoRaWAN_Device_Address", p.Dev_Address, THexOrder::Reversed);
    keys.Hex("LoRaWAN_Network_Session_Key", p.NwkSKey, THexOrder::TextOrder);
    keys.Hex("LoRaWAN_Application_Session_Key", p.AppSKey, THexOrder::TextOrder);
  } else {
    keys.Hex("LoRaWAN_Application_Key", p.AppKey, THexOrder::TextOrder);
  }
  const QString cls = UpperCase(Trim(keys.Text("LoRaWAN_Class")));
  p.LoRaWAN_Class = cls == QLatin1String("B") ? 1 : cls == QLatin1String("C") ? 2 : 0;
}

// The network server values: read for a gateway, fixed for an end node.
void LoadServerSettings(const TParGenKeys& keys, TLoRaWAN_ParGen& p) {
  p.Server_Add = DefaultLoRaWANServerAddress;
  p.Server_Port_Up = DefaultServerPort;
  p.Server_Port_Down = DefaultServerPort;
  p.KA_Interval = DefaultKeepAliveInterval;
  if (p.ModeMaster) {
    p.Server_Add = keys.Text("LoRaWAN_Server_Address", DefaultLoRaWANServerAddress);
    p.Server_Port_Up = keys.Text("LoRaWAN_Server_Port_Up", DefaultServerPort);
    p.Server_Port_Down = keys.Text("LoRaWAN_Server_Port_Down", DefaultServerPort);
    p.KA_Interval = keys.Text("LoRaWAN_KeepAlive_Interval", DefaultKeepAliveInterval);
  }
  const bool isPublic = UpperCase(Trim(keys.Text("LoRaWAN_Network_Type"))) == QLatin1String("PUBLIC");
  p.NetworkType = isPublic ? QStringLiteral("true") : QStringLiteral("false");
}

void LoadLoRaWANSettings(const TParGenKeys& keys, TLoRaWAN_ParGen& p, TLoRaWAN_Infos& header) {
  p.ModeMaster = UpperCase(keys.Text("LoRaWAN_Mode")) != QLatin1String("END NODE");
  p.RF_Band = BandNumber(keys.Text("LoRaWAN_RF_Band"));
  header.RF_Band = uint8_t(p.RF_Band);
  header.position_diagnostic = uint32_t(keys.Number("LoRaWAN_Diagostic_Position", 0));
  LoadServerSettings(keys, p);
  if (p.ModeMaster)
    header.opzioni_funzionamento = GatewayOperatingOptions;
  else
    LoadEndNodeSettings(keys, p, header);
  // The RX2 data rate is what the header carries, for an end node too.
  header.DataRate = RX2_DataRate_Index(keys.Text("LoRaWAN_RX2_Datarate"), p.RF_Band, 0);
  header.Freq_SubBand = uint8_t(keys.Number("LoRaWAN_Frequency_Sub_Band", 1));
}

}  // namespace

void TParamBlock::Init_Param_Block() {
  FBytes.fill(0);
  for (const TBlockDefault& d : BlockDefaults) PutLE(&FBytes[size_t(d.Offset)], d.Value, d.Width);
}

void TParamBlock::Load_ParGen_Block(TXmlDocument& xml, const QString& parGenFile, TLoRaWAN_ParGen& parGen,
                                    TLoRaWAN_Infos& infos) {
  if (!FileExists(parGenFile)) return;
  if (!xml.LoadFromFile(parGenFile))
    throw EImageBuildError(Format(ImageBuildTexts::CannotRead, {parGenFile, xml.ErrorText()}));
  const TParGenKeys keys(xml.Root());
  PutText(1644, 8, ProgramVersion);
  LoadEthernetConnection(keys);
  LoadLoRaWANSettings(keys, parGen, infos);
  LoadModbusTcpSlave(keys);
  LoadWiFi(keys);
}

void TParamBlock::LoadEthernetConnection(const TParGenKeys& keys) {
  PutText(1300, 32, keys.DeviceText("Eth_Conn_Device_Name").left(31));
  PutU16(1256, (keys.Flag("Eth_Conn_DHCP_Cable") ? 1 : 0) | (keys.Flag("Eth_Conn_DHCP_WiFi") ? 2 : 0));
  if (keys.Flag("Eth_Conn_Enable_DNS")) {
    PutAddress(1420, keys.Octets("Eth_Conn_Primary_DNS", DefaultPrimaryDns));
    PutAddress(1340, keys.Octets("Eth_Conn_Secondary_DNS", DefaultSecondaryDns));
  }
}

void TParamBlock::LoadModbusTcpSlave(const TParGenKeys& keys) {
  PutAddress(40, keys.Octets("Modbus_TCP_Slave_IP", DefaultEthernetAddress));
  PutAddress(44, keys.Octets("Modbus_TCP_Slave_SM", DefaultSubnetMask));
  PutAddress(48, keys.Octets("Modbus_TCP_Slave_GAT", DefaultGateway));
  if (!keys.Flag("Modbus_TCP_Slave_EN_GAT")) std::copy(AllOnes.begin(), AllOnes.end(), &FBytes[48]);
  const int port = keys.Number("Modbus_TCP_Slave_Port", 502);
  PutU16(54, uint32_t(port));
  PutU16(56, uint32_t(port));
}

void TParamBlock::LoadWiFi(const TParGenKeys& keys) {
  const int wifiType = keys.Number("WiFi_Type", 0);
  PutU8(1273, uint32_t(wifiType));
  PutAddress(1276, keys.Octets("WiFi_IP", DefaultWiFiAddress));
  PutAddress(1280, keys.Octets("WiFi_SM", DefaultSubnetMask));
  PutAddress(1284, keys.Octets("WiFi_GAT", DefaultGateway));
  if (!keys.Flag("WiFi_EN_Gateway")) std::copy(AllOnes.begin(), AllOnes.end(), &FBytes[1284]);

  std::fill(&FBytes[1288], &FBytes[1300], uint8_t(0));
  // Only the family's two-sided models have a second Wi-Fi address set.
  QString side1, side2;
  if (wifiType == 1 && GetModelProtocolNames(side1, side2) == 2) {
    PutAddress(1288, keys.Octets("WiFi_IP2_IP", DefaultWiFiAddress2));
    PutAddress(1292, keys.Octets("WiFi_IP2_SM", DefaultSubnetMask));
    PutAddress(1296, keys.Octets("WiFi_IP2_GAT", DefaultGateway));
    if (!keys.Flag("WiFi_IP2_EN_Gateway")) std::copy(AllOnes.begin(), AllOnes.end(), &FBytes[1296]);
  }

  PutText(1148, 32, keys.DeviceText("WiFi_SSID"));
  PutText(1180, 64, keys.DeviceText("WiFi_PWD"));
  if (wifiType == 0) LoadWiFiAccessPoint(keys);
}

void TParamBlock::LoadWiFiAccessPoint(const TParGenKeys& keys) {
  PutU8(1259, uint32_t(keys.Number("WiFi_Secure_Type", 0)));
  PutU8(1258, uint32_t(keys.Number("WiFi_EN_DHCP", 0)));
  // Built as a sum of the octets, so the first octet lands in the first byte.
  const auto packed = [](const std::array<int, 4>& o) {
    return uint32_t(o[0]) + uint32_t(o[1]) * 256u + uint32_t(o[2]) * 65536u + uint32_t(o[3]) * 16777216u;
  };
  PutU32(1260, packed(keys.Octets("WiFi_DHCP_First_IP", DefaultDhcpFirstAddress)));
  PutU32(1264, packed(keys.Octets("WiFi_DHCP_SM", DefaultSubnetMask)));
  PutU32(1268, uint32_t(keys.Number("WiFi_Lease_Time", 86400)));
  PutU8(1272, uint32_t(keys.NumberIn("WiFi_Max_Client", 9, 0, 9) + 1));
  const int channel = keys.Number("WiFi_Channel", 1);
  PutU8(1274, uint32_t(channel));
  PutU8(1275, channel == 0 ? 1 : 0);
}

void TParamBlock::SetBank2Address(uint32_t address) { PutU32(Bank2AddressOffset, address); }

int TParamBlock::Write_Bank1(int position, QByteArray& image) {
  uint32_t sum = 0;
  for (int i = 0; i < ChecksumOffset; ++i) sum += FBytes[size_t(i)];
  PutU32(ChecksumOffset, sum);
  TImageWriter writer(image, position);
  writer.Bytes(FBytes.data(), Size);
  return writer.Position();
}

void TParamBlock::PutAddress(int offset, const std::array<int, 4>& octets) {
  for (int i = 0; i < 4; ++i) FBytes[size_t(offset + i)] = uint8_t(octets[size_t(i)]);
}
