// The look of a drop-down editor's footer bar: the header's look plus the size grip.
#pragma once

#include "grid/core/HeaderAppearance.h"

class TFooterAppearance : public TBarAppearance<TFooterButton> {
public:
  // Another class of source is ignored.
  void Assign(const TObject* Source) {
    const auto* s = dynamic_cast<const TFooterAppearance*>(Source);
    if (!s) return;
    SizeGrip = s->SizeGrip;
    AssignBar(*s);
  }
  // Shown only when the drop-down is sizeable too.
  bool SizeGrip = true;
};
