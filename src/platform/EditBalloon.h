// Balloon tips on edit fields (the edit control's EM_SHOWBALLOONTIP): a
// refused value is pointed out on the editor that holds it. Until the balloon
// tooltip window exists the request is only recorded, so callers can be seen.
#pragma once

#include <QString>

#include <vector>

class TWinControl;

// The icon of a balloon: none, information, warning, error.
enum TEditBalloonIcon { ebiNone, ebiInfo, ebiWarning, ebiError };

struct TEditBalloonRequest {
  const TWinControl* Edit = nullptr;
  QString Title;
  QString Text;
  TEditBalloonIcon Icon = ebiNone;
};

void ShowEditBalloon(const TWinControl* Edit, const QString& Title, const QString& Text, TEditBalloonIcon Icon);
// Every balloon asked for since the last clear, oldest first.
const std::vector<TEditBalloonRequest>& EditBalloonRequests();
void ClearEditBalloonRequests();
