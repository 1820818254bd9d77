// The CANopen SDO client table (SDO_Client_CANopen.xml).
#pragma once

#include "common/UTextBlockForm.h"

class TFSet_SDO_Client_Access : public TFTextBlockForm {
public:
  explicit TFSet_SDO_Client_Access(TComponent* AOwner);
};

extern TFSet_SDO_Client_Access* FSet_SDO_Client_Access;
