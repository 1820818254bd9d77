#include "support/ShellTestProgram.h"

#include "app/SettingsFile.h"
#include "app/UNew_Project.h"
#include "common/button/LbButton.h"
#include "platform/Xml.h"

#include <QDir>
#include <QTemporaryDir>

#include <random>
#include <string>

#include <gtest/gtest.h>

namespace {

struct TSettingsValues {
  QString Project, Ip, Language;
  bool Internet, Update, Jump, AutoSize;
};

void ExpectValues(const TSettingsValues& v, const std::string& context) {
  SCOPED_TRACE(context);
  EXPECT_EQ(ProjectName, v.Project);
  EXPECT_EQ(LastDeviceIp, v.Ip);
  EXPECT_EQ(LanguageName, v.Language);
  EXPECT_EQ(EnableInternet, v.Internet);
  EXPECT_EQ(EnableUpdate, v.Update);
  EXPECT_EQ(EnableJumpFieldTables, v.Jump);
  EXPECT_EQ(DoubleClickAutoSize, v.AutoSize);
}

const TSettingsValues Defaults{"", "192.168.2.205", "English", false, false, false, false};

const char* const DefaultFile =
    "<Conf_Settings>\n"
    "  <lastproj>\n"
    "    <projectname/>\n"
    "  </lastproj>\n"
    "  <lastipadd>\n"
    "    <ipaddress>192.168.2.205</ipaddress>\n"
    "  </lastipadd>\n"
    "  <lastlang>\n"
    "    <language>English</language>\n"
    "  </lastlang>\n"
    "  <lastinternet>\n"
    "    <enable_internet>0</enable_internet>\n"
    "    <enable_update>0</enable_update>\n"
    "    <enable_jump_field_tables>0</enable_jump_field_tables>\n"
    "    <Double_Click_Auto_Size>0</Double_Click_Auto_Size>\n"
    "  </lastinternet>\n"
    "</Conf_Settings>\n";

}  // namespace

TEST(SettingsFile, ADefaultRunWritesEveryElementInOrder) {
  TShellTestProgram p;
  TFQuilloreFirmWare& w = p.Start();
  ExpectValues(Defaults, "no file");
  w.Close();
  EXPECT_EQ(p.ReadSettings(), DefaultFile);
}

TEST(SettingsFile, WrittenValuesComeBackAtTheNextStart) {
  const TSettingsValues stored{"Plant Nord", "10.1.2.3", "Italiano", true, false, true, true};
  {
    TShellTestProgram p;
    TFQuilloreFirmWare& w = p.Start();
    ProjectName = stored.Project;
    LastDeviceIp = stored.Ip;
    LanguageName = stored.Language;
    EnableInternet = stored.Internet;
    EnableUpdate = stored.Update;
    EnableJumpFieldTables = stored.Jump;
    DoubleClickAutoSize = stored.AutoSize;
    w.Save_Setting();
    const QString written = p.ReadSettings();
    ResetShellState();
    DestroyApplication();
    p.WriteSettings(written.toUtf8());
    WriteFileAtomic(p.Folder() + "/LANGUAGE/Italiano.lng", "STR15 =Nuova Configurazione\n");
    TFQuilloreFirmWare& again = p.Start();
    ExpectValues(stored, "round trip");
    EXPECT_EQ(again.Btn_New->Caption(), "Nuova Configurazione");
  }
}

TEST(SettingsFile, EachValueIsReadOnItsOwn) {
  struct Case {
    const char* Name;
    const char* File;
    TSettingsValues Expected;
  };
  const Case cases[] = {
      {"empty root", "<Conf_Settings/>", Defaults},
      {"declaration before the root",
       "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Conf_Settings><lastipadd><ipaddress>10.0.0.1</ipaddress>"
       "</lastipadd></Conf_Settings>",
       {"", "10.0.0.1", "English", false, false, false, false}},
      {"comment before the root",
       "<!-- kept by hand --><Conf_Settings><lastproj><projectname>A</projectname></lastproj></Conf_Settings>",
       {"A", "192.168.2.205", "English", false, false, false, false}},
      {"flags: only 1 sets",
       "<Conf_Settings><lastinternet><enable_internet>1</enable_internet><enable_update>true</enable_update>"
       "<enable_jump_field_tables> 1</enable_jump_field_tables><Double_Click_Auto_Size>1</Double_Click_Auto_Size>"
       "</lastinternet></Conf_Settings>",
       {"", "192.168.2.205", "English", true, false, false, true}},
      {"names match with exact case",
       "<Conf_Settings><LastIpAdd><ipaddress>10.0.0.2</ipaddress></LastIpAdd><lastinternet>"
       "<double_click_auto_size>1</double_click_auto_size></lastinternet></Conf_Settings>",
       Defaults},
      {"a missing group leaves the others",
       "<Conf_Settings><lastproj/><lastipadd><ipaddress>10.9.8.7</ipaddress></lastipadd></Conf_Settings>",
       {"", "10.9.8.7", "English", false, false, false, false}},
      {"texts are not trimmed",
       "<Conf_Settings><lastipadd><ipaddress> 10.0.0.3 </ipaddress></lastipadd></Conf_Settings>",
       {"", " 10.0.0.3 ", "English", false, false, false, false}},
      {"empty file", "", Defaults},
      {"truncated file", "<Conf_Settings><lastipadd><ipaddress>10.0.0.4</ipadd", Defaults},
      {"not XML", "\x01\x02garbage\xff\xfe", Defaults},
      {"two roots", "<Conf_Settings/><Conf_Settings/>", Defaults},
  };
  for (const Case& c : cases) {
    TShellTestProgram p;
    p.WriteSettings(QByteArray(c.File));
    p.Start();
    ExpectValues(c.Expected, c.Name);
  }
}

TEST(SettingsFile, AFailedWriteKeepsTheOldFileAndTheWindowCloses) {
  TShellTestProgram p;
  TFQuilloreFirmWare& w = p.Start();
  w.Show();
  // A folder where the file should go cannot be replaced by a file.
  ASSERT_TRUE(QDir().mkpath(p.SettingsPath()));
  w.Close();
  EXPECT_FALSE(w.Visible());
  EXPECT_TRUE(DirectoryExists(p.SettingsPath()));
}

TEST(SettingsFile, TheWrittenFileIsCompleteAndLeavesNoTemporaryFile) {
  TShellTestProgram p;
  p.WriteSettings("<Conf_Settings><lastproj><projectname>Old</projectname></lastproj></Conf_Settings>");
  TFQuilloreFirmWare& w = p.Start();
  // Another user of the document object left its own tree there.
  w.XML1().LoadFromString("<Par_Gen><x/></Par_Gen>");
  LastDeviceIp = "172.16.0.9";
  w.Save_Setting();
  TXmlDocument doc;
  ASSERT_TRUE(doc.LoadFromFile(p.SettingsPath()));
  EXPECT_EQ(doc.Root().NodeName(), "Conf_Settings");
  EXPECT_EQ(doc.Root().ChildElementCount(), 4);
  EXPECT_EQ(doc.Root().ChildNode("lastproj").ChildNode("projectname").Text(), "Old");
  EXPECT_EQ(doc.Root().ChildNode("lastipadd").ChildNode("ipaddress").Text(), "172.16.0.9");
  EXPECT_EQ(doc.Root().ChildNode("lastinternet").ChildElementCount(), 4);
  EXPECT_EQ(QDir(p.Folder()).entryList(QDir::Files), QStringList{"Quillor.xml"});
}

// Every file the program writes loads again: blank-only text stays, a character XML
// cannot hold is left out instead of making the whole file unreadable.
TEST(SettingsFile, HostileValuesStillGiveAFileThatLoads) {
  struct Case {
    QString Written, Read;
  } cases[] = {{"        ", "        "},
               {QString(" ") + QChar(0xA0) + " ", QString(" ") + QChar(0xA0) + " "},
               {QString("Plant") + QChar(1) + "A", "PlantA"},
               {QString("x") + QChar(0xFFFE), "x"}};
  for (const Case& c : cases) {
    TShellTestProgram p;
    TFQuilloreFirmWare& w = p.Start();
    ProjectName = c.Written;
    LastDeviceIp = "10.1.2.3";
    w.Save_Setting();
    const QString written = p.ReadSettings();
    ResetShellState();
    DestroyApplication();
    p.WriteSettings(written.toUtf8());
    p.Start();
    EXPECT_EQ(ProjectName, c.Read);
    EXPECT_EQ(LastDeviceIp, "10.1.2.3");
  }
}

TEST(SettingsFile, DeeplyNestedFileGivesTheDefaults) {
  TShellTestProgram p;
  const QByteArray deep = QByteArray("<a>").repeated(20000) + QByteArray("</a>").repeated(20000);
  p.WriteSettings("<Conf_Settings><lastipadd><ipaddress>10.9.9.9</ipaddress></lastipadd>" + deep + "</Conf_Settings>");
  p.Start();
  ExpectValues(Defaults, "deep file");
}

// For random values within each setting's rules (a project name the
// new-project dialog accepts, any address and language text the file can
// hold, any flags) what is written reads back the same.
TEST(SettingsFile, RandomValuesComeBackAsWritten) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  ResetShellState();
  SettingsFile = dir.path() + "/Quillor.xml";
  static const QString alphabet = QString::fromUtf8(" aZ09<>&\"'-_.\u00a0\u00e9\u20ac\u4e2d\U0001F600\t");
  std::mt19937 rng(20261210);
  const auto randomText = [&] {
    QString s;
    const int n = int(rng() % 12);
    for (int i = 0; i < n; ++i) {
      // A character of the alphabet, a surrogate pair taken whole.
      int at = int(rng() % unsigned(alphabet.size()));
      if (alphabet[at].isLowSurrogate()) --at;
      s += alphabet[at];
      if (alphabet[at].isHighSurrogate()) s += alphabet[at + 1];
    }
    return s;
  };
  TXmlDocument xml;
  for (int round = 0; round < 200; ++round) {
    QString project;
    do project = randomText();
    while (!IsValidProjectName(project));
    const TSettingsValues written{project,        randomText(),   randomText(),  rng() % 2 == 1,
                                  rng() % 2 == 1, rng() % 2 == 1, rng() % 2 == 1};
    ProjectName = written.Project;
    LastDeviceIp = written.Ip;
    LanguageName = written.Language;
    EnableInternet = written.Internet;
    EnableUpdate = written.Update;
    EnableJumpFieldTables = written.Jump;
    DoubleClickAutoSize = written.AutoSize;
    ASSERT_TRUE(Save_Settings_File(xml));
    ResetShellState();
    SettingsFile = dir.path() + "/Quillor.xml";
    Read_Settings_File(xml);
    ExpectValues(written, "round " + std::to_string(round));
  }
  ResetShellState();
}
