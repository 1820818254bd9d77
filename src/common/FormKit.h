// The house look of the program's forms, stated once, and the one way a form
// puts a control in place. Layouts are tables of member pointers and TBounds.
#pragma once

#include "platform/Controls.h"
#include "platform/Types.h"

class TForm;
class TLbButton;
class TPanel;

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
constexpr int FontSize = 8;
// The owner-drawn buttons: their face while held down, under the mouse, and
// the light edge of their frame.
constexpr TColor PressedColor = 0x000080FF;
constexpr TColor HotTrackColor = clYellow;
constexpr TColor ButtonLightColor = clGray;
// The band with the software code across a form's top, and the band with the
// form's own buttons across its bottom.
constexpr int TitlePanelHeight = 69;
constexpr int ButtonPanelHeight = 40;
}  // namespace HouseLook

// A new control that `owner` frees, shown on `parent` at `bounds`.
template <class T>
T* Make(TComponent* owner, TWinControl* parent, const TBounds& bounds) {
  T* control = new T(owner);
  control->SetParent(parent);
  control->SetBounds(bounds.Left, bounds.Top, bounds.Width, bounds.Height);
  return control;
}

// The form's colour and font in the house look.
void ApplyHouseForm(TForm* form);
// An owner-drawn button in the house look (see TLbButton::ApplyHouseLook).
TLbButton* MakeHouseButton(TComponent* owner, TWinControl* parent, const TBounds& bounds);
// A borderless band in the form's colour along its top (alTop) or bottom
// (alBottom): the title and button panels.
TPanel* MakeBandPanel(TForm* form, TAlign align, int height);
