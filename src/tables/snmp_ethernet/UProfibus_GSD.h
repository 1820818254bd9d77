// The GSD file (general station description, revision 5) with which a
// PROFIBUS master's configuration tool uses the gateway as a modular DP slave:
// fixed keywords, and modules of up to 64 bytes from the two data sizes of
// ParGen.xml.
#pragma once

#include <QString>
#include <QStringList>

// Bytes the slave sends to the master, and bytes the master sends, as the
// last CreateGsdFile read them.
extern int GsdInputLength;
extern int GsdOutputLength;

// Needs ParGen.xml; asks for the file, appends ".gsd" where needed, confirms an overwrite and writes it.
void CreateGsdFile();
// The chosen name with ".gsd" appended unless its first ".gsd" (any case) ends it.
QString GsdFileName(const QString& Chosen);
QStringList GsdFileLines();
// Writes the file whole or not at all; false after an error message.
bool WriteGsdFile(const QString& Path);
