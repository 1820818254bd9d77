#include "tables/modbus_bacnet/USetAccess.h"

TFSetAccess* FSetAccess = nullptr;

TFSetAccess::TFSetAccess(TComponent* AOwner) : TFTextBlockForm(AOwner, 1700) {}
