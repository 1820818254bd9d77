// The shift keys held now, as a handler outside a key event asks for them.
#pragma once

#include "platform/Types.h"

TShiftState KeyboardShiftState();
