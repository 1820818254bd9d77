// What the fuzz targets share: the input as Qt bytes, inputs that hold two
// documents, a scratch folder and the toolkit for readers that need widgets.
#pragma once

#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QString>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>
#include <utility>

namespace fuzz {

inline QByteArray Bytes(const uint8_t* data, size_t size) {
  return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

// Two documents separated by the first NUL byte; without one, all of it is the first.
inline std::pair<QByteArray, QByteArray> SplitAtNul(const QByteArray& bytes) {
  const qsizetype nul = bytes.indexOf('\0');
  if (nul < 0) return {bytes, QByteArray()};
  return {bytes.left(nul), bytes.mid(nul + 1)};
}

// One scratch folder for the whole run, removed at exit.
inline const QString& ScratchFolder() {
  static QTemporaryDir dir;
  static const QString path = dir.path();
  return path;
}

inline void WriteFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) std::abort();
  file.write(bytes);
}

inline QByteArray ReadFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The offscreen toolkit, made once, for readers that live in a form. It is
// never destroyed: run from the exit handlers, the toolkit's teardown comes
// after its platform plugin is gone (a crash once widgets were shown) and
// leaves its font caches half freed (leaks); left alone, all stays reachable.
inline void EnsureApplication() {
  static int argc = 1;
  static char name[] = "fuzz";
  static char* argv[] = {name, nullptr};
  if (QApplication::instance()) return;
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  static QApplication* app = new QApplication(argc, argv);
  (void)app;
}

}  // namespace fuzz
