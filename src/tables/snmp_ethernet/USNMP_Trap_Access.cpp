#include "tables/snmp_ethernet/USNMP_Trap_Access.h"

#include "platform/StdCtrls.h"
#include "shell/ShellState.h"

TFSNMP_Trap_Access* FSNMP_Trap_Access = nullptr;

namespace {
constexpr int FirstTextId = 4700;
}  // namespace

TFSNMP_Trap_Access::TFSNMP_Trap_Access(TComponent* AOwner) : TForm(AOwner) {
  L_SW_Code = new TLabel(this);
  L_SW_Code->SetParent(this);
  OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
}

void TFSNMP_Trap_Access::FormCreate(TObject*) {
  L_SW_Code->SetCaption(SoftwareCode);
  Set_Lang();
}

void TFSNMP_Trap_Access::Set_Lang() { SetCaption(LangText(FirstTextId)); }
