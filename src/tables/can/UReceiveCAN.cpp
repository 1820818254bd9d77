#include "tables/can/UReceiveCAN.h"

#include "common/ShellState.h"
#include "grid/editing/PlexColumnGrid.h"
#include "tables/can/CanFrameRules.h"

#include <array>

TFReceiveCAN* FReceiveCAN = nullptr;

namespace {

constexpr int Rows = 513;
constexpr int ColCobID = 2, ColType = 3, ColDimension = 4, ColTimeOut = 5, ColByte1 = 6;
constexpr int ByteArraySize = 2000;
constexpr int MaxTimeOut = 100000000;

namespace Texts {
constexpr int ErrorRow = 2444, CobId11 = 2445, CobId29 = 2446, Dimension = 2447, TimeOut = 2448, OrNone = 2450;
constexpr int DeleteQuestion = 2458, FixedHeader = 2408;
constexpr std::array<int, 8> Bytes = {2449, 2451, 2452, 2453, 2454, 2455, 2456, 2457};
}  // namespace Texts

constexpr TCanColumn Columns[] = {
    {40},
    {50, CanColors::Enable, edDataCheckBox},
    {90, CanColors::Frame},
    {90, CanColors::Frame, edComboList},
    {70, CanColors::Frame},
    {75, CanColors::Timing},
    {48, CanColors::Position, edComboList},
    {48, CanColors::Position, edComboList},
    {48, CanColors::Position, edComboList},
    {48, CanColors::Position, edComboList},
    {48, CanColors::Position, edComboList},
    {48, CanColors::Position, edComboList},
    {48, CanColors::Position, edComboList},
    {48, CanColors::Position, edComboList},
    {185},
};

// A missing attribute keeps the reset cell ("Y" for Enable), but for the time-out.
constexpr TTableFileColumn FileColumns[] = {
    {1, u"Enable", u"Y"},  {2, u"COBID", u""},  {3, u"CAN_Type", u""}, {4, u"Dim", u""},
    {5, u"TimeOut", u"0"}, {6, u"Byte1", u""},  {7, u"Byte2", u""},    {8, u"Byte3", u""},
    {9, u"Byte4", u""},    {10, u"Byte5", u""}, {11, u"Byte6", u""},   {12, u"Byte7", u""},
    {13, u"Byte8", u""},   {14, u"Mnemonic", u""},
};

constexpr int Headers[] = {2409, 2410, 2411, 2412, 2413, 2414, 2415, 2416, 2417, 2418, 2419, 2420, 2421, 2422};
// 2433 belongs to no column.
constexpr int Hints[] = {2429, 2430, 2431, 2432, 2434, 2435, 2436, 2437, 2438, 2439, 2440, 2441, 2442, 2443};

TTableEditorSetup EditorSetup() {
  TTableEditorSetup setup;
  setup.Texts.Caption = 2400;
  setup.Texts.Description = 2401;
  setup.Texts.Buttons = {2402, 2403, 2404, 2405, 2406, 2407};
  setup.Texts.ButtonHints = {2423, 2424, 2425, 2426, 2427, 2428};
  setup.Texts.ErrorPrefix = Texts::ErrorRow;
  setup.Texts.DeleteQuestion = Texts::DeleteQuestion;
  setup.ClientWidth = 1010;
  setup.ClientHeight = 337;
  setup.FilePath = &CANRecFramesFile;
  setup.Root = QStringLiteral("Receive_Frames");
  return setup;
}

TEditorTableSetup ReceiveTable() {
  TEditorTableSetup table;
  table.Columns = FileColumns;
  table.KeyColumn = ColCobID;
  table.HasEnable = true;
  table.Headers = Headers;
  table.Hints = Hints;
  return table;
}

}  // namespace

TFReceiveCAN::TFReceiveCAN(TComponent* AOwner) : TCanTableForm(AOwner, EditorSetup()) {
  PCG_CAN_Receive = new TPlexColumnGrid(this);
  AddColumnGrid(PCG_CAN_Receive, ReceiveTable(), Columns, Rows, Texts::FixedHeader);
}

void TFReceiveCAN::Init_Tables() {
  Hint_ReceiveCAN = HintLists.front().get();
  TStringList& types = ColumnItems(0, ColType);
  types.Clear();
  types.Add(CanType11Bits());
  types.Add(CanType29Bits());
}

void TFReceiveCAN::FillPositionLists() {
  MAX_Byte = ByteArraySize;
  for (int k = 0; k < CanMaxDimension; ++k) FillPositionItems(ColumnItems(0, ColByte1 + k), MAX_Byte, true);
}

void TFReceiveCAN::AfterShow() {
  if (PCG_CAN_Receive->CanFocus()) PCG_CAN_Receive->SetFocus();
}

bool TFReceiveCAN::CheckRow(int, int ARow) {
  TPlexColumnGrid* grid = PCG_CAN_Receive;
  const QString type = grid->GetCellEx(ColType, ARow);
  if (!CanCobIdFits(grid->GetCellEx(ColCobID, ARow), type))
    return RowError(ARow, LangText(CanIs11Bits(type) ? Texts::CobId11 : Texts::CobId29));
  const int dimension = CanCellInt(grid->GetCellEx(ColDimension, ARow));
  if (!CanInRange(dimension, 1, CanMaxDimension)) return RowError(ARow, LangText(Texts::Dimension));
  if (!CanInRange(CanCellInt(grid->GetCellEx(ColTimeOut, ARow)), 0, MaxTimeOut))
    return RowError(ARow, LangText(Texts::TimeOut));
  if (const int k = CanFirstBadByte(grid, ARow, ColByte1, dimension, MAX_Byte))
    return RowError(ARow,
                    LangText(Texts::Bytes[size_t(k - 1)]) + QString::number(MAX_Byte - 1) + LangText(Texts::OrNone));
  return true;
}
