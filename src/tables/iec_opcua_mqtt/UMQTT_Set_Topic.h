// The MQTT topic table (MQTT_Set_Topic.xml).
#pragma once

#include "platform/Forms.h"

class TLabel;

class TFMQTT_Set_Topic : public TForm {
public:
  explicit TFMQTT_Set_Topic(TComponent* AOwner);
  // Puts the form's texts from its block of LanguageTexts.
  void Set_Lang();

  TLabel* L_SW_Code;

private:
  void FormCreate(TObject* Sender);
};

extern TFMQTT_Set_Topic* FMQTT_Set_Topic;
