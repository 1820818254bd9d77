#include "app/UOpenConf.h"

#include "common/FormKit.h"
#include "common/ShellState.h"
#include "common/button/LbButton.h"
#include "platform/ExtCtrls.h"
#include "platform/Files.h"
#include "platform/StdCtrls.h"
#include "platform/SysUtils.h"

TFOpenConf* FOpenConf = nullptr;

namespace {

constexpr int TextCaption = 200, TextDesc = 201, TextLabel = 202, TextOK = 203, TextCancel = 204;
constexpr int HintList = 205, HintOK = 206, HintCancel = 207;

constexpr int ButtonWidth = 81, ButtonHeight = 25, ButtonGap = 8;

TPanel* MakePanel(TFOpenConf* owner, TAlign align, int height) {
  auto* p = new TPanel(owner);
  p->SetParent(owner);
  p->BevelOuter = bvNone;
  p->ShowCaption = false;
  p->SetParentColor(true);
  p->SetHeight(height);
  p->SetAlign(align);
  return p;
}

}  // namespace

TFOpenConf::TFOpenConf(TComponent* AOwner) : TForm(AOwner) {
  SetBorderStyle(bsSizeable);
  Position = poScreenCenter;
  Font().SetName(HouseLook::FontName);
  P_Top = MakePanel(this, alTop, 88);
  P_Bottom = MakePanel(this, alBottom, 41);
  L_SW_Code = new TLabel(this);
  L_SW_Code->SetParent(P_Top);
  L_SW_Code->SetBounds(8, 8, 150, 29);
  L_SW_Code->Font().SetSize(18);
  L_SW_Code->Font().SetColor(clGray);
  L_SW_Desc = new TLabel(this);
  L_SW_Desc->SetParent(P_Top);
  L_SW_Desc->SetBounds(8, 44, 300, 13);
  L_SW_Desc->Font().SetStyle({fsBold});
  Label1 = new TLabel(this);
  Label1->SetParent(P_Top);
  Label1->SetBounds(8, 68, 300, 13);
  ListBox1 = new TListBox(this);
  ListBox1->SetParent(this);
  ListBox1->SetAlign(alClient);
  ListBox1->OnClick = [this](TObject* Sender) { ListBox1Click(Sender); };
  Btn_OK = new TLbButton(this);
  Btn_OK->SetParent(P_Bottom);
  Btn_OK->SetModalResult(mrOk);
  Btn_OK->ApplyHouseLook();
  Btn_Cancel = new TLbButton(this);
  Btn_Cancel->SetParent(P_Bottom);
  Btn_Cancel->SetModalResult(mrCancel);
  Btn_Cancel->ApplyHouseLook();
  P_Bottom->OnResize = [this](TObject*) { Place_Buttons(); };
  OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
  OnShow = [this](TObject* Sender) { FormShow(Sender); };
}

void TFOpenConf::FormCreate(TObject*) {
  L_SW_Code->SetCaption(SoftwareCode);
  SetClientWidth(377);
  SetClientHeight(351);
  Place_Buttons();
  Set_Lang();
}

// The buttons keep to the right edge of the bottom panel when the dialog is resized.
void TFOpenConf::Place_Buttons() {
  const int top = (P_Bottom->Height() - ButtonHeight) / 2;
  const int cancelLeft = P_Bottom->Width() - ButtonGap - ButtonWidth;
  Btn_Cancel->SetBounds(cancelLeft, top, ButtonWidth, ButtonHeight);
  Btn_OK->SetBounds(cancelLeft - ButtonGap - ButtonWidth, top, ButtonWidth, ButtonHeight);
}

void TFOpenConf::Load_Existing_Configuration() {
  SL.Clear();
  for (const QString& name : ListFolders(ProjectsFolder)) SL.Add(name);
}

int TFOpenConf::Search_Open_Conf(const QString& Name) const {
  const QString wanted = UpperCase(Name);
  for (int i = 0; i < SL.Count(); ++i)
    if (UpperCase(SL[i]) == wanted) return i;
  return -1;
}

// The current project is preselected, else the first one. With no project
// listed the answer is empty: a name kept from an earlier showing would reopen
// a project that is no longer there.
void TFOpenConf::FormShow(TObject*) {
  Load_Existing_Configuration();
  ListBox1->Items().Assign(SL);
  const QString prefix = ProjectsFolder + PathDelim;
  const QString current = ProjectFolder.startsWith(prefix) ? ProjectFolder.mid(prefix.size()) : QString();
  int index = Search_Open_Conf(current);
  if (index < 0 && SL.Count() > 0) index = 0;
  ListBox1->SetItemIndex(index);
  Name_Conf = index >= 0 ? SL[index] : QString();
}

void TFOpenConf::ListBox1Click(TObject*) {
  const int index = ListBox1->ItemIndex();
  if (index >= 0 && index < ListBox1->Items().Count()) Name_Conf = ListBox1->Items()[index];
}

void TFOpenConf::Set_Lang() {
  SetCaption(LangText(TextCaption));
  L_SW_Desc->SetCaption(LangText(TextDesc));
  Label1->SetCaption(LangText(TextLabel));
  Btn_OK->SetCaption(LangText(TextOK));
  Btn_Cancel->SetCaption(LangText(TextCancel));
  ListBox1->SetHint(LangText(HintList));
  Btn_OK->SetHint(LangText(HintOK));
  Btn_Cancel->SetHint(LangText(HintCancel));
}
