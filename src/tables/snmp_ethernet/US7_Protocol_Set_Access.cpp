#include "tables/snmp_ethernet/US7_Protocol_Set_Access.h"

#include "platform/StdCtrls.h"
#include "shell/ShellState.h"

TFS7_Protocol_Set_Access* FS7_Protocol_Set_Access = nullptr;

namespace {
constexpr int FirstTextId = 5100;
}  // namespace

TFS7_Protocol_Set_Access::TFS7_Protocol_Set_Access(TComponent* AOwner) : TForm(AOwner) {
  L_SW_Code = new TLabel(this);
  L_SW_Code->SetParent(this);
  OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
}

void TFS7_Protocol_Set_Access::FormCreate(TObject*) {
  L_SW_Code->SetCaption(SoftwareCode);
  Set_Lang();
}

void TFS7_Protocol_Set_Access::Set_Lang() { SetCaption(LangText(FirstTextId)); }
