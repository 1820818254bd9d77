// The language text table: fills LanguageTexts with the English defaults and
// lays a language file (.lng) of the LANGUAGE folder over them.
#pragma once

#include <QString>

// Clears LanguageTexts (creating it when missing), puts in the 5,600 default
// texts in id order and sets LanguageIdLimit to 5500.
void FillDefaultTexts();

// Applies one language file to LanguageTexts: each line "STR<id> =<text>"
// with 0 <= id < LanguageIdLimit replaces that entry. The file is read whole
// before any line is applied, so a file that cannot be read (missing,
// unreadable, too large) changes nothing and gives false.
bool LoadLanguageFile(const QString& path);

// Applies the lines of an already decoded language file (the step after reading).
void ApplyLanguageText(const QString& text);

// FillDefaultTexts, then the file of LanguageName in LanguageFolder; when that
// file does not exist, LanguageName becomes "English" and English.lng is used
// when present. A file that fails to read leaves the defaults.
void LoadLanguage();
