#include "platform/Resources.h"

#include "platform/Graphics.h"

#include <QDir>
#include <QFile>

namespace {
// Every library's bitmaps lie in this one folder of the compiled-in resources.
constexpr const char* BitmapFolder = ":/bitmaps";

QString FindBitmapResource(const QString& Name) {
  const QDir dir(BitmapFolder);
  for (const QString& entry : dir.entryList(QDir::Files)) {
    const QString stem = entry.section('.', 0, 0);
    if (stem.compare(Name, Qt::CaseInsensitive) == 0) return dir.filePath(entry);
  }
  return {};
}
}  // namespace

void LoadBitmapResource(TBitmap& Bitmap, const QString& Name) {
  const QString path = Name.isEmpty() ? QString() : FindBitmapResource(Name);
  QFile file(path);
  if (path.isEmpty() || !file.open(QIODevice::ReadOnly) || !Bitmap.LoadFromBytes(file.readAll()))
    throw EResNotFound(QString("Resource %1 not found").arg(Name));
}

bool LoadDataResource(const QString& Name, QByteArray& Data) {
  const QString path = Name.isEmpty() ? QString() : FindBitmapResource(Name);
  QFile file(path);
  if (path.isEmpty() || !file.open(QIODevice::ReadOnly)) return false;
  Data = file.readAll();
  return true;
}
