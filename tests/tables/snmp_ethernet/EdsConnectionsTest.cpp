// The EDS reader and the connection-path decoder, by tables of entries and
// on hostile files.
#include "tables/snmp_ethernet/EdsConnections.h"

#include "EditorTestKit.h"
#include "platform/Files.h"

#include <QRegularExpression>

namespace {

QString Entry(const QString& Parameters, const QString& Path) {
  return "0x84010002," + Parameters + ",,,,,,,,,,,\"Name\",\"Help\",\"" + Path + "\";";
}

std::vector<TConnData> FileConnections(const QString& Name) {
  const QString text = ReadTextFile(SnmpEthernetFixture("eds/" + Name));
  return EdsConnections(text.split(QRegularExpression("\r\n|\r|\n")));
}

}  // namespace

TEST(EdsConnections, TheIssueEntrySpreadOverThreeLinesDecodes) {
  const QStringList lines = {"[Connection Manager]", "Connection1 = 0x84010002,0x00000400,,,,,,,,,,,",
                             "\"Exclusive Owner\",\"\",", "\"20 04 24 01 2C 65 2C 64\";"};
  const std::vector<TConnData> list = EdsConnections(lines);
  ASSERT_EQ(list.size(), 1u);
  const TConnData& d = list[0];
  EXPECT_EQ(d.ConnIndex, 1);
  EXPECT_EQ(d.ConnName, "\"Exclusive Owner\"");
  EXPECT_EQ(d.HelpStr, "\"\"");
  EXPECT_EQ(d.InstanceOT, 1);
  EXPECT_EQ(d.ConnPointOT, 101);
  EXPECT_EQ(d.InstanceTO, 1);
  EXPECT_EQ(d.ConnPointTO, 100);
  EXPECT_EQ(d.DimHeaderOT, 4);
  EXPECT_EQ(d.DimHeaderTO, 0);
  EXPECT_EQ(d.NumClass, 0);
}

TEST(EdsConnections, PathsDecodeByTheirSegments) {
  struct Case {
    QString Path;
    bool Decodes;
    int InstanceOT = 0, PointOT = 0, InstanceTO = 0, PointTO = 0;
  };
  const Case cases[] = {
      {"20 04 24 01 2C 65 2C 64", true, 1, 101, 1, 100},
      {"20 04 25 00 96 00 2C 65 2C 64", true, 150, 101, 150, 100},
      {"20 04 26 00 96 00 00 00 2C 65 2C 64", true, 150, 101, 150, 100},
      {"20 04 2C 65 2C 64", true, 1, 101, 1, 100},
      {"20 04 24 01 2C 65 24 02 2C 64", true, 1, 101, 2, 100},
      {"20 04 25 00 34 12 2C 65 2C 64", true, 0x34, 101, 0x34, 100},  // 16-bit 0x1234 keeps its low byte
      {"20 04 24 01 zz 2C 1FF 65 2C 64", true, 1, 101, 1, 100},       // non-bytes close up
      {"0x20 04 24 01 2C 65 2C 64", false, 0, 0, 0, 0},               // "0x0x20" is no number
      {"20 04 24 01 2C", false, 0, 0, 0, 0},                          // five bytes
      {"21 04 24 01 2C 65 2C 64", false, 0, 0, 0, 0},                 // no logical class first
      {"20 04 26 00 96 00 00", false, 0, 0, 0, 0},                    // a cut 32-bit instance
      {"20 04 24 01 2C 65 2C", false, 0, 0, 0, 0},                    // a connection point without value
      {"20 04 24 01 2C 65 24", false, 0, 0, 0, 0},                    // an instance without value
      {"20 04 24 01 2C 65 24 02 2C", false, 0, 0, 0, 0},
      {"20 04 24 01 2C 65 24 02", false, 0, 0, 0, 0},
      {"20 04 24 01 2C 65", false, 0, 0, 0, 0},  // no second direction
      {"20 04 24 01 65 66", false, 0, 0, 0, 0},  // no connection point
  };
  for (const Case& c : cases) {
    const std::optional<TConnData> d = DecodeConnStr(Entry("0x00000400", c.Path));
    ASSERT_EQ(d.has_value(), c.Decodes) << c.Path.toStdString();
    if (!d) continue;
    EXPECT_EQ(d->InstanceOT, c.InstanceOT) << c.Path.toStdString();
    EXPECT_EQ(d->ConnPointOT, c.PointOT) << c.Path.toStdString();
    EXPECT_EQ(d->InstanceTO, c.InstanceTO) << c.Path.toStdString();
    EXPECT_EQ(d->ConnPointTO, c.PointTO) << c.Path.toStdString();
  }
}

TEST(EdsConnections, TheParametersGiveTheHeaderFormatsAndThePathEndsAtItsDelimiter) {
  const std::tuple<QString, int, int> parameters[] = {{"0x00000400", 4, 0}, {"0x00003200", 2, 3}, {"$7700", 7, 7},
                                                      {"13312", 4, 3},      {"junk", 7, 7},       {"", 7, 7}};
  for (const auto& [text, ot, to] : parameters) {
    const auto d = DecodeConnStr(Entry(text, "20 04 24 01 2C 65 2C 64"));
    ASSERT_TRUE(d) << text.toStdString();
    EXPECT_EQ(d->DimHeaderOT, ot) << text.toStdString();
    EXPECT_EQ(d->DimHeaderTO, to) << text.toStdString();
  }
  // A comma before the semicolon ends the path; without either the path is empty.
  EXPECT_TRUE(DecodeConnStr("1,0,,,,,,,,,,,N,H,20 04 24 01 2C 65 2C 64,more;"));
  EXPECT_FALSE(DecodeConnStr("1,0,,,,,,,,,,,N,H,20 04 24 01 2C 65 2C 64"));
  EXPECT_TRUE(DecodeConnStr("1,0,,,,,,,,,,,N,H, \"20 04 24 01\" 2C 65 2C 64 ;"));
  // Names and help strings are trimmed and keep their quotes; a comma inside
  // the quotes still ends the field, so the fields after it shift.
  const auto d = DecodeConnStr("1,0,,,,,,,,,,, \"A B\" ,  x ,\"20 04 24 01 2C 65 2C 64\";");
  ASSERT_TRUE(d);
  EXPECT_EQ(d->ConnName, "\"A B\"");
  EXPECT_EQ(d->HelpStr, "x");
  EXPECT_FALSE(DecodeConnStr("1,0,,,,,,,,,,, \"A, B\" ,  x ,\"20 04 24 01 2C 65 2C 64\";"));
}

TEST(EdsConnections, TheReaderKeepsEntriesOfTheSectionOnly) {
  const QStringList lines = {"Connection0 = outside",
                             "  [Connection Manager]  $ the section",
                             "$ Connection in a comment starts nothing",
                             "Connection1 =",
                             "0x1,",
                             "0x400 $ Connection here too",
                             ",,,,,,,,,,,\"a\",\"b\",\"20 04 24 01 2C 65 2C 64\";",
                             "Connection2=x,y",
                             "more",
                             "[Next]",
                             "Connection3 = z"};
  EXPECT_EQ(EdsConnectionEntries(lines),
            QStringList({"0x1,0x400,,,,,,,,,,,\"a\",\"b\",\"20 04 24 01 2C 65 2C 64\";", "x,ymore"}));
  EXPECT_EQ(EdsConnectionEntries({"x [Connection Manager] y", "NoEquals Connection", "[Connection Manager]"}),
            QStringList{"NoEquals Connection"});
}

TEST(EdsConnections, AFileWithAShortPathNumbersTheOthersWithoutGaps) {
  const std::vector<TConnData> list = FileConnections("two_connections.eds");
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[0].ConnIndex, 1);
  EXPECT_EQ(list[1].ConnIndex, 2);
  EXPECT_EQ(list[1].ConnName, "\"Input Only\"");
  EXPECT_EQ(list[1].HelpStr, "\"listen to 150\"");
  EXPECT_EQ(list[1].InstanceOT, 150);
  EXPECT_EQ(list[1].ConnPointOT, 0x66);
  EXPECT_EQ(list[1].DimHeaderOT, 2);
  EXPECT_EQ(list[1].DimHeaderTO, 3);
}

TEST(EdsConnections, HostileFilesDecodeNothingOrWhatTheirBytesAllow) {
  EXPECT_TRUE(FileConnections("no_section.eds").empty());
  EXPECT_TRUE(FileConnections("truncated_segments.eds").empty());
  EXPECT_TRUE(FileConnections("binary.eds").empty());
  // 5,000 path bytes: the first 1,001 are read, and they hold the connection.
  const QString text = ReadTextFile(SnmpEthernetFixture("eds/long_path.eds"));
  const QStringList entries = EdsConnectionEntries(text.split(QRegularExpression("\r\n|\r|\n")));
  ASSERT_EQ(entries.size(), 1);
  const qsizetype start = entries[0].indexOf("\"20 ");
  EXPECT_EQ(EdsPathBytes(entries[0].mid(start + 1, entries[0].size() - start - 3)).size(), size_t(MaxPathBytes));
  FileConnections("long_path.eds");
}
