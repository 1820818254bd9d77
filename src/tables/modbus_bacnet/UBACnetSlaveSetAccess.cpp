#include "tables/modbus_bacnet/UBACnetSlaveSetAccess.h"

#include "common/ShellState.h"
#include "common/tables/RowOperations.h"
#include "common/tables/TableCells.h"
#include "grid/editing/PlexColumnGrid.h"
#include "platform/Dialogs.h"
#include "platform/ExtCtrls.h"
#include "platform/Files.h"
#include "platform/StdCtrls.h"
#include "platform/Xml.h"
#include "tables/modbus_bacnet/TableColumns.h"
#include "tables/modbus_bacnet/UBACnet_Eng_Unit.h"

#include <array>

TFBACnetSlaveSetAccess* FBACnetSlaveSetAccess = nullptr;

namespace {

constexpr int TypeColumn = 1, UnitColumn = 2, PositionColumn = 3, BitColumn = 4, LengthColumn = 5, SwapColumn = 6;
constexpr int MaxEngUnit = 65535;
constexpr int ShortRows = 2001, LongRows = 1001;

constexpr const char16_t* ReadTypes[] = {
    u"Analog Input",       u"Analog Value",  u"Binary Input",      u"Binary Value",      u"Positive Integer Value",
    u"Large Analog Value", u"Integer Value", u"Multi State Input", u"Multi State Value", u"Life Safety Point",
    u"Life Safety Zone",   u"Access Door",   u"Accumulator"};
constexpr const char16_t* WriteTypes[] = {
    u"Analog Out",         u"Analog Value",  u"Binary Out",         u"Binary Value",      u"Positive Integer Value",
    u"Large Analog Value", u"Integer Value", u"Multi State Output", u"Multi State Value", u"Access Door"};
constexpr const char16_t* StartBits[] = {u"0", u"1", u"2", u"3", u"4", u"5", u"6", u"7"};

constexpr std::array<TTableColumn, 8> ReadColumns = {{
    {40, 2216},
    {150, 2217, u"Data_Type", nullptr, edComboList, clNone, ReadTypes},
    {100, 2218, u"Eng_Unit", nullptr, edNormal},
    {64, 2219, u"Position", nullptr, edComboList},
    {64, 2220, u"Bit", nullptr, edComboList, clNone, StartBits},
    {64, 2221, u"Length", nullptr, edNormal},
    {40, 2222, u"Swap", u"N", edDataCheckBox},
    {250, 2223, u"Mnemonic", nullptr, edNormal},
}};
constexpr std::array<TTableColumn, 8> WriteColumns = {{
    {40, 2224},
    {150, 2225, u"Data_Type", nullptr, edComboList, clNone, WriteTypes},
    {100, 2226, u"Eng_Unit", nullptr, edNormal},
    {64, 2227, u"Position", nullptr, edComboList},
    {64, 2228, u"Bit", nullptr, edComboList, clNone, StartBits},
    {64, 2229, u"Length", nullptr, edNormal},
    {40, 2230, u"Swap", u"N", edDataCheckBox},
    {250, 2231, u"Mnemonic", nullptr, edNormal},
}};
constexpr auto ReadFile = SavedColumns<ReadColumns>();
constexpr auto WriteFile = SavedColumns<WriteColumns>();

// The Length range of an object type and the text when it is left.
struct TLengthRule {
  const char16_t* Type;
  int Low, High;
  int Text;
};
constexpr TLengthRule ReadLengths[] = {{u"Analog Input", 1, 4, 2235},       {u"Positive Integer Value", 1, 4, 2236},
                                       {u"Large Analog Value", 1, 8, 2237}, {u"Analog Value", 1, 4, 2238},
                                       {u"Multi State Input", 1, 4, 2239},  {u"Multi State Value", 1, 4, 2240},
                                       {u"Life Safety Point", 1, 2, 2241},  {u"Life Safety Zone", 1, 2, 2242},
                                       {u"Access Door", 1, 1, 2243},        {u"Accumulator", 1, 4, 2244}};
constexpr TLengthRule WriteLengths[] = {
    {u"Analog Out", 1, 4, 2249},         {u"Analog Value", 1, 4, 2250},  {u"Positive Integer Value", 1, 4, 2251},
    {u"Large Analog Value", 1, 8, 2252}, {u"Integer Value", 1, 4, 2253}, {u"Multi State Output", 1, 4, 2254},
    {u"Multi State Value", 1, 4, 2255},  {u"Access Door", 1, 1, 2256}};

// The texts and the one-bit types of each table.
struct TObjectRules {
  std::span<const TLengthRule> Lengths;
  const char16_t* BitTypes[2];
  int TextUnit, TextPosition, TextBit, TextLastByte;
};
constexpr TObjectRules TableRules[] = {
    {ReadLengths, {u"Binary Input", u"Binary Value"}, 2233, 2234, 2245, 2246},
    {WriteLengths, {u"Binary Out", u"Binary Value"}, 2247, 2248, 2257, 2258},
};
constexpr int TextTooManyObjects = 2259;

// The Length a write type presets, by the upper-cased type.
constexpr std::pair<const char16_t*, const char16_t*> LengthPresets[] = {
    {u"ANALOG OUT", u"4"},         {u"ANALOG VALUE", u"4"},       {u"POSITIVE INTEGER VALUE", u"4"},
    {u"INTEGER VALUE", u"4"},      {u"MULTI STATE OUTPUT", u"4"}, {u"MULTI STATE VALUE", u"4"},
    {u"LARGE ANALOG VALUE", u"8"}, {u"BINARY OUT", u"1"},         {u"BINARY VALUE", u"1"},
    {u"ACCESS DOOR", u"1"},        {u"OCTET STRING", u"1"}};

TTableEditorSetup EditorSetup() {
  TTableEditorSetup setup;
  setup.Texts.Caption = 2200;
  setup.Texts.Description = 2201;
  setup.Texts.Buttons = {2202, 2203, 2204, 2205, 2206, 2207};
  setup.Texts.ButtonHints = {2210, 2211, 2212, 2213, 2214, 2215};
  setup.Texts.ErrorPrefix = 2232;
  setup.Texts.DeleteQuestion = 2260;
  setup.ClientWidth = 764;
  setup.ClientHeight = 337;
  setup.FilePath = &BACnetSlaveFile;
  setup.Root = QStringLiteral("BACnet_to_Modbus");
  setup.Version = QStringLiteral("1.003");
  setup.TableCount = 2;
  return setup;
}

// A Length that is no number counts as 0.
int LengthOf(const QString& Text) {
  const int value = TableCellInt(Text);
  if (value == -1 && TableTrim(Text) != QLatin1String("-1")) return 0;
  return value;
}

bool InRange(qint64 Value, qint64 Low, qint64 High) { return Value >= Low && Value <= High; }

}  // namespace

TFBACnetSlaveSetAccess::TFBACnetSlaveSetAccess(TComponent* AOwner) : TTableEditorForm(AOwner, EditorSetup()) {
  SetBorderStyle(bsSizeable);
  BorderIcons = biSystemMenu | biMaximize;
  PageControl1 = PC_Tables;
  TS_BACnet_in_Read = Pages.at(0);
  TS_BACnet_in_Write = Pages.at(1);
  PCG_BACnet_in_Read = new TPlexColumnGrid(this);
  PCG_BACnet_in_Write = new TPlexColumnGrid(this);
  const std::span<const TTableFileColumn> files[] = {ReadFile, WriteFile};
  for (int t = 0; t < 2; ++t) {
    TEditorTableSetup table;
    table.Section = t == 0 ? QStringLiteral("BACnet_in_Read") : QStringLiteral("BACnet_in_Write");
    table.Columns = files[t];
    table.KeyColumn = TypeColumn;
    table.PageCaption = 2208 + t;
    AddTable(ColumnGrid(t), table);
    ColumnGrid(t)->OnDblClickCell = [this](TObject* Sender, int ARow, int ACol) {
      GridDblClickCell(Sender, ARow, ACol);
    };
  }
  PCG_BACnet_in_Write->OnComboChange = [this](TObject* Sender, int ACol, int ARow, int AItemIndex,
                                              const QString& ASelection) {
    PCG_BACnet_in_WriteComboChange(Sender, ACol, ARow, AItemIndex, ASelection);
  };
  OnShow = [this](TObject* Sender) { FormShow(Sender); };
}

void TFBACnetSlaveSetAccess::Init_Tables() {
  BuildColumns(PCG_BACnet_in_Read, ReadColumns, ShortRows);
  BuildColumns(PCG_BACnet_in_Write, WriteColumns, ShortRows);
  PCG_BACnet_in_Read->HideColumn(SwapColumn);
  PCG_BACnet_in_Write->HideColumn(SwapColumn);
}

// The headers go into the cells of row 0.
void TFBACnetSlaveSetAccess::Set_Lang() {
  TTableEditorForm::Set_Lang();
  for (int c = 0; c < int(ReadColumns.size()); ++c) {
    PCG_BACnet_in_Read->SetCellEx(c, 0, LangText(ReadColumns[size_t(c)].Header));
    PCG_BACnet_in_Write->SetCellEx(c, 0, LangText(WriteColumns[size_t(c)].Header));
  }
}

// The row count follows BACnet_Desc_Chars_Limit before the rows are reset, so
// a showing after the limit changed neither writes past the grid nor keeps
// rows of the longer table.
void TFBACnetSlaveSetAccess::FormShow(TObject* Sender) {
  TS_BACnet_in_Read->SetTabVisible(true);
  TS_BACnet_in_Write->SetTabVisible(true);
  PageControl1->SetActivePageIndex(1);
  PageControl1->SetActivePageIndex(0);
  Desc_Lenght = Read_Desc_Lenght();
  const int rows = Desc_Lenght ? LongRows : ShortRows;
  PCG_BACnet_in_Read->SetRowCount(rows);
  PCG_BACnet_in_Write->SetRowCount(rows);
  TTableEditorForm::FormShow(Sender);
}

bool TFBACnetSlaveSetAccess::Read_Desc_Lenght() {
  if (ParGenFile.isEmpty() || !FileExists(ParGenFile)) return false;
  TXmlDocument document;
  if (!document.LoadFromFile(ParGenFile)) return false;
  const TXmlNode limit = document.Root().ChildNode(QStringLiteral("BACnet_Desc_Chars_Limit"));
  return !limit.IsNull() && limit.Text() == QLatin1String("1");
}

void TFBACnetSlaveSetAccess::FillPositionLists() {
  NByte_IN = AreaBytes;
  NByte_OUT = AreaBytes;
  FillNumberItems(PCG_BACnet_in_Read->Columns()[PositionColumn], NByte_IN);
  FillNumberItems(PCG_BACnet_in_Write->Columns()[PositionColumn], NByte_OUT);
}

void TFBACnetSlaveSetAccess::GridDblClickCell(TObject* Sender, int ARow, int ACol) {
  auto* grid = dynamic_cast<TPlexColumnGrid*>(Sender);
  if (grid && ARow >= 1 && grid->RealColIndex(ACol) == UnitColumn && FBACnet_Eng_Unit) {
    // The double click also opened the cell's editor: it gives up its text
    // now, so it cannot write it back over the chosen code later.
    if (grid->EditorMode()) grid->SetEditorMode(false);
    TFBACnet_Eng_Unit& dialog = *FBACnet_Eng_Unit;
    dialog.E_Selected_EU->SetText(grid->GetCellEx(UnitColumn, ARow));
    dialog.Show_Unit_Of(dialog.E_Selected_EU->Text());
    if (dialog.ShowModal() == mrOk) grid->SetCellEx(UnitColumn, ARow, dialog.E_Selected_EU->Text());
  }
  GridAutoSizeColumn(grid, ARow, ACol);
}

void TFBACnetSlaveSetAccess::PCG_BACnet_in_WriteComboChange(TObject*, int ACol, int ARow, int,
                                                            const QString& ASelection) {
  if (PCG_BACnet_in_Write->RealColIndex(ACol) != TypeColumn || ARow < 1) return;
  const QString type = ASelection.toUpper();
  for (const auto& [name, length] : LengthPresets)
    if (type == QString::fromUtf16(name))
      PCG_BACnet_in_Write->SetCellEx(LengthColumn, ARow, QString::fromUtf16(length));
}

bool TFBACnetSlaveSetAccess::CheckRow(int Table, int ARow) {
  const TObjectRules& rules = TableRules[Table];
  TPlexColumnGrid* grid = ColumnGrid(Table);
  const int area = Table == 0 ? NByte_IN : NByte_OUT;
  const QString type = grid->GetCellEx(TypeColumn, ARow);
  if (!InRange(TableCellInt(grid->GetCellEx(UnitColumn, ARow)), 0, MaxEngUnit))
    return RowError(ARow, LangText(rules.TextUnit));
  const qint64 position = TableCellInt(grid->GetCellEx(PositionColumn, ARow));
  if (!InRange(position, 0, area - 1)) return RowError(ARow, LangText(rules.TextPosition) + QString::number(area - 1));
  qint64 last = position;
  if (type == QString::fromUtf16(rules.BitTypes[0]) || type == QString::fromUtf16(rules.BitTypes[1])) {
    if (grid->GetCellEx(BitColumn, ARow).isEmpty()) return RowError(ARow, LangText(rules.TextBit));
  } else {
    const int length = LengthOf(grid->GetCellEx(LengthColumn, ARow));
    for (const TLengthRule& rule : rules.Lengths)
      if (type == QString::fromUtf16(rule.Type) && !InRange(length, rule.Low, rule.High))
        return RowError(ARow, LangText(rule.Text));
    last = position + length - 1;
  }
  if (last >= area) return RowError(ARow, LangText(rules.TextLastByte));
  return true;
}

bool TFBACnetSlaveSetAccess::Controllo_Dati() {
  if (!TTableEditorForm::Controllo_Dati()) return false;
  const size_t objects = RowsToCheck(0).size() + RowsToCheck(1).size();
  if (objects <= size_t(MaxObjects())) return true;
  MessageDlg(LangText(TextTooManyObjects) + QString::number(MaxObjects()), mtError, {mbOK});
  return false;
}
