// The file writers of the family's other protocol sides. Their buttons are
// hidden in this model, so no user reaches them; each action is joined to its
// writer when that writer is part of the build.
#include "app/UQuilloreFirmWare.h"

#include "common/ShellState.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"
#include "platform/Forms.h"
#include "platform/SysUtils.h"
#include "platform/Xml.h"
#include "tables/can/UEds.h"
#include "tables/modbus_bacnet/UBACnet_EDE_File.h"
#include "tables/snmp_ethernet/UProfibus_GSD.h"
#include "tables/snmp_ethernet/UProfinetFileName.h"
#include "tables/snmp_ethernet/UProfinetXML.h"
#include "tables/snmp_ethernet/USNMP_MIB.h"

namespace {
constexpr int TextOverwrite = 1503;
}

void TFQuilloreFirmWare::BACnet_EDE_File() {
  SD1->InitialDir = ProjectFolder;
  if (!SD1->Execute()) return;
  QString name = SD1->FileName;
  if (name.right(4).toUpper() != ".CSV") name += ".csv";
  if (FileExists(name) && MessageDlg(LangText(TextOverwrite), mtConfirmation, mbYesNoCancel) != mrYes) return;
  Export_EDE_File(XML1(), name);
}

void TFQuilloreFirmWare::Build_EDS_File() {
  SaveEDS->InitialDir = ProjectFolder;
  if (!SaveEDS->Execute()) return;
  WriteEdsFile(XML1(), SaveEDS->FileName);
}

int TFQuilloreFirmWare::Get_Type_BACnet() {
  if (!FileExists(ParGenFile) || !XML1().LoadFromFile(ParGenFile)) return 0;
  const TXmlNode type = XML1().Root().ChildNode("BACnet_Type");
  return type ? StrToIntDef(type.Text(), 0) : 0;
}

void TFQuilloreFirmWare::PROFINET_XML() {
  if (FProfinetFileName->ShowModal() != mrOk) return;
  CreateGsdmlFile(FProfinetFileName->Name_File_XML);
}

void TFQuilloreFirmWare::SNMP_MIB_File() { CreateMibFile(*SaveMIB); }

void TFQuilloreFirmWare::PROFIBUS_GSD_File() { CreateGsdFile(); }
