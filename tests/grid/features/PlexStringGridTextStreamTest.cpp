// The grid's text stream: what it writes, and what reading it back gives.
#include "grid/core/PlexStringGrid.h"

#include "platform/Grids.h"

#include <QBuffer>

#include <gtest/gtest.h>

namespace {

QByteArray Utf16(const QString& Text) {
  QByteArray b;
  for (QChar ch : Text) {
    b.append(char(ch.unicode() & 0xFF));
    b.append(char(ch.unicode() >> 8));
  }
  return b;
}

QString FromUtf16(const QByteArray& Bytes) {
  QString s;
  for (int i = 0; i + 1 < Bytes.size(); i += 2) s += QChar(char16_t(uint8_t(Bytes[i]) | (uint8_t(Bytes[i + 1]) << 8)));
  return s;
}

QString Saved(TPlexStringGrid& g) {
  QBuffer b;
  b.open(QIODevice::ReadWrite);
  g.SaveToStream(b);
  return FromUtf16(b.data());
}

void Load(TPlexStringGrid& g, const QString& Text) {
  QBuffer b;
  b.setData(Utf16(Text));
  b.open(QIODevice::ReadOnly);
  g.LoadFromStream(b);
}

TEST(PlexStringGridTextStream, EmptyGridSavesSizeAndWidthsOnly) {
  TPlexStringGrid g(nullptr);
  g.SetColCount(2);
  g.SetRowCount(3);
  g.SetColWidths(1, 90);
  EXPECT_EQ(Saved(g), "2,3\r\ncw 0,64\r\ncw 1,90\r\n");
  TPlexStringGrid other(nullptr);
  Load(other, Saved(g));
  EXPECT_EQ(other.ColCount(), 2);
  EXPECT_EQ(other.RowCount(), 3);
  EXPECT_EQ(other.ColWidths(1), 90);
  EXPECT_EQ(other.GetCellEx(1, 1), "");
}

TEST(PlexStringGridTextStream, CellLinesCarryCommasAndLineBreaks) {
  TPlexStringGrid g(nullptr);
  g.SetColCount(2);
  g.SetRowCount(2);
  g.SetCellEx(1, 0, "x,y");
  g.SetCellEx(0, 1, "a\r\nb");
  g.SetCellEx(1, 1, "only\nLF");
  const QString text = Saved(g);
  EXPECT_TRUE(text.contains(QString("1,0,x,y\r\n")));
  EXPECT_TRUE(text.contains(QString("0,1,a") + QChar(9) + QChar(8) + "b\r\n"));
  struct TCase {
    bool Multiline;
    const char* Expected;
  };
  for (const TCase c : {TCase{true, "a\r\nb"}, TCase{false, "a"}}) {
    TPlexStringGrid other(nullptr);
    other.Multilinecells = c.Multiline;
    Load(other, text);
    EXPECT_EQ(other.GetCellEx(1, 0), "x,y");
    EXPECT_EQ(other.GetCellEx(0, 1), c.Expected);
    // A lone LF is no line end in the stream, so the text comes back whole.
    EXPECT_EQ(other.GetCellEx(1, 1), "only\nLF");
  }
}

TEST(PlexStringGridTextStream, TwoGridsInOneStreamReadBackInOrder) {
  TPlexStringGrid first(nullptr), second(nullptr);
  first.SetColCount(2);
  first.SetRowCount(2);
  first.SetCellEx(1, 1, "one");
  second.SetColCount(3);
  second.SetRowCount(4);
  second.SetCellEx(2, 3, "two");
  QBuffer b;
  b.open(QIODevice::ReadWrite);
  first.SaveToStream(b);
  second.SaveToStream(b);
  b.seek(0);
  TPlexStringGrid a(nullptr), c(nullptr);
  a.LoadFromStream(b);
  EXPECT_EQ(a.ColCount(), 2);
  EXPECT_EQ(a.GetCellEx(1, 1), "one");
  c.LoadFromStream(b);
  EXPECT_EQ(c.ColCount(), 3);
  EXPECT_EQ(c.RowCount(), 4);
  EXPECT_EQ(c.GetCellEx(2, 3), "two");
  EXPECT_TRUE(b.atEnd());
}

TEST(PlexStringGridTextStream, WithoutFixedCellsCoordinatesStartAfterThem) {
  TPlexStringGrid g(nullptr);
  g.SaveFixedCells = false;
  g.SetColCount(3);
  g.SetRowCount(3);
  g.SetCellEx(0, 0, "header");
  g.SetCellEx(1, 1, "body");
  const QString text = Saved(g);
  EXPECT_TRUE(text.startsWith("2,2\r\n"));
  EXPECT_TRUE(text.contains("0,0,body\r\n"));
  EXPECT_FALSE(text.contains("header"));
  TPlexStringGrid other(nullptr);
  other.SaveFixedCells = false;
  Load(other, text);
  EXPECT_EQ(other.ColCount(), 3);
  EXPECT_EQ(other.GetCellEx(1, 1), "body");
}

TEST(PlexStringGridTextStream, BadFieldsRaiseAndKeepWhatWasStored) {
  TPlexStringGrid g(nullptr);
  EXPECT_THROW(Load(g, "2,2\r\ncw 5,10\r\n"), EInvalidGridOperation);
  TPlexStringGrid h(nullptr);
  EXPECT_THROW(Load(h, "2,2\r\n1,1,kept\r\nx,1,bad\r\n"), EConvertError);
  EXPECT_EQ(h.GetCellEx(1, 1), "kept");
}

TEST(PlexStringGridTextStream, SaveReportsProgressAndLoadReportsTheChange) {
  TPlexStringGrid g(nullptr);
  g.SetColCount(1);
  g.SetRowCount(2);
  std::vector<QString> log;
  g.OnExportNotification = [&log](TObject*, TExportState State, int ARow) {
    log.push_back(QString("%1:%2").arg(State).arg(ARow));
  };
  Saved(g);
  EXPECT_EQ(log, (std::vector<QString>{"0:0", "5:0", "5:1", "2:-1"}));
  TRect changed;
  g.OnCellsChanged = [&changed](TObject*, const TRect& R) { changed = R; };
  g.ClearFeatureCalls();
  Load(g, "1,2\r\n");
  EXPECT_EQ(changed, TRect(0, 0, 1, 2));
  // The change notification and the end of loading each recalculate the footer.
  EXPECT_EQ(g.FeatureCalls(), (std::vector<QString>{"CalcFooter -1", "CalcFooter -1"}));
}

}  // namespace
