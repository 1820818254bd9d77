// Stand-in of the device's update tool, for tests. It records that it was
// started: its arguments, its working folder, whether it was asked to show a
// window, and a copy of the Ethernet_Update.xml it found beside itself.
// The record goes to Ethernet_Update.record in its own folder.
// QUILLORE_STANDIN_SLEEP_MS makes it wait before it exits;
// QUILLORE_STANDIN_EXIT sets its exit code.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QThread>

#include <cstdlib>

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const QString folder = QCoreApplication::applicationDirPath();
  QByteArray record;
  record += "started\n";
  record += "cwd=" + QDir::currentPath().toUtf8() + "\n";
  record += "show=" + qgetenv("QUILLORE_SHOW") + "\n";
  record += "argc=" + QByteArray::number(argc - 1) + "\n";
  for (int i = 1; i < argc; ++i) record += "arg=" + QByteArray(argv[i]) + "\n";
  QFile xml(folder + "/Ethernet_Update.xml");
  if (xml.open(QIODevice::ReadOnly)) {
    record += "xml-begin\n" + xml.readAll() + "\nxml-end\n";
  } else {
    record += "xml-missing\n";
  }
  QSaveFile out(folder + "/Ethernet_Update.record");
  if (out.open(QIODevice::WriteOnly)) {
    out.write(record);
    out.commit();
  }
  bool ok = false;
  const int sleepMs = qEnvironmentVariableIntValue("QUILLORE_STANDIN_SLEEP_MS", &ok);
  if (ok && sleepMs > 0) QThread::msleep(static_cast<unsigned long>(sleepMs));
  const int code = qEnvironmentVariableIntValue("QUILLORE_STANDIN_EXIT", &ok);
  return ok ? code : 0;
}
