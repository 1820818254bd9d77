#include "tables/modbus_bacnet/UBACnet_Eng_Unit.h"

#include "platform/StdCtrls.h"
#include "shell/ShellState.h"

TFBACnet_Eng_Unit* FBACnet_Eng_Unit = nullptr;

namespace {
constexpr int FirstTextId = 2300;
}  // namespace

TFBACnet_Eng_Unit::TFBACnet_Eng_Unit(TComponent* AOwner) : TForm(AOwner) {
  L_SW_Code = new TLabel(this);
  L_SW_Code->SetParent(this);
  OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
}

void TFBACnet_Eng_Unit::FormCreate(TObject*) {
  L_SW_Code->SetCaption(SoftwareCode);
  Set_Lang();
}

void TFBACnet_Eng_Unit::Set_Lang() { SetCaption(LangText(FirstTextId)); }
