// The Modbus serial master access table (ModbusM_SetAccess.xml).
#pragma once

#include "platform/Forms.h"

class TLabel;

class TFSetAccess : public TForm {
public:
  explicit TFSetAccess(TComponent* AOwner);
  // Puts the form's texts from its block of LanguageTexts.
  void Set_Lang();

  TLabel* L_SW_Code;

private:
  void FormCreate(TObject* Sender);
};

extern TFSetAccess* FSetAccess;
