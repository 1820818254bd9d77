#include "tables/snmp_ethernet/TextLinesFile.h"

#include "platform/Files.h"
#include "platform/SysUtils.h"

QByteArray TextLinesBytes(const QStringList& Lines, TLinesEncoding Encoding) {
  QString text;
  for (const QString& line : Lines) text += line + "\r\n";
  if (Encoding == TLinesEncoding::Ansi) return UnicodeToAnsi(text);
  return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

bool WriteTextLines(const QString& Path, const QStringList& Lines, TLinesEncoding Encoding) {
  return WriteFileAtomic(Path, TextLinesBytes(Lines, Encoding));
}

QString CannotCreateFileText(const QString& Path) { return Format("Cannot create file \"%s\".", {Path}); }
