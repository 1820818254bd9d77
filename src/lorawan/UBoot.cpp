#include "lorawan/UBoot.h"

#include "common/FormKit.h"
#include "common/ShellState.h"
#include "common/UQuilloreFirmWare_Update.h"
#include "common/UShared_Functions.h"
#include "common/button/LbButton.h"
#include "platform/Application.h"
#include "platform/Dialogs.h"
#include "platform/ExtCtrls.h"
#include "platform/Files.h"
#include "platform/Network.h"
#include "platform/Process.h"
#include "platform/StdCtrls.h"
#include "platform/SysUtils.h"
#include "platform/Xml.h"

#include <cstdint>

TFBoot* FBoot = nullptr;

namespace {

constexpr int TextCaptionSerial = 1600, TextDescSerial = 1601, TextCaptionEthernet = 1602, TextDescEthernet = 1603;
constexpr int TextIpAddress = 1606, TextListDevice = 1609, TextSearch = 1610, TextSearchOwn = 1613;
constexpr int TextUpdateOption = 1614, TextFirstOption = 1615, TextReadBack = 1618;
constexpr int TextCancel = 1619, TextUpdate = 1620, HintFirstOctet = 1621;
constexpr int HintSearch = 1629, HintSearchOwn = 1631, HintOptions = 1632, HintReadBack = 1633;
constexpr int HintCancel = 1634, HintUpdate = 1635;
constexpr int TextDeviceNotFound = 1636, TextCheckIpAddress = 1637;
constexpr int TextToolNotStarted = 1638, TextToolFailed = 1639, TextToolStillRunning = 1640;
constexpr int TextCannotWriteParameters = 1641;

constexpr int UpdateOptionCount = 3;
constexpr int FormClientWidth = 449;

constexpr int PingReplyTimeoutMs = 400;
constexpr int PingTotalMs = 5000;
constexpr int PingAnswersWanted = 2;

// Update options: 0 firmware and configuration, 1 firmware, 2 configuration.
enum TTransfer { trFirmware, trBank1, trBank2 };

// How the value of an operation's element is found.
enum TFieldKind { fkFixed, fkFileName, fkReadBack, fkLastOperation };

struct TOperationField {
  const char* Name;
  TFieldKind Kind;
  const char* Value[3];  // firmware, bank 1, bank 2 (for fkFixed)
};

constexpr TOperationField OperationFields[] = {
    {"Ope_Protection_Enabled", fkFixed, {"", "", ""}},
    {"Ope_GoToBoot_Before", fkFixed, {"0", "0", "0"}},
    {"Ope_GoToApp_Before", fkFixed, {"0", "0", "0"}},
    {"Ope_IP_Address", fkFixed, {"", "", ""}},
    {"Ope_Port", fkFixed, {"2008", "2008", "2008"}},
    {"Ope_Port_Sec", fkFixed, {"2007", "2007", "2007"}},
    {"Ope_Erase_Memory", fkFixed, {"0", "0", "0"}},
    {"Ope_FileName", fkFileName, {}},
    {"Ope_Start_Address", fkFixed, {"0x8000", "0x07000", "0x80000"}},
    {"Ope_Memory_Type", fkFixed, {"0", "0", "0"}},
    {"Ope_Bank_Type", fkFixed, {"1", "2", "2"}},
    {"Ope_Read_Back", fkReadBack, {}},
    {"Ope_Write_CSS", fkFixed, {"1", "0", "0"}},
    {"Ope_Address_CSS", fkFixed, {"0x07A00", "0x07A00", "0x07A00"}},
    {"Ope_Command_CSS", fkFixed, {"0x02", "0x02", "0x02"}},
    {"Ope_Write_Internal_Data", fkFixed, {"0", "0", "0"}},
    {"Ope_WID_Address", fkFixed, {"0x07810", "0x07810", "0x07810"}},
    {"Ope_WID_Command", fkFixed, {"0x02", "0x02", "0x02"}},
    {"Ope_WID_Data", fkFixed, {"0x00, 0x00, 0x00, 0x01", "0x00, 0x00, 0x00, 0x01", "0x00, 0x00, 0x00, 0x01"}},
    {"Ope_GoToApp_After", fkLastOperation, {}},
};

struct TRootField {
  const char* Name;
  const char* Value;
};

// The root's elements before the title and after the address.
constexpr TRootField PortFields[] = {
    {"Application_Port", "10000"},
    {"Boot_Port", "2008"},
    {"Boot_Port_Sec", "2007"},
    {"Address_Protection", "0x07800"},
};

std::vector<TTransfer> TransfersOf(int option) {
  switch (option) {
    case 1: return {trFirmware};
    case 2: return {trBank1, trBank2};
    default: return {trFirmware, trBank1, trBank2};
  }
}

QString TransferFile(TTransfer transfer) {
  switch (transfer) {
    case trFirmware: return MasterFolder + PathDelim + "Sim" + ModelCode + ".sim";
    case trBank1: return ProjectFolder + PathDelim + "bin" + PathDelim + "bank1.bin";
    case trBank2: return ProjectFolder + PathDelim + "bin" + PathDelim + "bank2.bin";
  }
  return QString();
}

// A host the echo client can reach without a name service: four decimal octets
// 0..255 without leading zeros. Anything else cannot be resolved.
bool IsDottedAddress(const QString& text) {
  const QStringList octets = text.split('.');
  if (octets.size() != 4) return false;
  for (const QString& octet : octets) {
    if (octet.isEmpty() || octet.size() > 3 || (octet.size() > 1 && octet[0] == '0')) return false;
    for (QChar c : octet)
      if (c < '0' || c > '9') return false;
    if (octet.toInt() > 255) return false;
  }
  return true;
}

TPanel* MakePanel(TForm* form, int height, TAlign align) {
  TPanel* panel = Make<TPanel>(form, form, {0, 0, FormClientWidth, height});
  panel->BevelOuter = bvNone;
  panel->ShowCaption = false;
  panel->SetAlign(align);
  return panel;
}

}  // namespace

TFBoot::TFBoot(TComponent* AOwner) : TForm(AOwner), XML1(std::make_unique<TXmlDocument>()) {
  SetBorderStyle(bsDialog);
  Position = poScreenCenter;
  Font().SetName(HouseLook::FontName);
  // Created in the order the top panels stack in: serial before options.
  CreateTitle();
  CreateAddressPanel();
  CreateSearchPanel();
  CreateSerialPanel();
  CreateOptionsPanel();
  CreateButtons();
  SetClientWidth(FormClientWidth);
  SetClientHeight(230);
  OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
  OnShow = [this](TObject* Sender) { FormShow(Sender); };
}

TFBoot::~TFBoot() = default;

void TFBoot::CreateTitle() {
  P_Title = MakePanel(this, 69, alTop);
  P_Title->SetColor(clWhite);
  L_SW_Code = Make<TLabel>(this, P_Title, {8, 8, 150, 29});
  L_SW_Code->Font().SetSize(18);
  L_SW_Code->Font().SetColor(clGray);
  L_SW_Desc = Make<TLabel>(this, P_Title, {8, 44, 420, 13});
  L_SW_Desc->Font().SetStyle({fsBold});
}

void TFBoot::CreateAddressPanel() {
  P_IP_Address = MakePanel(this, 49, alTop);
  L_IP_Address = Make<TLabel>(this, P_IP_Address, {8, 4, 300, 13});
  TEdit** edits[] = {&E_IP1, &E_IP2, &E_IP3, &E_IP4};
  for (int i = 0; i < 4; ++i) {
    TEdit* edit = Make<TEdit>(this, P_IP_Address, {8 + i * 56, 21, 44, 21});
    edit->SetText("0");
    edit->SetMaxLength(3);
    edit->SetAlignment(taCenter);
    edit->SetShowHint(true);
    edit->SetTabStop(true);
    edit->TabOrder = i;
    edit->OnKeyPress = [this](TObject* Sender, QChar& Key) { E_IPKeyPress(Sender, Key); };
    *edits[i] = edit;
    if (i < 3) Make<TLabel>(this, P_IP_Address, {8 + i * 56 + 47, 26, 6, 13})->SetCaption(".");
  }
}

// The device search of the family's other updates; this model never shows it.
void TFBoot::CreateSearchPanel() {
  P_Eth_Search = MakePanel(this, 60, alNone);
  P_Eth_Search->SetVisible(false);
  L_List_Device = Make<TLabel>(this, P_Eth_Search, {8, 4, 300, 13});
  Btn_Search = Make<TLbButton>(this, P_Eth_Search, {356, 2, 81, 25});
  Btn_Search->ApplyHouseLook();
  CB_Search_Own_Devices = Make<TCheckBox>(this, P_Eth_Search, {8, 34, 420, 17});
}

void TFBoot::CreateSerialPanel() {
  P_Serial = MakePanel(this, 51, alNone);
  P_Serial->SetVisible(false);
  L_COM_Port = Make<TLabel>(this, P_Serial, {8, 4, 300, 13});
  L_COM_Port->SetCaption("Select the COM port for the Update");
  CB_COM_Port = Make<TComboBox>(this, P_Serial, {8, 21, 240, 21});
  CB_COM_Port->SetStyle(csDropDownList);
  CB_COM_Port->SetTabStop(true);
  Btn_COM_List = Make<TLbButton>(this, P_Serial, {256, 19, 25, 25});
  Btn_COM_List->ApplyHouseLook();
  Btn_COM_List->SetCaption("...");
  Btn_COM_List->SetHint("Update COM Ports List");
  Btn_COM_List->SetShowHint(true);
  Btn_COM_List->OnClick = [this](TObject* Sender) { Btn_COM_ListClick(Sender); };
}

void TFBoot::CreateOptionsPanel() {
  P_Options = MakePanel(this, 72, alTop);
  L_Update_Option = Make<TLabel>(this, P_Options, {8, 4, 300, 13});
  CB_Update_Options = Make<TComboBox>(this, P_Options, {8, 21, 240, 21});
  CB_Update_Options->SetStyle(csDropDownList);
  CB_Update_Options->SetShowHint(true);
  CB_Update_Options->SetTabStop(true);
  CB_Update_Option_Read_Back = Make<TCheckBox>(this, P_Options, {8, 48, 240, 17});
  CB_Update_Option_Read_Back->SetChecked(true);
  CB_Update_Option_Read_Back->SetShowHint(true);
  CB_Update_Option_Read_Back->SetTabStop(true);
}

void TFBoot::CreateButtons() {
  P_Button = MakePanel(this, 40, alBottom);
  Btn_Cancel = Make<TLbButton>(this, P_Button, {180, 8, 81, 25});
  Btn_Cancel->ApplyHouseLook();
  Btn_Cancel->SetModalResult(mrCancel);
  Btn_Cancel->SetShowHint(true);
  Btn_Update = Make<TLbButton>(this, P_Button, {268, 8, 173, 25});
  Btn_Update->ApplyHouseLook();
  Btn_Update->SetShowHint(true);
  Btn_Update->OnClick = [this](TObject* Sender) { Btn_UpdateClick(Sender); };
}

void TFBoot::FormCreate(TObject*) {
  L_SW_Code->SetCaption(SoftwareCode);
  Set_Lang();
}

void TFBoot::FormShow(TObject*) {
  Set_Lang();
  L_SW_Code->SetCaption(SoftwareCode);
  for (TPanel* panel : {P_IP_Address, P_Eth_Search, P_Options, P_Serial}) {
    panel->SetVisible(false);
    panel->SetAlign(alNone);
  }
  if (Form_Type == 1)
    Show_Ethernet();
  else
    Show_Serial();
}

void TFBoot::Show_Ethernet() {
  P_IP_Address->SetVisible(true);
  P_Options->SetVisible(true);
  SetClientWidth(FormClientWidth);
  for (TPanel* panel : {P_IP_Address, P_Eth_Search, P_Options}) panel->SetAlign(alTop);
  SetClientHeight(P_Title->Height() + P_IP_Address->Height() + P_Options->Height() + P_Button->Height());
  P_Title->TabOrder = 0;
  P_IP_Address->TabOrder = 1;
  P_Eth_Search->TabOrder = 2;
  P_Options->TabOrder = 3;
  P_Button->TabOrder = 4;
  P_Serial->TabOrder = 5;
  QString octets[4];
  if (!LastDeviceIp.isEmpty() && SplitIpAddress(LastDeviceIp, octets[0], octets[1], octets[2], octets[3])) {
    TEdit* edits[] = {E_IP1, E_IP2, E_IP3, E_IP4};
    for (int i = 0; i < 4; ++i) edits[i]->SetText(octets[i]);
  }
  Restore_Options();
  // Typing replaces a remembered address, field by field.
  if (E_IP1->CanFocus()) {
    E_IP1->SetFocus();
    E_IP1->SelectAll();
  }
}

void TFBoot::Show_Serial() {
  P_Options->SetVisible(true);
  P_Serial->SetVisible(true);
  SetClientWidth(FormClientWidth);
  for (TPanel* panel : {P_Serial, P_Options}) panel->SetAlign(alTop);
  SetClientHeight(P_Title->Height() + P_Serial->Height() + P_Options->Height() + P_Button->Height());
  P_Title->TabOrder = 0;
  P_Serial->TabOrder = 1;
  P_Options->TabOrder = 2;
  P_Button->TabOrder = 3;
  P_IP_Address->TabOrder = 4;
  P_Eth_Search->TabOrder = 5;
  Restore_Options();
  update_ComPort();
  if (CB_COM_Port->CanFocus()) CB_COM_Port->SetFocus();
}

// An option index the settings file got wrong falls back to the first option.
void TFBoot::Restore_Options() {
  const bool known = LastUpdateOption >= 0 && LastUpdateOption < UpdateOptionCount;
  CB_Update_Options->SetItemIndex(known ? LastUpdateOption : 0);
  CB_Update_Option_Read_Back->SetChecked(LastReadBack);
}

void TFBoot::E_IPKeyPress(TObject* Sender, QChar& Key) {
  if (Key != '.') return;
  Key = QChar(0);
  TEdit* next = Sender == E_IP1 ? E_IP2 : Sender == E_IP2 ? E_IP3 : Sender == E_IP3 ? E_IP4 : nullptr;
  // As Tab does: the next field, its text selected to be typed over.
  if (next && next->CanFocus()) {
    next->SetFocus();
    next->SelectAll();
  }
}

QString TFBoot::IpAddressText() const {
  return E_IP1->Text() + "." + E_IP2->Text() + "." + E_IP3->Text() + "." + E_IP4->Text();
}

QString TFBoot::UpdateParameterFile() { return ProgramFolder + PathDelim + "Ethernet_Update.xml"; }

QString TFBoot::UpdateToolFile() { return ProgramFolder + PathDelim + "Ethernet_Update.exe"; }

void TFBoot::update_ComPort() {
  CB_COM_Port->Items().Clear();
  std::unique_ptr<TStringList> ports = ListSerialPorts();
  for (int i = 0; i < ports->Count(); ++i) CB_COM_Port->Items().Add(ports->Strings(i));
  CB_COM_Port->SetItemIndex(0);
}

void TFBoot::Btn_COM_ListClick(TObject*) { update_ComPort(); }

void TFBoot::Btn_UpdateClick(TObject*) {
  if (Form_Type != 1) {
    LastUpdateOption = CB_Update_Options->ItemIndex();
    LastReadBack = CB_Update_Option_Read_Back->Checked();
    return;
  }
  // The ping handles window messages; a second click meanwhile must not start
  // a second update.
  if (FUpdating) return;
  struct TRunning {
    bool& Flag;
    explicit TRunning(bool& flag) : Flag(flag) { Flag = true; }
    ~TRunning() { Flag = false; }
  } running(FUpdating);
  Update_By_Ethernet();
}

void TFBoot::Update_By_Ethernet() {
  if (!Send_Ping()) {
    if (ping_res == 2)
      MessageDlg(LangText(TextDeviceNotFound), mtWarning, {mbOK});
    else
      MessageDlg(LangText(TextCheckIpAddress), mtError, {mbOK});
    return;
  }
  LastDeviceIp = IpAddressText();
  LastUpdateOption = CB_Update_Options->ItemIndex();
  LastReadBack = CB_Update_Option_Read_Back->Checked();
  // The tool would otherwise read an older parameter file and send the wrong images.
  if (!Compile_XML_Parameter_New_Boot()) {
    MessageDlg(Format(LangText(TextCannotWriteParameters), {UpdateParameterFile()}), mtError, {mbOK});
    return;
  }
  Report_Update_Tool(Start_Program(UpdateToolFile(), QString(), false));
}

// The tool's own window tells how the transfer went; only a tool that did not
// run or did not finish is reported here.
void TFBoot::Report_Update_Tool(const TProgramRun& run) {
  switch (run.Outcome) {
    case TProgramRun::prNotStarted:
      MessageDlg(Format(LangText(TextToolNotStarted), {UpdateToolFile()}), mtError, {mbOK});
      break;
    case TProgramRun::prEnded:
      if (run.ExitCode != 0) MessageDlg(Format(LangText(TextToolFailed), {run.ExitCode}), mtError, {mbOK});
      break;
    case TProgramRun::prTimedOut: MessageDlg(LangText(TextToolStillRunning), mtWarning, {mbOK}); break;
  }
}

// Stops at the second answer or when 5 s have passed; the result is whether
// the last request was answered.
bool TFBoot::Send_Ping() {
  ping_res = 0;
  const uint32_t start = TickNow();
  const QString host = IpAddressText();
  if (!IsDottedAddress(host)) return false;
  int answers = 0;
  do {
    TIcmpEchoReply reply;
    IcmpEcho().Echo(host, host.toLatin1(), PingReplyTimeoutMs, reply);
    if (reply.SendFailed) return false;
    PingReply(reply);
    Application()->ProcessMessages();
    if (ping_res == 1) ++answers;
  } while (answers < PingAnswersWanted && uint32_t(TickNow() - start) <= uint32_t(PingTotalMs));
  return ping_res == 1;
}

void TFBoot::PingReply(const TIcmpEchoReply& AReplyStatus) {
  ping_res = AReplyStatus.Received && !AReplyStatus.Data.isEmpty() ? 1 : 2;
}

bool TFBoot::Compile_XML_Parameter_New_Boot() {
  TXmlDocument& xml = *XML1;
  xml.Clear();
  TXmlNode root = xml.CreateRoot("Ethernet_Update");
  root.AddChild("Version").SetText("1000");
  root.AddChild("Title").SetText(MakerWebHost + " - " + BuildSoftwareCode + " Ethernet Update");
  root.AddChild("IP_Address_Dev").SetText(IpAddressText());
  for (const TRootField& field : PortFields) root.AddChild(field.Name).SetText(field.Value);
  root.AddChild("Protections").AddChild("Protection").SetText("0x44F");
  TXmlNode operations = root.AddChild("Operations");
  const std::vector<TTransfer> transfers = TransfersOf(CB_Update_Options->ItemIndex());
  const QString readBack = CB_Update_Option_Read_Back->Checked() ? "1" : "0";
  for (size_t i = 0; i < transfers.size(); ++i) {
    const TTransfer transfer = transfers[i];
    const bool last = i + 1 == transfers.size();
    TXmlNode operation = operations.AddChild("Operation");
    for (const TOperationField& field : OperationFields) {
      QString value;
      switch (field.Kind) {
        case fkFixed: value = field.Value[transfer]; break;
        case fkFileName: value = TransferFile(transfer); break;
        case fkReadBack: value = readBack; break;
        case fkLastOperation: value = last ? "1" : "0"; break;
      }
      operation.AddChild(field.Name).SetText(value);
    }
  }
  return xml.SaveToFile(UpdateParameterFile());
}

void TFBoot::Set_Lang() {
  const bool ethernet = Form_Type == 1;
  SetCaption(LangText(ethernet ? TextCaptionEthernet : TextCaptionSerial));
  L_SW_Desc->SetCaption(LangText(ethernet ? TextDescEthernet : TextDescSerial));
  L_IP_Address->SetCaption(LangText(TextIpAddress));
  L_List_Device->SetCaption(LangText(TextListDevice));
  Btn_Search->SetCaption(LangText(TextSearch));
  Btn_Search->SetHint(LangText(HintSearch));
  CB_Search_Own_Devices->SetCaption(LangText(TextSearchOwn));
  CB_Search_Own_Devices->SetHint(LangText(HintSearchOwn));
  L_Update_Option->SetCaption(LangText(TextUpdateOption));
  TStringList& options = CB_Update_Options->Items();
  options.Clear();
  for (int i = 0; i < UpdateOptionCount; ++i) options.Add(LangText(TextFirstOption + i));
  CB_Update_Options->SetItemIndex(0);
  CB_Update_Options->SetHint(LangText(HintOptions));
  CB_Update_Option_Read_Back->SetCaption(LangText(TextReadBack));
  CB_Update_Option_Read_Back->SetHint(LangText(HintReadBack));
  Btn_Cancel->SetCaption(LangText(TextCancel));
  Btn_Cancel->SetHint(LangText(HintCancel));
  Btn_Update->SetCaption(LangText(TextUpdate));
  Btn_Update->SetHint(LangText(HintUpdate));
  TEdit* edits[] = {E_IP1, E_IP2, E_IP3, E_IP4};
  for (int i = 0; i < 4; ++i) edits[i]->SetHint(LangText(HintFirstOctet + i));
}
