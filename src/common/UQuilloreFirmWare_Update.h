// How a program started by the main window's runner ended, so that the update
// form can tell the user about a tool that did not run or did not finish.
#pragma once

#include <sys/types.h>

struct TProgramRun {
  enum TOutcome {
    prNotStarted,  // missing, not executable or refused by the system
    prEnded,       // ended by itself; ExitCode holds its code
    prTimedOut     // still running when the wait gave up; left running
  };
  TOutcome Outcome = prNotStarted;
  int ExitCode = 0;
  pid_t Pid = -1;
};

// The longest wait for a started program, and the pause between two looks at it.
constexpr int ProgramWaitLimitMs = 150000;
constexpr int ProgramPollMs = 10;
