#include "tables/snmp_ethernet/USNMP_Trap_Access.h"

TFSNMP_Trap_Access* FSNMP_Trap_Access = nullptr;

TFSNMP_Trap_Access::TFSNMP_Trap_Access(TComponent* AOwner) : TFTextBlockForm(AOwner, 4700) {}
