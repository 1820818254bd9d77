// The GSD writer: the whole file against one written by hand, the modules by
// sizes, the file name and the action's questions.
#include "tables/snmp_ethernet/UProfibus_GSD.h"

#include "EditorTestKit.h"

namespace {

class ProfibusGSD : public SnmpEthernetEditorTest {
protected:
  void WriteParGen(const QString& Elements) { WriteBytes(ParGenFile, ("<ParGen>" + Elements + "</ParGen>").toUtf8()); }
  QString Target() const { return Dir.path() + "/gateway.gsd"; }
  QStringList Modules() const {
    QStringList modules;
    for (const QString& line : GsdFileLines())
      if (line.startsWith("Module=") || line.startsWith("Max_") || line.startsWith("Slot(")) modules << line;
    return modules;
  }
};

}  // namespace

TEST_F(ProfibusGSD, TheFileMatchesTheHandWrittenOneByteForByte) {
  WriteParGen("<PROFINET_NB_IN>64</PROFINET_NB_IN><PROFINET_NB_OUT>100</PROFINET_NB_OUT>");
  Dialogs->AnswerFile(Dir.path() + "/gateway");
  CreateGsdFile();
  ASSERT_EQ(Dialogs->Records().size(), 1u);
  EXPECT_EQ(Dialogs->Records()[0].Filter, "Generic Station Description (*.gsd)|*.gsd");
  EXPECT_EQ(Dialogs->Records()[0].InitialDir, ProjectFolder);
  const QByteArray bytes = ReadBytes(Target());
  EXPECT_EQ(bytes.toStdString(), ReadBytes(SnmpEthernetFixture("GSD_100_64.gsd")).toStdString());
  for (const QByteArray& line : bytes.split('\n')) {
    if (!line.startsWith(";*")) continue;
    EXPECT_EQ(line.size(), 86) << line.toStdString();  // 85 and the CR
  }
}

TEST_F(ProfibusGSD, ModulesFollowTheSizesInBlocksOf64Bytes) {
  GsdInputLength = 128;
  GsdOutputLength = 0;
  EXPECT_EQ(Modules(), QStringList({"Max_Module=2", "Max_Input_Len=128", "Max_Output_Len=0", "Max_Data_Len=128",
                                    "Max_Diag_Data_Len=15", "Max_User_Prm_Data_Len = 12",
                                    "Module=\"DI  (PORT1)    \" 0x42,0x3F,0x00,0x01",
                                    "Module=\"DI  (PORT2)    \" 0x42,0x3F,0x00,0x02", "Slot(1) = \"Slot 1\" 1 1",
                                    "Slot(2) = \"Slot 2\" 2 2"}));
  GsdInputLength = 0;
  GsdOutputLength = 1;
  EXPECT_TRUE(Modules().contains("Module=\"DO  (PORT1)    \" 0x82,0x00,0x00,0x01"));
  GsdInputLength = 64 * 20;
  GsdOutputLength = 0;
  EXPECT_TRUE(Modules().contains("Module=\"DI  (PORT20)    \" 0x42,0x3F,0x00,0x14"));

  // A missing size and a size that is no number give no modules of that side.
  WriteParGen("<PROFINET_NB_IN>abc</PROFINET_NB_IN>");
  Dialogs->AnswerFile(Target());
  CreateGsdFile();
  EXPECT_EQ(GsdInputLength, 0);
  EXPECT_EQ(GsdOutputLength, 0);
  const QByteArray bytes = ReadBytes(Target());
  EXPECT_TRUE(bytes.contains("Max_Module=0\r\n"));
  EXPECT_FALSE(bytes.contains("Module=\""));
}

TEST_F(ProfibusGSD, TheChosenNameGetsItsExtensionOnlyWhenItLacksIt) {
  const std::pair<const char*, const char*> names[] = {
      {"dev", "dev.gsd"}, {"DEV.GSD", "DEV.GSD"}, {"a.gsd.txt", "a.gsd.txt.gsd"}, {"a.gsd.gsd", "a.gsd.gsd.gsd"}};
  for (const auto& [chosen, used] : names) EXPECT_EQ(GsdFileName(chosen), used) << chosen;
}

TEST_F(ProfibusGSD, WithoutParGenNothingIsAskedAndNothingWritten) {
  CreateGsdFile();
  ASSERT_EQ(Dialogs->Records().size(), 1u);
  EXPECT_EQ(Dialogs->Records()[0].Text,
            "Error! Please set the Set Communication Parameter before to create the GSD file");
  EXPECT_EQ(Dialogs->Records()[0].Type, mtError);
  EXPECT_TRUE(QDir(Dir.path()).entryList(QDir::Files).isEmpty());
}

TEST_F(ProfibusGSD, AnExistingFileIsReplacedOnlyAfterYes) {
  WriteParGen("<PROFINET_NB_IN>64</PROFINET_NB_IN>");
  WriteBytes(Target(), "old");
  Dialogs->AnswerFile(Target());
  Dialogs->Answer(mrNo);
  CreateGsdFile();
  EXPECT_EQ(Dialogs->Records().back().Text, "File already exists! Do you want to overwrite the file?");
  EXPECT_EQ(ReadBytes(Target()), "old");
  Dialogs->CancelFile();
  CreateGsdFile();
  EXPECT_EQ(ReadBytes(Target()), "old");
  Dialogs->AnswerFile(Target());
  Dialogs->Answer(mrYes);
  CreateGsdFile();
  EXPECT_TRUE(ReadBytes(Target()).startsWith(";\r\n"));
}
