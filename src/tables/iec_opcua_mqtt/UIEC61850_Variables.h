// The IEC 61850 server variables (IEC61850_Variables.xml).
#pragma once

#include "platform/Forms.h"

class TLabel;

class TFIEC61850_Variables : public TForm {
public:
  explicit TFIEC61850_Variables(TComponent* AOwner);
  // Puts the form's texts from its block of LanguageTexts.
  void Set_Lang();

  TLabel* L_SW_Code;

private:
  void FormCreate(TObject* Sender);
};

extern TFIEC61850_Variables* FIEC61850_Variables;
