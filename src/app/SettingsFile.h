// Quillor.xml, the settings of the program: the last project, the last device
// address, the language and the option flags, kept in the process-wide state.
//
// What a bad file gets: every value is looked up on its own, so a missing,
// misplaced or odd element gives that value's default and leaves the others
// alone; a file that cannot be parsed at all (empty, cut short, not XML,
// nested deeper or holding more attributes than the XML reader accepts) gives
// the defaults of every value. A flag is set only by the text "1". Texts are
// taken as they stand, blanks included. The file is written whole or not at
// all; it never holds a character XML forbids, because no value that reaches
// it can hold one (project names are checked where they are chosen).
#pragma once

class TXmlDocument;

// Reads SettingsFile through xml into the settings values.
void Read_Settings_File(TXmlDocument& xml);
// Writes the settings values to SettingsFile through xml; false when the file
// could not be replaced (the previous one is then left as it was).
bool Save_Settings_File(TXmlDocument& xml);
