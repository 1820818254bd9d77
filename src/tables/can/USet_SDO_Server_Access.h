// The CANopen SDO server table (SDO_Server_CANopen.xml).
#pragma once

#include "common/UTextBlockForm.h"

class TFSet_SDO_Server_Access : public TFTextBlockForm {
public:
  explicit TFSet_SDO_Server_Access(TComponent* AOwner);
};

extern TFSet_SDO_Server_Access* FSet_SDO_Server_Access;
