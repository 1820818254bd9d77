// The DeviceNet slave list (DNETM_Net.xml).
#pragma once

#include "common/UTextBlockForm.h"

class TFDNet : public TFTextBlockForm {
public:
  explicit TFDNet(TComponent* AOwner);
};

extern TFDNet* FDNet;
