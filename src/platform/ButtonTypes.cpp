#include "platform/ButtonTypes.h"

bool IsAccel(QChar ch, const QString& caption) {
  QChar key;
  for (int i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != QChar('&')) continue;
    ++i;
    if (caption[i] != QChar('&')) key = caption[i];
  }
  return !key.isNull() && QString(key).compare(QString(ch), Qt::CaseInsensitive) == 0;
}
