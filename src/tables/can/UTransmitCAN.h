// The CAN transmit-frame table (CAN_Send_Frames.xml).
#pragma once

#include "common/UTextBlockForm.h"

class TFTransmitCAN : public TFTextBlockForm {
public:
  explicit TFTransmitCAN(TComponent* AOwner);
};

extern TFTransmitCAN* FTransmitCAN;
