// The J1939 transmit-frame table (J1939_Send_Frames.xml).
#pragma once

#include "common/UTextBlockForm.h"

class TFTransmitJ1939 : public TFTextBlockForm {
public:
  explicit TFTransmitJ1939(TComponent* AOwner);
};

extern TFTransmitJ1939* FTransmitJ1939;
