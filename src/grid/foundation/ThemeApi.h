// The grid's tables of visual-style operations: one for the grid, its
// editors, painters and buttons, one for the drop-down controls. A table is
// loaded once for the run and counts as loaded only when the library was
// there and had every one of its operations; otherwise themes stay off.
#pragma once

#include <QString>

#include <array>

class TThemeApiTable {
public:
  static constexpr int EntryCount = 45;

  // Nothing when already loaded; retried when an earlier load failed.
  void Load();
  void Unload();
  bool Loaded() const { return FLoaded; }
  bool Resolved(int Index) const { return FResolved.at(size_t(Index)); }
  // The services' answer, asked only of a loaded table; false otherwise.
  bool IsThemeActive() const;

private:
  bool FLoaded = false;
  std::array<bool, EntryCount> FResolved{};
};

// The operation names, in the order the tables resolve them.
extern const std::array<const char*, TThemeApiTable::EntryCount> ThemeApiEntryNames;

TThemeApiTable& PlexThemeApi();
TThemeApiTable& DropDownThemeApi();
void LoadThemeApi();
void UnloadThemeApi();
void LoadDropDownThemeApi();
void UnloadDropDownThemeApi();
