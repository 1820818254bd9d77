// The Modbus serial master access table (ModbusM_SetAccess.xml).
#pragma once

#include "common/UTextBlockForm.h"

class TFSetAccess : public TFTextBlockForm {
public:
  explicit TFSetAccess(TComponent* AOwner);
};

extern TFSetAccess* FSetAccess;
