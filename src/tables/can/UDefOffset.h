// The DeviceNet byte offset table (DNETM_DefOff.xml).
#pragma once

#include "common/UTextBlockForm.h"

class TFDefOffset : public TFTextBlockForm {
public:
  explicit TFDefOffset(TComponent* AOwner);
};

extern TFDefOffset* FDefOffset;
