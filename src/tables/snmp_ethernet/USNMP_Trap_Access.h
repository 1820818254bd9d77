// The SNMP agent object table (SNMP_Trap.xml).
#pragma once

#include "platform/Forms.h"

class TLabel;

class TFSNMP_Trap_Access : public TForm {
public:
  explicit TFSNMP_Trap_Access(TComponent* AOwner);
  // Puts the form's texts from its block of LanguageTexts.
  void Set_Lang();

  TLabel* L_SW_Code;

private:
  void FormCreate(TObject* Sender);
};

extern TFSNMP_Trap_Access* FSNMP_Trap_Access;
