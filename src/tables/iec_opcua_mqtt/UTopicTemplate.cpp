#include "tables/iec_opcua_mqtt/UTopicTemplate.h"

#include "common/FormKit.h"
#include "common/ShellState.h"
#include "common/button/LbButton.h"
#include "grid/core/PlexStringGrid.h"
#include "platform/ExtCtrls.h"
#include "platform/StdCtrls.h"

TFTopicTemplate* FTopicTemplate = nullptr;

namespace {

constexpr int ClientW = 635, ClientH = 396;
constexpr int LegendHeight = 108;
constexpr int LegendTitleHeight = 18;
constexpr int ButtonWidth = 90, ButtonHeight = 28, Margin = 8;

namespace Texts {
constexpr int TopicCaption = 3800, TemplateCaption = 3801, TopicDesc = 3802, TemplateDesc = 3803;
constexpr int Legend = 3804, KeywordHeader = 3805, DescriptionHeader = 3806, OK = 3807, Cancel = 3808;
}  // namespace Texts

}  // namespace

TFTopicTemplate::TFTopicTemplate(TComponent* AOwner) : TForm(AOwner) {
  ApplyHouseForm(this);
  SetBorderStyle(bsSizeable);
  Position = poScreenCenter;
  SetClientWidth(ClientW);
  SetClientHeight(ClientH);

  P_Title = MakeBandPanel(this, alTop, HouseLook::TitlePanelHeight);
  P_Title->SetColor(clWhite);
  L_SW_Code = Make<TLabel>(this, P_Title, {Margin, Margin, 150, 29});
  L_SW_Code->Font().SetSize(18);
  L_SW_Code->Font().SetColor(clGray);
  L_SW_Desc = Make<TLabel>(this, P_Title, {Margin, 44, ClientW - 2 * Margin, 13});
  L_SW_Desc->Font().SetStyle({fsBold});

  P_Button = MakeBandPanel(this, alBottom, HouseLook::ButtonPanelHeight);
  Btn_Cancel = MakeHouseButton(this, P_Button, {ClientW - Margin - ButtonWidth, 6, ButtonWidth, ButtonHeight});
  Btn_Cancel->SetModalResult(mrCancel);
  Btn_OK = MakeHouseButton(this, P_Button, {ClientW - 2 * (Margin + ButtonWidth), 6, ButtonWidth, ButtonHeight});
  Btn_OK->SetModalResult(mrOk);

  P_Legend = MakeBandPanel(this, alBottom, LegendHeight);
  L_List_Keywords = Make<TLabel>(this, P_Legend, {Margin, 2, 300, 14});
  PSG_Keywords =
      Make<TPlexStringGrid>(this, P_Legend, {0, LegendTitleHeight, ClientW, LegendHeight - LegendTitleHeight});
  PSG_Keywords->SetAlign(alBottom);
  PSG_Keywords->SetColCount(2);
  PSG_Keywords->SetFixedCols(0);
  PSG_Keywords->SetColWidths(0, 200);
  PSG_Keywords->SetColWidths(1, 380);
  PSG_Keywords->SetOptions(PSG_Keywords->Options() + TGridOptions{goEditing});

  Splitter1 = Make<TSplitter>(this, this, {0, 0, ClientW, 3});
  Splitter1->SetAlign(alBottom);

  RE_TopicTemplate = Make<TMemo>(this, this, {0, HouseLook::TitlePanelHeight, ClientW, 150});
  RE_TopicTemplate->SetAlign(alClient);

  OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
  OnShow = [this](TObject* Sender) { FormShow(Sender); };
}

void TFTopicTemplate::FormCreate(TObject*) {
  L_SW_Code->SetCaption(SoftwareCode);
  SetClientWidth(ClientW);
  SetClientHeight(ClientH);
  Set_Lang();
}

void TFTopicTemplate::Set_Lang() {
  SetCaption(LangText(Texts::TopicCaption));
  L_SW_Desc->SetCaption(LangText(Texts::TopicDesc));
  L_List_Keywords->SetCaption(LangText(Texts::Legend));
  PSG_Keywords->SetCellEx(0, 0, LangText(Texts::KeywordHeader));
  PSG_Keywords->SetCellEx(1, 0, LangText(Texts::DescriptionHeader));
  Btn_OK->SetCaption(LangText(Texts::OK));
  Btn_Cancel->SetCaption(LangText(Texts::Cancel));
}

void TFTopicTemplate::FormShow(TObject*) {
  const bool isTemplate = TopicTemplate != 0;
  SetCaption(LangText(isTemplate ? Texts::TemplateCaption : Texts::TopicCaption));
  L_SW_Desc->SetCaption(LangText(isTemplate ? Texts::TemplateDesc : Texts::TopicDesc));
  Laod_Keywords();
  if (RE_TopicTemplate->CanFocus()) RE_TopicTemplate->SetFocus();
}

void TFTopicTemplate::Laod_Keywords() {
  // No keyword list is kept for any working mode or side.
  PSG_Keywords->SetRowCount(2);
  PSG_Keywords->SetFixedRows(1);
  PSG_Keywords->SetCellEx(0, 1, QString());
  PSG_Keywords->SetCellEx(1, 1, QString());
  PSG_Keywords->SetReadOnly(0, 1, false);
  PSG_Keywords->SetReadOnly(1, 1, true);
}
