// The grid's calls into its data features. Sorting, grouping, the footer,
// the search panel, column sizes and the drop target are built by their own
// units; until they are, each call is recorded so the grid's side can be checked.
#include "grid/core/PlexStringGrid.h"

#include "grid/features/SearchPanel.h"

void TPlexStringGrid::QSort() { RecordFeatureCall("QSort"); }
void TPlexStringGrid::QSortIndexed() { RecordFeatureCall("QSortIndexed"); }
void TPlexStringGrid::QSortGroup() { RecordFeatureCall("QSortGroup"); }
void TPlexStringGrid::QSortGroupIndexed() { RecordFeatureCall("QSortGroupIndexed"); }
void TPlexStringGrid::QUnSort() { RecordFeatureCall("QUnSort"); }
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

void TPlexStringGrid::UpdateSearchPanel() { RecordFeatureCall("UpdateSearchPanel"); }

void TPlexStringGrid::CutToClipboard() { RecordFeatureCall("CutToClipboard"); }
void TPlexStringGrid::CopyToClipboard() { RecordFeatureCall("CopyToClipboard"); }
void TPlexStringGrid::PasteFromClipboard() { RecordFeatureCall("PasteFromClipboard"); }
void TPlexStringGrid::FocusSearchFooter() { RecordFeatureCall("FocusSearchFooter"); }

int TPlexStringGrid::SearchColumnText(int ACol, const QString& Text) {
  RecordFeatureCall(QString("Search %1 %2").arg(ACol).arg(Text));
  return -1;
}

void TPlexStringGrid::SetFilterActive(bool Value) {
  RecordFeatureCall(Value ? "FilterActive true" : "FilterActive false");
  FFilterActive = Value;
}
