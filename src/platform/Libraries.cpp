#include "platform/Libraries.h"

#include "platform/Files.h"

#include <QFile>

#include <dlfcn.h>

QString LibraryFileName(const QString& ModuleName) { return "lib" + ModuleName + ".so"; }

namespace {
void* Open(const QString& path) { return dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL); }
}  // namespace

HMODULE LoadLibrary(const QString& ModuleName) {
  if (ModuleName.isEmpty()) return nullptr;
  const QString fileName = LibraryFileName(ModuleName);
  const QString local = GetProgramFolder() + PathDelim + fileName;
  void* handle = FileExists(local) ? Open(local) : nullptr;
  // Without a "/" the loader searches its own folders only.
  if (!handle) handle = Open(fileName);
  return static_cast<HMODULE>(handle);
}

void* GetProcAddress(HMODULE Module, const char* Name) {
  if (!Module || !Name) return nullptr;
  return dlsym(static_cast<void*>(Module), Name);
}

bool FreeLibrary(HMODULE Module) { return Module && dlclose(static_cast<void*>(Module)) == 0; }
