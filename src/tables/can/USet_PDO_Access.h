// The CANopen PDO table (PDO_CANopen.xml).
#pragma once

#include "common/UTextBlockForm.h"

class TFSet_PDO_Access : public TFTextBlockForm {
public:
  explicit TFSet_PDO_Access(TComponent* AOwner);
};

extern TFSet_PDO_Access* FSet_PDO_Access;
