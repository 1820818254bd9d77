#include "tables/iec_opcua_mqtt/UOPC_UA_Server_Access.h"

#include "common/FormKit.h"
#include "common/LangFormat.h"
#include "common/ShellState.h"
#include "common/button/LbButton.h"
#include "common/tables/TableCells.h"
#include "grid/core/PlexStringGrid.h"
#include "platform/Dialogs.h"

#include <array>

TFOPC_UA_Server_Access* FOPC_UA_Server_Access = nullptr;

namespace {

constexpr int TableRows = 251;
constexpr int PositionLimit = 2000;

namespace Texts {
constexpr int PositionRule = 4527, DeleteQuestion = 4528, MissingSection = 4535;
}  // namespace Texts

enum : int {
  ColEnable = 1,
  ColType,
  ColPosition,
  ColStartBit,
  ColLength,
  ColName,
  ColReadWrite,
  ColSwap,
  ColSwapWord,
  ColSwapAll,
  ColMnemonic,
  ColumnCount
};

struct TServerColumn {
  int Header;
  int Width;
  TColor Color;
  bool CheckBox;
};

// Column 0 keeps the grid's own colour.
constexpr std::array<TServerColumn, ColumnCount> Columns = {{
    {4514, 40, clNone, false},
    {4515, 50, 0xB0D8FF, true},
    {4516, 120, 0xFEFAE0, false},
    {4517, 70, 0xA8FFA8, false},
    {4531, 70, 0xA8FFA8, false},
    {4518, 70, 0xA8FFA8, false},
    {4519, 200, 0xF4D6FC, false},
    {4529, 70, 0xF4D6FC, false},
    {4532, 70, 0xA8FFFF, true},
    {4533, 70, 0xA8FFFF, true},
    {4534, 70, 0xA8FFFF, true},
    {4520, 200, 0xFFFFFF, false},
}};

constexpr TTableFileColumn FileColumns[] = {
    {ColEnable, u"Enable", u"Y"},      {ColType, u"Type", u""},         {ColPosition, u"Position", u""},
    {ColStartBit, u"StartBit", u""},   {ColLength, u"Length", u""},     {ColName, u"Name", u""},
    {ColReadWrite, u"ReadWrite", u""}, {ColSwap, u"Swap", u"N"},        {ColSwapWord, u"SwapWord", u"N"},
    {ColSwapAll, u"SwapAll", u"N"},    {ColMnemonic, u"Mnemonic", u""},
};

constexpr const char16_t* VarTypes[] = {u"Boolean", u"Signed Byte", u"Byte",      u"Int16",  u"UInt16",
                                        u"Int32",   u"UInt32",      u"Int64",     u"UInt64", u"Float",
                                        u"Double",  u"String",      u"ByteString"};
constexpr const char16_t* RWTypes[] = {u"Read Only", u"Read/Write"};
constexpr const char16_t* StartBits[] = {u"0", u"1", u"2", u"3", u"4", u"5", u"6", u"7"};

// The Length a data type fixes; nullptr where the user gives it.
struct TTypeLength {
  const char16_t* Type;
  const char16_t* Length;
};
constexpr TTypeLength TypeLengths[] = {
    {u"Boolean", u"1"}, {u"Signed Byte", u"1"}, {u"Byte", u"1"},          {u"Int16", u"2"}, {u"UInt16", u"2"},
    {u"Int32", u"4"},   {u"UInt32", u"4"},      {u"Float", u"4"},         {u"Int64", u"8"}, {u"UInt64", u"8"},
    {u"Double", u"8"},  {u"String", nullptr},   {u"ByteString", nullptr},
};
constexpr const char16_t* FreeLengthDefault = u"10";

TTableEditorSetup EditorSetup() {
  TTableEditorSetup setup;
  setup.Texts.Caption = 4500;
  setup.Texts.Description = 4501;
  setup.Texts.Buttons = {4502, 4503, 4504, 4505, 4506, 4507};
  setup.Texts.ButtonHints = {4508, 4509, 4510, 4511, 4512, 4513};
  setup.Texts.DeleteQuestion = Texts::DeleteQuestion;
  setup.ClientWidth = 1200;
  setup.ClientHeight = 337;
  setup.FilePath = &OPCUAServerFile;
  setup.Root = QStringLiteral("OPC_UA_Server");
  setup.Version = QStringLiteral("1.001");
  return setup;
}

TEditorTableSetup VariableTable() {
  TEditorTableSetup table;
  table.Section = QStringLiteral("OPC_UA_Server_Variables");
  table.Columns = FileColumns;
  table.KeyColumn = ColType;
  table.HasEnable = true;
  table.StringGrid = true;
  table.CheckedUnlessN = true;
  table.SectionRequired = true;
  table.MissingSectionText = Texts::MissingSection;
  table.GridEvents = false;
  return table;
}

void FillList(TStringList& List, std::span<const char16_t* const> Items) {
  List.Clear();
  for (const char16_t* item : Items) List.Add(QString::fromUtf16(item));
}

}  // namespace

TFOPC_UA_Server_Access::TFOPC_UA_Server_Access(TComponent* AOwner) : TTableEditorForm(AOwner, EditorSetup()) {
  PSG = Make<TPlexStringGrid>(this, this, {0, 0, 100, 100});
  AddTable(PSG, VariableTable());
  PSG->OnGetEditorType = [this](TObject* Sender, int ACol, int ARow, TEditorType& AEditor) {
    PSGGetEditorType(Sender, ACol, ARow, AEditor);
  };
  PSG->OnComboChange = [this](TObject* Sender, int ACol, int ARow, int AItemIndex, const QString& ASelection) {
    PSGComboChange(Sender, ACol, ARow, AItemIndex, ASelection);
  };
  OnShow = [this](TObject* Sender) { FormShow(Sender); };
  Btn_PasteRow->OnClick = [this](TObject* Sender) { Btn_PasteRowClick(Sender); };
}

void TFOPC_UA_Server_Access::Init_Tables() {
  Position = poScreenCenter;
  FillList(VarType, VarTypes);
  FillList(RWType, RWTypes);
  FillList(StartBitType, StartBits);
  Init_Table();
}

void TFOPC_UA_Server_Access::Init_Table() {
  PSG->BeginUpdate();
  PSG->SetColCount(ColumnCount);
  PSG->SetRowCount(TableRows);
  PSG->SetOptions(PSG->Options() + TGridOptions{goEditing});
  for (int c = 0; c < ColumnCount; ++c) {
    const TServerColumn& column = Columns[size_t(c)];
    PSG->SetColWidths(c, column.Width);
    if (c == 0) continue;
    if (column.CheckBox) PSG->AddCheckBoxColumn(c, false, false);
    for (int r = 1; r < TableRows; ++r) {
      PSG->SetColors(c, r, column.Color);
      if (column.CheckBox) PSG->SetAlignments(c, r, taCenter);
    }
  }
  for (int r = 1; r < TableRows; ++r) PSG->SetCellEx(0, r, QString::number(r));
  PSG->EndUpdate();
}

void TFOPC_UA_Server_Access::Set_Lang() {
  TTableEditorForm::Set_Lang();
  for (int c = 0; c < ColumnCount; ++c) PSG->SetCellEx(c, 0, LangText(Columns[size_t(c)].Header));
}

QString TFOPC_UA_Server_Access::DeleteQuestion(int ARow) const { return LangFormat(Texts::DeleteQuestion, {ARow}); }

void TFOPC_UA_Server_Access::FormShow(TObject* Sender) {
  // A Length left read-only by an earlier showing must not outlive its row.
  for (int r = 1; r < PSG->RowCount(); ++r) PSG->SetReadOnly(ColLength, r, false);
  TTableEditorForm::FormShow(Sender);
  // Loading read each Type, Length and R/W as the file holds them; the Length
  // of a type of fixed size is read-only.
  for (int r = 1; r < PSG->RowCount(); ++r) {
    const QString type = PSG->GetCellEx(ColType, r);
    for (const TTypeLength& entry : TypeLengths)
      if (type == QString::fromUtf16(entry.Type)) PSG->SetReadOnly(ColLength, r, entry.Length != nullptr);
  }
}

void TFOPC_UA_Server_Access::PSGGetEditorType(TObject*, int ACol, int, TEditorType& AEditor) {
  const TStringList* list = ACol == ColType        ? &VarType
                            : ACol == ColStartBit  ? &StartBitType
                            : ACol == ColReadWrite ? &RWType
                                                   : nullptr;
  if (!list) return;
  AEditor = edComboList;
  PSG->ClearComboString();
  for (int i = 0; i < list->Count(); ++i) PSG->AddComboString((*list)[i]);
}

void TFOPC_UA_Server_Access::PSGComboChange(TObject*, int ACol, int ARow, int, const QString& ASelection) {
  if (ACol == ColType) VarSetLength(ASelection, ARow);
}

void TFOPC_UA_Server_Access::VarSetLength(const QString& Type, int ARow, bool KeepFreeLength) {
  for (const TTypeLength& entry : TypeLengths) {
    if (Type != QString::fromUtf16(entry.Type)) continue;
    const bool fixed = entry.Length != nullptr;
    if (fixed || !KeepFreeLength)
      PSG->SetCellEx(ColLength, ARow, QString::fromUtf16(fixed ? entry.Length : FreeLengthDefault));
    PSG->SetReadOnly(ColLength, ARow, fixed);
    break;
  }
  if (PSG->GetCellEx(ColReadWrite, ARow).isEmpty()) PSG->SetCellEx(ColReadWrite, ARow, RWType[1]);
}

void TFOPC_UA_Server_Access::Btn_PasteRowClick(TObject* Sender) {
  const int row = PSG->Row();
  if (row < 1 || row >= PSG->RowCount()) return;
  const auto snapshot = [this, row] {
    QStringList cells;
    for (int c = 1; c < ColumnCount; ++c) cells << TableCell(0, c, row);
    return cells;
  };
  const QStringList before = snapshot();
  TTableEditorForm::Btn_PasteRowClick(Sender);
  // A refused paste leaves the row as it was; a pasted String keeps its Length.
  if (snapshot() == before) return;
  VarSetLength(PSG->GetCellEx(ColType, row), row, true);
}

bool TFOPC_UA_Server_Access::Controllo_Dati() {
  for (int r = 1; r < PSG->RowCount(); ++r) {
    if (TableTrim(PSG->GetCellEx(ColType, r)).isEmpty()) continue;
    bool enabled = false;
    PSG->GetCheckBoxState(ColEnable, r, enabled);
    if (!enabled) continue;
    const int position = TableCellInt(PSG->GetCellEx(ColPosition, r));
    if (position < 0 || position > PositionLimit - 1) {
      MessageDlg(LangFormat(Texts::PositionRule, {r, PositionLimit}), mtError, {mbOK});
      return false;
    }
  }
  return true;
}
