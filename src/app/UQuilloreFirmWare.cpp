// The main window: its controls, the start of the shell and its fixed layout.
#include "app/UQuilloreFirmWare.h"

#include "app/USoftOptions.h"
#include "common/FormKit.h"
#include "common/ShellState.h"
#include "common/ULanguage.h"
#include "common/button/LbButton.h"
#include "platform/Dialogs.h"
#include "platform/ExtCtrls.h"
#include "platform/Network.h"
#include "platform/StdCtrls.h"
#include "platform/Timers.h"
#include "platform/Xml.h"

TFQuilloreFirmWare* FQuilloreFirmWare = nullptr;

namespace {

constexpr int FirstCheckInterval = 60000;
constexpr int LaterCheckInterval = 7200000;

constexpr int TextBegin = 0, TextFirstStep = 1, TextNoProject = 9, TextUseStep1 = 10, TextOpenedProject = 11;
constexpr int TextNewVersion = 19;

const QString TitleAfterMaker = " - Configurator " + BuildSoftwareCode + " Modbus TCP Slave / LoRaWAN Gateway ";

constexpr int StepLabelLeft = 16, FirstStepTop = 128, StepPitch = 44;
constexpr int ModelClientWidth = 694;

// Where a control of the main window starts, whatever the model, and whether it shows.
template <class T>
struct TStartPlace {
  T* TFQuilloreFirmWare::*Member;
  int Left, Top;
  bool Visible;
};
constexpr int StepTop(int i) { return FirstStepTop + i * StepPitch; }
constexpr TStartPlace<TLabel> LabelPlaces[] = {
    {&TFQuilloreFirmWare::L_SW_Code, 16, 8, true},
    {&TFQuilloreFirmWare::L_SW_Desc, 16, 42, true},
    {&TFQuilloreFirmWare::L_Begin, 16, 84, true},
    {&TFQuilloreFirmWare::L_Name_Conf, 87, 75, true},
    {&TFQuilloreFirmWare::L_Name_Conf_L2, 87, 88, true},
    {&TFQuilloreFirmWare::L_Step_1, StepLabelLeft, StepTop(0), false},
    {&TFQuilloreFirmWare::L_Step_2, StepLabelLeft, StepTop(1), false},
    {&TFQuilloreFirmWare::L_Step_3, StepLabelLeft, StepTop(2), false},
    {&TFQuilloreFirmWare::L_Step_4, StepLabelLeft, StepTop(3), false},
    {&TFQuilloreFirmWare::L_Step_5, StepLabelLeft, StepTop(4), false},
    {&TFQuilloreFirmWare::L_Step_6, StepLabelLeft, StepTop(5), false},
    {&TFQuilloreFirmWare::L_Step_7, StepLabelLeft, StepTop(6), false},
    {&TFQuilloreFirmWare::L_Step_8, StepLabelLeft, StepTop(7), false},
    {&TFQuilloreFirmWare::L_Velmor, 565, 392, false},
};
constexpr TStartPlace<TShape> ShapePlaces[] = {
    {&TFQuilloreFirmWare::Shape2, 80, 70, true},
};
constexpr TStartPlace<TLbButton> ButtonPlaces[] = {
    {&TFQuilloreFirmWare::Btn_Info, 516, 8, true},       {&TFQuilloreFirmWare::Btn_Opz, 574, 8, true},
    {&TFQuilloreFirmWare::Btn_Close, 632, 8, true},      {&TFQuilloreFirmWare::Btn_New, 80, 112, true},
    {&TFQuilloreFirmWare::Btn_Open, 258, 112, true},     {&TFQuilloreFirmWare::Btn_Prm_Gen, 80, 156, true},
    {&TFQuilloreFirmWare::Btn_CreateBin, 80, 332, true},
};

template <class T, size_t N>
void PlaceAll(TFQuilloreFirmWare* window, const TStartPlace<T> (&places)[N]) {
  for (const TStartPlace<T>& place : places) {
    T* control = window->*place.Member;
    control->SetLeft(place.Left);
    control->SetTop(place.Top);
    control->SetVisible(place.Visible);
  }
}

TLabel* NewLabel(TFQuilloreFirmWare* owner) {
  auto* l = new TLabel(owner);
  l->SetParent(owner);
  return l;
}

TShape* NewShape(TFQuilloreFirmWare* owner) {
  auto* s = new TShape(owner);
  s->SetParent(owner);
  return s;
}

TSaveDialog* NewSaveDialog(TFQuilloreFirmWare* owner, const QString& filter, const QString& defaultExt) {
  auto* d = new TSaveDialog(owner);
  d->Filter = filter;
  d->DefaultExt = defaultExt;
  d->Options = ofHideReadOnly;
  return d;
}

}  // namespace

TFQuilloreFirmWare::TFQuilloreFirmWare(TComponent* AOwner) : TForm(AOwner), FXML1(std::make_unique<TXmlDocument>()) {
  SetBorderStyle(bsSingle);
  BorderIcons = biSystemMenu;
  Position = poScreenCenter;
  ApplyHouseForm(this);
  CreateControls();
  CreateButtons();
  OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
  OnClose = [this](TObject* Sender, TCloseAction& Action) { FormClose(Sender, Action); };
}

TFQuilloreFirmWare::~TFQuilloreFirmWare() {
  if (FQuilloreFirmWare == this) FQuilloreFirmWare = nullptr;
}

void TFQuilloreFirmWare::CreateControls() {
  L_SW_Code = NewLabel(this);
  L_SW_Code->Font().SetName(HouseLook::FontName);
  L_SW_Code->Font().SetSize(24);
  L_SW_Code->Font().SetColor(clGray);
  L_SW_Desc = NewLabel(this);
  L_SW_Desc->Font().SetStyle({fsBold});
  L_Begin = NewLabel(this);
  L_Begin->Font().SetStyle({fsBold});
  for (TLabel** step : {&L_Step_1, &L_Step_2, &L_Step_3, &L_Step_4, &L_Step_5, &L_Step_6, &L_Step_7, &L_Step_8}) {
    *step = NewLabel(this);
    (*step)->Font().SetStyle({fsBold});
  }
  L_Name_Conf = NewLabel(this);
  L_Name_Conf_L2 = NewLabel(this);
  L_Velmor = NewLabel(this);
  L_Velmor->SetCaption(QString(MakerWebSite).remove("http://"));
  L_Velmor->SetCursor(crHandPoint);
  L_Velmor->OnClick = [this](TObject* Sender) { L_VelmorClick(Sender); };
  LL_Update = new TLinkLabel(this);
  LL_Update->SetParent(this);
  LL_Update->SetBounds(208, 19, 300, 13);
  LL_Update->SetVisible(false);
  LL_Update->OnLinkClick = [this](TObject* Sender, const QString& Link, TSysLinkType) {
    LL_UpdateLinkClick(Sender, Link);
  };
  Shape2 = NewShape(this);
  Shape2->SetBounds(80, 70, 348, 33);
  Shape2->Pen().Color = clSilver;
  Shape2->Brush().Style = bsClear;
  Shape1 = NewShape(this);
  Timer_Update = new TTimer(this);
  Timer_Update->SetEnabled(false);
  Timer_Update->SetInterval(FirstCheckInterval);
  Timer_Update->OnTimer = [this](TObject* Sender) { Timer_UpdateTimer(Sender); };
  SD1 = NewSaveDialog(this, "CSV (MS-DOS) (*.csv)|*.csv", QString());
  SaveEDS = NewSaveDialog(this, "Electronic Data Sheet (*.eds)|*.eds", "*.eds");
  SaveMIB = NewSaveDialog(this, "Management Information Base (*.mib)|*.mib", "*.mib");
}

// The start of the shell; every later form relies on the state set here.
void TFQuilloreFirmWare::FormCreate(TObject*) {
  delete LanguageTexts;
  LanguageTexts = new TStringList();
  Reset_Layout();
  Layout_Model();
  Setup_Folders();
  ProjectName.clear();
  LastReadBack = true;
  Read_Setting();
  Switch_Update_Timer();
  SoftwareTitle = MakerName + TitleAfterMaker;
  SoftwareCode = BuildSoftwareCode;
  SoftwareDescription = BuildSoftwareDescription;
  SetCaption(SoftwareTitle);
  L_SW_Code->SetCaption(SoftwareCode);
  L_SW_Desc->SetCaption(SoftwareDescription);
  LoadLanguage();
  Reopen_Last_Project();
  Set_Lang();
  Set_Files();
  for (TStringList** list : {&RowClipboard, &MibReadObjects, &MibWriteObjects}) {
    delete *list;
    *list = new TStringList();
  }
}

// The layout every model of the family starts from: all protocol buttons
// hidden, the steps placed but not shown.
void TFQuilloreFirmWare::Reset_Layout() {
  PlaceAll(this, LabelPlaces);
  PlaceAll(this, ShapePlaces);
  PlaceAll(this, ButtonPlaces);
  Hide_Protocol_Buttons();
}

// The model this build serves: four steps, the LoRaWAN tables in step 3 and
// the update in step 4.
void TFQuilloreFirmWare::Layout_Model() {
  for (TLabel* step : {L_Step_1, L_Step_2, L_Step_3, L_Step_4}) step->SetVisible(true);
  L_Velmor->SetLeft(565);
  L_Velmor->SetTop(L_Step_4->Top());
  L_Velmor->SetVisible(true);
  Btn_LoRaWAN_Access->SetLeft(80);
  Btn_LoRaWAN_Access->SetTop(200);
  Btn_LoRaWAN_Access->SetVisible(true);
  Btn_CreateBin->SetTop(244);
  Shape1->SetBounds(10, Btn_CreateBin->Top() + 51, 674, 1);
  SetClientWidth(ModelClientWidth);
  SetClientHeight(Btn_CreateBin->Top() + 152);
}

void TFQuilloreFirmWare::Set_Lang() {
  L_Begin->SetCaption(LangText(TextBegin));
  TLabel* steps[] = {L_Step_1, L_Step_2, L_Step_3, L_Step_4, L_Step_5, L_Step_6, L_Step_7, L_Step_8};
  for (int i = 0; i < 8; ++i) steps[i]->SetCaption(LangText(TextFirstStep + i));
  Set_Button_Texts();
  Show_Project_Lines();
}

// One rule wherever the project changes: an open project is named, else the
// lines say how to open one.
void TFQuilloreFirmWare::Show_Project_Lines() {
  if (!ProjectFolder.isEmpty()) {
    L_Name_Conf->SetCaption(LangText(TextOpenedProject));
    L_Name_Conf_L2->SetCaption(ProjectName);
  } else {
    L_Name_Conf->SetCaption(LangText(TextNoProject));
    L_Name_Conf_L2->SetCaption(LangText(TextUseStep1));
  }
}

void TFQuilloreFirmWare::Switch_Update_Timer() { Timer_Update->SetEnabled(EnableInternet && EnableUpdate); }

// Every close writes the settings, also when nothing changed.
void TFQuilloreFirmWare::FormClose(TObject*, TCloseAction&) { Save_Setting(); }

void TFQuilloreFirmWare::L_VelmorClick(TObject*) { OpenUrl(MakerHomePage); }

void TFQuilloreFirmWare::LL_UpdateLinkClick(TObject*, const QString& Link) { OpenUrl(Link); }

// The timer stays off while a check runs, so checks never overlap; later
// checks come two hours after the previous one ended.
void TFQuilloreFirmWare::Timer_UpdateTimer(TObject*) {
  Timer_Update->SetEnabled(false);
  if (FSoftOptions && FSoftOptions->Check_Version()) {
    LL_Update->SetCaption("<a href=\"" + MakerDownloadPage + "\">" + LangText(TextNewVersion) + "</a>");
    LL_Update->SetVisible(true);
  } else {
    LL_Update->SetVisible(false);
  }
  Timer_Update->SetInterval(LaterCheckInterval);
  Timer_Update->SetEnabled(true);
}
