#include "tables/snmp_ethernet/US7_Protocol_Set_Access.h"

#include "common/ShellState.h"
#include "common/UShared_Functions.h"
#include "common/tables/TableCells.h"
#include "grid/editing/PlexColumnGrid.h"
#include "platform/ExtCtrls.h"
#include "tables/snmp_ethernet/ColumnDef.h"

#include <array>

TFS7_Protocol_Set_Access* FS7_Protocol_Set_Access = nullptr;

namespace {
constexpr int TableRows = 513;
constexpr int ByteAreaSize = 1500;
constexpr int ReadTable = 0, WriteTable = 1;
constexpr int MaxWord = 65535, MaxPoll = 100000000;
constexpr int ErrorRow = 5170, DeleteQuestion = 5225;

constexpr const char16_t* PlcTypes[] = {u"Logo0BA8", u"S7200", u"S7300", u"S7400", u"S71200", u"S71500"};
constexpr const char16_t* DataTypes[] = {u"Bit", u"Byte", u"Char", u"Word", u"Int", u"DWord", u"DInt", u"Real"};
constexpr const char16_t* Identifiers[] = {u"OB", u"DB", u"SDB", u"FC", u"SFC", u"FB", u"SFB"};
constexpr const char16_t* Areas[] = {u"Direct peripheral access (P)", u"Inputs (I)", u"Output (Q)",
                                     u"Flags (M) (Merker)"};
constexpr const char16_t* Bits[] = {u"0", u"1", u"2", u"3", u"4", u"5", u"6", u"7"};

constexpr TColor EnableColor = 0xB0D8FF, PlcColor = 0xFEFAE0, VariableColor = 0xA8FFFF, SendColor = 0xA8FFA8,
                 PositionColor = 0xF4D6FC, NoteColor = 0xFFFFFF;

// Columns 0 to 13 of both pages.
constexpr TColumnDef PlcColumns[] = {
    {30},
    {50, EnableColor, edDataCheckBox},
    {100, PlcColor},
    {60, PlcColor},
    {75, PlcColor, edComboList, ItemList(PlcTypes)},
    {40, PlcColor},
    {40, PlcColor},
    {70, VariableColor, edComboList, ItemList(DataTypes)},
    {95, VariableColor, edComboList, ItemList(Identifiers)},
    {75, VariableColor},
    {150, VariableColor, edComboList, ItemList(Areas)},
    {60, VariableColor},
    {55, VariableColor, edComboList, ItemList(Bits)},
    {65, SendColor},
};
constexpr TColumnDef ReadTail[] = {
    {65, PositionColor, edComboList},
    {60, PositionColor, edComboList, ItemList(Bits)},
    {45, PositionColor, edDataCheckBox},
    {70, PositionColor, edDataCheckBox},
    {140, NoteColor},
};
constexpr TColumnDef WriteTail[] = {
    {70, SendColor, edDataCheckBox},
    {60, SendColor, edDataCheckBox},
    {65, PositionColor, edComboList},
    {60, PositionColor, edComboList, ItemList(Bits)},
    {45, PositionColor, edDataCheckBox},
    {70, PositionColor, edDataCheckBox},
    {140, NoteColor},
};

template <size_t N>
constexpr std::array<TColumnDef, std::size(PlcColumns) + N> PageColumns(const TColumnDef (&Tail)[N]) {
  std::array<TColumnDef, std::size(PlcColumns) + N> columns{};
  size_t i = 0;
  for (const TColumnDef& c : PlcColumns) columns[i++] = c;
  for (const TColumnDef& c : Tail) columns[i++] = c;
  return columns;
}
constexpr auto ReadColumns = PageColumns(ReadTail);
constexpr auto WriteColumns = PageColumns(WriteTail);

constexpr TTableFileColumn ReadFile[] = {
    {1, u"Enable", u"Y"}, {2, u"PLC_Address"}, {3, u"PLC_Port"},        {4, u"PLC_Type"},  {5, u"Rack", u"0"},
    {6, u"Slot", u"0"},   {7, u"Data_Type"},   {8, u"Data_Identifier"}, {9, u"DB_Number"}, {10, u"PLC_Area"},
    {11, u"PLC_Add"},     {12, u"PLC_Bit"},    {13, u"PollTime"},       {14, u"Position"}, {15, u"Bit"},
    {16, u"Swap"},        {17, u"SwapWord"},   {18, u"Mnemonic"},
};
constexpr TTableFileColumn WriteFile[] = {
    {1, u"Enable", u"Y"}, {2, u"PLC_Address"}, {3, u"PLC_Port"},        {4, u"PLC_Type"},  {5, u"Rack", u"0"},
    {6, u"Slot", u"0"},   {7, u"Data_Type"},   {8, u"Data_Identifier"}, {9, u"DB_Number"}, {10, u"PLC_Area"},
    {11, u"PLC_Add"},     {12, u"PLC_Bit"},    {13, u"PollTime"},       {14, u"OnChange"}, {15, u"OnCMD"},
    {16, u"Position"},    {17, u"Bit"},        {18, u"Swap"},           {19, u"SwapWord"}, {20, u"Mnemonic"},
};

constexpr int ReadHeaders[] = {5117, 5118, 5119, 5120, 5213, 5214, 5121, 5122, 5189,
                               5190, 5191, 5192, 5123, 5124, 5125, 5126, 5127, 5128};
constexpr int WriteHeaders[] = {5130, 5131, 5132, 5133, 5215, 5216, 5134, 5135, 5193, 5194,
                                5195, 5196, 5136, 5137, 5138, 5139, 5140, 5141, 5142, 5143};
constexpr int ReadHints[] = {5144, 5145, 5146, 5147, 5217, 5218, 5148, 5149, 5197,
                             5198, 5199, 5200, 5150, 5151, 5152, 5153, 5154, 5155};
constexpr int WriteHints[] = {5156, 5157, 5158, 5159, 5219, 5220, 5160, 5161, 5201, 5202,
                              5203, 5204, 5162, 5163, 5164, 5165, 5166, 5167, 5168, 5169};

constexpr int AddressCol = 2, PortCol = 3, TypeCol = 4, RackCol = 5, SlotCol = 6, DataTypeCol = 7, IdentifierCol = 8,
              DbCol = 9, AreaCol = 10, PlcAddCol = 11, PlcBitCol = 12, PollCol = 13;

// A page's texts and the columns that differ between the pages.
struct TPageRules {
  int Address, Port, Connections, Type, Rack, Slot, DataType, Identifier, Db, Area, PlcAdd, PlcBit, Poll, Position,
      StartBit;
  int MinPoll, PositionCol, StartBitCol;
};
constexpr TPageRules PageRules[] = {
    {5171, 5172, 5187, 5173, 5221, 5222, 5174, 5175, 5205, 5206, 5207, 5208, 5176, 5177, 5178, 1, 14, 15},
    {5179, 5180, 5188, 5181, 5223, 5224, 5182, 5183, 5209, 5210, 5211, 5212, 5184, 5185, 5186, 0, 16, 17},
};

TTableEditorSetup EditorSetup() {
  TTableEditorSetup setup;
  setup.Texts.Caption = 5100;
  setup.Texts.Description = 5101;
  setup.Texts.Buttons = {5102, 5103, 5104, 5105, 5106, 5107};
  setup.Texts.ButtonHints = {5108, 5109, 5110, 5111, 5112, 5113};
  setup.Texts.ErrorPrefix = ErrorRow;
  setup.Texts.DeleteQuestion = DeleteQuestion;
  setup.ClientWidth = 1350;
  setup.ClientHeight = 337;
  setup.FilePath = &S7ProtocolFile;
  setup.Root = "S7_Protocol";
  setup.TableCount = 2;
  return setup;
}

TEditorTableSetup PageSetup(const char* Section, std::span<const TTableFileColumn> Columns, int PageCaption,
                            std::span<const int> Headers, std::span<const int> Hints) {
  TEditorTableSetup table;
  table.Section = Section;
  table.Columns = Columns;
  table.KeyColumn = AddressCol;
  table.HasEnable = true;
  // "y" is no Enable here: the text must be "Y" itself.
  table.EnableMatch = TEditorTableSetup::Trimmed;
  table.PageCaption = PageCaption;
  table.Headers = Headers;
  table.Hints = Hints;
  return table;
}

bool InRange(const QString& Text, int Min, int Max) {
  const int value = TableCellInt(Text);
  return value >= Min && value <= Max;
}
}  // namespace

TFS7_Protocol_Set_Access::TFS7_Protocol_Set_Access(TComponent* AOwner) : TColumnGridEditor(AOwner, EditorSetup()) {
  PCG_S7_Read = AddColumnGrid(ReadColumns, TableRows,
                              PageSetup("S7_Protocol_Read", ReadFile, 5114, ReadHeaders, ReadHints), 5116);
  PCG_S7_Write = AddColumnGrid(WriteColumns, TableRows,
                               PageSetup("S7_Protocol_Write", WriteFile, 5115, WriteHeaders, WriteHints), 5129);
  TS_S7_Read = Pages[0];
  TS_S7_Write = Pages[1];
  OnShow = [this](TObject* Sender) { FormShow(Sender); };
}

void TFS7_Protocol_Set_Access::FillPositionLists() {
  NByte_IN = ByteAreaSize;
  NByte_OUT = ByteAreaSize;
  FillNumberItems(ReadTable, PageRules[ReadTable].PositionCol, NByte_IN);
  FillNumberItems(WriteTable, PageRules[WriteTable].PositionCol, NByte_OUT);
}

void TFS7_Protocol_Set_Access::FormShow(TObject* Sender) {
  PC_Tables->SetActivePageIndex(0);
  TTableEditorForm::FormShow(Sender);
}

int TFS7_Protocol_Set_Access::Check_IP_Port(int IP1, int IP2, int IP3, int IP4, int Port) {
  const TIPPort wanted{IP1, IP2, IP3, IP4, Port};
  for (int i = 0; i < int(array_ip_Port.size()); ++i) {
    TIPPort& slot = array_ip_Port[size_t(i)];
    if (slot == wanted) return i;
    if (slot == TIPPort{}) {
      slot = wanted;
      return i;
    }
  }
  return -1;
}

bool TFS7_Protocol_Set_Access::Controllo_Dati() {
  array_ip_Port.fill(TIPPort{});
  return TTableEditorForm::Controllo_Dati();
}

bool TFS7_Protocol_Set_Access::CheckRow(int Table, int ARow) {
  TPlexStringGrid* g = Grid(Table);
  const auto cell = [g, ARow](int ACol) { return g->GetCellEx(ACol, ARow); };
  const auto empty = [&cell](int ACol) { return TableTrim(cell(ACol)).isEmpty(); };
  const TPageRules& p = PageRules[Table];
  const int bytes = Table == ReadTable ? NByte_IN : NByte_OUT;
  uint8_t ip[4] = {};
  if (ParseIpAddressBytes(cell(AddressCol), ip[0], ip[1], ip[2], ip[3])) return RowError(ARow, LangText(p.Address));
  const int port = TableCellInt(cell(PortCol));
  if (port < 0 || port > MaxWord) return RowError(ARow, LangText(p.Port));
  if (Check_IP_Port(ip[0], ip[1], ip[2], ip[3], port) < 0) return RowError(ARow, LangText(p.Connections));
  if (empty(TypeCol)) return RowError(ARow, LangText(p.Type));
  if (!InRange(cell(RackCol), 0, 3)) return RowError(ARow, LangText(p.Rack));
  if (!InRange(cell(SlotCol), 0, 31)) return RowError(ARow, LangText(p.Slot));
  if (empty(DataTypeCol)) return RowError(ARow, LangText(p.DataType));
  if (empty(IdentifierCol)) return RowError(ARow, LangText(p.Identifier));
  if (!InRange(cell(DbCol), 0, MaxWord)) return RowError(ARow, LangText(p.Db));
  if (empty(AreaCol)) return RowError(ARow, LangText(p.Area));
  if (!InRange(cell(PlcAddCol), 0, MaxWord)) return RowError(ARow, LangText(p.PlcAdd));
  if (empty(PlcBitCol)) return RowError(ARow, LangText(p.PlcBit));
  if (!InRange(cell(PollCol), p.MinPoll, MaxPoll)) return RowError(ARow, LangText(p.Poll));
  if (!InRange(cell(p.PositionCol), 0, bytes - 1))
    return RowError(ARow, LangText(p.Position) + QString::number(bytes - 1));
  if (empty(p.StartBitCol)) return RowError(ARow, LangText(p.StartBit));
  return true;
}
