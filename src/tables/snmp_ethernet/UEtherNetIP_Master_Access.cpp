#include "tables/snmp_ethernet/UEtherNetIP_Master_Access.h"

#include "common/FormKit.h"
#include "common/ShellState.h"
#include "common/UShared_Functions.h"
#include "common/button/LbButton.h"
#include "common/tables/TableCells.h"
#include "grid/editing/PlexColumnGrid.h"
#include "platform/Dialogs.h"
#include "platform/ExtCtrls.h"
#include "tables/snmp_ethernet/ColumnDef.h"
#include "tables/snmp_ethernet/UEtherNEtIP_EDS.h"

TFEtherNetIP_Master_Access* FEtherNetIP_Master_Access = nullptr;

namespace {
constexpr int TableRows = 11;
constexpr int ByteAreaSize = 1438;
constexpr int EnableCol = 1, IpCol = 2, StartInCol = 3, NumInCol = 4, StartOutCol = 5, NumOutCol = 6, PollCol = 7,
              InstanceTOCol = 8, PointTOCol = 9, InstanceOTCol = 10, PointOTCol = 11, DimTOCol = 12, DimOTCol = 13;

namespace Texts {
constexpr int ErrorRow = 4931, IpAddress = 4932, TotalIn = 4938, TotalOut = 4939, DeleteQuestion = 4940;
constexpr int PollTime = 4937, DimTO = 4957, DimOT = 4958;
constexpr int ImportCaption = 4959, ImportHint = 4960;
}  // namespace Texts

constexpr int MaxWord = 65535, MaxPoll = 100000000, MaxDimHeader = 7;

// Rules 2 to 10: an integer in a range, in this order.
struct TRangeRule {
  int Col, Min, Max, Text;
};
constexpr TRangeRule RangeRules[] = {
    {StartInCol, 0, MaxWord, 4933}, {NumInCol, 0, MaxWord, 4934},           {StartOutCol, 0, MaxWord, 4935},
    {NumOutCol, 0, MaxWord, 4936},  {PollCol, 1, MaxPoll, Texts::PollTime}, {InstanceTOCol, 0, MaxWord, 4945},
    {PointTOCol, 0, MaxWord, 4951}, {InstanceOTCol, 0, MaxWord, 4946},      {PointOTCol, 0, MaxWord, 4952},
};

constexpr const char16_t* DimHeaderItems[] = {u"Default"};
constexpr TColor EnableColor = 0xB0D8FF, SlaveColor = 0xFEFAE0, AreaColor = 0xF4D6FC, PollColor = 0xA8FFA8,
                 PathColor = 0xA8FFFF, NoteColor = 0xFFFFFF;

constexpr TColumnDef Columns[] = {
    {30},
    {50, EnableColor, edDataCheckBox},
    {110, SlaveColor},
    {75, AreaColor},
    {75, AreaColor},
    {80, AreaColor},
    {80, AreaColor},
    {70, PollColor},
    {90, PathColor},
    {105, PathColor},
    {90, PathColor},
    {105, PathColor},
    {120, PathColor, edComboEdit, ItemList(DimHeaderItems)},
    {120, PathColor, edComboEdit, ItemList(DimHeaderItems)},
    {150, NoteColor},
};

constexpr TTableFileColumn FileColumns[] = {
    {1, u"Enable", u"N"},
    {2, u"IP_Address", u""},
    {3, u"Start_Input", u""},
    {4, u"Num_Input", u""},
    {5, u"Start_Output", u""},
    {6, u"Num_Output", u""},
    {7, u"Time_Poll", u""},
    {8, u"Instance_T_O", u""},
    {9, u"Connection_Point_T_O", u""},
    {10, u"Instance_O_T", u""},
    {11, u"Connection_Point_O_T", u""},
    {12, u"Dim_Header_T_O", u"Default"},
    {13, u"Dim_Header_O_T", u"Default"},
    {14, u"Mnemonic", u""},
};

constexpr int Headers[] = {4915, 4916, 4917, 4918, 4919, 4920, 4921, 4941, 4947, 4942, 4948, 4953, 4954, 4922};
constexpr int Hints[] = {4923, 4924, 4925, 4926, 4927, 4928, 4929, 4943, 4949, 4944, 4950, 4955, 4956, 4930};

// The EDS dialog's columns and the table's columns they go to.
struct TImportColumn {
  int From, To;
};
constexpr TImportColumn ImportColumns[] = {{3, InstanceOTCol}, {4, PointOTCol}, {5, InstanceTOCol},
                                           {6, PointTOCol},    {8, DimTOCol},   {7, DimOTCol}};

TTableEditorSetup EditorSetup() {
  TTableEditorSetup setup;
  setup.Texts.Caption = 4900;
  setup.Texts.Description = 4901;
  setup.Texts.Buttons = {4902, 4903, 4904, 4905, 4906, 4907};
  setup.Texts.ButtonHints = {4908, 4909, 4910, 4911, 4912, 4913};
  setup.Texts.ErrorPrefix = Texts::ErrorRow;
  setup.Texts.DeleteQuestion = Texts::DeleteQuestion;
  setup.ClientWidth = 1180;
  setup.ClientHeight = 337;
  setup.FilePath = &EtherNetIPMasterRulesFile;
  setup.Root = "EtherNetIP_Master_Access";
  return setup;
}

TEditorTableSetup SlaveTable() {
  TEditorTableSetup table;
  table.Columns = FileColumns;
  table.KeyColumn = IpCol;
  table.HasEnable = true;
  table.Headers = Headers;
  table.Hints = Hints;
  return table;
}

bool DimHeaderValid(const QString& Text) {
  const QString t = TableTrim(Text).toUpper();
  const int value = TableCellInt(t);
  return t == "DEFAULT" || (value >= 0 && value <= MaxDimHeader);
}
}  // namespace

TFEtherNetIP_Master_Access::TFEtherNetIP_Master_Access(TComponent* AOwner) : TColumnGridEditor(AOwner, EditorSetup()) {
  PCG = AddColumnGrid(Columns, TableRows, SlaveTable(), 4914);
  // Beside the row buttons, in their size.
  const TLbButton* paste = Btn_PasteRow;
  Btn_Import_EDS = MakeHouseButton(this, P_Button,
                                   {paste->Left() + paste->Width() + 6, paste->Top(), paste->Width(), paste->Height()});
  Btn_Import_EDS->SetShowHint(true);
  Btn_Import_EDS->OnClick = [this](TObject* Sender) { Btn_Import_EDSClick(Sender); };
  OD_EDS = new TOpenDialog(this);
  OD_EDS->Filter = "EtherNet/IP EDS (*.eds)|*.eds";
  OnShow = [this](TObject* Sender) { FormShow(Sender); };
}

void TFEtherNetIP_Master_Access::Set_Lang() {
  TColumnGridEditor::Set_Lang();
  Btn_Import_EDS->SetCaption(LangText(Texts::ImportCaption));
  Btn_Import_EDS->SetHint(LangText(Texts::ImportHint));
}

void TFEtherNetIP_Master_Access::FormShow(TObject* Sender) {
  Num_Byte_In = ByteAreaSize;
  Num_Byte_Out = ByteAreaSize;
  TTableEditorForm::FormShow(Sender);
}

TFEtherNEtIP_EDS& TFEtherNetIP_Master_Access::EdsDialog() {
  if (FEtherNEtIP_EDS) return *FEtherNEtIP_EDS;
  if (!FOwnEdsDialog) {
    FOwnEdsDialog = new TFEtherNEtIP_EDS(this);
    FOwnEdsDialog->DoCreate();
  }
  return *FOwnEdsDialog;
}

void TFEtherNetIP_Master_Access::Btn_Import_EDSClick(TObject*) {
  if (!OD_EDS->Execute()) return;
  TFEtherNEtIP_EDS& dialog = EdsDialog();
  dialog.EDS_FileName = OD_EDS->FileName;
  if (dialog.ShowModal() != mrOk) return;
  int target = 0;
  for (int r = 1; r < PCG->RowCount() && !target; ++r)
    if (TableTrim(PCG->GetCellEx(IpCol, r)).isEmpty() && TableTrim(PCG->GetCellEx(InstanceTOCol, r)).isEmpty())
      target = r;
  if (!target) return;
  const int picked = dialog.PCG->Row();
  for (const TImportColumn& column : ImportColumns)
    PCG->SetCellEx(column.To, target, dialog.PCG->GetCellEx(column.From, picked));
}

bool TFEtherNetIP_Master_Access::Controllo_Dati() {
  FTotalIn = 0;
  FTotalOut = 0;
  // Unlike the saved table, a disabled row with an empty address does not end the scan.
  for (int r = 1; r < PCG->RowCount(); ++r) {
    if (TableTrim(PCG->GetCellEx(EnableCol, r)).toUpper() != "Y") continue;
    if (TableTrim(PCG->GetCellEx(IpCol, r)).isEmpty()) break;
    if (!CheckRow(0, r)) return false;
  }
  if (FTotalIn > Num_Byte_In) {
    MessageDlg(LangText(Texts::TotalIn) + QString::number(Num_Byte_In), mtError, {mbOK});
    return false;
  }
  if (FTotalOut > Num_Byte_Out) {
    MessageDlg(LangText(Texts::TotalOut) + QString::number(Num_Byte_Out), mtError, {mbOK});
    return false;
  }
  return true;
}

bool TFEtherNetIP_Master_Access::CheckRow(int, int ARow) {
  const auto cell = [this, ARow](int ACol) { return PCG->GetCellEx(ACol, ARow); };
  QString octets[4];
  if (!SplitIpAddress(cell(IpCol), octets[0], octets[1], octets[2], octets[3]))
    return RowError(ARow, LangText(Texts::IpAddress));
  for (const TRangeRule& rule : RangeRules) {
    const int value = TableCellInt(cell(rule.Col));
    if (value < rule.Min || value > rule.Max) return RowError(ARow, LangText(rule.Text));
    if (rule.Col == NumInCol) FTotalIn += value;
    if (rule.Col == NumOutCol) FTotalOut += value;
  }
  if (!DimHeaderValid(cell(DimTOCol))) return RowError(ARow, LangText(Texts::DimTO));
  if (!DimHeaderValid(cell(DimOTCol))) return RowError(ARow, LangText(Texts::DimOT));
  return true;
}

int TFEtherNetIP_Master_Access::Err_Check_Data_Path(const QString& Text, int Count) {
  const QStringList pieces = Text.split(u',');
  for (const QString& piece : pieces) {
    const int value = TableCellInt("0x" + TableTrim(piece));
    if (value < 0 || value > 0xFF) return 1;
  }
  return pieces.size() < Count ? 2 : 0;
}
