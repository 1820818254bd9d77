// The table of every form. Its order is the creation order of the original
// program; translating follows the same order.
#include "app/FormRegistry.h"

#include "app/UAbout.h"
#include "app/UNew_Project.h"
#include "app/UOpenConf.h"
#include "app/UQuilloreFirmWare.h"
#include "app/USoftOptions.h"
#include "lorawan/UBoot.h"
#include "lorawan/ULoRaWAN_Gateway.h"
#include "parameters/UParGen.h"
#include "platform/Application.h"
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

namespace {

using TMainWindow = TFQuilloreFirmWare;

template <auto& Form>
void CreateOf(TApplication& App) {
  App.CreateForm(Form);
}

template <auto& Form>
void SetLangOf() {
  if (Form) Form->Set_Lang();
}

template <auto& Form>
void ShowModalOf() {
  Form->ShowModal();
}

enum TTexts { Fixed, Translated };
enum TOpens { WithProject, Always };

// One row of the table: the form's global, whether Set_Lang is called for it
// when the language changes, and the main-window button that shows it.
template <auto& Form, TTexts Texts = Translated>
constexpr TFormEntry Entry(TLbButton* TMainWindow::*Button = nullptr, TOpens Opens = WithProject) {
  void (*setLang)() = nullptr;
  if constexpr (Texts == Translated) setLang = SetLangOf<Form>;
  return {CreateOf<Form>, setLang, Button, Opens == WithProject, ShowModalOf<Form>};
}

constexpr TFormEntry Forms[] = {
    Entry<FQuilloreFirmWare, Fixed>(),  // translates itself before the others
    Entry<FLoRaWAN_Gateway>(&TMainWindow::Btn_LoRaWAN_Access),
    Entry<FNew_Project>(),
    Entry<FOpenConf>(),
    Entry<FAbout, Fixed>(&TMainWindow::Btn_Info, Always),
    Entry<FSoftOptions>(),
    Entry<FBoot>(),
    Entry<FParGen>(&TMainWindow::Btn_Prm_Gen),
    Entry<FReceiveCAN>(&TMainWindow::Btn_CAN_Rec_Frame),
    Entry<FTransmitCAN>(&TMainWindow::Btn_CAN_Send_Frame),
    Entry<FSetAccess>(),
    Entry<FModbus_TCP_Master_Set_Access>(&TMainWindow::Btn_Modbus_Set_Access),
    Entry<FBACnetAccess>(&TMainWindow::Btn_BACnet_SetAccess),
    Entry<FImportEDEFile>(),
    Entry<FBACnet_Eng_Unit>(),
    Entry<FBACnetSlaveSetAccess>(),
    Entry<FSet_PDO_Access>(&TMainWindow::Btn_PDO_CANopen),
    Entry<FSet_SDO_Client_Access>(&TMainWindow::Btn_SDO_Client_CANopen),
    Entry<FSet_SDO_Server_Access>(&TMainWindow::Btn_SDO_Server_CANopen),
    Entry<FDefOffset>(&TMainWindow::Btn_DNet_Offset),
    Entry<FDNet>(&TMainWindow::Btn_DNet_Net),
    Entry<FDMXDefVal>(&TMainWindow::Btn_DMX_Default),
    Entry<FIEC_61850_Access>(&TMainWindow::Btn_IEC61850_Client),
    Entry<FIEC61850_Variables>(&TMainWindow::Btn_IEC61850_Access),
    Entry<FTLS_Server_Known_Cert>(&TMainWindow::Btn_TLS_List_Certificates),
    Entry<FReceiveJ1939>(),
    Entry<FTransmitJ1939>(),
    Entry<FMQTT_Set_Topic>(&TMainWindow::Btn_MQTT_Set_Topic),
    Entry<FTopicTemplate>(),
    Entry<FReceiveNMEA>(),
    Entry<FTransmitNMEA>(),
    Entry<FOPC_UA_Add_Server>(),
    Entry<FOPC_UA_Client_Access>(&TMainWindow::Btn_OPC_UA_Client_Access),
    Entry<FOPC_UA_Scan_Server>(),
    Entry<FOPC_UA_Server_Access>(&TMainWindow::Btn_OPC_UA_Server_Access),
    Entry<FSNMPManagerAccess>(&TMainWindow::Btn_SNMP_Manager_Access),
    Entry<FSNMP_Trap_Access>(&TMainWindow::Btn_SNMP_Trap),
    Entry<FProfinetFileName>(),
    Entry<FEtherNEtIP_EDS>(),
    Entry<FEtherNetIP_Master_Access>(&TMainWindow::Btn_EtherNetIP_Access),
    Entry<FS7_Protocol_Set_Access>(&TMainWindow::Btn_S7_Protocol_Access),
    Entry<FKNXAccess>(&TMainWindow::Btn_KNX_Access),
};

}  // namespace

std::span<const TFormEntry> FormRegistry() { return Forms; }
