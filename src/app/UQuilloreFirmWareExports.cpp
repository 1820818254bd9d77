// The file writers of the family's other protocol sides. Their buttons are
// hidden in this model, so no user reaches them; each action is joined to its
// writer when that writer is part of the build.
#include "app/UQuilloreFirmWare.h"

#include "platform/Forms.h"
#include "tables/snmp_ethernet/UProfibus_GSD.h"
#include "tables/snmp_ethernet/UProfinetFileName.h"
#include "tables/snmp_ethernet/UProfinetXML.h"
#include "tables/snmp_ethernet/USNMP_MIB.h"

void TFQuilloreFirmWare::BACnet_EDE_File() {}

void TFQuilloreFirmWare::Build_EDS_File() {}

void TFQuilloreFirmWare::PROFINET_XML() {
  if (FProfinetFileName->ShowModal() != mrOk) return;
  CreateGsdmlFile(FProfinetFileName->Name_File_XML);
}

void TFQuilloreFirmWare::SNMP_MIB_File() { CreateMibFile(*SaveMIB); }

void TFQuilloreFirmWare::PROFIBUS_GSD_File() { CreateGsdFile(); }
