#include "grid/features/SearchPanel.h"

#include "platform/StdCtrls.h"

namespace {
constexpr int EditTop = 6;
constexpr int EditLeft = 25;
constexpr int EditWidth = 110;
}  // namespace

TSearchPanel::TSearchPanel(TComponent* AOwner) : TCustomControl(AOwner) {
  SetAlign(alBottom);
  SetHeight(0);
  EditControl = new TEdit(this);
  EditControl->SetParent(this);
  EditControl->SetBounds(EditLeft, EditTop, EditWidth, EditControl->Height());
}

void TSearchPanel::Paint() {
  TCanvas& c = Canvas();
  c.Brush().Color = Color();
  c.Brush().Style = bsSolid;
  c.FillRect(ClientRect());
}
