#include "common/UValue_Checks.h"

#include "platform/SysUtils.h"

#include <QStringList>

#include <cstdint>

namespace {

constexpr int MaxOidLength = 128;
constexpr int64_t MaxOidNumber = 0xFFFFFFFFLL;
constexpr int MaxSnmpV3Length = 15;
constexpr int MinPassPhraseLength = 8;

constexpr int KnxValid = 0;
constexpr int KnxInvalid = 1;

bool IsAsciiDigit(QChar c) { return c >= '0' && c <= '9'; }

bool IsAsciiLetterOrDigit(QChar c) { return IsAsciiDigit(c) || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

bool InRange(int value, int low, int high) { return value >= low && value <= high; }

int KnxNumber(const QString& part) { return StrToIntDef(Trim(part), -1); }

int KnxResult(bool valid) { return valid ? KnxValid : KnxInvalid; }

// Splits at the first two separators; the last part keeps any further ones.
QStringList SplitThree(const QString& text, QChar separator) {
  const int first = text.indexOf(separator);
  const int second = text.indexOf(separator, first + 1);
  return {text.left(first), text.mid(first + 1, second - first - 1), text.mid(second + 1)};
}

int CheckKnxGroupAddress(const QString& text) {
  if (text.contains('.')) return KnxInvalid;
  const qsizetype slashes = text.count('/');
  if (slashes == 0) return KnxResult(InRange(KnxNumber(text), 1, 65535));
  if (slashes == 1) {
    const int slash = text.indexOf('/');
    const int mainGroup = KnxNumber(text.left(slash)), sub = KnxNumber(text.mid(slash + 1));
    return KnxResult(InRange(mainGroup, 0, 31) && InRange(sub, 0, 2047) && (mainGroup != 0 || sub != 0));
  }
  const QStringList parts = SplitThree(text, '/');
  if (parts[2].contains('/')) return KnxInvalid;
  const int mainGroup = KnxNumber(parts[0]), middle = KnxNumber(parts[1]), sub = KnxNumber(parts[2]);
  return KnxResult(InRange(mainGroup, 0, 31) && InRange(middle, 0, 7) && InRange(sub, 0, 255) &&
                   (mainGroup != 0 || middle != 0 || sub != 0));
}

int CheckKnxIndividualAddress(const QString& text, bool zeroAllowed) {
  if (text.contains('/')) return KnxInvalid;
  const qsizetype dots = text.count('.');
  if (dots == 0) return KnxResult(InRange(KnxNumber(text), 1, 65535));
  // The editors have always taken a one-dot address as it stands.
  if (dots == 1) return KnxValid;
  const QStringList parts = SplitThree(text, '.');
  if (parts[2].contains('.')) return KnxInvalid;
  const int area = KnxNumber(parts[0]), line = KnxNumber(parts[1]), device = KnxNumber(parts[2]);
  if (!InRange(area, 0, 15) || !InRange(line, 0, 15) || !InRange(device, 0, 255)) return KnxInvalid;
  return KnxResult(zeroAllowed || area != 0 || line != 0 || device != 0);
}

}  // namespace

int CheckOid(const QString& text) {
  if (text.size() > MaxOidLength) return 1;
  if (text.isEmpty()) return 2;
  for (QChar c : text)
    if (c != '.' && !IsAsciiDigit(c)) return 2;
  if (text.front() == '.') return 3;
  if (text.back() == '.') return 4;
  if (text.contains(QStringLiteral(".."))) return 5;
  for (const QString& number : text.split('.')) {
    int64_t value = 0;
    if (!TryStrToInt64(number, value) || value > MaxOidNumber) return 6;
  }
  return 0;
}

int CheckSnmpV3Text(const QString& text, bool isUserName) {
  if (text.size() > MaxSnmpV3Length) return 1;
  if (text.size() < (isUserName ? 1 : MinPassPhraseLength)) return 2;
  for (QChar c : text)
    if (!IsAsciiLetterOrDigit(c)) return 3;
  return 0;
}

int SnmpSecurityLevelCode(const QString& text) {
  const QString level = Trim(UpperCase(text));
  if (level == QLatin1String("AUTH NOPRIV")) return 1;
  if (level == QLatin1String("AUTH PRIV")) return 3;
  if (level.isEmpty()) return -1;
  return 0;
}

int CheckKnxAddress(const QString& text, bool groupAddress, bool zeroAllowed) {
  return groupAddress ? CheckKnxGroupAddress(text) : CheckKnxIndividualAddress(text, zeroAllowed);
}

bool HasNoDot(const QString& text) { return !text.contains('.'); }
