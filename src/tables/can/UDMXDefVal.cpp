#include "tables/can/UDMXDefVal.h"

TFDMXDefVal* FDMXDefVal = nullptr;

TFDMXDefVal::TFDMXDefVal(TComponent* AOwner) : TFTextBlockForm(AOwner, 3100) {}
