#include "tables/snmp_ethernet/UProfinetFileName.h"

TFProfinetFileName* FProfinetFileName = nullptr;

TFProfinetFileName::TFProfinetFileName(TComponent* AOwner) : TFTextBlockForm(AOwner, 4800) {}
