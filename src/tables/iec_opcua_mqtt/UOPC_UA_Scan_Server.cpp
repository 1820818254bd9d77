#include "tables/iec_opcua_mqtt/UOPC_UA_Scan_Server.h"

#include "platform/StdCtrls.h"
#include "shell/ShellState.h"

TFOPC_UA_Scan_Server* FOPC_UA_Scan_Server = nullptr;

namespace {
constexpr int FirstTextId = 4400;
}  // namespace

TFOPC_UA_Scan_Server::TFOPC_UA_Scan_Server(TComponent* AOwner) : TForm(AOwner) {
  L_SW_Code = new TLabel(this);
  L_SW_Code->SetParent(this);
  OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
}

void TFOPC_UA_Scan_Server::FormCreate(TObject*) {
  L_SW_Code->SetCaption(SoftwareCode);
  Set_Lang();
}

void TFOPC_UA_Scan_Server::Set_Lang() { SetCaption(LangText(FirstTextId)); }
