// How the grid draws its in-cell controls (check boxes, buttons, drop arrows).
#pragma once

#include "grid/foundation/GridPersistent.h"
#include "platform/Types.h"

enum TControlStyle { csClassic, csFlat, csWinXP, csBorland, csOrv, csGlyph, csTheme };

class TControlLook : public TGridPersistent {
public:
  void Assign(const TGridPersistent* Source) override {
    if (const auto* s = dynamic_cast<const TControlLook*>(Source)) *this = *s;
  }

  TControlStyle ControlStyle = csTheme;
  int CheckSize = 15;
  TColor CommentColor = clRed;
  bool FixedGradientHoverFrom = false;
  // editor buttons painted in every cell (placeholder: fuller version comes with control looks)
  bool DropDownAlwaysVisible = false;
  bool SpinButtonsAlwaysVisible = false;
  bool FlatButton = false;
  int RadioSize = 10;
};
