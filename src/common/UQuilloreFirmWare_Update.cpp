// The runner of outside programs (the update tool).
#include "common/UQuilloreFirmWare_Update.h"

#include "platform/Process.h"

#include <cstdint>

// The GUI thread is held on purpose: nothing of the program may change while
// the tool reads the images. No window message is handled during the wait.
TProgramRun Start_Program(const QString& NomeSW, const QString& Parameter, bool tipo) {
  TProgramRun run;
  std::optional<TProcess> process = StartProcess(NomeSW, Parameter, tipo);
  if (!process) return run;
  run.Pid = process->Pid();
  const uint32_t start = TickNow();
  for (;;) {
    if (!process->StillActive()) {
      SleepMilliseconds(ProgramPollMs);
      run.Outcome = TProgramRun::prEnded;
      run.ExitCode = process->ExitCode();
      return run;
    }
    // Unsigned difference: a wrap of the tick counter during the wait does no harm.
    if (uint32_t(TickNow() - start) >= uint32_t(ProgramWaitLimitMs)) {
      run.Outcome = TProgramRun::prTimedOut;
      return run;
    }
    SleepMilliseconds(ProgramPollMs);
  }
}
