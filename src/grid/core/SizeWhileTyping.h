// Whether a cell grows while its text is typed.
#pragma once

#include "grid/foundation/GridPersistent.h"

class TSizeWhileTyping : public TGridPersistent {
public:
  void Assign(const TGridPersistent* Source) override {
    if (const auto* s = dynamic_cast<const TSizeWhileTyping*>(Source)) *this = *s;
  }

  bool Height = false;
  bool Width = false;
};
