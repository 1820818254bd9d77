// The dialog that adds a server to the OPC UA client editor.
#pragma once

#include "platform/Forms.h"

class TLabel;

class TFOPC_UA_Add_Server : public TForm {
public:
  explicit TFOPC_UA_Add_Server(TComponent* AOwner);
  // Puts the form's texts from its block of LanguageTexts.
  void Set_Lang();

  TLabel* L_SW_Code;

private:
  void FormCreate(TObject* Sender);
};

extern TFOPC_UA_Add_Server* FOPC_UA_Add_Server;
