#include "tables/snmp_ethernet/UKNXAccess.h"

#include "common/ShellState.h"
#include "common/UShared_Functions.h"
#include "common/UValue_Checks.h"
#include "common/tables/RowOperations.h"
#include "common/tables/TableCells.h"
#include "grid/editing/PlexColumnGrid.h"
#include "platform/Files.h"
#include "platform/Xml.h"
#include "tables/snmp_ethernet/ColumnDef.h"

TFKNXAccess* FKNXAccess = nullptr;

namespace {
constexpr int TableRows = 1025;
constexpr int ByteAreaSize = 1500;
constexpr int EnableCol = 1, SourceCol = 2, DestCol = 3, ApciCol = 4, PriorityCol = 5, FormatCol = 6, FactorCol = 7,
              ExtendedCol = 8, OnTimerCol = 12, PollCol = 13, PositionCol = 14, BitModeCol = 15, LengthCol = 16,
              TimeOutCol = 17;
constexpr int MaxApci = 1023, MaxPoll = 100000000, MaxTimeOut = 100000000;

namespace Texts {
constexpr int ErrorRow = 5348, Source = 5349, DestIndividual = 5350, DestGroup = 5351, Apci = 5352, Priority = 5353,
              Format = 5354, Poll = 5355, Position = 5356, BitMode = 5357, Length = 5358, End = 5359,
              DeleteQuestion = 5360, Factor = 5365, TimeOut = 5366;
}

constexpr const char16_t* ApciItems[] = {u"Read", u"Write"};
constexpr const char16_t* Priorities[] = {u"System", u"Urgent", u"Normal", u"Low"};
constexpr const char16_t* Formats[] = {
    u"None",          u"Swap16", u"Swap32", u"Swap All", u"Int to Float", u"Float to Int", u"Float16 to Float32",
    u"Float16 to Int"};
constexpr const char16_t* BitModes[] = {u"No", u"0", u"1", u"2", u"3", u"4", u"5", u"6", u"7"};

constexpr TColor EnableColor = 0xB0D8FF, AddressColor = 0xFEFAE0, FrameColor = 0xA8FFFF, SendColor = 0xA8FFA8,
                 PositionColor = 0xF4D6FC, NoteColor = 0xFFFFFF;

constexpr TColumnDef Columns[] = {
    {35},
    {50, EnableColor, edDataCheckBox},
    {75, AddressColor},
    {75, AddressColor},
    {60, AddressColor, edComboEdit, ItemList(ApciItems)},
    {65, FrameColor, edComboList, ItemList(Priorities)},
    {120, FrameColor, edComboList, ItemList(Formats)},
    {75, FrameColor},
    {65, FrameColor, edDataCheckBox},
    {55, FrameColor, edDataCheckBox},
    {60, SendColor, edDataCheckBox},
    {70, SendColor, edDataCheckBox},
    {65, SendColor, edDataCheckBox},
    {65, SendColor},
    {65, PositionColor, edComboList},
    {65, PositionColor, edComboList, ItemList(BitModes)},
    {55, PositionColor},
    {96, PositionColor},
    {140, NoteColor},
};

constexpr TTableFileColumn FileColumns[] = {
    {1, u"Enable", u"Y"},
    {2, u"Source_Address"},
    {3, u"Destination_Address"},
    {4, u"APCI"},
    {5, u"Priority", u"Normal"},
    {6, u"Format", u"None"},
    {7, u"MultiplicationFactor", u""},
    {8, u"Extended"},
    {9, u"ReTest"},
    {10, u"On_Command", u"N"},
    {11, u"On_Change"},
    {12, u"On_Timer", u"N"},
    {13, u"Poll_Time"},
    {14, u"Position"},
    {15, u"Bit_Mode"},
    {16, u"Length"},
    {17, u"TimeOut", u"0"},
    {18, u"Mnemonic"},
};

constexpr int Headers[] = {5315, 5316, 5317, 5318, 5319, 5320, 5361, 5321, 5322,
                           5323, 5324, 5325, 5326, 5327, 5328, 5329, 5362, 5330};
constexpr int Hints[] = {5331, 5332, 5333, 5334, 5335, 5336, 5363, 5337, 5338,
                         5340, 5341, 5342, 5343, 5344, 5345, 5346, 5364, 5347};

// The longest Length by bit mode and frame kind.
constexpr int MaxLengthBitsExtended = 2040, MaxLengthBits = 112, MaxLengthExtended = 255, MaxLength = 14;

TTableEditorSetup EditorSetup() {
  TTableEditorSetup setup;
  setup.Texts.Caption = 5300;
  setup.Texts.Description = 5301;
  setup.Texts.Buttons = {5302, 5303, 5304, 5305, 5306, 5307};
  setup.Texts.ButtonHints = {5308, 5309, 5310, 5311, 5312, 5313};
  setup.Texts.ErrorPrefix = Texts::ErrorRow;
  setup.Texts.DeleteQuestion = Texts::DeleteQuestion;
  setup.ClientWidth = 1250;
  setup.ClientHeight = 337;
  setup.FilePath = &KNXSetAccessFile;
  setup.Root = "BACnet_to_KNX";
  return setup;
}

TEditorTableSetup TelegramTable() {
  TEditorTableSetup table;
  table.Section = "KNX_in_Write";
  table.Columns = FileColumns;
  table.KeyColumn = SourceCol;
  table.HasEnable = true;
  // "y" is no Enable here: the text must be "Y" itself.
  table.EnableMatch = TEditorTableSetup::Trimmed;
  table.Headers = Headers;
  table.Hints = Hints;
  return table;
}

bool IsPriority(const QString& Text) {
  for (const char16_t* p : Priorities)
    if (Text == QString::fromUtf16(p)) return true;
  return false;
}

bool InRange(int Value, int Min, int Max) { return Value >= Min && Value <= Max; }
}  // namespace

TFKNXAccess::TFKNXAccess(TComponent* AOwner) : TColumnGridEditor(AOwner, EditorSetup()) {
  PCG_KNX_in_Write = AddColumnGrid(Columns, TableRows, TelegramTable(), 5314);
  OnShow = [this](TObject* Sender) { FormShow(Sender); };
}

void TFKNXAccess::FillPositionLists() {
  Max_Num_Byte = ByteAreaSize;
  FillNumberItems(0, PositionCol, Max_Num_Byte);
}

void TFKNXAccess::FormShow(TObject* Sender) {
  TTableEditorForm::FormShow(Sender);
  // Only the rows the file gave: a priority the device does not know is shown as the usual one.
  const bool read = FileExists(KNXSetAccessFile) && XML1->Active();
  const TXmlNode section = read ? XML1->Root().ChildNode("KNX_in_Write") : TXmlNode();
  const int loaded = section.IsNull() ? 0 : std::min(section.ChildElementCount(), TableRows - 1);
  for (int r = 1; r <= loaded; ++r)
    if (!IsPriority(PCG_KNX_in_Write->GetCellEx(PriorityCol, r))) PCG_KNX_in_Write->SetCellEx(PriorityCol, r, "Normal");
}

void TFKNXAccess::Delete_Row(int ARow, TPlexStringGrid* Grid) { GridDeleteRow(ARow, Grid); }

void TFKNXAccess::DeleteTableRow(int, int ARow) { Delete_Row(ARow, PCG_KNX_in_Write); }

bool TFKNXAccess::Controllo_Dati() {
  FSeparator = GetDecimalSeparator();
  if (FSeparator != u'.' && FSeparator != u',') FSeparator = u',';
  return TTableEditorForm::Controllo_Dati();
}

bool TFKNXAccess::CheckRow(int, int ARow) {
  const auto cell = [this, ARow](int ACol) { return PCG_KNX_in_Write->GetCellEx(ACol, ARow); };
  const auto error = [this, ARow](int Text, const QString& After = QString()) {
    return RowError(ARow, LangText(Text) + After);
  };
  if (CheckKnxAddress(TableTrim(cell(SourceCol)), false, true) != 0) return error(Texts::Source);
  const QString dest = TableTrim(cell(DestCol));
  const bool group = HasNoDot(dest);
  if (CheckKnxAddress(dest, group, true) != 0) return error(group ? Texts::DestGroup : Texts::DestIndividual);
  const QString apci = TableTrim(cell(ApciCol)).toUpper();
  if (apci != "READ" && apci != "WRITE" && !InRange(TableCellInt(apci), 0, MaxApci)) return error(Texts::Apci);
  if (!IsPriority(cell(PriorityCol))) return error(Texts::Priority);
  if (TableTrim(cell(FormatCol)).isEmpty()) return error(Texts::Format);
  const QString factor = TableTrim(cell(FactorCol));
  float value = 0;
  if (!factor.isEmpty() && !TextToFloat(factor, FSeparator, value)) return error(Texts::Factor);
  if (cell(OnTimerCol).toUpper() == "Y" && !InRange(TableCellInt(cell(PollCol)), 1, MaxPoll)) return error(Texts::Poll);
  const int position = TableCellInt(cell(PositionCol));
  if (!InRange(position, 0, Max_Num_Byte - 1)) return error(Texts::Position, QString::number(Max_Num_Byte - 1));
  const QString bitMode = TableTrim(cell(BitModeCol)).toUpper();
  const bool bits = bitMode != "NO";
  const int startBit = bits ? TableCellInt(bitMode) : 0;
  if (bits && !InRange(startBit, 0, 7)) return error(Texts::BitMode);
  const bool extended = cell(ExtendedCol).toUpper() == "Y";
  const int limit =
      bits ? (extended ? MaxLengthBitsExtended : MaxLengthBits) : (extended ? MaxLengthExtended : MaxLength);
  const int length = TableCellInt(cell(LengthCol));
  if (!InRange(length, 1, limit)) return error(Texts::Length, QString::number(limit));
  const int used = bits ? (length + startBit + 7) / 8 : length;
  if (position + used > Max_Num_Byte) return error(Texts::End, QString::number(Max_Num_Byte));
  if (!InRange(TableCellInt(cell(TimeOutCol)), 0, MaxTimeOut)) return error(Texts::TimeOut);
  return true;
}
