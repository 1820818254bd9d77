// The texts of the general-parameters form, from its block of LanguageTexts.
#include "parameters/UParGen.h"

#include "platform/StdCtrls.h"
#include "shell/ShellState.h"
#include "shell/button/LbButton.h"

namespace {
struct TItemTexts {
  int First;
  int Last;
};
constexpr TItemTexts WiFiTypeItems{736, 737};
constexpr TItemTexts WiFiSecureItems{778, 781};
constexpr TItemTexts WiFiChannelItems{800, 811};

void FillItems(TComboBox* combo, TItemTexts texts) {
  TStringList& items = combo->Items();
  items.Clear();
  for (int id = texts.First; id <= texts.Last; ++id) items.Add(LangText(id));
  combo->SetItemIndex(0);
}
}  // namespace

void TFParGen::Set_Lang() {
  SetCaption(LangText(400));
  L_SW_Desc->SetCaption(LangText(401));
  Btn_OK->SetCaption(LangText(402));
  Btn_Cancel->SetCaption(LangText(403));
  Btn_OK->SetHint(LangText(404));
  Btn_Cancel->SetHint(LangText(405));
  FillItems(CB_WiFi2_Type, WiFiTypeItems);
  FillItems(CB_WiFi2_Secure_Type, WiFiSecureItems);
  FillItems(CB_WiFi2_Channel, WiFiChannelItems);
}
