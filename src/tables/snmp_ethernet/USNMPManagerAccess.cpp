#include "tables/snmp_ethernet/USNMPManagerAccess.h"

#include "platform/StdCtrls.h"
#include "shell/ShellState.h"

TFSNMPManagerAccess* FSNMPManagerAccess = nullptr;

namespace {
constexpr int FirstTextId = 4600;
}  // namespace

TFSNMPManagerAccess::TFSNMPManagerAccess(TComponent* AOwner) : TForm(AOwner) {
  L_SW_Code = new TLabel(this);
  L_SW_Code->SetParent(this);
  OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
}

void TFSNMPManagerAccess::FormCreate(TObject*) {
  L_SW_Code->SetCaption(SoftwareCode);
  Set_Lang();
}

void TFSNMPManagerAccess::Set_Lang() { SetCaption(LangText(FirstTextId)); }
