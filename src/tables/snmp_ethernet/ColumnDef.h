// The constexpr column tables of this folder's editors: one entry per real
// column of a column grid, column 0 (the row number) first.
#pragma once

#include "grid/core/PlexStringGridEvents.h"
#include "platform/Graphics.h"

#include <span>

// One column of a column grid; column 0 is the row number.
struct TColumnDef {
  int Width = 50;
  TColor Color = clWhite;
  TEditorType Editor = edNormal;
  std::span<const char16_t* const> Items = {};
  int EditLength = 0;
};

// The item list of a column table, as a column definition takes it.
template <size_t N>
constexpr std::span<const char16_t* const> ItemList(const char16_t* const (&Items)[N]) {
  return {Items, N};
}
