#include "tables/can/UDefOffset.h"

#include "common/FormKit.h"
#include "common/LangFormat.h"
#include "common/ShellState.h"
#include "common/button/LbButton.h"
#include "common/tables/TableCells.h"
#include "grid/editing/PlexColumnGrid.h"
#include "platform/Dialogs.h"
#include "platform/ExtCtrls.h"
#include "platform/Files.h"
#include "platform/StdCtrls.h"
#include "platform/SysUtils.h"
#include "platform/Xml.h"
#include "platform/XmlWriter.h"
#include "tables/can/CanTableForm.h"

TFDefOffset* FDefOffset = nullptr;

namespace {

constexpr int DataAreaSize = 1440;
constexpr int SlaveListHeight = 162;
constexpr int SplitterHeight = 3;
constexpr int LabelHeight = 18;
constexpr int RowHeight = 21;
constexpr TColor IDColor = 0xCEFFCE, BytesColor = 0xD5FFFF;

namespace Texts {
constexpr int Label1 = 3008, Label2 = 3009, Label3 = 3010, ByteInPage = 3006, ByteOutPage = 3007;
constexpr int SameByte = 3021, FirstID = 3022, Byte = 3023, SecondID = 3024, SecondByte = 3025;
// Added for offsets out of the data area, which only a hand-edited file holds.
constexpr int OutOfArea = 3026, ID = 3027, Offset = 3028;
// The blank id the hidden row buttons take.
constexpr int Unused = 3099;
}  // namespace Texts

struct TOffsetGridColumn {
  int Header;
  int Width;
  TColor Color;
  TEditorType Editor;
};
constexpr TOffsetGridColumn SlaveColumns[] = {
    {3011, 100, IDColor, edNormal}, {3012, 100, BytesColor, edNormal}, {3013, 100, BytesColor, edNormal},
    {3014, 160, clWindow, edNormal}};
constexpr TOffsetGridColumn ByteInColumns[] = {
    {3015, 60, clWindow, edNormal}, {3016, 90, clWindow, edComboList}, {3017, 300, clWindow, edNormal}};
constexpr TOffsetGridColumn ByteOutColumns[] = {
    {3018, 60, clWindow, edNormal}, {3019, 90, clWindow, edComboList}, {3020, 300, clWindow, edNormal}};
constexpr int ColOffset = 1, ColNote = 2;

TTableEditorSetup EditorSetup() {
  TTableEditorSetup setup;
  setup.Texts.Caption = 3000;
  setup.Texts.Description = 3001;
  setup.Texts.Buttons = {3002, 3003, Texts::Unused, Texts::Unused, Texts::Unused, Texts::Unused};
  setup.Texts.ButtonHints = {3004, 3005, Texts::Unused, Texts::Unused, Texts::Unused, Texts::Unused};
  setup.ClientWidth = 482;
  setup.ClientHeight = 610;
  setup.TableCount = 0;
  return setup;
}

TPanel* MakeBand(TComponent* Owner, TWinControl* Parent, int Height, TAlign Align) {
  TPanel* panel = Make<TPanel>(Owner, Parent, {0, 0, Parent->ClientWidth(), Height});
  panel->BevelOuter = bvNone;
  panel->ShowCaption = false;
  panel->SetAlign(Align);
  return panel;
}

TLabel* MakeLabel(TComponent* Owner, TWinControl* Parent) {
  TLabel* label = Make<TLabel>(Owner, Parent, {0, 0, Parent->ClientWidth(), LabelHeight});
  label->SetAlign(alTop);
  label->SetLayout(tlCenter);
  label->Font().SetStyle({fsBold});
  return label;
}

void SetUpGrid(TPlexColumnGrid* Grid, std::span<const TOffsetGridColumn> Columns, int FixedCols, bool ReadOnly) {
  Grid->BeginUpdate();
  Grid->SetColCount(int(Columns.size()));
  Grid->SetFixedCols(FixedCols);
  Grid->SetRowCount(2);
  Grid->SetDefaultRowHeight(RowHeight);
  Grid->SetOptions(Grid->Options() + TGridOptions{goEditing, goColSizing});
  for (int c = 0; c < int(Columns.size()); ++c) {
    TGridColumnItem* column = Grid->Columns()[c];
    column->SetWidth(Columns[size_t(c)].Width);
    if (c < FixedCols) continue;
    column->SetColor(Columns[size_t(c)].Color);
    column->SetEditor(Columns[size_t(c)].Editor);
    column->ReadOnly = ReadOnly;
  }
  Grid->EndUpdate();
}

// The texts of an element's attributes; false when one is missing.
bool ReadAll(const TXmlNode& Node, std::initializer_list<const char*> Names, QStringList& Values) {
  Values.clear();
  for (const char* name : Names) {
    QString value;
    if (!Node.ReadAttribute(QString::fromLatin1(name), value)) return false;
    Values << value;
  }
  return true;
}

void FileError(const QString& Path, const QString& What) {
  MessageDlg(Format("Error in file \"%s\": %s", {Path, What}), mtError, {mbOK});
}

}  // namespace

TFDefOffset::TFDefOffset(TComponent* AOwner) : TTableEditorForm(AOwner, EditorSetup()) {
  for (TLbButton* button : {Btn_DelRow, Btn_InsRow, Btn_CopyRow, Btn_PasteRow}) button->SetVisible(false);
  CreateLayout();
  InitGrids();
  OnShow = [this](TObject* Sender) { FormShow(Sender); };
  Btn_OK->OnClick = [this](TObject* Sender) { bitbtn1Click(Sender); };
}

TFDefOffset::~TFDefOffset() = default;

void TFDefOffset::CreateLayout() {
  Panel1 = MakeBand(this, this, SlaveListHeight, alTop);
  Label1 = MakeLabel(this, Panel1);
  PCG_DN_Slaves = Make<TPlexColumnGrid>(this, Panel1, {0, LabelHeight, 100, 100});
  PCG_DN_Slaves->SetAlign(alClient);

  Splitter1 = Make<TSplitter>(this, this, {0, P_Title->Height() + SlaveListHeight, ClientWidth(), SplitterHeight});
  Splitter1->SetAlign(alTop);
  Splitter1->SetHeight(SplitterHeight);
  Splitter1->SetCursor(crVSplit);

  Panel3 = MakeBand(this, this, 300, alClient);
  Label2 = MakeLabel(this, Panel3);
  Label3 = MakeLabel(this, Panel3);
  Label3->SetTop(LabelHeight);
  Label3->Font().SetStyle({});
  PageControl1 = Make<TPageControl>(this, Panel3, {0, 2 * LabelHeight, ClientWidth(), 200});
  PageControl1->SetAlign(alClient);
  TabSheet1 = new TTabSheet(this);
  TabSheet1->SetPageControl(PageControl1);
  TabSheet2 = new TTabSheet(this);
  TabSheet2->SetPageControl(PageControl1);
  PCG_ByteIN = Make<TPlexColumnGrid>(this, TabSheet1, {0, 0, 100, 100});
  PCG_ByteIN->SetAlign(alClient);
  PCG_ByteOUT = Make<TPlexColumnGrid>(this, TabSheet2, {0, 0, 100, 100});
  PCG_ByteOUT->SetAlign(alClient);
  PageControl1->SetActivePageIndex(0);

  // The slave grid's click, as the form always took it, is a move to another row,
  // by the mouse or the keys alike.
  PCG_DN_Slaves->OnRowUpdate = [this](TObject*, int, int NewRow) { SelectSlaveRow(NewRow); };
  for (TPlexColumnGrid* grid : {PCG_DN_Slaves, PCG_ByteIN, PCG_ByteOUT}) {
    grid->OnDblClickCell = [this](TObject* Sender, int ARow, int ACol) { GridDblClickCell(Sender, ARow, ACol); };
    grid->OnKeyPress = [this](TObject* Sender, QChar& Key) { GridKeyPress(Sender, Key); };
  }
}

void TFDefOffset::InitGrids() {
  SetUpGrid(PCG_DN_Slaves, SlaveColumns, 0, true);
  SetUpGrid(PCG_ByteIN, ByteInColumns, 1, false);
  SetUpGrid(PCG_ByteOUT, ByteOutColumns, 1, false);
}

void TFDefOffset::Set_Lang() {
  TTableEditorForm::Set_Lang();
  TabSheet1->SetCaption(LangText(Texts::ByteInPage));
  TabSheet2->SetCaption(LangText(Texts::ByteOutPage));
  Label1->SetCaption(LangText(Texts::Label1));
  Label2->SetCaption(LangText(Texts::Label2));
  Label3->SetCaption(LangText(Texts::Label3));
  const std::pair<TPlexColumnGrid*, std::span<const TOffsetGridColumn>> grids[] = {
      {PCG_DN_Slaves, SlaveColumns}, {PCG_ByteIN, ByteInColumns}, {PCG_ByteOUT, ByteOutColumns}};
  for (const auto& [grid, columns] : grids)
    for (int c = 0; c < int(columns.size()); ++c) grid->Columns()[c]->SetHeader(LangText(columns[size_t(c)].Header));
}

void TFDefOffset::FormShow(TObject*) {
  List_Slaves_DN.clear();
  MAX_BYTE_IN = DataAreaSize;
  MAX_BYTE_OUT = DataAreaSize;
  for (TPlexColumnGrid* grid : {PCG_ByteIN, PCG_ByteOUT})
    FillPositionItems(grid->Columns()[ColOffset]->ComboItems(), DataAreaSize, true);
  PageControl1->SetActivePageIndex(0);
  Slave_Before_Select = -1;
  Load_Slave_DN();
  Load_Offset_Slave_DN();
  Select_First();
}

void TFDefOffset::Load_Slave_DN() {
  PCG_DN_Slaves->SetRowCount(1);
  if (DNETMNetFile.isEmpty() || !FileExists(DNETMNetFile)) return;
  if (!XML1->LoadFromFile(DNETMNetFile)) {
    MessageDlg(XML1->ErrorText(), mtError, {mbOK});
    return;
  }
  const std::vector<TXmlNode> rows = XML1->Root().ChildElements();
  PCG_DN_Slaves->SetRowCount(1 + int(rows.size()));
  for (int i = 0; i < int(rows.size()); ++i) {
    QStringList values;
    const bool complete = ReadAll(rows[size_t(i)], {"ID", "NB_IN", "NB_OUT", "Mnemonic"}, values);
    for (int c = 0; c < values.size(); ++c) PCG_DN_Slaves->SetCellEx(c, i + 1, values[c]);
    if (!complete) {
      FileError(DNETMNetFile, Format("row %d lacks an attribute.", {i + 1}));
    } else {
      // The ID is a byte and the counts 16-bit words: a value that does not fit is refused like a non-number.
      const int id = TableCellInt(values[0]), in = TableCellInt(values[1]), out = TableCellInt(values[2]);
      if (id >= 0 && id <= 255 && in >= 0 && in <= 65535 && out >= 0 && out <= 65535) {
        auto slave = std::make_unique<TSlave_DN>();
        slave->ID = uint8_t(id);
        slave->ByteIN = uint16_t(in);
        slave->ByteOUT = uint16_t(out);
        for (int b = 0; b < in; ++b) slave->SL_ByteIN.Add(QStringLiteral("None")), slave->SL_ByteIN_M.Add(QString());
        for (int b = 0; b < out; ++b) slave->SL_ByteOUT.Add(QStringLiteral("None")), slave->SL_ByteOUT_M.Add(QString());
        List_Slaves_DN.push_back(std::move(slave));
        continue;
      }
      FileError(DNETMNetFile, Format("row %d holds no valid ID or byte count.", {i + 1}));
    }
    // The slaves read so far stay; the grid shows exactly those.
    PCG_DN_Slaves->SetRowCount(1 + int(List_Slaves_DN.size()));
    return;
  }
}

bool TFDefOffset::LoadOffsets(const TXmlNode& Node, int Count, TStringList& Offsets, TStringList& Notes) {
  if (Node.IsNull()) return true;
  const std::vector<TXmlNode> rows = Node.ChildElements();
  for (int j = 0; j < int(rows.size()) && j < Count; ++j) {
    QStringList values;
    if (!ReadAll(rows[size_t(j)], {"Offset", "Mnemonic"}, values)) {
      FileError(DNETMDefOffFile, Format("byte %d of \"%s\" lacks an attribute.", {j, Node.NodeName()}));
      return false;
    }
    Offsets.SetStrings(j, values[0]);
    Notes.SetStrings(j, values[1]);
  }
  return true;
}

void TFDefOffset::Load_Offset_Slave_DN() {
  if (DNETMDefOffFile.isEmpty() || !FileExists(DNETMDefOffFile)) return;
  TXmlDocument document;
  if (!document.LoadFromFile(DNETMDefOffFile)) {
    MessageDlg(document.ErrorText(), mtError, {mbOK});
    return;
  }
  const std::vector<TXmlNode> nodes = document.Root().ChildElements();
  // By position: the k-th element belongs to the k-th slave of the list, whatever its ID.
  for (size_t k = 0; k < nodes.size() && k < List_Slaves_DN.size(); ++k) {
    TSlave_DN& slave = *List_Slaves_DN[k];
    if (!LoadOffsets(nodes[k].ChildNode(QStringLiteral("ByteIN")), slave.ByteIN, slave.SL_ByteIN, slave.SL_ByteIN_M))
      return;
    if (!LoadOffsets(nodes[k].ChildNode(QStringLiteral("ByteOUT")), slave.ByteOUT, slave.SL_ByteOUT,
                     slave.SL_ByteOUT_M))
      return;
  }
}

void TFDefOffset::Select_First() {
  if (List_Slaves_DN.empty()) {
    Update_Slave_DN();
    return;
  }
  PCG_DN_Slaves->SetRow(1);
  PCG_DN_SlavesClick(PCG_DN_Slaves);
}

void TFDefOffset::PCG_DN_SlavesClick(TObject*) { SelectSlaveRow(PCG_DN_Slaves->Row()); }

// The grid reports a row change before its current row shows it: the row comes with the report.
void TFDefOffset::SelectSlaveRow(int ARow) {
  if (Slave_Before_Select == -1 || Save_Data_ByteIN_ByteOUT()) {
    PCG_DN_Slaves->SelectRows(ARow, 1);
    Slave_Before_Select = ARow - 1;
    ShowSlaveOfRow(ARow);
  } else {
    PCG_DN_Slaves->SelectRows(Slave_Before_Select + 1, 1);
  }
}

void TFDefOffset::StoreBytes(TPlexColumnGrid* Grid, TStringList& Offsets, TStringList& Notes) {
  for (int r = 1; r < Grid->RowCount() && r <= Offsets.Count(); ++r) {
    Offsets.SetStrings(r - 1, Grid->GetCellEx(ColOffset, r));
    Notes.SetStrings(r - 1, Grid->GetCellEx(ColNote, r));
  }
}

bool TFDefOffset::Save_Data_ByteIN_ByteOUT() {
  if (Slave_Before_Select < 0 || Slave_Before_Select >= int(List_Slaves_DN.size())) return true;
  TSlave_DN& slave = *List_Slaves_DN[size_t(Slave_Before_Select)];
  StoreBytes(PCG_ByteIN, slave.SL_ByteIN, slave.SL_ByteIN_M);
  StoreBytes(PCG_ByteOUT, slave.SL_ByteOUT, slave.SL_ByteOUT_M);
  return true;
}

void TFDefOffset::ShowBytes(TPlexColumnGrid* Grid, int Count, const TStringList& Offsets, const TStringList& Notes) {
  Grid->BeginUpdate();
  Grid->SetRowCount(Count + 1);
  for (int i = 0; i < Count; ++i) {
    Grid->SetCellEx(0, i + 1, QString::number(i));
    Grid->SetCellEx(ColOffset, i + 1, Offsets[i]);
    Grid->SetCellEx(ColNote, i + 1, Notes[i]);
  }
  Grid->EndUpdate();
}

void TFDefOffset::Update_Slave_DN() { ShowSlaveOfRow(PCG_DN_Slaves->Row()); }

void TFDefOffset::ShowSlaveOfRow(int ARow) {
  const int index = ARow - 1;
  if (List_Slaves_DN.empty() || index < 0 || index >= int(List_Slaves_DN.size())) {
    PCG_ByteIN->SetRowCount(1);
    PCG_ByteOUT->SetRowCount(1);
    return;
  }
  const TSlave_DN& slave = *List_Slaves_DN[size_t(index)];
  ShowBytes(PCG_ByteIN, slave.ByteIN, slave.SL_ByteIN, slave.SL_ByteIN_M);
  ShowBytes(PCG_ByteOUT, slave.ByteOUT, slave.SL_ByteOUT, slave.SL_ByteOUT_M);
}

void TFDefOffset::Reset_Array_Check() { Check_Byte_Offset.fill({-1, -1}); }

bool TFDefOffset::OffsetError(int TextId, const QString& Details) const {
  MessageDlg(LangText(TextId) + "\n\r( " + Details + ")", mtError, {mbOK});
  return false;
}

bool TFDefOffset::Check_Data() {
  Reset_Array_Check();
  for (const auto& slave : List_Slaves_DN) {
    for (int i = 0; i < slave->ByteOUT && i < slave->SL_ByteOUT.Count(); ++i) {
      const int offset = TableCellInt(slave->SL_ByteOUT[i]);
      if (offset < 0) continue;
      // The table has one entry per position of the data area; a hand-edited
      // file may name one beyond it, which is refused, never looked up.
      if (offset >= int(Check_Byte_Offset.size()))
        return OffsetError(Texts::OutOfArea, LangText(Texts::ID) + QString::number(slave->ID) + LangText(Texts::Byte) +
                                                 QString::number(i) + LangText(Texts::Offset) +
                                                 slave->SL_ByteOUT[i]);
      std::pair<int, int>& entry = Check_Byte_Offset[size_t(offset)];
      if (entry.first != -1 || entry.second != -1)
        return OffsetError(Texts::SameByte, LangText(Texts::FirstID) + QString::number(entry.first) +
                                                LangText(Texts::Byte) + QString::number(entry.second) +
                                                LangText(Texts::SecondID) + QString::number(slave->ID) +
                                                LangText(Texts::SecondByte) + QString::number(i));
      entry = {slave->ID, i};
    }
  }
  return true;
}

bool TFDefOffset::Save_Offset_Slave_DN() {
  TXmlWriter writer(-1);
  writer.StartElement(QStringLiteral("Define_Offset"));
  const auto writeBytes = [&](const QString& Name, int Count, const TStringList& Offsets, const TStringList& Notes) {
    writer.StartElement(Name);
    for (int j = 0; j < Count && j < Offsets.Count(); ++j) {
      writer.StartElement(QStringLiteral("row"));
      writer.Attribute(QStringLiteral("Offset"), XmlWritableText(Offsets[j]));
      writer.Attribute(QStringLiteral("Mnemonic"), XmlWritableText(Notes[j]));
      writer.EndElement();
    }
    writer.EndElement();
  };
  for (const auto& slave : List_Slaves_DN) {
    writer.StartElement(QStringLiteral("Nodo_DNET"));
    writeBytes(QStringLiteral("ByteIN"), slave->ByteIN, slave->SL_ByteIN, slave->SL_ByteIN_M);
    writeBytes(QStringLiteral("ByteOUT"), slave->ByteOUT, slave->SL_ByteOUT, slave->SL_ByteOUT_M);
    writer.EndElement();
  }
  writer.EndElement();
  writer.Comment(QStringLiteral("SW_VERSION = 1.000"));
  if (writer.SaveToFile(DNETMDefOffFile)) return true;
  MessageDlg(Format("Cannot create file \"%s\".", {DNETMDefOffFile}), mtError, {mbOK});
  return false;
}

void TFDefOffset::bitbtn1Click(TObject*) {
  if (!Save_Data_ByteIN_ByteOUT() || !Check_Data()) return;
  if (!Save_Offset_Slave_DN()) return;
  SetModalResult(mrOk);
}
