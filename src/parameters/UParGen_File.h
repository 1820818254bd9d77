// The layout of ParGen.xml: its elements in the order the form writes them,
// how each value is stored and its default when the element is missing.
// Every reader of the file takes the defaults from here.
//
// What a bad file gets in the form: a missing element or a value its kind
// cannot read gives that element's default; a file that is not well-formed
// gives the values of the elements closed before the fault and the defaults
// of the rest. Texts are kept as they stand, blanks included; the form's
// check refuses, before anything is written, a value the device cannot take.
#pragma once

#include "common/ShellState.h"

#include <QString>

#include <array>

inline const QString ParGenRootName = "Par_Gen";
inline const QString ParGenVersionComment = "SW_VERSION = ";
// A public LoRaWAN network server, the server of a new project.

enum class TParGenKind {
  Text,         // the control's text as typed
  Box,          // "1" checked, anything else unchecked
  BoxByNumber,  // an integer: 1 checked, any other unchecked; no integer: default
  Index,        // the position of the selected item; no integer: default
  Item,         // the selected item's text, matched without regard to case
  Fixed         // written as its default whatever the control holds
};

struct TParGenElement {
  const char* Name;
  TParGenKind Kind;
  // Text, box ("0"/"1"), item position or the fixed text; null: DefaultLoRaWANServerAddress.
  const char* Default;
};

inline constexpr int ParGenElementCount = 89;

inline constexpr std::array<TParGenElement, ParGenElementCount> ParGenElements{{
    {"Select_Device", TParGenKind::Index, "0"},
    {"Eth_Conn_Device_Name", TParGenKind::Text, ""},
    {"Eth_Conn_DHCP_Cable", TParGenKind::Box, "0"},
    {"Eth_Conn_DHCP_WiFi", TParGenKind::Box, "0"},
    {"Eth_Conn_Enable_DNS", TParGenKind::Box, "0"},
    {"Eth_Conn_Primary_DNS1", TParGenKind::Text, "8"},
    {"Eth_Conn_Primary_DNS2", TParGenKind::Text, "8"},
    {"Eth_Conn_Primary_DNS3", TParGenKind::Text, "8"},
    {"Eth_Conn_Primary_DNS4", TParGenKind::Text, "8"},
    {"Eth_Conn_Secondary_DNS1", TParGenKind::Text, "8"},
    {"Eth_Conn_Secondary_DNS2", TParGenKind::Text, "8"},
    {"Eth_Conn_Secondary_DNS3", TParGenKind::Text, "8"},
    {"Eth_Conn_Secondary_DNS4", TParGenKind::Text, "8"},
    {"LoRaWAN_Mode", TParGenKind::Fixed, "Gateway"},
    {"LoRaWAN_RF_Band", TParGenKind::Item, "0"},
    {"LoRaWAN_Server_Address", TParGenKind::Text, nullptr},
    {"LoRaWAN_Server_Port_Up", TParGenKind::Text, "1780"},
    {"LoRaWAN_Server_Port_Down", TParGenKind::Text, "1780"},
    {"LoRaWAN_KeepAlive_Interval", TParGenKind::Text, "10"},
    {"LoRaWAN_Network_Type", TParGenKind::Item, "0"},
    {"LoRaWAN_Adaptive_DataRate", TParGenKind::Box, "0"},
    {"LoRaWAN_DataRate", TParGenKind::Item, "0"},
    {"LoRaWAN_Transmission_Type", TParGenKind::Item, "0"},
    {"LoRaWAN_Join_EUI", TParGenKind::Text, ""},
    {"LoRaWAN_Activation_Method", TParGenKind::Item, "0"},
    {"LoRaWAN_Device_Address", TParGenKind::Text, ""},
    {"LoRaWAN_Network_Session_Key", TParGenKind::Text, ""},
    {"LoRaWAN_Application_Session_Key", TParGenKind::Text, ""},
    {"LoRaWAN_Application_Key", TParGenKind::Text, ""},
    {"LoRaWAN_Class", TParGenKind::Item, "0"},
    {"LoRaWAN_Diagostic_Position", TParGenKind::Text, "0"},
    {"LoRaWAN_RX2_Datarate", TParGenKind::Item, "0"},
    {"LoRaWAN_Frequency_Sub_Band", TParGenKind::Item, "0"},
    {"Modbus_TCP_Slave_IP1", TParGenKind::Text, "192"},
    {"Modbus_TCP_Slave_IP2", TParGenKind::Text, "168"},
    {"Modbus_TCP_Slave_IP3", TParGenKind::Text, "0"},
    {"Modbus_TCP_Slave_IP4", TParGenKind::Text, "5"},
    {"Modbus_TCP_Slave_SM1", TParGenKind::Text, "255"},
    {"Modbus_TCP_Slave_SM2", TParGenKind::Text, "255"},
    {"Modbus_TCP_Slave_SM3", TParGenKind::Text, "255"},
    {"Modbus_TCP_Slave_SM4", TParGenKind::Text, "0"},
    {"Modbus_TCP_Slave_GAT1", TParGenKind::Text, "192"},
    {"Modbus_TCP_Slave_GAT2", TParGenKind::Text, "168"},
    {"Modbus_TCP_Slave_GAT3", TParGenKind::Text, "0"},
    {"Modbus_TCP_Slave_GAT4", TParGenKind::Text, "1"},
    {"Modbus_TCP_Slave_EN_GAT", TParGenKind::Box, "0"},
    {"Modbus_TCP_Slave_Port", TParGenKind::Text, "502"},
    {"WiFi_Type", TParGenKind::Index, "0"},
    {"WiFi_IP1", TParGenKind::Text, "192"},
    {"WiFi_IP2", TParGenKind::Text, "168"},
    {"WiFi_IP3", TParGenKind::Text, "0"},
    {"WiFi_IP4", TParGenKind::Text, "100"},
    {"WiFi_SM1", TParGenKind::Text, "255"},
    {"WiFi_SM2", TParGenKind::Text, "255"},
    {"WiFi_SM3", TParGenKind::Text, "255"},
    {"WiFi_SM4", TParGenKind::Text, "0"},
    {"WiFi_EN_Gateway", TParGenKind::BoxByNumber, "0"},
    {"WiFi_GAT1", TParGenKind::Text, "192"},
    {"WiFi_GAT2", TParGenKind::Text, "168"},
    {"WiFi_GAT3", TParGenKind::Text, "0"},
    {"WiFi_GAT4", TParGenKind::Text, "1"},
    {"WiFi_IP2_IP1", TParGenKind::Text, "192"},
    {"WiFi_IP2_IP2", TParGenKind::Text, "168"},
    {"WiFi_IP2_IP3", TParGenKind::Text, "0"},
    {"WiFi_IP2_IP4", TParGenKind::Text, "110"},
    {"WiFi_IP2_SM1", TParGenKind::Text, "255"},
    {"WiFi_IP2_SM2", TParGenKind::Text, "255"},
    {"WiFi_IP2_SM3", TParGenKind::Text, "255"},
    {"WiFi_IP2_SM4", TParGenKind::Text, "0"},
    {"WiFi_IP2_EN_Gateway", TParGenKind::BoxByNumber, "0"},
    {"WiFi_IP2_GAT1", TParGenKind::Text, "192"},
    {"WiFi_IP2_GAT2", TParGenKind::Text, "168"},
    {"WiFi_IP2_GAT3", TParGenKind::Text, "0"},
    {"WiFi_IP2_GAT4", TParGenKind::Text, "1"},
    {"WiFi_SSID", TParGenKind::Text, ""},
    {"WiFi_PWD", TParGenKind::Text, ""},
    {"WiFi_Secure_Type", TParGenKind::Index, "0"},
    {"WiFi_EN_DHCP", TParGenKind::BoxByNumber, "0"},
    {"WiFi_DHCP_First_IP1", TParGenKind::Text, "192"},
    {"WiFi_DHCP_First_IP2", TParGenKind::Text, "168"},
    {"WiFi_DHCP_First_IP3", TParGenKind::Text, "0"},
    {"WiFi_DHCP_First_IP4", TParGenKind::Text, "200"},
    {"WiFi_DHCP_SM1", TParGenKind::Text, "255"},
    {"WiFi_DHCP_SM2", TParGenKind::Text, "255"},
    {"WiFi_DHCP_SM3", TParGenKind::Text, "255"},
    {"WiFi_DHCP_SM4", TParGenKind::Text, "0"},
    {"WiFi_Lease_Time", TParGenKind::Text, "86400"},
    {"WiFi_Max_Client", TParGenKind::Index, "0"},
    {"WiFi_Channel", TParGenKind::Index, "1"},
}};

// The default of an element as its text.
QString ParGenDefault(const TParGenElement& element);

class TControl;
class TFParGen;
// The form's control of each element, in the order of ParGenElements.
std::array<TControl*, ParGenElementCount> ParGenElementControls(const TFParGen& form);
