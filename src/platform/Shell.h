// Opening a web address in the user's browser (OpenUrl, in Network.h). Tests
// install a hook that records the address instead of opening it.
#pragma once

#include "platform/Network.h"

#include <QString>

#include <functional>

// While set, OpenUrl calls the hook instead of the desktop. Returns the previous hook.
using TOpenUrlHook = std::function<void(const QString& url)>;
TOpenUrlHook SetOpenUrlHook(TOpenUrlHook hook);
