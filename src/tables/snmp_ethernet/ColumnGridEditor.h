// The table editors of this folder: a table editor whose tables are column
// grids set up from constexpr column tables (width, colour, editor, items).
#pragma once

#include "common/tables/TableEditorForm.h"

#include <span>

class TPlexColumnGrid;

struct TColumnDef;

class TColumnGridEditor : public TTableEditorForm {
public:
  TColumnGridEditor(TComponent* AOwner, const TTableEditorSetup& Setup);

  void Set_Lang() override;

protected:
  // A new column grid for the next table, its columns as the table states.
  TPlexColumnGrid* AddColumnGrid(std::span<const TColumnDef> Columns, int RowCount, const TEditorTableSetup& Setup,
                                 int NumberHeader);
  void SetColumnHeader(int Table, int ACol, const QString& Text) override;
  // The items "0" .. Count - 1 of a position column.
  void FillNumberItems(int Table, int ACol, int Count);
  TPlexColumnGrid* ColumnGrid(int Table) const;

private:
  std::vector<int> FNumberHeaders;
};
