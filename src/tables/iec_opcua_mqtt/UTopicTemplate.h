// The topic template dialog of the MQTT editor.
#pragma once

#include "platform/Forms.h"

class TLabel;

class TFTopicTemplate : public TForm {
public:
  explicit TFTopicTemplate(TComponent* AOwner);
  // Puts the form's texts from its block of LanguageTexts.
  void Set_Lang();

  TLabel* L_SW_Code;

private:
  void FormCreate(TObject* Sender);
};

extern TFTopicTemplate* FTopicTemplate;
