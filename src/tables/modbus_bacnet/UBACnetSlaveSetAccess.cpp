#include "tables/modbus_bacnet/UBACnetSlaveSetAccess.h"

TFBACnetSlaveSetAccess* FBACnetSlaveSetAccess = nullptr;

TFBACnetSlaveSetAccess::TFBACnetSlaveSetAccess(TComponent* AOwner) : TFTextBlockForm(AOwner, 2200) {}
