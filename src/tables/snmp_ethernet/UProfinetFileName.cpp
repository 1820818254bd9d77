#include "tables/snmp_ethernet/UProfinetFileName.h"

#include "platform/StdCtrls.h"
#include "shell/ShellState.h"

TFProfinetFileName* FProfinetFileName = nullptr;

namespace {
constexpr int FirstTextId = 4800;
}  // namespace

TFProfinetFileName::TFProfinetFileName(TComponent* AOwner) : TForm(AOwner) {
  L_SW_Code = new TLabel(this);
  L_SW_Code->SetParent(this);
  OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
}

void TFProfinetFileName::FormCreate(TObject*) {
  L_SW_Code->SetCaption(SoftwareCode);
  Set_Lang();
}

void TFProfinetFileName::Set_Lang() { SetCaption(LangText(FirstTextId)); }
