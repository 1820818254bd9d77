// ParGen.xml: read into the form's controls and written back from them.
#include "parameters/UParGen.h"

#include "common/ShellState.h"
#include "parameters/UParGen_File.h"
#include "platform/Dialogs.h"
#include "platform/StdCtrls.h"
#include "platform/SysUtils.h"

#include <QFile>
#include <QXmlStreamReader>

#include <map>

QString ParGenDefault(const TParGenElement& element) {
  return element.Default ? QString::fromLatin1(element.Default) : DefaultLoRaWANServerAddress;
}

std::array<TControl*, ParGenElementCount> ParGenElementControls(const TFParGen& f) {
  return {f.CB_Select_Device_Device,
          f.E_EthConn_Device_Name,
          f.CB_EthConn_En_DHCP_Cable,
          f.CB_EthConn_En_DHCP_WiFi,
          f.CB_EthConn_Enable_DNS,
          f.E_EthConn_Pri_DNS_IP1,
          f.E_EthConn_Pri_DNS_IP2,
          f.E_EthConn_Pri_DNS_IP3,
          f.E_EthConn_Pri_DNS_IP4,
          f.E_EthConn_Sec_DNS_IP1,
          f.E_EthConn_Sec_DNS_IP2,
          f.E_EthConn_Sec_DNS_IP3,
          f.E_EthConn_Sec_DNS_IP4,
          f.CB_LoRaWAN_Mode,
          f.CB_LoRaWAN_RF_Band,
          f.E_LoRaWAN_Server_Address,
          f.E_LoRaWAN_Server_Port_Up,
          f.E_LoRaWAN_Server_Port_Down,
          f.E_LoRaWAN_KeepAlive_Interval,
          f.CB_LoRaWAN_Network_Type,
          f.CB_LoRaWAN_Adaptive_DataRate,
          f.CB_LoRaWAN_DataRate,
          f.CB_LoRaWAN_Transmission_Type,
          f.E_LoRaWAN_Join_EUI,
          f.CB_LoRaWAN_Activation_Method,
          f.E_LoRaWAN_Device_Address,
          f.E_LoRaWAN_Network_Session_Key,
          f.E_LoRaWAN_Application_Session_Key,
          f.E_LoRaWAN_Application_Key,
          f.CB_LoRaWAN_Class,
          f.E_LoRaWAN_Diag_Pos,
          f.CB_LoRaWAN_RX2_Datarate,
          f.CB_LoRaWAN_FreqSubBand,
          f.E_ModbusTCPSlave_IP1,
          f.E_ModbusTCPSlave_IP2,
          f.E_ModbusTCPSlave_IP3,
          f.E_ModbusTCPSlave_IP4,
          f.E_ModbusTCPSlave_SM1,
          f.E_ModbusTCPSlave_SM2,
          f.E_ModbusTCPSlave_SM3,
          f.E_ModbusTCPSlave_SM4,
          f.E_ModbusTCPSlave_GAT1,
          f.E_ModbusTCPSlave_GAT2,
          f.E_ModbusTCPSlave_GAT3,
          f.E_ModbusTCPSlave_GAT4,
          f.CB_ModbusTCPSlave_En_GAT,
          f.E_ModbusTCPSlave_Port,
          f.CB_WiFi2_Type,
          f.E_WiFi2_IP1_IP1,
          f.E_WiFi2_IP1_IP2,
          f.E_WiFi2_IP1_IP3,
          f.E_WiFi2_IP1_IP4,
          f.E_WiFi2_IP1_SM1,
          f.E_WiFi2_IP1_SM2,
          f.E_WiFi2_IP1_SM3,
          f.E_WiFi2_IP1_SM4,
          f.CB_WiFi2_IP1_En_GAT,
          f.E_WiFi2_IP1_GAT1,
          f.E_WiFi2_IP1_GAT2,
          f.E_WiFi2_IP1_GAT3,
          f.E_WiFi2_IP1_GAT4,
          f.E_WiFi2_IP2_IP1,
          f.E_WiFi2_IP2_IP2,
          f.E_WiFi2_IP2_IP3,
          f.E_WiFi2_IP2_IP4,
          f.E_WiFi2_IP2_SM1,
          f.E_WiFi2_IP2_SM2,
          f.E_WiFi2_IP2_SM3,
          f.E_WiFi2_IP2_SM4,
          f.CB_WiFi2_IP2_En_GAT,
          f.E_WiFi2_IP2_GAT1,
          f.E_WiFi2_IP2_GAT2,
          f.E_WiFi2_IP2_GAT3,
          f.E_WiFi2_IP2_GAT4,
          f.E_WiFi2_SSID,
          f.E_WiFi2_Password,
          f.CB_WiFi2_Secure_Type,
          f.CB_WiFi2_En_DHCP,
          f.E_WiFi2_DHCP_First_IP1,
          f.E_WiFi2_DHCP_First_IP2,
          f.E_WiFi2_DHCP_First_IP3,
          f.E_WiFi2_DHCP_First_IP4,
          f.E_WiFi2_DHCP_SM1,
          f.E_WiFi2_DHCP_SM2,
          f.E_WiFi2_DHCP_SM3,
          f.E_WiFi2_DHCP_SM4,
          f.E_WiFi2_Lease_Time,
          f.CB_WiFi2_Max_Client,
          f.CB_WiFi2_Channel};
}

namespace {
using TValues = std::map<QString, QString>;

// The text of the first element of each name under the root.
TValues ValuesOf(const TXmlNode& root) {
  TValues values;
  for (const TXmlNode& child : root.ChildElements()) values.emplace(child.NodeName(), child.Text());
  return values;
}

// What can be taken from a file that is not well-formed (cut short, for
// example): every element under the root that was closed before the fault.
TValues SalvageValues(const QString& path) {
  TValues values;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return values;
  QXmlStreamReader reader(&file);
  if (!reader.readNextStartElement()) return values;
  while (reader.readNextStartElement()) {
    const QString name = reader.name().toString();
    const QString text = reader.readElementText(QXmlStreamReader::IncludeChildElements);
    if (reader.hasError()) break;
    values.emplace(name, text);
  }
  return values;
}

// The position of the item whose text equals `text` without regard to case.
int ItemMatching(TComboBox* combo, const QString& text) {
  TStringList& items = combo->Items();
  for (int i = 0; i < items.Count(); ++i)
    if (CompareText(items.Strings(i), text) == 0) return i;
  return -1;
}

void ReadValue(const TParGenElement& e, TControl* control, const QString* stored) {
  const QString def = ParGenDefault(e);
  int n = 0;
  switch (e.Kind) {
    case TParGenKind::Text: static_cast<TEdit*>(control)->SetText(stored ? *stored : def); break;
    case TParGenKind::Box: static_cast<TCheckBox*>(control)->SetChecked((stored ? *stored : def) == "1"); break;
    case TParGenKind::BoxByNumber:
      static_cast<TCheckBox*>(control)->SetChecked(stored && TryStrToInt(*stored, n) ? n == 1 : def == "1");
      break;
    case TParGenKind::Index:
      static_cast<TComboBox*>(control)->SetItemIndex(stored && TryStrToInt(*stored, n) ? n : def.toInt());
      break;
    case TParGenKind::Item: {
      auto* combo = static_cast<TComboBox*>(control);
      combo->SetItemIndex(stored ? ItemMatching(combo, *stored) : def.toInt());
      break;
    }
    case TParGenKind::Fixed: static_cast<TComboBox*>(control)->SetItemIndex(0); break;
  }
}

QString WrittenValue(const TParGenElement& e, TControl* control) {
  switch (e.Kind) {
    case TParGenKind::Text: return static_cast<TEdit*>(control)->Text();
    case TParGenKind::Box:
    case TParGenKind::BoxByNumber: return static_cast<TCheckBox*>(control)->Checked() ? "1" : "0";
    case TParGenKind::Index: return IntToStr(static_cast<TComboBox*>(control)->ItemIndex());
    case TParGenKind::Item: return static_cast<TComboBox*>(control)->Text();
    case TParGenKind::Fixed: return ParGenDefault(e);
  }
  return QString();
}
}  // namespace

void TFParGen::Read_File() {
  TValues values;
  if (QFile::exists(ParGenFile)) {
    if (XML1.LoadFromFile(ParGenFile))
      values = ValuesOf(XML1.Root());
    else
      values = SalvageValues(ParGenFile);
  }
  const auto controls = ParGenElementControls(*this);
  for (size_t i = 0; i < ParGenElements.size(); ++i) {
    const TParGenElement& e = ParGenElements[i];
    const auto found = values.find(QString::fromLatin1(e.Name));
    ReadValue(e, controls[i], found == values.end() ? nullptr : &found->second);
    // The stored rates are looked up in the lists of the band just read.
    if (controls[i] == CB_LoRaWAN_RF_Band) Change_LoRaWAN_DataRate();
  }
  // An activation method that is no item keeps the first one rather than none,
  // so the next OK does not write an empty method.
  if (CB_LoRaWAN_Activation_Method->ItemIndex() < 0) CB_LoRaWAN_Activation_Method->SetItemIndex(0);
}

bool TFParGen::Write_File() {
  XML1.Clear();
  TXmlNode root = XML1.CreateRoot(ParGenRootName);
  XML1.AddComment(ParGenVersionComment + ProgramVersion);
  const auto controls = ParGenElementControls(*this);
  for (size_t i = 0; i < ParGenElements.size(); ++i)
    root.AddChild(QString::fromLatin1(ParGenElements[i].Name)).SetText(WrittenValue(ParGenElements[i], controls[i]));
  if (XML1.SaveToFile(ParGenFile)) return true;
  MessageDlg(Format("Cannot create file \"%s\".", {ParGenFile}), mtError, {mbOK});
  return false;
}
