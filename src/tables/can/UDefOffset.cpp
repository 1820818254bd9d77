#include "tables/can/UDefOffset.h"

TFDefOffset* FDefOffset = nullptr;

TFDefOffset::TFDefOffset(TComponent* AOwner) : TFTextBlockForm(AOwner, 3000) {}
