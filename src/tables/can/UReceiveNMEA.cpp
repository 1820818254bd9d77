#include "tables/can/UReceiveNMEA.h"

#include "platform/StdCtrls.h"
#include "shell/ShellState.h"

TFReceiveNMEA* FReceiveNMEA = nullptr;

namespace {
constexpr int FirstTextId = 3900;
}  // namespace

TFReceiveNMEA::TFReceiveNMEA(TComponent* AOwner) : TForm(AOwner) {
  L_SW_Code = new TLabel(this);
  L_SW_Code->SetParent(this);
  OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
}

void TFReceiveNMEA::FormCreate(TObject*) {
  L_SW_Code->SetCaption(SoftwareCode);
  Set_Lang();
}

void TFReceiveNMEA::Set_Lang() { SetCaption(LangText(FirstTextId)); }
