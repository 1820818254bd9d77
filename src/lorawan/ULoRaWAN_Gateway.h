// The LoRaWAN device and rule tables (LoRaWAN_Gateway.xml).
#pragma once

#include "common/UTextBlockForm.h"

class TFLoRaWAN_Gateway : public TFTextBlockForm {
public:
  explicit TFLoRaWAN_Gateway(TComponent* AOwner);
};

extern TFLoRaWAN_Gateway* FLoRaWAN_Gateway;
