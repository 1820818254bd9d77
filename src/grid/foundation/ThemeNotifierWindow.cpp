#include "grid/foundation/ThemeNotifierWindow.h"

TThemeNotifierWindow::TThemeNotifierWindow(TComponent* AOwner) : TWinControl(AOwner) { SetVisible(false); }

void TThemeNotifierWindow::WndProc(TMessage& Message) {
  if (Message.Msg == WM_OFFICETHEMECHANGE && OnOfficeThemeChange) OnOfficeThemeChange(this);
  TWinControl::WndProc(Message);
}
