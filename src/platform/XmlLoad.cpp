// Loading is done here with a stream reader rather than the DOM parser: the DOM
// parser of this Qt drops text made of blanks only, recurses and slows down
// badly on deep or attribute-heavy documents, and keeps the declaration's
// encoding for the next save.
#include "platform/Xml.h"

#include <QDomComment>
#include <QDomText>
#include <QXmlStreamReader>

namespace {

bool IsXmlChar(char32_t c) {
  return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD) ||
         (c >= 0x10000 && c <= 0x10FFFF);
}

// Runs f(code point, start index, length in UTF-16 units); a lone surrogate counts as forbidden U+FFFF.
template <typename F>
void ForEachCodePoint(const QString& text, F f) {
  for (qsizetype i = 0; i < text.size();) {
    const QChar c = text[i];
    if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
      f(QChar::surrogateToUcs4(c, text[i + 1]), i, 2);
      i += 2;
    } else {
      f(c.isSurrogate() ? char32_t(0xFFFF) : char32_t(c.unicode()), i, 1);
      ++i;
    }
  }
}

// Skips from pos to just past the terminator; false when the input ends first.
bool SkipPast(const QByteArray& b, qsizetype& pos, const char* terminator) {
  const qsizetype at = b.indexOf(terminator, pos);
  if (at < 0) return false;
  pos = at + qsizetype(qstrlen(terminator));
  return true;
}

}  // namespace

bool IsXmlWritable(const QString& text) {
  bool ok = true;
  ForEachCodePoint(text, [&](char32_t c, qsizetype, qsizetype) { ok = ok && IsXmlChar(c); });
  return ok;
}

QString XmlWritableText(const QString& text) {
  if (IsXmlWritable(text)) return text;
  QString r;
  r.reserve(text.size());
  ForEachCodePoint(text, [&](char32_t c, qsizetype at, qsizetype len) {
    if (IsXmlChar(c)) r += text.mid(at, len);
  });
  return r;
}

// A byte scan ahead of the parser, whose duplicate-attribute check is quadratic.
// It counts '=' outside quotes inside each tag; NUL bytes (UTF-16 input) are ignored.
bool XmlWithinAttributeLimit(const QByteArray& b) {
  qsizetype pos = 0;
  while ((pos = b.indexOf('<', pos)) >= 0) {
    if (b.mid(pos, 4) == "<!--") {
      if (!SkipPast(b, pos, "-->")) return true;
    } else if (b.mid(pos, 9) == "<![CDATA[") {
      if (!SkipPast(b, pos, "]]>")) return true;
    } else if (b.mid(pos, 2) == "<?") {
      if (!SkipPast(b, pos, "?>")) return true;
    } else {
      int attributes = 0;
      char quote = 0;
      for (++pos; pos < b.size(); ++pos) {
        const char c = b[pos];
        if (quote) {
          if (c == quote) quote = 0;
        } else if (c == '"' || c == '\'') {
          quote = c;
        } else if (c == '=') {
          if (++attributes > XmlMaxAttributes) return false;
        } else if (c == '>') {
          break;
        }
      }
    }
  }
  return true;
}

// Whitespace between child elements is layout, not text; a leaf keeps its blanks.
static void DropLayoutWhitespace(QDomElement& e) {
  if (e.firstChildElement().isNull()) return;
  QDomNode n = e.firstChild();
  while (!n.isNull()) {
    QDomNode next = n.nextSibling();
    if (n.isText() && n.toText().data().trimmed().isEmpty()) e.removeChild(n);
    n = next;
  }
}

bool TXmlDocument::BuildFromStream(const QByteArray& bytes) {
  QXmlStreamReader r(bytes);
  r.setNamespaceProcessing(false);
  QDomNode current;  // null at the document's own level
  const auto append = [&](const QDomNode& n) {
    return current.isNull() ? FDoc.appendChild(n) : current.appendChild(n);
  };
  int depth = 0;
  while (!r.atEnd() && !r.hasError()) {
    switch (r.readNext()) {
      case QXmlStreamReader::DTD: r.raiseError("A document type declaration is not accepted"); break;
      case QXmlStreamReader::StartElement: {
        if (++depth > XmlMaxDepth) {
          r.raiseError(QString("Nested deeper than %1 levels").arg(XmlMaxDepth));
          break;
        }
        QDomElement e = FDoc.createElement(r.qualifiedName().toString());
        for (const QXmlStreamAttribute& a : r.attributes())
          e.setAttribute(a.qualifiedName().toString(), a.value().toString());
        current = append(e);
        break;
      }
      case QXmlStreamReader::EndElement: {
        QDomElement e = current.toElement();
        DropLayoutWhitespace(e);
        current = depth > 1 ? current.parentNode() : QDomNode();
        --depth;
        break;
      }
      case QXmlStreamReader::Characters:
        // CDATA is text like any other; text outside the root is layout.
        if (depth > 0) current.appendChild(FDoc.createTextNode(r.text().toString()));
        break;
      case QXmlStreamReader::Comment: append(FDoc.createComment(r.text().toString())); break;
      default:  // the declaration and processing instructions are not kept
        break;
    }
  }
  if (r.hasError()) {
    FError = QString("%1 (line %2, column %3)").arg(r.errorString()).arg(r.lineNumber()).arg(r.columnNumber());
    return false;
  }
  if (FDoc.documentElement().isNull()) {
    FError = "No root element";
    return false;
  }
  return true;
}
