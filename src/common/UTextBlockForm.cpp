#include "common/UTextBlockForm.h"

#include "common/ShellState.h"
#include "platform/StdCtrls.h"

TFTextBlockForm::TFTextBlockForm(TComponent* AOwner, int FirstTextId) : TForm(AOwner), FFirstTextId(FirstTextId) {
  L_SW_Code = new TLabel(this);
  L_SW_Code->SetParent(this);
  OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
}

void TFTextBlockForm::FormCreate(TObject*) {
  L_SW_Code->SetCaption(SoftwareCode);
  Set_Lang();
}

void TFTextBlockForm::Set_Lang() { SetCaption(LangText(FFirstTextId)); }
