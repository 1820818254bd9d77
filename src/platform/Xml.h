// The XML document object the editors, the settings and the image builder use.
// Loading takes the first element as the root, whatever its name; names match
// with exact case; element text is kept as it stands; saving writes UTF-8
// without a declaration and replaces the file whole or not at all.
#pragma once

#include "platform/SysUtils.h"

#include <QDomDocument>
#include <QDomElement>
#include <QString>

#include <vector>

// Raised by TXmlNode::Attribute when the attribute does not exist, as the
// platform's document object did; callers either catch it (the value has a
// default) or let it stop the load (the value is required).
class EXmlError : public Exception { using Exception::Exception; };

class TXmlNode {
public:
  TXmlNode() = default;
  explicit TXmlNode(const QDomElement& e) : FElement(e) {}

  bool IsNull() const { return FElement.isNull(); }
  explicit operator bool() const { return !IsNull(); }
  QString NodeName() const { return FElement.tagName(); }

  // The element's text, unchanged (the concatenated text of its children).
  QString Text() const;
  void SetText(const QString& text);

  // First child element with exactly this name; a null node when there is none.
  TXmlNode ChildNode(const QString& name) const;
  std::vector<TXmlNode> ChildElements() const;
  std::vector<TXmlNode> ChildElements(const QString& name) const;
  int ChildElementCount() const;
  // Comments directly under this element, in document order.
  std::vector<QString> Comments() const;

  TXmlNode AddChild(const QString& name);
  void AddComment(const QString& text);
  void RemoveChild(const TXmlNode& child);

  bool HasAttribute(const QString& name) const;
  // False when the attribute is missing (an empty attribute reads as "" and true).
  bool ReadAttribute(const QString& name, QString& value) const;
  // Raises EXmlError when the attribute is missing.
  QString Attribute(const QString& name) const;
  QString AttributeDef(const QString& name, const QString& def) const;
  void SetAttribute(const QString& name, const QString& value);
  std::vector<std::pair<QString, QString>> Attributes() const;

  const QDomElement& Element() const { return FElement; }

private:
  QDomElement FElement;
};

class TXmlDocument {
public:
  TXmlDocument();
  // False for a missing, unreadable or ill-formed file; the document is then empty.
  bool LoadFromFile(const QString& path);
  bool LoadFromString(const QString& xml);
  bool LoadFromBytes(const QByteArray& bytes);
  QString ErrorText() const { return FError; }

  // The first element of the document (declarations and comments before it skipped).
  TXmlNode Root() const;
  bool Active() const { return !FDoc.documentElement().isNull() || FDoc.hasChildNodes(); }
  // Removes every top-level node.
  void Clear();
  // A top-level comment, before the root when added first.
  void AddComment(const QString& text);
  TXmlNode CreateRoot(const QString& name);
  std::vector<QString> TopLevelComments() const;

  QByteArray ToBytes(int indent = 2) const;
  QString XmlText(int indent = 2) const;
  // UTF-8, no declaration, replaced atomically; false when it could not be written.
  bool SaveToFile(const QString& path, int indent = 2) const;

private:
  QDomDocument FDoc;
  QString FError;
};
