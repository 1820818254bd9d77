#include "platform/Xml.h"

#include "platform/Files.h"

#include <QDomComment>
#include <QDomNamedNodeMap>
#include <QDomNodeList>
#include <QDomText>

// Walked without recursion: a damaged file may nest as deep as the loader allows,
// and text is also asked of documents built in code.
QString TXmlNode::Text() const {
  if (FElement.isNull()) return QString();
  QString r;
  QDomNode n = FElement.firstChild();
  while (!n.isNull()) {
    if (n.isText() || n.isCDATASection()) r += n.toCharacterData().data();
    if (n.isElement() && !n.firstChild().isNull()) {
      n = n.firstChild();
      continue;
    }
    while (n.nextSibling().isNull() && n.parentNode() != FElement) n = n.parentNode();
    n = n.nextSibling();
  }
  return r;
}

void TXmlNode::SetText(const QString& text) {
  if (FElement.isNull()) return;
  QDomNode n = FElement.firstChild();
  while (!n.isNull()) {
    QDomNode next = n.nextSibling();
    if (n.isText() || n.isCDATASection()) FElement.removeChild(n);
    n = next;
  }
  const QString writable = XmlWritableText(text);
  if (!writable.isEmpty()) FElement.appendChild(FElement.ownerDocument().createTextNode(writable));
}

TXmlNode TXmlNode::ChildNode(const QString& name) const {
  if (FElement.isNull()) return TXmlNode();
  for (QDomElement e = FElement.firstChildElement(); !e.isNull(); e = e.nextSiblingElement())
    if (e.tagName() == name) return TXmlNode(e);
  return TXmlNode();
}

std::vector<TXmlNode> TXmlNode::ChildElements() const {
  std::vector<TXmlNode> r;
  if (FElement.isNull()) return r;
  for (QDomElement e = FElement.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) r.emplace_back(e);
  return r;
}

std::vector<TXmlNode> TXmlNode::ChildElements(const QString& name) const {
  std::vector<TXmlNode> r;
  for (const TXmlNode& n : ChildElements())
    if (n.NodeName() == name) r.push_back(n);
  return r;
}

int TXmlNode::ChildElementCount() const { return int(ChildElements().size()); }

std::vector<QString> TXmlNode::Comments() const {
  std::vector<QString> r;
  if (FElement.isNull()) return r;
  for (QDomNode n = FElement.firstChild(); !n.isNull(); n = n.nextSibling())
    if (n.isComment()) r.push_back(n.toComment().data());
  return r;
}

TXmlNode TXmlNode::AddChild(const QString& name) {
  if (FElement.isNull()) return TXmlNode();
  QDomElement e = FElement.ownerDocument().createElement(name);
  FElement.appendChild(e);
  return TXmlNode(e);
}

void TXmlNode::AddComment(const QString& text) {
  if (FElement.isNull()) return;
  FElement.appendChild(FElement.ownerDocument().createComment(text));
}

void TXmlNode::RemoveChild(const TXmlNode& child) {
  if (!FElement.isNull() && !child.IsNull()) FElement.removeChild(child.FElement);
}

bool TXmlNode::HasAttribute(const QString& name) const { return !FElement.isNull() && FElement.hasAttribute(name); }

bool TXmlNode::ReadAttribute(const QString& name, QString& value) const {
  if (!HasAttribute(name)) return false;
  value = FElement.attribute(name);
  return true;
}

QString TXmlNode::Attribute(const QString& name) const {
  QString v;
  if (!ReadAttribute(name, v)) throw EXmlError(QString("Attribute \"%1\" not found").arg(name));
  return v;
}

QString TXmlNode::AttributeDef(const QString& name, const QString& def) const {
  QString v;
  return ReadAttribute(name, v) ? v : def;
}

void TXmlNode::SetAttribute(const QString& name, const QString& value) {
  if (!FElement.isNull()) FElement.setAttribute(name, XmlWritableText(value));
}

std::vector<std::pair<QString, QString>> TXmlNode::Attributes() const {
  std::vector<std::pair<QString, QString>> r;
  if (FElement.isNull()) return r;
  QDomNamedNodeMap map = FElement.attributes();
  for (int i = 0; i < map.count(); ++i) {
    QDomAttr a = map.item(i).toAttr();
    r.emplace_back(a.name(), a.value());
  }
  return r;
}

TXmlDocument::TXmlDocument() = default;

bool TXmlDocument::LoadFromFile(const QString& path) {
  QByteArray bytes;
  if (!ReadFileBytes(path, bytes)) {
    FDoc = QDomDocument();
    FError = QString("Cannot read %1").arg(path);
    return false;
  }
  return LoadFromBytes(bytes);
}

bool TXmlDocument::LoadFromBytes(const QByteArray& bytes) {
  FDoc = QDomDocument();
  FError.clear();
  if (!XmlWithinAttributeLimit(bytes)) {
    FError = QString("More than %1 attributes in one element").arg(XmlMaxAttributes);
    return false;
  }
  if (!BuildFromStream(bytes)) {
    FDoc = QDomDocument();
    return false;
  }
  return true;
}

bool TXmlDocument::LoadFromString(const QString& xml) { return LoadFromBytes(xml.toUtf8()); }

TXmlNode TXmlDocument::Root() const { return TXmlNode(FDoc.documentElement()); }

void TXmlDocument::Clear() {
  FDoc = QDomDocument();
  FError.clear();
}

void TXmlDocument::AddComment(const QString& text) { FDoc.appendChild(FDoc.createComment(text)); }

TXmlNode TXmlDocument::CreateRoot(const QString& name) {
  QDomElement e = FDoc.createElement(name);
  FDoc.appendChild(e);
  return TXmlNode(e);
}

std::vector<QString> TXmlDocument::TopLevelComments() const {
  std::vector<QString> r;
  for (QDomNode n = FDoc.firstChild(); !n.isNull(); n = n.nextSibling())
    if (n.isComment()) r.push_back(n.toComment().data());
  return r;
}

// The DOM writes a carriage return of text as it stands, and the next load turns
// it into a line feed; as a character reference it loads back as itself.
QByteArray TXmlDocument::ToBytes(int indent) const { return FDoc.toByteArray(indent).replace("\r", "&#13;"); }
QString TXmlDocument::XmlText(int indent) const { return FDoc.toString(indent); }

bool TXmlDocument::SaveToFile(const QString& path, int indent) const { return WriteFileAtomic(path, ToBytes(indent)); }
