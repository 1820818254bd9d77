#include "tables/modbus_bacnet/UBACnet_Eng_Unit.h"

#include "common/FormKit.h"
#include "common/ShellState.h"
#include "common/button/LbButton.h"
#include "common/tables/TableCells.h"
#include "platform/ExtCtrls.h"
#include "platform/StdCtrls.h"
#include "tables/modbus_bacnet/BACnetUnits.h"

#include <utility>

TFBACnet_Eng_Unit* FBACnet_Eng_Unit = nullptr;

namespace {

constexpr int FormWidth = 548, FormHeight = 306;

namespace Texts {
constexpr int Caption = 2300, Description = 2301, OK = 2302, Cancel = 2303, Selected = 2304, SelectNew = 2305,
              Type = 2306, Unit = 2307, SelectButton = 2308;
}

using TLabelField = TLabel* TFBACnet_Eng_Unit::*;
struct TLabelPlace {
  TLabelField Member;
  TBounds Bounds;
  int Text;  // 0: set elsewhere
};
constexpr TLabelPlace Labels[] = {
    {&TFBACnet_Eng_Unit::Label1, {16, 82, 230, 13}, Texts::Selected},
    {&TFBACnet_Eng_Unit::Label5, {312, 82, 220, 13}, 0},
    {&TFBACnet_Eng_Unit::Label2, {16, 120, 400, 13}, Texts::SelectNew},
    {&TFBACnet_Eng_Unit::Label3, {16, 148, 130, 13}, Texts::Type},
    {&TFBACnet_Eng_Unit::Label4, {16, 178, 130, 13}, Texts::Unit},
};

using TComboField = TComboBox* TFBACnet_Eng_Unit::*;
constexpr std::pair<TComboField, TBounds> Combos[] = {
    {&TFBACnet_Eng_Unit::CB_Select_Type, {150, 144, 382, 21}},
    {&TFBACnet_Eng_Unit::CB_Select_Unit, {150, 174, 382, 21}},
};

TShape* MakeLine(TComponent* Owner, TWinControl* Parent, int Top) {
  TShape* line = Make<TShape>(Owner, Parent, {8, Top, FormWidth - 16, 1});
  line->Pen().Color = clGray;
  return line;
}

}  // namespace

TFBACnet_Eng_Unit::TFBACnet_Eng_Unit(TComponent* AOwner) : TForm(AOwner) {
  ApplyHouseForm(this);
  SetBorderStyle(bsSingle);
  BorderIcons = biSystemMenu;
  Position = poScreenCenter;
  SetClientWidth(FormWidth);
  SetClientHeight(FormHeight);
  P_Title = MakeBandPanel(this, alTop, HouseLook::TitlePanelHeight);
  P_Title->SetColor(clWhite);
  L_SW_Code = Make<TLabel>(this, P_Title, {8, 8, 150, 29});
  L_SW_Code->Font().SetSize(18);
  L_SW_Code->Font().SetColor(clGray);
  L_SW_Desc = Make<TLabel>(this, P_Title, {8, 44, FormWidth - 16, 13});
  L_SW_Desc->Font().SetStyle({fsBold});
  for (const TLabelPlace& place : Labels) this->*place.Member = Make<TLabel>(this, this, place.Bounds);
  E_Selected_EU = Make<TEdit>(this, this, {250, 78, 49, 21});
  Shape1 = MakeLine(this, this, 110);
  for (const auto& [member, bounds] : Combos) {
    this->*member = Make<TComboBox>(this, this, bounds);
    (this->*member)->SetStyle(csDropDownList);
  }
  for (const TEngUnitCategory& category : EngUnitCategories())
    CB_Select_Type->Items().Add(QString::fromUtf16(category.Name));
  CB_Select_Type->SetItemIndex(0);
  CB_Select_Type->OnSelect = [this](TObject* Sender) { CB_Select_TypeSelect(Sender); };
  Btn_Select_Eng_Unit = MakeHouseButton(this, this, {16, 210, FormWidth - 32, 28});
  Btn_Select_Eng_Unit->OnClick = [this](TObject* Sender) { Btn_Select_Eng_UnitClick(Sender); };
  Shape2 = MakeLine(this, this, 250);
  P_Button = MakeBandPanel(this, alBottom, HouseLook::ButtonPanelHeight);
  Btn_OK = MakeHouseButton(this, P_Button, {FormWidth - 236, 6, 110, 28});
  Btn_OK->SetModalResult(mrOk);
  Btn_Cancel = MakeHouseButton(this, P_Button, {FormWidth - 118, 6, 110, 28});
  Btn_Cancel->SetModalResult(mrCancel);
  OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
  OnShow = [this](TObject* Sender) { FormShow(Sender); };
}

void TFBACnet_Eng_Unit::FormCreate(TObject*) {
  L_SW_Code->SetCaption(SoftwareCode);
  SetClientHeight(FormHeight);
  SetClientWidth(FormWidth);
  Set_Lang();
}

void TFBACnet_Eng_Unit::Set_Lang() {
  SetCaption(LangText(Texts::Caption));
  L_SW_Desc->SetCaption(LangText(Texts::Description));
  Btn_OK->SetCaption(LangText(Texts::OK));
  Btn_Cancel->SetCaption(LangText(Texts::Cancel));
  for (const TLabelPlace& place : Labels)
    if (place.Text) (this->*place.Member)->SetCaption(LangText(place.Text));
  Btn_Select_Eng_Unit->SetCaption(LangText(Texts::SelectButton));
}

// The category stays as the user left it at the last opening.
void TFBACnet_Eng_Unit::FormShow(TObject* Sender) { CB_Select_TypeSelect(Sender); }

void TFBACnet_Eng_Unit::CB_Select_TypeSelect(TObject*) {
  const std::span<const TEngUnitCategory> categories = EngUnitCategories();
  const int type = CB_Select_Type->ItemIndex();
  TStringList& units = CB_Select_Unit->Items();
  units.Clear();
  if (type >= 0 && type < int(categories.size()))
    for (int code : categories[size_t(type)].Codes) units.Add(Desc_Unit(code));
  CB_Select_Unit->SetItemIndex(0);
}

void TFBACnet_Eng_Unit::Btn_Select_Eng_UnitClick(TObject*) {
  const std::span<const TEngUnitCategory> categories = EngUnitCategories();
  const int type = CB_Select_Type->ItemIndex();
  const int unit = CB_Select_Unit->ItemIndex();
  int code = 0;
  if (type >= 0 && type < int(categories.size()) && unit >= 0 && unit < int(categories[size_t(type)].Codes.size()))
    code = categories[size_t(type)].Codes[size_t(unit)];
  E_Selected_EU->SetText(QString::number(code));
  Show_Unit_Of(E_Selected_EU->Text());
}

void TFBACnet_Eng_Unit::Show_Unit_Of(const QString& Text) { Label5->SetCaption("-> " + Desc_Unit(TableCellInt(Text))); }
