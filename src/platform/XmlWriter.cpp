#include "platform/XmlWriter.h"

#include "platform/Files.h"

#include <QXmlStreamWriter>

TXmlWriter::TXmlWriter() : FWriter(std::make_unique<QXmlStreamWriter>(&FBytes)) {
  FWriter->setAutoFormatting(true);
  FWriter->setAutoFormattingIndent(2);
}

TXmlWriter::TXmlWriter(int Indent) : FWriter(std::make_unique<QXmlStreamWriter>(&FBytes)) {
  FWriter->setAutoFormatting(Indent >= 0);
  if (Indent >= 0) FWriter->setAutoFormattingIndent(Indent);
}

TXmlWriter::~TXmlWriter() = default;

void TXmlWriter::StartElement(const QString& name) { FWriter->writeStartElement(name); }
void TXmlWriter::Attribute(const QString& name, const QString& value) { FWriter->writeAttribute(name, value); }
void TXmlWriter::EndElement() { FWriter->writeEndElement(); }
void TXmlWriter::Comment(const QString& text) { FWriter->writeComment(text); }

// The stream writer starts a line before the first element when no
// declaration precedes it; the file begins with its root instead.
QByteArray TXmlWriter::Bytes() const { return FBytes.startsWith('\n') ? FBytes.mid(1) : FBytes; }

bool TXmlWriter::SaveToFile(const QString& path) const {
  QByteArray bytes = Bytes();
  if (!bytes.endsWith('\n')) bytes += '\n';
  return WriteFileAtomic(path, bytes);
}
