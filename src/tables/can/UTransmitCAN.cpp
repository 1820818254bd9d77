#include "tables/can/UTransmitCAN.h"

TFTransmitCAN* FTransmitCAN = nullptr;

TFTransmitCAN::TFTransmitCAN(TComponent* AOwner) : TFTextBlockForm(AOwner, 2500) {}
