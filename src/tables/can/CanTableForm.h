// The shape every CAN-family table editor shares: column grids built from a
// table of column descriptions (width, colour, editor), the fixed column's header
// translated with the others, the position lists of the drop-down columns, and
// the editor's own steps at the end of each showing.
#pragma once

#include "common/tables/TableEditorForm.h"
#include "grid/foundation/CellProperties.h"
#include "platform/Types.h"

#include <QString>

#include <span>
#include <vector>

class TPlexColumnGrid;
class TStringList;

// One column of a grid, column 0 first.
struct TCanColumn {
  int Width = 50;
  TColor Color = clWindow;
  TEditorType Editor = edNormal;
};

// Column colours of the CAN-family tables, red in the low byte.
namespace CanColors {
constexpr TColor Enable = 0xB0D8FF;
constexpr TColor Frame = 0xFEFAE0;
constexpr TColor Timing = 0xA8FFA8;
constexpr TColor Position = 0xF4D6FC;
}  // namespace CanColors

// A cell as the CAN tables read an integer: the platform's common conversion
// ("$", "x" and "0x" in either case), -1 for anything else.
int CanCellInt(const QString& Text);
bool CanInRange(int Value, int Low, int High);

// "None" (when asked) followed by "0" .. Count - 1, as the drop-down of a position column offers them.
void FillPositionItems(TStringList& Items, int Count, bool WithNone);

class TCanTableForm : public TTableEditorForm {
public:
  TCanTableForm(TComponent* AOwner, const TTableEditorSetup& Setup);

  void Set_Lang() override;
  // The editor's first steps (BeforeShow), the base's showing, then the editor's last steps (AfterShow).
  void FormShow(TObject* Sender);

  TPlexColumnGrid* ColumnGrid(int Table) const;

protected:
  // Builds the column grid of the next table from its column descriptions, then adds
  // the table. FixedHeader is the text id of column 0's header.
  void AddColumnGrid(TPlexColumnGrid* Grid, const TEditorTableSetup& Table, std::span<const TCanColumn> Columns,
                     int Rows, int FixedHeader, int RowHeight = 0);
  // The drop-down items of column ACol of the table's grid.
  TStringList& ColumnItems(int Table, int ACol) const;
  void SetColumnHeader(int Table, int ACol, const QString& Text) override;
  virtual void BeforeShow() {}
  virtual void AfterShow() {}

private:
  std::vector<int> FFixedHeaders;
};
