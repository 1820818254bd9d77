// The BACnet server object table (BACnet_Slave.xml).
#pragma once

#include "platform/Forms.h"

class TLabel;

class TFBACnetSlaveSetAccess : public TForm {
public:
  explicit TFBACnetSlaveSetAccess(TComponent* AOwner);
  // Puts the form's texts from its block of LanguageTexts.
  void Set_Lang();

  TLabel* L_SW_Code;

private:
  void FormCreate(TObject* Sender);
};

extern TFBACnetSlaveSetAccess* FBACnetSlaveSetAccess;
