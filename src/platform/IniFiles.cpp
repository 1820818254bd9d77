#include "platform/IniFiles.h"

#include "platform/Files.h"
#include "platform/SysUtils.h"

#include <QStringList>

namespace {

QString WithoutLoneSurrogates(QString Text) {
  for (qsizetype i = 0; i < Text.size(); ++i) {
    const QChar c = Text[i];
    if (c.isHighSurrogate() && i + 1 < Text.size() && Text[i + 1].isLowSurrogate())
      ++i;
    else if (c.isSurrogate())
      Text[i] = QChar::ReplacementCharacter;
  }
  return Text;
}

// Lines end with CR LF, LF or CR.
QStringList Lines(const QString& Text) {
  QStringList lines;
  qsizetype start = 0;
  for (qsizetype i = 0; i < Text.size(); ++i) {
    if (Text[i] != u'\r' && Text[i] != u'\n') continue;
    lines << Text.mid(start, i - start);
    if (Text[i] == u'\r' && i + 1 < Text.size() && Text[i + 1] == u'\n') ++i;
    start = i + 1;
  }
  lines << Text.mid(start);
  return lines;
}

bool HasLineBreak(const QString& Text) { return Text.contains(u'\r') || Text.contains(u'\n'); }

// What Load would not give back: a name or value it trims or splits, a key
// line it skips or takes for a comment or a section.
bool ReadsBackAsWritten(const QString& Section, const QString& Ident, const QString& Value) {
  if (HasLineBreak(Section) || HasLineBreak(Ident) || HasLineBreak(Value)) return false;
  if (Section.trimmed() != Section || Ident.trimmed() != Ident || Value.trimmed() != Value) return false;
  if (Ident.isEmpty() || Ident.contains(u'=') || Ident.startsWith(u';')) return false;
  return !(Ident.startsWith(u'[') && (Ident + "=" + Value).endsWith(u']'));
}

}  // namespace

TIniFile::TIniFile(const QString& FileName) : FFileName(FileName) {
  // A bare name is a profile file of the program, next to the executable.
  if (!FFileName.contains('/')) FFileName = GetProgramFolder() + PathDelim + FFileName;
  Load();
}

void TIniFile::Load() {
  if (!FileExists(FFileName)) return;
  bool ok = false;
  const QString text = WithoutLoneSurrogates(ReadTextFile(FFileName, &ok));
  if (!ok) return;
  Section* current = nullptr;
  for (const QString& raw : Lines(text)) {
    const QString line = raw.trimmed();
    if (line.isEmpty() || line.startsWith(';')) continue;
    if (line.startsWith('[') && line.endsWith(']')) {
      const QString name = line.mid(1, line.size() - 2).trimmed();
      current = FindSection(name);
      if (!current) current = &FSections.emplace_back(Section{name, {}});
      continue;
    }
    const int eq = line.indexOf('=');
    if (!current || eq <= 0) continue;
    const QString ident = line.left(eq).trimmed();
    // The first occurrence of a key is the one read, as the profile calls do.
    if (!FindKey(*current, ident)) current->Keys.push_back(Key{ident, line.mid(eq + 1).trimmed()});
  }
}

bool TIniFile::Store() const {
  QString text;
  for (const Section& s : FSections) {
    text += "[" + s.Name + "]\r\n";
    for (const Key& k : s.Keys) text += k.Name + "=" + k.Value + "\r\n";
    text += "\r\n";
  }
  return WriteFileAtomic(FFileName, text.toUtf8());
}

const TIniFile::Section* TIniFile::FindSection(const QString& Name) const {
  const QString name = WithoutLoneSurrogates(Name);
  for (const Section& s : FSections)
    if (s.Name.compare(name, Qt::CaseInsensitive) == 0) return &s;
  return nullptr;
}

TIniFile::Section* TIniFile::FindSection(const QString& Name) {
  return const_cast<Section*>(static_cast<const TIniFile*>(this)->FindSection(Name));
}

const TIniFile::Key* TIniFile::FindKey(const Section& S, const QString& Ident) {
  const QString ident = WithoutLoneSurrogates(Ident);
  for (const Key& k : S.Keys)
    if (k.Name.compare(ident, Qt::CaseInsensitive) == 0) return &k;
  return nullptr;
}

QString TIniFile::ReadString(const QString& Section, const QString& Ident, const QString& Default) const {
  const auto* s = FindSection(Section);
  const Key* k = s ? FindKey(*s, Ident) : nullptr;
  return k ? k->Value : Default;
}

int TIniFile::ReadInteger(const QString& Section, const QString& Ident, int Default) const {
  return StrToIntDef(ReadString(Section, Ident, QString()), Default);
}

bool TIniFile::ReadBool(const QString& Section, const QString& Ident, bool Default) const {
  return ReadInteger(Section, Ident, Default ? 1 : 0) != 0;
}

bool TIniFile::WriteString(const QString& Section, const QString& Ident, const QString& Value) {
  const QString section = WithoutLoneSurrogates(Section), ident = WithoutLoneSurrogates(Ident),
                value = WithoutLoneSurrogates(Value);
  if (!ReadsBackAsWritten(section, ident, value)) return false;
  const std::vector<TIniFile::Section> before = FSections;
  auto* s = FindSection(section);
  if (!s) s = &FSections.emplace_back(TIniFile::Section{section, {}});
  if (auto* k = const_cast<Key*>(FindKey(*s, ident)))
    k->Value = value;
  else
    s->Keys.push_back(Key{ident, value});
  if (Store()) return true;
  FSections = before;
  return false;
}

bool TIniFile::WriteInteger(const QString& Section, const QString& Ident, int Value) {
  return WriteString(Section, Ident, QString::number(Value));
}

bool TIniFile::WriteBool(const QString& Section, const QString& Ident, bool Value) {
  return WriteString(Section, Ident, Value ? "1" : "0");
}

bool TIniFile::SectionExists(const QString& Section) const { return FindSection(Section) != nullptr; }

bool TIniFile::ValueExists(const QString& Section, const QString& Ident) const {
  const auto* s = FindSection(Section);
  return s && FindKey(*s, Ident);
}

QStringList TIniFile::ReadSections() const {
  QStringList names;
  for (const Section& s : FSections) names << s.Name;
  return names;
}

QStringList TIniFile::ReadSection(const QString& Section) const {
  QStringList keys;
  if (const auto* s = FindSection(Section))
    for (const Key& k : s->Keys) keys << k.Name;
  return keys;
}

void TIniFile::EraseSection(const QString& Section) {
  for (auto it = FSections.begin(); it != FSections.end(); ++it)
    if (it->Name.compare(Section, Qt::CaseInsensitive) == 0) {
      FSections.erase(it);
      Store();
      return;
    }
}

void TIniFile::DeleteKey(const QString& Section, const QString& Ident) {
  auto* s = FindSection(Section);
  if (!s) return;
  for (auto it = s->Keys.begin(); it != s->Keys.end(); ++it)
    if (it->Name.compare(Ident, Qt::CaseInsensitive) == 0) {
      s->Keys.erase(it);
      Store();
      return;
    }
}
