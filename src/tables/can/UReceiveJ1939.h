// The J1939 receive-frame table (J1939_Rec_Frames.xml).
#pragma once

#include "platform/Forms.h"

class TLabel;

class TFReceiveJ1939 : public TForm {
public:
  explicit TFReceiveJ1939(TComponent* AOwner);
  // Puts the form's texts from its block of LanguageTexts.
  void Set_Lang();

  TLabel* L_SW_Code;

private:
  void FormCreate(TObject* Sender);
};

extern TFReceiveJ1939* FReceiveJ1939;
