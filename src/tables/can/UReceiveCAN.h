// The CAN receive-frame table (CAN_Rec_Frames.xml).
#pragma once

#include "platform/Forms.h"

class TLabel;

class TFReceiveCAN : public TForm {
public:
  explicit TFReceiveCAN(TComponent* AOwner);
  // Puts the form's texts from its block of LanguageTexts.
  void Set_Lang();

  TLabel* L_SW_Code;

private:
  void FormCreate(TObject* Sender);
};

extern TFReceiveCAN* FReceiveCAN;
