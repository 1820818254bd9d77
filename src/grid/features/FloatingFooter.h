// The footer row settings: the panel under the grid that shows column results.
#pragma once

#include "grid/foundation/GridPersistent.h"
#include "platform/Types.h"

enum TFooterStyle { fsFixedLastRow, fsColumnPreview, fsCustomPreview, fsCustomPaint };

class TFloatingFooter : public TGridPersistent {
public:
  void Assign(const TGridPersistent* Source) override {
    const auto* s = dynamic_cast<const TFloatingFooter*>(Source);
    if (!s) return;
    Height = s->Height;
    Color = s->Color;
    FooterStyle = s->FooterStyle;
    FVisible = s->FVisible;
  }

  bool Visible() const { return FVisible; }
  void SetVisible(bool Value) { FVisible = Value; }

  int Height = 22;
  TColor Color = clBtnFace;
  TFooterStyle FooterStyle = fsFixedLastRow;

private:
  bool FVisible = false;
};
