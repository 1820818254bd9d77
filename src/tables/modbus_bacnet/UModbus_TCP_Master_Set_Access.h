// The Modbus TCP master access table (ModbusTCPM_SetAccess.xml).
#pragma once

#include "platform/Forms.h"

class TLabel;

class TFModbus_TCP_Master_Set_Access : public TForm {
public:
  explicit TFModbus_TCP_Master_Set_Access(TComponent* AOwner);
  // Puts the form's texts from its block of LanguageTexts.
  void Set_Lang();

  TLabel* L_SW_Code;

private:
  void FormCreate(TObject* Sender);
};

extern TFModbus_TCP_Master_Set_Access* FModbus_TCP_Master_Set_Access;
