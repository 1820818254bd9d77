// A form of an editor that this build creates and translates but whose table
// lives elsewhere: its software-code label, and its caption from the first id
// of its block of LanguageTexts.
#pragma once

#include "platform/Forms.h"

class TLabel;

class TFTextBlockForm : public TForm {
public:
  TFTextBlockForm(TComponent* AOwner, int FirstTextId);
  // Puts the form's texts from its block of LanguageTexts.
  void Set_Lang();

  TLabel* L_SW_Code;

private:
  void FormCreate(TObject* Sender);
  int FFirstTextId;
};
