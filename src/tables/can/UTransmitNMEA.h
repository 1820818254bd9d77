// The NMEA 2000 transmit-frame table (NMEA_Send_Frames.xml).
#pragma once

#include "platform/Forms.h"

class TLabel;

class TFTransmitNMEA : public TForm {
public:
  explicit TFTransmitNMEA(TComponent* AOwner);
  // Puts the form's texts from its block of LanguageTexts.
  void Set_Lang();

  TLabel* L_SW_Code;

private:
  void FormCreate(TObject* Sender);
};

extern TFTransmitNMEA* FTransmitNMEA;
