// The push button and the speed button. A speed button is a window-less
// button with a glyph that clicks when the left button is released over it,
// can stay down (GroupIndex, exclusive within its parent) and can look flat.
#pragma once

#include "platform/ButtonTypes.h"
#include "platform/Controls.h"

#include <QString>

#include <memory>

class QPushButton;

class TButton : public TWinControl {
public:
  explicit TButton(TComponent* AOwner);
  // Closes the form with this result when clicked (0: none).
  int ModalResult = 0;
  bool Default = false;
  bool Cancel = false;
  // Clicks as a user press does.
  void Click() override;

protected:
  void ApplyText() override;
  bool ClicksOnMouseUp() const override { return false; }

private:
  QPushButton* FButton;
};

class TSpeedButton : public TGraphicControl {
public:
  explicit TSpeedButton(TComponent* AOwner);

  bool Flat() const { return FFlat; }
  void SetFlat(bool Value);
  // A copy of the given bitmap; NumGlyphs images side by side (up, disabled, down, exclusive).
  TBitmap& Glyph() { return FGlyph; }
  const TBitmap& Glyph() const { return FGlyph; }
  void SetGlyph(const TBitmap* Value);
  int NumGlyphs() const { return FNumGlyphs; }
  void SetNumGlyphs(int Value);
  bool Down() const { return FDown; }
  void SetDown(bool Value);
  int GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int Value) { FGroupIndex = Value; }
  bool AllowAllUp = false;
  TButtonState State() const { return FState; }
  // The mouse is over the button.
  bool MouseInControl() const { return FMouseInControl; }
  // The button was pressed here and keeps the mouse until release.
  bool Dragging() const { return FDragging; }
  void Click() override;

protected:
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseEnter() override;
  void MouseLeave() override;
  void EnabledChanged() override;
  void Paint() override;
  bool ClicksOnMouseUp() const override { return false; }
  // The face without the glyph and caption; gives the rectangle left for them.
  TRect DrawButtonFace(TCanvas& Canvas);
  void DrawGlyphAndCaption(TCanvas& Canvas, const TRect& Client, bool Pressed);
  TButtonState FState = bsUp;

private:
  void UpdateExclusive();
  bool FFlat = false;
  TBitmap FGlyph;
  int FNumGlyphs = 1;
  bool FDown = false;
  int FGroupIndex = 0;
  bool FDragging = false;
};
