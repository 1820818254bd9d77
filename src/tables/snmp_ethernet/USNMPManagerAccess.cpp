#include "tables/snmp_ethernet/USNMPManagerAccess.h"

TFSNMPManagerAccess* FSNMPManagerAccess = nullptr;

TFSNMPManagerAccess::TFSNMPManagerAccess(TComponent* AOwner) : TFTextBlockForm(AOwner, 4600) {}
