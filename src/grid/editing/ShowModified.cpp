#include "grid/editing/ShowModified.h"

void TShowModified::SetColor(TColor Value) {
  FColor = Value;
  if (OnChange) OnChange(this);
}

void TShowModified::Assign(const TGridPersistent* Source) {
  const auto* s = dynamic_cast<const TShowModified*>(Source);
  if (!s) return;
  FColor = s->FColor;
  Enabled = s->Enabled;
}
