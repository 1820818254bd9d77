// How the toolkit's widgets and events reach the controls: the control of a
// widget, the event entry and the key and modifier translation. Private to
// the platform.
#pragma once

#include "platform/Controls.h"

#include <QWidget>

// The control whose widget this is, or null.
TControl* ControlFromWidget(const QWidget* w);
// Runs a Qt event through the control; true when the control consumed it.
bool HandleQtEvent(TControl& control, QObject* target, QEvent* e);

// Qt key and modifier translation.
WORD QtKeyToVirtualKey(int qtKey, Qt::KeyboardModifiers mods);
TShiftState ShiftStateFromQt(Qt::KeyboardModifiers mods, Qt::MouseButtons buttons = Qt::NoButton);
