// The row geometry of the general-parameters panels: rows 28 pixels apart,
// labels and check boxes at the left, inputs in one column, and a panel as
// high as its last shown row. Every panel's layout method places rows with it.
#pragma once

#include "platform/CategoryPanels.h"
#include "platform/StdCtrls.h"

#include <array>
#include <vector>

namespace ParGenGeometry {
constexpr int RowPitch = 28;
constexpr int FirstRowTop = 12;
constexpr int LabelLeft = 14;
constexpr int InputLeft = 191;
constexpr int InputWidth = 238;
constexpr int OctetWidth = 55;
constexpr std::array<int, 4> OctetLefts = {191, 252, 313, 374};
constexpr std::array<int, 3> DotLefts = {247, 308, 369};
constexpr int EditHeight = 21;
constexpr int ComboHeight = 22;
constexpr int CheckHeight = 17;
constexpr int RichEditHeight = 23;
// How far an input lies above the top of its row's label or check box.
constexpr int InputLift = 3;
constexpr int GatewayLift = 2;
constexpr int RichEditLift = 5;
constexpr int BoxesLift = 1;
// Space under the last control of a panel, besides the header.
constexpr int BottomMargin = 12;
constexpr int CheckWidth = 400;
constexpr int GatewayCheckWidth = 170;
}  // namespace ParGenGeometry

enum TParRowKind {
  rkEdit,       // label, edit
  rkCombo,      // label, fixed-list combo box
  rkAddress,    // label, four octet edits with "." labels between them
  rkGateway,    // check box, four octet edits beside it
  rkCheck,      // check box alone
  rkCheckEdit,  // check box, edit beside it
  rkRichEdit,   // label, multi-line edit for certificate texts
  rkBoxes       // label, three check boxes side by side
};

// One row of a panel as built: its caption control (label or check box), its
// inputs from left to right and the "." labels of an address.
struct TParRow {
  TParRowKind Kind = rkEdit;
  TControl* Caption = nullptr;
  std::vector<TWinControl*> Inputs;
  std::vector<TControl*> Dots;
  // How far the inputs lie above the row's top.
  int Lift = ParGenGeometry::InputLift;

  // Puts the row's label or check box at T and its inputs Lift pixels above.
  void Place(int T) const;
  // Moves only the caption and dots to T and the inputs to InputTop.
  void PlaceApart(int T, int InputTop) const;
  void SetVisible(bool v) const;
  void SetInputsEnabled(bool v) const;
  int Top() const { return Caption->Top(); }
  // The control whose bottom ends the row (the last input, else the caption).
  TControl* Last() const;
};

// A row of live controls, for panels whose controls are named members.
TParRow LabelledRow(TControl* label, TWinControl* input);
TParRow AddressRow(TControl* label, const std::array<TWinControl*, 4>& octets, const std::vector<TControl*>& dots);
TParRow GatewayRow(TControl* box, const std::array<TWinControl*, 4>& octets, const std::vector<TControl*>& dots);
TParRow CheckRow(TControl* box);

// Panel height := bottom of `last` + the header + the bottom margin.
void SetPanelHeightFrom(TCategoryPanel* panel, const TControl* last);
// Enables or disables each control.
void SetEnabledAll(std::initializer_list<TControl*> controls, bool v);
