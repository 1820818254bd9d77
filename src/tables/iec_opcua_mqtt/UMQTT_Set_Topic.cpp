#include "tables/iec_opcua_mqtt/UMQTT_Set_Topic.h"

TFMQTT_Set_Topic* FMQTT_Set_Topic = nullptr;

TFMQTT_Set_Topic::TFMQTT_Set_Topic(TComponent* AOwner) : TFTextBlockForm(AOwner, 3700) {}
