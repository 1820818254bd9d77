// A borderless edit that floats over a cell when the grid draws the editor's frame itself.
// Created hidden with the grid; the editor life of a cell shows and places it.
#pragma once

#include "platform/StdCtrls.h"

class TGridTransEdit : public TEdit {
public:
  explicit TGridTransEdit(TComponent* AOwner) : TEdit(AOwner) {}
};
