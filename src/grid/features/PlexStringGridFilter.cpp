// The grid's filter switch: the rows the conditions reject leave the grid as
// one hide level, and switching the filter off brings that level back.
#include "grid/core/PlexStringGrid.h"

#include "grid/core/HiddenRowStore.h"
#include "grid/editing/FireEvent.h"
#include "grid/features/DropCheckList.h"
#include "grid/features/DropList.h"
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

// Only a to z are upper-cased: the row search ignores the case of plain letters alone.
QString UpperAscii(QString Text) {
  for (QChar& c : Text)
    if (c >= u'a' && c <= u'z') c = QChar(c.unicode() - 32);
  return Text;
}

// A drop-down entry is a value, or a friendly name and a condition joined by "=".
void SplitFilterEntry(const QString& Entry, const QString& ClearEntry, QString& FriendlyName, QString& Condition) {
  const qsizetype eq = Entry.indexOf('=');
  FriendlyName = eq < 0 ? Entry : Entry.left(eq);
  Condition = Entry == ClearEntry ? QString() : eq < 0 ? Entry : Entry.mid(eq + 1);
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
        r = UpperAscii(text).contains(UpperAscii(f.Condition));
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

void TPlexStringGrid::FilterRow(int ARow) {
  if (RowMatchesFilter(ARow)) return;
  HideRow(RealRowIndex(ARow));
  CalcFooter(-1);
}

bool TPlexStringGrid::RemoveLastFilter() {
  if (FFilterLevel <= 0) return false;
  const bool more = FFilterLevel > 1;
  UnHideRowList();
  SetFixedRows(FFilterFixedRows);
  UnHideSelection();
  CalcFooter(-1);
  --FFilterLevel;
  return more;
}

void TPlexStringGrid::RemoveAllFilters() {
  if (FFilterLevel <= 0) {
    FFilter->Clear();
    return;
  }
  while (RemoveLastFilter()) {
  }
}

void TPlexStringGrid::NarrowDown(const QString& ACondition, int AColumn) {
  FixedRowAlways = true;
  const auto filterOn = [&] {
    FFilter->Clear();
    TFilterData& f = FFilter->Insert(0);
    f.Operation = foNONE;
    if (AColumn < 0) {
      f.Data = fcRow;
      f.Condition = ACondition;
    } else {
      f.Data = fcNormal;
      f.Condition = "*" + ACondition + "*";
      if (f.Condition.contains(' ')) f.Condition = '"' + f.Condition + '"';
    }
    f.CaseSensitive = false;
    f.Column = int16_t(std::max(AColumn, 0));
    ApplyFilter();
    CalcFooter(-1);
  };
  const bool oneMore = !FLastFilter.isEmpty() && ACondition.size() == FLastFilter.size() + 1 &&
                       ACondition.startsWith(FLastFilter);
  const bool oneLess = !ACondition.isEmpty() && ACondition.size() + 1 == FLastFilter.size() &&
                       FLastFilter.startsWith(ACondition);
  if (oneMore) {
    filterOn();
  } else if (oneLess) {
    RemoveLastFilter();
  } else {
    RemoveAllFilters();
    if (!ACondition.isEmpty()) filterOn();
  }
  FLastFilter = ACondition;
  // Rows hidden apart from the filter come back rather than being dropped with the store.
  if (ACondition.isEmpty()) UnHideRowsAll();
}

void TPlexStringGrid::SetFilterDropDownRow(int Value) {
  if (Value >= FixedRows()) return;
  FilterDropDownRow = Value;
  Invalidate();
}

void TPlexStringGrid::SetFilterDropDownAuto(bool Value) {
  FilterDropDownAuto = Value;
  Invalidate();
}

void TPlexStringGrid::DoFilterSelect(int Column, int ItemIndex, QString& FriendlyName, QString& FilterCondition) {
  if (CanFocus()) SetFocus();
  if (Column >= 0 && Column < AllColCount() && ItemIndex >= 0) {
    DoGetColumnFilter(Column);
    if (ItemIndex < FFilterList->Count()) {
      SplitFilterEntry((*FFilterList)[ItemIndex], FilterDropDownClear, FriendlyName, FilterCondition);
      if (AutoFilterUpdate) SetFilterActive(false);
      Fire(OnFilterSelect, this, Column, ItemIndex, FriendlyName, FilterCondition);
      if (!FilterCondition.isEmpty())
        FFilter->GetColFilter(Column).Condition = FilterCondition;
      else
        FFilter->RemoveColumnFilter(Column);
      if (AutoFilterUpdate) {
        FixedRowAlways = true;
        SetFilterActive(true);
        if (RowCount() != FixedRows() && RowCount() != 1) SetRow(FixedRows());
        DoFilterDone();
      }
    }
  }
  FFilterCol = -1;
}

void TPlexStringGrid::DoFilterCheck(int Column, int ItemIndex, QString& FriendlyName, QString& FilterCondition,
                                    bool CheckState) {
  if (Column < 0 || Column >= AllColCount()) return;
  DoGetColumnFilter(Column);
  if (AutoFilterUpdate) SetFilterActive(false);
  FFilter->Clear();
  const int count = std::min(FFilterCheckList->Count(), FFilterList->Count());
  for (int i = 0; i < count; ++i) {
    if (!FFilterCheckList->Checked(i)) continue;
    SplitFilterEntry((*FFilterList)[i], FilterDropDownClear, FriendlyName, FilterCondition);
    Fire(OnFilterCheck, this, Column, i, FriendlyName, FilterCondition, CheckState);
    const bool first = FFilter->Count() == 0;
    TFilterData& f = FFilter->Insert(FFilter->Count());
    f.Condition = FilterCondition;
    f.Column = int16_t(Column);
    f.Operation = first ? foNONE : foOR;
  }
  SetFilterActive(true);
  FFilterCheckList->Invalidate();
}
