// Sorting the grid's rows: the comparison of two cells by their sort style,
// of two rows by a column or by the index list, the quick sort over a row
// range, and the sorts with their bookkeeping (cross-reference, current row,
// footer, update block) that every way out of a sort puts back.
#include "grid/core/PlexStringGrid.h"

#include "grid/core/CellGraphic.h"
#include "grid/editing/ShowModified.h"
#include "grid/features/FloatingFooter.h"
#include "grid/features/FooterPanel.h"
#include "grid/features/SearchPanel.h"
#include "grid/features/SortSettings.h"
#include "grid/foundation/IntList.h"
#include "grid/foundation/NumberDateRoutines.h"
#include "grid/foundation/PlexObj.h"
#include "grid/foundation/SortIndexList.h"
#include "platform/DateTimeFormat.h"
#include "platform/SysUtils.h"

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

namespace {

int Sign(double A, double B) { return A > B ? 1 : A < B ? -1 : 0; }

// Ordinal comparison of UTF-16 units, optionally with a to z upper-cased.
int OrdinalCompare(const QString& A, const QString& B, bool FoldAsciiCase) {
  // Qt's case-sensitive comparison is the same code-unit order, and vectorised.
  if (!FoldAsciiCase) {
    const int c = A.compare(B, Qt::CaseSensitive);
    return c < 0 ? -1 : c > 0 ? 1 : 0;
  }
  const qsizetype n = std::min(A.size(), B.size());
  const QChar* a = A.constData();
  const QChar* b = B.constData();
  for (qsizetype i = 0; i < n; ++i) {
    char16_t ca = a[i].unicode(), cb = b[i].unicode();
    if (FoldAsciiCase) {
      if (ca >= u'a' && ca <= u'z') ca = char16_t(ca - 32);
      if (cb >= u'a' && cb <= u'z') cb = char16_t(cb - 32);
    }
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  return A.size() < B.size() ? -1 : A.size() > B.size() ? 1 : 0;
}

void RemoveFirst(QString& Text, const QString& Part) {
  if (Part.isEmpty()) return;
  const qsizetype p = Text.indexOf(Part);
  if (p >= 0) Text.remove(p, Part.size());
}

bool IsCheckBoxType(TCellType Type) {
  return Type == ctCheckBox || Type == ctDataCheckBox || Type == ctVirtCheckBox || Type == ctRowCheckBox;
}

bool IsNumericKind(int Kind) { return Kind == ntkInteger || Kind == ntkFloat || Kind == ntkScientific; }

// The style automatic detection picks from the first text (and the second's separators).
TSortStyle DetectStyle(const QString& T1, bool T1IsNumber, const QString& T2, bool IgnoreCase) {
  if (T1IsNumber) return ssNumeric;
  const TSortStyle text = IgnoreCase ? ssAlphaNoCase : ssAlphabetic;
  const auto separatorBetweenDigits = [&T1](QChar Separator, bool& PositionFits) {
    const qsizetype p = T1.indexOf(Separator) + 1;
    PositionFits = p >= 2 && p <= 3 && p < T1.size();
    return PositionFits && IsNumberChar(T1[p - 2]) && IsNumberChar(T1[p]);
  };
  bool fits = false;
  if (separatorBetweenDigits(LocaleDateSeparator(), fits)) {
    if (!T2.contains(LocaleDateSeparator())) return text;
    return T1.contains(LocaleTimeSeparator()) ? ssDateTime : ssDate;
  }
  if (fits) return text;
  bool timeFits = false;
  if (separatorBetweenDigits(LocaleTimeSeparator(), timeFits) && T2.contains(LocaleTimeSeparator())) return ssTime;
  return text;
}

double DateTimeValue(const QString& Text) {
  TDateTime v = 0;
  if (Text.isEmpty() || !ParseDateTimeText(Text, v)) return 0;
  return v;
}

double TimeValue(const QString& Text) {
  TDateTime v = 0;
  if (Text.isEmpty() || !TryStrToTime(Text, v)) return 0;
  return v;
}

double ShortDateValue(const QString& Text, bool European) {
  try {
    return European ? ParseShortDateEU(Text) : ParseShortDateUS(Text);
  } catch (const Exception&) {
    return 0;
  }
}

}  // namespace

// ---- comparing

// A sort compares each row many times: the column's format, the locale
// separators, the row's text and its number are read once per sort. Texts are
// kept only while a cell is just its stored text; a display hook or cell
// properties may answer by position, so those are read on every comparison.
struct TPlexStringGrid::TSortKeys {
  struct TKey {
    QString Text;
    double Number = 0;
    signed char Kind = -1;        // NumericTextKind of Text; -1 until asked
    signed char NumberRead = -1;  // the number reading's verdict; -1 until read
    bool NumberBlank = false;     // nothing was left once prefix, suffix (and thousands) were taken away
    bool Loaded = false;
    signed char HeadFolded = -1;  // whether Head holds a to z upper-cased; -1 until made
    // The first eight code units, packed so that integer order is text order:
    // most rows are told apart here without reading their texts.
    quint64 Head[2] = {0, 0};
  };
  struct TColumn {
    bool Formatted = false;
    TSortStyle Style = ssAlphabetic;
    QString Prefix, Suffix;
    signed char Ignored = -1;  // IsIgnoredColumn; -1 until asked
    std::vector<TKey> Rows;  // by row - First; empty while texts are not kept
  };

  TSortKeys(TPlexStringGrid& Grid, int Start, int End)
      : G(Grid), Previous(Grid.FSortKeys), First(Start), Count(std::max(0, End - Start + 1)) {
    const TSortSettings& s = *G.FSortSettings;
    KeepTexts = !s.SortOnVirtualCells || (!G.FHasCellProps && G.FNormalRowCount <= Start);
    Thousand = LocaleThousandSeparator();
    Decimal = LocaleDecimalSeparator();
    G.FSortKeys = this;
  }
  ~TSortKeys() { G.FSortKeys = Previous; }
  TSortKeys(const TSortKeys&) = delete;
  TSortKeys& operator=(const TSortKeys&) = delete;

  TColumn& Column(int ACol) {
    if (size_t(ACol) >= Columns.size()) Columns.resize(size_t(ACol) + 1);
    return Columns[size_t(ACol)];
  }
  // The row's key, or null outside the sorted range or while texts are not kept.
  TKey* Key(TColumn& C, int ACol, int ARow) {
    if (!KeepTexts || ARow < First || ARow - First >= Count) return nullptr;
    if (C.Rows.empty()) C.Rows.resize(size_t(Count));
    TKey& k = C.Rows[size_t(ARow - First)];
    if (!k.Loaded) {
      k.Text = G.FSortSettings->SortOnVirtualCells ? G.GetCellEx(ACol, ARow) : G.GetGridCell(ACol, ARow);
      k.Loaded = true;
    }
    return &k;
  }
  // The keys follow the rows SortSwapRows moves.
  void Swap(int ARow1, int ARow2, int OnlyColumn) {
    if (ARow1 < First || ARow2 < First || ARow1 - First >= Count || ARow2 - First >= Count) return;
    const auto swapIn = [&](TColumn& C) {
      if (!C.Rows.empty()) std::swap(C.Rows[size_t(ARow1 - First)], C.Rows[size_t(ARow2 - First)]);
    };
    if (OnlyColumn >= 0) {
      if (size_t(OnlyColumn) < Columns.size()) swapIn(Columns[size_t(OnlyColumn)]);
    } else {
      for (TColumn& c : Columns) swapIn(c);
    }
  }

  static void MakeHead(TKey& Key, bool Fold) {
    if (Key.HeadFolded == int(Fold)) return;
    const qsizetype n = std::min<qsizetype>(Key.Text.size(), 8);
    const QChar* t = Key.Text.constData();
    Key.Head[0] = Key.Head[1] = 0;
    for (qsizetype i = 0; i < n; ++i) {
      quint64 c = t[i].unicode();
      if (Fold && c >= u'a' && c <= u'z') c -= 32;
      Key.Head[i / 4] |= c << (48 - 16 * (i % 4));
    }
    Key.HeadFolded = Fold ? 1 : 0;
  }

  // Ordinal order of two keys' texts; the heads decide unless they are equal.
  static int Ordinal(TKey& A, TKey& B, bool Fold) {
    MakeHead(A, Fold);
    MakeHead(B, Fold);
    for (int i = 0; i < 2; ++i)
      if (A.Head[i] != B.Head[i]) return A.Head[i] < B.Head[i] ? -1 : 1;
    return OrdinalCompare(A.Text, B.Text, Fold);
  }

  static int KindOf(TKey& Key) {
    if (Key.Kind < 0) Key.Kind = static_cast<signed char>(NumericTextKind(Key.Text));
    return Key.Kind;
  }

  // The number a numeric or financial sort reads from a text: prefix and suffix
  // taken away once, thousands too for financial, the locale's decimal read as ".".
  static void ReadNumber(TKey& Key, bool Financial, const QString& Prefix, const QString& Suffix, QChar Thousand,
                         QChar Decimal) {
    if (Key.NumberRead >= 0) return;
    QString t = Key.Text;
    const bool empty = t.isEmpty();
    RemoveFirst(t, Prefix);
    RemoveFirst(t, Suffix);
    if (Financial && t.contains(Thousand)) t.remove(Thousand);
    if (Decimal != u'.') {
      const qsizetype p = t.indexOf(Decimal);
      if (p >= 0) t[p] = u'.';
    }
    double v = 0;
    const bool read = ReadLeadingNumber(t, v) || empty;
    Key.Number = empty ? 0 : v;
    Key.NumberRead = read ? 1 : 0;
    Key.NumberBlank = t.isEmpty();
  }

  TPlexStringGrid& G;
  TSortKeys* Previous;
  int First;
  int Count;
  bool KeepTexts = false;
  QChar Thousand, Decimal;
  std::vector<TColumn> Columns;
};

int TPlexStringGrid::CompareSortCells(int ACol, int ARow1, int ARow2, int Direction) {
  const TSortSettings& s = *FSortSettings;
  std::optional<TSortKeys::TColumn> single;
  TSortKeys::TColumn& column = FSortKeys ? FSortKeys->Column(ACol) : single.emplace();
  if (!column.Formatted) {
    column.Style = s.AutoFormat ? ssAutomatic : s.IgnoreCase ? ssAlphaNoCase : ssAlphabetic;
    DoGetFormat(ACol, column.Style, column.Prefix, column.Suffix);
    column.Formatted = true;
  }
  using TSortKey = TSortKeys::TKey;
  TSortKey own1, own2;
  TSortKey* k1 = FSortKeys ? FSortKeys->Key(column, ACol, ARow1) : nullptr;
  TSortKey* k2 = FSortKeys ? FSortKeys->Key(column, ACol, ARow2) : nullptr;
  if (!k1) {
    own1.Text = s.SortOnVirtualCells ? GetCellEx(ACol, ARow1) : GetGridCell(ACol, ARow1);
    k1 = &own1;
  }
  if (!k2) {
    own2.Text = s.SortOnVirtualCells ? GetCellEx(ACol, ARow2) : GetGridCell(ACol, ARow2);
    k2 = &own2;
  }
  const QString& t1 = k1->Text;
  const QString& t2 = k2->Text;
  // The blank test reads the texts as the style left them.
  bool blank1 = t1.isEmpty(), blank2 = t2.isEmpty();

  TSortStyle style = column.Style;
  if (style == ssAutomatic) {
    if (IsCheckBoxType(GetCellType(ACol, ARow1)))
      style = ssCheckBox;
    else
      style = DetectStyle(t1, IsNumericKind(TSortKeys::KindOf(*k1)), t2, s.IgnoreCase);
  }
  if (style == ssAlphaNumeric || style == ssAlphaNumericNoCase) {
    if (IsNumericKind(TSortKeys::KindOf(*k1)) && IsNumericKind(TSortKeys::KindOf(*k2)))
      style = ssNumeric;
    else
      style = style == ssAlphaNumeric ? ssAlphabetic : ssAlphaNoCase;
  }

  int res = 1;
  switch (style) {
    case ssAlphabetic:
    case ssAlphaCase: res = TSortKeys::Ordinal(*k1, *k2, false); break;
    case ssAlphaNoCase: res = TSortKeys::Ordinal(*k1, *k2, true); break;
    case ssAnsiAlphaCase: res = std::clamp(AnsiCompareStr(t1, t2), -1, 1); break;
    case ssAnsiAlphaNoCase: res = std::clamp(AnsiCompareText(t1, t2), -1, 1); break;
    case ssHTML: {
      const QString h1 = StrippedCells(ACol, ARow1), h2 = StrippedCells(ACol, ARow2);
      blank1 = h1.isEmpty();
      blank2 = h2.isEmpty();
      res = OrdinalCompare(h1, h2, false);
      break;
    }
    case ssNumeric:
    case ssFinancial: {
      const bool financial = style == ssFinancial;
      const QChar thousand = FSortKeys ? FSortKeys->Thousand : LocaleThousandSeparator();
      const QChar decimal = FSortKeys ? FSortKeys->Decimal : LocaleDecimalSeparator();
      TSortKeys::ReadNumber(*k1, financial, column.Prefix, column.Suffix, thousand, decimal);
      TSortKeys::ReadNumber(*k2, financial, column.Prefix, column.Suffix, thousand, decimal);
      blank1 = k1->NumberBlank;
      blank2 = k2->NumberBlank;
      res = !k1->NumberRead && !k2->NumberRead ? 0 : Sign(k1->Number, k2->Number);
      break;
    }
    case ssDate:
    case ssDateTime: res = Sign(DateTimeValue(t1), DateTimeValue(t2)); break;
    case ssTime: res = Sign(TimeValue(t1), TimeValue(t2)); break;
    case ssShortDateEU: res = Sign(ShortDateValue(t1, true), ShortDateValue(t2, true)); break;
    case ssShortDateUS: res = Sign(ShortDateValue(t1, false), ShortDateValue(t2, false)); break;
    case ssCustom:
      res = 0;
      if (OnCustomCompare) OnCustomCompare(this, t1, t2, res);
      break;
    case ssRaw:
      res = 0;
      if (OnRawCompare) OnRawCompare(this, ACol, ARow1, ARow2, res);
      break;
    case ssImages: {
      const qint64 g1 = GetGraphicSortKey(ACol, ARow1), g2 = GetGraphicSortKey(ACol, ARow2);
      res = g1 > g2 ? 1 : g1 < g2 ? -1 : 0;
      break;
    }
    case ssCheckBox: {
      bool c1 = false, c2 = false;
      GetCheckBoxState(ACol, ARow1, c1);
      GetCheckBoxState(ACol, ARow2, c2);
      res = int(c1) - int(c2);
      break;
    }
    default: break;
  }

  // Blanks land at BlankPos whatever the direction: the quick sort reads the
  // result against its direction, so a descending sort gets the sign flipped.
  if (s.IgnoreBlanks && (Direction == 0 || Direction == 1) && blank1 != blank2) {
    const int blankAfter = s.BlankPos == blLast ? 1 : -1;
    res = blank1 ? blankAfter : -blankAfter;
    if (Direction == 1) res = -res;
  }
  return res;
}

bool TPlexStringGrid::IgnoredInSort(int ACol) {
  if (!FSortKeys) return IsIgnoredColumn(ACol);
  TSortKeys::TColumn& c = FSortKeys->Column(ACol);
  if (c.Ignored < 0) c.Ignored = IsIgnoredColumn(ACol) ? 1 : 0;
  return c.Ignored != 0;
}

int TPlexStringGrid::CompareRows(int ACol, int ARow1, int ARow2) {
  const int last = AllColCount() - 1;
  const int direction = FSortSettings->Direction == sdDescending ? 1 : 0;
  for (int col = ACol;; ++col) {
    const int res = IgnoredInSort(col) ? 0 : CompareSortCells(col, ARow1, ARow2, direction);
    if (res != 0 || !FSortSettings->Full || col >= last) return res;
  }
}

int TPlexStringGrid::CompareRowsIndexed(int Index, int ARow1, int ARow2) {
  const TSortIndexList& idx = *FSortIndexes;
  for (int i = Index; i < idx.Count(); ++i) {
    const int col = idx.GetSortColumns(i);
    const bool ascending = idx.GetSortDirections(i);
    int res = IgnoredInSort(col) ? 0 : CompareSortCells(col, ARow1, ARow2, ascending ? 0 : 1);
    if (res == 0 && FSortSettings->Full && i + 1 < idx.Count()) continue;
    return ascending ? res : -res;
  }
  return 0;
}

// ---- moving rows

void TPlexStringGrid::SortSwapRows(int ARow1, int ARow2) {
  TIntList& xref = *FSortedRowXRef;
  if (ARow1 < xref.Count() && ARow2 < xref.Count() && ARow1 >= 0 && ARow2 >= 0) {
    const int v = xref.GetInteger(ARow1);
    xref.SetInteger(ARow1, xref.GetInteger(ARow2));
    xref.SetInteger(ARow2, v);
  }
  if (FSortSettings->SingleColumn) {
    const int col = FSortSettings->Column;
    const QString text = GetCellEx(col, ARow1);
    TObject* object = GetGridObject(col, ARow1);
    SetGridCell(col, ARow1, GetCellEx(col, ARow2));
    SetGridObject(col, ARow1, GetGridObject(col, ARow2));
    SetGridCell(col, ARow2, text);
    SetGridObject(col, ARow2, object);
  } else {
    SwapStoreRows(ARow1, ARow2);
    const int h1 = RowHeights(ARow1), h2 = RowHeights(ARow2);
    if (h1 != h2) {
      SetRowHeights(ARow1, h2);
      SetRowHeights(ARow2, h1);
    }
    if (FMouseActions->DisjunctRowSelect() && FNavigation->MoveRowOnSort) {
      const int r1 = RealRowIndex(ARow1), r2 = RealRowIndex(ARow2);
      const bool s1 = GetRowSelect(r1);
      SetRowSelect(r1, GetRowSelect(r2));
      SetRowSelect(r2, s1);
    }
    if (FShowModified->Enabled) {
      const bool m1 = GetRowModified(ARow1);
      SetRowModified(ARow1, GetRowModified(ARow2));
      SetRowModified(ARow2, m1);
    }
  }
  if (FSortKeys) FSortKeys->Swap(ARow1, ARow2, FSortSettings->SingleColumn ? FSortSettings->Column : -1);
  if (SortRow == ARow1)
    SortRow = ARow2;
  else if (SortRow == ARow2)
    SortRow = ARow1;
  if (FSortPivotRow == ARow1)
    FSortPivotRow = ARow2;
  else if (FSortPivotRow == ARow2)
    FSortPivotRow = ARow1;
}

// ---- the quick sort
// The pivot's data is compared where it stands: every swap is followed, so
// the pivot needs no copy and no cell object is ever held twice.

template <class TCompare>
void TPlexStringGrid::QuickSortRange(int Start, int End, const TCompare& Compare, int Dir, bool SwapEqual) {
  // The larger part is looped, the smaller recursed: the depth stays logarithmic.
  while (Start < End) {
    const int savedPivot = FSortPivotRow;
    FSortPivotRow = (Start + End) / 2;
    int i = Start, j = End;
    do {
      while (Compare(FSortPivotRow, i) == Dir && i < End) ++i;
      while (Compare(j, FSortPivotRow) == Dir && j > Start) --j;
      if (i <= j) {
        if (i != j && (SwapEqual || Compare(i, j) != 0)) SortSwapRows(i, j);
        ++i;
        --j;
      }
    } while (i <= j);
    FSortPivotRow = savedPivot;
    if (j - Start < End - i) {
      if (Start < j) QuickSortRange(Start, j, Compare, Dir, SwapEqual);
      Start = i;
    } else {
      if (i < End) QuickSortRange(i, End, Compare, Dir, SwapEqual);
      End = j;
    }
  }
}

void TPlexStringGrid::QuickSortRows(int Col, int Start, int End) {
  SortDir = FSortSettings->Direction == sdDescending ? -1 : 1;
  TSortKeys keys(*this, Start, End);
  QuickSortRange(Start, End, [this, Col](int A, int B) { return CompareRows(Col, A, B); }, SortDir, false);
}

void TPlexStringGrid::QuickSortRowsIndexed(int Start, int End) {
  TSortKeys keys(*this, Start, End);
  QuickSortRange(Start, End, [this](int A, int B) { return CompareRowsIndexed(0, A, B); }, 1, true);
}

void TPlexStringGrid::QuickSort(int Col, int Left, int Right) { QuickSortRows(Col, Left, Right); }
void TPlexStringGrid::QuickSortIndexed(int Left, int Right) { QuickSortRowsIndexed(Left, Right); }

bool TPlexStringGrid::SortLine(int Col, int ARow1, int ARow2) {
  const int direction = SortDir == -1 ? 1 : 0;
  const int last = AllColCount() - 1;
  int res = 0;
  for (int col = Col; col <= last && res == 0; ++col) res = CompareSortCells(col, ARow1, ARow2, direction);
  if (res != SortDir) return false;
  SortSwapRows(ARow1, ARow2);
  return true;
}

// ---- the sorts and their bookkeeping

void TPlexStringGrid::InitSortXRef() {
  FSortedRowXRef->Clear();
  for (int r = 0; r < RowCount(); ++r) FSortedRowXRef->Add(r);
}

// What a sort changes around the rows, put back on every way out.
class TPlexStringGrid::TSortGuard {
public:
  // Footer: the floating footer and FixedFooters; TopRow: the top row with KeepScrollOnSort.
  TSortGuard(TPlexStringGrid& Grid, bool Footer, bool TopRow) : G(Grid), FFooter(Footer), FTop(TopRow) {
    if (G.FSortSettings->NormalCellsOnly && G.FixedCols() > 0) {
      FKeepColumn = true;
      for (int r = 0; r < G.RowCount(); ++r) {
        FColumnTexts.push_back(G.GetGridCell(0, r));
        FColumnObjects.push_back(G.GetGridObject(0, r));
      }
    }
    FTopRow = G.TopRow();
    G.BeginUpdate();
    if (FFooter) {
      FFooterVisible = G.FFloatingFooter->Visible();
      FFixedFooters = G.FixedFooters();
      G.FFloatingFooter->SetVisible(false);
    }
  }
  ~TSortGuard() {
    G.FSortPivotRow = -1;
    if (FKeepColumn) {
      // The slots moved with their rows only referred to these same objects.
      const bool nil = std::exchange(G.FNilObjects, true);
      for (int r = 0; r < G.RowCount() && size_t(r) < FColumnTexts.size(); ++r) {
        G.SetGridCell(0, r, FColumnTexts[size_t(r)]);
        G.SetGridObject(0, r, FColumnObjects[size_t(r)]);
      }
      G.FNilObjects = nil;
    }
    if (FTop && G.FNavigation->KeepScrollOnSort && FTopRow < G.RowCount()) G.SetTopRow(FTopRow);
    if (FFooter) {
      G.FFloatingFooter->SetVisible(FFooterVisible);
      if (G.FixedFooters() != FFixedFooters) G.SetFixedFooters(FFixedFooters);
    }
    G.EndUpdate();
  }
  TSortGuard(const TSortGuard&) = delete;
  TSortGuard& operator=(const TSortGuard&) = delete;
  bool FooterWasVisible() const { return FFooterVisible; }

private:
  TPlexStringGrid& G;
  bool FFooter;
  bool FTop;
  bool FKeepColumn = false;
  std::vector<QString> FColumnTexts;
  std::vector<TObject*> FColumnObjects;
  int FTopRow = 0;
  bool FFooterVisible = false;
  int FFixedFooters = 0;
};

void TPlexStringGrid::PrepareSortXRef() {
  if (FSortedRowXRef->Count() != RowCount()) InitSortXRef();
}

// The current row after a sort: with MoveRowOnSort it follows its data.
void TPlexStringGrid::PlaceRowAfterSort(int OldRow) {
  const bool entered = std::exchange(FEntered, false);
  if (FNavigation->MoveRowOnSort) {
    if (SortRow >= FixedRows() && SortRow < RowCount() && SortRow != Row()) SetRow(SortRow);
  } else if (OldRow != Row() && OldRow < RowCount()) {
    SetRow(OldRow);
  }
  FEntered = entered;
}

void TPlexStringGrid::QSort() {
  TSortSettings& s = *FSortSettings;
  if (s.Column < 0) return;
  PrepareSortXRef();
  FSortIndexes->Clear();
  const int oldRow = Row();
  bool footerVisible = false;
  {
    TSortGuard guard(*this, true, true);
    footerVisible = guard.FooterWasVisible();
    SortRow = Row();
    const int last = RowCount() - 1 - FixedFooters();
    if (RowCount() > FixedRows() && last > FixedRows()) QuickSortRows(s.Column, FixedRows(), last);
    if (!FMouseActions->DisjunctRowSelect()) PlaceRowAfterSort(oldRow);
    if (OnRowChanged && !FNavigation->MoveRowOnSort) OnRowChanged(this, oldRow, Row());
  }
  if (footerVisible && FFooterPanel) FFooterPanel->Invalidate();
  if (FSearchFooter->Visible() && FSearchPanel) FSearchPanel->Invalidate();
}

void TPlexStringGrid::QSortIndexed() {
  if (FSortIndexes->Count() == 0) throw EPlexGridError("No indexes specified for indexed sort");
  PrepareSortXRef();
  const int oldRow = Row();
  bool footerVisible = false;
  {
    TSortGuard guard(*this, true, true);
    footerVisible = guard.FooterWasVisible();
    SortRow = Row();
    const int last = RowCount() - 1 - FixedFooters();
    if (last > FixedRows()) QuickSortRowsIndexed(FixedRows(), last);
    PlaceRowAfterSort(oldRow);
  }
  if (footerVisible && FFooterPanel) FFooterPanel->Invalidate();
}

void TPlexStringGrid::SortWithinGroups(bool Indexed) {
  if (Indexed && FSortIndexes->Count() == 0) throw EPlexGridError("No indexes specified for indexed sort");
  if (!Indexed && FSortSettings->Column < 0) return;
  PrepareSortXRef();
  const int oldRow = Row();
  TSortGuard guard(*this, false, true);
  SortRow = Row();
  const int first = FixedRows(), last = RowCount() - 1 - FixedFooters();
  int deepest = 0;
  for (int r = first; r <= last; ++r)
    if (IsNode(r)) deepest = std::max(deepest, GetNodeLevel(r));
  for (int r = first; r <= last; ++r) {
    // GetNodeState answers true for a contracted node.
    if (!IsNode(r) || GetNodeState(r) || GetNodeLevel(r) != deepest) continue;
    const int span = GetNodeSpan(r);
    if (span <= 2) continue;
    const int end = std::min(r + span - 1, last);
    if (Indexed)
      QuickSortIndexed(r + 1, end);
    else
      QuickSortRows(FSortSettings->Column, r + 1, end);
  }
  PlaceRowAfterSort(oldRow);
}

void TPlexStringGrid::QSortGroup() { SortWithinGroups(false); }
void TPlexStringGrid::QSortGroupIndexed() { SortWithinGroups(true); }

void TPlexStringGrid::QUnSort() {
  TIntList& unsort = *FUnSortedRowXRef;
  unsort.Clear();
  for (int i = 0; i < FSortedRowXRef->Count(); ++i) unsort.Add(FSortedRowXRef->GetInteger(i));
  TSortGuard guard(*this, false, false);
  const int last = std::min(RowCount(), unsort.Count()) - 1;
  // SortSwapRows swaps the cross-reference; the scratch copy follows here.
  std::function<void(int, int)> sortRange = [&](int Start, int End) {
    while (Start < End) {
      const int pivot = unsort.GetInteger((Start + End) / 2);
      int i = Start, j = End;
      do {
        while (unsort.GetInteger(i) < pivot && i < End) ++i;
        while (pivot < unsort.GetInteger(j) && j > Start) --j;
        if (i <= j) {
          const int vi = unsort.GetInteger(i), vj = unsort.GetInteger(j);
          if (i != j && vi != vj) {
            SortSwapRows(i, j);
            unsort.SetInteger(i, vj);
            unsort.SetInteger(j, vi);
          }
          ++i;
          --j;
        }
      } while (i <= j);
      if (j - Start < End - i) {
        if (Start < j) sortRange(Start, j);
        Start = i;
      } else {
        if (i < End) sortRange(i, End);
        End = j;
      }
    }
  };
  if (last > 0) sortRange(0, last);
}

void TPlexStringGrid::Sort(int Column, TSortDirection Direction) {
  FSortSettings->Column = Column;
  FSortSettings->Direction = Direction;
  QSort();
}

void TPlexStringGrid::SortByColumn(int Col) {
  if (RowCount() <= 1) return;
  FSortSettings->Column = Col;
  QSort();
}
