// The list of known TLS certificates (TLS_Known_Cert.xml).
#pragma once

#include "platform/Forms.h"

class TLabel;

class TFTLS_Server_Known_Cert : public TForm {
public:
  explicit TFTLS_Server_Known_Cert(TComponent* AOwner);
  // Puts the form's texts from its block of LanguageTexts.
  void Set_Lang();

  TLabel* L_SW_Code;

private:
  void FormCreate(TObject* Sender);
};

extern TFTLS_Server_Known_Cert* FTLS_Server_Known_Cert;
