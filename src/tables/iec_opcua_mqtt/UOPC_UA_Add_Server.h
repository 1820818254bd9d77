// The dialog that enters a new server for the OPC UA client editor or changes
// one: its rows follow the chosen authorization, and OK is refused while a
// field that authorization needs is empty.
#pragma once

#include "platform/Forms.h"

class TCheckBox;
class TComboBox;
class TEdit;
class TLabel;
class TLbButton;
class TMemo;
class TPanel;

class TFOPC_UA_Add_Server : public TForm {
public:
  explicit TFOPC_UA_Add_Server(TComponent* AOwner);

  void Set_Lang();
  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
  void CB_AuthChange(TObject* Sender);
  void CB_Sec_TypeChange(TObject* Sender);
  void Change_Fields();
  void Check_Authorization();
  bool Controlla_Dati();
  void Btn_OKClick(TObject* Sender);

  // 1 add mode, 2 modify mode; set by the editor before each showing.
  int FormType = 1;

  TPanel* P_Title;
  TLabel* L_SW_Code;
  TLabel* L_SW_Desc;
  TCheckBox* CB_OPC_UA_Server_Enable;
  TLabel* L_Server_Add;
  TEdit* E_Server_Add;
  TLabel* L_Auth;
  TComboBox* CB_Auth;
  TLabel* L_User;
  TEdit* E_User;
  TLabel* L_Pass;
  TEdit* E_Pass;
  TLabel* L_Certificate;
  TMemo* RE_Certificate;
  TLabel* L_Priv_Key;
  TMemo* RE_Priv_Key;
  TLabel* L_Sec_Type;
  TComboBox* CB_Sec_Type;
  TLabel* L_Sec_Policy;
  TComboBox* CB_Sec_Policy;
  TLabel* L_Mnemonic;
  TEdit* E_Mnemonic;
  TPanel* P_Button;
  TLbButton* Btn_OK;
  TLbButton* Btn_Cancel;
};

extern TFOPC_UA_Add_Server* FOPC_UA_Add_Server;
