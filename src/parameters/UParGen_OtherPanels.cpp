#include "parameters/UParGen_OtherPanels.h"

#include "parameters/UParGen.h"

#include "common/ShellState.h"

#include <algorithm>
#include <iterator>
#include <stdexcept>

namespace G = ParGenGeometry;

namespace {

// The rows of every other panel as designed, in the order of their text ids
// (which is top to bottom, but for the IEC 61850 server's port and password).
constexpr TParRowDef Rows_Ethernet[] = {
    {.Kind = rkAddress, .Top = 12, .Caption = "L_Ethernet_IP", .Input = "E_Ethernet_IP"},
    {.Kind = rkAddress, .Top = 40, .Caption = "L_Ethernet_SM", .Input = "E_Ethernet_SM"},
    {.Kind = rkGateway, .Top = 68, .Caption = "CB_Ethernet_En_GAT", .Input = "E_Ethernet_GAT"},
    {.Kind = rkEdit, .Top = 96, .Caption = "L_Ethernet_TCP_Port", .Input = "E_Ethernet_TCP_Port"},
    {.Kind = rkEdit, .Top = 124, .Caption = "L_Ethernet_UDP_Port", .Input = "E_Ethernet_UDP_Port"},
};
constexpr TParRowDef Rows_Serial[] = {
    {.Kind = rkCombo, .Top = 12, .Caption = "L_Serial_Serial", .Input = "CB_Serial_Serial", .Items = "RS232|RS485"},
    {.Kind = rkCombo,
     .Top = 40,
     .Caption = "L_Serial_Baudrate",
     .Input = "CB_Serial_Baudrate",
     .Items = "1200|2400|4800|9600|19200|38400|57600|115200"},
    {.Kind = rkCombo, .Top = 68, .Caption = "L_Serial_Parity", .Input = "Cb_Serial_Parity", .Items = "None|Even|Odd"},
    {.Kind = rkCombo, .Top = 96, .Caption = "L_Serial_StopBits", .Input = "CB_Serial_StopBits", .Items = "1|2"},
};
constexpr TParRowDef Rows_Modbus_Master[] = {
    {.Kind = rkCombo,
     .Top = 12,
     .Caption = "L_ModbusMaster_Serial",
     .Input = "CB_ModbusMaster_Serial",
     .Items = "RS232|RS485"},
    {.Kind = rkCombo,
     .Top = 40,
     .Caption = "L_ModbusMaster_Baudrate",
     .Input = "CB_ModbusMaster_Baudrate",
     .Items = "1200|2400|4800|9600|19200|38400|57600|115200"},
    {.Kind = rkCombo,
     .Top = 68,
     .Caption = "L_ModbusMaster_Parity",
     .Input = "CB_ModbusMaster_Parity",
     .Items = "None|Even|Odd"},
    {.Kind = rkCombo,
     .Top = 96,
     .Caption = "L_ModbusMaster_StopBits",
     .Input = "CB_ModbusMaster_StopBits",
     .Items = "1|2"},
    {.Kind = rkEdit, .Top = 124, .Caption = "L_ModbusMaster_TimeOut", .Input = "E_ModbusMaster_TimeOut"},
    {.Kind = rkEdit, .Top = 152, .Caption = "L_ModbusMaster_CyclicDelay", .Input = "E_ModbusMaster_CyclicDelay"},
};
constexpr TParRowDef Rows_Modbus_Slave[] = {
    {.Kind = rkCombo,
     .Top = 12,
     .Caption = "L_ModbusSlave_Serial",
     .Input = "CB_ModbusSlave_Serial",
     .Items = "RS232|RS485"},
    {.Kind = rkCombo,
     .Top = 40,
     .Caption = "L_ModbusSlave_Baudrate",
     .Input = "CB_ModbusSlave_Baudrate",
     .Items = "1200|2400|4800|9600|19200|38400|57600|115200"},
    {.Kind = rkCombo,
     .Top = 68,
     .Caption = "L_ModbusSlave_Parity",
     .Input = "CB_ModbusSlave_Parity",
     .Items = "None|Even|Odd"},
    {.Kind = rkCombo,
     .Top = 96,
     .Caption = "L_ModbusSlave_StopBits",
     .Input = "CB_ModbusSlave_StopBits",
     .Items = "1|2"},
    {.Kind = rkEdit, .Top = 124, .Caption = "L_ModbusSlave_IDDevice", .Input = "E_ModbusSlave_IDDevice"},
    {.Kind = rkCheck, .Top = 152, .Caption = "CB_ModbusSlave_ReadInput"},
};
constexpr TParRowDef Rows_Modbus_TCP_Master[] = {
    {.Kind = rkAddress, .Top = 12, .Caption = "L_ModbusTCPMaster_IP", .Input = "E_ModbusTCPMaster_IP"},
    {.Kind = rkAddress, .Top = 40, .Caption = "L_ModbusTCPMaster_SM", .Input = "E_ModbusTCPMaster_SM"},
    {.Kind = rkGateway, .Top = 68, .Caption = "CB_ModbusTCPMaster_En_GAT", .Input = "E_ModbusTCPMaster_GAT"},
    {.Kind = rkEdit, .Top = 96, .Caption = "L_ModbusTCPMaster_TimeOut", .Input = "E_ModbusTCPMaster_TimeOut"},
    {.Kind = rkEdit, .Top = 124, .Caption = "L_ModbusTCPMaster_CyclicDelay", .Input = "E_ModbusTCPMaster_CyclicDelay"},
};
constexpr TParRowDef Rows_BACnet_Master[] = {
    {.Kind = rkCombo,
     .Top = 12,
     .Caption = "L_BACnet_Master_Type",
     .Input = "CB_BACnet_Master_Type",
     .Items = "BACnet/IP|BACnet MS/TP"},
    {.Kind = rkAddress, .Top = 40, .Caption = "L_BACnet_IP_Master_IP", .Input = "E_BACnet_IP_Master_IP"},
    {.Kind = rkAddress, .Top = 68, .Caption = "L_BACnet_IP_Master_SM", .Input = "E_BACnet_IP_Master_SM"},
    {.Kind = rkGateway, .Top = 96, .Caption = "CB_BACnet_IP_Master_GAT", .Input = "E_BACnet_IP_Master_GAT"},
    {.Kind = rkEdit, .Top = 124, .Caption = "L_BACnet_IP_Master_Port", .Input = "E_BACnet_IP_Master_Port"},
    {.Kind = rkEdit,
     .Top = 152,
     .Caption = "L_BACnet_IP_Master_Device_Name",
     .Input = "E_BACnet_IP_Master_Device_Name"},
    {.Kind = rkEdit,
     .Top = 180,
     .Caption = "L_BACnet_IP_Master_Device_Identifier",
     .Input = "E_BACnet_IP_Master_Device_Identifier"},
    {.Kind = rkEdit,
     .Top = 208,
     .Caption = "L_BACnet_IP_Master_TimeOut_Polling",
     .Input = "E_BACnet_IP_Master_TimeOut_Polling"},
    {.Kind = rkCombo,
     .Top = 236,
     .Caption = "L_BACnet_MSTP_Master_Baudrate",
     .Input = "CB_BACnet_MSTP_Master_Baudrate",
     .Items = "9600|19200|38400|76800"},
    {.Kind = rkCombo,
     .Top = 264,
     .Caption = "L_BACnet_MSTP_Master_Parity",
     .Input = "CB_BACnet_MSTP_Master_Parity",
     .Items = "None|Even|Odd"},
    {.Kind = rkEdit,
     .Top = 292,
     .Caption = "L_BACnet_MSTP_Master_Device_Name",
     .Input = "E_BACnet_MSTP_Master_Device_Name"},
    {.Kind = rkEdit,
     .Top = 320,
     .Caption = "L_BACnet_MSTP_Master_MAC_Address",
     .Input = "E_BACnet_MSTP_Master_MAC_Address"},
    {.Kind = rkEdit,
     .Top = 348,
     .Caption = "L_BACnet_MSTP_Master_Max_Master",
     .Input = "E_BACnet_MSTP_Master_Max_Master"},
    {.Kind = rkEdit,
     .Top = 376,
     .Caption = "L_BACnet_MSTP_Master_Max_Info_Frame",
     .Input = "E_BACnet_MSTP_Master_Max_Info_Frame"},
    {.Kind = rkEdit,
     .Top = 404,
     .Caption = "L_BACnet_MSTP_Master_Device_Instance",
     .Input = "E_BACnet_MSTP_Master_Device_Instance"},
};
constexpr TParRowDef Rows_BACnet_Slave[] = {
    {.Kind = rkCombo,
     .Top = 12,
     .Caption = "L_BACnet_Slave_Type",
     .Input = "CB_BACnet_Slave_Type",
     .Items = "BACnet/IP|BACnet MS/TP"},
    {.Kind = rkAddress, .Top = 40, .Caption = "L_BACnet_IP_Slave_IP", .Input = "E_BACnet_IP_Slave_IP"},
    {.Kind = rkAddress, .Top = 68, .Caption = "L_BACnet_IP_Slave_SM", .Input = "E_BACnet_IP_Slave_SM"},
    {.Kind = rkGateway, .Top = 96, .Caption = "CB_BACnet_IP_Slave_GAT", .Input = "E_BACnet_IP_Slave_GAT"},
    {.Kind = rkEdit, .Top = 124, .Caption = "L_BACnet_IP_Slave_Port", .Input = "E_BACnet_IP_Slave_Port"},
    {.Kind = rkEdit, .Top = 152, .Caption = "L_BACnet_IP_Slave_Device_Name", .Input = "E_BACnet_IP_Slave_Device_Name"},
    {.Kind = rkEdit,
     .Top = 180,
     .Caption = "L_BACnet_IP_Slave_Device_Identifier",
     .Input = "E_BACnet_IP_Slave_Device_Identifier"},
    {.Kind = rkCombo,
     .Top = 208,
     .Caption = "L_BACnet_MSTP_Slave_Baudrate",
     .Input = "CB_BACnet_MSTP_Slave_Baudrate",
     .Items = "9600|19200|38400|76800"},
    {.Kind = rkCombo,
     .Top = 236,
     .Caption = "L_BACnet_MSTP_Slave_Parity",
     .Input = "CB_BACnet_MSTP_Slave_Parity",
     .Items = "None|Even|Odd"},
    {.Kind = rkEdit,
     .Top = 264,
     .Caption = "L_BACnet_MSTP_Slave_Device_Name",
     .Input = "E_BACnet_MSTP_Slave_Device_Name"},
    {.Kind = rkEdit,
     .Top = 292,
     .Caption = "L_BACnet_MSTP_Slave_MAC_Address",
     .Input = "E_BACnet_MSTP_Slave_MAC_Address"},
    {.Kind = rkEdit,
     .Top = 320,
     .Caption = "L_BACnet_MSTP_Slave_Max_Master",
     .Input = "E_BACnet_MSTP_Slave_Max_Master"},
    {.Kind = rkEdit,
     .Top = 348,
     .Caption = "L_BACnet_MSTP_Slave_Max_Info_Frame",
     .Input = "E_BACnet_MSTP_Slave_Max_Info_Frame"},
    {.Kind = rkEdit,
     .Top = 376,
     .Caption = "L_BACnet_MSTP_Slave_Device_Instance",
     .Input = "E_BACnet_MSTP_Slave_Device_Instance"},
    {.Kind = rkEdit, .Top = 404, .Caption = "L_BACnet_MSTP_Slave_Network", .Input = "E_BACnet_MSTP_Slave_Network"},
    {.Kind = rkCheck, .Top = 432, .Caption = "CB_BACnet_Slave_Desc_32_Chars"},
};
constexpr TParRowDef Rows_CAN[] = {
    {.Kind = rkCombo,
     .Top = 12,
     .Caption = "L_CAN_Baudrate",
     .Input = "CB_CAN_Baudrate",
     .Items = "10 Kbit/s|20 Kbit/s|50 Kbit/s|125 Kbit/s|250 Kbit/s|500 Kbit/s|800 Kbit/s|1000 Kbit/s"},
};
constexpr TParRowDef Rows_CANopen[] = {
    {.Kind = rkEdit, .Top = 12, .Caption = "L_CANopen_IDDevice", .Input = "E_CANopen_IDDevice"},
    {.Kind = rkCombo,
     .Top = 40,
     .Caption = "L_CANopen_Baudrate",
     .Input = "CB_CANopen_Baudrate",
     .Items = "10 Kbit/s|20 Kbit/s|50 Kbit/s|125 Kbit/s|250 Kbit/s|500 Kbit/s|800 Kbit/s|1000 Kbit/s"},
    {.Kind = rkCheck, .Top = 68, .Caption = "CB_CANopen_SetOpe"},
    {.Kind = rkCheckEdit, .Top = 96, .Caption = "CB_CANopen_NetOpe", .Input = "E_CANopen_NetOpe_Delay"},
    {.Kind = rkEdit, .Top = 124, .Caption = "L_CANopen_SDO_Timeout", .Input = "E_CANopen_SDO_Timeout"},
};
constexpr TParRowDef Rows_DeviceNet_Master[] = {
    {.Kind = rkEdit, .Top = 12, .Caption = "L_DeviceNet_Master_IDDevice", .Input = "E_DeviceNet_Master_IDDevice"},
    {.Kind = rkCombo,
     .Top = 40,
     .Caption = "L_DeviceNet_Master_Baudrate",
     .Input = "CB_DeviceNet_Master_Baudrate",
     .Items = "125 Kbit/s|250 Kbit/s|500 Kbit/s"},
};
constexpr TParRowDef Rows_DeviceNet_Slave[] = {
    {.Kind = rkEdit, .Top = 12, .Caption = "L_DeviceNet_Slave_IDDevice", .Input = "E_DeviceNet_Slave_IDDevice"},
    {.Kind = rkCombo,
     .Top = 40,
     .Caption = "L_DeviceNet_Slave_Baudrate",
     .Input = "CB_DeviceNet_Slave_Baudrate",
     .Items = "125 Kbit/s|250 Kbit/s|500 Kbit/s"},
    {.Kind = rkEdit, .Top = 68, .Caption = "L_DeviceNet_Slave_NumByteIn", .Input = "E_DeviceNet_Slave_NumByteIn"},
    {.Kind = rkEdit, .Top = 96, .Caption = "L_DeviceNet_Slave_NumByteOut", .Input = "E_DeviceNet_Slave_NumByteOut"},
};
constexpr TParRowDef Rows_DMX[] = {
    {.Kind = rkCombo, .Top = 12, .Caption = "L_DMX_DMX", .Input = "CB_DMX_DMX", .Items = "Master|Slave"},
    {.Kind = rkEdit, .Top = 40, .Caption = "L_DMX_ChannelNum", .Input = "E_DMX_ChannelNum"},
};
constexpr TParRowDef Rows_IEC61850_Client[] = {
    {.Kind = rkAddress, .Top = 12, .Caption = "L_IEC61850_Client_IP", .Input = "E_IEC61850_Client_IP"},
    {.Kind = rkAddress, .Top = 40, .Caption = "L_IEC61850_Client_SM", .Input = "E_IEC61850_Client_SM"},
    {.Kind = rkGateway, .Top = 68, .Caption = "CB_IEC61850_Client_En_GAT", .Input = "E_IEC61850_Client_GAT"},
    {.Kind = rkEdit, .Top = 96, .Caption = "L_IEC61850_Client_VLAN", .Input = "E_IEC61850_Client_VLAN"},
    {.Kind = rkEdit, .Top = 124, .Caption = "L_IEC61850_Client_AppID", .Input = "E_IEC61850_Client_AppID"},
};
constexpr TParRowDef Rows_IEC61850_Server[] = {
    {.Kind = rkEdit, .Top = 96, .Caption = "L_IEC61850_Server_Port", .Input = "E_IEC61850_Server_Port"},
    {.Kind = rkEdit, .Top = 124, .Caption = "L_IEC61850_Server_Password", .Input = "E_IEC61850_Server_Password"},
    {.Kind = rkAddress, .Top = 12, .Caption = "L_IEC61850_Server_IP", .Input = "E_IEC61850_Server_IP"},
    {.Kind = rkAddress, .Top = 40, .Caption = "L_IEC61850_Server_SM", .Input = "E_IEC61850_Server_SM"},
    {.Kind = rkGateway, .Top = 68, .Caption = "CB_IEC61850_Server_En_GAT", .Input = "E_IEC61850_Server_GAT"},
};
constexpr TParRowDef Rows_J1939[] = {
    {.Kind = rkCombo,
     .Top = 12,
     .Caption = "L_J1939_Baudrate",
     .Input = "CB_J1939_Baudrate",
     .Items = "250 Kbit/s|500 Kbit/s"},
    {.Kind = rkEdit, .Top = 40, .Caption = "L_J1939_TimeOut", .Input = "E_J1939_TimeOut"},
    {.Kind = rkCheck, .Top = 68, .Caption = "CB_J1939_Enable_Peer_To_Peer"},
    {.Kind = rkEdit, .Top = 96, .Caption = "L_J1939_ID_Device", .Input = "E_J1939_ID_Device"},
};
constexpr TParRowDef Rows_MQTT[] = {
    {.Kind = rkEdit, .Top = 12, .Caption = "L_MQTT_Server", .Input = "E_MQTT_Server"},
    {.Kind = rkEdit, .Top = 40, .Caption = "L_MQTT_Server_Port", .Input = "E_MQTT_Server_Port"},
    {.Kind = rkEdit, .Top = 68, .Caption = "L_MQTT_Client_ID", .Input = "E_MQTT_Client_ID"},
    {.Kind = rkEdit, .Top = 96, .Caption = "L_MQTT_Keep_Alive", .Input = "E_MQTT_Keep_Alive"},
    {.Kind = rkCheck, .Top = 124, .Caption = "CB_MQTT_Clean_Session"},
    {.Kind = rkCheck, .Top = 152, .Caption = "CB_MQTT_WillFlag"},
    {.Kind = rkEdit, .Top = 180, .Caption = "L_MQTT_Will_TopicName", .Input = "E_MQTT_Will_TopicName"},
    {.Kind = rkEdit, .Top = 208, .Caption = "L_MQTT_Will_Message", .Input = "E_MQTT_Will_Message"},
    {.Kind = rkCheck, .Top = 236, .Caption = "CB_MQTT_Will_Retained"},
    {.Kind = rkCombo, .Top = 264, .Caption = "L_MQTT_Will_QoS", .Input = "CB_MQTT_Will_QoS", .Items = "0|1|2"},
    {.Kind = rkCheck, .Top = 292, .Caption = "CB_MQTT_PublishTopicConnection"},
    {.Kind = rkEdit, .Top = 320, .Caption = "L_MQTT_Connection_TopicName", .Input = "E_MQTT_Connection_TopicName"},
    {.Kind = rkEdit, .Top = 348, .Caption = "L_MQTT_Connection_Message", .Input = "E_MQTT_Connection_Message"},
    {.Kind = rkCheck, .Top = 376, .Caption = "CB_MQTT_Connection_Retained"},
    {.Kind = rkEdit, .Top = 404, .Caption = "L_MQTT_Username", .Input = "E_MQTT_Username"},
    {.Kind = rkRichEdit, .Top = 432, .Caption = "L_MQTT_Password", .Input = "E_MQTT_Password", .Lift = 3},
    {.Kind = rkEdit, .Top = 460, .Caption = "L_MQTT_ASync_Send_Time", .Input = "E_MQTT_ASync_Send_Time"},
    {.Kind = rkEdit, .Top = 488, .Caption = "L_MQTT_TopicDALIAns", .Input = "E_MQTT_TopicDALIAns"},
    {.Kind = rkCheck, .Top = 516, .Caption = "CB_MQTT_Enable_ReProgram"},
    {.Kind = rkEdit, .Top = 544, .Caption = "L_MQTT_Reprogram_Topic", .Input = "E_MQTT_Reprogram_Topic"},
    {.Kind = rkEdit, .Top = 572, .Caption = "L_MQTT_Reproram_Value", .Input = "E_MQTT_Reproram_Value"},
};
constexpr TParRowDef Rows_TLS[] = {
    {.Kind = rkCheck, .Top = 12, .Caption = "CB_TLS_Enable"},
    {.Kind = rkCheck, .Top = 40, .Caption = "CB_TLS_En_Server_Auth"},
    {.Kind = rkRichEdit, .Top = 68, .Caption = "L_TLS_Server_Cert", .Input = "E_TLS_Server_Cert", .Lift = 5},
    {.Kind = rkCheck, .Top = 96, .Caption = "CB_TLS_En_Client_Auth"},
    {.Kind = rkRichEdit, .Top = 124, .Caption = "L_TLS_Client_Cert", .Input = "E_TLS_Client_Cert", .Lift = 5},
    {.Kind = rkRichEdit, .Top = 152, .Caption = "L_TLS_Client_Cert_Key", .Input = "E_TLS_Client_Cert_Key", .Lift = 5},
    {.Kind = rkEdit, .Top = 180, .Caption = "L_TLS_Client_Cert_Key_Pass", .Input = "E_TLS_Client_Cert_Key_Pass"},
};
constexpr TParRowDef Rows_NTP[] = {
    {.Kind = rkEdit, .Top = 12, .Caption = "L_NTP_Server_URL", .Input = "E_NTP_Server_URL"},
    {.Kind = rkEdit, .Top = 40, .Caption = "L_NTP_Poll_Time", .Input = "E_NTP_Poll_Time"},
};
constexpr TParRowDef Rows_NMEA2000[] = {
    {.Kind = rkCombo,
     .Top = 12,
     .Caption = "L_NMEA2000_Baudrate",
     .Input = "CB_NMEA2000_Baudrate",
     .Items = "250 Kbit/s"},
    {.Kind = rkEdit, .Top = 40, .Caption = "L_NMEA2000_TimeOut", .Input = "E_NMEA2000_TimeOut"},
    {.Kind = rkCheck, .Top = 68, .Caption = "CB_NMEA2000_Peer_To_Peer"},
};
constexpr TParRowDef Rows_OPC_UA_Client[] = {
    {.Kind = rkAddress, .Top = 12, .Caption = "L_OPC_UA_Client_IP", .Input = "E_OPC_UA_Client_IP"},
    {.Kind = rkAddress, .Top = 40, .Caption = "L_OPC_UA_Client_SM", .Input = "E_OPC_UA_Client_SM"},
    {.Kind = rkGateway, .Top = 68, .Caption = "CB_OPC_UA_Client_En_GAT", .Input = "E_OPC_UA_Client_GAT"},
};
constexpr TParRowDef Rows_OPC_UA_Server[] = {
    {.Kind = rkAddress, .Top = 12, .Caption = "L_OPC_UA_Server_IP", .Input = "E_OPC_UA_Server_IP"},
    {.Kind = rkAddress, .Top = 40, .Caption = "L_OPC_UA_Server_SM", .Input = "E_OPC_UA_Server_SM"},
    {.Kind = rkGateway, .Top = 68, .Caption = "CB_OPC_UA_Server_En_GAT", .Input = "E_OPC_UA_Server_GAT"},
    {.Kind = rkEdit, .Top = 96, .Caption = "L_OPC_UA_Server_Port", .Input = "E_OPC_UA_Server_Port"},
};
constexpr TParRowDef Rows_PROFINET[] = {
    {.Kind = rkAddress, .Top = 12, .Caption = "L_PROFINET_IP", .Input = "E_PROFINET_IP"},
    {.Kind = rkAddress, .Top = 40, .Caption = "L_PROFINET_SM", .Input = "E_PROFINET_SM"},
    {.Kind = rkGateway, .Top = 68, .Caption = "CB_PROFINET_GAT", .Input = "E_PROFINET_GAT"},
    {.Kind = rkEdit, .Top = 96, .Caption = "L_PROFINET_TunnelPort", .Input = "E_PROFINET_TunnelPort"},
    {.Kind = rkEdit, .Top = 124, .Caption = "L_PROFINET_NameStation", .Input = "E_PROFINET_NameStation"},
    {.Kind = rkEdit, .Top = 152, .Caption = "L_PROFINET_NByte_In", .Input = "E_PROFINET_NByte_In"},
    {.Kind = rkEdit, .Top = 180, .Caption = "L_PROFINET_NByte_Out", .Input = "E_PROFINET_NByte_Out"},
    {.Kind = rkCheckEdit, .Top = 208, .Caption = "CB_PROFINET_Diagnostic", .Input = "E_PROFINET_Diagnostic"},
};
constexpr TParRowDef Rows_SNMP_Manager[] = {
    {.Kind = rkAddress, .Top = 12, .Caption = "L_SNMP_Manager_IP", .Input = "E_SNMP_Manager_IP"},
    {.Kind = rkAddress, .Top = 40, .Caption = "L_SNMP_Manager_SM", .Input = "E_SNMP_Manager_SM"},
    {.Kind = rkGateway, .Top = 68, .Caption = "CB_SNMP_Manager_GAT", .Input = "E_SNMP_Manager_GAT", .BoxHint = false},
    {.Kind = rkEdit, .Top = 96, .Caption = "L_SNMP_Manager_NameStation", .Input = "E_SNMP_Manager_NameStation"},
};
constexpr TParRowDef Rows_SNMP_Agent[] = {
    {.Kind = rkAddress, .Top = 12, .Caption = "L_SNMP_Agent_IP", .Input = "E_SNMP_Agent_IP"},
    {.Kind = rkAddress, .Top = 40, .Caption = "L_SNMP_Agent_SM", .Input = "E_SNMP_Agent_SM"},
    {.Kind = rkGateway, .Top = 68, .Caption = "CB_SNMP_Agent_GAT", .Input = "E_SNMP_Agent_GAT"},
    {.Kind = rkEdit, .Top = 96, .Caption = "L_SNMP_Agent_NameStation", .Input = "E_SNMP_Agent_NameStation"},
    {.Kind = rkEdit, .Top = 124, .Caption = "L_SNMP_Agent_Contact", .Input = "E_SNMP_Agent_Contact"},
    {.Kind = rkEdit, .Top = 152, .Caption = "L_SNMP_Agent_Location", .Input = "E_SNMP_Agent_Location"},
    {.Kind = rkBoxes, .Top = 180, .Caption = "L_SNMP_Agent_Version", .Input = "CB_SNMP_Agent_Version"},
    {.Kind = rkEdit, .Top = 208, .Caption = "L_SNMP_Agent_User", .Input = "E_SNMP_Agent_User"},
    {.Kind = rkCombo,
     .Top = 236,
     .Caption = "L_SNMP_Agent_SecurityLevel",
     .Input = "CB_SNMP_Agent_SecurityLevel",
     .Items = "NoAuthority NoPrivacy|Authority NoPrivacy|Authority Privacy"},
    {.Kind = rkEdit, .Top = 264, .Caption = "L_SNMP_Agent_Authority", .Input = "E_SNMP_Agent_Authority"},
    {.Kind = rkCombo,
     .Top = 292,
     .Caption = "L_SNMP_Agent_AuthorityMode",
     .Input = "CB_SNMP_Agent_AuthorityMode",
     .Items = "MD5|SHA"},
    {.Kind = rkEdit, .Top = 320, .Caption = "L_SNMP_Agent_Privacy", .Input = "E_SNMP_Agent_Privacy"},
    {.Kind = rkCombo,
     .Top = 348,
     .Caption = "L_SNMP_Agent_PrivacyMode",
     .Input = "CB_SNMP_Agent_PrivacyMode",
     .Items = "DES|AES"},
};
constexpr TParRowDef Rows_TLS_Server[] = {
    {.Kind = rkCheck, .Top = 12, .Caption = "CB_TLS_Server_Enable"},
    {.Kind = rkEdit, .Top = 40, .Caption = "L_TLS_Server_Key", .Input = "E_TLS_Server_Key"},
    {.Kind = rkEdit, .Top = 68, .Caption = "L_TLS_Server_Key_Pass", .Input = "E_TLS_Server_Key_Pass"},
    {.Kind = rkEdit, .Top = 96, .Caption = "L_TLS_Server_Server_Cert", .Input = "E_TLS_Server_Server_Cert"},
    {.Kind = rkEdit, .Top = 124, .Caption = "L_TLS_Server_Root_Cert", .Input = "E_TLS_Server_Root_Cert"},
    {.Kind = rkCheck, .Top = 152, .Caption = "CB_TLS_Server_En_Known_Cert"},
};
constexpr TParRowDef Rows_EtherNetIP_Master[] = {
    {.Kind = rkAddress, .Top = 12, .Caption = "L_EtherNetIP_Master_IP", .Input = "E_EtherNetIP_Master_IP"},
    {.Kind = rkAddress, .Top = 40, .Caption = "L_EtherNetIP_Master_SM", .Input = "E_EtherNetIP_Master_SM"},
    {.Kind = rkGateway, .Top = 68, .Caption = "CB_EtherNetIP_Master_GAT", .Input = "E_EtherNetIP_Master_GAT"},
    {.Kind = rkEdit,
     .Top = 96,
     .Caption = "L_EtherNetIP_Master_TunnelPort",
     .Input = "E_EtherNetIP_Master_Port",
     .Disabled = true},
};
constexpr TParRowDef Rows_EtherNetIP[] = {
    {.Kind = rkAddress, .Top = 12, .Caption = "L_EtherNetIP_IP", .Input = "E_EtherNetIP_IP"},
    {.Kind = rkAddress, .Top = 40, .Caption = "L_EtherNetIP_SM", .Input = "E_EtherNetIP_SM"},
    {.Kind = rkGateway, .Top = 68, .Caption = "CB_EtherNetIP_GAT", .Input = "E_EtherNetIP_GAT"},
    {.Kind = rkEdit,
     .Top = 96,
     .Caption = "L_EtherNetIP_TunnelPort",
     .Input = "E_EtherNetIP_TunnelPort",
     .Disabled = true},
    {.Kind = rkEdit, .Top = 124, .Caption = "L_EtherNetIP_NByte_In", .Input = "E_EtherNetIP_NByte_In"},
    {.Kind = rkEdit, .Top = 152, .Caption = "L_EtherNetIP_NByte_Out", .Input = "E_EtherNetIP_NByte_Out"},
};
constexpr TParRowDef Rows_S7_Protocol[] = {
    {.Kind = rkAddress, .Top = 12, .Caption = "L_S7_Protocol_IP", .Input = "E_S7_Protocol_IP"},
    {.Kind = rkAddress, .Top = 40, .Caption = "L_S7_Protocol_SM", .Input = "E_S7_Protocol_SM"},
    {.Kind = rkGateway, .Top = 68, .Caption = "CB_S7_Protocol_En_GAT", .Input = "E_S7_Protocol_GAT"},
};
constexpr TParRowDef Rows_GSM_GPRS[] = {
    {.Kind = rkEdit, .Top = 12, .Caption = "L_GSM_GPRS_PIN", .Input = "E_GSM_GPRS_PIN"},
    {.Kind = rkEdit, .Top = 40, .Caption = "L_GSM_GPRS_APN", .Input = "E_GSM_GPRS_APN"},
    {.Kind = rkCombo,
     .Top = 68,
     .Caption = "L_GSM_GPRS_AuthType",
     .Input = "CB_GSM_GPRS_AuthType",
     .Items = "None|PAP|CHAP"},
    {.Kind = rkEdit, .Top = 96, .Caption = "L_GSM_GPRS_UserName", .Input = "E_GSM_GPRS_UserName"},
    {.Kind = rkEdit, .Top = 124, .Caption = "L_GSM_GPRS_Password", .Input = "E_GSM_GPRS_Password"},
};
constexpr TParRowDef Rows_KNX[] = {
    {.Kind = rkCombo, .Top = 12, .Caption = "L_KNX_Type", .Input = "CB_KNX_Type", .Items = "KNX TP", .Disabled = true},
    {.Kind = rkEdit, .Top = 40, .Caption = "L_KNX_IDDevice", .Input = "E_KNX_IDDevice"},
};
constexpr TParRowDef Rows_PROFIBUS[] = {
    {.Kind = rkEdit, .Top = 12, .Caption = "L_PROFIBUS_IDDevice", .Input = "E_PROFIBUS_IDDevice"},
    {.Kind = rkCombo,
     .Top = 40,
     .Caption = "L_PROFIBUS_Baudrate",
     .Input = "CB_PROFIBUS_Baudrate",
     .Items = "Auto",
     .Disabled = true},
    {.Kind = rkEdit, .Top = 68, .Caption = "L_PROFIBUS_NByte_In", .Input = "E_PROFIBUS_NByte_In"},
    {.Kind = rkEdit, .Top = 96, .Caption = "L_PROFIBUS_NByte_Out", .Input = "E_PROFIBUS_NByte_Out"},
};

constexpr TParPanelDef PanelTable[] = {
    {"CP_Ethernet", 426, Rows_Ethernet},
    {"CP_Serial", 447, Rows_Serial},
    {"CP_Modbus_Master", 456, Rows_Modbus_Master},
    {"CP_Modbus_Slave", 469, Rows_Modbus_Slave},
    {"CP_Modbus_TCP_Master", 482, Rows_Modbus_TCP_Master},
    {"CP_BACnet_Master", 522, Rows_BACnet_Master},
    {"CP_BACnet_Slave", 563, Rows_BACnet_Slave},
    {"CP_CAN", 606, Rows_CAN},
    {"CP_CANopen", 609, Rows_CANopen},
    {"CP_DeviceNet_Master", 621, Rows_DeviceNet_Master},
    {"CP_DeviceNet_Slave", 626, Rows_DeviceNet_Slave},
    {"CP_DMX", 635, Rows_DMX},
    {"CP_IEC61850_Client", 640, Rows_IEC61850_Client},
    {"CP_IEC61850_Server", 661, Rows_IEC61850_Server},
    {"CP_J1939", 682, Rows_J1939},
    {"CP_MQTT", 691, Rows_MQTT},
    {"CP_TLS", 813, Rows_TLS},
    {"CP_NTP", 828, Rows_NTP},
    {"CP_NMEA2000", 833, Rows_NMEA2000},
    {"CP_OPC_UA_Client", 840, Rows_OPC_UA_Client},
    {"CP_OPC_UA_Server", 857, Rows_OPC_UA_Server},
    {"CP_PROFINET", 876, Rows_PROFINET},
    {"CP_SNMP_Manager", 904, Rows_SNMP_Manager},
    {"CP_SNMP_Agent", 922, Rows_SNMP_Agent},
    {"CP_TLS_Server", 961, Rows_TLS_Server},
    {"CP_EtherNetIP_Master", 974, Rows_EtherNetIP_Master},
    {"CP_EtherNetIP", 993, Rows_EtherNetIP},
    {"CP_S7_Protocol", 1019, Rows_S7_Protocol},
    {"CP_GSM_GPRS", 1039, Rows_GSM_GPRS},
    {"CP_KNX", 1350, Rows_KNX},
    {"CP_PROFIBUS", 1356, Rows_PROFIBUS},
};

int KindLift(const TParRowDef& def) {
  if (def.Lift) return def.Lift;
  switch (def.Kind) {
    case rkGateway: return G::GatewayLift;
    case rkRichEdit: return G::RichEditLift;
    case rkBoxes: return G::BoxesLift;
    default: return G::InputLift;
  }
}

bool CaptionIsCheckBox(TParRowKind kind) { return kind == rkGateway || kind == rkCheck || kind == rkCheckEdit; }

constexpr const char* BoxCaptions[] = {"V1", "V2c", "V3"};

}  // namespace

std::span<const TParPanelDef> OtherPanelDefs() { return PanelTable; }

// ---- building -------------------------------------------------------------

namespace {

TLabel* NewLabel(TComponent* owner, TCategoryPanel* panel, int left, int top) {
  auto* label = new TLabel(owner);
  label->SetParent(panel);
  label->SetBounds(left, top, label->Width(), label->Height());
  return label;
}

TEdit* NewEdit(TComponent* owner, TCategoryPanel* panel, int left, int top, int width) {
  auto* edit = new TEdit(owner);
  edit->SetParent(panel);
  edit->SetBounds(left, top, width, G::EditHeight);
  return edit;
}

TCheckBox* NewCheckBox(TComponent* owner, TCategoryPanel* panel, int left, int top, int width) {
  auto* box = new TCheckBox(owner);
  box->SetParent(panel);
  box->SetBounds(left, top, width, G::CheckHeight);
  return box;
}

}  // namespace

void TParGenOtherPanels::Build_Other_Panels(TComponent* Owner,
                                            const std::function<TCategoryPanel*(const QString&)>& PanelNamed,
                                            TCheckBox* DhcpCable, const TParGenHandlers& Handlers) {
  FDhcpCable = DhcpCable;
  for (const TParPanelDef& def : PanelTable) {
    TOtherPanel& panel = FPanels[QString::fromLatin1(def.Panel)];
    panel.Panel = PanelNamed(QString::fromLatin1(def.Panel));
    panel.Def = &def;
    for (const TParRowDef& row : def.Rows) Build_Row(Owner, panel, row, Handlers);
  }
  CB_BACnet_Master_Type = Other<TComboBox>("CB_BACnet_Master_Type");
  CB_BACnet_Slave_Type = Other<TComboBox>("CB_BACnet_Slave_Type");
  CB_SNMP_Agent_SecurityLevel = Other<TComboBox>("CB_SNMP_Agent_SecurityLevel");
  CB_MQTT_WillFlag = Other<TCheckBox>("CB_MQTT_WillFlag");
  CB_MQTT_PublishTopicConnection = Other<TCheckBox>("CB_MQTT_PublishTopicConnection");
  CB_MQTT_Enable_ReProgram = Other<TCheckBox>("CB_MQTT_Enable_ReProgram");
  CB_TLS_Enable = Other<TCheckBox>("CB_TLS_Enable");
  CB_TLS_En_Server_Auth = Other<TCheckBox>("CB_TLS_En_Server_Auth");
  CB_TLS_En_Client_Auth = Other<TCheckBox>("CB_TLS_En_Client_Auth");
  CB_TLS_Server_Enable = Other<TCheckBox>("CB_TLS_Server_Enable");
  CB_SNMP_Agent_Version3 = Other<TCheckBox>("CB_SNMP_Agent_Version3");
}

void TParGenOtherPanels::Build_Row(TComponent* Owner, TOtherPanel& panel, const TParRowDef& def,
                                   const TParGenHandlers& Handlers) {
  const TNotifyEvent& Changed = Handlers.Changed;
  const TNotifyEvent& Clicked = Handlers.Clicked;
  TCategoryPanel* p = panel.Panel;
  const int T = def.Top;
  TParRow row;
  row.Kind = def.Kind;
  row.Lift = KindLift(def);
  const int inputTop = T - row.Lift;
  const QString caption = QString::fromLatin1(def.Caption);
  const QString input = def.Input ? QString::fromLatin1(def.Input) : QString();

  if (CaptionIsCheckBox(def.Kind)) {
    const int width = def.Kind == rkCheck ? G::CheckWidth : G::GatewayCheckWidth;
    TCheckBox* box = NewCheckBox(Owner, p, G::LabelLeft, T, width);
    box->OnClick = Clicked;
    row.Caption = box;
  } else {
    row.Caption = NewLabel(Owner, p, G::LabelLeft, T);
  }
  FControls[caption] = row.Caption;

  auto addInput = [&](const QString& name, TWinControl* control) {
    row.Inputs.push_back(control);
    FControls[name] = control;
  };
  switch (def.Kind) {
    case rkEdit:
    case rkCheckEdit: {
      TEdit* edit = NewEdit(Owner, p, G::InputLeft, inputTop, G::InputWidth);
      edit->OnChange = Changed;
      addInput(input, edit);
      break;
    }
    case rkCombo: {
      auto* combo = new TComboBox(Owner);
      combo->SetParent(p);
      combo->SetStyle(csDropDownList);
      combo->SetBounds(G::InputLeft, inputTop, G::InputWidth, G::ComboHeight);
      for (const QString& item : QString::fromUtf8(def.Items).split('|')) combo->Items().Add(item);
      combo->SetItemIndex(0);
      combo->OnChange = Changed;
      addInput(input, combo);
      break;
    }
    case rkAddress:
    case rkGateway:
      for (int i = 0; i < 4; ++i) {
        TEdit* octet = NewEdit(Owner, p, G::OctetLefts[size_t(i)], inputTop, G::OctetWidth);
        octet->OnChange = Changed;
        octet->OnKeyPress = Handlers.OctetKeyPress;
        addInput(input + QString::number(i + 1), octet);
      }
      for (int left : G::DotLefts) {
        TLabel* dot = NewLabel(Owner, p, left, T);
        dot->SetCaption(".");
        row.Dots.push_back(dot);
      }
      break;
    case rkRichEdit: {
      auto* memo = new TMemo(Owner);
      memo->SetParent(p);
      memo->SetBounds(G::InputLeft, inputTop, G::InputWidth, G::RichEditHeight);
      memo->OnChange = Changed;
      addInput(input, memo);
      break;
    }
    case rkBoxes:
      for (int i = 0; i < 3; ++i) {
        TCheckBox* box = NewCheckBox(Owner, p, G::OctetLefts[size_t(i)], inputTop, G::OctetWidth);
        box->SetCaption(BoxCaptions[i]);
        box->OnClick = Clicked;
        addInput(input + QString::number(i + 1), box);
      }
      break;
    case rkCheck: break;
  }
  if (def.Disabled) row.SetInputsEnabled(false);
  FRowOf[caption] = {QString::fromLatin1(panel.Def->Panel), panel.Rows.size()};
  panel.Rows.push_back(std::move(row));
}

void TParGenOtherPanels::Set_Lang_Other_Panels() {
  for (const TParPanelDef& def : PanelTable) {
    const TOtherPanel& panel = Panel_Named(def.Panel);
    int id = def.FirstTextId;
    for (size_t i = 0; i < panel.Rows.size(); ++i) {
      const TParRow& row = panel.Rows[i];
      row.Caption->SetCaption(LangText(id++));
      if (CaptionIsCheckBox(row.Kind) && def.Rows[i].BoxHint) row.Caption->SetHint(LangText(id++));
      for (TWinControl* input : row.Inputs) input->SetHint(LangText(id++));
    }
  }
}

TControl* TParGenOtherPanels::Other_Control(const QString& Name) const {
  auto it = FControls.find(Name);
  return it == FControls.end() ? nullptr : it->second;
}

const TParRow& TParGenOtherPanels::Other_Row(const QString& CaptionName) const {
  auto it = FRowOf.find(CaptionName);
  if (it == FRowOf.end()) throw std::out_of_range("no row " + CaptionName.toStdString());
  return FPanels.at(it->second.first).Rows.at(it->second.second);
}

const TParGenOtherPanels::TOtherPanel& TParGenOtherPanels::Panel_Named(const char* Panel) const {
  return FPanels.at(QString::fromLatin1(Panel));
}

// ---- layout ---------------------------------------------------------------

namespace {

enum TDhcpRule { dhNone, dhOctets, dhOctetsAndBox };

// A panel whose rows stay where designed: rows hidden in every case, the DHCP
// rule it follows and the control its height ends at.
struct TSimpleLayout {
  const char* Panel;
  TDhcpRule Dhcp;
  const char* Last;
  std::initializer_list<const char*> AlwaysHidden = {};
};

constexpr TSimpleLayout SimpleLayouts[] = {
    {"CP_Modbus_Master", dhNone, "E_ModbusMaster_CyclicDelay"},
    {"CP_Modbus_Slave", dhNone, "CB_ModbusSlave_ReadInput"},
    {"CP_Modbus_TCP_Master", dhOctetsAndBox, "E_ModbusTCPMaster_CyclicDelay"},
    {"CP_Ethernet", dhOctetsAndBox, "E_Ethernet_GAT4", {"L_Ethernet_TCP_Port", "L_Ethernet_UDP_Port"}},
    {"CP_CAN", dhNone, "CB_CAN_Baudrate"},
    {"CP_Serial", dhNone, "CB_Serial_StopBits"},
    {"CP_CANopen", dhNone, "E_CANopen_SDO_Timeout"},
    {"CP_DeviceNet_Master", dhNone, "CB_DeviceNet_Master_Baudrate"},
    {"CP_DeviceNet_Slave", dhNone, "E_DeviceNet_Slave_NumByteOut"},
    {"CP_DMX", dhNone, "E_DMX_ChannelNum"},
    {"CP_EtherNetIP_Master", dhOctets, "E_EtherNetIP_Master_Port"},
    {"CP_EtherNetIP", dhOctets, "E_EtherNetIP_NByte_Out"},
    {"CP_J1939", dhNone, "E_J1939_ID_Device"},
    {"CP_NMEA2000", dhNone, "CB_NMEA2000_Peer_To_Peer"},
    {"CP_PROFINET", dhOctets, "E_PROFINET_NByte_Out", {"CB_PROFINET_Diagnostic"}},
    {"CP_IEC61850_Client", dhOctets, "E_IEC61850_Client_AppID"},
    {"CP_IEC61850_Server", dhOctets, "E_IEC61850_Server_Password"},
    {"CP_NTP", dhNone, "E_NTP_Poll_Time"},
    {"CP_GSM_GPRS", dhNone, "E_GSM_GPRS_Password"},
    {"CP_OPC_UA_Client", dhOctets, "E_OPC_UA_Client_GAT4"},
    {"CP_OPC_UA_Server", dhOctets, "E_OPC_UA_Server_Port"},
    {"CP_S7_Protocol", dhOctets, "E_S7_Protocol_GAT4"},
    {"CP_SNMP_Manager", dhOctets, "E_SNMP_Manager_NameStation"},
    {"CP_KNX", dhNone, "E_KNX_IDDevice"},
    {"CP_PROFIBUS", dhNone, "E_PROFIBUS_NByte_Out"},
};

}  // namespace

bool TParGenOtherPanels::Dhcp_Cable() const { return FDhcpCable && FDhcpCable->Checked(); }

void TParGenOtherPanels::Set_Height_From(const char* Panel, const char* Control) const {
  SetPanelHeightFrom(Panel_Of(Panel), Other_Control(QString::fromLatin1(Control)));
}

void TParGenOtherPanels::Apply_Dhcp_Rule(const char* Panel, bool WithGatewayBox) {
  const bool enabled = !Dhcp_Cable();
  for (const TParRow& row : Panel_Named(Panel).Rows) {
    if (row.Kind != rkAddress && row.Kind != rkGateway) continue;
    row.SetInputsEnabled(enabled);
    if (row.Kind == rkGateway && WithGatewayBox) row.Caption->SetEnabled(enabled);
  }
}

void TParGenOtherPanels::Layout_Simple(const char* Panel) {
  for (const TSimpleLayout& layout : SimpleLayouts) {
    if (QLatin1String(layout.Panel) != QLatin1String(Panel)) continue;
    for (const char* hidden : layout.AlwaysHidden) Other_Row(QString::fromLatin1(hidden)).SetVisible(false);
    if (layout.Dhcp != dhNone) Apply_Dhcp_Rule(Panel, layout.Dhcp == dhOctetsAndBox);
    Set_Height_From(Panel, layout.Last);
    return;
  }
}

// The master and the slave differ in their last IP row (the master's polling
// time-out), the slave's network row and its description box after the rows.
void TParGenOtherPanels::Layout_BACnet(const char* Role) {
  const QString role = QString::fromLatin1(Role);
  const bool slave = role == "Slave";
  const QByteArray panelName = ("CP_BACnet_" + role).toLatin1();
  const std::vector<TParRow>& rows = Panel_Named(panelName.constData()).Rows;
  auto* type = Other<TComboBox>("CB_BACnet_" + role + "_Type");
  // Rows in id order: type, address, mask, gateway, then the other IP rows, then MS/TP.
  const size_t firstMstp = slave ? 7 : 8;
  const size_t endMstp = rows.size() - (slave ? 1 : 0);
  const TParRow& ipRow = rows[1];
  const int mstpCount = int(endMstp - firstMstp);

  // The IP rows never move; the MS/TP rows take their space, from the address row down.
  const bool ip = type->ItemIndex() == 0;
  for (size_t i = 1; i < firstMstp; ++i) rows[i].SetVisible(ip);
  if (ip) {
    Apply_Dhcp_Rule(panelName.constData(), false);
    for (size_t i = firstMstp; i < endMstp; ++i) rows[i].SetVisible(false);
  } else {
    const int labelTop = ipRow.Caption->Top();
    const int inputTop = ipRow.Inputs.front()->Top();
    for (int k = 0; k < mstpCount; ++k) {
      const TParRow& row = rows[firstMstp + size_t(k)];
      row.PlaceApart(labelTop + G::RowPitch * k, inputTop + G::RowPitch * k);
      row.SetVisible(true);
    }
  }
  const TParRow& lastRow = rows[(ip ? firstMstp : endMstp) - 1];
  // The slave's box goes below the last row's label; the master ends at the last input.
  const TControl* last = slave ? lastRow.Caption : lastRow.Last();
  if (slave) {
    const TParRow& desc = rows.back();
    desc.Place(last->Top() + G::RowPitch);
    desc.SetVisible(true);
    last = desc.Caption;
  }
  SetPanelHeightFrom(Panel_Of(panelName.constData()), last);
}

void TParGenOtherPanels::Layout_TLS_Server() {
  const bool on = CB_TLS_Server_Enable->Checked();
  for (const char* name : {"L_TLS_Server_Key", "L_TLS_Server_Key_Pass", "L_TLS_Server_Server_Cert",
                           "L_TLS_Server_Root_Cert", "CB_TLS_Server_En_Known_Cert"})
    Other_Row(name).SetVisible(on);
  Set_Height_From("CP_TLS_Server", on ? "CB_TLS_Server_En_Known_Cert" : "CB_TLS_Server_Enable");
}

void TParGenOtherPanels::Layout_TLS() {
  const TParRow& serverCert = Other_Row("L_TLS_Server_Cert");
  const TParRow& clientAuth = Other_Row("CB_TLS_En_Client_Auth");
  const TParRow* clientRows[] = {&Other_Row("L_TLS_Client_Cert"), &Other_Row("L_TLS_Client_Cert_Key"),
                                 &Other_Row("L_TLS_Client_Cert_Key_Pass")};
  if (!CB_TLS_Enable->Checked()) {
    CB_TLS_En_Server_Auth->Hide();
    serverCert.SetVisible(false);
    clientAuth.SetVisible(false);
    for (const TParRow* row : clientRows) row->SetVisible(false);
    Set_Height_From("CP_TLS", "CB_TLS_Enable");
    return;
  }
  CB_TLS_En_Server_Auth->Show();
  int base = CB_TLS_En_Server_Auth->Top();
  serverCert.SetVisible(CB_TLS_En_Server_Auth->Checked());
  if (CB_TLS_En_Server_Auth->Checked()) base = serverCert.Inputs.front()->Top();
  clientAuth.Place(base + G::RowPitch);
  clientAuth.SetVisible(true);
  const bool client = CB_TLS_En_Client_Auth->Checked();
  for (int k = 0; k < 3; ++k) {
    // The method puts every client edit 3 pixels above its label, whatever its kind.
    const int top = base + G::RowPitch * (k + 2);
    clientRows[k]->PlaceApart(top, top - G::InputLift);
    clientRows[k]->SetVisible(client);
  }
  Set_Height_From("CP_TLS", client ? "E_TLS_Client_Cert_Key_Pass" : "CB_TLS_En_Client_Auth");
}

void TParGenOtherPanels::Layout_MQTT() {
  for (const char* name : {"L_MQTT_ASync_Send_Time", "L_MQTT_TopicDALIAns", "CB_MQTT_Enable_ReProgram",
                           "L_MQTT_Reprogram_Topic", "L_MQTT_Reproram_Value"})
    Other_Row(name).SetVisible(false);
  const bool will = CB_MQTT_WillFlag->Checked();
  for (const char* name : {"L_MQTT_Will_TopicName", "L_MQTT_Will_Message", "CB_MQTT_Will_Retained", "L_MQTT_Will_QoS"})
    Other_Row(name).SetVisible(will);
  const int p =
      will ? Other_Control("L_MQTT_Will_QoS")->Top() + G::RowPitch : Other_Control("L_MQTT_Will_TopicName")->Top();
  CB_MQTT_PublishTopicConnection->SetTop(p);
  const bool publish = CB_MQTT_PublishTopicConnection->Checked();
  const TParRow& topic = Other_Row("L_MQTT_Connection_TopicName");
  const TParRow& message = Other_Row("L_MQTT_Connection_Message");
  const TParRow& retained = Other_Row("CB_MQTT_Connection_Retained");
  int next = p + G::RowPitch;
  topic.SetVisible(publish);
  message.SetVisible(publish);
  retained.SetVisible(publish);
  if (publish) {
    topic.Place(next);
    message.Place(next + G::RowPitch);
    retained.Place(next + 2 * G::RowPitch);
    next += 3 * G::RowPitch;
  }
  Other_Row("L_MQTT_Username").Place(next);
  Other_Row("L_MQTT_Password").Place(next + G::RowPitch);
  Set_Height_From("CP_MQTT", "E_MQTT_Password");
}

void TParGenOtherPanels::Layout_SNMP_Agent() {
  const TParRow& user = Other_Row("L_SNMP_Agent_User");
  const TParRow& level = Other_Row("L_SNMP_Agent_SecurityLevel");
  const TParRow* authority[] = {&Other_Row("L_SNMP_Agent_Authority"), &Other_Row("L_SNMP_Agent_AuthorityMode")};
  const TParRow* privacy[] = {&Other_Row("L_SNMP_Agent_Privacy"), &Other_Row("L_SNMP_Agent_PrivacyMode")};
  const char* last = "CB_SNMP_Agent_Version3";
  bool showAuthority = false, showPrivacy = false;
  const bool v3 = CB_SNMP_Agent_Version3->Checked();
  user.SetVisible(v3);
  level.SetVisible(v3);
  if (v3) {
    const int index = CB_SNMP_Agent_SecurityLevel->ItemIndex();
    showAuthority = index != 0;
    showPrivacy = index != 0 && index != 1;
    last = showPrivacy     ? "CB_SNMP_Agent_PrivacyMode"
           : showAuthority ? "CB_SNMP_Agent_AuthorityMode"
                           : "CB_SNMP_Agent_SecurityLevel";
  }
  for (const TParRow* row : authority) row->SetVisible(showAuthority);
  for (const TParRow* row : privacy) row->SetVisible(showPrivacy);
  Set_Height_From("CP_SNMP_Agent", last);
  Apply_Dhcp_Rule("CP_SNMP_Agent", false);
}

// ---- the form's side ------------------------------------------------------

bool TParGenOtherPanels::Is_Other_Relayout_Change(const TObject* Sender) const {
  return Sender &&
         (Sender == CB_BACnet_Slave_Type || Sender == CB_BACnet_Master_Type || Sender == CB_SNMP_Agent_SecurityLevel);
}

bool TParGenOtherPanels::Is_Other_Relayout_Click(const TObject* Sender) const {
  const TObject* boxes[] = {CB_MQTT_WillFlag,     CB_MQTT_PublishTopicConnection, CB_MQTT_Enable_ReProgram,
                            CB_TLS_Enable,        CB_TLS_En_Server_Auth,          CB_TLS_En_Client_Auth,
                            CB_TLS_Server_Enable, CB_SNMP_Agent_Version3};
  return Sender && std::find(std::begin(boxes), std::end(boxes), Sender) != std::end(boxes);
}

namespace {
struct TPanelSlot {
  const char* Name;
  TCategoryPanel* TFParGen::*Panel;
};
constexpr TPanelSlot OtherPanelSlots[] = {
    {"CP_Ethernet", &TFParGen::CP_Ethernet},
    {"CP_Serial", &TFParGen::CP_Serial},
    {"CP_Modbus_Master", &TFParGen::CP_Modbus_Master},
    {"CP_Modbus_Slave", &TFParGen::CP_Modbus_Slave},
    {"CP_Modbus_TCP_Master", &TFParGen::CP_Modbus_TCP_Master},
    {"CP_BACnet_Master", &TFParGen::CP_BACnet_Master},
    {"CP_BACnet_Slave", &TFParGen::CP_BACnet_Slave},
    {"CP_CAN", &TFParGen::CP_CAN},
    {"CP_CANopen", &TFParGen::CP_CANopen},
    {"CP_DeviceNet_Master", &TFParGen::CP_DeviceNet_Master},
    {"CP_DeviceNet_Slave", &TFParGen::CP_DeviceNet_Slave},
    {"CP_DMX", &TFParGen::CP_DMX},
    {"CP_IEC61850_Client", &TFParGen::CP_IEC61850_Client},
    {"CP_IEC61850_Server", &TFParGen::CP_IEC61850_Server},
    {"CP_J1939", &TFParGen::CP_J1939},
    {"CP_MQTT", &TFParGen::CP_MQTT},
    {"CP_TLS", &TFParGen::CP_TLS},
    {"CP_NTP", &TFParGen::CP_NTP},
    {"CP_NMEA2000", &TFParGen::CP_NMEA2000},
    {"CP_OPC_UA_Client", &TFParGen::CP_OPC_UA_Client},
    {"CP_OPC_UA_Server", &TFParGen::CP_OPC_UA_Server},
    {"CP_PROFINET", &TFParGen::CP_PROFINET},
    {"CP_SNMP_Manager", &TFParGen::CP_SNMP_Manager},
    {"CP_SNMP_Agent", &TFParGen::CP_SNMP_Agent},
    {"CP_TLS_Server", &TFParGen::CP_TLS_Server},
    {"CP_EtherNetIP_Master", &TFParGen::CP_EtherNetIP_Master},
    {"CP_EtherNetIP", &TFParGen::CP_EtherNetIP},
    {"CP_S7_Protocol", &TFParGen::CP_S7_Protocol},
    {"CP_GSM_GPRS", &TFParGen::CP_GSM_GPRS},
    {"CP_KNX", &TFParGen::CP_KNX},
    {"CP_PROFIBUS", &TFParGen::CP_PROFIBUS},
};
}  // namespace

void TFParGen::Create_Other_Panels() {
  auto panelNamed = [this](const QString& name) -> TCategoryPanel* {
    for (const TPanelSlot& slot : OtherPanelSlots)
      if (name == QLatin1String(slot.Name)) return this->*slot.Panel;
    throw std::out_of_range("no panel " + name.toStdString());
  };
  TParGenHandlers handlers;
  handlers.Changed = [this](TObject* s) { On_Change(s); };
  handlers.Clicked = [this](TObject* s) { On_Click(s); };
  handlers.OctetKeyPress = [this](TObject* s, QChar& k) { KeyPress(s, k); };
  Build_Other_Panels(this, panelNamed, CB_EthConn_En_DHCP_Cable, handlers);
}

bool TFParGen::Other_Panels_Relayout_On_Change(TObject* Sender) const { return Is_Other_Relayout_Change(Sender); }

bool TFParGen::Other_Panels_Relayout_On_Click(TObject* Sender) const { return Is_Other_Relayout_Click(Sender); }

void TFParGen::RePosition_Object_Ethernet() { Layout_Simple("CP_Ethernet"); }
void TFParGen::RePosition_Object_Serial() { Layout_Simple("CP_Serial"); }
void TFParGen::RePosition_Object_Modbus_Master() { Layout_Simple("CP_Modbus_Master"); }
void TFParGen::RePosition_Object_Modbus_Slave() { Layout_Simple("CP_Modbus_Slave"); }
void TFParGen::RePosition_Object_Modbus_TCP_Master() { Layout_Simple("CP_Modbus_TCP_Master"); }
void TFParGen::RePosition_Object_CAN() { Layout_Simple("CP_CAN"); }
void TFParGen::RePosition_Object_CANopen() { Layout_Simple("CP_CANopen"); }
void TFParGen::RePosition_Object_DeviceNet_Master() { Layout_Simple("CP_DeviceNet_Master"); }
void TFParGen::RePosition_Object_DeviceNet_Slave() { Layout_Simple("CP_DeviceNet_Slave"); }
void TFParGen::RePosition_Object_DMX() { Layout_Simple("CP_DMX"); }
void TFParGen::RePosition_Object_IEC61850_Client() { Layout_Simple("CP_IEC61850_Client"); }
void TFParGen::RePosition_Object_IEC61850_Server() { Layout_Simple("CP_IEC61850_Server"); }
void TFParGen::RePosition_Object_J1939() { Layout_Simple("CP_J1939"); }
void TFParGen::RePosition_Object_NTP() { Layout_Simple("CP_NTP"); }
void TFParGen::RePosition_Object_NMEA2000() { Layout_Simple("CP_NMEA2000"); }
void TFParGen::RePosition_Object_OPC_UA_Client() { Layout_Simple("CP_OPC_UA_Client"); }
void TFParGen::RePosition_Object_OPC_UA_Server() { Layout_Simple("CP_OPC_UA_Server"); }
void TFParGen::RePosition_Object_PROFINET() { Layout_Simple("CP_PROFINET"); }
void TFParGen::RePosition_Object_SNMP_Manager() { Layout_Simple("CP_SNMP_Manager"); }
void TFParGen::RePosition_Object_EtherNetIP_Master() { Layout_Simple("CP_EtherNetIP_Master"); }
void TFParGen::RePosition_Object_EtherNetIP() { Layout_Simple("CP_EtherNetIP"); }
void TFParGen::RePosition_Object_S7comm() { Layout_Simple("CP_S7_Protocol"); }
void TFParGen::RePosition_Object_GSM_GPRS() { Layout_Simple("CP_GSM_GPRS"); }
void TFParGen::RePosition_Object_KNX() { Layout_Simple("CP_KNX"); }
void TFParGen::RePosition_Object_PROFIBUS() { Layout_Simple("CP_PROFIBUS"); }

void TFParGen::RePosition_Object_BACnet_Master() { Layout_BACnet("Master"); }
void TFParGen::RePosition_Object_BACnet_Slave() { Layout_BACnet("Slave"); }
void TFParGen::RePosition_Object_TLS() { Layout_TLS(); }
void TFParGen::RePosition_Object_TLS_Server() { Layout_TLS_Server(); }
void TFParGen::RePosition_Object_MQTT() { Layout_MQTT(); }
void TFParGen::RePosition_Object_SNMP_Agent() { Layout_SNMP_Agent(); }
