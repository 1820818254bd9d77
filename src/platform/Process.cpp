#include "platform/Process.h"

#include "platform/SysUtils.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <ctime>
#include <mutex>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

// Children forgotten while running; reaped whenever a process is polled.
std::vector<pid_t>& Orphans() {
  static std::vector<pid_t> orphans;
  return orphans;
}

void ReapOrphans() {
  auto& v = Orphans();
  for (auto it = v.begin(); it != v.end();) {
    int status = 0;
    pid_t r = waitpid(*it, &status, WNOHANG);
    if (r == *it || (r < 0 && errno == ECHILD))
      it = v.erase(it);
    else
      ++it;
  }
}

TTickSource& Source() {
  static TTickSource source;
  return source;
}

}  // namespace

TProcess::TProcess(TProcess&& other) noexcept : FPid(other.FPid), FEnded(other.FEnded), FExitCode(other.FExitCode) {
  other.FPid = -1;
}

TProcess& TProcess::operator=(TProcess&& other) noexcept {
  if (this != &other) {
    if (FPid > 0 && !FEnded) Orphans().push_back(FPid);
    FPid = other.FPid;
    FEnded = other.FEnded;
    FExitCode = other.FExitCode;
    other.FPid = -1;
  }
  return *this;
}

TProcess::~TProcess() {
  if (FPid > 0 && !FEnded) Orphans().push_back(FPid);
  FPid = -1;
}

bool TProcess::StillActive() {
  ReapOrphans();
  if (FPid <= 0 || FEnded) return false;
  int status = 0;
  pid_t r = waitpid(FPid, &status, WNOHANG);
  if (r == 0) return true;
  FEnded = true;
  if (r == FPid)
    FExitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + (WIFSIGNALED(status) ? WTERMSIG(status) : 0);
  else
    FExitCode = -1;
  return false;
}

int TProcess::ExitCode() { return StillActive() ? STILL_ACTIVE : FExitCode; }

QStringList SplitCommandLine(const QString& parameters) {
  QStringList args;
  QString cur;
  bool inQuotes = false, have = false;
  for (int i = 0; i < parameters.size(); ++i) {
    QChar c = parameters[i];
    if (c == '\\' && i + 1 < parameters.size() && parameters[i + 1] == '"') {
      cur += '"';
      ++i;
      have = true;
    } else if (c == '"') {
      inQuotes = !inQuotes;
      have = true;
    } else if ((c == ' ' || c == '\t') && !inQuotes) {
      if (have) args << cur;
      cur.clear();
      have = false;
    } else {
      cur += c;
      have = true;
    }
  }
  if (have) args << cur;
  return args;
}

std::optional<TProcess> StartProcess(const QString& file, const QString& parameters, bool hidden) {
  QFileInfo fi(file);
  if (file.isEmpty() || !fi.isFile() || !fi.isExecutable()) return std::nullopt;
  const QByteArray path = QFile::encodeName(fi.absoluteFilePath());
  std::vector<QByteArray> argStore{path};
  for (const QString& a : SplitCommandLine(parameters)) argStore.push_back(a.toLocal8Bit());
  std::vector<char*> argv;
  for (QByteArray& a : argStore) argv.push_back(a.data());
  argv.push_back(nullptr);
  std::vector<QByteArray> envStore;
  for (char** e = environ; e && *e; ++e)
    if (strncmp(*e, "QUILLORE_SHOW=", 14) != 0) envStore.emplace_back(*e);
  envStore.emplace_back(hidden ? "QUILLORE_SHOW=0" : "QUILLORE_SHOW=1");
  std::vector<char*> envp;
  for (QByteArray& e : envStore) envp.push_back(e.data());
  envp.push_back(nullptr);
  pid_t pid = -1;
  if (posix_spawn(&pid, path.constData(), nullptr, nullptr, argv.data(), envp.data()) != 0) return std::nullopt;
  return TProcess(pid);
}

void SetTickSource(const TTickSource& source) { Source() = source; }

uint32_t TickNow() { return Source().Now ? Source().Now() : GetTickCount(); }

void SleepMilliseconds(int ms) {
  if (Source().Sleep) {
    Source().Sleep(ms);
    return;
  }
  struct timespec ts {
    ms / 1000, long(ms % 1000) * 1000000L
  };
  while (nanosleep(&ts, &ts) != 0 && errno == EINTR) {
  }
}
