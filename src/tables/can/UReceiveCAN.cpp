#include "tables/can/UReceiveCAN.h"

#include "platform/StdCtrls.h"
#include "shell/ShellState.h"

TFReceiveCAN* FReceiveCAN = nullptr;

namespace {
constexpr int FirstTextId = 2400;
}  // namespace

TFReceiveCAN::TFReceiveCAN(TComponent* AOwner) : TForm(AOwner) {
  L_SW_Code = new TLabel(this);
  L_SW_Code->SetParent(this);
  OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
}

void TFReceiveCAN::FormCreate(TObject*) {
  L_SW_Code->SetCaption(SoftwareCode);
  Set_Lang();
}

void TFReceiveCAN::Set_Lang() { SetCaption(LangText(FirstTextId)); }
