// The component stream of this system: a component's class, name and
// published properties as named, typed values in a self-describing binary
// form (little-endian, texts as UTF-16). A reader needs no knowledge of the
// class to walk it; the class decides what the names mean.
#pragma once

#include "platform/ClassRegistry.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

class EReadError : public EFilerError {
  using EFilerError::EFilerError;
};

inline constexpr char ComponentStreamSignature[4] = {'Q', 'P', 'F', '1'};

enum class TValueType : uint8_t { vaInt = 1, vaString, vaFalse, vaTrue, vaIdent, vaSet, vaList, vaCollection };

struct TStreamProperty;
using TStreamProperties = std::vector<TStreamProperty>;

struct TStreamValue {
  TValueType Type = TValueType::vaInt;
  int Int = 0;
  QString Text;                          // vaString, vaIdent
  QStringList Names;                     // vaSet (identifiers), vaList (strings)
  std::vector<TStreamProperties> Items;  // vaCollection

  static TStreamValue Integer(int V);
  static TStreamValue String(const QString& V);
  static TStreamValue Boolean(bool V);
  static TStreamValue Ident(const QString& V);
  static TStreamValue Set(const QStringList& V);
  static TStreamValue List(const QStringList& V);
  bool IsBoolean() const { return Type == TValueType::vaFalse || Type == TValueType::vaTrue; }
};

struct TStreamProperty {
  QString Name;
  TStreamValue Value;
};

struct TStreamComponent {
  QString ClassName;
  QString Name;
  TStreamProperties Properties;
};

// Appends the component's stream to the device at its position.
void WriteComponentStream(QIODevice& Stream, const TStreamComponent& Component);
// Reads one component from the device's position, leaving the position after
// it. Raises EReadError "Stream read error" for anything that is not a whole,
// well-formed component stream.
TStreamComponent ReadComponentStream(QIODevice& Stream);
