// The popup of a drop-down edit shown on a real form: its surface, border,
// content placement and sizing corner.
#include "grid/dropdowns/PlexCustomDropDown.h"

#include "grid/dropdowns/PlexBars.h"

#include "platform/ControlPicture.h"
#include "platform/Forms.h"
#include "platform/Messages.h"
#include "platform/Screenshot.h"
#include "support/PaintProbe.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

namespace {

// A drop-down whose content is a plain panel of a known colour.
class TPanelDropDown : public TPlexCustomDropDown {
public:
  explicit TPanelDropDown(TComponent* AOwner) : TPlexCustomDropDown(AOwner) {
    Content = new TPanel(this);
    Content->BevelOuter = bvNone;
    Content->ShowCaption = false;
    Content->SetColor(0x00FF00);
    Content->SetBounds(0, 0, 150, 80);
    Content->SetVisible(true);
    SetControl(Content);
  }
  TPanel* Content;
};

struct DropDownForm : ::testing::Test {
  TForm Form{nullptr};
  TPanelDropDown* Edit = nullptr;
  void SetUp() override {
    Form.SetClientWidth(300);
    Form.SetClientHeight(200);
    Edit = new TPanelDropDown(&Form);
    Edit->SetParent(&Form);
    Edit->SetBounds(10, 10, 200, 21);
    Form.Show();
    QApplication::processEvents();
  }
  std::unique_ptr<TBitmap> Picture() {
    auto b = std::make_unique<TBitmap>();
    PaintControlTo(Edit->DropDownForm(), *b);
    return b;
  }
};

TEST_F(DropDownForm, WideBorderMovesTheContentInAndIsPaintedInItsColour) {
  Edit->SetDropDownBorderWidth(3);
  Edit->SetDropDownBorderColor(0x0000FF);
  Edit->ShowDropDown();
  ASSERT_TRUE(Edit->DroppedDown());
  EXPECT_EQ(Edit->Content->Left(), 3);
  EXPECT_EQ(Edit->Content->Top(), 3);
  EXPECT_EQ(Edit->DropDownForm()->Height(), 80 + 6);
  Edit->Content->SetVisible(false);  // the surface under it
  const auto pic = Picture();
  const TBitmap& b = *pic;
  const int w = b.Width(), h = b.Height();
  for (const TPoint p : {TPoint{0, 0}, TPoint{2, 2}, TPoint{w - 1, h - 1}, TPoint{w - 3, h / 2}, TPoint{w / 2, 1}}) {
    SCOPED_TRACE(testing::Message() << p.X << "," << p.Y);
    EXPECT_EQ(paintprobe::At(b, p.X, p.Y), TColor(0x0000FF));
  }
  EXPECT_NE(paintprobe::At(b, 3, 3), TColor(0x0000FF));
  EXPECT_NE(paintprobe::At(b, w - 4, h - 4), TColor(0x0000FF));
}

TEST_F(DropDownForm, SurfaceGradientOrPlainFill) {
  Edit->SetDropDownBorderWidth(0);
  Edit->SetDropDownColor(0x000000);
  Edit->DropDownColorTo = 0xFFFFFF;
  Edit->DropDownGradient = gdHorizontal;
  Edit->ShowDropDown();
  Edit->Content->SetVisible(false);
  auto b = Picture();
  EXPECT_LT(GetRValue(paintprobe::At(*b, 0, 10)), 0x10);
  EXPECT_GT(GetRValue(paintprobe::At(*b, b->Width() - 2, 10)), 0xE0);

  Edit->DropDownColorTo = clNone;
  Edit->SetDropDownColor(0x336699);
  b = Picture();
  EXPECT_EQ(paintprobe::At(*b, 0, 10), TColor(0x336699));
  EXPECT_EQ(paintprobe::At(*b, b->Width() - 1, b->Height() - 1), TColor(0x336699));
}

TEST_F(DropDownForm, SizingCornerOnlyWhenSizeable) {
  Edit->ShowDropDown();
  TDropDownForm* popup = Edit->DropDownForm();
  const int w = popup->Width(), h = popup->Height();
  const struct {
    bool Sizeable;
    int X, Y, Result;
  } cases[] = {{true, w - 1, h - 1, 17}, {true, w - 10, h - 10, 17}, {true, w - 11, h - 1, 0},
               {true, w - 1, h - 11, 0}, {false, w - 1, h - 1, 0}};
  for (const auto& c : cases) {
    Edit->SetDropDownSizeable(c.Sizeable);
    const TPoint s = popup->ClientToScreen(TPoint(c.X, c.Y));
    const LRESULT r = popup->Perform(WM_NCHITTEST, 0, LPARAM((s.Y & 0xFFFF) << 16 | (s.X & 0xFFFF)));
    EXPECT_EQ(r, c.Result) << c.X << "," << c.Y << " sizeable " << c.Sizeable;
  }
}

TEST_F(DropDownForm, BarsOnTheRealDropDownReportClicksAndClose) {
  std::vector<std::pair<QString, int>> events;
  Edit->OnDropDownHeaderButtonClick = [&](TObject* s, int i) { events.emplace_back(s == Edit ? "header" : "?", i); };
  Edit->OnDropDownFooterButtonClick = [&](TObject* s, int i) { events.emplace_back(s == Edit ? "footer" : "?", i); };
  Edit->DropDownHeader().Buttons().Add().SetCaption("Zero");
  Edit->DropDownHeader().Buttons().Add().SetCaption("One");
  Edit->DropDownFooter().Buttons().Add().SetCaption("Ok");
  Edit->SetText("before");
  Edit->ShowDropDown();
  TDropDownForm* popup = Edit->DropDownForm();
  auto* header = new TPlexHeader(popup);
  header->SetParent(popup);
  header->SetBounds(0, 0, popup->Width(), 22);
  header->SetPlexDropDown(Edit);
  header->InitButtons();
  auto* footer = new TPlexFooter(popup);
  footer->SetParent(popup);
  footer->SetBounds(0, popup->Height() - 22, popup->Width(), 22);
  footer->SetPlexDropDown(Edit);
  footer->InitButtons();
  QApplication::processEvents();
  ASSERT_EQ(header->ButtonList().Count(), 2);
  QTest::mouseClick(header->ButtonList().ItemsEx(1)->Widget(), Qt::LeftButton, {}, QPoint(3, 3));
  QTest::mouseClick(footer->ButtonList().ItemsEx(0)->Widget(), Qt::LeftButton, {}, QPoint(3, 3));
  const std::vector<std::pair<QString, int>> expected{{"header", 1}, {"footer", 0}};
  EXPECT_EQ(events, expected);

  // The bars close the popup through the drop-down, cancelled: the old text comes back.
  Edit->SetPlainText("typed");
  static_cast<IBarDropDown*>(Edit)->HidePopup(true);
  EXPECT_FALSE(Edit->DroppedDown());
  EXPECT_EQ(Edit->Text(), "before");
}

TEST_F(DropDownForm, ScreenshotsOfThreeStyles) {
  const char* shots = std::getenv("QUILLORE_SHOTS");
  if (!shots) GTEST_SKIP() << "QUILLORE_SHOTS names no folder";
  const struct {
    TOrvStyle Style;
    const char* Name;
  } styles[] = {{tsOffice2007Luna, "luna"}, {tsWindows7, "windows7"}, {tsOffice2003Blue, "office2003blue"}};
  for (const auto& s : styles) {
    Edit->SetComponentStyle(s.Style);
    Edit->SetDropDownBorderWidth(2);
    Edit->SetDropDownBorderColor(0x808080);
    Edit->Content->SetVisible(false);
    Edit->ShowDropDown();
    QApplication::processEvents();
    SaveBitmapAsPng(*Picture(), QString(shots) + "/dropdown-popup-" + s.Name + ".png");
    Edit->HideDropDown(true);
    Edit->Content->SetVisible(true);
  }
}

}  // namespace
