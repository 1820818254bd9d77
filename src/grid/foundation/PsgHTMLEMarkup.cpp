// Reading the markup: tags by their first characters, attributes by substring,
// numbers and colours as the cell texts write them.
#include "grid/foundation/PsgHTMLEEngine.h"

#include "platform/SysUtils.h"

#include <algorithm>
#include <limits>

namespace {

struct TNamedColor {
  const char* Name;
  TColor Color;
};

// The sixteen RGB names come first: the system names are consulted only when
// these gave 0, so "clblack" also reaches them.
constexpr TNamedColor kRgbColors[] = {
    {"clred", clRed},   {"clblack", clBlack},   {"clblue", clBlue},       {"clgreen", clGreen},
    {"claqua", clAqua}, {"clyellow", clYellow}, {"clfuchsia", clFuchsia}, {"clwhite", clWhite},
    {"cllime", clLime}, {"clsilver", clSilver}, {"clgray", clGray},       {"clolive", clOlive},
    {"clnavy", clNavy}, {"clpurple", clPurple}, {"clteal", clTeal},       {"clmaroon", clMaroon},
};

constexpr const char* kSystemColorNames[] = {
    "clbackground",
    "clactivecaption",
    "clinactivecaption",
    "clmenu",
    "clwindow",
    "clwindowframe",
    "clmenutext",
    "clwindowtext",
    "clcaptiontext",
    "clactiveborder",
    "clinactiveborder",
    "clappworkspace",
    "clhighlight",
    "clhighlighttext",
    "clbtnface",
    "clbtnshadow",
    "clgraytext",
    "clbtntext",
    "clinactivecaptiontext",
    "clbtnhighlight",
    "cl3ddkshadow",
    "cl3dlight",
    "clinfotext",
    "clinfobk",
};  // system colour indexes 1 to 24, in this order

struct TTagPrefix {
  const char16_t* Prefix;
  THtmlTag Tag;
};

// Opening tags by the characters after "<"; the first match wins.
constexpr TTagPrefix kOpeningTags[] = {
    {u"B>", THtmlTag::Bold},      {u"BR", THtmlTag::Break},   {u"BL", THtmlTag::Blink},    {u"BO", THtmlTag::Body},
    {u"A", THtmlTag::Anchor},     {u"C", THtmlTag::Control},  {u"E", THtmlTag::Error},     {u"F", THtmlTag::Font},
    {u"HI", THtmlTag::Highlight}, {u"HR", THtmlTag::Rule},    {u"I>", THtmlTag::Italic},   {u"IN", THtmlTag::Indent},
    {u"IM", THtmlTag::Image},     {u"L", THtmlTag::ListItem}, {u"P", THtmlTag::Paragraph}, {u"R", THtmlTag::Rotation},
    {u"S>", THtmlTag::Strike},    {u"SH", THtmlTag::Shadow},  {u"SUB>", THtmlTag::Sub},    {u"SUP>", THtmlTag::Sup},
    {u"U>", THtmlTag::Underline}, {u"U", THtmlTag::List},     {u"Z", THtmlTag::Hidden},
};

// Closing tags by the characters after "</". "</B" other than "</B>" ends a
// blink (or body) tag; "</U" is told apart by the list level when handled.
constexpr TTagPrefix kClosingTags[] = {
    {u"A", THtmlTag::Anchor},    {u"B>", THtmlTag::Bold},     {u"B", THtmlTag::Blink},  {u"E", THtmlTag::Error},
    {u"F", THtmlTag::Font},      {u"H", THtmlTag::Highlight}, {u"I", THtmlTag::Italic}, {u"L", THtmlTag::ListItem},
    {u"P", THtmlTag::Paragraph}, {u"R", THtmlTag::Rotation},  {u"SU", THtmlTag::Sub},   {u"SH", THtmlTag::Shadow},
    {u"S", THtmlTag::Strike},    {u"U", THtmlTag::List},      {u"Z", THtmlTag::Hidden},
};

char16_t FoldUpper(char16_t c) { return (c >= u'a' && c <= u'z') ? char16_t(c - 32) : c; }

// A colour digit: 0-9 and A-F (a-f when the text was not upper-cased). Any
// other character is worth 0, so a byte stays a byte whatever a cell holds.
int DigitValue(QChar c) {
  const char16_t code = FoldUpper(c.unicode());
  if (code >= u'0' && code <= u'9') return code - u'0';
  if (code >= u'A' && code <= u'F') return code - u'A' + 10;
  return 0;
}

THtmlTag FindTag(QStringView Text, const TTagPrefix* Table, size_t Count) {
  for (size_t i = 0; i < Count; ++i)
    if (StartsWithNoCase(Text, QStringView(Table[i].Prefix))) return Table[i].Tag;
  return THtmlTag::None;
}

// Reads digits in the base from Text[i]; saturates rather than overflowing.
long long ReadDigits(QStringView Text, qsizetype& i, int Base) {
  long long v = 0;
  for (; i < Text.size(); ++i) {
    const char16_t c = FoldUpper(Text[i].unicode());
    int d = -1;
    if (c >= u'0' && c <= u'9')
      d = c - u'0';
    else if (Base == 16 && c >= u'A' && c <= u'F')
      d = c - u'A' + 10;
    if (d < 0) break;
    v = std::min<long long>(v * Base + d, std::numeric_limits<int>::max() + 1LL);
  }
  return v;
}

// The leading integer; End is where reading stopped, Digits whether any were read.
int ReadLeadingInt(QStringView Text, qsizetype& End, bool& Digits) {
  qsizetype i = 0;
  while (i < Text.size() && Text[i] == u' ') ++i;
  bool negative = false;
  if (i < Text.size() && (Text[i] == u'-' || Text[i] == u'+')) negative = Text[i++] == u'-';
  int base = 10;
  if (i < Text.size() && (Text[i] == u'$' || Text[i] == u'x' || Text[i] == u'X')) {
    base = 16;
    ++i;
  } else if (i + 1 < Text.size() && Text[i] == u'0' && (Text[i + 1] == u'x' || Text[i + 1] == u'X')) {
    base = 16;
    i += 2;
  }
  const qsizetype first = i;
  long long v = ReadDigits(Text, i, base);
  Digits = i > first;
  End = i;
  if (negative) v = -v;
  return int(std::clamp<long long>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

}  // namespace

TColor ColorFromName(const QString& Name) {
  const QString key = LowerCase(Name);
  TColor found = 0;
  for (const TNamedColor& c : kRgbColors)
    if (key == QLatin1String(c.Name)) found = c.Color;
  if (found != 0) return found;
  for (size_t i = 0; i < std::size(kSystemColorNames); ++i)
    if (key == QLatin1String(kSystemColorNames[i])) return SystemColor(int(i) + 1);
  return 0;
}

int HexByteValue(const QString& Text) {
  if (Text.size() < 2) return 0;
  return 16 * DigitValue(Text[0]) + DigitValue(Text[1]);
}

TColor ColorFromHex(const QString& Text) {
  const int r = HexByteValue(Text.mid(1, 2)), g = HexByteValue(Text.mid(3, 2)), b = HexByteValue(Text.mid(5, 2));
  return TColor(r + 256 * g + 65536 * b);
}

int LeadingIntValue(const QString& Text) {
  qsizetype end = 0;
  bool digits = false;
  return ReadLeadingInt(Text, end, digits);
}

bool StrictIntValue(const QString& Text, int& Value) {
  qsizetype end = 0;
  bool digits = false;
  const int v = ReadLeadingInt(Text, end, digits);
  if (!digits || end != Text.size()) return false;
  Value = v;
  return true;
}

bool StartsWithNoCase(QStringView Text, QStringView Prefix) {
  if (Text.size() < Prefix.size()) return false;
  for (qsizetype i = 0; i < Prefix.size(); ++i)
    if (FoldUpper(Text[i].unicode()) != FoldUpper(Prefix[i].unicode())) return false;
  return true;
}

qsizetype IndexOfNoCase(QStringView Text, QStringView Pattern, qsizetype From) {
  if (Pattern.isEmpty()) return -1;
  for (qsizetype i = std::max<qsizetype>(From, 0); i + Pattern.size() <= Text.size(); ++i)
    if (StartsWithNoCase(Text.mid(i), Pattern)) return i;
  return -1;
}

THtmlTagKind RecogniseHtmlTag(QStringView Text) {
  if (Text.size() < 2 || Text[0] != u'<') return {};
  if (Text[1] == u'/') {
    if (Text.size() <= 3) return {};
    return {FindTag(Text.mid(2), kClosingTags, std::size(kClosingTags)), true};
  }
  return {FindTag(Text.mid(1), kOpeningTags, std::size(kOpeningTags)), false};
}

QString HtmlAttributeText(QStringView Tag, qsizetype From, bool Upper) {
  qsizetype end = Tag.indexOf(u'>');
  if (end < 0) end = Tag.size();
  if (From >= end) return {};
  const QString text = Tag.mid(From, end - From).toString();
  return Upper ? UpperCase(text) : text;
}

bool HtmlAttribute(const QString& Attributes, QStringView Name, QString& Value) {
  Value.clear();
  const qsizetype at = IndexOfNoCase(Attributes, Name);
  if (at < 0) return false;
  const qsizetype q1 = Attributes.indexOf(u'"', at + Name.size());
  const qsizetype q2 = q1 < 0 ? -1 : Attributes.indexOf(u'"', q1 + 1);
  if (q2 >= 0) Value = Attributes.mid(q1 + 1, q2 - q1 - 1);
  return true;
}

TColor HtmlColorValue(const QString& Value) {
  if (Value.isEmpty()) return clNone;
  return Value.startsWith(u'#') ? ColorFromHex(Value) : ColorFromName(Value);
}
