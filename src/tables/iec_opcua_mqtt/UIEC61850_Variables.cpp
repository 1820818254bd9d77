#include "tables/iec_opcua_mqtt/UIEC61850_Variables.h"

TFIEC61850_Variables* FIEC61850_Variables = nullptr;

TFIEC61850_Variables::TFIEC61850_Variables(TComponent* AOwner) : TFTextBlockForm(AOwner, 3300) {}
