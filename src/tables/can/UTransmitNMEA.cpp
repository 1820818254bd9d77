#include "tables/can/UTransmitNMEA.h"

TFTransmitNMEA* FTransmitNMEA = nullptr;

TFTransmitNMEA::TFTransmitNMEA(TComponent* AOwner) : TFTextBlockForm(AOwner, 4000) {}
