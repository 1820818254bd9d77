// The dialog that scans an OPC UA server for variables.
#pragma once

#include "platform/Forms.h"

class TLabel;

class TFOPC_UA_Scan_Server : public TForm {
public:
  explicit TFOPC_UA_Scan_Server(TComponent* AOwner);
  // Puts the form's texts from its block of LanguageTexts.
  void Set_Lang();

  TLabel* L_SW_Code;

private:
  void FormCreate(TObject* Sender);
};

extern TFOPC_UA_Scan_Server* FOPC_UA_Scan_Server;
