#include "grid/editing/PsgComboBox.h"

#include "EditorFormFixture.h"
#include "platform/Themes.h"

#include <QTest>

#include <gtest/gtest.h>

namespace {

struct ComboFixture : EditorFormFixture {
  TPsgComboBox* Combo = nullptr;
  TEdit* Other = nullptr;
  void SetUp() override {
    ShowForm();
    Combo = Make<TPsgComboBox>(150, 100, 145, 21);
    Combo->Items().SetCommaText("alpha,beta,gamma");
    Other = Make<TEdit>(10, 200, 80, 21);
  }
  void TearDown() override { SetThemeServices(nullptr); }
};

}  // namespace

TEST_F(ComboFixture, ButtonWidthTakesOnly14To32) {
  EXPECT_EQ(Combo->ButtonWidth(), 19);  // scroll-bar width + 2
  const struct { int Written, Kept; } cases[] = {{13, 19}, {14, 14}, {32, 32}, {33, 32}};
  for (auto c : cases) {
    Combo->SetButtonWidth(c.Written);
    EXPECT_EQ(Combo->ButtonWidth(), c.Kept) << c.Written;
  }
}

TEST_F(ComboFixture, DropWidthZeroLeavesTheListAsWideAsTheCombo) {
  Combo->SetDropWidth(0);
  EXPECT_EQ(Combo->DroppedWidth(), 0);
  Combo->SetDropWidth(260);
  EXPECT_EQ(Combo->DroppedWidth(), 260);
}

TEST_F(ComboFixture, SelectItemSelectsOnlyAListedText) {
  Combo->SelectItem("BETA");  // the list's IndexOf ignores case
  EXPECT_EQ(Combo->ItemIndex(), 1);
  Combo->SelectItem("delta");
  EXPECT_EQ(Combo->ItemIndex(), 1);
}

TEST_F(ComboFixture, FocusColourComesAndGoesAfterInit) {
  Combo->SetColor(clWhite);
  Combo->Init();
  Combo->FocusColor = clYellow;
  Combo->SetFocus();
  EXPECT_TRUE(Combo->HasFocus());
  EXPECT_EQ(Combo->Color(), clYellow);
  Other->SetFocus();
  EXPECT_FALSE(Combo->HasFocus());
  EXPECT_EQ(Combo->Color(), clWhite);
}

TEST_F(ComboFixture, RunTimeComboWithoutInitRestoresItsColourBeforeTheFocus) {
  Combo->SetColor(clAqua);
  Combo->FocusColor = clYellow;
  Combo->SetFocus();
  EXPECT_EQ(Combo->Color(), clYellow);
  Other->SetFocus();
  EXPECT_EQ(Combo->Color(), clAqua);
}

TEST_F(ComboFixture, AutoFocusOnlyWhileTheFormIsTheActiveWindow) {
  Combo->AutoFocus = true;
  Other->SetFocus();
  TForm other(nullptr);
  other.Show();
  QApplication::setActiveWindow(other.Widget());
  Combo->Perform(CM_MOUSEENTER);
  EXPECT_FALSE(Combo->Focused());
  Combo->Perform(CM_MOUSELEAVE);
  QApplication::setActiveWindow(Form->Widget());
  Combo->Perform(CM_MOUSEENTER);
  EXPECT_TRUE(Combo->Focused());
}

TEST_F(ComboFixture, FlatComboShowsItsParentsColourWhileDisabled) {
  Form->SetColor(clSilver);
  Combo->SetFlatParentColor(false);
  Combo->SetFlat(true);
  Combo->SetColor(clAqua);
  Combo->SetEnabled(false);
  EXPECT_EQ(Combo->Color(), clSilver);
  Combo->SetEnabled(true);
  EXPECT_EQ(Combo->Color(), clAqua);
}

TEST_F(ComboFixture, DropNotificationsRepaintAndFireOnDropUp) {
  std::vector<QString> log;
  Combo->OnDropDown = [&](TObject*) { log.push_back("down"); };
  Combo->OnCloseUp = [&](TObject*) { log.push_back("closeup"); };
  Combo->OnDropUp = [&](TObject* s) { log.push_back(s == Combo ? "dropup" : "?"); };
  Combo->SetDroppedDown(true);
  QApplication::processEvents();
  Combo->SetDroppedDown(false);
  QApplication::processEvents();
  EXPECT_EQ(log, std::vector<QString>({"down", "closeup", "dropup"}));
}

TEST_F(ComboFixture, BorderColourRules) {
  const TColor fbc = RGBColor(0, 0, 200);
  struct Case {
    const char* Name;
    TColor Border, FocusBorder;
    bool Focused;
    TColor Corner;  // clNone: no custom frame
  } cases[] = {
      {"border, unfocused", clRed, clNone, false, clRed},
      {"border, focused", clRed, clNone, true, clRed},
      {"border and focus border, focused", clRed, fbc, true, fbc},
      {"border and focus border, unfocused", clRed, fbc, false, clRed},
      {"focus border only, unfocused", clNone, fbc, false, clNone},
      {"focus border only, focused", clNone, fbc, true, fbc},
  };
  for (const Case& c : cases) {
    Combo->SetBorderColor(c.Border);
    Combo->FocusBorderColor = c.FocusBorder;
    if (c.Focused)
      Combo->SetFocus();
    else
      Other->SetFocus();
    const TColor corner = PaintedPixel(Combo, 0, 10);
    if (c.Corner == clNone) {
      EXPECT_NE(corner, fbc) << c.Name;
      EXPECT_NE(corner, clRed) << c.Name;
    } else {
      EXPECT_EQ(corner, c.Corner) << c.Name;
    }
  }
}

TEST_F(ComboFixture, DisabledThemedComboWithoutDisabledBorderHasTheFixedFrame) {
  SetThemeServices(std::make_unique<TFakeThemeServices>());
  Combo->DisabledBorder = false;
  Combo->SetEnabled(false);
  EXPECT_EQ(PaintedPixel(Combo, 0, 10), DisabledBorderColor);
  Combo->DisabledBorder = true;
  Combo->Invalidate();
  EXPECT_NE(PaintedPixel(Combo, 0, 10), DisabledBorderColor);
}

TEST_F(ComboFixture, ThemedButtonHotWhileHovered) {
  auto fake = std::make_unique<TFakeThemeServices>();
  TFakeThemeServices* f = fake.get();
  SetThemeServices(std::move(fake));
  Combo->SetFlat(true);
  QTest::mouseMove(Combo->Widget(), QPoint(140, 10));
  EXPECT_TRUE(Combo->ButtonHover());
  f->Calls.clear();
  Combo->Widget()->grab();
  ASSERT_FALSE(f->Calls.empty());
  EXPECT_EQ(f->Calls.back().ClassList, "combobox");
  EXPECT_EQ(f->Calls.back().PartId, 1);
  EXPECT_EQ(f->Calls.back().StateId, 2);
  Combo->Perform(CM_MOUSELEAVE);
  EXPECT_FALSE(Combo->ButtonHover());
  f->Calls.clear();
  Combo->Widget()->grab();
  ASSERT_FALSE(f->Calls.empty());
  EXPECT_EQ(f->Calls.back().StateId, 1);
}

TEST(LabelPlacement, AllThirteenPositionsWithMargin100) {
  const TRect combo = Bounds(300, 200, 145, 21);  // L, T, Wd, Hg
  const TSize label{40, 13};                      // w, h
  const int W = 37;                               // the caption's measured width
  const struct {
    TLabelPosition Position;
    int Left, Top;
  } cases[] = {
      {lpLeftTop, 300 - 37 - 100, 200},
      {lpLeftCenter, 300 - 37 - 100, 204},
      {lpLeftBottom, 300 - 37 - 100, 208},
      {lpTopLeft, 300, 200 - 13 - 100},
      {lpBottomLeft, 300, 321},
      {lpLeftTopLeft, 200, 200},
      {lpLeftCenterLeft, 200, 204},
      {lpLeftBottomLeft, 200, 208},
      {lpTopCenter, 300 + 52, 87},
      {lpBottomCenter, 352, 321},
      {lpRightTop, 300 + 145 + 100, 200},
      {lpRightCenter, 545, 204},
      {lpRighBottom, 545, 208},
  };
  for (auto c : cases) EXPECT_EQ(PlaceLabel(c.Position, combo, label, W, 100), TPoint(c.Left, c.Top)) << c.Position;
  // Centring divides toward zero also when the label is the larger.
  EXPECT_EQ(PlaceLabel(lpLeftCenterLeft, combo, TSize{40, 30}, W, 0).Y, 200 + (21 - 30) / 2);
}

TEST_F(ComboFixture, AttachedLabelFollowsTheCombo) {
  EXPECT_EQ(Combo->LabelCaption(), "");
  Combo->SetLabelCaption("Protocol");
  ASSERT_NE(Combo->ComboLabel(), nullptr);
  Combo->SetLabelMargin(100);
  Combo->SetLabelPosition(lpLeftTopLeft);
  EXPECT_EQ(Combo->ComboLabel()->Left(), 50);
  EXPECT_EQ(Combo->ComboLabel()->Top(), 100);
  Combo->SetLeft(180);
  EXPECT_EQ(Combo->ComboLabel()->Left(), 80);
  Combo->SetEnabled(false);
  EXPECT_FALSE(Combo->ComboLabel()->Enabled());
  Combo->SetLabelAlwaysEnabled(true);
  EXPECT_TRUE(Combo->ComboLabel()->Enabled());
  Combo->SetVisible(false);
  EXPECT_FALSE(Combo->ComboLabel()->Visible());
  Combo->FocusLabel = true;
  Combo->SetVisible(true);
  Combo->SetEnabled(true);
  Combo->SetFocus();
  EXPECT_TRUE(Combo->ComboLabel()->Font().Style().Contains(fsBold));
  Other->SetFocus();
  EXPECT_FALSE(Combo->ComboLabel()->Font().Style().Contains(fsBold));
}
