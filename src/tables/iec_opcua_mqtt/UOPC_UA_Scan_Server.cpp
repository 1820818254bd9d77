#include "tables/iec_opcua_mqtt/UOPC_UA_Scan_Server.h"

#include "common/FormKit.h"
#include "common/ShellState.h"
#include "common/UOpcUa_Codes.h"
#include "common/button/LbButton.h"
#include "grid/editing/GridColumnItem.h"
#include "grid/editing/PlexColumnGrid.h"
#include "platform/Dialogs.h"
#include "platform/ExtCtrls.h"
#include "platform/Libraries.h"
#include "platform/StdCtrls.h"
#include "platform/SysUtils.h"
#include "platform/Timers.h"

#include <array>

TFOPC_UA_Scan_Server* FOPC_UA_Scan_Server = nullptr;

namespace {

constexpr int ClientW = 1035, ClientH = 337;
constexpr int Margin = 8, ButtonW = 100, ButtonH = 28, ButtonGap = 6;
constexpr int ScanInterval = 100;
constexpr const char* LibraryName = "OPC_UA_Search";

namespace Texts {
constexpr int Caption = 4400, Desc = 4401, Waiting = 4423, NoLibrary = 4430, NoFunctions = 4431;
}  // namespace Texts

enum : int { ColNumber, ColRead, ColWrite, ColName, ColNodeType, ColNodeId, ColDataType, ColNameSpace, ColAccess };

struct TScanColumn {
  int Header;  // 0: the fixed header below
  int Width;
  TEditorType Editor;
  bool ReadOnly;
};
constexpr std::array<TScanColumn, 9> Columns = {{
    {4410, 40, edNormal, false},
    {4411, 50, edDataCheckBox, false},
    {4424, 50, edDataCheckBox, false},
    {4412, 165, edNormal, true},
    {4413, 115, edNormal, true},
    {4414, 245, edNormal, true},
    {4415, 115, edNormal, true},
    {4416, 115, edNormal, true},
    {0, 113, edNormal, false},
}};
constexpr const char* AccessHeader = "Read/Write";

constexpr uint8_t Readable = 1, Writable = 2;

QString AccessText(uint8_t level) {
  if (level == Readable) return QStringLiteral("Read");
  if (level == Writable) return QStringLiteral("Write");
  return QStringLiteral("Read/Write");
}

QString Ansi(const char* text) { return text ? AnsiToUnicode(QByteArray(text)) : QString(); }

// The node identifier as the table shows it, texts taken from the copies.
QString NodeIdText(const TOPC_UA_Scan_Result& result) {
  if (result.Record.identifierType == 3) return result.StringName;
  if (result.Record.identifierType == 5) return result.ByteString;
  return OpcUaNodeIdText(result.Record);
}

// Frees the library however the scan ends.
struct TLibraryScope {
  HMODULE Module;
  ~TLibraryScope() { FreeLibrary(Module); }
};

}  // namespace

TFOPC_UA_Scan_Server::TFOPC_UA_Scan_Server(TComponent* AOwner) : TForm(AOwner) {
  ApplyHouseForm(this);
  SetBorderStyle(bsDialog);
  Position = poScreenCenter;
  SetClientWidth(ClientW);
  SetClientHeight(ClientH);

  P_Title = MakeBandPanel(this, alTop, HouseLook::TitlePanelHeight);
  P_Title->SetColor(clWhite);
  L_SW_Code = Make<TLabel>(this, P_Title, {Margin, Margin, 150, 29});
  L_SW_Code->Font().SetSize(18);
  L_SW_Code->Font().SetColor(clGray);
  L_SW_Desc = Make<TLabel>(this, P_Title, {Margin, 44, 400, 13});
  L_SW_Desc->Font().SetStyle({fsBold});
  LWaiting = Make<TLabel>(this, P_Title, {420, 16, 400, 36});
  LWaiting->SetAutoSize(false);
  LWaiting->SetAlignment(taCenter);
  LWaiting->SetLayout(tlCenter);
  LWaiting->Font().SetSize(20);
  LWaiting->Font().SetColor(clGray);
  LWaiting->SetVisible(false);

  P_Button = MakeBandPanel(this, alBottom, HouseLook::ButtonPanelHeight);
  TLbButton** buttons[] = {&Btn_OK, &Btn_Cancel, &Btn_SelectAllRead, &Btn_ClearAllRead, &Btn_SelectAllWrite,
                           &Btn_ClearAllWrite};
  int left = Margin;
  for (TLbButton** button : buttons) {
    *button = MakeHouseButton(this, P_Button, {left, 6, ButtonW, ButtonH});
    (*button)->SetShowHint(true);
    left += ButtonW + ButtonGap;
  }
  Btn_OK->SetModalResult(mrOk);
  Btn_Cancel->SetModalResult(mrCancel);
  Btn_Cancel->SetCancel(true);
  Btn_SelectAllRead->OnClick = [this](TObject* Sender) { Btn_SelectAllReadClick(Sender); };
  Btn_SelectAllWrite->OnClick = [this](TObject* Sender) { Btn_SelectAllReadClick(Sender); };
  Btn_ClearAllRead->OnClick = [this](TObject* Sender) { Btn_ClearAllReadClick(Sender); };
  Btn_ClearAllWrite->OnClick = [this](TObject* Sender) { Btn_ClearAllReadClick(Sender); };

  PCG_OPC_UA_Scan_Var = Make<TPlexColumnGrid>(this, this, {0, 0, ClientW, 200});
  PCG_OPC_UA_Scan_Var->SetAlign(alClient);
  PCG_OPC_UA_Scan_Var->BeginUpdate();
  PCG_OPC_UA_Scan_Var->SetColCount(int(Columns.size()));
  PCG_OPC_UA_Scan_Var->SetRowCount(2);
  PCG_OPC_UA_Scan_Var->SetOptions(PCG_OPC_UA_Scan_Var->Options() + TGridOptions{goEditing, goColSizing});
  for (int c = 0; c < int(Columns.size()); ++c) {
    TGridColumnItem* column = PCG_OPC_UA_Scan_Var->Columns()[c];
    column->SetWidth(Columns[size_t(c)].Width);
    if (c == 0) continue;
    column->SetEditor(Columns[size_t(c)].Editor);
    column->ReadOnly = Columns[size_t(c)].ReadOnly;
    if (Columns[size_t(c)].Editor == edDataCheckBox) column->SetAlignment(taCenter);
  }
  PCG_OPC_UA_Scan_Var->Columns()[ColAccess]->SetHeader(QString::fromLatin1(AccessHeader));
  PCG_OPC_UA_Scan_Var->EndUpdate();

  Timer_Scan = new TTimer(this);
  Timer_Scan->SetEnabled(false);
  Timer_Scan->SetInterval(ScanInterval);
  Timer_Scan->OnTimer = [this](TObject* Sender) { Timer_ScanTimer(Sender); };

  OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
  OnShow = [this](TObject* Sender) { FormShow(Sender); };
}

void TFOPC_UA_Scan_Server::FormCreate(TObject*) {
  L_SW_Code->SetCaption(SoftwareCode);
  SetClientWidth(ClientW);
  SetClientHeight(ClientH);
  Set_Lang();
}

void TFOPC_UA_Scan_Server::Set_Lang() {
  SetCaption(LangText(Texts::Caption));
  L_SW_Desc->SetCaption(LangText(Texts::Desc));
  const std::pair<TLbButton*, std::pair<int, int>> buttons[] = {
      {Btn_OK, {4402, 4406}},           {Btn_Cancel, {4403, 4407}},         {Btn_SelectAllRead, {4404, 4408}},
      {Btn_ClearAllRead, {4405, 4409}}, {Btn_SelectAllWrite, {4426, 4428}}, {Btn_ClearAllWrite, {4427, 4429}},
  };
  for (const auto& [button, ids] : buttons) {
    button->SetCaption(LangText(ids.first));
    button->SetHint(LangText(ids.second));
  }
  for (int c = 0; c < ColAccess; ++c) PCG_OPC_UA_Scan_Var->Columns()[c]->SetHeader(LangText(Columns[size_t(c)].Header));
  LWaiting->SetCaption(LangText(Texts::Waiting));
}

void TFOPC_UA_Scan_Server::FormShow(TObject*) {
  Erase_Table();
  if (Server.server_address && *Server.server_address) {
    List_Var.clear();
    LWaiting->SetVisible(true);
    Timer_Scan->SetEnabled(true);
    return;
  }
  Show_Variables_List();
}

void TFOPC_UA_Scan_Server::Timer_ScanTimer(TObject*) {
  // One scan per showing, whatever its outcome.
  Timer_Scan->SetEnabled(false);
  Scan();
}

void TFOPC_UA_Scan_Server::Scan() {
  TLibraryScope library{LoadLibrary(QString::fromLatin1(LibraryName))};
  if (!library.Module) {
    MessageDlg(LangText(Texts::NoLibrary), mtError, {mbOK});
    return;
  }
  auto begin = reinterpret_cast<TOpcUaClientBegin>(GetProcAddress(library.Module, "opcua_client_begin"));
  auto next = reinterpret_cast<TOpcUaReturnVariable>(GetProcAddress(library.Module, "opcua_return_variable"));
  if (!begin || !next) {
    MessageDlg(LangText(Texts::NoFunctions), mtError, {mbOK});
    return;
  }
  const int32_t count = begin(Server);
  if (count > 0) {
    List_Var.assign(size_t(count), {});
    opcua_structure buffer{};
    for (int32_t i = 0; i < count; ++i) {
      next(&buffer, i);
      TOPC_UA_Scan_Result& result = List_Var[size_t(i)];
      result.Record = buffer;
      result.DisplayName = Ansi(buffer.displayName);
      result.StringName = Ansi(buffer.stringname);
      result.ByteString = Ansi(buffer.byteString);
      result.Record.displayName = result.Record.stringname = result.Record.byteString = nullptr;
    }
  }
  LWaiting->SetVisible(false);
  Show_Variables_List();
}

void TFOPC_UA_Scan_Server::Erase_Table() {
  PCG_OPC_UA_Scan_Var->SetRowCount(2);
  for (int c = 0; c < int(Columns.size()); ++c) PCG_OPC_UA_Scan_Var->SetCellEx(c, 1, QString());
}

void TFOPC_UA_Scan_Server::Show_Variables_List() {
  if (List_Var.empty()) {
    Erase_Table();
    return;
  }
  TPlexColumnGrid* grid = PCG_OPC_UA_Scan_Var;
  grid->BeginUpdate();
  grid->SetRowCount(int(List_Var.size()) + 1);
  for (int i = 0; i < int(List_Var.size()); ++i) {
    const TOPC_UA_Scan_Result& result = List_Var[size_t(i)];
    const opcua_structure& r = result.Record;
    const int row = i + 1;
    for (int c = 0; c < int(Columns.size()); ++c) grid->SetCellEx(c, row, QString());
    grid->SetCellEx(ColNumber, row, QString::number(row));
    const bool both = r.accessLevel == 0;
    if (both || (r.accessLevel & Readable)) grid->SetCellEx(ColRead, row, QStringLiteral("Y"));
    if (both || (r.accessLevel & Writable)) grid->SetCellEx(ColWrite, row, QStringLiteral("Y"));
    grid->SetCellEx(ColName, row, result.DisplayName);
    grid->SetCellEx(ColNodeType, row, OpcUaIdTypeName(r.identifierType));
    grid->SetCellEx(ColNodeId, row, NodeIdText(result));
    grid->SetCellEx(ColDataType, row, OpcUaDataTypeName(r.dataType));
    grid->SetCellEx(ColNameSpace, row, QString::number(r.nameSpaceIndex));
    grid->SetCellEx(ColAccess, row, AccessText(r.accessLevel));
  }
  grid->EndUpdate();
}

void TFOPC_UA_Scan_Server::Btn_SelectAllReadClick(TObject* Sender) {
  SetColumn(Sender == Btn_SelectAllWrite ? ColWrite : ColRead, QStringLiteral("Y"));
}

void TFOPC_UA_Scan_Server::Btn_ClearAllReadClick(TObject* Sender) {
  SetColumn(Sender == Btn_ClearAllWrite ? ColWrite : ColRead, QStringLiteral("N"));
}

void TFOPC_UA_Scan_Server::SetColumn(int ACol, const QString& Value) {
  if (List_Var.empty()) return;
  for (int r = 1; r < PCG_OPC_UA_Scan_Var->RowCount(); ++r) PCG_OPC_UA_Scan_Var->SetCellEx(ACol, r, Value);
}
