#include "grid/features/DragDropSettings.h"

#include "grid/core/PlexStringGrid.h"

void TDragDropSettings::Assign(const TGridPersistent* Source) {
  const auto* s = dynamic_cast<const TDragDropSettings*>(Source);
  if (!s) return;
  FOleDropTarget = s->FOleDropTarget;
  OleDropSource = s->OleDropSource;
  OleAcceptFiles = s->OleAcceptFiles;
  OleAcceptText = s->OleAcceptText;
  OleAcceptURLs = s->OleAcceptURLs;
  OleAppendRows = s->OleAppendRows;
  ShowCells = s->ShowCells;
  OleEntireRows = s->OleEntireRows;
  OleRemoveRows = s->OleRemoveRows;
  OleInsertRows = s->OleInsertRows;
  OleCopyAlways = s->OleCopyAlways;
  OleColumnDragDrop = s->OleColumnDragDrop;
  OleColumnReorder = s->OleColumnReorder;
  OleColumnsOnly = s->OleColumnsOnly;
  FOleDropRTF = s->FOleDropRTF;
}

void TDragDropSettings::SetOleDropTarget(bool Value) {
  FOleDropTarget = Value;
  if (!FGrid->IsDesigning()) FGrid->RegisterDropTarget(Value);
}

void TDragDropSettings::SetOleDropRTF(bool Value) {
  FGrid->SetOleRichTextDrop(Value);
  FOleDropRTF = Value;
}
