// The runner of outside programs (the update tool) and how a started program
// ended, so that the update form can tell the user about a tool that did not
// run or did not finish.
#pragma once

#include <QString>

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

// Starts NomeSW with the arguments of Parameter (hidden when tipo) and blocks
// until it ends or 150 s pass; a program still running then is left running.
TProgramRun Start_Program(const QString& NomeSW, const QString& Parameter, bool tipo);
