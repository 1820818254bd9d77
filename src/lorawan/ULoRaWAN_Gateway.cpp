#include "lorawan/ULoRaWAN_Gateway.h"

TFLoRaWAN_Gateway* FLoRaWAN_Gateway = nullptr;

TFLoRaWAN_Gateway::TFLoRaWAN_Gateway(TComponent* AOwner) : TFTextBlockForm(AOwner, 5400) {}
