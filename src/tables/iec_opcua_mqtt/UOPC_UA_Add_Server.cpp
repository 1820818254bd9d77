#include "tables/iec_opcua_mqtt/UOPC_UA_Add_Server.h"

#include "platform/StdCtrls.h"
#include "shell/ShellState.h"

TFOPC_UA_Add_Server* FOPC_UA_Add_Server = nullptr;

namespace {
constexpr int FirstTextId = 4300;
}  // namespace

TFOPC_UA_Add_Server::TFOPC_UA_Add_Server(TComponent* AOwner) : TForm(AOwner) {
  L_SW_Code = new TLabel(this);
  L_SW_Code->SetParent(this);
  OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
}

void TFOPC_UA_Add_Server::FormCreate(TObject*) {
  L_SW_Code->SetCaption(SoftwareCode);
  Set_Lang();
}

void TFOPC_UA_Add_Server::Set_Lang() { SetCaption(LangText(FirstTextId)); }
