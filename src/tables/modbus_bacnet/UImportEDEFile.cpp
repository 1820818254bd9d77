#include "tables/modbus_bacnet/UImportEDEFile.h"

#include "platform/StdCtrls.h"
#include "shell/ShellState.h"

TFImportEDEFile* FImportEDEFile = nullptr;

namespace {
constexpr int FirstTextId = 2100;
}  // namespace

TFImportEDEFile::TFImportEDEFile(TComponent* AOwner) : TForm(AOwner) {
  L_SW_Code = new TLabel(this);
  L_SW_Code->SetParent(this);
  OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
}

void TFImportEDEFile::FormCreate(TObject*) {
  L_SW_Code->SetCaption(SoftwareCode);
  Set_Lang();
}

void TFImportEDEFile::Set_Lang() { SetCaption(LangText(FirstTextId)); }
