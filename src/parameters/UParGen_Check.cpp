// The check of the values before ParGen.xml is written: one chain, field by
// field in a fixed order; the first failure shows its message and stops it.
#include "parameters/UParGen.h"

#include "common/ShellState.h"
#include "platform/Dialogs.h"
#include "platform/StdCtrls.h"
#include "platform/SysUtils.h"

#include <QStringList>

#include <functional>
#include <initializer_list>
#include <utility>

namespace {

// Every number is typed text; text that is no integer counts as -1 and so
// fails every range below.
bool InRange(const TControl* control, int low, int high) {
  const int value = StrToIntDef(control->Text(), -1);
  return value >= low && value <= high;
}

bool NotEmpty(const TControl* control) { return !control->Text().trimmed().isEmpty(); }

bool Shown(const TControl* control) { return control->Visible(); }

// The id of the first octet outside 0 to 255, counted up from the group's first
// id; 0 when all four pass.
int BadOctet(std::initializer_list<const TControl*> octets, int firstId) {
  int id = firstId;
  for (const TControl* octet : octets) {
    if (!InRange(octet, 0, 255)) return id;
    ++id;
  }
  return 0;
}

// A host name (dot-separated labels of letters, digits and hyphens, 1 to 63
// characters each, none starting or ending with a hyphen, 253 in all, the last
// one not all digits) or an IPv4 address. The device writes the address into
// its network server settings as it stands, so nothing else may reach it.
bool IsHostNameOrAddress(const QString& text) {
  if (text.isEmpty() || text.size() > 253) return false;
  const QStringList labels = text.split('.');
  if (labels.size() == 4) {
    bool dotted = true;
    for (const QString& octet : labels) {
      bool digits = !octet.isEmpty() && octet.size() <= 3;
      for (QChar c : octet) digits = digits && c >= '0' && c <= '9';
      dotted = dotted && digits && octet.toInt() <= 255;
    }
    if (dotted) return true;
  }
  for (const QString& label : labels) {
    if (label.isEmpty() || label.size() > 63 || label.startsWith('-') || label.endsWith('-')) return false;
    for (QChar c : label)
      if (!(c.unicode() < 0x80 && (c.isLetterOrNumber() || c == '-'))) return false;
  }
  bool allDigits = true;
  for (QChar c : labels.last()) allDigits = allDigits && c.isDigit();
  return !allDigits;
}

// The device stores each character of these texts as one byte.
bool FitsOneBytePerCharacter(const QString& text) {
  for (QChar c : text)
    if (c.unicode() > 0xFF) return false;
  return true;
}

// Access point: its address, its gateway when enabled, its DHCP server when enabled.
int CheckWiFiAccessPoint(const TFParGen& f) {
  if (int id = BadOctet({f.E_WiFi2_IP1_IP1, f.E_WiFi2_IP1_IP2, f.E_WiFi2_IP1_IP3, f.E_WiFi2_IP1_IP4}, 1184)) return id;
  if (int id = BadOctet({f.E_WiFi2_IP1_SM1, f.E_WiFi2_IP1_SM2, f.E_WiFi2_IP1_SM3, f.E_WiFi2_IP1_SM4}, 1188)) return id;
  if (f.CB_WiFi2_IP1_En_GAT->Checked())
    if (int id = BadOctet({f.E_WiFi2_IP1_GAT1, f.E_WiFi2_IP1_GAT2, f.E_WiFi2_IP1_GAT3, f.E_WiFi2_IP1_GAT4}, 1192))
      return id;
  if (!f.CB_WiFi2_En_DHCP->Checked()) return 0;
  if (int id = BadOctet(
          {f.E_WiFi2_DHCP_First_IP1, f.E_WiFi2_DHCP_First_IP2, f.E_WiFi2_DHCP_First_IP3, f.E_WiFi2_DHCP_First_IP4},
          1196))
    return id;
  if (int id = BadOctet({f.E_WiFi2_DHCP_SM1, f.E_WiFi2_DHCP_SM2, f.E_WiFi2_DHCP_SM3, f.E_WiFi2_DHCP_SM4}, 1200))
    return id;
  return InRange(f.E_WiFi2_Lease_Time, 1, 99999999) ? 0 : 1204;
}

// Station (or no type chosen): each address the layout shows and leaves enabled.
int CheckWiFiStation(const TFParGen& f) {
  if (Shown(f.E_WiFi2_IP1_IP1) && f.E_WiFi2_IP1_IP1->Enabled()) {
    if (int id = BadOctet({f.E_WiFi2_IP1_IP1, f.E_WiFi2_IP1_IP2, f.E_WiFi2_IP1_IP3, f.E_WiFi2_IP1_IP4}, 1205))
      return id;
    if (int id = BadOctet({f.E_WiFi2_IP1_SM1, f.E_WiFi2_IP1_SM2, f.E_WiFi2_IP1_SM3, f.E_WiFi2_IP1_SM4}, 1209))
      return id;
    if (f.CB_WiFi2_IP1_En_GAT->Checked())
      if (int id = BadOctet({f.E_WiFi2_IP1_GAT1, f.E_WiFi2_IP1_GAT2, f.E_WiFi2_IP1_GAT3, f.E_WiFi2_IP1_GAT4}, 1213))
        return id;
  }
  if (Shown(f.E_WiFi2_IP2_IP1) && f.E_WiFi2_IP2_IP1->Enabled()) {
    if (int id = BadOctet({f.E_WiFi2_IP2_IP1, f.E_WiFi2_IP2_IP2, f.E_WiFi2_IP2_IP3, f.E_WiFi2_IP2_IP4}, 1217))
      return id;
    if (int id = BadOctet({f.E_WiFi2_IP2_SM1, f.E_WiFi2_IP2_SM2, f.E_WiFi2_IP2_SM3, f.E_WiFi2_IP2_SM4}, 1221))
      return id;
    if (f.CB_WiFi2_IP2_En_GAT->Checked())
      if (int id = BadOctet({f.E_WiFi2_IP2_GAT1, f.E_WiFi2_IP2_GAT2, f.E_WiFi2_IP2_GAT3, f.E_WiFi2_IP2_GAT4}, 1225))
        return id;
  }
  return 0;
}

constexpr int LastDiagnosticPosition = 1536;
constexpr int DiagnosticMessage = 1408;
constexpr int ReservedModbusPort = 10000;
constexpr int BadServerAddressMessage = 1413;
constexpr int NotInCodePageMessage = 1414;

}  // namespace

bool TFParGen::Controllo_Dati() {
  // The caption of the field a code-page refusal names.
  QString refusedField;
  // Each step yields the id of its message, or 0 when it passes.
  const std::initializer_list<std::function<int()>> chain = {
      // Texts that go into the device image one byte per character.
      [&] {
        const std::pair<const TEdit*, const TLabel*> texts[] = {{E_EthConn_Device_Name, L_EthConn_Device_Name},
                                                                {E_WiFi2_SSID, L_WiFi2_SSID},
                                                                {E_WiFi2_Password, L_WiFi2_Password}};
        for (const auto& [edit, label] : texts)
          if (!FitsOneBytePerCharacter(edit->Text())) {
            refusedField = label->Caption();
            return NotInCodePageMessage;
          }
        return 0;
      },
      // Ethernet connection: the DNS servers, only when DNS is on.
      [&] {
        if (!CB_EthConn_Enable_DNS->Checked()) return 0;
        if (int id = BadOctet(
                {E_EthConn_Pri_DNS_IP1, E_EthConn_Pri_DNS_IP2, E_EthConn_Pri_DNS_IP3, E_EthConn_Pri_DNS_IP4}, 1051))
          return id;
        return BadOctet({E_EthConn_Sec_DNS_IP1, E_EthConn_Sec_DNS_IP2, E_EthConn_Sec_DNS_IP3, E_EthConn_Sec_DNS_IP4},
                        1055);
      },
      // LoRaWAN: a check runs only while its control is shown.
      [&] { return NotEmpty(CB_LoRaWAN_RF_Band) ? 0 : 1396; },
      [&] {
        return !Shown(E_LoRaWAN_Server_Address) || IsHostNameOrAddress(E_LoRaWAN_Server_Address->Text())
                   ? 0
                   : BadServerAddressMessage;
      },
      [&] { return !Shown(E_LoRaWAN_Server_Port_Up) || InRange(E_LoRaWAN_Server_Port_Up, 0, 65535) ? 0 : 1343; },
      [&] { return !Shown(E_LoRaWAN_Server_Port_Down) || InRange(E_LoRaWAN_Server_Port_Down, 0, 65535) ? 0 : 1344; },
      [&] {
        return !Shown(E_LoRaWAN_KeepAlive_Interval) || InRange(E_LoRaWAN_KeepAlive_Interval, 0, 10000000) ? 0 : 1345;
      },
      [&] { return !Shown(CB_LoRaWAN_Network_Type) || NotEmpty(CB_LoRaWAN_Network_Type) ? 0 : 1397; },
      [&] {
        return !Shown(E_LoRaWAN_Diag_Pos) || InRange(E_LoRaWAN_Diag_Pos, 0, LastDiagnosticPosition) ? 0
                                                                                                    : DiagnosticMessage;
      },
      [&] { return !Shown(CB_LoRaWAN_DataRate) || NotEmpty(CB_LoRaWAN_DataRate) ? 0 : 1398; },
      [&] { return !Shown(CB_LoRaWAN_Transmission_Type) || NotEmpty(CB_LoRaWAN_Transmission_Type) ? 0 : 1399; },
      [&] { return !Shown(E_LoRaWAN_Join_EUI) || E_LoRaWAN_Join_EUI->Text().size() >= 16 ? 0 : 1400; },
      [&] { return !Shown(CB_LoRaWAN_Activation_Method) || NotEmpty(CB_LoRaWAN_Activation_Method) ? 0 : 1401; },
      [&] { return !Shown(E_LoRaWAN_Device_Address) || E_LoRaWAN_Device_Address->Text().size() == 8 ? 0 : 1402; },
      [&] {
        return !Shown(E_LoRaWAN_Network_Session_Key) || E_LoRaWAN_Network_Session_Key->Text().size() == 32 ? 0 : 1403;
      },
      [&] {
        return !Shown(E_LoRaWAN_Application_Session_Key) || E_LoRaWAN_Application_Session_Key->Text().size() == 32
                   ? 0
                   : 1404;
      },
      [&] { return !Shown(E_LoRaWAN_Application_Key) || E_LoRaWAN_Application_Key->Text().size() == 32 ? 0 : 1405; },
      // Modbus TCP slave.
      [&] {
        if (int id = BadOctet({E_ModbusTCPSlave_IP1, E_ModbusTCPSlave_IP2, E_ModbusTCPSlave_IP3, E_ModbusTCPSlave_IP4},
                              1079))
          return id;
        return BadOctet({E_ModbusTCPSlave_SM1, E_ModbusTCPSlave_SM2, E_ModbusTCPSlave_SM3, E_ModbusTCPSlave_SM4}, 1083);
      },
      [&] {
        if (!CB_ModbusTCPSlave_En_GAT->Checked()) return 0;
        return BadOctet({E_ModbusTCPSlave_GAT1, E_ModbusTCPSlave_GAT2, E_ModbusTCPSlave_GAT3, E_ModbusTCPSlave_GAT4},
                        1087);
      },
      [&] {
        const bool ok = InRange(E_ModbusTCPSlave_Port, 0, 65535) &&
                        StrToIntDef(E_ModbusTCPSlave_Port->Text(), -1) != ReservedModbusPort;
        return ok ? 0 : 1091;
      },
      // Wi-Fi, whatever the device type: the access point's or the station's addresses.
      [&] { return CB_WiFi2_Type->ItemIndex() == 0 ? CheckWiFiAccessPoint(*this) : CheckWiFiStation(*this); },
  };
  for (const auto& step : chain) {
    const int id = step();
    if (id == 0) continue;
    QString text = LangText(id);
    if (id == DiagnosticMessage) text = Format(text, {LastDiagnosticPosition});
    if (id == NotInCodePageMessage) text = Format(text, {refusedField});
    MessageDlg(text, mtError, {mbOK});
    return false;
  }
  return true;
}
