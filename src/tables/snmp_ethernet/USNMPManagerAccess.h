// The SNMP manager table (SNMP_Manager.xml).
#pragma once

#include "common/UTextBlockForm.h"

class TFSNMPManagerAccess : public TFTextBlockForm {
public:
  explicit TFSNMPManagerAccess(TComponent* AOwner);
};

extern TFSNMPManagerAccess* FSNMPManagerAccess;
