#include "tables/iec_opcua_mqtt/UTLS_Server_Known_Cert.h"

TFTLS_Server_Known_Cert* FTLS_Server_Known_Cert = nullptr;

TFTLS_Server_Known_Cert::TFTLS_Server_Known_Cert(TComponent* AOwner) : TFTextBlockForm(AOwner, 3400) {}
