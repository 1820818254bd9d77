#include "platform/RichEdit.h"

#include "platform/Forms.h"
#include "platform/PopupWindows.h"
#include "platform/StdCtrls.h"

#include <QApplication>
#include <QImage>
#include <QScrollBar>
#include <QTest>
#include <QTextEdit>

#include <gtest/gtest.h>

#include <memory>

namespace {

// Counts the resize requests and can keep Tab, as a grid's editor does.
class TProbeRichEdit : public TRichEdit {
public:
  using TRichEdit::TRichEdit;
  bool WantTab = false;
  std::vector<TRect> Requests;
  QTextEdit* Qt() const { return Editor(); }

protected:
  void WndProc(TMessage& Message) override {
    TRichEdit::WndProc(Message);
    if (Message.Msg == WM_GETDLGCODE && WantTab) Message.Result |= DLGC_WANTTAB;
  }
  void RequestResize(const TRect& Requested) override { Requests.push_back(Requested); }
};

struct RichEditFixture : ::testing::Test {
  std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
  TProbeRichEdit* Edit = nullptr;
  TEdit* Next = nullptr;
  void SetUp() override {
    Edit = new TProbeRichEdit(Form.get());
    Edit->SetParent(Form.get());
    Edit->SetBounds(0, 0, 200, 60);
    Next = new TEdit(Form.get());
    Next->SetParent(Form.get());
    Next->SetBounds(0, 70, 100, 20);
    Form->SetClientWidth(220);
    Form->SetClientHeight(100);
    Form->Show();
    QApplication::setActiveWindow(Form->Widget());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Form->Widget()));
    Edit->SetFocus();
  }
  void Select(int Start, int Length) {
    Edit->SetSelStart(Start);
    Edit->SetSelLength(Length);
  }
};

TEST_F(RichEditFixture, StreamsCarryTextAndFormatsBothWays) {
  TRichFormat bold;
  bold.Bold = true;
  bold.Color = RGBColor(0, 128, 255);
  TRichFormat up;
  up.OffsetTwips = RichSuperscriptOffset;
  up.FontName = "Serif";
  up.SizeHalfPoints = 20;
  TRichDocument doc;
  doc.Paragraphs = {{TRichRun{QString::fromUtf8("é € "), bold}, TRichRun{QString::fromUtf8("Ω 中 😀"), up}},
                    {TRichRun{"line two", {}}}};
  Edit->LoadFromStream(WriteRichText(doc));
  EXPECT_EQ(Edit->Document(), doc);
  EXPECT_EQ(Edit->Text(), QString::fromUtf8("é € Ω 中 😀\r\nline two"));
  EXPECT_EQ(ReadRichText(Edit->SaveToStream()), doc);
  // Anything not a rich-text stream is plain text, one character a byte.
  Edit->LoadFromStream(QByteArray("plain {\\b} caf\xe9"));
  EXPECT_EQ(Edit->Text(), QString::fromUtf8("plain {\\b} café"));
  EXPECT_EQ(Edit->Document().Paragraphs[0].size(), 1u);
  Edit->Clear();
  EXPECT_EQ(Edit->Document(), TRichDocument{});
}

TEST_F(RichEditFixture, SelectionFormatIsSetAndReadPartByPart) {
  Edit->SetText("abcdef");
  TRichFormat f;
  f.OffsetTwips = RichSuperscriptOffset;
  f.Bold = true;  // not named in the parts: stays as it is
  Select(1, 2);
  Edit->SetSelFormat(f, rfOffset);
  unsigned uniform = 0;
  EXPECT_EQ(Edit->SelFormat(&uniform).OffsetTwips, RichSuperscriptOffset);
  EXPECT_EQ(uniform, unsigned(rfAll));
  EXPECT_FALSE(Edit->SelFormat().Bold);
  // A selection over two offsets has no one offset.
  Select(0, 3);
  Edit->SelFormat(&uniform);
  EXPECT_FALSE(uniform & rfOffset);
  EXPECT_TRUE(uniform & rfBold);
  f.OffsetTwips = 0;
  Edit->SetSelFormat(f, rfOffset);
  Edit->SelFormat(&uniform);
  EXPECT_TRUE(uniform & rfOffset);
  EXPECT_EQ(Edit->SelFormat().OffsetTwips, 0);
  EXPECT_EQ(Edit->Document().Paragraphs[0].size(), 1u);
  // Without a selection the format is the typing format.
  Select(6, 0);
  f.OffsetTwips = RichSubscriptOffset;
  Edit->SetSelFormat(f, rfOffset);
  QTest::keyClicks(Edit->Qt(), "x");
  TRichFormat sub;
  sub.OffsetTwips = RichSubscriptOffset;
  EXPECT_EQ(Edit->Document().Paragraphs[0].back(), (TRichRun{"x", sub}));
}

TEST_F(RichEditFixture, SelectionMovesAreAnnouncedOnce) {
  Edit->SetText("hello");
  int changes = 0;
  Edit->OnSelectionChange = [&changes](TObject*) { ++changes; };
  Select(1, 0);
  EXPECT_EQ(changes, 1);
  Select(1, 2);
  EXPECT_EQ(changes, 2);
  Edit->SetSelLength(2);
  EXPECT_EQ(changes, 2);
  QTest::keyClick(Edit->Qt(), Qt::Key_End);
  EXPECT_EQ(changes, 3);
}

TEST_F(RichEditFixture, RequestedSizeFollowsTheContentAndEveryGrowthIsRequested) {
  Edit->SetTextMargin(2);
  Edit->SetText("one");
  const TSize one = Edit->RequestedSize();
  EXPECT_EQ(one.cx, 200);
  Edit->Requests.clear();
  QTest::keyClick(Edit->Qt(), Qt::Key_End);
  QTest::keyClick(Edit->Qt(), Qt::Key_Return);
  QTest::keyClicks(Edit->Qt(), "two");
  ASSERT_FALSE(Edit->Requests.empty());
  const TSize two = Edit->RequestedSize();
  EXPECT_GT(two.cy, one.cy + 5);
  EXPECT_EQ(Edit->Requests.back(), TRect(0, 0, 200, two.cy));
  // Unbroken lines ask for their own width.
  Edit->SetWordWrap(false);
  Edit->SetText("a much longer line than two hundred pixels hold, surely, by far");
  EXPECT_GT(Edit->RequestedSize().cx, 200);
}

TEST_F(RichEditFixture, DrawsIntoTheRectangleOnly) {
  TRichFormat big;
  big.SizeHalfPoints = 40;
  big.Bold = true;
  TRichDocument doc;
  doc.Paragraphs = {{TRichRun{"WWWWWWWWWWWWWWWWWWWWWWWW", big}}, {TRichRun{"WWWW", big}}};
  Edit->SetDocument(doc);
  TBitmap sheet(120, 60);
  sheet.Canvas().Brush().Color = clWhite;
  sheet.Canvas().FillRect(TRect(0, 0, 120, 60));
  const TRect r(10, 5, 70, 30);
  Edit->DrawTo(sheet.Canvas(), r, clRed);
  int inside = 0, outside = 0;
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 120; ++x) {
      const TColor c = sheet.Canvas().Pixel(x, y);
      if (c == clWhite) continue;
      (r.Contains(TPoint(x, y)) ? inside : outside)++;
      if (c == clRed) {
        EXPECT_TRUE(r.Contains(TPoint(x, y)));
      }
    }
  EXPECT_GT(inside, 20);
  EXPECT_EQ(outside, 0);
}

TEST_F(RichEditFixture, TextStaysInsideTheFormattingRectangle) {
  Edit->SetBorderStyle(bsNone);
  Edit->SetTextMargin(0);
  Edit->SetColor(clYellow);
  TRichFormat big;
  big.SizeHalfPoints = 40;
  big.Color = clRed;
  TRichDocument doc;
  doc.Paragraphs = {{TRichRun{"WWWW", big}}};
  Edit->SetDocument(doc);
  const TSize loose = Edit->RequestedSize();
  Edit->SetFormatRect(TRect(6, 9, 190, 50));
  EXPECT_EQ(Edit->FormatRect(), TRect(6, 9, 190, 50));
  // The content asks for the rectangle's distances from the edges besides its own height.
  EXPECT_EQ(Edit->RequestedSize().cy, loose.cy + 9 + 10);
  QApplication::processEvents();
  const QImage shot = Edit->Widget()->grab().toImage();
  int red = 0;
  QRect ink;
  for (int y = 0; y < shot.height(); ++y)
    for (int x = 0; x < shot.width(); ++x) {
      const QColor c = shot.pixelColor(x, y);
      if (c.red() > 200 && c.green() < 60 && c.blue() < 60) {
        ++red;
        ink |= QRect(x, y, 1, 1);
      }
    }
  ASSERT_GT(red, 20);
  EXPECT_GE(ink.left(), 6);
  EXPECT_LE(ink.left(), 12);
  EXPECT_GE(ink.top(), 9);
  EXPECT_LT(ink.right(), 190);
  EXPECT_LT(ink.bottom(), 50);
  // Around the rectangle the control shows its colour.
  EXPECT_EQ(shot.pixelColor(2, 2), QColor(Qt::yellow));
  EXPECT_EQ(shot.pixelColor(195, 55), QColor(Qt::yellow));
  // It keeps its distances from the edges when the control grows.
  Edit->SetBounds(0, 0, 220, 70);
  EXPECT_EQ(Edit->FormatRect(), TRect(6, 9, 210, 60));
}

TEST_F(RichEditFixture, DrawsOverItsColourUnlessItsWindowIsTransparent) {
  TRichFormat small;
  small.SizeHalfPoints = 16;
  TRichDocument doc;
  doc.Paragraphs = {{TRichRun{"x", small}}};
  Edit->SetDocument(doc);
  Edit->SetColor(clYellow);
  const TRect r(10, 10, 90, 50);
  struct Case {
    bool Transparent;
    TColor Shown;
  };
  for (const Case c : {Case{false, clYellow}, Case{true, clLime}}) {
    if (c.Transparent) MakeWindowTransparent(Edit);
    TBitmap sheet(100, 60);
    sheet.Canvas().Brush().Color = clLime;
    sheet.Canvas().FillRect(TRect(0, 0, 100, 60));
    Edit->DrawTo(sheet.Canvas(), r, clNone);
    EXPECT_EQ(sheet.Canvas().Pixel(80, 45), c.Shown) << c.Transparent;
    EXPECT_EQ(sheet.Canvas().Pixel(5, 5), clLime) << c.Transparent;
  }
  EXPECT_TRUE(GetWindowExStyle(Edit) & WS_EX_TRANSPARENT);
}

TEST_F(RichEditFixture, TabStaysOnlyWhenTheDialogCodeAsksForIt) {
  Edit->SetText("a");
  QTest::keyClick(Edit->Qt(), Qt::Key_Tab);
  EXPECT_TRUE(Next->Focused());
  EXPECT_EQ(Edit->Text(), "a");
  Edit->SetFocus();
  Edit->WantTab = true;
  QTest::keyClick(Edit->Qt(), Qt::Key_Tab);
  EXPECT_TRUE(Edit->Focused());
  EXPECT_TRUE(Edit->Text().contains('\t'));
}

// Typing past the bottom: without scroll bars none shows and the view
// follows the caret; a chosen bar shows once the content overflows.
TEST_F(RichEditFixture, ScrollBarsShowOnlyWhenChosen) {
  EXPECT_EQ(Edit->ScrollBars(), ssNone);
  struct TCase {
    TScrollStyle Style;
    bool Vertical;
  };
  for (const TCase c :
       {TCase{ssNone, false}, TCase{ssHorizontal, false}, TCase{ssVertical, true}, TCase{ssBoth, true}}) {
    SCOPED_TRACE(int(c.Style));
    // The first case is the control as created.
    if (c.Style != ssNone) Edit->SetScrollBars(c.Style);
    Edit->SetText("");
    Edit->SetFocus();
    for (int line = 0; line < 8; ++line) {
      QTest::keyClicks(Edit->Qt(), QString("line %1").arg(line));
      QTest::keyClick(Edit->Qt(), Qt::Key_Return);
    }
    QTest::keyClicks(Edit->Qt(), "end");
    QApplication::processEvents();
    EXPECT_EQ(Edit->Qt()->verticalScrollBar()->isVisible(), c.Vertical);
    EXPECT_FALSE(Edit->Qt()->horizontalScrollBar()->isVisible());
    const QRect caret = Edit->Qt()->cursorRect();
    EXPECT_TRUE(Edit->Qt()->viewport()->rect().contains(caret.center()));
    EXPECT_GT(Edit->Qt()->verticalScrollBar()->value(), 0);
  }
}

}  // namespace
