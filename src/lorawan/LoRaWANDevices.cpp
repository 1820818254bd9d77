#include "lorawan/LoRaWANDevices.h"

#include "common/ShellState.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"
#include "platform/SysUtils.h"
#include "platform/XmlWriter.h"

#include <array>
#include <string>

namespace {

// The load's own messages; a problem inside a device or rule names where.
namespace Texts {
inline const QString CannotRead = "The file %s cannot be read: %s";
inline const QString MissingElement = "Element \"%s\" not found";
inline const QString InDevice = "Device %d: %s";
inline const QString InUpLinkRule = "Device %d, UpLink Rule %d: %s";
inline const QString InDownLinkRule = "Device %d, DownLink Rule %d: %s";
inline const QString TooManyDevices = "The file holds more than %d devices: only the first %d were read";
inline const QString TooManyRules = "More than %d rules in one list";
inline const QString NoEndNodeDevice = "The file holds no device for the end node";
inline const QString CannotWrite = "Cannot create file \"%s\".";
}  // namespace Texts

constexpr std::array<const char16_t*, 8> RX2List = {u"SF12BW125", u"SF11BW125", u"SF10BW125", u"SF9BW125",
                                                    u"SF8BW125",  u"SF7BW125",  u"SF7BW250",  u""};
constexpr std::array<const char16_t*, 7> RX2ListUS915 = {u"SF12BW500", u"SF11BW500", u"SF10BW500", u"SF9BW500",
                                                         u"SF8BW500",  u"SF7BW500",  u""};

// The device attributes in file order, with the texts they hold; the Boolean
// Enable comes first and is handled on its own.
struct TDeviceAttribute {
  const char16_t* Name;
  QString TDeviceLoRa::*Field;
  bool Required;
};
constexpr std::array<TDeviceAttribute, 12> DeviceAttributes = {{
    {u"DeviceEUI", &TDeviceLoRa::DeviceEUI, true},
    {u"JoinEUI", &TDeviceLoRa::JoinEUI, true},
    {u"DeviceName", &TDeviceLoRa::DeviceName, true},
    {u"ActivationMethod", &TDeviceLoRa::ActMethod, true},
    {u"NetworkSessionKey", &TDeviceLoRa::NetSessKey, true},
    {u"ApplicationSessionKey", &TDeviceLoRa::AppSessKey, true},
    {u"ApplicationKey", &TDeviceLoRa::AppKey, true},
    {u"DeviceAddress", &TDeviceLoRa::DevAdd, true},
    {u"Class", &TDeviceLoRa::ClassLoRa, false},
    {u"DiagTimeOut", &TDeviceLoRa::DiagTimeOut, false},
    {u"RX2_Datarate", &TDeviceLoRa::RX2Datarate, false},
    {u"Mnemonic", &TDeviceLoRa::Mnemonic, true},
}};

// A rule attribute: a text, or a flag written "Y"/"N".
struct TRuleAttribute {
  const char16_t* Name;
  QString TRuleLoRa::*Text;
  bool TRuleLoRa::*Flag;
  bool Required;
};
constexpr std::array<TRuleAttribute, 10> UpLinkAttributes = {{
    {u"Enable", nullptr, &TRuleLoRa::Enable, true},
    {u"Port", &TRuleLoRa::Port, nullptr, true},
    {u"StartTest", &TRuleLoRa::StartTest, nullptr, false},
    {u"LenTest", &TRuleLoRa::LenTest, nullptr, false},
    {u"HexTest", nullptr, &TRuleLoRa::HexTest, false},
    {u"ValueTest", &TRuleLoRa::ValueTest, nullptr, false},
    {u"StartBit", &TRuleLoRa::StartBit, nullptr, true},
    {u"NumberBits", &TRuleLoRa::NumBits, nullptr, true},
    {u"PositionBit", &TRuleLoRa::PosBit, nullptr, true},
    {u"Mnemonic", &TRuleLoRa::Mnemonic, nullptr, true},
}};
constexpr std::array<TRuleAttribute, 10> DownLinkAttributes = {{
    {u"Enable", nullptr, &TRuleLoRa::Enable, true},
    {u"Port", &TRuleLoRa::Port, nullptr, true},
    {u"StartBit", &TRuleLoRa::StartBit, nullptr, true},
    {u"NumberBits", &TRuleLoRa::NumBits, nullptr, true},
    {u"OnChange", nullptr, &TRuleLoRa::OnChange, true},
    {u"OnCommand", nullptr, &TRuleLoRa::OnCMD, true},
    {u"OnTimer", nullptr, &TRuleLoRa::OnTimer, true},
    {u"Time", &TRuleLoRa::Time, nullptr, true},
    {u"PositionBit", &TRuleLoRa::PosBit, nullptr, true},
    {u"Mnemonic", &TRuleLoRa::Mnemonic, nullptr, true},
}};

// The names point at the tables' literals, so a save of many devices copies no name.
QString Name(const char16_t* name) {
  return QString::fromRawData(reinterpret_cast<const QChar*>(name),
                              qsizetype(std::char_traits<char16_t>::length(name)));
}

QString YesNo(bool flag) { return flag ? QStringLiteral("Y") : QStringLiteral("N"); }
bool IsYes(const QString& flag) { return UpperCase(Trim(flag)) == QLatin1String("Y"); }

TXmlNode RequiredChild(const TXmlNode& parent, const QString& name) {
  const TXmlNode child = parent.ChildNode(name);
  if (!child) throw Exception(Format(Texts::MissingElement, {name}));
  return child;
}

QString ReadText(const TXmlNode& e, const char16_t* name, bool required) {
  return required ? e.Attribute(Name(name)) : e.AttributeDef(Name(name), QString());
}

// The rule is appended before its attributes are read, so a load that stops
// inside it keeps what was read of it.
template <size_t N>
void LoadRules(const TXmlNode& list, const std::array<TRuleAttribute, N>& attributes, const QString& where, int device,
               TRuleLoRaList& rules) {
  int number = 0;
  for (const TXmlNode& e : list.ChildElements()) {
    ++number;
    try {
      if (number > LoRaWANRuleCount) throw Exception(Format(Texts::TooManyRules, {LoRaWANRuleCount}));
      TRuleLoRa& rule = rules.emplace_back();
      for (const TRuleAttribute& a : attributes) {
        const QString text = ReadText(e, a.Name, a.Required);
        if (a.Flag)
          rule.*a.Flag = IsYes(text);
        else
          rule.*a.Text = text;
      }
    } catch (const Exception& error) {
      throw Exception(Format(where, {device, number, error.Message()}));
    }
  }
}

void LoadDevice(const TXmlNode& e, int number, TDeviceLoRa& device) {
  TXmlNode upLinks, downLinks;
  try {
    // Only an exact "Y" enables a device; the image builder reads it the same way.
    device.Enable = e.AttributeDef("Enable", QString()) == QLatin1String("Y");
    for (const TDeviceAttribute& a : DeviceAttributes) device.*a.Field = ReadText(e, a.Name, a.Required);
    const TXmlNode rules = RequiredChild(e, "LoRaWAN_Rules");
    upLinks = RequiredChild(rules, "LoRaWAN_UpLink_Rules");
    downLinks = RequiredChild(rules, "LoRaWAN_DownLink_Rules");
  } catch (const Exception& error) {
    throw Exception(Format(Texts::InDevice, {number, error.Message()}));
  }
  LoadRules(upLinks, UpLinkAttributes, Texts::InUpLinkRule, number, device.UpLinkRules);
  LoadRules(downLinks, DownLinkAttributes, Texts::InDownLinkRule, number, device.DownLinkRules);
}

template <size_t N>
void SaveRules(TXmlWriter& xml, const QString& listName, const std::array<TRuleAttribute, N>& attributes,
               const TRuleLoRaList& rules) {
  xml.StartElement(listName);
  for (const TRuleLoRa& rule : rules) {
    xml.StartElement(QStringLiteral("Rule"));
    for (const TRuleAttribute& a : attributes) xml.Attribute(Name(a.Name), a.Flag ? YesNo(rule.*a.Flag) : rule.*a.Text);
    xml.EndElement();
  }
  xml.EndElement();
}

void SaveDevice(TXmlWriter& xml, const TDeviceLoRa& device) {
  xml.StartElement(QStringLiteral("LoRaWAN_Device"));
  xml.Attribute(QStringLiteral("Enable"), YesNo(device.Enable));
  for (const TDeviceAttribute& a : DeviceAttributes) xml.Attribute(Name(a.Name), device.*a.Field);
  xml.StartElement(QStringLiteral("LoRaWAN_Rules"));
  SaveRules(xml, QStringLiteral("LoRaWAN_UpLink_Rules"), UpLinkAttributes, device.UpLinkRules);
  SaveRules(xml, QStringLiteral("LoRaWAN_DownLink_Rules"), DownLinkAttributes, device.DownLinkRules);
  xml.EndElement();
  xml.EndElement();
}

// ParGen.xml's root, or a null node when the file is missing or unreadable.
TXmlNode ParGenRoot(TXmlDocument& xml) {
  if (!FileExists(ParGenFile) || !xml.LoadFromFile(ParGenFile)) return TXmlNode();
  return xml.Root();
}

void FillRX2(TStringList& list, bool us915) {
  list.Clear();
  if (us915)
    for (const char16_t* t : RX2ListUS915) list.Add(QString::fromUtf16(t));
  else
    for (const char16_t* t : RX2List) list.Add(QString::fromUtf16(t));
}

}  // namespace

TLoRaWANDevices::TLoRaWANDevices() : FDevices(LoRaWANDeviceCount) { FillRX2(RX2_SL, false); }

void TLoRaWANDevices::Clear_Devices() {
  for (TDeviceLoRa& d : FDevices) d.Clear_Rules_List();
}

bool TLoRaWANDevices::Is_a_Master() {
  const TXmlNode mode = ParGenRoot(XML1).ChildNode("LoRaWAN_Mode");
  return !mode || UpperCase(mode.Text()) != QLatin1String("END NODE");
}

void TLoRaWANDevices::Fill_RX2_List() {
  const TXmlNode band = ParGenRoot(XML1).ChildNode("LoRaWAN_RF_Band");
  FillRX2(RX2_SL, band && band.Text() == QLatin1String("US915"));
}

bool TLoRaWANDevices::Load_Configuration() {
  Fill_RX2_List();
  bool complete = true;
  if (FileExists(LoRaWANGatewayFile)) {
    try {
      Load_Devices();
    } catch (const Exception& error) {
      MessageDlg(error.Message(), mtError, {mbOK});
      complete = false;
    }
  }
  // An end node whose device could not be read still gets one, so its rules are saved.
  if (!ModeMaster && FDevices[0].IsFree()) FDevices[0].DeviceEUI = EndNodePlaceholderEUI;
  return complete;
}

void TLoRaWANDevices::Load_Devices() {
  if (!XML1.LoadFromFile(LoRaWANGatewayFile))
    throw Exception(Format(Texts::CannotRead, {LoRaWANGatewayFile, XML1.ErrorText()}));
  const TXmlNode root = XML1.Root();
  if (root.NodeName() != QLatin1String("LoRaWAN_Gateway"))
    throw Exception(Format(Texts::MissingElement, {"LoRaWAN_Gateway"}));
  const std::vector<TXmlNode> devices = RequiredChild(root, "LoRaWAN_Devices_List").ChildElements();
  if (!ModeMaster && devices.empty()) throw Exception(Texts::NoEndNodeDevice);
  const size_t count = ModeMaster ? devices.size() : 1;
  for (size_t i = 0; i < count; ++i) {
    if (i >= FDevices.size()) throw Exception(Format(Texts::TooManyDevices, {LoRaWANDeviceCount, LoRaWANDeviceCount}));
    LoadDevice(devices[i], int(i) + 1, FDevices[i]);
  }
}

// Written front to back rather than built as a document: a full list is a
// large tree, and the attributes keep the order of the file's layout.
void TLoRaWANDevices::Write_Document(TXmlWriter& xml) const {
  xml.StartElement(QStringLiteral("LoRaWAN_Gateway"));
  xml.StartElement(QStringLiteral("LoRaWAN_Devices_List"));
  // An end node has one device, whatever the slots behind it hold.
  const size_t count = ModeMaster ? FDevices.size() : 1;
  for (size_t i = 0; i < count && !FDevices[i].IsFree(); ++i) SaveDevice(xml, FDevices[i]);
  xml.EndElement();
  xml.EndElement();
  xml.Comment("SW_VERSION = " + LoRaWANFileVersion);
}

bool TLoRaWANDevices::Save_Configuration() {
  TXmlWriter xml;
  Write_Document(xml);
  if (xml.SaveToFile(LoRaWANGatewayFile)) return true;
  MessageDlg(Format(Texts::CannotWrite, {LoRaWANGatewayFile}), mtError, {mbOK});
  return false;
}
