// The MIB file from SNMP_Trap.xml, compared byte for byte with a file written
// by hand, and the action around it (save dialog, overwrite question).
#include "tables/snmp_ethernet/USNMP_MIB.h"

#include "../../common/tables/UnwritableFolder.h"
#include "EditorTestKit.h"
#include "platform/Dialogs.h"

namespace {

class SnmpMib : public SnmpEthernetEditorTest {
protected:
  void SetUp() override {
    SnmpEthernetEditorTest::SetUp();
    MibReadObjects = new TStringList;
    MibWriteObjects = new TStringList;
    SaveMIB.Filter = "Management Information Base (*.mib)|*.mib";
    SaveMIB.DefaultExt = "*.mib";
  }
  QString Target() const { return Dir.path() + "/gateway.mib"; }
  QStringList TargetLines() const { return QString::fromLatin1(ReadBytes(Target())).split("\r\n"); }

  TSaveDialog SaveMIB{nullptr};
};

QByteArray RowsOf(int Count, const QString& Type) {
  QByteArray rows;
  for (int i = 1; i <= Count; ++i)
    rows += QString("<row Enable=\"Y\" Type=\"%1\" Description=\"v%2\"/>").arg(Type).arg(i).toUtf8();
  return rows;
}

}  // namespace

TEST_F(SnmpMib, WithoutTheTableTheFixedLinesAreWritten) {
  SaveMIB.FileName = "ignored";
  Dialogs->AnswerFile(Target());
  CreateMibFile(SaveMIB);
  ASSERT_EQ(Dialogs->Records().size(), 1u);
  EXPECT_EQ(Dialogs->Records()[0].Kind, TDialogKind::SaveFile);
  EXPECT_EQ(Dialogs->Records()[0].InitialDir, ProjectFolder);
  EXPECT_EQ(Dialogs->Records()[0].Filter, "Management Information Base (*.mib)|*.mib");

  const QByteArray bytes = ReadBytes(Target());
  ASSERT_TRUE(bytes.endsWith("END\r\n"));
  QStringList lines = TargetLines();
  lines.removeLast();  // after the last CR LF
  ASSERT_EQ(lines.size(), 56);
  EXPECT_EQ(lines.first(), "GATEWAY DEFINITIONS ::= BEGIN");
  EXPECT_EQ(lines.last(), "END");
  EXPECT_EQ(lines[26], "velmor          OBJECT IDENTIFIER ::= { enterprises 58317 }");
  EXPECT_EQ(lines[11], "    ORGANIZATION \"" + MakerName + "\"");
  EXPECT_FALSE(bytes.contains("\n\n")) << "every line ends in CR LF";
}

TEST_F(SnmpMib, ASmallTableGivesTheExpectedFileByteForByte) {
  WriteBytes(SNMPTrapFile, ReadBytes(SnmpEthernetFixture("small_SNMP_Trap.xml")));
  Dialogs->AnswerFile(Target());
  CreateMibFile(SaveMIB);
  EXPECT_EQ(ReadBytes(Target()).toStdString(), ReadBytes(SnmpEthernetFixture("small.mib")).toStdString());
  EXPECT_EQ(MibReadObjects->CommaText(), "temp1,name2");
  EXPECT_EQ(MibReadIsInteger, std::vector<bool>({true, false}));
  EXPECT_EQ(MibWriteIsInteger, std::vector<bool>({true}));
}

TEST_F(SnmpMib, RowsWithoutEnableAreLeftOutAndRowsWithoutTypeAreStrings) {
  WriteBytes(SNMPTrapFile,
             "<SNMP_Trap><SNMP_Trap_Read><row Description=\"noenable\" Type=\"Int\"/>"
             "<row Enable=\" Y\" Description=\"blank\"/><row Enable=\"Y\" Description=\"notype\"/></SNMP_Trap_Read>"
             "</SNMP_Trap>");
  ASSERT_TRUE(LoadMibObjects());
  EXPECT_EQ(MibReadObjects->CommaText(), "notype");
  EXPECT_EQ(MibWriteObjects->Count(), 0);
  const QStringList lines = MibFileLines();
  EXPECT_TRUE(
      lines.contains("notype OBJECT-TYPE SYNTAX OCTET STRING MAX-ACCESS read-only STATUS current "
                     "DESCRIPTION \"notype\" ::= { bufferinval 1 }"));
}

TEST_F(SnmpMib, EveryEnabledRowOfALargeHandEditedTableIsWritten) {
  WriteBytes(SNMPTrapFile, "<SNMP_Trap><SNMP_Trap_Read>" + RowsOf(300, "Int") + "</SNMP_Trap_Read><SNMP_Trap_Write>" +
                               RowsOf(270, "String") + "</SNMP_Trap_Write></SNMP_Trap>");
  Dialogs->AnswerFile(Target());
  CreateMibFile(SaveMIB);
  const QStringList lines = TargetLines();
  EXPECT_EQ(lines.filter(" ::= { bufferinval ").size(), 300);
  EXPECT_EQ(lines.filter(" NOTIFICATION-TYPE SYNTAX INTEGER ").size(), 300);
  EXPECT_TRUE(
      lines.contains("v300 OBJECT-TYPE SYNTAX INTEGER MAX-ACCESS read-only STATUS current "
                     "DESCRIPTION \"v300\" ::= { bufferinval 300 }"));
  EXPECT_TRUE(
      lines.contains("trapval300 NOTIFICATION-TYPE SYNTAX INTEGER MAX-ACCESS read-only STATUS current "
                     "DESCRIPTION \"v300\" ::= { trapsval 300 }"));
  EXPECT_TRUE(
      lines.contains("v270 OBJECT-TYPE SYNTAX OCTET STRING MAX-ACCESS read-write STATUS current "
                     "DESCRIPTION \"v270\" ::= { bufferoutval 270 }"));
}

TEST_F(SnmpMib, AnExistingFileIsReplacedOnlyAfterYes) {
  WriteBytes(SNMPTrapFile, ReadBytes(SnmpEthernetFixture("small_SNMP_Trap.xml")));
  WriteBytes(Target(), "old");
  Dialogs->AnswerFile(Target());
  Dialogs->Answer(mrNo);
  CreateMibFile(SaveMIB);
  ASSERT_EQ(Dialogs->Records().size(), 2u);
  EXPECT_EQ(Dialogs->Records()[1].Text, "File already exists. Do you want to overwrite?");
  EXPECT_EQ(Dialogs->Records()[1].Type, mtConfirmation);
  EXPECT_EQ(Dialogs->Records()[1].Buttons, mbYesNo);
  EXPECT_EQ(ReadBytes(Target()), "old");

  Dialogs->CancelFile();
  CreateMibFile(SaveMIB);
  EXPECT_EQ(ReadBytes(Target()), "old");

  Dialogs->AnswerFile(Target());
  Dialogs->Answer(mrYes);
  CreateMibFile(SaveMIB);
  EXPECT_EQ(ReadBytes(Target()), ReadBytes(SnmpEthernetFixture("small.mib")));
}

TEST_F(SnmpMib, AFileThatCannotBeWrittenIsReportedAndTheOldOneKept) {
  WriteBytes(Target(), "old");
  Dialogs->AnswerFile(Target());
  Dialogs->Answer(mrYes);
  {
    TUnwritableFolder readOnly(Dir.path());
    if (!readOnly.Set()) GTEST_SKIP() << "the file system cannot lock a folder here";
    CreateMibFile(SaveMIB);
  }
  ASSERT_EQ(Dialogs->Records().size(), 3u);
  EXPECT_EQ(Dialogs->Records()[2].Type, mtError);
  EXPECT_TRUE(Dialogs->Records()[2].Text.contains(Target()));
  EXPECT_EQ(ReadBytes(Target()), "old");
}

TEST_F(SnmpMib, AnUnreadableTableIsReportedAndNothingIsWritten) {
  WriteBytes(SNMPTrapFile, "<SNMP_Trap><SNMP_Trap_Read>");
  Dialogs->AnswerFile(Target());
  CreateMibFile(SaveMIB);
  ASSERT_EQ(Dialogs->Records().size(), 2u);
  EXPECT_EQ(Dialogs->Records()[1].Type, mtError);
  EXPECT_FALSE(QFile::exists(Target()));
}
