#include "platform/Shell.h"

namespace {
TOpenUrlHook& OpenUrlHook() {
  static TOpenUrlHook hook;
  return hook;
}
}  // namespace

TOpenUrlHook SetOpenUrlHook(TOpenUrlHook hook) {
  TOpenUrlHook previous = std::move(OpenUrlHook());
  OpenUrlHook() = std::move(hook);
  if (OpenUrlHook()) {
    SetOpenUrlHandler([](const QString& url) {
      OpenUrlHook()(url);
      return true;
    });
  } else {
    SetOpenUrlHandler(nullptr);
  }
  return previous;
}
