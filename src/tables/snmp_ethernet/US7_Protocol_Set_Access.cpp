#include "tables/snmp_ethernet/US7_Protocol_Set_Access.h"

TFS7_Protocol_Set_Access* FS7_Protocol_Set_Access = nullptr;

TFS7_Protocol_Set_Access::TFS7_Protocol_Set_Access(TComponent* AOwner) : TFTextBlockForm(AOwner, 5100) {}
