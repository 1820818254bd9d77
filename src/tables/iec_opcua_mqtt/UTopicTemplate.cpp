#include "tables/iec_opcua_mqtt/UTopicTemplate.h"

#include "platform/StdCtrls.h"
#include "shell/ShellState.h"

TFTopicTemplate* FTopicTemplate = nullptr;

namespace {
constexpr int FirstTextId = 3800;
}  // namespace

TFTopicTemplate::TFTopicTemplate(TComponent* AOwner) : TForm(AOwner) {
  L_SW_Code = new TLabel(this);
  L_SW_Code->SetParent(this);
  OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
}

void TFTopicTemplate::FormCreate(TObject*) {
  L_SW_Code->SetCaption(SoftwareCode);
  Set_Lang();
}

void TFTopicTemplate::Set_Lang() { SetCaption(LangText(FirstTextId)); }
