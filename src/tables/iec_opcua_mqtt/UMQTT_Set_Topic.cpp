#include "tables/iec_opcua_mqtt/UMQTT_Set_Topic.h"

#include "platform/StdCtrls.h"
#include "shell/ShellState.h"

TFMQTT_Set_Topic* FMQTT_Set_Topic = nullptr;

namespace {
constexpr int FirstTextId = 3700;
}  // namespace

TFMQTT_Set_Topic::TFMQTT_Set_Topic(TComponent* AOwner) : TForm(AOwner) {
  L_SW_Code = new TLabel(this);
  L_SW_Code->SetParent(this);
  OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
}

void TFMQTT_Set_Topic::FormCreate(TObject*) {
  L_SW_Code->SetCaption(SoftwareCode);
  Set_Lang();
}

void TFMQTT_Set_Topic::Set_Lang() { SetCaption(LangText(FirstTextId)); }
