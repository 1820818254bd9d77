// The DMX channel default values (DMX_Default_Values.xml).
#pragma once

#include "platform/Forms.h"

class TLabel;

class TFDMXDefVal : public TForm {
public:
  explicit TFDMXDefVal(TComponent* AOwner);
  // Puts the form's texts from its block of LanguageTexts.
  void Set_Lang();

  TLabel* L_SW_Code;

private:
  void FormCreate(TObject* Sender);
};

extern TFDMXDefVal* FDMXDefVal;
