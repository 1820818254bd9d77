// The EDS writer: one whole file against one written by hand, the parts that
// vary with the tables, the clock texts, and what stops an export.
#include "tables/can/UEds.h"

#include "../../common/tables/UnwritableFolder.h"
#include "CanEditorFixture.h"
#include "platform/DateTime.h"
#include "platform/Xml.h"
#include "tables/modbus_bacnet/UBACnet_EDE_File.h"

namespace {

class EdsWriter : public CanEditorFixture {
protected:
  void SetUp() override {
    CanEditorFixture::SetUp();
    SetNowOverride(EncodeDate(2025, 7, 3) + EncodeTime(14, 5, 9, 0));
    Target = Dir.path() + "/out.eds";
  }
  void TearDown() override {
    ClearNowOverride();
    CanEditorFixture::TearDown();
  }
  // Rows as (COB-ID, Dimension).
  void WritePdos(const std::vector<std::pair<QString, QString>>& Receive,
                 const std::vector<std::pair<QString, QString>>& Transmit = {}) {
    const auto rows = [](const std::vector<std::pair<QString, QString>>& Rows) {
      QString xml;
      for (const auto& [cob, dim] : Rows)
        xml += QString("<row COB-ID=\"%1\" Dimension=\"%2\" Mnemonic=\"\"/>").arg(cob, dim);
      return xml;
    };
    WriteFile(PDOCANopenFile, ("<PDO_CANopen><Receive_PDO>" + rows(Receive) + "</Receive_PDO><Transmit_PDO>" +
                               rows(Transmit) + "</Transmit_PDO></PDO_CANopen>")
                                  .toUtf8());
  }
  // Rows as "Index,SubIndex,NByte".
  void WriteSdos(const QStringList& Read, const QStringList& Write) {
    const auto rows = [](const QStringList& Rows) {
      QString xml;
      for (const QString& r : Rows) {
        const QStringList f = r.split(',');
        xml += QString("<row Index=\"%1\" SubIndex=\"%2\" NByte=\"%3\"/>").arg(f[0], f[1], f[2]);
      }
      return xml;
    };
    WriteFile(SDOServerCANopenFile, ("<SDO_Server><SDO_Read>" + rows(Read) + "</SDO_Read><SDO_Write>" + rows(Write) +
                                     "</SDO_Write></SDO_Server>")
                                        .toUtf8());
  }
  QStringList Lines() { return QString::fromLatin1(FileBytes(Target)).split("\r\n"); }
  // The lines of one section, up to the next empty line.
  QStringList Section(const QString& Name) {
    const QStringList lines = Lines();
    qsizetype at = lines.indexOf(Name);
    if (at < 0) return {};
    QStringList section;
    while (++at < lines.size() && !lines[at].isEmpty() && !lines[at].startsWith('[')) section << lines[at];
    return section;
  }

  TXmlDocument XML1;
  QString Target;
};

}  // namespace

TEST_F(EdsWriter, TheWholeFileOfOneReceivePdoAndOneObject) {
  WritePdos({{"0x201", "2"}});
  WriteSdos({"0x2000,3,2"}, {"0x2000,1,4"});
  WriteEdsFile(XML1, Target);
  QFile expected(QString(QUILLORE_FIXTURES) + "/can/one_rpdo.eds");
  ASSERT_TRUE(expected.open(QIODevice::ReadOnly));
  EXPECT_EQ(FileBytes(Target).toStdString(), expected.readAll().toStdString());
  EXPECT_TRUE(Shown().isEmpty());
}

TEST_F(EdsWriter, WhatVariesWithTheTables) {
  // The editor accepts "x201" and "x2"; read as it means them.
  WritePdos({{"x201", "x2"}, {"0x202", "abc"}}, {{"$181", "1"}});
  WriteSdos({"0x3000,255,1", "0x3000,0,2"}, {"0x2000,10,4"});
  WriteEdsFile(XML1, Target);
  EXPECT_EQ(Section("[DeviceInfo]").mid(20), QStringList({"NrOfRXPDO=2", "NrOfTXPDO=1"}));
  EXPECT_EQ(Section("[OptionalObjects]").first(), "SupportedObjects=17");
  EXPECT_EQ(Section("[OptionalObjects]").mid(9),
            QStringList({"9=0x1400", "10=0x1401", "11=0x1600", "12=0x1601", "13=0x1800", "14=0x1A00", "15=0x7000",
                         "16=0x7001", "17=0x7050"}));
  EXPECT_EQ(Section("[ManufacturerObjects]"), QStringList({"SupportedObjects=2", "1=0x3000", "2=0x2000"}));
  EXPECT_EQ(Section("[1400sub1]").at(4), "DefaultValue=0x00000201");
  EXPECT_EQ(Section("[1601]").first(), "SubNumber=9");  // "abc": 8 entries
  EXPECT_EQ(Section("[1601sub8]").at(4), "DefaultValue=0x70010808");
  EXPECT_EQ(Section("[1A00]").at(1), "ParameterName=Transmit PDO Mapping Parameter 1");
  EXPECT_EQ(Section("[1A00sub1]").at(4), "DefaultValue=0x70500108");
  EXPECT_EQ(Section("[7001sub1]").first(), "ParameterName=c1");
  EXPECT_EQ(Section("[7050sub0]").at(3), "AccessType=rw");
  EXPECT_EQ(Section("[7050sub1]").mid(0, 4),
            QStringList({"ParameterName=l1", "ObjectType=0x07", "DataType=0x0005", "AccessType=rwr"}));
  // Sub-index 0 among the rows: no generated one, it is typed by its bytes.
  EXPECT_EQ(Section("[3000]").first(), "SubNumber=2");
  EXPECT_EQ(Section("[3000sub0]").mid(0, 3),
            QStringList({"ParameterName=Application Variable", "ObjectType=0x7", "DataType=0x0006"}));
  EXPECT_EQ(Section("[3000subFF]").at(2), "DataType=0x0005");
  EXPECT_EQ(Section("[2000]").first(), "SubNumber=2");
  EXPECT_EQ(Section("[2000sub0]").at(4), "DefaultValue=0x0A");
  EXPECT_EQ(Section("[2000subA]").at(6), "AccessType=rw");
  EXPECT_TRUE(Shown().isEmpty());

  // Nothing of the earlier export stays; no files: no PDOs, no objects.
  QFile::remove(PDOCANopenFile);
  QFile::remove(SDOServerCANopenFile);
  WriteEdsFile(XML1, Target);
  EXPECT_EQ(Section("[DeviceInfo]").mid(20), QStringList({"NrOfRXPDO=0", "NrOfTXPDO=0"}));
  EXPECT_EQ(Section("[OptionalObjects]").first(), "SupportedObjects=8");
  EXPECT_EQ(Section("[ManufacturerObjects]"), QStringList{"SupportedObjects=0"});
  // The last fixed object has no empty line of its own, the file ends with one.
  EXPECT_EQ(Lines().mid(Lines().size() - 3), QStringList({"PDOMapping=0", "", ""}));
}

TEST_F(EdsWriter, TheSameSubIndexInBothTablesGivesTwoSectionsInTheirOrder) {
  WriteSdos({"0x2000,2,1", "0x2000,1,1"}, {"0x2000,2,1"});
  TEdsExport eds(XML1);
  ASSERT_TRUE(eds.ReadSdoServerTableForEds());
  eds.SortSdoSubIndexes();
  ASSERT_EQ(eds.SdoIndexes.size(), 1u);
  std::vector<std::pair<int, bool>> subs;
  for (const SDO_Sub_Type& s : eds.SdoIndexes[0].Sub_Indexs) subs.emplace_back(s.Sub, s.Readonly);
  EXPECT_EQ(subs, (std::vector<std::pair<int, bool>>{{1, true}, {2, true}, {2, false}}));
}

TEST_F(EdsWriter, ClockTexts) {
  struct Case {
    int Hour, Minute;
    const char* Eds;
  };
  const Case cases[] = {{14, 5, "02:05PM"},  {9, 30, "09:30AM"}, {12, 0, "12:00AM"},
                        {12, 15, "00:15PM"}, {0, 40, "00:40AM"}, {23, 59, "11:59PM"}};
  for (const Case& c : cases)
    EXPECT_EQ(EdsTimeText(EncodeDate(2025, 7, 3) + EncodeTime(c.Hour, c.Minute, 0, 0)), c.Eds) << c.Hour;
  const TDateTime moment = EncodeDate(2025, 7, 3) + EncodeTime(14, 5, 9, 0);
  EXPECT_EQ(EdsDateText(moment), "07-03-2025");
  EXPECT_EQ(Get_TimeStamp_Text(moment), "14:05:09 03/07/2025");
}

TEST_F(EdsWriter, WhatStopsTheExportKeepsTheOldFile) {
  std::vector<std::pair<QString, QString>> many(31, {"0x201", "1"});
  struct Case {
    const char* What;
    std::function<void()> Files;
    QString Message;
  };
  const Case cases[] = {
      {"31 receive PDOs", [&] { WritePdos(many); },
       "The section \"Receive_PDO\" of \"" + PDOCANopenFile + "\" holds 31 PDOs; at most 30 fit."},
      {"no transmit section", [&] { WriteFile(PDOCANopenFile, "<P><Receive_PDO/></P>"); },
       "The file \"" + PDOCANopenFile + "\" has no section \"Transmit_PDO\"."},
      {"a PDO without Dimension",
       [&] { WriteFile(PDOCANopenFile, "<P><Receive_PDO><row COB-ID=\"1\"/></Receive_PDO><Transmit_PDO/></P>"); },
       "Row 1 of section \"Receive_PDO\" in \"" + PDOCANopenFile + "\" has no attribute \"Dimension\"."},
      {"an index that is no number",
       [&] {
         WriteSdos({}, {"0x2000,1,4", "zz,1,4"});
       },
       "Row 2 of section \"SDO_Write\" in \"" + SDOServerCANopenFile + "\": \"zz\" of Index is not a number."},
      {"an SDO row without NByte",
       [&] { WriteFile(SDOServerCANopenFile, "<S><SDO_Read><row Index=\"1\" SubIndex=\"1\"/></SDO_Read></S>"); },
       "Row 1 of section \"SDO_Read\" in \"" + SDOServerCANopenFile + "\" has no attribute \"NByte\"."},
  };
  for (const Case& c : cases) {
    QFile::remove(PDOCANopenFile);
    QFile::remove(SDOServerCANopenFile);
    c.Files();
    WriteFile(Target, "old");
    Dialogs->ClearRecords();
    WriteEdsFile(XML1, Target);
    EXPECT_EQ(Shown(), QStringList{c.Message}) << c.What;
    EXPECT_EQ(FileBytes(Target), "old") << c.What;
  }

  QFile::remove(PDOCANopenFile);
  QFile::remove(SDOServerCANopenFile);
  Dialogs->ClearRecords();
  {
    TUnwritableFolder readOnly(Dir.path());
    if (!readOnly.Set()) GTEST_SKIP() << "the file system cannot lock a folder here";
    WriteEdsFile(XML1, Target);
  }
  EXPECT_EQ(Shown(), QStringList{"Cannot create file \"" + Target + "\"."});
  EXPECT_EQ(FileBytes(Target), "old");
}
