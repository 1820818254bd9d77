#include "grid/foundation/PsgHTMLEControls.h"

#include "grid/foundation/PsgHTMLE.h"

#include "platform/SysUtils.h"

#include <QFileInfo>

#include <functional>

namespace {

// The value between the first two double quotes after Name's first character.
QString QuotedAfter(const QString& Upper, const QString& Raw, const QString& Name) {
  const qsizetype at = Upper.indexOf(Name);
  if (at < 0) return {};
  const qsizetype open = Raw.indexOf(u'"', at);
  if (open < 0) return {};
  const qsizetype close = Raw.indexOf(u'"', open + 1);
  if (close < 0) return {};
  return Raw.mid(open + 1, close - open - 1);
}

// One control met by the walk: where its attribute text lies in the whole text.
struct TControlSpan {
  qsizetype TagStart;  // index just after the '<'
  qsizetype TagEnd;    // index after the '>' (or the text's end)
  THtmlControlAttributes Attr;
};

// Calls Visit for every control in text order until it answers false.
void WalkControls(const QString& Text, const std::function<bool(const TControlSpan&)>& Visit) {
  // ASCII folding keeps every index of the upper-cased text valid in Text
  // ("ß" would become "SS" under the full Unicode rule).
  const QString upper = UpperCase(Text);
  qsizetype from = 0;
  for (;;) {
    const qsizetype lt = upper.indexOf(QStringLiteral("<CONTROL "), from);
    if (lt < 0) return;
    const qsizetype start = lt + 1;
    const qsizetype gt = Text.indexOf(u'>', start);
    const qsizetype end = gt < 0 ? Text.size() : gt + 1;
    const TControlSpan span{start, end, ParseControlAttributes(Text.mid(start, end - start))};
    if (!Visit(span)) return;
    from = start;
  }
}

bool FindControl(const QString& Text, const QString& Id, TControlSpan& Found) {
  bool found = false;
  WalkControls(Text, [&](const TControlSpan& s) {
    if (s.Attr.Id != Id) return true;
    Found = s;
    found = true;
    return false;
  });
  return found;
}

QString Quoted(const QString& Name, const QString& Value) { return QStringLiteral(" %1=\"%2\"").arg(Name, Value); }

// The tag written back with a new value, its attributes in their fixed order.
QString RewrittenTag(const THtmlControlAttributes& a, const QString& Id, const QString& Value) {
  QString tag = QStringLiteral("CONTROL") + Quoted(QStringLiteral("ID"), Id) +
                Quoted(QStringLiteral("VALUE"), HtmlEncode(Value, true)) + Quoted(QStringLiteral("WIDTH"), a.Width) +
                Quoted(QStringLiteral("TYPE"), a.Type);
  // A push button's face height would otherwise fall back to 25 after the
  // first edit of its caption.
  if (!a.Height.isEmpty()) tag += Quoted(QStringLiteral("HEIGHT"), a.Height);
  if (!a.Prop.isEmpty()) tag += Quoted(QStringLiteral("PROP"), HtmlEncode(a.Prop, true));
  if (!a.MaxLen.isEmpty()) tag += Quoted(QStringLiteral("MAXLEN"), a.MaxLen);
  return tag + u'>';
}

}  // namespace

THtmlControlAttributes ParseControlAttributes(const QString& Attributes) {
  const QString upper = UpperCase(Attributes);
  THtmlControlAttributes a;
  a.Type = UpperCase(QuotedAfter(upper, Attributes, QStringLiteral("TYPE=")));
  a.Width = QuotedAfter(upper, Attributes, QStringLiteral("WIDTH="));
  a.Height = QuotedAfter(upper, Attributes, QStringLiteral("HEIGHT="));
  a.Id = QuotedAfter(upper, Attributes, QStringLiteral("ID="));
  a.Value = HtmlDecode(QuotedAfter(upper, Attributes, QStringLiteral("VALUE=")), true);
  a.Prop = HtmlDecode(QuotedAfter(upper, Attributes, QStringLiteral("PROP=")), true);
  a.MaxLen = QuotedAfter(upper, Attributes, QStringLiteral("MAXLEN="));
  return a;
}

bool HasHtmlControls(const QString& Text) { return UpperCase(Text).contains(QStringLiteral("<CONTROL")); }

bool GetHtmlControlValue(const QString& Text, const QString& Id, QString& Value) {
  TControlSpan s;
  if (!FindControl(Text, Id, s)) return false;
  Value = s.Attr.Value;
  return true;
}

QString GetHtmlControlProp(const QString& Text, const QString& Id) {
  TControlSpan s;
  return FindControl(Text, Id, s) ? s.Attr.Prop : QString();
}

int GetHtmlControlMaxLen(const QString& Text, const QString& Id) {
  TControlSpan s;
  return FindControl(Text, Id, s) ? LeadingIntValue(s.Attr.MaxLen) : 0;
}

bool SetHtmlControlValue(QString& Text, const QString& Id, const QString& Value) {
  TControlSpan s;
  if (!FindControl(Text, Id, s)) return false;
  Text = Text.left(s.TagStart) + RewrittenTag(s.Attr, Id, Value) + Text.mid(s.TagEnd);
  return true;
}

// One walk that rewrites every radio button in place.
QString ClearHtmlRadioValues(const QString& Text) {
  QString result;
  qsizetype copied = 0;
  WalkControls(Text, [&](const TControlSpan& s) {
    // A tag without its '>' reaches over the next one: that one stays as it is.
    if (s.Attr.Type != u"RADIO" || s.TagStart < copied) return true;
    result += QStringView(Text).mid(copied, s.TagStart - copied);
    result += RewrittenTag(s.Attr, s.Attr.Id, QStringLiteral("FALSE"));
    copied = s.TagEnd;
    return true;
  });
  result += QStringView(Text).mid(copied);
  return result;
}

QString NextHtmlControlId(const QString& Text, const QString& Id) {
  bool after = Id.isEmpty();
  QString next;
  WalkControls(Text, [&](const TControlSpan& s) {
    const QString& t = s.Attr.Type;
    if (after && t != u"BUTTON" && t != u"CHECK" && t != u"RADIO") {
      next = s.Attr.Id;
      return false;
    }
    if (s.Attr.Id == Id) after = true;
    return true;
  });
  return next;
}

QString PasswordMask(const QString& Text) { return QString(Text.size(), u'*'); }

bool IsDirectoryPath(const QString& Path) { return !Path.isEmpty() && QFileInfo(Path).isDir(); }
