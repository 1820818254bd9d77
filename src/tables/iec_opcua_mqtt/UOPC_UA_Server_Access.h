// The OPC UA server variables (OPC_UA_Server.xml).
#pragma once

#include "common/UTextBlockForm.h"

class TFOPC_UA_Server_Access : public TFTextBlockForm {
public:
  explicit TFOPC_UA_Server_Access(TComponent* AOwner);
};

extern TFOPC_UA_Server_Access* FOPC_UA_Server_Access;
