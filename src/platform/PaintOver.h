// Drawing over a control whose widget paints itself (an edit, a combo box):
// after each native paint the control's WndProc receives WM_NCPAINT and then
// WM_PAINT, each with the TCanvas* in WParam standing for the device context,
// so the control's own frame and button painting land on top. The control
// owns the hook; painting outside a paint event asks for a repaint instead.
#pragma once

#include "platform/ControlMessages.h"

#include <QObject>
#include <QPointer>

#include <memory>

class TControl;
class TCanvas;

class TPaintOverHook {
public:
  explicit TPaintOverHook(TControl* Control);
  ~TPaintOverHook();
  TPaintOverHook(const TPaintOverHook&) = delete;
  TPaintOverHook& operator=(const TPaintOverHook&) = delete;

private:
  class TFilter;
  QPointer<QObject> FFilter;  // a child of the control's widget
};

// The canvas a WM_PAINT or WM_NCPAINT of a painted-over control carries.
inline TCanvas* PaintOverCanvas(WPARAM WParam) { return reinterpret_cast<TCanvas*>(WParam); }
