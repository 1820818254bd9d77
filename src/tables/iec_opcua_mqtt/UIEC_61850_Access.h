// The IEC 61850 client mapping table (IEC_61850_Client.xml).
#pragma once

#include "platform/Forms.h"

class TLabel;

class TFIEC_61850_Access : public TForm {
public:
  explicit TFIEC_61850_Access(TComponent* AOwner);
  // Puts the form's texts from its block of LanguageTexts.
  void Set_Lang();

  TLabel* L_SW_Code;

private:
  void FormCreate(TObject* Sender);
};

extern TFIEC_61850_Access* FIEC_61850_Access;
