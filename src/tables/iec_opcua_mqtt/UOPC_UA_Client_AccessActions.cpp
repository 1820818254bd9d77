// What the OPC UA client editor does on the user's actions: the server dialog,
// the scan, the row buttons, automatic positions, the checks and OK.
#include "tables/iec_opcua_mqtt/UOPC_UA_Client_Access.h"

#include "common/LangFormat.h"
#include "common/ShellState.h"
#include "common/UOpcUa_Codes.h"
#include "common/tables/RowOperations.h"
#include "common/tables/TableCells.h"
#include "grid/editing/PlexColumnGrid.h"
#include "platform/Dialogs.h"
#include "platform/ExtCtrls.h"
#include "platform/StdCtrls.h"
#include "platform/SysUtils.h"
#include "tables/iec_opcua_mqtt/UOPC_UA_Add_Server.h"
#include "tables/iec_opcua_mqtt/UOPC_UA_Scan_Server.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr int VarRows = 1024;
constexpr int PositionLimit = 1499;
constexpr int ScanReadColumn = 1, ScanWriteColumn = 2;

namespace Texts {
constexpr int DeleteServer = 4189, NoServerToScan = 4190, AppendRead = 4191, AppendWrite = 4192, AutoPos = 4194;
constexpr int ReadTimeEmpty = 4197, ReadTimeZero = 4198, ReadPositionEmpty = 4199, ReadPositionRange = 4200;
constexpr int WriteTimeEmpty = 4201, WriteTimeZero = 4202, WritePositionEmpty = 4203, WritePositionRange = 4204;
constexpr int VarArrayEmpty = 4211, StringStart = 4212, StringLength = 4213, ArrayOfStrings = 4214;
constexpr int ArrayStart = 4215, ArrayLength = 4216;
constexpr int ReadListFull = 4217, WriteListFull = 4218;
}  // namespace Texts

struct TTypeLength {
  const char* Type;
  int Bytes;
};
constexpr TTypeLength TypeLengths[] = {
    {"BOOLEAN", 1}, {"INT8", 1},   {"UINT8", 1},  {"INT16", 2},  {"UINT16", 2},   {"INT32", 4},
    {"UINT32", 4},  {"FLOAT", 4},  {"INT64", 8},  {"UINT64", 8}, {"DOUBLE", 8},   {"DATETIME", 8},
    {"GUID", 16},   {"STRING", 20}, {"BYTESTRING", 20},
};

// A failed rule: the message formatted with the server and variable numbers
// (and the position limit where the text ends with it).
bool RuleFailed(int Text, int S, int V) {
  const bool limit = Text == Texts::ReadPositionRange || Text == Texts::WritePositionRange;
  MessageDlg(limit ? LangFormat(Text, {S, V, PositionLimit}) : LangFormat(Text, {S, V}), mtError, {mbOK});
  return false;
}

void FillServer(TOPC_UA_Server& Server, const TFOPC_UA_Add_Server& Dialog) {
  Server.Enable = Dialog.CB_OPC_UA_Server_Enable->Checked();
  Server.ServerAddress = Dialog.E_Server_Add->Text();
  Server.Authorization = OpcUaAuthName(Dialog.CB_Auth->ItemIndex());
  Server.UserName = Dialog.E_User->Text();
  Server.Password = Dialog.E_Pass->Text();
  Server.Certificate = Dialog.RE_Certificate->Text();
  Server.PrivateKey = Dialog.RE_Priv_Key->Text();
  Server.SecurityType = OpcUaSecurityModeName(Dialog.CB_Sec_Type->ItemIndex());
  Server.SecurityPolicy = OpcUaSecurityPolicyName(Dialog.CB_Sec_Policy->ItemIndex());
  Server.Mnemonic = Dialog.E_Mnemonic->Text();
}

std::unique_ptr<TOPC_UA_Variable> FromScanResult(const TOPC_UA_Scan_Result& Result) {
  auto v = std::make_unique<TOPC_UA_Variable>();
  const opcua_structure& r = Result.Record;
  v->Enable = true;
  v->DispalyName = Result.DisplayName;
  v->nameSpaceIndex = r.nameSpaceIndex;
  v->identifierType = r.identifierType;
  v->numeric = r.numeric;
  v->guide1 = r.guide1;
  v->guide2 = r.guide2;
  v->guide3 = r.guide3;
  std::memcpy(v->guide4, r.guide4, sizeof v->guide4);
  v->dataType = r.dataType;
  v->stringname = Result.StringName;
  v->byteString = Result.ByteString;
  return v;
}

}  // namespace

TPlexColumnGrid* TFOPC_UA_Client_Access::ActiveVarGrid() const {
  return ActiveTable() == 0 ? PCG_OPC_UA_Var_R : PCG_OPC_UA_Var_W;
}

void TFOPC_UA_Client_Access::Add_Server() {
  if (!FOPC_UA_Add_Server) return;
  FOPC_UA_Add_Server->FormType = 1;
  if (FOPC_UA_Add_Server->ShowModal() == mrOk) {
    auto server = std::make_unique<TOPC_UA_Server>();
    FillServer(*server, *FOPC_UA_Add_Server);
    OPC_UA_Server_List.push_back(std::move(server));
  }
  Show_OPC_UA_Server_List();
}

void TFOPC_UA_Client_Access::Modify_Server() {
  const int index = SelectedServer();
  if (index >= 0 && FOPC_UA_Add_Server) {
    TOPC_UA_Server& server = *OPC_UA_Server_List[size_t(index)];
    TFOPC_UA_Add_Server& dialog = *FOPC_UA_Add_Server;
    dialog.FormType = 2;
    dialog.CB_OPC_UA_Server_Enable->SetChecked(server.Enable);
    dialog.E_Server_Add->SetText(server.ServerAddress);
    dialog.E_User->SetText(server.UserName);
    dialog.E_Pass->SetText(server.Password);
    dialog.E_Mnemonic->SetText(server.Mnemonic);
    dialog.RE_Certificate->SetText(server.Certificate);
    dialog.RE_Priv_Key->SetText(server.PrivateKey);
    dialog.CB_Auth->SetItemIndex(OpcUaAuthCode(server.Authorization));
    dialog.CB_Sec_Type->SetItemIndex(OpcUaSecurityModeCode(server.SecurityType));
    dialog.CB_Sec_Policy->SetItemIndex(OpcUaSecurityPolicyCode(server.SecurityPolicy));
    if (dialog.ShowModal() == mrOk) FillServer(server, dialog);
  }
  Show_OPC_UA_Server_List();
}

void TFOPC_UA_Client_Access::Delete_Server() {
  const int index = SelectedServer();
  if (index < 0) return;
  if (MessageDlg(LangText(Texts::DeleteServer), mtConfirmation, mbYesNoCancel) != mrYes) return;
  OPC_UA_Server_List.erase(OPC_UA_Server_List.begin() + index);
  Show_OPC_UA_Server_List();
  Show_OPC_UA_Var_List();
  // A table still holding the focus now shows the server selected, and stores there.
  if (Ind_Server >= 0) Ind_Server = SelectedServer();
}

void TFOPC_UA_Client_Access::Scan_Server() {
  const int index = SelectedServer();
  if (index < 0) {
    MessageDlg(LangText(Texts::NoServerToScan), mtError, {mbOK});
    return;
  }
  if (!FOPC_UA_Scan_Server) return;
  const TOPC_UA_Server& server = *OPC_UA_Server_List[size_t(index)];
  const QString texts[] = {server.ServerAddress, server.UserName, server.Password, server.Certificate,
                           server.PrivateKey};
  for (size_t i = 0; i < std::size(texts); ++i) FScanTexts[i] = UnicodeToAnsi(texts[i]);
  opcua_server_to_discover& record = FOPC_UA_Scan_Server->Server;
  record = {};
  record.server_address = FScanTexts[0].constData();
  record.username = FScanTexts[1].constData();
  record.password = FScanTexts[2].constData();
  record.cert = FScanTexts[3].constData();
  record.priv_key = FScanTexts[4].constData();
  record.user_pass_auth_flag = OpcUaAuthCode(server.Authorization);
  record.security_type = OpcUaSecurityModeCode(server.SecurityType);
  record.security_policy = OpcUaSecurityPolicyCode(server.SecurityPolicy);
  if (FOPC_UA_Scan_Server->ShowModal() != mrOk) return;
  if (!FOPC_UA_Scan_Server->List_Var.empty()) {
    TakeScanResults(false);
    TakeScanResults(true);
  }
  Show_OPC_UA_Var_List();
}

void TFOPC_UA_Client_Access::TakeScanResults(bool Write) {
  const int index = SelectedServer();
  if (index < 0) return;
  TOPC_UA_Server& server = *OPC_UA_Server_List[size_t(index)];
  TOPC_UA_Variable_List& list = Write ? server.Var_List_W : server.Var_List_R;
  if (!list.empty()) {
    const TModalResult answer =
        MessageDlg(LangText(Write ? Texts::AppendWrite : Texts::AppendRead), mtConfirmation, mbYesNoCancel);
    if (answer != mrYes && answer != mrNo) return;
    if (answer == mrNo)
      while (!list.empty()) list.pop_back();
  }
  if (Write)
    Add_Variables_In_Write();
  else
    Add_Variables_In_Read();
}

void TFOPC_UA_Client_Access::Add_Variables_In_Read() {
  const int index = SelectedServer();
  if (index < 0) return;
  AddScanResults(ScanReadColumn, OPC_UA_Server_List[size_t(index)]->Var_List_R, Texts::ReadListFull);
}

void TFOPC_UA_Client_Access::Add_Variables_In_Write() {
  const int index = SelectedServer();
  if (index < 0) return;
  AddScanResults(ScanWriteColumn, OPC_UA_Server_List[size_t(index)]->Var_List_W, Texts::WriteListFull);
}

void TFOPC_UA_Client_Access::AddScanResults(int Column, TOPC_UA_Variable_List& List, int OverflowText) {
  if (!FOPC_UA_Scan_Server) return;
  const TFOPC_UA_Scan_Server& scan = *FOPC_UA_Scan_Server;
  TPlexColumnGrid* grid = scan.PCG_OPC_UA_Scan_Var;
  // The table holds 1024 rows and a store keeps no more: what does not fit is
  // left out and counted, not dropped later without a word.
  int notTaken = 0;
  for (int r = 1; r < grid->RowCount() && r - 1 < int(scan.List_Var.size()); ++r) {
    if (grid->GetCellEx(Column, r) != QLatin1String("Y")) continue;
    if (int(List.size()) >= VarRows) {
      ++notTaken;
      continue;
    }
    List.push_back(FromScanResult(scan.List_Var[size_t(r - 1)]));
  }
  if (notTaken > 0) MessageDlg(LangFormat(OverflowText, {notTaken, VarRows}), mtWarning, {mbOK});
}

void TFOPC_UA_Client_Access::StoreActiveTable() {
  const int index = SelectedServer();
  if (index < 0) return;
  Ind_Server = index;
  if (ActiveTable() == 0)
    Save_Variable_in_Read();
  else
    Save_Variable_in_Write();
  Ind_Server = -1;
}

void TFOPC_UA_Client_Access::Btn_DelRowClick(TObject*) {
  TPlexColumnGrid* grid = ActiveVarGrid();
  const int row = grid->Row();
  if (MessageDlg(DeleteQuestion(row), mtConfirmation, mbYesNo) != mrYes) return;
  GridDeleteRow(row, grid);
  StoreActiveTable();
}

void TFOPC_UA_Client_Access::Btn_InsRowClick(TObject*) {
  TPlexColumnGrid* grid = ActiveVarGrid();
  GridInsertRow(grid->Row(), grid, true);
  StoreActiveTable();
}

void TFOPC_UA_Client_Access::Btn_PasteRowClick(TObject* Sender) {
  TTableEditorForm::Btn_PasteRowClick(Sender);
  StoreActiveTable();
}

int TFOPC_UA_Client_Access::GetLenVarType(const QString& VarType) {
  const QString type = VarType.toUpper();
  for (const TTypeLength& entry : TypeLengths)
    if (type == QLatin1String(entry.Type)) return entry.Bytes;
  return 0;
}

TFOPC_UA_Client_Access::TStartPositions TFOPC_UA_Client_Access::Start_Position() const {
  TStartPositions start;
  const int index = SelectedServer();
  if (index < 1) return start;
  const TOPC_UA_Server& previous = *OPC_UA_Server_List[size_t(index - 1)];
  const auto highestEnd = [](const TOPC_UA_Variable_List& List) {
    int end = 0;
    for (const auto& v : List) end = std::max(end, StrToIntDef(v->Position, 0) + GetLenVarType(v->VarType()));
    return end;
  };
  start.Read = highestEnd(previous.Var_List_R);
  start.Write = highestEnd(previous.Var_List_W);
  return start;
}

void TFOPC_UA_Client_Access::Btn_AutoPositionClick(TObject*) {
  const int index = SelectedServer();
  if (index < 0) return;
  if (MessageDlg(LangText(Texts::AutoPos), mtConfirmation, mbYesNo) != mrYes) return;
  TStartPositions start = Start_Position();
  TOPC_UA_Server& server = *OPC_UA_Server_List[size_t(index)];
  // Enabled or not, every variable keeps its place; an array takes one element's size.
  for (const auto& v : server.Var_List_R) {
    v->Position = QString::number(start.Read);
    start.Read += GetLenVarType(v->VarType());
  }
  for (const auto& v : server.Var_List_W) {
    v->Position = QString::number(start.Write);
    start.Write += GetLenVarType(v->VarType());
  }
  Show_OPC_UA_Var_List();
}

bool TFOPC_UA_Client_Access::ReadChecks(int S, int V, const TOPC_UA_Variable& Var) const {
  const QString varArray = TableTrim(Var.VarArray);
  const QString type = TableTrim(Var.VarType()).toUpper();
  const bool text = type == QLatin1String("STRING") || type == QLatin1String("BYTESTRING");
  const bool array = varArray.toUpper() == QLatin1String("ARRAY");
  const int start = TableCellInt(Var.Start), length = TableCellInt(Var.Len);
  if (varArray.isEmpty()) return RuleFailed(Texts::VarArrayEmpty, S, V);
  if (!array && text && start < 0) return RuleFailed(Texts::StringStart, S, V);
  if (!array && text && length < 0) return RuleFailed(Texts::StringLength, S, V);
  if (array && text) return RuleFailed(Texts::ArrayOfStrings, S, V);
  if (array && start < 0) return RuleFailed(Texts::ArrayStart, S, V);
  if (array && length < 0) return RuleFailed(Texts::ArrayLength, S, V);
  if (TableTrim(Var.Time).isEmpty()) return RuleFailed(Texts::ReadTimeEmpty, S, V);
  if (TableCellInt(Var.Time) < 1) return RuleFailed(Texts::ReadTimeZero, S, V);
  if (TableTrim(Var.Position).isEmpty()) return RuleFailed(Texts::ReadPositionEmpty, S, V);
  const int position = TableCellInt(Var.Position);
  if (position < 0 || position > PositionLimit) return RuleFailed(Texts::ReadPositionRange, S, V);
  return true;
}

bool TFOPC_UA_Client_Access::WriteChecks(int S, int V, const TOPC_UA_Variable& Var) const {
  const bool onTimer = Var.OnTimer == QLatin1String("Y");
  if (onTimer && TableTrim(Var.Time).isEmpty()) return RuleFailed(Texts::WriteTimeEmpty, S, V);
  if (onTimer && TableCellInt(Var.Time) < 1) return RuleFailed(Texts::WriteTimeZero, S, V);
  if (TableTrim(Var.Position).isEmpty()) return RuleFailed(Texts::WritePositionEmpty, S, V);
  const int position = TableCellInt(Var.Position);
  if (position < 0 || position > PositionLimit) return RuleFailed(Texts::WritePositionRange, S, V);
  return true;
}

bool TFOPC_UA_Client_Access::Controllo_Dati() {
  for (int s = 0; s < int(OPC_UA_Server_List.size()); ++s) {
    const TOPC_UA_Server& server = *OPC_UA_Server_List[size_t(s)];
    for (int v = 0; v < int(server.Var_List_R.size()); ++v) {
      const TOPC_UA_Variable& var = *server.Var_List_R[size_t(v)];
      if (var.Enable && !ReadChecks(s + 1, v + 1, var)) return false;
    }
    for (int v = 0; v < int(server.Var_List_W.size()); ++v) {
      const TOPC_UA_Variable& var = *server.Var_List_W[size_t(v)];
      if (var.Enable && !WriteChecks(s + 1, v + 1, var)) return false;
    }
  }
  return true;
}

void TFOPC_UA_Client_Access::Btn_OKClick(TObject*) {
  if (!Controllo_Dati()) return;
  if (!WriteOPCUAClientFile(OPCUAClientFile, OPC_UA_Server_List)) {
    MessageDlg(Format("Cannot create file \"%s\".", {OPCUAClientFile}), mtError, {mbOK});
    return;
  }
  SetModalResult(mrOk);
}
