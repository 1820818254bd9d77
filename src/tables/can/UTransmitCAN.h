// The CAN transmit-frame table (CAN_Send_Frames.xml).
#pragma once

#include "platform/Forms.h"

class TLabel;

class TFTransmitCAN : public TForm {
public:
  explicit TFTransmitCAN(TComponent* AOwner);
  // Puts the form's texts from its block of LanguageTexts.
  void Set_Lang();

  TLabel* L_SW_Code;

private:
  void FormCreate(TObject* Sender);
};

extern TFTransmitCAN* FTransmitCAN;
