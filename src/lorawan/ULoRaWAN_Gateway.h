// The LoRaWAN device and rule tables (LoRaWAN_Gateway.xml).
#pragma once

#include "platform/Forms.h"

class TLabel;

class TFLoRaWAN_Gateway : public TForm {
public:
  explicit TFLoRaWAN_Gateway(TComponent* AOwner);
  // Puts the form's texts from its block of LanguageTexts.
  void Set_Lang();

  TLabel* L_SW_Code;

private:
  void FormCreate(TObject* Sender);
};

extern TFLoRaWAN_Gateway* FLoRaWAN_Gateway;
