// The grid's filter switch: the rows the conditions reject leave the grid as
// one hide level, and switching the filter off brings that level back.
#include "grid/core/PlexStringGrid.h"

#include "grid/features/Filter.h"
#include "grid/foundation/FilterMatcher.h"
#include "grid/foundation/IntList.h"
#include "grid/foundation/TextRoutines.h"

#include <cmath>

namespace {

// Blanks and control characters off both ends.
QString TrimControls(const QString& Text) {
  int from = 0, to = int(Text.size());
  while (from < to && Text[from].unicode() <= ' ') ++from;
  while (to > from && Text[to - 1].unicode() <= ' ') --to;
  return Text.mid(from, to - from);
}

}  // namespace

bool TPlexStringGrid::RowMatchesFilter(int ARow) {
  bool result = true;
  for (int i = 0; i < FFilter->Count(); ++i) {
    const TFilterData& f = FFilter->Items(i);
    bool r = false;
    try {
      QString text;
      switch (f.Data) {
        case fcVirtual: text = GetCellEx(f.Column, ARow); break;
        case fcNormal: text = GetGridCell(f.Column, ARow); break;
        case fcStripHTML: text = StrippedCells(f.Column, ARow); break;
        case fcCalculated: text = GetCalculatedCell(f.Column, ARow); break;
        case fcRow: {
          QStringList cells;
          for (int c = 0; c < ColCount(); ++c) cells.append(GetGridCell(c, ARow));
          text = cells.join('\n');
          break;
        }
      }
      text = TrimControls(text);
      if (text.contains("|\\")) text = DecodeWideText(text);
      if (f.Data == fcRow) {
        r = text.toUpper().contains(f.Condition.toUpper());
      } else {
        if (!f.Prefix.isEmpty() && text.startsWith(f.Prefix)) text.remove(0, f.Prefix.size());
        if (!f.Suffix.isEmpty()) {
          const qsizetype at = text.indexOf(f.Suffix);
          if (at >= 0 && at + f.Suffix.size() == text.size()) text.truncate(at);
        }
        if (f.Condition.isEmpty())
          r = true;
        else if (f.Method == fmExpression)
          r = MatchFilter(f.Condition, text, f.CaseSensitive);
        else
          r = text == f.Condition;
      }
    } catch (...) {
      // A condition that cannot be tested rejects this row only.
      r = false;
    }
    switch (f.Operation) {
      case foSHORT:
      case foNONE: result = r; break;
      case foAND: result = result && r; break;
      case foXOR: result = result != r; break;
      case foOR: result = result || r; break;
    }
    if (f.Operation == foSHORT && !r) break;
  }
  if (OnCustomFilter) OnCustomFilter(this, ARow, result);
  return result;
}

void TPlexStringGrid::ApplyFilter() {
  FFilterFixedRows = FixedRows();
  const int last = RowCount() - FFixedFooters - 1;
  const int total = RowCount() - FixedRows() - FFixedFooters;
  TIntList rejected(-1, -1);
  int examined = 0;
  int16_t progress = 0;
  for (int r = FixedRows(); r <= last; ++r) {
    if (FilterNormalCellsOnly && (IsNode(r) || IsSummary(r))) continue;
    if (!RowMatchesFilter(r)) rejected.Insert(rejected.Count(), r);
    ++examined;
    if (OnFilterProgress && total > 0) {
      progress = int16_t(std::nearbyint(double(examined) / total * 100));
      OnFilterProgress(this, progress);
    }
  }
  HideRowList(rejected);
  if (OnFilterProgress) OnFilterProgress(this, progress);
}

void TPlexStringGrid::SetFilterActive(bool Value) {
  if (Value == FFilterActive) {
    CalcFooter(-1);
    return;
  }
  FFilterActive = Value;
  if (Value) {
    if (Row() >= RowCount() || Col() >= ColCount()) FocusCell(FixedCols(), FixedRows(), true);
    BeginUpdate();
    ApplyFilter();
    EndUpdate();
    FSelHidden = false;
  } else {
    UnHideRowList();
    SetFixedRows(FFilterFixedRows);
    UnHideSelection();
  }
  if (FixedRows() < RowCount()) SetTopRow(FixedRows());
  CalcFooter(-1);
}
