// The CANopen PDO table (PDO_CANopen.xml).
#pragma once

#include "platform/Forms.h"

class TLabel;

class TFSet_PDO_Access : public TForm {
public:
  explicit TFSet_PDO_Access(TComponent* AOwner);
  // Puts the form's texts from its block of LanguageTexts.
  void Set_Lang();

  TLabel* L_SW_Code;

private:
  void FormCreate(TObject* Sender);
};

extern TFSet_PDO_Access* FSet_PDO_Access;
