// The one graphic element a cell can carry, kept in its properties. The kind
// decides how the general-purpose fields are read.
#pragma once

#include "grid/foundation/CellProperties.h"

#include <QString>

#include <cstdint>

enum TCellType : uint8_t {
  ctBitmap,
  ctIcon,
  ctNone,
  ctImageList,
  ctCheckBox,
  ctDataCheckBox,
  ctRotated,
  ctDataImage,
  ctNode,
  ctRadio,
  ctEmpty,
  ctImages,
  ctPicture,
  ctFilePicture,
  ctValue,
  ctProgress,
  ctComment,
  ctButton,
  ctBitButton,
  ctVirtCheckBox,
  ctRowCheckBox,
  ctProgressPie,
  ctSummary,
  ctRangeIndicator,
  ctXPProgress,
  ctInterface,
  ctScrollbar,
  ctRadioButton,
  ctBalloon,
  ctShape,
  ctRating,
  ctTriStateCheckBox,
  ctExpand
};

class TCellGraphic : public TGridGraphicObject {
public:
  QString ClassName() const override { return OwnedCellGraphicClass; }

  TCellType CellType = ctNone;
  int CellIndex = 0;
  int CellAngle = 0;
  bool CellBoolean = false;
  int CellErrFrom = 0;
  int CellErrLen = 0;
  QString CellText;
};
