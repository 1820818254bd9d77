// The bars of a drop-down popup and their buttons, on a popup stand-in that
// records the sizing request and a drop-down stand-in that records its events.
#include "grid/dropdowns/PlexBars.h"

#include "grid/dropdowns/DropDownDrawing.h"
#include "platform/ControlPicture.h"
#include "platform/Forms.h"
#include "platform/Screenshot.h"
#include "platform/Timers.h"
#include "support/PaintProbe.h"

#include <QApplication>
#include <QCursor>
#include <QTest>
#include <gtest/gtest.h>

#include <cstdlib>

namespace {

class TPopupStandIn : public TForm {
public:
  using TForm::TForm;
  std::vector<std::pair<UINT, WPARAM>> Received;
  void WndProc(TMessage& Message) override {
    if (Message.Msg == WM_NCLBUTTONDOWN || Message.Msg == WM_NCHITTEST)
      Received.emplace_back(Message.Msg, Message.WParam);
    TForm::WndProc(Message);
  }
};

class TDropDownStandIn : public IBarDropDown {
public:
  THeaderAppearance Header;
  TFooterAppearance Footer;
  TPlexButtonAppearance Buttons;
  bool Sizeable = false;
  int BorderWidth = 0;
  std::vector<QString> Events;
  THeaderAppearance& DropDownHeader() override { return Header; }
  TFooterAppearance& DropDownFooter() override { return Footer; }
  TPlexButtonAppearance& ButtonAppearance() override { return Buttons; }
  TImageList* Images() override { return nullptr; }
  bool DropDownSizeable() override { return Sizeable; }
  int DropDownBorderWidth() override { return BorderWidth; }
  TColor DropDownBorderColor() override { return clBlack; }
  void HeaderButtonClick(int i) override { Events.push_back(QString("header %1").arg(i)); }
  void FooterButtonClick(int i) override { Events.push_back(QString("footer %1").arg(i)); }
  void HidePopup(bool Cancelled) override { Events.push_back(Cancelled ? "cancelled" : "accepted"); }
};

struct PlexBars : testing::Test {
  std::unique_ptr<TPopupStandIn> Popup = std::make_unique<TPopupStandIn>(nullptr);
  TDropDownStandIn DropDown;
  void SetUp() override { Popup->SetBounds(0, 0, 240, 120); }
  template <class TBar>
  TBar* MakeBar(TAlign Align) {
    auto* bar = new TBar(Popup.get());
    bar->SetParent(Popup.get());
    bar->SetAlign(Align);
    bar->SetHeight(22);
    bar->SetPlexDropDown(&DropDown);
    bar->InitButtons();
    return bar;
  }
  std::unique_ptr<TBitmap> Picture(TWinControl* c) {
    auto b = std::make_unique<TBitmap>();
    PaintControlTo(c, *b);
    return b;
  }
  static int Ink(const TBitmap& b, int x0, int x1, int y0, int y1, TColor c) {
    int n = 0;
    for (int y = y0; y < y1; ++y)
      for (int x = x0; x < x1; ++x) n += paintprobe::At(b, x, y) == c;
    return n;
  }
};

TEST(DbgList, AnIndexOutsideTheListIsRefusedOnBothSides) {
  int a = 1, b = 2;
  TDbgList<int> list;
  list.Add(&a);
  list.Add(&b);
  for (int index : {-1, 2, 5, -100}) {
    try {
      (void)list.ItemsEx(index);
      ADD_FAILURE() << "read " << index;
    } catch (const EListError& e) {
      EXPECT_EQ(e.Message(), "Index out of bounds in list read access") << index;
    }
    try {
      list.SetItemsEx(index, &a);
      ADD_FAILURE() << "write " << index;
    } catch (const EListError& e) {
      EXPECT_EQ(e.Message(), "Index out of bounds in list write access") << index;
    }
  }
  list.SetItemsEx(1, &a);
  EXPECT_EQ(list.ItemsEx(1), &a);
  TDbgList<int> copy;
  copy.Add(&b);
  copy.AssignList(list);
  EXPECT_EQ(copy.Count(), 2);
  EXPECT_EQ(copy.ItemsEx(0), &a);
}

TEST(PlexButtonAppearance, DefaultsAndChangeNotifications) {
  TPlexButtonAppearance a;
  EXPECT_EQ(a.ColorChecked(), BrightenColor(a.ColorHot(), -10, -10, 0));
  EXPECT_EQ(a.ColorCheckedTo(), BrightenColor(a.ColorHotTo(), -10, -10, 0));
  EXPECT_EQ(a.ColorChecked(), TColor(0xF5D8CA));
  EXPECT_EQ(a.ColorCheckedTo(), TColor(0xF9BDA0));
  EXPECT_EQ(a.BorderColorChecked(), TColor(0xFF0000));
  EXPECT_EQ(a.BorderColorDown(), TColor(0x800000));
  EXPECT_EQ(a.Color(), clNone);
  EXPECT_EQ(a.Gradient(), gdVertical);
  EXPECT_EQ(a.Font().Name(), "Tahoma");
  int changes = 0;
  a.OnChange = [&changes](TObject*) { ++changes; };
  a.SetColorHot(a.ColorHot());
  a.SetGradient(gdVertical);
  EXPECT_EQ(changes, 0);
  a.SetColorHot(0x123456);
  a.SetGradient(gdHorizontal);
  EXPECT_EQ(changes, 2);
  TPlexButtonAppearance copy;
  copy.Assign(a);
  EXPECT_EQ(copy.ColorHot(), TColor(0x123456));
  EXPECT_EQ(copy.Gradient(), gdHorizontal);
}

TEST_F(PlexBars, HeaderButtonsLineUpFromTheRightAndTheCaptionStopsShortOfThem) {
  DropDown.Header.Buttons().Add().SetCaption("One");
  DropDown.Header.Buttons().Add().SetCaption("Two");
  DropDown.Header.Caption = "A caption long enough to run under the buttons of the bar";
  DropDown.Header.Color = clWhite;
  DropDown.Header.ColorTo = clNone;
  DropDown.Header.BorderColor = clNone;
  DropDown.Header.Font().SetColor(clBlack);
  DropDown.Buttons.SetColor(0x00FF00);
  auto* header = MakeBar<TPlexHeader>(alTop);
  ASSERT_EQ(header->ButtonList().Count(), 2);
  TPlexButton* first = header->ButtonList().ItemsEx(0);
  TPlexButton* second = header->ButtonList().ItemsEx(1);
  EXPECT_EQ(first->Left() + first->Width(), header->Width() - 2);
  EXPECT_EQ(second->Left() + second->Width(), first->Left());
  EXPECT_LE(first->Height(), header->ButtonArea().Height());
  const auto shot = Picture(header);
  const int gap = second->Left();
  EXPECT_GT(Ink(*shot, 0, gap - 2, 0, 22, clBlack), 0) << "the caption shows";
  EXPECT_EQ(Ink(*shot, gap - 2, gap, 0, 22, clBlack), 0) << "two pixels stay free before the buttons";

  header->Appearance().ButtonAlignment = baLeft;
  header->ArrangeButtons();
  EXPECT_EQ(first->Left(), 2);
  EXPECT_EQ(second->Left(), 2 + first->Width());
}

TEST_F(PlexBars, FooterGripOnlyOnASizeableDropDown) {
  DropDown.Footer.Color = clWhite;
  DropDown.Footer.ColorTo = clNone;
  DropDown.Footer.BorderColor = 0x0000FF;
  for (bool sizeable : {false, true}) {
    SCOPED_TRACE(sizeable);
    DropDown.Sizeable = sizeable;
    auto* footer = MakeBar<TPlexFooter>(alBottom);
    EXPECT_EQ(footer->HasSizeGrip(), sizeable);
    EXPECT_EQ(footer->ButtonArea().Right, footer->Width() - (sizeable ? 14 : 2));
    const auto shot = Picture(footer);
    const int w = footer->Width(), h = footer->Height();
    // The lowest right dot's shaded half.
    const int gx = w - 1 - 16 + 13 - 1, gy = h - 4 - 1;
    EXPECT_EQ(paintprobe::At(*shot, gx, gy) == TColor(0x0000FF), sizeable);
    Popup->Received.clear();
    QTest::mousePress(footer->Widget(), Qt::LeftButton, {}, QPoint(w - 3, h - 3));
    QTest::mouseRelease(footer->Widget(), Qt::LeftButton, {}, QPoint(w - 3, h - 3));
    const bool asked = std::count(Popup->Received.begin(), Popup->Received.end(),
                                  std::pair<UINT, WPARAM>(WM_NCLBUTTONDOWN, HTBOTTOMRIGHT)) == 1;
    EXPECT_EQ(asked, sizeable);
    delete footer;
  }
}

TEST_F(PlexBars, BackgroundHandlerAloneOrTheLooksOwnColours) {
  DropDown.Header.Caption = "Caption";
  DropDown.Header.BorderColor = clBlack;
  auto* header = MakeBar<TPlexHeader>(alTop);
  const int w = header->Width(), h = header->Height();
  header->OnDrawBackGround = [](TObject*, TCanvas& C, const TRect& R) {
    C.Brush().Color = 0x00FF00;
    C.FillRect(R);
  };
  EXPECT_EQ(Ink(*Picture(header), 0, w, 0, h, 0x00FF00), w * h) << "nothing drawn over the handler's paint";
  header->OnDrawBackGround = nullptr;
  header->Appearance().Caption.clear();
  header->Appearance().BorderColor = clNone;
  header->Appearance().Color = 0x0000FF;
  header->Appearance().ColorTo = clNone;
  EXPECT_EQ(Ink(*Picture(header), 0, w, 0, h, 0x0000FF), w * h) << "flat colour";
}

TEST_F(PlexBars, AButtonWithoutAFaceShowsTheBarUnderIt) {
  DropDown.Header.Buttons().Add().SetCaption("Go");
  DropDown.Header.Color = 0xFFFFFF;
  DropDown.Header.ColorTo = 0xC00000;
  DropDown.Header.BorderColor = clNone;
  DropDown.Buttons.SetColor(clNone);
  DropDown.Buttons.SetColorTo(clNone);
  DropDown.Buttons.SetBorderColor(clNone);
  DropDown.Buttons.SetBorderColorHot(clNone);
  auto* header = MakeBar<TPlexHeader>(alTop);
  TPlexButton* button = header->ButtonList().ItemsEx(0);
  const auto bar = Picture(header);
  const auto face = Picture(button);
  const int w = button->Width(), h = button->Height();
  // Corners and edges, away from the caption: the bar's gradient at the button's place.
  for (const TPoint p : {TPoint{0, 0}, TPoint{w - 1, 0}, TPoint{0, h - 1}, TPoint{w - 1, h - 1}, TPoint{1, h / 2}}) {
    SCOPED_TRACE(testing::Message() << p.X << "," << p.Y);
    EXPECT_EQ(paintprobe::At(*face, p.X, p.Y), paintprobe::At(*bar, button->Left() + p.X, button->Top() + p.Y));
  }
  EXPECT_NE(paintprobe::At(*face, 0, 0), paintprobe::At(*face, 0, h - 1)) << "a gradient, not one plain colour";
  if (const char* shots = std::getenv("QUILLORE_SHOTS")) {
    Popup->Show();
    QApplication::processEvents();
    SaveWidgetScreenshot(header->Widget(), QString(shots) + "/bar-see-through-button.png");
  }
}

TEST_F(PlexBars, FooterButtonsCloseThePopupByTheirModalResult) {
  const struct {
    TModalResult Result;
    const char* Event;
  } cases[] = {{mrCancel, "cancelled"}, {mrOk, "accepted"}, {mrRetry, nullptr}, {mrNo, "cancelled"}};
  for (const auto& c : cases) {
    DropDown.Footer.Buttons().Clear();
    DropDown.Footer.Buttons().Add().ModalResult = c.Result;
    DropDown.Footer.Buttons().Items(0).SetCaption("Go");
    auto* footer = MakeBar<TPlexFooter>(alBottom);
    DropDown.Events.clear();
    TPlexButton* b = footer->ButtonList().ItemsEx(0);
    int clicks = 0;
    b->OnClick = [&clicks](TObject*) { ++clicks; };
    // Enter on the focused button applies the result without OnClick.
    b->Perform(WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(clicks, 0) << c.Result;
    EXPECT_EQ(Popup->ModalResult(), c.Result);
    std::vector<QString> expected;
    if (c.Event) expected.push_back(c.Event);
    EXPECT_EQ(DropDown.Events, expected) << c.Result;
    delete footer;
  }
}

TEST_F(PlexBars, ClickedButtonsReportTheirIndexToTheDropDown) {
  DropDown.Header.Buttons().Add().SetCaption("Zero");
  DropDown.Header.Buttons().Add().SetCaption("One");
  auto* header = MakeBar<TPlexHeader>(alTop);
  Popup->Show();
  QApplication::processEvents();
  TPlexButton* one = header->ButtonList().ItemsEx(1);
  QTest::mouseClick(one->Widget(), Qt::LeftButton, {}, QPoint(3, 3));
  EXPECT_EQ(DropDown.Events, std::vector<QString>{"header 1"});
}

TEST_F(PlexBars, GroupButtonsRaiseEachOther) {
  auto* a = new TPlexButton(Popup.get());
  auto* b = new TPlexButton(Popup.get());
  for (TPlexButton* x : {a, b}) {
    x->SetParent(Popup.get());
    x->SetGroupIndex(1);
  }
  b->SetLeft(30);
  Popup->Show();
  QApplication::processEvents();
  a->SetDown(true);
  EXPECT_TRUE(a->Down());
  b->SetDown(true);
  EXPECT_TRUE(b->Down());
  EXPECT_FALSE(a->Down()) << "the group's other button goes up";
  QTest::mouseClick(b->Widget(), Qt::LeftButton, {}, QPoint(3, 3));
  EXPECT_TRUE(b->Down()) << "without AllowAllUp a down button stays down";
  b->SetAllowAllUp(true);
  QTest::mouseClick(b->Widget(), Qt::LeftButton, {}, QPoint(3, 3));
  EXPECT_FALSE(b->Down());

  auto* push = new TPlexButton(Popup.get());
  push->SetDown(true);
  EXPECT_FALSE(push->Down()) << "a push button outside a group is never down";
  push->SetStyle(tasCheck);
  push->SetDown(true);
  EXPECT_TRUE(push->Down());
  EXPECT_EQ(push->State(), absDown);
}

TEST_F(PlexBars, ALeaveThePlatformMissedEndsTheHotLookWithinATick) {
  TManualClockScope clock;
  auto* b = new TPlexButton(Popup.get());
  b->SetParent(Popup.get());
  Popup->SetBounds(500, 500, 120, 60);
  Popup->Show();
  QApplication::processEvents();
  QCursor::setPos(10, 10);
  int leaves = 0;
  b->OnMouseLeave = [&leaves](TObject*) { ++leaves; };
  b->Perform(CM_MOUSEENTER);
  EXPECT_TRUE(b->MouseInControl());
  EXPECT_EQ(clock.Clock().ActiveCount(), 1) << "the tracking timer runs while the mouse is inside";
  clock.Clock().Advance(1);
  EXPECT_FALSE(b->MouseInControl());
  EXPECT_EQ(clock.Clock().ActiveCount(), 0);
  EXPECT_EQ(leaves, 0) << "no leave event: the platform reported none";
}

TEST_F(PlexBars, Screenshot) {
  const char* shots = std::getenv("QUILLORE_SHOTS");
  if (!shots) GTEST_SKIP() << "QUILLORE_SHOTS names no folder";
  DropDown.Sizeable = true;
  DropDown.Header.Caption = "<b>Header</b> caption";
  DropDown.Header.Color = 0xFCE1CB;
  DropDown.Header.ColorTo = 0xE0A57D;
  DropDown.Footer.Caption = "Footer";
  DropDown.Footer.Color = 0xFCE1CB;
  DropDown.Footer.ColorTo = 0xE0A57D;
  DropDown.Footer.BorderColor = 0x962D00;
  for (const char* c : {"Hot", "Down", "Checked", "Off"}) DropDown.Header.Buttons().Add().SetCaption(c);
  for (const char* c : {"OK", "Cancel"}) DropDown.Footer.Buttons().Add().SetCaption(c);
  DropDown.Header.Buttons().Items(3).SetEnabled(false);
  DropDown.Buttons.SetColor(0xFFFFFF);
  DropDown.Buttons.SetColorTo(0xE0E0E0);
  DropDown.Buttons.SetBorderColor(0x808080);
  auto* header = MakeBar<TPlexHeader>(alTop);
  auto* footer = MakeBar<TPlexFooter>(alBottom);
  Popup->SetBounds(0, 0, 260, 100);
  Popup->Show();
  QApplication::processEvents();
  TPlexButton* hot = header->ButtonList().ItemsEx(0);
  TPlexButton* down = header->ButtonList().ItemsEx(1);
  TPlexButton* checked = header->ButtonList().ItemsEx(2);
  hot->Perform(CM_MOUSEENTER);
  down->Perform(CM_MOUSEENTER);
  QTest::mousePress(down->Widget(), Qt::LeftButton, {}, QPoint(3, 3));
  checked->SetStyle(tasCheck);
  checked->SetDown(true);
  footer->Invalidate();
  QApplication::processEvents();
  SaveWidgetScreenshot(Popup->Widget(), QString(shots) + "/drop-down-bars.png");
  QTest::mouseRelease(down->Widget(), Qt::LeftButton, {}, QPoint(3, 3));
}

}  // namespace
