#include "tables/can/UReceiveJ1939.h"

TFReceiveJ1939* FReceiveJ1939 = nullptr;

TFReceiveJ1939::TFReceiveJ1939(TComponent* AOwner) : TFTextBlockForm(AOwner, 3500) {}
