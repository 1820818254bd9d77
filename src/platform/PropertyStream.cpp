#include "platform/PropertyStream.h"

#include <QtEndian>

#include <cstring>

TStreamValue TStreamValue::Integer(int V) {
  TStreamValue v;
  v.Int = V;
  return v;
}
TStreamValue TStreamValue::String(const QString& V) {
  TStreamValue v;
  v.Type = TValueType::vaString;
  v.Text = V;
  return v;
}
TStreamValue TStreamValue::Boolean(bool V) {
  TStreamValue v;
  v.Type = V ? TValueType::vaTrue : TValueType::vaFalse;
  return v;
}
TStreamValue TStreamValue::Ident(const QString& V) {
  TStreamValue v;
  v.Type = TValueType::vaIdent;
  v.Text = V;
  return v;
}
TStreamValue TStreamValue::Set(const QStringList& V) {
  TStreamValue v;
  v.Type = TValueType::vaSet;
  v.Names = V;
  return v;
}
TStreamValue TStreamValue::List(const QStringList& V) {
  TStreamValue v;
  v.Type = TValueType::vaList;
  v.Names = V;
  return v;
}

namespace {

// Collections inside collections deeper than this are no stream of ours.
constexpr int MaxNesting = 8;

class TWriter {
public:
  void Bytes(const char* Data, int Size) { FData.append(Data, Size); }
  void Byte(uint8_t V) { FData.append(char(V)); }
  void U32(uint32_t V) {
    char b[4];
    qToLittleEndian(V, b);
    Bytes(b, 4);
  }
  void Text(const QString& V) {
    U32(uint32_t(V.size()));
    for (QChar c : V) {
      char b[2];
      qToLittleEndian(c.unicode(), b);
      Bytes(b, 2);
    }
  }
  void Value(const TStreamValue& V) {
    Byte(uint8_t(V.Type));
    switch (V.Type) {
      case TValueType::vaInt: U32(uint32_t(V.Int)); break;
      case TValueType::vaString:
      case TValueType::vaIdent: Text(V.Text); break;
      case TValueType::vaFalse:
      case TValueType::vaTrue: break;
      case TValueType::vaSet:
      case TValueType::vaList:
        U32(uint32_t(V.Names.size()));
        for (const QString& n : V.Names) Text(n);
        break;
      case TValueType::vaCollection:
        U32(uint32_t(V.Items.size()));
        for (const TStreamProperties& item : V.Items) Properties(item);
        break;
    }
  }
  // A property list ends with an empty name.
  void Properties(const TStreamProperties& List) {
    for (const TStreamProperty& p : List) {
      Text(p.Name);
      Value(p.Value);
    }
    Text(QString());
  }
  QByteArray FData;
};

class TReader {
public:
  explicit TReader(const QByteArray& Data) : FData(Data) {}
  [[noreturn]] static void Fail() { throw EReadError("Stream read error"); }
  void Need(qint64 Size) const {
    if (Size < 0 || Size > FData.size() - FPos) Fail();
  }
  uint8_t Byte() {
    Need(1);
    return uint8_t(FData[FPos++]);
  }
  uint32_t U32() {
    Need(4);
    const uint32_t v = qFromLittleEndian<uint32_t>(FData.constData() + FPos);
    FPos += 4;
    return v;
  }
  // Counts are bounded by what is left: every entry takes at least one byte.
  qint64 Count() {
    const qint64 n = U32();
    Need(n);
    return n;
  }
  QString Text() {
    const qint64 n = U32();
    Need(n * 2);
    QString s(int(n), Qt::Uninitialized);
    for (qint64 i = 0; i < n; ++i) s[int(i)] = QChar(qFromLittleEndian<uint16_t>(FData.constData() + FPos + 2 * i));
    FPos += n * 2;
    return s;
  }
  TStreamValue Value(int Depth) {
    TStreamValue v;
    const uint8_t type = Byte();
    if (type < uint8_t(TValueType::vaInt) || type > uint8_t(TValueType::vaCollection)) Fail();
    v.Type = TValueType(type);
    switch (v.Type) {
      case TValueType::vaInt: v.Int = int(U32()); break;
      case TValueType::vaString:
      case TValueType::vaIdent: v.Text = Text(); break;
      case TValueType::vaFalse:
      case TValueType::vaTrue: break;
      case TValueType::vaSet:
      case TValueType::vaList:
        for (qint64 n = Count(); n > 0; --n) v.Names << Text();
        break;
      case TValueType::vaCollection:
        if (Depth >= MaxNesting) Fail();
        for (qint64 n = Count(); n > 0; --n) v.Items.push_back(Properties(Depth + 1));
        break;
    }
    return v;
  }
  TStreamProperties Properties(int Depth) {
    TStreamProperties list;
    for (QString name = Text(); !name.isEmpty(); name = Text()) list.push_back({name, Value(Depth)});
    return list;
  }
  qint64 Pos() const { return FPos; }

private:
  const QByteArray& FData;
  qint64 FPos = 0;
};

}  // namespace

void WriteComponentStream(QIODevice& Stream, const TStreamComponent& Component) {
  TWriter w;
  w.Bytes(ComponentStreamSignature, 4);
  w.Text(Component.ClassName);
  w.Text(Component.Name);
  w.Properties(Component.Properties);
  if (Stream.write(w.FData) != w.FData.size()) throw EFilerError("Stream write error");
}

TStreamComponent ReadComponentStream(QIODevice& Stream) {
  const QByteArray data = Stream.peek(Stream.bytesAvailable());
  TReader r(data);
  r.Need(4);
  if (std::memcmp(data.constData(), ComponentStreamSignature, 4) != 0) TReader::Fail();
  for (int i = 0; i < 4; ++i) r.Byte();
  TStreamComponent c;
  c.ClassName = r.Text();
  if (c.ClassName.isEmpty()) TReader::Fail();
  c.Name = r.Text();
  c.Properties = r.Properties(0);
  Stream.read(r.Pos());
  return c;
}
