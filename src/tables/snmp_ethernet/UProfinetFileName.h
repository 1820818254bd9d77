// The dialog that composes the name of a PROFINET GSDML file: a fixed first
// part, the user's part and a fixed last part with the program's start date.
#pragma once

#include "platform/Forms.h"

class TEdit;
class TLabel;
class TLbButton;
class TPanel;

class TFProfinetFileName : public TForm {
public:
  explicit TFProfinetFileName(TComponent* AOwner);

  void Set_Lang();
  void FormCreate(TObject* Sender);
  void Btn_OK_Click(TObject* Sender);

  // The composed file name, valid after OK.
  QString Name_File_XML;

  TPanel* P_Title;
  TLabel* L_SW_Code;
  TLabel* L_SW_Desc;
  TLabel* L_Select_Name;
  TLabel* L_FixPart_1;
  TLabel* L_XML_Fix1;
  TLabel* L_UsedPart;
  TEdit* E_XML_User;
  TLabel* L_FixPart_2;
  TLabel* L_XML_Fix2;
  TPanel* P_Button;
  TLbButton* Btn_OK;
  TLbButton* Btn_Cancel;
};

extern TFProfinetFileName* FProfinetFileName;
