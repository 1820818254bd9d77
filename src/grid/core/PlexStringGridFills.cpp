// Bulk fills, date and time cells, and the run of the attached cell checker.
#include "grid/core/PlexStringGrid.h"
#include "grid/features/CellMarkText.h"
#include "grid/foundation/PlexStringGridCheck.h"
#include "platform/DateTimeFormat.h"
#include "platform/Random.h"
#include "platform/SysUtils.h"

#include <cmath>

namespace {

struct TFillRange {
  int FromCol, FromRow, ToCol, ToRow;
};

}  // namespace

namespace {

TFillRange FillRange(TPlexStringGrid& Grid, bool DoFixed) {
  if (DoFixed) return {0, 0, Grid.ColCount() - 1, Grid.RowCount() - 1};
  return {Grid.FixedCols(), Grid.FixedRows(), Grid.ColCount() - Grid.FixedRightCols() - 1,
          Grid.RowCount() - Grid.FixedFooters() - 1};
}

template <typename Write>
void Fill(TPlexStringGrid& Grid, bool DoFixed, Write W) {
  const TFillRange r = FillRange(Grid, DoFixed);
  for (int row = r.FromRow; row <= r.ToRow; ++row)
    for (int col = r.FromCol; col <= r.ToCol; ++col) W(col, row);
}

}  // namespace

void TPlexStringGrid::TextFill(bool DoFixed, const QString& Txt) {
  Fill(*this, DoFixed, [&](int c, int r) { SetCellEx(c, r, Txt); });
  CellsLoaded();
}

void TPlexStringGrid::FormatFill(bool DoFixed, const QString& Fmt) {
  Fill(*this, DoFixed, [&](int c, int r) { SetCellEx(c, r, Format(Fmt, {c, r})); });
  CellsLoaded();
}

void TPlexStringGrid::RandomFill(bool DoFixed, int Rnd) {
  // A range of 0 or less has no number to draw: every cell gets 0.
  Fill(*this, DoFixed, [&](int c, int r) { SetInts(c, r, Random(Rnd)); });
  CellsLoaded();
}

void TPlexStringGrid::LinearFill(bool DoFixed) {
  Fill(*this, DoFixed, [&](int c, int r) { SetCellEx(c, r, QString("%1:%2").arg(c).arg(r)); });
  CellsLoaded();
}

void TPlexStringGrid::SetDates(int ACol, int ARow, TDateTime Value) {
  SetCellEx(ACol, ARow, Value > 0 || ShowNullDates ? DateToStr(std::floor(Value)) : QString());
}

TDateTime TPlexStringGrid::GetDates(int ACol, int ARow) {
  const QString text = GetCellEx(ACol, ARow);
  TDateTime value = 0;
  if (!TryStrToDate(text, value)) throw EConvertError(QString("'%1' is not a valid date").arg(text));
  return value;
}

void TPlexStringGrid::SetTimes(int ACol, int ARow, TDateTime Value) { SetCellEx(ACol, ARow, TimeToStr(Value)); }

TDateTime TPlexStringGrid::GetTimes(int ACol, int ARow) {
  const QString text = GetCellEx(ACol, ARow);
  TDateTime value = 0;
  if (!TryStrToTime(text, value)) throw EConvertError(QString("'%1' is not a valid time").arg(text));
  return value;
}

// ---- cell checks

bool TPlexStringGrid::CheckCell(int ACol, int ARow) {
  if (!CellChecker()) return true;
  const QString orig = UnMarkText(GetCellEx(ACol, ARow));
  if (CellChecker()->GotoCell) FocusCell(ACol, ARow);
  QString text = orig;
  if (CellChecker()->UseCorrect) text = CellChecker()->Correct(ACol, ARow, text);
  if (CellChecker()->UseMarkError) text = CellChecker()->MarkError(ACol, ARow, text);
  SetCellEx(ACol, ARow, text);
  return text == orig;
}

bool TPlexStringGrid::CheckCells(int FromCol, int FromRow, int ToCol, int ToRow) {
  if (!CellChecker()) return true;
  CellChecker()->StartCheck();
  const int oldCol = Col(), oldRow = Row();
  bool unchanged = true;
  for (int r = FromRow; r <= ToRow; ++r)
    for (int c = FromCol; c <= ToCol; ++c) unchanged = CheckCell(c, r) && unchanged;
  CellChecker()->StopCheck();
  if (CellChecker()->GotoCell) {
    SetRow(oldRow);
    SetCol(oldCol);
  }
  return unchanged;
}

bool TPlexStringGrid::CheckCol(bool DoFixed, int ACol) {
  const TFillRange r = FillRange(*this, DoFixed);
  return CheckCells(ACol, r.FromRow, ACol, r.ToRow);
}

bool TPlexStringGrid::CheckRow(bool DoFixed, int ARow) {
  const TFillRange r = FillRange(*this, DoFixed);
  return CheckCells(r.FromCol, ARow, r.ToCol, ARow);
}

bool TPlexStringGrid::CheckGrid(bool DoFixed) {
  const TFillRange r = FillRange(*this, DoFixed);
  return CheckCells(r.FromCol, r.FromRow, r.ToCol, r.ToRow);
}
