// The class registry of the streaming system: component classes registered by
// name so that a stored form can name them. Registration order is kept and a
// second registration of a name changes nothing.
#pragma once

#include "platform/Classes.h"
#include "platform/SysUtils.h"

#include <QString>
#include <QStringList>

// Makes a component of the registered class, owned by AOwner.
using TComponentFactory = TComponent* (*)(TComponent* AOwner);

class EFilerError : public Exception {
  using Exception::Exception;
};
class EClassNotFound : public EFilerError {
  using EFilerError::EFilerError;
};

// A class known by name only until its factory exists registers with none.
// Raises EFilerError "A class named <name> already exists" when the name is
// registered with another factory.
void RegisterClass(const QString& ClassName, TComponentFactory Factory = nullptr);
bool IsClassRegistered(const QString& ClassName);
// The factory of a registered class; null for an unknown name or a class
// registered by name only.
TComponentFactory GetClass(const QString& ClassName);
// Raises EClassNotFound "Class <name> not found" for an unknown name.
TComponentFactory FindClass(const QString& ClassName);
void UnRegisterClass(const QString& ClassName);
// Every registered name, in registration order.
QStringList RegisteredClassNames();
