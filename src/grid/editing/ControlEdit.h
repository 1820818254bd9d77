// The edit that serves a form control inside a cell's text.
// Created hidden with the grid; the editor life of a cell shows and places it.
#pragma once

#include "platform/StdCtrls.h"

class TControlEdit : public TEdit {
public:
  explicit TControlEdit(TComponent* AOwner) : TEdit(AOwner) {}
};
