#include "grid/foundation/PlexCheckBox.h"

#include "grid/foundation/ThemeApi.h"
#include "platform/Forms.h"
#include "platform/Screenshot.h"
#include "platform/Themes.h"
#include "platform/internal/Painting.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QTest>

#include <gtest/gtest.h>

namespace {

struct PlexCheckBoxTest : ::testing::Test {
  std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
  TPlexCheckBox* Box = nullptr;
  TEdit* Next = nullptr;
  int Clicks = 0;
  std::vector<WORD> KeysDown;

  void SetUp() override {
    Form->SetClientWidth(240);
    Form->SetClientHeight(80);
    Box = new TPlexCheckBox(Form.get());
    Box->SetParent(Form.get());
    Box->SetBounds(10, 10, 120, 22);
    Box->SetTabStop(true);
    Box->OnClick = [this](TObject*) { ++Clicks; };
    Box->OnKeyDown = [this](TObject*, WORD& k, TShiftState) { KeysDown.push_back(k); };
    Next = new TEdit(Form.get());
    Next->SetParent(Form.get());
    Next->SetBounds(10, 40, 120, 22);
    Next->SetTabStop(true);
    Form->Show();
    QApplication::setActiveWindow(Form->Widget());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Form->Widget()));
  }
  void Mouse(UINT msg, int x, int y) { Box->Perform(msg, msg == WM_MOUSEMOVE ? 0 : 1, MakeLParam(x, y)); }
};

}  // namespace

TEST_F(PlexCheckBoxTest, Defaults) {
  TPlexCheckBox b(nullptr);
  EXPECT_EQ(b.Width(), 98);
  EXPECT_EQ(b.Height(), 20);
  EXPECT_EQ(b.Caption(), "TPlexCheckBox");
  EXPECT_EQ(b.State(), cbUnchecked);
  EXPECT_EQ(b.Alignment(), taLeftJustify);
  EXPECT_EQ(b.ButtonVertAlign(), tlTop);
  EXPECT_FALSE(b.Transparent() || b.TransparentChaching || b.ReadOnly() || b.ReturnIsTab() || b.Down());
}

TEST_F(PlexCheckBoxTest, GrayedThenCheckedThenUncheckedByClicks) {
  Box->SetState(cbGrayed);
  EXPECT_FALSE(Box->Checked());
  QTest::mouseClick(Box->Widget(), Qt::LeftButton, {}, QPoint(6, 10));
  EXPECT_EQ(Box->State(), cbChecked);
  EXPECT_TRUE(Box->Focused());
  QTest::mouseClick(Box->Widget(), Qt::LeftButton, {}, QPoint(60, 10));
  EXPECT_EQ(Box->State(), cbUnchecked);
  EXPECT_EQ(Clicks, 2);
  EXPECT_FALSE(Box->Down());
}

TEST_F(PlexCheckBoxTest, ReleasingOutsideDoesNotToggle) {
  Mouse(WM_LBUTTONDOWN, 5, 5);
  EXPECT_TRUE(Box->Down());
  Mouse(WM_MOUSEMOVE, 120, 22);  // the edges still count as inside
  EXPECT_TRUE(Box->Down());
  Mouse(WM_MOUSEMOVE, 121, 5);
  EXPECT_FALSE(Box->Down());
  Mouse(WM_MOUSEMOVE, 50, 5);
  EXPECT_TRUE(Box->Down());
  Mouse(WM_LBUTTONUP, 50, 40);
  EXPECT_EQ(Box->State(), cbUnchecked);
  EXPECT_EQ(Clicks, 0);
  EXPECT_FALSE(Box->Down());
  // A release without a press on the box does nothing either.
  Mouse(WM_LBUTTONUP, 5, 5);
  EXPECT_EQ(Clicks, 0);
}

TEST_F(PlexCheckBoxTest, ReadOnlyRefusesTheToggleButStillClicks) {
  Box->SetReadOnly(true);
  QTest::mouseClick(Box->Widget(), Qt::LeftButton, {}, QPoint(6, 10));
  QTest::keyClick(Box->Widget(), Qt::Key_Space);
  EXPECT_EQ(Box->State(), cbUnchecked);
  EXPECT_EQ(Clicks, 2);
}

TEST_F(PlexCheckBoxTest, SpaceTogglesOnRelease) {
  Box->SetFocus();
  QTest::keyPress(Box->Widget(), Qt::Key_Space);
  EXPECT_TRUE(Box->Down());
  EXPECT_FALSE(Box->Checked());
  QTest::keyRelease(Box->Widget(), Qt::Key_Space);
  EXPECT_FALSE(Box->Down());
  EXPECT_TRUE(Box->Checked());
  EXPECT_EQ(Clicks, 1);
}

TEST_F(PlexCheckBoxTest, ReturnIsTabMovesTheFocusWithoutToggling) {
  Box->SetFocus();
  QTest::keyClick(Box->Widget(), Qt::Key_Return);
  QApplication::processEvents();
  EXPECT_TRUE(Box->Focused());  // a plain Return does nothing
  EXPECT_FALSE(Box->Checked());
  Box->SetReturnIsTab(true);
  KeysDown.clear();
  QTest::keyClick(Box->Widget(), Qt::Key_Return);
  QApplication::processEvents();
  EXPECT_TRUE(Next->Focused());
  EXPECT_FALSE(Box->Checked());
  EXPECT_EQ(Clicks, 0);
  ASSERT_FALSE(KeysDown.empty());
  EXPECT_EQ(KeysDown.front(), VK_TAB);  // OnKeyDown sees the Return as Tab
}

TEST_F(PlexCheckBoxTest, AcceleratorTogglesAndTakesTheFocus) {
  Box->SetCaption("&Match case");
  Next->SetFocus();
  QTest::keyClick(Next->Widget(), Qt::Key_M, Qt::AltModifier);
  EXPECT_TRUE(Box->Checked());
  EXPECT_TRUE(Box->Focused());
  EXPECT_EQ(Clicks, 0);
  Box->SetCaption("Match && &case");
  TMessage m{CM_DIALOGCHAR, 'm', 0, 0};
  Box->WndProc(m);
  EXPECT_EQ(m.Result, 0);
  m = {CM_DIALOGCHAR, 'C', 0, 0};
  Box->WndProc(m);
  EXPECT_EQ(m.Result, 1);
  EXPECT_FALSE(Box->Checked());
}

TEST_F(PlexCheckBoxTest, BoxRectangles) {
  struct Case {
    TAlignment Align;
    TTextLayout VAlign;
    TRect Themed, Classic;
  };
  const Case cases[] = {
      {taLeftJustify, tlTop, Bounds(0, 4, 14, 14), Bounds(0, 4, 13, 13)},
      {taLeftJustify, tlCenter, Bounds(0, 5, 14, 14), Bounds(0, 5, 13, 13)},
      {taLeftJustify, tlBottom, Bounds(0, 8, 14, 14), Bounds(0, 5, 13, 13)},
      {taRightJustify, tlTop, Bounds(105, 4, 14, 14), Bounds(107, 4, 13, 13)},
  };
  for (const Case& c : cases) {
    Box->SetAlignment(c.Align);
    Box->SetButtonVertAlign(c.VAlign);
    EXPECT_EQ(Box->ThemedBoxRect(), c.Themed);
    EXPECT_EQ(Box->ClassicBoxRect(), c.Classic);
  }
}

TEST_F(PlexCheckBoxTest, ThemedStatesThroughTheVisualStyles) {
  auto fake = std::make_unique<TFakeThemeServices>();
  TFakeThemeServices* themes = fake.get();
  SetThemeServices(std::move(fake));
  UnloadThemeApi();
  LoadThemeApi();
  struct Case {
    TCheckBoxState State;
    int Normal;
  };
  constexpr Case cases[] = {{cbUnchecked, 1}, {cbChecked, 5}, {cbGrayed, 9}};
  for (const Case& c : cases) {
    Box->SetState(c.State);
    auto drawn = [&] {
      themes->Calls.clear();
      Box->Repaint();
      return themes->Calls.empty() ? -1 : themes->Calls.back().StateId;
    };
    EXPECT_EQ(drawn(), c.Normal);
    Box->Perform(CM_MOUSEENTER);
    EXPECT_EQ(drawn(), c.Normal + 1);
    Box->SetDown(true);
    EXPECT_EQ(drawn(), c.Normal + 2);
    Box->SetEnabled(false);
    EXPECT_EQ(drawn(), c.Normal + 3);
    Box->SetEnabled(true);
    Box->SetDown(false);
    Box->Perform(CM_MOUSELEAVE);
  }
  ASSERT_FALSE(themes->Calls.empty());
  EXPECT_EQ(themes->Calls.back().ClassList, "button");
  EXPECT_EQ(themes->Calls.back().PartId, 3);
  EXPECT_EQ(themes->Calls.back().Rect, Bounds(0, 4, 14, 14));
  EXPECT_EQ(themes->OpenCount, themes->CloseCount);
  UnloadThemeApi();
  SetThemeServices(nullptr);
  themes = nullptr;
  Box->Repaint();  // classic again, nothing asked of the services
}

namespace {

// A parent that paints a vertical gradient, as the search bar does.
class TGradientPanel : public TCustomControl {
public:
  using TCustomControl::TCustomControl;
  static TColor At(int y, int h) {
    const int v = 255 - 120 * y / std::max(1, h - 1);
    return RGBColor(v, v, 255);
  }

protected:
  void Paint() override {
    for (int y = 0; y < Height(); ++y) {
      Canvas().Brush().Color = At(y, Height());
      Canvas().FillRect(TRect(0, y, Width(), y + 1));
    }
  }
};

}  // namespace

TEST_F(PlexCheckBoxTest, EveryLookOnAPlainFormAndTransparentOverAGradient) {
  Form->SetClientWidth(460);
  Form->SetClientHeight(230);
  Box->SetVisible(false);
  Next->SetVisible(false);
  auto* bar = new TGradientPanel(Form.get());
  bar->SetParent(Form.get());
  bar->SetBounds(230, 0, 230, 230);
  struct Look {
    bool OnBar;
    const char* Caption;
    TCheckBoxState State;
    TAlignment Align;
    TTextLayout VAlign;
    bool Enabled, Transparent, Caching, Ellipsis;
  };
  const Look looks[] = {
      {false, "Unchecked", cbUnchecked, taLeftJustify, tlTop, true, false, false, false},
      {false, "Checked", cbChecked, taLeftJustify, tlTop, true, false, false, false},
      {false, "Grayed", cbGrayed, taLeftJustify, tlTop, true, false, false, false},
      {false, "Disabled checked", cbChecked, taLeftJustify, tlTop, false, false, false, false},
      {false, "Right-justified", cbChecked, taRightJustify, tlCenter, true, false, false, false},
      {false, "A long caption cut with an ellipsis", cbUnchecked, taLeftJustify, tlCenter, true, false, false, true},
      {false, "&Focused (accelerator M)", cbUnchecked, taLeftJustify, tlBottom, true, false, false, false},
      {true, "Match &case", cbChecked, taLeftJustify, tlTop, true, true, false, false},
      {true, "Cached background", cbUnchecked, taLeftJustify, tlTop, true, true, true, false},
      {true, "Grayed, transparent", cbGrayed, taLeftJustify, tlTop, true, true, false, false},
      {true, "Disabled, transparent", cbUnchecked, taLeftJustify, tlTop, false, true, false, false},
  };
  std::vector<TPlexCheckBox*> boxes;
  int row[2] = {0, 0};
  for (const Look& l : looks) {
    TWinControl* parent = l.OnBar ? static_cast<TWinControl*>(bar) : Form.get();
    auto* b = new TPlexCheckBox(Form.get());
    b->SetParent(parent);
    b->SetBounds(8, 6 + 30 * row[l.OnBar]++, 210, 26);
    b->SetCaption(l.Caption);
    b->SetState(l.State);
    b->SetAlignment(l.Align);
    b->SetButtonVertAlign(l.VAlign);
    b->SetEnabled(l.Enabled);
    b->TransparentChaching = l.Caching;
    b->SetTransparent(l.Transparent);
    b->SetEllipsis(l.Ellipsis);
    if (l.Ellipsis) b->SetWidth(150);
    boxes.push_back(b);
  }
  boxes[6]->SetFocus();
  QApplication::processEvents();
  const QString path = qEnvironmentVariable("QUILLORE_SHOTS", QDir::tempPath()) + "/plex_check_boxes.png";
  ASSERT_TRUE(SaveWidgetScreenshot(Form->Widget(), path));
  // Right of its caption a transparent box shows the gradient, an opaque one its colour.
  const QImage shot(path);
  const TPlexCheckBox* overBar = boxes[7];
  const int y = overBar->Top() + 12;
  EXPECT_EQ(FromQColor(shot.pixelColor(bar->Left() + overBar->Left() + 200, y)), TGradientPanel::At(y, bar->Height()));
  const TPlexCheckBox* cached = boxes[8];
  const int yc = cached->Top() + 20;
  EXPECT_EQ(FromQColor(shot.pixelColor(bar->Left() + cached->Left() + 200, yc)), TGradientPanel::At(yc, bar->Height()));
  EXPECT_EQ(FromQColor(shot.pixelColor(boxes[0]->Left() + 200, boxes[0]->Top() + 12)), ColorToRGB(clBtnFace));
}
