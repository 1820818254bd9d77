// The NMEA 2000 receive-frame table (NMEA_Rec_Frames.xml).
#pragma once

#include "common/UTextBlockForm.h"

class TFReceiveNMEA : public TFTextBlockForm {
public:
  explicit TFReceiveNMEA(TComponent* AOwner);
};

extern TFReceiveNMEA* FReceiveNMEA;
