#include "tables/snmp_ethernet/UEtherNetIP_Master_Access.h"

#include "platform/StdCtrls.h"
#include "shell/ShellState.h"

TFEtherNetIP_Master_Access* FEtherNetIP_Master_Access = nullptr;

namespace {
constexpr int FirstTextId = 4900;
}  // namespace

TFEtherNetIP_Master_Access::TFEtherNetIP_Master_Access(TComponent* AOwner) : TForm(AOwner) {
  L_SW_Code = new TLabel(this);
  L_SW_Code->SetParent(this);
  OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
}

void TFEtherNetIP_Master_Access::FormCreate(TObject*) {
  L_SW_Code->SetCaption(SoftwareCode);
  Set_Lang();
}

void TFEtherNetIP_Master_Access::Set_Lang() { SetCaption(LangText(FirstTextId)); }
