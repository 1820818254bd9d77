#include "grid/editing/GridColumnCollection.h"

#include "grid/editing/PlexColumnGrid.h"

#include <algorithm>

TGridColumnCollection::TGridColumnCollection(TPlexColumnGrid* Grid) : FGrid(Grid) {}
TGridColumnCollection::~TGridColumnCollection() = default;

TGridColumnItem* TGridColumnCollection::Items(int Index) const {
  if (Index < 0 || Index >= Count()) throw EListError(QString("List index out of bounds (%1)").arg(Index));
  return FItems[size_t(Index)].get();
}

void TGridColumnCollection::SetItems(int Index, const TGridColumnItem& Value) { Items(Index)->Assign(&Value); }

int TGridColumnCollection::IndexOf(const TGridColumnItem* Item) const {
  for (int i = 0; i < Count(); ++i)
    if (FItems[size_t(i)].get() == Item) return i;
  return -1;
}

TGridColumnItem* TGridColumnCollection::Add() {
  FItems.push_back(std::make_unique<TGridColumnItem>(this));
  TGridColumnItem* item = FItems.back().get();
  // A column added at the end looks like its left neighbour.
  if (Count() > 1) item->AssignVisuals(FItems[FItems.size() - 2].get());
  const int width = item->StoredWidth();
  Update(nullptr);
  ShowWidth(item, width);
  return item;
}

TGridColumnItem* TGridColumnCollection::AddDefault() {
  FItems.push_back(std::make_unique<TGridColumnItem>(this));
  Update(nullptr);
  return FItems.back().get();
}

TGridColumnItem* TGridColumnCollection::Insert(int Index) {
  Index = std::clamp(Index, 0, Count());
  auto it = FItems.insert(FItems.begin() + Index, std::make_unique<TGridColumnItem>(this));
  TGridColumnItem* item = it->get();
  const int width = item->StoredWidth();
  Update(nullptr);
  ShowWidth(item, width);
  return item;
}

// A new definition's column takes the definition's width once it exists.
void TGridColumnCollection::ShowWidth(TGridColumnItem* Item, int Width) {
  const int index = IndexOf(Item);
  if (FGrid && index < FGrid->AllColCount()) Item->SetWidth(Width);
}

void TGridColumnCollection::Delete(int Index) {
  Items(Index);
  FItems.erase(FItems.begin() + Index);
  Update(nullptr);
}

void TGridColumnCollection::Move(int FromIndex, int ToIndex) {
  Items(FromIndex);
  Items(ToIndex);
  auto item = std::move(FItems[size_t(FromIndex)]);
  FItems.erase(FItems.begin() + FromIndex);
  FItems.insert(FItems.begin() + ToIndex, std::move(item));
}

void TGridColumnCollection::Clear() {
  if (FItems.empty()) return;
  FItems.clear();
  Update(nullptr);
}

void TGridColumnCollection::Assign(const TGridColumnCollection& Source) {
  if (&Source == this) return;
  BeginUpdate();
  FItems.clear();
  for (int i = 0; i < Source.Count(); ++i) AddDefault()->Assign(Source.Items(i));
  EndUpdate();
}

void TGridColumnCollection::EndUpdate() {
  if (FUpdateCount > 0 && --FUpdateCount == 0) Update(nullptr);
}

void TGridColumnCollection::Update(TGridColumnItem* Item) {
  if (FUpdateCount > 0 || NoRecursiveUpdate || !FGrid || FGrid->IsLoading()) return;
  const int n = Count() - FGrid->NumHiddenColumns();
  if (n != FGrid->ColCount() && n > FGrid->FixedCols()) FGrid->SetColCount(n);
  FGrid->UpdateColumnHeaders();
  FGrid->Invalidate();
}

void TGridColumnCollection::SetOrganization() {
  if (FGrid) {
    const bool was = NoRecursiveUpdate;
    NoRecursiveUpdate = true;
    FGrid->UpdateColumnCount();
    NoRecursiveUpdate = was;
  }
  for (int i = 0; i < Count(); ++i) FItems[size_t(i)]->DefIdx = i;
}

// Only a permutation of the positions can be put back; anything else would
// move columns outside the grid or never settle, so it changes nothing.
void TGridColumnCollection::ResetOrganization() {
  if (!FGrid) return;
  std::vector<bool> seen(size_t(Count()), false);
  for (const auto& item : FItems) {
    if (item->DefIdx < 0 || item->DefIdx >= Count() || seen[size_t(item->DefIdx)]) return;
    seen[size_t(item->DefIdx)] = true;
  }
  // Each pass settles at least one column; the bound guards a grid whose
  // column moves do not carry the definitions along.
  bool moved = true;
  for (int pass = 0; moved && pass <= Count(); ++pass) {
    moved = false;
    for (int i = 0; i < Count() && i < FGrid->ColCount(); ++i) {
      const int target = FItems[size_t(i)]->DefIdx;
      if (target >= i) continue;
      FGrid->MoveColumn(i, target);
      moved = true;
    }
  }
}
