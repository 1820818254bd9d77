// The chooser of a BACnet engineering unit.
#pragma once

#include "common/UTextBlockForm.h"

class TFBACnet_Eng_Unit : public TFTextBlockForm {
public:
  explicit TFBACnet_Eng_Unit(TComponent* AOwner);
};

extern TFBACnet_Eng_Unit* FBACnet_Eng_Unit;
