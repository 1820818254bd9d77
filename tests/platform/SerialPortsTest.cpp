// Serial port discovery against a fake device folder.
#include "platform/SerialPorts.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>

namespace {

void Touch(const QString& path) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
}

TEST(SerialPorts, ListsOpenableDevicesByKindThenNumber) {
  QTemporaryDir dev;
  ASSERT_TRUE(dev.isValid());
  for (const char* name : {"ttyS10", "ttyACM0", "ttyS2", "ttyUSB1", "ttyS0", "ttyS", "ttySx", "ttyS1a", "ttyXYZ0",
                           "tty0", "console", "ttyUSB"})
    Touch(dev.filePath(name));
  QDir(dev.path()).mkdir("ttyUSB9");                              // not a device that opens
  QFile::link(dev.filePath("missing"), dev.filePath("ttyACM5"));  // a link to nothing

  const QStringList expected = {dev.filePath("ttyS0"), dev.filePath("ttyS2"), dev.filePath("ttyS10"),
                                dev.filePath("ttyUSB1"), dev.filePath("ttyACM0")};
  EXPECT_EQ(FindSerialPorts(dev.path()), expected);
}

TEST(SerialPorts, EmptyOrMissingFolderGivesEmptyList) {
  QTemporaryDir dev;
  ASSERT_TRUE(dev.isValid());
  EXPECT_TRUE(FindSerialPorts(dev.path()).isEmpty());
  EXPECT_TRUE(FindSerialPorts(dev.filePath("absent")).isEmpty());
}

TEST(SerialPorts, NumbersOrderByValueWhateverTheirLength) {
  QTemporaryDir dev;
  ASSERT_TRUE(dev.isValid());
  for (const char* name : {"ttyUSB100", "ttyUSB020", "ttyUSB3", "ttyUSB99999999999999999999"})
    Touch(dev.filePath(name));
  const QStringList expected = {dev.filePath("ttyUSB3"), dev.filePath("ttyUSB020"), dev.filePath("ttyUSB100"),
                                dev.filePath("ttyUSB99999999999999999999")};
  EXPECT_EQ(FindSerialPorts(dev.path()), expected);
}

TEST(SerialPorts, AFailedOpenCountsOnlyWhenThePortIsHeld) {
  const std::pair<int, bool> cases[] = {{EACCES, true}, {EBUSY, true},   {EPERM, true}, {ENOENT, false},
                                        {ENXIO, false}, {ENODEV, false}, {EIO, false},  {EISDIR, false}};
  for (const auto& [err, present] : cases) EXPECT_EQ(SerialOpenErrorMeansPresent(err), present) << err;
}

}  // namespace
