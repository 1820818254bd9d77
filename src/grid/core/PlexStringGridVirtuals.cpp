// The base behaviour of the string grid's virtual operations: a Do operation
// fires its event, which has the last word; the others answer what the grid
// itself knows. Descendants override them.
#include "grid/core/PlexStringGrid.h"

#include "grid/core/CellHtmlText.h"

#include <algorithm>

namespace {
// Fires an event when it is assigned.
template <class Event, class... Args>
void Fire(const Event& E, Args&&... A) {
  if (E) E(std::forward<Args>(A)...);
}
}  // namespace

// ---- group 1
void TPlexStringGrid::DoCalcFooter(int ACol, QString& Value) { Fire(OnCalcFooter, this, ACol, Value); }
void TPlexStringGrid::DoClickSort(int ACol) { Fire(OnClickSort, this, ACol); }
void TPlexStringGrid::PasteCell(int ACol, int ARow, const QString& Value) { SetCellEx(ACol, ARow, Value); }

QString TPlexStringGrid::GetCurrentCell() {
  const TPoint base = BaseCell(RealColIndex(Col()), Row());
  return GetGridCell(base.X, base.Y);
}

void TPlexStringGrid::SetCurrentCell(const QString& Value) {
  const TPoint base = BaseCell(RealColIndex(Col()), Row());
  SetCellEx(base.X, base.Y, Value);
}

QString TPlexStringGrid::GetCurrentCellEx() {
  const TPoint base = BaseCell(RealColIndex(Col()), Row());
  return GetCellEx(base.X, base.Y);
}

void TPlexStringGrid::SetCurrentEditText(const QString& Value) {
  const TPoint base = BaseCell(Col(), Row());
  SetEditText(base.X, base.Y, Value);
}

// ---- group 2
QString TPlexStringGrid::GetCellFloatFormat(int ACol, int ARow) { return FloatFormat; }

TCellType TPlexStringGrid::GetCellType(int ACol, int ARow) {
  if (ACol < 0 || ARow < 0) return ctEmpty;
  if (ACol == 0 && FMouseActions->HotmailRowSelect()) return ctRowCheckBox;
  const TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
  return graphic ? graphic->CellType : ctEmpty;
}

TPoint TPlexStringGrid::GetCellGraphicSize(int ACol, int ARow) {
  return GetCellGraphic(ACol, ARow) ? CalcCellGraphicSize(ACol, ARow) : TPoint(0, 0);
}

// ---- group 3
void TPlexStringGrid::DoPrintGetPageNum(int PageNum, int PageColNum, QString& PageNumString) {
  Fire(OnPrintGetPageNum, this, PageNum, PageColNum, PageNumString);
}
void TPlexStringGrid::DoGetEditorProp(int ACol, int ARow) { Fire(OnGetEditorProp, this, ACol, ARow); }
void TPlexStringGrid::DoCheckBoxClick(int ACol, int ARow, bool State) {
  Fire(OnCheckBoxClick, this, ACol, ARow, State);
}
void TPlexStringGrid::DoFixedEdit(int ACol, int ARow, TGridFixedCellEditor& AEditor, TStrings& Values) {
  Fire(OnFixedEdit, this, ACol, ARow, AEditor, Values);
}
void TPlexStringGrid::DoSelectionChanged(int ALeft, int ATop, int ARight, int ABottom) {
  // These looks draw one frame around the selected cells, so all of them are painted again.
  if (FLook == glVista || FLook == glWin7 || FLook == glOffice2007) {
    const TGridRect s = Selection();
    RepaintRect(TRect(s.Left, s.Top, s.Right, s.Bottom));
  }
  FSelChange = true;
  Fire(OnSelectionChanged, this, ALeft, ATop, ARight, ABottom);
}
// The insert key's own insertion; the key fires OnAutoInsertRow once it is done.
// Among node rows a row inserted inside a node's block joins that block.
void TPlexStringGrid::AutoInsertRow(int ARow) {
  if (!HasNodes())
    InsertRows(ARow, 1, true);
  else if (GetParentRow(DisplRowIndex(ARow)) == -1)
    InsertNormalRow(ARow);
  else
    InsertChildRow(ARow, 0);
}
void TPlexStringGrid::DoFilterDone() { Fire(OnFilterDone, this); }
void TPlexStringGrid::DoUpdateColumnSize(int ACol, int& AWidth) { Fire(OnUpdateColumnSize, this, ACol, AWidth); }

// ---- group 4
// Automatic sizing asks the same event as the user's sizing.
void TPlexStringGrid::DoUpdateAutoColumnSize(int ACol, int& AWidth) { Fire(OnUpdateColumnSize, this, ACol, AWidth); }
void TPlexStringGrid::CellsPasted(const TRect& Cells) { Fire(OnCellsPasted, this, Cells); }

void TPlexStringGrid::DoLoadCell(int ACol, int ARow, const QString& Value) {
  QString text = Value;
  Fire(OnLoadCell, this, ACol, ARow, text);
  SetGridCell(ACol, ARow, text);
}

// ---- group 5
void TPlexStringGrid::DoCanEditCell(int ACol, int ARow, bool& CanEdit) {
  Fire(OnCanEditCell, this, ARow, ACol, CanEdit);
}
void TPlexStringGrid::DoSearchFooterAction(int Action, bool& DefaultHandled) {
  Fire(OnSearchFooterAction, this, Action, DefaultHandled);
}
void TPlexStringGrid::DoButtonClick(int ACol, int ARow) { Fire(OnButtonClick, this, ACol, ARow); }

// ---- group 8
TRect TPlexStringGrid::GetUsedCells() {
  int left = ColCount(), top = RowCount(), right = -1, bottom = -1;
  for (int r = 0; r < RowCount(); ++r)
    for (int c = 0; c < ColCount(); ++c) {
      if (GetCellEx(c, r).isEmpty()) continue;
      left = std::min(left, c);
      top = std::min(top, r);
      right = std::max(right, c);
      bottom = std::max(bottom, r);
    }
  return right < 0 ? TRect(0, 0, 0, 0) : TRect(left, top, right, bottom);
}

void TPlexStringGrid::DoCanAddRow(bool& CanAdd) { Fire(OnCanAddRow, this, CanAdd); }
void TPlexStringGrid::DoCanInsertRow(int ARow, bool& CanInsert) { Fire(OnCanInsertRow, this, ARow, CanInsert); }

// ---- group 9
void TPlexStringGrid::DisableEditing() {
  TGridOptions options = Options();
  options.Exclude(goEditing);
  SetOptions(options);
}


// ---- group 10
void TPlexStringGrid::DoCheckBoxChange(int ACol, int ARow, bool State) {
  Fire(OnCheckBoxChange, this, ACol, ARow, State);
}
bool TPlexStringGrid::DoRatingChange(int ACol, int ARow, double& NewRate) {
  bool allow = true;
  Fire(OnRatingChange, this, ACol, ARow, NewRate, allow);
  return allow;
}
void TPlexStringGrid::DoColorSelect(int ACol, int ARow, TColor& AColor) {
  Fire(OnColorSelect, this, ACol, ARow, AColor);
}
void TPlexStringGrid::DoImageSelect(int ACol, int ARow, int& AImageIndex) {
  Fire(OnImageSelect, this, ACol, ARow, AImageIndex);
}
void TPlexStringGrid::DoCellChanging(int OldRow, int OldCol, int NewRow, int NewCol, bool& Allow) {
  Fire(OnCellChanging, this, OldRow, OldCol, NewRow, NewCol, Allow);
}
void TPlexStringGrid::DoScrollCell(int ACol, int ARow, int ScrollPosition, int ScrollMin, int ScrollMax) {
  Fire(OnScrollCell, this, ACol, ARow, ScrollPosition, ScrollMin, ScrollMax);
}
void TPlexStringGrid::DoCanShowFixedDropDown(int ACol, bool& Allow) {
  int row = 0;
  if (OnCanShowFixedDropDown) OnCanShowFixedDropDown(this, ACol, row, Allow);
}
void TPlexStringGrid::DoStartBlockFocus(int ACol, int ARow) { Fire(OnStartBlockFocus, this, ACol, ARow); }

// ---- group 11
void TPlexStringGrid::DoEndBlockFocus(int ACol, int ARow) { Fire(OnEndBlockFocus, this, ACol, ARow); }
void TPlexStringGrid::ExportNotification(TExportState State, int ARow) {
  Fire(OnExportNotification, this, State, ARow);
}
void TPlexStringGrid::ImportNotification(TExportState State, int ARow) {
  Fire(OnImportNotification, this, State, ARow);
}
