// The form controls of mini-HTML texts: a "<CONTROL ...>" tag keeps the
// control's state in its VALUE attribute, so the grid reads and rewrites the
// tag text when the user edits the control. No operation raises: a missing
// control answers false, empty or 0.
#pragma once

#include <QString>

// Attributes of one control tag, all empty when absent.
struct THtmlControlAttributes {
  QString Type;  // upper-cased
  QString Width;
  QString Height;
  QString Id;     // as written, compared with exact case
  QString Value;  // entities decoded
  QString Prop;   // entities decoded
  QString MaxLen;
};

THtmlControlAttributes ParseControlAttributes(const QString& Attributes);
bool HasHtmlControls(const QString& Text);
// False, Value untouched, when no control has that ID.
bool GetHtmlControlValue(const QString& Text, const QString& Id, QString& Value);
QString GetHtmlControlProp(const QString& Text, const QString& Id);
int GetHtmlControlMaxLen(const QString& Text, const QString& Id);
// Rewrites the first control with that ID; false and Text unchanged when none.
bool SetHtmlControlValue(QString& Text, const QString& Id, const QString& Value);
QString ClearHtmlRadioValues(const QString& Text);
// The next edit-like control after the one with Id (after none for an empty Id).
QString NextHtmlControlId(const QString& Text, const QString& Id);
// What a password box shows: one "*" per character.
QString PasswordMask(const QString& Text);
// True when the path names an existing folder.
bool IsDirectoryPath(const QString& Path);
