// The columns of a column-grid table as the Modbus and BACnet editors list
// them: one constexpr row per column with its width, header text, file
// attribute, editor, fixed items and colour. The grid's column definitions and
// the file's saved columns are both made from that one list.
#pragma once

#include "common/tables/ProjectTableFile.h"
#include "grid/foundation/CellProperties.h"
#include "platform/Graphics.h"

#include <QString>

#include <array>
#include <cstddef>
#include <span>

class TGridColumnItem;
class TPlexColumnGrid;

using TColumnItems = std::span<const char16_t* const>;

struct TTableColumn {
  int Width = 0;
  // Text id of the header.
  int Header = 0;
  // The file attribute; nullptr: the column is not saved.
  const char16_t* Attribute = nullptr;
  // The text a missing attribute gives; nullptr: the attribute is required.
  const char16_t* Default = nullptr;
  TEditorType Editor = edNormal;
  TColor Color = clNone;
  TColumnItems Items = {};
  bool Converted = false;
};

// The saved columns of a table, in column order, for its ProjectTableFile.
template <const auto& Columns>
constexpr auto SavedColumns() {
  constexpr std::size_t count = [] {
    std::size_t n = 0;
    for (const TTableColumn& c : Columns) n += c.Attribute ? 1 : 0;
    return n;
  }();
  std::array<TTableFileColumn, count> saved{};
  std::size_t k = 0;
  for (std::size_t i = 0; i < Columns.size(); ++i)
    if (Columns[i].Attribute) saved[k++] = {int(i), Columns[i].Attribute, Columns[i].Default, Columns[i].Converted};
  return saved;
}

// Sizes the grid and gives each column its definition: width, colour, editor
// with its items, centred data check boxes writing "Y"/"N".
void BuildColumns(TPlexColumnGrid* Grid, std::span<const TTableColumn> Columns, int RowCount);
// Every header, row number column included, from LanguageTexts.
void PutColumnHeaders(TPlexColumnGrid* Grid, std::span<const TTableColumn> Columns);
// The items "0" .. Count - 1 of a position column, the list cleared first.
void FillNumberItems(TGridColumnItem* Column, int Count);
