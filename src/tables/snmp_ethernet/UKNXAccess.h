// The KNX telegram table (KNX_SetAccess.xml).
#pragma once

#include "common/UTextBlockForm.h"

class TFKNXAccess : public TFTextBlockForm {
public:
  explicit TFKNXAccess(TComponent* AOwner);
};

extern TFKNXAccess* FKNXAccess;
