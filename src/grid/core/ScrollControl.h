// The thin scroll bar of the Metro look: a 6-pixel strip along the grid's
// right or bottom edge that shows only a thumb over the grid's own
// background. A click beside the thumb pages, a drag on it scrolls.
#pragma once

#include "platform/Controls.h"

class TPlexStringGrid;

enum TScrollDirection { sdVertical, sdHorizontal };

class TScrollControl : public TCustomControl {
public:
  explicit TScrollControl(TComponent* AOwner);

  TColor ThumbColor() const { return FThumbColor; }
  void SetThumbColor(TColor Value);
  int ScrollWidth() const { return FScrollWidth; }
  void SetScrollWidth(int Value);
  TScrollDirection Direction() const { return FDirection; }
  void SetDirection(TScrollDirection Value);
  // Where the thumb starts along the bar and how long it is; false without a grid.
  bool ThumbExtent(int& Start, int& Size) const;
  // Whether the grid has more normal columns (rows) than it shows.
  bool HasThumb() const;
  bool Dragging() const { return FDownOnScroller; }

protected:
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void Paint() override;

private:
  TPlexStringGrid* Grid() const;
  TColor FThumbColor = 0xC0C0C0;
  int FScrollWidth = 4;
  TScrollDirection FDirection = sdVertical;
  bool FDownOnScroller = false;
  int FDownPos = 0;
  int FDownRow = 0;
};
