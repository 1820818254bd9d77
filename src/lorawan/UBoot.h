// The device-update form: pings the device, writes the update tool's parameter
// file and runs the tool. Form_Type 1 is the update over Ethernet, 0 the serial one.
#pragma once

#include "platform/Forms.h"

class TLabel;

class TFBoot : public TForm {
public:
  explicit TFBoot(TComponent* AOwner);
  // Puts the form's texts from its block of LanguageTexts.
  void Set_Lang();

  int Form_Type = 0;
  TLabel* L_SW_Code;

private:
  void FormShow(TObject* Sender);
};

extern TFBoot* FBoot;
