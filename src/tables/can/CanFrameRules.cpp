#include "tables/can/CanFrameRules.h"

#include "common/tables/TableCells.h"
#include "grid/core/PlexStringGrid.h"
#include "tables/can/CanTableForm.h"

QString CanType11Bits() { return QStringLiteral("2.0A (11 bits)"); }
QString CanType29Bits() { return QStringLiteral("2.0B (29 bits)"); }

bool CanIs11Bits(const QString& Type) { return TableTrim(Type) == CanType11Bits(); }

bool CanCobIdFits(const QString& CobId, const QString& Type) {
  return CanInRange(CanCellInt(CobId), 0, CanIs11Bits(Type) ? CanMaxId11 : CanMaxId29);
}

int CanFirstBadByte(TPlexStringGrid* Grid, int ARow, int FirstByteCol, int Dimension, int MaxByte) {
  for (int k = 1; k <= Dimension; ++k) {
    const QString text = Grid->GetCellEx(FirstByteCol + k - 1, ARow);
    const QString trimmed = TableTrim(text);
    if (trimmed.isEmpty() || trimmed == QLatin1String("None")) continue;
    if (!CanInRange(CanCellInt(text), 0, MaxByte - 1)) return k;
  }
  return 0;
}
