#include "tables/iec_opcua_mqtt/UOPC_UA_Client_Access.h"

#include "platform/StdCtrls.h"
#include "shell/ShellState.h"

TFOPC_UA_Client_Access* FOPC_UA_Client_Access = nullptr;

namespace {
constexpr int FirstTextId = 4100;
}  // namespace

TFOPC_UA_Client_Access::TFOPC_UA_Client_Access(TComponent* AOwner) : TForm(AOwner) {
  L_SW_Code = new TLabel(this);
  L_SW_Code->SetParent(this);
  OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
}

void TFOPC_UA_Client_Access::FormCreate(TObject*) {
  L_SW_Code->SetCaption(SoftwareCode);
  Set_Lang();
}

void TFOPC_UA_Client_Access::Set_Lang() { SetCaption(LangText(FirstTextId)); }
