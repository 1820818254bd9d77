#include "tables/snmp_ethernet/UEtherNEtIP_EDS.h"

#include "platform/StdCtrls.h"
#include "shell/ShellState.h"

TFEtherNEtIP_EDS* FEtherNEtIP_EDS = nullptr;

namespace {
constexpr int FirstTextId = 5000;
}  // namespace

TFEtherNEtIP_EDS::TFEtherNEtIP_EDS(TComponent* AOwner) : TForm(AOwner) {
  L_SW_Code = new TLabel(this);
  L_SW_Code->SetParent(this);
  OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
}

void TFEtherNEtIP_EDS::FormCreate(TObject*) {
  L_SW_Code->SetCaption(SoftwareCode);
  Set_Lang();
}

void TFEtherNEtIP_EDS::Set_Lang() { SetCaption(LangText(FirstTextId)); }
