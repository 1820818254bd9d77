#include "platform/PopupMenu.h"

#include "platform/Application.h"

#include <QMenu>

TPopupMenu::TPopupMenu(TComponent* AOwner) : TComponent(AOwner) {}

TPopupMenu::~TPopupMenu() = default;

void TPopupMenu::Popup(int X, int Y) {
  FPopupPoint = TPoint(X, Y);
  ++FPopupCount;
  if (OnPopup) OnPopup(this);
  if (Items.empty()) return;
  FMenu = std::make_unique<QMenu>();
  for (size_t i = 0; i < Items.size(); ++i) {
    QAction* a = FMenu->addAction(Items[i].Caption);
    QObject::connect(a, &QAction::triggered, [this, i] {
      SafeCall([&] {
        if (i < Items.size() && Items[i].OnClick) Items[i].OnClick(this);
      });
    });
  }
  FMenu->popup(QPoint(X, Y));
}
