// The EtherNet/IP slave connection table (EtherNetIP_Master_Rules.xml).
#pragma once

#include "platform/Forms.h"

class TLabel;

class TFEtherNetIP_Master_Access : public TForm {
public:
  explicit TFEtherNetIP_Master_Access(TComponent* AOwner);
  // Puts the form's texts from its block of LanguageTexts.
  void Set_Lang();

  TLabel* L_SW_Code;

private:
  void FormCreate(TObject* Sender);
};

extern TFEtherNetIP_Master_Access* FEtherNetIP_Master_Access;
