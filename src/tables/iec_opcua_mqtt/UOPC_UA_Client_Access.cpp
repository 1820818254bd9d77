// Construction, texts and the views between the tables and the model.
#include "tables/iec_opcua_mqtt/UOPC_UA_Client_Access.h"

#include "common/FormKit.h"
#include "common/ShellState.h"
#include "common/UOpcUa_Codes.h"
#include "common/button/LbButton.h"
#include "grid/editing/GridColumnItem.h"
#include "grid/editing/PlexColumnGrid.h"
#include "platform/ExtCtrls.h"
#include "platform/Files.h"
#include "platform/FocusQuery.h"
#include "platform/Messages.h"
#include "platform/StdCtrls.h"
#include "platform/SysUtils.h"

#include <array>
#include <span>

TFOPC_UA_Client_Access* FOPC_UA_Client_Access = nullptr;

namespace {

constexpr int ClientW = 1150, ClientH = 660;
constexpr int VarRows = 1024;
constexpr int Margin = 8, LabelH = 18, ServerPanelH = 250, ButtonW = 90, ButtonH = 28, ButtonGap = 6;

namespace Texts {
constexpr int Caption = 4100, Desc = 4101, ServerTitle = 4102, VariablesTitle = 4132;
constexpr int ServerButtons = 4103, ServerButtonHints = 4107, ServerHeaders = 4111, ServerHints = 4122;
constexpr int ReadFixedHeader = 4145, WriteFixedHeader = 4164, DeleteRow = 4193;
}  // namespace Texts

// Fixed texts of the form, not translated.
constexpr const char* ReadPage = "Variables in Read";
constexpr const char* WritePage = "Variables in Write";
constexpr const char* AutoPosCaption = "Auto Pos";

constexpr std::array<int, 11> ServerWidths = {40, 50, 200, 100, 100, 90, 100, 100, 100, 100, 140};

enum : int {
  ColEnable = 1,
  ColName,
  ColNodeType,
  ColNodeId,
  ColVarType,
  ColNameSpace,
  ColVarArray,  // write table: On Change
  ColStart,     // write table: On CMD
  ColLen,       // write table: On Timer
  ColTime,
  ColPosition,
  ColMnemonic,
  VarColumnCount
};

enum TItems { NoItems, NodeTypeItems, VarTypeItems, VarArrayItems };

struct TVarColumn {
  TEditorType ReadEditor;
  TEditorType WriteEditor;
  TItems ReadItems;
  int ReadWidth;
  int WriteWidth;
};
constexpr std::array<TVarColumn, VarColumnCount> VarColumns = {{
    {edNormal, edNormal, NoItems, 40, 40},
    {edDataCheckBox, edDataCheckBox, NoItems, 50, 50},
    {edNormal, edNormal, NoItems, 100, 100},
    {edComboList, edComboList, NodeTypeItems, 90, 90},
    {edNormal, edNormal, NoItems, 100, 100},
    {edComboList, edComboList, VarTypeItems, 90, 90},
    {edNormal, edNormal, NoItems, 120, 120},
    {edComboList, edDataCheckBox, VarArrayItems, 75, 68},
    {edNormal, edDataCheckBox, NoItems, 55, 52},
    {edNormal, edDataCheckBox, NoItems, 55, 70},
    {edNormal, edNormal, NoItems, 80, 80},
    {edNormal, edNormal, NoItems, 70, 70},
    {edNormal, edNormal, NoItems, 187, 182},
}};

constexpr const char* VarArrayTexts[] = {"Variable", "Array"};

// Header and hint ids of data columns 1..12, in column order.
constexpr int ReadHeaders[] = {4146, 4147, 4148, 4149, 4150, 4151, 4205, 4206, 4207, 4152, 4153, 4154};
constexpr int ReadHints[] = {4155, 4156, 4157, 4158, 4159, 4160, 4208, 4209, 4210, 4161, 4162, 4163};
constexpr int WriteHeaders[] = {4165, 4166, 4167, 4168, 4169, 4170, 4171, 4172, 4173, 4174, 4175, 4176};
constexpr int WriteHints[] = {4177, 4178, 4179, 4180, 4181, 4182, 4184, 4183, 4185, 4186, 4187, 4188};

TTableEditorSetup EditorSetup() {
  TTableEditorSetup setup;
  setup.Texts.Caption = Texts::Caption;
  setup.Texts.Description = Texts::Desc;
  setup.Texts.Buttons = {4133, 4134, 4135, 4136, 4137, 4138};
  setup.Texts.ButtonHints = {4139, 4140, 4141, 4142, 4143, 4144};
  setup.Texts.DeleteQuestion = Texts::DeleteRow;
  setup.ClientWidth = ClientW;
  setup.ClientHeight = ClientH;
  setup.TableCount = 2;
  return setup;
}

TEditorTableSetup VariableTable(std::span<const int> Headers, std::span<const int> Hints) {
  TEditorTableSetup table;
  table.KeyColumn = ColName;
  table.HasEnable = true;
  table.Headers = Headers;
  table.Hints = Hints;
  return table;
}

void FillItems(TStringList& List, std::span<const TOpcUaCodeText> Table) {
  List.Clear();
  for (const TOpcUaCodeText& entry : Table) List.Add(QString::fromLatin1(entry.Text));
}

QString Flag(bool On) { return On ? QStringLiteral("Y") : QStringLiteral("N"); }

// A variable table that also tells when the focus leaves it from its cell
// editor, which the grid itself hears of only as a container.
class TOPC_UA_Var_Grid : public TPlexColumnGrid {
public:
  using TPlexColumnGrid::TPlexColumnGrid;
  TNotifyEvent OnLeftFromEditor;

protected:
  void WndProc(TMessage& Message) override {
    TPlexColumnGrid::WndProc(Message);
    if (Message.Msg == CM_EXIT && OnLeftFromEditor) OnLeftFromEditor(this);
  }
};

}  // namespace


TFOPC_UA_Client_Access::TFOPC_UA_Client_Access(TComponent* AOwner)
    : TTableEditorForm(AOwner, EditorSetup()), Hint_Server_List(std::make_unique<TStringList>()) {
  CreateServerPanel();
  CreateVariablePanel();
  OnShow = [this](TObject* Sender) { FormShow(Sender); };
}

TFOPC_UA_Client_Access::~TFOPC_UA_Client_Access() = default;

void TFOPC_UA_Client_Access::CreateServerPanel() {
  P_OPC_UA_Server_List = MakeBandPanel(this, alTop, ServerPanelH);
  P_OPC_UA_Server_List->SetTop(P_Title->Height());
  L_Server_List_Title = Make<TLabel>(this, P_OPC_UA_Server_List, {Margin, 4, 400, LabelH});
  L_Server_List_Title->SetAlign(alTop);
  L_Server_List_Title->Font().SetStyle({fsBold});
  P_Server_Buttons = MakeBandPanel(this, alBottom, HouseLook::ButtonPanelHeight);
  P_Server_Buttons->SetParent(P_OPC_UA_Server_List);
  int left = Margin;
  for (TLbButton** button : {&Btn_Add_Server, &Btn_Modify_Server, &Btn_Delete_Server, &Btn_Scan_Server}) {
    *button = MakeHouseButton(this, P_Server_Buttons, {left, 6, ButtonW, ButtonH});
    (*button)->SetShowHint(true);
    left += ButtonW + ButtonGap;
  }
  Btn_Add_Server->OnClick = [this](TObject*) { Add_Server(); };
  Btn_Modify_Server->OnClick = [this](TObject*) { Modify_Server(); };
  Btn_Delete_Server->OnClick = [this](TObject*) { Delete_Server(); };
  Btn_Scan_Server->OnClick = [this](TObject*) { Scan_Server(); };

  PCG_OPC_UA_Server = Make<TPlexColumnGrid>(this, P_OPC_UA_Server_List, {0, LabelH, ClientW, 150});
  PCG_OPC_UA_Server->SetAlign(alClient);
  PCG_OPC_UA_Server->BeginUpdate();
  PCG_OPC_UA_Server->SetColCount(int(ServerWidths.size()));
  PCG_OPC_UA_Server->SetRowCount(2);
  PCG_OPC_UA_Server->SetOptions(PCG_OPC_UA_Server->Options() - TGridOptions{goEditing} + TGridOptions{goRowSelect});
  for (int c = 0; c < int(ServerWidths.size()); ++c) {
    TGridColumnItem* column = PCG_OPC_UA_Server->Columns()[c];
    column->SetWidth(ServerWidths[size_t(c)]);
    column->ReadOnly = true;
  }
  PCG_OPC_UA_Server->Columns()[ColEnable]->SetEditor(edDataCheckBox);
  PCG_OPC_UA_Server->Columns()[ColEnable]->SetAlignment(taCenter);
  PCG_OPC_UA_Server->EndUpdate();
  PCG_OPC_UA_Server->OnClickCell = [this](TObject* Sender, int ARow, int ACol) {
    PCG_OPC_UA_ServerClickCell(Sender, ARow, ACol);
  };
  PCG_OPC_UA_Server->OnDblClickCell = [this](TObject* Sender, int ARow, int ACol) {
    PCG_OPC_UA_ServerDblClickCell(Sender, ARow, ACol);
  };
  // A server chosen with the keys shows its variables as a click does.
  PCG_OPC_UA_Server->OnKeyUp = [this](TObject*, WORD&, TShiftState) {
    if (PCG_OPC_UA_Server->Row() != FShownServerRow) Show_OPC_UA_Var_List();
  };
  PCG_OPC_UA_Server->OnGridHint = [this](TObject* Sender, int ARow, int ACol, QString& HintStr) {
    ServerGridHint(Sender, ARow, ACol, HintStr);
  };

  Splitter1 = Make<TSplitter>(this, this, {0, P_Title->Height() + ServerPanelH, ClientW, 4});
  Splitter1->SetAlign(alTop);
  // Made aligned to the left, it came with the full height.
  Splitter1->SetHeight(4);
  Splitter1->SetCursor(crVSplit);
}

void TFOPC_UA_Client_Access::CreateVariablePanel() {
  P_OPC_UA_Var_List = MakeBandPanel(this, alClient, 300);
  L_Variables_List_Title = Make<TLabel>(this, P_OPC_UA_Var_List, {Margin, 4, 400, LabelH});
  L_Variables_List_Title->SetAlign(alTop);
  L_Variables_List_Title->Font().SetStyle({fsBold});
  P_Button->SetParent(P_OPC_UA_Var_List);
  PC_OPC_UA_Vars = PC_Tables;
  PC_OPC_UA_Vars->SetParent(P_OPC_UA_Var_List);
  TS_OPC_UA_Var_Read = Pages.at(0);
  TS_OPC_UA_Var_Write = Pages.at(1);

  Btn_AutoPosition = MakeHouseButton(this, P_Button, {Btn_PasteRow->Left() + ButtonW + ButtonGap, Btn_PasteRow->Top(),
                                                      ButtonW, ButtonH});
  Btn_AutoPosition->SetShowHint(true);
  Btn_AutoPosition->OnClick = [this](TObject* Sender) { Btn_AutoPositionClick(Sender); };
  Btn_OK->OnClick = [this](TObject* Sender) { Btn_OKClick(Sender); };
  Btn_DelRow->OnClick = [this](TObject* Sender) { Btn_DelRowClick(Sender); };
  Btn_InsRow->OnClick = [this](TObject* Sender) { Btn_InsRowClick(Sender); };
  Btn_PasteRow->OnClick = [this](TObject* Sender) { Btn_PasteRowClick(Sender); };

  auto* read = new TOPC_UA_Var_Grid(this);
  auto* write = new TOPC_UA_Var_Grid(this);
  PCG_OPC_UA_Var_R = read;
  PCG_OPC_UA_Var_W = write;
  InitVarGrid(read, false);
  InitVarGrid(write, true);
  AddTable(read, VariableTable(ReadHeaders, ReadHints));
  AddTable(write, VariableTable(WriteHeaders, WriteHints));
  for (TOPC_UA_Var_Grid* grid : {read, write}) {
    grid->OnEnter = [this](TObject* Sender) { PCG_OPC_UA_Var_Enter(Sender); };
    grid->OnExit = [this](TObject* Sender) { PCG_OPC_UA_Var_Exit(Sender); };
    grid->OnLeftFromEditor = [this](TObject* Sender) { PCG_OPC_UA_Var_Exit(Sender); };
  }
  // The button row left the form's bottom for the variable panel.
  AlignControls();
}

void TFOPC_UA_Client_Access::InitVarGrid(TPlexColumnGrid* Grid, bool Write) {
  Grid->BeginUpdate();
  Grid->SetColCount(VarColumnCount);
  Grid->SetRowCount(VarRows + 1);
  Grid->SetOptions(Grid->Options() + TGridOptions{goEditing, goColSizing});
  for (int c = 0; c < VarColumnCount; ++c) {
    const TVarColumn& look = VarColumns[size_t(c)];
    TGridColumnItem* column = Grid->Columns()[c];
    column->SetWidth(Write ? look.WriteWidth : look.ReadWidth);
    if (c == 0) continue;
    const TEditorType editor = Write ? look.WriteEditor : look.ReadEditor;
    column->SetEditor(editor);
    if (editor == edDataCheckBox) column->SetAlignment(taCenter);
    const TItems items = Write && c == ColVarArray ? NoItems : look.ReadItems;
    if (items == NodeTypeItems) FillItems(column->ComboItems(), OpcUaIdTypeTable);
    if (items == VarTypeItems) FillItems(column->ComboItems(), OpcUaDataTypeTable);
    if (items == VarArrayItems) {
      column->ComboItems().Clear();
      for (const char* text : VarArrayTexts) column->ComboItems().Add(QString::fromLatin1(text));
    }
  }
  Grid->EndUpdate();
}

void TFOPC_UA_Client_Access::Set_Lang() {
  TTableEditorForm::Set_Lang();
  TS_OPC_UA_Var_Read->SetCaption(QString::fromLatin1(ReadPage));
  TS_OPC_UA_Var_Write->SetCaption(QString::fromLatin1(WritePage));
  Btn_AutoPosition->SetCaption(QString::fromLatin1(AutoPosCaption));
  L_Server_List_Title->SetCaption(LangText(Texts::ServerTitle));
  L_Variables_List_Title->SetCaption(LangText(Texts::VariablesTitle));
  TLbButton* const buttons[] = {Btn_Add_Server, Btn_Modify_Server, Btn_Delete_Server, Btn_Scan_Server};
  for (int i = 0; i < 4; ++i) {
    buttons[i]->SetCaption(LangText(Texts::ServerButtons + i));
    buttons[i]->SetHint(LangText(Texts::ServerButtonHints + i));
  }
  for (int c = 0; c < int(ServerWidths.size()); ++c)
    PCG_OPC_UA_Server->Columns()[c]->SetHeader(LangText(Texts::ServerHeaders + c));
  Hint_Server_List->Clear();
  for (int c = 1; c < int(ServerWidths.size()); ++c) Hint_Server_List->Add(LangText(Texts::ServerHints + c - 1));
  PCG_OPC_UA_Var_R->Columns()[0]->SetHeader(LangText(Texts::ReadFixedHeader));
  PCG_OPC_UA_Var_W->Columns()[0]->SetHeader(LangText(Texts::WriteFixedHeader));
}

void TFOPC_UA_Client_Access::SetColumnHeader(int Table, int ACol, const QString& Text) {
  static_cast<TPlexColumnGrid*>(Grid(Table))->Columns()[ACol]->SetHeader(Text);
}

void TFOPC_UA_Client_Access::FormShow(TObject* Sender) {
  PCG_OPC_UA_Server->SetRowCount(2);
  for (int c = 0; c < PCG_OPC_UA_Server->ColCount(); ++c) PCG_OPC_UA_Server->SetCellEx(c, 1, QString());
  TTableEditorForm::FormShow(Sender);
  Delete_Server_Var_OPC_UA();
  if (FileExists(OPCUAClientFile)) LoadOPCUAClientFile(OPCUAClientFile, OPC_UA_Server_List);
  Show_OPC_UA_Server_List();
  PCG_OPC_UA_Server->SetRow(1);
  Show_OPC_UA_Var_List();
  Do_Copy.assign(2, false);
  Ind_Server = -1;
}

int TFOPC_UA_Client_Access::SelectedServer() const {
  const int index = PCG_OPC_UA_Server->Row() - 1;
  return index >= 0 && index < int(OPC_UA_Server_List.size()) ? index : -1;
}

void TFOPC_UA_Client_Access::ServerGridHint(TObject*, int ARow, int ACol, QString& HintStr) {
  HintStr.clear();
  if (ARow == 0 && ACol > 0 && ACol - 1 < Hint_Server_List->Count()) HintStr = (*Hint_Server_List)[ACol - 1];
}

void TFOPC_UA_Client_Access::Show_OPC_UA_Server_List() {
  TPlexColumnGrid* grid = PCG_OPC_UA_Server;
  if (OPC_UA_Server_List.empty()) {
    grid->SetRowCount(2);
    for (int c = 0; c < grid->ColCount(); ++c) grid->SetCellEx(c, 1, QString());
    return;
  }
  grid->BeginUpdate();
  grid->SetRowCount(int(OPC_UA_Server_List.size()) + 1);
  for (int i = 0; i < int(OPC_UA_Server_List.size()); ++i) {
    const TOPC_UA_Server& s = *OPC_UA_Server_List[size_t(i)];
    const QString cells[] = {QString::number(i + 1), Flag(s.Enable), s.ServerAddress, s.Authorization,
                             s.UserName,             s.Password,     s.Certificate,   s.PrivateKey,
                             s.SecurityType,         s.SecurityPolicy, s.Mnemonic};
    for (int c = 0; c < int(std::size(cells)); ++c) grid->SetCellEx(c, i + 1, cells[c]);
  }
  grid->EndUpdate();
}

void TFOPC_UA_Client_Access::EraseVarGrid(TPlexColumnGrid* Grid) {
  Grid->BeginUpdate();
  const int end = Grid->ColCount() + Grid->NumHiddenColumns();
  for (int r = 1; r < Grid->RowCount(); ++r) {
    Grid->SetCellEx(0, r, QString::number(r));
    Grid->SetCellEx(ColEnable, r, QStringLiteral("Y"));
    for (int c = ColEnable + 1; c < end; ++c) Grid->SetCellEx(c, r, QString());
  }
  Grid->EndUpdate();
}

void TFOPC_UA_Client_Access::Erase_OPC_UA_Var_R_List() { EraseVarGrid(PCG_OPC_UA_Var_R); }

void TFOPC_UA_Client_Access::Erase_OPC_UA_Var_W_List() { EraseVarGrid(PCG_OPC_UA_Var_W); }

void TFOPC_UA_Client_Access::Show_OPC_UA_Var_List() {
  Erase_OPC_UA_Var_R_List();
  Erase_OPC_UA_Var_W_List();
  FShownServerRow = PCG_OPC_UA_Server->Row();
  const int index = SelectedServer();
  if (index < 0) return;
  const TOPC_UA_Server& server = *OPC_UA_Server_List[size_t(index)];
  ShowVariables(PCG_OPC_UA_Var_R, server.Var_List_R, false);
  ShowVariables(PCG_OPC_UA_Var_W, server.Var_List_W, true);
}

void TFOPC_UA_Client_Access::ShowVariables(TPlexColumnGrid* Grid, const TOPC_UA_Variable_List& List, bool Write) {
  Grid->BeginUpdate();
  // A list longer than the table (only a scan could make one) shows its first rows.
  const int rows = std::min(int(List.size()), Grid->RowCount() - 1);
  for (int i = 0; i < rows; ++i) {
    const TOPC_UA_Variable& v = *List[size_t(i)];
    const QString cells[VarColumnCount] = {QString::number(i + 1),
                                           Flag(v.Enable),
                                           v.DispalyName,
                                           v.NodeType(),
                                           v.NodeID(),
                                           v.VarType(),
                                           QString::number(v.nameSpaceIndex),
                                           Write ? v.OnChange : v.VarArray,
                                           Write ? v.OnCMD : v.Start,
                                           Write ? v.OnTimer : v.Len,
                                           v.Time,
                                           v.Position,
                                           v.Mnemonic};
    for (int c = ColEnable; c < VarColumnCount; ++c) Grid->SetCellEx(c, i + 1, cells[c]);
  }
  Grid->EndUpdate();
}

void TFOPC_UA_Client_Access::SaveVariables(TPlexColumnGrid* Grid, TOPC_UA_Variable_List& List, bool Write) {
  while (!List.empty()) List.pop_back();
  for (int r = 1; r < Grid->RowCount() && r <= VarRows; ++r) {
    // Not trimmed: a name of blanks is a name.
    if (Grid->GetCellEx(ColName, r).isEmpty()) break;
    const auto cell = [Grid, r](int c) { return Grid->GetCellEx(c, r); };
    auto v = std::make_unique<TOPC_UA_Variable>();
    v->Enable = cell(ColEnable) == QLatin1String("Y");
    v->DispalyName = cell(ColName);
    v->SetNodeType(cell(ColNodeType));
    v->SetNodeID(cell(ColNodeId));
    v->SetVarType(cell(ColVarType));
    v->nameSpaceIndex = uint16_t(StrToIntDef(cell(ColNameSpace), 0) & 0xFFFF);
    if (Write) {
      v->OnChange = cell(ColVarArray);
      v->OnCMD = cell(ColStart);
      v->OnTimer = cell(ColLen);
    } else {
      v->VarArray = cell(ColVarArray);
      v->Start = cell(ColStart);
      v->Len = cell(ColLen);
      v->OnChange = v->OnCMD = v->OnTimer = QStringLiteral("N");
    }
    v->Time = cell(ColTime);
    v->Position = cell(ColPosition);
    v->Mnemonic = cell(ColMnemonic);
    List.push_back(std::move(v));
  }
}

void TFOPC_UA_Client_Access::Save_Variable_in_Read() {
  if (Ind_Server < 0 || Ind_Server >= int(OPC_UA_Server_List.size())) return;
  SaveVariables(PCG_OPC_UA_Var_R, OPC_UA_Server_List[size_t(Ind_Server)]->Var_List_R, false);
}

void TFOPC_UA_Client_Access::Save_Variable_in_Write() {
  if (Ind_Server < 0 || Ind_Server >= int(OPC_UA_Server_List.size())) return;
  SaveVariables(PCG_OPC_UA_Var_W, OPC_UA_Server_List[size_t(Ind_Server)]->Var_List_W, true);
}

void TFOPC_UA_Client_Access::Delete_Server_Var_OPC_UA() {
  while (!OPC_UA_Server_List.empty()) OPC_UA_Server_List.pop_back();
}

void TFOPC_UA_Client_Access::PCG_OPC_UA_Var_Enter(TObject*) { Ind_Server = SelectedServer(); }

void TFOPC_UA_Client_Access::PCG_OPC_UA_Var_Exit(TObject* Sender) {
  // Moving into the table's own cell editor is no exit.
  auto* grid = dynamic_cast<TWinControl*>(Sender);
  if (grid && HasFocusWithin(grid)) return;
  if (Ind_Server >= 0) {
    if (Sender == PCG_OPC_UA_Var_R)
      Save_Variable_in_Read();
    else if (Sender == PCG_OPC_UA_Var_W)
      Save_Variable_in_Write();
  }
  Ind_Server = -1;
}

void TFOPC_UA_Client_Access::PCG_OPC_UA_ServerClickCell(TObject*, int ARow, int) {
  if (ARow > 0) Show_OPC_UA_Var_List();
}

void TFOPC_UA_Client_Access::PCG_OPC_UA_ServerDblClickCell(TObject*, int ARow, int) {
  if (ARow == -1)
    Add_Server();
  else
    Modify_Server();
}
