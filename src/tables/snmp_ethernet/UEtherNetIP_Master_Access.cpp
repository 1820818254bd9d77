#include "tables/snmp_ethernet/UEtherNetIP_Master_Access.h"

TFEtherNetIP_Master_Access* FEtherNetIP_Master_Access = nullptr;

TFEtherNetIP_Master_Access::TFEtherNetIP_Master_Access(TComponent* AOwner) : TFTextBlockForm(AOwner, 4900) {}
