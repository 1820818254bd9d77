// The table file: written from the grids, read back into them.
#include "common/tables/ProjectTableFile.h"

#include "TableGridFixture.h"
#include "UnwritableFolder.h"
#include "common/tables/TableCells.h"
#include "platform/Xml.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {
constexpr TTableFileColumn ColumnFileColumns[] = {
    {1, u"Enable", u"Y"}, {2, u"Name"}, {3, u"Value", u"0"}, {4, u"Note", u""}, {5, u"Extra", u"N"}};

class ProjectTableFileTest : public TableGridFixture {
protected:
  void SetUp() override {
    TableGridFixture::SetUp();
    ASSERT_TRUE(Dir.isValid());
    Path = Dir.path() + "/Table.xml";
    File.Root = "Root";
    File.Tables.push_back({Column.get(), QString(), ColumnFileColumns, 2, false});
  }
  void WriteFile(const QByteArray& Bytes) {
    QFile f(Path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(Bytes);
  }
  QByteArray FileBytes() const {
    QFile f(Path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }

  QTemporaryDir Dir;
  QString Path;
  TProjectTableFile File;
  TXmlDocument XML1;
};
}  // namespace

TEST_F(ProjectTableFileTest, RowsUpToTheFirstEmptyKeyAreWrittenWithTheirValuesUntouched) {
  PutRow(*Column, 1, {"Y", "A", " 1 ", "", "x"});
  PutRow(*Column, 2, {"N", "B", "0x1F", "hid", ""});
  PutRow(*Column, 3, {"Y", "  ", "3"});
  PutRow(*Column, 4, {"Y", "D", "4"});
  ASSERT_TRUE(File.Save(Path));
  EXPECT_EQ(FileBytes(),
            "<Root><row Enable=\"Y\" Name=\"A\" Value=\" 1 \" Note=\"\" Extra=\"x\"/>"
            "<row Enable=\"N\" Name=\"B\" Value=\"0x1F\" Note=\"hid\" Extra=\"\"/></Root>"
            "<!--SW_VERSION = 1.000-->\n");

  PutRow(*Column, 1, {"Y", ""});
  File.Version = "2.001";
  File.RowElement = "Row";
  ASSERT_TRUE(File.Save(Path));
  EXPECT_EQ(FileBytes(), "<Root/><!--SW_VERSION = 2.001-->\n");
}

TEST_F(ProjectTableFileTest, SectionsHoldTheirTablesAndStringGridCheckBoxesAreWrittenFromTheirState) {
  FillABCD();
  constexpr TTableFileColumn StringColumns[] = {{1, u"En"}, {2, u"Key"}, {5, u"Flag"}};
  File.Tables.push_back({Strings.get(), "Write", StringColumns, 2, true});
  File.Tables[0].Section = "Read";
  ASSERT_TRUE(File.Save(Path));
  TXmlDocument back;
  ASSERT_TRUE(back.LoadFromBytes(FileBytes()));
  const TXmlNode write = back.Root().ChildNode("Write");
  ASSERT_EQ(write.ChildElementCount(), 4);
  const TXmlNode b = write.ChildElements()[1];
  EXPECT_EQ(b.Attribute("En") + b.Attribute("Key") + b.Attribute("Flag"), "NBY");
  EXPECT_TRUE(FileBytes().contains("<Write><row En=\"Y\" Key=\"A\" Flag=\"N\"/>"));
  EXPECT_EQ(back.Root().ChildNode("Read").ChildElementCount(), 4);

  // Read back into emptied tables, states included.
  for (int r = 1; r <= DataRows; ++r) {
    Strings->SetCheckBoxState(1, r, false);
    Strings->SetCheckBoxState(5, r, false);
    PutRow(*Column, r, {"", "", "", "", ""});
  }
  ASSERT_TRUE(File.Load(XML1, Path));
  EXPECT_TRUE(Checked(*Strings, 1, 3));
  EXPECT_TRUE(Checked(*Strings, 5, 2));
  EXPECT_FALSE(Checked(*Strings, 5, 3));
  EXPECT_EQ(RowTexts(*Column, 4), QStringList({"N", "D", "D1", "Dh", "Dx"}));
  EXPECT_TRUE(Dialogs->Records().empty());
}

TEST_F(ProjectTableFileTest, MissingAttributesTakeTheirDefaultOrStopTheLoadAtARequiredOne) {
  WriteFile(
      "<!-- made by hand --><Other><row Name=\"A\"/><row Enable=\"N\" Name=\"B\" Value=\"7\"/>"
      "<row Enable=\"N\" Value=\"8\"/><row Name=\"D\"/></Other>");
  EXPECT_FALSE(File.Load(XML1, Path));
  EXPECT_EQ(RowTexts(*Column, 1), QStringList({"Y", "A", "0", "", "N"}));
  EXPECT_EQ(RowTexts(*Column, 2), QStringList({"N", "B", "7", "", "N"}));
  // Row 3 stopped at its first missing required attribute; nothing after it was read.
  EXPECT_EQ(Column->GetCellEx(1, 3), "N");
  EXPECT_EQ(Column->GetCellEx(3, 3), "");  // its Value "8" was not reached
  EXPECT_EQ(Column->GetCellEx(2, 4), "");
  ASSERT_EQ(Dialogs->Records().size(), 1u);
  EXPECT_EQ(Dialogs->Records()[0].Type, mtError);
  EXPECT_EQ(Dialogs->Records()[0].Text, "Error in file \"" + Path + "\": row 3 has no attribute \"Name\".");
}

TEST_F(ProjectTableFileTest, AFileThatIsNotWellFormedShowsTheParsersMessageAndLeavesTheRows) {
  FillABCD();
  WriteFile("<Root><row Enable=\"N\" Name=\"Z\"></Root>");
  EXPECT_FALSE(File.Load(XML1, Path));
  EXPECT_EQ(Keys(*Column), QStringList({"A", "B", "C", "D"}));
  ASSERT_EQ(Dialogs->Records().size(), 1u);
  EXPECT_EQ(Dialogs->Records()[0].Type, mtError);
  EXPECT_TRUE(Dialogs->Records()[0].Text.contains("line 1")) << Dialogs->Records()[0].Text.toStdString();
}

TEST_F(ProjectTableFileTest, MoreRowsThanTheTableHoldsLoadUpToTheLastRowWithOneMessage) {
  QByteArray xml = "<Root>";
  for (int i = 1; i <= 7; ++i) xml += "<row Name=\"K" + QByteArray::number(i) + "\"/>";
  WriteFile(xml + "</Root>");
  EXPECT_TRUE(File.Load(XML1, Path));
  EXPECT_EQ(Keys(*Column), QStringList({"K1", "K2", "K3", "K4"}));
  ASSERT_EQ(Dialogs->Records().size(), 1u);
  EXPECT_EQ(Dialogs->Records()[0].Text, "Error! The table is full: 3 rows of the file were not loaded");
}

TEST_F(ProjectTableFileTest, AFileThatCannotBeWrittenKeepsTheOldOne) {
  PutRow(*Column, 1, {"Y", "A"});
  ASSERT_TRUE(File.Save(Path));
  const QByteArray old = FileBytes();
  PutRow(*Column, 1, {"Y", "changed"});
  {
    TUnwritableFolder readOnly(Dir.path());
    if (!readOnly.Set()) GTEST_SKIP() << "the file system cannot lock a folder here";
    EXPECT_FALSE(File.Save(Path));
  }
  EXPECT_EQ(FileBytes(), old);
}

TEST_F(ProjectTableFileTest, TheRowLoadHookSeesEachRowAfterItsAttributes) {
  // A Note that defaults to "0" only where the row's own Value, just loaded, is "on".
  File.Tables[0].RowLoadHook = [this](const TXmlNode& Row, int ARow) {
    if (!Row.HasAttribute("Note") && Column->GetCellEx(3, ARow) == "on") Column->SetCellEx(4, ARow, "0");
  };
  WriteFile("<Root><row Name=\"A\" Value=\"on\"/><row Name=\"B\" Value=\"off\"/>"
            "<row Name=\"C\" Value=\"on\" Note=\"kept\"/></Root>");
  EXPECT_TRUE(File.Load(XML1, Path));
  EXPECT_EQ(Column->GetCellEx(4, 1), "0");
  EXPECT_EQ(Column->GetCellEx(4, 2), "");
  EXPECT_EQ(Column->GetCellEx(4, 3), "kept");
}

TEST_F(ProjectTableFileTest, AMissingSectionIsSkippedUnlessItIsRequired) {
  constexpr TTableFileColumn StringColumns[] = {{2, u"Key"}};
  File.Tables[0].Section = "Read";
  File.Tables.push_back({Strings.get(), "Write", StringColumns, 2, true});
  WriteFile("<Root><Read><row Name=\"A\"/></Read></Root>");
  EXPECT_TRUE(File.Load(XML1, Path));
  EXPECT_EQ(Column->GetCellEx(2, 1), "A");
  EXPECT_TRUE(Dialogs->Records().empty());

  File.Tables[1].SectionRequired = true;
  WriteFile("<Root><Read><row Name=\"B\"/></Read><Other/></Root>");
  EXPECT_FALSE(File.Load(XML1, Path));
  EXPECT_EQ(Column->GetCellEx(2, 1), "B");  // read before the missing section was reached
  ASSERT_EQ(Dialogs->Records().size(), 1u);
  EXPECT_EQ(Dialogs->Records()[0].Type, mtError);
  EXPECT_EQ(Dialogs->Records()[0].Text, "Error in file \"" + Path + "\": the element \"Write\" is missing.");
}

TEST_F(ProjectTableFileTest, AnUntrimmedKeyCountsABlankAsARow) {
  PutRow(*Column, 1, {"Y", "A"});
  PutRow(*Column, 2, {"Y", " ", "2"});
  PutRow(*Column, 3, {"Y", "", "3"});
  PutRow(*Column, 4, {"Y", "D"});
  File.Tables[0].TrimKey = false;
  ASSERT_TRUE(File.Save(Path));
  EXPECT_EQ(FileBytes(), "<Root><row Enable=\"Y\" Name=\"A\" Value=\"\" Note=\"\" Extra=\"\"/>"
                         "<row Enable=\"Y\" Name=\" \" Value=\"2\" Note=\"\" Extra=\"\"/></Root>"
                         "<!--SW_VERSION = 1.000-->\n");
  File.Tables[0].TrimKey = true;
  ASSERT_TRUE(File.Save(Path));
  EXPECT_EQ(FileBytes().count("<row "), 1);
}

TEST_F(ProjectTableFileTest, ExtraRowsCanBeLeftOutWithoutAMessage) {
  QByteArray xml = "<Root>";
  for (int i = 1; i <= 6; ++i) xml += "<row Name=\"K" + QByteArray::number(i) + "\"/>";
  WriteFile(xml + "</Root>");
  File.Tables[0].ReportExtraRows = false;
  EXPECT_TRUE(File.Load(XML1, Path));
  EXPECT_EQ(Keys(*Column), QStringList({"K1", "K2", "K3", "K4"}));
  EXPECT_TRUE(Dialogs->Records().empty());
}
