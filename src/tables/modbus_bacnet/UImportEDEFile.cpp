#include "tables/modbus_bacnet/UImportEDEFile.h"

TFImportEDEFile* FImportEDEFile = nullptr;

TFImportEDEFile::TFImportEDEFile(TComponent* AOwner) : TFTextBlockForm(AOwner, 2100) {}
