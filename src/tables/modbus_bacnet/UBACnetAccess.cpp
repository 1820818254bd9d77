#include "tables/modbus_bacnet/UBACnetAccess.h"

TFBACnetAccess* FBACnetAccess = nullptr;

TFBACnetAccess::TFBACnetAccess(TComponent* AOwner) : TFTextBlockForm(AOwner, 2000) {}
