// The notifier's own hidden window: it hears the office theme change
// message first and raises OnOfficeThemeChange.
#pragma once

#include "platform/Controls.h"

// Sent to the notifier window and every registered window when the office
// suite's theme settings change: WParam the watched root key, LParam the
// watched key path (NUL-terminated UTF-16, valid during the call).
constexpr UINT WM_OFFICETHEMECHANGE = 2993;

class TThemeNotifierWindow : public TWinControl {
public:
  explicit TThemeNotifierWindow(TComponent* AOwner);
  TNotifyEvent OnOfficeThemeChange;

protected:
  void WndProc(TMessage& Message) override;
};
