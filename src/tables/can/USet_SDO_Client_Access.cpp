#include "tables/can/USet_SDO_Client_Access.h"

#include "platform/StdCtrls.h"
#include "shell/ShellState.h"

TFSet_SDO_Client_Access* FSet_SDO_Client_Access = nullptr;

namespace {
constexpr int FirstTextId = 2700;
}  // namespace

TFSet_SDO_Client_Access::TFSet_SDO_Client_Access(TComponent* AOwner) : TForm(AOwner) {
  L_SW_Code = new TLabel(this);
  L_SW_Code->SetParent(this);
  OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
}

void TFSet_SDO_Client_Access::FormCreate(TObject*) {
  L_SW_Code->SetCaption(SoftwareCode);
  Set_Lang();
}

void TFSet_SDO_Client_Access::Set_Lang() { SetCaption(LangText(FirstTextId)); }
