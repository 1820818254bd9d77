// The text side of the mini-HTML unit: stripping tags, highlighting a
// searched text inside markup, and converting between characters and entities.
#include "grid/foundation/PsgHTMLEEngine.h"

#include "platform/SysUtils.h"

#include <vector>

constexpr THtmlEntity EntityTable[HtmlEntityCount] = {
    {u'é', "&eacute;"}, {u'è', "&egrave;"}, {u'ë', "&euml;"},   {u'ê', "&ecirc;"},  {u'ó', "&oacute;"},
    {u'ò', "&ograve;"}, {u'ö', "&ouml;"},   {u'ô', "&ocirc;"},  {u'í', "&iacute;"}, {u'ì', "&igrave;"},
    {u'ï', "&iuml;"},   {u'î', "&icirc;"},  {u'ú', "&uacute;"}, {u'ù', "&ugrave;"}, {u'ü', "&uuml;"},
    {u'û', "&ucirc;"},  {u'á', "&aacute;"}, {u'à', "&agrave;"}, {u'ä', "&auml;"},   {u'â', "&acirc;"},
    {u'É', "&Eacute;"}, {u'È', "&Egrave;"}, {u'Ë', "&Euml;"},   {u'Ê', "&Ecirc;"},  {u'Ó', "&Oacute;"},
    {u'Ò', "&Ograve;"}, {u'Ö', "&Ouml;"},   {u'Ô', "&Ocirc;"},  {u'Í', "&Iacute;"}, {u'Ì', "&Igrave;"},
    {u'Ï', "&Iuml;"},   {u'Î', "&Icirc;"},  {u'Ú', "&Uacute;"}, {u'Ù', "&Ugrave;"}, {u'Ü', "&Uuml;"},
    {u'Û', "&Ucirc;"},  {u'Á', "&Aacute;"}, {u'À', "&Agrave;"}, {u'Ä', "&Auml;"},   {u'Â', "&Acirc;"},
    {u'ç', "&ccedil;"}, {u'Ç', "&Ccedil;"}, {u'ø', "&oslash;"}, {u'Ø', "&Oslash;"}, {u'å', "&aring;"},
    {u'Å', "&Aring;"},  {u'©', "&copy;"},   {u'®', "&reg;"},    {u'€', "&euro;"},   {u'«', "&laquo;"},
    {u'»', "&raquo;"},  {u'ã', "&atilde;"}, {u'Ã', "&Atilde;"}, {u'õ', "&otilde;"}, {u'Õ', "&Otilde;"},
};

namespace {

// Removes the first occurrence of Pattern (any case) while there is one;
// a removal can join two halves into a new occurrence, so look again from just before it.
void RemoveAllNoCase(QString& Text, const QString& Pattern) {
  qsizetype at = IndexOfNoCase(Text, Pattern);
  while (at >= 0) {
    Text.remove(at, Pattern.size());
    at = IndexOfNoCase(Text, Pattern, at - Pattern.size());
  }
}

// The walk of StripHtmlTags and HtmlPlainText: text outside tags. A '<'
// without a '>' after it keeps the rest; StopAtStrayClose stops also at a '>'
// that comes before the next '<'.
QString TextOutsideTags(const QString& Text, bool StopAtStrayClose) {
  QString out;
  qsizetype pos = 0;
  while (pos < Text.size()) {
    const qsizetype lt = Text.indexOf(u'<', pos);
    const qsizetype gt = lt < 0 ? -1 : Text.indexOf(u'>', StopAtStrayClose ? pos : lt);
    if (lt < 0 || gt < 0 || gt < lt) break;
    out += QStringView(Text).mid(pos, lt - pos);
    pos = gt + 1;
  }
  out += QStringView(Text).mid(pos);
  return out;
}

QString Escaped(QString Text) {
  Text.replace(u'<', QStringLiteral("&lt;"));
  Text.replace(u'>', QStringLiteral("&gt;"));
  return Text;
}

}  // namespace

QString HtmlDecode(const QString& Text, bool WithAccents) {
  if (!Text.contains(u'&')) return Text;  // every entity starts with one
  QString s = Text;
  s.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
  s.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
  s.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
  s.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
  if (WithAccents)
    for (const THtmlEntity& e : EntityTable) s.replace(QLatin1String(e.Name), QString(QChar(e.Char)));
  return s;
}

QString HtmlEncode(const QString& Text, bool WithAccents) {
  QString s = Text;
  s.replace(u'&', QStringLiteral("&amp;"));
  s.replace(u'"', QStringLiteral("&quot;"));
  s.replace(u'<', QStringLiteral("&lt;"));
  s.replace(u'>', QStringLiteral("&gt;"));
  if (WithAccents)
    for (const THtmlEntity& e : EntityTable) s.replace(QChar(e.Char), QLatin1String(e.Name));
  return s;
}

QString SpacesToNbsp(const QString& Text) {
  QString s = Text;
  return s.replace(u' ', QStringLiteral("&nbsp;"));
}

QString StripHtmlTags(const QString& Text) {
  QString s = Text;
  // Replacing a break cannot form a new one (CR LF holds no '<'), so one sweep each is enough.
  s.replace(QStringLiteral("<BR>"), QStringLiteral("\r\n"), Qt::CaseInsensitive);
  s.replace(QStringLiteral("<HR>"), QStringLiteral("\r\n"), Qt::CaseInsensitive);
  return TextOutsideTags(s, false);
}

QString HtmlPlainText(const QString& Markup) { return TextOutsideTags(Markup, true); }

int PlainToHtmlPosition(const QString& Markup, int N) {
  if (N <= 1) return 1;
  int counted = 0;
  bool inTag = false;
  for (qsizetype i = 0; i < Markup.size(); ++i) {
    if (inTag) {
      inTag = Markup[i] != u'>';
      continue;
    }
    if (Markup[i] == u'<') {
      inTag = true;
      continue;
    }
    if (++counted == N - 1) return int(i) + 2;
  }
  return int(Markup.size()) + 1;
}

int FindTextFrom(const QString& Search, const QString& Text, int Offset, bool CaseSensitive, int& Position) {
  Position = 0;
  if (Search.isEmpty() || Offset > Text.size()) return 0;
  const int skip = Offset > 0 ? Offset : 0;
  const QString rest = Text.mid(skip);
  const qsizetype at = CaseSensitive ? rest.indexOf(Search) : AnsiUpperCase(rest).indexOf(AnsiUpperCase(Search));
  if (at >= 0) Position = skip + int(at) + 1;
  return Position;
}

int FindTextFrom(const QString& Search, const QString& Text, int Offset, bool CaseSensitive) {
  int position = 0;
  return FindTextFrom(Search, Text, Offset, CaseSensitive, position);
}

QString HighlightHtmlText(const QString& Markup, const QString& Search, const QString& Tag, bool CaseSensitive) {
  if (Search.isEmpty()) return Markup;
  QString plain = HtmlPlainText(Markup);
  QString markup = Markup;
  QString search = Search;
  if (Markup.contains(Search) && (plain.contains(u'<') || plain.contains(u'>'))) {
    // The markup's own tags would be taken for text: work on the escaped plain text instead.
    plain = Escaped(plain);
    markup = plain;
    search = Escaped(search);
  }
  // Every match first (the character right after a match is skipped: a match
  // starting there stays plain), as 1-based plain positions where a tag goes.
  const QString folded = CaseSensitive ? plain : AnsiUpperCase(plain);
  const QString wanted = CaseSensitive ? search : AnsiUpperCase(search);
  std::vector<int> cuts;
  for (qsizetype at = folded.indexOf(wanted); at >= 0; at = folded.indexOf(wanted, at + wanted.size() + 1)) {
    cuts.push_back(int(at) + 1);
    cuts.push_back(int(at + wanted.size()) + 1);
    if (at + wanted.size() + 1 > folded.size()) break;
  }
  // Then one walk over the markup: a tag goes before the tags that precede
  // its plain character, as PlainToHtmlPosition places it.
  const QString open = "<" + Tag + ">", close = "</" + Tag + ">";
  QString result;
  result.reserve(markup.size() + qsizetype(cuts.size() / 2) * (open.size() + close.size()));
  size_t next = 0;
  auto putTagsAt = [&](int counted) {
    // The cut N goes after the (N-1)-th plain character (N 1: at the start).
    while (next < cuts.size() && (cuts[next] <= 1 ? 0 : cuts[next] - 1) == counted) {
      result += next % 2 == 0 ? open : close;
      ++next;
    }
  };
  int counted = 0;
  bool inTag = false;
  putTagsAt(0);
  for (const QChar ch : markup) {
    result += ch;
    if (inTag) {
      inTag = ch != u'>';
      continue;
    }
    if (ch == u'<') {
      inTag = true;
      continue;
    }
    putTagsAt(++counted);
  }
  // Cuts past the plain text go at the end.
  for (; next < cuts.size(); ++next) result += next % 2 == 0 ? open : close;
  return result;
}

QString UnhighlightHtmlText(const QString& Markup, const QString& Tag) {
  QString s = Markup;
  const QString tag = UpperCase(Tag);
  RemoveAllNoCase(s, "<" + tag + ">");
  RemoveAllNoCase(s, "</" + tag + ">");
  s.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
  s.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
  return s;
}

int PosIgnoreCase(const QString& Pattern, const QString& Text) {
  if (Pattern.isEmpty()) return 0;
  return int(IndexOfNoCase(Text, Pattern)) + 1;
}

bool ReplaceFirstIgnoreCase(const QString& Pattern, const QString& Replacement, QString& Text) {
  const int p = PosIgnoreCase(Pattern, Text);
  if (p <= 0) return false;
  Text.replace(p - 1, Pattern.size(), Replacement);
  return true;
}

int PosAndStore(const QString& Pattern, const QString& Text, int& Position) {
  Position = Pattern.isEmpty() ? 0 : int(Text.indexOf(Pattern)) + 1;
  return Position;
}

int PosInUpper(const QString& Pattern, const QString& Text, int& Position) {
  return PosAndStore(Pattern, UpperCase(Text), Position);
}
