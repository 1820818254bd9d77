#include "app/UStartup.h"

#include "lorawan/UBoot.h"
#include "lorawan/ULoRaWAN_Gateway.h"
#include "parameters/UParGen.h"
#include "app/UAbout.h"
#include "app/UNew_Project.h"
#include "app/UOpenConf.h"
#include "app/UQuilloreFirmWare.h"
#include "app/USoftOptions.h"
#include "tables/can/UDMXDefVal.h"
#include "tables/can/UDNet.h"
#include "tables/can/UDefOffset.h"
#include "tables/can/UReceiveCAN.h"
#include "tables/can/UReceiveJ1939.h"
#include "tables/can/UReceiveNMEA.h"
#include "tables/can/USet_PDO_Access.h"
#include "tables/can/USet_SDO_Client_Access.h"
#include "tables/can/USet_SDO_Server_Access.h"
#include "tables/can/UTransmitCAN.h"
#include "tables/can/UTransmitJ1939.h"
#include "tables/can/UTransmitNMEA.h"
#include "tables/iec_opcua_mqtt/UIEC61850_Variables.h"
#include "tables/iec_opcua_mqtt/UIEC_61850_Access.h"
#include "tables/iec_opcua_mqtt/UMQTT_Set_Topic.h"
#include "tables/iec_opcua_mqtt/UOPC_UA_Add_Server.h"
#include "tables/iec_opcua_mqtt/UOPC_UA_Client_Access.h"
#include "tables/iec_opcua_mqtt/UOPC_UA_Scan_Server.h"
#include "tables/iec_opcua_mqtt/UOPC_UA_Server_Access.h"
#include "tables/iec_opcua_mqtt/UTLS_Server_Known_Cert.h"
#include "tables/iec_opcua_mqtt/UTopicTemplate.h"
#include "tables/modbus_bacnet/UBACnetAccess.h"
#include "tables/modbus_bacnet/UBACnetSlaveSetAccess.h"
#include "tables/modbus_bacnet/UBACnet_Eng_Unit.h"
#include "tables/modbus_bacnet/UImportEDEFile.h"
#include "tables/modbus_bacnet/UModbus_TCP_Master_Set_Access.h"
#include "tables/modbus_bacnet/USetAccess.h"
#include "tables/snmp_ethernet/UEtherNEtIP_EDS.h"
#include "tables/snmp_ethernet/UEtherNetIP_Master_Access.h"
#include "tables/snmp_ethernet/UKNXAccess.h"
#include "tables/snmp_ethernet/UProfinetFileName.h"
#include "tables/snmp_ethernet/US7_Protocol_Set_Access.h"
#include "tables/snmp_ethernet/USNMPManagerAccess.h"
#include "tables/snmp_ethernet/USNMP_Trap_Access.h"
#include "platform/Application.h"

void CreateForms() {
  TApplication* app = Application();
  app->CreateForm(FQuilloreFirmWare);
  app->CreateForm(FLoRaWAN_Gateway);
  app->CreateForm(FNew_Project);
  app->CreateForm(FOpenConf);
  app->CreateForm(FAbout);
  app->CreateForm(FSoftOptions);
  app->CreateForm(FBoot);
  app->CreateForm(FParGen);
  app->CreateForm(FReceiveCAN);
  app->CreateForm(FTransmitCAN);
  app->CreateForm(FSetAccess);
  app->CreateForm(FModbus_TCP_Master_Set_Access);
  app->CreateForm(FBACnetAccess);
  app->CreateForm(FImportEDEFile);
  app->CreateForm(FBACnet_Eng_Unit);
  app->CreateForm(FBACnetSlaveSetAccess);
  app->CreateForm(FSet_PDO_Access);
  app->CreateForm(FSet_SDO_Client_Access);
  app->CreateForm(FSet_SDO_Server_Access);
  app->CreateForm(FDefOffset);
  app->CreateForm(FDNet);
  app->CreateForm(FDMXDefVal);
  app->CreateForm(FIEC_61850_Access);
  app->CreateForm(FIEC61850_Variables);
  app->CreateForm(FTLS_Server_Known_Cert);
  app->CreateForm(FReceiveJ1939);
  app->CreateForm(FTransmitJ1939);
  app->CreateForm(FMQTT_Set_Topic);
  app->CreateForm(FTopicTemplate);
  app->CreateForm(FReceiveNMEA);
  app->CreateForm(FTransmitNMEA);
  app->CreateForm(FOPC_UA_Add_Server);
  app->CreateForm(FOPC_UA_Client_Access);
  app->CreateForm(FOPC_UA_Scan_Server);
  app->CreateForm(FOPC_UA_Server_Access);
  app->CreateForm(FSNMPManagerAccess);
  app->CreateForm(FSNMP_Trap_Access);
  app->CreateForm(FProfinetFileName);
  app->CreateForm(FEtherNEtIP_EDS);
  app->CreateForm(FEtherNetIP_Master_Access);
  app->CreateForm(FS7_Protocol_Set_Access);
  app->CreateForm(FKNXAccess);
}
