#include "grid/features/CellStream.h"

#include <cmath>
#include <cstring>
#include <limits>

std::array<uint8_t, 10> EncodeExtended(double Value) {
  std::array<uint8_t, 10> out{};
  uint16_t signExp = std::signbit(Value) ? 0x8000 : 0;
  uint64_t mantissa = 0;
  if (std::isnan(Value)) {
    signExp |= 0x7FFF;
    mantissa = 0xC000000000000000ull;
  } else if (std::isinf(Value)) {
    signExp |= 0x7FFF;
    mantissa = 0x8000000000000000ull;
  } else if (Value != 0) {
    int e = 0;
    const double m = std::frexp(std::fabs(Value), &e);  // m in [0.5, 1), denormals normalised
    mantissa = uint64_t(std::ldexp(m, 64));
    signExp |= uint16_t(e - 1 + 16383);
  }
  for (int i = 0; i < 8; ++i) out[size_t(i)] = uint8_t(mantissa >> (8 * i));
  out[8] = uint8_t(signExp & 0xFF);
  out[9] = uint8_t(signExp >> 8);
  return out;
}

double DecodeExtended(const std::array<uint8_t, 10>& Bytes) {
  uint64_t mantissa = 0;
  for (int i = 0; i < 8; ++i) mantissa |= uint64_t(Bytes[size_t(i)]) << (8 * i);
  const uint16_t signExp = uint16_t(Bytes[8] | (Bytes[9] << 8));
  const bool negative = signExp & 0x8000;
  const int exponent = signExp & 0x7FFF;
  double v;
  if (exponent == 0x7FFF)
    v = (mantissa << 1) == 0 ? std::numeric_limits<double>::infinity() : std::numeric_limits<double>::quiet_NaN();
  else if (mantissa == 0)
    v = 0;
  else
    v = std::ldexp(double(mantissa), (exponent == 0 ? 1 : exponent) - 16383 - 63);
  return negative ? -v : v;
}

namespace {

struct NamedColor {
  const char* Name;
  uint32_t Value;
};

constexpr NamedColor Colors[] = {
    {"clBlack", 0x000000},     {"clMaroon", 0x000080},   {"clGreen", 0x008000},     {"clOlive", 0x008080},
    {"clNavy", 0x800000},      {"clPurple", 0x800080},   {"clTeal", 0x808000},      {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0},    {"clRed", 0x0000FF},      {"clLime", 0x00FF00},      {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},      {"clFuchsia", 0xFF00FF},  {"clAqua", 0xFFFF00},      {"clWhite", 0xFFFFFF},
    {"clMoneyGreen", 0xC0DCC0}, {"clSkyBlue", 0xF0CAA6}, {"clCream", 0xF0FBFF},     {"clMedGray", 0xA4A0A0},
    {"clNone", 0x1FFFFFFF},    {"clDefault", 0x20000000},
    {"clScrollBar", 0xFF000000},           {"clBackground", 0xFF000001},
    {"clActiveCaption", 0xFF000002},       {"clInactiveCaption", 0xFF000003},
    {"clMenu", 0xFF000004},                {"clWindow", 0xFF000005},
    {"clWindowFrame", 0xFF000006},         {"clMenuText", 0xFF000007},
    {"clWindowText", 0xFF000008},          {"clCaptionText", 0xFF000009},
    {"clActiveBorder", 0xFF00000A},        {"clInactiveBorder", 0xFF00000B},
    {"clAppWorkSpace", 0xFF00000C},        {"clHighlight", 0xFF00000D},
    {"clHighlightText", 0xFF00000E},       {"clBtnFace", 0xFF00000F},
    {"clBtnShadow", 0xFF000010},           {"clGrayText", 0xFF000011},
    {"clBtnText", 0xFF000012},             {"clInactiveCaptionText", 0xFF000013},
    {"clBtnHighlight", 0xFF000014},        {"cl3DDkShadow", 0xFF000015},
    {"cl3DLight", 0xFF000016},             {"clInfoText", 0xFF000017},
    {"clInfoBk", 0xFF000018},              {"clHotLight", 0xFF00001A},
    {"clGradientActiveCaption", 0xFF00001B}, {"clGradientInactiveCaption", 0xFF00001C},
    {"clMenuHighlight", 0xFF00001D},       {"clMenuBar", 0xFF00001E},
};

}  // namespace

QString ColorToIdent(int32_t Color, bool* Named) {
  for (const NamedColor& c : Colors)
    if (c.Value == uint32_t(Color)) {
      *Named = true;
      return QString::fromLatin1(c.Name);
    }
  *Named = false;
  return {};
}

bool IdentToColor(const QString& Ident, int32_t& Color) {
  for (const NamedColor& c : Colors)
    if (Ident.compare(QLatin1String(c.Name), Qt::CaseInsensitive) == 0) {
      Color = int32_t(c.Value);
      return true;
    }
  return false;
}

// ---- writer

void TCellStreamWriter::ShortText(const QString& Value) {
  QByteArray bytes = Value.toUtf8();
  if (bytes.size() > 255) bytes.truncate(255);
  FData.append(char(bytes.size()));
  FData.append(bytes);
}

void TCellStreamWriter::BeginRecord(const QString& ClassName) {
  FData.append("TPF0", 4);
  ShortText(ClassName);
  FData.append('\0');  // no component name
}

void TCellStreamWriter::EndRecord() {
  FData.append('\0');  // end of the properties
  FData.append('\0');  // no children
}

namespace {
void AppendLE(QByteArray& Data, uint64_t Value, int Bytes) {
  for (int i = 0; i < Bytes; ++i) Data.append(char(uint8_t(Value >> (8 * i))));
}
}  // namespace

void TCellStreamWriter::IntValue(int64_t Value) {
  if (Value >= -128 && Value <= 127) {
    FData.append(char(svInt8));
    AppendLE(FData, uint64_t(Value), 1);
  } else if (Value >= -32768 && Value <= 32767) {
    FData.append(char(svInt16));
    AppendLE(FData, uint64_t(Value), 2);
  } else {
    FData.append(char(svInt32));
    AppendLE(FData, uint64_t(Value), 4);
  }
}

void TCellStreamWriter::TextValue(const QString& Value) {
  const QByteArray utf8 = Value.toUtf8();
  if (utf8.size() >= 2 * Value.size()) {
    FData.append(char(svWString));
    AppendLE(FData, uint64_t(Value.size()), 4);
    for (QChar ch : Value) AppendLE(FData, ch.unicode(), 2);
    return;
  }
  bool high = false;
  for (char b : utf8) high |= (uint8_t(b) & 0x80) != 0;
  if (high) {
    FData.append(char(svUTF8String));
    AppendLE(FData, uint64_t(utf8.size()), 4);
  } else if (utf8.size() < 256) {
    FData.append(char(svString));
    FData.append(char(utf8.size()));
  } else {
    FData.append(char(svLString));
    AppendLE(FData, uint64_t(utf8.size()), 4);
  }
  FData.append(utf8);
}

void TCellStreamWriter::Int(const QString& Name, int64_t Value) {
  ShortText(Name);
  IntValue(Value);
}

void TCellStreamWriter::Bool(const QString& Name, bool Value) {
  ShortText(Name);
  FData.append(char(Value ? svTrue : svFalse));
}

void TCellStreamWriter::Ident(const QString& Name, const QString& Value) {
  ShortText(Name);
  FData.append(char(svIdent));
  ShortText(Value);
}

void TCellStreamWriter::Color(const QString& Name, int32_t Value) {
  bool named = false;
  const QString ident = ColorToIdent(Value, &named);
  if (named)
    Ident(Name, ident);
  else
    Int(Name, Value);
}

void TCellStreamWriter::Text(const QString& Name, const QString& Value) {
  if (Value.isEmpty()) return;
  ShortText(Name);
  TextValue(Value);
}

void TCellStreamWriter::Extended(const QString& Name, double Value) {
  ShortText(Name);
  FData.append(char(svExtended));
  const auto bytes = EncodeExtended(Value);
  FData.append(reinterpret_cast<const char*>(bytes.data()), 10);
}

void TCellStreamWriter::Binary(const QString& Name, const QByteArray& Value) {
  ShortText(Name);
  FData.append(char(svBinary));
  AppendLE(FData, uint64_t(Value.size()), 4);
  FData.append(Value);
}

void TCellStreamWriter::Set(const QString& Name, const QStringList& Members) {
  ShortText(Name);
  FData.append(char(svSet));
  for (const QString& m : Members) ShortText(m);
  FData.append('\0');
}

void TCellStreamWriter::List(const QString& Name, const QStringList& Items) {
  ShortText(Name);
  FData.append(char(svList));
  for (const QString& item : Items) TextValue(item);
  FData.append('\0');
}

// ---- reader

void TCellStreamReader::Fail(const QString& What) const {
  throw ECellStreamError(QStringLiteral("Stream read error in %1 at offset %2: %3")
                             .arg(FRecord.isEmpty() ? QStringLiteral("record") : FRecord)
                             .arg(FPos)
                             .arg(What));
}

const uint8_t* TCellStreamReader::Take(qint64 Count) {
  if (Count < 0 || Count > FData.size() - FPos) Fail(QStringLiteral("the record is cut off"));
  const uint8_t* p = reinterpret_cast<const uint8_t*>(FData.constData()) + FPos;
  FPos += Count;
  return p;
}

uint32_t TCellStreamReader::UInt32() {
  const uint8_t* p = Take(4);
  return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}

QString TCellStreamReader::ShortText() {
  const int n = Byte();
  const uint8_t* p = Take(n);
  return QString::fromUtf8(reinterpret_cast<const char*>(p), n);
}

QString TCellStreamReader::TextOf(TCellStreamValueType Type) {
  switch (Type) {
    case svString: return ShortText();
    case svLString:
    case svUTF8String: {
      const uint32_t n = UInt32();
      const uint8_t* p = Take(qint64(n));
      return QString::fromUtf8(reinterpret_cast<const char*>(p), qsizetype(n));
    }
    case svWString: {
      const uint32_t n = UInt32();
      const uint8_t* p = Take(qint64(n) * 2);
      QString s(qsizetype(n), Qt::Uninitialized);
      for (uint32_t i = 0; i < n; ++i) s[qsizetype(i)] = QChar(char16_t(p[2 * i] | (p[2 * i + 1] << 8)));
      return s;
    }
    default: Fail(QStringLiteral("a text was expected"));
  }
}

TCellStreamValue TCellStreamReader::Value() {
  TCellStreamValue v;
  v.Type = TCellStreamValueType(Byte());
  switch (v.Type) {
    case svInt8: v.Int = int8_t(Byte()); break;
    case svInt16: {
      const uint8_t* p = Take(2);
      v.Int = int16_t(uint16_t(p[0] | (p[1] << 8)));
      break;
    }
    case svInt32: v.Int = int32_t(UInt32()); break;
    case svExtended: {
      std::array<uint8_t, 10> b;
      std::memcpy(b.data(), Take(10), 10);
      v.Float = DecodeExtended(b);
      break;
    }
    case svString:
    case svLString:
    case svWString:
    case svUTF8String: v.Text = TextOf(v.Type); break;
    case svIdent: v.Text = ShortText(); break;
    case svFalse:
    case svTrue:
    case svNil:
    case svNull: break;
    case svBinary: {
      const uint32_t n = UInt32();
      const uint8_t* p = Take(qint64(n));
      v.Bytes = QByteArray(reinterpret_cast<const char*>(p), qsizetype(n));
      break;
    }
    case svSet:
      for (QString m = ShortText(); !m.isEmpty(); m = ShortText()) v.Names << m;
      break;
    case svList:
      for (;;) {
        const TCellStreamValueType t = TCellStreamValueType(Byte());
        if (t == svNull) break;
        v.Names << TextOf(t);
      }
      break;
    default: Fail(QStringLiteral("unknown value type %1").arg(int(v.Type)));
  }
  return v;
}

TCellStreamRecord TCellStreamReader::ReadRecord(const QString& ExpectedClass) {
  TCellStreamRecord record;
  record.Offset = FPos;
  FRecord = ExpectedClass;
  const uint8_t* sig = Take(4);
  if (std::memcmp(sig, "TPF0", 4) != 0) Fail(QStringLiteral("invalid stream format"));
  record.ClassName = ShortText();
  if (record.ClassName != ExpectedClass) Fail(QStringLiteral("%1 found instead").arg(record.ClassName));
  ShortText();  // the component name, always empty
  for (QString name = ShortText(); !name.isEmpty(); name = ShortText()) {
    TCellStreamValue v = Value();
    record.Properties.emplace_back(name, std::move(v));
  }
  if (Byte() != 0) Fail(QStringLiteral("a record has no children"));
  return record;
}

namespace {
[[noreturn]] void WrongValue(const TCellStreamReader& Reader, const QString& Name) {
  Reader.Fail(QStringLiteral("invalid property value of %1").arg(Name));
}
}  // namespace

int64_t ValueInt(const TCellStreamReader& Reader, const TCellStreamValue& V, const QString& Name) {
  if (V.Type != svInt8 && V.Type != svInt16 && V.Type != svInt32) WrongValue(Reader, Name);
  return V.Int;
}

bool ValueBool(const TCellStreamReader& Reader, const TCellStreamValue& V, const QString& Name) {
  if (V.Type != svFalse && V.Type != svTrue) WrongValue(Reader, Name);
  return V.Type == svTrue;
}

QString ValueText(const TCellStreamReader& Reader, const TCellStreamValue& V, const QString& Name) {
  if (V.Type != svString && V.Type != svLString && V.Type != svWString && V.Type != svUTF8String)
    WrongValue(Reader, Name);
  return V.Text;
}

QString ValueIdent(const TCellStreamReader& Reader, const TCellStreamValue& V, const QString& Name) {
  if (V.Type != svIdent) WrongValue(Reader, Name);
  return V.Text;
}

int32_t ValueColor(const TCellStreamReader& Reader, const TCellStreamValue& V, const QString& Name) {
  if (V.Type == svIdent) {
    int32_t c = 0;
    if (!IdentToColor(V.Text, c)) WrongValue(Reader, Name);
    return c;
  }
  return int32_t(ValueInt(Reader, V, Name));
}
