#include "grid/foundation/CellProperties.h"

#include "grid/foundation/BaseGrid.h"

TCellProperties::TCellProperties(TBaseGrid* AOwner, int ACol, int ARow)
    : OwnerCol(ACol), OwnerRow(ARow), FOwnerGrid(AOwner) {
  if (AOwner) {
    FWordWrap = AOwner->WordWrap();
    AOwner->FHasCellProps = true;
  }
}

TPoint TCellProperties::GetBaseCell(int ACol, int ARow) const {
  if (IsBaseCell || CellSpanX == -1 || CellSpanY == -1) return TPoint(ACol, ARow);
  return TPoint(ACol - CellSpanX, ARow - CellSpanY);
}

void TCellProperties::Assign(const TCellProperties& Source) {
  IsBaseCell = Source.IsBaseCell;
  CellSpanX = Source.CellSpanX;
  CellSpanY = Source.CellSpanY;
  OwnerRow = Source.OwnerRow;
  OwnerCol = Source.OwnerCol;
  CellObject = Source.CellObject;
  FAlignment = Source.FAlignment;
  BorderColor = Source.BorderColor;
  BorderWidth = Source.BorderWidth;
  FBrushColor = Source.FBrushColor;
  BrushStyle = Source.BrushStyle;
  FontColor = Source.FontColor;
  FontStyle = Source.FontStyle;
  FontName = Source.FontName;
  FontSize = Source.FontSize;
  ReadOnly = Source.ReadOnly;
  Editor = Source.Editor;
  FVAlignment = Source.FVAlignment;
  FWordWrap = Source.FWordWrap;
  NodeLevel = Source.NodeLevel;
  Control = Source.Control;
}

void TCellProperties::RepaintOwnerCell() {
  if (FOwnerGrid) FOwnerGrid->RepaintCell(OwnerCol, OwnerRow);
}

void TCellProperties::SetBrushColor(TColor Value) {
  FBrushColor = Value;
  RepaintOwnerCell();
}

void TCellProperties::SetBrushColorTo(TColor Value) {
  FBrushColorTo = Value;
  RepaintOwnerCell();
}

void TCellProperties::SetVAlignment(TVAlignment Value) {
  FVAlignment = Value;
  RepaintOwnerCell();
}

void TCellProperties::SetWordWrap(bool Value) {
  FWordWrap = Value;
  RepaintOwnerCell();
}
