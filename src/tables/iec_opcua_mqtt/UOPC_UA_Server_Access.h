// The OPC UA server variables (OPC_UA_Server.xml).
#pragma once

#include "platform/Forms.h"

class TLabel;

class TFOPC_UA_Server_Access : public TForm {
public:
  explicit TFOPC_UA_Server_Access(TComponent* AOwner);
  // Puts the form's texts from its block of LanguageTexts.
  void Set_Lang();

  TLabel* L_SW_Code;

private:
  void FormCreate(TObject* Sender);
};

extern TFOPC_UA_Server_Access* FOPC_UA_Server_Access;
