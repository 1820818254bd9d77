#include "platform/BiDi.h"

namespace {
bool gMiddleEast = false;
}

bool SysLocaleMiddleEast() { return gMiddleEast; }

void SetSysLocaleMiddleEast(bool MiddleEast) { gMiddleEast = MiddleEast; }
