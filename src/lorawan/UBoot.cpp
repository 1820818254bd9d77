#include "lorawan/UBoot.h"

#include "platform/StdCtrls.h"
#include "shell/ShellState.h"

TFBoot* FBoot = nullptr;

namespace {
constexpr int FirstTextId = 1600;
}  // namespace

TFBoot::TFBoot(TComponent* AOwner) : TForm(AOwner) {
  L_SW_Code = new TLabel(this);
  L_SW_Code->SetParent(this);
  OnShow = [this](TObject* Sender) { FormShow(Sender); };
}

// The form takes its code and texts at every showing rather than at creation.
void TFBoot::FormShow(TObject*) {
  L_SW_Code->SetCaption(SoftwareCode);
  Set_Lang();
}

void TFBoot::Set_Lang() { SetCaption(LangText(FirstTextId)); }
