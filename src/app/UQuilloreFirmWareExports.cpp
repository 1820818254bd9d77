// The file writers of the family's other protocol sides. Their buttons are
// hidden in this model, so no user reaches them; each action is joined to its
// writer when that writer is part of the build.
#include "app/UQuilloreFirmWare.h"

void TFQuilloreFirmWare::BACnet_EDE_File() {}

void TFQuilloreFirmWare::Build_EDS_File() {}

void TFQuilloreFirmWare::PROFINET_XML() {}

void TFQuilloreFirmWare::SNMP_MIB_File() {}

void TFQuilloreFirmWare::PROFIBUS_GSD_File() {}
