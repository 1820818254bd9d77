// The KNX telegram table (KNX_SetAccess.xml).
#pragma once

#include "platform/Forms.h"

class TLabel;

class TFKNXAccess : public TForm {
public:
  explicit TFKNXAccess(TComponent* AOwner);
  // Puts the form's texts from its block of LanguageTexts.
  void Set_Lang();

  TLabel* L_SW_Code;

private:
  void FormCreate(TObject* Sender);
};

extern TFKNXAccess* FKNXAccess;
