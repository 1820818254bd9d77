#include "platform/FileGroup.h"

#include "platform/Files.h"

#include <QFile>
#include <QFileInfo>

#include <cstdio>

namespace {

QString StagedName(const QString& target) { return target + ".new"; }

void RemoveStaged(const TFileContents& files, size_t count) {
  for (size_t i = 0; i < count; ++i) QFile::remove(StagedName(files[i].first));
}

}  // namespace

int WriteFilesTogether(const TFileContents& files) {
  for (size_t i = 0; i < files.size(); ++i) {
    // A folder in a target's place would only fail at the rename, after others were replaced.
    const bool blocked = QFileInfo(files[i].first).isDir();
    if (blocked || !WriteFileAtomic(StagedName(files[i].first), files[i].second)) {
      RemoveStaged(files, i);
      return int(i);
    }
  }
  // rename() replaces a target in one step; the staged files sit in the same folders.
  int failed = -1;
  for (size_t i = 0; i < files.size(); ++i) {
    const QByteArray from = QFile::encodeName(StagedName(files[i].first));
    if (std::rename(from.constData(), QFile::encodeName(files[i].first).constData()) != 0 && failed < 0) {
      QFile::remove(QString::fromLocal8Bit(from));
      failed = int(i);
    }
  }
  return failed;
}
