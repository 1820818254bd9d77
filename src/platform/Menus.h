// Popup menus. `Popup(x, y)` shows the menu at a screen point and runs the
// chosen item's OnClick; the raw form `TrackPopupMenu` returns the chosen
// command id and, unless asked to return it only, sends it to the owner
// window as WM_COMMAND. Where the menu is shown is the popup service's
// affair: Qt's menu normally, a scripted choice in tests.
#pragma once

#include "platform/Classes.h"
#include "platform/ControlMessages.h"
#include "platform/Types.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class TControl;

class TMenuItem : public TComponent {
public:
  explicit TMenuItem(TComponent* AOwner) : TComponent(AOwner) {}
  QString Caption;
  // The id a raw menu reports.
  int Command = 0;
  bool Enabled = true;
  TNotifyEvent OnClick;
};

// Shows captions at a screen point; answers the chosen index or -1.
class TPopupService {
public:
  virtual ~TPopupService() = default;
  virtual int Choose(const QStringList& Captions, const TPoint& ScreenPos, unsigned Flags) = 0;
};

// Installs a service; null puts Qt's back. Returns the previous one.
std::unique_ptr<TPopupService> SetPopupService(std::unique_ptr<TPopupService> Service);
TPopupService& PopupService();

// Answers from a script (an index or -1 a popup) and records each popup.
class TScriptedPopupService : public TPopupService {
public:
  struct TShown {
    QStringList Captions;
    TPoint ScreenPos;
    unsigned Flags = 0;
  };
  std::vector<int> Answers;
  std::vector<TShown> Shown;
  int Choose(const QStringList& Captions, const TPoint& ScreenPos, unsigned Flags) override;
};

class TScriptedPopupScope {
public:
  TScriptedPopupScope();
  ~TScriptedPopupScope();
  TScriptedPopupService& Service() { return *FService; }

private:
  TScriptedPopupService* FService;
  std::unique_ptr<TPopupService> FPrevious;
};

class TPopupMenu : public TComponent {
public:
  explicit TPopupMenu(TComponent* AOwner) : TComponent(AOwner) {}
  // A new item owned by the menu, at the end.
  TMenuItem* Add(const QString& Caption, int Command = 0);
  int Count() const { return int(FItems.size()); }
  TMenuItem* Items(int Index) const { return FItems.at(size_t(Index)); }
  void Clear();
  TNotifyEvent OnPopup;
  // Shows the menu at the screen point; the chosen item's OnClick fires.
  virtual void Popup(int X, int Y);
  // The item the last popup chose, or null.
  TMenuItem* LastChosen() const { return FLastChosen; }

private:
  std::vector<TMenuItem*> FItems;
  TMenuItem* FLastChosen = nullptr;
};

// The raw menu call: returns the chosen command id (0 for none) and, without
// TPM_RETURNCMD, sends WM_COMMAND with that id to Owner.
int TrackPopupMenu(const TPopupMenu& Menu, unsigned Flags, int X, int Y, TControl* Owner);
