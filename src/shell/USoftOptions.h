// The options dialog: language, connection options and table settings.
#pragma once

#include "platform/Forms.h"

class TLabel;

class TFSoftOptions : public TForm {
public:
  explicit TFSoftOptions(TComponent* AOwner);
  // Puts the dialog's texts from its block of LanguageTexts.
  void Set_Lang();
  // True when the maker's version service reports a newer version.
  bool Check_Version();

  TLabel* L_SW_Code;

private:
  void FormCreate(TObject* Sender);
};

extern TFSoftOptions* FSoftOptions;
