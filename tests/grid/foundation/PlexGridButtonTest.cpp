#include "grid/foundation/PlexGridButton.h"
#include "platform/ActnList.h"
#include "platform/Menus.h"
#include "platform/Themes.h"

#include "grid/foundation/GridButtonFixture.h"
#include "platform/internal/Painting.h"

#include <QCursor>

#include <cstring>
#include <vector>

namespace {

// Restores the platform's theme services after a test installed the fake.
struct FakeThemeScope {
  TFakeThemeServices* Fake;
  FakeThemeScope() {
    auto fake = std::make_unique<TFakeThemeServices>();
    Fake = fake.get();
    SetThemeServices(std::move(fake));
  }
  ~FakeThemeScope() { SetThemeServices(nullptr); }
};

struct TColours {
  TColor Color, ColorTo, ColorHot, ColorHotTo, ColorDown, ColorDownTo, ColorChecked, ColorCheckedTo, BorderHot,
      BorderDown, Border;
};

TColours ColoursOf(const TPlexGridButton& b) {
  return {b.Color(),          b.ColorTo(),         b.ColorHot(),     b.ColorHotTo(),
          b.ColorDown(),      b.ColorDownTo(),     b.ColorChecked(), b.ColorCheckedTo(),
          b.BorderHotColor(), b.BorderDownColor(), b.BorderColor()};
}

bool operator==(const TColours& a, const TColours& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// A menu that records where it was told to open instead of showing itself.
class TRecordingMenu : public TPopupMenu {
public:
  using TPopupMenu::TPopupMenu;
  std::vector<TPoint> Opened;
  void Popup(int X, int Y) override { Opened.push_back(TPoint(X, Y)); }
};

}  // namespace

TEST_F(GridButtonFixture, DefaultsAsPublished) {
  TPlexGridButton* b = AddButton(0);
  TPlexGridButton fresh(nullptr);
  EXPECT_EQ(fresh.Width(), 22);
  EXPECT_EQ(fresh.Height(), 23);
  EXPECT_EQ(ColoursOf(fresh), (TColours{clBtnFace, clNone, 0xCAC7C7, clNone, 0xD8D3D2, clNone, 0x808080, clNone, clNone,
                                        clNone, clNone}));
  EXPECT_TRUE(b->Flat());
  EXPECT_TRUE(b->Shaded());
  EXPECT_TRUE(b->ShowCaption());
  EXPECT_TRUE(b->ParentFont());
  EXPECT_FALSE(b->Rounded());
  EXPECT_EQ(b->Margin(), -1);
  EXPECT_EQ(b->Spacing(), 4);
  EXPECT_EQ(b->Layout(), blGlyphLeft);
  EXPECT_EQ(b->Style(), tasButton);
  EXPECT_EQ(b->Look(), 0);
  EXPECT_EQ(b->State(), bsUp);
}

TEST_F(GridButtonFixture, MarginBelowMinusOneIsIgnoredSpacingTakesAnything) {
  TPlexGridButton* b = AddButton(0);
  b->SetMargin(3);
  b->SetMargin(-2);
  EXPECT_EQ(b->Margin(), 3);
  b->SetMargin(-1);
  EXPECT_EQ(b->Margin(), -1);
  b->SetSpacing(-7);
  EXPECT_EQ(b->Spacing(), -7);
}

TEST_F(GridButtonFixture, LooksAreTheirTableAndOtherNumbersChangeNothing) {
  TPlexGridButton* b = AddButton(0);
  b->SetBorderColor(clRed);
  b->SetFlat(false);
  b->SetLook(2);
  EXPECT_EQ(b->Look(), 2);
  EXPECT_EQ(b->Color(), 0xFDEADA);
  EXPECT_EQ(b->ColorTo(), 0xE4AE88);
  EXPECT_EQ(b->BorderHotColor(), 0x000000);
  EXPECT_EQ(b->BorderDownColor(), 0x000000);
  EXPECT_EQ(b->BorderColor(), clNone);
  EXPECT_TRUE(b->Flat());
  EXPECT_FALSE(b->Rounded());
  b->SetLook(0);
  EXPECT_TRUE(b->Rounded());
  EXPECT_EQ(b->ColorCheckedTo(), clNone);
  b->SetLook(6);
  const TColours six = ColoursOf(*b);
  EXPECT_EQ(six.ColorHotTo, 0x7CE9FC);
  EXPECT_FALSE(b->Rounded());
  for (int bad : {7, -1, 100}) {
    b->SetLook(bad);
    EXPECT_EQ(ColoursOf(*b), six) << bad;
    EXPECT_EQ(b->Look(), 6);
  }
}

TEST_F(GridButtonFixture, ThemeAdaptationPicksTheLookOfTheColourScheme) {
  TPlexGridButton* b = AddButton(0);
  b->SetAutoThemeAdapt(true);
  EXPECT_EQ(b->Look(), 1) << "no visual styles on this desktop";
  FakeThemeScope theme;
  struct Case {
    const char* Scheme;
    int Look;
  } cases[] = {{"NormalColor", 2}, {"HomeStead", 3}, {"Metallic", 4}, {"Normal", 1}, {"normalcolor", 1}};
  for (const Case& c : cases) {
    theme.Fake->ColorName = c.Scheme;
    b->Perform(WM_THEMECHANGED);
    EXPECT_EQ(b->Look(), c.Look) << c.Scheme;
  }
  theme.Fake->ColorName = "NormalColor";
  theme.Fake->Active = false;
  b->Perform(CM_SYSFONTCHANGED);
  EXPECT_EQ(b->Look(), 1);
  theme.Fake->Active = true;
  b->SetAutoThemeAdapt(false);
  b->Perform(WM_THEMECHANGED);
  EXPECT_EQ(b->Look(), 1) << "no adaptation when switched off";
}

TEST_F(GridButtonFixture, APlainButtonNeverStaysDownACheckButtonToggles) {
  TPlexGridButton* plain = AddButton(0);
  plain->SetDown(true);
  EXPECT_FALSE(plain->Down());
  TPlexGridButton* check = AddButton(70);
  check->SetStyle(tasCheck);
  Show();
  int clicks = 0;
  check->OnClick = [&](TObject*) { ++clicks; };
  ClickAt(check);
  EXPECT_TRUE(check->Down());
  ClickAt(check);
  EXPECT_FALSE(check->Down());
  EXPECT_EQ(clicks, 2);
}

TEST_F(GridButtonFixture, AGroupOfThreeKeepsOneDown) {
  TPlexGridButton* b[3] = {AddButton(0), AddButton(70), AddButton(140)};
  int clicks[3] = {};
  for (int i = 0; i < 3; ++i) {
    b[i]->SetGroupIndex(1);
    b[i]->OnClick = [&clicks, i](TObject*) { ++clicks[i]; };
  }
  Show();
  ClickAt(b[0]);
  EXPECT_TRUE(b[0]->Down());
  ClickAt(b[0]);
  EXPECT_TRUE(b[0]->Down()) << "the down button cannot be released directly";
  EXPECT_EQ(clicks[0], 2);
  ClickAt(b[1]);
  EXPECT_FALSE(b[0]->Down());
  EXPECT_TRUE(b[1]->Down());
  EXPECT_FALSE(b[2]->Down());
  EXPECT_EQ(b[0]->State(), bsUp);
  EXPECT_EQ(b[1]->State(), bsExclusive);
  b[2]->SetDown(true);
  EXPECT_FALSE(b[1]->Down());
  EXPECT_TRUE(b[2]->Down());
}

TEST_F(GridButtonFixture, AllowAllUpLetsTheDownButtonGoAndSpreadsThroughTheGroup) {
  TPlexGridButton* b[3] = {AddButton(0), AddButton(70), AddButton(140)};
  for (TPlexGridButton* x : b) x->SetGroupIndex(4);
  Show();
  b[1]->SetAllowAllUp(true);
  EXPECT_TRUE(b[0]->AllowAllUp());
  EXPECT_TRUE(b[2]->AllowAllUp());
  ClickAt(b[2]);
  ClickAt(b[2]);
  EXPECT_FALSE(b[2]->Down());
  b[0]->SetDown(true);
  b[0]->SetDown(false);
  EXPECT_FALSE(b[0]->Down());
}

TEST_F(GridButtonFixture, OnlyGridButtonsOfTheSameGroupAnswer) {
  TPlexGridButton* a = AddButton(0);
  TPlexGridButton* other = AddButton(70);
  a->SetGroupIndex(1);
  other->SetGroupIndex(2);
  other->SetDown(true);
  a->SetDown(true);
  EXPECT_TRUE(other->Down());
  // A message from something that is no grid button moves nothing.
  TGraphicControl stranger(nullptr);
  TMessage m{CM_BUTTONPRESSED, 1, LPARAM(static_cast<TObject*>(&stranger)), 0};
  Form->Broadcast(m);
  EXPECT_TRUE(a->Down());
}

TEST_F(GridButtonFixture, ReleaseOutsideGivesNoClickTheBottomEdgeIsInside) {
  TPlexGridButton* b = AddButton(10, 10, 60, 23);
  Show();
  int clicks = 0;
  b->OnClick = [&](TObject*) { ++clicks; };
  struct Case {
    int X, Y;
    bool Click;
  } cases[] = {{5, 5, true}, {59, 23, true}, {60, 5, false}, {5, 24, false}, {-1, 5, false}, {5, -1, false}};
  for (const Case& c : cases) {
    clicks = 0;
    Press(b, 5, 5);
    EXPECT_EQ(b->State(), bsDown);
    Release(b, c.X, c.Y);
    EXPECT_EQ(clicks, c.Click ? 1 : 0) << c.X << "," << c.Y;
    EXPECT_EQ(b->State(), bsUp);
  }
}

TEST_F(GridButtonFixture, MovingOutWhilePressedShowsTheButtonUp) {
  TPlexGridButton* b = AddButton(10, 10, 60, 23);
  Show();
  Press(b, 5, 5);
  QTest::mouseMove(b->Widget(), QPoint(80, 5));
  EXPECT_EQ(b->State(), bsUp);
  QTest::mouseMove(b->Widget(), QPoint(10, 23));
  EXPECT_EQ(b->State(), bsDown);
  Release(b, 10, 23);
}

TEST_F(GridButtonFixture, TheDropDownPartOpensTheMenuUnderTheButton) {
  TPlexGridButton* b = AddButton(30, 40, 60, 23);
  auto* menu = new TRecordingMenu(Form.get());
  b->SetDropDownButton(true);
  b->SetDropDownMenu(menu);
  Show();
  int drops = 0, clicks = 0;
  b->OnDropDown = [&](TObject*) { ++drops; };
  b->OnClick = [&](TObject*) { ++clicks; };
  ClickAt(b, 60 - 11, 5);
  EXPECT_EQ(drops, 1);
  EXPECT_EQ(clicks, 0);
  ASSERT_EQ(menu->Opened.size(), 1u);
  EXPECT_EQ(menu->Opened[0], Form->ClientToScreen(TPoint(30, 40 + 23)));
  EXPECT_EQ(menu->Opened[0], b->ClientToScreen(TPoint(0, 23)));
  ClickAt(b, 60 - 12, 5);
  EXPECT_EQ(drops, 1);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(menu->Opened.size(), 1u);
}

TEST_F(GridButtonFixture, AFreedDropDownMenuIsForgotten) {
  TPlexGridButton* b = AddButton(0);
  auto* menu = new TPopupMenu(nullptr);
  b->SetDropDownMenu(menu);
  delete menu;
  EXPECT_EQ(b->DropDownMenu(), nullptr);
  b->SetDropDownButton(true);
  Show();
  ClickAt(b, 59, 5);  // no menu to show, nothing to crash
}

TEST_F(GridButtonFixture, DoubleClickEventOnlyWhileDown) {
  TPlexGridButton* b = AddButton(0);
  b->SetGroupIndex(1);
  b->SetAllowAllUp(true);
  Show();
  int doubles = 0;
  b->OnDblClick = [&](TObject*) { ++doubles; };
  b->Perform(WM_LBUTTONDBLCLK, 0, MakeLParam(5, 5));
  EXPECT_EQ(doubles, 0);
  b->Perform(WM_LBUTTONUP, 0, MakeLParam(5, 5));
  ASSERT_TRUE(b->Down());
  b->Perform(WM_LBUTTONDBLCLK, 0, MakeLParam(5, 5));
  EXPECT_EQ(doubles, 1);
}

TEST_F(GridButtonFixture, TheAcceleratorClicksAnEnabledShownButton) {
  TPlexGridButton* b = AddButton(0);
  b->SetCaption("&Find");
  Show();
  int clicks = 0;
  b->OnClick = [&](TObject*) { ++clicks; };
  QTest::keyClick(Form->Widget(), Qt::Key_F, Qt::AltModifier);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(b->Perform(CM_DIALOGCHAR, 'x'), 0);
  b->SetEnabled(false);
  EXPECT_EQ(b->Perform(CM_DIALOGCHAR, 'f'), 0);
  b->SetEnabled(true);
  b->SetVisible(false);
  EXPECT_EQ(b->Perform(CM_DIALOGCHAR, 'f'), 0);
  EXPECT_EQ(clicks, 1);
}

TEST_F(GridButtonFixture, HotTrackingFollowsTheMouseOfAFlatButton) {
  TPlexGridButton* b = AddButton(10);
  Show();
  int enters = 0, leaves = 0;
  b->OnMouseEnter = [&](TObject*) { ++enters; };
  b->OnMouseLeave = [&](TObject*) { ++leaves; };
  b->Perform(CM_MOUSEENTER);
  EXPECT_TRUE(b->MouseInButton());
  b->Perform(CM_MOUSELEAVE);
  EXPECT_FALSE(b->MouseInButton());
  EXPECT_EQ(enters, 1);
  EXPECT_EQ(leaves, 1);
  // A release looks where the cursor is now.
  QCursor::setPos(b->ClientToScreen(TPoint(3, 3)).toQPoint());
  ClickAt(b);
  EXPECT_TRUE(b->MouseInButton());
  QCursor::setPos(b->ClientToScreen(TPoint(300, 150)).toQPoint());
  ClickAt(b);
  EXPECT_FALSE(b->MouseInButton());
}

TEST_F(GridButtonFixture, TheDisabledGlyphIsDerivedGrey) {
  TPlexGridButton* b = AddButton(0);
  TBitmap glyph(2, 1);
  glyph.Canvas().SetPixel(0, 0, RGBColor(200, 100, 30));
  glyph.Canvas().SetPixel(1, 0, RGBColor(0, 0, 0));
  glyph.EndCanvas();
  b->SetGlyph(glyph);
  const QImage& d = b->GlyphDisabled().Image();
  EXPECT_EQ(FromQColor(d.pixelColor(0, 0)), RGBColor(151, 151, 151));
  EXPECT_EQ(FromQColor(d.pixelColor(1, 0)), RGBColor(96, 96, 96));
  // A later glyph keeps the derived one.
  TBitmap white(2, 1);
  white.Canvas().Brush().Color = clWhite;
  white.Canvas().FillRect(TRect(0, 0, 2, 1));
  white.EndCanvas();
  b->SetGlyph(white);
  EXPECT_EQ(FromQColor(b->GlyphDisabled().Image().pixelColor(0, 0)), RGBColor(151, 151, 151));
}

TEST_F(GridButtonFixture, TheShadeIsAGreySilhouetteOnTheGlyphsKeyColour) {
  TPlexGridButton* b = AddButton(0);
  TBitmap glyph(3, 2);
  glyph.Canvas().Brush().Color = clLime;
  glyph.Canvas().FillRect(TRect(0, 0, 3, 2));
  glyph.Canvas().SetPixel(1, 0, clRed);
  glyph.Canvas().SetPixel(2, 0, clBlack);
  glyph.EndCanvas();
  b->SetGlyph(glyph);
  EXPECT_TRUE(b->Shade().Empty()) << "made only when loaded or switched on";
  b->Loaded();
  const QImage& s = b->Shade().Image();
  EXPECT_EQ(FromQColor(s.pixelColor(0, 0)), clLime);
  EXPECT_EQ(FromQColor(s.pixelColor(1, 0)), clGray);
  EXPECT_EQ(FromQColor(s.pixelColor(2, 0)), clGray);
  EXPECT_EQ(FromQColor(s.pixelColor(0, 1)), clLime);
}
