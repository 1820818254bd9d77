// The picture or gradient painted behind the cells.
#pragma once

#include "grid/foundation/GridPersistent.h"
#include "platform/Types.h"

enum TBackgroundDisplay { bdTile, bdFixed, bdGradientHorz, bdGradientVert };
enum TBackGroundCells { bcNormal, bcFixed, bcAll };

class TBackGround : public TGridPersistent {
public:
  void Assign(const TGridPersistent* Source) override {
    if (const auto* s = dynamic_cast<const TBackGround*>(Source)) *this = *s;
  }
  bool IsGradient() const { return (Display == bdGradientHorz || Display == bdGradientVert) && ColorTo != clNone; }

  TBackgroundDisplay Display = bdTile;
  TBackGroundCells Cells = bcNormal;
  TColor Color = clNone;
  TColor ColorTo = clNone;
  int Top = 0;
  int Left = 0;
};
