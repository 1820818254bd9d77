#include "lorawan/Bank2Image.h"

#include "lorawan/ConcentratorConf.h"
#include "lorawan/ImageBuildError.h"
#include "platform/Classes.h"
#include "platform/Files.h"
#include "platform/Xml.h"

namespace {

using namespace ImageBuildTexts;

constexpr uint16_t NoTest = 0xFFFF;

bool IsYes(const QString& flag) { return UpperCase(Trim(flag)) == QLatin1String("Y"); }

TXmlNode RequiredChild(const TXmlNode& parent, const QString& name) {
  const TXmlNode child = parent.ChildNode(name);
  if (!child) throw Exception(Format(MissingElement, {name}));
  return child;
}

// A 32-bit decimal field whose range is the whole field: text that is no
// number gives 0, a number outside the range is refused rather than cut.
uint32_t DecimalUInt32(const QString& text, const QString& what) {
  int64_t v = 0;
  if (TryStrToInt64(text, v)) {
    if (v < 0 || v > int64_t(UINT32_MAX)) throw Exception(Format(DecimalOutOfRange, {what}));
    return uint32_t(v);
  }
  int unused = 0;
  if (ValInt(text, unused) != 0 && unused == 0) throw Exception(Format(DecimalOutOfRange, {what}));
  return 0;
}

// An integer cell: text that is no number counts as -1, which the 16-bit field
// holds as 65535.
uint16_t Number16(const QString& text) { return uint16_t(StrToIntDef(text, -1)); }

uint16_t OptionalNumber16(const TXmlNode& e, const QString& name) {
  QString text;
  return e.ReadAttribute(name, text) ? Number16(text) : NoTest;
}

uint16_t RequiredNumber16(const TXmlNode& e, const QString& name) { return uint16_t(StrToInt(e.Attribute(name))); }

template <size_t N>
void HexAttribute(const TXmlNode& e, const QString& name, std::array<uint8_t, N>& field, THexOrder order) {
  const QString text = e.Attribute(name);
  if (!HexTextToField(text, field, order)) throw Exception(Format(HexTooLong, {name, text, int(2 * N)}));
}

TLoRaWAN_Device DeviceFromAttributes(const TXmlNode& e, const TLoRaWAN_ParGen& p, uint8_t defaultDataRate) {
  TLoRaWAN_Device d;
  if (e.AttributeDef("Class", "A") == QLatin1String("C")) d.options |= DeviceOptClassC;
  HexAttribute(e, "DeviceEUI", d.DevEUI, THexOrder::Reversed);
  HexAttribute(e, "JoinEUI", d.JoinEUI, THexOrder::Reversed);
  const QString name = e.Attribute("DeviceName");
  if (!FitsDeviceCodePage(name)) throw Exception(Format(NotInCodePage, {"DeviceName"}));
  PutTextField(d.DevNAME.data(), int(d.DevNAME.size()), name);
  if (IsOverTheAirActivation(e.Attribute("ActivationMethod"))) d.options |= DeviceOptOverTheAir;
  HexAttribute(e, "NetworkSessionKey", d.NwkSKey, THexOrder::TextOrder);
  HexAttribute(e, "ApplicationSessionKey", d.AppSKey, THexOrder::TextOrder);
  HexAttribute(e, "ApplicationKey", d.AppKey, THexOrder::TextOrder);
  HexAttribute(e, "DeviceAddress", d.DevADDR, THexOrder::Reversed);
  QString text;
  if (e.ReadAttribute("DiagTimeOut", text)) d.timeout = DecimalUInt32(text, "DiagTimeOut");
  d.DL_settings =
      e.ReadAttribute("RX2_Datarate", text) ? RX2_DataRate_Index(text, p.RF_Band, defaultDataRate) : defaultDataRate;
  return d;
}

// An end node describes itself in ParGen.xml; its device element only carries the rules.
TLoRaWAN_Device DeviceFromParGen(const TLoRaWAN_ParGen& p) {
  TLoRaWAN_Device d;
  d.options = p.LoRaWAN_Class;
  d.JoinEUI = p.JoinEUI;
  if (p.Activation_method == 1) d.options |= DeviceOptOverTheAir;
  d.NwkSKey = p.NwkSKey;
  d.AppSKey = p.AppSKey;
  d.AppKey = p.AppKey;
  d.DevADDR = p.Dev_Address;
  return d;
}

TLoRaWAN_Rule UpLinkRule(const TXmlNode& e, uint16_t device) {
  TLoRaWAN_Rule r;
  r.num_device = device;
  r.port = Number16(e.Attribute("Port"));
  r.start_test = OptionalNumber16(e, "StartTest");
  r.len_test = OptionalNumber16(e, "LenTest");
  r.data_test = TestValueBytes(e.AttributeDef("ValueTest", ""), IsYes(e.AttributeDef("HexTest", "")));
  r.byte_offset_frame = RequiredNumber16(e, "StartBit");
  r.num_bytes = RequiredNumber16(e, "NumberBits");
  r.byte_offset_memory = RequiredNumber16(e, "PositionBit");
  return r;
}

TLoRaWAN_Rule DownLinkRule(const TXmlNode& e, uint16_t device) {
  TLoRaWAN_Rule r;
  r.num_device = device;
  r.options = RuleOptDownLink;
  r.port = RequiredNumber16(e, "Port");
  r.byte_offset_frame = RequiredNumber16(e, "StartBit");
  r.num_bytes = RequiredNumber16(e, "NumberBits");
  if (IsYes(e.Attribute("OnChange"))) r.options |= RuleOptOnChange;
  if (IsYes(e.Attribute("OnCommand"))) r.options |= RuleOptOnCommand;
  if (IsYes(e.Attribute("OnTimer"))) r.options |= RuleOptOnTimer;
  r.time_poll = DecimalUInt32(e.Attribute("Time"), "Time");
  r.byte_offset_memory = RequiredNumber16(e, "PositionBit");
  return r;
}

// Appends the enabled rules of one list; `row` and the rule's place in its
// list name it in a message.
template <typename MakeRule>
void LoadRules(const TXmlNode& list, const QString& where, int row, uint16_t device, TLoRaWAN_Infos& infos,
               MakeRule make) {
  int number = 0;
  for (const TXmlNode& e : list.ChildElements()) {
    ++number;
    try {
      if (!IsYes(e.Attribute("Enable"))) continue;
      infos.Rules_List.push_back(make(e, device));
    } catch (const Exception& error) {
      throw EImageBuildError(Format(where, {row, number, error.Message()}));
    }
    ++infos.Num_Rules;
  }
}

void LoadDevice(const TXmlNode& e, int row, const TLoRaWAN_ParGen& p, TLoRaWAN_Infos& infos) {
  const uint16_t index = uint16_t(infos.Num_Devices);
  TXmlNode upLinks, downLinks;
  try {
    TLoRaWAN_Device d = p.ModeMaster ? DeviceFromAttributes(e, p, infos.DataRate) : DeviceFromParGen(p);
    d.options |= DeviceOptAlways;
    infos.Devices_List.push_back(d);
    const TXmlNode rules = RequiredChild(e, "LoRaWAN_Rules");
    upLinks = RequiredChild(rules, "LoRaWAN_UpLink_Rules");
    downLinks = RequiredChild(rules, "LoRaWAN_DownLink_Rules");
  } catch (const Exception& error) {
    throw EImageBuildError(Format(InDevice, {row, error.Message()}));
  }
  LoadRules(upLinks, InUpLinkRule, row, index, infos, UpLinkRule);
  LoadRules(downLinks, InDownLinkRule, row, index, infos, DownLinkRule);
  ++infos.Num_Devices;
}

void LoadDevicesFile(TXmlDocument& xml, const QString& file, const TLoRaWAN_ParGen& p, TLoRaWAN_Infos& infos) {
  if (!xml.LoadFromFile(file)) throw EImageBuildError(Format(CannotRead, {file, xml.ErrorText()}));
  const TXmlNode root = xml.Root();
  const QString rootName = "LoRaWAN_Gateway";
  if (root.NodeName() != rootName)
    throw EImageBuildError(Format(CannotRead, {file, Format(MissingElement, {rootName})}));
  const TXmlNode list = root.ChildNode("LoRaWAN_Devices_List");
  if (!list) throw EImageBuildError(Format(CannotRead, {file, Format(MissingElement, {"LoRaWAN_Devices_List"})}));

  int row = 0;
  for (const TXmlNode& e : list.ChildElements()) {
    ++row;
    // An end node takes its one device whatever the editor's check box says.
    if (p.ModeMaster) {
      // A device without the attribute is an error like any other missing attribute, not a disabled one.
      QString enable;
      if (!e.ReadAttribute("Enable", enable))
        throw EImageBuildError(Format(InDevice, {row, QString("Attribute \"Enable\" not found")}));
      if (enable != QLatin1String("Y")) continue;
    }
    LoadDevice(e, row, p, infos);
  }
}

void ComputeAddresses(uint32_t base, TLoRaWAN_Infos& infos) {
  infos.Address_DevList = base + TLoRaWAN_Infos::HeaderSize;
  infos.Address_RuleList = infos.Address_DevList + TLoRaWAN_Device::RecordSize * infos.Num_Devices;
  uint32_t next = infos.Address_RuleList + TLoRaWAN_Rule::RecordSize * infos.Num_Rules;
  for (TLoRaWAN_Rule& r : infos.Rules_List) {
    r.data_test_add = next;
    next += uint32_t(r.data_test.size());
  }
  infos.Address_ConfFile = next;
}

}  // namespace

void Load_LoRaWAN_Devices(TXmlDocument& xml, const QString& file, uint32_t baseAddress, const TLoRaWAN_ParGen& parGen,
                          TLoRaWAN_Infos& infos, TStringList& confLines) {
  infos.Num_Devices = 0;
  infos.Num_Rules = 0;
  infos.Devices_List.clear();
  infos.Rules_List.clear();
  if (FileExists(file)) LoadDevicesFile(xml, file, parGen, infos);
  ComputeAddresses(baseAddress, infos);
  Build_Concentrator_Conf(parGen, infos.Freq_SubBand, confLines);
}

int Write_Bank2(int position, QByteArray& image, const TLoRaWAN_Infos& infos, const TStringList& confLines) {
  TImageWriter w(image, position);
  infos.WriteHeaderTo(w);
  for (const TLoRaWAN_Device& d : infos.Devices_List) d.WriteTo(w);
  for (const TLoRaWAN_Rule& r : infos.Rules_List) r.WriteTo(w);
  for (const TLoRaWAN_Rule& r : infos.Rules_List)
    w.Bytes(reinterpret_cast<const uint8_t*>(r.data_test.constData()), int(r.data_test.size()));
  // The lines joined by LF; a carriage return inside a value is left out.
  for (int i = 0; i < confLines.Count(); ++i) {
    if (i > 0) w.U8('\n');
    for (QChar c : confLines[i])
      if (c != QChar('\r')) w.U8(uint8_t(c.unicode()));
  }
  w.U8('\n');
  w.U8(0);
  return w.Position();
}
