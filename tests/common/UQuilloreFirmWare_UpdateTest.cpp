#include "common/UQuilloreFirmWare_Update.h"

#include "support/UpdateTestKit.h"
#include "support/ShellTestProgram.h"
#include "lorawan/ConfigBanks.h"
#include "lorawan/UBoot.h"
#include "platform/StdCtrls.h"
#include "common/button/LbButton.h"

#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <csignal>

namespace {

void Click(TLbButton* b) { QTest::mouseClick(b->Widget(), Qt::LeftButton, {}, QPoint(5, 5)); }

QString Fixture(const QString& name) { return QString(QUILLORE_FIXTURES) + "/lorawan/" + name; }

QByteArray FileBytes(const QString& path) {
  QByteArray bytes;
  ReadFileBytes(path, bytes);
  return bytes;
}

// The text the stand-in copied from the parameter file it found.
QByteArray RecordedParameterFile(const QString& folder) {
  const QByteArray record = FileBytes(folder + "/Ethernet_Update.record");
  const int begin = record.indexOf("xml-begin\n");
  const int end = record.lastIndexOf("\nxml-end");
  if (begin < 0 || end < 0) return {};
  return record.mid(begin + 10, end - begin - 10);
}

}  // namespace

TEST(StartProgram, WaitsForTheProgramAndTellsHowItEnded) {
  QTemporaryDir folder;
  InstallUpdateTool(folder.path());
  const QString tool = folder.path() + "/Ethernet_Update.exe";
  struct Case {
    const char* Parameters;
    bool Hidden;
    const char* Exit;
    QStringList Expected;
  } cases[] = {
      {"", false, "0", {"show=1", "argc=0"}},
      {"a \"b c\"", true, "0", {"show=0", "argc=2", "arg=a", "arg=b c"}},
      {"", false, "5", {"show=1", "argc=0"}},
  };
  for (const Case& c : cases) {
    DeleteFile(folder.path() + "/Ethernet_Update.record");
    qputenv("QUILLORE_STANDIN_EXIT", c.Exit);
    const TProgramRun run = TFQuilloreFirmWare::Start_Program(tool, c.Parameters, c.Hidden);
    qunsetenv("QUILLORE_STANDIN_EXIT");
    EXPECT_EQ(run.Outcome, TProgramRun::prEnded) << c.Parameters;
    EXPECT_EQ(run.ExitCode, QByteArray(c.Exit).toInt());
    const QStringList record = UpdateToolRecord(folder.path());
    for (const QString& line : c.Expected) EXPECT_TRUE(record.contains(line)) << line.toStdString();
  }
}

TEST(StartProgram, AProgramThatCannotStartReturnsAtOnce) {
  TFakeClock clock;
  const uint32_t before = TFakeClock::Ticks();
  QTemporaryDir folder;
  WriteFileAtomic(folder.path() + "/not_executable", "data");
  for (const QString& path : {folder.path() + "/Ethernet_Update.exe", folder.path() + "/not_executable",
                              folder.path(), QString()}) {
    const TProgramRun run = TFQuilloreFirmWare::Start_Program(path, QString(), false);
    EXPECT_EQ(run.Outcome, TProgramRun::prNotStarted) << path.toStdString();
  }
  EXPECT_EQ(TFakeClock::Ticks(), before);
}

TEST(StartProgram, GivesUpAfter150SecondsAndLeavesTheProgramRunning) {
  QTemporaryDir folder;
  InstallUpdateTool(folder.path());
  qputenv("QUILLORE_STANDIN_SLEEP_MS", "10000");
  TProgramRun run;
  uint32_t waited = 0;
  {
    TFakeClock clock(0xFFFF0000u);  // the wait crosses the wrap of the tick counter
    run = TFQuilloreFirmWare::Start_Program(folder.path() + "/Ethernet_Update.exe", QString(), false);
    waited = TFakeClock::Ticks() - 0xFFFF0000u;
  }
  qunsetenv("QUILLORE_STANDIN_SLEEP_MS");
  EXPECT_EQ(run.Outcome, TProgramRun::prTimedOut);
  EXPECT_GE(waited, 150000u);
  EXPECT_LT(waited, 150000u + 10u);
  ASSERT_GT(run.Pid, 0);
  EXPECT_EQ(kill(run.Pid, 0), 0);
  kill(run.Pid, SIGTERM);
}

TEST(UpdateDevice, FromTheButtonToTheUpdateTool) {
  TShellTestProgram p;
  p.MakeProject("Plant");
  const QString project = p.ProjectsPath() + "/Plant";
  ASSERT_TRUE(CopyFileReplace(Fixture("ParGen_gateway_eu868.xml"), project + "/ParGen.xml"));
  ASSERT_TRUE(CopyFileReplace(Fixture("LoRaWAN_Gateway.xml"), project + "/LoRaWAN_Gateway.xml"));
  p.WriteSettings("<Conf_Settings><lastproj><projectname>Plant</projectname></lastproj></Conf_Settings>");
  InstallUpdateTool(p.Folder(), true);
  TScriptedEcho echo;
  echo.Otherwise = TScriptedEcho::Reply;
  TEchoScope echoInUse(&echo);
  TFQuilloreFirmWare& w = p.Start();
  w.Show();

  const bool shown = TShellTestProgram::ExpectModal(FBoot, [&] { Click(w.Btn_CreateBin); }, [&] {
    FBoot->E_IP4->SetText("31");
    Click(FBoot->Btn_Update);
  }, mrCancel);

  EXPECT_TRUE(shown);
  EXPECT_TRUE(p.Dialogs->Records().empty());
  EXPECT_EQ(echo.Requests.size(), 2u);
  EXPECT_EQ(UpdateToolStarts(p.Folder()), 1);
  const QStringList record = UpdateToolRecord(p.Folder());
  EXPECT_TRUE(record.contains("argc=0"));
  EXPECT_TRUE(record.contains("show=1"));
  const QByteArray parameters = FileBytes(p.Folder() + "/Ethernet_Update.xml");
  EXPECT_FALSE(parameters.isEmpty());
  EXPECT_EQ(RecordedParameterFile(p.Folder()), parameters);
  EXPECT_TRUE(parameters.contains("<IP_Address_Dev>192.168.2.31</IP_Address_Dev>"));
  EXPECT_TRUE(parameters.contains("<Ope_FileName>" + (project + "/bin/bank2.bin").toUtf8() + "</Ope_FileName>"));
  EXPECT_EQ(LastDeviceIp, "192.168.2.31");

  // The bank files are the images of the project's two files.
  TConfigBanks banks;
  ASSERT_TRUE(banks.Make_Config_Banks().Ok);
  EXPECT_EQ(FileBytes(project + "/bin/bank1.bin"), banks.Bank1());
  EXPECT_EQ(FileBytes(project + "/bin/bank2.bin"), banks.Bank2());
}

TEST(UpdateDevice, BankFilesThatCannotBeWrittenStopBeforeTheUpdateForm) {
  TShellTestProgram p;
  const QString project = p.ProjectsPath() + "/Plant";
  ASSERT_TRUE(ForceDirectories(project));
  ASSERT_TRUE(WriteFileAtomic(project + "/bin", "a file where the bin folder belongs"));
  p.WriteSettings("<Conf_Settings><lastproj><projectname>Plant</projectname></lastproj></Conf_Settings>");
  InstallUpdateTool(p.Folder(), true);
  TFQuilloreFirmWare& w = p.Start();
  w.Show();

  EXPECT_FALSE(TShellTestProgram::ExpectModal(FBoot, [&] { Click(w.Btn_CreateBin); }));

  ASSERT_EQ(p.Dialogs->Records().size(), 1u);
  EXPECT_EQ(p.Dialogs->Records()[0].Type, mtError);
  EXPECT_TRUE(p.Dialogs->Records()[0].Text.contains(project + "/bin/bank1.bin"));
  EXPECT_EQ(UpdateToolStarts(p.Folder()), 0);
  EXPECT_FALSE(FileExists(p.Folder() + "/Ethernet_Update.xml"));
}
