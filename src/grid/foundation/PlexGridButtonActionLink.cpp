#include "grid/foundation/PlexGridButtonActionLink.h"

#include "grid/foundation/PlexGridButton.h"

TPlexGridButtonActionLink::TPlexGridButtonActionLink(TControl* AClient) : TControlActionLink(AClient) {
  AssignClient(AClient);
}

void TPlexGridButtonActionLink::AssignClient(TControl* AClient) {
  TControlActionLink::AssignClient(AClient);
  FClient = dynamic_cast<TPlexGridButton*>(AClient);
  if (!FClient) throw EInvalidCast("Invalid class typecast");
}

bool TPlexGridButtonActionLink::IsCaptionLinked() const {
  return TControlActionLink::IsCaptionLinked() && FClient->Caption() == FullAction()->Caption();
}

// Only a button of a group that may be all up follows the checked state,
// and only while it agrees with the action.
bool TPlexGridButtonActionLink::IsCheckedLinked() const {
  return TControlActionLink::IsCheckedLinked() && FClient->GroupIndex() != 0 && FClient->AllowAllUp() &&
         FullAction()->Checked() == FClient->Down();
}

bool TPlexGridButtonActionLink::IsGroupIndexLinked() const {
  return FClient && FullAction() && FullAction()->GroupIndex() == FClient->GroupIndex();
}

void TPlexGridButtonActionLink::SetCaption(const QString& Value) {
  if (IsCaptionLinked()) FClient->SetCaption(Value);
}

void TPlexGridButtonActionLink::SetChecked(bool Value) {
  if (IsCheckedLinked()) FClient->SetDown(Value);
}

void TPlexGridButtonActionLink::SetGroupIndex(int Value) {
  if (IsGroupIndexLinked()) FClient->SetGroupIndex(Value);
}
