#include "platform/Process.h"

#include <QElapsedTimer>

#include <csignal>

#include <gtest/gtest.h>

TEST(Process, CommandLineSplitting) {
  struct Case {
    QString text;
    QStringList args;
  } cases[] = {
      {"", {}},       {"a b", {"a", "b"}},  {"  a   \"b c\"  ", {"a", "b c"}},
      {"\"\"", {""}}, {"x\\\"y", {"x\"y"}}, {"\"unterminated quote", {"unterminated quote"}},
  };
  for (const Case& c : cases) EXPECT_EQ(SplitCommandLine(c.text), c.args) << c.text.toStdString();
}

TEST(Process, StartsWithoutAShellAndIsPolledUntilItEnds) {
  auto p = StartProcess("/bin/sh", "-c \"exit 3\"", false);
  ASSERT_TRUE(p.has_value());
  QElapsedTimer t;
  t.start();
  while (p->StillActive() && t.elapsed() < 5000) SleepMilliseconds(10);
  EXPECT_FALSE(p->StillActive());
  EXPECT_EQ(p->ExitCode(), 3);
}

TEST(Process, AMissingProgramStartsNothing) {
  EXPECT_FALSE(StartProcess("/nonexistent/Ethernet_Update.exe", "", false).has_value());
  EXPECT_FALSE(StartProcess("", "", true).has_value());
  EXPECT_FALSE(StartProcess("/etc/hostname", "", true).has_value());  // not executable
}

TEST(Process, ARunningProgramIsLeftRunningWhenForgotten) {
  pid_t pid = -1;
  {
    auto p = StartProcess("/bin/sleep", "5", true);
    ASSERT_TRUE(p.has_value());
    EXPECT_TRUE(p->StillActive());
    EXPECT_EQ(p->ExitCode(), STILL_ACTIVE);
    pid = p->Pid();
  }
  EXPECT_EQ(kill(pid, 0), 0);  // still there
  kill(pid, SIGTERM);
}

namespace {
uint32_t fakeNow = 0;
uint32_t FakeNow() { return fakeNow; }
void FakeSleep(int ms) { fakeNow += uint32_t(ms); }
}  // namespace

TEST(Process, TestsCanReplaceTheTickSource) {
  SetTickSource({FakeNow, FakeSleep});
  fakeNow = 0xFFFFFFF0u;
  SleepMilliseconds(20);
  EXPECT_EQ(TickNow(), 4u);  // wrapped
  SetTickSource({});
}
