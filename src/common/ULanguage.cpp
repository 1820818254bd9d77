#include "common/ULanguage.h"

#include "common/DefaultTexts.h"
#include "common/ShellState.h"
#include "platform/Files.h"
#include "platform/SysUtils.h"

#include <QFileInfo>

namespace {

// A translation of all 5,600 texts is well below a megabyte; anything far
// larger is no language file and is not read at all.
constexpr qint64 MaxLanguageFileSize = qint64(16) << 20;

const QChar Pilcrow(0x00B6);

// One line of a language file: its id and text, or false when the line does
// not set an entry.
bool ParseLanguageLine(const QString& raw, int& id, QString& text) {
  const QString line = Trim(raw);
  if (!line.startsWith(QLatin1String("STR"))) return false;
  const int p = Pos("=", line);
  if (p == 0) return false;
  // The character right before "=" is the blank of "STR<id> =", never a digit of the id.
  id = StrToIntDef(Trim(Copy(line, 4, p - 5)), -1);
  if (id < 0 || id >= LanguageIdLimit) return false;
  text = Trim(Copy(line, p + 1, line.size()));
  if (text.isEmpty()) return false;
  if (const int c = Pos("/#/", text); c > 0) {
    text = Trim(text.left(c - 1));
    // Nothing left before the comment: the entry keeps what it had, as for an empty text.
    if (text.isEmpty()) return false;
  }
  // Pilcrows fence a text whose blanks at either end belong to it.
  if (text.startsWith(Pilcrow)) text.remove(0, 1);
  if (const int e = text.indexOf(Pilcrow); e >= 0) text.truncate(e);
  return true;
}

}  // namespace

void FillDefaultTexts() {
  if (!LanguageTexts) LanguageTexts = new TStringList();
  LanguageTexts->BeginUpdate();
  LanguageTexts->Clear();
  for (const TDefaultText& t : DefaultTexts()) LanguageTexts->Add(QString::fromUtf16(t.Text));
  LanguageTexts->EndUpdate();
  LanguageIdLimit = 5500;
}

void ApplyLanguageText(const QString& text) {
  if (!LanguageTexts) return;
  int start = 0;
  const int n = text.size();
  while (start < n) {
    int end = start;
    while (end < n && text[end] != QChar('\r') && text[end] != QChar('\n')) ++end;
    int id = -1;
    QString value;
    if (ParseLanguageLine(text.mid(start, end - start), id, value) && id < LanguageTexts->Count())
      LanguageTexts->SetStrings(id, value);
    start = end + 1;
  }
}

bool LoadLanguageFile(const QString& path) {
  // Only a regular file: a device or a pipe under that name would never end.
  if (!QFileInfo(path).isFile()) return false;
  QByteArray bytes;
  if (!ReadFileBytes(path, bytes, MaxLanguageFileSize)) return false;
  ApplyLanguageText(DecodeText(bytes, nullptr, /*utf8WithoutBom=*/false));
  return true;
}

// A language is a file name inside LANGUAGE; a name from the settings file
// that would reach another folder is no language.
static bool IsLanguageFileName(const QString& name) {
  return !name.isEmpty() && !name.startsWith('.') && !name.contains('/') && !name.contains('\\');
}

void LoadLanguage() {
  FillDefaultTexts();
  const QString chosen = LanguageFolder + PathDelim + LanguageName + ".lng";
  if (IsLanguageFileName(LanguageName) && FileExists(chosen)) {
    LoadLanguageFile(chosen);
    return;
  }
  LanguageName = "English";
  const QString english = LanguageFolder + PathDelim + "English.lng";
  if (FileExists(english)) LoadLanguageFile(english);
}
