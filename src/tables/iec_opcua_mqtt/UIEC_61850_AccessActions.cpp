// What the IEC 61850 client editor does on the user's actions: the device
// catalog, the object tree, adding and removing rows, and the member grid.
#include "tables/iec_opcua_mqtt/UIEC_61850_Access.h"

#include "common/LangFormat.h"
#include "common/ShellState.h"
#include "common/tables/RowOperations.h"
#include "common/tables/TableCells.h"
#include "grid/editing/PlexColumnGrid.h"
#include "platform/Dialogs.h"
#include "platform/ExtCtrls.h"
#include "platform/Files.h"
#include "platform/StdCtrls.h"
#include "platform/TreeView.h"
#include "tables/iec_opcua_mqtt/UIEC_61850_AccessLayout.h"

using namespace IecAccessLayout;

namespace {

TTreeNode* AddNode(TTreeView* Tree, TTreeNode* Parent, const QString& Text, int Image) {
  TTreeNode* node = Tree->AddChild(Parent, Text);
  node->SetImageIndex(Image);
  return node;
}

void Show_Tree_IEC_DA(TTreeView* Tree, TTreeNode* Parent, TIEC_DA& DA) {
  DA.TreeNode = AddNode(Tree, Parent, DA.Name, ImgDA);
  for (const auto& sub : DA.List_DA) Show_Tree_IEC_DA(Tree, DA.TreeNode, *sub);
}

void Show_Tree_IEC_DO(TTreeView* Tree, TTreeNode* Parent, TIEC_DO& DO) {
  DO.TreeNode = AddNode(Tree, Parent, DO.Name, ImgDO);
  for (const auto& sub : DO.List_DO) Show_Tree_IEC_DO(Tree, DO.TreeNode, *sub);
  for (const auto& da : DO.List_DA) Show_Tree_IEC_DA(Tree, DO.TreeNode, *da);
}

void Show_Tree_IEC_LN(TTreeView* Tree, TTreeNode* Parent, TIEC_LN& LN) {
  LN.TreeNode = AddNode(Tree, Parent, LN.Prefix + LN.lnClass + LN.Inst, ImgLN);
  for (const auto& dataObject : LN.List_DO) Show_Tree_IEC_DO(Tree, LN.TreeNode, *dataObject);
  for (const auto& dataSet : LN.List_DataSet) {
    dataSet->TreeNode = AddNode(Tree, LN.TreeNode, dataSet->Name, ImgDataSet);
  }
  LN.TreeNode->SetExpanded(true);
}

void Show_Tree_IEC_LDevice(TTreeView* Tree, TTreeNode* Parent, TIEC_LDevice& LDevice) {
  LDevice.TreeNode = AddNode(Tree, Parent, LDevice.Name, ImgLDevice);
  for (const auto& ln : LDevice.List_LN) Show_Tree_IEC_LN(Tree, LDevice.TreeNode, *ln);
  LDevice.TreeNode->SetExpanded(true);
}

// The attribute of the node, searched depth first; a found node that is not a
// leaf attribute ends the search with nothing.
TIEC_DA* Search_Node_DA(const TIEC_DA& DA, const TTreeNode* Node, bool& Found) {
  if (DA.TreeNode == Node) {
    Found = true;
    return DA.List_DA.empty() ? const_cast<TIEC_DA*>(&DA) : nullptr;
  }
  for (const auto& sub : DA.List_DA)
    if (TIEC_DA* hit = Search_Node_DA(*sub, Node, Found); hit || Found) return hit;
  return nullptr;
}

TIEC_DA* Search_Node_DO(const TIEC_DO& DO, const TTreeNode* Node, bool& Found) {
  if (DO.TreeNode == Node) {
    Found = true;
    return nullptr;
  }
  for (const auto& sub : DO.List_DO)
    if (TIEC_DA* hit = Search_Node_DO(*sub, Node, Found); hit || Found) return hit;
  for (const auto& da : DO.List_DA)
    if (TIEC_DA* hit = Search_Node_DA(*da, Node, Found); hit || Found) return hit;
  return nullptr;
}

bool DeviceHolds(const TIEC_Device& Device, const TIEC_DataSet* DataSet) {
  for (const auto& ld : Device.List_LDevice)
    for (const auto& ln : ld->List_LN)
      for (const auto& dataSet : ln->List_DataSet)
        if (dataSet.get() == DataSet) return true;
  return false;
}

void ClearRow(TPlexStringGrid* Grid, int ARow) {
  for (int c = 1; c < Grid->ColCount(); ++c) Grid->SetCellEx(c, ARow, QString());
}

// Moves the rows below ARow up one, drops the last row and numbers the rows again.
void DeleteRowShift(TPlexStringGrid* Grid, int ARow) {
  for (int r = ARow; r < Grid->RowCount() - 1; ++r)
    for (int c = 1; c < Grid->ColCount(); ++c) Grid->SetCellEx(c, r, Grid->GetCellEx(c, r + 1));
  Grid->SetRowCount(std::max(2, Grid->RowCount() - 1));
  for (int r = 1; r < Grid->RowCount(); ++r) Grid->SetCellEx(0, r, QString::number(r));
}

}  // namespace

// ---- the device catalog

void TFIEC_61850_Access::Btn_Add_IEC_DeviceClick(TObject*) {
  if (!OD_IcdFile->Execute()) return;
  const QString source = OD_IcdFile->FileName;
  const QString folder = ProjectFolder + "/" + QString::fromUtf16(CatalogFolderName) + "/";
  const QString target = folder + ExtractFileName(source);
  ForceDirectories(folder);
  bool copy = true;
  if (FileExists(target)) {
    const TModalResult answer = MessageDlg(QString::fromUtf16(OverwriteQuestion), mtConfirmation, mbYesNoCancel);
    if (answer == mrNo)
      copy = false;
    else if (answer != mrYes)
      return;
  }
  if (copy && !CopyFileReplace(source, target)) {
    MessageDlg(LangFormat(Texts::CannotCopy, {source}), mtError, {mbOK});
    return;
  }
  std::unique_ptr<TIEC_Device> device;
  try {
    device = std::make_unique<TIEC_Device>(target);
  } catch (const ESclError& error) {
    MessageDlg(error.Message(), mtError, {mbOK});
    return;
  }
  Data.List_IEC_Dev.push_back(std::move(device));
  Show_IEC_Devices();
}

void TFIEC_61850_Access::Btn_Remove_IEC_DeviceClick(TObject*) {
  const int i = LB_IEC_Devices->ItemIndex();
  if (i < 0 || i >= int(Data.List_IEC_Dev.size())) return;
  for (TPlexStringGrid* grid : {static_cast<TPlexStringGrid*>(PCG_DA), static_cast<TPlexStringGrid*>(PCG_DataSet)})
    for (int r = 1; r < grid->RowCount(); ++r)
      if (TableCellInt(grid->GetCellEx(1, r)) == i) return;
  // A data-set row whose Index was typed over still points into its device.
  const TIEC_Device& device = *Data.List_IEC_Dev[size_t(i)];
  for (const auto& dataSet : Data.List_DataSet)
    if (dataSet->Select_DataSet && DeviceHolds(device, dataSet->Select_DataSet)) return;

  if (FTreeDevice == i) ClearTree();
  FTreeDevice = -1;
  FPickedDevice = -1;
  Selected_IEC_DA = nullptr;
  Selected_IEC_DS = nullptr;
  Data.List_IEC_Dev.erase(Data.List_IEC_Dev.begin() + i);
  Show_IEC_Devices();
  for (TPlexStringGrid* grid : {static_cast<TPlexStringGrid*>(PCG_DA), static_cast<TPlexStringGrid*>(PCG_DataSet)})
    for (int r = 1; r < grid->RowCount(); ++r) {
      const int index = TableCellInt(grid->GetCellEx(1, r));
      if (index > i) grid->SetCellEx(1, r, QString::number(index - 1));
    }
}

void TFIEC_61850_Access::LB_IEC_DevicesClick(TObject*) {
  const int i = LB_IEC_Devices->ItemIndex();
  if (i < 0 || i >= int(Data.List_IEC_Dev.size())) return;
  ClearTree();
  Show_Tree_IEC_Device(*Data.List_IEC_Dev[size_t(i)]);
  FTreeDevice = i;
  Selected_IEC_DA = nullptr;
  Selected_IEC_DS = nullptr;
  FPickedDevice = -1;
}

// ---- the tree

void TFIEC_61850_Access::ClearTree() {
  TV_IEC_Device->Clear();
  NODE_ORIG = nullptr;
  FTreeDevice = -1;
}

void TFIEC_61850_Access::Show_Tree_IEC_Device(TIEC_Device& Device) {
  NODE_ORIG = AddNode(TV_IEC_Device, nullptr, Device.Name, ImgDevice);
  Device.TreeNode = NODE_ORIG;
  for (const auto& ld : Device.List_LDevice) Show_Tree_IEC_LDevice(TV_IEC_Device, NODE_ORIG, *ld);
  NODE_ORIG->SetExpanded(true);
}

void TFIEC_61850_Access::TV_IEC_DeviceCustomDrawItem(TObject*, TTreeNode* Node, TColor& FontColor) {
  if (Node->ImageIndex() == ImgDO)
    FontColor = DataObjectTextColor;
  else if (Node->ImageIndex() == ImgDataSet)
    FontColor = DataSetTextColor;
  else
    FontColor = clBlack;
}

TIEC_DA* TFIEC_61850_Access::Search_Node_Selected(const TIEC_Device& Device, const TTreeNode* Node) const {
  bool found = false;
  for (const auto& ld : Device.List_LDevice) {
    if (ld->TreeNode == Node) return nullptr;
    for (const auto& ln : ld->List_LN) {
      if (ln->TreeNode == Node) return nullptr;
      for (const auto& dataObject : ln->List_DO)
        if (TIEC_DA* hit = Search_Node_DO(*dataObject, Node, found); hit || found) return hit;
    }
  }
  return nullptr;
}

TIEC_DataSet* TFIEC_61850_Access::Search_Node_Selected_DataSet(const TIEC_Device& Device, const TTreeNode* Node) const {
  for (const auto& ld : Device.List_LDevice)
    for (const auto& ln : ld->List_LN)
      for (const auto& dataSet : ln->List_DataSet)
        if (dataSet->TreeNode == Node) return dataSet.get();
  return nullptr;
}

void TFIEC_61850_Access::TV_IEC_DeviceClick(TObject*) {
  Selected_IEC_DA = nullptr;
  Selected_IEC_DS = nullptr;
  FPickedDevice = -1;
  const TTreeNode* node = TV_IEC_Device->Selected();
  if (FTreeDevice < 0 || FTreeDevice >= int(Data.List_IEC_Dev.size()) || !node || node == NODE_ORIG) return;
  const TIEC_Device& device = *Data.List_IEC_Dev[size_t(FTreeDevice)];
  Selected_IEC_DA = Search_Node_Selected(device, node);
  if (!Selected_IEC_DA) Selected_IEC_DS = Search_Node_Selected_DataSet(device, node);
  if (Selected_IEC_DA || Selected_IEC_DS) FPickedDevice = FTreeDevice;
}

// ---- rows

int TFIEC_61850_Access::NewRow(TPlexStringGrid* Grid) const {
  if (Grid->RowCount() == 2 && Grid->GetCellEx(1, 1).isEmpty()) return 1;
  Grid->SetRowCount(Grid->RowCount() + 1);
  return Grid->RowCount() - 1;
}

void TFIEC_61850_Access::Btn_AddVarClick(TObject*) {
  if (Selected_IEC_DA) {
    PC_DA_DataSet->SetActivePage(TS_DA);
    const int r = NewRow(PCG_DA);
    ClearRow(PCG_DA, r);
    PCG_DA->SetCellEx(0, r, QString::number(r));
    PCG_DA->SetCellEx(1, r, QString::number(FPickedDevice));
    PCG_DA->SetCellEx(IecDaColBType, r, Selected_IEC_DA->bType);
    PCG_DA->SetCellEx(3, r, Selected_IEC_DA->FC);
    PCG_DA->SetCellEx(4, r, Selected_IEC_DA->Reference);
    for (int c : {DaColOnChange, DaColOnCmd, DaColOnTimer}) PCG_DA->SetCellEx(c, r, QStringLiteral("N"));
    Set_Start_Num_Byte();
    return;
  }
  if (!Selected_IEC_DS) return;
  PC_DA_DataSet->SetActivePage(TS_DataSet);
  const int r = NewRow(PCG_DataSet);
  ClearRow(PCG_DataSet, r);
  PCG_DataSet->SetCellEx(0, r, QString::number(r));
  PCG_DataSet->SetCellEx(1, r, QString::number(FPickedDevice));
  PCG_DataSet->SetCellEx(2, r, Selected_IEC_DS->Reference);
  PCG_DataSet->SetCellEx(3, r, Selected_IEC_DS->GooseName);
  PCG_DataSet->SetCellEx(4, r, Selected_IEC_DS->GooseName.isEmpty() ? QStringLiteral("N") : QStringLiteral("Y"));
  auto dataSet = std::make_unique<TDataSet>();
  dataSet->Select_DataSet = Selected_IEC_DS;
  for (TIEC_DA* member : Selected_IEC_DS->List_DA) {
    dataSet->List_DAs.push_back(std::make_unique<TDataSet_DA>());
    dataSet->List_DAs.back()->Select_DA = member;
  }
  // Row 1 may be reused while an entry for it is still there (its Index emptied by hand).
  if (size_t(r - 1) < Data.List_DataSet.size())
    Data.List_DataSet[size_t(r - 1)] = std::move(dataSet);
  else
    Data.List_DataSet.push_back(std::move(dataSet));
  ForgetShownMembers();
}

void TFIEC_61850_Access::Btn_RemoveVarClick(TObject*) {
  if (PC_DA_DataSet->ActivePage() == TS_DA)
    RemoveDaRow();
  else
    RemoveDataSetRow();
}

void TFIEC_61850_Access::RemoveDaRow() {
  const int r = PCG_DA->Row();
  if (r < 1) return;
  if (r == 1 && PCG_DA->RowCount() == 2)
    ClearRow(PCG_DA, 1);
  else
    DeleteRowShift(PCG_DA, r);
  Set_Start_Num_Byte();
}

void TFIEC_61850_Access::RemoveDataSetRow() {
  const int r = PCG_DataSet->Row();
  if (r < 1 || size_t(r - 1) >= Data.List_DataSet.size()) return;
  Data.List_DataSet.erase(Data.List_DataSet.begin() + (r - 1));
  if (Data.List_DataSet.empty())
    ClearRow(PCG_DataSet, 1);
  else
    DeleteRowShift(PCG_DataSet, r);
  ForgetShownMembers();
}

// ---- the member grid

void TFIEC_61850_Access::ForgetShownMembers() {
  FShownDataSetRow = 0;
  DataSet_Row_Select = 0;
  PCG_DS_Vars->SetRowCount(2);
  ClearRow(PCG_DS_Vars, 1);
  PCG_DS_Vars->SetCellEx(0, 1, QStringLiteral("1"));
}

void TFIEC_61850_Access::Show_DataSet_DAs() {
  const int r = PCG_DataSet->Row();
  const TDataSet* dataSet =
      r >= 1 && size_t(r - 1) < Data.List_DataSet.size() ? Data.List_DataSet[size_t(r - 1)].get() : nullptr;
  if (!dataSet || dataSet->List_DAs.empty()) {
    ForgetShownMembers();
    return;
  }
  PCG_DS_Vars->SetRowCount(int(dataSet->List_DAs.size()) + 1);
  for (size_t k = 0; k < dataSet->List_DAs.size(); ++k) {
    const TDataSet_DA& member = *dataSet->List_DAs[k];
    const int row = int(k) + 1;
    const QString texts[] = {QString::number(row),
                             member.Select_DA ? member.Select_DA->bType : QString(),
                             member.Select_DA ? member.Select_DA->Reference : QString(),
                             member.Position,
                             member.bitAddress,
                             member.conversion,
                             member.multFactor,
                             member.Mnemonic};
    for (int c = 0; c < int(std::size(texts)); ++c) PCG_DS_Vars->SetCellEx(c, row, texts[c]);
  }
  FShownDataSetRow = r;
}

void TFIEC_61850_Access::PCG_DS_VarsSelectCell(TObject*, int, int, bool&) {
  // The member grid edits the data set it shows, whichever row of the data-set table is current now.
  DataSet_Row_Select = FShownDataSetRow;
}

void TFIEC_61850_Access::PCG_DS_VarsEditCellDone(TObject*, int ACol, int ARow) {
  if (DataSet_Row_Select < 1 || size_t(DataSet_Row_Select - 1) >= Data.List_DataSet.size()) return;
  TDataSet& dataSet = *Data.List_DataSet[size_t(DataSet_Row_Select - 1)];
  if (ARow < 1 || size_t(ARow - 1) >= dataSet.List_DAs.size()) return;
  TDataSet_DA& member = *dataSet.List_DAs[size_t(ARow - 1)];
  const QString text = PCG_DS_Vars->GetCellEx(ACol, ARow);
  switch (ACol) {
    case MemberColPosition: member.Position = text; break;
    case MemberColStartBit: member.bitAddress = text; break;
    case MemberColConversion: member.conversion = text; break;
    case MemberColMultFact: member.multFactor = text; break;
    case MemberColMnemonic: member.Mnemonic = text; break;
    default: break;
  }
}

// ---- grid events shared by the three tables

void TFIEC_61850_Access::ClickCell(TObject* Sender, int ARow, int ACol) {
  auto* grid = dynamic_cast<TPlexStringGrid*>(Sender);
  if (grid && ACol == 0 && ARow >= 1) grid->SelectRows(ARow, 1);
  if (Sender == PCG_DataSet) Show_DataSet_DAs();
}

void TFIEC_61850_Access::PCG_DADblClickCell(TObject* Sender, int ARow, int ACol) {
  GridAutoSizeColumn(dynamic_cast<TPlexStringGrid*>(Sender), ARow, ACol);
}

void TFIEC_61850_Access::PCG_DAKeyPress(TObject* Sender, QChar& Key) {
  GridEnterKeyAdvance(dynamic_cast<TPlexStringGrid*>(Sender), Key);
}

void TFIEC_61850_Access::PCG_DAGridHint(TObject* Sender, int ARow, int ACol, QString& HintStr) {
  // The hints describe the attribute table's columns; the other tables have columns of their own.
  if (Sender != PCG_DA || ARow != 0 || ACol < 1) return;
  const int real = PCG_DA->RealColIndex(ACol);
  if (real < Hint->Count()) HintStr = (*Hint)[real];
}
