#include "tables/can/UTransmitJ1939.h"

TFTransmitJ1939* FTransmitJ1939 = nullptr;

TFTransmitJ1939::TFTransmitJ1939(TComponent* AOwner) : TFTextBlockForm(AOwner, 3600) {}
