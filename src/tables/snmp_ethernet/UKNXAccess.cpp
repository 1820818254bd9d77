#include "tables/snmp_ethernet/UKNXAccess.h"

TFKNXAccess* FKNXAccess = nullptr;

TFKNXAccess::TFKNXAccess(TComponent* AOwner) : TFTextBlockForm(AOwner, 5300) {}
