#include "tables/iec_opcua_mqtt/UOPC_UA_Server_Access.h"

#include "platform/StdCtrls.h"
#include "shell/ShellState.h"

TFOPC_UA_Server_Access* FOPC_UA_Server_Access = nullptr;

namespace {
constexpr int FirstTextId = 4500;
}  // namespace

TFOPC_UA_Server_Access::TFOPC_UA_Server_Access(TComponent* AOwner) : TForm(AOwner) {
  L_SW_Code = new TLabel(this);
  L_SW_Code->SetParent(this);
  OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
}

void TFOPC_UA_Server_Access::FormCreate(TObject*) {
  L_SW_Code->SetCaption(SoftwareCode);
  Set_Lang();
}

void TFOPC_UA_Server_Access::Set_Lang() { SetCaption(LangText(FirstTextId)); }
