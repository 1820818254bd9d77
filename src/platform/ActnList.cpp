#include "platform/ActnList.h"

#include "platform/Controls.h"

#include <algorithm>

// ---- TBasicAction ----

TBasicAction::~TBasicAction() {
  for (TBasicActionLink* link : FClients) link->FAction = nullptr;
}

bool TBasicAction::Execute() {
  if (!OnExecute) return false;
  OnExecute(this);
  return true;
}

// ---- TCustomAction ----

template <class T, class Apply>
void TCustomAction::Propagate(T& field, const T& value, Apply apply) {
  if (field == value) return;
  // A client link may unbind itself while it is told: walk a copy.
  for (TBasicActionLink* link : std::vector<TBasicActionLink*>(Clients()))
    if (auto* l = dynamic_cast<TActionLink*>(link)) apply(*l);
  field = value;
}

void TCustomAction::SetCaption(const QString& Value) {
  Propagate(FCaption, Value, [&](TActionLink& l) { l.SetCaption(Value); });
}

void TCustomAction::SetChecked(bool Value) {
  Propagate(FChecked, Value, [&](TActionLink& l) { l.SetChecked(Value); });
}

void TCustomAction::SetEnabled(bool Value) {
  Propagate(FEnabled, Value, [&](TActionLink& l) { l.SetEnabled(Value); });
}

void TCustomAction::SetGroupIndex(int Value) {
  Propagate(FGroupIndex, Value, [&](TActionLink& l) { l.SetGroupIndex(Value); });
}

void TCustomAction::SetHint(const QString& Value) {
  Propagate(FHint, Value, [&](TActionLink& l) { l.SetHint(Value); });
}

void TCustomAction::SetVisible(bool Value) {
  Propagate(FVisible, Value, [&](TActionLink& l) { l.SetVisible(Value); });
}

// ---- TBasicActionLink ----

TBasicActionLink::~TBasicActionLink() { SetAction(nullptr); }

void TBasicActionLink::SetAction(TBasicAction* Value) {
  if (Value == FAction) return;
  if (FAction) {
    auto& list = FAction->FClients;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
  }
  FAction = Value;
  if (FAction) FAction->FClients.push_back(this);
}

bool TBasicActionLink::Execute(TComponent* AComponent) {
  if (!FAction) return false;
  FAction->ActionComponent = AComponent;
  struct Clear {
    TBasicAction* A;
    ~Clear() { A->ActionComponent = nullptr; }
  } clear{FAction};
  return FAction->Execute();
}

// ---- TControlActionLink ----

bool TControlActionLink::IsCaptionLinked() const {
  return TActionLink::IsCaptionLinked() && FClient && FClient->Caption() == FullAction()->Caption();
}

bool TControlActionLink::IsEnabledLinked() const {
  return TActionLink::IsEnabledLinked() && FClient && FClient->Enabled() == FullAction()->Enabled();
}

bool TControlActionLink::IsHintLinked() const {
  return TActionLink::IsHintLinked() && FClient && FClient->Hint() == FullAction()->Hint();
}

bool TControlActionLink::IsVisibleLinked() const {
  return TActionLink::IsVisibleLinked() && FClient && FClient->Visible() == FullAction()->Visible();
}

void TControlActionLink::SetCaption(const QString& Value) {
  if (IsCaptionLinked()) FClient->SetCaption(Value);
}

void TControlActionLink::SetEnabled(bool Value) {
  if (IsEnabledLinked()) FClient->SetEnabled(Value);
}

void TControlActionLink::SetHint(const QString& Value) {
  if (IsHintLinked()) FClient->SetHint(Value);
}

void TControlActionLink::SetVisible(bool Value) {
  if (IsVisibleLinked()) FClient->SetVisible(Value);
}
