#include "platform/Shell.h"

namespace {
TOpenUrlHook& OpenUrlHook() {
  static TOpenUrlHook hook;
  return hook;
}
}  // namespace

// One opener for the whole program: the hook is laid over the network layer's
// handler, so a recorder installed either way sees every address.
TOpenUrlHook SetOpenUrlHook(TOpenUrlHook hook) {
  TOpenUrlHook previous = std::move(OpenUrlHook());
  OpenUrlHook() = std::move(hook);
  if (OpenUrlHook())
    SetOpenUrlHandler([](const QString& url) {
      OpenUrlHook()(url);
      return true;
    });
  else
    SetOpenUrlHandler(nullptr);
  return previous;
}
