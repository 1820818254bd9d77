#include "platform/Messages.h"

#include <QHash>

UINT RegisterWindowMessage(const QString& name) {
  static QHash<QString, UINT> registered;
  // Names compare without case, as the system's atom table does.
  const QString key = name.toUpper();
  auto it = registered.find(key);
  if (it != registered.end()) return it.value();
  UINT id = 0xC000 + UINT(registered.size());
  registered.insert(key, id);
  return id;
}

UINT RegisterClipboardFormat(const QString& name) { return RegisterWindowMessage(name); }
