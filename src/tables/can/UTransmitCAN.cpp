#include "tables/can/UTransmitCAN.h"

#include "common/ShellState.h"
#include "common/tables/TableCells.h"
#include "grid/editing/PlexColumnGrid.h"
#include "platform/Xml.h"
#include "tables/can/CanFrameRules.h"

#include <array>

TFTransmitCAN* FTransmitCAN = nullptr;

namespace {

constexpr int Rows = 513;
constexpr int ColCobID = 2, ColType = 3, ColDimension = 4, ColOnTimer = 7, ColTime = 8, ColByte1 = 9;
constexpr int ByteArraySize = 2500;
constexpr int MaxTime = 100000000;

namespace Texts {
constexpr int ErrorRow = 2547, CobId11 = 2548, CobId29 = 2549, Dimension = 2550, Time = 2551, OrNone = 2553;
constexpr int DeleteQuestion = 2561, FixedHeader = 2508;
constexpr std::array<int, 8> Bytes = {2552, 2554, 2555, 2556, 2557, 2558, 2559, 2560};
}  // namespace Texts

constexpr TCanColumn Columns[] = {
    {40},
    {50, CanColors::Enable, edDataCheckBox},
    {90, CanColors::Frame},
    {90, CanColors::Frame, edComboList},
    {70, CanColors::Frame},
    {65, CanColors::Timing, edDataCheckBox},
    {50, CanColors::Timing, edDataCheckBox},
    {55, CanColors::Timing, edDataCheckBox},
    {70, CanColors::Timing},
    {48, CanColors::Position, edComboList},
    {48, CanColors::Position, edComboList},
    {48, CanColors::Position, edComboList},
    {48, CanColors::Position, edComboList},
    {48, CanColors::Position, edComboList},
    {48, CanColors::Position, edComboList},
    {48, CanColors::Position, edComboList},
    {48, CanColors::Position, edComboList},
    {110},
};

// Time has no default of its own: RowLoaded gives it one from the row's OnTimer.
constexpr TTableFileColumn FileColumns[] = {
    {1, u"Enable", u"Y"},   {2, u"COBID", u""},    {3, u"CAN_Type", u"2.0A (11 bits)"},
    {4, u"Dim", u""},       {5, u"OnChange", u"Y"}, {6, u"OnCMD", u"N"},
    {7, u"OnTimer", u"N"},  {8, u"Time", u""},      {9, u"Byte1", u""},
    {10, u"Byte2", u""},    {11, u"Byte3", u""},    {12, u"Byte4", u""},
    {13, u"Byte5", u""},    {14, u"Byte6", u""},    {15, u"Byte7", u""},
    {16, u"Byte8", u""},    {17, u"Mnemonic", u""},
};

// The OnCMD column came last to the block: its header and hint stand at its end.
constexpr int Headers[] = {2509, 2510, 2511, 2512, 2513, 2562, 2514, 2515, 2516,
                           2517, 2518, 2519, 2520, 2521, 2522, 2523, 2524};
constexpr int Hints[] = {2531, 2532, 2533, 2534, 2535, 2563, 2536, 2537, 2538,
                         2539, 2540, 2541, 2542, 2543, 2544, 2545, 2546};

TTableEditorSetup EditorSetup() {
  TTableEditorSetup setup;
  setup.Texts.Caption = 2500;
  setup.Texts.Description = 2501;
  setup.Texts.Buttons = {2502, 2503, 2504, 2505, 2506, 2507};
  setup.Texts.ButtonHints = {2525, 2526, 2527, 2528, 2529, 2530};
  setup.Texts.ErrorPrefix = Texts::ErrorRow;
  setup.Texts.DeleteQuestion = Texts::DeleteQuestion;
  setup.ClientWidth = 1100;
  setup.ClientHeight = 337;
  setup.FilePath = &CANSendFramesFile;
  setup.Root = QStringLiteral("Transmit_Frames");
  return setup;
}

}  // namespace

TFTransmitCAN::TFTransmitCAN(TComponent* AOwner) : TCanTableForm(AOwner, EditorSetup()) {
  PCG_CAN_Transmit = new TPlexColumnGrid(this);
  TEditorTableSetup table;
  table.Columns = FileColumns;
  table.KeyColumn = ColCobID;
  table.HasEnable = true;
  table.Headers = Headers;
  table.Hints = Hints;
  table.RowLoadHook = [this](const TXmlNode& Row, int ARow) { RowLoaded(Row, ARow); };
  AddColumnGrid(PCG_CAN_Transmit, table, Columns, Rows, Texts::FixedHeader);
}

void TFTransmitCAN::Init_Tables() {
  Hint_TransmitCAN = HintLists.front().get();
  TStringList& types = ColumnItems(0, ColType);
  types.Clear();
  types.Add(CanType11Bits());
  types.Add(CanType29Bits());
}

// A row read without its time gets 0 only when it is sent on the timer.
void TFTransmitCAN::RowLoaded(const TXmlNode& Row, int ARow) {
  if (!Row.HasAttribute(QStringLiteral("Time")) && PCG_CAN_Transmit->GetCellEx(ColOnTimer, ARow) == "Y")
    PCG_CAN_Transmit->SetCellEx(ColTime, ARow, QStringLiteral("0"));
}

void TFTransmitCAN::FillPositionLists() {
  MAX_Byte = ByteArraySize;
  for (int k = 0; k < CanMaxDimension; ++k) FillPositionItems(ColumnItems(0, ColByte1 + k), MAX_Byte, true);
}

void TFTransmitCAN::AfterShow() {
  Hint_TransmitCAN->Clear();
  for (int id : Hints) Hint_TransmitCAN->Add(LangText(id));
  if (PCG_CAN_Transmit->CanFocus()) PCG_CAN_Transmit->SetFocus();
}

bool TFTransmitCAN::CheckRow(int, int ARow) {
  TPlexColumnGrid* grid = PCG_CAN_Transmit;
  const QString type = grid->GetCellEx(ColType, ARow);
  if (!CanCobIdFits(grid->GetCellEx(ColCobID, ARow), type))
    return RowError(ARow, LangText(CanIs11Bits(type) ? Texts::CobId11 : Texts::CobId29));
  const int dimension = CanCellInt(grid->GetCellEx(ColDimension, ARow));
  if (!CanInRange(dimension, 1, CanMaxDimension)) return RowError(ARow, LangText(Texts::Dimension));
  if (TableFlagOn(grid->GetCellEx(ColOnTimer, ARow)) &&
      !CanInRange(CanCellInt(grid->GetCellEx(ColTime, ARow)), 0, MaxTime))
    return RowError(ARow, LangText(Texts::Time));
  if (const int k = CanFirstBadByte(grid, ARow, ColByte1, dimension, MAX_Byte))
    return RowError(ARow,
                    LangText(Texts::Bytes[size_t(k - 1)]) + QString::number(MAX_Byte - 1) + LangText(Texts::OrNone));
  return true;
}
