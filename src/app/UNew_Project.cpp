#include "app/UNew_Project.h"

#include "app/UQuilloreFirmWare.h"
#include "common/FormKit.h"
#include "common/ShellState.h"
#include "common/button/LbButton.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"
#include "platform/StdCtrls.h"

TFNew_Project* FNew_Project = nullptr;

namespace {

constexpr int TextCaption = 100, TextDesc = 101, TextLabel = 102, TextOK = 103, TextCancel = 104;
constexpr int TextCannotCreate = 105, TextExists = 106, TextEmpty = 107;
constexpr int HintName = 108, HintOK = 109, HintCancel = 110;

// Characters that a file system of the family's desktops refuses in a folder name.
constexpr char16_t RefusedChars[] = u"/\\<>:\"|?*";

void ShowError(int textId) { MessageDlg(LangText(textId), mtError, {mbOK}); }

}  // namespace

bool IsValidProjectName(const QString& name) {
  if (name.isEmpty() || name.startsWith('.') || name.contains("..")) return false;
  for (QChar c : name) {
    if (c.unicode() < 0x20 || c.unicode() == 0x7F) return false;
    for (char16_t r : RefusedChars)
      if (r != 0 && c.unicode() == r) return false;
  }
  return true;
}

TFNew_Project::TFNew_Project(TComponent* AOwner) : TForm(AOwner) {
  SetBorderStyle(bsDialog);
  Position = poScreenCenter;
  Font().SetName(HouseLook::FontName);
  L_SW_Code = new TLabel(this);
  L_SW_Code->SetParent(this);
  L_SW_Code->SetBounds(8, 8, 150, 29);
  L_SW_Code->Font().SetSize(18);
  L_SW_Code->Font().SetColor(clGray);
  L_SW_Desc = new TLabel(this);
  L_SW_Desc->SetParent(this);
  L_SW_Desc->SetBounds(8, 42, 300, 13);
  L_SW_Desc->Font().SetStyle({fsBold});
  Label1 = new TLabel(this);
  Label1->SetParent(this);
  Label1->SetBounds(8, 70, 300, 13);
  E_New_Proj = new TEdit(this);
  E_New_Proj->SetParent(this);
  E_New_Proj->SetBounds(8, 88, 315, 21);
  E_New_Proj->OnKeyPress = [this](TObject* Sender, QChar& Key) { E_New_ProjKeyPress(Sender, Key); };
  Btn_OK = MakeHouseButton(this, this, {152, 126, 81, 25});
  Btn_OK->OnClick = [this](TObject* Sender) { Btn_OKClick(Sender); };
  Btn_Cancel = MakeHouseButton(this, this, {242, 126, 81, 25});
  Btn_Cancel->SetModalResult(mrCancel);
  OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
  OnShow = [this](TObject* Sender) { FormShow(Sender); };
}

void TFNew_Project::FormCreate(TObject*) {
  L_SW_Code->SetCaption(SoftwareCode);
  SetClientWidth(331);
  SetClientHeight(162);
  Set_Lang();
}

void TFNew_Project::FormShow(TObject*) {
  E_New_Proj->SetText(QString());
  if (E_New_Proj->CanFocus()) E_New_Proj->SetFocus();
}

void TFNew_Project::E_New_ProjKeyPress(TObject* Sender, QChar& Key) {
  if (Key == QChar(13)) {
    Key = QChar(0);
    Btn_OKClick(Sender);
  }
}

// The name is taken exactly as typed. Every refusal leaves the dialog open with
// the name still in the field and creates nothing.
void TFNew_Project::Btn_OKClick(TObject*) {
  const QString name = E_New_Proj->Text();
  if (name.isEmpty()) return ShowError(TextEmpty);
  if (!IsValidProjectName(name)) return ShowError(TextCannotCreate);
  const QString folder = ProjectsFolder + PathDelim + name;
  if (DirectoryExists(folder)) return ShowError(TextExists);
  if (!CreateDir(folder)) return ShowError(TextCannotCreate);
  ForceDirectories(folder + PathDelim + "bin");
  ProjectName = name;
  ProjectFolder = folder;
  if (FQuilloreFirmWare) FQuilloreFirmWare->Set_Files();
  SetModalResult(mrOk);
}

void TFNew_Project::Set_Lang() {
  SetCaption(LangText(TextCaption));
  L_SW_Desc->SetCaption(LangText(TextDesc));
  Label1->SetCaption(LangText(TextLabel));
  Btn_OK->SetCaption(LangText(TextOK));
  Btn_Cancel->SetCaption(LangText(TextCancel));
  E_New_Proj->SetHint(LangText(HintName));
  Btn_OK->SetHint(LangText(HintOK));
  Btn_Cancel->SetHint(LangText(HintCancel));
}
