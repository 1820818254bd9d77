#include "platform/Files.h"
#include "platform/Xml.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>

#include <sys/resource.h>

TEST(Xml, RootIsTheFirstElementAfterDeclarationAndComment) {
  TXmlDocument doc;
  ASSERT_TRUE(
      doc.LoadFromString("<?xml version=\"1.0\"?>\n<!-- note "
                         "-->\n<Conf_Settings><lastproj><projectname>P1</projectname></lastproj></Conf_Settings>"));
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

// Data smaller than the file's write buffer fails only when flushed.
TEST(Files, AWriteCutByTheFileSizeLimitIsAFailureAtAnySize) {
  for (const int size : {8 * 1024, 64 * 1024}) {
    SCOPED_TRACE(size);
    QTemporaryDir dir;
    const QString path = dir.filePath("keep.bin");
    ASSERT_TRUE(WriteFileAtomic(path, "old"));
    struct rlimit saved {};
    getrlimit(RLIMIT_FSIZE, &saved);
    struct rlimit small = saved;
    small.rlim_cur = 4096;
    auto oldHandler = signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &small);
    const bool written = WriteFileAtomic(path, QByteArray(size, 'n'));
    setrlimit(RLIMIT_FSIZE, &saved);
    signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(written);
    QByteArray bytes;
    ASSERT_TRUE(ReadFileBytes(path, bytes));
    EXPECT_EQ(bytes, "old");
    EXPECT_EQ(ListFiles(dir.path()), QStringList({"keep.bin"}));
  }
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
      {QByteArray("\xEF\xBB\xBF") + QString::fromUtf8("é").toUtf8(), false, QString::fromUtf8("é"),
       TTextEncoding::Utf8Bom},
      {QByteArray("\xFF\xFE"
                  "A\0B\0",
                  6),
       false, "AB", TTextEncoding::Utf16LE},
      {QByteArray("\xFE\xFF\0A\0B", 6), false, "AB", TTextEncoding::Utf16BE},
      {QByteArray("caf\xE9"), false, QString::fromUtf8("café"), TTextEncoding::Ansi},
      {QByteArray("\xFF\xFE"
                  "A",
                  3),
       false, "", TTextEncoding::Utf16LE},  // odd length: the half unit is dropped
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

namespace {

QByteArray Hostile(const QString& name) {
  QByteArray bytes;
  ReadFileBytes(QString(QUILLORE_FIXTURES) + "/hostile/" + name, bytes);
  return bytes;
}

// The text fixtures are UTF-16BE, ended by a zero unit.
QString Utf16BeText(const QByteArray& b) {
  QString r;
  for (qsizetype i = 0; i + 1 < b.size(); i += 2) {
    const char16_t u = char16_t((uchar(b[i]) << 8) | uchar(b[i + 1]));
    if (u == 0) break;
    r += QChar(u);
  }
  return r;
}

QString RoundTripText(const QString& text, bool asAttribute) {
  TXmlDocument doc;
  TXmlNode leaf = doc.CreateRoot("Conf_Settings").AddChild("v");
  if (asAttribute)
    leaf.SetAttribute("a", text);
  else
    leaf.SetText(text);
  TXmlDocument back;
  if (!back.LoadFromBytes(doc.ToBytes())) return "<not loaded>";
  TXmlNode v = back.Root().ChildNode("v");
  return asAttribute ? v.AttributeDef("a", "<missing>") : v.Text();
}

}  // namespace

TEST(XmlHostile, TextRoundTripsOrLeavesOutOnlyForbiddenCharacters) {
  struct Case {
    const char* file;
    bool attribute;
  } cases[] = {{"xml_text_loss/blanks_only_text.bin", false}, {"xml_text_loss/nbsp_only_text.bin", false},
               {"xmltext_nbsp_only_lost.bin", false},         {"xml_text_loss/ctrl01_text.bin", false},
               {"xml_text_loss/ctrl1b_attr.bin", true},       {"xml_text_loss/ufffe_text.bin", false}};
  for (const Case& c : cases) {
    const QString text = Utf16BeText(Hostile(c.file));
    ASSERT_FALSE(text.isEmpty()) << c.file;
    EXPECT_EQ(RoundTripText(text, c.attribute), XmlWritableText(text)) << c.file;
    EXPECT_EQ(RoundTripText(text, !c.attribute), XmlWritableText(text)) << c.file;
  }
  EXPECT_EQ(RoundTripText("a\rb\r\n", false), "a\rb\r\n");  // not turned into line feeds
  EXPECT_EQ(RoundTripText("a\rb\t\n", true), "a\rb\t\n");
  EXPECT_EQ(XmlWritableText(QString("Plant") + QChar(1) + "A"), "PlantA");
  EXPECT_FALSE(IsXmlWritable(QString(QChar(0xFFFE))));
  EXPECT_FALSE(IsXmlWritable(QString(QChar(0xD800))));  // a lone surrogate
  EXPECT_TRUE(IsXmlWritable(QString::fromUtf8("\xF0\x9F\x98\x80 \t\n")));
}

TEST(XmlHostile, CdataIsTextAndLayoutIsNot) {
  TXmlDocument doc;
  ASSERT_TRUE(doc.LoadFromString("<r>\n  <a><![CDATA[162]]></a>\n  <b>x<![CDATA[<y>]]>z</b>\n  <c>        </c>\n</r>"));
  EXPECT_EQ(doc.Root().ChildNode("a").Text(), "162");
  EXPECT_EQ(doc.Root().ChildNode("b").Text(), "x<y>z");
  EXPECT_EQ(doc.Root().ChildNode("c").Text(), "        ");
  EXPECT_EQ(doc.Root().Text(), "162x<y>z        ");
}

TEST(XmlHostile, DeepOrAttributeHeavyDocumentsAreRefusedQuickly) {
  const auto nested = [](int depth) {
    return QByteArray("<Conf_Settings>") + QByteArray("<a>").repeated(depth) + QByteArray("</a>").repeated(depth) +
           "</Conf_Settings>";
  };
  TXmlDocument doc;
  EXPECT_TRUE(doc.LoadFromBytes(nested(XmlMaxDepth - 1)));
  EXPECT_FALSE(doc.LoadFromBytes(nested(XmlMaxDepth)));
  EXPECT_FALSE(doc.LoadFromBytes(nested(100000)));
  EXPECT_TRUE(doc.Root().IsNull());
  QByteArray attrs = "<Conf_Settings";
  for (int i = 0; i < 200000; ++i) attrs += " a" + QByteArray::number(i) + "=\"" + QByteArray::number(i) + "\"";
  EXPECT_FALSE(doc.LoadFromBytes(attrs + "/>"));
  EXPECT_TRUE(doc.LoadFromBytes("<r a='x=y' b=\"=\"/>"));  // '=' inside values does not count
  EXPECT_FALSE(doc.LoadFromBytes("<!DOCTYPE r [<!ENTITY e \"x\">]><r>&e;</r>"));
}

TEST(XmlHostile, LoadedDocumentsAreSavedAsUtf8ThatLoadsAgain) {
  for (const char* name : {"xml_latin1_decl_roundtrip.xml", "xml_bad_pi_name_roundtrip.xml"}) {
    TXmlDocument doc;
    if (!doc.LoadFromBytes(Hostile(name))) continue;  // refusing it is sound too
    const QByteArray saved = doc.ToBytes();
    EXPECT_FALSE(saved.startsWith("<?")) << name;
    TXmlDocument back;
    ASSERT_TRUE(back.LoadFromBytes(saved)) << name;
    EXPECT_EQ(back.ToBytes(), saved) << name;
  }
  TXmlDocument latin;
  ASSERT_TRUE(latin.LoadFromBytes(Hostile("xml_latin1_decl_roundtrip.xml")));
  TXmlDocument back;
  ASSERT_TRUE(back.LoadFromBytes(latin.ToBytes()));
  EXPECT_EQ(back.Root().ChildNode("lastlang").ChildNode("language").Text(), QString::fromUtf8("Français"));
}
