#include "tables/snmp_ethernet/USNMP_Trap_Access.h"

#include "common/ShellState.h"
#include "common/UShared_Functions.h"
#include "common/tables/TableCells.h"
#include "grid/editing/PlexColumnGrid.h"
#include "platform/Dialogs.h"
#include "platform/ExtCtrls.h"
#include "tables/snmp_ethernet/ColumnDef.h"

TFSNMP_Trap_Access* FSNMP_Trap_Access = nullptr;

namespace {
constexpr int TableRows = 257;
constexpr int ByteAreaSize = 1440;
constexpr int ReadTable = 0, WriteTable = 1;

namespace Texts {
constexpr int ErrorRow = 4760, DescriptionsDiffer = 4780, DeleteQuestion = 4787;
}

constexpr const char16_t* CommunityItems[] = {u"Harbor", u"Lantern"};
constexpr const char16_t* TypeItems[] = {u"Int", u"String"};
constexpr const char16_t* BitItems[] = {u"0", u"1", u"2", u"3", u"4", u"5", u"6", u"7"};
constexpr const char16_t* ConversionItems[] = {u"None",        u"Float",      u"Float * 10",
                                               u"Float * 100", u"Float / 10", u"Float / 100"};
constexpr int NameLength = 15;

constexpr TColor EnableColor = 0xB0D8FF, NameColor = 0xFEFAE0, SendColor = 0xA8FFA8, PositionColor = 0xF4D6FC,
                 ObjectColor = 0xA8FFFF, NoteColor = 0xFFFFFF;

constexpr TColumnDef ReadColumns[] = {
    {30},
    {50, EnableColor, edDataCheckBox},
    {110, NameColor, edComboEdit, ItemList(CommunityItems), NameLength},
    {60, NameColor, edComboList, ItemList(TypeItems)},
    {70, SendColor, edDataCheckBox},
    {60, SendColor, edDataCheckBox},
    {65, SendColor, edDataCheckBox},
    {70, SendColor},
    {65, PositionColor, edComboList},
    {60, PositionColor, edComboList, ItemList(BitItems)},
    {95, PositionColor},
    {120, ObjectColor, edNormal, {}, NameLength},
    {110, ObjectColor},
    {95, ObjectColor, edComboList, ItemList(ConversionItems)},
    {160, NoteColor},
};
constexpr TColumnDef WriteColumns[] = {
    {30},
    {50, EnableColor, edDataCheckBox},
    {110, NameColor, edComboEdit, ItemList(CommunityItems), NameLength},
    {60, NameColor, edComboList, ItemList(TypeItems)},
    {65, PositionColor, edComboList},
    {60, PositionColor, edComboList, ItemList(BitItems)},
    {95, PositionColor},
    {120, ObjectColor, edNormal, {}, NameLength},
    {95, ObjectColor, edComboList, ItemList(ConversionItems)},
    {380, NoteColor},
};

constexpr TTableFileColumn ReadFile[] = {
    {1, u"Enable", u"Y"},
    {2, u"Community_Name", u""},
    {3, u"Type", u""},
    {4, u"On_Change", u"N"},
    {5, u"On_Command", u"N"},
    {6, u"On_Timer", u"N"},
    {7, u"Time", u""},
    {8, u"Position", u""},
    {9, u"Bit", u""},
    {10, u"NumBits", u""},
    {11, u"Description", u""},
    {12, u"IP_Address", u""},
    {13, u"Conversion", u"None"},
    {14, u"Mnemonic", u""},
};
constexpr TTableFileColumn WriteFile[] = {
    {1, u"Enable", u"Y"},  {2, u"Community_Name", u""}, {3, u"Type", u""},        {4, u"Position", u""},
    {5, u"Bit", u""},      {6, u"NumBits", u""},        {7, u"Description", u""}, {8, u"Conversion", u"None"},
    {9, u"Mnemonic", u""},
};

// Text ids by data column (entry c - 1 for column c).
constexpr int ReadHeaders[] = {4717, 4718, 4719, 4720, 4721, 4722, 4723, 4724, 4725, 4726, 4727, 4728, 4781, 4729};
constexpr int WriteHeaders[] = {4731, 4732, 4733, 4734, 4735, 4736, 4737, 4782, 4738};
constexpr int ReadHints[] = {4739, 4740, 4741, 4742, 4743, 4744, 4745, 4746, 4747, 4748, 4749, 4750, 4783, 4751};
constexpr int WriteHints[] = {4752, 4753, 4754, 4755, 4756, 4757, 4758, 4784, 4759};

// The columns the rules read, on each page.
struct TRulesColumns {
  int Community, Type, Position, Bit, NumBits, Description, Conversion;
};
constexpr TRulesColumns ReadCols{2, 3, 8, 9, 10, 11, 13};
constexpr TRulesColumns WriteCols{2, 3, 4, 5, 6, 7, 8};
constexpr int ReadOnTimer = 6, ReadTime = 7, ReadIpAddress = 12;

// The rule texts of a page, in the order of its rules.
struct TRuleTexts {
  int Community, Type, Position, Bit, BitString, Bits, Bytes, Description, Conversion;
};
constexpr TRuleTexts ReadTexts{4776, 4761, 4763, 4764, 4765, 4766, 4767, 4777, 4785};
constexpr TRuleTexts WriteTexts{4778, 4769, 4770, 4771, 4772, 4773, 4774, 4779, 4786};
constexpr int TextReadTime = 4762, TextReadIpAddress = 4768;
constexpr int MaxTime = 1000000000;

TTableEditorSetup EditorSetup() {
  TTableEditorSetup setup;
  setup.Texts.Caption = 4700;
  setup.Texts.Description = 4701;
  setup.Texts.Buttons = {4702, 4703, 4704, 4705, 4706, 4707};
  setup.Texts.ButtonHints = {4710, 4711, 4712, 4713, 4714, 4715};
  setup.Texts.ErrorPrefix = Texts::ErrorRow;
  setup.Texts.DeleteQuestion = Texts::DeleteQuestion;
  setup.ClientWidth = 1256;
  setup.ClientHeight = 337;
  setup.FilePath = &SNMPTrapFile;
  setup.Root = "SNMP_Trap";
  setup.TableCount = 2;
  return setup;
}

TEditorTableSetup PageSetup(const char* Section, std::span<const TTableFileColumn> Columns, int PageCaption,
                            std::span<const int> Headers, std::span<const int> Hints) {
  TEditorTableSetup table;
  table.Section = Section;
  table.Columns = Columns;
  table.KeyColumn = 2;
  table.HasEnable = true;
  table.PageCaption = PageCaption;
  table.Headers = Headers;
  table.Hints = Hints;
  return table;
}

bool IsAsciiLetterOrDigit(QChar c) {
  return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9');
}
}  // namespace

TFSNMP_Trap_Access::TFSNMP_Trap_Access(TComponent* AOwner) : TColumnGridEditor(AOwner, EditorSetup()) {
  PCG_SNMP_Read =
      AddColumnGrid(ReadColumns, TableRows, PageSetup("SNMP_Trap_Read", ReadFile, 4708, ReadHeaders, ReadHints), 4716);
  PCG_SNMP_Write = AddColumnGrid(WriteColumns, TableRows,
                                 PageSetup("SNMP_Trap_Write", WriteFile, 4709, WriteHeaders, WriteHints), 4730);
  TS_SNMP_Read = Pages[0];
  TS_SNMP_Write = Pages[1];
  for (TPlexColumnGrid* grid : {PCG_SNMP_Read, PCG_SNMP_Write})
    grid->OnCheckBoxClick = [this](TObject* Sender, int ACol, int ARow, bool State) {
      PCG_SNMP_ReadCheckBoxClick(Sender, ACol, ARow, State);
    };
  OnShow = [this](TObject* Sender) { FormShow(Sender); };
}

void TFSNMP_Trap_Access::FillPositionLists() {
  NByte_IN = ByteAreaSize;
  NByte_OUT = ByteAreaSize;
  FillNumberItems(ReadTable, ReadCols.Position, NByte_IN);
  FillNumberItems(WriteTable, WriteCols.Position, NByte_OUT);
}

void TFSNMP_Trap_Access::FormShow(TObject* Sender) {
  TTableEditorForm::FormShow(Sender);
  Index_Row_Build(PCG_SNMP_Read);
  Index_Row_Build(PCG_SNMP_Write);
}

void TFSNMP_Trap_Access::PCG_SNMP_ReadCheckBoxClick(TObject* Sender, int ACol, int, bool) {
  if (ACol != 1) return;
  if (auto* grid = dynamic_cast<TPlexStringGrid*>(Sender)) Index_Row_Build(grid);
}

void TFSNMP_Trap_Access::Index_Row_Build(TPlexStringGrid* Grid) {
  int counter = 1;
  for (int r = 1; r < Grid->RowCount(); ++r) {
    if (Grid->GetCellEx(1, r).toUpper() == "Y")
      Grid->SetCellEx(0, r, QString::number(counter++));
    else
      Grid->SetCellEx(0, r, QString());
  }
}

bool TFSNMP_Trap_Access::Check_Error_CommName_Desc(const QString& Text, int CheckType) {
  for (QChar c : Text)
    if (!IsAsciiLetterOrDigit(c)) return true;
  return CheckType == 1 && !Text.isEmpty() && !(Text[0] >= u'a' && Text[0] <= u'z');
}

bool TFSNMP_Trap_Access::Controllo_Dati() {
  SL_Check_Desc.Clear();
  if (!TTableEditorForm::Controllo_Dati()) return false;
  for (int i = 0; i < SL_Check_Desc.Count(); ++i)
    for (int j = i + 1; j < SL_Check_Desc.Count(); ++j)
      if (SL_Check_Desc[i] == SL_Check_Desc[j]) {
        MessageDlg(LangText(Texts::DescriptionsDiffer), mtError, {mbOK});
        return false;
      }
  return true;
}

bool TFSNMP_Trap_Access::CheckRow(int Table, int ARow) {
  // The read page checks the two rules of its traps (time, manager address)
  // among the rules both pages share.
  const bool read = Table == ReadTable;
  TPlexStringGrid* g = Grid(Table);
  const auto cell = [g, ARow](int ACol) { return g->GetCellEx(ACol, ARow); };
  const TRulesColumns& c = read ? ReadCols : WriteCols;
  const TRuleTexts& t = read ? ReadTexts : WriteTexts;
  if (Check_Error_CommName_Desc(cell(c.Community), 0)) return RowError(ARow, LangText(t.Community));
  if (TableTrim(cell(c.Type)).isEmpty()) return RowError(ARow, LangText(t.Type));
  if (read && cell(ReadOnTimer).toUpper() == "Y") {
    const int time = TableCellInt(cell(ReadTime));
    if (time < 1 || time > MaxTime) return RowError(ARow, LangText(TextReadTime));
  }
  if (TableTrim(cell(c.Position)).isEmpty()) return RowError(ARow, LangText(t.Position));
  if (TableTrim(cell(c.Bit)).isEmpty()) return RowError(ARow, LangText(t.Bit));
  const bool integer = cell(c.Type).toUpper() == "INT";
  if (!integer && TableTrim(cell(c.Bit)) != "0") return RowError(ARow, LangText(t.BitString));
  const int size = TableCellInt(cell(c.NumBits));
  if (integer && (size < 1 || size > 64)) return RowError(ARow, LangText(t.Bits));
  if (!integer && (size < 1 || size > 16)) return RowError(ARow, LangText(t.Bytes));
  if (Check_Error_CommName_Desc(cell(c.Description), 1)) return RowError(ARow, LangText(t.Description));
  SL_Check_Desc.Add(cell(c.Description));
  QString octets[4];
  if (read && !SplitIpAddress(cell(ReadIpAddress), octets[0], octets[1], octets[2], octets[3]))
    return RowError(ARow, LangText(TextReadIpAddress));
  if (!g->IsHiddenColumn(c.Conversion) && TableTrim(cell(c.Conversion)).isEmpty())
    return RowError(ARow, LangText(t.Conversion));
  return true;
}
