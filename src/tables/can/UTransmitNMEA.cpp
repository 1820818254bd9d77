#include "tables/can/UTransmitNMEA.h"

#include "platform/StdCtrls.h"
#include "shell/ShellState.h"

TFTransmitNMEA* FTransmitNMEA = nullptr;

namespace {
constexpr int FirstTextId = 4000;
}  // namespace

TFTransmitNMEA::TFTransmitNMEA(TComponent* AOwner) : TForm(AOwner) {
  L_SW_Code = new TLabel(this);
  L_SW_Code->SetParent(this);
  OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
}

void TFTransmitNMEA::FormCreate(TObject*) {
  L_SW_Code->SetCaption(SoftwareCode);
  Set_Lang();
}

void TFTransmitNMEA::Set_Lang() { SetCaption(LangText(FirstTextId)); }
