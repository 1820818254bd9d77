#include "platform/Shell.h"

#include <QDesktopServices>
#include <QUrl>

namespace {
TOpenUrlHook& OpenUrlHook() {
  static TOpenUrlHook hook;
  return hook;
}
}  // namespace

void OpenUrl(const QString& url) {
  if (OpenUrlHook()) {
    OpenUrlHook()(url);
    return;
  }
  QDesktopServices::openUrl(QUrl(url));
}

TOpenUrlHook SetOpenUrlHook(TOpenUrlHook hook) {
  TOpenUrlHook previous = std::move(OpenUrlHook());
  OpenUrlHook() = std::move(hook);
  return previous;
}
