// Copying one string grid into another: settings, sizes, then the cells.
#include "grid/core/PlexStringGrid.h"

#include "grid/core/CellNode.h"
#include "grid/core/ColumnSize.h"
#include "grid/core/GridProgressAppearance.h"
#include "grid/features/DragDropSettings.h"
#include "grid/features/DragScrollOptions.h"
#include "grid/features/Filter.h"
#include "grid/features/FilterDropDown.h"
#include "grid/features/Grouping.h"
#include "grid/features/HTMLSettings.h"
#include "grid/features/PrintSettings.h"
#include "grid/features/SortSettings.h"

#include <QBuffer>

void TPlexStringGrid::Assign(TObject* Source) {
  auto* source = dynamic_cast<TPlexStringGrid*>(Source);
  if (!source || source == this) return;
  AssignSettings(*source);
  AssignSizes(*source);
  AssignScrolling(*source);
  AssignCells(source);
}

void TPlexStringGrid::AssignSettings(TPlexStringGrid& Source) {
  Font().Assign(Source.Font());
  SetActiveCellColor(Source.ActiveCellColor());
  SetActiveCellColorTo(Source.ActiveCellColorTo());
  FActiveCellFont->Assign(*Source.FActiveCellFont);
  SetActiveCellShow(Source.ActiveCellShow());
  SetActiveRowShow(Source.ActiveRowShow());
  SetAlign(Source.Align());
  FFilterDropDown->Assign(Source.FFilterDropDown.get());
  AnchorHint = Source.AnchorHint;
  AutoNumAlign = Source.AutoNumAlign;
  FAutoSize = Source.FAutoSize;
  SetAutoThemeAdapt(Source.AutoThemeAdapt());
  AutoFilterUpdate = Source.AutoFilterUpdate;
  FMouseActions->Assign(Source.FMouseActions.get());
  FNavigation->Assign(Source.FNavigation.get());
  FGrouping->Assign(Source.FGrouping.get());
  FSearchFooter->Assign(Source.FSearchFooter.get());
  FPrintSettings->Assign(Source.FPrintSettings.get());
  FFilter->Assign(Source.FFilter.get());
  FHTMLSettings->Assign(Source.FHTMLSettings.get());
  FBands->Assign(Source.FBands.get());
  FCellNode->Assign(Source.FCellNode.get());
  FSortSettings->Assign(Source.FSortSettings.get());
  FDragScrollOptions->Assign(Source.FDragScrollOptions.get());
  FDragDropSettings->Assign(Source.FDragDropSettings.get());
  FProgressAppearance->Assign(Source.FProgressAppearance.get());
  FColumnSize->Assign(Source.FColumnSize.get());
  FSyncGrid->Assign(Source.FSyncGrid.get());
  FFocusHelper->Assign(Source.FFocusHelper.get());
  FixedRowAlways = Source.FixedRowAlways;
}

void TPlexStringGrid::AssignSizes(TPlexStringGrid& Source) {
  SetColCount(Source.ColCount());
  SetRowCount(Source.RowCount());
  SetFixedRows(Source.FixedRows());
  SetFixedCols(Source.FixedCols());
  SetDefaultColWidth(Source.DefaultColWidth());
  SetDefaultRowHeight(Source.DefaultRowHeight());
  SetFixedRowHeight(Source.FixedRowHeight());
  SetFixedColWidth(Source.FixedColWidth());
  InvalidEntryTitle = Source.InvalidEntryTitle;
  InvalidEntryIcon = Source.InvalidEntryIcon;
  InvalidEntryText = Source.InvalidEntryText;
  SetOptions(Source.Options());
  for (int c = 0; c < ColCount(); ++c) SetColWidths(c, Source.ColWidths(c));
  SetColumnHeaders(*Source.FColumnHeaders);
  for (int r = 0; r < RowCount(); ++r) SetRowHeights(r, Source.RowHeights(r));
}

void TPlexStringGrid::AssignScrolling(TPlexStringGrid& Source) {
  SetScrollProportional(Source.ScrollProportional());
  ScrollSynch = Source.ScrollSynch;
  FScrollWidth = Source.FScrollWidth;
  SetScrollHints(Source.ScrollHints());
  SetScrollBarAlways(Source.ScrollBarAlways());
  SetScrollBars(Source.ScrollBars());
  SetScrollColor(Source.ScrollColor());
  SetScrollType(Source.ScrollType());
  // Through the setter this time, so the bars take the width.
  SetScrollWidth(Source.ScrollWidth());
}

void TPlexStringGrid::AssignCells(TObject* Source) {
  auto* source = dynamic_cast<TPlexStringGrid*>(Source);
  if (!source || source == this) return;
  QBuffer stream;
  stream.open(QIODevice::ReadWrite);
  source->SaveToStream(stream);
  stream.seek(0);
  LoadFromStream(stream);
}
