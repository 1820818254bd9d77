// The dialog that scans an OPC UA server for variables.
#pragma once

#include "common/UTextBlockForm.h"

class TFOPC_UA_Scan_Server : public TFTextBlockForm {
public:
  explicit TFOPC_UA_Scan_Server(TComponent* AOwner);
};

extern TFOPC_UA_Scan_Server* FOPC_UA_Scan_Server;
