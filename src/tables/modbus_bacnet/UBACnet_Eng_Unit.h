// The chooser of a BACnet engineering unit: a category, then a unit of it,
// and the selection button puts its code into the edit that the caller
// preset and reads back on OK.
#pragma once

#include "platform/Forms.h"

class TComboBox;
class TEdit;
class TLabel;
class TLbButton;
class TPanel;
class TShape;

class TFBACnet_Eng_Unit : public TForm {
public:
  explicit TFBACnet_Eng_Unit(TComponent* AOwner);

  void Set_Lang();
  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
  void CB_Select_TypeSelect(TObject* Sender);
  void Btn_Select_Eng_UnitClick(TObject* Sender);
  // "-> " and the name of the code that Text holds (-1 when it holds none).
  void Show_Unit_Of(const QString& Text);

  TPanel* P_Title;
  TLabel* L_SW_Code;
  TLabel* L_SW_Desc;
  TLabel* Label1;
  TEdit* E_Selected_EU;
  TLabel* Label5;
  TShape* Shape1;
  TLabel* Label2;
  TLabel* Label3;
  TComboBox* CB_Select_Type;
  TLabel* Label4;
  TComboBox* CB_Select_Unit;
  TLbButton* Btn_Select_Eng_Unit;
  TShape* Shape2;
  TPanel* P_Button;
  TLbButton* Btn_OK;
  TLbButton* Btn_Cancel;
};

extern TFBACnet_Eng_Unit* FBACnet_Eng_Unit;
