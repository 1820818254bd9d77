#include "tables/can/UTransmitJ1939.h"

#include "platform/StdCtrls.h"
#include "shell/ShellState.h"

TFTransmitJ1939* FTransmitJ1939 = nullptr;

namespace {
constexpr int FirstTextId = 3600;
}  // namespace

TFTransmitJ1939::TFTransmitJ1939(TComponent* AOwner) : TForm(AOwner) {
  L_SW_Code = new TLabel(this);
  L_SW_Code->SetParent(this);
  OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
}

void TFTransmitJ1939::FormCreate(TObject*) {
  L_SW_Code->SetCaption(SoftwareCode);
  Set_Lang();
}

void TFTransmitJ1939::Set_Lang() { SetCaption(LangText(FirstTextId)); }
