#include "tables/can/UDefOffset.h"

#include "platform/StdCtrls.h"
#include "shell/ShellState.h"

TFDefOffset* FDefOffset = nullptr;

namespace {
constexpr int FirstTextId = 3000;
}  // namespace

TFDefOffset::TFDefOffset(TComponent* AOwner) : TForm(AOwner) {
  L_SW_Code = new TLabel(this);
  L_SW_Code->SetParent(this);
  OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
}

void TFDefOffset::FormCreate(TObject*) {
  L_SW_Code->SetCaption(SoftwareCode);
  Set_Lang();
}

void TFDefOffset::Set_Lang() { SetCaption(LangText(FirstTextId)); }
