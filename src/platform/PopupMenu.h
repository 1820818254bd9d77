// A pop-up menu shown at a screen point: its items are captions with a click
// event. Showing does not wait for a choice; the point of the last showing is
// kept so that callers and tests can see where it opened.
#pragma once

#include "platform/Classes.h"
#include "platform/Types.h"

#include <QString>

#include <memory>
#include <vector>

class QMenu;

class TPopupMenu : public TComponent {
public:
  explicit TPopupMenu(TComponent* AOwner);
  ~TPopupMenu() override;

  struct TItem {
    QString Caption;
    TNotifyEvent OnClick;
  };
  std::vector<TItem> Items;
  TNotifyEvent OnPopup;

  // Opens the menu with its top-left corner at the screen point (X, Y).
  virtual void Popup(int X, int Y);
  TPoint PopupPoint() const { return FPopupPoint; }
  int PopupCount() const { return FPopupCount; }

private:
  std::unique_ptr<QMenu> FMenu;
  TPoint FPopupPoint;
  int FPopupCount = 0;
};
