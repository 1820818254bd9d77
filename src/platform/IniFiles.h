// INI files as the profile calls read and write them: sections and keys
// found without regard to case, their order kept, each write stored at once
// (whole file or nothing). A name without a folder lies in the program folder.
// A lone UTF-16 surrogate, in a file read or in a name or value given, stands
// as U+FFFD, so what is written reads back the same.
#pragma once

#include "platform/Classes.h"

#include <QString>

#include <vector>

class TIniFile : public TObject {
public:
  explicit TIniFile(const QString& FileName);
  const QString& FileName() const { return FFileName; }

  QString ReadString(const QString& Section, const QString& Ident, const QString& Default) const;
  // Decimal, or hexadecimal after "$" or "0x"; anything else reads as Default.
  int ReadInteger(const QString& Section, const QString& Ident, int Default) const;
  bool ReadBool(const QString& Section, const QString& Ident, bool Default) const;
  // False when the file could not be written, or when the value would not read
  // back as written (a line break anywhere, blanks at either end of a name or
  // value, a key that is empty, holds "=" or would read as a comment or a
  // section); the file and the values then stay as they were.
  bool WriteString(const QString& Section, const QString& Ident, const QString& Value);
  bool WriteInteger(const QString& Section, const QString& Ident, int Value);
  bool WriteBool(const QString& Section, const QString& Ident, bool Value);
  bool SectionExists(const QString& Section) const;
  bool ValueExists(const QString& Section, const QString& Ident) const;
  // The sections in file order.
  QStringList ReadSections() const;
  // The keys of a section in file order.
  QStringList ReadSection(const QString& Section) const;
  void EraseSection(const QString& Section);
  void DeleteKey(const QString& Section, const QString& Ident);

private:
  struct Key {
    QString Name;
    QString Value;
  };
  struct Section {
    QString Name;
    std::vector<Key> Keys;
  };
  void Load();
  bool Store() const;
  const Section* FindSection(const QString& Name) const;
  Section* FindSection(const QString& Name);
  static const Key* FindKey(const Section& S, const QString& Ident);
  QString FFileName;
  std::vector<Section> FSections;
};
