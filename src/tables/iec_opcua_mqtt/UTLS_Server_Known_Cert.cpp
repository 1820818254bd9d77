#include "tables/iec_opcua_mqtt/UTLS_Server_Known_Cert.h"

#include "platform/StdCtrls.h"
#include "shell/ShellState.h"

TFTLS_Server_Known_Cert* FTLS_Server_Known_Cert = nullptr;

namespace {
constexpr int FirstTextId = 3400;
}  // namespace

TFTLS_Server_Known_Cert::TFTLS_Server_Known_Cert(TComponent* AOwner) : TForm(AOwner) {
  L_SW_Code = new TLabel(this);
  L_SW_Code->SetParent(this);
  OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
}

void TFTLS_Server_Known_Cert::FormCreate(TObject*) {
  L_SW_Code->SetCaption(SoftwareCode);
  Set_Lang();
}

void TFTLS_Server_Known_Cert::Set_Lang() { SetCaption(LangText(FirstTextId)); }
