#include "lorawan/ULoRaWAN_Gateway.h"

#include "common/FormKit.h"
#include "common/LangFormat.h"
#include "common/ShellState.h"
#include "common/button/LbButton.h"
#include "common/tables/RowOperations.h"
#include "common/tables/TableCells.h"
#include "grid/editing/PlexColumnGrid.h"
#include "lorawan/LoRaWANDeviceCheck.h"
#include "platform/Dialogs.h"
#include "platform/ExtCtrls.h"
#include "platform/StdCtrls.h"

#include <algorithm>
#include <array>

TFLoRaWAN_Gateway* FLoRaWAN_Gateway = nullptr;

namespace {

constexpr int DeviceRows = LoRaWANDeviceCount + 1;
constexpr int RuleRows = LoRaWANRuleCount + 1;
constexpr int DeviceListHeight = 196;
constexpr int SplitterHeight = 3;
constexpr int TitleLabelHeight = 20;
constexpr int EnableColumn = 1;
constexpr int EUIColumn = 2;
constexpr int ActivationColumn = 5;
constexpr int ClassColumn = 10;
constexpr int RX2Column = 12;
constexpr int NetSessKeyColumn = 6, AppSessKeyColumn = 7, AppKeyColumn = 8;
constexpr TColor ReadOnlyKeyColor = clBtnFace;

// The ids of the editor's block.
namespace Texts {
constexpr int Caption = 5400, Description = 5401;
constexpr int DeviceListTitle = 5414, RulesListTitle = 5415;
constexpr int UplinkPage = 5416, DownlinkPage = 5417;
constexpr int DeleteDevice = 3346, DeleteUplink = 3347, DeleteDownlink = 3348;
}  // namespace Texts

TTableEditorSetup EditorSetup() {
  TTableEditorSetup setup;
  setup.Texts.Caption = Texts::Caption;
  setup.Texts.Description = Texts::Description;
  setup.Texts.Buttons = {5402, 5403, 5404, 5405, 5406, 5407};
  setup.Texts.ButtonHints = {5408, 5409, 5410, 5411, 5412, 5413};
  setup.ClientWidth = 1150;
  setup.ClientHeight = 660;
  setup.TableCount = 0;
  return setup;
}

// The device grid, column by column; column 1 is the Enable check box.
struct TDeviceColumn {
  int Header;
  int Width;
  TColor Color;
  QString TDeviceLoRa::*Text;
};
constexpr std::array<TDeviceColumn, 14> DeviceColumns = {{
    {5418, 40, clNone, nullptr},
    {5419, 50, 0xB0D8FF, nullptr},
    {5420, 80, 0xFEFAE0, &TDeviceLoRa::DeviceEUI},
    {5421, 60, 0xFEFAE0, &TDeviceLoRa::JoinEUI},
    {5422, 80, 0xFEFAE0, &TDeviceLoRa::DeviceName},
    {5423, 120, 0xA8FFFF, &TDeviceLoRa::ActMethod},
    {5424, 140, 0xA8FFFF, &TDeviceLoRa::NetSessKey},
    {5425, 150, 0xA8FFFF, &TDeviceLoRa::AppSessKey},
    {5426, 100, 0xA8FFFF, &TDeviceLoRa::AppKey},
    {5427, 100, 0xA8FFA8, &TDeviceLoRa::DevAdd},
    {5428, 60, 0xF4D6FC, &TDeviceLoRa::ClassLoRa},
    {5429, 100, 0xFFD5D5, &TDeviceLoRa::DiagTimeOut},
    {5515, 100, 0xFFDE91, &TDeviceLoRa::RX2Datarate},
    {5430, 120, 0xFFFFFF, &TDeviceLoRa::Mnemonic},
}};

// A rule grid column: a text of the rule, or a flag shown as a data check box.
struct TRuleColumn {
  int Header;
  int Width;
  TColor Color;
  QString TRuleLoRa::*Text;
  bool TRuleLoRa::*Flag;
};
constexpr TColor EnableColor = 0xB0D8FF, PortColor = 0xA8FFFF, ByteColor = 0xFEFAE0, SendColor = 0xA8FFA8,
                 PositionColor = 0xF4D6FC, NoteColor = 0xFFFFFF;
constexpr std::array<TRuleColumn, 11> UplinkColumns = {{
    {5443, 40, clNone, nullptr, nullptr},
    {5444, 50, EnableColor, nullptr, &TRuleLoRa::Enable},
    {5445, 70, PortColor, &TRuleLoRa::Port, nullptr},
    {5446, 70, PortColor, &TRuleLoRa::StartTest, nullptr},
    {5447, 70, PortColor, &TRuleLoRa::LenTest, nullptr},
    {5448, 30, PortColor, nullptr, &TRuleLoRa::HexTest},
    {5449, 230, PortColor, &TRuleLoRa::ValueTest, nullptr},
    {5450, 70, ByteColor, &TRuleLoRa::StartBit, nullptr},
    {5451, 90, ByteColor, &TRuleLoRa::NumBits, nullptr},
    {5452, 80, PositionColor, &TRuleLoRa::PosBit, nullptr},
    {5453, 310, NoteColor, &TRuleLoRa::Mnemonic, nullptr},
}};
constexpr std::array<TRuleColumn, 11> DownlinkColumns = {{
    {5464, 40, clNone, nullptr, nullptr},
    {5465, 50, EnableColor, nullptr, &TRuleLoRa::Enable},
    {5466, 70, PortColor, &TRuleLoRa::Port, nullptr},
    {5467, 70, ByteColor, &TRuleLoRa::StartBit, nullptr},
    {5468, 90, ByteColor, &TRuleLoRa::NumBits, nullptr},
    {5469, 68, SendColor, nullptr, &TRuleLoRa::OnChange},
    {5470, 52, SendColor, nullptr, &TRuleLoRa::OnCMD},
    {5471, 60, SendColor, nullptr, &TRuleLoRa::OnTimer},
    {5472, 80, SendColor, &TRuleLoRa::Time, nullptr},
    {5473, 80, PositionColor, &TRuleLoRa::PosBit, nullptr},
    {5474, 450, NoteColor, &TRuleLoRa::Mnemonic, nullptr},
}};

const std::array<TRuleColumn, 11>& RuleColumns(bool DownLink) { return DownLink ? DownlinkColumns : UplinkColumns; }

QString YesNo(bool Flag) { return Flag ? QStringLiteral("Y") : QStringLiteral("N"); }

TPanel* MakeBand(TComponent* Owner, TWinControl* Parent, int Height, TAlign Align) {
  TPanel* panel = Make<TPanel>(Owner, Parent, {0, 0, Parent->ClientWidth(), Height});
  panel->BevelOuter = bvNone;
  panel->ShowCaption = false;
  panel->SetAlign(Align);
  return panel;
}

TLabel* MakeTitle(TComponent* Owner, TWinControl* Parent) {
  TLabel* label = Make<TLabel>(Owner, Parent, {0, 0, Parent->ClientWidth(), TitleLabelHeight});
  label->SetAlign(alTop);
  label->SetLayout(tlCenter);
  label->Font().SetStyle({fsBold});
  return label;
}

}  // namespace

TFLoRaWAN_Gateway::TFLoRaWAN_Gateway(TComponent* AOwner) : TTableEditorForm(AOwner, EditorSetup()) {
  SetBorderStyle(bsSizeable);
  BorderIcons = biSystemMenu | biMinimize | biMaximize;
  CreateLayout();
  OnShow = [this](TObject* Sender) { FormShow(Sender); };
  Btn_OK->OnClick = [this](TObject* Sender) { Btn_OKClick(Sender); };
  Btn_DelRow->OnClick = [this](TObject* Sender) { Btn_DelRowClick(Sender); };
  Btn_InsRow->OnClick = [this](TObject* Sender) { Btn_InsRowClick(Sender); };
  Btn_CopyRow->OnClick = [this](TObject* Sender) { Btn_CopyRowClick(Sender); };
  Btn_PasteRow->OnClick = [this](TObject* Sender) { Btn_PasteRowClick(Sender); };
}

TFLoRaWAN_Gateway::~TFLoRaWAN_Gateway() = default;

void TFLoRaWAN_Gateway::CreateLayout() {
  PLoRaWAN_Device_List = MakeBand(this, this, DeviceListHeight, alTop);
  LLoRaWAN_Device_List_Title = MakeTitle(this, PLoRaWAN_Device_List);
  PSG_LoRaWAN_Device_List = Make<TPlexStringGrid>(this, PLoRaWAN_Device_List, {0, TitleLabelHeight, 100, 100});
  PSG_LoRaWAN_Device_List->SetAlign(alClient);

  Splitter1 = Make<TSplitter>(this, this, {0, P_Title->Height() + DeviceListHeight, ClientWidth(), SplitterHeight});
  Splitter1->SetAlign(alTop);
  Splitter1->SetHeight(SplitterHeight);
  Splitter1->SetCursor(crVSplit);

  PLoRaWAN_Rules_List = MakeBand(this, this, 200, alClient);
  LLoRaWAN_Rules_List_Title = MakeTitle(this, PLoRaWAN_Rules_List);
  PC_LoRaWAN_Device_Rules_List =
      Make<TPageControl>(this, PLoRaWAN_Rules_List, {0, TitleLabelHeight, ClientWidth(), 150});
  PC_LoRaWAN_Device_Rules_List->SetAlign(alClient);
  TS_LoRaWAN_Uplink_Rules_List = new TTabSheet(this);
  TS_LoRaWAN_Uplink_Rules_List->SetPageControl(PC_LoRaWAN_Device_Rules_List);
  TS_LoRaWAN_Downlink_Rules_List = new TTabSheet(this);
  TS_LoRaWAN_Downlink_Rules_List->SetPageControl(PC_LoRaWAN_Device_Rules_List);
  PCG_LoRaWAN_Uplink = Make<TPlexColumnGrid>(this, TS_LoRaWAN_Uplink_Rules_List, {0, 0, 100, 100});
  PCG_LoRaWAN_Uplink->SetAlign(alClient);
  PCG_LoRaWAN_Downlink = Make<TPlexColumnGrid>(this, TS_LoRaWAN_Downlink_Rules_List, {0, 0, 100, 100});
  PCG_LoRaWAN_Downlink->SetAlign(alClient);
  PC_LoRaWAN_Device_Rules_List->SetActivePageIndex(0);

  for (TPlexStringGrid* grid :
       {static_cast<TPlexStringGrid*>(PSG_LoRaWAN_Device_List), static_cast<TPlexStringGrid*>(PCG_LoRaWAN_Uplink),
        static_cast<TPlexStringGrid*>(PCG_LoRaWAN_Downlink)}) {
    // The columns keep their widths; a header or value they cut ends in "...".
    grid->EnhTextSize = true;
    grid->OnEnter = [this](TObject* Sender) { Grid_Enter(Sender); };
    grid->OnExit = [this](TObject* Sender) { Grid_Exit(Sender); };
    grid->OnDblClickCell = [this](TObject* Sender, int ARow, int ACol) { GridDblClickCell(Sender, ARow, ACol); };
    grid->OnKeyPress = [this](TObject* Sender, QChar& Key) { GridKeyPress(Sender, Key); };
  }
  TPlexStringGrid* devices = PSG_LoRaWAN_Device_List;
  devices->OnClickCell = [this](TObject* Sender, int ARow, int ACol) {
    PSG_LoRaWAN_Device_ListClickCell(Sender, ARow, ACol);
  };
  devices->OnRowUpdate = [this](TObject*, int, int NewRow) { Refill_Rules_For_Row(NewRow); };
  devices->OnGetEditorType = [](TObject*, int ACol, int, TEditorType& AEditor) {
    if (ACol == ActivationColumn || ACol == ClassColumn || ACol == RX2Column) AEditor = edComboList;
  };
  devices->OnGetEditorProp = [this](TObject*, int ACol, int) {
    const TStringList* list = ACol == ActivationColumn ? &Act_Meth_SL
                              : ACol == ClassColumn    ? &Class_SL
                              : ACol == RX2Column      ? &Model.RX2_SL
                                                       : nullptr;
    if (!list) return;
    PSG_LoRaWAN_Device_List->ClearComboString();
    for (int i = 0; i < list->Count(); ++i) PSG_LoRaWAN_Device_List->AddComboString((*list)[i]);
  };
  devices->OnComboChange = [this](TObject* Sender, int ACol, int ARow, int AItemIndex, const QString& ASelection) {
    PSG_LoRaWAN_Device_ListComboChange(Sender, ACol, ARow, AItemIndex, ASelection);
  };
  // The list follows the user's moves in it; when the edit ends the row's
  // key cells follow what the cell kept (Escape gives back the old text).
  devices->OnEditCellDone = [this](TObject*, int ACol, int ARow) {
    if (ACol == ActivationColumn && ARow >= 1 && ARow <= LoRaWANDeviceCount) {
      Apply_Activation(ARow, PSG_LoRaWAN_Device_List->GetCellEx(ActivationColumn, ARow));
      PSG_LoRaWAN_Device_List->Repaint();
    }
  };
}

void TFLoRaWAN_Gateway::Init_Tables() {
  Act_Meth_SL.Clear();
  Act_Meth_SL.Add(ActivationABP);
  Act_Meth_SL.Add(ActivationOTAA);
  Class_SL.Clear();
  Class_SL.Add("A");
  Class_SL.Add("C");
  Init_Table();
  Init_Rule_Grid(PCG_LoRaWAN_Uplink, false);
  Init_Rule_Grid(PCG_LoRaWAN_Downlink, true);
}

void TFLoRaWAN_Gateway::Init_Table() {
  TPlexStringGrid* grid = PSG_LoRaWAN_Device_List;
  grid->BeginUpdate();
  grid->SetColCount(int(DeviceColumns.size()));
  grid->SetRowCount(DeviceRows);
  grid->SetOptions(grid->Options() + TGridOptions{goEditing, goColSizing, goTabs});
  for (int c = 0; c < int(DeviceColumns.size()); ++c) {
    grid->SetColWidths(c, DeviceColumns[size_t(c)].Width);
    if (c == 0) continue;
    for (int r = 1; r < DeviceRows; ++r) grid->SetColors(c, r, DeviceColumns[size_t(c)].Color);
  }
  grid->AddCheckBoxColumn(EnableColumn, false, false);
  for (int r = 1; r < DeviceRows; ++r) {
    grid->SetAlignments(EnableColumn, r, taCenter);
    grid->SetCellEx(0, r, QString::number(r));
  }
  grid->EndUpdate();
}

void TFLoRaWAN_Gateway::Init_Rule_Grid(TPlexColumnGrid* Grid, bool DownLink) {
  const auto& columns = RuleColumns(DownLink);
  Grid->BeginUpdate();
  Grid->SetColCount(int(columns.size()));
  Grid->SetRowCount(RuleRows);
  Grid->SetOptions(Grid->Options() + TGridOptions{goEditing, goColSizing, goTabs});
  for (int c = 0; c < int(columns.size()); ++c) {
    TGridColumnItem* column = Grid->Columns()[c];
    column->SetWidth(columns[size_t(c)].Width);
    if (c == 0) continue;
    column->SetColor(columns[size_t(c)].Color);
    column->SetEditor(columns[size_t(c)].Flag ? edDataCheckBox : edNormal);
    if (columns[size_t(c)].Flag) column->SetAlignment(taCenter);
  }
  Grid->EndUpdate();
}

void TFLoRaWAN_Gateway::Set_Lang() {
  TTableEditorForm::Set_Lang();
  LLoRaWAN_Device_List_Title->SetCaption(LangText(Texts::DeviceListTitle));
  LLoRaWAN_Rules_List_Title->SetCaption(LangText(Texts::RulesListTitle));
  Set_Page_Captions();
  for (int c = 0; c < int(DeviceColumns.size()); ++c)
    PSG_LoRaWAN_Device_List->SetCellEx(c, 0, LangText(DeviceColumns[size_t(c)].Header));
  for (bool down : {false, true})
    for (int c = 0; c < int(RuleColumns(down).size()); ++c)
      Rule_Grid(down)->Columns()[c]->SetHeader(LangText(RuleColumns(down)[size_t(c)].Header));
}

// An end node sees the traffic from the other side: its downlink page comes
// first and carries the uplink caption.
void TFLoRaWAN_Gateway::Set_Page_Captions() {
  TTabSheet* first = Model.ModeMaster ? TS_LoRaWAN_Uplink_Rules_List : TS_LoRaWAN_Downlink_Rules_List;
  TTabSheet* second = Model.ModeMaster ? TS_LoRaWAN_Downlink_Rules_List : TS_LoRaWAN_Uplink_Rules_List;
  first->SetCaption(LangText(Texts::UplinkPage));
  second->SetCaption(LangText(Texts::DownlinkPage));
}

TPlexColumnGrid* TFLoRaWAN_Gateway::Rule_Grid(bool DownLink) const {
  return DownLink ? PCG_LoRaWAN_Downlink : PCG_LoRaWAN_Uplink;
}

void TFLoRaWAN_Gateway::FormShow(TObject*) {
  Model.Clear_Devices();
  Clear_Devices_Table();
  Clear_Rules_Tables();
  Reset_Grid_Positions();
  FShownDevice = -1;
  Model.ModeMaster = Model.Is_a_Master();
  PLoRaWAN_Device_List->SetVisible(Model.ModeMaster);
  Splitter1->SetVisible(Model.ModeMaster);
  (Model.ModeMaster ? TS_LoRaWAN_Uplink_Rules_List : TS_LoRaWAN_Downlink_Rules_List)->SetPageIndex(0);
  Set_Page_Captions();
  AlignControls();
  PC_LoRaWAN_Device_Rules_List->SetActivePageIndex(0);
  Model.Load_Configuration();
  Show_Data_Devices_Table();
  Show_Rules_Data();
  Last_Grid = 0;
  DoCopy_Dev = DoCopy_Up = DoCopy_Down = false;
}

// Each showing starts at the top left of every grid, whatever the last one left.
void TFLoRaWAN_Gateway::Reset_Grid_Positions() {
  for (TPlexStringGrid* grid :
       {static_cast<TPlexStringGrid*>(PSG_LoRaWAN_Device_List), static_cast<TPlexStringGrid*>(PCG_LoRaWAN_Uplink),
        static_cast<TPlexStringGrid*>(PCG_LoRaWAN_Downlink)}) {
    grid->HideInplaceEdit();
    grid->SetTopRow(grid->FixedRows());
    grid->SetLeftCol(grid->FixedCols());
    grid->SetRow(grid->FixedRows());
    grid->SetCol(grid->FixedCols());
  }
}

void TFLoRaWAN_Gateway::Clear_Devices_Table() {
  TPlexStringGrid* grid = PSG_LoRaWAN_Device_List;
  grid->BeginUpdate();
  const int rows = grid->RowCount() + grid->NumHiddenRows();
  for (int r = 1; r < rows; ++r) {
    grid->SetCheckBoxState(EnableColumn, r, true);
    for (int c = EnableColumn + 1; c < grid->AllColCount(); ++c) grid->SetCellEx(c, r, QString());
    // An emptied row has no activation yet, whatever the last showing left.
    if (r <= LoRaWANDeviceCount) Apply_Activation(r, QString());
  }
  grid->EndUpdate();
}

void TFLoRaWAN_Gateway::Clear_Rules_Tables() {
  for (bool down : {false, true}) {
    TPlexColumnGrid* grid = Rule_Grid(down);
    const auto& columns = RuleColumns(down);
    grid->BeginUpdate();
    for (int r = 1; r < grid->RowCount(); ++r) {
      grid->SetCellEx(0, r, QString::number(r));
      grid->SetCellEx(EnableColumn, r, QStringLiteral("Y"));
      for (int c = EnableColumn + 1; c < int(columns.size()); ++c)
        grid->SetCellEx(c, r, columns[size_t(c)].Flag ? QStringLiteral("N") : QString());
    }
    grid->EndUpdate();
  }
}

void TFLoRaWAN_Gateway::Show_Data_Devices_Table() {
  TPlexStringGrid* grid = PSG_LoRaWAN_Device_List;
  grid->BeginUpdate();
  const std::span<TDeviceLoRa> devices = DeviceList();
  for (int i = 0; i < int(devices.size()) && i + 1 < grid->RowCount(); ++i) {
    const TDeviceLoRa& device = devices[size_t(i)];
    const int row = i + 1;
    grid->SetCheckBoxState(EnableColumn, row, device.Enable);
    for (int c = EUIColumn; c < int(DeviceColumns.size()); ++c)
      grid->SetCellEx(c, row, device.*DeviceColumns[size_t(c)].Text);
    Apply_Activation(row, device.ActMethod);
  }
  grid->EndUpdate();
}

// Over the air, the session keys are made at the join; without it they are
// typed. A key cell that waits shows it in the colour of a disabled field.
void TFLoRaWAN_Gateway::Apply_Activation(int ARow, const QString& Activation) {
  const bool otaa = Activation == ActivationOTAA;
  TPlexStringGrid* grid = PSG_LoRaWAN_Device_List;
  const auto keyCell = [&](int ACol, bool ReadOnly) {
    grid->SetReadOnly(ACol, ARow, ReadOnly);
    grid->SetColors(ACol, ARow, ReadOnly ? ReadOnlyKeyColor : DeviceColumns[size_t(ACol)].Color);
    grid->SetFontColors(ACol, ARow, ReadOnly ? clGrayText : clWindowText);
  };
  keyCell(NetSessKeyColumn, otaa);
  keyCell(AppSessKeyColumn, otaa);
  keyCell(AppKeyColumn, !otaa);
}

void TFLoRaWAN_Gateway::PSG_LoRaWAN_Device_ListComboChange(TObject*, int ACol, int ARow, int,
                                                           const QString& ASelection) {
  if (ACol != ActivationColumn || ARow < 1) return;
  Apply_Activation(ARow, ASelection);
  PSG_LoRaWAN_Device_List->Repaint();
}

int TFLoRaWAN_Gateway::Current_Device() const {
  if (!Model.ModeMaster) return 0;
  const int row = PSG_LoRaWAN_Device_List->Row();
  return row > 0 && row <= LoRaWANDeviceCount ? row - 1 : -1;
}

void TFLoRaWAN_Gateway::Show_Rules_Data() { Show_Rules_Of(Current_Device()); }

void TFLoRaWAN_Gateway::Show_Rules_Of(int Device) {
  Clear_Rules_Tables();
  FShownDevice = Device;
  if (Device < 0) return;
  const TDeviceLoRa& device = DeviceList()[size_t(Device)];
  for (bool down : {false, true}) {
    TPlexColumnGrid* grid = Rule_Grid(down);
    const auto& columns = RuleColumns(down);
    const TRuleLoRaList& rules = down ? device.DownLinkRules : device.UpLinkRules;
    grid->BeginUpdate();
    for (int i = 0; i < int(rules.size()) && i + 1 < grid->RowCount(); ++i)
      for (int c = EnableColumn; c < int(columns.size()); ++c) {
        const TRuleColumn& column = columns[size_t(c)];
        grid->SetCellEx(c, i + 1, column.Flag ? YesNo(rules[size_t(i)].*column.Flag) : rules[size_t(i)].*column.Text);
      }
    grid->EndUpdate();
  }
}

// The rule grids always show the device of the current row, however the row
// was reached; what they showed was stored when they lost the focus.
void TFLoRaWAN_Gateway::Refill_Rules_For_Row(int ARow) {
  if (!Model.ModeMaster) return;
  const int device = ARow > 0 && ARow <= LoRaWANDeviceCount ? ARow - 1 : -1;
  if (device != FShownDevice) Show_Rules_Of(device);
}

void TFLoRaWAN_Gateway::PSG_LoRaWAN_Device_ListClickCell(TObject*, int, int) { Show_Rules_Data(); }

void TFLoRaWAN_Gateway::Grid_Enter(TObject* Sender) {
  if (Sender == PSG_LoRaWAN_Device_List) Last_Grid = 0;
  if (Sender == PCG_LoRaWAN_Uplink) Last_Grid = 1;
  if (Sender == PCG_LoRaWAN_Downlink) Last_Grid = 2;
}

void TFLoRaWAN_Gateway::Grid_Exit(TObject* Sender) {
  if (Sender == PSG_LoRaWAN_Device_List) Save_Device_List();
  if (Sender == PCG_LoRaWAN_Uplink) Save_UpLink_Rules_List();
  if (Sender == PCG_LoRaWAN_Downlink) Save_DownLink_Rules_List();
}

// Every row goes into its own slot, so the list equals the grid: a device
// cleared or moved in the grid is cleared or moved in the list.
void TFLoRaWAN_Gateway::Save_Device_List() {
  TPlexStringGrid* grid = PSG_LoRaWAN_Device_List;
  const std::span<TDeviceLoRa> devices = DeviceList();
  for (int r = 1; r < grid->RowCount() && r <= int(devices.size()); ++r) {
    TDeviceLoRa& device = devices[size_t(r - 1)];
    bool state = false;
    device.Enable = grid->GetCheckBoxState(EnableColumn, r, state) && state;
    for (int c = EUIColumn; c < int(DeviceColumns.size()); ++c)
      device.*DeviceColumns[size_t(c)].Text = grid->GetCellEx(c, r);
  }
}

void TFLoRaWAN_Gateway::Save_UpLink_Rules_List() { Save_Rules_List(false); }
void TFLoRaWAN_Gateway::Save_DownLink_Rules_List() { Save_Rules_List(true); }

// Into the device whose rules the grid shows, which is the current row's.
void TFLoRaWAN_Gateway::Save_Rules_List(bool DownLink) {
  if (FShownDevice < 0) return;
  TDeviceLoRa& device = DeviceList()[size_t(FShownDevice)];
  TRuleLoRaList& rules = DownLink ? device.DownLinkRules : device.UpLinkRules;
  TPlexColumnGrid* grid = Rule_Grid(DownLink);
  const auto& columns = RuleColumns(DownLink);
  rules.clear();
  for (int r = 1; r < grid->RowCount(); ++r) {
    const bool noPort = TableTrim(grid->GetCellEx(2, r)).isEmpty();
    if (noPort && (DownLink || TableTrim(grid->GetCellEx(3, r)).isEmpty())) break;
    TRuleLoRa& rule = rules.emplace_back();
    for (int c = EnableColumn; c < int(columns.size()); ++c) {
      const TRuleColumn& column = columns[size_t(c)];
      if (column.Flag)
        rule.*column.Flag = grid->GetCellEx(c, r).toUpper() == QLatin1String("Y");
      else
        rule.*column.Text = grid->GetCellEx(c, r);
    }
  }
}

bool TFLoRaWAN_Gateway::Check_Data() { return ::Check_Data(DeviceList(), Model.ModeMaster); }

void TFLoRaWAN_Gateway::Btn_OKClick(TObject*) {
  if (!Check_Data()) return;
  if (!Model.Save_Configuration()) return;
  SetModalResult(mrOk);
}

void TFLoRaWAN_Gateway::Btn_DelRowClick(TObject*) {
  if (Last_Grid == 0) {
    TPlexStringGrid* grid = PSG_LoRaWAN_Device_List;
    const int row = grid->Row();
    if (MessageDlg(LangFormat(Texts::DeleteDevice, {row}), mtConfirmation, mbYesNo) != mrYes) return;
    if (row < 1 || row > LoRaWANDeviceCount) return;
    // The device leaves with its rules; the ones below move up with theirs.
    const std::span<TDeviceLoRa> devices = DeviceList();
    std::rotate(devices.begin() + (row - 1), devices.begin() + row, devices.end());
    devices.back().Clear_Rules_List();
    StringGridDeleteRow(row, grid, true);
    // The emptied last row has no activation: its application key waits.
    Apply_Activation(LoRaWANDeviceCount, QString());
    Save_Device_List();
    Show_Rules_Data();
    return;
  }
  const bool down = Last_Grid == 2;
  TPlexColumnGrid* grid = Rule_Grid(down);
  const int row = grid->Row();
  if (MessageDlg(LangFormat(down ? Texts::DeleteDownlink : Texts::DeleteUplink, {row}), mtConfirmation, mbYesNo) !=
      mrYes)
    return;
  GridDeleteRow(row, grid);
  Save_Rules_List(down);
}

void TFLoRaWAN_Gateway::Btn_InsRowClick(TObject*) {
  if (Last_Grid == 0) {
    TPlexStringGrid* grid = PSG_LoRaWAN_Device_List;
    const int row = grid->Row();
    if (row < 1 || row > LoRaWANDeviceCount) return;
    // The new device starts without rules; the last slot's device drops out
    // as the last row's content does.
    const std::span<TDeviceLoRa> devices = DeviceList();
    std::rotate(devices.begin() + (row - 1), devices.end() - 1, devices.end());
    devices[size_t(row - 1)].Clear_Rules_List();
    StringGridInsertRow(row, grid, true);
    Apply_Activation(row, QString());
    Save_Device_List();
    Show_Rules_Data();
    return;
  }
  const bool down = Last_Grid == 2;
  TPlexColumnGrid* grid = Rule_Grid(down);
  GridInsertRow(grid->Row(), grid, true);
  Save_Rules_List(down);
}

void TFLoRaWAN_Gateway::Btn_CopyRowClick(TObject*) {
  DoCopy_Dev = DoCopy_Up = DoCopy_Down = false;
  if (Last_Grid == 0) {
    StringGridCopyRow(PSG_LoRaWAN_Device_List, PSG_LoRaWAN_Device_List->Row());
    DoCopy_Dev = true;
    return;
  }
  const bool down = Last_Grid == 2;
  GridCopyRow(Rule_Grid(down), Rule_Grid(down)->Row());
  (down ? DoCopy_Down : DoCopy_Up) = true;
}

void TFLoRaWAN_Gateway::Btn_PasteRowClick(TObject*) {
  if (Last_Grid == 0) {
    // Only the cells are pasted: the target keeps its own rules.
    TPlexStringGrid* grid = PSG_LoRaWAN_Device_List;
    const int row = grid->Row();
    StringGridPasteRow(grid, row, DoCopy_Dev);
    Save_Device_List();
    if (row >= 1 && row <= LoRaWANDeviceCount) Apply_Activation(row, grid->GetCellEx(ActivationColumn, row));
    return;
  }
  const bool down = Last_Grid == 2;
  GridPasteRow(Rule_Grid(down), Rule_Grid(down)->Row(), down ? DoCopy_Down : DoCopy_Up);
  Save_Rules_List(down);
}
