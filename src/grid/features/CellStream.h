// The binary cell stream: a rectangle of cells with their properties and
// graphics as a sequence of component records ("TPF0", class name, empty
// name, named values, end bytes). The same bytes are the grid's binary file,
// its cell clipboard block and the cells block of drag and drop, so the form
// is fixed byte for byte and read with bounds on every length.
#pragma once

#include "platform/PropertyStream.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

// A record that is cut, carries a wrong signature, an unknown property or a
// value of the wrong kind. The message names the record and the offset.
class ECellStreamError : public EReadError {
  using EReadError::EReadError;
};

// 80-bit extended floats (sign, 15-bit exponent, explicit integer bit, 63-bit fraction).
std::array<uint8_t, 10> EncodeExtended(double Value);
double DecodeExtended(const std::array<uint8_t, 10>& Bytes);

enum TCellStreamValueType : uint8_t {
  svNull = 0,
  svList = 1,
  svInt8 = 2,
  svInt16 = 3,
  svInt32 = 4,
  svExtended = 5,
  svString = 6,
  svIdent = 7,
  svFalse = 8,
  svTrue = 9,
  svBinary = 10,
  svSet = 11,
  svLString = 12,
  svNil = 13,
  svWString = 18,
  svUTF8String = 20
};

struct TCellStreamValue {
  TCellStreamValueType Type = svNull;
  int64_t Int = 0;
  double Float = 0;
  QString Text;       // texts and identifiers
  QByteArray Bytes;   // binary
  QStringList Names;  // set members, list items
};

// Colour names of the standard colour table, both ways.
QString ColorToIdent(int32_t Color, bool* Named);
bool IdentToColor(const QString& Ident, int32_t& Color);

class TCellStreamWriter {
public:
  void BeginRecord(const QString& ClassName);
  void EndRecord();
  void Int(const QString& Name, int64_t Value);
  void Bool(const QString& Name, bool Value);
  void Ident(const QString& Name, const QString& Value);
  void Color(const QString& Name, int32_t Value);
  // Written only when not empty.
  void Text(const QString& Name, const QString& Value);
  void Extended(const QString& Name, double Value);
  void Binary(const QString& Name, const QByteArray& Value);
  void Set(const QString& Name, const QStringList& Members);
  void List(const QString& Name, const QStringList& Items);
  const QByteArray& Data() const { return FData; }

private:
  void ShortText(const QString& Value);
  void IntValue(int64_t Value);
  void TextValue(const QString& Value);
  QByteArray FData;
};

// One record as read: its class name and the values in stream order.
struct TCellStreamRecord {
  QString ClassName;
  qint64 Offset = 0;
  std::vector<std::pair<QString, TCellStreamValue>> Properties;
};

class TCellStreamReader {
public:
  explicit TCellStreamReader(const QByteArray& Data, qint64 Position = 0) : FData(Data), FPos(Position) {}
  TCellStreamRecord ReadRecord(const QString& ExpectedClass);
  qint64 Position() const { return FPos; }
  qint64 Size() const { return FData.size(); }
  [[noreturn]] void Fail(const QString& What) const;

private:
  const uint8_t* Take(qint64 Count);
  uint8_t Byte() { return *Take(1); }
  uint32_t UInt32();
  QString ShortText();
  TCellStreamValue Value();
  QString TextOf(TCellStreamValueType Type);
  const QByteArray& FData;
  qint64 FPos;
  QString FRecord;
};

// Typed access to a read value; a value of another kind is a stream error.
int64_t ValueInt(const TCellStreamReader& Reader, const TCellStreamValue& V, const QString& Name);
bool ValueBool(const TCellStreamReader& Reader, const TCellStreamValue& V, const QString& Name);
QString ValueText(const TCellStreamReader& Reader, const TCellStreamValue& V, const QString& Name);
QString ValueIdent(const TCellStreamReader& Reader, const TCellStreamValue& V, const QString& Name);
int32_t ValueColor(const TCellStreamReader& Reader, const TCellStreamValue& V, const QString& Name);
