// A throw-away project folder for the image builder's tests: the shell's
// project paths point into it, and fixture files are copied or written there.
#pragma once

#include "common/ShellState.h"
#include "platform/Files.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdint>

inline QString LoRaWANFixture(const QString& name) { return QString(QUILLORE_FIXTURES) + "/lorawan/" + name; }

class TLoRaWANTestProject {
public:
  TLoRaWANTestProject() {
    ProjectFolder = FDir.path() + "/Plant";
    ForceDirectories(ProjectFolder);
    ParGenFile = ProjectFolder + "/ParGen.xml";
    LoRaWANGatewayFile = ProjectFolder + "/LoRaWAN_Gateway.xml";
  }
  ~TLoRaWANTestProject() { ResetShellState(); }

  void UseParGen(const QString& fixture) const { Copy(fixture, ParGenFile); }
  void UseDevices(const QString& fixture) const { Copy(fixture, LoRaWANGatewayFile); }
  void WriteParGen(const QString& xml) const { Write(ParGenFile, xml); }
  void WriteDevices(const QString& xml) const { Write(LoRaWANGatewayFile, xml); }
  QString BinFile(const QString& name) const { return ProjectFolder + "/bin/" + name; }

private:
  static void Copy(const QString& fixture, const QString& to) {
    DeleteFile(to);
    ASSERT_TRUE(CopyFileReplace(LoRaWANFixture(fixture), to)) << fixture.toStdString();
  }
  static void Write(const QString& path, const QString& xml) { ASSERT_TRUE(WriteFileAtomic(path, xml.toUtf8())); }

  QTemporaryDir FDir;
};

// Little-endian reads of an image at a byte offset.
inline uint32_t ImageLE(const QByteArray& image, int offset, int width) {
  uint32_t v = 0;
  for (int i = width - 1; i >= 0; --i) v = (v << 8) | uint8_t(image.at(offset + i));
  return v;
}
inline uint32_t ImageU32(const QByteArray& image, int offset) { return ImageLE(image, offset, 4); }
inline uint32_t ImageU16(const QByteArray& image, int offset) { return ImageLE(image, offset, 2); }
inline uint32_t ImageU8(const QByteArray& image, int offset) { return ImageLE(image, offset, 1); }
inline QByteArray ImageBytes(const QByteArray& image, int offset, int count) { return image.mid(offset, count); }
