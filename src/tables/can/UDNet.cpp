#include "tables/can/UDNet.h"

TFDNet* FDNet = nullptr;

TFDNet::TFDNet(TComponent* AOwner) : TFTextBlockForm(AOwner, 2900) {}
