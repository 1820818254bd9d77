#include "platform/Screenshot.h"

#include "platform/Files.h"

#include <QApplication>
#include <QBuffer>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

bool SaveWidgetScreenshot(QWidget* widget, const QString& path) {
  if (!widget) return false;
  QPixmap pix = widget->grab();
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!pix.save(&buffer, "PNG")) return false;
  return WriteFileAtomic(path, bytes);
}

void ScheduleStartupScreenshot(QWidget* window) {
  const QString path = qEnvironmentVariable("QUILLORE_SCREENSHOT");
  if (path.isEmpty() || !window) return;
  bool ok = false;
  int delay = qEnvironmentVariableIntValue("QUILLORE_SCREENSHOT_DELAY_MS", &ok);
  if (!ok) delay = 1000;
  QTimer::singleShot(delay, window, [window, path] {
    SaveWidgetScreenshot(window, path);
    QApplication::exit(0);
  });
}
