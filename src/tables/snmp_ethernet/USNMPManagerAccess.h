// The SNMP manager table (SNMP_Manager.xml).
#pragma once

#include "platform/Forms.h"

class TLabel;

class TFSNMPManagerAccess : public TForm {
public:
  explicit TFSNMPManagerAccess(TComponent* AOwner);
  // Puts the form's texts from its block of LanguageTexts.
  void Set_Lang();

  TLabel* L_SW_Code;

private:
  void FormCreate(TObject* Sender);
};

extern TFSNMPManagerAccess* FSNMPManagerAccess;
