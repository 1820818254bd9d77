// The NMEA 2000 parameter groups the gateway receives into its input area (NMEA_Rec_Frames.xml).
#pragma once

#include "tables/can/PgnTableForm.h"

class TFReceiveNMEA : public TPgnTableForm {
public:
  explicit TFReceiveNMEA(TComponent* AOwner);

  TStringList* Hint_ReceiveNMEA = nullptr;

protected:
  void Init_Tables() override;
};

extern TFReceiveNMEA* FReceiveNMEA;
