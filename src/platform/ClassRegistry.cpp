#include "platform/ClassRegistry.h"

#include <algorithm>
#include <vector>

namespace {

struct TRegisteredClass {
  QString Name;
  TComponentFactory Factory;
};

std::vector<TRegisteredClass>& Registry() {
  static std::vector<TRegisteredClass> registry;
  return registry;
}

// Class names compare without case, as the streaming system reads them.
TRegisteredClass* Find(const QString& name) {
  auto& r = Registry();
  auto it = std::find_if(r.begin(), r.end(), [&](const TRegisteredClass& c) { return SameText(c.Name, name); });
  return it == r.end() ? nullptr : &*it;
}

}  // namespace

void RegisterClass(const QString& ClassName, TComponentFactory Factory) {
  TRegisteredClass* known = Find(ClassName);
  if (!known) {
    Registry().push_back({ClassName, Factory});
    return;
  }
  if (!Factory || known->Factory == Factory) return;
  if (known->Factory) throw EFilerError(QString("A class named %1 already exists").arg(ClassName));
  known->Factory = Factory;
}

bool IsClassRegistered(const QString& ClassName) { return Find(ClassName) != nullptr; }

TComponentFactory GetClass(const QString& ClassName) {
  const TRegisteredClass* known = Find(ClassName);
  return known ? known->Factory : nullptr;
}

TComponentFactory FindClass(const QString& ClassName) {
  const TRegisteredClass* known = Find(ClassName);
  if (!known) throw EClassNotFound(QString("Class %1 not found").arg(ClassName));
  return known->Factory;
}

void UnRegisterClass(const QString& ClassName) {
  auto& r = Registry();
  r.erase(std::remove_if(r.begin(), r.end(), [&](const TRegisteredClass& c) { return SameText(c.Name, ClassName); }),
          r.end());
}

QStringList RegisteredClassNames() {
  QStringList names;
  for (const TRegisteredClass& c : Registry()) names << c.Name;
  return names;
}
