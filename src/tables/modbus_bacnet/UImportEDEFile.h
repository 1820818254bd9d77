// The dialog that imports a BACnet EDE file into the BACnet editors.
#pragma once

#include "common/UTextBlockForm.h"

class TFImportEDEFile : public TFTextBlockForm {
public:
  explicit TFImportEDEFile(TComponent* AOwner);
};

extern TFImportEDEFile* FImportEDEFile;
