// The dialog that imports a BACnet EDE file into the BACnet editors.
#pragma once

#include "platform/Forms.h"

class TLabel;

class TFImportEDEFile : public TForm {
public:
  explicit TFImportEDEFile(TComponent* AOwner);
  // Puts the form's texts from its block of LanguageTexts.
  void Set_Lang();

  TLabel* L_SW_Code;

private:
  void FormCreate(TObject* Sender);
};

extern TFImportEDEFile* FImportEDEFile;
