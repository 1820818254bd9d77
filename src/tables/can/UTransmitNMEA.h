// The NMEA 2000 transmit-frame table (NMEA_Send_Frames.xml).
#pragma once

#include "common/UTextBlockForm.h"

class TFTransmitNMEA : public TFTextBlockForm {
public:
  explicit TFTransmitNMEA(TComponent* AOwner);
};

extern TFTransmitNMEA* FTransmitNMEA;
