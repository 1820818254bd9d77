#include "parameters/UParGen.h"

#include "common/FormKit.h"
#include "common/ShellState.h"
#include "common/button/LbButton.h"
#include "platform/CategoryPanels.h"
#include "platform/Dialogs.h"
#include "platform/ExtCtrls.h"
#include "platform/StdCtrls.h"

#include <initializer_list>

TFParGen* FParGen = nullptr;

namespace {
constexpr int FormClientWidth = 460;
constexpr int FormClientHeight = 700;
constexpr int ExitQuestionText = 1336;
constexpr int DeviceTypeTexts[] = {1346, 1347};

// Row geometry of every panel: labels and boxes on the left, inputs on the right.
constexpr int LabelLeft = 14;
constexpr int InputLeft = 191;
constexpr int InputWidth = 238;
constexpr int EditHeight = 21;
constexpr int ComboHeight = 22;
constexpr int CheckHeight = 17;
constexpr int OctetWidth = 55;
constexpr int OctetLefts[4] = {191, 252, 313, 374};
constexpr int DotLefts[3] = {247, 308, 369};
constexpr int RowStep = 28;
constexpr int FirstRow = 12;
constexpr int FullCheckWidth = 415;
constexpr int GatewayCheckWidth = 170;

// Lengths of the device's own text fields.
constexpr int DeviceNameLength = 31;
constexpr int SsidLength = 32;
constexpr int PasswordLength = 64;
constexpr int JoinEuiLength = 16;
constexpr int DeviceAddressLength = 8;
constexpr int KeyLength = 32;

constexpr int Row(int k) { return FirstRow + RowStep * k; }

// Puts the rows of one panel at their designed places, with the form's events bound.
class TRowBuilder {
public:
  TRowBuilder(TFParGen* form, TCategoryPanel* panel) : FForm(form), FPanel(panel) {}

  TLabel* Label(int T) {
    auto* l = new TLabel(FForm);
    l->SetParent(FPanel);
    l->SetBounds(LabelLeft, T, 160, 13);
    return l;
  }

  TEdit* Edit(int T, int maxLength = 0) {
    auto* e = new TEdit(FForm);
    e->SetParent(FPanel);
    e->SetBounds(InputLeft, T - 3, InputWidth, EditHeight);
    if (maxLength > 0) e->SetMaxLength(maxLength);
    e->OnChange = [f = FForm](TObject* s) { f->On_Change(s); };
    return e;
  }

  TEdit* HexEdit(int T, int maxLength) {
    TEdit* e = Edit(T, maxLength);
    e->OnKeyPress = [f = FForm](TObject* s, QChar& k) { f->OnKeyPress(s, k); };
    return e;
  }

  TComboBox* Combo(int T, std::initializer_list<const char*> items = {}) {
    auto* c = new TComboBox(FForm);
    c->SetParent(FPanel);
    c->SetStyle(csDropDownList);
    c->SetBounds(InputLeft, T - 3, InputWidth, ComboHeight);
    for (const char* item : items) c->Items().Add(QString::fromLatin1(item));
    if (c->Items().Count() > 0) c->SetItemIndex(0);
    c->OnChange = [f = FForm](TObject* s) { f->On_Change(s); };
    return c;
  }

  TCheckBox* Check(int T, int width = FullCheckWidth) {
    auto* c = new TCheckBox(FForm);
    c->SetParent(FPanel);
    c->SetBounds(LabelLeft, T, width, CheckHeight);
    c->OnClick = [f = FForm](TObject* s) { f->On_Click(s); };
    return c;
  }

  // Four octet edits with "." between them; `editTop` is T - 3, or T - 2 beside a box.
  void Address(int T, int editTop, std::initializer_list<TEdit**> octets, TOctetDots& dots) {
    int i = 0;
    for (TEdit** slot : octets) {
      auto* e = new TEdit(FForm);
      e->SetParent(FPanel);
      e->SetBounds(OctetLefts[i++], editTop, OctetWidth, EditHeight);
      e->OnChange = [f = FForm](TObject* s) { f->On_Change(s); };
      e->OnKeyPress = [f = FForm](TObject* s, QChar& k) { f->KeyPress(s, k); };
      *slot = e;
    }
    for (int d = 0; d < 3; ++d) {
      dots[size_t(d)] = Label(T);
      dots[size_t(d)]->SetLeft(DotLefts[d]);
      dots[size_t(d)]->SetCaption(".");
    }
  }

  void AddressRow(int T, std::initializer_list<TEdit**> octets, TOctetDots& dots) { Address(T, T - 3, octets, dots); }
  void GatewayRow(int T, std::initializer_list<TEdit**> octets, TOctetDots& dots) { Address(T, T - 2, octets, dots); }

private:
  TFParGen* FForm;
  TCategoryPanel* FPanel;
};

}  // namespace

TFParGen::TFParGen(TComponent* AOwner) : TForm(AOwner) {
  ApplyHouseForm(this);
  BorderIcons = biSystemMenu;
  SetBorderStyle(bsSizeable);
  Position = poScreenCenter;
  SetClientWidth(FormClientWidth);
  SetClientHeight(FormClientHeight);
  Create_Title_And_Buttons();
  Create_Panels();
  Create_Select_Device();
  Create_Ethernet_Connection();
  Create_LoRaWAN();
  Create_Modbus_TCP_Slave();
  Create_WiFi2();
  Create_Other_Panels();
  Link_Octet_Chains();
  OnCreate = [this](TObject* s) { FormCreate(s); };
  OnShow = [this](TObject* s) { FormShow(s); };
  OnResize = [this](TObject* s) { FormResize(s); };
  OnMouseWheel = [this](TObject* s, TShiftState sh, int d, TPoint p, bool& h) { FormMouseWheel(s, sh, d, p, h); };
}

void TFParGen::Create_Title_And_Buttons() {
  P_Title = MakeBandPanel(this, alTop, HouseLook::TitlePanelHeight);
  L_SW_Code = Make<TLabel>(this, P_Title, {12, 6, 300, 39});
  L_SW_Code->Font().SetName(HouseLook::FontName);
  L_SW_Code->Font().SetSize(24);
  L_SW_Code->Font().SetColor(clGray);
  L_SW_Desc = Make<TLabel>(this, P_Title, {14, 47, 400, 13});
  L_SW_Desc->Font().SetName(HouseLook::FontName);
  L_SW_Desc->Font().SetSize(HouseLook::FontSize);
  L_SW_Desc->Font().SetStyle({fsBold});
  L_SW_Desc->Font().SetColor(clGray);

  // OK and Cancel close the form only through their click handlers.
  P_Button = MakeBandPanel(this, alBottom, HouseLook::ButtonPanelHeight);
  Btn_OK = MakeHouseButton(this, P_Button, {217, 6, 110, 28});
  Btn_OK->OnClick = [this](TObject* s) { Btn_OKClick(s); };
  Btn_Cancel = MakeHouseButton(this, P_Button, {333, 6, 110, 28});
  Btn_Cancel->OnClick = [this](TObject* s) { Btn_CancelClick(s); };
}

void TFParGen::Create_Panels() {
  CPG = new TCategoryPanelGroup(this);
  CPG->SetParent(this);
  CPG->SetAlign(alClient);
  CPG->SetColor(HouseLook::FormColor);
  CPG->VertScrollTracking = true;
  CPG->HeaderFont().SetName(HouseLook::FontName);
  CPG->HeaderFont().SetSize(8);
  CPG->HeaderFont().SetStyle({fsBold});
  CPG->HeaderFont().SetColor(clGray);
  for (TCategoryPanel** slot : {&CP_Ethernet_Connection,
                                &CP_Ethernet,
                                &CP_Serial,
                                &CP_Modbus_Master,
                                &CP_Modbus_Slave,
                                &CP_Modbus_TCP_Master,
                                &CP_Modbus_TCP_Slave,
                                &CP_BACnet_Master,
                                &CP_BACnet_Slave,
                                &CP_CAN,
                                &CP_CANopen,
                                &CP_DeviceNet_Master,
                                &CP_DeviceNet_Slave,
                                &CP_DMX,
                                &CP_IEC61850_Client,
                                &CP_IEC61850_Server,
                                &CP_J1939,
                                &CP_MQTT,
                                &CP_WiFi2,
                                &CP_TLS,
                                &CP_NTP,
                                &CP_NMEA2000,
                                &CP_OPC_UA_Client,
                                &CP_OPC_UA_Server,
                                &CP_PROFINET,
                                &CP_SNMP_Manager,
                                &CP_SNMP_Agent,
                                &CP_TLS_Server,
                                &CP_EtherNetIP_Master,
                                &CP_EtherNetIP,
                                &CP_S7_Protocol,
                                &CP_Select_Device,
                                &CP_GSM_GPRS,
                                &CP_LoRaWAN,
                                &CP_KNX,
                                &CP_PROFIBUS}) {
    auto* p = new TCategoryPanel(this);
    p->SetPanelGroup(CPG);
    p->SetColor(HouseLook::FormColor);
    *slot = p;
  }
}

void TFParGen::Create_Select_Device() {
  TRowBuilder b(this, CP_Select_Device);
  L_Select_Device_Device = b.Label(Row(0));
  CB_Select_Device_Device = b.Combo(Row(0), {"Only Ethernet Cable", "Ethernet Cable + Wi-Fi"});
}

void TFParGen::Create_Ethernet_Connection() {
  TRowBuilder b(this, CP_Ethernet_Connection);
  L_EthConn_Device_Name = b.Label(Row(0));
  E_EthConn_Device_Name = b.Edit(Row(0), DeviceNameLength);
  CB_EthConn_En_DHCP_Cable = b.Check(Row(1));
  CB_EthConn_En_DHCP_WiFi = b.Check(Row(2));
  CB_EthConn_Enable_DNS = b.Check(Row(3));
  L_EthConn_Primary_DNS = b.Label(Row(4));
  b.AddressRow(Row(4), {&E_EthConn_Pri_DNS_IP1, &E_EthConn_Pri_DNS_IP2, &E_EthConn_Pri_DNS_IP3, &E_EthConn_Pri_DNS_IP4},
               L_EthConn_Pri_DNS_IP_Dot);
  L_EthConn_Secondary_DNS = b.Label(Row(5));
  b.AddressRow(Row(5), {&E_EthConn_Sec_DNS_IP1, &E_EthConn_Sec_DNS_IP2, &E_EthConn_Sec_DNS_IP3, &E_EthConn_Sec_DNS_IP4},
               L_EthConn_Sec_DNS_IP_Dot);
}

void TFParGen::Create_LoRaWAN() {
  TRowBuilder b(this, CP_LoRaWAN);
  L_LoRaWAN_Mode = b.Label(Row(0));
  CB_LoRaWAN_Mode = b.Combo(Row(0), {"Gateway", "End Node"});
  L_LoRaWAN_RF_Band = b.Label(Row(1));
  CB_LoRaWAN_RF_Band = b.Combo(Row(1), {"EU868", "US915", "KR920", "AS923"});
  L_LoRaWAN_Server_Address = b.Label(Row(2));
  E_LoRaWAN_Server_Address = b.Edit(Row(2));
  L_LoRaWAN_Server_Port_Up = b.Label(Row(3));
  E_LoRaWAN_Server_Port_Up = b.Edit(Row(3));
  L_LoRaWAN_Server_Port_Down = b.Label(Row(4));
  E_LoRaWAN_Server_Port_Down = b.Edit(Row(4));
  L_LoRaWAN_KeepAlive_Interval = b.Label(Row(5));
  E_LoRaWAN_KeepAlive_Interval = b.Edit(Row(5));
  L_LoRaWAN_Network_Type = b.Label(Row(6));
  CB_LoRaWAN_Network_Type = b.Combo(Row(6), {"Private", "Public"});
  L_LoRaWAN_Diag_Pos = b.Label(Row(7));
  E_LoRaWAN_Diag_Pos = b.Edit(Row(7));
  CB_LoRaWAN_Adaptive_DataRate = b.Check(Row(8));
  L_LoRaWAN_DataRate = b.Label(Row(9));
  CB_LoRaWAN_DataRate = b.Combo(Row(9));
  L_LoRaWAN_Transmission_Type = b.Label(Row(10));
  CB_LoRaWAN_Transmission_Type = b.Combo(Row(10), {"Unconfirmed", "Confirmed"});
  L_LoRaWAN_Join_EUI = b.Label(Row(11));
  E_LoRaWAN_Join_EUI = b.HexEdit(Row(11), JoinEuiLength);
  L_LoRaWAN_Activation_Method = b.Label(Row(12));
  CB_LoRaWAN_Activation_Method =
      b.Combo(Row(12), {"Activation by Personalization [ABP]", "Over-the-Air Activation [OTAA]"});
  L_LoRaWAN_Device_Address = b.Label(Row(13));
  E_LoRaWAN_Device_Address = b.HexEdit(Row(13), DeviceAddressLength);
  L_LoRaWAN_Network_Session_Key = b.Label(Row(14));
  E_LoRaWAN_Network_Session_Key = b.HexEdit(Row(14), KeyLength);
  L_LoRaWAN_Application_Session_Key = b.Label(Row(15));
  E_LoRaWAN_Application_Session_Key = b.HexEdit(Row(15), KeyLength);
  L_LoRaWAN_Application_Key = b.Label(Row(16));
  E_LoRaWAN_Application_Key = b.HexEdit(Row(16), KeyLength);
  L_LoRaWAN_Class = b.Label(Row(17));
  CB_LoRaWAN_Class = b.Combo(Row(17), {"A", "B", "C"});
  L_LoRaWAN_RX2_Datarate = b.Label(Row(18));
  CB_LoRaWAN_RX2_Datarate = b.Combo(Row(18));
  L_LoRaWAN_FreqSubBand = b.Label(Row(19));
  CB_LoRaWAN_FreqSubBand = b.Combo(Row(19), {"1", "2", "3", "4", "5", "6", "7", "8"});
}

void TFParGen::Create_Modbus_TCP_Slave() {
  TRowBuilder b(this, CP_Modbus_TCP_Slave);
  L_ModbusTCPSlave_IP = b.Label(Row(0));
  b.AddressRow(Row(0), {&E_ModbusTCPSlave_IP1, &E_ModbusTCPSlave_IP2, &E_ModbusTCPSlave_IP3, &E_ModbusTCPSlave_IP4},
               L_ModbusTCPSlave_IP_Dot);
  L_ModbusTCPSlave_SM = b.Label(Row(1));
  b.AddressRow(Row(1), {&E_ModbusTCPSlave_SM1, &E_ModbusTCPSlave_SM2, &E_ModbusTCPSlave_SM3, &E_ModbusTCPSlave_SM4},
               L_ModbusTCPSlave_SM_Dot);
  CB_ModbusTCPSlave_En_GAT = b.Check(Row(2), GatewayCheckWidth);
  b.GatewayRow(Row(2), {&E_ModbusTCPSlave_GAT1, &E_ModbusTCPSlave_GAT2, &E_ModbusTCPSlave_GAT3, &E_ModbusTCPSlave_GAT4},
               L_ModbusTCPSlave_GAT_Dot);
  L_ModbusTCPSlave_Port = b.Label(Row(3));
  E_ModbusTCPSlave_Port = b.Edit(Row(3));
}

void TFParGen::Create_WiFi2() {
  TRowBuilder b(this, CP_WiFi2);
  L_WiFi2_Type = b.Label(Row(0));
  CB_WiFi2_Type = b.Combo(Row(0));
  L_WiFi2_IP1 = b.Label(Row(1));
  L_WiFi2_IP1_IP = b.Label(Row(2));
  b.AddressRow(Row(2), {&E_WiFi2_IP1_IP1, &E_WiFi2_IP1_IP2, &E_WiFi2_IP1_IP3, &E_WiFi2_IP1_IP4}, L_WiFi2_IP1_IP_Dot);
  L_WiFi2_IP1_SM = b.Label(Row(3));
  b.AddressRow(Row(3), {&E_WiFi2_IP1_SM1, &E_WiFi2_IP1_SM2, &E_WiFi2_IP1_SM3, &E_WiFi2_IP1_SM4}, L_WiFi2_IP1_SM_Dot);
  CB_WiFi2_IP1_En_GAT = b.Check(Row(4), GatewayCheckWidth);
  b.GatewayRow(Row(4), {&E_WiFi2_IP1_GAT1, &E_WiFi2_IP1_GAT2, &E_WiFi2_IP1_GAT3, &E_WiFi2_IP1_GAT4},
               L_WiFi2_IP1_GAT_Dot);
  L_WiFi2_IP2 = b.Label(Row(5));
  L_WiFi2_IP2_IP = b.Label(Row(6));
  b.AddressRow(Row(6), {&E_WiFi2_IP2_IP1, &E_WiFi2_IP2_IP2, &E_WiFi2_IP2_IP3, &E_WiFi2_IP2_IP4}, L_WiFi2_IP2_IP_Dot);
  L_WiFi2_IP2_SM = b.Label(Row(7));
  b.AddressRow(Row(7), {&E_WiFi2_IP2_SM1, &E_WiFi2_IP2_SM2, &E_WiFi2_IP2_SM3, &E_WiFi2_IP2_SM4}, L_WiFi2_IP2_SM_Dot);
  CB_WiFi2_IP2_En_GAT = b.Check(Row(8), GatewayCheckWidth);
  b.GatewayRow(Row(8), {&E_WiFi2_IP2_GAT1, &E_WiFi2_IP2_GAT2, &E_WiFi2_IP2_GAT3, &E_WiFi2_IP2_GAT4},
               L_WiFi2_IP2_GAT_Dot);
  L_WiFi2_SSID = b.Label(Row(9));
  E_WiFi2_SSID = b.Edit(Row(9), SsidLength);
  L_WiFi2_Password = b.Label(Row(10));
  E_WiFi2_Password = b.Edit(Row(10), PasswordLength);
  L_WiFi2_Secure_Type = b.Label(Row(11));
  CB_WiFi2_Secure_Type = b.Combo(Row(11));
  CB_WiFi2_En_DHCP = b.Check(Row(12));
  L_WiFi2_DHCP_First_IP = b.Label(Row(13));
  b.AddressRow(Row(13),
               {&E_WiFi2_DHCP_First_IP1, &E_WiFi2_DHCP_First_IP2, &E_WiFi2_DHCP_First_IP3, &E_WiFi2_DHCP_First_IP4},
               L_WiFi2_DHCP_First_IP_Dot);
  L_WiFi2_DHCP_SM = b.Label(Row(14));
  b.AddressRow(Row(14), {&E_WiFi2_DHCP_SM1, &E_WiFi2_DHCP_SM2, &E_WiFi2_DHCP_SM3, &E_WiFi2_DHCP_SM4},
               L_WiFi2_DHCP_SM_Dot);
  L_WiFi2_Lease_Time = b.Label(Row(15));
  E_WiFi2_Lease_Time = b.Edit(Row(15));
  L_WiFi2_Max_Client = b.Label(Row(16));
  CB_WiFi2_Max_Client = b.Combo(Row(16), {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"});
  L_WiFi2_Channel = b.Label(Row(17));
  CB_WiFi2_Channel = b.Combo(Row(17));
}

void TFParGen::FormCreate(TObject*) {
  L_SW_Code->SetCaption(SoftwareCode);
  SetClientWidth(FormClientWidth);
  SetClientHeight(FormClientHeight);
  for (int i = 0; i < CPG->PanelCount(); ++i) CPG->Panels(i)->Hide();
  Order_TAB_Panels();
  Move_GroupBoxs();
  TStringList& devices = CB_Select_Device_Device->Items();
  devices.Clear();
  for (int id : DeviceTypeTexts) devices.Add(LangText(id));
  CB_Select_Device_Device->SetItemIndex(0);
  Set_Lang();
}

void TFParGen::FormShow(TObject*) {
  Read_File();
  // Loading fired the change events; what the user sees now is unchanged.
  Is_Change = false;
  Move_GroupBoxs();
}

void TFParGen::FormResize(TObject*) {
  if (ClientWidth() != FormClientWidth) SetClientWidth(FormClientWidth);
}

void TFParGen::FormMouseWheel(TObject*, TShiftState, int WheelDelta, TPoint MousePos, bool& Handled) {
  const TPoint p = CPG->ScreenToClient(MousePos);
  Handled = CPG->ClientRect().Contains(p);
  if (!Handled) return;
  const WPARAM step = WheelDelta > 0 ? SB_LINEUP : SB_LINEDOWN;
  for (int i = 0; i < WheelScrollLines(); ++i) {
    CPG->Perform(WM_VSCROLL, step, 0);
    CPG->Perform(WM_VSCROLL, SB_ENDSCROLL, 0);
  }
}

void TFParGen::Btn_OKClick(TObject*) {
  if (!Controllo_Dati()) return;
  if (!Write_File()) return;
  SetModalResult(mrOk);
}

void TFParGen::Btn_CancelClick(TObject*) {
  if (Is_Change && MessageDlg(LangText(ExitQuestionText), mtConfirmation, mbYesNo) != mrYes) return;
  SetModalResult(mrCancel);
}

void TFParGen::On_Change(TObject* Sender) {
  Is_Change = true;
  const bool relayout = Sender == CB_Select_Device_Device || Sender == CB_LoRaWAN_Mode ||
                        Sender == CB_LoRaWAN_RF_Band || Sender == CB_LoRaWAN_Activation_Method ||
                        Sender == CB_WiFi2_Type || Sender == CB_WiFi2_Secure_Type ||
                        Other_Panels_Relayout_On_Change(Sender);
  if (relayout) Move_GroupBoxs();
  if (Sender == CB_LoRaWAN_RF_Band) Change_LoRaWAN_DataRate();
}

void TFParGen::On_Click(TObject* Sender) {
  Is_Change = true;
  if (Sender == CB_EthConn_En_DHCP_Cable || Sender == CB_EthConn_En_DHCP_WiFi || Sender == CB_WiFi2_En_DHCP ||
      Other_Panels_Relayout_On_Click(Sender))
    Move_GroupBoxs();
}

void TFParGen::KeyPress(TObject* Sender, QChar& Key) {
  if (Key != '.') return;
  Key = QChar();
  const auto next = FOctetSuccessor.find(Sender);
  if (next == FOctetSuccessor.end() || !next->second->CanFocus()) return;
  next->second->SetFocus();
  next->second->SelectAll();
}

void TFParGen::OnKeyPress(TObject*, QChar& Key) {
  const char16_t c = Key.unicode();
  const bool hexDigit = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
  if (!hexDigit && c > 32) Key = QChar();
}

void TFParGen::Link_Octet_Chains() {
  const std::initializer_list<TEdit*> chains[] = {
      {E_EthConn_Pri_DNS_IP1, E_EthConn_Pri_DNS_IP2, E_EthConn_Pri_DNS_IP3, E_EthConn_Pri_DNS_IP4,
       E_EthConn_Sec_DNS_IP1, E_EthConn_Sec_DNS_IP2, E_EthConn_Sec_DNS_IP3, E_EthConn_Sec_DNS_IP4},
      {E_ModbusTCPSlave_IP1, E_ModbusTCPSlave_IP2, E_ModbusTCPSlave_IP3, E_ModbusTCPSlave_IP4, E_ModbusTCPSlave_SM1,
       E_ModbusTCPSlave_SM2, E_ModbusTCPSlave_SM3, E_ModbusTCPSlave_SM4, E_ModbusTCPSlave_GAT1, E_ModbusTCPSlave_GAT2,
       E_ModbusTCPSlave_GAT3, E_ModbusTCPSlave_GAT4},
      {E_WiFi2_IP1_IP1, E_WiFi2_IP1_IP2, E_WiFi2_IP1_IP3, E_WiFi2_IP1_IP4, E_WiFi2_IP1_SM1, E_WiFi2_IP1_SM2,
       E_WiFi2_IP1_SM3, E_WiFi2_IP1_SM4, E_WiFi2_IP1_GAT1, E_WiFi2_IP1_GAT2, E_WiFi2_IP1_GAT3, E_WiFi2_IP1_GAT4},
      {E_WiFi2_IP2_IP1, E_WiFi2_IP2_IP2, E_WiFi2_IP2_IP3, E_WiFi2_IP2_IP4, E_WiFi2_IP2_SM1, E_WiFi2_IP2_SM2,
       E_WiFi2_IP2_SM3, E_WiFi2_IP2_SM4, E_WiFi2_IP2_GAT1, E_WiFi2_IP2_GAT2, E_WiFi2_IP2_GAT3, E_WiFi2_IP2_GAT4},
      {E_WiFi2_DHCP_First_IP1, E_WiFi2_DHCP_First_IP2, E_WiFi2_DHCP_First_IP3, E_WiFi2_DHCP_First_IP4, E_WiFi2_DHCP_SM1,
       E_WiFi2_DHCP_SM2, E_WiFi2_DHCP_SM3, E_WiFi2_DHCP_SM4},
  };
  for (const auto& chain : chains) {
    TEdit* previous = nullptr;
    for (TEdit* e : chain) {
      if (previous) FOctetSuccessor[previous] = e;
      previous = e;
    }
  }
}
