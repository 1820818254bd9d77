// The GSDML file, the XML device description a PROFINET controller's
// engineering tool imports: a fixed template with the station name and the
// two data lengths of ParGen.xml.
#pragma once

#include <QString>
#include <QStringList>

// The settings read from ParGen.xml by the last ReadProfinetSettings.
extern int ProfinetInputSize;
extern int ProfinetOutputSize;
extern QString ProfinetStationName;

// Asks for the folder (the composed name is kept), confirms an overwrite and writes the file.
void CreateGsdmlFile(const QString& FileName);
// The three settings from ParGenFile: 1438, 1438 and "SERIAL" where the file
// gives none.
void ReadProfinetSettings();
// The file's lines from the settings.
QStringList GsdmlFileLines();
// Reads the settings and writes the file whole or not at all; false after an error message.
bool WriteGsdmlFile(const QString& Path);
