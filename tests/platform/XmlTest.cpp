#include "platform/Files.h"
#include "platform/Xml.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>

#include <sys/resource.h>

TEST(Xml, RootIsTheFirstElementAfterDeclarationAndComment) {
  TXmlDocument doc;
  ASSERT_TRUE(doc.LoadFromString("<?xml version=\"1.0\"?>\n<!-- note -->\n<Conf_Settings><lastproj><projectname>P1</projectname></lastproj></Conf_Settings>"));
  TXmlNode root = doc.Root();
  ASSERT_FALSE(root.IsNull());
  EXPECT_EQ(root.NodeName(), "Conf_Settings");
  EXPECT_EQ(root.ChildNode("lastproj").ChildNode("projectname").Text(), "P1");
}

TEST(Xml, ChildNamesMatchWithExactCaseAndTextIsKept) {
  TXmlDocument doc;
  ASSERT_TRUE(doc.LoadFromString("<r><Double_Click_Auto_Size>1</Double_Click_Auto_Size><t>  two  words </t></r>"));
  EXPECT_TRUE(doc.Root().ChildNode("double_click_auto_size").IsNull());
  EXPECT_EQ(doc.Root().ChildNode("Double_Click_Auto_Size").Text(), "1");
  EXPECT_EQ(doc.Root().ChildNode("t").Text(), "  two  words ");
}

TEST(Xml, MissingAttributeIsToldApartFromEmpty) {
  TXmlDocument doc;
  ASSERT_TRUE(doc.LoadFromString("<r><row a=\"\" b=\"x\"/></r>"));
  TXmlNode row = doc.Root().ChildNode("row");
  QString v = "unchanged";
  EXPECT_TRUE(row.ReadAttribute("a", v));
  EXPECT_EQ(v, "");
  EXPECT_FALSE(row.ReadAttribute("c", v));
  EXPECT_EQ(v, "");
  EXPECT_THROW(row.Attribute("c"), EXmlError);
  EXPECT_EQ(row.AttributeDef("c", "def"), "def");
}

TEST(Xml, SaveWritesUtf8WithoutDeclarationAndKeepsLineBreaksInAttributes) {
  QTemporaryDir dir;
  const QString path = dir.filePath("out.xml");
  TXmlDocument doc;
  doc.AddComment("SW_VERSION = 1.007");
  TXmlNode root = doc.CreateRoot("Par_Gen");
  root.AddChild("Name").SetText(QString::fromUtf8("Grüße"));
  root.AddChild("row").SetAttribute("v", "line1\nline2");
  ASSERT_TRUE(doc.SaveToFile(path));
  QByteArray bytes;
  ASSERT_TRUE(ReadFileBytes(path, bytes));
  EXPECT_FALSE(bytes.startsWith("<?xml"));
  EXPECT_TRUE(bytes.contains(QString::fromUtf8("Grüße").toUtf8()));
  TXmlDocument back;
  ASSERT_TRUE(back.LoadFromFile(path));
  EXPECT_EQ(back.Root().NodeName(), "Par_Gen");
  EXPECT_EQ(back.Root().ChildNode("row").Attribute("v"), "line1\nline2");
  EXPECT_EQ(back.TopLevelComments().front(), "SW_VERSION = 1.007");
}

TEST(Xml, IllFormedOrMissingFileLoadsNothing) {
  TXmlDocument doc;
  EXPECT_FALSE(doc.LoadFromString("<r><unclosed></r>"));
  EXPECT_TRUE(doc.Root().IsNull());
  EXPECT_FALSE(doc.LoadFromFile("/nonexistent/file.xml"));
  EXPECT_TRUE(doc.Root().ChildNode("x").IsNull());  // null nodes answer safely
  EXPECT_EQ(doc.Root().Text(), "");
}

TEST(Files, FailedSaveLeavesTheOldFileIntact) {
  QTemporaryDir dir;
  const QString path = dir.filePath("keep.xml");
  ASSERT_TRUE(WriteFileAtomic(path, "<old/>"));
  // A file size limit makes the write fail part-way, also for root.
  struct rlimit saved {};
  getrlimit(RLIMIT_FSIZE, &saved);
  struct rlimit small = saved;
  small.rlim_cur = 4096;
  auto oldHandler = signal(SIGXFSZ, SIG_IGN);
  setrlimit(RLIMIT_FSIZE, &small);
  TXmlDocument doc;
  TXmlNode root = doc.CreateRoot("new");
  for (int i = 0; i < 2000; ++i) root.AddChild("row").SetAttribute("v", QString(20, 'x'));
  const bool saved_ok = doc.SaveToFile(path);
  setrlimit(RLIMIT_FSIZE, &saved);
  signal(SIGXFSZ, oldHandler);
  EXPECT_FALSE(saved_ok);
  QByteArray bytes;
  ASSERT_TRUE(ReadFileBytes(path, bytes));
  EXPECT_EQ(bytes, "<old/>");
  EXPECT_EQ(ListFiles(dir.path()), QStringList({"keep.xml"}));  // no temporary left behind
}

TEST(Files, FailedWriteIntoAFolderThatIsAFileKeepsNothingHalfDone) {
  QTemporaryDir dir;
  const QString blocker = dir.filePath("blocker");
  ASSERT_TRUE(WriteFileAtomic(blocker, "x"));
  EXPECT_FALSE(WriteFileAtomic(blocker + "/inside.bin", "data"));
  EXPECT_FALSE(WriteFileAtomic("", "data"));
  QByteArray bytes;
  ASSERT_TRUE(ReadFileBytes(blocker, bytes));
  EXPECT_EQ(bytes, "x");
}

TEST(Files, TextFilesByByteOrderMark) {
  QTemporaryDir dir;
  struct Case {
    QByteArray bytes;
    bool utf8WithoutBom;
    QString expected;
    TTextEncoding encoding;
  } cases[] = {
      {QByteArray("\xEF\xBB\xBF") + QString::fromUtf8("é").toUtf8(), false, QString::fromUtf8("é"), TTextEncoding::Utf8Bom},
      {QByteArray("\xFF\xFE" "A\0B\0", 6), false, "AB", TTextEncoding::Utf16LE},
      {QByteArray("\xFE\xFF\0A\0B", 6), false, "AB", TTextEncoding::Utf16BE},
      {QByteArray("caf\xE9"), false, QString::fromUtf8("café"), TTextEncoding::Ansi},
      {QByteArray("\xFF\xFE" "A", 3), false, "", TTextEncoding::Utf16LE},  // odd length: the half unit is dropped
  };
  for (const Case& c : cases) {
    TTextEncoding enc{};
    EXPECT_EQ(DecodeText(c.bytes, &enc, c.utf8WithoutBom), c.expected);
    EXPECT_EQ(enc, c.encoding);
  }
}

TEST(Files, FoldersAndListingsInStableOrder) {
  QTemporaryDir dir;
  ASSERT_TRUE(CreateDir(dir.filePath("one")));
  EXPECT_FALSE(CreateDir(dir.filePath("a/b/c")));
  ASSERT_TRUE(ForceDirectories(dir.filePath("a/b/c")));
  for (const char* n : {"b.lng", "A.lng", "a.lng", "x.txt"}) WriteFileAtomic(dir.filePath(n), "");
  EXPECT_EQ(ListFiles(dir.path(), "*.lng"), QStringList({"A.lng", "a.lng", "b.lng"}));
  EXPECT_EQ(ListFolders(dir.path()), QStringList({"a", "one"}));
  EXPECT_EQ(ExtractFileName("/x/y/z.xml"), "z.xml");
  EXPECT_EQ(ExtractFilePath("/x/y/z.xml"), "/x/y/");
  EXPECT_EQ(ChangeFileExt("/x/y.z/file.txt", ".gsd"), "/x/y.z/file.gsd");
}
