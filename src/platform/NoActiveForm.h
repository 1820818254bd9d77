// A pop-up form that never takes activation: a click on it leaves the focus
// where it was. The grid shows the pictures of dragged cells on it.
#pragma once

#include "platform/Forms.h"

constexpr UINT WM_ACTIVATE = 0x0006, WM_MOUSEACTIVATE = 0x0021;
constexpr LRESULT MA_NOACTIVATE = 3;
constexpr DWORD WS_BORDER = 0x00800000u;

class TNoActiveForm : public TForm {
public:
  explicit TNoActiveForm(TComponent* AOwner);
  // WS_POPUP | WS_DISABLED | WS_BORDER, as the window was created.
  static constexpr DWORD WindowStyle = 0x88800000u;

protected:
  void WndProc(TMessage& Message) override;
};
