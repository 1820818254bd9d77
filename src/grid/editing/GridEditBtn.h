// The grid's edit with an ellipsis button.
// Created hidden with the grid; the editor life of a cell shows and places it.
#pragma once

#include "platform/StdCtrls.h"

#include <QString>

class TGridEditBtn : public TEdit {
public:
  explicit TGridEditBtn(TComponent* AOwner) : TEdit(AOwner) {}
  QString ButtonCaption;
  bool IsWinXP = false;
};
