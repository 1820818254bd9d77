#include "platform/Registry.h"

#include <algorithm>

namespace {

class TNoRegistry : public IRegistryServices {
public:
  bool KeyExists(HKEY, const QString&) override { return false; }
  bool ValueExists(HKEY, const QString&, const QString&) override { return false; }
  bool ReadInteger(HKEY, const QString&, const QString&, int&) override { return false; }
  int WatchKey(HKEY, const QString&, DWORD, std::function<void()>) override { return 0; }
  void StopWatch(int) override {}
};

std::unique_ptr<IRegistryServices>& Installed() {
  static std::unique_ptr<IRegistryServices> services = std::make_unique<TNoRegistry>();
  return services;
}

bool IsSameOrBelow(const QString& Key, const QString& Watched) {
  return Key == Watched || Watched.isEmpty() || Key.startsWith(Watched + '\\');
}

}  // namespace

QString NormaliseRegistryPath(const QString& Path) {
  QString p = Path.toUpper();
  while (p.startsWith('\\')) p.remove(0, 1);
  while (p.endsWith('\\')) p.chop(1);
  return p;
}

IRegistryServices& RegistryServices() { return *Installed(); }

void SetRegistryServices(std::unique_ptr<IRegistryServices> Services) {
  Installed() = Services ? std::move(Services) : std::make_unique<TNoRegistry>();
}

// ---- TRegistry ----

bool TRegistry::KeyExists(const QString& Key) const { return RegistryServices().KeyExists(RootKey, Key); }

bool TRegistry::OpenKeyReadOnly(const QString& Key) {
  CloseKey();
  if (!RegistryServices().KeyExists(RootKey, Key)) return false;
  FCurrentPath = Key;
  FOpen = true;
  return true;
}

void TRegistry::CloseKey() {
  FOpen = false;
  FCurrentPath.clear();
}

bool TRegistry::ValueExists(const QString& Name) const {
  return FOpen && RegistryServices().ValueExists(RootKey, FCurrentPath, Name);
}

int TRegistry::ReadInteger(const QString& Name) const {
  int v = 0;
  if (!FOpen || !RegistryServices().ReadInteger(RootKey, FCurrentPath, Name, v))
    throw ERegistryException(QStringLiteral("Invalid data type for '%1'").arg(Name));
  return v;
}

// ---- TFakeRegistry ----

TFakeRegistry::TKey* TFakeRegistry::Find(HKEY Root, const QString& Path) {
  auto it = FKeys.find({Root, NormaliseRegistryPath(Path)});
  return it == FKeys.end() ? nullptr : &it->second;
}

void TFakeRegistry::AddKey(HKEY Root, const QString& Path) {
  const QStringList parts = NormaliseRegistryPath(Path).split('\\', Qt::SkipEmptyParts);
  QString p;
  for (const QString& part : parts) {
    p = p.isEmpty() ? part : p + '\\' + part;
    FKeys[{Root, p}];
  }
}

void TFakeRegistry::SetInteger(HKEY Root, const QString& Path, const QString& Name, int Value) {
  AddKey(Root, Path);
  Find(Root, Path)->Values[Name.toUpper()] = Value;
  Change(Root, Path, REG_NOTIFY_CHANGE_LAST_SET);
}

void TFakeRegistry::Change(HKEY Root, const QString& Path, DWORD Kind) {
  const QString key = NormaliseRegistryPath(Path);
  std::vector<int> ids;
  for (const TWatch& w : FWatches)
    if (w.Root == Root && (w.Filter & Kind) && IsSameOrBelow(key, NormaliseRegistryPath(w.Path))) ids.push_back(w.Id);
  // A handler may end any watch, its own included.
  for (int id : ids) {
    auto it = std::find_if(FWatches.begin(), FWatches.end(), [id](const TWatch& w) { return w.Id == id; });
    if (it == FWatches.end()) continue;
    std::function<void()> changed = it->Changed;
    if (changed) changed();
  }
}

bool TFakeRegistry::KeyExists(HKEY Root, const QString& Path) {
  Asked.push_back(NormaliseRegistryPath(Path));
  return Find(Root, Path) != nullptr;
}

bool TFakeRegistry::ValueExists(HKEY Root, const QString& Path, const QString& Name) {
  Asked.push_back(NormaliseRegistryPath(Path));
  TKey* k = Find(Root, Path);
  return k && k->Values.count(Name.toUpper());
}

bool TFakeRegistry::ReadInteger(HKEY Root, const QString& Path, const QString& Name, int& Value) {
  Asked.push_back(NormaliseRegistryPath(Path));
  TKey* k = Find(Root, Path);
  if (!k) return false;
  auto it = k->Values.find(Name.toUpper());
  if (it == k->Values.end()) return false;
  Value = it->second;
  return true;
}

int TFakeRegistry::WatchKey(HKEY Root, const QString& Path, DWORD Filter, std::function<void()> Changed) {
  if (!Find(Root, Path)) return 0;
  const int id = FNextId++;
  FWatches.push_back({id, Root, Path, Filter, std::move(Changed)});
  return id;
}

void TFakeRegistry::StopWatch(int Id) {
  FWatches.erase(std::remove_if(FWatches.begin(), FWatches.end(), [Id](const TWatch& w) { return w.Id == Id; }),
                 FWatches.end());
}
