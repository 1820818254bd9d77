// The held shift keys: those of the key event being delivered, else the
// application's current keyboard state.
#include "platform/KeyboardState.h"

#include "platform/Controls.h"
#include "platform/internal/ControlBridge.h"
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

bool KeyIsDown(WORD VirtualKey) {
  const Qt::KeyboardModifiers mods = EventModifiers ? *EventModifiers : QGuiApplication::keyboardModifiers();
  switch (VirtualKey) {
    case VK_SHIFT: return mods & Qt::ShiftModifier;
    case VK_CONTROL: return mods & Qt::ControlModifier;
    case VK_LMENU: return mods & Qt::AltModifier;
    // The window system reports AltGr as a switch of the key group, not as Alt.
    case VK_RMENU: return mods & Qt::GroupSwitchModifier;
    case VK_MENU: return mods & (Qt::AltModifier | Qt::GroupSwitchModifier);
    default: return false;
  }
}
