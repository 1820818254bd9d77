// The DeviceNet byte offset table (DNETM_DefOff.xml).
#pragma once

#include "platform/Forms.h"

class TLabel;

class TFDefOffset : public TForm {
public:
  explicit TFDefOffset(TComponent* AOwner);
  // Puts the form's texts from its block of LanguageTexts.
  void Set_Lang();

  TLabel* L_SW_Code;

private:
  void FormCreate(TObject* Sender);
};

extern TFDefOffset* FDefOffset;
