// The buttons of the drop-down header and footer bars: their look
// (TPlexButtonAppearance) and the owner-drawn button control, which can be a
// push button, a check button or one of a group, tracks the mouse with a
// short timer and hands its modal result to its form and its drop-down.
#pragma once

#include "grid/core/FooterAppearance.h"
#include "grid/core/HeaderAppearance.h"
#include "platform/Controls.h"
#include "platform/Graphics.h"
#include "platform/Messages.h"

class TImageList;
class TTimer;
class TPlexButtonAppearance;

// A drop-down editor as its bars and their buttons see it.
class IBarDropDown {
public:
  virtual ~IBarDropDown() = default;
  virtual THeaderAppearance& DropDownHeader() = 0;
  virtual TFooterAppearance& DropDownFooter() = 0;
  virtual TPlexButtonAppearance& ButtonAppearance() = 0;
  virtual TImageList* Images() = 0;
  virtual bool DropDownSizeable() = 0;
  virtual int DropDownBorderWidth() = 0;
  virtual TColor DropDownBorderColor() = 0;
  // Fire the drop-down's header and footer button events with itself as sender.
  virtual void HeaderButtonClick(int ButtonIndex) = 0;
  virtual void FooterButtonClick(int ButtonIndex) = 0;
  // Closes the popup, accepted or cancelled.
  virtual void HidePopup(bool Cancelled) = 0;
};

#define PLEX_APPEARANCE_COLOR(Name, Default)              \
public:                                                   \
  TColor Name() const { return F##Name; }                 \
  void Set##Name(TColor Value) { Store(F##Name, Value); } \
                                                          \
private:                                                  \
  TColor F##Name = Default;

class TPlexButtonAppearance : public TObject {
public:
  TPlexButtonAppearance() { FFont.SetName("Tahoma"); }
  TGradientDirection Gradient() const { return FGradient; }
  void SetGradient(TGradientDirection Value);
  TFont& Font() { return FFont; }
  const TFont& Font() const { return FFont; }
  // Every colour and the gradient through the setters; the font stays.
  void Assign(const TPlexButtonAppearance& Source);
  TNotifyEvent OnChange;

  PLEX_APPEARANCE_COLOR(Color, clNone)
  PLEX_APPEARANCE_COLOR(ColorTo, clNone)
  PLEX_APPEARANCE_COLOR(ColorHot, 0xF5F0E1)
  PLEX_APPEARANCE_COLOR(ColorHotTo, 0xF9D2B2)
  PLEX_APPEARANCE_COLOR(ColorDown, 0xF5D8CA)
  PLEX_APPEARANCE_COLOR(ColorDownTo, 0xF9BDA0)
  PLEX_APPEARANCE_COLOR(ColorDisabled, 0xF2F2F2)
  PLEX_APPEARANCE_COLOR(ColorDisabledTo, clNone)
  // The checked look has no published property; BrightenColor of the hot pair by -10, -10, 0.
  PLEX_APPEARANCE_COLOR(ColorChecked, 0xF5D8CA)
  PLEX_APPEARANCE_COLOR(ColorCheckedTo, 0xF9BDA0)
  PLEX_APPEARANCE_COLOR(BorderColor, clNone)
  PLEX_APPEARANCE_COLOR(BorderColorHot, 0x808080)
  PLEX_APPEARANCE_COLOR(BorderColorDown, 0x800000)
  PLEX_APPEARANCE_COLOR(BorderColorDisabled, 0x808080)
  PLEX_APPEARANCE_COLOR(BorderColorChecked, 0xFF0000)

private:
  void Store(TColor& Field, TColor Value);
  TGradientDirection FGradient = gdVertical;
  TFont FFont;
};

#undef PLEX_APPEARANCE_COLOR

enum TPlexButtonStyle { tasButton, tasCheck };
enum TPlexButtonState { absUp, absDisabled, absDown, absDropDown, absExclusive };

class TPlexButton : public TCustomControl {
public:
  explicit TPlexButton(TComponent* AOwner);
  ~TPlexButton() override;

  TPlexButtonAppearance* Appearance() const { return FAppearance; }
  void SetAppearance(TPlexButtonAppearance* Value);
  TImageList* Images() const { return FImages; }
  void SetImages(TImageList* Value);
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value);
  TPlexButtonStyle Style() const { return FStyle; }
  void SetStyle(TPlexButtonStyle Value) { FStyle = Value; }
  TPlexButtonState State() const { return FState; }
  int GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int Value) { FGroupIndex = Value; }
  bool AllowAllUp() const { return FAllowAllUp; }
  void SetAllowAllUp(bool Value) { FAllowAllUp = Value; }
  bool Down() const { return FDown; }
  void SetDown(bool Value);
  TModalResult ModalResult() const { return FModalResult; }
  void SetModalResult(TModalResult Value) { FModalResult = Value; }
  IBarDropDown* PlexDropDown() const { return FPlexDropDown; }
  void SetPlexDropDown(IBarDropDown* Value) { FPlexDropDown = Value; }
  bool MouseInControl() const { return FMouseInControl; }
  // Fits the caption in the appearance font (and the image): text + 8 wide, + 4 high.
  void AutoSizeButton();
  void Click() override;

protected:
  void WndProc(TMessage& Message) override;
  void Paint() override;
  virtual void DrawButton(TCanvas& Canvas);
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseEnter() override;
  void MouseLeave() override;

private:
  bool Inside(int X, int Y) const { return X >= 0 && X < ClientWidth() && Y >= 0 && Y <= ClientHeight(); }
  void UpdateTracking();
  void UnHotTimerTick();
  TPlexButtonAppearance* FAppearance = nullptr;
  TImageList* FImages = nullptr;
  int FImageIndex = -1;
  TPlexButtonStyle FStyle = tasButton;
  TPlexButtonState FState = absUp;
  int FGroupIndex = 0;
  bool FDown = false;
  bool FAllowAllUp = false;
  bool FMouseInControl = false;
  bool FMouseDownInControl = false;
  bool FHot = false;
  bool FDragging = false;
  TTimer* FUnHotTimer = nullptr;
  TModalResult FModalResult = 0;
  IBarDropDown* FPlexDropDown = nullptr;
  bool FInternalClick = false;
};
