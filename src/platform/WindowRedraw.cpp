#include "platform/WindowRedraw.h"

#include "platform/Controls.h"

#include <QWidget>

void SetWindowRedraw(TControl* Control, bool Redraw) {
  if (Control && Control->Widget()) Control->Widget()->setUpdatesEnabled(Redraw);
}

bool WindowRedraws(const TControl* Control) {
  return !Control || !Control->Widget() || Control->Widget()->updatesEnabled();
}
