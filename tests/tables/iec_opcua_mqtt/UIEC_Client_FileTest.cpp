// IEC_61850_Client.xml over plain rows: the catalog read from the project's
// SCL files, saved data-set members matched again, rows that stop the load,
// and the byte counts the basic types fix.
#include "tables/iec_opcua_mqtt/UIEC_Client_File.h"

#include "common/ShellState.h"
#include "common/ULanguage.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QString Fixture(const QString& Name) { return QStringLiteral(QUILLORE_FIXTURES "/scl/") + Name; }

class IecClientFile : public ::testing::Test {
protected:
  void SetUp() override {
    ResetShellState();
    FillDefaultTexts();
    ASSERT_TRUE(Dir.isValid());
    Catalog = Dir.path() + "/ICD_Catalog";
    ASSERT_TRUE(QDir().mkpath(Catalog));
    Path = Dir.path() + "/IEC_61850_Client.xml";
  }
  void TearDown() override { ResetShellState(); }

  void Catalogue(const QString& FixtureName, const QString& As) {
    ASSERT_TRUE(QFile::copy(Fixture(FixtureName), Catalog + "/" + As));
  }
  void Write(const QByteArray& Text) {
    QFile file(Path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(Text);
  }
  QByteArray Read() const {
    QFile file(Path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
  bool Load() {
    Messages.clear();
    return LoadIecClientFile(Path, Catalog, Data, Messages);
  }

  QTemporaryDir Dir;
  QString Catalog;
  QString Path;
  TIecClientData Data;
  QStringList Messages;
};

TIecDaRow DaRow(const QString& Index, const QString& bType, const QString& Reference) {
  return {Index, bType, "ST", Reference, "", "", "192.168.1.10", "102", "Y", "N", "N", "1000", "7", "0",
          "Read", "None", "none", "breaker"};
}

const QByteArray Header = "<IEC_68850_Client><List_ICD_Files><ICD_File Name=\"IED1\" FileName=\"a.icd\"/></List_ICD_Files>";
const QByteArray FullDa =
    "<DA_Item Index=\"0\" bType=\"FLOAT32\" fc=\"MX\" Reference=\"IED1LD0/Q0MMXU1.TotW.mag.f\" StartByte=\"\" "
    "NumByte=\"\" IPAddress=\"1.2.3.4\" Port=\"102\" OnChange=\"Y\" OnCMD=\"N\" OnTimer=\"N\" Time=\"10\" "
    "Position=\"1\" StartBit=\"0\" ReadWrite=\"Read\" Convertion=\"None\" MoltFact=\"none\" Mnemonic=\"m\"/>";

}  // namespace

TEST_F(IecClientFile, WrittenThenReadGivesTheSameBytes) {
  Catalogue("feeder.icd", "feeder.icd");
  Data.List_IEC_Dev.push_back(std::make_unique<TIEC_Device>(Catalog + "/feeder.icd"));
  Data.DaRows.push_back(DaRow("0", "FLOAT32", "IED1LD0/Q0MMXU1.TotW.mag.f"));
  Data.DaRows.push_back(DaRow("0", "VisString255", "IED1LD0/XCBR1.Pos.d"));
  Data.DaRows[1][4] = "10";
  Data.DaRows[1][5] = "20";
  Data.DaRows[1][17] = "a \"quoted\" <mnemonic> & more";
  Data.DataSetRows.push_back({"0", "IED1LD0/LLN0.Events", "gcb1", "Y", "10.0.0.1", "102", "500", "events"});
  auto dataSet = std::make_unique<TDataSet>();
  dataSet->Select_DataSet = Get_DataSet(Data.List_IEC_Dev, 0, "IED1LD0/LLN0.Events");
  ASSERT_NE(dataSet->Select_DataSet, nullptr);
  for (TIEC_DA* member : dataSet->Select_DataSet->List_DA) {
    auto mapping = std::make_unique<TDataSet_DA>();
    mapping->Select_DA = member;
    mapping->Position = QString::number(dataSet->List_DAs.size() + 20);
    mapping->bitAddress = "0";
    mapping->conversion = "ItoF/FtoI";
    mapping->multFactor = "0.5";
    mapping->Mnemonic = member->Name;
    dataSet->List_DAs.push_back(std::move(mapping));
  }
  Data.List_DataSet.push_back(std::move(dataSet));
  Set_Start_Num_Byte(Data.DaRows);
  ASSERT_TRUE(SaveIecClientFile(Path, Data));
  const QByteArray written = Read();
  EXPECT_TRUE(written.startsWith("<IEC_68850_Client><List_ICD_Files><ICD_File Name=\"IED1\" FileName=\"feeder.icd\"/>"));
  EXPECT_TRUE(written.endsWith("</IEC_68850_Client><!--SW_VERSION = 1.000-->\n"));

  ASSERT_TRUE(Load()) << Messages.join("\n").toStdString();
  EXPECT_TRUE(Messages.isEmpty());
  ASSERT_EQ(Data.DaRows.size(), 2u);
  EXPECT_EQ(Data.DaRows[0][4], "0");  // the fixed counts of FLOAT32
  EXPECT_EQ(Data.DaRows[0][5], "4");
  ASSERT_EQ(Data.List_DataSet.size(), 1u);
  EXPECT_EQ(Data.List_DataSet[0]->List_DAs.size(), 4u);
  ASSERT_TRUE(SaveIecClientFile(Path, Data));
  EXPECT_EQ(QString::fromUtf8(Read()).toStdString(), QString::fromUtf8(written).toStdString());
}

TEST_F(IecClientFile, ASavedMemberIsKeptOnlyWhereTheDataSetStillHasIt) {
  Catalogue("feeder.icd", "a.icd");
  Write(Header +
        "<List_DA_Selected/><List_DataSet_Selected>"
        "<DataSet_Item Index=\"0\" Reference=\"IED1LD0/LLN0.Events\" GooseName=\"gcb1\" EnGoose=\"Y\" IPAddress=\"\" "
        "Port=\"\" Time=\"\" Mnemonic=\"\"><DataSet_List_DAs>"
        "<DataSet_DA_Item bType=\"Dbpos\" Reference=\"IED1LD0/XCBR1.Pos.stVal\" Position=\"1\" StartBit=\"0\" "
        "Convertion=\"None\" MoltFact=\"1\" Mnemonic=\"first\"/>"
        "<DataSet_DA_Item bType=\"INT32\" Reference=\"IED1LD0/XCBR1.Pos.q\" Position=\"2\"/>"
        "<DataSet_DA_Item bType=\"FLOAT32\" Reference=\"IED1LD0/Q0MMXU1.TotW.mag.f\" Position=\"3\" Mnemonic=\"third\"/>"
        "</DataSet_List_DAs></DataSet_Item>"
        "<DataSet_Item Index=\"5\" Reference=\"IED1LD0/LLN0.Events\" GooseName=\"\" EnGoose=\"N\" IPAddress=\"\" "
        "Port=\"\" Time=\"\" Mnemonic=\"gone\"><DataSet_List_DAs>"
        "<DataSet_DA_Item bType=\"Dbpos\" Reference=\"IED1LD0/XCBR1.Pos.stVal\"/></DataSet_List_DAs></DataSet_Item>"
        "</List_DataSet_Selected></IEC_68850_Client>");
  ASSERT_TRUE(Load()) << Messages.join("\n").toStdString();
  ASSERT_EQ(Data.List_DataSet.size(), 2u);
  const auto& kept = Data.List_DataSet[0]->List_DAs;
  ASSERT_EQ(kept.size(), 2u);
  EXPECT_EQ(kept[0]->Mnemonic, "first");
  EXPECT_EQ(kept[0]->multFactor, "1");
  EXPECT_EQ(kept[1]->Select_DA->Reference, "IED1LD0/Q0MMXU1.TotW.mag.f");
  EXPECT_EQ(kept[1]->Position, "3");
  EXPECT_EQ(kept[1]->bitAddress, "");  // missing member attributes read empty
  // A row whose device is not in the catalog keeps its texts and no members.
  EXPECT_EQ(Data.List_DataSet[1]->Select_DataSet, nullptr);
  EXPECT_TRUE(Data.List_DataSet[1]->List_DAs.empty());
  EXPECT_EQ(Data.DataSetRows[1][7], "gone");
}

TEST_F(IecClientFile, ARowLackingAnAttributeStopsTheLoadThere) {
  struct Case {
    const char* What;
    QByteArray Rows;
    size_t DaRows;
    size_t DataSetRows;
  };
  const QByteArray dataSetOk =
      "<DataSet_Item Index=\"0\" Reference=\"r\" GooseName=\"\" EnGoose=\"N\" IPAddress=\"\" Port=\"\" Time=\"\" "
      "Mnemonic=\"\"/>";
  QByteArray noPort = FullDa;
  noPort.replace(" Port=\"102\"", "");
  QByteArray indexX = dataSetOk;
  indexX.replace("Index=\"0\"", "Index=\"x\"");
  QByteArray noReference = dataSetOk;
  noReference.replace(" Reference=\"r\"", "");
  const Case cases[] = {
      {"no Port", "<List_DA_Selected>" + FullDa + noPort + FullDa + "</List_DA_Selected><List_DataSet_Selected>" +
                      dataSetOk + "</List_DataSet_Selected>",
       1, 0},
      {"Index x", "<List_DA_Selected>" + FullDa + "</List_DA_Selected><List_DataSet_Selected>" + dataSetOk + indexX +
                      dataSetOk + "</List_DataSet_Selected>",
       1, 1},
      {"no data-set Reference",
       "<List_DA_Selected/><List_DataSet_Selected>" + noReference + "</List_DataSet_Selected>", 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.What);
    Write(Header + c.Rows + "</IEC_68850_Client>");
    EXPECT_FALSE(Load());
    EXPECT_EQ(Messages.size(), 2);  // the catalogued a.icd is missing, then the row
    EXPECT_EQ(Data.DaRows.size(), c.DaRows);
    EXPECT_EQ(Data.DataSetRows.size(), c.DataSetRows);
    EXPECT_EQ(Data.List_DataSet.size(), c.DataSetRows);
  }
}

TEST_F(IecClientFile, MissingByteCountsLeaveTheirCellsEmpty) {
  QByteArray noCounts = FullDa;
  noCounts.replace(" StartByte=\"\" NumByte=\"\"", "");
  QByteArray text = noCounts;
  text.replace("FLOAT32", "VisString255");
  Write("<IEC_68850_Client><List_DA_Selected>" + text + noCounts + "</List_DA_Selected></IEC_68850_Client>");
  ASSERT_TRUE(Load()) << Messages.join("\n").toStdString();
  ASSERT_EQ(Data.DaRows.size(), 2u);
  EXPECT_EQ(Data.DaRows[0][4], "");
  EXPECT_EQ(Data.DaRows[0][5], "");
  EXPECT_EQ(Data.DaRows[1][5], "4");
  EXPECT_EQ(Data.DaRows[0][16], "none");
}

TEST_F(IecClientFile, AnUnreadableCatalogEntryKeepsItsPlaceAndIsNamedOnce) {
  Catalogue("feeder.icd", "second.icd");
  QFile bad(Catalog + "/third.icd");
  ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
  bad.write("<SCL><IED name='X'>");
  bad.close();
  Catalogue("exponential.icd", "fourth.icd");
  Catalogue("self_datype.icd", "fifth.icd");
  Write("<IEC_68850_Client><List_ICD_Files>"
        "<ICD_File Name=\"GONE\" FileName=\"first.icd\"/>"
        "<ICD_File Name=\"IED1\" FileName=\"second.icd\"/>"
        "<ICD_File Name=\"X\" FileName=\"third.icd\"/>"
        "<ICD_File Name=\"BOMB\" FileName=\"fourth.icd\"/>"
        "<ICD_File Name=\"UP\" FileName=\"../IEC_61850_Client.xml\"/>"
        "<ICD_File Name=\"ignored\" FileName=\"fifth.icd\"/>"
        "</List_ICD_Files><List_DataSet_Selected>"
        "<DataSet_Item Index=\"1\" Reference=\"IED1LD0/LLN0.Events\" GooseName=\"\" EnGoose=\"N\" IPAddress=\"\" "
        "Port=\"\" Time=\"\" Mnemonic=\"\"/></List_DataSet_Selected></IEC_68850_Client>");
  ASSERT_TRUE(Load());
  ASSERT_EQ(Data.List_IEC_Dev.size(), 6u);
  EXPECT_EQ(Data.List_IEC_Dev[0]->Name, "GONE");
  EXPECT_EQ(Data.List_IEC_Dev[0]->FileName, "first.icd");
  EXPECT_TRUE(Data.List_IEC_Dev[0]->List_LDevice.empty());
  EXPECT_EQ(Data.List_IEC_Dev[1]->Name, "IED1");
  EXPECT_EQ(Data.List_IEC_Dev[5]->Name, "LOOP");  // read devices take the file's IED name
  ASSERT_EQ(Data.List_DataSet.size(), 1u);
  EXPECT_NE(Data.List_DataSet[0]->Select_DataSet, nullptr);
  ASSERT_EQ(Messages.size(), 1);
  EXPECT_EQ(Messages[0], "These SCL files of the catalog could not be read: first.icd, third.icd, fourth.icd, "
                         "../IEC_61850_Client.xml");
  // The placeholders are written back as they were.
  const QByteArray again = IecClientFileBytes(Data);
  EXPECT_TRUE(again.contains("<ICD_File Name=\"GONE\" FileName=\"first.icd\"/><ICD_File Name=\"IED1\""));
  EXPECT_TRUE(again.contains("<ICD_File Name=\"X\" FileName=\"third.icd\"/>"));
}

TEST_F(IecClientFile, NoFileOrAnotherRootGivesAnEmptyEditor) {
  EXPECT_TRUE(Load());
  EXPECT_TRUE(Data.List_IEC_Dev.empty());
  Write("<IEC_61850_Client><List_ICD_Files><ICD_File Name=\"A\" FileName=\"a.icd\"/></List_ICD_Files>"
        "<List_DA_Selected>" + FullDa + "</List_DA_Selected></IEC_61850_Client>");
  EXPECT_TRUE(Load());
  EXPECT_TRUE(Data.List_IEC_Dev.empty());
  EXPECT_TRUE(Data.DaRows.empty());
  EXPECT_TRUE(Messages.isEmpty());
}

TEST_F(IecClientFile, OnlyFilledTablesAreWritten) {
  Data.DaRows.push_back(DaRow("", "FLOAT32", "x"));
  Data.DataSetRows.push_back({"", "r", "", "N", "", "", "", ""});
  Data.List_DataSet.push_back(std::make_unique<TDataSet>());
  EXPECT_EQ(IecClientFileBytes(Data), "<IEC_68850_Client><List_ICD_Files/><List_DA_Selected/><List_DataSet_Selected/>"
                                      "</IEC_68850_Client><!--SW_VERSION = 1.000-->");
  // With two rows every row is written, an empty Index included.
  Data.DaRows.push_back(DaRow("0", "INT8", "y"));
  EXPECT_EQ(IecClientFileBytes(Data).count("<DA_Item "), 2);
}

TEST(IecCatalog, GetDataSetOnlyInsideTheCatalog) {
  TIecDeviceList devices;
  devices.push_back(std::make_unique<TIEC_Device>(Fixture("feeder.icd")));
  EXPECT_NE(Get_DataSet(devices, 0, "IED1LD0/LLN0.Events"), nullptr);
  EXPECT_EQ(Get_DataSet(devices, 0, "IED1LD0/LLN0.events"), nullptr);
  EXPECT_EQ(Get_DataSet(devices, -1, "IED1LD0/LLN0.Events"), nullptr);
  EXPECT_EQ(Get_DataSet(devices, 1, "IED1LD0/LLN0.Events"), nullptr);
}

TEST(IecCatalog, ByteCountsByBasicType) {
  struct Case {
    const char* bType;
    bool Fixed;
    const char* Num;
  };
  const Case cases[] = {{"Timestamp", true, "1"},     {"enum", true, "1"},   {"FLOAT32", true, "4"},
                        {"Quality", true, "4"},       {"int64", true, "8"},  {"INT16U", true, "2"},
                        {"BOOLEAN", true, "1"},       {"VisString255", false, "10"}, {"Octet64", false, "10"},
                        {"", false, "10"},            {"FLOAT32 ", false, "10"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.bType);
    std::vector<TIecDaRow> rows(1);
    rows[0][1] = c.bType;
    rows[0][4] = "3";
    rows[0][5] = "10";
    Set_Start_Num_Byte(rows);
    EXPECT_EQ(rows[0][4], c.Fixed ? "0" : "3");
    EXPECT_EQ(rows[0][5], c.Num);
  }
}
