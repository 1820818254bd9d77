#include "common/tables/RowOperations.h"

#include "common/ShellState.h"
#include "common/tables/TableCells.h"
#include "grid/core/PlexStringGrid.h"
#include "platform/Dialogs.h"

namespace {
constexpr QChar EnterKey = QChar(13);
constexpr int EnableColumn = 1;

// One past the last data column, hidden columns counted.
int ColumnEnd(TPlexStringGrid* Grid) { return Grid->ColCount() + Grid->NumHiddenColumns(); }

bool IsDataRow(TPlexStringGrid* Grid, int ARow) { return Grid && ARow >= 1 && ARow < Grid->RowCount(); }

TStringList& Clipboard() {
  // The main window creates it at start; a table used before (tests) gets it here.
  if (!RowClipboard) RowClipboard = new TStringList;
  return *RowClipboard;
}

// Steps 1 and 2 of both pastes: a row of this table, with this table's width.
bool ClipboardFits(TPlexStringGrid* Grid, bool Copied) {
  if (!Copied) {
    MessageDlg(LangText(TextCopyBeforePaste), mtError, {mbOK});
    return false;
  }
  if (Clipboard().Count() != ColumnEnd(Grid) - 1) {
    MessageDlg(LangText(TextCopyValuesError), mtError, {mbOK});
    return false;
  }
  return true;
}

// The cells are stored without painting them one by one: a row operation
// shows its result at once, as a whole.
void ShowRowChange(TPlexStringGrid* Grid) { Grid->Invalidate(); }

bool OverwriteConfirmed() { return MessageDlg(LangText(TextRowAlreadyUsed), mtConfirmation, mbYesNo) == mrYes; }

bool HoldsCheckBox(TPlexStringGrid* Grid, int ACol, int ARow, bool& State) {
  return Grid->GetCheckBoxState(ACol, ARow, State);
}

// Gives cell (ACol, To) what cell (ACol, From) holds: a check box its state, any other cell its text.
void MoveStringCell(TPlexStringGrid* Grid, int ACol, int From, int To) {
  bool state = false;
  if (HoldsCheckBox(Grid, ACol, From, state))
    Grid->SetCheckBoxState(ACol, To, state);
  else
    Grid->SetCellEx(ACol, To, Grid->GetCellEx(ACol, From));
  Grid->SetReadOnly(ACol, To, Grid->ReadOnly(ACol, From));
}

// An emptied string-grid row: texts cleared, check boxes off but the Enable
// one when asked, every cell editable.
void ClearStringRow(TPlexStringGrid* Grid, int ARow, bool SetEnable) {
  for (int c = 1; c < ColumnEnd(Grid); ++c) {
    bool state = false;
    if (HoldsCheckBox(Grid, c, ARow, state))
      Grid->SetCheckBoxState(c, ARow, SetEnable && c == EnableColumn);
    else
      Grid->SetCellEx(c, ARow, QString());
    Grid->SetReadOnly(c, ARow, false);
  }
}
}  // namespace

void GridAutoSizeColumn(TPlexStringGrid* Grid, int ARow, int ACol) {
  if (!Grid || !DoubleClickAutoSize || ARow != 0) return;
  Grid->AutoSizeCol(ACol, 0);
}

void GridEnterKeyAdvance(TPlexStringGrid* Grid, QChar& Key) {
  if (!Grid || !EnableJumpFieldTables || Key != EnterKey) return;
  if (Grid->Col() > 0 && Grid->Row() > 0) {
    if (Grid->Col() < Grid->ColCount() - 1) {
      Grid->SetCol(Grid->Col() + 1);
    } else {
      Grid->SetCol(1);
      Grid->SetRow(Grid->Row() < Grid->RowCount() - 1 ? Grid->Row() + 1 : 1);
    }
  }
  // The grid never sees Enter itself, or it would open or close its editor.
  Key = QChar(0);
}

void GridCopyRow(TPlexStringGrid* Grid, int ARow) {
  if (!IsDataRow(Grid, ARow)) return;
  Clipboard().Clear();
  for (int c = 1; c < ColumnEnd(Grid); ++c) Clipboard().Add(Grid->GetCellEx(c, ARow));
}

void GridPasteRow(TPlexStringGrid* Grid, int ARow, bool Copied) {
  if (!IsDataRow(Grid, ARow) || !ClipboardFits(Grid, Copied)) return;
  bool used = false;
  for (int c = 1; c < ColumnEnd(Grid) && !used; ++c)
    used = Grid->GetCellType(c, ARow) != ctDataCheckBox && !TableTrim(Grid->GetCellEx(c, ARow)).isEmpty();
  if (used && !OverwriteConfirmed()) return;
  for (int c = 1; c < ColumnEnd(Grid); ++c) Grid->SetCellEx(c, ARow, Clipboard()[c - 1]);
  ShowRowChange(Grid);
}

void GridDeleteRow(int ARow, TPlexStringGrid* Grid) {
  if (!IsDataRow(Grid, ARow)) return;
  const int last = Grid->RowCount() - 1;
  for (int r = ARow; r < last; ++r)
    for (int c = 1; c < ColumnEnd(Grid); ++c) Grid->SetCellEx(c, r, Grid->GetCellEx(c, r + 1));
  for (int c = 1; c < ColumnEnd(Grid); ++c) Grid->SetCellEx(c, last, QString());
  ShowRowChange(Grid);
}

void GridInsertRow(int ARow, TPlexStringGrid* Grid, bool SetEnable) {
  if (!IsDataRow(Grid, ARow)) return;
  for (int r = Grid->RowCount() - 2; r >= ARow; --r)
    for (int c = 1; c < ColumnEnd(Grid); ++c) Grid->SetCellEx(c, r + 1, Grid->GetCellEx(c, r));
  for (int c = 1; c < ColumnEnd(Grid); ++c) Grid->SetCellEx(c, ARow, QString());
  if (SetEnable) Grid->SetCellEx(EnableColumn, ARow, "Y");
  ShowRowChange(Grid);
}

void StringGridCopyRow(TPlexStringGrid* Grid, int ARow) {
  if (!IsDataRow(Grid, ARow)) return;
  Clipboard().Clear();
  RowClipboardCheckFlags.assign(size_t(ColumnEnd(Grid) - 1), false);
  for (int c = 1; c < ColumnEnd(Grid); ++c) {
    bool state = false;
    const bool box = HoldsCheckBox(Grid, c, ARow, state);
    RowClipboardCheckFlags[size_t(c - 1)] = box;
    Clipboard().Add(box ? (state ? "Y" : "N") : Grid->GetCellEx(c, ARow));
  }
}

void StringGridPasteRow(TPlexStringGrid* Grid, int ARow, bool Copied) {
  if (!IsDataRow(Grid, ARow) || !ClipboardFits(Grid, Copied)) return;
  bool used = false;
  for (int c = 1; c < ColumnEnd(Grid) && !used; ++c) {
    bool state = false;
    // Untrimmed on purpose: a cell of blanks counts as used here.
    used = !HoldsCheckBox(Grid, c, ARow, state) && !Grid->GetCellEx(c, ARow).isEmpty();
  }
  if (used && !OverwriteConfirmed()) return;
  for (int c = 1; c < ColumnEnd(Grid); ++c) {
    const QString& entry = Clipboard()[c - 1];
    const bool flagged = size_t(c - 1) < RowClipboardCheckFlags.size() && RowClipboardCheckFlags[size_t(c - 1)];
    if (flagged)
      Grid->SetCheckBoxState(c, ARow, entry == "Y");
    else
      Grid->SetCellEx(c, ARow, entry);
  }
  ShowRowChange(Grid);
}

void StringGridDeleteRow(int ARow, TPlexStringGrid* Grid, bool SetEnable) {
  if (!IsDataRow(Grid, ARow)) return;
  const int last = Grid->RowCount() - 1;
  for (int r = ARow; r < last; ++r)
    for (int c = 1; c < ColumnEnd(Grid); ++c) MoveStringCell(Grid, c, r + 1, r);
  ClearStringRow(Grid, last, SetEnable);
  ShowRowChange(Grid);
}

void StringGridInsertRow(int ARow, TPlexStringGrid* Grid, bool SetEnable) {
  if (!IsDataRow(Grid, ARow)) return;
  for (int r = Grid->RowCount() - 2; r >= ARow; --r)
    for (int c = 1; c < ColumnEnd(Grid); ++c) MoveStringCell(Grid, c, r, r + 1);
  ClearStringRow(Grid, ARow, SetEnable);
  ShowRowChange(Grid);
}
