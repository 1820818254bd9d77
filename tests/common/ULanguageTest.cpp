#include "common/ULanguage.h"

#include "common/DefaultTexts.h"
#include "common/ShellState.h"
#include "platform/Files.h"
#include "platform/SysUtils.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class LanguageTest : public ::testing::Test {
protected:
  void SetUp() override {
    ResetShellState();
    ASSERT_TRUE(Dir.isValid());
    LanguageFolder = Dir.path();
  }
  void TearDown() override { ResetShellState(); }

  QString Write(const QString& name, const QByteArray& bytes) {
    const QString path = Dir.path() + "/" + name;
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return path;
  }

  QTemporaryDir Dir;
};

}  // namespace

TEST_F(LanguageTest, DefaultsFillEveryIdAndSetTheLimit) {
  LanguageIdLimit = 0;
  FillDefaultTexts();
  ASSERT_NE(LanguageTexts, nullptr);
  ASSERT_EQ(LanguageTexts->Count(), 5600);
  EXPECT_EQ(LanguageIdLimit, 5500);
  EXPECT_EQ(LangText(0), "Begin");
  EXPECT_EQ(LangText(9), "None Configuration Opened ");
  EXPECT_EQ(LangText(18), "Error! Project not Valid");
  EXPECT_EQ(LangText(83), " ");
  EXPECT_EQ(LangText(304), "Selected Language : ");
  EXPECT_EQ(LangText(306), " / ");
  EXPECT_EQ(LangText(5599), " ");
  int fillers = 0, withPlaceholder = 0;
  for (int i = 0; i < LanguageTexts->Count(); ++i) {
    EXPECT_FALSE(LangText(i).isEmpty()) << i;
    if (LangText(i) == " ") ++fillers;
    if (LangText(i).contains("%d")) ++withPlaceholder;
  }
  // Every id of a form's block that still lacks its text holds a blank too.
  EXPECT_GE(fillers, 2330);
  EXPECT_GE(withPlaceholder, 44);
  // Filling again starts from the defaults, not from what was there.
  LanguageTexts->SetStrings(0, "changed");
  FillDefaultTexts();
  EXPECT_EQ(LanguageTexts->Count(), 5600);
  EXPECT_EQ(LangText(0), "Begin");
}

TEST_F(LanguageTest, LinesOfALanguageFile) {
  struct Case {
    const char* Line;
    int Id;
    const char* Expected;  // the entry afterwards; null: the default stays
  };
  // Each line is applied alone to fresh defaults.
  const Case cases[] = {
      {"STR12 =Infos", 12, "Infos"},
      {"STR12=Infos", 1, "Infos"},  // the 2 stands right before "=" and is not part of the id
      {"STR12=Infos", 12, nullptr},
      {"STR12    =Infos", 12, "Infos"},
      {"   STR12 = Infos  ", 12, "Infos"},
      {"\tSTR12 =Infos\t", 12, "Infos"},
      {"str12 =Infos", 12, nullptr},
      {"Str12 =Infos", 12, nullptr},
      {"STRxx =Infos", 12, nullptr},
      {"STR12 Infos", 12, nullptr},
      {"STR =Infos", 0, nullptr},
      {"STR$C =Hex", 12, "Hex"},
      {"STR5499 =Last", 5499, "Last"},
      {"STR5500 =Never", 5500, nullptr},
      {"STR-1 =Never", 0, nullptr},
      {"STR12 =a=b=c", 12, "a=b=c"},
      {"STR12 =Text /#/ a note", 12, "Text"},
      {"STR12 =Text/#/", 12, "Text"},
      {"STR12 = /#/ only a note", 12, nullptr},
      {"STR12 =\xC2\xB6  padded  \xC2\xB6", 12, "  padded  "},
      {"STR12 =\xC2\xB6\xC2\xB6", 12, ""},
      {"STR12 =cut\xC2\xB6here", 12, "cut"},
      {"STR12 =\xC2\xB6 a /#/ b \xC2\xB6", 12, " a"},
      {"STR12 =", 12, nullptr},
      {"STR12 =    ", 12, nullptr},
      {"; STR12 =comment", 12, nullptr},
      {"[Section]", 12, nullptr},
      {"", 12, nullptr},
  };
  for (const Case& c : cases) {
    FillDefaultTexts();
    const QString before = c.Id >= 0 && c.Id < 5600 ? LangText(c.Id) : QString();
    ApplyLanguageText(QString::fromUtf8(c.Line));
    if (c.Id < 0 || c.Id >= 5600) continue;
    EXPECT_EQ(LangText(c.Id), c.Expected ? QString::fromUtf8(c.Expected) : before) << c.Line;
  }
}

TEST_F(LanguageTest, LaterLinesWinAndUnnamedIdsKeepTheirDefault) {
  FillDefaultTexts();
  ApplyLanguageText("STR0 =Anfang\r\nSTR13 =Optionen\nSTR13 =Einstellungen\rSTR5500 =x\r\n");
  EXPECT_EQ(LangText(0), "Anfang");
  EXPECT_EQ(LangText(13), "Einstellungen");
  EXPECT_EQ(LangText(12), "Information");
  EXPECT_EQ(LangText(5500), QString::fromUtf16(DefaultTexts()[5500].Text));
  EXPECT_EQ(LanguageTexts->Count(), 5600);
}

TEST_F(LanguageTest, ByteOrderMarksAndTheAnsiCodePage) {
  const QString text = QString::fromUtf8("STR12 =Informationen \xC3\xBC\xE2\x82\xAC\r\n");
  QByteArray le("\xFF\xFE", 2), be("\xFE\xFF", 2);
  for (QChar ch : text) {
    le.append(char(ch.unicode() & 0xFF)).append(char(ch.unicode() >> 8));
    be.append(char(ch.unicode() >> 8)).append(char(ch.unicode() & 0xFF));
  }
  struct Case {
    const char* Name;
    QByteArray Bytes;
    QString Expected;
  };
  const Case cases[] = {
      {"utf8.lng", QByteArray("\xEF\xBB\xBF") + text.toUtf8(), QString::fromUtf8("Informationen \xC3\xBC\xE2\x82\xAC")},
      {"utf16le.lng", le, QString::fromUtf8("Informationen \xC3\xBC\xE2\x82\xAC")},
      {"utf16be.lng", be, QString::fromUtf8("Informationen \xC3\xBC\xE2\x82\xAC")},
      // Without a mark the bytes are CP1252, even where they would be valid UTF-8.
      {"ansi.lng", QByteArray("STR12 =Gr\xFC\xDF\x65 \x80\r\n"),
       QString::fromUtf8("Gr\xC3\xBC\xC3\x9F"
                         "e \xE2\x82\xAC")},
      {"ansi-utf8-like.lng", QByteArray("STR12 =\xC3\xBC\r\n"), QString::fromUtf8("\xC3\x83\xC2\xBC")},
  };
  for (const Case& c : cases) {
    FillDefaultTexts();
    EXPECT_TRUE(LoadLanguageFile(Write(c.Name, c.Bytes))) << c.Name;
    EXPECT_EQ(LangText(12), c.Expected) << c.Name;
  }
}

TEST_F(LanguageTest, BadFilesLeaveTheDefaults) {
  QByteArray binary;
  for (int i = 0; i < 4096; ++i) binary.append(char((i * 7919) & 0xFF));
  QByteArray huge(17 << 20, 'x');
  huge.prepend("STR12 =huge\r\n");
  struct Case {
    const char* Name;
    QByteArray Bytes;
  };
  const Case cases[] = {
      {"binary.lng", binary},
      {"truncated16.lng", QByteArray("\xFF\xFES\0T\0R\0001\0002\0 \0=\0", 17)},  // ends inside a line, odd length
      {"huge.lng", huge},
      {"empty.lng", QByteArray()},
  };
  for (const Case& c : cases) {
    FillDefaultTexts();
    LoadLanguageFile(Write(c.Name, c.Bytes));
    EXPECT_EQ(LanguageTexts->Count(), 5600) << c.Name;
    EXPECT_EQ(LangText(12), "Information") << c.Name;
  }
  FillDefaultTexts();
  EXPECT_FALSE(LoadLanguageFile(Dir.path() + "/missing.lng"));
  EXPECT_FALSE(LoadLanguageFile(Dir.path()));
  EXPECT_FALSE(LoadLanguageFile("/dev/zero"));
  const QString locked = Write("locked.lng", "STR12 =x\r\n");
  QFile::setPermissions(locked, QFileDevice::Permissions());
  if (!QFile(locked).open(QIODevice::ReadOnly)) {  // root reads it anyway
    EXPECT_FALSE(LoadLanguageFile(locked));
  }
  EXPECT_EQ(LangText(12), "Information");
}

TEST_F(LanguageTest, LoadLanguageFallsBackToEnglish) {
  Write("English.lng", "STR12 =Info (en)\r\n");
  Write("Deutsch.lng", "STR12 =Info (de)\r\n");

  LanguageName = "Deutsch";
  LoadLanguage();
  EXPECT_EQ(LanguageName, "Deutsch");
  EXPECT_EQ(LangText(12), "Info (de)");
  EXPECT_EQ(LangText(13), "Options");

  LanguageName = "Klingon";
  LoadLanguage();
  EXPECT_EQ(LanguageName, "English");
  EXPECT_EQ(LangText(12), "Info (en)");

  QFile::remove(Dir.path() + "/English.lng");
  LanguageName = "Klingon";
  LoadLanguage();
  EXPECT_EQ(LanguageName, "English");
  EXPECT_EQ(LangText(12), "Information");

  // A chosen file that cannot be read: start-up goes on with the defaults.
  Write("Broken.lng", QByteArray(17 << 20, '\0'));
  LanguageName = "Broken";
  LoadLanguage();
  EXPECT_EQ(LanguageName, "Broken");
  EXPECT_EQ(LangText(12), "Information");
  EXPECT_EQ(LanguageTexts->Count(), 5600);
}

TEST_F(LanguageTest, ALanguageNameThatLeavesTheFolderIsNoLanguage) {
  QDir(Dir.path()).mkdir("LANGUAGE");
  LanguageFolder = Dir.path() + "/LANGUAGE";
  Write("Outside.lng", "STR12 =Read from outside\r\n");
  for (const char* name : {"../Outside", "/etc/Outside", ".hidden", ""}) {
    LanguageName = name;
    LoadLanguage();
    EXPECT_EQ(LanguageName, "English") << name;
    EXPECT_EQ(LangText(12), "Information") << name;
  }
}
