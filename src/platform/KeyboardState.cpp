// The held shift keys: those of the key event being delivered, else the
// application's current keyboard state.
#include "platform/KeyboardState.h"

#include "platform/Controls.h"
#include "platform/internal/KeyEventShift.h"

#include <QGuiApplication>

namespace {
const Qt::KeyboardModifiers* EventModifiers = nullptr;
}  // namespace

void SetKeyEventModifiers(const Qt::KeyboardModifiers* Modifiers) { EventModifiers = Modifiers; }
const Qt::KeyboardModifiers* KeyEventModifiers() { return EventModifiers; }

TShiftState KeyboardShiftState() {
  return ShiftStateFromQt(EventModifiers ? *EventModifiers : QGuiApplication::keyboardModifiers());
}
