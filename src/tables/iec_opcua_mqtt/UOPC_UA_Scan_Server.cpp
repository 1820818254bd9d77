#include "tables/iec_opcua_mqtt/UOPC_UA_Scan_Server.h"

TFOPC_UA_Scan_Server* FOPC_UA_Scan_Server = nullptr;

TFOPC_UA_Scan_Server::TFOPC_UA_Scan_Server(TComponent* AOwner) : TFTextBlockForm(AOwner, 4400) {}
