#include "grid/editing/BalloonSettings.h"

void TBalloonSettings::SetEnable(bool Value) {
  FEnable = Value;
  if (OnEnableChange) OnEnableChange(this);
}

void TBalloonSettings::Assign(const TGridPersistent* Source) {
  const auto* s = dynamic_cast<const TBalloonSettings*>(Source);
  if (!s) return;
  TextColor = s->TextColor;
  BackgroundColor = s->BackgroundColor;
  InitialDelay = s->InitialDelay;
  AutoHideDelay = s->AutoHideDelay;
  ReshowDelay = s->ReshowDelay;
  FEnable = s->FEnable;
}
