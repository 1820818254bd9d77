#include "tables/can/UReceiveNMEA.h"

TFReceiveNMEA* FReceiveNMEA = nullptr;

TFReceiveNMEA::TFReceiveNMEA(TComponent* AOwner) : TFTextBlockForm(AOwner, 3900) {}
