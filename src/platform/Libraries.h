// Outside libraries loaded while the program runs, by module name, and the C
// entry points looked up in them.
#pragma once

#include <QString>

// A loaded module; null when none.
using HMODULE = struct TLoadedModule*;

// Loads "Name" as the platform names a library ("libName.so"): from the
// program folder first, then from the system's usual library folders. Null
// when it is found nowhere or cannot be loaded. Each successful load needs
// one FreeLibrary.
HMODULE LoadLibrary(const QString& ModuleName);
// The exported C symbol, or null when the module lacks it.
void* GetProcAddress(HMODULE Module, const char* Name);
// Releases the module; its code and data may go away with it. Null is ignored.
bool FreeLibrary(HMODULE Module);

// The file name of a module name on this platform.
QString LibraryFileName(const QString& ModuleName);
