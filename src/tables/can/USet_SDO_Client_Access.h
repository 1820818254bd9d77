// The CANopen SDO client table (SDO_Client_CANopen.xml).
#pragma once

#include "platform/Forms.h"

class TLabel;

class TFSet_SDO_Client_Access : public TForm {
public:
  explicit TFSet_SDO_Client_Access(TComponent* AOwner);
  // Puts the form's texts from its block of LanguageTexts.
  void Set_Lang();

  TLabel* L_SW_Code;

private:
  void FormCreate(TObject* Sender);
};

extern TFSet_SDO_Client_Access* FSet_SDO_Client_Access;
