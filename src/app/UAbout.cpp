#include "app/UAbout.h"

#include "common/FormKit.h"
#include "common/ShellState.h"
#include "common/button/LbButton.h"
#include "platform/ExtCtrls.h"
#include "platform/Graphics.h"
#include "platform/Network.h"
#include "platform/StdCtrls.h"

#include <QRegularExpression>
#include <QUrl>

#include <memory>

TFAbout* FAbout = nullptr;

namespace {

constexpr int AboutClientWidth = 425, AboutClientHeight = 148;
const QString DocumentCode = "DC" + ModelCode;

struct TFixedLabel {
  TLabel* TFAbout::*Member;
  int Left, Top;
  const char* Text;  // empty for the labels filled when shown
};
constexpr TFixedLabel FixedLabels[] = {
    {&TFAbout::Label1, 128, 24, "Software Quillor "},
    {&TFAbout::Label2, 128, 39, ""},
    {&TFAbout::Label6, 128, 62, "Software Code : "},
    {&TFAbout::Label9, 240, 62, ""},
    {&TFAbout::Label3, 128, 77, "Version :"},
    {&TFAbout::Label10, 240, 77, ""},
    {&TFAbout::Label8, 128, 93, "Document Code :"},
    {&TFAbout::Label12, 240, 93, ""},
    {&TFAbout::Label4, 316, 131, ""},
};

// The maker's mark, drawn rather than shipped: a rounded tile with a quill stroke.
std::unique_ptr<TBitmap> MakerLogo() {
  auto logo = std::make_unique<TBitmap>(81, 81);
  TCanvas& c = logo->Canvas();
  c.Brush().Color = HouseLook::FormColor;
  c.FillRect(TRect(0, 0, 81, 81));
  c.Pen().Style = psClear;
  c.Brush().Color = 0x008C4E1F;
  c.RoundRect(4, 4, 78, 78, 28, 28);
  c.Pen().Style = psSolid;
  c.Pen().Color = clWhite;
  c.Pen().Width = 3;
  c.Brush().Style = bsClear;
  c.Ellipse(18, 18, 64, 64);
  c.Pen().Color = 0x000080FF;
  c.Pen().Width = 6;
  c.MoveTo(26, 56);
  c.LineTo(60, 20);
  logo->EndCanvas();
  return logo;
}

}  // namespace

TFAbout::TFAbout(TComponent* AOwner) : TForm(AOwner) {
  SetBorderStyle(bsSingle);
  BorderIcons = biSystemMenu;
  Position = poScreenCenter;
  ApplyHouseForm(this);
  SetCaption("About");
  CreateControls();
  OnShow = [this](TObject* Sender) { FormShow(Sender); };
}

TFAbout::~TFAbout() {
  if (FAbout == this) FAbout = nullptr;
}

void TFAbout::CreateControls() {
  Image2 = new TImage(this);
  Image2->SetParent(this);
  Image2->SetBounds(32, 24, 81, 81);
  Image2->Stretch = true;
  Image2->Picture().Assign(*MakerLogo());
  Image2->PictureChanged();
  for (const TFixedLabel& fixed : FixedLabels) {
    TLabel* label = new TLabel(this);
    label->SetParent(this);
    label->SetBounds(fixed.Left, fixed.Top, 100, 13);
    label->SetCaption(QString::fromLatin1(fixed.Text));
    this->*fixed.Member = label;
  }
  Label1->Font().SetStyle({fsBold});
  Label1->Font().SetSize(10);
  // The bare host: the box leaves little room right of the button row.
  Label4->SetCaption(QUrl(MakerWebSite).host().remove(QRegularExpression("^www\\.")));
  Label4->Font().SetColor(clBlue);
  Label4->Font().SetStyle({fsUnderline});
  for (TControl* c : {static_cast<TControl*>(Label4), static_cast<TControl*>(Image2)}) {
    c->SetCursor(crHandPoint);
    c->OnClick = [this](TObject* Sender) { Label4Click(Sender); };
  }
  LbButton1 = MakeHouseButton(this, this, {32, 115, 81, 22});
  LbButton1->SetCaption("OK");
  LbButton1->SetModalResult(mrOk);
}

void TFAbout::FormShow(TObject*) {
  Label2->SetCaption(BuildSoftwareDescription);
  Label9->SetCaption(BuildSoftwareCode);
  Label10->SetCaption(ProgramVersion);
  Label12->SetCaption(DocumentCode);
  SetClientWidth(AboutClientWidth);
  SetClientHeight(AboutClientHeight);
}

void TFAbout::Label4Click(TObject*) { OpenUrl(MakerHomePage); }
