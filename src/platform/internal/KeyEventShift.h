// The shift state carried by the key event being delivered, so handlers that
// ask for the held keys see what the event says even before the system's own
// keyboard state has caught up.
#pragma once

#include <Qt>

// Set while a key event is delivered; null outside one.
void SetKeyEventModifiers(const Qt::KeyboardModifiers* Modifiers);
const Qt::KeyboardModifiers* KeyEventModifiers();
