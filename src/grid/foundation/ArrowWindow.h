// The small lime-green arrow that floats next to the drop position while a
// column or row is dragged: a pop-up window shaped by a seven-point outline.
#pragma once

#include "platform/ExtCtrls.h"

#include <array>

enum TArrowDirection { arrUp, arrDown, arrLeft, arrRight };

class TArrowWindow : public TPanel {
public:
  using TArrow = std::array<TPoint, 7>;
  // Owner and parent are the grid; the window starts hidden.
  TArrowWindow(TWinControl* AOwner, TArrowDirection Direction);
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  TArrowDirection Dir() const { return FDir; }
  const TArrow& Arrow() const { return FArrow; }
  static const TArrow& Outline(TArrowDirection Direction);

protected:
  void Paint() override;

private:
  void CreateWnd();
  TArrowDirection FDir;
  TArrow FArrow;
};
