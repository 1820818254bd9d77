// The grid's calls into its data features. Sorting, grouping, the footer,
// the search panel, column sizes and the drop target are built by their own
// units; until they are, each call is recorded so the grid's side can be checked.
#include "grid/core/PlexStringGrid.h"

#include "grid/features/SearchPanel.h"
#include "grid/foundation/IntList.h"

#include <algorithm>
#include <vector>

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
