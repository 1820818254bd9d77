// The row actions every table editor offers (copy, paste, delete, insert a
// row; Enter moves to the next cell; a header double click sizes a column),
// with the one row clipboard of the whole program (RowClipboard).
//
// Every operation works on the data columns 1 .. ColCount + NumHiddenColumns
// - 1, so hidden columns travel with their row; row 0 and column 0 are never
// touched. A row outside 1 .. RowCount - 1 makes an operation do nothing.
//
// The column-grid family takes any string grid whose check boxes are data
// check boxes (their cell text is "Y" or "N"), the column grid above all; the
// string-grid family also moves check-box states and read-only flags.
#pragma once

#include <QChar>

class TPlexStringGrid;

// Text ids of the row operations' messages.
inline constexpr int TextRowAlreadyUsed = 1500;
inline constexpr int TextCopyValuesError = 1501;
inline constexpr int TextCopyBeforePaste = 1502;

// A double click on a header cell sizes its column when DoubleClickAutoSize is on.
void GridAutoSizeColumn(TPlexStringGrid* Grid, int ARow, int ACol);
// With EnableJumpFieldTables on, Enter moves to the next data cell (wrapping to
// the next row, and from the last row to row 1) and is always consumed.
void GridEnterKeyAdvance(TPlexStringGrid* Grid, QChar& Key);

void GridCopyRow(TPlexStringGrid* Grid, int ARow);
// `Copied`: the clipboard holds a row of this same table from this showing.
void GridPasteRow(TPlexStringGrid* Grid, int ARow, bool Copied);
void GridDeleteRow(int ARow, TPlexStringGrid* Grid);
void GridInsertRow(int ARow, TPlexStringGrid* Grid, bool SetEnable);

void StringGridCopyRow(TPlexStringGrid* Grid, int ARow);
void StringGridPasteRow(TPlexStringGrid* Grid, int ARow, bool Copied);
void StringGridDeleteRow(int ARow, TPlexStringGrid* Grid, bool SetEnable);
void StringGridInsertRow(int ARow, TPlexStringGrid* Grid, bool SetEnable);
