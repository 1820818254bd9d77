// OLE drag and drop of cells, rows and columns.
#pragma once

#include "grid/foundation/GridPersistent.h"

class TPlexStringGrid;

class TDragDropSettings : public TGridPersistent {
public:
  explicit TDragDropSettings(TPlexStringGrid* AGrid) : FGrid(AGrid) {}
  // Plain values: no drop target is registered on Assign.
  void Assign(const TGridPersistent* Source) override;

  bool OleDropTarget() const { return FOleDropTarget; }
  // Registering the grid as a drop target belongs to the drag-and-drop unit;
  // the grid records the request until then.
  void SetOleDropTarget(bool Value);
  bool OleDropRTF() const { return FOleDropRTF; }
  void SetOleDropRTF(bool Value);

  bool OleDropSource = false;
  bool OleAcceptFiles = true;
  bool OleAcceptText = true;
  bool OleAcceptURLs = true;
  bool OleAppendRows = false;
  bool ShowCells = true;
  bool OleEntireRows = false;
  bool OleRemoveRows = false;
  bool OleInsertRows = false;
  bool OleCopyAlways = false;
  bool OleColumnDragDrop = false;
  bool OleColumnReorder = false;
  bool OleColumnsOnly = false;

private:
  TPlexStringGrid* FGrid;
  bool FOleDropTarget = false;
  bool FOleDropRTF = false;
};
