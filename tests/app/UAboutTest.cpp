#include "app/UAbout.h"

#include "common/button/LbButton.h"
#include "platform/ExtCtrls.h"
#include "platform/Screenshot.h"
#include "platform/StdCtrls.h"
#include "support/ShellTestProgram.h"

#include <QImage>
#include <QTest>

#include <gtest/gtest.h>

namespace {

void Click(TControl* c) { QTest::mouseClick(c->Widget(), Qt::LeftButton, {}, QPoint(5, 5)); }

bool ShowAbout(TFQuilloreFirmWare& w, const std::function<void()>& whileShown) {
  return TShellTestProgram::ExpectModal(
      FAbout, [&] { Click(w.Btn_Info); }, whileShown, mrCancel);
}

}  // namespace

TEST(About, FilledWhenShownAndClosedByItsButton) {
  TShellTestProgram p;
  TFQuilloreFirmWare& w = p.Start();
  w.Show();
  EXPECT_EQ(FAbout->Label10->Caption(), "");
  EXPECT_TRUE(ShowAbout(w, [&] {
    EXPECT_EQ(FAbout->ClientWidth(), 425);
    EXPECT_EQ(FAbout->ClientHeight(), 148);
    struct Shown {
      TLabel* Label;
      QString Text;
    };
    const Shown shown[] = {
        {FAbout->Label1, "Software Quillor "}, {FAbout->Label2, "Modbus TCP Slave / LoRaWAN Gateway - Converter"},
        {FAbout->Label6, "Software Code : "},  {FAbout->Label9, "CFZ9KAD"},
        {FAbout->Label3, "Version :"},         {FAbout->Label10, "1.007"},
        {FAbout->Label8, "Document Code :"},   {FAbout->Label12, "DCZ9KAD"},
    };
    for (const Shown& s : shown) EXPECT_EQ(s.Label->Caption(), s.Text);
    Click(FAbout->LbButton1);
  }));
  EXPECT_EQ(FAbout->ModalResult(), mrOk);
}

TEST(About, LogoAndWebAddressOpenTheHomePage) {
  TShellTestProgram p;
  TFQuilloreFirmWare& w = p.Start();
  w.Show();
  EXPECT_TRUE(ShowAbout(w, [&] {
    Click(FAbout->Label4);
    Click(FAbout->Image2);
    Click(FAbout->LbButton1);
  }));
  EXPECT_EQ(p.OpenedUrls, std::vector<QString>({MakerHomePage, MakerHomePage}));
  EXPECT_TRUE(MakerHomePage.endsWith("/HOME/default.asp?frompg=CFZ9KAD"));
}

TEST(About, Picture) {
  TShellTestProgram p;
  TFQuilloreFirmWare& w = p.Start();
  const QString path = qEnvironmentVariable("QUILLORE_SCREENSHOT_DIR", p.Folder()) + "/about.png";
  EXPECT_TRUE(ShowAbout(w, [&] {
    ASSERT_TRUE(SaveWidgetScreenshot(FAbout->Widget(), path));
    Click(FAbout->LbButton1);
  }));
  QImage picture(path);
  ASSERT_FALSE(picture.isNull());
  EXPECT_GE(picture.width(), 425);
}
