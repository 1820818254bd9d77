// The OPC UA client table (OPC_UA_Client.xml).
#pragma once

#include "common/UTextBlockForm.h"

class TFOPC_UA_Client_Access : public TFTextBlockForm {
public:
  explicit TFOPC_UA_Client_Access(TComponent* AOwner);
};

extern TFOPC_UA_Client_Access* FOPC_UA_Client_Access;
