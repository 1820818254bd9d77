// The grid's own line-oriented text form of all its cells, stream variant:
// UTF-16LE lines ended by CR LF, a size line, the column widths, then one
// line per non-empty cell. AssignCells copies one grid into another with it.
#include "grid/core/PlexStringGrid.h"

#include "grid/foundation/TextRoutines.h"

namespace {

void WriteLine(QIODevice& Stream, const QString& Line) {
  const QString text = Line + "\r\n";
  QByteArray bytes;
  bytes.reserve(text.size() * 2);
  for (QChar ch : text) {
    bytes.append(char(ch.unicode() & 0xFF));
    bytes.append(char(ch.unicode() >> 8));
  }
  Stream.write(bytes);
}

// Units up to a CR; the unit after the CR is taken as its LF. False at the end.
bool ReadLine(QIODevice& Stream, QString& Line) {
  Line.clear();
  char unit[2];
  bool any = false;
  while (Stream.read(unit, 2) == 2) {
    any = true;
    const QChar ch(char16_t(uint8_t(unit[0]) | (uint8_t(unit[1]) << 8)));
    if (ch == QChar(13)) {
      Stream.read(unit, 2);
      return true;
    }
    Line += ch;
  }
  return any;
}

}  // namespace

int TPlexStringGrid::SaveStartCol() const { return SaveFixedCells || SaveFixedCols ? 0 : FixedCols(); }
int TPlexStringGrid::SaveStartRow() const { return SaveFixedCells || SaveFixedRows ? 0 : FixedRows(); }
// Without the fixed cells the fixed columns on the right and the footer rows stay out too.
int TPlexStringGrid::SaveEndCol() const {
  return SaveFixedCells || SaveFixedCols ? ColCount() - 1 : ColCount() - FixedRightCols() - 1;
}
int TPlexStringGrid::SaveEndRow() const {
  return SaveFixedCells || SaveFixedRows ? RowCount() - 1 : RowCount() - FixedFooters() - 1;
}

void TPlexStringGrid::SaveToStream(QIODevice& Stream) {
  WriteLine(Stream, QString("%1,%2").arg(SaveColCount()).arg(SaveRowCount()));
  for (int c = 0; c < ColCount(); ++c) WriteLine(Stream, QString("cw %1,%2").arg(c).arg(ColWidths(c)));
  ExportNotification(esExportStart, SaveStartRow());
  for (int r = SaveStartRow(); r <= SaveEndRow(); ++r) {
    ExportNotification(esExportNextRow, r);
    for (int c = SaveStartCol(); c <= SaveEndCol(); ++c) {
      QString text;
      DoSaveCell(c, r, text);
      if (text.isEmpty()) continue;
      // A lone LF is substituted too: written as it is it would split the cell line.
      if (!text.contains(QChar(13)) && text.contains(QChar(10)))
        text.replace(QChar(10), QChar(8)).replace(QChar(0), QChar(1));
      WriteLine(Stream, QString("%1,%2,").arg(c - SaveStartCol()).arg(r - SaveStartRow()) + EncodeLineBreaks(text));
    }
  }
  ExportNotification(esExportDone, -1);
}

void TPlexStringGrid::LoadFromStream(QIODevice& Stream) {
  QString line;
  if (ReadLine(Stream, line) && !line.isEmpty()) {
    const int comma = line.indexOf(',');
    const qint64 cols = qint64(StrToInt(line.left(comma))) + SaveStartCol();
    const qint64 rows = qint64(StrToInt(line.mid(comma + 1))) + SaveStartRow();
    // A size no grid can hold is refused before the grid allocates for it.
    if (cols > (1 << 16) || rows > (1 << 23)) throw EInvalidGridOperation(SGridIndexOutOfRange);
    SetColCount(int(cols));
    SetRowCount(int(rows));
  }
  for (;;) {
    const qint64 position = Stream.pos();
    if (!ReadLine(Stream, line)) break;
    if (line.startsWith("cw")) {
      const QString rest = line.mid(3);
      const int comma = rest.indexOf(',');
      const int col = StrToInt(rest.left(comma));
      if (col < 0 || col >= ColCount()) throw EInvalidGridOperation(SGridIndexOutOfRange);
      SetColWidths(col, StrToInt(rest.mid(comma + 1)));
      continue;
    }
    // A line with fewer than two commas is the next grid's size line.
    const int first = line.indexOf(',');
    const int second = first < 0 ? -1 : line.indexOf(',', first + 1);
    if (first <= 0 || second < 0 || second == first + 1) {
      Stream.seek(position);
      break;
    }
    const int col = StrToInt(line.left(first));
    const int row = StrToInt(line.mid(first + 1, second - first - 1));
    DoLoadCell(col + SaveStartCol(), row + SaveStartRow(), DecodeLineBreaks(line.mid(second + 1), Multilinecells));
  }
  DoCellsChanged(TRect(0, 0, ColCount(), RowCount()));
  CellsLoaded();
}
