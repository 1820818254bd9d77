// The EtherNet/IP EDS import dialog.
#pragma once

#include "common/UTextBlockForm.h"

class TFEtherNEtIP_EDS : public TFTextBlockForm {
public:
  explicit TFEtherNEtIP_EDS(TComponent* AOwner);
};

extern TFEtherNEtIP_EDS* FEtherNEtIP_EDS;
