#include "parameters/UParGen_Rows.h"

void TParRow::Place(int T) const { PlaceApart(T, T - Lift); }

void TParRow::PlaceApart(int T, int InputTop) const {
  Caption->SetTop(T);
  for (TControl* dot : Dots) dot->SetTop(T);
  for (TWinControl* input : Inputs) input->SetTop(InputTop);
}

void TParRow::SetVisible(bool v) const {
  Caption->SetVisible(v);
  for (TControl* dot : Dots) dot->SetVisible(v);
  for (TWinControl* input : Inputs) input->SetVisible(v);
}

void TParRow::SetInputsEnabled(bool v) const {
  for (TWinControl* input : Inputs) input->SetEnabled(v);
}

TControl* TParRow::Last() const { return Inputs.empty() ? Caption : Inputs.back(); }

TParRow LabelledRow(TControl* label, TWinControl* input) {
  TParRow row;
  row.Kind = rkEdit;
  row.Caption = label;
  row.Inputs = {input};
  return row;
}

TParRow AddressRow(TControl* label, const std::array<TWinControl*, 4>& octets, const std::vector<TControl*>& dots) {
  TParRow row;
  row.Kind = rkAddress;
  row.Caption = label;
  row.Inputs.assign(octets.begin(), octets.end());
  row.Dots = dots;
  return row;
}

TParRow GatewayRow(TControl* box, const std::array<TWinControl*, 4>& octets, const std::vector<TControl*>& dots) {
  TParRow row = AddressRow(box, octets, dots);
  row.Kind = rkGateway;
  row.Lift = ParGenGeometry::GatewayLift;
  return row;
}

TParRow CheckRow(TControl* box) {
  TParRow row;
  row.Kind = rkCheck;
  row.Caption = box;
  return row;
}

void SetPanelHeightFrom(TCategoryPanel* panel, const TControl* last) {
  panel->SetHeight(last->Top() + last->Height() + panel->HeaderHeight() + ParGenGeometry::BottomMargin);
}

void SetEnabledAll(std::initializer_list<TControl*> controls, bool v) {
  for (TControl* c : controls) c->SetEnabled(v);
}
