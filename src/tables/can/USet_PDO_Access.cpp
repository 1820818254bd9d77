#include "tables/can/USet_PDO_Access.h"

#include "platform/StdCtrls.h"
#include "shell/ShellState.h"

TFSet_PDO_Access* FSet_PDO_Access = nullptr;

namespace {
constexpr int FirstTextId = 2600;
}  // namespace

TFSet_PDO_Access::TFSet_PDO_Access(TComponent* AOwner) : TForm(AOwner) {
  L_SW_Code = new TLabel(this);
  L_SW_Code->SetParent(this);
  OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
}

void TFSet_PDO_Access::FormCreate(TObject*) {
  L_SW_Code->SetCaption(SoftwareCode);
  Set_Lang();
}

void TFSet_PDO_Access::Set_Lang() { SetCaption(LangText(FirstTextId)); }
