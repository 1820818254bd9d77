#include "grid/core/CellHtmlText.h"

#include "platform/SysUtils.h"

QString StripCellHtml(const QString& Text) {
  if (!Text.contains('<')) return Text;
  QString out;
  out.reserve(Text.size());
  int i = 0;
  while (i < Text.size()) {
    if (Text[i] != '<') {
      out += Text[i++];
      continue;
    }
    const int close = Text.indexOf('>', i);
    if (close < 0) {  // an unclosed "<" is text
      out += Text.mid(i);
      break;
    }
    const QString tag = UpperCase(Text.mid(i + 1, close - i - 1).trimmed());
    if (tag == "BR" || tag.startsWith("HR")) out += "\r\n";
    i = close + 1;
  }
  return out;
}

namespace {

struct TControlTag {
  int Start = -1;  // index of "<"
  int End = -1;    // index after ">"
};

// The value of NAME="..." inside a tag, or a null string.
QString AttributeValue(const QString& Tag, const QString& Name, int* ValueStart = nullptr, int* ValueEnd = nullptr) {
  // ASCII folding: the positions found in `upper` index Tag as well.
  const QString upper = UpperCase(Tag);
  int p = 0;
  while ((p = upper.indexOf(UpperCase(Name) + "=", p)) >= 0) {
    if (p > 0 && !upper[p - 1].isSpace()) {
      ++p;
      continue;
    }
    int v = p + Name.size() + 1;
    const bool quoted = v < Tag.size() && Tag[v] == '"';
    if (quoted) ++v;
    int e = v;
    while (e < Tag.size() && (quoted ? Tag[e] != '"' : !(Tag[e].isSpace() || Tag[e] == '>'))) ++e;
    if (ValueStart) *ValueStart = v;
    if (ValueEnd) *ValueEnd = e;
    return Tag.mid(v, e - v);
  }
  return QString();
}

TControlTag FindControl(const QString& Text, const QString& ID) {
  int p = 0;
  while ((p = Text.indexOf("<CONTROL", p, Qt::CaseInsensitive)) >= 0) {
    const int close = Text.indexOf('>', p);
    if (close < 0) break;
    if (AttributeValue(Text.mid(p, close - p + 1), "ID").compare(ID, Qt::CaseInsensitive) == 0) return {p, close + 1};
    p = close + 1;
  }
  return {};
}

QString DecodeEntities(QString S) {
  return S.replace("&lt;", "<").replace("&gt;", ">").replace("&quot;", "\"").replace("&amp;", "&");
}

QString EncodeEntities(QString S) {
  return S.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;").replace("\"", "&quot;");
}

}  // namespace

bool GetCellControlValue(const QString& Text, const QString& ID, QString& Value) {
  const TControlTag tag = FindControl(Text, ID);
  if (tag.Start < 0) return false;
  Value = DecodeEntities(AttributeValue(Text.mid(tag.Start, tag.End - tag.Start), "VALUE"));
  return true;
}

bool SetCellControlValue(QString& Text, const QString& ID, const QString& Value) {
  const TControlTag tag = FindControl(Text, ID);
  if (tag.Start < 0) return false;
  const QString element = Text.mid(tag.Start, tag.End - tag.Start);
  int vs = -1, ve = -1;
  QString rewritten;
  if (AttributeValue(element, "VALUE", &vs, &ve).isNull()) {
    rewritten = element.left(element.size() - 1) + " VALUE=\"" + EncodeEntities(Value) + "\">";
  } else {
    const bool quoted = vs > 0 && element[vs - 1] == '"';
    rewritten =
        element.left(quoted ? vs - 1 : vs) + "\"" + EncodeEntities(Value) + "\"" + element.mid(quoted ? ve + 1 : ve);
  }
  Text.replace(tag.Start, tag.End - tag.Start, rewritten);
  return true;
}
