#include "tables/snmp_ethernet/UProfinetFileName.h"

#include "common/FormKit.h"
#include "common/ShellState.h"
#include "common/button/LbButton.h"
#include "platform/DateTime.h"
#include "platform/ExtCtrls.h"
#include "platform/StdCtrls.h"

TFProfinetFileName* FProfinetFileName = nullptr;

namespace {
constexpr int FormWidth = 540, FormHeight = 205;
constexpr int UserLeft = 179, LastLeft = 447;
constexpr int ButtonWidth = 90, ButtonHeight = 28;

namespace Texts {
constexpr int Caption = 4800, Description = 4801, SelectName = 4802, FixPart1 = 4803, UsedPart = 4804, FixPart2 = 4805,
              OK = 4806, Cancel = 4807;
}

const QString FirstPart = "GSDML-V2.25-Velmor-";

using TLabelField = TLabel* TFProfinetFileName::*;
struct TLabelPlace {
  TLabelField Label;
  TBounds Bounds;
};
constexpr TLabelPlace Labels[] = {
    {&TFProfinetFileName::L_Select_Name, {8, 80, 520, 13}},
    {&TFProfinetFileName::L_FixPart_1, {8, 108, 160, 13}},
    {&TFProfinetFileName::L_XML_Fix1, {8, 130, 170, 13}},
    {&TFProfinetFileName::L_UsedPart, {UserLeft, 108, 250, 13}},
    {&TFProfinetFileName::L_FixPart_2, {LastLeft, 108, FormWidth - LastLeft, 13}},
    {&TFProfinetFileName::L_XML_Fix2, {LastLeft, 130, FormWidth - LastLeft, 13}},
};

// "-" + the date as YYYYMMDD + ".xml".
QString LastPart() {
  int year = 0, month = 0, day = 0;
  DecodeDate(Date(), year, month, day);
  return QString("-%1%2%3.xml").arg(year, 4, 10, QChar('0')).arg(month, 2, 10, QChar('0')).arg(day, 2, 10, QChar('0'));
}
}  // namespace

TFProfinetFileName::TFProfinetFileName(TComponent* AOwner) : TForm(AOwner) {
  SetBorderStyle(bsDialog);
  Position = poScreenCenter;
  ApplyHouseForm(this);
  SetClientWidth(FormWidth);
  SetClientHeight(FormHeight);
  P_Title = MakeBandPanel(this, alTop, HouseLook::TitlePanelHeight);
  P_Title->SetColor(clWhite);
  L_SW_Code = Make<TLabel>(this, P_Title, {8, 8, 150, 29});
  L_SW_Code->Font().SetSize(18);
  L_SW_Code->Font().SetColor(clGray);
  L_SW_Desc = Make<TLabel>(this, P_Title, {8, 44, FormWidth - 16, 13});
  L_SW_Desc->Font().SetStyle({fsBold});
  for (const TLabelPlace& place : Labels) this->*place.Label = Make<TLabel>(this, this, place.Bounds);
  L_XML_Fix1->SetCaption(FirstPart);
  E_XML_User = Make<TEdit>(this, this, {UserLeft, 126, 260, 21});
  P_Button = MakeBandPanel(this, alBottom, HouseLook::ButtonPanelHeight);
  Btn_Cancel = MakeHouseButton(this, P_Button, {FormWidth - 8 - ButtonWidth, 6, ButtonWidth, ButtonHeight});
  Btn_Cancel->SetModalResult(mrCancel);
  Btn_Cancel->SetCancel(true);
  Btn_OK = MakeHouseButton(this, P_Button, {FormWidth - 2 * (8 + ButtonWidth) + 2, 6, ButtonWidth, ButtonHeight});
  Btn_OK->SetDefault(true);
  Btn_OK->OnClick = [this](TObject* Sender) { Btn_OK_Click(Sender); };
  OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
}

void TFProfinetFileName::FormCreate(TObject*) {
  L_SW_Code->SetCaption(SoftwareCode);
  SetClientHeight(FormHeight);
  SetClientWidth(FormWidth);
  L_UsedPart->SetLeft(UserLeft);
  E_XML_User->SetLeft(UserLeft);
  L_FixPart_2->SetLeft(LastLeft);
  L_XML_Fix2->SetLeft(LastLeft);
  L_XML_Fix2->SetCaption(LastPart());
  Set_Lang();
}

void TFProfinetFileName::Set_Lang() {
  SetCaption(LangText(Texts::Caption));
  L_SW_Desc->SetCaption(LangText(Texts::Description));
  L_Select_Name->SetCaption(LangText(Texts::SelectName));
  L_FixPart_1->SetCaption(LangText(Texts::FixPart1));
  L_UsedPart->SetCaption(LangText(Texts::UsedPart));
  L_FixPart_2->SetCaption(LangText(Texts::FixPart2));
  Btn_OK->SetCaption(LangText(Texts::OK));
  Btn_Cancel->SetCaption(LangText(Texts::Cancel));
}

void TFProfinetFileName::Btn_OK_Click(TObject*) {
  const QString user = E_XML_User->Text();
  QString middle;
  if (!user.trimmed().isEmpty()) middle = user.startsWith(u'_') ? user : "_" + user;
  Name_File_XML = L_XML_Fix1->Caption() + middle + L_XML_Fix2->Caption();
  SetModalResult(mrOk);
}
