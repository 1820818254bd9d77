// The look of a drop-down editor's header bar (and, with TFooterAppearance,
// its footer bar): the grid's ControlLook owns one of each and copies them
// into the drop-downs it shows in cells.
#pragma once

#include "grid/core/HeaderButton.h"
#include "platform/Graphics.h"

#include <algorithm>

enum TGradientDirection { gdHorizontal, gdVertical };
enum TButtonAlignment { baLeft, baRight };

template <class TButton>
class TBarAppearance : public TObject {
public:
  TBarAppearance() {
    FButtons.OnChange = [this](TObject*) {
      if (OnButtonsChanged) OnButtonsChanged(this);
    };
  }
  bool Visible() const { return FVisible; }
  // The only write the owning bar hears of.
  void SetVisible(bool Value) {
    SetProperty(FVisible, Value, [this] {
      if (OnChange) OnChange(this);
    });
  }
  TFont& Font() { return FFont; }
  const TFont& Font() const { return FFont; }
  void SetFont(const TFont& Value) { FFont.Assign(Value); }
  TBarButtons<TButton>& Buttons() { return FButtons; }
  const TBarButtons<TButton>& Buttons() const { return FButtons; }
  void SetButtons(const TBarButtons<TButton>& Value) { FButtons.Assign(Value); }
  void AssignColors(const TBarAppearance& Source) {
    Color = Source.Color;
    ColorTo = Source.ColorTo;
    BorderColor = Source.BorderColor;
    FFont.Assign(Source.FFont);
    GradientDirection = Source.GradientDirection;
  }

  int Height = 22;
  int BorderWidth = 1;
  TColor BorderColor = clBlack;
  TColor Color = 0xC0C0C0;
  TColor ColorTo = 0xFFFFFF;
  TGradientDirection GradientDirection = gdVertical;
  QString Caption;
  int ImageIndex = -1;
  TButtonAlignment ButtonAlignment = baRight;
  // Set by the owning bar in code.
  TNotifyEvent OnChange;
  TNotifyEvent OnButtonsChanged;

protected:
  void AssignBar(const TBarAppearance& Source) {
    AssignColors(Source);
    Height = Source.Height;
    BorderWidth = Source.BorderWidth;
    Caption = Source.Caption;
    ImageIndex = Source.ImageIndex;
    ButtonAlignment = Source.ButtonAlignment;
    FButtons.Assign(Source.FButtons);
    SetVisible(Source.FVisible);
  }

private:
  bool FVisible = true;
  TFont FFont;
  TBarButtons<TButton> FButtons;
};

class THeaderAppearance : public TBarAppearance<THeaderButton> {
public:
  THeaderAppearance() { Font().SetName("Tahoma"); }
  // Another class of source is ignored.
  void Assign(const TObject* Source) {
    if (const auto* s = dynamic_cast<const THeaderAppearance*>(Source)) AssignBar(*s);
  }
};
