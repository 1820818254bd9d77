// The S7 client table (S7_Protocol.xml).
#pragma once

#include "platform/Forms.h"

class TLabel;

class TFS7_Protocol_Set_Access : public TForm {
public:
  explicit TFS7_Protocol_Set_Access(TComponent* AOwner);
  // Puts the form's texts from its block of LanguageTexts.
  void Set_Lang();

  TLabel* L_SW_Code;

private:
  void FormCreate(TObject* Sender);
};

extern TFS7_Protocol_Set_Access* FS7_Protocol_Set_Access;
