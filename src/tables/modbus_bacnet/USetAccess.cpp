#include "tables/modbus_bacnet/USetAccess.h"

#include "platform/StdCtrls.h"
#include "shell/ShellState.h"

TFSetAccess* FSetAccess = nullptr;

namespace {
constexpr int FirstTextId = 1700;
}  // namespace

TFSetAccess::TFSetAccess(TComponent* AOwner) : TForm(AOwner) {
  L_SW_Code = new TLabel(this);
  L_SW_Code->SetParent(this);
  OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
}

void TFSetAccess::FormCreate(TObject*) {
  L_SW_Code->SetCaption(SoftwareCode);
  Set_Lang();
}

void TFSetAccess::Set_Lang() { SetCaption(LangText(FirstTextId)); }
