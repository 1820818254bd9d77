// The open-project dialog: lists the folders under PROJECTS and returns the
// chosen name in Name_Conf.
#pragma once

#include "platform/Classes.h"
#include "platform/Forms.h"

#include <QString>

class TLabel;
class TListBox;
class TPanel;
class TLbButton;

class TFOpenConf : public TForm {
public:
  explicit TFOpenConf(TComponent* AOwner);
  void Set_Lang();
  void Load_Existing_Configuration();
  // Index of the first entry of SL equal to Name with letters a to z in either case, or -1.
  int Search_Open_Conf(const QString& Name) const;

  TListBox* ListBox1;
  TLbButton* Btn_OK;
  TLbButton* Btn_Cancel;
  TLabel* Label1;
  TLabel* L_SW_Code;
  TLabel* L_SW_Desc;
  TStringList SL;
  QString Name_Conf;

private:
  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
  void ListBox1Click(TObject* Sender);
  void Place_Buttons();

  TPanel* P_Top;
  TPanel* P_Bottom;
};

extern TFOpenConf* FOpenConf;
