// The IEC 61850 server variables (IEC61850_Variables.xml).
#pragma once

#include "common/UTextBlockForm.h"

class TFIEC61850_Variables : public TFTextBlockForm {
public:
  explicit TFIEC61850_Variables(TComponent* AOwner);
};

extern TFIEC61850_Variables* FIEC61850_Variables;
