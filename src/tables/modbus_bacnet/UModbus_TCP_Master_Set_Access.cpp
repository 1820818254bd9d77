#include "tables/modbus_bacnet/UModbus_TCP_Master_Set_Access.h"

#include "platform/StdCtrls.h"
#include "shell/ShellState.h"

TFModbus_TCP_Master_Set_Access* FModbus_TCP_Master_Set_Access = nullptr;

namespace {
constexpr int FirstTextId = 1800;
}  // namespace

TFModbus_TCP_Master_Set_Access::TFModbus_TCP_Master_Set_Access(TComponent* AOwner) : TForm(AOwner) {
  L_SW_Code = new TLabel(this);
  L_SW_Code->SetParent(this);
  OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
}

void TFModbus_TCP_Master_Set_Access::FormCreate(TObject*) {
  L_SW_Code->SetCaption(SoftwareCode);
  Set_Lang();
}

void TFModbus_TCP_Master_Set_Access::Set_Lang() { SetCaption(LangText(FirstTextId)); }
