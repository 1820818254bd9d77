#include "common/ShellState.h"

QString ProgramFolder;
QString MasterFolder;
QString ProjectsFolder;
QString LanguageFolder;
QString SettingsFile;
QString ProjectName;
QString ProjectFolder;
QString LanguageName = "English";
int LanguageIdLimit = 5500;
QString SoftwareCode;
QString SoftwareTitle;
QString SoftwareDescription;
QString LastDeviceIp = "192.168.2.205";
int LastUpdateOption = 0;
bool LastReadBack = true;
QString LastEdeFolder;
bool EnableInternet = false;
bool EnableUpdate = false;
bool EnableJumpFieldTables = false;
bool DoubleClickAutoSize = false;

QString ParGenFile, LoRaWANGatewayFile, ModbusMSetAccessFile, ModbusTCPMSetAccessFile, BACnetMasterAccessFile,
    BACnetSlaveFile, CANRecFramesFile, CANSendFramesFile, SDOServerCANopenFile, SDOClientCANopenFile, PDOCANopenFile,
    DNETMNetFile, DNETMDefOffFile, DMXDefaultValuesFile, IEC61850ClientFile, TLSKnownCertFile, IEC61850VariablesFile,
    J1939RecFramesFile, J1939SendFramesFile, MQTTSetTopicFile, NMEARecFramesFile, NMEASendFramesFile, OPCUAClientFile,
    OPCUAServerFile, SNMPManagerFile, SNMPTrapFile, EtherNetIPMasterRulesFile, S7ProtocolFile, KNXSetAccessFile;

TStringList* LanguageTexts = nullptr;
TStringList* RowClipboard = nullptr;
std::vector<bool> RowClipboardCheckFlags;
TStringList* MibReadObjects = nullptr;
TStringList* MibWriteObjects = nullptr;

QString LangText(int id) {
  if (!LanguageTexts || id < 0 || id >= LanguageTexts->Count()) return QString();
  return LanguageTexts->Strings(id);
}

void ResetShellState() {
  ProgramFolder.clear();
  MasterFolder.clear();
  ProjectsFolder.clear();
  LanguageFolder.clear();
  SettingsFile.clear();
  ProjectName.clear();
  ProjectFolder.clear();
  LanguageName = "English";
  LanguageIdLimit = 5500;
  SoftwareCode.clear();
  SoftwareTitle.clear();
  SoftwareDescription.clear();
  LastDeviceIp = "192.168.2.205";
  LastUpdateOption = 0;
  LastReadBack = true;
  LastEdeFolder.clear();
  EnableInternet = EnableUpdate = EnableJumpFieldTables = DoubleClickAutoSize = false;
  for (QString* p : {&ParGenFile,
                     &LoRaWANGatewayFile,
                     &ModbusMSetAccessFile,
                     &ModbusTCPMSetAccessFile,
                     &BACnetMasterAccessFile,
                     &BACnetSlaveFile,
                     &CANRecFramesFile,
                     &CANSendFramesFile,
                     &SDOServerCANopenFile,
                     &SDOClientCANopenFile,
                     &PDOCANopenFile,
                     &DNETMNetFile,
                     &DNETMDefOffFile,
                     &DMXDefaultValuesFile,
                     &IEC61850ClientFile,
                     &TLSKnownCertFile,
                     &IEC61850VariablesFile,
                     &J1939RecFramesFile,
                     &J1939SendFramesFile,
                     &MQTTSetTopicFile,
                     &NMEARecFramesFile,
                     &NMEASendFramesFile,
                     &OPCUAClientFile,
                     &OPCUAServerFile,
                     &SNMPManagerFile,
                     &SNMPTrapFile,
                     &EtherNetIPMasterRulesFile,
                     &S7ProtocolFile,
                     &KNXSetAccessFile})
    p->clear();
  for (TStringList** l : {&LanguageTexts, &RowClipboard, &MibReadObjects, &MibWriteObjects}) {
    delete *l;
    *l = nullptr;
  }
  RowClipboardCheckFlags.clear();
}
