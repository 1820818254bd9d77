// The small window that shows a hint: frameless, above the other windows and
// never activated, so the focus stays where it was. It records what it shows,
// so tests see the hint without a screen.
#pragma once

#include "platform/Controls.h"

#include <QString>

class THintWindow : public TCustomControl {
public:
  explicit THintWindow(TComponent* AOwner);

  // The bounds the text needs, wrapped at MaxWidth, at (0, 0).
  virtual TRect CalcHintRect(int MaxWidth, const QString& AHint);
  // Shows the hint in the rectangle (screen coordinates).
  virtual void ActivateHint(const TRect& ARect, const QString& AHint);
  // Takes the hint off the screen.
  void ReleaseHandle();

  bool HintShown() const { return FHintShown; }
  QString HintText() const { return FHintText; }
  TRect HintRect() const { return FHintRect; }

protected:
  void Paint() override;

private:
  bool FHintShown = false;
  QString FHintText;
  TRect FHintRect;
};
