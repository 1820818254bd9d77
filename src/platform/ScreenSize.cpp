#include "platform/ScreenSize.h"

#include <QGuiApplication>
#include <QScreen>

namespace {
int WidthOverride = 0;
}

int ScreenWidth() {
  if (WidthOverride > 0) return WidthOverride;
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->geometry().width() : 0;
}

void SetScreenWidthOverride(int Width) { WidthOverride = Width > 0 ? Width : 0; }
