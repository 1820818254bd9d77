#include "platform/SerialPorts.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <array>
#include <cerrno>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr std::array<const char*, 3> SerialKinds = {"ttyS", "ttyUSB", "ttyACM"};

struct TSerialName {
  int Kind;
  QString Number;  // decimal digits, compared by value without converting
  QString Path;
};

// The number of a device name of the given kind, or an empty text when the
// name is of another kind or has anything but digits after the prefix.
QString DeviceNumber(const QString& name, const QString& prefix) {
  if (!name.startsWith(prefix) || name.size() == prefix.size()) return QString();
  const QString digits = name.mid(prefix.size());
  for (QChar c : digits)
    if (c < '0' || c > '9') return QString();
  return digits;
}

// Numeric order of two digit strings of any length, without converting them.
bool NumberLess(const QString& a, const QString& b) {
  int ia = 0, ib = 0;
  while (ia + 1 < a.size() && a[ia] == '0') ++ia;
  while (ib + 1 < b.size() && b[ib] == '0') ++ib;
  const QStringView va = QStringView(a).mid(ia), vb = QStringView(b).mid(ib);
  if (va.size() != vb.size()) return va.size() < vb.size();
  if (va != vb) return va < vb;
  return a < b;
}

bool PortOpens(const QString& path) {
  const QByteArray native = QFile::encodeName(path);
  const int fd = ::open(native.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd >= 0) {
    ::close(fd);
    return true;
  }
  return SerialOpenErrorMeansPresent(errno);
}

}  // namespace

bool SerialOpenErrorMeansPresent(int err) { return err == EACCES || err == EBUSY || err == EPERM; }

QStringList FindSerialPorts(const QString& devFolder) {
  const QDir dir(devFolder);
  const QStringList entries = dir.entryList({"ttyS*", "ttyUSB*", "ttyACM*"}, QDir::Files | QDir::System);
  std::vector<TSerialName> found;
  for (const QString& name : entries) {
    for (int kind = 0; kind < int(SerialKinds.size()); ++kind) {
      const QString number = DeviceNumber(name, QString::fromLatin1(SerialKinds[size_t(kind)]));
      if (number.isEmpty()) continue;
      const QString path = dir.filePath(name);
      if (PortOpens(path)) found.push_back({kind, number, path});
      break;
    }
  }
  std::sort(found.begin(), found.end(), [](const TSerialName& a, const TSerialName& b) {
    if (a.Kind != b.Kind) return a.Kind < b.Kind;
    return NumberLess(a.Number, b.Number);
  });
  QStringList paths;
  for (const TSerialName& port : found) paths << port.Path;
  return paths;
}
