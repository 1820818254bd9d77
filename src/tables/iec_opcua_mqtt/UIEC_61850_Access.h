// The IEC 61850 client mapping table (IEC_61850_Client.xml).
#pragma once

#include "common/UTextBlockForm.h"

class TFIEC_61850_Access : public TFTextBlockForm {
public:
  explicit TFIEC_61850_Access(TComponent* AOwner);
};

extern TFIEC_61850_Access* FIEC_61850_Access;
