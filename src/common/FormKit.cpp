#include "common/FormKit.h"

#include "common/button/LbButton.h"
#include "platform/ExtCtrls.h"
#include "platform/Forms.h"

void ApplyHouseForm(TForm* form) {
  form->SetColor(HouseLook::FormColor);
  form->Font().SetName(HouseLook::FontName);
  form->Font().SetSize(HouseLook::FontSize);
}

TLbButton* MakeHouseButton(TComponent* owner, TWinControl* parent, const TBounds& bounds) {
  auto* button = Make<TLbButton>(owner, parent, bounds);
  button->ApplyHouseLook();
  return button;
}

TPanel* MakeBandPanel(TForm* form, TAlign align, int height) {
  auto* panel = new TPanel(form);  // owned by the form
  panel->SetParent(form);
  panel->SetAlign(align);
  panel->SetHeight(height);
  panel->BevelOuter = bvNone;
  panel->SetParentColor(true);
  return panel;
}
