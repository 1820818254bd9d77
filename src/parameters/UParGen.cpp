#include "parameters/UParGen.h"

#include "platform/StdCtrls.h"
#include "shell/ShellState.h"

TFParGen* FParGen = nullptr;

namespace {
constexpr int FirstTextId = 400;
}  // namespace

TFParGen::TFParGen(TComponent* AOwner) : TForm(AOwner) {
  L_SW_Code = new TLabel(this);
  L_SW_Code->SetParent(this);
  OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
}

void TFParGen::FormCreate(TObject*) {
  L_SW_Code->SetCaption(SoftwareCode);
  Set_Lang();
}

void TFParGen::Set_Lang() { SetCaption(LangText(FirstTextId)); }
