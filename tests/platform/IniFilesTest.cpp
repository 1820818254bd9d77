// INI files: key order kept, names without regard to case, whole-file writes.
#include "platform/IniFiles.h"

#include "platform/Files.h"

#include <QTemporaryDir>

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

}  // namespace
