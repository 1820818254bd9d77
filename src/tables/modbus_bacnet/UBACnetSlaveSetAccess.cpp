#include "tables/modbus_bacnet/UBACnetSlaveSetAccess.h"

#include "platform/StdCtrls.h"
#include "shell/ShellState.h"

TFBACnetSlaveSetAccess* FBACnetSlaveSetAccess = nullptr;

namespace {
constexpr int FirstTextId = 2200;
}  // namespace

TFBACnetSlaveSetAccess::TFBACnetSlaveSetAccess(TComponent* AOwner) : TForm(AOwner) {
  L_SW_Code = new TLabel(this);
  L_SW_Code->SetParent(this);
  OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
}

void TFBACnetSlaveSetAccess::FormCreate(TObject*) {
  L_SW_Code->SetCaption(SoftwareCode);
  Set_Lang();
}

void TFBACnetSlaveSetAccess::Set_Lang() { SetCaption(LangText(FirstTextId)); }
