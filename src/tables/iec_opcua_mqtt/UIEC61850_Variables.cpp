#include "tables/iec_opcua_mqtt/UIEC61850_Variables.h"

#include "common/FormKit.h"
#include "common/ShellState.h"
#include "common/UShared_Functions.h"
#include "common/tables/TableCells.h"
#include "grid/editing/PlexColumnGrid.h"

#include <array>

TFIEC61850_Variables* FIEC61850_Variables = nullptr;

namespace {

constexpr int TableRows = 51;
constexpr int DataArraySize = 1438;

namespace Texts {
constexpr int ErrorRow = 3329, PositionRule = 3330, DeleteQuestion = 3331;
constexpr int StartBitRule = 3338, ConversionRule = 3339, FactorRule = 3340, LengthRule = 3341;
constexpr int RowNumberHeader = 3314;
}  // namespace Texts

enum : int {
  ColEnable = 1,
  ColName,
  ColType,
  ColLength,
  ColReadOnly,
  ColPosition,
  ColStartBit,
  ColConversion,
  ColFactor,
  ColSwap,
  ColSwapWord,
  ColMnemonic,
  ColumnCount
};

// One data column: its header and hint ids, width, cell colour and editor.
struct TVariableColumn {
  int Header;
  int Hint;
  int Width;
  TColor Color;
  TEditorType Editor;
  std::span<const char16_t* const> Items;
};

constexpr const char16_t* TypeItems[] = {u"Int", u"Float", u"Digital (Bit)"};
constexpr const char16_t* StartBitItems[] = {u"0", u"1", u"2", u"3", u"4", u"5", u"6", u"7"};
constexpr const char16_t* ConversionItems[] = {u"None", u"Int to Float", u"Float to Int"};
constexpr const char16_t* FactorItems[] = {u"None"};

constexpr TColor EnableColor = 0xB0D8FF, NameColor = 0xFEFAE0, TypeColor = 0xA8FFA8, ReadOnlyColor = 0xA8FFFF,
                 PositionColor = 0xF4D6FC, ConversionColor = 0xFFD5D5, MnemonicColor = 0xFFFFFF;

// Entry c - 1 is column c.
constexpr std::array<TVariableColumn, ColumnCount - 1> Columns = {{
    {3315, 3322, 50, EnableColor, edDataCheckBox, {}},
    {3316, 3323, 250, NameColor, edNormal, {}},
    {3317, 3324, 80, TypeColor, edComboList, TypeItems},
    {3318, 3325, 65, TypeColor, edNormal, {}},
    {3319, 3326, 65, ReadOnlyColor, edDataCheckBox, {}},
    {3320, 3327, 80, PositionColor, edNormal, {}},
    {3332, 3335, 60, PositionColor, edComboList, StartBitItems},
    {3333, 3336, 75, ConversionColor, edComboList, ConversionItems},
    {3334, 3337, 75, ConversionColor, edComboEdit, FactorItems},
    {3342, 3344, 45, ConversionColor, edDataCheckBox, {}},
    {3343, 3345, 80, ConversionColor, edDataCheckBox, {}},
    {3321, 3328, 128, MnemonicColor, edNormal, {}},
}};

constexpr std::array<int, ColumnCount - 1> HeaderIds = [] {
  std::array<int, ColumnCount - 1> ids{};
  for (size_t i = 0; i < ids.size(); ++i) ids[i] = Columns[i].Header;
  return ids;
}();
constexpr std::array<int, ColumnCount - 1> HintIds = [] {
  std::array<int, ColumnCount - 1> ids{};
  for (size_t i = 0; i < ids.size(); ++i) ids[i] = Columns[i].Hint;
  return ids;
}();

constexpr TTableFileColumn FileColumns[] = {
    {ColEnable, u"Enable", u"Y"},
    {ColName, u"Name", u""},
    {ColType, u"Type", u""},
    {ColLength, u"Length", u""},
    {ColReadOnly, u"ReadOnly", u"N"},
    {ColPosition, u"Position", u""},
    {ColStartBit, u"StartBit", u""},
    {ColConversion, u"Conversion", u""},
    {ColFactor, u"MultiplicationFactor", u""},
    {ColSwap, u"Swap", u"N"},
    {ColSwapWord, u"SwapWord", u"N"},
    {ColMnemonic, u"Mnemonic", u""},
};

TTableEditorSetup EditorSetup() {
  TTableEditorSetup setup;
  setup.Texts.Caption = 3300;
  setup.Texts.Description = 3301;
  setup.Texts.Buttons = {3302, 3303, 3304, 3305, 3306, 3307};
  setup.Texts.ButtonHints = {3308, 3309, 3310, 3311, 3312, 3313};
  setup.Texts.ErrorPrefix = Texts::ErrorRow;
  setup.Texts.DeleteQuestion = Texts::DeleteQuestion;
  setup.ClientWidth = 1155;
  setup.ClientHeight = 337;
  setup.FilePath = &IEC61850VariablesFile;
  setup.Root = QStringLiteral("IEC61850_Variables");
  return setup;
}

TEditorTableSetup VariableTable() {
  TEditorTableSetup table;
  table.Columns = FileColumns;
  table.KeyColumn = ColName;
  table.HasEnable = true;
  table.Headers = HeaderIds;
  table.Hints = HintIds;
  return table;
}

}  // namespace

TFIEC61850_Variables::TFIEC61850_Variables(TComponent* AOwner) : TTableEditorForm(AOwner, EditorSetup()) {
  PCG = Make<TPlexColumnGrid>(this, this, {0, 0, 100, 100});
  AddTable(PCG, VariableTable());
}

void TFIEC61850_Variables::Init_Tables() {
  PCG->BeginUpdate();
  PCG->SetColCount(ColumnCount);
  PCG->SetRowCount(TableRows);
  PCG->SetOptions(PCG->Options() + TGridOptions{goEditing, goColSizing});
  TGridColumnItem* numbers = PCG->Columns()[0];
  numbers->SetWidth(40);
  numbers->SetColor(EnableColor);
  numbers->SetAlignment(taCenter);
  for (int c = 1; c < ColumnCount; ++c) {
    const TVariableColumn& def = Columns[size_t(c - 1)];
    TGridColumnItem* column = PCG->Columns()[c];
    column->SetWidth(def.Width);
    column->SetColor(def.Color);
    column->SetEditor(def.Editor);
    if (def.Editor == edDataCheckBox) column->SetAlignment(taCenter);
    column->ComboItems().Clear();
    for (const char16_t* item : def.Items) column->ComboItems().Add(QString::fromUtf16(item));
  }
  PCG->EndUpdate();
}

void TFIEC61850_Variables::Set_Lang() {
  TTableEditorForm::Set_Lang();
  PCG->Columns()[0]->SetHeader(LangText(Texts::RowNumberHeader));
}

void TFIEC61850_Variables::SetColumnHeader(int, int ACol, const QString& Text) {
  PCG->Columns()[ACol]->SetHeader(Text);
}

void TFIEC61850_Variables::FillPositionLists() { NByte_IN = DataArraySize; }

bool TFIEC61850_Variables::CheckRow(int, int ARow) {
  const auto cell = [this, ARow](int ACol) { return PCG->GetCellEx(ACol, ARow); };
  const int length = TableCellInt(cell(ColLength));
  if (length < 1 || length > 4) return RowError(ARow, LangText(Texts::LengthRule));
  const int position = TableCellInt(cell(ColPosition));
  if (position < 0 || position > NByte_IN - 1)
    return RowError(ARow, LangText(Texts::PositionRule) + QString::number(NByte_IN - 1));
  if (cell(ColType) == QStringLiteral("Digital (Bit)") && TableTrim(cell(ColStartBit)).isEmpty())
    return RowError(ARow, LangText(Texts::StartBitRule));
  if (TableTrim(cell(ColConversion)).isEmpty()) return RowError(ARow, LangText(Texts::ConversionRule));
  const QString factor = TableTrim(cell(ColFactor));
  float value = 0;
  if (factor.toUpper() != QStringLiteral("NONE") && !TextToFloat(factor, GetDecimalSeparator(), value))
    return RowError(ARow, LangText(Texts::FactorRule));
  return true;
}
