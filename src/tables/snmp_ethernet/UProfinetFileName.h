// The dialog that composes the name of a PROFINET GSDML file.
#pragma once

#include "platform/Forms.h"

class TLabel;

class TFProfinetFileName : public TForm {
public:
  explicit TFProfinetFileName(TComponent* AOwner);
  // Puts the form's texts from its block of LanguageTexts.
  void Set_Lang();

  TLabel* L_SW_Code;
  // The composed file name, valid after OK.
  QString Name_File_XML;

private:
  void FormCreate(TObject* Sender);
};

extern TFProfinetFileName* FProfinetFileName;
