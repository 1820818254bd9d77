#include "platform/SysUtils.h"

#include <QCollator>
#include <QElapsedTimer>
#include <QLocale>

#include <iconv.h>

#include <cmath>
#include <limits>
#include <vector>

TFormatSettings& FormatSettings() {
  static TFormatSettings settings;
  return settings;
}

void LoadLocaleFormatSettings() {
  QLocale loc = QLocale::system();
  TFormatSettings& fs = FormatSettings();
  if (!loc.decimalPoint().isEmpty()) fs.DecimalSeparator = loc.decimalPoint().at(0);
  if (!loc.groupSeparator().isEmpty()) fs.ThousandSeparator = loc.groupSeparator().at(0);
}

namespace {

int HexDigit(QChar c) {
  ushort u = c.unicode();
  if (u >= '0' && u <= '9') return u - '0';
  if (u >= 'a' && u <= 'f') return u - 'a' + 10;
  if (u >= 'A' && u <= 'F') return u - 'A' + 10;
  return -1;
}

// Parses the common integer syntax; `limit` is the largest magnitude allowed
// for a positive value (the negative side allows one more).
bool ParseInteger(const QString& s, int64_t& out, uint64_t posLimit, uint64_t negLimit, bool hexWraps,
                  bool allowHex = true) {
  int i = 0;
  const int n = s.size();
  while (i < n && s[i] == ' ') ++i;
  if (i >= n) return false;
  bool neg = false;
  if (s[i] == '-' || s[i] == '+') {
    neg = s[i] == '-';
    ++i;
  }
  bool hex = false;
  if (allowHex && i < n && (s[i] == '$' || s[i] == 'x' || s[i] == 'X')) {
    hex = true;
    ++i;
  } else if (allowHex && i + 1 < n && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
    hex = true;
    i += 2;
  }
  if (i >= n) return false;
  uint64_t v = 0;
  const uint64_t base = hex ? 16 : 10;
  // Hexadecimal may fill the whole unsigned width (e.g. $FFFFFFFF = -1).
  const uint64_t limit = hex && hexWraps ? posLimit * 2 + 1 : (neg ? negLimit : posLimit);
  for (; i < n; ++i) {
    int d = hex ? HexDigit(s[i]) : (s[i] >= '0' && s[i] <= '9' ? s[i].unicode() - '0' : -1);
    if (d < 0) return false;
    if (v > (limit - uint64_t(d)) / base) return false;
    v = v * base + uint64_t(d);
  }
  // Hexadecimal beyond the positive range is two's complement, as the original reads it.
  int64_t r = (hex && hexWraps && v > posLimit) ? int64_t(v) - int64_t(posLimit * 2 + 2) : int64_t(v);
  // Negated in unsigned arithmetic: the smallest value has no positive counterpart.
  out = neg ? int64_t(uint64_t(0) - uint64_t(r)) : r;
  return true;
}

}  // namespace

bool TryStrToInt(const QString& s, int& value) {
  int64_t v = 0;
  if (!ParseInteger(s, v, uint64_t(std::numeric_limits<int32_t>::max()),
                    uint64_t(std::numeric_limits<int32_t>::max()) + 1, true))
    return false;
  value = int(v);
  return true;
}

bool TryStrToInt64(const QString& s, int64_t& value) {
  int64_t v = 0;
  const uint64_t pmax = uint64_t(std::numeric_limits<int64_t>::max());
  if (!ParseInteger(s, v, pmax, pmax + 1, false)) return false;
  value = v;
  return true;
}

bool TryStrToIntDecimal(const QString& s, int& value) {
  int64_t v = 0;
  const uint64_t pmax = uint64_t(std::numeric_limits<int32_t>::max());
  if (!ParseInteger(s, v, pmax, pmax + 1, false, false)) return false;
  value = int(v);
  return true;
}

int StrToIntDef(const QString& s, int def) {
  int v = 0;
  return TryStrToInt(s, v) ? v : def;
}

int64_t StrToInt64Def(const QString& s, int64_t def) {
  int64_t v = 0;
  return TryStrToInt64(s, v) ? v : def;
}

int StrToInt(const QString& s) {
  int v = 0;
  if (!TryStrToInt(s, v)) throw EConvertError(QString("'%1' is not a valid integer value").arg(s));
  return v;
}

int64_t ValInt(const QString& s, int& code) {
  int i = 0;
  const int n = s.size();
  while (i < n && s[i] == ' ') ++i;
  bool neg = false;
  if (i < n && (s[i] == '-' || s[i] == '+')) {
    neg = s[i] == '-';
    ++i;
  }
  int64_t v = 0;
  int digits = 0;
  while (i < n && s[i] >= '0' && s[i] <= '9') {
    if (v < std::numeric_limits<int64_t>::max() / 10 - 10) v = v * 10 + (s[i].unicode() - '0');
    ++i;
    ++digits;
  }
  code = (i >= n && digits > 0) ? 0 : i + 1;
  return neg ? -v : v;
}

bool TryStrToFloat(const QString& s, double& value) {
  QString t = s.trimmed();
  if (t.isEmpty()) return false;
  const QChar sep = FormatSettings().DecimalSeparator;
  // Only the process separator is a decimal point; a '.' elsewhere is an error.
  QString c;
  c.reserve(t.size());
  for (QChar ch : t) {
    if (ch == sep)
      c += '.';
    else if (ch == '.' && sep != '.')
      return false;
    else
      c += ch;
  }
  for (QChar ch : c) {
    ushort u = ch.unicode();
    if (!((u >= '0' && u <= '9') || u == '.' || u == '-' || u == '+' || u == 'e' || u == 'E')) return false;
  }
  bool ok = false;
  double v = QLocale::c().toDouble(c, &ok);
  if (!ok || !std::isfinite(v)) return false;
  value = v;
  return true;
}

double StrToFloatDef(const QString& s, double def) {
  double v = 0;
  return TryStrToFloat(s, v) ? v : def;
}

double StrToFloat(const QString& s) {
  double v = 0;
  if (!TryStrToFloat(s, v)) throw EConvertError(QString("'%1' is not a valid floating point value").arg(s));
  return v;
}

QString FloatToStr(double v) {
  QString r = QString::number(v, 'g', 15);
  if (FormatSettings().DecimalSeparator != '.') r.replace('.', FormatSettings().DecimalSeparator);
  return r;
}

QString FormatFloat(const QString& format, double v) {
  // Supports the forms the system uses: "0", "0.0…", "#0.0…", "#,##0.00".
  int dot = format.indexOf('.');
  int decimals = 0;
  if (dot >= 0) {
    for (int i = dot + 1; i < format.size() && (format[i] == '0' || format[i] == '#'); ++i) ++decimals;
  }
  QString r = QString::number(v, 'f', decimals);
  if (format.contains(',')) {
    QString intPart = r.section('.', 0, 0);
    QString frac = r.contains('.') ? r.section('.', 1) : QString();
    bool neg = intPart.startsWith('-');
    if (neg) intPart.remove(0, 1);
    QString grouped;
    for (int i = 0; i < intPart.size(); ++i) {
      if (i > 0 && (intPart.size() - i) % 3 == 0) grouped += FormatSettings().ThousandSeparator;
      grouped += intPart[i];
    }
    r = (neg ? "-" : "") + grouped + (frac.isEmpty() ? "" : "." + frac);
  }
  if (FormatSettings().DecimalSeparator != '.') {
    int p = r.lastIndexOf('.');
    if (p >= 0) r[p] = FormatSettings().DecimalSeparator;
  }
  return r;
}

QString IntToStr(int64_t v) { return QString::number(v); }

QString IntToHex(int64_t v, int digits) {
  QString r = QString::number(uint64_t(v), 16).toUpper();
  if (v < 0 && digits <= 8) r = QString::number(uint32_t(v), 16).toUpper();
  while (r.size() < digits) r.prepend('0');
  return r;
}

QString Format(const QString& format, std::initializer_list<QVariant> args) {
  std::vector<QVariant> a(args);
  size_t next = 0;
  QString out;
  out.reserve(format.size() + 16);
  const int n = format.size();
  for (int i = 0; i < n; ++i) {
    QChar c = format[i];
    if (c != '%') {
      out += c;
      continue;
    }
    if (i + 1 < n && format[i + 1] == '%') {
      out += '%';
      ++i;
      continue;
    }
    // %[-][width][.prec]type
    int j = i + 1;
    bool left = false;
    if (j < n && format[j] == '-') {
      left = true;
      ++j;
    }
    int width = 0;
    while (j < n && format[j].isDigit() && width < 1000) width = width * 10 + format[j++].digitValue();
    int prec = -1;
    if (j < n && format[j] == '.') {
      ++j;
      prec = 0;
      while (j < n && format[j].isDigit() && prec < 100) prec = prec * 10 + format[j++].digitValue();
    }
    if (j >= n) {
      out += format.mid(i);
      break;
    }
    const QChar type = format[j].toLower();
    const QString placeholder = format.mid(i, j - i + 1);
    QString piece;
    bool done = false;
    if (next < a.size()) {
      const QVariant& v = a[next];
      bool ok = false;
      switch (type.unicode()) {
        case 'd':
        case 'u': {
          qlonglong x = v.toLongLong(&ok);
          if (ok && (v.typeId() != QMetaType::QString || !v.toString().isEmpty())) {
            piece = QString::number(x);
            if (prec > 0) piece = piece.rightJustified(prec, '0');
            done = true;
          }
          break;
        }
        case 'x': {
          qlonglong x = v.toLongLong(&ok);
          if (ok) {
            piece = QString::number(quint32(x), 16).toUpper();
            if (prec > 0) piece = piece.rightJustified(prec, '0');
            done = true;
          }
          break;
        }
        case 's':
          piece = v.toString();
          if (prec >= 0) piece = piece.left(prec);
          done = true;
          break;
        case 'f':
        case 'n':
        case 'g':
        case 'e': {
          double x = v.toDouble(&ok);
          if (ok) {
            char f = type == 'n' ? 'f' : char(type.unicode());
            piece = QString::number(x, f, prec < 0 ? (type == 'g' ? 15 : 2) : prec);
            if (FormatSettings().DecimalSeparator != '.') piece.replace('.', FormatSettings().DecimalSeparator);
            done = true;
          }
          break;
        }
        default: break;
      }
    }
    if (done) {
      ++next;
      if (piece.size() < width) piece = left ? piece.leftJustified(width) : piece.rightJustified(width);
      out += piece;
    } else {
      out += placeholder;
    }
    i = j;
  }
  return out;
}

int Pos(const QString& sub, const QString& s) {
  if (sub.isEmpty()) return 0;
  return s.indexOf(sub) + 1;
}

QString Copy(const QString& s, int index, int count) {
  if (index < 1) index = 1;
  if (count <= 0 || index > s.size()) return QString();
  return s.mid(index - 1, count);
}

QString Trim(const QString& s) {
  int b = 0, e = s.size();
  while (b < e && s[b].unicode() <= ' ') ++b;
  while (e > b && s[e - 1].unicode() <= ' ') --e;
  return s.mid(b, e - b);
}

QString TrimLeft(const QString& s) {
  int b = 0;
  while (b < s.size() && s[b].unicode() <= ' ') ++b;
  return s.mid(b);
}

QString TrimRight(const QString& s) {
  int e = s.size();
  while (e > 0 && s[e - 1].unicode() <= ' ') --e;
  return s.left(e);
}

QString UpperCase(const QString& s) {
  QString r = s;
  for (QChar& c : r)
    if (c.unicode() >= 'a' && c.unicode() <= 'z') c = QChar(c.unicode() - 32);
  return r;
}

QString LowerCase(const QString& s) {
  QString r = s;
  for (QChar& c : r)
    if (c.unicode() >= 'A' && c.unicode() <= 'Z') c = QChar(c.unicode() + 32);
  return r;
}

int CompareText(const QString& a, const QString& b) {
  QString ua = UpperCase(a), ub = UpperCase(b);
  int n = std::min(ua.size(), ub.size());
  for (int i = 0; i < n; ++i)
    if (ua[i] != ub[i]) return int(ua[i].unicode()) - int(ub[i].unicode());
  return int(ua.size()) - int(ub.size());
}

bool SameText(const QString& a, const QString& b) { return CompareText(a, b) == 0; }

namespace {
// One collator per case mode, made again only when the default locale changes:
// making one is far dearer than a comparison.
QCollator& LocaleCollator(bool CaseSensitive) {
  static thread_local QCollator collators[2];
  static thread_local bool made[2] = {false, false};
  QCollator& c = collators[CaseSensitive ? 1 : 0];
  bool& ready = made[CaseSensitive ? 1 : 0];
  if (!ready || c.locale() != QLocale()) {
    c = QCollator(QLocale());
    c.setCaseSensitivity(CaseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive);
    ready = true;
  }
  return c;
}
}  // namespace

int AnsiCompareStr(const QString& a, const QString& b) { return LocaleCollator(true).compare(a, b); }
int AnsiCompareText(const QString& a, const QString& b) { return LocaleCollator(false).compare(a, b); }
// Unit by unit, so that a text keeps its length and every position in it:
// a whole-string mapping would turn "ß" into "SS" and a ligature into two letters.
QString AnsiUpperCase(const QString& s) {
  QString r = s;
  for (QChar& c : r) c = c.toUpper();
  return r;
}

QString AnsiLowerCase(const QString& s) {
  QString r = s;
  for (QChar& c : r) c = c.toLower();
  return r;
}

namespace {

QByteArray Convert(const char* to, const char* from, const QByteArray& in) {
  iconv_t cd = iconv_open(to, from);
  if (cd == iconv_t(-1)) return QByteArray();
  QByteArray out;
  out.resize(in.size() * 4 + 16);
  char* src = const_cast<char*>(in.constData());
  size_t srcLeft = size_t(in.size());
  char* dst = out.data();
  size_t dstLeft = size_t(out.size());
  while (srcLeft > 0) {
    size_t r = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
    if (r == size_t(-1)) {
      if (errno == EILSEQ || errno == EINVAL) {
        // Unmappable input: skip one unit and write '?'.
        const size_t unit = std::string_view(from) == "UTF-16LE" ? 2 : 1;
        size_t step = std::min(unit, srcLeft);
        src += step;
        srcLeft -= step;
        if (dstLeft >= 2) {
          if (std::string_view(to) == "UTF-16LE") {
            *dst++ = '?';
            *dst++ = 0;
            dstLeft -= 2;
          } else {
            *dst++ = '?';
            --dstLeft;
          }
        }
        continue;
      }
      break;
    }
  }
  out.resize(out.size() - int(dstLeft));
  iconv_close(cd);
  return out;
}

QByteArray ToUtf16(const QString& s) { return QByteArray(reinterpret_cast<const char*>(s.utf16()), s.size() * 2); }

QString FromUtf16(const QByteArray& b) {
  return QString::fromUtf16(reinterpret_cast<const char16_t*>(b.constData()), b.size() / 2);
}

}  // namespace

QByteArray UnicodeToAnsi(const QString& s) { return Convert("CP1252", "UTF-16LE", ToUtf16(s)); }
QString AnsiToUnicode(const QByteArray& b) { return FromUtf16(Convert("UTF-16LE", "CP1252", b)); }
QByteArray UnicodeToOem(const QString& s) { return Convert("CP850", "UTF-16LE", ToUtf16(s)); }
QString OemToUnicode(const QByteArray& b) { return FromUtf16(Convert("UTF-16LE", "CP850", b)); }

uint32_t GetTickCount() {
  static QElapsedTimer timer = [] {
    QElapsedTimer t;
    t.start();
    return t;
  }();
  return uint32_t(timer.elapsed());
}
