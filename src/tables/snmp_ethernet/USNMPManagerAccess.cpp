#include "tables/snmp_ethernet/USNMPManagerAccess.h"

#include "common/ShellState.h"
#include "common/UShared_Functions.h"
#include "common/UValue_Checks.h"
#include "common/tables/TableCells.h"
#include "grid/editing/PlexColumnGrid.h"
#include "platform/Dialogs.h"
#include "tables/snmp_ethernet/ColumnDef.h"

TFSNMPManagerAccess* FSNMPManagerAccess = nullptr;

namespace {
constexpr int TableRows = 513;
constexpr int ByteAreaSize = 1440;

constexpr int EnableCol = 1, IpCol = 2, VersionCol = 3, OidCol = 5, OnTimerCol = 10, TimeCol = 11, PositionCol = 12,
              NumBytesCol = 13, ConversionCol = 14, UserCol = 16, AuthPassCol = 17, PrivPassCol = 18, LevelCol = 19,
              AuthModeCol = 20, PrivModeCol = 21;

namespace Texts {
constexpr int ErrorRow = 4637, IpAddress = 4638, Time = 4645, NumBytes = 4646, Conversion = 4656;
// By the result 1 .. 6 of CheckOid.
constexpr int Oid[] = {4639, 4640, 4641, 4642, 4643, 4644};
// By the result 1 .. 3 of CheckSnmpV3Text.
constexpr int User[] = {4674, 4675, 4676};
constexpr int AuthPass[] = {4677, 4678, 4679};
constexpr int PrivPass[] = {4680, 4681, 4682};
constexpr int Level = 4683, AuthMode = 4684, PrivMode = 4685;
constexpr int InRows = 4686, And = 4687, SameRequest = 4688;
constexpr int DeleteQuestion = 4689;
}  // namespace Texts

constexpr int MaxTime = 100000000;
constexpr int MaxNumBytes = 1024;

constexpr const char16_t* VersionItems[] = {u"1", u"2", u"3"};
constexpr const char16_t* CommunityItems[] = {u"Harbor", u"Lantern"};
constexpr const char16_t* TypeItems[] = {u"String", u"Int"};
constexpr const char16_t* ModeItems[] = {u"Get", u"Set", u"Trap"};
constexpr const char16_t* ConversionItems[] = {u"None", u"Float", u"Float * 10", u"Float * 100"};
constexpr const char16_t* LevelItems[] = {u"NoAuth NoPriv", u"Auth NoPriv", u"Auth Priv"};
constexpr const char16_t* AuthItems[] = {u"MD5", u"SHA"};
constexpr const char16_t* PrivItems[] = {u"DES", u"AES"};

constexpr TColor EnableColor = 0xB0D8FF, AgentColor = 0xFEFAE0, RequestColor = 0xA8FFFF, SendColor = 0xA8FFA8,
                 PositionColor = 0xF4D6FC, SecurityColor = 0xFFD5D5, NoteColor = 0xFFFFFF;

constexpr TColumnDef Columns[] = {
    {30},
    {50, EnableColor, edDataCheckBox},
    {100, AgentColor},
    {55, AgentColor, edComboList, ItemList(VersionItems)},
    {110, AgentColor, edComboEdit, ItemList(CommunityItems)},
    {130, RequestColor},
    {55, RequestColor, edComboList, ItemList(TypeItems)},
    {55, RequestColor, edComboList, ItemList(ModeItems)},
    {70, SendColor, edDataCheckBox},
    {60, SendColor, edDataCheckBox},
    {65, SendColor, edDataCheckBox},
    {60, SendColor},
    {65, PositionColor, edComboList},
    {75, PositionColor},
    {90, PositionColor, edComboList, ItemList(ConversionItems)},
    {55, PositionColor, edDataCheckBox},
    {80, SecurityColor},
    {80, SecurityColor},
    {80, SecurityColor},
    {110, SecurityColor, edComboList, ItemList(LevelItems)},
    {75, SecurityColor, edComboList, ItemList(AuthItems)},
    {75, SecurityColor, edComboList, ItemList(PrivItems)},
    {150, NoteColor},
};

constexpr TTableFileColumn FileColumns[] = {
    {1, u"Enable", u"Y"},
    {2, u"IP_Address", u""},
    {3, u"Version", u""},
    {4, u"Community_String", u""},
    {5, u"OID", u""},
    {6, u"Type", u""},
    {7, u"Mode", u""},
    {8, u"On_Change", u"N"},
    {9, u"On_Command", u"N"},
    {10, u"On_Timer", u"N"},
    {11, u"Time", u""},
    {12, u"Position", u""},
    {13, u"Number_Bytes", u""},
    {14, u"ConvertFrom", u"None"},
    {15, u"Cancel", u"N"},
    {16, u"User", u""},
    {17, u"Auth_Pass", u""},
    {18, u"Priv_Pass", u""},
    {19, u"Security_Level", u""},
    {20, u"Auth_Mode", u""},
    {21, u"Priv_Mode", u""},
    {22, u"Mnemonic", u""},
};

// Text ids by data column (entry c - 1 for column c).
constexpr int Headers[] = {4609, 4610, 4611, 4612, 4613, 4614, 4615, 4616, 4617, 4618, 4619,
                           4620, 4621, 4654, 4660, 4662, 4663, 4664, 4665, 4666, 4667, 4622};
constexpr int Hints[] = {4623, 4624, 4625, 4626, 4627, 4628, 4629, 4630, 4631, 4632, 4633,
                         4634, 4635, 4655, 4661, 4668, 4669, 4670, 4671, 4672, 4673, 4636};

TTableEditorSetup EditorSetup() {
  TTableEditorSetup setup;
  setup.Texts.Caption = 4600;
  setup.Texts.Description = 4601;
  setup.Texts.Buttons = {4602, 4603, 4604, 4605, 4606, 4607};
  setup.Texts.ButtonHints = {4648, 4649, 4650, 4651, 4652, 4653};
  setup.Texts.ErrorPrefix = Texts::ErrorRow;
  setup.Texts.DeleteQuestion = Texts::DeleteQuestion;
  setup.ClientWidth = 1230;
  setup.ClientHeight = 337;
  setup.FilePath = &SNMPManagerFile;
  setup.Root = "SNMP_Manager_Access";
  return setup;
}

TEditorTableSetup RequestTable() {
  TEditorTableSetup table;
  table.Columns = FileColumns;
  table.KeyColumn = IpCol;
  table.HasEnable = true;
  // Unlike most tables, "y" is no Enable here: the text must be "Y" itself.
  table.EnableMatch = TEditorTableSetup::Trimmed;
  table.Headers = Headers;
  table.Hints = Hints;
  return table;
}
}  // namespace

TFSNMPManagerAccess::TFSNMPManagerAccess(TComponent* AOwner) : TColumnGridEditor(AOwner, EditorSetup()) {
  PCG_SNMP = AddColumnGrid(Columns, TableRows, RequestTable(), 4608);
  OnShow = [this](TObject* Sender) { FormShow(Sender); };
}

void TFSNMPManagerAccess::FillPositionLists() { FillNumberItems(0, PositionCol, ByteAreaSize); }

void TFSNMPManagerAccess::FormShow(TObject* Sender) {
  TTableEditorForm::FormShow(Sender);
  if (PCG_SNMP->CanFocus()) PCG_SNMP->SetFocus();
}

bool TFSNMPManagerAccess::Controllo_Dati() { return TTableEditorForm::Controllo_Dati() && CheckDuplicates(); }

bool TFSNMPManagerAccess::CheckRow(int, int ARow) {
  const auto cell = [this, ARow](int ACol) { return PCG_SNMP->GetCellEx(ACol, ARow); };
  QString octets[4];
  if (!SplitIpAddress(cell(IpCol), octets[0], octets[1], octets[2], octets[3]))
    return RowError(ARow, LangText(Texts::IpAddress));
  // An empty OID holds no number: CheckOid answers 2 for it.
  if (const int oid = CheckOid(cell(OidCol)); oid != 0) return RowError(ARow, LangText(Texts::Oid[oid - 1]));
  if (TableTrim(cell(OnTimerCol)) == "Y") {
    const int time = TableCellInt(cell(TimeCol));
    if (time < 1 || time > MaxTime) return RowError(ARow, LangText(Texts::Time));
  }
  const int bytes = TableCellInt(cell(NumBytesCol));
  if (bytes < 0 || bytes > MaxNumBytes) return RowError(ARow, LangText(Texts::NumBytes));
  if (TableTrim(cell(ConversionCol)).isEmpty()) return RowError(ARow, LangText(Texts::Conversion));
  if (TableCellInt(cell(VersionCol)) == 3) return CheckVersion3(ARow);
  return true;
}

bool TFSNMPManagerAccess::CheckVersion3(int ARow) {
  const auto cell = [this, ARow](int ACol) { return PCG_SNMP->GetCellEx(ACol, ARow); };
  struct TTextRule {
    int Col;
    bool UserName;
    const int* Texts;
  };
  const TTextRule rules[] = {
      {UserCol, true, Texts::User}, {AuthPassCol, false, Texts::AuthPass}, {PrivPassCol, false, Texts::PrivPass}};
  for (const TTextRule& rule : rules)
    if (const int code = CheckSnmpV3Text(cell(rule.Col), rule.UserName); code != 0)
      return RowError(ARow, LangText(rule.Texts[code - 1]));
  const int level = SnmpSecurityLevelCode(cell(LevelCol));
  if (level < 0) return RowError(ARow, LangText(Texts::Level));
  if ((level & 1) && TableTrim(cell(AuthModeCol)).isEmpty()) return RowError(ARow, LangText(Texts::AuthMode));
  if ((level & 2) && TableTrim(cell(PrivModeCol)).isEmpty()) return RowError(ARow, LangText(Texts::PrivMode));
  return true;
}

bool TFSNMPManagerAccess::CheckDuplicates() {
  const auto key = [this](int ARow) {
    return QStringList{TableTrim(PCG_SNMP->GetCellEx(IpCol, ARow)), TableTrim(PCG_SNMP->GetCellEx(VersionCol, ARow)),
                       TableTrim(PCG_SNMP->GetCellEx(OidCol, ARow))};
  };
  int end = 1;
  while (end < PCG_SNMP->RowCount() && !TableTrim(PCG_SNMP->GetCellEx(IpCol, end)).isEmpty()) ++end;
  for (int b = 1; b < end; ++b) {
    if (!EnableOn(0, b)) continue;
    for (int e = b + 1; e < end; ++e) {
      if (!EnableOn(0, e) || key(b) != key(e)) continue;
      MessageDlg(LangText(Texts::InRows) + QString::number(b) + LangText(Texts::And) + QString::number(e) +
                     LangText(Texts::SameRequest),
                 mtError, {mbOK});
      return false;
    }
  }
  return true;
}
