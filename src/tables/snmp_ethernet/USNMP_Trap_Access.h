// The SNMP agent object table (SNMP_Trap.xml).
#pragma once

#include "common/UTextBlockForm.h"

class TFSNMP_Trap_Access : public TFTextBlockForm {
public:
  explicit TFSNMP_Trap_Access(TComponent* AOwner);
};

extern TFSNMP_Trap_Access* FSNMP_Trap_Access;
