// The XML document object the editors, the settings and the image builder use.
// Loading takes the first element as the root, whatever its name; names match
// with exact case; element text is kept as it stands; saving writes UTF-8
// without a declaration and replaces the file whole or not at all.
//
// A bad input gets a failed load (the caller's defaults apply), never a crash:
// a document nested deeper than XmlMaxDepth, an element with more than
// XmlMaxAttributes attributes, a document type declaration or anything not
// well-formed is refused. CDATA reads as text; text made of blanks only is
// kept; processing instructions and the declaration are not kept, so a loaded
// document is always saved as UTF-8. A character XML 1.0 forbids is never
// written: SetText and SetAttribute leave it out (IsXmlWritable tells first).
#pragma once

#include "platform/SysUtils.h"

#include <QDomDocument>
#include <QDomElement>
#include <QString>

#include <vector>

// Raised by TXmlNode::Attribute when the attribute does not exist, as the
// platform's document object did; callers either catch it (the value has a
// default) or let it stop the load (the value is required).
class EXmlError : public Exception {
  using Exception::Exception;
};

// The program's own files are four levels deep; these bound the work a damaged
// or hostile file can cause.
inline constexpr int XmlMaxDepth = 256;
inline constexpr int XmlMaxAttributes = 1024;

// True when every character of the text may stand in an XML 1.0 document.
bool IsXmlWritable(const QString& text);
// The text without the characters XML 1.0 forbids.
QString XmlWritableText(const QString& text);
// False when some element of the (unparsed) document holds more attributes than allowed.
bool XmlWithinAttributeLimit(const QByteArray& bytes);

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
  bool BuildFromStream(const QByteArray& bytes);

  QDomDocument FDoc;
  QString FError;
};
