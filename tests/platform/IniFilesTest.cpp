// INI files: key order kept, names without regard to case, whole-file writes.
#include "platform/IniFiles.h"

#include "platform/Files.h"

#include <QTemporaryDir>

#include <string>

#include <gtest/gtest.h>

namespace {

struct IniFiles : ::testing::Test {
  QTemporaryDir Dir;
  QString Path(const QString& Name) const { return Dir.path() + "/" + Name; }
  QString Text(const QString& Name) const { return ReadTextFile(Path(Name)); }
};

TEST_F(IniFiles, WritesKeepTheirOrderAndReplaceInPlace) {
  {
    TIniFile ini(Path("a.ini"));
    EXPECT_TRUE(ini.WriteInteger("Grid", "CP1", 1));
    EXPECT_TRUE(ini.WriteInteger("Grid", "CP0", 0));
    EXPECT_TRUE(ini.WriteString("Other", "Name", "x y"));
    EXPECT_TRUE(ini.WriteInteger("grid", "cp1", 7));
  }
  EXPECT_EQ(Text("a.ini"), "[Grid]\r\nCP1=7\r\nCP0=0\r\n\r\n[Other]\r\nName=x y\r\n\r\n");
  const TIniFile again(Path("a.ini"));
  EXPECT_EQ(again.ReadSection("GRID"), (QStringList{"CP1", "CP0"}));
  EXPECT_EQ(again.ReadInteger("Grid", "Cp1", -1), 7);
  EXPECT_EQ(again.ReadString("Other", "Name", ""), "x y");
}

TEST_F(IniFiles, ReadingTakesDefaultsForWhatIsMissingOrNoNumber) {
  WriteFileAtomic(Path("b.ini"), "; comment\n[S]\nA = 12 \nB=abc\nC=$1F\nA=99\nbroken line\n");
  const TIniFile ini(Path("b.ini"));
  struct Case {
    const char* Key;
    int Value;
  };
  for (const Case& c : {Case{"A", 12}, Case{"B", -1}, Case{"C", 31}, Case{"D", -1}})
    EXPECT_EQ(ini.ReadInteger("S", c.Key, -1), c.Value) << c.Key;
  EXPECT_EQ(ini.ReadInteger("Missing", "A", 5), 5);
  EXPECT_FALSE(ini.ValueExists("S", "D"));
  EXPECT_TRUE(ini.SectionExists("s"));
}

TEST_F(IniFiles, BareNameLiesInTheProgramFolder) {
  SetProgramFolderOverride(Dir.path());
  {
    TIniFile ini("positions.ini");
    EXPECT_EQ(ini.FileName(), Path("positions.ini"));
    ini.WriteBool("S", "On", true);
  }
  SetProgramFolderOverride(QString());
  EXPECT_TRUE(FileExists(Path("positions.ini")));
}

TEST_F(IniFiles, EraseAndDelete) {
  TIniFile ini(Path("c.ini"));
  ini.WriteInteger("A", "x", 1);
  ini.WriteInteger("A", "y", 2);
  ini.WriteInteger("B", "z", 3);
  ini.DeleteKey("A", "X");
  ini.EraseSection("b");
  EXPECT_EQ(Text("c.ini"), "[A]\r\ny=2\r\n\r\n");
}

// A UTF-16 file with a lone surrogate in a value: the value reads as U+FFFD,
// and written to a new file and read again it is the same.
TEST_F(IniFiles, LoneSurrogateReadsAsReplacementAndBackTheSame) {
  QByteArray utf16("\xFF\xFE", 2);
  for (const char16_t c : std::u16string(u"[S]\r\nk=A") + char16_t(0xD800) + u"B\r\n")
    utf16.append(char(c & 0xFF)).append(char(c >> 8));
  WriteFileAtomic(Path("u.ini"), utf16);
  const QString expected = "A" + QString(QChar::ReplacementCharacter) + "B";
  const TIniFile read(Path("u.ini"));
  EXPECT_EQ(read.ReadString("S", "k", ""), expected);
  {
    TIniFile copy(Path("copy.ini"));
    EXPECT_TRUE(copy.WriteString("S", "k", read.ReadString("S", "k", "")));
  }
  EXPECT_EQ(TIniFile(Path("copy.ini")).ReadString("S", "k", ""), expected);
}

// A lone surrogate given to a write is stored as U+FFFD: in memory as in the file.
TEST_F(IniFiles, LoneSurrogateWrittenIsReplacedTheSameWay) {
  const QChar high(char16_t(0xD83D)), low(char16_t(0xDE00));
  const QString lone = QString("x") + low + "y" + high, pair = QString(high) + low;
  const QString replaced = QString("x") + QChar::ReplacementCharacter + "y" + QChar::ReplacementCharacter;
  TIniFile ini(Path("w.ini"));
  EXPECT_TRUE(ini.WriteString("S" + QString(high), "k", lone));
  EXPECT_TRUE(ini.WriteString("S", "p", pair));
  EXPECT_EQ(ini.ReadString("S" + QString(high), "k", ""), replaced);
  const TIniFile again(Path("w.ini"));
  EXPECT_EQ(again.ReadSections(), (QStringList{"S" + QString(QChar::ReplacementCharacter), "S"}));
  EXPECT_EQ(again.ReadString("S" + QString(low), "k", ""), replaced);
  EXPECT_EQ(again.ReadString("S", "p", ""), pair) << "a whole pair stays";
}

// What would not read back as written is refused and changes nothing.
TEST_F(IniFiles, WritesThatWouldNotReadBackAreRefused) {
  struct Case {
    const char* Section;
    const char* Ident;
    const char* Value;
  };
  const Case refused[] = {
      {"S", "k", "a\r\nb=c"}, {"S", "k", "a\nb"}, {"S\n[T]", "k", "v"}, {"S", "k\r", "v"},
      {"S", "k", " v"},       {"S", "k", "v\t"},  {" S", "k", "v"},     {"S", "k ", "v"},
      {"S", "", "v"},         {"S", "a=b", "v"},  {"S", ";k", "v"},     {"S", "[k", "v]"},
  };
  TIniFile ini(Path("r.ini"));
  ASSERT_TRUE(ini.WriteString("S", "k", "old"));
  const QString before = Text("r.ini");
  for (const Case& c : refused) {
    EXPECT_FALSE(ini.WriteString(c.Section, c.Ident, c.Value)) << c.Section << "|" << c.Ident << "|" << c.Value;
    EXPECT_EQ(Text("r.ini"), before);
    EXPECT_EQ(ini.ReadString("S", "k", ""), "old");
  }
  EXPECT_EQ(ini.ReadSections(), QStringList{"S"});
  // Signs the reader takes as they stand are accepted.
  const Case accepted[] = {{"S", "k", "a = b"}, {"a]b", "[k", "v"}, {"", "k", ""}, {";S", "k]", "[v"}};
  for (const Case& c : accepted) {
    EXPECT_TRUE(ini.WriteString(c.Section, c.Ident, c.Value)) << c.Section << "|" << c.Ident << "|" << c.Value;
    EXPECT_EQ(TIniFile(Path("r.ini")).ReadString(c.Section, c.Ident, "missing"), c.Value);
  }
}

}  // namespace
