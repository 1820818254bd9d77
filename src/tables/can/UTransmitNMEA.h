// The NMEA 2000 parameter groups the gateway sends from its output area (NMEA_Send_Frames.xml).
#pragma once

#include "tables/can/PgnTableForm.h"

class TFTransmitNMEA : public TPgnTableForm {
public:
  explicit TFTransmitNMEA(TComponent* AOwner);

  TStringList* Hint_TransmitNMEA = nullptr;

protected:
  void Init_Tables() override;
};

extern TFTransmitNMEA* FTransmitNMEA;
