// The J1939 receive-frame table (J1939_Rec_Frames.xml).
#pragma once

#include "common/UTextBlockForm.h"

class TFReceiveJ1939 : public TFTextBlockForm {
public:
  explicit TFReceiveJ1939(TComponent* AOwner);
};

extern TFReceiveJ1939* FReceiveJ1939;
