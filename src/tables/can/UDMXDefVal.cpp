#include "tables/can/UDMXDefVal.h"

#include "platform/StdCtrls.h"
#include "shell/ShellState.h"

TFDMXDefVal* FDMXDefVal = nullptr;

namespace {
constexpr int FirstTextId = 3100;
}  // namespace

TFDMXDefVal::TFDMXDefVal(TComponent* AOwner) : TForm(AOwner) {
  L_SW_Code = new TLabel(this);
  L_SW_Code->SetParent(this);
  OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
}

void TFDMXDefVal::FormCreate(TObject*) {
  L_SW_Code->SetCaption(SoftwareCode);
  Set_Lang();
}

void TFDMXDefVal::Set_Lang() { SetCaption(LangText(FirstTextId)); }
