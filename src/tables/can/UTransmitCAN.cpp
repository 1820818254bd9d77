#include "tables/can/UTransmitCAN.h"

#include "platform/StdCtrls.h"
#include "shell/ShellState.h"

TFTransmitCAN* FTransmitCAN = nullptr;

namespace {
constexpr int FirstTextId = 2500;
}  // namespace

TFTransmitCAN::TFTransmitCAN(TComponent* AOwner) : TForm(AOwner) {
  L_SW_Code = new TLabel(this);
  L_SW_Code->SetParent(this);
  OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
}

void TFTransmitCAN::FormCreate(TObject*) {
  L_SW_Code->SetCaption(SoftwareCode);
  Set_Lang();
}

void TFTransmitCAN::Set_Lang() { SetCaption(LangText(FirstTextId)); }
