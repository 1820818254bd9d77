// The chooser of a BACnet engineering unit.
#pragma once

#include "platform/Forms.h"

class TLabel;

class TFBACnet_Eng_Unit : public TForm {
public:
  explicit TFBACnet_Eng_Unit(TComponent* AOwner);
  // Puts the form's texts from its block of LanguageTexts.
  void Set_Lang();

  TLabel* L_SW_Code;

private:
  void FormCreate(TObject* Sender);
};

extern TFBACnet_Eng_Unit* FBACnet_Eng_Unit;
