#include "tables/iec_opcua_mqtt/UIEC_61850_Access.h"

TFIEC_61850_Access* FIEC_61850_Access = nullptr;

TFIEC_61850_Access::TFIEC_61850_Access(TComponent* AOwner) : TFTextBlockForm(AOwner, 3200) {}
