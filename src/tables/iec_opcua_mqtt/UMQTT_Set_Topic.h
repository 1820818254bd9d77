// The MQTT topic table (MQTT_Set_Topic.xml).
#pragma once

#include "common/UTextBlockForm.h"

class TFMQTT_Set_Topic : public TFTextBlockForm {
public:
  explicit TFMQTT_Set_Topic(TComponent* AOwner);
};

extern TFMQTT_Set_Topic* FMQTT_Set_Topic;
