#include "platform/Clipbrd.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

bool ClipboardHasText() {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  return data && data->hasText();
}

QString ClipboardText() { return QGuiApplication::clipboard()->text(); }

void SetClipboardText(const QString& Text) { QGuiApplication::clipboard()->setText(Text); }
