// Which panels each model of the family shows, in which order, and the rows of
// the served model's panels. The served model is fixed when the program is built.
#include "parameters/UParGen.h"

#include "common/ShellState.h"
#include "common/UShared_Functions.h"
#include "parameters/UParGen_Rows.h"
#include "platform/CategoryPanels.h"
#include "platform/StdCtrls.h"

#include <initializer_list>
#include <string_view>

namespace G = ParGenGeometry;

namespace {

// A protocol side: its panel, its title text and its layout method.
struct TSide {
  TCategoryPanel* TFParGen::*Panel;
  int TitleId;
  void (TFParGen::*Layout)();
};

constexpr TSide Select_Device{&TFParGen::CP_Select_Device, 1035, &TFParGen::RePosition_Object_Select_Device};
constexpr TSide Ethernet_Connection{&TFParGen::CP_Ethernet_Connection, 406,
                                    &TFParGen::RePosition_Object_Ethernet_Connection};
constexpr TSide LoRaWAN{&TFParGen::CP_LoRaWAN, 1337, &TFParGen::RePosition_Object_LoRaWAN};
constexpr TSide Ethernet{&TFParGen::CP_Ethernet, 425, &TFParGen::RePosition_Object_Ethernet};
constexpr TSide Serial{&TFParGen::CP_Serial, 446, &TFParGen::RePosition_Object_Serial};
constexpr TSide Modbus_Master{&TFParGen::CP_Modbus_Master, 455, &TFParGen::RePosition_Object_Modbus_Master};
constexpr TSide Modbus_Slave{&TFParGen::CP_Modbus_Slave, 468, &TFParGen::RePosition_Object_Modbus_Slave};
constexpr TSide Modbus_TCP_Master{&TFParGen::CP_Modbus_TCP_Master, 481, &TFParGen::RePosition_Object_Modbus_TCP_Master};
constexpr TSide Modbus_TCP_Slave{&TFParGen::CP_Modbus_TCP_Slave, 502, &TFParGen::RePosition_Object_Modbus_TCP_Slave};
constexpr TSide BACnet_Master{&TFParGen::CP_BACnet_Master, 521, &TFParGen::RePosition_Object_BACnet_Master};
constexpr TSide BACnet_Slave{&TFParGen::CP_BACnet_Slave, 562, &TFParGen::RePosition_Object_BACnet_Slave};
constexpr TSide CAN{&TFParGen::CP_CAN, 605, &TFParGen::RePosition_Object_CAN};
constexpr TSide CANopen{&TFParGen::CP_CANopen, 608, &TFParGen::RePosition_Object_CANopen};
constexpr TSide DeviceNet_Master{&TFParGen::CP_DeviceNet_Master, 620, &TFParGen::RePosition_Object_DeviceNet_Master};
constexpr TSide DeviceNet_Slave{&TFParGen::CP_DeviceNet_Slave, 625, &TFParGen::RePosition_Object_DeviceNet_Slave};
constexpr TSide DMX{&TFParGen::CP_DMX, 634, &TFParGen::RePosition_Object_DMX};
constexpr TSide IEC61850_Client{&TFParGen::CP_IEC61850_Client, 639, &TFParGen::RePosition_Object_IEC61850_Client};
constexpr TSide IEC61850_Server{&TFParGen::CP_IEC61850_Server, 660, &TFParGen::RePosition_Object_IEC61850_Server};
constexpr TSide J1939{&TFParGen::CP_J1939, 681, &TFParGen::RePosition_Object_J1939};
constexpr TSide MQTT{&TFParGen::CP_MQTT, 690, &TFParGen::RePosition_Object_MQTT};
constexpr TSide WiFi2{&TFParGen::CP_WiFi2, 733, &TFParGen::RePosition_Object_WiFi2};
constexpr TSide TLS{&TFParGen::CP_TLS, 812, &TFParGen::RePosition_Object_TLS};
constexpr TSide NTP{&TFParGen::CP_NTP, 827, &TFParGen::RePosition_Object_NTP};
constexpr TSide NMEA2000{&TFParGen::CP_NMEA2000, 832, &TFParGen::RePosition_Object_NMEA2000};
constexpr TSide OPC_UA_Client{&TFParGen::CP_OPC_UA_Client, 839, &TFParGen::RePosition_Object_OPC_UA_Client};
constexpr TSide OPC_UA_Server{&TFParGen::CP_OPC_UA_Server, 856, &TFParGen::RePosition_Object_OPC_UA_Server};
constexpr TSide PROFINET{&TFParGen::CP_PROFINET, 875, &TFParGen::RePosition_Object_PROFINET};
constexpr TSide SNMP_Manager{&TFParGen::CP_SNMP_Manager, 903, &TFParGen::RePosition_Object_SNMP_Manager};
constexpr TSide SNMP_Agent{&TFParGen::CP_SNMP_Agent, 921, &TFParGen::RePosition_Object_SNMP_Agent};
constexpr TSide TLS_Server{&TFParGen::CP_TLS_Server, 960, &TFParGen::RePosition_Object_TLS_Server};
constexpr TSide EtherNetIP_Master{&TFParGen::CP_EtherNetIP_Master, 973, &TFParGen::RePosition_Object_EtherNetIP_Master};
constexpr TSide EtherNetIP{&TFParGen::CP_EtherNetIP, 992, &TFParGen::RePosition_Object_EtherNetIP};
constexpr TSide S7_Protocol{&TFParGen::CP_S7_Protocol, 1018, &TFParGen::RePosition_Object_S7comm};
constexpr TSide GSM_GPRS{&TFParGen::CP_GSM_GPRS, 1038, &TFParGen::RePosition_Object_GSM_GPRS};
constexpr TSide KNX{&TFParGen::CP_KNX, 1349, &TFParGen::RePosition_Object_KNX};
constexpr TSide PROFIBUS{&TFParGen::CP_PROFIBUS, 1355, &TFParGen::RePosition_Object_PROFIBUS};

// Rules that collapse and disable whole panels after the layout methods ran.
enum TPanelRule { prWiFi, prWiFiAndMobile, prBACnetMaster, prBACnetSlave };

struct TModel {
  std::string_view Code;
  std::initializer_list<TSide> Sides;
  std::initializer_list<TPanelRule> Rules;
};

constexpr TModel Models[] = {
    {"Z9KAA", {Ethernet_Connection, LoRaWAN, Modbus_Master, Ethernet}, {}},
    {"Z9KAB", {Ethernet_Connection, LoRaWAN, Modbus_Slave, Ethernet}, {}},
    {"Z9KAC", {Select_Device, Ethernet_Connection, LoRaWAN, Modbus_TCP_Master, WiFi2}, {prWiFi}},
    {"Z9KAD", {Select_Device, Ethernet_Connection, LoRaWAN, Modbus_TCP_Slave, WiFi2}, {prWiFi}},
    {"Z9KAE", {Ethernet_Connection, LoRaWAN, Serial, Ethernet}, {}},
    {"Z9KAF", {Select_Device, Ethernet_Connection, LoRaWAN, BACnet_Master, Ethernet, WiFi2}, {prBACnetMaster, prWiFi}},
    {"Z9KAG", {Select_Device, Ethernet_Connection, LoRaWAN, BACnet_Slave, Ethernet, WiFi2}, {prBACnetSlave, prWiFi}},
    {"Z9KAH", {Select_Device, Ethernet_Connection, LoRaWAN, Ethernet, WiFi2}, {prWiFi}},
    {"Z9KAJ", {Ethernet_Connection, LoRaWAN, CAN, Ethernet}, {}},
    {"Z9KAK", {Ethernet_Connection, LoRaWAN, CANopen, Ethernet}, {}},
    {"Z9KAL", {Ethernet_Connection, LoRaWAN, DeviceNet_Master, Ethernet}, {}},
    {"Z9KAM", {Ethernet_Connection, LoRaWAN, DeviceNet_Slave, Ethernet}, {}},
    {"Z9KAN", {Ethernet_Connection, LoRaWAN, DMX, Ethernet}, {}},
    {"Z9KAP", {Ethernet_Connection, LoRaWAN, EtherNetIP_Master}, {}},
    {"Z9KAQ", {Ethernet_Connection, LoRaWAN, EtherNetIP}, {}},
    {"Z9KAR", {Ethernet_Connection, LoRaWAN, J1939, Ethernet}, {}},
    {"Z9KAS", {Ethernet_Connection, LoRaWAN, KNX, Ethernet}, {}},
    {"Z9KAT", {Ethernet_Connection, LoRaWAN, NMEA2000, Ethernet}, {}},
    {"Z9KAU", {Ethernet_Connection, LoRaWAN, PROFIBUS, Ethernet}, {}},
    {"Z9KAV", {Ethernet_Connection, LoRaWAN, PROFINET}, {}},
    {"Z9KAW", {Select_Device, Ethernet_Connection, LoRaWAN, IEC61850_Client, WiFi2}, {prWiFi}},
    {"Z9KAX", {Select_Device, Ethernet_Connection, LoRaWAN, IEC61850_Server, TLS_Server, WiFi2}, {prWiFi}},
    {"Z9KAY",
     {Select_Device, Ethernet_Connection, LoRaWAN, MQTT, Ethernet, TLS, NTP, WiFi2, GSM_GPRS},
     {prWiFiAndMobile}},
    {"Z9KAZ", {Select_Device, Ethernet_Connection, LoRaWAN, OPC_UA_Client, NTP, WiFi2}, {prWiFi}},
    {"Z9KBA", {Select_Device, Ethernet_Connection, LoRaWAN, OPC_UA_Server, NTP, WiFi2}, {prWiFi}},
    {"Z9KBB", {Ethernet_Connection, LoRaWAN, S7_Protocol}, {}},
    {"Z9KBC", {Select_Device, Ethernet_Connection, LoRaWAN, SNMP_Manager, WiFi2}, {prWiFi}},
    {"Z9KBD", {Select_Device, Ethernet_Connection, LoRaWAN, SNMP_Agent, WiFi2}, {prWiFi}},
};

constexpr const TModel& ModelNamed(std::string_view code) {
  for (const TModel& model : Models)
    if (model.Code == code) return model;
  throw "unknown model";
}

// A panel is collapsed before it is disabled and enabled before it is expanded,
// so an expanded panel shows the height its method has just set.
void SetPanelOpen(TCategoryPanel* panel, bool open) {
  if (open) {
    panel->SetEnabled(true);
    panel->SetCollapsed(false);
  } else {
    panel->SetCollapsed(true);
    panel->SetEnabled(false);
  }
}

void ApplyRule(TFParGen& f, TPanelRule rule) {
  const int device = f.CB_Select_Device_Device->ItemIndex();
  switch (rule) {
    case prWiFi:
      if (device == 0 || device == 1) SetPanelOpen(f.CP_WiFi2, device == 1);
      break;
    case prWiFiAndMobile:
      SetPanelOpen(f.CP_WiFi2, device == 1);
      SetPanelOpen(f.CP_GSM_GPRS, device != 0 && device != 1);
      break;
    case prBACnetMaster: SetPanelOpen(f.CP_Ethernet, f.CB_BACnet_Master_Type->ItemIndex() != 0); break;
    case prBACnetSlave: SetPanelOpen(f.CP_Ethernet, f.CB_BACnet_Slave_Type->ItemIndex() != 0); break;
  }
}

void OrderPanels(TFParGen& f, const TModel& model) {
  for (const TSide& side : model.Sides) (f.*side.Panel)->Show();
  // The group stacks again at every move, so each panel in turn is put below
  // all the others: the model's order, one below the other.
  constexpr int BelowAll = 1 << 20;
  int number = 1;
  for (const TSide& side : model.Sides) {
    TCategoryPanel* panel = f.*side.Panel;
    panel->SetTop(BelowAll);
    panel->SetCaption(QString::number(number) + ". " + LangText(side.TitleId));
    panel->TabOrder = number - 1;
    ++number;
  }
}

void RunLayoutSequence(TFParGen& f, const TModel& model) {
  for (const TSide& side : model.Sides) (f.*side.Layout)();
  for (TPanelRule rule : model.Rules) ApplyRule(f, rule);
}

}  // namespace

#define QUILLORE_PARGEN_MODEL(code)                                                   \
  void TFParGen::Order_TAB_Panels_##code() { OrderPanels(*this, ModelNamed(#code)); } \
  void TFParGen::RePosition_Objects_##code() { RunLayoutSequence(*this, ModelNamed(#code)); }

QUILLORE_PARGEN_MODEL(Z9KAA)
QUILLORE_PARGEN_MODEL(Z9KAB)
QUILLORE_PARGEN_MODEL(Z9KAC)
QUILLORE_PARGEN_MODEL(Z9KAD)
QUILLORE_PARGEN_MODEL(Z9KAE)
QUILLORE_PARGEN_MODEL(Z9KAF)
QUILLORE_PARGEN_MODEL(Z9KAG)
QUILLORE_PARGEN_MODEL(Z9KAH)
QUILLORE_PARGEN_MODEL(Z9KAJ)
QUILLORE_PARGEN_MODEL(Z9KAK)
QUILLORE_PARGEN_MODEL(Z9KAL)
QUILLORE_PARGEN_MODEL(Z9KAM)
QUILLORE_PARGEN_MODEL(Z9KAN)
QUILLORE_PARGEN_MODEL(Z9KAP)
QUILLORE_PARGEN_MODEL(Z9KAQ)
QUILLORE_PARGEN_MODEL(Z9KAR)
QUILLORE_PARGEN_MODEL(Z9KAS)
QUILLORE_PARGEN_MODEL(Z9KAT)
QUILLORE_PARGEN_MODEL(Z9KAU)
QUILLORE_PARGEN_MODEL(Z9KAV)
QUILLORE_PARGEN_MODEL(Z9KAW)
QUILLORE_PARGEN_MODEL(Z9KAX)
QUILLORE_PARGEN_MODEL(Z9KAY)
QUILLORE_PARGEN_MODEL(Z9KAZ)
QUILLORE_PARGEN_MODEL(Z9KBA)
QUILLORE_PARGEN_MODEL(Z9KBB)
QUILLORE_PARGEN_MODEL(Z9KBC)
QUILLORE_PARGEN_MODEL(Z9KBD)

#undef QUILLORE_PARGEN_MODEL

// The served model.
void TFParGen::Order_TAB_Panels() { Order_TAB_Panels_Z9KAD(); }

void TFParGen::Move_GroupBoxs() { RePosition_Objects_Z9KAD(); }

// ---- the served model's panels ---------------------------------------------

void TFParGen::RePosition_Object_Select_Device() { SetPanelHeightFrom(CP_Select_Device, CB_Select_Device_Device); }

void TFParGen::RePosition_Object_Ethernet_Connection() {
  SetPanelHeightFrom(CP_Ethernet_Connection, E_EthConn_Sec_DNS_IP4);
  // Index 2 is the family's mobile connection, which has no Wi-Fi either.
  const int device = CB_Select_Device_Device->ItemIndex();
  CB_EthConn_En_DHCP_WiFi->SetEnabled(device != 0 && device != 2);
}

void TFParGen::RePosition_Object_Modbus_TCP_Slave() {
  const bool enabled = !CB_EthConn_En_DHCP_Cable->Checked();
  SetEnabledAll(
      {E_ModbusTCPSlave_IP1, E_ModbusTCPSlave_IP2, E_ModbusTCPSlave_IP3, E_ModbusTCPSlave_IP4, E_ModbusTCPSlave_SM1,
       E_ModbusTCPSlave_SM2, E_ModbusTCPSlave_SM3, E_ModbusTCPSlave_SM4, CB_ModbusTCPSlave_En_GAT,
       E_ModbusTCPSlave_GAT1, E_ModbusTCPSlave_GAT2, E_ModbusTCPSlave_GAT3, E_ModbusTCPSlave_GAT4},
      enabled);
  SetPanelHeightFrom(CP_Modbus_TCP_Slave, E_ModbusTCPSlave_Port);
}

void TFParGen::RePosition_Object_LoRaWAN() {
  const TParRow mode = LabelledRow(L_LoRaWAN_Mode, CB_LoRaWAN_Mode);
  const TParRow band = LabelledRow(L_LoRaWAN_RF_Band, CB_LoRaWAN_RF_Band);
  const TParRow server[] = {LabelledRow(L_LoRaWAN_Server_Address, E_LoRaWAN_Server_Address),
                            LabelledRow(L_LoRaWAN_Server_Port_Up, E_LoRaWAN_Server_Port_Up),
                            LabelledRow(L_LoRaWAN_Server_Port_Down, E_LoRaWAN_Server_Port_Down),
                            LabelledRow(L_LoRaWAN_KeepAlive_Interval, E_LoRaWAN_KeepAlive_Interval)};
  const TParRow network = LabelledRow(L_LoRaWAN_Network_Type, CB_LoRaWAN_Network_Type);
  const TParRow diag = LabelledRow(L_LoRaWAN_Diag_Pos, E_LoRaWAN_Diag_Pos);
  const TParRow rx2 = LabelledRow(L_LoRaWAN_RX2_Datarate, CB_LoRaWAN_RX2_Datarate);
  const TParRow subBand = LabelledRow(L_LoRaWAN_FreqSubBand, CB_LoRaWAN_FreqSubBand);
  const TParRow adr = CheckRow(CB_LoRaWAN_Adaptive_DataRate);
  // The end node's rows, from the data rate down to the activation method.
  const TParRow node[] = {LabelledRow(L_LoRaWAN_DataRate, CB_LoRaWAN_DataRate),
                          LabelledRow(L_LoRaWAN_Transmission_Type, CB_LoRaWAN_Transmission_Type),
                          LabelledRow(L_LoRaWAN_Join_EUI, E_LoRaWAN_Join_EUI),
                          LabelledRow(L_LoRaWAN_Activation_Method, CB_LoRaWAN_Activation_Method)};
  const TParRow abp[] = {LabelledRow(L_LoRaWAN_Device_Address, E_LoRaWAN_Device_Address),
                         LabelledRow(L_LoRaWAN_Network_Session_Key, E_LoRaWAN_Network_Session_Key),
                         LabelledRow(L_LoRaWAN_Application_Session_Key, E_LoRaWAN_Application_Session_Key)};
  const TParRow appKey = LabelledRow(L_LoRaWAN_Application_Key, E_LoRaWAN_Application_Key);
  const TParRow cls = LabelledRow(L_LoRaWAN_Class, CB_LoRaWAN_Class);

  mode.SetVisible(false);
  band.Place(G::FirstRowTop);
  const int t0 = L_LoRaWAN_RF_Band->Top();
  for (const TParRow& row : server) row.SetVisible(false);
  network.Place(t0 + G::RowPitch);
  network.SetVisible(true);

  const bool gateway = CB_LoRaWAN_Mode->ItemIndex() == 0;
  for (const TParRow* row : {&diag, &rx2}) row->SetVisible(gateway);
  adr.SetVisible(!gateway);
  for (const TParRow& row : node) row.SetVisible(!gateway);
  cls.SetVisible(!gateway);
  if (gateway) {
    diag.Place(t0 + 2 * G::RowPitch);
    rx2.Place(t0 + 3 * G::RowPitch);
    const bool us915 = CB_LoRaWAN_RF_Band->Text() == "US915";
    subBand.Place(t0 + 4 * G::RowPitch);
    subBand.SetVisible(us915);
    for (const TParRow& row : abp) row.SetVisible(false);
    appKey.SetVisible(false);
    SetPanelHeightFrom(CP_LoRaWAN, us915 ? CB_LoRaWAN_FreqSubBand : CB_LoRaWAN_RX2_Datarate);
    return;
  }
  subBand.SetVisible(false);
  adr.Place(t0 + 2 * G::RowPitch);
  for (int k = 0; k < 4; ++k) node[k].Place(t0 + (3 + k) * G::RowPitch);
  int next = t0 + 7 * G::RowPitch;
  const bool byPersonalization = CB_LoRaWAN_Activation_Method->ItemIndex() == 0;
  for (const TParRow& row : abp) {
    row.SetVisible(byPersonalization);
    if (!byPersonalization) continue;
    row.Place(next);
    next += G::RowPitch;
  }
  appKey.SetVisible(!byPersonalization);
  if (!byPersonalization) {
    appKey.Place(next);
    next += G::RowPitch;
  }
  cls.Place(next);
  SetPanelHeightFrom(CP_LoRaWAN, CB_LoRaWAN_Class);
}

namespace {

// The three rows of one Wi-Fi address: address, mask, gateway.
struct TWiFiBlock {
  TLabel* Title;
  TParRow Rows[3];

  void Place(int T) const {
    for (int k = 0; k < 3; ++k) Rows[k].Place(T + k * G::RowPitch);
  }
  void SetVisible(bool v) const {
    for (const TParRow& row : Rows) row.SetVisible(v);
  }
  // The block's 12 octet edits and its gateway box.
  void SetInputsEnabled(bool v) const {
    for (const TParRow& row : Rows) row.SetInputsEnabled(v);
    Rows[2].Caption->SetEnabled(v);
  }
};

std::vector<TControl*> Dots(const TOctetDots& dots) { return {dots.begin(), dots.end()}; }

}  // namespace

void TFParGen::RePosition_Object_WiFi2() {
  const TWiFiBlock block1{
      L_WiFi2_IP1,
      {AddressRow(L_WiFi2_IP1_IP, {E_WiFi2_IP1_IP1, E_WiFi2_IP1_IP2, E_WiFi2_IP1_IP3, E_WiFi2_IP1_IP4},
                  Dots(L_WiFi2_IP1_IP_Dot)),
       AddressRow(L_WiFi2_IP1_SM, {E_WiFi2_IP1_SM1, E_WiFi2_IP1_SM2, E_WiFi2_IP1_SM3, E_WiFi2_IP1_SM4},
                  Dots(L_WiFi2_IP1_SM_Dot)),
       GatewayRow(CB_WiFi2_IP1_En_GAT, {E_WiFi2_IP1_GAT1, E_WiFi2_IP1_GAT2, E_WiFi2_IP1_GAT3, E_WiFi2_IP1_GAT4},
                  Dots(L_WiFi2_IP1_GAT_Dot))}};
  const TWiFiBlock block2{
      L_WiFi2_IP2,
      {AddressRow(L_WiFi2_IP2_IP, {E_WiFi2_IP2_IP1, E_WiFi2_IP2_IP2, E_WiFi2_IP2_IP3, E_WiFi2_IP2_IP4},
                  Dots(L_WiFi2_IP2_IP_Dot)),
       AddressRow(L_WiFi2_IP2_SM, {E_WiFi2_IP2_SM1, E_WiFi2_IP2_SM2, E_WiFi2_IP2_SM3, E_WiFi2_IP2_SM4},
                  Dots(L_WiFi2_IP2_SM_Dot)),
       GatewayRow(CB_WiFi2_IP2_En_GAT, {E_WiFi2_IP2_GAT1, E_WiFi2_IP2_GAT2, E_WiFi2_IP2_GAT3, E_WiFi2_IP2_GAT4},
                  Dots(L_WiFi2_IP2_GAT_Dot))}};
  const TParRow ssid = LabelledRow(L_WiFi2_SSID, E_WiFi2_SSID);
  const TParRow password = LabelledRow(L_WiFi2_Password, E_WiFi2_Password);
  const TParRow security = LabelledRow(L_WiFi2_Secure_Type, CB_WiFi2_Secure_Type);
  const TParRow dhcp = CheckRow(CB_WiFi2_En_DHCP);
  const TParRow dhcpRows[] = {
      AddressRow(L_WiFi2_DHCP_First_IP,
                 {E_WiFi2_DHCP_First_IP1, E_WiFi2_DHCP_First_IP2, E_WiFi2_DHCP_First_IP3, E_WiFi2_DHCP_First_IP4},
                 Dots(L_WiFi2_DHCP_First_IP_Dot)),
      AddressRow(L_WiFi2_DHCP_SM, {E_WiFi2_DHCP_SM1, E_WiFi2_DHCP_SM2, E_WiFi2_DHCP_SM3, E_WiFi2_DHCP_SM4},
                 Dots(L_WiFi2_DHCP_SM_Dot)),
      LabelledRow(L_WiFi2_Lease_Time, E_WiFi2_Lease_Time)};
  const TParRow maxClient = LabelledRow(L_WiFi2_Max_Client, CB_WiFi2_Max_Client);
  const TParRow channel = LabelledRow(L_WiFi2_Channel, CB_WiFi2_Channel);
  const int t0 = L_WiFi2_Type->Top();

  if (CB_WiFi2_Type->ItemIndex() == 0) {
    // Access point: one address, the network it offers and its DHCP server.
    block1.Title->Hide();
    block1.Place(t0 + G::RowPitch);
    block1.SetVisible(true);
    block1.SetInputsEnabled(true);
    block2.Title->Hide();
    block2.SetVisible(false);
    ssid.Place(t0 + 4 * G::RowPitch);
    ssid.SetVisible(true);
    security.Place(t0 + 5 * G::RowPitch);
    security.SetVisible(true);
    int r = t0 + 6 * G::RowPitch;
    const bool secured = CB_WiFi2_Secure_Type->ItemIndex() >= 1;
    password.SetVisible(secured);
    if (secured) {
      password.Place(r);
      r += G::RowPitch;
    }
    dhcp.Place(r);
    dhcp.SetVisible(true);
    r += G::RowPitch;
    const bool dhcpOn = CB_WiFi2_En_DHCP->Checked();
    for (const TParRow& row : dhcpRows) {
      row.SetVisible(dhcpOn);
      if (!dhcpOn) continue;
      row.Place(r);
      r += G::RowPitch;
    }
    maxClient.Place(r);
    maxClient.SetVisible(true);
    channel.Place(r + G::RowPitch);
    channel.SetVisible(true);
    SetPanelHeightFrom(CP_WiFi2, CB_WiFi2_Channel);
    return;
  }

  // Station: an address per protocol side, each under its side's name when there are two.
  QString side1, side2;
  const int sides = GetModelProtocolNames(side1, side2);
  const bool automatic = CB_EthConn_En_DHCP_WiFi->Checked();
  int r = t0 + G::RowPitch;
  block1.Title->SetVisible(sides == 2);
  if (sides == 2) {
    block1.Title->SetTop(r);
    block1.Title->SetCaption("IP Address 1 - " + side1);
    r += G::RowPitch;
  }
  block1.Place(r);
  block1.SetVisible(true);
  block1.SetInputsEnabled(!automatic);
  r += 3 * G::RowPitch;
  block2.Title->SetVisible(sides == 2);
  block2.SetVisible(sides == 2);
  if (sides == 2) {
    block2.Title->SetTop(r);
    block2.Title->SetCaption("IP Address 2 - " + side2);
    block2.Place(r + G::RowPitch);
    block2.SetInputsEnabled(!automatic);
    r += 4 * G::RowPitch;
  }
  ssid.Place(r);
  ssid.SetVisible(true);
  password.Place(r + G::RowPitch);
  password.SetVisible(true);
  security.SetVisible(false);
  dhcp.SetVisible(false);
  for (const TParRow& row : dhcpRows) row.SetVisible(false);
  maxClient.SetVisible(false);
  channel.SetVisible(false);
  SetPanelHeightFrom(CP_WiFi2, E_WiFi2_Password);
}
