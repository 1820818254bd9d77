#include "grid/foundation/ThemeApi.h"

#include "platform/Themes.h"

const std::array<const char*, TThemeApiTable::EntryCount> ThemeApiEntryNames = {"OpenThemeData",
                                                                                "CloseThemeData",
                                                                                "DrawThemeBackground",
                                                                                "DrawThemeText",
                                                                                "GetThemeBackgroundContentRect",
                                                                                "GetThemeBackgroundExtent",
                                                                                "GetThemeTextExtent",
                                                                                "GetThemeTextMetrics",
                                                                                "GetThemeBackgroundRegion",
                                                                                "HitTestThemeBackground",
                                                                                "DrawThemeEdge",
                                                                                "DrawThemeIcon",
                                                                                "IsThemePartDefined",
                                                                                "IsThemeBackgroundPartiallyTransparent",
                                                                                "GetThemeColor",
                                                                                "GetThemeMetric",
                                                                                "GetThemeString",
                                                                                "GetThemeBool",
                                                                                "GetThemeInt",
                                                                                "GetThemeEnumValue",
                                                                                "GetThemePosition",
                                                                                "GetThemeFont",
                                                                                "GetThemeRect",
                                                                                "GetThemeMargins",
                                                                                "GetThemeIntList",
                                                                                "SetWindowTheme",
                                                                                "GetThemeFilename",
                                                                                "GetThemeSysColor",
                                                                                "GetThemeSysColorBrush",
                                                                                "GetThemeSysBool",
                                                                                "GetThemeSysSize",
                                                                                "GetThemeSysFont",
                                                                                "GetThemeSysString",
                                                                                "GetThemeSysInt",
                                                                                "IsThemeActive",
                                                                                "IsAppThemed",
                                                                                "GetWindowTheme",
                                                                                "EnableThemeDialogTexture",
                                                                                "IsThemeDialogTextureEnabled",
                                                                                "GetThemeAppProperties",
                                                                                "SetThemeAppProperties",
                                                                                "GetCurrentThemeName",
                                                                                "GetThemeDocumentationProperty",
                                                                                "DrawThemeParentBackground",
                                                                                "EnableTheming"};

void TThemeApiTable::Load() {
  if (FLoaded) return;
  IThemeServices& services = ThemeServices();
  if (!services.LibraryLoads()) return;
  std::array<bool, EntryCount> resolved{};
  for (int i = 0; i < EntryCount; ++i) {
    resolved[size_t(i)] = services.HasEntryPoint(QString::fromLatin1(ThemeApiEntryNames[size_t(i)]));
    // A library without one of the operations is not used at all.
    if (!resolved[size_t(i)]) return;
  }
  FResolved = resolved;
  FLoaded = true;
}

void TThemeApiTable::Unload() {
  FLoaded = false;
  FResolved.fill(false);
}

bool TThemeApiTable::IsThemeActive() const { return FLoaded && ThemeServices().IsThemeActive(); }

TThemeApiTable& PlexThemeApi() {
  static TThemeApiTable table;
  return table;
}

TThemeApiTable& DropDownThemeApi() {
  static TThemeApiTable table;
  return table;
}

void LoadThemeApi() { PlexThemeApi().Load(); }
void UnloadThemeApi() { PlexThemeApi().Unload(); }
void LoadDropDownThemeApi() { DropDownThemeApi().Load(); }
void UnloadDropDownThemeApi() { DropDownThemeApi().Unload(); }
