// The grid's edit with a unit part and an ellipsis button.
// Created hidden with the grid; the editor life of a cell shows and places it.
#pragma once

#include "platform/StdCtrls.h"

#include <QString>

class TGridUnitEditBtn : public TEdit {
public:
  explicit TGridUnitEditBtn(TComponent* AOwner) : TEdit(AOwner) {}
  QString ButtonCaption;
  // The grid hears when the unit part changes.
  TNotifyEvent OnUnitChange;
};
