#include "common/LangFormat.h"

#include "common/DefaultTexts.h"
#include "common/ShellState.h"
#include "platform/SysUtils.h"

namespace {

bool IsFlagOrWidth(QChar c) { return c == '-' || c == '.' || c.isDigit(); }

QString DefaultText(int id) {
  const auto texts = DefaultTexts();
  if (id < 0 || id >= int(texts.size()) || texts[size_t(id)].Id != id) return QString();
  return QString::fromUtf16(texts[size_t(id)].Text);
}

}  // namespace

bool HasIntegerPlaceholders(const QString& text, int count) {
  int found = 0;
  const int n = int(text.size());
  for (int i = 0; i < n; ++i) {
    if (text[i] != '%') continue;
    if (i + 1 < n && text[i + 1] == '%') {
      ++i;
      continue;
    }
    int j = i + 1;
    while (j < n && IsFlagOrWidth(text[j])) ++j;
    if (j >= n || !text[j].isLetter()) continue;
    if (j != i + 1 || text[j] != 'd') return false;
    ++found;
    i = j;
  }
  return found == count;
}

QString LangFormat(int id, std::initializer_list<QVariant> args) {
  QString text = LangText(id);
  if (!HasIntegerPlaceholders(text, int(args.size()))) text = DefaultText(id);
  return Format(text, args);
}
