// The about box: description, software code, version and document code.
// Its labels are fixed English texts; it is not translated.
#pragma once

#include "platform/Forms.h"

class TFAbout : public TForm {
public:
  explicit TFAbout(TComponent* AOwner);
};

extern TFAbout* FAbout;
