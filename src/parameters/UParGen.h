// The general parameters of the device of the open project (ParGen.xml): one
// category panel per protocol side of the family, of which the served model
// shows its own; read when shown, checked and written on OK.
#pragma once

#include "parameters/UParGen_OtherPanels.h"
#include "platform/Forms.h"
#include "platform/Xml.h"

#include <array>
#include <map>

class TCategoryPanel;
class TCategoryPanelGroup;
class TCheckBox;
class TComboBox;
class TEdit;
class TLabel;
class TLbButton;
class TPanel;

// The three "." labels between the four octet edits of an address row.
using TOctetDots = std::array<TLabel*, 3>;

class TFParGen : public TForm, public TParGenOtherPanels {
public:
  explicit TFParGen(TComponent* AOwner);

  // Events, bound in the constructor.
  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
  void FormResize(TObject* Sender);
  void FormMouseWheel(TObject* Sender, TShiftState Shift, int WheelDelta, TPoint MousePos, bool& Handled);
  void Btn_OKClick(TObject* Sender);
  void Btn_CancelClick(TObject* Sender);
  // Change of an edit or combo box / click of a check box.
  void On_Change(TObject* Sender);
  void On_Click(TObject* Sender);
  // Octet edits: "." moves to the next octet and is never inserted.
  void KeyPress(TObject* Sender, QChar& Key);
  // Hexadecimal edits: only hex digits and control characters pass.
  void OnKeyPress(TObject* Sender, QChar& Key);

  // Puts every text of the form from LanguageTexts.
  void Set_Lang();
  // The check of every value before saving; false after showing the first failure.
  bool Controllo_Dati();
  // Refills the data-rate and RX2 lists for the selected RF band.
  void Change_LoRaWAN_DataRate();
  // Shows the served model's panels in order (once, at creation).
  void Order_TAB_Panels();
  // Lays out the served model's panels from the current values.
  void Move_GroupBoxs();

  // Panel order and layout sequence of each model of the family.
  void Order_TAB_Panels_Z9KAA();
  void Order_TAB_Panels_Z9KAB();
  void Order_TAB_Panels_Z9KAC();
  void Order_TAB_Panels_Z9KAD();
  void Order_TAB_Panels_Z9KAE();
  void Order_TAB_Panels_Z9KAF();
  void Order_TAB_Panels_Z9KAG();
  void Order_TAB_Panels_Z9KAH();
  void Order_TAB_Panels_Z9KAJ();
  void Order_TAB_Panels_Z9KAK();
  void Order_TAB_Panels_Z9KAL();
  void Order_TAB_Panels_Z9KAM();
  void Order_TAB_Panels_Z9KAN();
  void Order_TAB_Panels_Z9KAP();
  void Order_TAB_Panels_Z9KAQ();
  void Order_TAB_Panels_Z9KAR();
  void Order_TAB_Panels_Z9KAS();
  void Order_TAB_Panels_Z9KAT();
  void Order_TAB_Panels_Z9KAU();
  void Order_TAB_Panels_Z9KAV();
  void Order_TAB_Panels_Z9KAW();
  void Order_TAB_Panels_Z9KAX();
  void Order_TAB_Panels_Z9KAY();
  void Order_TAB_Panels_Z9KAZ();
  void Order_TAB_Panels_Z9KBA();
  void Order_TAB_Panels_Z9KBB();
  void Order_TAB_Panels_Z9KBC();
  void Order_TAB_Panels_Z9KBD();
  void RePosition_Objects_Z9KAA();
  void RePosition_Objects_Z9KAB();
  void RePosition_Objects_Z9KAC();
  void RePosition_Objects_Z9KAD();
  void RePosition_Objects_Z9KAE();
  void RePosition_Objects_Z9KAF();
  void RePosition_Objects_Z9KAG();
  void RePosition_Objects_Z9KAH();
  void RePosition_Objects_Z9KAJ();
  void RePosition_Objects_Z9KAK();
  void RePosition_Objects_Z9KAL();
  void RePosition_Objects_Z9KAM();
  void RePosition_Objects_Z9KAN();
  void RePosition_Objects_Z9KAP();
  void RePosition_Objects_Z9KAQ();
  void RePosition_Objects_Z9KAR();
  void RePosition_Objects_Z9KAS();
  void RePosition_Objects_Z9KAT();
  void RePosition_Objects_Z9KAU();
  void RePosition_Objects_Z9KAV();
  void RePosition_Objects_Z9KAW();
  void RePosition_Objects_Z9KAX();
  void RePosition_Objects_Z9KAY();
  void RePosition_Objects_Z9KAZ();
  void RePosition_Objects_Z9KBA();
  void RePosition_Objects_Z9KBB();
  void RePosition_Objects_Z9KBC();
  void RePosition_Objects_Z9KBD();

  // Layout of one panel: rows shown, moved up without gaps, panel height.
  void RePosition_Object_Ethernet_Connection();
  void RePosition_Object_Ethernet();
  void RePosition_Object_Serial();
  void RePosition_Object_Modbus_Master();
  void RePosition_Object_Modbus_Slave();
  void RePosition_Object_Modbus_TCP_Master();
  void RePosition_Object_Modbus_TCP_Slave();
  void RePosition_Object_BACnet_Master();
  void RePosition_Object_BACnet_Slave();
  void RePosition_Object_CAN();
  void RePosition_Object_CANopen();
  void RePosition_Object_DeviceNet_Master();
  void RePosition_Object_DeviceNet_Slave();
  void RePosition_Object_DMX();
  void RePosition_Object_IEC61850_Client();
  void RePosition_Object_IEC61850_Server();
  void RePosition_Object_J1939();
  void RePosition_Object_MQTT();
  void RePosition_Object_WiFi2();
  void RePosition_Object_TLS();
  void RePosition_Object_NTP();
  void RePosition_Object_NMEA2000();
  void RePosition_Object_OPC_UA_Client();
  void RePosition_Object_OPC_UA_Server();
  void RePosition_Object_PROFINET();
  void RePosition_Object_SNMP_Manager();
  void RePosition_Object_SNMP_Agent();
  void RePosition_Object_TLS_Server();
  void RePosition_Object_EtherNetIP_Master();
  void RePosition_Object_EtherNetIP();
  void RePosition_Object_S7comm();
  void RePosition_Object_Select_Device();
  void RePosition_Object_GSM_GPRS();
  void RePosition_Object_LoRaWAN();
  void RePosition_Object_KNX();
  void RePosition_Object_PROFIBUS();

  // True once the user changed something since the form was shown.
  bool Is_Change = false;
  // The form's own document object for ParGen.xml.
  TXmlDocument XML1;

  TPanel* P_Title;
  TLabel* L_SW_Code;
  TLabel* L_SW_Desc;
  TPanel* P_Button;
  TLbButton* Btn_OK;
  TLbButton* Btn_Cancel;
  TCategoryPanelGroup* CPG;

  // Live in the served model.
  TCategoryPanel* CP_Select_Device;
  TCategoryPanel* CP_Ethernet_Connection;
  TCategoryPanel* CP_LoRaWAN;
  TCategoryPanel* CP_Modbus_TCP_Slave;
  TCategoryPanel* CP_WiFi2;
  // Shown by the family's other models.
  TCategoryPanel* CP_Ethernet;
  TCategoryPanel* CP_Serial;
  TCategoryPanel* CP_Modbus_Master;
  TCategoryPanel* CP_Modbus_Slave;
  TCategoryPanel* CP_Modbus_TCP_Master;
  TCategoryPanel* CP_BACnet_Master;
  TCategoryPanel* CP_BACnet_Slave;
  TCategoryPanel* CP_CAN;
  TCategoryPanel* CP_CANopen;
  TCategoryPanel* CP_DeviceNet_Master;
  TCategoryPanel* CP_DeviceNet_Slave;
  TCategoryPanel* CP_DMX;
  TCategoryPanel* CP_IEC61850_Client;
  TCategoryPanel* CP_IEC61850_Server;
  TCategoryPanel* CP_J1939;
  TCategoryPanel* CP_MQTT;
  TCategoryPanel* CP_TLS;
  TCategoryPanel* CP_NTP;
  TCategoryPanel* CP_NMEA2000;
  TCategoryPanel* CP_OPC_UA_Client;
  TCategoryPanel* CP_OPC_UA_Server;
  TCategoryPanel* CP_PROFINET;
  TCategoryPanel* CP_SNMP_Manager;
  TCategoryPanel* CP_SNMP_Agent;
  TCategoryPanel* CP_TLS_Server;
  TCategoryPanel* CP_EtherNetIP_Master;
  TCategoryPanel* CP_EtherNetIP;
  TCategoryPanel* CP_S7_Protocol;
  TCategoryPanel* CP_GSM_GPRS;
  TCategoryPanel* CP_KNX;
  TCategoryPanel* CP_PROFIBUS;

  // CP_Select_Device
  TLabel* L_Select_Device_Device;
  TComboBox* CB_Select_Device_Device;

  // CP_Ethernet_Connection
  TLabel* L_EthConn_Device_Name;
  TEdit* E_EthConn_Device_Name;
  TCheckBox* CB_EthConn_En_DHCP_Cable;
  TCheckBox* CB_EthConn_En_DHCP_WiFi;
  TCheckBox* CB_EthConn_Enable_DNS;
  TLabel* L_EthConn_Primary_DNS;
  TEdit *E_EthConn_Pri_DNS_IP1, *E_EthConn_Pri_DNS_IP2, *E_EthConn_Pri_DNS_IP3, *E_EthConn_Pri_DNS_IP4;
  TOctetDots L_EthConn_Pri_DNS_IP_Dot;
  TLabel* L_EthConn_Secondary_DNS;
  TEdit *E_EthConn_Sec_DNS_IP1, *E_EthConn_Sec_DNS_IP2, *E_EthConn_Sec_DNS_IP3, *E_EthConn_Sec_DNS_IP4;
  TOctetDots L_EthConn_Sec_DNS_IP_Dot;

  // CP_LoRaWAN
  TLabel* L_LoRaWAN_Mode;
  TComboBox* CB_LoRaWAN_Mode;
  TLabel* L_LoRaWAN_RF_Band;
  TComboBox* CB_LoRaWAN_RF_Band;
  TLabel* L_LoRaWAN_Server_Address;
  TEdit* E_LoRaWAN_Server_Address;
  TLabel* L_LoRaWAN_Server_Port_Up;
  TEdit* E_LoRaWAN_Server_Port_Up;
  TLabel* L_LoRaWAN_Server_Port_Down;
  TEdit* E_LoRaWAN_Server_Port_Down;
  TLabel* L_LoRaWAN_KeepAlive_Interval;
  TEdit* E_LoRaWAN_KeepAlive_Interval;
  TLabel* L_LoRaWAN_Network_Type;
  TComboBox* CB_LoRaWAN_Network_Type;
  TLabel* L_LoRaWAN_Diag_Pos;
  TEdit* E_LoRaWAN_Diag_Pos;
  TCheckBox* CB_LoRaWAN_Adaptive_DataRate;
  TLabel* L_LoRaWAN_DataRate;
  TComboBox* CB_LoRaWAN_DataRate;
  TLabel* L_LoRaWAN_Transmission_Type;
  TComboBox* CB_LoRaWAN_Transmission_Type;
  TLabel* L_LoRaWAN_Join_EUI;
  TEdit* E_LoRaWAN_Join_EUI;
  TLabel* L_LoRaWAN_Activation_Method;
  TComboBox* CB_LoRaWAN_Activation_Method;
  TLabel* L_LoRaWAN_Device_Address;
  TEdit* E_LoRaWAN_Device_Address;
  TLabel* L_LoRaWAN_Network_Session_Key;
  TEdit* E_LoRaWAN_Network_Session_Key;
  TLabel* L_LoRaWAN_Application_Session_Key;
  TEdit* E_LoRaWAN_Application_Session_Key;
  TLabel* L_LoRaWAN_Application_Key;
  TEdit* E_LoRaWAN_Application_Key;
  TLabel* L_LoRaWAN_Class;
  TComboBox* CB_LoRaWAN_Class;
  TLabel* L_LoRaWAN_RX2_Datarate;
  TComboBox* CB_LoRaWAN_RX2_Datarate;
  TLabel* L_LoRaWAN_FreqSubBand;
  TComboBox* CB_LoRaWAN_FreqSubBand;

  // CP_Modbus_TCP_Slave
  TLabel* L_ModbusTCPSlave_IP;
  TEdit *E_ModbusTCPSlave_IP1, *E_ModbusTCPSlave_IP2, *E_ModbusTCPSlave_IP3, *E_ModbusTCPSlave_IP4;
  TOctetDots L_ModbusTCPSlave_IP_Dot;
  TLabel* L_ModbusTCPSlave_SM;
  TEdit *E_ModbusTCPSlave_SM1, *E_ModbusTCPSlave_SM2, *E_ModbusTCPSlave_SM3, *E_ModbusTCPSlave_SM4;
  TOctetDots L_ModbusTCPSlave_SM_Dot;
  TCheckBox* CB_ModbusTCPSlave_En_GAT;
  TEdit *E_ModbusTCPSlave_GAT1, *E_ModbusTCPSlave_GAT2, *E_ModbusTCPSlave_GAT3, *E_ModbusTCPSlave_GAT4;
  TOctetDots L_ModbusTCPSlave_GAT_Dot;
  TLabel* L_ModbusTCPSlave_Port;
  TEdit* E_ModbusTCPSlave_Port;

  // CP_WiFi2
  TLabel* L_WiFi2_Type;
  TComboBox* CB_WiFi2_Type;
  TLabel* L_WiFi2_IP1;
  TLabel* L_WiFi2_IP1_IP;
  TEdit *E_WiFi2_IP1_IP1, *E_WiFi2_IP1_IP2, *E_WiFi2_IP1_IP3, *E_WiFi2_IP1_IP4;
  TOctetDots L_WiFi2_IP1_IP_Dot;
  TLabel* L_WiFi2_IP1_SM;
  TEdit *E_WiFi2_IP1_SM1, *E_WiFi2_IP1_SM2, *E_WiFi2_IP1_SM3, *E_WiFi2_IP1_SM4;
  TOctetDots L_WiFi2_IP1_SM_Dot;
  TCheckBox* CB_WiFi2_IP1_En_GAT;
  TEdit *E_WiFi2_IP1_GAT1, *E_WiFi2_IP1_GAT2, *E_WiFi2_IP1_GAT3, *E_WiFi2_IP1_GAT4;
  TOctetDots L_WiFi2_IP1_GAT_Dot;
  TLabel* L_WiFi2_IP2;
  TLabel* L_WiFi2_IP2_IP;
  TEdit *E_WiFi2_IP2_IP1, *E_WiFi2_IP2_IP2, *E_WiFi2_IP2_IP3, *E_WiFi2_IP2_IP4;
  TOctetDots L_WiFi2_IP2_IP_Dot;
  TLabel* L_WiFi2_IP2_SM;
  TEdit *E_WiFi2_IP2_SM1, *E_WiFi2_IP2_SM2, *E_WiFi2_IP2_SM3, *E_WiFi2_IP2_SM4;
  TOctetDots L_WiFi2_IP2_SM_Dot;
  TCheckBox* CB_WiFi2_IP2_En_GAT;
  TEdit *E_WiFi2_IP2_GAT1, *E_WiFi2_IP2_GAT2, *E_WiFi2_IP2_GAT3, *E_WiFi2_IP2_GAT4;
  TOctetDots L_WiFi2_IP2_GAT_Dot;
  TLabel* L_WiFi2_SSID;
  TEdit* E_WiFi2_SSID;
  TLabel* L_WiFi2_Password;
  TEdit* E_WiFi2_Password;
  TLabel* L_WiFi2_Secure_Type;
  TComboBox* CB_WiFi2_Secure_Type;
  TCheckBox* CB_WiFi2_En_DHCP;
  TLabel* L_WiFi2_DHCP_First_IP;
  TEdit *E_WiFi2_DHCP_First_IP1, *E_WiFi2_DHCP_First_IP2, *E_WiFi2_DHCP_First_IP3, *E_WiFi2_DHCP_First_IP4;
  TOctetDots L_WiFi2_DHCP_First_IP_Dot;
  TLabel* L_WiFi2_DHCP_SM;
  TEdit *E_WiFi2_DHCP_SM1, *E_WiFi2_DHCP_SM2, *E_WiFi2_DHCP_SM3, *E_WiFi2_DHCP_SM4;
  TOctetDots L_WiFi2_DHCP_SM_Dot;
  TLabel* L_WiFi2_Lease_Time;
  TEdit* E_WiFi2_Lease_Time;
  TLabel* L_WiFi2_Max_Client;
  TComboBox* CB_WiFi2_Max_Client;
  TLabel* L_WiFi2_Channel;
  TComboBox* CB_WiFi2_Channel;

private:
  // The controls of the other models' panels, with their events bound.
  void Create_Other_Panels();
  // Whether a change or click of one of those controls needs a relayout.
  bool Other_Panels_Relayout_On_Change(TObject* Sender) const;
  bool Other_Panels_Relayout_On_Click(TObject* Sender) const;

  void Create_Title_And_Buttons();
  void Create_Panels();
  void Create_Select_Device();
  void Create_Ethernet_Connection();
  void Create_LoRaWAN();
  void Create_Modbus_TCP_Slave();
  void Create_WiFi2();
  void Link_Octet_Chains();
  // ParGen.xml into the controls (defaults for what cannot be read) and back.
  void Read_File();
  bool Write_File();

  // The next octet edit of each address chain.
  std::map<TObject*, TEdit*> FOctetSuccessor;
};

extern TFParGen* FParGen;
