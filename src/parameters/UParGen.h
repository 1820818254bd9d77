// The general parameters of the device (ParGen.xml).
#pragma once

#include "platform/Forms.h"

class TLabel;

class TFParGen : public TForm {
public:
  explicit TFParGen(TComponent* AOwner);
  // Puts the form's texts from its block of LanguageTexts.
  void Set_Lang();

  TLabel* L_SW_Code;

private:
  void FormCreate(TObject* Sender);
};

extern TFParGen* FParGen;
