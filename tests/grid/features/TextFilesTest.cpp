// Text files of the grid: its own line format, CSV, fixed width and the
// column-aligned listing, byte for byte where other programs read them, and
// hostile files that must end in an error or a partial load.
#include "../editing/EditingGridFixture.h"
#include "grid/core/PlexStringGrid.h"
#include "grid/foundation/CellProperties.h"
#include "grid/foundation/IntList.h"
#include "platform/ClassRegistry.h"
#include "platform/Files.h"
#include "platform/Screenshot.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

namespace {

const QString CRLF = QStringLiteral("\r\n");

QByteArray Bytes(const QString& Path) {
  QByteArray b;
  ReadFileBytes(Path, b);
  return b;
}

void Put(const QString& Path, const QByteArray& Data) { ASSERT_TRUE(WriteFileAtomic(Path, Data)); }

struct TextFiles : ::testing::Test {
  QTemporaryDir Dir;
  TPlexStringGrid G{nullptr};
  QString Path(const QString& Name) const { return Dir.filePath(Name); }
  void Size(int Cols, int Rows) {
    G.SetColCount(Cols);
    G.SetRowCount(Rows);
  }
};

// ---- the grid's own format

TEST_F(TextFiles, OwnFormatIsByteExactAndLoadsBack) {
  Size(2, 2);
  G.SetCellEx(0, 0, "a");
  G.SetCellEx(0, 1, "x,y");
  G.SaveToFile(Path("g.txt"), false);
  EXPECT_EQ(Bytes(Path("g.txt")), "2,2\r\ncw 0,64\r\ncw 1,64\r\n0,0,a\r\n0,1,x,y\r\n");

  G.SaveToFile(Path("u.txt"), true);
  const QByteArray u = Bytes(Path("u.txt"));
  EXPECT_TRUE(u.startsWith("\xFF\xFE"));
  EXPECT_EQ(QString::fromUtf16(reinterpret_cast<const char16_t*>(u.constData() + 2), (u.size() - 2) / 2),
            "2,2\r\ncw 0,64\r\ncw 1,64\r\n0,0,a\r\n0,1,x,y\r\n");

  for (const char* name : {"g.txt", "u.txt"}) {
    TPlexStringGrid t(nullptr);
    t.LoadFromFile(Path(name));
    EXPECT_EQ(t.ColCount(), 2);
    EXPECT_EQ(t.RowCount(), 2);
    for (int r = 0; r < 2; ++r)
      for (int c = 0; c < 2; ++c) EXPECT_EQ(t.GetCellEx(c, r), G.GetCellEx(c, r)) << name << " " << c << "," << r;
  }
}

TEST_F(TextFiles, LineBreaksStayOnTheCellLine) {
  struct Case {
    const char* Name;
    QString Text;
    QByteArray Line;
    bool Multi;
    QString Back;
  };
  const Case cases[] = {
      {"CR LF, multi-line", "a" + CRLF + "b", "0,0,a\x09\x08" "b", true, "a" + CRLF + "b"},
      {"CR LF, one line", "a" + CRLF + "b", "0,0,a\x09\x08" "b", false, "a"},
      {"lone LF", "a\nb", "0,0,a\x08" "b", true, "a\nb"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    TPlexStringGrid g(nullptr);
    g.SetColCount(2);
    g.SetRowCount(2);
    g.SetCellEx(0, 0, c.Text);
    g.SetCellEx(1, 1, "next");
    g.SaveToFile(Path("m.txt"), false);
    EXPECT_TRUE(Bytes(Path("m.txt")).contains(c.Line + "\r\n1,1,next\r\n"));
    TPlexStringGrid t(nullptr);
    t.Multilinecells = c.Multi;
    t.LoadFromFile(Path("m.txt"));
    EXPECT_EQ(t.GetCellEx(0, 0), c.Back);
    EXPECT_EQ(t.GetCellEx(1, 1), "next");

    QBuffer stream;
    stream.open(QIODevice::ReadWrite);
    g.SaveToStream(stream);
    stream.seek(0);
    TPlexStringGrid s(nullptr);
    s.Multilinecells = c.Multi;
    s.LoadFromStream(stream);
    EXPECT_EQ(s.GetCellEx(0, 0), c.Back);
    EXPECT_EQ(s.GetCellEx(1, 1), "next");
  }
}

TEST_F(TextFiles, SizeLineIsReadLenientlyFromTheFixedCells) {
  struct Case {
    QByteArray Size;
    bool SaveFixed;
    int Cols, Rows;
  };
  const Case cases[] = {{"3,4", false, 4, 5}, {"3,4", true, 3, 4}, {" $A,0x3junk", true, 10, 3}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Size.constData());
    TPlexStringGrid t(nullptr);
    t.SetColCount(3);
    t.SetRowCount(3);
    t.SetFixedCols(1);
    t.SetFixedRows(1);
    t.SaveFixedCells = c.SaveFixed;
    Put(Path("s.txt"), c.Size + "\r\ncw 1,30\r\ncw 99,30\r\n");
    t.LoadFromFile(Path("s.txt"));
    EXPECT_EQ(t.ColCount(), c.Cols);
    EXPECT_EQ(t.RowCount(), c.Rows);
    EXPECT_EQ(t.ColWidths(1), 30);
  }
}

TEST_F(TextFiles, TwoGridsInOneStreamLoadInOrder) {
  TPlexStringGrid a(nullptr), b(nullptr);
  a.SetColCount(2);
  a.SetRowCount(2);
  a.SetCellEx(1, 1, "first");
  b.SetColCount(3);
  b.SetRowCount(1);
  b.SetCellEx(2, 0, "second");
  QBuffer stream;
  stream.open(QIODevice::ReadWrite);
  a.SaveToStream(stream);
  b.SaveToStream(stream);
  stream.seek(0);
  TPlexStringGrid x(nullptr), y(nullptr);
  x.LoadFromStream(stream);
  y.LoadFromStream(stream);
  EXPECT_EQ(x.ColCount(), 2);
  EXPECT_EQ(x.GetCellEx(1, 1), "first");
  EXPECT_EQ(y.ColCount(), 3);
  EXPECT_EQ(y.GetCellEx(2, 0), "second");
}

TEST_F(TextFiles, HostileOwnFormatFilesEndInAnErrorOrAPartialLoad) {
  Size(2, 2);
  G.SetCellEx(0, 0, "kept");
  QByteArray oddUtf16("\xFF\xFE" "2\0,\0" "2\0\r\0\n\0" "0\0,\0" "1\0,\0" "z\0" "!", 21);
  struct Case {
    const char* Name;
    QByteArray Data;
    bool Throws;
  };
  const Case cases[] = {
      {"huge size", "2000000000,2000000000\r\n0,0,x\r\n", true},
      {"empty", "", true},
      {"no size", "\r\n0,0,x\r\n", true},
      {"NUL bytes", QByteArray("2,2\r\n0,0,a\0b\r\n1,1,\0\0\r\n", 21), false},
      {"10 MB line", "2,2\r\n0,1," + QByteArray(10 << 20, 'w') + "\r\n", false},
      {"UTF-8 mark, invalid bytes", "\xEF\xBB\xBF" "2,2\r\n0,1,\xC3\x28\xFF\r\n", false},
      {"UTF-16 of odd length", oddUtf16, false},
      {"cells outside", "1,1\r\n5,5,x\r\n-1,0,y\r\n0,0,in\r\n", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    Put(Path("h.txt"), c.Data);
    TPlexStringGrid t(nullptr);
    if (c.Throws) {
      EXPECT_THROW(t.LoadFromFile(Path("h.txt")), EPlexGridError);
      EXPECT_LT(t.ColCount(), 100);
    } else {
      EXPECT_NO_THROW(t.LoadFromFile(Path("h.txt")));
    }
  }
  TPlexStringGrid t(nullptr);
  EXPECT_THROW(t.LoadFromFile(Path("missing.txt")), EFilerError);
}

TEST_F(TextFiles, AFailedSaveKeepsTheOldFileWhole) {
  Size(4, 400);
  for (int r = 0; r < 400; ++r) G.SetCellEx(1, r, QString("row %1 with some text").arg(r));
  Put(Path("keep.csv"), "old");
  struct rlimit saved {};
  getrlimit(RLIMIT_FSIZE, &saved);
  struct rlimit small = saved;
  small.rlim_cur = 4096;
  auto oldHandler = signal(SIGXFSZ, SIG_IGN);
  setrlimit(RLIMIT_FSIZE, &small);
  bool csvFailed = false, fileFailed = false;
  try {
    G.SaveToCSV(Path("keep.csv"));
  } catch (const EFilerError&) {
    csvFailed = true;
  }
  try {
    G.SaveToFile(Path("keep.csv"));
  } catch (const EFilerError&) {
    fileFailed = true;
  }
  setrlimit(RLIMIT_FSIZE, &saved);
  signal(SIGXFSZ, oldHandler);
  EXPECT_TRUE(csvFailed);
  EXPECT_TRUE(fileFailed);
  EXPECT_EQ(Bytes(Path("keep.csv")), "old");
  EXPECT_EQ(ListFiles(Dir.path()), QStringList({"keep.csv"}));
}

// ---- CSV

TEST_F(TextFiles, CsvFieldsAreQuotedAsOtherProgramsReadThem) {
  struct Case {
    const char* Name;
    bool Java;
    QStringList Cells;
    QByteArray Line;
  };
  const Case cases[] = {
      {"plain, empty, quote", false, {"a", "", "b\"c"}, "a,\"\",\"b\"\"c\""},
      {"separator", false, {"x,y", "z", "w"}, "\"x,y\",z,w"},
      {"two lines", false, {"x" + CRLF + "y", "1", "2"}, "\"x\x0By\",1,2"},
      {"java empty and two lines", true, {"", "x" + CRLF + "y", "e"}, "^,x~y,e"},
      {"java separator", true, {"p,q", "r", "s"}, "\"p,q\",r,s"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    TPlexStringGrid g(nullptr);
    g.SetColCount(3);
    g.SetRowCount(1);
    g.JavaCSV = c.Java;
    for (int i = 0; i < 3; ++i) g.SetCellEx(i, 0, c.Cells[i]);
    g.SaveToCSV(Path("c.csv"));
    EXPECT_EQ(Bytes(Path("c.csv")), c.Line + "\r\n");
    TPlexStringGrid t(nullptr);
    t.JavaCSV = c.Java;
    t.Multilinecells = true;
    t.LoadFromCSV(Path("c.csv"));
    for (int i = 0; i < 3; ++i) EXPECT_EQ(t.GetCellEx(i, 0), c.Cells[i]) << i;
  }
}

TEST_F(TextFiles, CsvReaderFindsTheDelimiterAndReadsOddFields) {
  struct Case {
    const char* Name;
    QByteArray Data;
    QStringList Row0;
  };
  const Case cases[] = {
      {"three ; and one , per line", "a;b,c;d;e\r\n1;2;3,4;5\r\n", {"a", "b,c", "d", "e"}},
      {"single line, most frequent", "a|b|c-d\r\n", {"a", "b", "c-d"}},
      {"no candidate", "just text\r\n", {"just text"}},
      {"no closing quote", "a,\"open,rest\r\n", {"a", "open,rest"}},
      {"blanks before a quoted field", "a,  \"q,r\",z\r\n", {"a", "q,r", "z"}},
      {"trailing separator", "a,b,\r\n", {"a", "b", ""}},
      {"doubled quote in a bare field", "a\"\"b,c\r\n", {"a\"\"b", "c"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    Put(Path("d.csv"), c.Data);
    TPlexStringGrid t(nullptr);
    t.SetColCount(1);
    t.SetRowCount(1);
    t.LoadFromCSV(Path("d.csv"));
    for (int i = 0; i < c.Row0.size(); ++i) EXPECT_EQ(t.GetCellEx(i, 0), c.Row0[i]) << i;
    EXPECT_EQ(t.Delimiter, QChar(0));
  }
}

TEST_F(TextFiles, CsvInsertAppendAndEmptyInputs) {
  Size(2, 10);
  for (int r = 0; r < 10; ++r) G.SetCellEx(0, r, QString("old %1").arg(r));
  Put(Path("i.csv"), "n0,m0\r\nn1,m1\r\nn2,m2\r\n");
  G.InsertFromCSV(Path("i.csv"));
  EXPECT_EQ(G.RowCount(), 13);
  for (int r = 0; r < 10; ++r) EXPECT_EQ(G.GetCellEx(0, r), QString("old %1").arg(r));
  EXPECT_EQ(G.GetCellEx(1, 12), "m2");

  Put(Path("empty.csv"), "");
  G.LoadFromCSV(Path("empty.csv"));
  EXPECT_EQ(G.RowCount(), 13);
  EXPECT_EQ(G.GetCellEx(0, 0), "old 0");
  QBuffer none;
  none.open(QIODevice::ReadOnly);
  try {
    G.LoadFromCSVStream(none);
    ADD_FAILURE() << "an empty stream loaded";
  } catch (const Exception& e) {
    EXPECT_EQ(QString(e.what()), "File is empty");
  }
  EXPECT_THROW(G.AppendToCSV(Path("absent.csv")), EFilerError);

  TPlexStringGrid small(nullptr);
  small.SetColCount(1);
  small.SetRowCount(1);
  small.SetCellEx(0, 0, QString::fromUtf8("é"));
  small.SaveToCSV(Path("u.csv"), true);
  small.AppendToCSV(Path("u.csv"));
  EXPECT_EQ(Bytes(Path("u.csv")), "\xEF\xBB\xBF\xC3\xA9\r\n\xC3\xA9\r\n");
}

// ---- fixed width and the listing

TEST_F(TextFiles, FixedWidthBothWays) {
  Put(Path("f.txt"), "abcdefghijkl\r\n1234 5678 9\r\n");
  TIntList positions(0, 0);
  for (int p : {10, 1, 5}) positions.Add(p);
  TPlexStringGrid t(nullptr);
  t.SetColCount(1);
  t.SetRowCount(1);
  t.LoadFromFixed(Path("f.txt"), positions, false);
  EXPECT_EQ(positions.StrValue(), "1,5,10");
  EXPECT_EQ(t.ColCount(), 2);
  EXPECT_EQ(t.GetCellEx(0, 0), "abcd");
  EXPECT_EQ(t.GetCellEx(1, 0), "efghi");
  EXPECT_EQ(t.GetCellEx(0, 1), "1234");
  EXPECT_EQ(t.GetCellEx(1, 1), " 5678");
  EXPECT_THROW(t.LoadFromFixed(Path("nope.txt"), positions), EPlexGridError);

  Size(2, 2);
  G.SetCellEx(0, 0, "abc");
  G.SetCellEx(1, 0, "x");
  G.SetCellEx(1, 1, "yy");
  TIntList widths(0, 0);
  G.SaveToFixed(Path("w.txt"), widths);
  EXPECT_EQ(Bytes(Path("w.txt")), "abc x  \r\n    yy \r\n");
  EXPECT_THROW(G.SaveToFixed(Path("nodir/w.txt"), widths), EPlexGridError);
}

TEST_F(TextFiles, ListingAlignsColumnsOfAnyWidthAndCount) {
  Size(2, 3);
  G.SetCellEx(0, 0, "12345");
  G.SetCellEx(0, 1, "12");
  G.GetCellProperties(0, 1)->SetAlignment(taRightJustify);
  G.SetCellEx(1, 1, "ab");
  G.SetCellEx(0, 2, "c");
  G.GetCellProperties(0, 2)->SetAlignment(taCenter);
  G.SaveToASCII(Path("l.txt"));
  EXPECT_EQ(Bytes(Path("l.txt")), "12345    \r\n   12 ab \r\n  c      \r\n");

  G.Multilinecells = true;
  G.SetCellEx(1, 1, "ab" + CRLF + "cd");
  G.AppendToASCII(Path("l.txt"));
  EXPECT_TRUE(Bytes(Path("l.txt")).endsWith("   12 ab \r\n      cd\r\n  c      \r\n"));

  // Beyond 512 columns and 255 characters a column still gets its own width.
  TPlexStringGrid wide(nullptr);
  wide.SetColCount(600);
  wide.SetRowCount(1);
  wide.SetCellEx(599, 0, QString(300, 'z'));
  wide.SetCellEx(598, 0, "y");
  wide.SaveToASCII(Path("wide.txt"));
  EXPECT_EQ(Bytes(Path("wide.txt")), QByteArray(598, ' ') + "y " + QByteArray(300, 'z') + " \r\n");
}

// ---- a shown grid

struct TextFilesShown : EditingGridFixture {};

TEST_F(TextFilesShown, TypedCellsComeBackFromCsv) {
  QTemporaryDir dir;
  const QString texts[] = {"alpha", "be,ta", "gam\"ma"};
  for (int i = 0; i < 3; ++i) {
    Grid->MoveToColRow(1 + i, 1);
    // The first key opens the editor, the rest go into it.
    QTest::keyClicks(Grid->Widget(), texts[i].left(1));
    QApplication::processEvents();
    ASSERT_NE(EditorWidget(), nullptr);
    QTest::keyClicks(EditorWidget(), texts[i].mid(1));
    QTest::keyClick(EditorWidget(), Qt::Key_Return);
    QApplication::processEvents();
  }
  for (int i = 0; i < 3; ++i) ASSERT_EQ(Grid->GetCellEx(1 + i, 1), texts[i]);
  Grid->SaveToCSV(dir.filePath("typed.csv"));
  Grid->ClearNormalCells();
  ASSERT_EQ(Grid->GetCellEx(1, 1), "");
  Grid->LoadFromCSV(dir.filePath("typed.csv"));
  QApplication::processEvents();
  for (int i = 0; i < 3; ++i) EXPECT_EQ(Grid->GetCellEx(1 + i, 1), texts[i]);
  if (const char* shots = std::getenv("QUILLORE_SHOTS"))
    SaveWidgetScreenshot(Form->Widget(), QString(shots) + "/textfiles_csv_loaded.png");
}

}  // namespace
