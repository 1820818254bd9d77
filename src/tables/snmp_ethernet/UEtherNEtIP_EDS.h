// The EtherNet/IP EDS import dialog.
#pragma once

#include "platform/Forms.h"

class TLabel;

class TFEtherNEtIP_EDS : public TForm {
public:
  explicit TFEtherNEtIP_EDS(TComponent* AOwner);
  // Puts the form's texts from its block of LanguageTexts.
  void Set_Lang();

  TLabel* L_SW_Code;

private:
  void FormCreate(TObject* Sender);
};

extern TFEtherNEtIP_EDS* FEtherNEtIP_EDS;
