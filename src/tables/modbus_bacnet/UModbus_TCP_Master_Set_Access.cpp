#include "tables/modbus_bacnet/UModbus_TCP_Master_Set_Access.h"

TFModbus_TCP_Master_Set_Access* FModbus_TCP_Master_Set_Access = nullptr;

TFModbus_TCP_Master_Set_Access::TFModbus_TCP_Master_Set_Access(TComponent* AOwner) : TFTextBlockForm(AOwner, 1800) {}
