#include "platform/XmlWriter.h"

#include "platform/Files.h"
#include "platform/Xml.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(XmlWriter, KeepsAttributeOrderAndReadsBackThroughTheDocument) {
  TXmlWriter w;
  w.StartElement("Root");
  w.StartElement("row");
  for (const char* name : {"Zeta", "Alpha", "Mid", "Beta"}) w.Attribute(name, QString(" <\"&'>\n\t") + name);
  w.EndElement();
  w.EndElement();
  w.Comment("SW_VERSION = 1.000");
  const QByteArray bytes = w.Bytes();
  EXPECT_TRUE(bytes.startsWith("<Root>\n  <row Zeta="));
  EXPECT_LT(bytes.indexOf("Alpha="), bytes.indexOf("Mid="));
  EXPECT_LT(bytes.indexOf("Mid="), bytes.indexOf("Beta="));
  EXPECT_TRUE(bytes.endsWith("</Root>\n<!--SW_VERSION = 1.000-->"));

  QTemporaryDir dir;
  const QString path = dir.path() + "/f.xml";
  ASSERT_TRUE(w.SaveToFile(path));
  TXmlDocument doc;
  ASSERT_TRUE(doc.LoadFromFile(path));
  EXPECT_EQ(doc.Root().NodeName(), "Root");
  EXPECT_EQ(doc.Root().ChildNode("row").Attribute("Mid"), " <\"&'>\n\tMid");
  EXPECT_EQ(doc.TopLevelComments(), std::vector<QString>{"SW_VERSION = 1.000"});
}

TEST(XmlWriter, AFailedWriteLeavesWhatIsThere) {
  QTemporaryDir dir;
  const QString path = dir.path() + "/taken";
  ASSERT_TRUE(CreateDir(path));
  TXmlWriter w;
  w.StartElement("Root");
  w.EndElement();
  EXPECT_FALSE(w.SaveToFile(path));
  EXPECT_TRUE(DirectoryExists(path));
}

}  // namespace
