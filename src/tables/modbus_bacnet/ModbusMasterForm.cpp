#include "tables/modbus_bacnet/ModbusMasterForm.h"

#include "common/ShellState.h"
#include "common/tables/TableCells.h"
#include "grid/editing/PlexColumnGrid.h"
#include "platform/ExtCtrls.h"

namespace {
constexpr int MaxAddress = 65535;
constexpr int MaxSlaveID = 247;
constexpr int MaxPort = 65535;
constexpr int MaxTime = 100000000;
constexpr int BitsPerByte = 8;

bool InRange(int Value, int Low, int High) { return Value >= Low && Value <= High; }

// A Start Bit that is no number counts as bit 0 in the byte count.
int StartBitOf(const QString& Text) {
  const int value = TableCellInt(Text);
  if (value == -1 && TableTrim(Text) != QLatin1String("-1")) return 0;
  return value;
}
}  // namespace

int TopicIndex(const TStringList& Topics, const QString& Topic) {
  for (int i = 0; i < Topics.Count(); ++i)
    if (Topics[i] == Topic) return i;
  return -1;
}

TModbusMasterForm::TModbusMasterForm(TComponent* AOwner, const TTableEditorSetup& Setup, const TModbusTableSetup& Read,
                                     const TModbusTableSetup& Write)
    : TTableEditorForm(AOwner, Setup), FTables{Read, Write} {
  PageControl1 = PC_Tables;
  TS_Modbus_Read = Pages.at(0);
  TS_Modbus_Write = Pages.at(1);
  PCG_Modbus_Read = new TPlexColumnGrid(this);
  PCG_Modbus_Write = new TPlexColumnGrid(this);
  for (int t = 0; t < 2; ++t) {
    TEditorTableSetup table;
    table.Section = t == 0 ? QStringLiteral("Modbus_Read") : QStringLiteral("Modbus_Write");
    table.Columns = FTables[t].FileColumns;
    table.KeyColumn = 2;
    table.HasEnable = true;
    // "y" is a disabled rule.
    table.EnableMatch = TEditorTableSetup::Trimmed;
    table.PageCaption = FTables[t].PageCaption;
    table.Hints = FTables[t].Hints;
    if (t == 0) {
      table.ToFile = [this](int, int ARow) { return TopicToFile(ARow); };
      table.FromFile = [this](int, int ARow, const QString& Value) { TopicFromFile(ARow, Value); };
    }
    AddTable(ColumnGrid(t), table);
  }
  OnShow = [this](TObject* Sender) { FormShow(Sender); };
}

void TModbusMasterForm::Init_Tables() {
  for (int t = 0; t < 2; ++t) BuildColumns(ColumnGrid(t), FTables[t].Columns, Rows);
}

void TModbusMasterForm::Set_Lang() {
  TTableEditorForm::Set_Lang();
  for (int t = 0; t < 2; ++t) PutColumnHeaders(ColumnGrid(t), FTables[t].Columns);
}

void TModbusMasterForm::FormShow(TObject* Sender) {
  PageControl1->SetActivePageIndex(1);
  // The topic list stays empty in this system, so its column stays hidden.
  const TModbusTableRules& read = Rules(0);
  PCG_Modbus_Read->HideColumn(read.Topic);
  PCG_Modbus_Read->UnHideColumn(read.Position);
  PCG_Modbus_Read->UnHideColumn(read.Bit);
  TTableEditorForm::FormShow(Sender);
}

void TModbusMasterForm::FillPositionLists() {
  PageControl1->SetActivePageIndex(0);
  NByte_IN = AreaBytes;
  NByte_OUT = AreaBytes;
  FillNumberItems(PCG_Modbus_Read->Columns()[Rules(0).Position], NByte_IN);
  FillNumberItems(PCG_Modbus_Write->Columns()[Rules(1).Position], NByte_OUT);
}

QString TModbusMasterForm::Get_Topic_From_Index(int Index) const {
  if (Index < 0 || Index >= List_Publish_Topic.Count()) return QString();
  return List_Publish_Topic[Index];
}

QString TModbusMasterForm::Cell(int Table, int ACol, int ARow) const {
  return ColumnGrid(Table)->GetCellEx(ACol, ARow);
}

bool TModbusMasterForm::IsRegisterRule(int Table, int ARow) const {
  const QString type = TableTrim(Cell(Table, Rules(Table).Type, ARow)).toUpper();
  if (type == QLatin1String("COIL STATUS")) return false;
  return !(Rules(Table).Read && type == QLatin1String("INPUT STATUS"));
}

qint64 TModbusMasterForm::LastByteUsed(int Table, int ARow) const {
  const TModbusTableRules& rules = Rules(Table);
  const qint64 position = TableCellInt(Cell(Table, rules.Position, ARow));
  const qint64 points = TableCellInt(Cell(Table, rules.NPoint, ARow));
  if (IsRegisterRule(Table, ARow)) return position + 2 * points - 1;
  return position + (points + StartBitOf(Cell(Table, rules.Bit, ARow)) - 1) / BitsPerByte;
}

bool TModbusMasterForm::CheckRow(int Table, int ARow) {
  const TModbusTableRules& r = Rules(Table);
  const auto value = [&](int ACol) { return TableCellInt(Cell(Table, ACol, ARow)); };
  const auto fail = [&](int Text) { return RowError(ARow, LangText(Text)); };
  if (r.IPAddress >= 0 && InvalidAddress(Cell(Table, r.IPAddress, ARow))) return fail(r.TextIP);
  if (r.Port >= 0 && !InRange(value(r.Port), 0, MaxPort)) return fail(r.TextPort);
  if (!InRange(value(r.SlaveID), 1, MaxSlaveID)) return fail(r.TextSlaveID);
  if (Cell(Table, r.Type, ARow).isEmpty()) return fail(r.TextType);
  if (!InRange(value(r.Address), 0, MaxAddress)) return fail(r.TextAddress);
  const int limit = IsRegisterRule(Table, ARow) ? r.RegisterLimit : r.BitLimit;
  if (!InRange(value(r.NPoint), 1, limit)) return RowError(ARow, LangText(r.TextNPoint) + QString::number(limit));
  if (!InRange(value(r.PollTime), r.PollMin, MaxTime)) return fail(r.TextPollTime);
  if (!InRange(value(r.MaxError), 0, MaxTime)) return fail(r.TextMaxError);
  const int area = Table == 0 ? NByte_IN : NByte_OUT;
  if (!ColumnGrid(Table)->IsHiddenColumn(r.Position) && !CheckArea(Table, ARow, area)) return false;
  if (r.Topic >= 0 && !ColumnGrid(Table)->IsHiddenColumn(r.Topic) && TableTrim(Cell(Table, r.Topic, ARow)).isEmpty())
    return fail(r.TextTopic);
  return true;
}

bool TModbusMasterForm::CheckArea(int Table, int ARow, int AreaSize) {
  const TModbusTableRules& r = Rules(Table);
  if (!InRange(TableCellInt(Cell(Table, r.Position, ARow)), 0, AreaSize - 1))
    return RowError(ARow, LangText(r.TextPosition) + QString::number(AreaSize - 1));
  if (!IsRegisterRule(Table, ARow) && Cell(Table, r.Bit, ARow).isEmpty()) return RowError(ARow, LangText(r.TextBit));
  if (LastByteUsed(Table, ARow) >= AreaSize) return RowError(ARow, LangText(r.TextLastByte));
  return true;
}
