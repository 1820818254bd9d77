#include "shell/UAbout.h"

#include "platform/ExtCtrls.h"
#include "platform/Network.h"
#include "platform/StdCtrls.h"
#include "shell/ShellState.h"
#include "shell/button/LbButton.h"

#include <QPainter>
#include <QRegularExpression>
#include <QUrl>

TFAbout* FAbout = nullptr;

namespace {

constexpr TColor AboutColor = 0x00EDF7F8;
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
QImage MakerLogo() {
  QImage logo(81, 81, QImage::Format_RGB32);
  logo.fill(QColor(0xF8, 0xF7, 0xED));
  QPainter p(&logo);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x1F, 0x4E, 0x8C));
  p.drawRoundedRect(QRectF(4, 4, 73, 73), 14, 14);
  p.setPen(QPen(Qt::white, 3));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QPointF(40.5, 40.5), 22, 22);
  p.setPen(QPen(QColor(0xFF, 0x80, 0x00), 6, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(26, 56), QPointF(60, 20));
  return logo;
}

}  // namespace

TFAbout::TFAbout(TComponent* AOwner) : TForm(AOwner) {
  SetBorderStyle(bsSingle);
  BorderIcons = biSystemMenu;
  Position = poScreenCenter;
  SetColor(AboutColor);
  Font().SetName("Verdana");
  Font().SetSize(8);
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
  Image2->Picture().SetImage(MakerLogo());
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
  LbButton1 = new TLbButton(this);
  LbButton1->SetParent(this);
  LbButton1->SetBounds(32, 115, 81, 22);
  LbButton1->ApplyHouseLook();
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
