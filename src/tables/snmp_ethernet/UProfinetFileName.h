// The dialog that composes the name of a PROFINET GSDML file.
#pragma once

#include "common/UTextBlockForm.h"

class TFProfinetFileName : public TFTextBlockForm {
public:
  explicit TFProfinetFileName(TComponent* AOwner);
  // The composed file name, valid after OK.
  QString Name_File_XML;
};

extern TFProfinetFileName* FProfinetFileName;
