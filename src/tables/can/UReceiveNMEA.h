// The NMEA 2000 receive-frame table (NMEA_Rec_Frames.xml).
#pragma once

#include "platform/Forms.h"

class TLabel;

class TFReceiveNMEA : public TForm {
public:
  explicit TFReceiveNMEA(TComponent* AOwner);
  // Puts the form's texts from its block of LanguageTexts.
  void Set_Lang();

  TLabel* L_SW_Code;

private:
  void FormCreate(TObject* Sender);
};

extern TFReceiveNMEA* FReceiveNMEA;
