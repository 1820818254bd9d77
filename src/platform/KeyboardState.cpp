#include "platform/KeyboardState.h"

#include "platform/Controls.h"

#include <QGuiApplication>

TShiftState KeyboardShiftState() { return ShiftStateFromQt(QGuiApplication::keyboardModifiers()); }
