#include "tables/modbus_bacnet/UBACnetAccess.h"

#include "platform/StdCtrls.h"
#include "shell/ShellState.h"

TFBACnetAccess* FBACnetAccess = nullptr;

namespace {
constexpr int FirstTextId = 2000;
}  // namespace

TFBACnetAccess::TFBACnetAccess(TComponent* AOwner) : TForm(AOwner) {
  L_SW_Code = new TLabel(this);
  L_SW_Code->SetParent(this);
  OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
}

void TFBACnetAccess::FormCreate(TObject*) {
  L_SW_Code->SetCaption(SoftwareCode);
  Set_Lang();
}

void TFBACnetAccess::Set_Lang() { SetCaption(LangText(FirstTextId)); }
