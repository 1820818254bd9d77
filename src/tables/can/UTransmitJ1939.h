// The J1939 transmit-frame table (J1939_Send_Frames.xml).
#pragma once

#include "platform/Forms.h"

class TLabel;

class TFTransmitJ1939 : public TForm {
public:
  explicit TFTransmitJ1939(TComponent* AOwner);
  // Puts the form's texts from its block of LanguageTexts.
  void Set_Lang();

  TLabel* L_SW_Code;

private:
  void FormCreate(TObject* Sender);
};

extern TFTransmitJ1939* FTransmitJ1939;
