// The BACnet server object table (BACnet_Slave.xml).
#pragma once

#include "common/UTextBlockForm.h"

class TFBACnetSlaveSetAccess : public TFTextBlockForm {
public:
  explicit TFBACnetSlaveSetAccess(TComponent* AOwner);
};

extern TFBACnetSlaveSetAccess* FBACnetSlaveSetAccess;
