// The EtherNet/IP slave connection table (EtherNetIP_Master_Rules.xml).
#pragma once

#include "common/UTextBlockForm.h"

class TFEtherNetIP_Master_Access : public TFTextBlockForm {
public:
  explicit TFEtherNetIP_Master_Access(TComponent* AOwner);
};

extern TFEtherNetIP_Master_Access* FEtherNetIP_Master_Access;
