#include "platform/SystemProbes.h"

#include "platform/Controls.h"

#include <QApplication>
#include <QFontMetrics>

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

void MessageBeep(unsigned) {
  ++beeps;
  QApplication::beep();
}

int MessageBeepCount() { return beeps; }
