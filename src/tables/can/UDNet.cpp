#include "tables/can/UDNet.h"

#include "platform/StdCtrls.h"
#include "shell/ShellState.h"

TFDNet* FDNet = nullptr;

namespace {
constexpr int FirstTextId = 2900;
}  // namespace

TFDNet::TFDNet(TComponent* AOwner) : TForm(AOwner) {
  L_SW_Code = new TLabel(this);
  L_SW_Code->SetParent(this);
  OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
}

void TFDNet::FormCreate(TObject*) {
  L_SW_Code->SetCaption(SoftwareCode);
  Set_Lang();
}

void TFDNet::Set_Lang() { SetCaption(LangText(FirstTextId)); }
