#include "platform/Menus.h"

#include "platform/Application.h"
#include "platform/Controls.h"

#include <QAction>
#include <QMenu>

namespace {

class TQtPopupService : public TPopupService {
public:
  int Choose(const QStringList& Captions, const TPoint& ScreenPos, unsigned) override {
    QMenu menu;
    for (const QString& c : Captions) menu.addAction(c);
    QAction* chosen = menu.exec(QPoint(ScreenPos.X, ScreenPos.Y));
    return chosen ? int(menu.actions().indexOf(chosen)) : -1;
  }
};

std::unique_ptr<TPopupService>& Installed() {
  static std::unique_ptr<TPopupService> service = std::make_unique<TQtPopupService>();
  return service;
}

}  // namespace

TPopupService& PopupService() { return *Installed(); }

std::unique_ptr<TPopupService> SetPopupService(std::unique_ptr<TPopupService> Service) {
  std::unique_ptr<TPopupService> previous = std::move(Installed());
  Installed() = Service ? std::move(Service) : std::make_unique<TQtPopupService>();
  return previous;
}

int TScriptedPopupService::Choose(const QStringList& Captions, const TPoint& ScreenPos, unsigned Flags) {
  Shown.push_back({Captions, ScreenPos, Flags});
  if (Answers.empty()) return -1;
  const int answer = Answers.front();
  Answers.erase(Answers.begin());
  return answer >= 0 && answer < Captions.size() ? answer : -1;
}

TScriptedPopupScope::TScriptedPopupScope() {
  auto service = std::make_unique<TScriptedPopupService>();
  FService = service.get();
  FPrevious = SetPopupService(std::move(service));
}

TScriptedPopupScope::~TScriptedPopupScope() { SetPopupService(std::move(FPrevious)); }

TMenuItem* TPopupMenu::Add(const QString& Caption, int Command) {
  auto* item = new TMenuItem(this);  // owned by the menu
  item->Caption = Caption;
  item->Command = Command;
  FItems.push_back(item);
  return item;
}

void TPopupMenu::Clear() {
  std::vector<TMenuItem*> items;
  items.swap(FItems);
  for (TMenuItem* item : items) delete item;  // the menu is their owner
}

namespace {
QStringList Captions(const TPopupMenu& menu) {
  QStringList list;
  for (int i = 0; i < menu.Count(); ++i) list << menu.Items(i)->Caption;
  return list;
}
}  // namespace

void TPopupMenu::Popup(int X, int Y) {
  FLastChosen = nullptr;
  if (OnPopup) OnPopup(this);
  const int index = PopupService().Choose(Captions(*this), TPoint(X, Y), TPM_LEFTBUTTON);
  if (index < 0 || !Items(index)->Enabled) return;
  FLastChosen = Items(index);
  if (FLastChosen->OnClick) FLastChosen->OnClick(FLastChosen);
}

int TrackPopupMenu(const TPopupMenu& Menu, unsigned Flags, int X, int Y, TControl* Owner) {
  const int index = PopupService().Choose(Captions(Menu), TPoint(X, Y), Flags);
  if (index < 0 || !Menu.Items(index)->Enabled) return 0;
  const int command = Menu.Items(index)->Command;
  if (!(Flags & TPM_RETURNCMD) && Owner) SendMessage(Owner, WM_COMMAND, WPARAM(command & 0xFFFF), 0);
  return command;
}
