// The settings store the system's code reads other programs' choices from
// (HKEY_CURRENT_USER keys: whether a key exists, integer values, change
// notices). Linux has no such store, so the platform's own service is empty;
// tests install a fake that holds keys and values and reports changes.
#pragma once

#include "platform/Classes.h"
#include "platform/SysUtils.h"
#include "platform/Types.h"

#include <QString>

#include <functional>
#include <map>
#include <memory>
#include <vector>

using HKEY = uintptr_t;
constexpr HKEY HKEY_CLASSES_ROOT = 0x80000000u, HKEY_CURRENT_USER = 0x80000001u, HKEY_LOCAL_MACHINE = 0x80000002u;

// Kinds of change a watch asks to hear of.
constexpr DWORD REG_NOTIFY_CHANGE_NAME = 0x1, REG_NOTIFY_CHANGE_ATTRIBUTES = 0x2, REG_NOTIFY_CHANGE_LAST_SET = 0x4,
                REG_NOTIFY_CHANGE_SECURITY = 0x8;

class ERegistryException : public Exception {
  using Exception::Exception;
};

class IRegistryServices {
public:
  virtual ~IRegistryServices() = default;
  virtual bool KeyExists(HKEY Root, const QString& Path) = 0;
  virtual bool ValueExists(HKEY Root, const QString& Path, const QString& Name) = 0;
  // False when the key or the value is missing.
  virtual bool ReadInteger(HKEY Root, const QString& Path, const QString& Name, int& Value) = 0;
  // Watches the key and everything below it for changes of the kinds in
  // Filter; Changed runs on the GUI thread, once per change. 0 when the key
  // cannot be opened; otherwise an id for StopWatch.
  virtual int WatchKey(HKEY Root, const QString& Path, DWORD Filter, std::function<void()> Changed) = 0;
  virtual void StopWatch(int Id) = 0;
};

// The process-wide service; the platform's empty one until a test installs another.
IRegistryServices& RegistryServices();
// Installs a service (null puts the platform's own back).
void SetRegistryServices(std::unique_ptr<IRegistryServices> Services);

// The library's registry access object: a root, one open key, its values.
class TRegistry : public TObject {
public:
  HKEY RootKey = HKEY_CURRENT_USER;
  // Paths are relative to the root; a leading backslash is allowed.
  bool KeyExists(const QString& Key) const;
  // Never creates the key; false when it is missing.
  bool OpenKeyReadOnly(const QString& Key);
  void CloseKey();
  const QString& CurrentPath() const { return FCurrentPath; }
  bool ValueExists(const QString& Name) const;
  // Raises ERegistryException when the open key has no such value.
  int ReadInteger(const QString& Name) const;

private:
  QString FCurrentPath;
  bool FOpen = false;
};

// A registry for tests: keys (with their parents) and integer values, and
// the watches set on them. Writing a value reports a last-set change.
class TFakeRegistry : public IRegistryServices {
public:
  struct TWatch {
    int Id = 0;
    HKEY Root = 0;
    QString Path;
    DWORD Filter = 0;
    std::function<void()> Changed;
  };

  void AddKey(HKEY Root, const QString& Path);
  void SetInteger(HKEY Root, const QString& Path, const QString& Name, int Value);
  // Tells every watch on the key or one of its parents that asked for Kind.
  void Change(HKEY Root, const QString& Path, DWORD Kind = REG_NOTIFY_CHANGE_LAST_SET);
  const std::vector<TWatch>& Watches() const { return FWatches; }

  bool KeyExists(HKEY Root, const QString& Path) override;
  bool ValueExists(HKEY Root, const QString& Path, const QString& Name) override;
  bool ReadInteger(HKEY Root, const QString& Path, const QString& Name, int& Value) override;
  int WatchKey(HKEY Root, const QString& Path, DWORD Filter, std::function<void()> Changed) override;
  void StopWatch(int Id) override;

  // Every read asks for a key; tests see which keys were looked at.
  std::vector<QString> Asked;

private:
  struct TKey {
    std::map<QString, int> Values;  // names upper-cased
  };
  TKey* Find(HKEY Root, const QString& Path);
  std::map<std::pair<HKEY, QString>, TKey> FKeys;  // paths normalised
  std::vector<TWatch> FWatches;
  int FNextId = 1;
};

// The form keys and value names are compared in: no leading or trailing
// backslash, upper case (the store ignores letter case).
QString NormaliseRegistryPath(const QString& Path);
