// The main window's buttons, their texts and the one click handler that
// dispatches them, and the translation of every form.
#include "app/UQuilloreFirmWare.h"

#include "app/FormRegistry.h"
#include "app/UMainWindowGlyphs.h"
#include "app/USoftOptions.h"
#include "common/FormKit.h"
#include "common/ShellState.h"
#include "common/button/LbButton.h"
#include "lorawan/ConfigBanks.h"
#include "lorawan/UBoot.h"
#include "platform/Dialogs.h"

namespace {

using TMainWindow = TFQuilloreFirmWare;
using TButtonRef = TLbButton* TMainWindow::*;

constexpr int TextProjectNotValid = 18;
constexpr int NoText = -1;

constexpr int StepWidth = 170, StepHeight = 36, IconSize = 50;

enum class TButtonLook { Icon, Step, Protocol };

struct TButtonDef {
  TButtonRef Button;
  TButtonLook Look;
  int CaptionId;
  int HintId;
  TMainGlyph Glyph;
};

// Every button of the window, in the order of its action table.
constexpr TButtonDef ButtonDefs[] = {
    {&TMainWindow::Btn_Info, TButtonLook::Icon, NoText, 12, TMainGlyph::Info},
    {&TMainWindow::Btn_Opz, TButtonLook::Icon, NoText, 13, TMainGlyph::Options},
    {&TMainWindow::Btn_Close, TButtonLook::Icon, NoText, 14, TMainGlyph::Close},
    {&TMainWindow::Btn_New, TButtonLook::Step, 15, 22, TMainGlyph::New},
    {&TMainWindow::Btn_Open, TButtonLook::Step, 16, 23, TMainGlyph::Open},
    {&TMainWindow::Btn_Prm_Gen, TButtonLook::Step, 20, 24, TMainGlyph::Parameters},
    {&TMainWindow::Btn_LoRaWAN_Access, TButtonLook::Protocol, 21, 25, TMainGlyph::LoRaWAN},
    {&TMainWindow::Btn_CreateBin, TButtonLook::Step, 17, 26, TMainGlyph::Update},
    {&TMainWindow::Btn_Modbus_Set_Access, TButtonLook::Protocol, 27, 28, TMainGlyph::None},
    {&TMainWindow::Btn_BACnet_SetAccess, TButtonLook::Protocol, 29, 30, TMainGlyph::None},
    {&TMainWindow::Btn_BACnet_EDE_File, TButtonLook::Protocol, 31, 32, TMainGlyph::None},
    {&TMainWindow::Btn_CAN_Rec_Frame, TButtonLook::Protocol, 33, 34, TMainGlyph::None},
    {&TMainWindow::Btn_CAN_Send_Frame, TButtonLook::Protocol, 35, 36, TMainGlyph::None},
    {&TMainWindow::Btn_PDO_CANopen, TButtonLook::Protocol, 45, 46, TMainGlyph::None},
    {&TMainWindow::Btn_SDO_Client_CANopen, TButtonLook::Protocol, 43, 44, TMainGlyph::None},
    {&TMainWindow::Btn_SDO_Server_CANopen, TButtonLook::Protocol, 41, 42, TMainGlyph::None},
    {&TMainWindow::Btn_CANopen_EDS, TButtonLook::Protocol, 47, 48, TMainGlyph::None},
    {&TMainWindow::Btn_DNet_Net, TButtonLook::Protocol, 49, 50, TMainGlyph::None},
    {&TMainWindow::Btn_DNet_Offset, TButtonLook::Protocol, 51, 52, TMainGlyph::None},
    {&TMainWindow::Btn_DMX_Default, TButtonLook::Protocol, 53, 54, TMainGlyph::None},
    {&TMainWindow::Btn_IEC61850_Client, TButtonLook::Protocol, 55, 56, TMainGlyph::None},
    {&TMainWindow::Btn_TLS_List_Certificates, TButtonLook::Protocol, 59, 60, TMainGlyph::None},
    {&TMainWindow::Btn_IEC61850_Access, TButtonLook::Protocol, 57, 58, TMainGlyph::None},
    {&TMainWindow::Btn_MQTT_Set_Topic, TButtonLook::Protocol, 61, 62, TMainGlyph::None},
    {&TMainWindow::Btn_OPC_UA_Client_Access, TButtonLook::Protocol, 69, 70, TMainGlyph::None},
    {&TMainWindow::Btn_OPC_UA_Server_Access, TButtonLook::Protocol, 71, 72, TMainGlyph::None},
    {&TMainWindow::Btn_SNMP_Manager_Access, TButtonLook::Protocol, 67, 68, TMainGlyph::None},
    {&TMainWindow::Btn_SNMP_Trap, TButtonLook::Protocol, 63, 64, TMainGlyph::None},
    {&TMainWindow::Btn_SNMP_MIB, TButtonLook::Protocol, 65, 66, TMainGlyph::None},
    {&TMainWindow::Btn_PROFINET_XML, TButtonLook::Protocol, 73, 74, TMainGlyph::None},
    {&TMainWindow::Btn_EtherNetIP_Access, TButtonLook::Protocol, 75, 76, TMainGlyph::None},
    {&TMainWindow::Btn_S7_Protocol_Access, TButtonLook::Protocol, 77, 78, TMainGlyph::None},
    {&TMainWindow::Btn_KNX_Access, TButtonLook::Protocol, 79, 80, TMainGlyph::None},
    {&TMainWindow::Btn_PROFIBUS_GSD, TButtonLook::Protocol, 81, 82, TMainGlyph::None},
};

struct TAction {
  TButtonRef Button;
  bool NeedsProject;
  void (*Run)(TMainWindow&);
};

// The main window's own steps; the forms its other buttons show modally are
// in the form registry. Only the first four and the about box work without a
// project.
constexpr TAction Actions[] = {
    {&TMainWindow::Btn_New, false, [](TMainWindow& w) { w.Create_New_Project(); }},
    {&TMainWindow::Btn_Open, false, [](TMainWindow& w) { w.Open_Project(); }},
    {&TMainWindow::Btn_Close, false, [](TMainWindow& w) { w.Close(); }},
    {&TMainWindow::Btn_Opz, false, [](TMainWindow& w) { w.Show_Options(); }},
    {&TMainWindow::Btn_CreateBin, true, [](TMainWindow& w) { w.Update_Device(); }},
    {&TMainWindow::Btn_BACnet_EDE_File, true, [](TMainWindow& w) { w.BACnet_EDE_File(); }},
    {&TMainWindow::Btn_CANopen_EDS, true, [](TMainWindow& w) { w.Build_EDS_File(); }},
    {&TMainWindow::Btn_SNMP_MIB, true, [](TMainWindow& w) { w.SNMP_MIB_File(); }},
    {&TMainWindow::Btn_PROFINET_XML, true, [](TMainWindow& w) { w.PROFINET_XML(); }},
    {&TMainWindow::Btn_PROFIBUS_GSD, true, [](TMainWindow& w) { w.PROFIBUS_GSD_File(); }},
};

void SetUpButton(TLbButton* b, const TButtonDef& def, TMainWindow* window) {
  b->SetParent(window);
  b->SetColor(HouseLook::FormColor);
  b->SetColorWhenDown(HouseLook::PressedColor);
  b->SetLightColor(HouseLook::ButtonLightColor);
  TBitmap glyph;
  LoadMainWindowGlyph(def.Glyph, glyph);
  b->SetGlyph(glyph);
  if (def.Look == TButtonLook::Icon) {
    b->SetBounds(0, 0, IconSize, IconSize);
  } else {
    b->SetBounds(0, 0, StepWidth, StepHeight);
    b->SetAlignment(taLeftJustify);
  }
  // The parameters step keeps the plain look of the icon buttons.
  if (def.Look != TButtonLook::Icon && def.Button != &TMainWindow::Btn_Prm_Gen) b->SetStyle(bsEncarta);
  const bool blue = def.Button == &TMainWindow::Btn_New || def.Button == &TMainWindow::Btn_Open ||
                    def.Button == &TMainWindow::Btn_CreateBin;
  b->SetHotTrackColor(blue ? clSkyBlue : clYellow);
  b->OnClick = [window](TObject* Sender) { window->Btn_Click(Sender); };
}

// False, after the system's message, when the step needs a project and none is open.
bool ProjectReady(bool NeedsProject) {
  if (!NeedsProject || !ProjectFolder.isEmpty()) return true;
  MessageDlg(LangText(TextProjectNotValid), mtError, {mbOK});
  return false;
}

}  // namespace

void TFQuilloreFirmWare::CreateButtons() {
  for (const TButtonDef& def : ButtonDefs) {
    this->*def.Button = new TLbButton(this);
    SetUpButton(this->*def.Button, def, this);
  }
}

void TFQuilloreFirmWare::Hide_Protocol_Buttons() {
  for (const TButtonDef& def : ButtonDefs)
    if (def.Look == TButtonLook::Protocol) (this->*def.Button)->SetVisible(false);
}

void TFQuilloreFirmWare::Set_Button_Texts() {
  for (const TButtonDef& def : ButtonDefs) {
    TLbButton* b = this->*def.Button;
    if (def.CaptionId != NoText) b->SetCaption(LangText(def.CaptionId));
    b->SetHint(LangText(def.HintId));
  }
}

void TFQuilloreFirmWare::Btn_Click(TObject* Sender) {
  for (const TAction& action : Actions) {
    if (Sender != this->*action.Button) continue;
    if (ProjectReady(action.NeedsProject)) action.Run(*this);
    return;
  }
  for (const TFormEntry& form : FormRegistry()) {
    if (!form.Button || Sender != this->*form.Button) continue;
    if (ProjectReady(form.NeedsProject)) form.ShowModal();
    return;
  }
}

// On OK the choices are kept at once; Cancel changes nothing here.
void TFQuilloreFirmWare::Show_Options() {
  if (FSoftOptions->ShowModal() != mrOk) return;
  Save_Setting();
  Switch_Update_Timer();
}

void TFQuilloreFirmWare::Change_Language() {
  Set_Lang();
  for (const TFormEntry& form : FormRegistry())
    if (form.SetLang) form.SetLang();
}

// The update form must not send images older than the project's files, so a
// build or store that fails stops here with its reason.
void TFQuilloreFirmWare::Update_Device() {
  TConfigBanks banks(XML1());
  TBuildResult result = banks.Make_Config_Banks();
  if (result.Ok) result = banks.Store_Bank_Files();
  if (!result.Ok) {
    MessageDlg(result.Message, mtError, {mbOK});
    return;
  }
  FBoot->Form_Type = 1;
  FBoot->ShowModal();
}
