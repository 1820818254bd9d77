// Construction, texts, the loading at each showing, the checks and OK of the
// IEC 61850 client editor.
#include "tables/iec_opcua_mqtt/UIEC_61850_Access.h"

#include "common/FormKit.h"
#include "common/LangFormat.h"
#include "common/ShellState.h"
#include "common/UShared_Functions.h"
#include "common/button/LbButton.h"
#include "common/tables/TableCells.h"
#include "grid/editing/PlexColumnGrid.h"
#include "platform/Dialogs.h"
#include "platform/ExtCtrls.h"
#include "platform/Graphics.h"
#include "platform/ImageList.h"
#include "platform/StdCtrls.h"
#include "platform/TreeView.h"
#include "tables/iec_opcua_mqtt/UIEC_61850_AccessLayout.h"

#include <array>
#include <span>

TFIEC_61850_Access* FIEC_61850_Access = nullptr;

using namespace IecAccessLayout;

namespace {

constexpr int Margin = 8;
constexpr int ButtonWidth = 90;
constexpr int ButtonHeight = 28;
constexpr int ButtonTop = 6;
constexpr int ButtonGap = 6;
constexpr int DeviceButtonHeight = 28;
constexpr int SplitterWidth = 4;
constexpr int ImageSize = 16;

using TButtonField = TLbButton* TFIEC_61850_Access::*;
// In the order of the caption ids 3202 to 3209 and the hint ids 3210 to 3217.
constexpr TButtonField TextButtons[] = {&TFIEC_61850_Access::Btn_OK,
                                        &TFIEC_61850_Access::Btn_Cancel,
                                        &TFIEC_61850_Access::Btn_AddVar,
                                        &TFIEC_61850_Access::Btn_RemoveVar,
                                        &TFIEC_61850_Access::Btn_MoveUp,
                                        &TFIEC_61850_Access::Btn_ModeDown,
                                        &TFIEC_61850_Access::Btn_Add_IEC_Device,
                                        &TFIEC_61850_Access::Btn_Remove_IEC_Device};

TPanel* MakeInnerPanel(TComponent* Owner, TWinControl* Parent, const TBounds& Bounds, TAlign Align) {
  TPanel* panel = Make<TPanel>(Owner, Parent, Bounds);
  panel->BevelOuter = bvNone;
  panel->ShowCaption = false;
  panel->SetParentColor(true);
  panel->SetAlign(Align);
  return panel;
}

TSplitter* MakeSplitter(TComponent* Owner, TWinControl* Parent, const TBounds& Bounds, TAlign Align) {
  TSplitter* splitter = Make<TSplitter>(Owner, Parent, Bounds);
  splitter->SetAlign(Align);
  splitter->SetCursor(Align == alTop ? crVSplit : crHSplit);
  return splitter;
}

// One picture a node kind: a small filled shape in the kind's colour.
struct TNodeImage {
  TColor Fill;
  bool Round;
};
// Device, logical device, logical node, data object, attribute, data set.
constexpr TNodeImage NodeImages[] = {{0x00808080, false}, {0x00C08040, false}, {0x0040A0E0, false},
                                     {0x00FF0000, true},  {0x00404040, true},  {0x00008000, false}};

void FillNodeImages(TImageList& Images) {
  for (const TNodeImage& look : NodeImages) {
    TBitmap bitmap(ImageSize, ImageSize);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Brush().Color = clWhite;
    canvas.FillRect(TRect(0, 0, ImageSize, ImageSize));
    canvas.Brush().Color = look.Fill;
    canvas.Pen().Color = clBlack;
    if (look.Round)
      canvas.Ellipse(3, 3, 13, 13);
    else
      canvas.Rectangle(2, 3, 14, 13);
    bitmap.Transparent = true;
    bitmap.TransparentColor = clWhite;
    Images.Add(bitmap);
  }
}

void SetUpGrid(TPlexColumnGrid* Grid, std::span<const TIecColumn> Columns) {
  Grid->BeginUpdate();
  Grid->SetColCount(int(Columns.size()));
  Grid->SetRowCount(2);
  Grid->SetOptions(Grid->Options() + TGridOptions{goEditing, goColSizing});
  for (int c = 0; c < int(Columns.size()); ++c) {
    const TIecColumn& def = Columns[size_t(c)];
    TGridColumnItem* column = Grid->Columns()[c];
    column->SetWidth(def.Width);
    column->SetColor(def.Color);
    if (c == 0) {
      column->SetAlignment(taCenter);
    } else {
      column->SetEditor(def.Editor);
      column->ReadOnly = def.ReadOnly;
      if (def.Editor == edDataCheckBox) column->SetAlignment(taCenter);
      column->ComboItems().Clear();
      for (const char16_t* item : def.Items) column->ComboItems().Add(QString::fromUtf16(item));
    }
    if (def.Header) column->SetHeader(QString::fromUtf16(def.Header));
  }
  Grid->SetRowHeights(0, HeaderHeight);
  Grid->EndUpdate();
}

}  // namespace

TFIEC_61850_Access::TFIEC_61850_Access(TComponent* AOwner) : TForm(AOwner), Hint(std::make_unique<TStringList>()) {
  SetBorderStyle(bsDialog);
  Position = poScreenCenter;
  ApplyHouseForm(this);
  SetClientWidth(ClientW);
  SetClientHeight(ClientH);
  CreateTitleAndButtons();
  CreateDevicePanels();
  CreateTablePages();
  InitGrids();
  OD_IcdFile = new TOpenDialog(this);
  OD_IcdFile->Filter = QString::fromUtf16(SclFilter);
  OD_IcdFile->Options = ofHideReadOnly | ofFileMustExist;
  OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
  OnShow = [this](TObject* Sender) { FormShow(Sender); };
}

TFIEC_61850_Access::~TFIEC_61850_Access() {
  // The tree's nodes go before the objects that point at them.
  TV_IEC_Device->Clear();
}

void TFIEC_61850_Access::CreateTitleAndButtons() {
  P_Title = MakeBandPanel(this, alTop, HouseLook::TitlePanelHeight);
  P_Title->SetColor(clWhite);
  P_Title->ShowCaption = false;
  L_SW_Code = Make<TLabel>(this, P_Title, {Margin, Margin, 150, 29});
  L_SW_Code->Font().SetSize(18);
  L_SW_Code->Font().SetColor(clGray);
  L_SW_Desc = Make<TLabel>(this, P_Title, {Margin, 44, ClientW - 2 * Margin, 13});
  L_SW_Desc->Font().SetStyle({fsBold});

  P_Button = MakeBandPanel(this, alBottom, HouseLook::ButtonPanelHeight);
  P_Button->ShowCaption = false;
  // The first six stand on the button panel; the device buttons come with their list.
  for (TButtonField field : std::span(TextButtons).first(6)) {
    this->*field = MakeHouseButton(this, P_Button, {0, ButtonTop, ButtonWidth, ButtonHeight});
    (this->*field)->SetShowHint(true);
  }
  int left = Margin;
  for (TLbButton* button : {Btn_AddVar, Btn_RemoveVar, Btn_MoveUp, Btn_ModeDown}) {
    button->SetLeft(left);
    left += ButtonWidth + ButtonGap;
  }
  Btn_Cancel->SetLeft(ClientW - Margin - ButtonWidth);
  Btn_OK->SetLeft(Btn_Cancel->Left() - ButtonGap - ButtonWidth);
  Btn_MoveUp->SetVisible(false);
  Btn_ModeDown->SetVisible(false);
  Btn_Cancel->SetModalResult(mrCancel);
  Btn_Cancel->SetCancel(true);
  Btn_OK->OnClick = [this](TObject* Sender) { Btn_OKClick(Sender); };
  Btn_AddVar->OnClick = [this](TObject* Sender) { Btn_AddVarClick(Sender); };
  Btn_RemoveVar->OnClick = [this](TObject* Sender) { Btn_RemoveVarClick(Sender); };
}

void TFIEC_61850_Access::CreateDevicePanels() {
  const int top = HouseLook::TitlePanelHeight;
  const int height = ClientH - top - HouseLook::ButtonPanelHeight;
  PDevIEC = MakeInnerPanel(this, this, {0, top, DevicePanelWidth, height}, alLeft);
  PDevIECList = MakeInnerPanel(this, PDevIEC, {0, 0, DeviceListWidth, height}, alLeft);
  Btn_Add_IEC_Device = MakeHouseButton(this, PDevIECList, {0, 0, DeviceListWidth, DeviceButtonHeight});
  Btn_Add_IEC_Device->SetAlign(alTop);
  Btn_Remove_IEC_Device =
      MakeHouseButton(this, PDevIECList, {0, height - DeviceButtonHeight, DeviceListWidth, DeviceButtonHeight});
  Btn_Remove_IEC_Device->SetAlign(alBottom);
  for (TLbButton* button : {Btn_Add_IEC_Device, Btn_Remove_IEC_Device}) button->SetShowHint(true);
  LB_IEC_Devices = Make<TListBox>(this, PDevIECList, {0, DeviceButtonHeight, DeviceListWidth, 100});
  LB_IEC_Devices->SetAlign(alClient);
  Splitter2 = MakeSplitter(this, PDevIEC, {DeviceListWidth, 0, SplitterWidth, height}, alLeft);
  PDevIECTree = MakeInnerPanel(this, PDevIEC, {DeviceListWidth + SplitterWidth, 0, 200, height}, alClient);
  TV_IEC_Device = Make<TTreeView>(this, PDevIECTree, {0, 0, 200, height});
  TV_IEC_Device->SetAlign(alClient);
  TV_IEC_Device->SetIndent(TreeIndent);
  IL_IEC = new TImageList(ImageSize, ImageSize, this);
  FillNodeImages(*IL_IEC);
  TV_IEC_Device->SetImages(IL_IEC);

  Btn_Add_IEC_Device->OnClick = [this](TObject* Sender) { Btn_Add_IEC_DeviceClick(Sender); };
  Btn_Remove_IEC_Device->OnClick = [this](TObject* Sender) { Btn_Remove_IEC_DeviceClick(Sender); };
  LB_IEC_Devices->OnClick = [this](TObject* Sender) { LB_IEC_DevicesClick(Sender); };
  TV_IEC_Device->OnClick = [this](TObject* Sender) { TV_IEC_DeviceClick(Sender); };
  // A node reached with the keys is picked as a clicked one is.
  TV_IEC_Device->OnChange = [this](TObject* Sender, TTreeNode*) { TV_IEC_DeviceClick(Sender); };
  TV_IEC_Device->OnCustomDrawItem = [this](TObject* Sender, TTreeNode* Node, TColor& FontColor) {
    TV_IEC_DeviceCustomDrawItem(Sender, Node, FontColor);
  };
}

void TFIEC_61850_Access::CreateTablePages() {
  const int top = HouseLook::TitlePanelHeight;
  const int height = ClientH - top - HouseLook::ButtonPanelHeight;
  Splitter1 = MakeSplitter(this, this, {DevicePanelWidth, top, SplitterWidth, height}, alLeft);
  const int tableLeft = DevicePanelWidth + SplitterWidth;
  PTable = MakeInnerPanel(this, this, {tableLeft, top, ClientW - tableLeft, height}, alClient);
  PC_DA_DataSet = Make<TPageControl>(this, PTable, {0, 0, ClientW - tableLeft, height});
  PC_DA_DataSet->SetAlign(alClient);
  TS_DA = new TTabSheet(this);
  TS_DA->SetPageControl(PC_DA_DataSet);
  TS_DA->SetCaption(QStringLiteral("Variables"));
  TS_DataSet = new TTabSheet(this);
  TS_DataSet->SetPageControl(PC_DA_DataSet);
  TS_DataSet->SetCaption(QStringLiteral("DataSet"));
  PC_DA_DataSet->SetActivePageIndex(0);

  PCG_DA = Make<TPlexColumnGrid>(this, TS_DA, {0, 0, 100, 100});
  PCG_DA->SetAlign(alClient);
  P_DataSet_List = MakeInnerPanel(this, TS_DataSet, {0, 0, 100, DataSetListHeight}, alTop);
  PCG_DataSet = Make<TPlexColumnGrid>(this, P_DataSet_List, {0, 0, 100, DataSetListHeight});
  PCG_DataSet->SetAlign(alClient);
  Splitter3 = MakeSplitter(this, TS_DataSet, {0, DataSetListHeight, 100, SplitterWidth}, alTop);
  P_DataSet_Vars_List = MakeInnerPanel(this, TS_DataSet, {0, DataSetListHeight + SplitterWidth, 100, 100}, alClient);
  PCG_DS_Vars = Make<TPlexColumnGrid>(this, P_DataSet_Vars_List, {0, 0, 100, 100});
  PCG_DS_Vars->SetAlign(alClient);

  for (TPlexColumnGrid* grid : {PCG_DA, PCG_DataSet, PCG_DS_Vars}) {
    grid->OnClickCell = [this](TObject* Sender, int ARow, int ACol) { ClickCell(Sender, ARow, ACol); };
    grid->OnDblClickCell = [this](TObject* Sender, int ARow, int ACol) { PCG_DADblClickCell(Sender, ARow, ACol); };
    grid->OnKeyPress = [this](TObject* Sender, QChar& Key) { PCG_DAKeyPress(Sender, Key); };
    grid->OnGridHint = [this](TObject* Sender, int ARow, int ACol, QString& HintStr) {
      PCG_DAGridHint(Sender, ARow, ACol, HintStr);
    };
  }
  PCG_DS_Vars->OnSelectCell = [this](TObject* Sender, int ACol, int ARow, bool& CanSelect) {
    PCG_DS_VarsSelectCell(Sender, ACol, ARow, CanSelect);
  };
  PCG_DS_Vars->OnEditCellDone = [this](TObject* Sender, int ACol, int ARow) {
    PCG_DS_VarsEditCellDone(Sender, ACol, ARow);
  };
}

void TFIEC_61850_Access::InitGrids() {
  SetUpGrid(PCG_DA, DaColumns);
  SetUpGrid(PCG_DataSet, DataSetColumns);
  SetUpGrid(PCG_DS_Vars, MemberColumns);
}

void TFIEC_61850_Access::FormCreate(TObject*) {
  L_SW_Code->SetCaption(SoftwareCode);
  SetClientWidth(ClientW);
  SetClientHeight(ClientH);
  Set_Lang();
}

void TFIEC_61850_Access::Set_Lang() {
  SetCaption(LangText(Texts::Caption));
  L_SW_Desc->SetCaption(LangText(Texts::Description));
  for (size_t i = 0; i < std::size(TextButtons); ++i) {
    (this->*TextButtons[i])->SetCaption(LangText(Texts::FirstButton + int(i)));
    (this->*TextButtons[i])->SetHint(LangText(Texts::FirstButtonHint + int(i)));
  }
  for (size_t c = 0; c < DaColumns.size(); ++c) PCG_DA->Columns()[int(c)]->SetHeader(LangText(DaColumns[c].HeaderId));
  Hint->Clear();
  for (const TIecColumn& column : DaColumns) Hint->Add(LangText(column.HintId));
}

// ---- showing

void TFIEC_61850_Access::ResetGrid(TPlexStringGrid* Grid) {
  Grid->SetRowCount(2);
  for (int c = 1; c < Grid->ColCount(); ++c) {
    Grid->SetCellEx(c, 1, QString());
    Grid->SetReadOnly(c, 1, false);
  }
  Grid->SetCellEx(0, 1, QStringLiteral("1"));
}

void TFIEC_61850_Access::FormShow(TObject*) {
  DataSet_Row_Select = 0;
  FShownDataSetRow = 0;
  Selected_IEC_DA = nullptr;
  Selected_IEC_DS = nullptr;
  FPickedDevice = -1;
  ClearTree();
  LB_IEC_Devices->Items().Clear();
  for (TPlexStringGrid* grid : {static_cast<TPlexStringGrid*>(PCG_DA), static_cast<TPlexStringGrid*>(PCG_DataSet),
                                static_cast<TPlexStringGrid*>(PCG_DS_Vars)})
    ResetGrid(grid);
  PC_DA_DataSet->SetActivePageIndex(0);

  QStringList messages;
  LoadIecClientFile(IEC61850ClientFile, ProjectFolder + "/" + QString::fromUtf16(CatalogFolderName), Data, messages);
  FillGridsFromData();
  Show_IEC_Devices();
  for (const QString& message : messages) MessageDlg(message, mtError, {mbOK});
}

void TFIEC_61850_Access::FillGridsFromData() {
  const auto fill = [](TPlexStringGrid* Grid, const auto& Rows) {
    if (Rows.empty()) return;
    Grid->SetRowCount(int(Rows.size()) + 1);
    for (size_t r = 0; r < Rows.size(); ++r) {
      const int row = int(r) + 1;
      Grid->SetCellEx(0, row, QString::number(row));
      for (size_t c = 0; c < Rows[r].size(); ++c) Grid->SetCellEx(int(c) + 1, row, Rows[r][c]);
    }
  };
  fill(PCG_DA, Data.DaRows);
  fill(PCG_DataSet, Data.DataSetRows);
  Set_Start_Num_Byte();
}

void TFIEC_61850_Access::Set_Start_Num_Byte() {
  for (int r = 1; r < PCG_DA->RowCount(); ++r) {
    QString start = PCG_DA->GetCellEx(IecDaColStartByte, r);
    QString count = PCG_DA->GetCellEx(IecDaColNumByte, r);
    const bool fixed = IecFixedByteCounts(PCG_DA->GetCellEx(IecDaColBType, r), start, count);
    if (fixed) {
      PCG_DA->SetCellEx(IecDaColStartByte, r, start);
      PCG_DA->SetCellEx(IecDaColNumByte, r, count);
    }
    PCG_DA->SetReadOnly(IecDaColStartByte, r, fixed);
    PCG_DA->SetReadOnly(IecDaColNumByte, r, fixed);
  }
}

void TFIEC_61850_Access::Show_IEC_Devices() {
  LB_IEC_Devices->Items().Clear();
  for (const auto& device : Data.List_IEC_Dev) LB_IEC_Devices->Items().Add(device->Name);
}

// ---- checks and OK

bool TFIEC_61850_Access::RowError(int ARow, const QString& RuleText) const {
  MessageDlg(LangText(Texts::ErrorRow) + QString::number(ARow) + RuleText, mtError, {mbOK});
  return false;
}

bool TFIEC_61850_Access::CheckDaRow(int ARow, QChar Separator) const {
  const auto cell = [this, ARow](int ACol) { return PCG_DA->GetCellEx(ACol, ARow); };
  const auto inRange = [](int Value, int Low, int High) { return Value >= Low && Value <= High; };
  const QString bType = cell(IecDaColBType).toUpper();
  const int start = TableCellInt(cell(IecDaColStartByte));
  const int count = TableCellInt(cell(IecDaColNumByte));
  for (const TStringLimits& limits : StringLimits) {
    if (bType != QString::fromUtf16(limits.bType)) continue;
    if (!inRange(start, 0, limits.Bytes - 1)) return RowError(ARow, LangText(limits.StartText));
    if (!inRange(count, 1, limits.Bytes)) return RowError(ARow, LangText(limits.CountText));
    if (start + count > limits.Bytes) return RowError(ARow, LangText(limits.SumText));
  }
  QString o1, o2, o3, o4;
  if (!SplitIpAddress(cell(DaColIpAddress), o1, o2, o3, o4)) return RowError(ARow, LangText(Texts::IpRule));
  if (!inRange(TableCellInt(cell(DaColPort)), 0, 65535)) return RowError(ARow, LangText(Texts::PortRule));
  if (TableTrim(cell(DaColOnTimer)) == u"Y" && !inRange(TableCellInt(cell(DaColTime)), 1, 100000000))
    return RowError(ARow, LangText(Texts::TimeRule));
  if (!inRange(TableCellInt(cell(DaColPosition)), 0, LastPosition))
    return RowError(ARow, LangText(Texts::PositionRule) + QString::number(LastPosition));
  const QString factor = TableTrim(cell(DaColMoltFact));
  float value = 0;
  if (factor.toUpper() != u"NONE" && !TextToFloat(factor, Separator, value))
    return RowError(ARow, LangText(Texts::FactorRule));
  return true;
}

bool TFIEC_61850_Access::Controllo_dati() {
  const QChar separator = GetDecimalSeparator();
  for (int r = 1; r < PCG_DA->RowCount(); ++r) {
    if (TableTrim(PCG_DA->GetCellEx(IecDaColBType, r)).isEmpty()) continue;
    if (!CheckDaRow(r, separator)) return false;
  }
  return true;
}

void TFIEC_61850_Access::ReadRowsFromGrids() {
  Data.DaRows.assign(size_t(PCG_DA->RowCount() - 1), {});
  for (int r = 1; r < PCG_DA->RowCount(); ++r)
    for (int c = 1; c <= IecDaColumnCount; ++c) Data.DaRows[size_t(r - 1)][size_t(c - 1)] = PCG_DA->GetCellEx(c, r);
  Data.DataSetRows.assign(size_t(PCG_DataSet->RowCount() - 1), {});
  for (int r = 1; r < PCG_DataSet->RowCount(); ++r)
    for (int c = 1; c <= IecDataSetColumnCount; ++c)
      Data.DataSetRows[size_t(r - 1)][size_t(c - 1)] = PCG_DataSet->GetCellEx(c, r);
}

void TFIEC_61850_Access::Btn_OKClick(TObject*) {
  if (!Controllo_dati()) return;
  ReadRowsFromGrids();
  if (!SaveIecClientFile(IEC61850ClientFile, Data)) {
    MessageDlg(LangFormat(Texts::CannotWrite, {IEC61850ClientFile}), mtError, {mbOK});
    return;
  }
  SetModalResult(mrOk);
}
