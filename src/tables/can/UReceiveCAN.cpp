#include "tables/can/UReceiveCAN.h"

TFReceiveCAN* FReceiveCAN = nullptr;

TFReceiveCAN::TFReceiveCAN(TComponent* AOwner) : TFTextBlockForm(AOwner, 2400) {}
