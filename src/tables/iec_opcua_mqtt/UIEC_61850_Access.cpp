#include "tables/iec_opcua_mqtt/UIEC_61850_Access.h"

#include "platform/StdCtrls.h"
#include "shell/ShellState.h"

TFIEC_61850_Access* FIEC_61850_Access = nullptr;

namespace {
constexpr int FirstTextId = 3200;
}  // namespace

TFIEC_61850_Access::TFIEC_61850_Access(TComponent* AOwner) : TForm(AOwner) {
  L_SW_Code = new TLabel(this);
  L_SW_Code->SetParent(this);
  OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
}

void TFIEC_61850_Access::FormCreate(TObject*) {
  L_SW_Code->SetCaption(SoftwareCode);
  Set_Lang();
}

void TFIEC_61850_Access::Set_Lang() { SetCaption(LangText(FirstTextId)); }
