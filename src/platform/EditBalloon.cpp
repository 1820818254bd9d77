// The recorded balloon requests; one list for the GUI thread.
#include "platform/EditBalloon.h"

namespace {
std::vector<TEditBalloonRequest>& Requests() {
  static std::vector<TEditBalloonRequest> list;
  return list;
}
}  // namespace

void ShowEditBalloon(const TWinControl* Edit, const QString& Title, const QString& Text, TEditBalloonIcon Icon) {
  Requests().push_back(TEditBalloonRequest{Edit, Title, Text, Icon});
}

const std::vector<TEditBalloonRequest>& EditBalloonRequests() { return Requests(); }

void ClearEditBalloonRequests() { Requests().clear(); }
