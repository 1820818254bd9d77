// Starting outside programs without a shell and polling them, for the runner
// that waits for the update tool. The platform never kills a started program.
#pragma once

#include <QString>
#include <QStringList>

#include <sys/types.h>

#include <cstdint>
#include <optional>

class TProcess {
public:
  TProcess() = default;
  explicit TProcess(pid_t pid) : FPid(pid) {}
  TProcess(TProcess&& other) noexcept;
  TProcess& operator=(TProcess&& other) noexcept;
  TProcess(const TProcess&) = delete;
  TProcess& operator=(const TProcess&) = delete;
  // Forgets the program; one still running is left running and reaped later.
  ~TProcess();

  pid_t Pid() const { return FPid; }
  // True while the program runs (the exit code would be STILL_ACTIVE, 259).
  bool StillActive();
  // The exit code once ended, 259 while active.
  int ExitCode();

private:
  pid_t FPid = -1;
  bool FEnded = false;
  int FExitCode = 259;
};

constexpr int STILL_ACTIVE = 259;

// Splits a command-line text the way the system does: blanks separate,
// double quotes group, a backslash before a quote escapes it.
QStringList SplitCommandLine(const QString& parameters);

// Starts `file` with the arguments of `parameters`, without a shell, in the
// current folder. `hidden` asks for no window (passed to the program as the
// environment variable QUILLORE_SHOW=0, 1 otherwise). Nothing on failure.
std::optional<TProcess> StartProcess(const QString& file, const QString& parameters, bool hidden);

// Blocks the calling thread for `ms` milliseconds without handling events.
void SleepMilliseconds(int ms);

// Tests replace the tick counter and the blocking sleep with a fake clock.
struct TTickSource {
  uint32_t (*Now)() = nullptr;
  void (*Sleep)(int ms) = nullptr;
};
void SetTickSource(const TTickSource& source);  // both null restores the real ones
uint32_t TickNow();
