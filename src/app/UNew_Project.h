// The new-project dialog: asks for a name and creates the project folder with
// its bin folder under PROJECTS, then opens the project.
#pragma once

#include "platform/Forms.h"

#include <QString>

class TEdit;
class TLabel;
class TLbButton;

class TFNew_Project : public TForm {
public:
  explicit TFNew_Project(TComponent* AOwner);
  void Set_Lang();
  void Btn_OKClick(TObject* Sender);

  TEdit* E_New_Proj;
  TLbButton* Btn_OK;
  TLbButton* Btn_Cancel;
  TLabel* Label1;
  TLabel* L_SW_Code;
  TLabel* L_SW_Desc;

private:
  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
  void E_New_ProjKeyPress(TObject* Sender, QChar& Key);
};

// A name that stays one folder directly under PROJECTS: not empty of meaning
// (".", ".."), hidden (leading dot), nested (separators) or refused by a file
// system (control characters and the characters Windows refuses).
bool IsValidProjectName(const QString& name);

extern TFNew_Project* FNew_Project;
