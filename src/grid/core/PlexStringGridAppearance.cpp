// The appearance properties: each write stores the value, then repaints or
// carries the value on to whatever follows it.
#include "grid/core/BackGround.h"
#include "grid/core/PlexStringGrid.h"
#include "grid/editing/PlexInplaceEdit.h"
#include "grid/features/DragScrollOptions.h"
#include "grid/features/SortSettings.h"
#include "grid/foundation/CellDrawing.h"
#include "grid/foundation/PlexObj.h"
#include "grid/foundation/PsgHTMLE.h"
#include "platform/Property.h"

#include <algorithm>

namespace {
// DrawText's vertical flags by TVAlignment.
constexpr unsigned VAlignDrawFlags[] = {0, DT_VCENTER, DT_BOTTOM};
}  // namespace

void TPlexStringGrid::SetHighlightColor(TColor Value) {
  SetProperty(FHighlightColor, Value, [this] {
    SetHtmlHighlightColors(FHighlightColor, FHighlightTextColor);
    Invalidate();
  });
}

void TPlexStringGrid::SetHighlightTextColor(TColor Value) {
  SetProperty(FHighlightTextColor, Value, [this] {
    SetHtmlHighlightColors(FHighlightColor, FHighlightTextColor);
    Invalidate();
  });
}

void TPlexStringGrid::SetSelectionColorMixerFactor(int Value) {
  SetProperty(FSelectionColorMixerFactor, std::clamp(Value, 0, 100), [this] { Invalidate(); });
}

void TPlexStringGrid::SetSelectionColor(TColor Value) {
  SetProperty(FSelectionColor, Value, [this] { Invalidate(); });
}
void TPlexStringGrid::SetSelectionColorTo(TColor Value) {
  SetProperty(FSelectionColorTo, Value, [this] { Invalidate(); });
}
void TPlexStringGrid::SetSelectionMirrorColor(TColor Value) {
  SetProperty(FSelectionMirrorColor, Value, [this] { Invalidate(); });
}
void TPlexStringGrid::SetSelectionMirrorColorTo(TColor Value) {
  SetProperty(FSelectionMirrorColorTo, Value, [this] { Invalidate(); });
}
void TPlexStringGrid::SetSelectionTextColor(TColor Value) {
  SetProperty(FSelectionTextColor, Value, [this] { Invalidate(); });
}
void TPlexStringGrid::SetSelectionColorMixer(bool Value) {
  SetProperty(FSelectionColorMixer, Value, [this] { Invalidate(); });
}
void TPlexStringGrid::SetSelectionRectangle(bool Value) {
  SetProperty(FSelectionRectangle, Value, [this] { Invalidate(); });
}
void TPlexStringGrid::SetSelectionResizer(bool Value) {
  SetProperty(FSelectionResizer, Value, [this] { Invalidate(); });
}

void TPlexStringGrid::SetShowSelection(bool Value) {
  SetProperty(FShowSelection, Value, [this] {
    FShowSel = FShowSelection;
    Invalidate();
  });
}

void TPlexStringGrid::SetActiveCellShow(bool Value) {
  FActiveCellShow = Value;
  Invalidate();
}
void TPlexStringGrid::SetActiveCellColor(TColor Value) {
  FActiveCellColor = Value;
  Invalidate();
}
void TPlexStringGrid::SetActiveCellColorTo(TColor Value) {
  FActiveCellColorTo = Value;
  Invalidate();
}
// The font's own change handler repaints.
void TPlexStringGrid::SetActiveCellFont(const TFont& Value) { FActiveCellFont->Assign(Value); }

void TPlexStringGrid::SetURLColor(TColor Value) {
  SetProperty(FURLColor, Value, [this] {
    if (FURLShow) Invalidate();
  });
}
void TPlexStringGrid::SetURLShow(bool Value) {
  SetProperty(FURLShow, Value, [this] { Invalidate(); });
}
void TPlexStringGrid::SetURLShowInText(bool Value) {
  SetProperty(FURLShowInText, Value, [this] { Invalidate(); });
}
void TPlexStringGrid::SetURLFull(bool Value) {
  FURLFull = Value;
  if (FURLShow) Invalidate();
}

void TPlexStringGrid::SetRowIndicator(const TBitmap& Value) {
  FRowIndicator->Assign(Value);
  RepaintCell(0, Row());
}

void TPlexStringGrid::SetBackGround(const TBackGround& Value) {
  FBackGround->Assign(&Value);
  Invalidate();
}

void TPlexStringGrid::SetDragScrollOptions(const TDragScrollOptions& Value) { FDragScrollOptions->Assign(&Value); }
void TPlexStringGrid::SetSortSettings(const TSortSettings& Value) { FSortSettings->Assign(&Value); }
void TPlexStringGrid::SetSyncGrid(const TSyncGrid& Value) { FSyncGrid->Assign(&Value); }

void TPlexStringGrid::SetSpreadSheet(bool Value) {
  FSpreadSheet = Value;
  SetSelectionRectangle(true);
  SetSelectionResizer(true);
  FNavigation->AllowSmartClipboard = true;
  SetOptions(Options() + TGridOptions{goRangeSelect, goEditing});
  FMouseActions->RangeSelectAndEdit = true;
}

void TPlexStringGrid::SetVAlignment(TVAlignment Value) {
  FVAlignment = Value;
  FVAlignFlag = VAlignDrawFlags[Value];
  if (!UpdateInProgress()) Invalidate();
}

void TPlexStringGrid::SetAutoSize(bool Value) {
  FAutoSize = Value;
  if (Value && !FLoading) AutoSizeColumns(false, 10);
}

void TPlexStringGrid::SetFlat(bool Value) {
  FFlat = Value;
  if (!FLoading) Invalidate();
}

void TPlexStringGrid::SetMaxEditLength(int Value) {
  FMaxEditLength = Value;
  TInplaceEdit* editor = InplaceEditor();
  if (!editor) return;
  // The open editor takes the limit the grid answers for its cell, which a grid with column
  // definitions takes from the column rather than from this setting.
  const int limit = GetEditLimit();
  editor->SetMaxLength(limit);
  if (auto* plex = dynamic_cast<TPlexInplaceEdit*>(editor)) plex->SetLengthLimit(limit);
}
