// Writes an XML file front to back, for files too large to build as a
// document first. Attributes keep the order they are written in; the text is
// UTF-8 without a declaration, indented like TXmlDocument's, and the file is
// replaced whole or not at all.
#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

class QXmlStreamWriter;

class TXmlWriter {
public:
  TXmlWriter();
  // Indent < 0 writes no whitespace between elements.
  explicit TXmlWriter(int Indent);
  ~TXmlWriter();
  TXmlWriter(const TXmlWriter&) = delete;
  TXmlWriter& operator=(const TXmlWriter&) = delete;

  void StartElement(const QString& name);
  // Only between StartElement and the element's first child or EndElement.
  void Attribute(const QString& name, const QString& value);
  void EndElement();
  void Comment(const QString& text);

  QByteArray Bytes() const;
  // False when the file could not be written; the old file is then kept.
  bool SaveToFile(const QString& path) const;

private:
  QByteArray FBytes;
  std::unique_ptr<QXmlStreamWriter> FWriter;
};
