// The dialog that adds a server to the OPC UA client editor.
#pragma once

#include "common/UTextBlockForm.h"

class TFOPC_UA_Add_Server : public TFTextBlockForm {
public:
  explicit TFOPC_UA_Add_Server(TComponent* AOwner);
};

extern TFOPC_UA_Add_Server* FOPC_UA_Add_Server;
