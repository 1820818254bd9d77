#include "platform/FindControl.h"

#include "platform/Controls.h"
#include "platform/internal/ControlBridge.h"

#include <QApplication>
#include <QCursor>
#include <QWidget>

TPoint CursorPos() {
  const QPoint p = QCursor::pos();
  return TPoint(p.x(), p.y());
}

bool MouseCaptured() { return QWidget::mouseGrabber() != nullptr; }

TControl* FindDragTarget(const TPoint& Pos, bool AllowDisabled) {
  TControl* control = nullptr;
  for (QWidget* w = QApplication::widgetAt(Pos.toQPoint()); w && !control; w = w->parentWidget())
    control = ControlFromWidget(w);
  if (!AllowDisabled)
    while (control && !control->Enabled()) control = control->Parent();
  return control;
}
