// Where a cell's graphic sits beside its text: the room it takes and whether
// the cell's text is drawn at all. The content drawer and the text measurer
// read it; the graphic drawer places the graphic by it.
#pragma once

#include "grid/core/CellGraphic.h"


struct TCellGraphicLayout {
  TCellGraphic* Graphic = nullptr;
  int Width = 0;
  int Height = 0;
  TCellHAlign HAlign = haBeforeText;
  TCellVAlign VAlign = vaTop;
  bool TextBeside = true;
};
