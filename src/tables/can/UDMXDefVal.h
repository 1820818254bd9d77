// The DMX channel default values (DMX_Default_Values.xml).
#pragma once

#include "common/UTextBlockForm.h"

class TFDMXDefVal : public TFTextBlockForm {
public:
  explicit TFDMXDefVal(TComponent* AOwner);
};

extern TFDMXDefVal* FDMXDefVal;
