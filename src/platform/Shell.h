// Opening a web address in the user's browser. Tests install a hook that
// records the address instead of opening it.
#pragma once

#include <QString>

#include <functional>

// Hands the address to the desktop; the result is ignored, as a click on a link expects.
void OpenUrl(const QString& url);

// While set, OpenUrl calls the hook instead of the desktop. Returns the previous hook.
using TOpenUrlHook = std::function<void(const QString& url)>;
TOpenUrlHook SetOpenUrlHook(TOpenUrlHook hook);
