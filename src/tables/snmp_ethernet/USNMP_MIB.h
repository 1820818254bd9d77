// The MIB text file of the device's SNMP agent: a fixed module head and
// object tree under the maker's enterprise node, one object per enabled row
// of SNMP_Trap.xml and one notification per readable object.
#pragma once

#include <QString>
#include <QStringList>

#include <vector>

class TSaveDialog;

// Entry i tells whether object i of MibReadObjects / MibWriteObjects is an
// integer; each holds one flag per object, however many the file has.
extern std::vector<bool> MibReadIsInteger;
extern std::vector<bool> MibWriteIsInteger;

// The action: asks for the file with SaveMIB (the main window's dialog),
// confirms an overwrite, then loads the objects and writes the file.
void CreateMibFile(TSaveDialog& SaveMIB);
// Fills the object lists and flags from SNMPTrapFile; false (after the
// parser's message) when the file exists but cannot be read.
bool LoadMibObjects();
// The MIB text from the object lists.
QStringList MibFileLines();
// Writes the MIB text to Path whole or not at all; false after an error message.
bool WriteMibFile(const QString& Path);
