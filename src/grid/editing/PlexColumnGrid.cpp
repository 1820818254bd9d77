// Life cycle of the column grid and the definitions kept in step with the
// grid's columns.
#include "grid/editing/PlexColumnGrid.h"

#include "grid/core/CellGraphic.h"
#include "platform/Menus.h"

#include <algorithm>
#include <cmath>

TPlexColumnGrid::TPlexColumnGrid(TComponent* AOwner) : TPlexStringGrid(AOwner) {
  CreateColumns();
  FColumns->NoRecursiveUpdate = true;
  UpdateColumnCount();
  FColumns->NoRecursiveUpdate = false;
  FCheckGraphic = std::make_unique<TCellGraphic>();
  FCheckGraphic->CellType = ctVirtCheckBox;
  FGroupStore = std::make_unique<TGridColumnItem>(nullptr);
}

TPlexColumnGrid::~TPlexColumnGrid() = default;

void TPlexColumnGrid::CreateColumns() { FColumns = std::make_unique<TGridColumnCollection>(this); }

void TPlexColumnGrid::Loaded() {
  TPlexStringGrid::Loaded();
  UpdateColumnCount();
  FColumns->SetOrganization();
}

void TPlexColumnGrid::SetColumns(const TGridColumnCollection& Value) { FColumns->Assign(Value); }

TGridColumnItem* TPlexColumnGrid::GetColumnByName(const QString& AName) const {
  for (int i = 0; i < FColumns->Count(); ++i)
    if (FColumns->Items(i)->Name == AName) return FColumns->Items(i);
  return nullptr;
}

void TPlexColumnGrid::UpdateColumnCount() {
  const int wanted = ColCount() + NumHiddenColumns();
  while (FColumns->Count() < wanted) FColumns->Add();
  while (FColumns->Count() > wanted) FColumns->Delete(FColumns->Count() - 1);
}

void TPlexColumnGrid::UpdateColumnHeaders() {
  if (FixedRows() <= 0) return;
  TStringList& headers = ColumnHeaders();
  headers.BeginUpdate();
  headers.Clear();
  for (int i = 0; i < FColumns->Count(); ++i) {
    TGridColumnItem* item = FColumns->Items(i);
    if (item->Header().isEmpty()) {
      const QString cell = Cells(i, 0);
      if (!cell.isEmpty()) item->StoreHeader(cell);
    }
    headers.Add(item->Header());
  }
  headers.EndUpdate();
}

void TPlexColumnGrid::RebuildColumnHeaders() {
  TStringList& headers = ColumnHeaders();
  headers.BeginUpdate();
  headers.Clear();
  for (int i = 0; i < FColumns->Count(); ++i) headers.Add(FColumns->Items(i)->Header());
  headers.EndUpdate();
}

int TPlexColumnGrid::GetVersionNr() const { return PlexColumnGridVersion::Number; }

QString TPlexColumnGrid::GetVersionString() const {
  const unsigned v = unsigned(GetVersionNr());
  return QString("%1.%2.%3.%4 ").arg(v >> 24).arg((v >> 16) & 0xFF).arg((v >> 8) & 0xFF).arg(v & 0xFF) +
         PlexColumnGridVersion::Date;
}

// ---- the grid's columns and the definitions in step

// Every ColCount write ends here; while the form loads, Loaded does it once.
void TPlexColumnGrid::SizeChanged(int OldColCount, int OldRowCount) {
  TPlexStringGrid::SizeChanged(OldColCount, OldRowCount);
  if (!FColumns || IsLoading() || FColumnsFollowInsertion || ColCount() == OldColCount) return;
  const bool was = FColumns->NoRecursiveUpdate;
  FColumns->NoRecursiveUpdate = true;
  UpdateColumnCount();
  FColumns->NoRecursiveUpdate = was;
}

// The definition travels with its column; the event reports real indexes.
void TPlexColumnGrid::ColumnMoved(int FromIndex, int ToIndex) {
  FColumns->NoRecursiveUpdate = true;
  const int realFrom = RealColIndex(FromIndex);
  const int realTo = RealColIndex(ToIndex);
  TPlexStringGrid::ColumnMoved(FromIndex, ToIndex);
  BeginUpdate();
  FColumnMoving = true;
  const int top = TopRow();
  // The definition object itself moves, so a caller's pointer to it stays valid.
  if (realFrom < FColumns->Count() && realTo < FColumns->Count()) FColumns->Move(realFrom, realTo);
  SetTopRow(top);
  FColumnMoving = false;
  EndUpdate();
  FColumns->NoRecursiveUpdate = false;
  if (OnAfterColumnMoved) OnAfterColumnMoved(this, realFrom, realTo);
}

void TPlexColumnGrid::ColWidthsChanged() {
  TPlexStringGrid::ColWidthsChanged();
  if (!FColumns || IsLoading() || Destroying()) return;
  for (int c = 0; c < ColCount(); ++c)
    if (TGridColumnItem* item = Definition(RealColIndex(c))) item->StoreWidth(ColWidths(c));
}

void TPlexColumnGrid::ChangeScale(int M, int D) {
  TPlexStringGrid::ChangeScale(M, D);
  if (IsDesigning() || M == D || D == 0) return;
  const auto scale = [&](TFont& font) { font.SetSize(int(std::lround(double(font.Size()) * M / D))); };
  for (int i = 0; i < FColumns->Count(); ++i) {
    scale(FColumns->Items(i)->Font());
    scale(FColumns->Items(i)->HeaderFont());
  }
}

void TPlexColumnGrid::InsertCols(int ACol, int ACount) {
  FColumnsFollowInsertion = true;
  TPlexStringGrid::InsertCols(ACol, ACount);
  FColumnsFollowInsertion = false;
  FColumns->NoRecursiveUpdate = true;
  for (int i = 0; i < ACount; ++i) FColumns->Insert(ACol);
  FColumns->NoRecursiveUpdate = false;
}

// Each deletion runs the collection's update, which brings ColCount down.
void TPlexColumnGrid::RemoveCols(int ACol, int ACount) {
  FColumnsFollowInsertion = true;
  TPlexStringGrid::RemoveCols(ACol, ACount);
  FColumnsFollowInsertion = false;
  for (int i = 0; i < ACount && ACol < FColumns->Count(); ++i) FColumns->Delete(ACol);
}

void TPlexColumnGrid::Group(int ColIndex) {
  if (TGridColumnItem* item = Definition(ColIndex)) FGroupStore->Assign(item);
  TPlexStringGrid::Group(ColIndex);
}

void TPlexColumnGrid::UnGroup() {
  const int grouped = GroupColumn;
  TPlexStringGrid::UnGroup();
  if (grouped < 0) return;
  if (TGridColumnItem* item = Definition(grouped)) item->Assign(FGroupStore.get());
}

void TPlexColumnGrid::Notification(TComponent* AComponent, TOperation Operation) {
  TPlexStringGrid::Notification(AComponent, Operation);
  if (Operation != TOperation::opRemove || !FColumns) return;
  for (int i = 0; i < FColumns->Count(); ++i) {
    TGridColumnItem* item = FColumns->Items(i);
    if (item->EditLink == AComponent) item->EditLink = nullptr;
    if (item->ColumnPopup == AComponent) item->ColumnPopup = nullptr;
  }
}

// ---- column popups

void TPlexColumnGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TPlexStringGrid::MouseDown(Button, Shift, X, Y);
  ShowColumnPopup(Button, X, Y);
}

namespace {
struct TPopupRule {
  TColumnPopupType Type;
  TMouseButton Button;
  bool OnFixedRow;
  bool OnNormalRow;
};
constexpr TPopupRule PopupRules[] = {
    {cpFixedCellsLClick, mbLeft, true, false},   {cpNormalCellsLClick, mbLeft, false, true},
    {cpAllCellsLClick, mbLeft, true, true},      {cpFixedCellsRClick, mbRight, true, false},
    {cpNormalCellsRClick, mbRight, false, true}, {cpAllCellsRClick, mbRight, true, true},
};
}  // namespace

void TPlexColumnGrid::ShowColumnPopup(TMouseButton Button, int X, int Y) {
  int col = -1, row = -1;
  MouseToCell(X, Y, col, row);
  // The displayed column is the definition index here, as the forms expect.
  TGridColumnItem* item = col >= 0 && row >= 0 ? Definition(col) : nullptr;
  if (!item || !item->ColumnPopup) return;
  const TPopupRule* rule = nullptr;
  for (const TPopupRule& r : PopupRules)
    if (r.Type == item->ColumnPopupType && r.Button == Button) rule = &r;
  if (!rule) return;
  TPopupMenu* menu = item->ColumnPopup;
  if (OnColumnPopup) OnColumnPopup(this, col, row, menu);
  const bool fixedRow = row < FixedRows();
  if (!menu || !(fixedRow ? rule->OnFixedRow : rule->OnNormalRow)) return;
  const TRect r = CellRect(col, row);
  const TPoint at = ClientToScreen(TPoint(r.Left, r.Bottom));
  menu->Popup(at.X, at.Y);
}
