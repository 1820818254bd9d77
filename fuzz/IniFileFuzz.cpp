// Any bytes as an INI file. Every value read is written to a new file, which
// reads back the same sections, keys and values and writes the same bytes
// again. Then the file's raw lines, blanks, line ends and lone surrogates
// included, are offered to the writer: what it accepts reads back from the
// file as it reads from memory, and what it refuses leaves the file as it was.
#include "FuzzSupport.h"

#include "platform/Files.h"
#include "platform/IniFiles.h"

#include <vector>

namespace {

struct TValue {
  QString Section, Ident, Value;
};

std::vector<TValue> ValuesOf(const TIniFile& Ini) {
  std::vector<TValue> values;
  for (const QString& section : Ini.ReadSections())
    for (const QString& ident : Ini.ReadSection(section))
      values.push_back({section, ident, Ini.ReadString(section, ident, QString())});
  return values;
}

bool Same(const std::vector<TValue>& A, const std::vector<TValue>& B) {
  if (A.size() != B.size()) return false;
  for (size_t i = 0; i < A.size(); ++i)
    if (A[i].Section != B[i].Section || A[i].Ident != B[i].Ident || A[i].Value != B[i].Value) return false;
  return true;
}

// The writes of the raw lines: the current "[...]" line's text is the section,
// a line's text up to its first "=" the key, the rest the value, nothing trimmed.
void OfferRawLines(const QString& Path, const QByteArray& Bytes) {
  TIniFile ini(Path);
  QString section;
  int offered = 0;
  for (const QString& line : DecodeText(Bytes).split(u'\n')) {
    if (++offered > 64) break;
    if (line.startsWith(u'[')) {
      section = line.mid(1, line.lastIndexOf(u']') - 1);
      continue;
    }
    const qsizetype eq = line.indexOf(u'=');
    const QString ident = eq < 0 ? line : line.left(eq), value = eq < 0 ? QString() : line.mid(eq + 1);
    const QByteArray before = fuzz::ReadFile(Path);
    if (!ini.WriteString(section, ident, value)) {
      if (fuzz::ReadFile(Path) != before) std::abort();
      continue;
    }
    const TIniFile reread(Path);
    if (!reread.ValueExists(section, ident)) std::abort();
    if (reread.ReadString(section, ident, QString()) != ini.ReadString(section, ident, QString())) std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QString source = fuzz::ScratchFolder() + "/source.ini";
  const QString copy = fuzz::ScratchFolder() + "/copy.ini";
  const QByteArray bytes = fuzz::Bytes(data, size);
  fuzz::WriteFile(source, bytes);
  QFile::remove(copy);

  const TIniFile in(source);
  const std::vector<TValue> read = ValuesOf(in);
  {
    TIniFile out(copy);
    for (const TValue& v : read) {
      in.ReadInteger(v.Section, v.Ident, 0);
      if (!out.WriteString(v.Section, v.Ident, v.Value)) std::abort();
    }
  }
  if (!read.empty()) {
    const QByteArray written = fuzz::ReadFile(copy);
    TIniFile again(copy);
    if (!Same(ValuesOf(again), read)) std::abort();
    if (!again.WriteString(read[0].Section, read[0].Ident, read[0].Value)) std::abort();
    if (fuzz::ReadFile(copy) != written) std::abort();
  }
  OfferRawLines(copy, bytes);
  return 0;
}
