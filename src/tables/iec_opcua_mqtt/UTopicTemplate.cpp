#include "tables/iec_opcua_mqtt/UTopicTemplate.h"

TFTopicTemplate* FTopicTemplate = nullptr;

TFTopicTemplate::TFTopicTemplate(TComponent* AOwner) : TFTextBlockForm(AOwner, 3800) {}
