#include "tables/snmp_ethernet/UEtherNEtIP_EDS.h"

TFEtherNEtIP_EDS* FEtherNEtIP_EDS = nullptr;

TFEtherNEtIP_EDS::TFEtherNEtIP_EDS(TComponent* AOwner) : TFTextBlockForm(AOwner, 5000) {}
