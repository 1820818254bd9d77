#include "grid/foundation/TextRoutines.h"

#include "platform/SysUtils.h"

#include <algorithm>
#include <array>

namespace {

constexpr QChar CR(13), LF(10), NUL(0), VT(11);

bool IsUrlChar(QChar c) {
  const char16_t u = c.unicode();
  if (u > 255) return false;
  if ((u >= '0' && u <= '9') || (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z')) return true;
  constexpr char16_t others[] = u"%()-./:@\\_{}";
  for (char16_t o : others)
    if (o && o == u) return true;
  return false;
}

// Whole decimal integer with an optional sign; nothing else.
bool ParseDecimal(const QString& s, int& value) {
  int i = 0;
  if (i < s.size() && (s[i] == '-' || s[i] == '+')) ++i;
  if (i == s.size()) return false;
  for (int k = i; k < s.size(); ++k)
    if (s[k] < '0' || s[k] > '9') return false;
  bool ok = false;
  const int v = s.toInt(&ok, 10);
  if (!ok) return false;
  value = v;
  return true;
}

// The ANSI page as the system converts it: the five bytes it leaves
// unassigned stand for the control characters with their own codes, so that
// OEM bytes carried in an ANSI text survive the trip.
const std::array<QChar, 256>& AnsiTable() {
  static const std::array<QChar, 256> table = [] {
    std::array<QChar, 256> t{};
    for (int b = 0; b < 256; ++b) {
      const QString u = AnsiToUnicode(QByteArray(1, char(b)));
      const bool unassigned = b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D;
      t[size_t(b)] = unassigned || u.size() != 1 ? QChar(char16_t(b)) : u[0];
    }
    return t;
  }();
  return table;
}

QString EightDigits(int n) { return QString("%1").arg(n, 8, 10, QChar('0')); }

}  // namespace

QString DoubleQuoteChars(const QString& Text) {
  QString r = Text;
  return r.replace(QChar('"'), QStringLiteral("\"\""));
}

int UpperCasePos(const QString& Sub, const QString& Text) { return Pos(Sub, UpperCase(Text)); }

int FindCharPos(QChar Ch, const QString& Text, int& Position) {
  const int p = int(Text.indexOf(Ch)) + 1;
  if (p > 0) Position = p;
  return p;
}

int CharPos(QChar Ch, const QString& Text) { return int(Text.indexOf(Ch)) + 1; }

void CutTextTo(QString& Text, const QString& Delimiter, QString& Head) {
  Head.clear();
  const int p = Pos(Delimiter, Text);
  if (p == 0) return;
  Head = Text.left(p - 1);
  Text.remove(0, p);
}

QString ConcatStrings(const TStringList& List) {
  QString r;
  for (int i = 0; i < List.Count(); ++i) r += List[i];
  return r;
}

int FindTextPos(const QString& Sub, const QString& Text, int& Position) {
  Position = Pos(Sub, Text);
  return Position;
}

bool ParseCellReference(const QString& Text, TPoint& Cell) {
  const QString s = UpperCase(Text);
  if (s.size() < 4 || s[0] != 'R') return false;
  const QString rest = s.mid(1);
  const int c = int(rest.indexOf('C'));
  if (c < 0) return false;
  int row = 0, col = 0;
  if (!ParseDecimal(rest.left(c), row) || !ParseDecimal(rest.mid(c + 1), col)) return false;
  Cell = TPoint(col, row);
  return true;
}

bool IsUrlText(const QString& Text) {
  return Text.contains(QStringLiteral("://")) || Text.contains(QStringLiteral("mailto:"));
}

void StripUrlPrefix(QString& Text) {
  int p = int(Text.indexOf(QStringLiteral("://")));
  if (p >= 0) {
    Text.remove(0, p + 3);
    return;
  }
  p = int(Text.indexOf(QStringLiteral("mailto:")));
  if (p >= 0) Text.remove(0, p + 7);
}

int CellTextKind(const QString& Text, bool DetectHtml) {
  if (Text.isEmpty()) return ctkPlain;
  if (Text[0] == '=') return ctkFormula;
  if (Text.startsWith(WideTextPrefix))
    return Text.size() >= 5 && Text[3] == '=' && Text[4] == NUL ? ctkFormula : ctkWide;
  if (Text.startsWith(QStringLiteral("{\\"))) return ctkRichText;
  if (!DetectHtml) return ctkPlain;
  for (const char* tag : {"</", "<B", "<I", "<C"})
    if (Text.contains(QLatin1String(tag))) return ctkHtml;
  return ctkPlain;
}

QString CrToHtmlBreak(const QString& Text) {
  QString r = Text;
  return r.replace(CR, QStringLiteral("<br>"));
}

QString ColorToHexText(TColor Color) {
  return QString::asprintf("%02X%02X%02X", unsigned(Color) & 0xFF, (unsigned(Color) >> 8) & 0xFF,
                           (unsigned(Color) >> 16) & 0xFF);
}

QString EscapedNToCr(const QString& Text) {
  QString r = Text;
  return r.replace(QStringLiteral("\\n"), QString(CR));
}

QString CrToEscapedN(const QString& Text) {
  QString r = Text;
  r.remove(LF);
  return r.replace(CR, QStringLiteral("\\n"));
}

void FillTextChars(QString& Text, QChar Ch) { Text.fill(Ch); }

void TextToOem(QString& Text) {
  const QByteArray oem = UnicodeToOem(Text);
  const auto& table = AnsiTable();
  QString r;
  r.reserve(oem.size());
  for (char b : oem) r += table[uint8_t(b)];
  Text = r;
}

void OemToText(QString& Text) {
  const auto& table = AnsiTable();
  QByteArray bytes;
  bytes.reserve(Text.size());
  for (QChar c : Text) {
    const auto it = std::find(table.begin(), table.end(), c);
    bytes += it == table.end() ? '?' : char(it - table.begin());
  }
  Text = OemToUnicode(bytes);
}

QString CollapseDoubledChar(QChar Ch, const QString& Text) {
  if (!Text.contains(Ch)) return Text;
  QString r;
  r.reserve(Text.size());
  for (qsizetype i = 0; i < Text.size(); ++i) {
    r += Text[i];
    if (Text[i] == Ch && i + 1 < Text.size() && Text[i + 1] == Ch) ++i;
  }
  return r;
}

void QuoteMultilineText(QString& Text) {
  Text.replace(QStringLiteral("\r\n"), QString(VT));
  Text = '"' + Text + '"';
}

void CrLfToLf(QString& Text) { Text.replace(QStringLiteral("\r\n"), QString(LF)); }

void VtToCrLf(QString& Text) {
  if (Text.contains(VT)) Text.replace(VT, QStringLiteral("\r\n"));
}

void CrToTilde(QString& Text) {
  Text.remove(LF);
  Text.replace(CR, QChar('~'));
}

void TildeToCrLf(QString& Text) {
  Text.replace(QChar('~'), QStringLiteral("\r\n"));
  if (Text == QStringLiteral("^")) Text.clear();
}

QString EncodeLineBreaks(const QString& Text) {
  if (!Text.contains(CR)) return Text;
  QString r = Text;
  return r.replace(CR, QChar(9)).replace(LF, QChar(8)).replace(NUL, QChar(1));
}

QString DecodeLineBreaks(const QString& Text, bool Multiline) {
  QString r = Text;
  if (r.contains(QChar(8))) r.replace(QChar(9), CR).replace(QChar(8), LF).replace(QChar(1), NUL);
  if (Multiline) return r;
  QString line;
  CutFirstLine(r, false, line);
  return line;
}

void CutFirstLine(QString& Text, bool KeepRest, QString& Line) {
  const int p = int(Text.indexOf(CR)) + 1;
  if (p == 0) {
    Line = Text;
    Text.clear();
    return;
  }
  Line = Text.left(p - 1);
  Text.remove(0, p);
  if (Text.startsWith(LF)) Text.remove(0, 1);
  if (!KeepRest) Text.clear();
}

int CountLines(const QString& Text, bool Multiline) { return Multiline ? 1 + int(Text.count(CR)) : 1; }

int FindClosingQuote(QChar Quote, const QString& Text, int& Position) {
  int run = 0;
  int result = 0;
  const int len = int(Text.size());
  for (int i = 1; i <= len; ++i) {
    if (Text[i - 1] == Quote) {
      if (i == len) {
        result = i;
        break;
      }
      ++run;
    } else if (run % 2 == 1) {
      result = i - 1;
      break;
    } else {
      run = 0;
    }
  }
  Position = result;
  return result;
}

int CountClosingQuotes(QChar Quote, const QString& Text) {
  int n = 0;
  QString rest = Text;
  int p = 0;
  while (FindClosingQuote(Quote, rest, p) > 0) {
    ++n;
    rest.remove(0, p);
  }
  return n;
}

int CountChar(QChar Ch, const QString& Text) { return int(Text.count(Ch)); }

QString StripCr(const QString& Text) {
  QString r = Text;
  return r.remove(CR);
}

QString CrToLf(const QString& Text) {
  QString r = Text;
  return r.replace(CR, LF);
}

bool IsWordBreakChar(QChar Ch) { return Ch == ' ' || Ch == '\'' || Ch == ',' || Ch == '-' || Ch == '.'; }

QString ToProperCase(const QString& Text) {
  QString r = Text;
  const int len = int(r.size());
  bool capitalise = true;
  for (int i = 1; i <= len; ++i) {
    QChar& c = r[i - 1];
    if (IsWordBreakChar(c)) {
      capitalise = true;
    } else if (capitalise) {
      c = c.toUpper();
      capitalise = false;
    } else {
      c = c.toLower();
    }
    // Mc prefixes and the Roman numerals I and II keep their capitals.
    if (r.left(i) == QStringLiteral("Mc"))
      capitalise = true;
    else if (i > 2 && r.indexOf(QStringLiteral(" Mc")) + 3 == i)
      capitalise = true;
    else if (i > len - 3 && ((i >= 2 && r.mid(i - 2, 2) == QStringLiteral(" I")) ||
                             (i >= 3 && r.mid(i - 3, 3) == QStringLiteral(" II"))))
      capitalise = true;
  }
  return r;
}

QString DecodeWideText(const QString& Text) {
  if (!Text.startsWith(WideTextPrefix)) return Text;
  QString r;
  const qsizetype n = (Text.size() - 2) / 2;
  r.reserve(n);
  for (qsizetype i = 0; i < n; ++i) {
    const unsigned h = Text[2 + 2 * i].unicode(), l = Text[3 + 2 * i].unicode();
    r += QChar(char16_t((h * 256 + l) & 0xFFFF));
  }
  return r;
}

QString EncodeWideText(const QString& WideText) {
  QString r = WideTextPrefix;
  r.reserve(2 + 2 * WideText.size());
  for (QChar c : WideText) {
    r += QChar(char16_t(c.unicode() >> 8));
    r += QChar(char16_t(c.unicode() & 0xFF));
  }
  return r;
}

int WidePos(const QString& Sub, const QString& Text) { return Pos(Sub, Text); }

bool MakeUrlAnchor(const QString& Text, const QString& Prefix, QString& Destination) {
  if (!UpperCase(Text).contains(Prefix)) return false;
  QString escaped = Text;
  escaped.replace(QChar('<'), QStringLiteral("&lt;")).replace(QChar('>'), QStringLiteral("&gt;"));
  const int s = int(UpperCase(escaped).indexOf(Prefix));
  int end = s;
  while (end < escaped.size() && IsUrlChar(escaped[end])) ++end;
  const QString url = escaped.mid(s, end - s);
  escaped.insert(end, QStringLiteral("</a>"));
  escaped.insert(s, QStringLiteral("<a href=\"") + url + QStringLiteral("\">"));
  Destination = escaped;
  return true;
}

void WrapClipboardHtml(QString& Fragment) {
  const int len = int(Fragment.size());
  Fragment = QStringLiteral("Version:1.0\r\n") + "StartHTML:" + EightDigits(97) + "\r\n" +
             "EndHTML:" + EightDigits(len + 306) + "\r\n" + "StartFragment:" + EightDigits(274) + "\r\n" +
             "EndFragment:" + EightDigits(len + 274) + "\r\n" +
             "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">" +
             "<html><head><META http-equiv=Content-Type content=\"text/html; "
             "charset=iso-8859-1\"></head><body><!--StartFragment-->" +
             Fragment + "<!--EndFragment--></body></html>";
}
