#include "tables/iec_opcua_mqtt/UOPC_UA_Client_Access.h"

TFOPC_UA_Client_Access* FOPC_UA_Client_Access = nullptr;

TFOPC_UA_Client_Access::TFOPC_UA_Client_Access(TComponent* AOwner) : TFTextBlockForm(AOwner, 4100) {}
