// The DeviceNet slave list (DNETM_Net.xml).
#pragma once

#include "platform/Forms.h"

class TLabel;

class TFDNet : public TForm {
public:
  explicit TFDNet(TComponent* AOwner);
  // Puts the form's texts from its block of LanguageTexts.
  void Set_Lang();

  TLabel* L_SW_Code;

private:
  void FormCreate(TObject* Sender);
};

extern TFDNet* FDNet;
