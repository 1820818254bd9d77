// The flat Metro look shared by the date pickers: an owner-painted drop-down
// button, border colours for the normal and the focused state, and plain
// frame lines without 3D borders. The two pickers that use it differ only in
// the rules of TPickerLookRules.
#pragma once

#include "platform/DateTimePicker.h"
#include "platform/PaintOver.h"

#include <memory>

struct TPickerLookRules {
  bool Ctl3D;                      // at creation
  TColor BorderColor;              // at creation
  int FillGapThemed;               // the fill beside the button starts this far left of it
  bool FrameLinesNeedBorderColor;  // non-client frame lines only with BorderColor set
  bool FrameLinesInPaint;          // frame lines also after the client painting
};

class TMetroDateTimePicker : public TDateTimePicker {
public:
  TMetroDateTimePicker(TComponent* AOwner, const TPickerLookRules& Rules);
  ~TMetroDateTimePicker() override;

  bool MetroStyle() const { return FMetroStyle; }
  void SetMetroStyle(bool Value);
  TColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(TColor Value);
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  virtual void SetBorderStyle(TBorderStyle Value);
  bool Ctl3D() const { return FCtl3D; }
  void SetCtl3D(bool Value);
  TColor ButtonColor = clNone;
  TColor ButtonColorHot = clNone;
  TColor ButtonColorDown = clNone;
  TColor ButtonTextColor = clNone;
  TColor ButtonTextColorHot = clNone;
  TColor ButtonTextColorDown = clNone;
  TColor ButtonBorderColor = clNone;
  bool FocusBorder = false;
  bool DisabledBorder = false;
  TColor FocusBorderColor = clNone;
  bool IsThemed() const { return FIsThemed; }
  bool IsWinXP() const { return FIsWinXP; }
  int ButtonWidth() const { return FButtonWidth; }
  bool HasFocus() const { return FHasFocus; }
  bool ButtonHover() const { return FButtonHover; }
  bool MouseInPicker() const { return FMouseInPicker; }

  // A plain picker never paints the Metro look.
  virtual bool UsesPlainLook() const { return false; }
  bool MetroActive() const { return FMetroStyle && !UsesPlainLook(); }
  bool ThemesActive() const;
  bool IsHighlighted() const { return FMouseInPicker || FHasFocus; }
  bool FocusBorderActive() const { return FocusBorder && IsHighlighted(); }

protected:
  void WndProc(TMessage& Message) override;
  void DoEnter() override;
  void DoExit() override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void PaintLook(TCanvas& Canvas);
  void DrawButton(TCanvas& Canvas);
  void DrawBorders();
  void DrawBorders(TCanvas& Canvas);
  void DrawBorder(TCanvas& Canvas);
  void DrawFlatButtonFace(TCanvas& Canvas);
  void DrawFrameLines(TCanvas& Canvas, bool InPaint);
  bool BordersWanted() const;

private:
  const TPickerLookRules& FRules;
  bool FMetroStyle = false;
  TColor FBorderColor = clNone;
  TBorderStyle FBorderStyle = bsNone;
  bool FCtl3D = true;
  bool FIsThemed = false;
  bool FIsWinXP = false;
  int FButtonWidth = 0;
  bool FHasFocus = false;
  bool FButtonHover = false;
  bool FMouseInPicker = false;
  std::unique_ptr<TPaintOverHook> FPaintHook;
};
