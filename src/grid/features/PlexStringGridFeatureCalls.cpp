// The grid's calls into its data features. Sorting, grouping, the footer,
// the search panel, column sizes and the drop target are built by their own
// units; until they are, each call is recorded so the grid's side can be checked.
#include "grid/core/PlexStringGrid.h"

#include "grid/features/SearchPanel.h"
#include "grid/features/SortSettings.h"
#include "grid/foundation/IntList.h"

#include <algorithm>
#include <vector>

// The normal rows put in a new order: Order[i] is the row that comes to
// position FixedRows + i. Texts and object slots of every stored column
// move; the unsort cross-reference follows.
void TPlexStringGrid::ReorderNormalRows(const std::vector<int>& Order) {
  const int first = FixedRows();
  const int cols = StoreColCount();
  std::vector<std::vector<QString>> texts(Order.size(), std::vector<QString>(size_t(cols)));
  std::vector<std::vector<TObject*>> objects(Order.size(), std::vector<TObject*>(size_t(cols)));
  std::vector<int> xref(Order.size());
  for (size_t i = 0; i < Order.size(); ++i) {
    for (int c = 0; c < cols; ++c) {
      texts[i][size_t(c)] = GetGridCell(c, Order[i]);
      objects[i][size_t(c)] = GetGridObject(c, Order[i]);
    }
    xref[i] = Order[i] < FSortedRowXRef->Count() ? FSortedRowXRef->GetInteger(Order[i]) : Order[i];
  }
  for (size_t i = 0; i < Order.size(); ++i) {
    const int row = first + int(i);
    for (int c = 0; c < cols; ++c) {
      SetGridCell(c, row, texts[i][size_t(c)]);
      SetGridObject(c, row, objects[i][size_t(c)]);
    }
    if (row < FSortedRowXRef->Count()) FSortedRowXRef->SetInteger(row, xref[i]);
  }
  Invalidate();
}

// Until the sort unit is built: a stable sort of the normal rows on the
// sort column's text, numbers by value, in the sort direction.
void TPlexStringGrid::QSort() {
  RecordFeatureCall("QSort");
  const int col = FSortSettings->Column;
  if (col < 0) return;
  std::vector<int> order;
  for (int r = FixedRows(); r < RowCount() - FixedFooters(); ++r) order.push_back(r);
  const bool descending = FSortSettings->Direction == sdDescending;
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
    const QString ta = GetCellEx(col, a), tb = GetCellEx(col, b);
    bool na = false, nb = false;
    const double va = ta.toDouble(&na), vb = tb.toDouble(&nb);
    const int cmp = na && nb ? (va < vb ? -1 : va > vb ? 1 : 0) : ta.compare(tb, Qt::CaseInsensitive);
    return descending ? cmp > 0 : cmp < 0;
  });
  ReorderNormalRows(order);
}

void TPlexStringGrid::QSortIndexed() { RecordFeatureCall("QSortIndexed"); }
void TPlexStringGrid::QSortGroup() { RecordFeatureCall("QSortGroup"); }
void TPlexStringGrid::QSortGroupIndexed() { RecordFeatureCall("QSortGroupIndexed"); }
// Back to the order the cross-reference was made in.
void TPlexStringGrid::QUnSort() {
  RecordFeatureCall("QUnSort");
  std::vector<int> order;
  for (int r = FixedRows(); r < RowCount() - FixedFooters(); ++r) order.push_back(r);
  const auto original = [this](int r) { return r < FSortedRowXRef->Count() ? FSortedRowXRef->GetInteger(r) : r; };
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return original(a) < original(b); });
  ReorderNormalRows(order);
}

void TPlexStringGrid::InitSortXRef() {
  RecordFeatureCall("InitSortXRef");
  FSortedRowXRef->Clear();
  for (int r = 0; r < RowCount(); ++r) FSortedRowXRef->Add(r);
}

void TPlexStringGrid::CopySelectionToClipboard() { RecordFeatureCall("CopySelectionToClipboard"); }
void TPlexStringGrid::PasteSelectionFromClipboard() { RecordFeatureCall("PasteSelectionFromClipboard"); }
void TPlexStringGrid::CalcFooter(int ACol) { RecordFeatureCall(QString("CalcFooter %1").arg(ACol)); }
void TPlexStringGrid::UpdateFooter() { RecordFeatureCall("UpdateFooter"); }
void TPlexStringGrid::SubGroup(int ColIndex) { RecordFeatureCall("SubGroup"); }
void TPlexStringGrid::SubUnGroup() { RecordFeatureCall("SubUnGroup"); }
void TPlexStringGrid::Group(int ColIndex) { RecordFeatureCall("Group"); }
void TPlexStringGrid::UnGroup() { RecordFeatureCall("UnGroup"); }
void TPlexStringGrid::SaveColPositions() { RecordFeatureCall("SaveColPositions"); }
void TPlexStringGrid::LoadColPositions() { RecordFeatureCall("LoadColPositions"); }
void TPlexStringGrid::LoadColSizes() { RecordFeatureCall("LoadColSizes"); }
void TPlexStringGrid::SaveColSizes() { RecordFeatureCall("SaveColSizes"); }
void TPlexStringGrid::SetOleRichTextDrop(bool Value) { RecordFeatureCall("SetOleRichTextDrop"); }

void TPlexStringGrid::RegisterDropTarget(bool Register) {
  RecordFeatureCall(Register ? "RegisterDragDrop" : "RevokeDragDrop");
  FDropTargetRegistered = Register;
}

// The panel's look and room; its buttons and search handling come with the search feature.
void TPlexStringGrid::UpdateSearchPanel() {
  if (FLoading || !FSearchPanel) return;
  FSearchPanel->SetColor(FSearchFooter->Color());
  FSearchPanel->Font().Assign(FSearchFooter->Font());
  const bool visible = FSearchFooter->Visible();
  FSearchPanel->SetVisible(visible);
  FSearchPanel->SetHeight(visible ? PlexGridDefaults::SearchPanelHeight : 0);
  if (visible) ScrollAboveSearchFooter();
}

void TPlexStringGrid::CutToClipboard() { RecordFeatureCall("CutToClipboard"); }
void TPlexStringGrid::CopyToClipboard() { RecordFeatureCall("CopyToClipboard"); }
void TPlexStringGrid::PasteFromClipboard() { RecordFeatureCall("PasteFromClipboard"); }
void TPlexStringGrid::FocusSearchFooter() {
  TEdit* edit = FSearchPanel ? FSearchPanel->EditControl : nullptr;
  if (edit && edit->CanFocus()) edit->SetFocus();
}

int TPlexStringGrid::SearchColumnText(int ACol, const QString& Text) {
  RecordFeatureCall(QString("Search %1 %2").arg(ACol).arg(Text));
  return -1;
}
