// TPlexGridButton: the grid library's window-less push button (the search
// panel's buttons). A caption, up to four glyphs, a flat office-style face
// with gradients or a themed or classic face, an optional drop-down part with
// a pop-up menu, check behaviour, and radio groups among the grid buttons of
// one parent. Colour presets come as numbered looks.
#pragma once

#include "platform/ButtonTypes.h"
#include "platform/Controls.h"
#include "platform/Graphics.h"

#include <array>
#include <memory>

class TPopupMenu;

enum TPlexGridButtonStyle { tasButton, tasCheck };

// The button's own colours (Color itself is the control's).
enum TGridButtonColor {
  gbcBorderColor,
  gbcBorderDownColor,
  gbcBorderHotColor,
  gbcColorTo,
  gbcColorHot,
  gbcColorHotTo,
  gbcColorDown,
  gbcColorDownTo,
  gbcColorChecked,
  gbcColorCheckedTo,
  gbcCount
};

class TPlexGridButton : public TGraphicControl {
public:
  explicit TPlexGridButton(TComponent* AOwner);
  ~TPlexGridButton() override;

  bool AllowAllUp() const { return FAllowAllUp; }
  void SetAllowAllUp(bool Value);
  bool AutoThemeAdapt() const { return FAutoThemeAdapt; }
  void SetAutoThemeAdapt(bool Value);
  bool AutoXPStyle() const { return FAutoXPStyle; }
  void SetAutoXPStyle(bool Value) { FAutoXPStyle = Value; }

  TColor ButtonColor(TGridButtonColor Which) const { return FColors[Which]; }
  void SetButtonColor(TGridButtonColor Which, TColor Value);
  TColor BorderColor() const { return FColors[gbcBorderColor]; }
  void SetBorderColor(TColor Value) { SetButtonColor(gbcBorderColor, Value); }
  TColor BorderDownColor() const { return FColors[gbcBorderDownColor]; }
  void SetBorderDownColor(TColor Value) { SetButtonColor(gbcBorderDownColor, Value); }
  TColor BorderHotColor() const { return FColors[gbcBorderHotColor]; }
  void SetBorderHotColor(TColor Value) { SetButtonColor(gbcBorderHotColor, Value); }
  TColor ColorTo() const { return FColors[gbcColorTo]; }
  void SetColorTo(TColor Value) { SetButtonColor(gbcColorTo, Value); }
  TColor ColorHot() const { return FColors[gbcColorHot]; }
  void SetColorHot(TColor Value) { SetButtonColor(gbcColorHot, Value); }
  TColor ColorHotTo() const { return FColors[gbcColorHotTo]; }
  void SetColorHotTo(TColor Value) { SetButtonColor(gbcColorHotTo, Value); }
  TColor ColorDown() const { return FColors[gbcColorDown]; }
  void SetColorDown(TColor Value) { SetButtonColor(gbcColorDown, Value); }
  TColor ColorDownTo() const { return FColors[gbcColorDownTo]; }
  void SetColorDownTo(TColor Value) { SetButtonColor(gbcColorDownTo, Value); }
  TColor ColorChecked() const { return FColors[gbcColorChecked]; }
  void SetColorChecked(TColor Value) { SetButtonColor(gbcColorChecked, Value); }
  TColor ColorCheckedTo() const { return FColors[gbcColorCheckedTo]; }
  void SetColorCheckedTo(TColor Value) { SetButtonColor(gbcColorCheckedTo, Value); }

  bool Down() const { return FDown; }
  void SetDown(bool Value);
  bool DropDownButton() const { return FDropDownButton; }
  void SetDropDownButton(bool Value);
  TPopupMenu* DropDownMenu() const { return FDropDownMenu; }
  void SetDropDownMenu(TPopupMenu* Value);
  bool Flat() const { return FFlat; }
  void SetFlat(bool Value);
  const TBitmap& Glyph() const { return *FGlyph; }
  void SetGlyph(const TBitmap& Value);
  const TBitmap& GlyphHot() const { return *FGlyphHot; }
  void SetGlyphHot(const TBitmap& Value) { FGlyphHot->Assign(Value); }
  const TBitmap& GlyphDown() const { return *FGlyphDown; }
  void SetGlyphDown(const TBitmap& Value) { FGlyphDown->Assign(Value); }
  const TBitmap& GlyphDisabled() const { return *FGlyphDisabled; }
  void SetGlyphDisabled(const TBitmap& Value) { FGlyphDisabled->Assign(Value); }
  int GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int Value);
  TButtonLayout Layout() const { return FLayout; }
  void SetLayout(TButtonLayout Value);
  // -1 centres; values below -1 are ignored.
  int Margin() const { return FMargin; }
  void SetMargin(int Value);
  bool Rounded() const { return FRounded; }
  void SetRounded(bool Value);
  bool Shaded() const { return FShaded; }
  void SetShaded(bool Value);
  bool ShowCaption() const { return FShowCaption; }
  void SetShowCaption(bool Value);
  int Spacing() const { return FSpacing; }
  void SetSpacing(int Value);
  TPlexGridButtonStyle Style() const { return FStyle; }
  void SetStyle(TPlexGridButtonStyle Value);
  // The colour preset last applied (0..6); other numbers change nothing.
  int Look() const { return FLook; }
  void SetLook(int Value);

  TNotifyEvent OnDropDown;

  // Runs OnClick or the action.
  void Click() override;
  // After the button's properties were read: the shade and the theme.
  void Loaded();

  // State, for painting and tests.
  TButtonState State() const { return FState; }
  bool MouseInButton() const { return FMouseInButton; }
  bool Dragging() const { return FDragging; }
  const TBitmap& Shade() const { return *FShade; }

protected:
  void WndProc(TMessage& Message) override;
  void Paint() override;
  bool ClicksOnMouseUp() const override { return false; }
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseEnter() override;
  void MouseLeave() override;
  // The double click is the button's own (only while down).
  void DblClick() override {}
  void EnabledChanged() override;
  void FontChanged() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  std::unique_ptr<TControlActionLink> CreateActionLink() override;

private:
  friend class TPlexGridButtonActionLink;
  void NotifyGroup();
  void ButtonPressed(TMessage& Message);
  void RefreshHotState();
  void ThemeAdapt();
  void MakeDisabledGlyph();
  void MakeShade();
  bool InsideForRelease(int X, int Y) const;
  bool DialogChar(QChar ch);

  // Painting (PlexGridButtonPaint.cpp).
  void NormaliseState();
  void PaintFace(TRect& R);
  void PaintFlatFace(TRect& R);
  void PaintFlatHotFace(TRect& R);
  void PaintFlatNormalFace(TRect& R);
  void PaintCheckedOverlay(TRect& R);
  void PaintDropDownArrow(TRect& R);
  void PaintContents(const TRect& C, int d, TButtonState s);
  void LayoutContents(const TRect& C, int d, unsigned textFlags, TPoint& P, TRect& T);
  const TBitmap& CurrentGlyph() const;
  void PaintGlyph(const TPoint& P);
  void PaintCaption(const TRect& T, TButtonState s, unsigned textFlags);

  bool FAllowAllUp = false;
  bool FAutoThemeAdapt = false;
  bool FAutoXPStyle = false;
  std::array<TColor, gbcCount> FColors;
  bool FDown = false;
  bool FDropDownButton = false;
  TPopupMenu* FDropDownMenu = nullptr;
  bool FFlat = true;
  int FGroupIndex = 0;
  TButtonLayout FLayout = blGlyphLeft;
  int FMargin = -1;
  bool FRounded = false;
  bool FShaded = true;
  bool FShowCaption = true;
  int FSpacing = 4;
  TPlexGridButtonStyle FStyle = tasButton;
  int FLook = 0;

  std::unique_ptr<TBitmap> FGlyph = std::make_unique<TBitmap>();
  std::unique_ptr<TBitmap> FGlyphHot = std::make_unique<TBitmap>();
  std::unique_ptr<TBitmap> FGlyphDown = std::make_unique<TBitmap>();
  std::unique_ptr<TBitmap> FGlyphDisabled = std::make_unique<TBitmap>();
  std::unique_ptr<TBitmap> FShade = std::make_unique<TBitmap>();
  bool FComCtl6 = true;
  TButtonState FState = bsUp;
  bool FDragging = false;
  bool FMouseInButton = false;
};
