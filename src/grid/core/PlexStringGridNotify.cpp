// Row, cell and notification hooks: the keyboard's row deletion, the text a
// writer stores for a cell, the old value kept before an edit, and the
// cells-changed notification that keeps footers and notifiers up to date.
#include "grid/core/PlexStringGrid.h"

#include "grid/core/GridChangeNotifier.h"
#include "grid/foundation/PsgHTMLE.h"
#include "grid/foundation/TextRoutines.h"

#include <algorithm>

void TPlexStringGrid::AutoDeleteRow(int ARow) {
  if (HasNodes()) {
    if (GetParentRow(ARow) == -1)
      RemoveNormalRow(ARow);
    else
      RemoveChildRow(ARow);
  } else if (RowCount() - FixedRows() - FFixedFooters == 1 && !FixedRowAlways) {
    // The only normal row is emptied, not removed: the grid keeps a row to type in.
    ClearRows(ARow, 1);
  } else {
    RemoveRows(ARow, 1);
  }
  if (OnAutoDeleteRow) OnAutoDeleteRow(this, ARow);
}

void TPlexStringGrid::DoSaveCell(int ACol, int ARow, QString& Value) {
  Value = SaveVirtCells ? GetFormattedCell(ACol, ARow) : GetGridCell(ACol, ARow);
  if (Value.isEmpty()) {
    const TCellType type = GetCellType(ACol, ARow);
    // The state is asked of the cell's real row: the same box, whatever rows are hidden.
    TCheckBoxState state = cbUnchecked;
    if ((type == ctCheckBox || type == ctTriStateCheckBox) && GetCheckBoxState(ACol, RealRowIndex(ARow), state)) {
      if (state == cbChecked)
        DoGetCheckTrue(ACol, ARow, Value);
      else
        DoGetCheckFalse(ACol, ARow, Value);
    }
  }
  const int kind = CellTextKind(Value, true);
  if (kind == ctkHtml && !SaveWithHTML) Value = StripHtmlTags(Value);
  if (kind == ctkRichText) {
    if (SaveWithRTF)
      Value.remove('\r').remove('\n');
    else
      Value = RichTextRenderer().PlainText(Value);
  }
  if (OnSaveCell) OnSaveCell(this, ACol, ARow, Value);
}

void TPlexStringGrid::DoCellsChanged(const TRect& Cells) {
  if (OnCellsChanged) OnCellsChanged(this, Cells);
  // A copy: a notifier may unregister itself while it is told.
  const std::vector<TObject*> notifiers = FChangeNotifiers;
  for (TObject* n : notifiers)
    if (std::find(FChangeNotifiers.begin(), FChangeNotifiers.end(), n) != FChangeNotifiers.end())
      static_cast<TGridChangeNotifier*>(n)->CellsChanged(Cells);
  CalcFooter(-1);
}

void TPlexStringGrid::RegisterNotifier(TGridChangeNotifier* ANotifier) {
  if (!ANotifier || std::find(FChangeNotifiers.begin(), FChangeNotifiers.end(), ANotifier) != FChangeNotifiers.end())
    return;
  FChangeNotifiers.push_back(ANotifier);
  // The grid never frees a notifier; one that is freed leaves the list.
  ANotifier->FreeNotification(this);
}

void TPlexStringGrid::UnRegisterNotifier(TGridChangeNotifier* ANotifier) {
  auto it = std::find(FChangeNotifiers.begin(), FChangeNotifiers.end(), ANotifier);
  if (it == FChangeNotifiers.end()) return;
  FChangeNotifiers.erase(it);
  ANotifier->RemoveFreeNotification(this);
}

void TPlexStringGrid::NotifierRemoved(TComponent* AComponent) {
  auto it = std::find(FChangeNotifiers.begin(), FChangeNotifiers.end(), AComponent);
  if (it != FChangeNotifiers.end()) FChangeNotifiers.erase(it);
}
