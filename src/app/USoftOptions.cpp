#include "app/USoftOptions.h"

#include "app/UQuilloreFirmWare.h"
#include "app/UVersionCheck.h"
#include "common/FormKit.h"
#include "common/ShellState.h"
#include "common/ULanguage.h"
#include "common/button/LbButton.h"
#include "platform/Dialogs.h"
#include "platform/ExtCtrls.h"
#include "platform/Files.h"
#include "platform/Network.h"
#include "platform/StdCtrls.h"
#include "platform/Timers.h"

#include <QFileInfo>

#include <algorithm>

TFSoftOptions* FSoftOptions = nullptr;

namespace {

enum TOptionsText {
  TextCaption = 300,
  TextDescription = 301,
  TextLanguageTab = 302,
  TextConnectionTab = 303,
  TextSelectedLanguage = 304,
  TextPage = 305,
  TextPageOf = 306,
  TextPrevious = 307,
  TextNext = 308,
  TextEnableInternet = 309,
  TextCheckAtStart = 310,
  TextCheckNow = 311,
  TextOK = 312,
  TextCancel = 313,
  TextNewVersion = 314,
  TextNoUpdate = 315,
  TextChangeFrom = 316,
  TextChangeTo = 317,
  TextChangeEnd = 318,
  TextSettingsTab = 319,
  TextJumpField = 320,
  TextAutoSize = 321,
};

constexpr int DialogClientWidth = 509, DialogClientHeight = 373;
constexpr int FlagSize = 48;

struct TSlotPlace {
  int PictureLeft, PictureTop, LabelLeft, LabelTop;
};
constexpr TSlotPlace SlotPlaces[TFSoftOptions::SlotCount] = {
    {24, 40, 80, 56},   {26, 94, 80, 110},   {24, 148, 80, 164},
    {254, 40, 310, 56}, {254, 94, 310, 110}, {254, 148, 310, 164},
};

const QString LanguageExtension = ".lng";
const QString DefaultFlagFile = "DefaultFlag.bmp";

TLbButton* NewButton(TComponent* owner, TWinControl* parent, int left, int top, int width) {
  return MakeHouseButton(owner, parent, {left, top, width, 25});
}

// The attributes a listed language file may have are hidden, system, archive,
// normal, sparse and not-indexed: here that is a plain file the user may write.
// Read-only files, folders, links and devices stay out, and so does a name
// whose ".lng" is in other letters, which the loader would not find.
bool IsListedLanguageFile(const QString& folder, const QString& name) {
  if (!name.endsWith(LanguageExtension) || name.size() <= LanguageExtension.size()) return false;
  const QFileInfo info(folder + PathDelim + name);
  return info.isFile() && !info.isSymLink() && (info.permissions() & QFileDevice::WriteOwner);
}

QString LanguageOfEntry(const QString& entry) { return entry.left(entry.size() - LanguageExtension.size()); }

}  // namespace

TFSoftOptions::TFSoftOptions(TComponent* AOwner) : TForm(AOwner) {
  SetBorderStyle(bsSingle);
  BorderIcons = biSystemMenu;
  Position = poScreenCenter;
  ApplyHouseForm(this);
  SetClientWidth(DialogClientWidth);
  SetClientHeight(DialogClientHeight);
  CreateControls();
  OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
  OnShow = [this](TObject* Sender) { FormShow(Sender); };
}

TFSoftOptions::~TFSoftOptions() {
  if (FSoftOptions == this) FSoftOptions = nullptr;
}

void TFSoftOptions::CreateControls() {
  L_SW_Code = Make<TLabel>(this, this, {16, 8, 200, 29});
  L_SW_Code->Font().SetName(HouseLook::FontName);
  L_SW_Code->Font().SetSize(24);
  L_SW_Code->Font().SetColor(clGray);
  L_SW_Desc = Make<TLabel>(this, this, {16, 42, 300, 13});
  L_SW_Desc->Font().SetStyle({fsBold});
  PC_Options = Make<TPageControl>(this, this, {8, 64, 493, 264});
  CreateLanguagePage();
  CreateConnectionPage();
  CreateSettingsPage();
  Btn_OK = NewButton(this, this, 320, 338, 81);
  Btn_OK->OnClick = [this](TObject* Sender) { Btn_OKClick(Sender); };
  Btn_Cancel = NewButton(this, this, 412, 338, 81);
  Btn_Cancel->SetModalResult(mrCancel);
}

void TFSoftOptions::CreateLanguagePage() {
  TS_Language = new TTabSheet(this);
  TS_Language->SetPageControl(PC_Options);
  L_Sel_Lang = Make<TLabel>(this, TS_Language, {24, 12, 440, 13});
  L_Sel_Lang->Font().SetStyle({fsBold});
  for (TImage** picture : {&I_L1, &I_L2, &I_L3, &I_L4, &I_L5, &I_L6}) *picture = new TImage(this);
  for (TLabel** label : {&L_L1, &L_L2, &L_L3, &L_L4, &L_L5, &L_L6}) *label = new TLabel(this);
  const auto pictures = Slot_Pictures();
  const auto labels = Slot_Labels();
  for (int k = 0; k < SlotCount; ++k) {
    const TSlotPlace& place = SlotPlaces[k];
    for (TControl* c : {static_cast<TControl*>(pictures[k]), static_cast<TControl*>(labels[k])}) {
      c->SetParent(TS_Language);
      c->SetCursor(crHandPoint);
      c->OnClick = [this](TObject* Sender) { LangClick(Sender); };
    }
    pictures[k]->SetBounds(place.PictureLeft, place.PictureTop, FlagSize, FlagSize);
    pictures[k]->Stretch = true;
    pictures[k]->Transparent = true;
    labels[k]->SetBounds(place.LabelLeft, place.LabelTop, 150, 13);
  }
  L_Page_Lang = Make<TLabel>(this, TS_Language, {24, 210, 200, 13});
  Btn_Prev = NewButton(this, TS_Language, 254, 204, 90);
  Btn_Next = NewButton(this, TS_Language, 350, 204, 90);
  for (TLbButton* b : {Btn_Prev, Btn_Next}) b->OnClick = [this](TObject* Sender) { Btn_NextClick(Sender); };
}

void TFSoftOptions::CreateConnectionPage() {
  TS_Con_Options = new TTabSheet(this);
  TS_Con_Options->SetPageControl(PC_Options);
  CB_En_Con = Make<TCheckBox>(this, TS_Con_Options, {24, 24, 440, 17});
  CB_Update = Make<TCheckBox>(this, TS_Con_Options, {24, 52, 440, 17});
  Btn_Check_Update = NewButton(this, TS_Con_Options, 24, 88, 220);
  Btn_Check_Update->OnClick = [this](TObject* Sender) { Btn_Check_UpdateClick(Sender); };
  LL_Check_Update = Make<TLinkLabel>(this, TS_Con_Options, {24, 128, 440, 17});
  LL_Check_Update->SetVisible(false);
  LL_Check_Update->OnLinkClick = [this](TObject* Sender, const QString& Link, TSysLinkType) {
    LL_Check_UpdateLinkClick(Sender, Link);
  };
}

void TFSoftOptions::CreateSettingsPage() {
  TS_Soft_Settings = new TTabSheet(this);
  TS_Soft_Settings->SetPageControl(PC_Options);
  CB_Soft_Set_Jump_Table = Make<TCheckBox>(this, TS_Soft_Settings, {24, 24, 440, 17});
  CB_DoubleClick_Auto_Size = Make<TCheckBox>(this, TS_Soft_Settings, {24, 52, 440, 17});
  for (TCheckBox* box : {CB_En_Con, CB_Update, CB_Soft_Set_Jump_Table, CB_DoubleClick_Auto_Size})
    box->OnClick = [this](TObject* Sender) { CB_En_ConClick(Sender); };
}

void TFSoftOptions::FormCreate(TObject*) {
  SL_Languages = std::make_unique<TStringList>();
  SL_Languages->CaseSensitive = false;
  L_SW_Code->SetCaption(SoftwareCode);
  TS_Con_Options->SetTabVisible(true);
  Set_Lang();
}

void TFSoftOptions::Set_Lang() {
  SetCaption(LangText(TextCaption));
  L_SW_Desc->SetCaption(LangText(TextDescription));
  TS_Language->SetCaption(LangText(TextLanguageTab));
  TS_Con_Options->SetCaption(LangText(TextConnectionTab));
  TS_Soft_Settings->SetCaption(LangText(TextSettingsTab));
  L_Sel_Lang->SetCaption(LangText(TextSelectedLanguage));
  L_Page_Lang->SetCaption(LangText(TextPage) + "1" + LangText(TextPageOf) + "1");
  Btn_Prev->SetCaption(LangText(TextPrevious));
  Btn_Next->SetCaption(LangText(TextNext));
  CB_En_Con->SetCaption(LangText(TextEnableInternet));
  CB_Update->SetCaption(LangText(TextCheckAtStart));
  Btn_Check_Update->SetCaption(LangText(TextCheckNow));
  Btn_OK->SetCaption(LangText(TextOK));
  Btn_Cancel->SetCaption(LangText(TextCancel));
  CB_Soft_Set_Jump_Table->SetCaption(LangText(TextJumpField));
  CB_DoubleClick_Auto_Size->SetCaption(LangText(TextAutoSize));
}

void TFSoftOptions::FormShow(TObject*) {
  Language_In_Use = LanguageName;
  Create_Lang_List();
  Update_CheckBox();
  LL_Check_Update->SetVisible(false);
  PC_Options->SetActivePage(TS_Language);
  CB_En_Con->SetChecked(EnableInternet);
  CB_Update->SetChecked(EnableUpdate);
  CB_Soft_Set_Jump_Table->SetChecked(EnableJumpFieldTables);
  CB_DoubleClick_Auto_Size->SetChecked(DoubleClickAutoSize);
}

void TFSoftOptions::Create_Lang_List() {
  if (!SL_Languages) SL_Languages = std::make_unique<TStringList>();
  SL_Languages->Clear();
  for (const QString& name : ListFiles(LanguageFolder, "*" + LanguageExtension))
    if (IsListedLanguageFile(LanguageFolder, name)) SL_Languages->Add(name);
  SL_Languages->CaseSensitive = false;
  SL_Languages->Sort();
  Show_Page = 1;
  Update_Lang_Page(1);
}

int TFSoftOptions::Page_Count() const { return (SL_Languages->Count() + SlotCount - 1) / SlotCount; }

void TFSoftOptions::Update_Lang_Page(int Num_Page) {
  L_Sel_Lang->SetCaption(LangText(TextSelectedLanguage) + Language_In_Use);
  const int pages = Page_Count();
  L_Page_Lang->SetCaption(LangText(TextPage) + QString::number(Num_Page) + LangText(TextPageOf) +
                          QString::number(pages));
  Btn_Prev->SetVisible(Num_Page != 1);
  Btn_Next->SetVisible(Num_Page != pages);
  const int first = (Num_Page - 1) * SlotCount;
  const int shown = std::min(SlotCount, SL_Languages->Count() - first);
  const auto pictures = Slot_Pictures();
  const auto labels = Slot_Labels();
  for (int k = 0; k < SlotCount; ++k) {
    const bool used = k < shown;
    labels[k]->SetVisible(used);
    pictures[k]->SetVisible(used);
    if (!used) continue;
    const QString language = LanguageOfEntry(SL_Languages->Strings(first + k));
    labels[k]->SetCaption(language);
    Show_Flag(k, language);
  }
}

// The language's own flag, else the default flag; a slot without a readable
// picture shows its name alone.
void TFSoftOptions::Show_Flag(int slot, const QString& language) {
  TImage* picture = Slot_Pictures()[size_t(slot)];
  picture->Picture().Assign(TBitmap());  // empty until a file loads
  bool loaded = false;
  for (const QString& file : {language + ".bmp", DefaultFlagFile}) {
    const QString path = LanguageFolder + PathDelim + file;
    if (QFileInfo(path).isFile() && picture->Picture().LoadFromFile(path)) {
      loaded = true;
      break;
    }
  }
  picture->PictureChanged();
  picture->SetVisible(loaded);
}

void TFSoftOptions::Btn_NextClick(TObject* Sender) {
  if (Sender == Btn_Next) {
    if (Page_Count() >= Show_Page + 1) ++Show_Page;
  } else if (Sender == Btn_Prev) {
    if (Show_Page - 1 > 0) --Show_Page;
  }
  Update_Lang_Page(Show_Page);
}

int TFSoftOptions::Slot_Of(TObject* Sender) const {
  const auto pictures = Slot_Pictures();
  const auto labels = Slot_Labels();
  for (int k = 0; k < SlotCount; ++k)
    if (Sender == pictures[k] || Sender == labels[k]) return k;
  return -1;
}

void TFSoftOptions::LangClick(TObject* Sender) {
  const int slot = Slot_Of(Sender);
  if (slot < 0) return;
  const int entry = (Show_Page - 1) * SlotCount + slot;
  if (entry >= SL_Languages->Count()) return;
  const QString name = LanguageOfEntry(SL_Languages->Strings(entry));
  const QString question =
      LangText(TextChangeFrom) + Language_In_Use + LangText(TextChangeTo) + name + LangText(TextChangeEnd);
  if (MessageDlg(question, mtConfirmation, mbYesNo) != mrYes) return;
  Language_In_Use = name;
  // The texts change now; LanguageName, and with it the settings file, only on OK.
  const QString remembered = LanguageName;
  LanguageName = name;
  LoadLanguage();
  LanguageName = remembered;
  if (FQuilloreFirmWare)
    FQuilloreFirmWare->Change_Language();
  else
    Set_Lang();
  // Set_Lang resets the page label to page 1 of 1; show the page that is open.
  Update_Lang_Page(Show_Page);
}

void TFSoftOptions::CB_En_ConClick(TObject*) { Update_CheckBox(); }

void TFSoftOptions::Update_CheckBox() {
  CB_Update->SetEnabled(CB_En_Con->Checked());
  Btn_Check_Update->SetEnabled(CB_Update->Enabled() && CB_Update->Checked());
}

bool TFSoftOptions::Check_Version() { return Check_Newer_Version(); }

void TFSoftOptions::Btn_Check_UpdateClick(TObject*) {
  if (Check_Version())
    LL_Check_Update->SetCaption(Download_Link_Caption(LangText(TextNewVersion)));
  else
    LL_Check_Update->SetCaption(LangText(TextNoUpdate));
  LL_Check_Update->SetVisible(true);
}

void TFSoftOptions::LL_Check_UpdateLinkClick(TObject*, const QString& Link) { OpenUrl(Link); }

void TFSoftOptions::Btn_OKClick(TObject*) {
  LanguageName = Language_In_Use;
  EnableInternet = CB_En_Con->Checked();
  EnableUpdate = CB_Update->Checked();
  if (FQuilloreFirmWare) FQuilloreFirmWare->Timer_Update->SetEnabled(EnableInternet && EnableUpdate);
  EnableJumpFieldTables = CB_Soft_Set_Jump_Table->Checked();
  DoubleClickAutoSize = CB_DoubleClick_Auto_Size->Checked();
  SetModalResult(mrOk);
}
