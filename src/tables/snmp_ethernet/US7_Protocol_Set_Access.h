// The S7 client table (S7_Protocol.xml).
#pragma once

#include "common/UTextBlockForm.h"

class TFS7_Protocol_Set_Access : public TFTextBlockForm {
public:
  explicit TFS7_Protocol_Set_Access(TComponent* AOwner);
};

extern TFS7_Protocol_Set_Access* FS7_Protocol_Set_Access;
