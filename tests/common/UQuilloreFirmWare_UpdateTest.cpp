// The runner of outside programs: how a started program ended.
#include "common/UQuilloreFirmWare_Update.h"

#include "support/UpdateTestKit.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>

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
    const TProgramRun run = Start_Program(tool, c.Parameters, c.Hidden);
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
  for (const QString& path :
       {folder.path() + "/Ethernet_Update.exe", folder.path() + "/not_executable", folder.path(), QString()}) {
    const TProgramRun run = Start_Program(path, QString(), false);
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
    run = Start_Program(folder.path() + "/Ethernet_Update.exe", QString(), false);
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
