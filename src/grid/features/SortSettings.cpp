#include "grid/features/SortSettings.h"

#include "grid/core/PlexStringGrid.h"
#include "grid/foundation/SortIndexList.h"
#include "platform/Property.h"
#include "platform/SysUtils.h"

#include <algorithm>

TSortSettings::TSortSettings(TPlexStringGrid* AGrid)
    : FGrid(AGrid),
      FUpGlyph(std::make_unique<TBitmap>()),
      FDownGlyph(std::make_unique<TBitmap>()),
      FIndexUpGlyph(std::make_unique<TBitmap>()),
      FIndexDownGlyph(std::make_unique<TBitmap>()) {}

TSortSettings::~TSortSettings() = default;

void TSortSettings::Assign(const TGridPersistent* Source) {
  const auto* s = dynamic_cast<const TSortSettings*>(Source);
  if (!s) return;
  Column = s->Column;
  Direction = s->Direction;
  FShow = s->FShow;
  IndexShow = s->IndexShow;
  IndexColor = s->IndexColor;
  IndexSortKey = s->IndexSortKey;
  Full = s->Full;
  SingleColumn = s->SingleColumn;
  IgnoreBlanks = s->IgnoreBlanks;
  BlankPos = s->BlankPos;
  AutoFormat = s->AutoFormat;
  InitSortDirection = s->InitSortDirection;
  FixedCols = s->FixedCols;
  NormalCellsOnly = s->NormalCellsOnly;
  FRow = s->FRow;
  UndoSort = s->UndoSort;
  AutoSortForGrouping = s->AutoSortForGrouping;
  AutoColumnMerge = s->AutoColumnMerge;
  FHeaderColor = s->FHeaderColor;
  FHeaderColorTo = s->FHeaderColorTo;
  FHeaderMirrorColor = s->FHeaderMirrorColor;
  FHeaderMirrorColorTo = s->FHeaderMirrorColorTo;
  FUpGlyph->Assign(*s->FUpGlyph);
  FDownGlyph->Assign(*s->FDownGlyph);
  FIndexUpGlyph->Assign(*s->FIndexUpGlyph);
  FIndexDownGlyph->Assign(*s->FIndexDownGlyph);
}

QString TSortSettings::SaveToString() const {
  if (IndexShow) return "i;" + FGrid->SortIndexes().SaveToString();
  return (Direction == sdDescending ? "d" : "u") + QString::number(Column);
}

void TSortSettings::LoadFromString(const QString& Value) {
  if (Value.isEmpty()) return;
  SetShow(true);
  if (Value.size() < 2) throw EPlexGridError(SInvalidSortSpecifier);
  if (Value.contains("i;")) {
    IndexShow = true;
    const QString rest = Value.mid(2);
    if (!rest.isEmpty()) {
      FGrid->SortIndexes().LoadFromString(rest);
      FGrid->QSortIndexed();
    }
    return;
  }
  IndexShow = false;
  Direction = Value.contains('u') ? sdAscending : sdDescending;
  // Decimal digits only: a hexadecimal or signed column is no column.
  const QString digits = Value.mid(1);
  bool ok = !digits.isEmpty() && std::all_of(digits.begin(), digits.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
  const int column = ok ? digits.toInt(&ok) : 0;
  if (!ok) return;
  Column = column;
  FGrid->QSort();
}

void TSortSettings::Remove() {
  Column = -1;
  FGrid->SortIndexes().Clear();
  FGrid->RepaintRow(FGrid->FixedRows() - 1);
}

void TSortSettings::SetShow(bool Value) {
  SetProperty(FShow, Value, [this] { FGrid->Invalidate(); });
}

void TSortSettings::SetRow(int Value) {
  if (Value >= FGrid->FixedRows()) throw EPlexGridError(SSortRowTooBig);
  FRow = Value;
}

void TSortSettings::RepaintHeaderRow() {
  if (FGrid->FixedRows() > 0) FGrid->RepaintRow(FGrid->FixedRows() - 1);
}

void TSortSettings::SetHeaderColour(TColor& Field, TColor Value) {
  SetProperty(Field, Value, [this] { RepaintHeaderRow(); });
}

void TSortSettings::SetHeaderColor(TColor Value) { SetHeaderColour(FHeaderColor, Value); }
void TSortSettings::SetHeaderColorTo(TColor Value) { SetHeaderColour(FHeaderColorTo, Value); }
void TSortSettings::SetHeaderMirrorColor(TColor Value) { SetHeaderColour(FHeaderMirrorColor, Value); }
void TSortSettings::SetHeaderMirrorColorTo(TColor Value) { SetHeaderColour(FHeaderMirrorColorTo, Value); }
