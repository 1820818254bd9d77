// Text files of the grid: its own line format (size line, width lines, one
// line per non-empty cell), delimited text with delimiter detection, fixed
// width and a column-aligned listing. Only cell texts travel; every text
// comes from DoSaveCell and goes in through DoLoadCell so the grid's save and
// load hooks see each cell. Files are built in memory and written whole.
#include "grid/core/PlexStringGrid.h"

#include "grid/features/FloatingFooter.h"
#include "grid/foundation/IntList.h"
#include "grid/foundation/TextRoutines.h"
#include "platform/Application.h"
#include "platform/ClassRegistry.h"
#include "platform/Files.h"
#include "platform/SysUtils.h"

#include <QFile>
#include <QStringEncoder>

#include <algorithm>
#include <climits>
#include <cmath>
#include <set>
#include <vector>

namespace {

// A size claimed by a file beyond these cannot be a grid a user keeps; it is
// refused before the grid allocates for it.
constexpr int MaxFileCols = 1 << 16;
constexpr int MaxFileRows = 1 << 23;

const QChar CsvCandidates[] = {',', ';', '#', QChar(9), '|', '@', '*', '-', '+', '&'};

QByteArray EncodeText(const QString& Text, TTextEncoding Encoding) {
  switch (Encoding) {
    case TTextEncoding::Utf16LE: {
      QStringEncoder encoder(QStringEncoder::Utf16LE);
      return QByteArray("\xFF\xFE", 2) + QByteArray(encoder.encode(Text));
    }
    case TTextEncoding::Utf16BE: {
      QStringEncoder encoder(QStringEncoder::Utf16BE);
      return QByteArray("\xFE\xFF", 2) + QByteArray(encoder.encode(Text));
    }
    case TTextEncoding::Utf8Bom:
      return QByteArray("\xEF\xBB\xBF") + Text.toUtf8();
    case TTextEncoding::Ansi:
      break;
  }
  return UnicodeToAnsi(Text);
}

void WriteLines(const QString& FileName, const QStringList& Lines, TTextEncoding Encoding) {
  qsizetype size = 0;
  for (const QString& l : Lines) size += l.size() + 2;
  QString text;
  text.reserve(size);
  for (const QString& l : Lines) {
    text += l;
    text += QLatin1String("\r\n");
  }
  if (!WriteFileAtomic(FileName, EncodeText(text, Encoding)))
    throw EFilerError(QStringLiteral("Cannot create file \"%1\"").arg(FileName));
}

// Lines end at CR LF, CR or LF; a final line end adds no empty line. The
// views point into Text, which must outlive them.
std::vector<QStringView> SplitLineViews(const QString& Text) {
  std::vector<QStringView> lines;
  const qsizetype n = Text.size();
  const QChar* d = Text.constData();
  qsizetype start = 0;
  for (qsizetype i = 0; i < n; ++i) {
    const char16_t ch = d[i].unicode();
    if (ch != 13 && ch != 10) continue;
    lines.emplace_back(d + start, i - start);
    if (ch == 13 && i + 1 < n && d[i + 1].unicode() == 10) ++i;
    start = i + 1;
  }
  if (start < n) lines.emplace_back(d + start, n - start);
  return lines;
}

QStringList SplitLines(const QString& Text) {
  QStringList lines;
  for (QStringView line : SplitLineViews(Text)) lines.append(line.toString());
  return lines;
}

// Encoding by byte-order mark, else the ANSI code page.
QStringList DecodeLines(const QByteArray& Bytes, TTextEncoding* Encoding = nullptr) {
  return SplitLines(DecodeText(Bytes, Encoding, false));
}

QByteArray ReadWholeFile(const QString& FileName) {
  QByteArray bytes;
  if (!ReadFileBytes(FileName, bytes)) throw EFilerError(QStringLiteral("Cannot open file \"%1\"").arg(FileName));
  return bytes;
}

// Leading blanks, a sign, decimal digits or hex after "$" or "0x"; reading
// stops at the first other character and keeps what was read (0 for none).
int LenientInt(QStringView Text) {
  qsizetype i = 0;
  const qsizetype n = Text.size();
  while (i < n && (Text[i] == ' ' || Text[i] == QChar(9))) ++i;
  bool negative = false;
  if (i < n && (Text[i] == '-' || Text[i] == '+')) negative = Text[i++] == '-';
  int base = 10;
  if (i < n && Text[i] == '$') {
    base = 16;
    ++i;
  } else if (i + 1 < n && Text[i] == '0' && (Text[i + 1] == 'x' || Text[i + 1] == 'X')) {
    base = 16;
    i += 2;
  }
  qint64 value = 0;
  for (; i < n; ++i) {
    const int digit = QChar(Text[i]).isDigit() && Text[i].unicode() < 128 ? Text[i].unicode() - '0'
                      : base == 16 && Text[i].unicode() < 128 && std::isxdigit(Text[i].unicode())
                          ? std::tolower(Text[i].unicode()) - 'a' + 10
                          : -1;
    if (digit < 0 || digit >= base) break;
    value = std::min<qint64>(value * base + digit, INT_MAX);
  }
  return int(negative ? -value : value);
}

// A text with a line break is kept on its line by the substitutes 9, 8 and 1;
// a lone LF is substituted too, else it would split the cell line in two.
QString EncodeCellLine(const QString& Text) {
  if (Text.contains(QChar(13))) return EncodeLineBreaks(Text);
  if (!Text.contains(QChar(10))) return Text;
  QString r = Text;
  return r.replace(QChar(10), QChar(8)).replace(QChar(0), QChar(1));
}

class TProgress {
public:
  explicit TProgress(TPlexStringGrid& Grid) : FGrid(Grid) {}
  void Fire(double Done, double Whole) {
    if (!FGrid.OnFileProgress) return;
    const int percent = int(std::lround(Done / std::max(1.0, Whole) * 100.0));
    if (percent == FLast) return;
    FLast = percent;
    FGrid.OnFileProgress(&FGrid, percent);
  }

private:
  TPlexStringGrid& FGrid;
  int FLast = -1;
};

// Grids inside a LoadFromFile: handling window messages during the load must
// not start a second load of the same grid.
std::set<const TPlexStringGrid*>& LoadingGrids() {
  static std::set<const TPlexStringGrid*> grids;
  return grids;
}

// Odd runs of Ch count once: doubled characters are escapes.
int UndoubledCount(QChar Ch, const QString& Line) {
  int count = 0;
  int run = 0;
  for (QChar c : Line) {
    if (c == Ch) {
      ++run;
      continue;
    }
    if (run % 2 == 1) ++count;
    run = 0;
  }
  if (run % 2 == 1) ++count;
  return count;
}

QChar DetectDelimiter(const QString& First, const QString& Second) {
  auto best = [&](auto Count) {
    QChar found;
    int score = 0;
    for (QChar c : CsvCandidates) {
      const int a = Count(c, First);
      if (a > score && a == Count(c, Second)) {
        score = a;
        found = c;
      }
    }
    return found;
  };
  QChar d = best(UndoubledCount);
  if (d.isNull()) d = best([](QChar c, const QString& s) { return int(s.count(c)); });
  if (!d.isNull()) return d;
  int score = 0;
  for (QChar c : CsvCandidates) {
    const int n = int(std::max(First.count(c), Second.count(c)));
    if (n > score) {
      score = n;
      d = c;
    }
  }
  return d;
}

void DropLeadingBlanks(QStringView& Field) {
  while (Field.size() >= 2 && Field[0] == ' ') Field = Field.mid(1);
}

// Index of the quote that closes a field whose opening quote is already
// dropped: the first quote not doubled; -1 when there is none.
qsizetype ClosingQuote(QStringView Text) {
  for (qsizetype i = 0; i < Text.size(); ++i) {
    if (Text[i] != '"') continue;
    if (i + 1 < Text.size() && Text[i + 1] == '"') {
      ++i;
      continue;
    }
    return i;
  }
  return -1;
}

QString AlignText(const QString& Text, int Width, TAlignment Alignment) {
  QString s = Text;
  if (Alignment == taRightJustify) {
    if (s.size() < Width) s = QString(Width - s.size(), ' ') + s;
  } else if (Alignment == taCenter) {
    while (s.size() < Width) {
      s = ' ' + s;
      if (s.size() < Width) s += ' ';
    }
  }
  return s;
}

QStringList CellLines(const QString& Text) {
  QStringList lines;
  QString rest = Text;
  do {
    QString line;
    CutFirstLine(rest, true, line);
    lines << line;
  } while (!rest.isEmpty());
  return lines;
}

// The grid's column count raised by its hidden columns for one save, set back
// whatever happens.
class THiddenColumnsIncluded {
public:
  THiddenColumnsIncluded(TPlexStringGrid& Grid, bool Include) : FGrid(Grid), FCount(Grid.ColCount()) {
    if (Include && Grid.NumHiddenColumns() > 0) Grid.SetColCount(FCount + Grid.NumHiddenColumns());
    FChanged = Grid.ColCount() != FCount;
  }
  ~THiddenColumnsIncluded() {
    if (FChanged) FGrid.SetColCount(FCount);
  }
  THiddenColumnsIncluded(const THiddenColumnsIncluded&) = delete;
  THiddenColumnsIncluded& operator=(const THiddenColumnsIncluded&) = delete;

private:
  TPlexStringGrid& FGrid;
  int FCount;
  bool FChanged = false;
};

class TCursorShown {
public:
  TCursorShown(TControl& Control, TCursor Cursor) : FControl(Control), FOld(Control.Cursor()) {
    Control.SetCursor(Cursor);
  }
  ~TCursorShown() { FControl.SetCursor(FOld); }
  TCursorShown(const TCursorShown&) = delete;
  TCursorShown& operator=(const TCursorShown&) = delete;

private:
  TControl& FControl;
  TCursor FOld;
};

}  // namespace

// ---------------------------------------------------------------- own format

void TPlexStringGrid::SaveToFile(const QString& FileName, bool Unicode) {
  const int hidden = SaveHiddenCells ? NumHiddenColumns() : 0;
  const int lastCol = SaveEndCol() + hidden;
  QStringList lines;
  lines << QString("%1,%2").arg(SaveColCount() + hidden).arg(SaveRowCount());
  for (int c = SaveStartCol(); c <= lastCol; ++c) lines << QString("cw %1,%2").arg(c).arg(ColWidths(c));
  TProgress progress(*this);
  ExportNotification(esExportStart, SaveStartRow());
  for (int r = SaveStartRow(); r <= SaveEndRow(); ++r) {
    ExportNotification(esExportNextRow, r);
    for (int c = SaveStartCol(); c <= lastCol; ++c) {
      QString text;
      DoSaveCell(c, r, text);
      if (!text.isEmpty()) lines << QString("%1,%2,").arg(c).arg(r) + EncodeCellLine(text);
    }
    progress.Fire(r - SaveStartRow(), SaveRowCount() - 1);
  }
  ExportNotification(esExportDone, -1);
  WriteLines(FileName, lines, Unicode ? TTextEncoding::Utf16LE : TTextEncoding::Ansi);
}

void TPlexStringGrid::LoadFromFile(const QString& FileName) {
  if (LoadingGrids().count(this)) return;
  const QStringList lines = DecodeLines(ReadWholeFile(FileName));
  const QString corrupt = QStringLiteral("File contains no data or corrupt file ") + FileName;
  if (lines.isEmpty() || lines[0].isEmpty()) throw EPlexGridError(corrupt);

  const int colOffset = SaveFixedCells || SaveFixedCols ? 0 : FixedCols();
  const int rowOffset = SaveFixedCells || SaveFixedRows ? 0 : FixedRows();
  const QString& size = lines[0];
  const qsizetype comma = size.indexOf(',');
  const qint64 cols = qint64(colOffset) + LenientInt(QStringView(size).left(comma < 0 ? size.size() : comma));
  const qint64 rows = qint64(rowOffset) + (comma < 0 ? 0 : LenientInt(QStringView(size).mid(comma + 1)));
  if (cols <= 0 || rows <= 0 || cols > MaxFileCols || rows > MaxFileRows) throw EPlexGridError(corrupt);
  SetColCount(int(cols));
  SetRowCount(int(rows));

  LoadingGrids().insert(this);
  struct TLeave {
    const TPlexStringGrid* Grid;
    ~TLeave() { LoadingGrids().erase(Grid); }
  } leave{this};
  TProgress progress(*this);
  for (qsizetype i = 1; i < lines.size(); ++i) {
    const QStringView line(lines[i]);
    const qsizetype first = line.indexOf(',');
    if (line.startsWith(QLatin1String("cw"))) {
      if (first < 0) continue;
      const int col = LenientInt(line.mid(3, std::max<qsizetype>(0, first - 3)));
      if (col >= 0 && col < ColCount()) SetColWidths(col, LenientInt(line.mid(first + 1, 255)));
      continue;
    }
    if (first < 0) continue;
    const qsizetype second = line.indexOf(',', first + 1);
    const int col = LenientInt(line.left(first));
    const int row = LenientInt(second < 0 ? line.mid(first + 1) : line.mid(first + 1, second - first - 1));
    if (col < 0 || col >= ColCount() || row < 0 || row >= RowCount()) continue;
    DoLoadCell(col, row, DecodeLineBreaks(second < 0 ? QString() : line.mid(second + 1).toString(), Multilinecells));
    progress.Fire(row, RowCount() - 1);
    // Long loads keep the window responsive; every few hundred lines is enough.
    if (i % 256 == 0) Application()->ProcessMessages();
  }
  DoCellsChanged(TRect(0, 0, ColCount(), RowCount()));
  CellsLoaded();
}

// ---------------------------------------------------------------- CSV

namespace {

// The CSV text of the save range, one line per row.
QStringList CsvLines(TPlexStringGrid& Grid) {
  const QChar sep = Grid.Delimiter.isNull() ? QChar(',') : Grid.Delimiter;
  const bool hidden = Grid.SaveHiddenCells;
  const int lastCol = Grid.SaveEndCol() + (hidden ? Grid.NumHiddenColumns() : 0);
  QStringList lines;
  TProgress progress(Grid);
  Grid.ExportNotification(esExportStart, Grid.SaveStartRow());
  for (int r = Grid.SaveStartRow(); r <= Grid.SaveEndRow(); ++r) {
    Grid.ExportNotification(esExportNextRow, r);
    QString line;
    for (int c = Grid.SaveStartCol(); c <= lastCol; ++c) {
      if (c > Grid.SaveStartCol()) line += sep;
      QString text;
      Grid.DoSaveCell(hidden ? c : Grid.DisplayToRealCol(c), r, text);
      text = DoubleQuoteChars(text);
      if (Grid.OemConvert) TextToOem(text);
      bool quoted = false;
      const bool hasSep = text.contains(sep);
      if (Grid.AlwaysQuotes || (!hasSep && text.contains('"'))) {
        text = '"' + text + '"';
        quoted = true;
      }
      if (text.isEmpty()) {
        if (Grid.JavaCSV)
          text = QStringLiteral("^");
        else if (Grid.QuoteEmptyCells)
          text = QStringLiteral("\"\"");
      }
      if (hasSep || CountLines(text, true) > 1) {
        if (Grid.JavaCSV) {
          CrToTilde(text);
          // A separator inside the field would split it when read back.
          if (hasSep && !quoted) text = '"' + text + '"';
        } else if (quoted) {
          CrLfToLf(text);
        } else {
          QuoteMultilineText(text);
        }
      }
      line += text;
    }
    lines << line;
    progress.Fire(r, Grid.RowCount() - 1);
  }
  Grid.ExportNotification(esExportDone, -1);
  return lines;
}

}  // namespace

void TPlexStringGrid::SaveToCSV(const QString& FileName, bool Unicode) {
  WriteLines(FileName, CsvLines(*this), Unicode ? TTextEncoding::Utf8Bom : TTextEncoding::Ansi);
}

void TPlexStringGrid::AppendToCSV(const QString& FileName, bool Unicode) {
  TTextEncoding found = TTextEncoding::Ansi;
  QStringList lines = DecodeLines(ReadWholeFile(FileName), &found);
  lines += CsvLines(*this);
  WriteLines(FileName, lines, Unicode ? TTextEncoding::Utf8Bom : found);
}

namespace {

void LoadCsvText(TPlexStringGrid& Grid, const QString& Text, int MaxRows, bool Insert) {
  const std::vector<QStringView> Lines = SplitLineViews(Text);
  if (Lines.empty()) throw Exception(QStringLiteral("File is empty"));
  const int startCol = Grid.SaveStartCol();
  int row = Grid.SaveStartRow();
  QStringList footer;
  const int footers = Grid.FixedFooters();
  if (Insert) {
    row = Grid.RowCount();
    if (Grid.FloatingFooter().Visible()) {
      row = Grid.RowCount() - 1;
      for (int c = 0; c < Grid.ColCount(); ++c) {
        footer << Grid.GetGridCell(c, row);
        Grid.SetGridCell(c, row, QString());
      }
    }
  }

  QChar sep = Grid.Delimiter;
  if (sep.isNull()) sep = DetectDelimiter(Lines[0].toString(), Lines.size() > 1 ? Lines[1].toString() : QString());

  const int first = Grid.LoadFirstRow ? 0 : 1;
  int last = int(Lines.size());
  if (MaxRows > 0) last = std::min(last, first + MaxRows);
  const int toRead = std::max(0, last - first);
  if (Grid.OnFileProgress)
    Grid.SetRowCount(int(std::min<qint64>(MaxFileRows, qint64(row) + toRead + (Insert ? 0 : footers))));

  // Doubled quotes are escapes only in quoted fields and in the last field.
  auto store = [&](int Col, QStringView Field, bool Collapse) {
    if (Col >= MaxFileCols) return;
    QString text = Collapse ? CollapseDoubledChar('"', Field.toString()) : Field.toString();
    if (Grid.JavaCSV)
      TildeToCrLf(text);
    else
      VtToCrLf(text);
    if (Col >= Grid.AllColCount()) Grid.SetColCount(Col + 1 - (Grid.SaveHiddenCells ? Grid.NumHiddenColumns() : 0));
    Grid.DoLoadCell(Col, row, text);
  };

  TProgress progress(Grid);
  int lastRow = row - 1;
  for (int i = first; i < last && row < MaxFileRows; ++i) {
    QString converted;
    QStringView rest = Lines[size_t(i)];
    if (Grid.OemConvert) {
      converted = rest.toString();
      OemToText(converted);
      rest = converted;
    }
    if (row >= Grid.RowCount() - footers) Grid.SetRowCount(std::min(MaxFileRows, row + 1000));
    int c = startCol;
    qsizetype next = -1;
    while (!sep.isNull() && (next = rest.indexOf(sep)) >= 0) {
      const qsizetype length = rest.size();
      DropLeadingBlanks(rest);
      next -= length - rest.size();
      if (rest.startsWith('"')) {
        rest = rest.mid(1);
        const qsizetype close = ClosingQuote(rest);
        if (close < 0) {
          // No closing quote: the field takes the rest of the line.
          store(c++, rest, true);
          rest = {};
          break;
        }
        store(c++, rest.left(close), true);
        next = rest.indexOf(sep, close + 1);
        rest = next < 0 ? QStringView() : rest.mid(next + 1);
      } else if (next < 0) {
        // The separator itself was a blank and went with the leading blanks.
        break;
      } else {
        store(c++, rest.left(next), false);
        rest = rest.mid(next + 1);
      }
      if (c >= MaxFileCols) break;
    }
    if (!rest.isEmpty()) {
      DropLeadingBlanks(rest);
      if (rest.startsWith('"')) rest = rest.mid(1);
      if (rest.endsWith('"')) rest.chop(1);
      store(c, rest, true);
    }
    lastRow = row;
    ++row;
    progress.Fire(i - first + 1, toRead);
  }

  // The floating footer's texts, set aside above, get a row of their own after the loaded ones.
  Grid.SetRowCount(lastRow + 1 + footers + (footer.isEmpty() ? 0 : 1));
  Grid.MaxRowCount = Grid.RowCount();
  for (int c = 0; c < footer.size() && c < Grid.ColCount(); ++c) Grid.SetGridCell(c, Grid.RowCount() - 1, footer[c]);
  Grid.Delimiter = QChar(0);
  Grid.DoCellsChanged(TRect(0, 0, Grid.ColCount(), Grid.RowCount()));
  Grid.CellsLoaded();
}

}  // namespace

void TPlexStringGrid::LoadFromCSV(const QString& FileName, int MaxRows) {
  const QByteArray bytes = ReadWholeFile(FileName);
  if (bytes.isEmpty()) return;
  LoadCsvText(*this, DecodeText(bytes, nullptr, false), MaxRows, false);
}

void TPlexStringGrid::InsertFromCSV(const QString& FileName, int MaxRows) {
  const QByteArray bytes = ReadWholeFile(FileName);
  if (bytes.isEmpty()) return;
  LoadCsvText(*this, DecodeText(bytes, nullptr, false), MaxRows, true);
}

void TPlexStringGrid::LoadFromCSVStream(QIODevice& Stream, int MaxRows) {
  LoadCsvText(*this, DecodeText(Stream.readAll(), nullptr, false), MaxRows, false);
}

// ---------------------------------------------------------------- fixed width

int TPlexStringGrid::GetMaxColumnTextLength(int ACol) {
  int longest = 0;
  for (int r = 0; r < RowCount(); ++r) {
    QString text;
    DoSaveCell(ACol, r, text);
    if (text.isEmpty()) continue;
    if (!Multilinecells) {
      QString line;
      CutFirstLine(text, false, line);
      longest = std::max(longest, int(line.size()));
      continue;
    }
    for (const QString& line : CellLines(text)) longest = std::max(longest, int(line.size()));
  }
  return longest;
}

void TPlexStringGrid::SaveToFixed(const QString& FileName, TIntList& Widths) {
  THiddenColumnsIncluded hidden(*this, SaveHiddenCells);
  const int cols = SaveEndCol() - SaveStartCol() + 1;
  for (int i = Widths.Count(); i < cols; ++i) Widths.Add(GetMaxColumnTextLength(SaveStartCol() + i) + 1);
  QStringList lines;
  ExportNotification(esExportStart, SaveStartRow());
  for (int r = SaveStartRow(); r <= SaveEndRow(); ++r) {
    ExportNotification(esExportNextRow, r);
    QString line;
    for (int i = 0; i < cols; ++i) {
      QString text;
      DoSaveCell(SaveStartCol() + i, r, text);
      const int width = std::max(0, Widths.GetInteger(i));
      line += text.left(width).leftJustified(width, ' ');
    }
    lines << line;
  }
  ExportNotification(esExportDone, -1);
  try {
    WriteLines(FileName, lines, TTextEncoding::Ansi);
  } catch (const EFilerError&) {
    throw EPlexGridError(QStringLiteral("Cannot Create file ") + FileName);
  }
}

void TPlexStringGrid::LoadFromFixed(const QString& FileName, TIntList& Positions, bool DoTrim, int MaxRows) {
  QByteArray bytes;
  if (!ReadFileBytes(FileName, bytes))
    throw EPlexGridError(QStringLiteral("File ") + FileName + QStringLiteral(" not found"));
  const QStringList lines = SplitLines(AnsiToUnicode(bytes));
  std::vector<int> pos;
  for (int i = 0; i < Positions.Count(); ++i) pos.push_back(Positions.GetInteger(i));
  std::sort(pos.begin(), pos.end());
  for (int i = 0; i < int(pos.size()); ++i) Positions.SetInteger(i, pos[size_t(i)]);
  const int fields = std::max(0, int(pos.size()) - 1);
  SetColCount(std::min(MaxFileCols, FixedCols() + fields));

  int row = SaveStartRow();
  const int limit = MaxRows == -1 ? int(lines.size()) : std::max(1, MaxRows);
  for (int i = 0; i < lines.size() && i < limit && row < MaxFileRows; ++i) {
    if (row >= RowCount()) SetRowCount(row + 1);
    const QString& line = lines[i];
    for (int k = 0; k < fields && SaveStartCol() + k < ColCount(); ++k) {
      const int from = std::max(1, pos[size_t(k)]);
      const int to = std::max(from, pos[size_t(k) + 1]);
      QString text = line.mid(from - 1, to - from);
      if (DoTrim) text = text.trimmed();
      DoLoadCell(SaveStartCol() + k, row, text);
    }
    ++row;
  }
  DoCellsChanged(TRect(0, 0, ColCount(), RowCount()));
  CellsLoaded();
}

// ---------------------------------------------------------------- listing

namespace {

void ListingLines(TPlexStringGrid& Grid, QStringList& Lines) {
  THiddenColumnsIncluded hidden(Grid, Grid.SaveHiddenCells);
  const int firstCol = Grid.SaveFixedCells || Grid.SaveFixedCols ? 0 : Grid.FixedCols();
  const int firstRow = Grid.SaveFixedCells || Grid.SaveFixedRows ? 0 : Grid.FixedRows();
  std::vector<int> widths;
  for (int c = firstCol; c < Grid.ColCount(); ++c) widths.push_back(Grid.GetMaxColumnTextLength(c));

  Grid.ExportNotification(esExportStart, firstRow);
  for (int r = firstRow; r < Grid.RowCount(); ++r) {
    Grid.ExportNotification(esExportNextRow, r);
    QString main;
    QStringList more;
    int start = 0;
    for (int c = firstCol; c < Grid.ColCount(); ++c) {
      const int width = widths[size_t(c - firstCol)];
      QString text;
      Grid.DoSaveCell(c, r, text);
      TAlignment ha = taLeftJustify;
      TVAlignment va{};
      Grid.GetCellAlignment(c, r, ha, va);
      const QStringList cellLines = CellLines(text);
      main += AlignText(cellLines[0], width, ha).leftJustified(width + 1, ' ');
      if (Grid.Multilinecells) {
        for (int k = 1; k < cellLines.size(); ++k) {
          if (more.size() < k) more << QString();
          QString& line = more[k - 1];
          if (line.size() < start) line += QString(start - line.size(), ' ');
          line += AlignText(cellLines[k], width, ha);
        }
      }
      start += width + 1;
    }
    Lines << main;
    Lines += more;
  }
  Grid.ExportNotification(esExportDone, -1);
}

}  // namespace

void TPlexStringGrid::SaveToASCII(const QString& FileName, bool Unicode) {
  TCursorShown hourglass(*this, crHourGlass);
  QStringList lines;
  ListingLines(*this, lines);
  WriteLines(FileName, lines, Unicode ? TTextEncoding::Utf16LE : TTextEncoding::Ansi);
}

void TPlexStringGrid::AppendToASCII(const QString& FileName, bool Unicode) {
  TCursorShown hourglass(*this, crHourGlass);
  TTextEncoding found = TTextEncoding::Ansi;
  QStringList lines;
  if (QFile::exists(FileName)) lines = DecodeLines(ReadWholeFile(FileName), &found);
  ListingLines(*this, lines);
  WriteLines(FileName, lines, Unicode ? TTextEncoding::Utf16LE : found);
}
