// The topic template dialog of the MQTT editor.
#pragma once

#include "common/UTextBlockForm.h"

class TFTopicTemplate : public TFTextBlockForm {
public:
  explicit TFTopicTemplate(TComponent* AOwner);
};

extern TFTopicTemplate* FTopicTemplate;
