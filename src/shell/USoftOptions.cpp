#include "shell/USoftOptions.h"

#include "platform/StdCtrls.h"
#include "shell/ShellState.h"

TFSoftOptions* FSoftOptions = nullptr;

namespace {
constexpr int FirstTextId = 300;
}  // namespace

TFSoftOptions::TFSoftOptions(TComponent* AOwner) : TForm(AOwner) {
  L_SW_Code = new TLabel(this);
  L_SW_Code->SetParent(this);
  OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
}

void TFSoftOptions::FormCreate(TObject*) {
  L_SW_Code->SetCaption(SoftwareCode);
  Set_Lang();
}

void TFSoftOptions::Set_Lang() { SetCaption(LangText(FirstTextId)); }

bool TFSoftOptions::Check_Version() { return false; }
