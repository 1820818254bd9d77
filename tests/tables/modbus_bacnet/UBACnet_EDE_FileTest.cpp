// The EDE writer: the whole file at a fixed clock, the object fields by
// cases, and what stops an export before anything is written.
#include "tables/modbus_bacnet/UBACnet_EDE_File.h"

#include "../../common/tables/UnwritableFolder.h"
#include "EditorTestKit.h"
#include "platform/DateTime.h"
#include "platform/Xml.h"

namespace {

struct Row {
  QString DataType, EngUnit, Mnemonic;
};

class EdeWriter : public EditorTest {
protected:
  void SetUp() override {
    EditorTest::SetUp();
    SetNowOverride(EncodeDate(2025, 7, 3) + EncodeTime(14, 5, 9, 0));
    ProjectName = "Plant";
    Target = Dir.path() + "/out.csv";
  }
  void TearDown() override {
    ClearNowOverride();
    EditorTest::TearDown();
  }
  void WriteParGen(const QString& Elements) { WriteFile(ParGenFile, ("<ParGen>" + Elements + "</ParGen>").toUtf8()); }
  static QString Rows(const std::vector<Row>& Rows) {
    QString xml;
    for (const Row& r : Rows)
      xml += QString("<row Data_Type=\"%1\" Eng_Unit=\"%2\" Mnemonic=\"%3\"/>").arg(r.DataType, r.EngUnit, r.Mnemonic);
    return xml;
  }
  void WriteSlave(const std::vector<Row>& Read, const std::vector<Row>& Write) {
    WriteFile(BACnetSlaveFile,
              ("<BACnet_to_Modbus><BACnet_in_Read>" + Rows(Read) + "</BACnet_in_Read><BACnet_in_Write>" + Rows(Write) +
               "</BACnet_in_Write></BACnet_to_Modbus>")
                  .toUtf8());
  }
  // The object lines of the written file (the seven header lines left out).
  QStringList ObjectLines() {
    QStringList lines = QString::fromLatin1(FileBytes(Target)).split("\r\n");
    EXPECT_EQ(lines.takeLast(), "");
    return lines.mid(7);
  }

  TXmlDocument XML1;
  QString Target;
};

}  // namespace

TEST_F(EdeWriter, TheWholeFileAtAFixedClock) {
  ProjectName = "Ventilé";
  WriteParGen("<BACnet_Type>0</BACnet_Type><BACnet_DEV_IDE>1234</BACnet_DEV_IDE>");
  WriteSlave({{"Analog Input", "62", "Temp"}, {" analog input ", "29", "Hum"}}, {{"Analog Value", "62", "Setp"}});
  Export_EDE_File(XML1, Target);
  const QByteArray expected =
      "PROJECT_NAME; Quillore Devices--Ventil\xE9;;;;;;\r\n"
      "VERSION_OF_REFERENCEFILE;1.0;;;;;;\r\n"
      "TIMESTAMP_OF_LAST_CHANGE;14:05:09 03/07/2025;;;;;;\r\n"
      "AUTHOR_OF_LAST_CHANGE;Quillore Devices;;;;;;\r\n"
      "VERSION_OF_LAYOUT;2;;;;;;\r\n"
      "# mandatory;mandatory;mandatory;mandatory;mandatory;optional;optional;\r\n"
      "# keyname;device obj.-instance;object-name;object-type;object-instance;description;unit-code;\r\n"
      "1234_Temp_0;1234;Temp;0;0;Temp;62;\r\n"
      "1234_Hum_1;1234;Hum;0;1;Hum;29;\r\n"
      "1234_Setp_0;1234;Setp;2;0;Setp;62;\r\n";
  EXPECT_EQ(FileBytes(Target).toStdString(), expected.toStdString());
  EXPECT_TRUE(DialogTexts().isEmpty());
}

TEST_F(EdeWriter, ObjectFieldsByCases) {
  const QString twenty = "ABCDEFGHIJKLMNOPQRST";
  struct Case {
    const char* What;
    QString ParGen;
    std::vector<Row> Read, Write;
    QStringList Lines;
  };
  const Case cases[] = {
      {"16 characters by default, the key keeps all",
       "<BACnet_DEV_IDE>7</BACnet_DEV_IDE>",
       {{"Analog Input", "62", twenty}},
       {},
       {"7_" + twenty + "_0;7;ABCDEFGHIJKLMNOP;0;0;ABCDEFGHIJKLMNOP;62;"}},
      {"32 characters with the limit \"1\"",
       "<BACnet_DEV_IDE>7</BACnet_DEV_IDE><BACnet_Desc_Chars_Limit>1</BACnet_Desc_Chars_Limit>",
       {{"Analog Input", "62", twenty}},
       {},
       {"7_" + twenty + "_0;7;" + twenty + ";0;0;" + twenty + ";62;"}},
      {"only exactly \"1\" lengthens",
       "<BACnet_Desc_Chars_Limit> 1</BACnet_Desc_Chars_Limit>",
       {{"Analog Input", "62", twenty}},
       {},
       {"_" + twenty + "_0;;ABCDEFGHIJKLMNOP;0;0;ABCDEFGHIJKLMNOP;62;"}},
      {"type 1 takes the serial instance",
       "<BACnet_Type>1</BACnet_Type><BACnet_DEV_IDE>7</BACnet_DEV_IDE><BACnet_Ser_DEV_IDE>9</BACnet_Ser_DEV_IDE>",
       {{"Binary Input", "", "b"}},
       {},
       {"9_b_0;9;b;3;0;b;;"}},
      {"multi state value counts across both tables, a semicolon stays",
       "",
       {{"Multi State Value", "95", "m;1"}},
       {{"MULTI STATE VALUE", "95", "m2"}},
       {"_m;1_0;;m;1;19;0;m;1;95;", "_m2_1;;m2;19;1;m2;95;"}},
      {"an unknown type is type 0 and shares its counter",
       "",
       {{"Analog Input", "1", "a"}, {"Thermostat", "1", "t"}},
       {{"Positive Integer Value", "1", "p"}},
       {"_a_0;;a;0;0;a;1;", "_t_1;;t;0;1;t;1;", "_p_0;;p;48;0;p;1;"}},
  };
  for (const Case& c : cases) {
    QFile::remove(ParGenFile);
    if (!c.ParGen.isEmpty()) WriteParGen(c.ParGen);
    WriteSlave(c.Read, c.Write);
    Export_EDE_File(XML1, Target);
    EXPECT_EQ(ObjectLines(), c.Lines) << c.What;
  }
  EXPECT_EQ(EDE_Object_Type_Code("LIFE SAFETY ZONE"), 22);
  EXPECT_EQ(EDE_Object_Type_Code("Analog Value"), 0);  // callers upper-case
}

TEST_F(EdeWriter, MissingFilesGiveHeadersOnlyOrAnEmptyInstance) {
  Export_EDE_File(XML1, Target);
  EXPECT_EQ(ObjectLines(), QStringList());
  EXPECT_EQ(QString::fromLatin1(FileBytes(Target)).count("\r\n"), 7);

  WriteSlave({{"Analog Input", "62", "Temp"}}, {});
  Export_EDE_File(XML1, Target);
  EXPECT_EQ(ObjectLines(), QStringList{"_Temp_0;;Temp;0;0;Temp;62;"});
  EXPECT_TRUE(DialogTexts().isEmpty());
}

TEST_F(EdeWriter, WhatStopsTheExportKeepsTheOldFile) {
  struct Case {
    const char* What;
    QByteArray Slave;
    QString Message;
  };
  const Case cases[] = {
      {"row without Mnemonic",
       "<r><BACnet_in_Read><row Data_Type=\"Analog Input\" Eng_Unit=\"62\"/></BACnet_in_Read><BACnet_in_Write/></r>",
       "Row 1 of section \"BACnet_in_Read\" in \"" + BACnetSlaveFile + "\" has no attribute \"Mnemonic\"."},
      {"no write section", "<r><BACnet_in_Read/></r>",
       "The file \"" + BACnetSlaveFile + "\" has no section \"BACnet_in_Write\"."},
  };
  for (const Case& c : cases) {
    WriteFile(Target, "old");
    WriteFile(BACnetSlaveFile, c.Slave);
    Dialogs->ClearRecords();
    Export_EDE_File(XML1, Target);
    EXPECT_EQ(DialogTexts(), QStringList{c.Message}) << c.What;
    EXPECT_EQ(FileBytes(Target), "old") << c.What;
  }

  WriteSlave({{"Analog Input", "62", "Temp"}}, {});
  Dialogs->ClearRecords();
  {
    TUnwritableFolder readOnly(Dir.path());
    if (!readOnly.Set()) GTEST_SKIP() << "the file system cannot lock a folder here";
    Export_EDE_File(XML1, Target);
  }
  EXPECT_EQ(DialogTexts(), QStringList{"Cannot create file \"" + Target + "\"."});
  EXPECT_EQ(FileBytes(Target), "old");
}
