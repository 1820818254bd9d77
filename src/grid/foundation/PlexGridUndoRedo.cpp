#include "grid/foundation/PlexGridUndoRedo.h"

#include <algorithm>

// ---- TUndoRedoCollection

TUndoRedoItem& TUndoRedoCollection::Add() {
  FItems.push_back(std::make_unique<TUndoRedoItem>());
  return *FItems.back();
}

void TUndoRedoCollection::Delete(int Index) { FItems.erase(FItems.begin() + Index); }

void TUndoRedoCollection::Clear() { FItems.clear(); }

// ---- TPlexGridUndoRedo

TPlexGridUndoRedo::TPlexGridUndoRedo(TComponent* AOwner) : TComponent(AOwner) {}

TPlexGridUndoRedo::~TPlexGridUndoRedo() { SetGrid(nullptr); }

void TPlexGridUndoRedo::SetGrid(IUndoRedoGrid* Value) {
  if (FGrid == Value) return;
  if (FGridComponent) RemoveFreeNotification(FGridComponent);
  FGrid = Value;
  FGridComponent = Value ? Value->GridComponent() : nullptr;
  if (FGridComponent) FreeNotification(FGridComponent);
}

void TPlexGridUndoRedo::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  // The grid is being freed: its interface part may be gone already, so it
  // is recognised by the component remembered when it was linked.
  if (Operation == TOperation::opRemove && FGridComponent && AComponent == FGridComponent) {
    FGrid = nullptr;
    FGridComponent = nullptr;
  }
}

void TPlexGridUndoRedo::RegisterChange(int ACol, int ARow, const QString& OrigValue, const QString& NewValue) {
  if (MaxLevel > 0 && FItems.Count() >= MaxLevel) FItems.Delete(0);
  TUndoRedoItem& item = FItems.Add();
  item.Col = ACol;
  item.Row = ARow;
  item.Value = NewValue;
  item.OrigValue = OrigValue;
  FLevel = FItems.Count();
}

void TPlexGridUndoRedo::AddMarker(bool Start) {
  TUndoRedoItem& item = FItems.Add();
  item.SequenceStart = Start;
  item.SequenceStop = !Start;
  FLevel = FItems.Count();
}

void TPlexGridUndoRedo::StartSequence() { AddMarker(true); }
void TPlexGridUndoRedo::StopSequence() { AddMarker(false); }

void TPlexGridUndoRedo::Reset() { FItems.Clear(); }

void TPlexGridUndoRedo::Apply(const TUndoRedoItem& Item, const QString& Text, const TPlexGridUndoRedoEvent& Event) {
  if (Event) Event(this, FGrid, Item.Col, Item.Row, FGrid->GetCellEx(Item.Col, Item.Row), Text);
  FGrid->SetCellEx(Item.Col, Item.Row, Text);
  FGrid->MoveCurrentCell(FGrid->DisplColIndex(Item.Col), Item.Row);
}

// Level stands just past a stop marker: restore back to its start marker.
// Markers met on the way (a sequence opened inside, a stop without start)
// are stepped over; a start marker trimmed away by MaxLevel ends the walk at
// the first item.
void TPlexGridUndoRedo::UndoSequence() {
  --FLevel;
  while (FLevel > 0 && !FItems.Items(FLevel - 1).SequenceStart) {
    const TUndoRedoItem& item = FItems.Items(FLevel - 1);
    if (!item.IsMarker()) Apply(item, item.OrigValue, OnUndo);
    --FLevel;
  }
  if (FLevel > 0) --FLevel;
  FGrid->InvalidateGrid();
}

void TPlexGridUndoRedo::Undo() {
  if (!FGrid || FLevel <= 0 || FLevel > FItems.Count()) return;
  const TUndoRedoItem& item = FItems.Items(FLevel - 1);
  if (item.SequenceStop) {
    UndoSequence();
    return;
  }
  if (!item.IsMarker()) {
    Apply(item, item.OrigValue, OnUndo);
    FGrid->RepaintCell(FGrid->CurrentCol(), item.Row);
  }
  --FLevel;
}

// Level stands on a start marker: re-apply up to its stop marker, ending
// just past it. A sequence still open ends at the last item.
void TPlexGridUndoRedo::RedoSequence() {
  FLevel = std::min(FLevel + 1, FItems.Count());
  while (FLevel < FItems.Count() && !FItems.Items(FLevel - 1).SequenceStop) {
    const TUndoRedoItem& item = FItems.Items(FLevel - 1);
    if (!item.IsMarker()) Apply(item, item.Value, OnRedo);
    ++FLevel;
  }
  FGrid->InvalidateGrid();
}

void TPlexGridUndoRedo::Redo() {
  if (!FGrid || FLevel >= FItems.Count()) return;
  if (FLevel < 0) FLevel = 0;
  ++FLevel;
  const TUndoRedoItem& item = FItems.Items(FLevel - 1);
  if (item.SequenceStart) {
    RedoSequence();
    return;
  }
  if (!item.IsMarker()) Apply(item, item.Value, OnRedo);
}
