// A folder nothing can be written into for the lifetime of the object: made
// read-only, and, since permissions do not stop the superuser the tests may
// run as, with no file descriptor left to open a new file with.
#pragma once

#include <QFile>
#include <QString>

#include <sys/resource.h>
#include <unistd.h>

class TUnwritableFolder {
public:
  explicit TUnwritableFolder(const QString& Folder) : FFolder(Folder) {
    QFile::setPermissions(FFolder, QFile::ReadOwner | QFile::ExeOwner);
    if (geteuid() != 0) return;
    getrlimit(RLIMIT_NOFILE, &FLimit);
    rlimit none = FLimit;
    none.rlim_cur = 0;
    FLimited = setrlimit(RLIMIT_NOFILE, &none) == 0;
  }
  ~TUnwritableFolder() {
    if (FLimited) setrlimit(RLIMIT_NOFILE, &FLimit);
    QFile::setPermissions(FFolder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  }
  TUnwritableFolder(const TUnwritableFolder&) = delete;
  TUnwritableFolder& operator=(const TUnwritableFolder&) = delete;

private:
  QString FFolder;
  rlimit FLimit{};
  bool FLimited = false;
};
