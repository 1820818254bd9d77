#include "platform/Buttons.h"

#include "platform/Forms.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

struct SpeedButtonFixture : ::testing::Test {
  std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
  void SetUp() override {
    Form->SetClientWidth(200);
    Form->SetClientHeight(60);
    Form->Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Form->Widget()));
  }
  TSpeedButton* Make(int left, int group = 0) {
    auto* b = new TSpeedButton(Form.get());
    b->SetParent(Form.get());
    b->SetBounds(left, 0, 23, 22);
    b->SetGroupIndex(group);
    return b;
  }
};

}  // namespace

TEST_F(SpeedButtonFixture, ClicksOnReleaseInsideOnly) {
  TSpeedButton* b = Make(0);
  int clicks = 0;
  b->OnClick = [&](TObject*) { ++clicks; };
  QTest::mousePress(b->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
  EXPECT_EQ(b->State(), bsDown);
  EXPECT_EQ(clicks, 0);
  QTest::mouseRelease(b->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(b->State(), bsUp);
  QTest::mousePress(b->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
  QTest::mouseRelease(b->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(50, 5));
  EXPECT_EQ(clicks, 1);
  QTest::mouseClick(b->Widget(), Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
  EXPECT_EQ(clicks, 1);
}

TEST_F(SpeedButtonFixture, GroupButtonsStayDownExclusively) {
  TSpeedButton* a = Make(0, 1);
  TSpeedButton* b = Make(30, 1);
  TSpeedButton* other = Make(60, 2);
  other->SetDown(true);
  QTest::mouseClick(a->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
  EXPECT_TRUE(a->Down());
  EXPECT_EQ(a->State(), bsExclusive);
  QTest::mouseClick(b->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
  EXPECT_TRUE(b->Down());
  EXPECT_FALSE(a->Down());
  EXPECT_TRUE(other->Down());
  // Without AllowAllUp the down button of a group cannot be clicked up.
  QTest::mouseClick(b->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
  EXPECT_TRUE(b->Down());
  b->AllowAllUp = true;
  QTest::mouseClick(b->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
  EXPECT_FALSE(b->Down());
  // A button outside any group never stays down.
  TSpeedButton* plain = Make(90);
  plain->SetDown(true);
  EXPECT_FALSE(plain->Down());
}

TEST_F(SpeedButtonFixture, MouseEnterAndLeaveReachTheButton) {
  TSpeedButton* b = Make(0);
  int enters = 0, leaves = 0;
  b->OnMouseEnter = [&](TObject*) { ++enters; };
  b->OnMouseLeave = [&](TObject*) { ++leaves; };
  b->Perform(CM_MOUSEENTER);
  b->Perform(CM_MOUSELEAVE);
  EXPECT_EQ(enters, 1);
  EXPECT_EQ(leaves, 1);
  // The counters end with the test; the form's teardown may still move the pointer off the button.
  b->OnMouseEnter = nullptr;
  b->OnMouseLeave = nullptr;
}

TEST_F(SpeedButtonFixture, GlyphImagesFollowTheState) {
  TSpeedButton* b = Make(0);
  b->SetBounds(0, 0, 30, 30);
  TBitmap glyph(8, 4);  // two 4 x 4 images: red (up), blue (disabled)
  glyph.Canvas().Brush().Color = clRed;
  glyph.Canvas().FillRect(TRect(0, 0, 4, 4));
  glyph.Canvas().Brush().Color = clBlue;
  glyph.Canvas().FillRect(TRect(4, 0, 8, 4));
  glyph.Canvas().SetPixel(0, 3, clWhite);  // bottom-left: the key colour
  glyph.EndCanvas();
  b->SetGlyph(&glyph);
  b->SetNumGlyphs(2);
  b->SetFlat(true);
  QImage up = b->Widget()->grab().toImage();
  EXPECT_EQ(up.pixelColor(14, 13), QColor(Qt::red));
  b->SetEnabled(false);
  QImage disabled = b->Widget()->grab().toImage();
  EXPECT_EQ(disabled.pixelColor(14, 13), QColor(Qt::blue));
}

TEST_F(SpeedButtonFixture, PushButtonClicksAndClosesWithItsModalResult) {
  auto* b = new TButton(Form.get());
  b->SetParent(Form.get());
  b->SetCaption("OK");
  int clicks = 0;
  b->OnClick = [&](TObject*) { ++clicks; };
  QTest::mouseClick(b->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(Form->ModalResult(), mrNone);
  b->ModalResult = mrOk;
  b->Click();
  EXPECT_EQ(clicks, 2);
  EXPECT_EQ(Form->ModalResult(), mrOk);
}
