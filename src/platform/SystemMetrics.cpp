#include "platform/SystemMetrics.h"

#include <QApplication>
#include <QStyle>

int GetSystemMetrics(int Index) {
  switch (Index) {
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
      // The window scroll bars of the grids are the style's; both share one thickness.
      return QApplication::style() ? QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent) : 0;
    default:
      return 0;
  }
}

namespace {
int GWheelLinesChoice = 0;
}  // namespace

int SystemWheelScrollLines() { return GWheelLinesChoice != 0 ? GWheelLinesChoice : QApplication::wheelScrollLines(); }

void SetSystemWheelScrollLines(int Lines) { GWheelLinesChoice = Lines; }
