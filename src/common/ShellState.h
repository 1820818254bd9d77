// The shell's process-wide state: program folders, the open project, the
// settings values, the table file paths and the shared lists. One place, with
// a reset for tests.
#pragma once

#include "platform/Classes.h"

#include <QString>

#include <vector>

// Fixed by the model this build serves.
inline const QString ProgramVersion = "1.007";
inline const QString BuildSoftwareCode = "CFZ9KAD";
inline const QString BuildSoftwareDescription = "Modbus TCP Slave / LoRaWAN Gateway - Converter";
inline const QString MakerName = "Quillore Devices";
inline const QString ModelCode = "Z9KAD";
// The public LoRaWAN network server proposed for a new project; the form and
// the image builder share it.
inline const QString DefaultLoRaWANServerAddress = "eu1.cloud.thethings.network";
// The maker's web pages, opened in the user's browser.
inline const QString MakerWebHost = "www.quillore.example";
inline const QString MakerWebSite = "http://" + MakerWebHost;
inline const QString MakerHomePage = MakerWebSite + "/HOME/default.asp?frompg=" + BuildSoftwareCode;
inline const QString MakerDownloadPage = MakerWebSite + "/Home/download/download.asp#DV" + ModelCode;

extern QString ProgramFolder;
extern QString MasterFolder;
extern QString ProjectsFolder;
extern QString LanguageFolder;
extern QString SettingsFile;

extern QString ProjectName;
extern QString ProjectFolder;  // empty when no project is open

extern QString LanguageName;
extern int LanguageIdLimit;
extern QString SoftwareCode;
extern QString SoftwareTitle;
extern QString SoftwareDescription;

extern QString LastDeviceIp;
extern int LastUpdateOption;
extern bool LastReadBack;
// The folder of the last EDE file chosen in the BACnet client editor; never saved.
extern QString LastEdeFolder;

extern bool EnableInternet;
extern bool EnableUpdate;
extern bool EnableJumpFieldTables;
extern bool DoubleClickAutoSize;

// Table file paths, set by Set_Files from ProjectFolder.
extern QString ParGenFile;
extern QString LoRaWANGatewayFile;
extern QString ModbusMSetAccessFile;
extern QString ModbusTCPMSetAccessFile;
extern QString BACnetMasterAccessFile;
extern QString BACnetSlaveFile;
extern QString CANRecFramesFile;
extern QString CANSendFramesFile;
extern QString SDOServerCANopenFile;
extern QString SDOClientCANopenFile;
extern QString PDOCANopenFile;
extern QString DNETMNetFile;
extern QString DNETMDefOffFile;
extern QString DMXDefaultValuesFile;
extern QString IEC61850ClientFile;
extern QString TLSKnownCertFile;
extern QString IEC61850VariablesFile;
extern QString J1939RecFramesFile;
extern QString J1939SendFramesFile;
extern QString MQTTSetTopicFile;
extern QString NMEARecFramesFile;
extern QString NMEASendFramesFile;
extern QString OPCUAClientFile;
extern QString OPCUAServerFile;
extern QString SNMPManagerFile;
extern QString SNMPTrapFile;
extern QString EtherNetIPMasterRulesFile;
extern QString S7ProtocolFile;
extern QString KNXSetAccessFile;

// The user-interface texts by id (filled by LoadLanguage).
extern TStringList* LanguageTexts;
extern TStringList* RowClipboard;
// One entry per copied column: true when it held a check box (string grids only).
extern std::vector<bool> RowClipboardCheckFlags;
extern TStringList* MibReadObjects;
extern TStringList* MibWriteObjects;

// The text with this id, or an empty text when the table does not hold it.
QString LangText(int id);

// Back to the state before FormCreate (tests).
void ResetShellState();
