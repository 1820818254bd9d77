#include "grid/foundation/OfficeTheme.h"

#include "platform/Registry.h"
#include "platform/Themes.h"

#include <array>

namespace {

// Colour-scheme names of the desktop's visual style, by scheme number.
constexpr std::array<const char*, 3> SchemeWords = {"NormalColor", "HomeStead", "Metallic"};

constexpr std::array<TOfficeTheme, 3> Office2010Themes = {ot2010Blue, ot2010Silver, ot2010Black};
constexpr std::array<TOfficeTheme, 3> Office2007Themes = {ot2007Blue, ot2007Silver, ot2007Black};
constexpr std::array<TOfficeTheme, 4> SchemeThemes = {ot2003Classic, ot2003Blue, ot2003Olive, ot2003Silver};

}  // namespace

QString DefaultUiFontName() { return IsVistaOrLater() ? QStringLiteral("Segoe UI") : QStringLiteral("Tahoma"); }

int GetXPColorScheme() {
  if (!IsWinXPOrLater()) return 0;
  IThemeServices& services = ThemeServices();
  if (!services.LibraryLoads()) return 0;
  if (!services.HasEntryPoint("IsThemeActive") || !services.IsThemeActive() || !IsComCtl6()) return 0;
  if (!services.HasEntryPoint("GetCurrentThemeName")) return 0;
  QString file, colour, size;
  if (!services.GetCurrentThemeName(file, colour, size) || colour.isEmpty()) return 0;
  // A name that is a part of a scheme's word counts as that scheme.
  for (size_t i = 0; i < SchemeWords.size(); ++i)
    if (QString::fromLatin1(SchemeWords[i]).contains(colour)) return int(i) + 1;
  return 0;
}

int GetOfficeVersion() {
  TRegistry reg;
  reg.RootKey = HKEY_CURRENT_USER;
  if (reg.KeyExists(Office14CommonKey + "\\General")) return 2;
  if (reg.KeyExists(Office12CommonKey + "\\General")) return 1;
  return 0;
}

int ReadOfficeThemeValue(TRegistry& Reg, const QString& Key) {
  if (!Reg.KeyExists(Key) || !Reg.OpenKeyReadOnly(Key)) return -1;
  int v = -1;
  if (Reg.ValueExists("Theme")) v = Reg.ReadInteger("Theme");
  Reg.CloseKey();
  return v;
}

TOfficeTheme GetOfficeTheme() {
  TRegistry reg;
  reg.RootKey = HKEY_CURRENT_USER;
  int v = ReadOfficeThemeValue(reg, Office14CommonKey);
  if (v >= 1 && v <= 3) return Office2010Themes[size_t(v - 1)];
  if (v != -1) return ot2003Blue;
  v = ReadOfficeThemeValue(reg, Office12CommonKey);
  if (v >= 1 && v <= 3) return Office2007Themes[size_t(v - 1)];
  if (v != -1) return ot2003Blue;
  const int scheme = GetXPColorScheme();
  return scheme >= 0 && scheme <= 3 ? SchemeThemes[size_t(scheme)] : ot2003Classic;
}
