// Program folders, the open project and the table file paths derived from it.
#include "app/UQuilloreFirmWare.h"

#include "app/UNew_Project.h"
#include "app/UOpenConf.h"
#include "common/ShellState.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"

#include <array>

namespace {

constexpr int ProjectNotValidText = 18;

struct TTableFile {
  QString* Path;
  const char* Name;
};

const std::array<TTableFile, 29> TableFiles{{
    {&ParGenFile, "ParGen.xml"},
    {&LoRaWANGatewayFile, "LoRaWAN_Gateway.xml"},
    {&ModbusMSetAccessFile, "ModbusM_SetAccess.xml"},
    {&ModbusTCPMSetAccessFile, "ModbusTCPM_SetAccess.xml"},
    {&BACnetMasterAccessFile, "BACnet_Master_Access.xml"},
    {&BACnetSlaveFile, "BACnet_Slave.xml"},
    {&CANRecFramesFile, "CAN_Rec_Frames.xml"},
    {&CANSendFramesFile, "CAN_Send_Frames.xml"},
    {&SDOServerCANopenFile, "SDO_Server_CANopen.xml"},
    {&SDOClientCANopenFile, "SDO_Client_CANopen.xml"},
    {&PDOCANopenFile, "PDO_CANopen.xml"},
    {&DNETMNetFile, "DNETM_Net.xml"},
    {&DNETMDefOffFile, "DNETM_DefOff.xml"},
    {&DMXDefaultValuesFile, "DMX_Default_Values.xml"},
    {&IEC61850ClientFile, "IEC_61850_Client.xml"},
    {&TLSKnownCertFile, "TLS_Known_Cert.xml"},
    {&IEC61850VariablesFile, "IEC61850_Variables.xml"},
    {&J1939RecFramesFile, "J1939_Rec_Frames.xml"},
    {&J1939SendFramesFile, "J1939_Send_Frames.xml"},
    {&MQTTSetTopicFile, "MQTT_Set_Topic.xml"},
    {&NMEARecFramesFile, "NMEA_Rec_Frames.xml"},
    {&NMEASendFramesFile, "NMEA_Send_Frames.xml"},
    {&OPCUAClientFile, "OPC_UA_Client.xml"},
    {&OPCUAServerFile, "OPC_UA_Server.xml"},
    {&SNMPManagerFile, "SNMP_Manager.xml"},
    {&SNMPTrapFile, "SNMP_Trap.xml"},
    {&EtherNetIPMasterRulesFile, "EtherNetIP_Master_Rules.xml"},
    {&S7ProtocolFile, "S7_Protocol.xml"},
    {&KNXSetAccessFile, "KNX_SetAccess.xml"},
}};

}  // namespace

// Each missing folder is made one level deep; a failure shows later, when a
// project or language cannot be found there.
void TFQuilloreFirmWare::Setup_Folders() {
  ProgramFolder = GetProgramFolder();
  MasterFolder = ProgramFolder + PathDelim + "MASTER";
  ProjectsFolder = ProgramFolder + PathDelim + "PROJECTS";
  LanguageFolder = ProgramFolder + PathDelim + "LANGUAGE";
  SettingsFile = ProgramFolder + PathDelim + "Quillor.xml";
  for (const QString& folder : {MasterFolder, ProjectsFolder, LanguageFolder})
    if (!DirectoryExists(folder)) CreateDir(folder);
}

// With no project open the paths are the bare names behind a separator; no
// action uses them then.
void TFQuilloreFirmWare::Set_Files() {
  for (const TTableFile& f : TableFiles) *f.Path = ProjectFolder + PathDelim + QString::fromLatin1(f.Name);
}

// The remembered name stays even when its folder is gone, so the settings
// file goes on naming it and a later start reopens it when the folder is back.
// A name edited into the file that leads out of PROJECTS is not opened.
void TFQuilloreFirmWare::Reopen_Last_Project() {
  const QString folder = ProjectsFolder + PathDelim + ProjectName;
  if (IsValidProjectName(ProjectName) && DirectoryExists(folder))
    ProjectFolder = folder;
  else
    ProjectFolder.clear();
}

// The dialog has already set the project state and the table file paths.
void TFQuilloreFirmWare::Create_New_Project() {
  if (FNew_Project->ShowModal() == mrOk) Show_Project_Lines();
}

// A folder whose name could not be remembered as it stands (a control
// character, say, which the settings file cannot hold) is not opened: the next
// start would otherwise look for another project.
void TFQuilloreFirmWare::Open_Project() {
  if (FOpenConf->ShowModal() != mrOk) return;
  if (!FOpenConf->Name_Conf.isEmpty() && !IsValidProjectName(FOpenConf->Name_Conf)) {
    MessageDlg(LangText(ProjectNotValidText), mtError, {mbOK});
    return;
  }
  ProjectName = FOpenConf->Name_Conf;
  if (!ProjectName.isEmpty())
    ProjectFolder = ProjectsFolder + PathDelim + ProjectName;
  else
    ProjectFolder.clear();
  Show_Project_Lines();
  Set_Files();
}
