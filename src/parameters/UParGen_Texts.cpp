// The texts of the general-parameters form, from its block of LanguageTexts.
// The numbered panel captions and the device types are put once at creation;
// the messages are fetched where they are shown.
#include "parameters/UParGen.h"

#include "common/ShellState.h"
#include "common/button/LbButton.h"
#include "platform/StdCtrls.h"

#include <initializer_list>

namespace {

enum TTextPlace { tpCaption, tpHint };

struct TText {
  TControl* Control;
  int Id;
  TTextPlace Place;
};

void Put(std::initializer_list<TText> texts) {
  for (const TText& t : texts) {
    if (t.Place == tpCaption)
      t.Control->SetCaption(LangText(t.Id));
    else
      t.Control->SetHint(LangText(t.Id));
  }
}

// The hints of an address row's four octet edits, "First" to "Fourth".
void PutOctetHints(std::initializer_list<TControl*> octets, int firstId) {
  int id = firstId;
  for (TControl* octet : octets) octet->SetHint(LangText(id++));
}

struct TItemTexts {
  int First;
  int Last;
};
constexpr TItemTexts WiFiTypeItems{736, 737};
constexpr TItemTexts WiFiSecureItems{778, 781};
constexpr TItemTexts WiFiChannelItems{800, 811};

void FillItems(TComboBox* combo, TItemTexts texts) {
  TStringList& items = combo->Items();
  items.Clear();
  for (int id = texts.First; id <= texts.Last; ++id) items.Add(LangText(id));
  combo->SetItemIndex(0);
}

void PutWiFi2Texts(TFParGen& f) {
  Put({{f.L_WiFi2_Type, 734, tpCaption},          {f.CB_WiFi2_Type, 735, tpHint},
       {f.L_WiFi2_IP1, 738, tpCaption},           {f.L_WiFi2_IP1_IP, 739, tpCaption},
       {f.L_WiFi2_IP1_SM, 744, tpCaption},        {f.CB_WiFi2_IP1_En_GAT, 749, tpCaption},
       {f.CB_WiFi2_IP1_En_GAT, 750, tpHint},      {f.L_WiFi2_IP2, 755, tpCaption},
       {f.L_WiFi2_IP2_IP, 756, tpCaption},        {f.L_WiFi2_IP2_SM, 761, tpCaption},
       {f.CB_WiFi2_IP2_En_GAT, 766, tpCaption},   {f.CB_WiFi2_IP2_En_GAT, 767, tpHint},
       {f.L_WiFi2_SSID, 772, tpCaption},          {f.E_WiFi2_SSID, 773, tpHint},
       {f.L_WiFi2_Password, 774, tpCaption},      {f.E_WiFi2_Password, 775, tpHint},
       {f.L_WiFi2_Secure_Type, 776, tpCaption},   {f.CB_WiFi2_Secure_Type, 777, tpHint},
       {f.CB_WiFi2_En_DHCP, 782, tpCaption},      {f.CB_WiFi2_En_DHCP, 783, tpHint},
       {f.L_WiFi2_DHCP_First_IP, 784, tpCaption}, {f.L_WiFi2_DHCP_SM, 789, tpCaption},
       {f.L_WiFi2_Lease_Time, 794, tpCaption},    {f.E_WiFi2_Lease_Time, 795, tpHint},
       {f.L_WiFi2_Max_Client, 796, tpCaption},    {f.CB_WiFi2_Max_Client, 797, tpHint},
       {f.L_WiFi2_Channel, 798, tpCaption},       {f.CB_WiFi2_Channel, 799, tpHint}});
  PutOctetHints({f.E_WiFi2_IP1_IP1, f.E_WiFi2_IP1_IP2, f.E_WiFi2_IP1_IP3, f.E_WiFi2_IP1_IP4}, 740);
  PutOctetHints({f.E_WiFi2_IP1_SM1, f.E_WiFi2_IP1_SM2, f.E_WiFi2_IP1_SM3, f.E_WiFi2_IP1_SM4}, 745);
  PutOctetHints({f.E_WiFi2_IP1_GAT1, f.E_WiFi2_IP1_GAT2, f.E_WiFi2_IP1_GAT3, f.E_WiFi2_IP1_GAT4}, 751);
  PutOctetHints({f.E_WiFi2_IP2_IP1, f.E_WiFi2_IP2_IP2, f.E_WiFi2_IP2_IP3, f.E_WiFi2_IP2_IP4}, 757);
  PutOctetHints({f.E_WiFi2_IP2_SM1, f.E_WiFi2_IP2_SM2, f.E_WiFi2_IP2_SM3, f.E_WiFi2_IP2_SM4}, 762);
  PutOctetHints({f.E_WiFi2_IP2_GAT1, f.E_WiFi2_IP2_GAT2, f.E_WiFi2_IP2_GAT3, f.E_WiFi2_IP2_GAT4}, 768);
  PutOctetHints(
      {f.E_WiFi2_DHCP_First_IP1, f.E_WiFi2_DHCP_First_IP2, f.E_WiFi2_DHCP_First_IP3, f.E_WiFi2_DHCP_First_IP4}, 785);
  PutOctetHints({f.E_WiFi2_DHCP_SM1, f.E_WiFi2_DHCP_SM2, f.E_WiFi2_DHCP_SM3, f.E_WiFi2_DHCP_SM4}, 790);
  FillItems(f.CB_WiFi2_Type, WiFiTypeItems);
  FillItems(f.CB_WiFi2_Secure_Type, WiFiSecureItems);
  FillItems(f.CB_WiFi2_Channel, WiFiChannelItems);
}

}  // namespace

void TFParGen::Set_Lang() {
  SetCaption(LangText(400));
  Put({{L_SW_Desc, 401, tpCaption},
       {Btn_OK, 402, tpCaption},
       {Btn_Cancel, 403, tpCaption},
       {Btn_OK, 404, tpHint},
       {Btn_Cancel, 405, tpHint}});

  Put({{L_EthConn_Device_Name, 407, tpCaption},
       {E_EthConn_Device_Name, 408, tpHint},
       {CB_EthConn_En_DHCP_Cable, 409, tpCaption},
       {CB_EthConn_En_DHCP_Cable, 410, tpHint},
       {CB_EthConn_En_DHCP_WiFi, 411, tpCaption},
       {CB_EthConn_En_DHCP_WiFi, 412, tpHint},
       {CB_EthConn_Enable_DNS, 413, tpCaption},
       {CB_EthConn_Enable_DNS, 414, tpHint},
       {L_EthConn_Primary_DNS, 415, tpCaption},
       {L_EthConn_Secondary_DNS, 420, tpCaption}});
  PutOctetHints({E_EthConn_Pri_DNS_IP1, E_EthConn_Pri_DNS_IP2, E_EthConn_Pri_DNS_IP3, E_EthConn_Pri_DNS_IP4}, 416);
  PutOctetHints({E_EthConn_Sec_DNS_IP1, E_EthConn_Sec_DNS_IP2, E_EthConn_Sec_DNS_IP3, E_EthConn_Sec_DNS_IP4}, 421);

  Put({{L_ModbusTCPSlave_IP, 503, tpCaption},
       {L_ModbusTCPSlave_SM, 508, tpCaption},
       {CB_ModbusTCPSlave_En_GAT, 513, tpCaption},
       {CB_ModbusTCPSlave_En_GAT, 514, tpHint},
       {L_ModbusTCPSlave_Port, 519, tpCaption},
       {E_ModbusTCPSlave_Port, 520, tpHint}});
  PutOctetHints({E_ModbusTCPSlave_IP1, E_ModbusTCPSlave_IP2, E_ModbusTCPSlave_IP3, E_ModbusTCPSlave_IP4}, 504);
  PutOctetHints({E_ModbusTCPSlave_SM1, E_ModbusTCPSlave_SM2, E_ModbusTCPSlave_SM3, E_ModbusTCPSlave_SM4}, 509);
  PutOctetHints({E_ModbusTCPSlave_GAT1, E_ModbusTCPSlave_GAT2, E_ModbusTCPSlave_GAT3, E_ModbusTCPSlave_GAT4}, 515);

  PutWiFi2Texts(*this);

  Put({{L_Select_Device_Device, 1036, tpCaption}, {CB_Select_Device_Device, 1037, tpHint}});

  Put({{L_LoRaWAN_Mode, 1367, tpCaption},
       {CB_LoRaWAN_Mode, 1368, tpHint},
       {L_LoRaWAN_RF_Band, 1338, tpCaption},
       {CB_LoRaWAN_RF_Band, 1369, tpHint},
       {L_LoRaWAN_Server_Address, 1339, tpCaption},
       {E_LoRaWAN_Server_Address, 1370, tpHint},
       {L_LoRaWAN_Server_Port_Up, 1340, tpCaption},
       {E_LoRaWAN_Server_Port_Up, 1371, tpHint},
       {L_LoRaWAN_Server_Port_Down, 1341, tpCaption},
       {E_LoRaWAN_Server_Port_Down, 1372, tpHint},
       {L_LoRaWAN_KeepAlive_Interval, 1342, tpCaption},
       {E_LoRaWAN_KeepAlive_Interval, 1373, tpHint},
       {L_LoRaWAN_Network_Type, 1374, tpCaption},
       {CB_LoRaWAN_Network_Type, 1375, tpHint},
       {CB_LoRaWAN_Adaptive_DataRate, 1376, tpCaption},
       {CB_LoRaWAN_Adaptive_DataRate, 1377, tpHint},
       {L_LoRaWAN_DataRate, 1378, tpCaption},
       {CB_LoRaWAN_DataRate, 1379, tpHint},
       {L_LoRaWAN_Transmission_Type, 1380, tpCaption},
       {CB_LoRaWAN_Transmission_Type, 1381, tpHint},
       {L_LoRaWAN_Join_EUI, 1382, tpCaption},
       {E_LoRaWAN_Join_EUI, 1383, tpHint},
       {L_LoRaWAN_Activation_Method, 1384, tpCaption},
       {CB_LoRaWAN_Activation_Method, 1385, tpHint},
       {L_LoRaWAN_Device_Address, 1386, tpCaption},
       {E_LoRaWAN_Device_Address, 1387, tpHint},
       {L_LoRaWAN_Network_Session_Key, 1388, tpCaption},
       {E_LoRaWAN_Network_Session_Key, 1389, tpHint},
       {L_LoRaWAN_Application_Session_Key, 1390, tpCaption},
       {E_LoRaWAN_Application_Session_Key, 1391, tpHint},
       {L_LoRaWAN_Application_Key, 1392, tpCaption},
       {E_LoRaWAN_Application_Key, 1393, tpHint},
       {L_LoRaWAN_Class, 1394, tpCaption},
       {CB_LoRaWAN_Class, 1395, tpHint},
       {L_LoRaWAN_Diag_Pos, 1406, tpCaption},
       {E_LoRaWAN_Diag_Pos, 1407, tpHint},
       {L_LoRaWAN_RX2_Datarate, 1409, tpCaption},
       {CB_LoRaWAN_RX2_Datarate, 1410, tpHint},
       {L_LoRaWAN_FreqSubBand, 1411, tpCaption},
       {CB_LoRaWAN_FreqSubBand, 1412, tpHint}});

  Set_Lang_Other_Panels();
}
