#include "lorawan/ULoRaWAN_Gateway.h"

#include "platform/StdCtrls.h"
#include "shell/ShellState.h"

TFLoRaWAN_Gateway* FLoRaWAN_Gateway = nullptr;

namespace {
constexpr int FirstTextId = 5400;
}  // namespace

TFLoRaWAN_Gateway::TFLoRaWAN_Gateway(TComponent* AOwner) : TForm(AOwner) {
  L_SW_Code = new TLabel(this);
  L_SW_Code->SetParent(this);
  OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
}

void TFLoRaWAN_Gateway::FormCreate(TObject*) {
  L_SW_Code->SetCaption(SoftwareCode);
  Set_Lang();
}

void TFLoRaWAN_Gateway::Set_Lang() { SetCaption(LangText(FirstTextId)); }
