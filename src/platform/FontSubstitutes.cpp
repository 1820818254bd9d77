#include "platform/FontSubstitutes.h"

#include "platform/internal/FontSubstitutes.h"

#include <QFont>
#include <QFontDatabase>
#include <QHash>

namespace {

// Faces the forms name, and what stands in for them when they are missing.
// Installed with the program's dependencies; metrics close to the named faces.
struct FontSubstitute {
  const char* Name;
  const char* Family;
};
constexpr FontSubstitute kFontSubstitutes[] = {
    {"tahoma", "DejaVu Sans"},
    {"verdana", "DejaVu Sans"},
    {"segoe ui", "DejaVu Sans"},
    {"ms sans serif", "DejaVu Sans"},
    {"microsoft sans serif", "DejaVu Sans"},
    {"arial", "DejaVu Sans"},
    {"courier new", "DejaVu Sans Mono"},
    {"times new roman", "DejaVu Serif"},
};

}  // namespace

QString SubstituteFamily(const QString& name) {
  static QHash<QString, QString> cache;
  auto it = cache.constFind(name);
  if (it != cache.constEnd()) return *it;
  QString family = name;
  if (!QFontDatabase::hasFamily(name)) {
    const QString key = name.toLower();
    for (const FontSubstitute& s : kFontSubstitutes)
      if (key == QLatin1String(s.Name)) family = QString::fromLatin1(s.Family);
  }
  cache.insert(name, family);
  return family;
}

void SubstituteFormFonts() {
  for (const FontSubstitute& s : kFontSubstitutes)
    QFont::insertSubstitution(QString::fromLatin1(s.Name), QString::fromLatin1(s.Family));
}
