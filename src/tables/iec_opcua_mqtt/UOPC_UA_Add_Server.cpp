#include "tables/iec_opcua_mqtt/UOPC_UA_Add_Server.h"

#include "common/FormKit.h"
#include "common/ShellState.h"
#include "common/UOpcUa_Codes.h"
#include "common/button/LbButton.h"
#include "platform/Dialogs.h"
#include "platform/ExtCtrls.h"
#include "platform/StdCtrls.h"

#include <span>

TFOPC_UA_Add_Server* FOPC_UA_Add_Server = nullptr;

namespace {

constexpr int ClientW = 407;
constexpr int Margin = 8, LabelW = 124, LabelH = 13, LabelDrop = 3;
constexpr int FieldLeft = 134, FieldW = 251, FieldH = 21, BoxH = 89;
constexpr int ButtonW = 90, ButtonH = 28;
constexpr int BottomGap = 15;

constexpr int AuthAnonymous = 0, AuthUser = 1, AuthCertificate = 2;
constexpr int ModifyMode = 2;

namespace Texts {
constexpr int AddCaption = 4300, AddDesc = 4301, ModifyCaption = 4302, ModifyDesc = 4303;
constexpr int NoAddress = 4328, NoUser = 4329, NoPassword = 4330, NoCertificate = 4331, NoKey = 4332;
}  // namespace Texts

// The tops (label / control) of the rows that move with the authorization.
struct TLayout {
  int Certificate, PrivateKey, SecType, SecPolicy, Mnemonic;  // control tops
  bool User, Cert;
};
constexpr TLayout Layouts[] = {
    {232, 332, 168, 200, 232, false, false},
    {232, 332, 232, 264, 296, true, false},
    {168, 268, 368, 400, 432, false, true},
};

void FillItems(TComboBox* box, std::span<const TOpcUaCodeText> table) {
  box->Items().Clear();
  for (const TOpcUaCodeText& entry : table) box->Items().Add(QString::fromLatin1(entry.Text));
}

void PlaceRow(TLabel* label, TWinControl* control, int top) {
  label->SetTop(top + LabelDrop);
  control->SetTop(top);
}

}  // namespace

TFOPC_UA_Add_Server::TFOPC_UA_Add_Server(TComponent* AOwner) : TForm(AOwner) {
  ApplyHouseForm(this);
  SetBorderStyle(bsDialog);
  Position = poScreenCenter;
  SetClientWidth(ClientW);

  P_Title = MakeBandPanel(this, alTop, HouseLook::TitlePanelHeight);
  P_Title->SetColor(clWhite);
  L_SW_Code = Make<TLabel>(this, P_Title, {Margin, Margin, 150, 29});
  L_SW_Code->Font().SetSize(18);
  L_SW_Code->Font().SetColor(clGray);
  L_SW_Desc = Make<TLabel>(this, P_Title, {Margin, 44, ClientW - 2 * Margin, LabelH});
  L_SW_Desc->Font().SetStyle({fsBold});

  CB_OPC_UA_Server_Enable = Make<TCheckBox>(this, this, {FieldLeft, 75, FieldW, 17});
  const auto row = [this](TLabel*& label, auto*& control, int top, int height) {
    label = Make<TLabel>(this, this, {Margin, top + LabelDrop, LabelW, LabelH});
    control = Make<std::remove_reference_t<decltype(*control)>>(this, this, {FieldLeft, top, FieldW, height});
  };
  row(L_Server_Add, E_Server_Add, 104, FieldH);
  row(L_Auth, CB_Auth, 136, FieldH);
  row(L_User, E_User, 168, FieldH);
  row(L_Pass, E_Pass, 200, FieldH);
  row(L_Certificate, RE_Certificate, 232, BoxH);
  row(L_Priv_Key, RE_Priv_Key, 332, BoxH);
  row(L_Sec_Type, CB_Sec_Type, 432, FieldH);
  row(L_Sec_Policy, CB_Sec_Policy, 464, FieldH);
  row(L_Mnemonic, E_Mnemonic, 496, FieldH);
  for (TMemo* box : {RE_Certificate, RE_Priv_Key}) box->SetScrollBars(ssVertical);
  FillItems(CB_Auth, OpcUaAuthTable);
  FillItems(CB_Sec_Type, OpcUaSecurityModeTable);
  FillItems(CB_Sec_Policy, OpcUaSecurityPolicyTable);

  P_Button = MakeBandPanel(this, alBottom, HouseLook::ButtonPanelHeight);
  Btn_Cancel = MakeHouseButton(this, P_Button, {ClientW - Margin - ButtonW, 6, ButtonW, ButtonH});
  Btn_Cancel->SetModalResult(mrCancel);
  Btn_Cancel->SetCancel(true);
  Btn_OK = MakeHouseButton(this, P_Button, {ClientW - 2 * (Margin + ButtonW), 6, ButtonW, ButtonH});
  Btn_OK->SetDefault(true);
  Btn_OK->OnClick = [this](TObject* Sender) { Btn_OKClick(Sender); };

  CB_Auth->OnChange = [this](TObject* Sender) { CB_AuthChange(Sender); };
  CB_Sec_Type->OnChange = [this](TObject* Sender) { CB_Sec_TypeChange(Sender); };
  OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
  OnShow = [this](TObject* Sender) { FormShow(Sender); };
}

void TFOPC_UA_Add_Server::FormCreate(TObject*) {
  L_SW_Code->SetCaption(SoftwareCode);
  SetClientWidth(ClientW);
  Set_Lang();
}

void TFOPC_UA_Add_Server::Set_Lang() {
  SetCaption(LangText(Texts::AddCaption));
  L_SW_Desc->SetCaption(LangText(Texts::AddDesc));
  CB_OPC_UA_Server_Enable->SetCaption(LangText(4304));
  CB_OPC_UA_Server_Enable->SetHint(LangText(4305));
  const std::pair<TLabel*, TWinControl*> rows[] = {
      {L_Server_Add, E_Server_Add},   {L_Auth, CB_Auth},         {L_User, E_User},
      {L_Pass, E_Pass},               {L_Certificate, RE_Certificate}, {L_Priv_Key, RE_Priv_Key},
      {L_Sec_Type, CB_Sec_Type},      {L_Sec_Policy, CB_Sec_Policy},   {L_Mnemonic, E_Mnemonic},
  };
  // The rows' label and hint texts follow one another from 4306 on.
  int id = 4306;
  for (const auto& [label, control] : rows) {
    label->SetCaption(LangText(id++));
    control->SetHint(LangText(id++));
  }
  Btn_OK->SetCaption(LangText(4324));
  Btn_OK->SetHint(LangText(4325));
  Btn_Cancel->SetCaption(LangText(4326));
  Btn_Cancel->SetHint(LangText(4327));
}

void TFOPC_UA_Add_Server::FormShow(TObject*) {
  const bool modify = FormType == ModifyMode;
  SetCaption(LangText(modify ? Texts::ModifyCaption : Texts::AddCaption));
  L_SW_Desc->SetCaption(LangText(modify ? Texts::ModifyDesc : Texts::AddDesc));
  if (!modify) {
    CB_OPC_UA_Server_Enable->SetChecked(true);
    for (TEdit* edit : {E_Server_Add, E_User, E_Pass, E_Mnemonic}) edit->Clear();
    for (TMemo* box : {RE_Certificate, RE_Priv_Key}) box->SetText(QString());
    CB_Auth->SetItemIndex(AuthAnonymous);
    CB_Sec_Type->SetItemIndex(0);
  }
  Change_Fields();
  Check_Authorization();
  if (E_Server_Add->CanFocus()) E_Server_Add->SetFocus();
}

void TFOPC_UA_Add_Server::CB_AuthChange(TObject*) { Change_Fields(); }

void TFOPC_UA_Add_Server::CB_Sec_TypeChange(TObject*) { Check_Authorization(); }

void TFOPC_UA_Add_Server::Change_Fields() {
  const int index = CB_Auth->ItemIndex();
  // A typed text that selects no item leaves the layout as it was.
  if (index < AuthAnonymous || index > AuthCertificate) return;
  const TLayout& layout = Layouts[index];
  for (TWinControl* control : {static_cast<TWinControl*>(E_User), static_cast<TWinControl*>(E_Pass)})
    control->SetVisible(layout.User);
  L_User->SetVisible(layout.User);
  L_Pass->SetVisible(layout.User);
  for (TMemo* box : {RE_Certificate, RE_Priv_Key}) box->SetVisible(layout.Cert);
  L_Certificate->SetVisible(layout.Cert);
  L_Priv_Key->SetVisible(layout.Cert);
  // Hidden rows stay where they were last shown.
  if (layout.Cert) {
    PlaceRow(L_Certificate, RE_Certificate, layout.Certificate);
    PlaceRow(L_Priv_Key, RE_Priv_Key, layout.PrivateKey);
  }
  PlaceRow(L_Sec_Type, CB_Sec_Type, layout.SecType);
  PlaceRow(L_Sec_Policy, CB_Sec_Policy, layout.SecPolicy);
  PlaceRow(L_Mnemonic, E_Mnemonic, layout.Mnemonic);
  SetClientHeight(P_Button->Height() + E_Mnemonic->Top() + E_Mnemonic->Height() + BottomGap);
}

void TFOPC_UA_Add_Server::Check_Authorization() {
  if (CB_Sec_Type->ItemIndex() == 0) {
    CB_Sec_Policy->SetItemIndex(0);
    CB_Sec_Policy->SetEnabled(false);
  } else {
    CB_Sec_Policy->SetEnabled(true);
  }
}

bool TFOPC_UA_Add_Server::Controlla_Dati() {
  struct TRequired {
    int Auth;
    QString Text;
    int Message;
  };
  const TRequired checks[] = {
      {-1, E_Server_Add->Text(), Texts::NoAddress},
      {AuthUser, E_User->Text(), Texts::NoUser},
      {AuthUser, E_Pass->Text(), Texts::NoPassword},
      {AuthCertificate, RE_Certificate->Text(), Texts::NoCertificate},
      {AuthCertificate, RE_Priv_Key->Text(), Texts::NoKey},
  };
  const int auth = CB_Auth->ItemIndex();
  for (const TRequired& check : checks) {
    if (check.Auth >= 0 && check.Auth != auth) continue;
    if (!check.Text.trimmed().isEmpty()) continue;
    MessageDlg(LangText(check.Message), mtError, {mbOK});
    return false;
  }
  return true;
}

void TFOPC_UA_Add_Server::Btn_OKClick(TObject*) {
  if (Controlla_Dati()) SetModalResult(mrOk);
}
