#include "platform/Files.h"

#include "platform/SysUtils.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

#include <algorithm>

namespace {
QString& ProgramFolderOverride() {
  static QString folder;
  return folder;
}
}  // namespace

QString GetProgramFolder() {
  if (!ProgramFolderOverride().isEmpty()) return ProgramFolderOverride();
  QString dir = QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QDir::currentPath();
  return ExcludeTrailingPathDelimiter(dir);
}

void SetProgramFolderOverride(const QString& folder) { ProgramFolderOverride() = ExcludeTrailingPathDelimiter(folder); }

bool FileExists(const QString& path) {
  QFileInfo fi(path);
  return !path.isEmpty() && fi.exists() && !fi.isDir();
}

bool DirectoryExists(const QString& path) { return !path.isEmpty() && QFileInfo(path).isDir(); }

bool CreateDir(const QString& path) {
  if (path.isEmpty()) return false;
  return QDir().mkdir(path);
}

bool ForceDirectories(const QString& path) {
  if (path.isEmpty()) return false;
  return QDir().mkpath(path);
}

bool DeleteFile(const QString& path) { return QFile::remove(path); }

bool CopyFileReplace(const QString& from, const QString& to) {
  QByteArray data;
  if (!ReadFileBytes(from, data)) return false;
  return WriteFileAtomic(to, data);
}

QString ExtractFileName(const QString& path) {
  int p = path.lastIndexOf('/');
  return path.mid(p + 1);
}

QString ExtractFilePath(const QString& path) {
  int p = path.lastIndexOf('/');
  return path.left(p + 1);
}

QString ExtractFileExt(const QString& path) {
  QString name = ExtractFileName(path);
  int p = name.lastIndexOf('.');
  return p >= 0 ? name.mid(p) : QString();
}

QString ChangeFileExt(const QString& path, const QString& ext) {
  QString name = ExtractFileName(path);
  int p = name.lastIndexOf('.');
  QString base = p >= 0 ? path.left(path.size() - (name.size() - p)) : path;
  return base + ext;
}

QString IncludeTrailingPathDelimiter(const QString& path) { return path.endsWith('/') ? path : path + '/'; }

QString ExcludeTrailingPathDelimiter(const QString& path) {
  QString p = path;
  while (p.size() > 1 && p.endsWith('/')) p.chop(1);
  return p;
}

static QStringList SortedEntries(const QString& folder, const QString& pattern, QDir::Filters filters) {
  QDir dir(folder);
  QStringList names = dir.entryList(QStringList{pattern}, filters | QDir::NoDotAndDotDot, QDir::NoSort);
  std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) { return a.toUtf8() < b.toUtf8(); });
  return names;
}

QStringList ListFiles(const QString& folder, const QString& pattern) {
  return SortedEntries(folder, pattern, QDir::Files);
}
QStringList ListFolders(const QString& folder) { return SortedEntries(folder, "*", QDir::Dirs); }

bool WriteFileAtomic(const QString& path, const QByteArray& data) {
  if (path.isEmpty()) return false;
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  // A write that fits the file's buffer fails only when flushed; commit alone
  // would not see it and would put a cut file in place of the old one.
  if (file.write(data) != data.size() || !file.flush() || file.error() != QFileDevice::NoError) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

bool ReadFileBytes(const QString& path, QByteArray& data, qint64 maxSize) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return false;
  if (file.size() > maxSize) return false;
  data = file.readAll();
  return file.error() == QFile::NoError;
}

QString DecodeText(const QByteArray& bytes, TTextEncoding* encoding, bool utf8WithoutBom) {
  auto set = [&](TTextEncoding e) {
    if (encoding) *encoding = e;
  };
  if (bytes.startsWith("\xEF\xBB\xBF")) {
    set(TTextEncoding::Utf8Bom);
    return QString::fromUtf8(bytes.mid(3));
  }
  if (bytes.startsWith("\xFF\xFE")) {
    set(TTextEncoding::Utf16LE);
    QByteArray b = bytes.mid(2);
    return QString::fromUtf16(reinterpret_cast<const char16_t*>(b.constData()), b.size() / 2);
  }
  if (bytes.startsWith("\xFE\xFF")) {
    set(TTextEncoding::Utf16BE);
    QByteArray b = bytes.mid(2);
    if (b.size() % 2) b.chop(1);
    for (int i = 0; i + 1 < b.size(); i += 2) std::swap(b[i], b[i + 1]);
    return QString::fromUtf16(reinterpret_cast<const char16_t*>(b.constData()), b.size() / 2);
  }
  if (utf8WithoutBom) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString s = utf8.decode(bytes);
    if (!utf8.hasError()) {
      set(TTextEncoding::Utf8Bom);
      return s;
    }
  }
  set(TTextEncoding::Ansi);
  return AnsiToUnicode(bytes);
}

QString ReadTextFile(const QString& path, bool* ok, TTextEncoding* encoding, bool utf8WithoutBom) {
  QByteArray bytes;
  bool r = ReadFileBytes(path, bytes);
  if (ok) *ok = r;
  if (!r) return QString();
  return DecodeText(bytes, encoding, utf8WithoutBom);
}
