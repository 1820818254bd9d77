#include "tables/can/UReceiveJ1939.h"

#include "platform/StdCtrls.h"
#include "shell/ShellState.h"

TFReceiveJ1939* FReceiveJ1939 = nullptr;

namespace {
constexpr int FirstTextId = 3500;
}  // namespace

TFReceiveJ1939::TFReceiveJ1939(TComponent* AOwner) : TForm(AOwner) {
  L_SW_Code = new TLabel(this);
  L_SW_Code->SetParent(this);
  OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
}

void TFReceiveJ1939::FormCreate(TObject*) {
  L_SW_Code->SetCaption(SoftwareCode);
  Set_Lang();
}

void TFReceiveJ1939::Set_Lang() { SetCaption(LangText(FirstTextId)); }
