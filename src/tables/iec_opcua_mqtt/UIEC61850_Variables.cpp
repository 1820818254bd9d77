#include "tables/iec_opcua_mqtt/UIEC61850_Variables.h"

#include "platform/StdCtrls.h"
#include "shell/ShellState.h"

TFIEC61850_Variables* FIEC61850_Variables = nullptr;

namespace {
constexpr int FirstTextId = 3300;
}  // namespace

TFIEC61850_Variables::TFIEC61850_Variables(TComponent* AOwner) : TForm(AOwner) {
  L_SW_Code = new TLabel(this);
  L_SW_Code->SetParent(this);
  OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
}

void TFIEC61850_Variables::FormCreate(TObject*) {
  L_SW_Code->SetCaption(SoftwareCode);
  Set_Lang();
}

void TFIEC61850_Variables::Set_Lang() { SetCaption(LangText(FirstTextId)); }
