// The Modbus TCP master access table (ModbusTCPM_SetAccess.xml).
#pragma once

#include "common/UTextBlockForm.h"

class TFModbus_TCP_Master_Set_Access : public TFTextBlockForm {
public:
  explicit TFModbus_TCP_Master_Set_Access(TComponent* AOwner);
};

extern TFModbus_TCP_Master_Set_Access* FModbus_TCP_Master_Set_Access;
