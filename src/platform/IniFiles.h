// INI files as the profile calls read and write them: sections and keys
// found without regard to case, their order kept, each write stored at once
// (whole file or nothing). A name without a folder lies in the program folder.
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
  // False when the file could not be written; the file then stays as it was.
  bool WriteString(const QString& Section, const QString& Ident, const QString& Value);
  bool WriteInteger(const QString& Section, const QString& Ident, int Value);
  bool WriteBool(const QString& Section, const QString& Ident, bool Value);
  bool SectionExists(const QString& Section) const;
  bool ValueExists(const QString& Section, const QString& Ident) const;
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
