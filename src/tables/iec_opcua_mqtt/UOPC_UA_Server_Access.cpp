#include "tables/iec_opcua_mqtt/UOPC_UA_Server_Access.h"

TFOPC_UA_Server_Access* FOPC_UA_Server_Access = nullptr;

TFOPC_UA_Server_Access::TFOPC_UA_Server_Access(TComponent* AOwner) : TFTextBlockForm(AOwner, 4500) {}
