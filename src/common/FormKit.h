// The house look of the program's forms, stated once, and the one way a form
// puts a control in place. Layouts are tables of member pointers and TBounds.
#pragma once

#include "platform/Controls.h"
#include "platform/Types.h"

// A control's place on its parent, as SetBounds takes it.
struct TBounds {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
};

namespace HouseLook {
// The background of the dialogs and the main window.
constexpr TColor FormColor = 0x00EDF7F8;
constexpr const char* FontName = "Verdana";
// The face of an owner-drawn button while it is held down.
constexpr TColor PressedColor = 0x000080FF;
}  // namespace HouseLook

// A new control that `owner` frees, shown on `parent` at `bounds`.
template <class T>
T* Make(TComponent* owner, TWinControl* parent, const TBounds& bounds) {
  T* control = new T(owner);
  control->SetParent(parent);
  control->SetBounds(bounds.Left, bounds.Top, bounds.Width, bounds.Height);
  return control;
}
