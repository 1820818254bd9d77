#include "tables/iec_opcua_mqtt/UOPC_UA_Add_Server.h"

TFOPC_UA_Add_Server* FOPC_UA_Add_Server = nullptr;

TFOPC_UA_Add_Server::TFOPC_UA_Add_Server(TComponent* AOwner) : TFTextBlockForm(AOwner, 4300) {}
