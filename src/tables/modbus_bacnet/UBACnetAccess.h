// The BACnet client access table (BACnet_Master_Access.xml).
#pragma once

#include "platform/Forms.h"

class TLabel;

class TFBACnetAccess : public TForm {
public:
  explicit TFBACnetAccess(TComponent* AOwner);
  // Puts the form's texts from its block of LanguageTexts.
  void Set_Lang();

  TLabel* L_SW_Code;

private:
  void FormCreate(TObject* Sender);
};

extern TFBACnetAccess* FBACnetAccess;
