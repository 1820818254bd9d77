// The BACnet client access table (BACnet_Master_Access.xml).
#pragma once

#include "common/UTextBlockForm.h"

class TFBACnetAccess : public TFTextBlockForm {
public:
  explicit TFBACnetAccess(TComponent* AOwner);
};

extern TFBACnetAccess* FBACnetAccess;
