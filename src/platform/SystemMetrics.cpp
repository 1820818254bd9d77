#include "platform/SystemMetrics.h"

#include <QApplication>

namespace {
int GWheelLinesChoice = 0;
}  // namespace

int SystemWheelScrollLines() { return GWheelLinesChoice != 0 ? GWheelLinesChoice : QApplication::wheelScrollLines(); }

void SetSystemWheelScrollLines(int Lines) { GWheelLinesChoice = Lines; }
