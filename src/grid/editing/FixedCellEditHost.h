// What the editors of a fixed (header) cell ask of the grid that owns them:
// the grid's validation and editing-done events, its cell store and its
// current cell. The string grid implements it.
#pragma once

#include <QString>

class IFixedCellEditHost {
public:
  virtual ~IFixedCellEditHost() = default;
  // Fires OnCellValidate when assigned; the handler may rewrite Value and refuse it.
  virtual void FixedCellValidate(int ACol, int ARow, QString& Value, bool& Valid) = 0;
  // Fires OnEditingDone when assigned.
  virtual void FixedCellEditingDone() = 0;
  // Stores the text in the grid's cell store (ACol real).
  virtual void StoreFixedCellText(int ACol, int ARow, const QString& Value) = 0;
  // Makes the cell the grid's current column and row.
  virtual void FocusFixedCell(int ACol, int ARow) = 0;
};
