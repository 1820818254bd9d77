// The CAN receive-frame table (CAN_Rec_Frames.xml).
#pragma once

#include "common/UTextBlockForm.h"

class TFReceiveCAN : public TFTextBlockForm {
public:
  explicit TFReceiveCAN(TComponent* AOwner);
};

extern TFReceiveCAN* FReceiveCAN;
