#include "tables/snmp_ethernet/UKNXAccess.h"

#include "platform/StdCtrls.h"
#include "shell/ShellState.h"

TFKNXAccess* FKNXAccess = nullptr;

namespace {
constexpr int FirstTextId = 5300;
}  // namespace

TFKNXAccess::TFKNXAccess(TComponent* AOwner) : TForm(AOwner) {
  L_SW_Code = new TLabel(this);
  L_SW_Code->SetParent(this);
  OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
}

void TFKNXAccess::FormCreate(TObject*) {
  L_SW_Code->SetCaption(SoftwareCode);
  Set_Lang();
}

void TFKNXAccess::Set_Lang() { SetCaption(LangText(FirstTextId)); }
