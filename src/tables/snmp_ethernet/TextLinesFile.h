// The device-description writers' text files: lines ended by CR LF, in the
// system's 8-bit code page or in UTF-8 with a byte-order mark, written whole
// or not at all.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

enum class TLinesEncoding { Ansi, Utf8Bom };

QByteArray TextLinesBytes(const QStringList& Lines, TLinesEncoding Encoding);
// False when the file could not be written; an old file at Path is then kept.
bool WriteTextLines(const QString& Path, const QStringList& Lines, TLinesEncoding Encoding);
// The message a writer shows when its file could not be written.
QString CannotCreateFileText(const QString& Path);
