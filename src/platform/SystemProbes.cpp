#include "platform/SystemProbes.h"

#include "platform/Controls.h"

#include <QApplication>
#include <QFontMetrics>
#include <QWidget>

namespace {
int beeps = 0;
}

int ComCtlMajorVersion() { return 6; }
bool IsComCtl6() { return ComCtlMajorVersion() >= 6; }
bool IsVistaOrLater() { return true; }
bool IsWinXPOrLater() { return true; }

int GetSystemMetrics(int index) {
  // The classic metrics at 96 dots per inch.
  switch (index) {
    case SM_CXVSCROLL:
    case SM_CYHSCROLL: return 17;
    case SM_CXBORDER:
    case SM_CYBORDER: return 1;
    case SM_CXEDGE:
    case SM_CYEDGE: return 2;
    default: return 0;
  }
}

int SystemFontHeight() { return QFontMetrics(QApplication::font()).height(); }

bool IsWindowActive(const TControl* Control) {
  return Control && Control->Widget() && Control->Widget()->window() == QApplication::activeWindow();
}

bool MouseButtonHeld() { return (QApplication::mouseButtons() & (Qt::LeftButton | Qt::RightButton)) != 0; }

bool LeftMouseButtonHeld() { return (QApplication::mouseButtons() & Qt::LeftButton) != 0; }

void SelectNextControl(TWinControl* Current, bool GoForward) {
  QWidget* start = Current ? Current->Widget() : nullptr;
  if (!start) return;
  QWidget* w = start;
  do {
    w = GoForward ? w->nextInFocusChain() : w->previousInFocusChain();
    if (w->isEnabled() && w->isVisible() && (w->focusPolicy() & Qt::TabFocus) && w->window() == start->window() &&
        !start->isAncestorOf(w)) {
      w->setFocus(GoForward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
      return;
    }
  } while (w != start);
}

void MessageBeep(unsigned) {
  ++beeps;
  QApplication::beep();
}

int MessageBeepCount() { return beeps; }
