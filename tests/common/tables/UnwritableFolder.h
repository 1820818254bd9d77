// A folder nothing can be written into while the object lives: read-only for
// its owner, and, since permissions do not stop the superuser the tests may
// run as, marked immutable as well.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

class TUnwritableFolder {
public:
  explicit TUnwritableFolder(const QString& Folder) : FFolder(Folder) {
    QFile::setPermissions(FFolder, QFile::ReadOwner | QFile::ExeOwner);
    if (geteuid() != 0) {
      FSet = true;
      return;
    }
    FFd = open(QFile::encodeName(FFolder).constData(), O_RDONLY | O_DIRECTORY);
    int flags = 0;
    if (FFd >= 0 && ioctl(FFd, FS_IOC_GETFLAGS, &flags) == 0) {
      flags |= FS_IMMUTABLE_FL;
      FImmutable = ioctl(FFd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    FSet = FImmutable;
  }
  ~TUnwritableFolder() {
    int flags = 0;
    if (FImmutable && ioctl(FFd, FS_IOC_GETFLAGS, &flags) == 0) {
      flags &= ~FS_IMMUTABLE_FL;
      ioctl(FFd, FS_IOC_SETFLAGS, &flags);
    }
    if (FFd >= 0) close(FFd);
    QFile::setPermissions(FFolder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  }
  TUnwritableFolder(const TUnwritableFolder&) = delete;
  TUnwritableFolder& operator=(const TUnwritableFolder&) = delete;
  // False when this file system cannot lock the folder against the superuser.
  bool Set() const { return FSet; }

private:
  QString FFolder;
  int FFd = -1;
  bool FImmutable = false;
  bool FSet = false;
};
