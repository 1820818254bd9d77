#include "tables/modbus_bacnet/UBACnet_Eng_Unit.h"

TFBACnet_Eng_Unit* FBACnet_Eng_Unit = nullptr;

TFBACnet_Eng_Unit::TFBACnet_Eng_Unit(TComponent* AOwner) : TFTextBlockForm(AOwner, 2300) {}
